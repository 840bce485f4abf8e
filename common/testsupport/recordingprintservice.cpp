#include "common/testsupport/recordingprintservice.h"

namespace common::testing {

PrintOutcome RecordingPrintService::printPages(const std::vector<Page>& pages,
                                               const QString& documentName)
{
    m_jobs.push_back({pages, documentName});
    if (m_script.empty()) {
        return {PrintOutcome::Status::Printed, QStringLiteral("Drukarka testowa")};
    }
    PrintOutcome outcome = m_script.front();
    m_script.pop_front();
    return outcome;
}

} // namespace common::testing
