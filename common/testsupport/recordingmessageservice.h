#pragma once

#include "common/seams/messageservice.h"

#include <deque>
#include <functional>
#include <vector>

namespace common::testing {

// Records every message a window shows and answers from a script. With an
// empty script a box is answered with its default button.
class RecordingMessageService final : public MessageService
{
public:
    MessageAnswer show(const Message& message, QWidget* parent) override;

    void queueAnswer(MessageAnswer answer) { m_script.push_back(answer); }
    // Runs while the "box" is open, before it is answered (for example to
    // inspect which window is modal or to act on another window).
    void onShow(std::function<void(const Message&)> hook) { m_hook = std::move(hook); }

    const std::vector<Message>& messages() const { return m_messages; }
    const Message& last() const { return m_messages.back(); }
    bool empty() const { return m_messages.empty(); }
    void clear() { m_messages.clear(); }

private:
    std::deque<MessageAnswer> m_script;
    std::vector<Message> m_messages;
    std::function<void(const Message&)> m_hook;
};

// Expects the box shown to carry the expected text, caption, icon and
// buttons.
void expectBox(const Message& shown, const QString& text, const QString& title, MessageIcon icon,
               MessageButtons buttons);

} // namespace common::testing
