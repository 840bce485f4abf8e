#include "common/widgets/gradientcaption.h"

#include <QDialog>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace common;

namespace {

struct Window
{
    QWidget form;
    TGradientCaption* caption;

    Window()
    {
        form.setWindowTitle("Karoskop");
        form.resize(400, 300);
        caption = new TGradientCaption(&form);
        CaptionLook look = caption->look();
        look.active.begin = Qt::black;
        look.active.end = QColor(255, 0, 255);
        caption->setLook(look);
    }

    QImage shot() { return caption->grab().toImage(); }

    QPoint textPoint() const { return caption->captionLayout().text.center(); }

    void sendMouse(QEvent::Type type, QPoint local, Qt::MouseButton button,
                   Qt::MouseButtons buttons)
    {
        QMouseEvent e(type, local, caption->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(caption, &e);
    }
};

void activation(QWidget& form, QEvent::Type type)
{
    QEvent e(type);
    QApplication::sendEvent(&form, &e);
}

} // namespace

TEST(GradientCaption, OwnerMustBeAWindow)
{
    QWidget window;
    QWidget* child = new QWidget(&window);
    try {
        TGradientCaption caption(child);
        FAIL() << "no error for a child widget";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "The GradientCaption's owner must be a Form!");
    }
    EXPECT_THROW(TGradientCaption(nullptr), std::invalid_argument);
}

TEST(GradientCaption, OwnerBecomesFramelessWithTheClientBelowTheCaption)
{
    Window w;
    EXPECT_TRUE(w.form.windowFlags().testFlag(Qt::FramelessWindowHint));
    const CaptionLayout& l = w.caption->captionLayout();
    EXPECT_EQ(l.caption.width(), 400 - 2 * l.frameBorder);
    EXPECT_EQ(w.form.contentsRect().top(), l.frameBorder + l.captionHeight + 1);
    EXPECT_EQ(w.form.contentsRect().left(), l.frameBorder);
    for (const auto kind :
         {CaptionButtonKind::Close, CaptionButtonKind::Minimize, CaptionButtonKind::Maximize}) {
        EXPECT_FALSE(w.caption->button(kind)->isHidden());
    }
    EXPECT_TRUE(w.caption->button(CaptionButtonKind::Help)->isHidden());

    w.form.show();
    w.form.resize(500, 320);
    EXPECT_EQ(w.caption->captionLayout().caption.width(), 500 - 2 * l.frameBorder);
    EXPECT_EQ(w.caption->width(), 500);
}

TEST(GradientCaption, DialogsShowOnlyClose)
{
    QDialog dialog;
    dialog.resize(331, 257);
    TGradientCaption caption(&dialog);
    EXPECT_EQ(caption.borderStyle(), BorderStyle::Dialog);
    EXPECT_FALSE(caption.button(CaptionButtonKind::Close)->isHidden());
    EXPECT_TRUE(caption.button(CaptionButtonKind::Minimize)->isHidden());
    EXPECT_TRUE(caption.button(CaptionButtonKind::Maximize)->isHidden());
    caption.setBorderIcons({false, false, false, false});
    EXPECT_TRUE(caption.button(CaptionButtonKind::Close)->isHidden());
}

TEST(GradientCaption, RemovingTheCaptionGivesTheWindowItsFrameBack)
{
    QWidget form;
    form.setContentsMargins(1, 2, 3, 4);
    auto* caption = new TGradientCaption(&form);
    EXPECT_NE(form.contentsMargins(), QMargins(1, 2, 3, 4));
    delete caption;
    EXPECT_EQ(form.contentsMargins(), QMargins(1, 2, 3, 4));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST(GradientCaption, RepaintsInInactiveColoursWhenDeactivated)
{
    Window w;
    const QRect cap = w.caption->captionLayout().caption;
    const QPoint left(cap.left(), cap.top());
    const QPoint right(cap.right(), cap.top());
    activation(w.form, QEvent::WindowActivate);
    ASSERT_TRUE(w.caption->isActive());
    QImage shot = w.shot();
    EXPECT_EQ(shot.pixelColor(left), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(right), QColor(255, 0, 255));

    activation(w.form, QEvent::WindowDeactivate);
    EXPECT_FALSE(w.caption->isActive());
    shot = w.shot();
    EXPECT_EQ(shot.pixelColor(left), QColor(128, 128, 128));
    EXPECT_EQ(shot.pixelColor(right), QColor(192, 192, 192));
}

TEST(GradientCaption, NumColorsOneAndZero)
{
    Window w;
    activation(w.form, QEvent::WindowActivate);
    const QRect cap = w.caption->captionLayout().caption;
    const QPoint right(cap.right(), cap.top());
    w.caption->setNumColors(1);
    EXPECT_EQ(w.shot().pixelColor(right), QColor(Qt::black));
    w.caption->setNumColors(0);
    const QColor face = w.caption->palette().color(QPalette::Button);
    EXPECT_EQ(w.shot().pixelColor(right), face);
    EXPECT_EQ(w.shot().pixelColor(cap.center().x(), cap.top()), face);
}

TEST(GradientCaption, CaptionButtonsSendTheirCommands)
{
    Window w;
    w.form.show();
    QSignalSpy commands(w.caption, &TGradientCaption::systemCommandSent);
    QTest::mouseClick(w.caption->button(CaptionButtonKind::Maximize), Qt::LeftButton);
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.at(0).at(0).value<SystemCommand>(), SystemCommand::Maximize);
    EXPECT_TRUE(w.form.isMaximized());
    QTest::mouseClick(w.caption->button(CaptionButtonKind::Maximize), Qt::LeftButton);
    EXPECT_EQ(commands.at(1).at(0).value<SystemCommand>(), SystemCommand::Restore);
    EXPECT_FALSE(w.form.isMaximized());
    QTest::mouseClick(w.caption->button(CaptionButtonKind::Close), Qt::LeftButton);
    EXPECT_EQ(commands.at(2).at(0).value<SystemCommand>(), SystemCommand::Close);
    EXPECT_FALSE(w.form.isVisible());
}

