#pragma once

#include <QRect>
#include <utility>

class QComboBox;
class QEvent;
class QWidget;

namespace kwitola::ui {

// Gives a new control its object name (the name tests and the window's own
// code know it by) and its place.
void nameControl(QWidget& control, const char* name, const QRect& geometry);

// A control of the given type on parent, named and placed: every window
// builds its controls through this.
template <typename Control, typename... Args>
Control* makeControl(QWidget* parent, const char* name, const QRect& geometry, Args&&... args)
{
    auto* control = new Control(std::forward<Args>(args)..., parent);
    nameControl(*control, name, geometry);
    return control;
}

// A drop-down list of the main window: rowsOpen rows show when it opens.
QComboBox* makeList(QWidget* parent, const char* name, const QRect& geometry, int rowsOpen);

// Whether the event is a press of Enter, on the main keys or the keypad.
[[nodiscard]] bool isEnterPress(const QEvent* event);

} // namespace kwitola::ui
