#pragma once

#include <QColor>
#include <QObject>

class QWidget;

namespace kwitola::ui {

// The colours of an edit that holds the focus.
inline const QColor kFocusBase{0, 0, 128}; // navy
inline const QColor kFocusText{255, 255, 255};

// Paints a widget navy with white text while it holds the focus, and back in
// the window's colours when it loses it.
class FocusColours final : public QObject
{
    Q_OBJECT

public:
    explicit FocusColours(QObject* parent = nullptr);
    void watch(QWidget& widget);

    static void paint(QWidget& widget, bool focused);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace kwitola::ui
