#include "kwitola/tests/kwitolawindowsfixture.h"
#include "paradoxwriter.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace kwitola::testing {
namespace {

using common::MessageAnswer;

// Every file under the folder with its bytes.
QMap<QString, QByteArray> filesUnder(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files.insert(file.fileName(), file.open(QIODevice::ReadOnly) ? file.readAll() : "<dir>");
    }
    return files;
}

class LegacyOfferTest : public WindowsTest
{
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        ASSERT_TRUE(legacy::pxtest::writeLegacyTables(folder(), 2));
    }
};

TEST_F(LegacyOfferTest, YesConvertsTheTablesAndTheStartGoesOn)
{
    m_messages.queueAnswer(MessageAnswer::Yes);
    start();
    ASSERT_EQ(m_messages.messages().size(), 2U);
    const common::Message& question = m_messages.messages().front();
    EXPECT_EQ(question.title, QStringLiteral("Kwitola®"));
    EXPECT_EQ(question.buttons, common::MessageButtons::YesNo);
    EXPECT_TRUE(question.text.contains(QStringLiteral("wystawca.db, odbiorca.db, magazyn.db")));
    EXPECT_TRUE(
        m_messages.last().text.startsWith(QStringLiteral("Tabele zostały przekształcone.")));

    ASSERT_TRUE(faktura().isStarted());
    EXPECT_EQ(control<QComboBox>("lista_odbiorcow")->count(), 2);
    EXPECT_TRUE(
        control<QComboBox>("lista_towarow")->currentText().startsWith(QStringLiteral("Łopata 0")));
    EXPECT_TRUE(QFileInfo(filePath(QStringLiteral("tabele-paradox/faktury.DB"))).isFile());
}

TEST_F(LegacyOfferTest, NoLeavesEveryFileAndStopsWithTheStoreMessage)
{
    const auto before = filesUnder(folder());
    m_messages.queueAnswer(MessageAnswer::No);
    start();
    ASSERT_EQ(m_messages.messages().size(), 2U);
    EXPECT_EQ(m_messages.last().text,
              QStringLiteral("Plik wystawca.db nie jest tabelą programu Kwitola."));
    EXPECT_FALSE(faktura().isStarted());
    EXPECT_EQ(filesUnder(folder()), before);
}

TEST_F(LegacyOfferTest, AFailedConversionSaysWhyAndChangesNothing)
{
    // A goods table cut short after its header.
    QFile goods(filePath(QStringLiteral("magazyn.db")));
    ASSERT_TRUE(goods.resize(3000));
    const auto before = filesUnder(folder());
    m_messages.queueAnswer(MessageAnswer::Yes);
    start();
    ASSERT_EQ(m_messages.messages().size(), 2U);
    EXPECT_TRUE(m_messages.last().text.contains(QStringLiteral("magazyn.db")));
    EXPECT_TRUE(m_messages.last().text.contains(QStringLiteral("Folder pozostał bez zmian.")));
    EXPECT_FALSE(faktura().isStarted());
    EXPECT_EQ(filesUnder(folder()), before);
}

} // namespace
} // namespace kwitola::testing
