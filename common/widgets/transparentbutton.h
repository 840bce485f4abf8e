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
    QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor& color);

    // Loading a picture whose width is a whole multiple of its height sets
    // the number of cells to width div height (1 when that exceeds 4).
    QImage glyph() const { return glyph_; }
    void setGlyph(const QImage& glyph);
    int numGlyphs() const { return numGlyphs_; }
    void setNumGlyphs(int count); // kept to 1 ... 4

    TFrameStyle frameStyle() const { return frameStyle_; }
    void setFrameStyle(TFrameStyle style);
    bool transparent() const { return transparent_; }
    void setTransparent(bool on);
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int width);
    bool showPressed() const { return showPressed_; }
    void setShowPressed(bool on);
    bool autoGray() const { return autoGray_; }
    void setAutoGray(bool on);
    // Keeps the button pressed; hides QAbstractButton's transient down state.
    bool down() const { return down_; }
    void setDown(bool on);
    TTextAlign textAlign() const { return textAlign_; }
    void setTextAlign(TTextAlign align);
    int spacing() const { return spacing_; }
    void setSpacing(int spacing);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool on);
    // A movable button follows the mouse while the left button holds it.
    bool movable() const { return movable_; }
    void setMovable(bool on);
    QMenu* popUpMenu() const { return popUpMenu_; }
    void setPopUpMenu(QMenu* menu);

    bool isMouseOver() const { return mouseOver_; }
    bool isShownPressed() const { return shownPressed_; }

    // The images the glyph cells and the grey and disabled looks are drawn
    // from; rebuilt whenever the glyph or the cell count changes.
    const std::vector<QImage>& glyphImages() const { return images_; }

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

    QColor fontColor_;
    QImage glyph_;
    int numGlyphs_ = 1;
    TFrameStyle frameStyle_ = TFrameStyle::fsExplorer;
    bool transparent_ = true;
    int borderWidth_ = 1;
    bool showPressed_ = true;
    bool autoGray_ = true;
    bool down_ = false;
    TTextAlign textAlign_ = TTextAlign::ttaCenter;
    int spacing_ = 2;
    bool wordWrap_ = false;
    bool movable_ = false;
    QPointer<QMenu> popUpMenu_;

    bool mouseOver_ = false;
    bool tracking_ = false;
    bool capturedPress_ = false;
    bool shownPressed_ = false;
    QPoint pressPoint_;
    std::vector<QImage> images_; // cells, then grey, then disabled
};

} // namespace common
