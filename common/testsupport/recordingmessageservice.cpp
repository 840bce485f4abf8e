#include "common/testsupport/recordingmessageservice.h"

namespace common::testing {

MessageAnswer RecordingMessageService::show(const Message& message, QWidget* /*parent*/)
{
    m_messages.push_back(message);
    if (m_hook) {
        m_hook(message);
    }
    if (m_script.empty()) {
        return message.defaultAnswer;
    }
    const MessageAnswer answer = m_script.front();
    m_script.pop_front();
    return answer;
}

} // namespace common::testing
