#pragma once

#include "common/widgets/backgroundmath.h"

#include <QImage>
#include <QWidget>

class QPainter;

namespace common {

// Repeats a picture over the whole control from its top-left corner.
class TTiledBitmap final : public QWidget
{
    Q_OBJECT
public:
    explicit TTiledBitmap(QWidget* parent = nullptr);

    QImage bitMap() const { return m_bitMap; }
    void setBitMap(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_bitMap;
};

enum class TBackStyle { bgSingleColor, bgSmooth, bgSingleBitmap, bgTileBitmap };

// What a background shows: a plain colour1, a vertical gradient from color1
// to color2, the picture once or the picture tiled.
struct BackgroundFill
{
    TBackStyle style = TBackStyle::bgSingleColor;
    QColor color1 = Qt::white;
    QColor color2 = Qt::black;
    QImage picture;

    bool operator==(const BackgroundFill&) const = default;
};

struct BackgroundLook
{
    BackgroundFill fill;
    QSize control;
};

// Paints only `area` of a background of the given look; every pixel depends
// on its position in the control alone, so a strip equals the same strip of
// a whole repaint. Outside a single (untiled) picture the area gets color1.
void paintBackground(QPainter& painter, const QRect& area, const BackgroundLook& look);

// A plain colour, a vertical gradient, a picture or a tiled picture.
class TBackground final : public QWidget
{
    Q_OBJECT
public:
    explicit TBackground(QWidget* parent = nullptr);

    const BackgroundFill& fill() const { return m_fill; }
    void setFill(const BackgroundFill& fill);

Q_SIGNALS:
    void clicked();
    void doubleClicked();
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseMoved(Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    BackgroundFill m_fill;
};

enum class PanelBorderStyle { None, Single };

struct ColorPanelLook
{
    QColor color;
    BevelKind bevelOuter = BevelKind::Raised;
    BevelKind bevelInner = BevelKind::None;
    int bevelWidth = 1;
    int borderWidth = 0;
    PanelBorderStyle borderStyle = PanelBorderStyle::None;

    bool operator==(const ColorPanelLook&) const = default;
};

void paintColorPanel(QPainter& painter, const QRect& rect, const ColorPanelLook& look);

// A panel in one flat colour with bevels in lighter and darker shades of it.
// Created on a window or on another colour panel, it takes that colour.
class TColorPanel final : public QWidget
{
    Q_OBJECT
public:
    explicit TColorPanel(QWidget* parent = nullptr);

    const ColorPanelLook& look() const { return m_look; }
    void setLook(const ColorPanelLook& look);
    QColor color() const { return m_look.color; }
    void setColor(const QColor& color);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    // Kept for the form definitions; a locked panel behaves like any other.
    bool locked() const { return m_locked; }
    void setLocked(bool on) { m_locked = on; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColorPanelLook m_look;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    bool m_locked = false;
};

} // namespace common