TEST(GradientCaption, DisabledButtonAndReleaseOutsideDoNothing)
{
    Window w;
    w.caption->setBorderIcons({true, true, false, false});
    QSignalSpy commands(w.caption, &TGradientCaption::systemCommandSent);
    TGradientCaptionButton* maximize = w.caption->button(CaptionButtonKind::Maximize);
    EXPECT_FALSE(maximize->isHidden());
    QTest::mouseClick(maximize, Qt::LeftButton);
    EXPECT_EQ(commands.count(), 0);

    TGradientCaptionButton* close = w.caption->button(CaptionButtonKind::Close);
    const auto move = [close](QPoint p) {
        QMouseEvent e(QEvent::MouseMove, p, close->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(close, &e);
    };
    QTest::mousePress(close, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(close->isPressed());
    move(QPoint(5, -2)); // still inside the grown area
    EXPECT_TRUE(close->isPressed());
    move(QPoint(close->width() + 1, 5)); // close grows 2 to the right
    EXPECT_TRUE(close->isPressed());
    move(QPoint(5, -3));
    EXPECT_FALSE(close->isPressed());
    QTest::mouseRelease(close, Qt::LeftButton, {}, QPoint(5, -3));
    EXPECT_EQ(commands.count(), 0);
}

TEST(GradientCaption, DoubleClicksOnTextAndIcon)
{
    Window w;
    w.form.show();
    QSignalSpy commands(w.caption, &TGradientCaption::systemCommandSent);
    w.sendMouse(QEvent::MouseButtonDblClick, w.textPoint(), Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(w.form.isMaximized());
    w.sendMouse(QEvent::MouseButtonDblClick, w.textPoint(), Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(w.form.isMaximized());

    const QPoint icon = w.caption->captionLayout().icon.center();
    w.sendMouse(QEvent::MouseButtonDblClick, icon, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(commands.count(), 3);
    EXPECT_EQ(commands.at(2).at(0).value<SystemCommand>(), SystemCommand::Close);
    EXPECT_FALSE(w.form.isVisible());
}

TEST(GradientCaption, SystemMenuOpensFromIconAndRightClickWithPolishItems)
{
    Window w;
    w.form.show();
    QMenu* menu = w.caption->systemMenu();
    const QStringList expected = {"&Przywróć",     "&Przenieś", "&Rozmiar",        "Mi&nimalizuj",
                                  "Ma&ksymalizuj", "",          "&Zamknij\tAlt+F4"};
    QStringList texts;
    for (QAction* a : menu->actions()) {
        texts << a->text();
    }
    EXPECT_EQ(texts, expected);

    w.sendMouse(QEvent::MouseButtonPress, w.textPoint(), Qt::RightButton, Qt::RightButton);
    EXPECT_FALSE(menu->isVisible());
    w.sendMouse(QEvent::MouseButtonRelease, w.textPoint(), Qt::RightButton, Qt::NoButton);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_FALSE(menu->actions()[0]->isEnabled()); // restore greyed on a normal window
    EXPECT_EQ(menu->defaultAction(), menu->actions()[6]);
    menu->actions()[4]->trigger();
    menu->hide();
    EXPECT_TRUE(w.form.isMaximized());

    w.sendMouse(QEvent::MouseButtonPress, w.caption->captionLayout().icon.center(), Qt::LeftButton,
                Qt::LeftButton);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_TRUE(menu->actions()[0]->isEnabled());
    EXPECT_FALSE(menu->actions()[1]->isEnabled()); // no move while maximised
    EXPECT_FALSE(menu->actions()[4]->isEnabled());
    EXPECT_EQ(menu->defaultAction(), menu->actions()[0]);
    menu->hide();
}

TEST(GradientCaption, DraggingTheCaptionMovesTheWindow)
{
    Window w;
    w.form.move(100, 100);
    w.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.form));
    const QPoint start = w.form.pos();
    const QPoint p = w.textPoint();
    w.sendMouse(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
    w.sendMouse(QEvent::MouseMove, p + QPoint(50, 30), Qt::NoButton, Qt::LeftButton);
    w.sendMouse(QEvent::MouseButtonRelease, p + QPoint(50, 30), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(w.form.pos(), start + QPoint(50, 30));

    w.form.showMaximized();
    const QPoint maxPos = w.form.pos();
    w.sendMouse(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
    w.sendMouse(QEvent::MouseMove, p + QPoint(50, 30), Qt::NoButton, Qt::LeftButton);
    w.sendMouse(QEvent::MouseButtonRelease, p + QPoint(50, 30), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(w.form.pos(), maxPos); // a maximised window stays put
}

TEST(GradientCaption, SecondClickOnTheIconWhileItsMenuIsOpenClosesTheWindow)
{
    Window w;
    w.form.show();
    QMenu* menu = w.caption->systemMenu();
    const QPoint icon = w.caption->captionLayout().icon.center();
    w.sendMouse(QEvent::MouseButtonPress, icon, Qt::LeftButton, Qt::LeftButton);
    ASSERT_TRUE(menu->isVisible());
    // The window system hands the second click to the open menu.
    const QPoint global = w.caption->mapToGlobal(icon);
    QMouseEvent second(QEvent::MouseButtonDblClick, menu->mapFromGlobal(global), global,
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(menu, &second);
    EXPECT_FALSE(menu->isVisible());
    QCoreApplication::processEvents();
    EXPECT_FALSE(w.form.isVisible());
}
