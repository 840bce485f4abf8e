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

} // namespace kwitola::testing
