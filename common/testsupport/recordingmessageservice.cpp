#include "common/testsupport/recordingmessageservice.h"

#include <gtest/gtest.h>

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

void expectBox(const Message& shown, const QString& text, const QString& title, MessageIcon icon,
               MessageButtons buttons)
{
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.title, title) << text.toStdString();
    EXPECT_EQ(shown.icon, icon) << text.toStdString();
    EXPECT_EQ(shown.buttons, buttons) << text.toStdString();
}

} // namespace common::testing
