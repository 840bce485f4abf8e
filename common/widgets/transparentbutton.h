#pragma once

#include "common/widgets/buttongeometry.h"

#include <QAbstractButton>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <vector>

namespace common {

// A flat push button drawn over whatever lies beneath it: an optional glyph,
// a caption with an "&" accelerator, and a 3D frame in one of seven styles.
// It never takes the keyboard focus. In the default explorer style the frame
// shows only while the mouse is over the button. It is an abstract button, so
// text(), click() and clicked() work as for any other button; the caption is
// its text.
class TTransparentButton final : public QAbstractButton
{
    Q_OBJECT
public:
    explicit TTransparentButton(QWidget* parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor& color);

    // Loading a picture whose width is a whole multiple of its height sets
    // the number of cells to width div height (1 when that exceeds 4).
    QImage glyph() const { return m_glyph; }
    void setGlyph(const QImage& glyph);
    int numGlyphs() const { return m_numGlyphs; }
    void setNumGlyphs(int count); // kept to 1 ... 4

    TFrameStyle frameStyle() const { return m_frameStyle; }
    void setFrameStyle(TFrameStyle style);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool on);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);
    bool showPressed() const { return m_showPressed; }
    void setShowPressed(bool on);
    bool autoGray() const { return m_autoGray; }
    void setAutoGray(bool on);
    // Keeps the button pressed; hides QAbstractButton's transient down state.
    bool down() const { return m_down; }
    void setDown(bool on);
    TTextAlign textAlign() const { return m_textAlign; }
    void setTextAlign(TTextAlign align);
    int spacing() const { return m_spacing; }
    void setSpacing(int spacing);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool on);
    // A movable button follows the mouse while the left button holds it.
    bool movable() const { return m_movable; }
    void setMovable(bool on);
    QMenu* popUpMenu() const { return m_popUpMenu; }
    void setPopUpMenu(QMenu* menu);

    bool isMouseOver() const { return m_mouseOver; }
    bool isShownPressed() const { return m_shownPressed; }

    // The images the glyph cells and the grey and disabled looks are drawn
    // from; rebuilt whenever the glyph or the cell count changes.
    const std::vector<QImage>& glyphImages() const { return m_images; }

Q_SIGNALS:
    void mouseEntered();
    void mouseExited();
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseMoved(Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void rebuildImages();
    void finishPress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    ButtonLookState lookState() const;

    QColor m_fontColor;
    QImage m_glyph;
    int m_numGlyphs = 1;
    TFrameStyle m_frameStyle = TFrameStyle::fsExplorer;
    bool m_transparent = true;
    int m_borderWidth = 1;
    bool m_showPressed = true;
    bool m_autoGray = true;
    bool m_down = false;
    TTextAlign m_textAlign = TTextAlign::ttaCenter;
    int m_spacing = 2;
    bool m_wordWrap = false;
    bool m_movable = false;
    QPointer<QMenu> m_popUpMenu;

    bool m_mouseOver = false;
    bool m_tracking = false;
    bool m_capturedPress = false;
    bool m_shownPressed = false;
    QPoint m_pressPoint;
    std::vector<QImage> m_images; // cells, then grey, then disabled
};

} // namespace common
