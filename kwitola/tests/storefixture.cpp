#include "kwitola/tests/storefixture.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <unistd.h>

namespace kwitola::testing {

QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QString& name :
         QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        QFile file(QDir(folder).filePath(name));
        files.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : "<dir>");
    }
    return files;
}

// Runs SQL straight on one table file, past the store.
QStringList rawQuery(const QString& path, const QString& sql)
{
    QStringList result;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
        while (q.next()) {
            result << q.value(1).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    return result;
}

void openOrExit(TableStore& store, const QString& folder)
{
    store.setPassword(QString(kTablePassword));
    if (!store.open(folder)) {
        _exit(3);
    }
}

void Store::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
}

void OpenStore::SetUp()
{
    ASSERT_TRUE(m_folder.isValid());
    m_store.setPassword(QString(kTablePassword));
    ASSERT_TRUE(m_store.open(m_folder.path()));
}

std::unique_ptr<TableStore> Store::openStore(const QString& password)
{
    auto store = std::make_unique<TableStore>();
    store->setPassword(password);
    const auto opened = store->open(m_dir.path());
    EXPECT_TRUE(opened) << opened.error().toStdString();
    return store;
}

Recipient Store::recipient(const QString& name, const QString& town, const QString& nip)
{
    Recipient r;
    r.Nazwa_firmy = name;
    r.Miejscowosc = town;
    r.Adres_firmy = QStringLiteral("ul. Polna 1");
    r.Nip_firmy = nip;
    return r;
}

} // namespace kwitola::testing
