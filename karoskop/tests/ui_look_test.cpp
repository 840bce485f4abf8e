#include "common/widgets/backgrounds.h"
#include "common/widgets/gradientcaption.h"
#include "common/widgets/transparentbutton.h"
#include "karoskop/ui/tfabout.h"
#include "karoskopwindowsfixture.h"

#include <QEnterEvent>

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
        EXPECT_EQ(caption->activeBeginColor(), QColor(Qt::black));
        EXPECT_EQ(caption->activeEndColor(), kFuchsia);
        EXPECT_EQ(caption->activeFontColor(), r.text);
        EXPECT_EQ(caption->inactiveBeginColor(), QColor(128, 128, 128));
        EXPECT_EQ(caption->inactiveEndColor(), QColor(192, 192, 192));
        EXPECT_EQ(caption->inactiveFontColor(), QColor(192, 192, 192));
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

} // namespace
} // namespace karoskop
