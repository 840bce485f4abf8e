#include "common/widgets/transparentbutton.h"
#include "common/widgets/transparentbuttonpainter.h"

#include <QEnterEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace common;

namespace {

const QColor base(28, 29, 55);
const QColor light(0, 255, 0);
const QColor dark(255, 0, 0);
const QColor white(255, 255, 255);

// A dark window with one white bold button over it, palette colours made
// easy to tell apart.
struct Fixture
{
    QWidget window;
    TTransparentButton* button;

    Fixture()
    {
        window.resize(200, 80);
        QPalette pal = window.palette();
        pal.setColor(QPalette::Window, base);
        pal.setColor(QPalette::Light, light);
        pal.setColor(QPalette::Dark, dark);
        pal.setColor(QPalette::Button, QColor(192, 192, 192));
        window.setPalette(pal);
        window.setAutoFillBackground(true);
        button = new TTransparentButton(&window);
        button->setGeometry(20, 20, 120, 29);
        QFont f = button->font();
        f.setBold(true);
        button->setFont(f);
        button->setFontColor(white);
        button->setCaption("&Start");
    }

    QImage shot() { return window.grab(button->geometry()).toImage(); }

    void enter()
    {
        QEnterEvent e(QPointF(5, 5), QPointF(25, 25), QPointF(25, 25));
        QApplication::sendEvent(button, &e);
    }

    void leave()
    {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(button, &e);
    }

