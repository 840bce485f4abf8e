#include "common/seams/messageservice.h"

#include <QMessageBox>

namespace common {
namespace {

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toQt(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    case MessageAnswer::Cancel:
        return QMessageBox::Cancel;
    case MessageAnswer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons toQt(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MessageAnswer fromQt(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

// A box that can stand centred over a given area. It takes its final size
// only as it is shown, so it is placed then, before it reaches the screen.
class PlacedMessageBox final : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

    std::optional<QRect> centredOver;

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        placeCentred();
    }
    // The wrapped text may still change the box's height once it is on
    // screen; the box has a fixed size, so only the layout resizes it.
    void resizeEvent(QResizeEvent* event) override
    {
        QMessageBox::resizeEvent(event);
        if (isVisible()) {
            placeCentred();
        }
    }

private:
    void placeCentred()
    {
        if (!centredOver) {
            return;
        }
        QPoint topLeft = centredTopLeft(*centredOver, frameSize());
        if (frameGeometry().size() == size()) {
            // Before the window system has framed the box, a move places
            // its client area: leave room for the frame it will get.
            topLeft += parentFrameMargins();
        }
        move(topLeft);
    }

    // How far the parent window's client area lies inside its frame.
    QPoint parentFrameMargins() const
    {
        if (parentWidget() == nullptr) {
            return {};
        }
        const QWidget* window = parentWidget()->window();
        return window->geometry().topLeft() - window->frameGeometry().topLeft();
    }

    // Before its first showing the box knows no frame of its own; its
    // parent window's frame is the best guess.
    QSize frameSize() const
    {
        QSize frame = frameGeometry().size();
        if (frame == size() && parentWidget() != nullptr) {
            const QWidget* window = parentWidget()->window();
            frame += window->frameGeometry().size() - window->size();
        }
        return frame;
    }
};

} // namespace

QPoint centredTopLeft(const QRect& area, QSize box)
{
    return {area.left() + (area.width() - box.width()) / 2,
            area.top() + (area.height() - box.height()) / 2};
}

MessageAnswer DialogMessageService::show(const Message& message, QWidget* parent)
{
    PlacedMessageBox box(toQt(message.icon), message.title, message.text, toQt(message.buttons),
                         parent);
    box.setDefaultButton(toQt(message.defaultAnswer));
    if (message.buttons == MessageButtons::YesNo) {
        // Closing the box with Esc or its close box answers No.
        box.setEscapeButton(QMessageBox::No);
    }
    if (message.topLeft) {
        box.adjustSize();
        box.move(*message.topLeft);
    } else {
        box.centredOver = message.centredOver;
    }
    const int answer = box.exec();
    return fromQt(answer);
}

} // namespace common
