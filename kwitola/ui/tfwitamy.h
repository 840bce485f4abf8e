#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

namespace kwitola::ui {

// The window shown while the program starts.
class TfWitamy final : public QWidget
{
    Q_OBJECT

public:
    explicit TfWitamy(QWidget* parent = nullptr);

    // Shows the window centred on the screen and paints it at once, before
    // the event loop runs.
    void showAndPaint();

private:
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
};

// The start picture: the program's name on a light sheet over a blue field.
QImage startPicture(QSize size);

} // namespace kwitola::ui
