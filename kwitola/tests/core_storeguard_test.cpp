#include "common/testsupport/filesizelimit.h"
#include "common/testsupport/resultexpect.h"
#include "kwitola/tests/storefixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kwitola;
using kwitola::testing::rawQuery;
using kwitola::testing::snapshot;
using kwitola::testing::Store;
using testsupport::found;

namespace {

TEST_F(Store, ALedgerRowWritesTheFixedZeros)
{
    auto store = openStore();
    LedgerRow ledger;
    ledger.documentNumber = QStringLiteral("1 RU");
    ledger.issueDay = QStringLiteral("05");
    ledger.grossTotal = QStringLiteral("12,20");
    ledger.vatTotal = QStringLiteral("2,20");
    const Row row = *found(store->row(Table::Sprzedaz, *store->insertRecord(ledger)));
    EXPECT_EQ(row.values.at(2), QStringLiteral("1 RU"));
    EXPECT_EQ(row.values.at(3), QStringLiteral("05"));
    EXPECT_EQ(row.values.at(6), QStringLiteral("05"));
    for (const int slot : {17, 24, 25, 26}) {
        EXPECT_EQ(row.values.at(slot - 1), QStringLiteral("0,00")) << slot;
    }
    EXPECT_EQ(row.values.at(17), QStringLiteral("12,20"));
    EXPECT_EQ(row.values.at(27), QStringLiteral("2,20"));
}

TEST_F(Store, ATransactionHappensWholeOrNotAtAll)
{
    auto store = openStore();
    const auto failed = store->inTransaction([&]() -> Result<void> {
        EXPECT_TRUE(store->insert(Table::Faktury, {QString(), QStringLiteral("1 FV")}));
        EXPECT_TRUE(store->insert(Table::Sprzedaz, {QString(), QString(), QStringLiteral("1 FV")}));
        const auto nested = store->inTransaction([&]() -> Result<void> {
            if (const auto id = store->insert(Table::Firmy, {}); !id) {
                return id.forward();
            }
            return {};
        });
        EXPECT_TRUE(nested);
        return fail(QStringLiteral("Stan nie jest liczbą."));
    });
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error(), QStringLiteral("Stan nie jest liczbą."));
    const auto kept = store->inTransaction([&]() -> Result<void> {
        if (auto id = store->insert(Table::Faktury, {QString(), QStringLiteral("2 FV")}); !id) {
            return id.forward();
        }
        if (store->update(Table::Faktury, 9999, {{QStringLiteral("Numer_faktury"), {}}})) {
            return fail(QStringLiteral("unexpected"));
        }
        return {};
    });
    EXPECT_TRUE(kept);
    store.reset();
    store = openStore();
    EXPECT_EQ(*store->count(Table::Faktury), 1);
    EXPECT_EQ(*store->count(Table::Sprzedaz), 0);
    EXPECT_EQ(*store->count(Table::Firmy), 0);
    EXPECT_EQ(store->rows(Table::Faktury)->front().value(u"Numer_faktury"), QStringLiteral("2 FV"));
}

TEST_F(Store, AnotherPasswordIsRefusedAndNothingIsWritten)
{
    openStore(QStringLiteral("inne-haslo"));
    QFile::remove(m_dir.filePath(QStringLiteral("sprzedaz.db")));
    const auto before = snapshot(m_dir.path());

    TableStore store;
    store.setPassword(QString(kTablePassword));
    const auto opened = store.open(m_dir.path());
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.error(), QStringLiteral("Tabela wystawca.db jest chroniona innym hasłem."));
    EXPECT_FALSE(store.isOpen());
    // The missing table is not created either.
    EXPECT_EQ(snapshot(m_dir.path()), before);

    TableStore noPassword;
    EXPECT_FALSE(noPassword.open(m_dir.path()));
    EXPECT_EQ(snapshot(m_dir.path()), before);
}

