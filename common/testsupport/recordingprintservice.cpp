#include "common/testsupport/recordingprintservice.h"

namespace common::testing {

PrintOutcome RecordingPrintService::printPages(const std::vector<Page>& pages,
                                               const QString& documentName)
{
    return printPagesOn(pages, documentName, QString());
}

PrintOutcome RecordingPrintService::printPagesOn(const std::vector<Page>& pages,
                                                 const QString& documentName,
                                                 const QString& printerName)
{
    m_jobs.push_back({pages, documentName, printerName});
    if (m_script.empty()) {
        return {PrintOutcome::Status::Printed, QStringLiteral("Drukarka testowa")};
    }
    PrintOutcome outcome = m_script.front();
    m_script.pop_front();
    return outcome;
}

} // namespace common::testing
