#include "common/widgets/gradientcaption.h"
#include "kwitola/tests/kwitolawindowsfixture.h"

#include <QLineEdit>
#include <QListWidget>

namespace kwitola::testing {
namespace {

class CaptionTest : public WindowsTest
{
protected:
    static common::TGradientCaption* captionOf(const QWidget& window)
    {
        return window.findChild<common::TGradientCaption*>(QStringLiteral("GradientCaption"));
    }

    static bool shown(const common::TGradientCaption& caption, common::CaptionButtonKind kind)
    {
        return caption.captionLayout().buttons[static_cast<int>(kind)].shown;
    }
};

TEST_F(CaptionTest, MainWindowHasTheNavyCaptionWithItsButtons)
{
    start();
    const common::TGradientCaption* caption = captionOf(faktura());
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->activeBeginColor(), QColor(0, 0, 128));
    EXPECT_EQ(caption->activeEndColor(), QColor(0, 0, 255));
    EXPECT_EQ(caption->activeFontColor(), QColor(255, 255, 255));
    EXPECT_EQ(caption->inactiveBeginColor(), QColor(128, 128, 128));
    EXPECT_EQ(caption->inactiveEndColor(), QColor(192, 192, 192));
    EXPECT_EQ(caption->inactiveFontColor(), QColor(192, 192, 192));
    EXPECT_EQ(caption->numColors(), 64);
    EXPECT_TRUE(caption->captionFont().bold());
    EXPECT_EQ(faktura().windowTitle(), QStringLiteral("Kwitola® 2.0"));
    using Kind = common::CaptionButtonKind;
    EXPECT_TRUE(shown(*caption, Kind::Close));
    EXPECT_TRUE(shown(*caption, Kind::Minimize));
    EXPECT_TRUE(shown(*caption, Kind::Maximize));
}

TEST_F(CaptionTest, PrintSettingsWindowCaptionHasNoButtons)
{
    start();
    opcje().show();
    const common::TGradientCaption* caption = captionOf(opcje());
    ASSERT_NE(caption, nullptr);
    for (const auto kind : {common::CaptionButtonKind::Close, common::CaptionButtonKind::Minimize,
                            common::CaptionButtonKind::Maximize}) {
        EXPECT_FALSE(shown(*caption, kind)) << static_cast<int>(kind);
    }
    opcje().hide();
}

// Every control of the main window lies below the caption bar, so none is
// hidden behind it or shifted apart from its neighbours.
TEST_F(CaptionTest, ControlsStandInsideTheClientArea)
{
    fillTables();
    start();
    const QRect client = faktura().contentsRect();
    ASSERT_GT(client.top(), 0);
    int checked = 0;
    for (const char* name : {"Druk", "Edit1", "Edit7", "Edit8", "Edit10", "Edit14", "Edit16",
                             "Label22", "Label25", "Memo1", "Memo4", "Edit5"}) {
        const QWidget* widget = faktura().findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(widget, nullptr) << name;
        const QRect area(widget->mapTo(&faktura(), QPoint(0, 0)), widget->size());
        EXPECT_TRUE(client.contains(area)) << name;
        ++checked;
    }
    // The column titles stand above their columns, below the line's fields.
    const auto top = [this](const char* name) {
        const QWidget* w = faktura().findChild<QWidget*>(QLatin1String(name));
        return w->mapTo(&faktura(), QPoint(0, 0)).y();
    };
    EXPECT_LT(top("Edit7") + control<QLineEdit>("Edit7")->height(), top("Label22") + 1);
    EXPECT_LT(top("Label22"), top("Memo1"));
    EXPECT_EQ(checked, 12);
}

} // namespace
} // namespace kwitola::testing