TEST_F(Store, AFileThatIsNotOneOfTheTablesIsRefusedAndNothingIsWritten)
{
    const auto foreignDatabase = [](const QString& path) {
        rawQuery(path, QStringLiteral("CREATE TABLE Odbiorca (Nazwa_firmy TEXT)"));
    };
    const auto wrongColumns = [](const QString& path) {
        // A real table file of another kind under this name.
        QTemporaryDir other;
        TableStore store;
        store.setPassword(QString(kTablePassword));
        ASSERT_TRUE(store.open(other.path()));
        store.close();
        QFile::copy(QDir(other.path()).filePath(QStringLiteral("firmy.DB")), path);
    };
    const auto write = [](const QByteArray& bytes) {
        return [bytes](const QString& path) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
    };
    const struct
    {
        const char* what;
        std::function<void(const QString&)> make;
        const char* message;
    } cases[] = {
        {"text", write("Nazwa;NIP\r\nAlfa;111\r\n"),
         "Plik odbiorca.db nie jest tabelą programu Kwitola."},
        {"empty", write(""), "Plik odbiorca.db nie jest tabelą programu Kwitola."},
        {"cut header", write(QByteArray("SQLite format 3\0", 16) + "abc"),
         "Plik odbiorca.db nie jest tabelą programu Kwitola."},
        {"damaged",
         write(QByteArray("SQLite format 3\0", 16) + QByteArray(16, '\1') + QByteArray(8000, 'z')),
         "Nie można odczytać tabeli odbiorca.db"},
        {"foreign", foreignDatabase, "Plik odbiorca.db nie jest tabelą programu Kwitola."},
        {"other table", wrongColumns, "Plik odbiorca.db nie jest tabelą programu Kwitola."},
        {"folder", [](const QString& path) { QDir().mkdir(path); },
         "Nie można odczytać tabeli odbiorca.db: w miejscu pliku jest folder"},
        {"dangling link", [](const QString& path) { QFile::link(path + "-brak", path); },
         "Nie można odczytać tabeli odbiorca.db: dowiązanie wskazuje na nieistniejący plik"},
        {"named pipe",
         [](const QString& path) { ::mkfifo(QFile::encodeName(path).constData(), 0644); },
         "Nie można odczytać tabeli odbiorca.db: w miejscu pliku jest potok nazwany"},
    };
    for (const auto& c : cases) {
        QTemporaryDir folder;
        const QString path = QDir(folder.path()).filePath(QStringLiteral("odbiorca.db"));
        c.make(path);
        const auto before = snapshot(folder.path());
        TableStore store;
        store.setPassword(QString(kTablePassword));
        const auto opened = store.open(folder.path());
        ASSERT_FALSE(opened) << c.what;
        EXPECT_TRUE(opened.error().startsWith(QString::fromUtf8(c.message)))
            << c.what << ": " << opened.error().toStdString();
        EXPECT_EQ(snapshot(folder.path()), before) << c.what;
    }
}

TEST_F(Store, TheRecipientSearchBindsThePatternAndKeepsCase)
{
    auto store = openStore();
    const struct
    {
        const char* name;
        const char* town;
        const char* nip;
    } recipients[] = {
        {"Krawiec", "Radom", "111"},    {"Sklep \"Pod Kr\"", "Ełk", "222"},
        {"Piekarnia", "Kraków", "333"}, {"kram", "kraśnik", "444"},
        {"Hurt ABC", "Opole", "Kr-55"}, {"A%B", "Gdańsk", "666"},
        {"Zakład", "Nysa", "777"},
    };
    for (const auto& r : recipients) {
        ASSERT_TRUE(store->insertRecord(recipient(
            QString::fromUtf8(r.name), QString::fromUtf8(r.town), QString::fromUtf8(r.nip))));
    }
    // A record number of 0 is only reachable past the store; its NIP alone
    // must not bring it in, its name must.
    const QString path = m_dir.filePath(QStringLiteral("odbiorca.db"));
    store->close();
    rawQuery(path,
             QStringLiteral("INSERT INTO Odbiorca (Nazwa_firmy, Index_firmy, Nip_firmy, "
                            "Miejscowosc, Adres_firmy) VALUES ('Zero', 0, 'Kr-00', 'Opole', '')"));
    rawQuery(path,
             QStringLiteral("INSERT INTO Odbiorca (Nazwa_firmy, Index_firmy, Nip_firmy, "
                            "Miejscowosc, Adres_firmy) VALUES ('Kr zero', -1, '', 'Opole', '')"));
    store = openStore();

    const struct
    {
        const char* pattern;
        QStringList names;
    } searches[] = {
        {"Kr", {"Kr zero", "Krawiec", "Sklep \"Pod Kr\"", "Piekarnia", "Hurt ABC"}},
        {"kr", {"kram"}},
        {"\"Pod", {"Sklep \"Pod Kr\""}},
        {"ul. Polna", {}},
        {"K_a", {"Krawiec", "Piekarnia"}},
        {"A%B", {"Hurt ABC", "A%B"}},
        {"'", {}},
    };
    for (const auto& s : searches) {
        const auto found = store->searchRecipients(QString::fromUtf8(s.pattern));
        ASSERT_TRUE(found) << s.pattern << found.error().toStdString();
        QStringList names;
        for (const Recipient& r : found->rows()) {
            names << r.Nazwa_firmy;
        }
        EXPECT_EQ(names, s.names) << s.pattern;
    }
    const auto quoted = store->searchRecipients(QStringLiteral("\"Pod Kr\""));
    ASSERT_TRUE(quoted);
    ASSERT_EQ(quoted->rows().size(), 1U);
    const Recipient& shop = quoted->rows().front();
    EXPECT_GT(shop.id, 0);
    EXPECT_EQ(quoted->entries(), QStringList{partyEntry(shop)});
    EXPECT_EQ(quoted->findEntry(partyEntry(shop)), &quoted->rows().front());
    EXPECT_EQ(quoted->findEntry(QStringLiteral("Sklep")), nullptr);
}

