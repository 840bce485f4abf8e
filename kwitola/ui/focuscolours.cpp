#include "kwitola/ui/focuscolours.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QWidget>

namespace kwitola::ui {

FocusColours::FocusColours(QObject* parent) : QObject(parent) {}

void FocusColours::watch(QWidget& widget)
{
    widget.installEventFilter(this);
    paint(widget, widget.hasFocus());
}

void FocusColours::paint(QWidget& widget, bool focused)
{
    QPalette colours = widget.palette();
    const QPalette window = QApplication::palette(&widget);
    colours.setColor(QPalette::Base, focused ? kFocusBase : window.color(QPalette::Base));
    colours.setColor(QPalette::Text, focused ? kFocusText : QColor(Qt::black));
    widget.setPalette(colours);
}

bool FocusColours::eventFilter(QObject* watched, QEvent* event)
{
    const bool in = event->type() == QEvent::FocusIn;
    if (in || event->type() == QEvent::FocusOut) {
        if (auto* widget = qobject_cast<QWidget*>(watched)) {
            paint(*widget, in);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kwitola::ui
