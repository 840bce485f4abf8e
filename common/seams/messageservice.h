#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

class QWidget;

namespace common {

enum class MessageIcon { None, Information, Question, Exclamation, Error };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// Everything a message box shows. Windows describe a message with this and
// hand it to a MessageService; they never open a QMessageBox themselves.
struct Message
{
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
    // Screen position of the box's top-left corner; centred when empty.
    std::optional<QPoint> topLeft;
    // A screen rectangle (a window's frame) to centre the box over, when
    // no top-left corner is given.
    std::optional<QRect> centredOver;
};

// The top-left corner that centres a box of the given size over area.
QPoint centredTopLeft(const QRect& area, QSize box);

class MessageService
{
public:
    virtual ~MessageService() = default;
    // Shows the message modally over parent and returns the answer.
    virtual MessageAnswer show(const Message& message, QWidget* parent) = 0;
};

// The production service: a modal QMessageBox.
class DialogMessageService final : public MessageService
{
public:
    MessageAnswer show(const Message& message, QWidget* parent) override;
};

} // namespace common