TEST(RecipientSearchResult, TheFirstOfEqualEntriesWins)
{
    Recipient a;
    a.id = 5;
    a.Nazwa_firmy = QStringLiteral("Alfa");
    Recipient b = a;
    b.id = 9;
    const RecipientSearch search({a, b});
    ASSERT_NE(search.findEntry(partyEntry(a)), nullptr);
    EXPECT_EQ(search.findEntry(partyEntry(a))->id, 5);
}

TEST(StoreClosed, EveryOperationSaysSo)
{
    TableStore store;
    EXPECT_FALSE(store.isOpen());
    EXPECT_FALSE(store.count(Table::Odbiorca));
    EXPECT_FALSE(store.remove(Table::Odbiorca, 1));
    EXPECT_FALSE(store.insert(Table::Odbiorca, {}));
    EXPECT_FALSE(store.searchRecipients(QStringLiteral("a")));
    EXPECT_FALSE(store.inTransaction([] { return Result<void>(); }));
    EXPECT_FALSE(store.open(QStringLiteral("/nonexistent-folder-kwitola")));
}

// A copy that dies in the middle of a large write leaves a journal beside the
// table; the next open must bring the table back to its last whole state.
TEST_F(Store, AWriteCutShortByADeadCopyIsRolledBackOnTheNextOpen)
{
    ASSERT_TRUE(openStore()->insertRecord(
        recipient(QStringLiteral("Stały"), QStringLiteral("Radom"), QStringLiteral("1"))));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TableStore store;
        kwitola::testing::openOrExit(store, m_dir.path());
        (void)store.inTransaction([&]() -> Result<void> {
            // Far more than the page cache holds, so pages reach the file.
            for (int i = 0; i < 20000; ++i) {
                (void)store.insert(Table::Odbiorca, {QString(300, QLatin1Char('x'))});
            }
            _exit(0);
        });
        _exit(4);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(m_dir.filePath(QStringLiteral("odbiorca.db-journal"))));

    auto store = openStore();
    ASSERT_TRUE(store->isOpen());
    EXPECT_EQ(*store->count(Table::Odbiorca), 1);
    EXPECT_EQ(store->listEntries(Table::Odbiorca)->front().text,
              QStringLiteral("Stały  Radom  ul. Polna 1  1"));
}

TEST_F(Store, AWriteThatDoesNotFitLeavesTheTablesAsTheyWereAndSaysSoInPolish)
{
    auto store = openStore();
    const auto kept = store->insertRecord(
        recipient(QStringLiteral("Alfa"), QStringLiteral("Kraków"), QStringLiteral("1")));
    ASSERT_TRUE(kept);
    const auto before = snapshot(m_dir.path());
    Result<void> written;
    {
        const common::testing::FileSizeLimit limit(
            static_cast<rlim_t>(QFileInfo(m_dir.filePath(QStringLiteral("odbiorca.db"))).size()));
        written = store->inTransaction([&]() -> Result<void> {
            if (auto changed =
                    store->update(Table::Odbiorca, *kept, {{QStringLiteral("Telefon_firmy"), "1"}});
                !changed) {
                return changed;
            }
            const auto big = store->insert(Table::Odbiorca, {QString(200000, QLatin1Char('x'))});
            if (!big) {
                return big.forward();
            }
            return {};
        });
    }
    ASSERT_FALSE(written);
    const QString& error = written.error();
    // The engine's own (English) text is replaced by a Polish description.
    EXPECT_TRUE(error.endsWith(QStringLiteral("błąd odczytu lub zapisu pliku tabeli")) ||
                error.endsWith(QStringLiteral("brak miejsca na dysku")))
        << error.toStdString();
    EXPECT_FALSE(error.contains(QStringLiteral("error"))) << error.toStdString();
    EXPECT_EQ(snapshot(m_dir.path()), before);
    store.reset();
    store = openStore();
    EXPECT_EQ(*store->count(Table::Odbiorca), 1);
    EXPECT_EQ(found(store->get<Recipient>(*kept))->Telefon_firmy, QString());
}

} // namespace