    void moveTo(QPoint local)
    {
        QMouseEvent e(QEvent::MouseMove, local, button->mapToGlobal(local), Qt::NoButton,
                      Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(button, &e);
    }
};

QRect colourBounds(const QImage& image, QColor colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

} // namespace

TEST(TransparentButton, DefaultsAndInitialSize)
{
    TTransparentButton b;
    EXPECT_EQ(b.size(), QSize(40, 40));
    EXPECT_EQ(b.look().frameStyle, TFrameStyle::fsExplorer);
    EXPECT_TRUE(b.look().transparent);
    EXPECT_EQ(b.focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(b.look().spacing, 2);
    EXPECT_EQ(b.look().textAlign, TTextAlign::ttaCenter);

    // It is a button like any other for code that clicks buttons.
    b.setCaption("Ostatni numer");
    EXPECT_EQ(b.text(), "Ostatni numer");
    QSignalSpy clicks(&b, &TTransparentButton::clicked);
    b.click();
    EXPECT_EQ(clicks.count(), 1);
}

TEST(TransparentButton, ExplorerFrameAppearsOnlyUnderTheMouseAndSinksWhenPressed)
{
    Fixture f;
    const QImage idle = f.shot();
    EXPECT_EQ(idle.pixelColor(0, 14), base);
    EXPECT_EQ(idle.pixelColor(119, 14), base);
    const QRect idleText = colourBounds(idle, white);
    ASSERT_FALSE(idleText.isEmpty());

    f.enter();
    EXPECT_TRUE(f.button->isMouseOver());
    const QImage over = f.shot();
    EXPECT_EQ(over.pixelColor(0, 14), light);
    EXPECT_EQ(over.pixelColor(60, 0), light);
    EXPECT_EQ(over.pixelColor(119, 14), dark);
    EXPECT_EQ(over.pixelColor(60, 28), dark);
    EXPECT_EQ(over.pixelColor(1, 14), base); // one pixel wide
    EXPECT_EQ(colourBounds(over, white), idleText);

    QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(10, 10));
    const QImage pressed = f.shot();
    EXPECT_EQ(pressed.pixelColor(0, 14), dark);
    EXPECT_EQ(pressed.pixelColor(119, 14), light);
    EXPECT_EQ(colourBounds(pressed, white), idleText.translated(1, 1));

    f.leave();
    EXPECT_FALSE(f.button->isMouseOver());
}

TEST(TransparentButton, ClickNeedsPressAndReleaseInside)
{
    Fixture f;
    QSignalSpy clicks(f.button, &TTransparentButton::clicked);
    f.enter();
    QTest::mouseClick(f.button, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(clicks.count(), 1);

    QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_TRUE(f.button->isShownPressed());
    f.moveTo(QPoint(200, 10));
    EXPECT_FALSE(f.button->isShownPressed());
    f.moveTo(QPoint(31, 11));
    EXPECT_TRUE(f.button->isShownPressed());
    f.moveTo(QPoint(-5, 10));
    QTest::mouseRelease(f.button, Qt::LeftButton, {}, QPoint(-5, 10));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(f.button->isShownPressed());
}

TEST(TransparentButton, DownStaysPressedThroughAClick)
{
    Fixture f;
    QSignalSpy clicks(f.button, &TTransparentButton::clicked);
    f.button->setDown(true);
    EXPECT_TRUE(f.button->isShownPressed());
    const QImage shot = f.shot();
    EXPECT_EQ(shot.pixelColor(0, 14), dark); // sunken without the mouse
    QTest::mouseClick(f.button, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(f.button->isShownPressed());
}

TEST(TransparentButton, DisabledIgnoresTheMouseAndGreysItsCaption)
{
    Fixture f;
    QSignalSpy clicks(f.button, &TTransparentButton::clicked);
    QSignalSpy entered(f.button, &TTransparentButton::mouseEntered);
    const QRect enabledText = colourBounds(f.shot(), white);
    ASSERT_FALSE(enabledText.isEmpty());
    f.button->setEnabled(false);
    f.enter();
    QTest::mouseClick(f.button, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(entered.count(), 0);
    EXPECT_FALSE(f.button->isMouseOver());

    // One greyed caption where the enabled one stands: no white, and none
    // of the highlight and shadow copies of an embossed caption.
    const QImage shot = f.shot();
    EXPECT_TRUE(colourBounds(shot, white).isEmpty());
    EXPECT_TRUE(colourBounds(shot, light).isEmpty());
    EXPECT_TRUE(colourBounds(shot, dark).isEmpty());
    EXPECT_EQ(colourBounds(shot, disabledCaptionColor(white)), enabledText);
}

// Greyed, yet far enough from either background to be read: the contrast
// against a dark and a light ground stays above 4.5 : 1, and the greyed
// caption is plainly not the enabled colour.
TEST(TransparentButton, DisabledCaptionColourIsGreyAndLegible)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const auto contrast = [&](const QColor& a, const QColor& b) {
        const double la = luminance(a);
        const double lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    };
    const struct
    {
        QColor caption;
        QColor ground;
        int grey;
    } cases[] = {
        {white, base, 179},                             // Karoskop's buttons
        {QColor(0, 255, 255), base, 144},               // an aqua caption
        {QColor(Qt::black), QColor(212, 208, 200), 76}, // a dark caption on a light face
    };
    for (const auto& c : cases) {
        const QColor greyed = disabledCaptionColor(c.caption);
        EXPECT_EQ(greyed, QColor(c.grey, c.grey, c.grey)) << c.caption.name().toStdString();
        EXPECT_GT(contrast(greyed, c.ground), 4.5) << c.caption.name().toStdString();
        EXPECT_GT(std::abs(greyed.red() - c.caption.red()) +
                      std::abs(greyed.green() - c.caption.green()) +
                      std::abs(greyed.blue() - c.caption.blue()),
                  60)
            << c.caption.name().toStdString();
    }
}

TEST(TransparentButton, HoverSignalsLetTheWindowRecolourTheCaption)
{
    Fixture f;
    QObject::connect(f.button, &TTransparentButton::mouseEntered,
                     [&] { f.button->setFontColor(QColor(0, 255, 255)); });
    QObject::connect(f.button, &TTransparentButton::mouseExited,
                     [&] { f.button->setFontColor(white); });
    f.enter();
    EXPECT_FALSE(colourBounds(f.shot(), QColor(0, 255, 255)).isEmpty());
    f.leave();
    EXPECT_TRUE(colourBounds(f.shot(), QColor(0, 255, 255)).isEmpty());
}

TEST(TransparentButton, AcceleratorClicksAnEnabledButton)
{
    Fixture f;
    QSignalSpy clicks(f.button, &TTransparentButton::clicked);
    f.window.show();
    f.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.window));
    QTest::keyClick(&f.window, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    f.button->setEnabled(false);
    QTest::keyClick(&f.window, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(TransparentButton, GlyphCellsAndDerivedImages)
{
    TTransparentButton b;
    QImage four(64, 16, QImage::Format_RGB32);
    four.fill(Qt::red);
    b.setGlyph(four);
    EXPECT_EQ(b.numGlyphs(), 4);
    ASSERT_EQ(b.glyphImages().size(), 6U); // four cells, grey, disabled
    EXPECT_EQ(b.glyphImages()[0].size(), QSize(16, 16));

    QImage five(80, 16, QImage::Format_RGB32);
    five.fill(Qt::blue);
    b.setGlyph(five);
    EXPECT_EQ(b.numGlyphs(), 1);
    ASSERT_EQ(b.glyphImages().size(), 3U);
    EXPECT_EQ(b.glyphImages()[0].size(), QSize(80, 16));

    b.setNumGlyphs(9);
    EXPECT_EQ(b.numGlyphs(), 4);
}

TEST(TransparentButton, AutoGrayGlyphUntilPointedAt)
{
    Fixture f;
    f.button->setCaption(QString());
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(QColor(255, 0, 255)); // transparent colour
    for (int y = 4; y < 12; ++y) {
        for (int x = 4; x < 12; ++x) {
            glyph.setPixelColor(x, y, QColor(0, 0, 255));
        }
    }
    f.button->setGlyph(glyph);
    const QImage idle = f.shot();
    const QPoint centre(60, 14);
    EXPECT_EQ(idle.pixelColor(centre), QColor(76, 76, 76));
    EXPECT_EQ(idle.pixelColor(55, 14), base); // transparent part shows the window
    f.enter();
    EXPECT_EQ(f.shot().pixelColor(centre), QColor(0, 0, 255));
}

TEST(TransparentButton, OpaqueRegularStyleFillsTheFace)
{
    Fixture f;
    TransparentButtonLook look = f.button->look();
    look.frameStyle = TFrameStyle::fsRegular;
    look.transparent = false;
    f.button->setLook(look);
    const QImage shot = f.shot();
    EXPECT_EQ(shot.pixelColor(0, 14), light);                  // raised outer frame
    EXPECT_EQ(shot.pixelColor(10, 20), QColor(192, 192, 192)); // face
}

TEST(TransparentButton, PopUpMenuOpensUnderTheButtonAndEndsThePress)
{
    Fixture f;
    f.window.show();
    QMenu menu;
    menu.addAction("Pierwsza");
    f.button->setPopUpMenu(&menu);
    QSignalSpy clicks(f.button, &TTransparentButton::clicked);
    QPoint menuAt;
    bool pressedWhileOpen = false;
    QTimer::singleShot(0, &menu, [&] {
        menuAt = menu.pos();
        pressedWhileOpen = f.button->isShownPressed();
        menu.close();
    });
    QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(pressedWhileOpen);
    EXPECT_EQ(menuAt, f.button->mapToGlobal(QPoint(0, f.button->height())));
    EXPECT_FALSE(f.button->isShownPressed());
    EXPECT_EQ(clicks.count(), 0);
    {
        auto* gone = new QMenu;
        f.button->setPopUpMenu(gone);
        delete gone;
    }
    EXPECT_EQ(f.button->popUpMenu(), nullptr);
}
