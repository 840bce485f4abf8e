#include "karoskop/ui/look.h"

#include "common/widgets/backgrounds.h"
#include "common/widgets/decorationresources.h"
#include "common/widgets/gradientcaption.h"
#include "common/widgets/transparentbutton.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPalette>

namespace karoskop {

namespace {

// Keeps the tiled background on the window's client area and under every
// other control.
class BackgroundKeeper final : public QObject
{
public:
    BackgroundKeeper(QWidget& window, QWidget& tiles)
        : QObject(&window), m_window(window), m_tiles(tiles)
    {
        window.installEventFilter(this);
        place();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window &&
            (event->type() == QEvent::Resize || event->type() == QEvent::ContentsRectChange ||
             event->type() == QEvent::Show)) {
            place();
        }
        return false;
    }

private:
    void place()
    {
        m_tiles.setGeometry(m_window.contentsRect());
        m_tiles.lower();
    }

    QWidget& m_window;
    QWidget& m_tiles;
};

// The dark background and the yellow texts, under whatever paints tiles.
void setWindowColours(QWidget& window)
{
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, kBackgroundColour);
    palette.setColor(QPalette::WindowText, kTextColour);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

} // namespace

void applyWindowLook(QWidget& window)
{
    setWindowColours(window);
    auto* tiles = new common::TTiledBitmap(&window);
    tiles->setObjectName(QStringLiteral("tlo"));
    tiles->setBitMap(backgroundTile().toImage());
    new BackgroundKeeper(window, *tiles);
}

void applyDialogLook(QWidget& window)
{
    setWindowColours(window);
    auto* background = new common::TBackground(&window);
    background->setObjectName(QStringLiteral("tlo"));
    background->setFill({common::TBackStyle::bgTileBitmap, kBackgroundColour, Qt::black,
                         backgroundTile().toImage()});
    new BackgroundKeeper(window, *background);
}

void applyButtonLook(common::TTransparentButton& button, const QColor& captionColour,
                     std::optional<QColor> hoverColour)
{
    constexpr int kButtonHeight = 29;
    button.setFixedHeight(kButtonHeight);
    QFont font = button.font();
    font.setBold(true);
    button.setFont(font);
    button.setFontColor(captionColour);
    if (hoverColour) {
        QObject::connect(&button, &common::TTransparentButton::mouseEntered, &button,
                         [&button, hover = *hoverColour] { button.setFontColor(hover); });
        QObject::connect(&button, &common::TTransparentButton::mouseExited, &button,
                         [&button, captionColour] { button.setFontColor(captionColour); });
    }
}

common::TGradientCaption* applyCaptionLook(QWidget& window, const QColor& textColour)
{
    window.setWindowIcon(QIcon(logoPixmap(32)));
    auto* caption = new common::TGradientCaption(&window);
    caption->setObjectName(QStringLiteral("GradientCaption"));
    common::CaptionLook look = caption->look();
    look.active = {Qt::black, QColor(255, 0, 255), textColour};
    look.numColors = 64;
    caption->setLook(look);
    return caption;
}

QLabel* makeTextLabel(QWidget* parent, const QString& name, const QString& text, int pixelSize,
                      bool bold, const QColor& colour)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    label->setFont(f);
    setTextColour(*label, colour);
    return label;
}

common::TTransparentButton* makeTextButton(QWidget* parent, const char* name, const QString& text,
                                           const QString& hint)
{
    auto* button = new common::TTransparentButton(parent);
    button->setCaption(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    applyButtonLook(*button);
    return button;
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
    common::initDecorationResources();
    return QPixmap(QStringLiteral(":/common/karoskop-tile.png"));
}

void holdOuterSizeOrLayOut(QWidget& window, QSize (*clamp)(QSize outer),
                           const std::function<void()>& layOut)
{
    const QSize extra = window.frameGeometry().size() - window.size();
    const QSize outer = window.size() + extra;
    const QSize held = clamp(outer);
    if (held == outer || window.isMaximized()) {
        layOut();
        return;
    }
    window.resize(held - extra);
}

QFont fittedFont(QFont font, const QString& caption, int width)
{
    constexpr qreal kSmallestPoints = 6.0;
    constexpr qreal kStep = 0.5;
    if (font.pointSizeF() <= 0) {
        font.setPointSizeF(QFontInfo(font).pointSizeF()); // set in pixels: go by points
    }
    while (QFontMetrics(font).horizontalAdvance(caption) > width &&
           font.pointSizeF() - kStep >= kSmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - kStep);
    }
    return font;
}

} // namespace karoskop
