#include "common/testsupport/resultexpect.h"
#include "kwitola/core/tablestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kwitola;
using testsupport::found;

namespace {

// Every file of the folder with its bytes, to prove that nothing was written.
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

class Store : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // A store with the program's password, open on the test folder.
    std::unique_ptr<TableStore> openStore(const QString& password = QString(kTablePassword))
    {
        auto store = std::make_unique<TableStore>();
        store->setPassword(password);
        const auto opened = store->open(dir.path());
        EXPECT_TRUE(opened) << opened.error().toStdString();
        return store;
    }

    static Recipient recipient(const QString& name, const QString& town, const QString& nip)
    {
        Recipient r;
        r.Nazwa_firmy = name;
        r.Miejscowosc = town;
        r.Adres_firmy = QStringLiteral("ul. Polna 1");
        r.Nip_firmy = nip;
        return r;
    }

    QTemporaryDir dir;
};

TEST_F(Store, AFirstOpenCreatesTheSixTablesWithTheirColumnsInOrder)
{
    openStore();
    struct Expected
    {
        const char* file;
        const char* table;
        int columns;
        int position; // 0-based position of a named field
        const char* field;
    };
    const Expected tables[] = {
        {"wystawca.db", "Wystawca", 14, 13, "Numer_konta"},
        {"odbiorca.db", "Odbiorca", 13, 1, "Index_firmy"},
        {"firmy.DB", "Firmy", 9, 6, "Telefon"},
        {"magazyn.db", "Magazyn", 13, 11, "numer_fabryczny"},
        {"faktury.DB", "Faktury", 110, 1, "Numer_faktury"},
        {"sprzedaz.db", "Sprzedaz", 28, 27, "Vat_total"},
    };
    for (const Expected& t : tables) {
        const QString path = dir.filePath(QLatin1String(t.file));
        ASSERT_TRUE(QFile::exists(path)) << t.file;
        const QStringList columns =
            rawQuery(path, QStringLiteral("PRAGMA table_info(%1)").arg(QLatin1String(t.table)));
        ASSERT_EQ(columns.size(), t.columns) << t.file;
        EXPECT_EQ(columns.at(t.position), QLatin1String(t.field)) << t.file;
    }
    // The order the program names matters: wystawca.db fields 1, 3, 5, 8.
    const QStringList issuer = rawQuery(dir.filePath(QStringLiteral("wystawca.db")),
                                        QStringLiteral("PRAGMA table_info(Wystawca)"));
    EXPECT_EQ(issuer.at(0), QStringLiteral("Nazwa_firmy"));
    EXPECT_EQ(issuer.at(2), QStringLiteral("Adres_firmy"));
    EXPECT_EQ(issuer.at(4), QStringLiteral("Miejscowosc"));
    EXPECT_EQ(issuer.at(7), QStringLiteral("Nip_firmy"));
    const QStringList goods = rawQuery(dir.filePath(QStringLiteral("magazyn.db")),
                                       QStringLiteral("PRAGMA table_info(Magazyn)"));
    EXPECT_EQ(goods.at(6), QStringLiteral("Cena_jednostkowa_netto"));
    EXPECT_EQ(goods.at(9), QStringLiteral("Stan_poczatkowy"));
    // Nothing but the six tables is left in the folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 6);
}

TEST_F(Store, FieldNamesMatchWithoutRegardToCase)
{
    auto store = openStore();
    const auto id = store->insert(Table::Magazyn, {QStringLiteral("Śruba M8")});
    ASSERT_TRUE(id);
    ASSERT_TRUE(store->update(Table::Magazyn, *id,
                              {{QStringLiteral("NAZWA_TOWARU"), QStringLiteral("Śruba M10")},
                               {QStringLiteral("stan_POCZATKOWY"), QStringLiteral("5,00")}}));
    const auto row = found(store->row(Table::Magazyn, *id));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->value(u"nazwa_towaru"), QStringLiteral("Śruba M10"));
    EXPECT_EQ(row->value(u"Stan_Poczatkowy"), QStringLiteral("5,00"));
    EXPECT_EQ(row->value(u"INDEX_TOWARU"), QString::number(*id));
    EXPECT_EQ(found(store->findFirst(Table::Magazyn, QStringLiteral("nazwa_TOWARU"),
                                     QStringLiteral("Śruba M10"))),
              *id);
}

