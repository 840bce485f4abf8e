#include "kwitola/core/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace kwitola;

namespace {

QByteArray lines(std::initializer_list<const char*> texts)
{
    QByteArray bytes;
    for (const char* text : texts) {
        bytes += text;
        bytes += "\r\n";
    }
    return bytes;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(SettingsFile, DefaultsWhenThereIsNoFile)
{
    QTemporaryDir dir;
    const auto read = readSettingsFile(dir.filePath(QString(kSettingsFileName)));
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, Settings{});
    EXPECT_EQ(read->documentNumber(), QStringLiteral("0"));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(SettingsFile, WritesTenLinesWithTheBoxesAsOpenOrClose)
{
    Settings preview;
    preview.previewBeforePrinting = true;
    EXPECT_EQ(encodeSettings(preview),
              lines({"close", "", "", "0", "", "open", "", "close", "", ""}));

    Settings all;
    all.automaticNumbering = true;
    all.logoPath = QStringLiteral("C:\\logo.bmp");
    all.numberPart = QStringLiteral("125");
    all.numberSuffix = QStringLiteral("/2024");
    all.placeOfIssue = QStringLiteral("Łódź");
    all.placeIsRecipientTown = true;
    // "Łódź" in code page 1250.
    EXPECT_EQ(encodeSettings(all), lines({"open", "C:\\logo.bmp", "", "125", "/2024", "close",
                                          "\xA3\xF3\x64\x9F", "open", "", ""}));
    EXPECT_EQ(all.documentNumber(), QStringLiteral("125/2024"));
}

TEST(SettingsFile, WhatIsWrittenIsReadBackByteForByte)
{
    const Settings cases[] = {
        Settings{},
        {true, QStringLiteral("  /home/anna/logo firmy.bmp "), QStringLiteral("125"),
         QStringLiteral("/2024"), true, QStringLiteral(" Zielona Góra  "), true},
        {false, QStringLiteral(" "), QStringLiteral(""), QStringLiteral("  "), false,
         QStringLiteral("Świętochłowice"), false},
        {true, QString(), QStringLiteral("0012"), QStringLiteral(" FV/ "), false, QString(), true},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QString(kSettingsFileName));
    for (const Settings& settings : cases) {
        ASSERT_TRUE(writeSettingsFile(path, settings));
        const QByteArray written = readAll(path);
        const auto read = readSettingsFile(path);
        ASSERT_TRUE(read);
        EXPECT_EQ(*read, settings) << read->placeOfIssue.toStdString();
        ASSERT_TRUE(writeSettingsFile(path, *read));
        EXPECT_EQ(readAll(path), written);
        EXPECT_EQ(written.count("\r\n"), 10);
    }
}

TEST(SettingsFile, ReadsShortOrOddFiles)
{
    const struct
    {
        const char* what;
        QByteArray bytes;
        Settings expected;
    } cases[] = {
        {"empty", "", {false, "", "", "", false, "", false}},
        {"two lines", lines({"open", "logo.bmp"}), {true, "logo.bmp", "", "", false, "", false}},
        {"no last line end", "open\r\n\r\n\r\n7", {true, "", "7", "", false, "", false}},
        {"only open ticks",
         lines({"Open", "", "", "1", "", "1", "", "open "}),
         {false, "", "1", "", false, "", false}},
        {"line feeds only",
         "close\nx\n\n5\n/A\nopen\nRadom\nopen\n\n\n",
         {false, "x", "5", "/A", true, "Radom", true}},
        {"extra lines",
         lines({"close", "", "", "9", "", "", "", "", "", "", "open", "zzz"}),
         {false, "", "9", "", false, "", false}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decodeSettings(c.bytes), c.expected) << c.what;
    }
}

TEST(SettingsFile, ATextTheFileCannotHoldIsRefusedAndTheOldFileStays)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString(kSettingsFileName));
    ASSERT_TRUE(writeSettingsFile(path, Settings{}));
    const QByteArray before = readAll(path);

    Settings breakInText;
    breakInText.placeOfIssue = QStringLiteral("Radom\r\nopen");
    Settings foreign;
    foreign.logoPath = QStringLiteral("logo€✓.bmp");
    for (const Settings& settings : {breakInText, foreign}) {
        const auto written = writeSettingsFile(path, settings);
        ASSERT_FALSE(written);
        EXPECT_TRUE(written.error().startsWith(QStringLiteral("Nie zapisano ustawień.")))
            << written.error().toStdString();
        EXPECT_EQ(readAll(path), before);
    }
    // The euro sign alone is in the code page.
    foreign.logoPath = QStringLiteral("logo€.bmp");
    EXPECT_TRUE(writeSettingsFile(path, foreign));
    EXPECT_EQ(readSettingsFile(path)->logoPath, QStringLiteral("logo€.bmp"));
}

TEST(SettingsFile, AFailedWriteLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString(kSettingsFileName));
    Settings old;
    old.numberPart = QStringLiteral("41");
    ASSERT_TRUE(writeSettingsFile(path, old));
    const QByteArray before = readAll(path);

    // A file-size limit stands in for a full disk, and works for root too.
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    Settings changed;
    changed.placeOfIssue = QString(50, QLatin1Char('x'));
    const auto written = writeSettingsFile(path, changed);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_FALSE(written);
    EXPECT_TRUE(written.error().contains(QString(kSettingsFileName)))
        << written.error().toStdString();
    EXPECT_EQ(readAll(path), before);
}

TEST(SettingsFile, AnUnreadableFileIsAnError)
{
    QTemporaryDir dir;
    // A folder in the file's place cannot be read as a file, even by root.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QString(kSettingsFileName)));
    const auto read = readSettingsFile(dir.filePath(QString(kSettingsFileName)));
    ASSERT_FALSE(read);
    EXPECT_TRUE(read.error().contains(QString(kSettingsFileName)));
}

} // namespace
