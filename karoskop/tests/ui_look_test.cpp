#include "common/widgets/backgrounds.h"
#include "common/widgets/gradientcaption.h"
#include "common/widgets/transparentbutton.h"
#include "karoskop/ui/mainvinlayout.h"
#include "karoskop/ui/tfabout.h"
#include "karoskopwindowsfixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEnterEvent>
#include <QFontMetrics>

namespace karoskop {
namespace {

using WindowLook = testing::WindowsTest;

const QColor kFuchsia(255, 0, 255);

void hover(QWidget* w, bool in)
{
    if (in) {
        QEnterEvent e(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(w, &e);
    } else {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(w, &e);
    }
}

TEST_F(WindowLook, MainWindowAndAboutBoxCarryTheirOwnCaption)
{
    struct Row
    {
        QWidget* window;
        QColor text;
        bool buttons;
    };
    const Row rows[] = {{&main(), Qt::yellow, true}, {&windows->about(), kFuchsia, false}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.window->objectName().toStdString());
        auto* caption = r.window->findChild<common::TGradientCaption*>();
        ASSERT_NE(caption, nullptr);
        const common::CaptionLook& look = caption->look();
        EXPECT_EQ(look.active.begin, QColor(Qt::black));
        EXPECT_EQ(look.active.end, kFuchsia);
        EXPECT_EQ(look.active.font, r.text);
        EXPECT_EQ(look.inactive.begin, QColor(128, 128, 128));
        EXPECT_EQ(look.inactive.end, QColor(192, 192, 192));
        EXPECT_EQ(look.inactive.font, QColor(192, 192, 192));
        EXPECT_EQ(caption->numColors(), 64);
        EXPECT_EQ(caption->button(common::CaptionButtonKind::Close)->isHidden(), !r.buttons);
    }
    EXPECT_EQ(result().findChild<common::TGradientCaption*>(), nullptr);
}

TEST_F(WindowLook, ControlsSitInTheClientAreaBelowTheCaption)
{
    main().showNormal();
    main().resize(640, 480);
    QApplication::processEvents();
    const QRect client = main().contentsRect();
    ASSERT_GT(client.top(), 0);
    // Field row: its top is (client height div 2) + 28 from the client's top.
    EXPECT_EQ(edit(1)->y(), client.top() + client.height() / 2 + 28);
    auto* tiles = main().findChild<common::TTiledBitmap*>(QStringLiteral("tlo"));
    ASSERT_NE(tiles, nullptr);
    EXPECT_EQ(tiles->geometry(), client);
    EXPECT_FALSE(tiles->bitMap().isNull());
}

TEST_F(WindowLook, ButtonCaptionsTurnAquaUnderTheMouse)
{
    struct Row
    {
        QWidget* window;
        const char* name;
    };
    const Row rows[] = {{&main(), "b_start"},
                        {&main(), "b_zamknij"},
                        {&result(), "b_druk"},
                        {&result(), "b_powrot"},
                        {&windows->about(), "b_ok"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        auto* b = r.window->findChild<common::TTransparentButton*>(QString::fromLatin1(r.name));
        ASSERT_NE(b, nullptr);
        EXPECT_TRUE(b->font().bold());
        EXPECT_EQ(b->height(), 29);
        EXPECT_EQ(b->fontColor(), QColor(Qt::white));
        hover(b, true);
        EXPECT_EQ(b->fontColor(), QColor(Qt::cyan));
        hover(b, false);
        EXPECT_EQ(b->fontColor(), QColor(Qt::white));
    }
}

TEST_F(WindowLook, EveryButtonCaptionFitsAtTheSmallestSize)
{
    main().resize(200, 200); // held at the minimum
    QApplication::processEvents();
    for (const char* name : {"b_start", "b_ostatni", "b_rozkodowanie", "b_zamknij"}) {
        auto* button = main().findChild<common::TTransparentButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->caption()),
                  button->width() - 8)
            << name;
    }
    // At a comfortable size the captions keep their full font.
    main().resize(1000, 700);
    QApplication::processEvents();
    auto* start = main().findChild<common::TTransparentButton*>(QStringLiteral("b_start"));
    auto* close = main().findChild<common::TTransparentButton*>(QStringLiteral("b_zamknij"));
    EXPECT_EQ(close->font(), start->font());
}

TEST_F(WindowLook, TheOpenedTypeListIsDarkWithAquaText)
{
    typeNumber(QStringLiteral("WF0XXXXXAFM012345")); // two fitting types
    clickMain("b_rozkodowanie");
    auto* list = result().findChild<QComboBox*>(QStringLiteral("Lista1"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2);
    list->showPopup();
    QApplication::processEvents();
    QAbstractItemView* view = list->view();
    const QImage shot = view->grab().toImage();
    list->hidePopup();
    const QRect unselected = view->visualRect(list->model()->index(1, 0));
    ASSERT_TRUE(unselected.isValid());
    int dark = 0;
    int aqua = 0;
    for (int y = unselected.top(); y <= unselected.bottom(); ++y) {
        for (int x = unselected.left(); x <= unselected.right(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            dark += qGray(c.rgb()) < 80 ? 1 : 0;
            aqua += c.green() > 180 && c.blue() > 180 && c.red() < 120 ? 1 : 0;
        }
    }
    const int area = unselected.width() * unselected.height();
    EXPECT_GT(dark, area / 2); // a dark background
    EXPECT_GT(aqua, 0);        // aqua text on it
}

// What changes on screen when the mouse enters a main-window button is its
// frame and caption colour; the frame hugs the caption, on every button,
// instead of spanning the button's half of the window.
TEST_F(WindowLook, HoverFrameFollowsTheCaptionOnTheMainWindow)
{
    main().showNormal();
    main().resize(1000, 700);
    QApplication::processEvents();
    const QRect client = main().contentsRect();
    const int half = client.width() / 2 - 1;
    for (const char* name : {"b_start", "b_ostatni", "b_rozkodowanie", "b_zamknij"}) {
        SCOPED_TRACE(name);
        auto* b = main().findChild<common::TTransparentButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr);
        // The button's half of the window, its row only.
        const QRect cell(b->x() < client.left() + half ? client.left() : client.left() + half,
                         b->y(), half, b->height());
        const QImage idle = main().grab(cell).toImage();
        hover(b, true);
        const QImage over = main().grab(cell).toImage();
        hover(b, false);
        QRect changed;
        QRect caption;
        for (int y = 0; y < idle.height(); ++y) {
            for (int x = 0; x < idle.width(); ++x) {
                if (idle.pixel(x, y) != over.pixel(x, y)) {
                    changed |= QRect(x, y, 1, 1);
                }
                if (idle.pixelColor(x, y) == QColor(Qt::white)) {
                    caption |= QRect(x, y, 1, 1);
                }
            }
        }
        ASSERT_FALSE(caption.isEmpty());
        ASSERT_FALSE(changed.isEmpty());
        EXPECT_TRUE(changed.contains(caption));
        // The frame: the caption's ink, its bearings and the padding.
        const int spare = changed.width() - caption.width();
        EXPECT_GE(spare, 2 * kCaptionPadding - 2);
        EXPECT_LE(spare, 2 * kCaptionPadding + 6);
        EXPECT_LT(changed.width(), half / 2);
        EXPECT_EQ(changed.height(), 29); // the whole row high
        // Centred in its half, as the caption was before.
        EXPECT_NEAR(changed.center().x(), half / 2, 2);
    }
}

} // namespace
} // namespace karoskop
