// The result window: captions, buttons, the fields it shows and its layout.
#include "common/seams/messageservice.h"
#include "common/widgets/transparentbutton.h"
#include "common/widgets/transparentbuttonpainter.h"
#include "karoskop/core/decoder.h"
#include "karoskop/core/lastnumberfile.h"
#include "karoskop/tests/karoskopwindowsfixture.h"
#include "karoskop/ui/tfawaria.h"
#include "karoskop/ui/vinfindlayout.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

namespace karoskop {
namespace {

using testing::WindowsTest;

using ResultWindow = WindowsTest;

TEST_F(ResultWindow, CaptionsAndButtons)
{
    const std::vector<std::pair<const char*, const char*>> captions{
        {"caption1", "Strefa geograficzna"},
        {"caption2", "Kraj producenta"},
        {"caption3", "Marka pojazdu"},
        {"caption4", "Typ pojazdu"},
        {"caption5", "Rok produkcji"},
        {"caption6", "Rok modelowy"},
        {"caption7", "Miesiąc produkcji"},
        {"caption8", "Lokalizacja fabryki"},
        {"caption9", "Typ nadwozia"},
        {"caption10", "Typ silnika"},
        {"caption11", "Typ skrzyni biegów"},
        {"caption12", "Lata produkcji modelu"},
        {"caption13", "Numer seryjny"},
        {"captionComments", "Komentarze :"},
        {"captionFullVin", "Pełny numer nadwozia :"},
        {"captionLista1", "Lista typów pojazdów spełniających zadane kryteria"},
        {"blad", "Błąd w roczniku"},
    };
    for (const auto& [name, text] : captions) {
        auto* l = result().findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(l, nullptr) << name;
        EXPECT_EQ(l->text(), QString::fromUtf8(text)) << name;
    }
    auto* check = result().findChild<QAbstractButton*>(QStringLiteral("b_check"));
    ASSERT_NE(check, nullptr);
    EXPECT_FALSE(check->isEnabled());
    EXPECT_EQ(check->text(), u"Check digit");
    EXPECT_EQ(check->toolTip(), QStringLiteral("Kontrola metodą \"Check digit\" weryfikuje "
                                               "poprawność numeru w pojazdach z USA , Kanady i "
                                               "Meksyku."));
    auto* print = result().findChild<QAbstractButton*>(QStringLiteral("b_druk"));
    EXPECT_EQ(print->text(), u"Drukowanie");
    EXPECT_EQ(print->toolTip(), QStringLiteral("Druk rozkodowania na arkuszu A4"));
    auto* list = result().findChild<QComboBox*>(QStringLiteral("Lista1"));
    EXPECT_FALSE(list->isEditable());
    EXPECT_EQ(list->maxVisibleItems(), 16);
    EXPECT_TRUE(result().findChild<QLabel*>(QStringLiteral("blad"))->isHidden());
    EXPECT_FALSE(windows->decoder().emergencyUnderWay());
}

TEST_F(ResultWindow, ShowsAndReadsBackADescription)
{
    VehicleDescription d;
    d.fullVin = QStringLiteral("WF0XXXXXAFM012345");
    d.make = QStringLiteral("Ford");
    d.serial = QStringLiteral("12345");
    d.comments = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    d.models = QStringList{"Ford Orion", "Ford Escort"};
    d.yearErrorShown = true;
    result().showDescription(d);
    EXPECT_EQ(label("Label3"), u"Ford");
    EXPECT_EQ(label("Label13"), u"12345");
    EXPECT_EQ(label("Label160"), u"c");
    EXPECT_EQ(label("Label4"), u"=");
    EXPECT_EQ(result().description(), d);
}

TEST_F(ResultWindow, BackButtonClosesTheWindowAndKeepsTheFields)
{
    typeNumber(QStringLiteral("W0LXXXXXXXX012345"));
    clickMain("b_rozkodowanie");
    ASSERT_TRUE(result().isVisible());
    click(result(), "b_powrot");
    EXPECT_FALSE(result().isVisible());
    EXPECT_EQ(main().fieldTexts()[1], u"0");
    EXPECT_EQ(label("Label3"), u"Opel");
}

TEST_F(ResultWindow, AfterEmergencyDecodingBackReturnsToThePositionChoice)
{
    result().present();
    windows->decoder().decodeEmergency(PositionMask{});
    result().showRun();
    auto* back = result().findChild<QAbstractButton*>(QStringLiteral("b_powrot"));
    EXPECT_EQ(back->text(), QStringLiteral("Powrót do wyboru znaków"));
    bool choiceWasModal = false;
    QTimer::singleShot(0, &windows->awaria(), [&] {
        choiceWasModal = windows->awaria().isVisible() && windows->awaria().isModal();
        windows->awaria().accept(); // leaves the choice without cancelling the decoding
    });
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_TRUE(choiceWasModal);
    EXPECT_TRUE(result().isVisible());

    windows->decoder().decode(Vin{}); // a new number ends the emergency decoding
    result().showRun();
    EXPECT_EQ(back->text(), QStringLiteral("Powrót do edycji numeru"));
}

TEST_F(ResultWindow, PrintHandsOverTheShownDescription)
{
    typeNumber(QStringLiteral("W0LXXXXXXXX012345"));
    clickMain("b_rozkodowanie");
    std::optional<VehicleDescription> printed;
    QObject::disconnect(&result(), &TfVinFind::printRequested, nullptr, nullptr);
    QObject::connect(&result(), &TfVinFind::printRequested,
                     [&](const VehicleDescription& d) { printed = d; });
    click(result(), "b_druk");
    ASSERT_TRUE(printed.has_value());
    EXPECT_EQ(printed->make, u"Opel");
    EXPECT_EQ(printed->fullVin, u"W0LXXXXXXXX012345");
}

TEST(VinFindLayout, PlacesRowsByTheOuterSize)
{
    VinFindMetrics m;
    m.fullVinCaptionWidth = 150;
    m.commentsCaptionWidth = 80;
    m.footerHeight = 16;
    m.listSize = QSize(100, 22);
    m.errorMarker = QSize(110, 16);
    const VinFindGeometry g = vinFindLayout(QSize(644, 460), QSize(644, 440), m);
    const int p = 460 / 28; // 16
    EXPECT_EQ(g.captions[0], QPoint(644 / 15 - 20, 92));
    EXPECT_EQ(g.values[0], QPoint(214, 92));
    EXPECT_EQ(g.captions[12], QPoint(22, 92 + 12 * p));
    EXPECT_EQ(g.commentsCaption, QPoint(22, 92 + 14 * p));
    EXPECT_EQ(g.comments[2], QPoint(22 + 80 + 10, 92 + 16 * p));
    EXPECT_EQ(g.fullVinCaption, QPoint(22, 92 - 72));
    EXPECT_EQ(g.fullVin, QPoint(22 + 150 + 115, 92 - 72 - 7));
    EXPECT_EQ(g.listCaption, QPoint(22, 92 - 2 * p));
    EXPECT_EQ(g.list, QRect(287, 92 - 2 * p - 8, 644 - 20 - 287, 22));
    EXPECT_EQ(g.errorMarker.right() + 1, g.list.right() + 1);

    // A caption longer than the full number's pushes the list to its right.
    m.listCaptionWidth = 300;
    EXPECT_EQ(vinFindLayout(QSize(644, 460), QSize(644, 440), m).list.left(), 22 + 300 + 10);
    EXPECT_EQ(g.errorMarker.top(), g.values[kProductionYearRow].y());
    const int w = (644 - 100) / 3;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(g.buttons[static_cast<std::size_t>(i)],
                  QRect(50 + i * w, 440 - 16 - 29 - 22, w, 29));
    }
    EXPECT_EQ(g.footer.bottom() + 1, 440 - 10);
}

TEST_F(ResultWindow, NeverSmallerThanItsMinimum)
{
    result().show();
    result().resize(300, 200);
    QApplication::processEvents();
    EXPECT_EQ(result().frameGeometry().size(), QSize(644, 460));
    EXPECT_EQ(clampedVinFindSize(QSize(700, 300)), QSize(700, 460));
}

// "Check digit" has no operation and is shown disabled: its caption is
// drawn once in the greyed colour, whole, not embossed in two copies.
TEST_F(ResultWindow, DisabledCheckDigitCaptionIsGreyedAndWhole)
{
    result().present();
    resultOnScreen();
    auto* check = result().findChild<common::TTransparentButton*>(QStringLiteral("b_check"));
    ASSERT_NE(check, nullptr);
    const QImage shot = check->grab().toImage();
    const QColor greyed = common::disabledCaptionColor(check->fontColor());
    const QColor highlight = check->palette().color(QPalette::Light);
    QRect ink;
    int embossed = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            ink |= c == greyed ? QRect(x, y, 1, 1) : QRect();
            embossed += c == highlight ? 1 : 0;
        }
    }
    const int advance = QFontMetrics(check->font()).horizontalAdvance(check->caption());
    EXPECT_NEAR(ink.width(), advance, 4); // every letter, none broken off
    EXPECT_GE(ink.height(), QFontMetrics(check->font()).capHeight());
    EXPECT_EQ(embossed, 0);
}

// With the real message box: once the result window is on screen the box
// stands centred over it.
TEST(ResultWindowDialog, SeveralTypesBoxIsCentredOverTheResultWindow)
{
    QTemporaryDir dir;
    Vin number;
    const QByteArray text("WF0XXXXXAFM012345"); // two fitting models
    for (int i = 0; i < kVinLength; ++i) {
        number[static_cast<std::size_t>(i)] = QString(QLatin1Char(text[i]));
    }
    ASSERT_TRUE(writeLastNumber(dir.path(), number));
    common::DialogMessageService messages;
    Decoder decoder;
    TfVinFind window(messages, decoder, dir.path());
    QRect box;
    QRect under;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* open = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box = open->frameGeometry();
            under = window.frameGeometry();
            open->accept();
        }
    });
    poll.start(10);
    window.rozkodowanieVin();
    window.present();
    ASSERT_TRUE(QTest::qWaitFor([&] { return box.isValid(); }, 5000));
    EXPECT_NEAR(box.center().x(), under.center().x(), 2);
    EXPECT_NEAR(box.center().y(), under.center().y(), 2);
    EXPECT_GT(box.left(), under.left());
    EXPECT_GT(box.top(), under.top());
}

} // namespace
} // namespace karoskop
