#pragma once

#include "common/widgets/buttongeometry.h"

#include <QAbstractButton>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <vector>

namespace common {

// How a transparent button draws its frame and places its glyph and caption.
struct TransparentButtonLook
{
    TFrameStyle frameStyle = TFrameStyle::fsExplorer;
    bool transparent = true;
    int borderWidth = 1;
    bool showPressed = true;
    bool autoGray = true;
    TTextAlign textAlign = TTextAlign::ttaCenter;
    int spacing = 2;
    bool wordWrap = false;
    // A movable button follows the mouse while the left button holds it.
    bool movable = false;

    bool operator==(const TransparentButtonLook&) const = default;
};

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

    const TransparentButtonLook& look() const { return m_look; }
    void setLook(const TransparentButtonLook& look);
    // Keeps the button pressed; hides QAbstractButton's transient down state.
    bool down() const { return m_down; }
    void setDown(bool on);
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
    TransparentButtonLook m_look;
    bool m_down = false;
    QPointer<QMenu> m_popUpMenu;

    bool m_mouseOver = false;
    bool m_tracking = false;
    bool m_capturedPress = false;
    bool m_shownPressed = false;
    QPoint m_pressPoint;
    std::vector<QImage> m_images; // cells, then grey, then disabled
};

} // namespace common
