#include "common/seams/messageservice.h"

#include "common/core/valuetable.h"

#include <QMessageBox>

namespace common {
namespace {

const ValueTable<MessageIcon, QMessageBox::Icon, 4> kIcons = {{
    {MessageIcon::Information, QMessageBox::Information},
    {MessageIcon::Question, QMessageBox::Question},
    {MessageIcon::Exclamation, QMessageBox::Warning},
    {MessageIcon::Error, QMessageBox::Critical},
}};

const ValueTable<MessageAnswer, QMessageBox::StandardButton, 4> kAnswers = {{
    {MessageAnswer::Ok, QMessageBox::Ok},
    {MessageAnswer::Yes, QMessageBox::Yes},
    {MessageAnswer::No, QMessageBox::No},
    {MessageAnswer::Cancel, QMessageBox::Cancel},
}};

const ValueTable<MessageButtons, QMessageBox::StandardButtons, 3> kButtons = {{
    {MessageButtons::Ok, QMessageBox::Ok},
    {MessageButtons::YesNo, QMessageBox::Yes | QMessageBox::No},
    {MessageButtons::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel},
}};

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
    PlacedMessageBox box(
        valueFor(kIcons, message.icon, QMessageBox::NoIcon), message.title, message.text,
        valueFor(kButtons, message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok)), parent);
    box.setDefaultButton(valueFor(kAnswers, message.defaultAnswer, QMessageBox::Ok));
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
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    return keyFor(kAnswers, answer, MessageAnswer::Ok);
}

} // namespace common