TEST_F(Store, WritesAreThereAfterReopening)
{
    RecordId first = 0;
    RecordId second = 0;
    {
        auto store = openStore();
        const auto a = store->insertRecord(
            recipient(QStringLiteral("Alfa"), QStringLiteral("Kraków"), QStringLiteral("111")));
        const auto b = store->insertRecord(
            recipient(QStringLiteral("Beta"), QStringLiteral("Radom"), QStringLiteral("222")));
        ASSERT_TRUE(a && b);
        first = *a;
        second = *b;
        EXPECT_GT(first, 0);
        EXPECT_GT(second, first);
        auto changed = *found(store->get<Recipient>(second));
        changed.Telefon_firmy = QStringLiteral(" 48 123 ");
        changed.Ostatnia_transakcja = QStringLiteral("05-03-2001");
        ASSERT_TRUE(store->updateRecord(changed));
        // A positional insert with fewer values leaves the rest empty.
        ASSERT_TRUE(store->insert(Table::Firmy, {QString(), QStringLiteral("111")}));
        ASSERT_TRUE(store->remove(Table::Odbiorca, first));
    }
    auto store = openStore();
    EXPECT_EQ(*store->count(Table::Odbiorca), 1);
    EXPECT_FALSE(found(store->get<Recipient>(first)));
    const auto kept = found(store->get<Recipient>(second));
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->id, second);
    EXPECT_EQ(kept->Nazwa_firmy, QStringLiteral("Beta"));
    EXPECT_EQ(kept->Telefon_firmy, QStringLiteral(" 48 123 "));
    EXPECT_EQ(kept->Ostatnia_transakcja, QStringLiteral("05-03-2001"));
    const auto copies = store->rows(Table::Firmy);
    ASSERT_TRUE(copies);
    ASSERT_EQ(copies->size(), 1U);
    EXPECT_EQ(copies->front().values, QStringList({"", "111", "", "", "", "", "", "", ""}));
    // Record numbers are not handed out again after a delete.
    const auto third = store->insertRecord(
        recipient(QStringLiteral("Gamma"), QStringLiteral("Ełk"), QStringLiteral("3")));
    ASSERT_TRUE(third);
    EXPECT_GT(*third, second);
}

TEST_F(Store, RefusedWritesLeaveTheRecordAsItWas)
{
    auto store = openStore();
    const auto id = *store->insertRecord(
        recipient(QStringLiteral("Alfa"), QStringLiteral("Kraków"), QStringLiteral("111")));
    const struct
    {
        FieldValues values;
        RecordId id;
    } refused[] = {
        {{{QStringLiteral("Nazwa_firmy"), QStringLiteral("X")}, {QStringLiteral("Brak"), {}}}, id},
        {{{QStringLiteral("Index_firmy"), QStringLiteral("7")}}, id},
        {{{QStringLiteral("Nazwa_firmy"), QStringLiteral("X")}}, id + 100},
    };
    for (const auto& r : refused) {
        const auto updated = store->update(Table::Odbiorca, r.id, r.values);
        ASSERT_FALSE(updated);
        EXPECT_FALSE(updated.error().isEmpty());
    }
    EXPECT_FALSE(store->remove(Table::Odbiorca, id + 100));
    EXPECT_FALSE(store->insert(Table::Firmy, QStringList(10, QStringLiteral("x"))));
    EXPECT_EQ(found(store->get<Recipient>(id))->Nazwa_firmy, QStringLiteral("Alfa"));
    EXPECT_EQ(*store->count(Table::Firmy), 0);
}

