#pragma once

#include "kwitola/ui/windowcaption.h"

#include <QDialog>
#include <QSize>

namespace kwitola::ui {

// A modal window of a fixed size with the program's caption: the cards, the
// print settings and the print form. Its controls go into client(), an area
// of its own, so that a caption bar drawn by the window itself only has to
// move that area. It opens in the middle of the screen.
class FixedDialog : public QDialog
{
    Q_OBJECT

protected:
    // An empty clientSize makes a window without a client area whose size
    // is left as it is (the print form, never shown).
    FixedDialog(const QString& caption, QSize clientSize, QWidget* parent,
                CaptionStyle style = CaptionStyle::Dialog);

    [[nodiscard]] QWidget* client() const { return m_client; }

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* m_client = nullptr;
};

} // namespace kwitola::ui
