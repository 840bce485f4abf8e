#pragma once

#include "kwitola/core/tablestore.h"

#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace kwitola::testing {

// Every file of the folder with its bytes, to prove that nothing was written.
QMap<QString, QByteArray> snapshot(const QString& folder);

// Runs SQL straight on one table file, past the store.
QStringList rawQuery(const QString& path, const QString& sql);

// In a forked child: opens the store on the folder with the program's
// password, or ends the child with exit code 3.
void openOrExit(TableStore& store, const QString& folder);

// A store on a fresh temporary folder.
class Store : public ::testing::Test
{
protected:
    void SetUp() override;

    // A store with the program's password, open on the test folder.
    std::unique_ptr<TableStore> openStore(const QString& password = QString(kTablePassword));

    static Recipient recipient(const QString& name, const QString& town, const QString& nip);

    QTemporaryDir m_dir;
};

// A store with the program's password, open on a fresh temporary folder.
class OpenStore : public ::testing::Test
{
protected:
    void SetUp() override;

    QTemporaryDir m_folder;
    TableStore m_store;
};

} // namespace kwitola::testing
