// The main window's layout rule.
#include "karoskop/tests/karoskopwindowsfixture.h"
#include "karoskop/ui/mainvinlayout.h"

namespace karoskop {
namespace {

TEST(MainVinLayout, PlacesEveryControlByTheWindowSize)
{
    MainVinMetrics m; // fields 25 x 28, buttons 29 high, footer 16
    const QSize outer(1288, 1000);
    const QSize client(1280, 970);
    const MainVinGeometry g = mainVinLayout(outer, client, m);

    const int half = 1280 / 2 - 1;
    EXPECT_EQ(g.startButton, QRect(0, 970 - 16 - 29 - 22 - 29, half, 29));
    EXPECT_EQ(g.lastButton, QRect(0, 970 - 16 - 29 - 22, half, 29));
    EXPECT_EQ(g.decodeButton, QRect(half, 970 - 16 - 29 - 22 - 29, half, 29));
    EXPECT_EQ(g.closeButton, QRect(half, 970 - 16 - 29 - 22, half, 29));
    EXPECT_EQ(g.footer.bottom() + 1, 970 - 10);
    EXPECT_EQ(g.footer.width(), 1280);
    EXPECT_EQ(g.titleBand.width(), 1280);

    const int tops[] = {166, 182, 198, 214, 230, 256};
    for (std::size_t i = 0; i < g.instructions.size(); ++i) {
        EXPECT_EQ(g.instructions[i].topLeft(), QPoint(440, tops[i])) << i;
    }

    const int firstLeft = (1288 - 17 * 25 + 8) / 2;
    for (std::size_t i = 0; i < g.fields.size(); ++i) {
        const int left = firstLeft + static_cast<int>(i) * 24;
        EXPECT_EQ(g.fields[i], QRect(left, 970 / 2 + 28, 25, 28)) << i;
        EXPECT_EQ(g.positionLabels[i].topLeft(), QPoint(left + 8, 970 / 2 + 8)) << i;
    }
    EXPECT_EQ(g.aboutButton.right(), g.fields.back().right());
    EXPECT_EQ(g.aboutButton.top(), g.instructions.front().top());
    EXPECT_EQ(g.infoLabel.topLeft(), g.aboutButton.topLeft() + QPoint(20, 47));
}

TEST(MainVinLayout, NeverSmallerThanItsMinimum)
{
    const struct
    {
        QSize in;
        QSize out;
    } cases[] = {
        {{300, 200}, {424, 372}},
        {{500, 200}, {500, 372}},
        {{300, 400}, {424, 400}},
        {{424, 372}, {424, 372}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(clampedMainVinSize(c.in), c.out);
    }
}

using MainWindowSize = testing::WindowsTest;

TEST_F(MainWindowSize, ResizingBelowTheMinimumSnapsBack)
{
    main().resize(200, 100);
    QApplication::processEvents();
    EXPECT_EQ(main().frameGeometry().size(), QSize(424, 372));
    const QSize frame = main().frameGeometry().size() - main().size();
    main().resize(QSize(800, 600) - frame);
    QApplication::processEvents();
    EXPECT_EQ(main().frameGeometry().size(), QSize(800, 600));
}

TEST(MainVinLayout, ButtonFollowsItsCaptionWithinItsCell)
{
    const QRect cell(639, 903, 639, 29);
    const struct
    {
        int captionWidth;
        QRect button;
    } cases[] = {
        {100, QRect(639 + 319 - 56, 903, 112, 29)}, // caption and 6 each side
        {101, QRect(639 + 319 - 56, 903, 113, 29)},
        {627, QRect(639, 903, 639, 29)}, // just fills the cell
        {900, QRect(639, 903, 639, 29)}, // never wider than the cell
        {0, QRect(639 + 319 - 6, 903, 12, 29)},
    };
    for (const auto& c : cases) {
        const QRect button = buttonAroundCaption(cell, c.captionWidth);
        EXPECT_EQ(button, c.button) << c.captionWidth;
        // A caption centred on the button stands where it stood in the cell.
        EXPECT_EQ(button.left() + button.width() / 2 - c.captionWidth / 2,
                  cell.left() + cell.width() / 2 - c.captionWidth / 2)
            << c.captionWidth;
    }
}

} // namespace
} // namespace karoskop