TEST_F(Store, TheFirstRecordInTableOrderWinsAFindByEntry)
{
    auto store = openStore();
    Goods nut;
    nut.Nazwa_towaru = QStringLiteral("Nakrętka");
    nut.numer_fabryczny = QStringLiteral("N-1");
    const auto a = *store->insertRecord(nut);
    nut.Stawka_vat = QStringLiteral("7");
    const auto b = *store->insertRecord(nut);
    Goods bolt;
    bolt.Nazwa_towaru = QStringLiteral("Śruba");
    const auto c = *store->insertRecord(bolt);

    const auto entries = store->listEntries(Table::Magazyn);
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 3U);
    EXPECT_EQ(entries->at(0).text, QStringLiteral("Nakrętka  N-1"));
    EXPECT_EQ(entries->at(0).id, a);
    EXPECT_EQ(entries->at(2).text, QStringLiteral("Śruba  "));
    EXPECT_EQ(entries->at(2).id, c);

    EXPECT_EQ(found(store->findByEntry(Table::Magazyn, QStringLiteral("Nakrętka  N-1"))), a);
    EXPECT_EQ(found(store->findByEntry(Table::Magazyn, QStringLiteral("Śruba  "))), c);
    EXPECT_FALSE(found(store->findByEntry(Table::Magazyn, QStringLiteral("Śruba"))));
    EXPECT_FALSE(found(store->findByEntry(Table::Magazyn, QStringLiteral("nakrętka  N-1"))));
    ASSERT_TRUE(store->remove(Table::Magazyn, a));
    EXPECT_EQ(found(store->findByEntry(Table::Magazyn, QStringLiteral("Nakrętka  N-1"))), b);
    // Firmy has no list.
    EXPECT_FALSE(store->listEntries(Table::Firmy));
}

TEST_F(Store, PartyEntriesJoinNameTownStreetAndNip)
{
    auto store = openStore();
    Issuer issuer;
    issuer.Nazwa_firmy = QStringLiteral("Hurtownia Zenit");
    issuer.Miejscowosc = QStringLiteral("Łódź");
    issuer.Adres_firmy = QStringLiteral("ul. Długa 5");
    issuer.Nip_firmy = QStringLiteral("725-001-22-33");
    const auto id = *store->insertRecord(issuer);
    const QString entry = QStringLiteral("Hurtownia Zenit  Łódź  ul. Długa 5  725-001-22-33");
    EXPECT_EQ(partyEntry(issuer), entry);
    EXPECT_EQ(store->listEntries(Table::Wystawca)->front().text, entry);
    EXPECT_EQ(found(store->findByEntry(Table::Wystawca, entry)), id);
}

TEST_F(Store, ADocumentKeepsItsLinesInTheirSlots)
{
    auto store = openStore();
    StoredDocument document;
    document.Numer_faktury = QStringLiteral("12/2001 FV");
    document.kindName = QStringLiteral("Faktura VAT");
    document.issueDate = QStringLiteral("05-03-2001");
    document.recipientPerson = QStringLiteral("Jan");
    for (int i = 0; i < 3; ++i) {
        document.lines.at(static_cast<std::size_t>(i)) = {
            QStringLiteral("T%1").arg(i), QStringLiteral("S%1").arg(i),
            QStringLiteral("szt."),       QStringLiteral("%1,00").arg(i + 1),
            QStringLiteral("9,99"),       QStringLiteral("22")};
    }
    const auto id = store->insertRecord(document);
    ASSERT_TRUE(id);
    const Row row = *found(store->row(Table::Faktury, *id));
    ASSERT_EQ(row.values.size(), 110);
    EXPECT_EQ(row.values.at(1), QStringLiteral("12/2001 FV"));
    EXPECT_EQ(row.values.at(2), QStringLiteral("Faktura VAT"));
    EXPECT_EQ(row.values.at(6), QStringLiteral("05-03-2001"));
    EXPECT_EQ(row.values.at(15), QStringLiteral("Jan"));
    // 1-based slots: names 21-35, symbols 36-50, units 51-65, quantities
    // 66-80, prices 81-95, rates 96-110.
    const struct
    {
        int firstSlot;
        QString line1;
    } runs[] = {{21, "T0"}, {36, "S0"}, {51, "szt."}, {66, "1,00"}, {81, "9,99"}, {96, "22"}};
    for (const auto& run : runs) {
        EXPECT_EQ(row.values.at(run.firstSlot - 1), run.line1) << run.firstSlot;
        EXPECT_FALSE(row.values.at(run.firstSlot + 1).isEmpty()) << run.firstSlot;
        for (int slot = run.firstSlot + 3; slot < run.firstSlot + 15; ++slot) {
            EXPECT_TRUE(row.values.at(slot - 1).isEmpty()) << slot;
        }
    }
    EXPECT_EQ(row.values.at(67), QStringLiteral("3,00"));
    const auto back = found(store->get<StoredDocument>(*id));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->lines.at(2).quantity, QStringLiteral("3,00"));
    EXPECT_EQ(back->lines.at(3).name, QString());
    EXPECT_EQ(found(store->findFirst(Table::Faktury, QStringLiteral("numer_faktury"),
                                     QStringLiteral("12/2001 FV"))),
              *id);
}

