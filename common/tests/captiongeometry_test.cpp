#include "common/widgets/captiongeometry.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace common;

namespace {

const FrameMetrics metrics; // 3 / 4 frames, caption 19, buttons 18 x 18, small 15 / 13

bool shown(const CaptionLayout& l, CaptionButtonKind k)
{
    return l.buttons[static_cast<int>(k)].shown;
}

bool enabled(const CaptionLayout& l, CaptionButtonKind k)
{
    return l.buttons[static_cast<int>(k)].enabled;
}

QRect rectOf(const CaptionLayout& l, CaptionButtonKind k)
{
    return l.buttons[static_cast<int>(k)].rect;
}

} // namespace

TEST(CaptionGeometry, FrameAndCaptionSizesFollowTheBorderStyle)
{
    struct Row
    {
        BorderStyle style;
        bool minimized;
        int frame;
        int caption;
    };
    const Row rows[] = {
        {BorderStyle::None, false, 0, 0},        {BorderStyle::Single, false, 3, 18},
        {BorderStyle::Sizeable, false, 4, 18},   {BorderStyle::Dialog, false, 3, 18},
        {BorderStyle::ToolWindow, false, 3, 14}, {BorderStyle::SizeToolWin, false, 4, 14},
        {BorderStyle::Sizeable, true, 3, 18},    {BorderStyle::None, true, 0, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(static_cast<int>(r.style));
        EXPECT_EQ(frameBorderSize(r.style, r.minimized, metrics), r.frame);
        EXPECT_EQ(captionHeight(r.style, metrics), r.caption);
    }
}

TEST(CaptionGeometry, ButtonsShownAndEnabledForEachBorderStyle)
{
    struct Row
    {
        BorderStyle style;
        BorderIcons icons;
        bool close, minimize, maximize, help;
        bool minEnabled, maxEnabled;
    };
    const BorderIcons all{true, true, true, true};
    const Row rows[] = {
        {BorderStyle::None, all, false, false, false, false, true, true},
        {BorderStyle::Single, all, true, true, true, false, true, true},
        {BorderStyle::Sizeable, all, true, true, true, false, true, true},
        {BorderStyle::Sizeable,
         {true, false, false, false},
         true,
         false,
         false,
         false,
         false,
         false},
        {BorderStyle::Sizeable, {true, true, false, false}, true, true, true, false, true, false},
        {BorderStyle::Single, {true, false, true, false}, true, true, true, false, false, true},
        {BorderStyle::Dialog, {true, true, true, false}, true, false, false, false, true, true},
        {BorderStyle::Dialog, {true, false, false, true}, true, false, false, true, false, false},
        {BorderStyle::ToolWindow, all, true, false, false, false, true, true},
        {BorderStyle::SizeToolWin, all, true, false, false, false, true, true},
        {BorderStyle::Sizeable, {false, true, true, true}, false, false, false, false, true, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(static_cast<int>(&r - rows));
        const CaptionLayout l = computeCaptionLayout({400, 300}, r.style, r.icons, false, metrics);
        EXPECT_EQ(shown(l, CaptionButtonKind::Close), r.close);
        EXPECT_EQ(shown(l, CaptionButtonKind::Minimize), r.minimize);
        EXPECT_EQ(shown(l, CaptionButtonKind::Maximize), r.maximize);
        EXPECT_EQ(shown(l, CaptionButtonKind::Help), r.help);
        EXPECT_EQ(enabled(l, CaptionButtonKind::Minimize), r.minEnabled);
        EXPECT_EQ(enabled(l, CaptionButtonKind::Maximize), r.maxEnabled);
    }
}

TEST(CaptionGeometry, SizeableWindowRectangles)
{
    const CaptionLayout l =
        computeCaptionLayout({400, 300}, BorderStyle::Sizeable, {}, false, metrics);
    EXPECT_EQ(l.caption, QRect(4, 4, 392, 18));
    EXPECT_EQ(l.icon, QRect(4, 4, 18, 18));
    EXPECT_EQ(l.buttonsArea, QRect(346, 6, 50, 14)); // (1 + 2) x 16 + 2 wide
    EXPECT_EQ(l.text, QRect(24, 6, 320, 14));
    EXPECT_EQ(rectOf(l, CaptionButtonKind::Close), QRect(378, 6, 16, 14));
    EXPECT_EQ(rectOf(l, CaptionButtonKind::Maximize), QRect(360, 6, 16, 14));
    EXPECT_EQ(rectOf(l, CaptionButtonKind::Minimize), QRect(344, 6, 16, 14));
}

TEST(CaptionGeometry, DialogWithHelpAndToolWindowRectangles)
{
    const CaptionLayout dialog = computeCaptionLayout({400, 300}, BorderStyle::Dialog,
                                                      {true, false, false, true}, false, metrics);
    EXPECT_TRUE(dialog.icon.isEmpty());
    EXPECT_EQ(dialog.buttonsArea, QRect(363, 5, 34, 14));
    EXPECT_EQ(rectOf(dialog, CaptionButtonKind::Close), QRect(379, 5, 16, 14));
    EXPECT_EQ(rectOf(dialog, CaptionButtonKind::Help), QRect(363, 5, 16, 14));
    EXPECT_EQ(dialog.text, QRect(5, 5, 356, 14));

    const CaptionLayout tool =
        computeCaptionLayout({400, 300}, BorderStyle::ToolWindow, {}, false, metrics);
    EXPECT_EQ(tool.caption, QRect(3, 3, 394, 14));
    EXPECT_EQ(tool.buttonsArea, QRect(382, 5, 15, 10));
    EXPECT_EQ(rectOf(tool, CaptionButtonKind::Close), QRect(384, 5, 11, 10));

    const CaptionLayout none =
        computeCaptionLayout({400, 300}, BorderStyle::None, {}, false, metrics);
    EXPECT_EQ(none.buttonsArea.width(), 0);
    EXPECT_EQ(none.caption.height(), 0);
}

TEST(CaptionGeometry, MulDivRoundsToNearest)
{
    struct Row
    {
        int a, b, c, expected;
    };
    const Row rows[] = {{1, 3, 2, 2},  {-1, 3, 2, -2},    {2, 5, 4, 3},       {7, 1, 3, 2},
                        {1, 1, 0, -1}, {10, 300, 64, 47}, {5, -255, 63, -20}, {0, 9, 7, 0}};
    for (const Row& r : rows) {
        EXPECT_EQ(mulDiv(r.a, r.b, r.c), r.expected) << r.a << "*" << r.b << "/" << r.c;
    }
}

TEST(CaptionGeometry, GradientBandsCoverTheWidthFromBeginToEnd)
{
    const QColor black(0, 0, 0);
    const QColor fuchsia(255, 0, 255);
    const auto bands = gradientBands(4, 300, black, fuchsia, 64);
    ASSERT_EQ(bands.size(), 64U);
    EXPECT_EQ(bands.front().left, 4);
    EXPECT_EQ(bands.back().right, 304);
    for (std::size_t i = 1; i < bands.size(); ++i) {
        EXPECT_EQ(bands[i].left, bands[i - 1].right);
    }
    EXPECT_EQ(bands.front().color, black);
    EXPECT_EQ(bands.back().color, fuchsia);
    EXPECT_EQ(bands[10].left, 4 + 47);
    EXPECT_EQ(bands[10].color, QColor(40, 0, 40)); // 255 x 10 / 63 = 40.48
}

TEST(CaptionGeometry, OneColourGivesOneBeginBandAndNoneGivesNothing)
{
    const auto one = gradientBands(0, 100, Qt::red, Qt::blue, 1);
    ASSERT_EQ(one.size(), 1U);
    EXPECT_EQ(one[0].left, 0);
    EXPECT_EQ(one[0].right, 100);
    EXPECT_EQ(one[0].color, QColor(Qt::red));
    EXPECT_TRUE(gradientBands(0, 100, Qt::red, Qt::blue, 0).empty());
    EXPECT_TRUE(gradientBands(0, 100, Qt::red, Qt::blue, -3).empty());
}

TEST(CaptionGeometry, TextPlacementPutsTheCaptionAfterTheApplicationName)
{
    QFont bold("Liberation Sans", 9);
    bold.setBold(true);
    const QFont plain("Liberation Sans", 9);
    const QRect text(24, 6, 320, 14);
    const auto p = placeCaptionText(text, "Karoskop ", bold, "O programie", plain);
    const int nameWidth = QFontMetrics(bold).horizontalAdvance("Karoskop ");
    EXPECT_EQ(p.applicationName, QRect(24, 6, nameWidth, 14));
    EXPECT_EQ(p.caption.left(), 24 + nameWidth);
    EXPECT_EQ(p.caption.right(), text.right());
    EXPECT_EQ(p.shownCaption, "O programie");

    const auto noName = placeCaptionText(text, QString(), bold, "O programie", plain);
    EXPECT_TRUE(noName.applicationName.isEmpty());
    EXPECT_EQ(noName.caption, text);
}

TEST(CaptionGeometry, LongCaptionIsCutWithAnEllipsis)
{
    const QFont font("Liberation Sans", 9);
    const QString longCaption = QString("Karoskop - opis pojazdu ").repeated(10);
    const auto p = placeCaptionText(QRect(0, 0, 120, 14), QString(), font, longCaption, font);
    EXPECT_NE(p.shownCaption, longCaption);
    EXPECT_TRUE(p.shownCaption.endsWith(QChar(0x2026)));
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(p.shownCaption), 120);
}

TEST(CaptionGeometry, ButtonHitAreaGrowsVerticallyAndCloseToTheRight)
{
    const QRect b(100, 6, 16, 14);
    EXPECT_EQ(captionButtonHitArea(b, CaptionButtonKind::Close), QRect(100, 4, 18, 18));
    EXPECT_EQ(captionButtonHitArea(b, CaptionButtonKind::Maximize), QRect(100, 4, 16, 18));
}

TEST(CaptionGeometry, ButtonCommandsDependOnTheWindowState)
{
    using K = CaptionButtonKind;
    using S = WindowShowState;
    using C = SystemCommand;
    struct Row
    {
        K kind;
        S state;
        C command;
    };
    const Row rows[] = {
        {K::Close, S::Maximized, C::Close},      {K::Minimize, S::Normal, C::Minimize},
        {K::Minimize, S::Minimized, C::Restore}, {K::Maximize, S::Normal, C::Maximize},
        {K::Maximize, S::Maximized, C::Restore}, {K::Maximize, S::Minimized, C::Maximize},
        {K::Help, S::Normal, C::ContextHelp},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(commandForCaptionButton(r.kind, r.state), r.command)
            << static_cast<int>(r.kind) << " " << static_cast<int>(r.state);
    }
}

TEST(CaptionGeometry, SystemMenuItemsFollowStateAndButtons)
{
    const CaptionLayout full =
        computeCaptionLayout({400, 300}, BorderStyle::Sizeable, {}, false, metrics);
    const CaptionLayout noMax = computeCaptionLayout({400, 300}, BorderStyle::Sizeable,
                                                     {true, true, false, false}, false, metrics);
    const CaptionLayout dialog =
        computeCaptionLayout({400, 300}, BorderStyle::Dialog, {}, false, metrics);
    struct Row
    {
        WindowShowState state;
        const CaptionLayout* layout;
        SystemMenuState menu; // restore, move, size, minimize, maximize, default
    };
    using S = WindowShowState;
    const Row rows[] = {
        {S::Normal, &full, {false, true, true, true, true, SystemCommand::Close}},
        {S::Maximized, &full, {true, false, false, true, false, SystemCommand::Restore}},
        {S::Minimized, &full, {true, false, false, false, true, SystemCommand::Restore}},
        {S::Normal, &noMax, {false, true, true, true, false, SystemCommand::Close}},
        {S::Normal, &dialog, {false, true, true, false, false, SystemCommand::Close}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(static_cast<int>(&r - rows));
        EXPECT_EQ(systemMenuState(r.state, *r.layout), r.menu);
    }
}

TEST(CaptionGeometry, ResizeEdgesAtFramePoints)
{
    struct Row
    {
        QPoint point;
        Qt::Edges edges;
    };
    const Row rows[] = {
        {{0, 50}, Qt::LeftEdge},
        {{199, 50}, Qt::RightEdge},
        {{100, 0}, Qt::TopEdge},
        {{100, 99}, Qt::BottomEdge},
        {{0, 0}, Qt::TopEdge | Qt::LeftEdge},
        {{10, 1}, Qt::TopEdge | Qt::LeftEdge},
        {{2, 95}, Qt::BottomEdge | Qt::LeftEdge},
        {{199, 99}, Qt::BottomEdge | Qt::RightEdge},
        {{100, 50}, {}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(resizeEdgesAt(r.point, {200, 100}, 4, 18), r.edges)
            << r.point.x() << "," << r.point.y();
    }
}

TEST(CaptionGeometry, ResizedGeometryKeepsOppositeEdgesAndMinimum)
{
    const QRect start(10, 10, 200, 100);
    const QSize min(100, 50);
    EXPECT_EQ(resizedGeometry(start, Qt::RightEdge, {50, 9}, min), QRect(10, 10, 250, 100));
    EXPECT_EQ(resizedGeometry(start, Qt::LeftEdge, {30, 0}, min), QRect(40, 10, 170, 100));
    EXPECT_EQ(resizedGeometry(start, Qt::LeftEdge, {500, 0}, min), QRect(110, 10, 100, 100));
    EXPECT_EQ(resizedGeometry(start, Qt::TopEdge | Qt::LeftEdge, {-5, -5}, min),
              QRect(5, 5, 205, 105));
    EXPECT_EQ(resizedGeometry(start, Qt::BottomEdge, {0, -80}, min), QRect(10, 10, 200, 50));
}
