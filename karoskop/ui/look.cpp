#include "karoskop/ui/look.h"

#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPushButton>

namespace karoskop {

void applyWindowLook(QWidget& window)
{
    QPalette palette = window.palette();
    QBrush background(kBackgroundColour);
    background.setTexture(backgroundTile());
    palette.setBrush(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, kTextColour);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

void applyButtonLook(QPushButton& button)
{
    constexpr int kButtonHeight = 29;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    button.setFont(font);
    button.setFlat(true);
    button.setFixedHeight(kButtonHeight);
    button.setFocusPolicy(Qt::NoFocus); // the focus stays in the position fields
    button.setStyleSheet(QStringLiteral(
        "QPushButton { color: white; font-weight: bold; background: transparent; border: none; }"
        "QPushButton:hover { color: aqua; }"
        "QPushButton:disabled { color: gray; }"));
}

void setTextColour(QLabel& label, const QColor& colour)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
}

QPixmap logoPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF wheel(size * 0.08, size * 0.08, size * 0.84, size * 0.84);
    p.setPen(QPen(kTextColour, size / 12.0));
    p.setBrush(kBackgroundColour.darker(150));
    p.drawEllipse(wheel);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(size / 2);
    p.setFont(font);
    p.setPen(kHighlightColour);
    p.drawText(wheel, Qt::AlignCenter, QStringLiteral("K"));
    return pixmap;
}

QPixmap backgroundTile()
{
    // A faint diagonal weave on the base colour.
    constexpr int kTile = 16;
    QPixmap tile(kTile, kTile);
    tile.fill(kBackgroundColour);
    QPainter p(&tile);
    p.setPen(kBackgroundColour.lighter(118));
    p.drawLine(0, kTile - 1, kTile - 1, 0);
    p.setPen(kBackgroundColour.darker(115));
    p.drawLine(0, 0, kTile / 2 - 1, kTile / 2 - 1);
    return tile;
}

} // namespace karoskop
