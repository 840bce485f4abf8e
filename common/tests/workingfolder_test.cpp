#include "common/core/workingfolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Restores the process's working directory after each test.
class WorkingFolderTest : public ::testing::Test
{
protected:
    void TearDown() override { QDir::setCurrent(m_started); }
    QString m_started = QDir::currentPath();
    QTemporaryDir m_home;
};

TEST_F(WorkingFolderTest, HomeOrRootMeansTheProgramsFolderUnderDocuments)
{
    const QString home = m_home.path();
    const QString documents = m_home.filePath(QStringLiteral("Dokumenty"));
    const QString own = QDir(documents).filePath(QStringLiteral("Kwitola"));
    const QString shell = m_home.filePath(QStringLiteral("faktury"));
    ASSERT_TRUE(QDir().mkpath(shell));

    struct Case
    {
        QString current;
        QString documents;
        QString expected;
    };
    const Case cases[] = {
        {home, documents, own},
        {home + QStringLiteral("/"), documents, own},
        {QDir::rootPath(), documents, own},
        {shell, documents, shell},
        {home, QString(), QDir(home).filePath(QStringLiteral("Kwitola"))},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(
            common::chooseWorkingFolder(c.current, home, c.documents, QStringLiteral("Kwitola")),
            c.expected)
            << c.current.toStdString();
    }
}

TEST_F(WorkingFolderTest, TheFolderIsCreatedOnFirstStartAndBecomesCurrent)
{
    const QString documents = m_home.filePath(QStringLiteral("Dokumenty"));
    const auto folder = common::enterWorkingFolder(m_home.path(), m_home.path(), documents,
                                                   QStringLiteral("Karoskop"));
    ASSERT_TRUE(folder) << folder.error().toStdString();
    EXPECT_TRUE(QFileInfo(*folder).isDir());
    EXPECT_EQ(QDir::currentPath(), QDir(documents).filePath(QStringLiteral("Karoskop")));

    // A file where the folder should be cannot become a folder.
    QFile blocker(m_home.filePath(QStringLiteral("plik")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const auto refused = common::enterWorkingFolder(m_home.path(), m_home.path(),
                                                    blocker.fileName(), QStringLiteral("Kwitola"));
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.error().startsWith(QStringLiteral("Nie można utworzyć folderu roboczego")));
}

} // namespace