TEST_F(Store, AFailedReadIsAnErrorNotAMissingRecord)
{
    auto store = openStore();
    Goods goods;
    goods.Nazwa_towaru = QStringLiteral("Śruba");
    const auto id = store->insertRecord(goods);
    ASSERT_TRUE(id);
    ASSERT_EQ(found(store->findByEntry(Table::Magazyn, QStringLiteral("Śruba  "))), *id);

    // The file is damaged under the open store: every single-record read
    // must now fail, none may answer "no such record".
    QFile file(QDir(dir.path()).filePath(QStringLiteral("magazyn.db")));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.write(QByteArray(file.size(), 'x')) > 0);
    file.close();

    const auto byEntry = store->findByEntry(Table::Magazyn, QStringLiteral("Śruba  "));
    const auto byField =
        store->findFirst(Table::Magazyn, QStringLiteral("Nazwa_towaru"), QStringLiteral("Brak"));
    const auto byNumber = store->get<Goods>(*id);
    EXPECT_FALSE(byEntry.ok());
    EXPECT_FALSE(byField.ok());
    EXPECT_FALSE(byNumber.ok());
    EXPECT_TRUE(byNumber.error().contains(QStringLiteral("magazyn.db")))
        << byNumber.error().toStdString();

    // Reads on a closed store are errors too.
    store->close();
    EXPECT_FALSE(store->row(Table::Magazyn, *id).ok());
}

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
    QFile::remove(dir.filePath(QStringLiteral("sprzedaz.db")));
    const auto before = snapshot(dir.path());

    TableStore store;
    store.setPassword(QString(kTablePassword));
    const auto opened = store.open(dir.path());
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.error(), QStringLiteral("Tabela wystawca.db jest chroniona innym hasłem."));
    EXPECT_FALSE(store.isOpen());
    // The missing table is not created either.
    EXPECT_EQ(snapshot(dir.path()), before);

    TableStore noPassword;
    EXPECT_FALSE(noPassword.open(dir.path()));
    EXPECT_EQ(snapshot(dir.path()), before);
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
    const QString path = dir.filePath(QStringLiteral("odbiorca.db"));
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

} // namespace

namespace {

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
        store.setPassword(QString(kTablePassword));
        if (!store.open(dir.path())) {
            _exit(3);
        }
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
    ASSERT_TRUE(QFile::exists(dir.filePath(QStringLiteral("odbiorca.db-journal"))));

    auto store = openStore();
    ASSERT_TRUE(store->isOpen());
    EXPECT_EQ(*store->count(Table::Odbiorca), 1);
    EXPECT_EQ(store->listEntries(Table::Odbiorca)->front().text,
              QStringLiteral("Stały  Radom  ul. Polna 1  1"));
}

} // namespace

namespace {

// A file-size limit stands in for a full disk, and works for root too.
class FileSizeLimit final
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tight = m_saved;
        tight.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

TEST_F(Store, AWriteThatDoesNotFitLeavesTheTablesAsTheyWereAndSaysSoInPolish)
{
    auto store = openStore();
    const auto kept = store->insertRecord(
        recipient(QStringLiteral("Alfa"), QStringLiteral("Kraków"), QStringLiteral("1")));
    ASSERT_TRUE(kept);
    const auto before = snapshot(dir.path());
    Result<void> written;
    {
        const FileSizeLimit limit(
            static_cast<rlim_t>(QFileInfo(dir.filePath(QStringLiteral("odbiorca.db"))).size()));
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
    EXPECT_EQ(snapshot(dir.path()), before);
    store.reset();
    store = openStore();
    EXPECT_EQ(*store->count(Table::Odbiorca), 1);
    EXPECT_EQ(found(store->get<Recipient>(*kept))->Telefon_firmy, QString());
}

} // namespace
