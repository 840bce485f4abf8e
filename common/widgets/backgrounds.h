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

struct BackgroundLook
{
    TBackStyle style = TBackStyle::bgSingleColor;
    QColor color1 = Qt::white;
    QColor color2 = Qt::black;
    const QImage* picture = nullptr;
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

    QImage picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    QColor color1() const { return m_color1; }
    void setColor1(const QColor& color);
    QColor color2() const { return m_color2; }
    void setColor2(const QColor& color);
    TBackStyle backStyle() const { return m_backStyle; }
    void setBackStyle(TBackStyle style);

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
    QImage m_picture;
    QColor m_color1 = Qt::white;
    QColor m_color2 = Qt::black;
    TBackStyle m_backStyle = TBackStyle::bgSingleColor;
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
};

void paintColorPanel(QPainter& painter, const QRect& rect, const ColorPanelLook& look);

// A panel in one flat colour with bevels in lighter and darker shades of it.
// Created on a window or on another colour panel, it takes that colour.
class TColorPanel final : public QWidget
{
    Q_OBJECT
public:
    explicit TColorPanel(QWidget* parent = nullptr);

    QColor color() const { return m_look.color; }
    void setColor(const QColor& color);
    BevelKind bevelOuter() const { return m_look.bevelOuter; }
    void setBevelOuter(BevelKind kind);
    BevelKind bevelInner() const { return m_look.bevelInner; }
    void setBevelInner(BevelKind kind);
    int bevelWidth() const { return m_look.bevelWidth; }
    void setBevelWidth(int width);
    int borderWidth() const { return m_look.borderWidth; }
    void setBorderWidth(int width);
    PanelBorderStyle borderStyle() const { return m_look.borderStyle; }
    void setBorderStyle(PanelBorderStyle style);
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
