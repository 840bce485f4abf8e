#include "kwitola/tests/kwitolawindowsfixture.h"
#include "kwitola/ui/dottedlabel.h"
#include "kwitola/ui/fakturalayout.h"
#include "kwitola/ui/listentries.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace kwitola::testing {
namespace {

using ui::Span;

} // namespace
} // namespace kwitola::testing

namespace kwitola::ui {
void PrintTo(const Span& span, std::ostream* out)
{
    *out << "{" << span.left << ", " << span.width << "}";
}
} // namespace kwitola::ui

namespace kwitola::testing {
namespace {

ui::ResizeInput inputOf(int width, int height)
{
    ui::ResizeInput in;
    in.width = width;
    in.height = height;
    in.druk = {8, 220};
    in.drukHeight = 24;
    in.numberLeft = 8;
    in.addWidth = 32;
    in.correctWidth = 80;
    in.removeWidth = 32;
    in.dayWidth = 36;
    in.monthWidth = 36;
    in.yearWidth = 60;
    in.linesTop = 400;
    in.printButtonHeight = 30;
    in.totalHeight = 36;
    return in;
}

TEST(MainLayout, ResizeRuleAtTwoWindowSizes)
{
    struct Case
    {
        int width;
        int height;
        // Worked by hand from the rule: lists from 228 + 16; their width W less
        // that, less the three buttons (144), less 24.
        Span lists, add, correct, remove;
        Span search, searchButton, fullList;
        Span day, month, year;
        std::array<Span, 4> columns;
        int columnHeight;
        std::array<Span, 5> bottomRow;
    };
    const Case cases[] = {
        {1280,
         1024,
         {244, 868},
         {1120, 32},
         {1151, 80},
         {1230, 32},
         {244, 434},
         {678, 217},
         {894, 368},
         {1130, 36},
         {1166, 36},
         {1202, 60},
         {{{244, 432}, {676, 144}, {820, 144}, {964, 144}}},
         1024 - 400 - 24 - 30 - 21,
         {{{8, 256}, {263, 256}, {518, 256}, {773, 256}, {1028, 1280 - 1029 - 16}}}},
        {1000,
         700,
         {244, 588},
         {840, 32},
         {871, 80},
         {950, 32},
         {244, 294},
         {538, 147},
         {684, 298},
         {850, 36},
         {886, 36},
         {922, 60},
         {{{244, 294}, {538, 98}, {636, 98}, {734, 98}}},
         700 - 475,
         {{{8, 200}, {207, 200}, {406, 200}, {605, 200}, {804, 1000 - 805 - 16}}}},
    };
    for (const Case& c : cases) {
        const ui::MainLayout out = ui::computeMainLayout(inputOf(c.width, c.height));
        SCOPED_TRACE(c.width);
        EXPECT_EQ(out.lists, c.lists);
        EXPECT_EQ(out.add, c.add);
        EXPECT_EQ(out.correct, c.correct);
        EXPECT_EQ(out.remove, c.remove);
        EXPECT_EQ(out.rightEdge, c.remove.right());
        EXPECT_EQ(out.search, c.search);
        EXPECT_EQ(out.searchButton, c.searchButton);
        EXPECT_EQ(out.fullList, c.fullList);
        EXPECT_EQ(out.fullList.right(), out.rightEdge);
        EXPECT_EQ(out.lineButtons, (Span{c.add.left, out.rightEdge - c.add.left}));
        EXPECT_EQ(out.day, c.day);
        EXPECT_EQ(out.month, c.month);
        EXPECT_EQ(out.year, c.year);
        EXPECT_EQ(out.dateCaptionRight, out.rightEdge);
        EXPECT_EQ(out.columns, c.columns);
        EXPECT_EQ(out.columnHeight, c.columnHeight);
        EXPECT_EQ(out.totalTop, 400 + c.columnHeight - 36);
        EXPECT_EQ(out.totalLabelTop, out.totalTop - 20);
        EXPECT_EQ(out.bottomRowTop, 400 + c.columnHeight + 12);
        EXPECT_EQ(out.bottomRow, c.bottomRow);
    }
}

class MainWindowLayoutTest : public WindowsTest
{
};

TEST_F(MainWindowLayoutTest, WindowFollowsTheRuleWhenResized)
{
    start();
    for (const QSize size : {QSize(1280, 1024), QSize(1000, 700)}) {
        faktura().resize(size);
        // The rule works on the outer size, frame included.
        const QSize outer = faktura().frameGeometry().size();
        const ui::MainLayout expected =
            ui::computeMainLayout(inputOf(outer.width(), outer.height()));
        SCOPED_TRACE(size.width());
        const auto spanOf = [this](const char* name) {
            const QWidget* widget = control<QWidget>(name);
            return Span{widget->x(), widget->width()};
        };
        EXPECT_EQ(spanOf("lista_wystawcow"), expected.lists);
        EXPECT_EQ(spanOf("lista_towarow"), expected.lists);
        EXPECT_EQ(spanOf("b_korekta2"), expected.correct);
        EXPECT_EQ(spanOf("b_usun3"), expected.remove);
        EXPECT_EQ(spanOf("find_nip"), expected.search);
        EXPECT_EQ(spanOf("b_wszystkie"), expected.fullList);
        EXPECT_EQ(spanOf("Button7"), expected.lineButtons);
        EXPECT_EQ(spanOf("Label4"), expected.lineButtons);
        EXPECT_EQ(spanOf("Edit13"), expected.year);
        EXPECT_EQ(spanOf("Edit14"), expected.day);
        EXPECT_EQ(control<QLabel>("Label13")->geometry().right() + 1, expected.rightEdge);
        EXPECT_EQ(spanOf("Memo3"), expected.columns[2]);
        EXPECT_EQ(control<QLabel>("Label24")->x(), expected.columns[2].left);
        EXPECT_EQ(control<QListWidget>("Memo1")->height(), expected.columnHeight);
        EXPECT_EQ(control<QLineEdit>("Edit5")->y(), expected.totalTop);
        EXPECT_EQ(control<QLabel>("Label17")->y(), expected.totalLabelTop);
        EXPECT_EQ(spanOf("b_zamknij"), expected.bottomRow[4]);
        EXPECT_EQ(control<QPushButton>("Button1")->y(), expected.bottomRowTop);
        // The current line's fields stay within the lists' width.
        EXPECT_LE(control<QLineEdit>("Edit4")->geometry().right() + 1, expected.lists.right());
    }
}

TEST(DottedLabel, CaptionRunsOnInDotsToTheWidth)
{
    const QString caption = QStringLiteral("NIP ...");
    EXPECT_EQ(ui::withDots(caption, 40, 3, 52), caption + QStringLiteral("...."));
    EXPECT_EQ(ui::withDots(caption, 40, 3, 42), caption) << "no room for a dot";
    EXPECT_EQ(ui::withDots(caption, 40, 3, 30), caption) << "a caption wider than the label";
    EXPECT_EQ(ui::withDots(caption, 40, 0, 100), caption) << "a font without dot width";

    ui::DottedLabel label(caption);
    label.show();
    label.resize(300, 20);
    EXPECT_TRUE(label.text().startsWith(caption));
    EXPECT_GT(label.text().size(), caption.size());
    EXPECT_LE(label.fontMetrics().horizontalAdvance(label.text()), 300);
}

TEST(ListEntries, SortedListsArePolishAlphabeticalAndKeepTiesInTableOrder)
{
    const auto entries = [](std::initializer_list<const char*> texts) {
        std::vector<ListEntry> list;
        RecordId id = 0;
        for (const char* text : texts) {
            list.push_back({++id, QString::fromUtf8(text)});
        }
        return list;
    };
    struct Case
    {
        std::vector<ListEntry> in;
        QStringList sorted;
    };
    const Case cases[] = {
        {entries({"Żuraw", "Łódź", "Lublin", "Mielec", "Zabrze", "Łomża"}),
         {"Lublin", "Łomża", "Łódź", "Mielec", "Zabrze", "Żuraw"}},
        {entries({"beta", "Alfa", "alfa 2", "Beta 1"}), {"Alfa", "alfa 2", "beta", "Beta 1"}},
        {entries({"Ćma", "Cynk", "Czapla", "Śruba", "Sznur", "Świder"}),
         {"Cynk", "Czapla", "Ćma", "Sznur", "Śruba", "Świder"}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ui::sortedEntryTexts(c.in), c.sorted);
        EXPECT_EQ(ui::entryTexts(c.in).size(), c.in.size());
    }
    // Entries that differ in letter case only compare equal and keep their
    // table order.
    const std::vector<ListEntry> ties = {{1, QStringLiteral("abc")},
                                         {2, QStringLiteral("ABC")},
                                         {3, QStringLiteral("Abc")},
                                         {4, QStringLiteral("aBc")}};
    EXPECT_EQ(ui::sortedEntryTexts(ties), QStringList({"abc", "ABC", "Abc", "aBc"}));
}

} // namespace
} // namespace kwitola::testing
