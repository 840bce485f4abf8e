#include "common/testsupport/filesizelimit.h"
#include "common/testsupport/oddfiles.h"
#include "kwitola/core/settingskeeper.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

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

// How a save ended; nothing when it failed.
std::optional<Outcome> outcomeOf(const Result<Outcome>& saved)
{
    return saved ? std::optional<Outcome>(*saved) : std::nullopt;
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
    EXPECT_TRUE(keeper.load());
    EXPECT_EQ(keeper.settings(), Settings{});
    EXPECT_FALSE(keeper.needsConsentToSave());

    EXPECT_EQ(outcomeOf(keeper.save(numbered("7"))), Outcome::Saved);
    EXPECT_EQ(keeper.settings(), numbered("7"));
    EXPECT_EQ(readAll(path()), encodeSettings(numbered("7")));
    EXPECT_FALSE(QFile::exists(keeper.backupPath()));
}

TEST_F(SettingsKeeperTest, AReadableFileIsLoadedAndReplacedWithoutAsking)
{
    ASSERT_TRUE(writeSettingsFile(path(), numbered("41")));
    SettingsKeeper keeper(path());
    EXPECT_TRUE(keeper.load());
    EXPECT_EQ(keeper.settings(), numbered("41"));
    EXPECT_EQ(outcomeOf(keeper.save(numbered("42"))), Outcome::Saved);
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
        const auto loaded = keeper.load();
        ASSERT_FALSE(loaded);
        EXPECT_TRUE(loaded.error().contains(QString(kSettingsFileName)))
            << loaded.error().toStdString();
        EXPECT_EQ(keeper.settings(), Settings{});
        EXPECT_TRUE(keeper.needsConsentToSave());

        // Not asked yet: nothing changes, not even the value.
        EXPECT_EQ(outcomeOf(keeper.save(numbered("1"))), Outcome::ConfirmationNeeded);
        EXPECT_EQ(keeper.settings(), Settings{});
        EXPECT_EQ(common::testing::oddFileState(file), before);

        // Refused: the value holds for the run, the file stays, and the next
        // save asks again.
        EXPECT_EQ(outcomeOf(keeper.save(numbered("1"), Consent::Refused)),
                  Outcome::KeptWithoutSaving);
        EXPECT_EQ(keeper.settings(), numbered("1"));
        EXPECT_EQ(common::testing::oddFileState(file), before);
        EXPECT_EQ(outcomeOf(keeper.save(numbered("2"))), Outcome::ConfirmationNeeded);

        // Given: the old thing moves to the backup name, the new file is
        // written, and later saves no longer ask.
        EXPECT_EQ(outcomeOf(keeper.save(numbered("2"), Consent::Given)), Outcome::Saved);
        EXPECT_EQ(common::testing::oddFileState(keeper.backupPath()), before);
        EXPECT_EQ(readAll(file), encodeSettings(numbered("2")));
        EXPECT_FALSE(keeper.needsConsentToSave());
        EXPECT_EQ(outcomeOf(keeper.save(numbered("3"))), Outcome::Saved);
        EXPECT_EQ(readAll(file), encodeSettings(numbered("3")));
    }
}

TEST_F(SettingsKeeperTest, AFailedReplaceOfAnUnreadableFilePutsItBack)
{
    ASSERT_TRUE(makeOddFile(OddFile::Huge, path()));
    const QString before = common::testing::oddFileState(path());
    SettingsKeeper keeper(path());
    ASSERT_FALSE(keeper.load());

    Result<Outcome> result = Outcome::Saved;
    {
        const common::testing::FileSizeLimit fullDisk;
        result = keeper.save(numbered("5"), Consent::Given);
    }
    ASSERT_FALSE(result);
    EXPECT_TRUE(result.error().contains(QString(kSettingsFileName)))
        << result.error().toStdString();
    EXPECT_EQ(common::testing::oddFileState(path()), before);
    EXPECT_FALSE(QFile::exists(keeper.backupPath()));
    EXPECT_TRUE(keeper.needsConsentToSave()) << "still unreplaced, so still protected";
    EXPECT_EQ(keeper.settings(), numbered("5")) << "the value holds for the run";

    // Text the file cannot hold never moves the old file aside.
    Settings foreign = numbered("6");
    foreign.placeOfIssue = QStringLiteral("Москва");
    EXPECT_FALSE(keeper.save(foreign, Consent::Given));
    EXPECT_EQ(common::testing::oddFileState(path()), before);
    EXPECT_FALSE(QFile::exists(keeper.backupPath()));
}

} // namespace
