#include "common/testsupport/filesizelimit.h"
#include "common/testsupport/oddfiles.h"
#include "kwitola/core/settingskeeper.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kwitola;
using common::testing::OddFile;
using Outcome = SettingsKeeper::SaveOutcome;
using Consent = SettingsKeeper::Consent;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

Settings numbered(const char* number)
{
    Settings settings;
    settings.numberPart = QString::fromLatin1(number);
    settings.numberSuffix = QStringLiteral("/2001");
    return settings;
}

class SettingsKeeperTest : public ::testing::Test
{
protected:
    QString path() const { return m_dir.filePath(QString(kSettingsFileName)); }
    QTemporaryDir m_dir;
};

TEST_F(SettingsKeeperTest, AMissingFileGivesTheDefaultsAndIsWrittenWithoutAsking)
{
    SettingsKeeper keeper(path());
    EXPECT_FALSE(keeper.load());
    EXPECT_EQ(keeper.settings(), Settings{});
    EXPECT_FALSE(keeper.needsConsentToSave());

    const auto saved = keeper.save(numbered("7"));
    EXPECT_EQ(saved.outcome, Outcome::Saved);
    EXPECT_EQ(keeper.settings(), numbered("7"));
    EXPECT_EQ(readAll(path()), encodeSettings(numbered("7")));
    EXPECT_FALSE(QFile::exists(keeper.backupPath()));
}

TEST_F(SettingsKeeperTest, AReadableFileIsLoadedAndReplacedWithoutAsking)
{
    ASSERT_FALSE(writeSettingsFile(path(), numbered("41")));
    SettingsKeeper keeper(path());
    EXPECT_FALSE(keeper.load());
    EXPECT_EQ(keeper.settings(), numbered("41"));
    EXPECT_EQ(keeper.save(numbered("42")).outcome, Outcome::Saved);
    EXPECT_EQ(readAll(path()), encodeSettings(numbered("42")));
    EXPECT_FALSE(QFile::exists(keeper.backupPath()));
}

// The whole life of a settings file that could not be read: it is left as it
// was until the user agrees, then kept as faktura.kfx.bak.
TEST_F(SettingsKeeperTest, AnUnreadableFileIsReplacedOnlyWithConsentAndKeptAsBackup)
{
    for (const OddFile kind :
         {OddFile::Folder, OddFile::NamedPipe, OddFile::DanglingLink, OddFile::Huge}) {
        SCOPED_TRACE(describe(kind));
        QTemporaryDir dir;
        const QString file = dir.filePath(QString(kSettingsFileName));
        ASSERT_TRUE(makeOddFile(kind, file));
        const QString before = common::testing::oddFileState(file);

        SettingsKeeper keeper(file);
        const StoreError error = keeper.load();
        ASSERT_TRUE(error);
        EXPECT_TRUE(error->contains(QString(kSettingsFileName))) << error->toStdString();
        EXPECT_EQ(keeper.settings(), Settings{});
        EXPECT_TRUE(keeper.needsConsentToSave());

        // Not asked yet: nothing changes, not even the value.
        EXPECT_EQ(keeper.save(numbered("1")).outcome, Outcome::ConfirmationNeeded);
        EXPECT_EQ(keeper.settings(), Settings{});
        EXPECT_EQ(common::testing::oddFileState(file), before);

        // Refused: the value holds for the run, the file stays, and the next
        // save asks again.
        EXPECT_EQ(keeper.save(numbered("1"), Consent::Refused).outcome, Outcome::KeptWithoutSaving);
        EXPECT_EQ(keeper.settings(), numbered("1"));
        EXPECT_EQ(common::testing::oddFileState(file), before);
        EXPECT_EQ(keeper.save(numbered("2")).outcome, Outcome::ConfirmationNeeded);

        // Given: the old thing moves to the backup name, the new file is
        // written, and later saves no longer ask.
        EXPECT_EQ(keeper.save(numbered("2"), Consent::Given).outcome, Outcome::Saved);
        EXPECT_EQ(common::testing::oddFileState(keeper.backupPath()), before);
        EXPECT_EQ(readAll(file), encodeSettings(numbered("2")));
        EXPECT_FALSE(keeper.needsConsentToSave());
        EXPECT_EQ(keeper.save(numbered("3")).outcome, Outcome::Saved);
        EXPECT_EQ(readAll(file), encodeSettings(numbered("3")));
    }
}

TEST_F(SettingsKeeperTest, AFailedReplaceOfAnUnreadableFilePutsItBack)
{
    ASSERT_TRUE(makeOddFile(OddFile::Huge, path()));
    const QString before = common::testing::oddFileState(path());
    SettingsKeeper keeper(path());
    ASSERT_TRUE(keeper.load());

    SettingsKeeper::SaveResult result;
    {
        const common::testing::FileSizeLimit fullDisk;
        result = keeper.save(numbered("5"), Consent::Given);
    }
    EXPECT_EQ(result.outcome, Outcome::Failed);
    EXPECT_TRUE(result.error.contains(QString(kSettingsFileName))) << result.error.toStdString();
    EXPECT_EQ(common::testing::oddFileState(path()), before);
    EXPECT_FALSE(QFile::exists(keeper.backupPath()));
    EXPECT_TRUE(keeper.needsConsentToSave()) << "still unreplaced, so still protected";
    EXPECT_EQ(keeper.settings(), numbered("5")) << "the value holds for the run";

    // Text the file cannot hold never moves the old file aside.
    Settings foreign = numbered("6");
    foreign.placeOfIssue = QStringLiteral("Москва");
    EXPECT_EQ(keeper.save(foreign, Consent::Given).outcome, Outcome::Failed);
    EXPECT_EQ(common::testing::oddFileState(path()), before);
    EXPECT_FALSE(QFile::exists(keeper.backupPath()));
}

} // namespace
