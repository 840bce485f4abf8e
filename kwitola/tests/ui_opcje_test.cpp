#include "common/testsupport/filesizelimit.h"
#include "kwitola/tests/kwitolawindowsfixture.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

namespace kwitola::testing {
namespace {

class OptionsWindowTest : public WindowsTest
{
protected:
    QLineEdit* edit(const char* name) const { return option<QLineEdit>(name); }
    QCheckBox* box(const char* name) const { return option<QCheckBox>(name); }
    QString numberShown() const { return control<QLineEdit>("Edit6")->text(); }

    void openOptions()
    {
        opcje().show();
        ASSERT_TRUE(opcje().isVisible());
    }

    bool previewShowsPicture() const
    {
        const QLabel* image = option<QLabel>("Image1");
        return !image->pixmap().isNull();
    }

    QString writePicture(const char* name, QSize size) const
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        QString path = filePath(QLatin1String(name));
        EXPECT_TRUE(picture.save(path, "BMP"));
        return path;
    }
};

TEST_F(OptionsWindowTest, OkSavesTheNumberAndTheMainWindowShowsItAtOnce)
{
    start();
    EXPECT_EQ(numberShown(), QStringLiteral("0")) << "no settings file: number 0";
    openOptions();
    edit("Edit2")->setText(QStringLiteral("125"));
    edit("Edit3")->setText(QStringLiteral("/2024"));
    option<QPushButton>("b_OK")->click();

    EXPECT_EQ(numberShown(), QStringLiteral("125/2024"));
    EXPECT_FALSE(opcje().isVisible());
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(readFile(QStringLiteral("faktura.kfx")).split('\n').value(3), QByteArray("125\r"));
}

TEST_F(OptionsWindowTest, EveryControlIsWrittenToItsLine)
{
    start();
    openOptions();
    box("CheckBox2")->setChecked(true); // preview only
    edit("Edit1")->setText(QStringLiteral("C:\\logo\\firma.bmp"));
    edit("Edit4")->setText(QStringLiteral("Łódź"));
    edit("Edit2")->setText(QStringLiteral("7"));
    option<QPushButton>("b_OK")->click();
    EXPECT_EQ(readFile(QStringLiteral("faktura.kfx")),
              QByteArray("close\r\nC:\\logo\\firma.bmp\r\n\r\n7\r\n\r\nopen\r\n\xA3\xF3"
                         "d\x9F\r\nclose\r\n\r\n\r\n"));

    box("CheckBox1")->setChecked(true);
    box("CheckBox2")->setChecked(false);
    box("CheckBox3")->setChecked(true);
    option<QPushButton>("b_OK")->click();
    const QList<QByteArray> lines = readFile(QStringLiteral("faktura.kfx")).split('\n');
    EXPECT_EQ(lines.value(0), QByteArray("open\r"));
    EXPECT_EQ(lines.value(5), QByteArray("close\r"));
    EXPECT_EQ(lines.value(7), QByteArray("open\r"));
}

TEST_F(OptionsWindowTest, SavedSettingsComeBackIntoTheControlsOnTheNextStart)
{
    start();
    Settings typed;
    typed.automaticNumbering = true;
    typed.logoPath = QStringLiteral("  /tmp/logo firmy.bmp ");
    typed.numberPart = QStringLiteral("0042");
    typed.numberSuffix = QStringLiteral(" /FV/2001 ");
    typed.previewBeforePrinting = false;
    typed.placeOfIssue = QStringLiteral(" Zielona Góra  ");
    typed.placeIsRecipientTown = true;
    opcje().setSettings(typed);
    option<QPushButton>("b_OK")->click();

    m_windows.reset();
    m_store.close();
    start();
    EXPECT_EQ(opcje().settings(), typed);
    EXPECT_EQ(edit("Edit4")->text(), QStringLiteral(" Zielona Góra  "));
    EXPECT_EQ(numberShown(), QStringLiteral("0042 /FV/2001 "));
}

TEST_F(OptionsWindowTest, FailedWriteIsReportedAndTheTypedSettingsStay)
{
    start();
    openOptions();
    edit("Edit2")->setText(QStringLiteral("9"));
    edit("Edit4")->setText(QStringLiteral("Opole"));
    {
        const common::testing::FileSizeLimit fullDisk;
        option<QPushButton>("b_OK")->click();
    }
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_EQ(m_messages.last().title, QStringLiteral("Kwitola®"));
    EXPECT_EQ(m_messages.last().icon, common::MessageIcon::Exclamation);
    EXPECT_TRUE(m_messages.last().text.contains(QStringLiteral("faktura.kfx")));
    EXPECT_FALSE(QFile::exists(filePath(QStringLiteral("faktura.kfx"))));
    EXPECT_EQ(opcje().settings().numberPart, QStringLiteral("9"));
    EXPECT_EQ(opcje().settings().placeOfIssue, QStringLiteral("Opole"));
    EXPECT_EQ(numberShown(), QStringLiteral("9")) << "the typed settings hold for the run";
    EXPECT_FALSE(opcje().isVisible()) << "OK still closes, or the user could never leave";
}

// A settings file that exists but could not be read may hold a counter far
// ahead of 0: saving over it is asked first, and the old file is kept.
TEST_F(OptionsWindowTest, UnreadableSettingsFileIsReplacedOnlyAfterTheUserAgrees)
{
    const QByteArray huge = QByteArray("\r\n").repeated(40 * 1024) + "1234\r\n";
    writeFile(QStringLiteral("faktura.kfx"), huge);
    start();
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_TRUE(m_messages.last().text.contains(QStringLiteral("faktura.kfx")));
    EXPECT_EQ(numberShown(), QStringLiteral("0"));
    m_messages.clear();

    // "Nie" (also the default): the file stays, the new number holds for now.
    openOptions();
    edit("Edit2")->setText(QStringLiteral("15"));
    m_messages.queueAnswer(common::MessageAnswer::No);
    option<QPushButton>("b_OK")->click();
    ASSERT_EQ(m_messages.messages().size(), 1u);
    const common::Message& question = m_messages.last();
    EXPECT_EQ(question.buttons, common::MessageButtons::YesNo);
    EXPECT_EQ(question.defaultAnswer, common::MessageAnswer::No);
    EXPECT_EQ(question.icon, common::MessageIcon::Question);
    EXPECT_TRUE(question.text.contains(QStringLiteral("Czy zastąpić")));
    EXPECT_TRUE(question.text.contains(QStringLiteral("faktura.kfx.bak")));
    EXPECT_EQ(readFile(QStringLiteral("faktura.kfx")), huge);
    EXPECT_EQ(numberShown(), QStringLiteral("15"));

    // A number step from the main window asks the same; "Tak" replaces the
    // file and keeps the old one beside it.
    m_messages.clear();
    Settings next = faktura().settings();
    next.numberPart = QStringLiteral("16");
    m_messages.queueAnswer(common::MessageAnswer::Yes);
    Q_EMIT faktura().settingsChangeRequested(next);
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_EQ(m_messages.last().buttons, common::MessageButtons::YesNo);
    EXPECT_EQ(readFile(QStringLiteral("faktura.kfx.bak")), huge);
    EXPECT_EQ(readFile(QStringLiteral("faktura.kfx")), encodeSettings(next));
    EXPECT_EQ(numberShown(), QStringLiteral("16"));
    EXPECT_EQ(edit("Edit2")->text(), QStringLiteral("16")) << "the window shows the value too";

    // From now on saving asks nothing.
    m_messages.clear();
    option<QPushButton>("b_OK")->click();
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(OptionsWindowTest, TextTheFileCannotHoldIsRefusedAndTheOldFileStays)
{
    writeFile(QStringLiteral("faktura.kfx"),
              "open\r\n\r\n\r\n5\r\n\r\nclose\r\n\r\nclose\r\n\r\n\r\n");
    const QByteArray before = readFile(QStringLiteral("faktura.kfx"));
    start();
    openOptions();
    edit("Edit4")->setText(QStringLiteral("Москва"));
    option<QPushButton>("b_OK")->click();
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_EQ(readFile(QStringLiteral("faktura.kfx")), before);
    EXPECT_EQ(edit("Edit4")->text(), QStringLiteral("Москва"));
}

TEST_F(OptionsWindowTest, LogoDialogAsksForBitmapsAndShowsThePicture)
{
    start();
    openOptions();
    const QString picture = writePicture("logo.bmp", {720, 100});
    m_files.queueAnswer(picture);
    option<QPushButton>("b_logo")->click();

    ASSERT_EQ(m_files.requests().size(), 1u);
    EXPECT_EQ(m_files.requests()[0].filter, QStringLiteral("Windows Bitmap (*.bmp)"));
    EXPECT_EQ(edit("Edit1")->text(), picture);
    ASSERT_TRUE(previewShowsPicture());
    EXPECT_EQ(option<QLabel>("Image1")->pixmap().size(), QSize(720, 100));

    // Cancelling the dialog changes nothing.
    m_files.queueAnswer(std::nullopt);
    option<QPushButton>("b_logo")->click();
    EXPECT_EQ(edit("Edit1")->text(), picture);
    EXPECT_TRUE(previewShowsPicture());
}

TEST_F(OptionsWindowTest, LogoThatIsNoPictureShowsNothingAndNoError)
{
    start();
    writeFile(QStringLiteral("zepsuty.bmp"), "BM to nie jest obrazek");
    struct Case
    {
        const char* what;
        QString path;
    };
    const Case cases[] = {
        {"damaged file", filePath(QStringLiteral("zepsuty.bmp"))},
        {"missing file", filePath(QStringLiteral("brak.bmp"))},
        {"folder", folder()},
    };
    for (const Case& c : cases) {
        // A picture first, so that "shows nothing" is seen to clear it.
        m_files.queueAnswer(writePicture("dobry.bmp", {720, 100}));
        option<QPushButton>("b_logo")->click();
        ASSERT_TRUE(previewShowsPicture());
        m_files.queueAnswer(c.path);
        option<QPushButton>("b_logo")->click();
        EXPECT_FALSE(previewShowsPicture()) << c.what;
        EXPECT_EQ(edit("Edit1")->text(), c.path) << c.what;
    }
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(OptionsWindowTest, ShowingTheWindowLoadsThePictureNamedInThePathField)
{
    start();
    const QString picture = writePicture("logo.bmp", {720, 100});
    edit("Edit1")->setText(picture);
    openOptions();
    EXPECT_TRUE(previewShowsPicture());
    opcje().hide();

    // "Edit1" is the field's own name left in it, not a path.
    edit("Edit1")->setText(QStringLiteral("Edit1"));
    openOptions();
    EXPECT_FALSE(previewShowsPicture());
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(OptionsWindowTest, ChosenPrinterIsKeptAndOfferedAgain)
{
    start();
    openOptions();
    m_printers.queueAnswer(QStringLiteral("Laser-2"));
    option<QPushButton>("Button2")->click();
    EXPECT_EQ(opcje().printerName(), QStringLiteral("Laser-2"));
    m_printers.queueAnswer(std::nullopt);
    option<QPushButton>("Button2")->click();
    EXPECT_EQ(opcje().printerName(), QStringLiteral("Laser-2")) << "cancel keeps the printer";
    EXPECT_EQ(m_printers.presets(), std::vector<QString>({QString(), QStringLiteral("Laser-2")}));
}

TEST_F(OptionsWindowTest, OnlyOkClosesTheWindow)
{
    start();
    openOptions();
    QTest::keyClick(&opcje(), Qt::Key_Escape);
    EXPECT_TRUE(opcje().isVisible());
    opcje().close();
    EXPECT_TRUE(opcje().isVisible());
    EXPECT_FALSE(QFile::exists(filePath(QStringLiteral("faktura.kfx"))));
}

TEST_F(OptionsWindowTest, TabWalksTheControlsInTheirOrder)
{
    start();
    opcje().show();
    opcje().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&opcje()));
    option<QPushButton>("Button2")->setFocus(Qt::TabFocusReason);
    QStringList walked{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(walked, QStringList({"Button2", "b_logo", "Edit1", "Edit4", "CheckBox2", "CheckBox1",
                                   "Edit2", "Edit3", "b_OK", "ScrollBox1", "CheckBox3"}));
}

TEST_F(OptionsWindowTest, TypingStopsAtTheLimitButLongerSavedTextStaysWhole)
{
    start();
    openOptions();
    struct Case
    {
        const char* name;
        int limit;
    };
    for (const Case& c :
         {Case{"Edit1", 100}, Case{"Edit2", 10}, Case{"Edit3", 10}, Case{"Edit4", 50}}) {
        QLineEdit* field = edit(c.name);
        field->clear();
        QTest::keyClicks(field, QString(c.limit + 5, QLatin1Char('7')));
        EXPECT_EQ(field->text().size(), c.limit) << c.name;

        const QString longer(c.limit + 20, QLatin1Char('x'));
        field->setText(longer);
        EXPECT_EQ(field->text(), longer) << c.name << ": text from the file is not cut";
        field->setCursorPosition(longer.size());
        QTest::keyClick(field, Qt::Key_Backspace);
        EXPECT_EQ(field->text().size(), longer.size() - 1) << c.name << ": can be shortened";
        QTest::keyClick(field, Qt::Key_A);
        EXPECT_EQ(field->text().size(), longer.size() - 1) << c.name << ": cannot grow";
    }
}

} // namespace
} // namespace kwitola::testing
