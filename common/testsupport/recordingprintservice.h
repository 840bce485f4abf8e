#pragma once

#include "common/core/pagemodel.h"
#include "common/seams/printservice.h"

#include <deque>
#include <vector>

namespace common::testing {

// Records every print job and answers from a script; with an empty script a
// job counts as printed on "Drukarka testowa".
class RecordingPrintService final : public PrintService
{
public:
    struct Job
    {
        std::vector<Page> pages;
        QString documentName;
        QString printerName; // empty: the default printer
    };

    PrintOutcome printPages(const std::vector<Page>& pages, const QString& documentName) override;
    PrintOutcome printPagesOn(const std::vector<Page>& pages, const QString& documentName,
                              const QString& printerName) override;

    void queueOutcome(PrintOutcome outcome) { m_script.push_back(std::move(outcome)); }

    const std::vector<Job>& jobs() const { return m_jobs; }
    const Job& last() const { return m_jobs.back(); }
    bool empty() const { return m_jobs.empty(); }

private:
    std::deque<PrintOutcome> m_script;
    std::vector<Job> m_jobs;
};

} // namespace common::testing
