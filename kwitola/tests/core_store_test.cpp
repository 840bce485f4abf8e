#include "common/testsupport/resultexpect.h"
#include "kwitola/tests/storefixture.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace kwitola;
using kwitola::testing::rawQuery;
using kwitola::testing::Store;
using testsupport::found;

namespace {

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
        const QString path = m_dir.filePath(QLatin1String(t.file));
        ASSERT_TRUE(QFile::exists(path)) << t.file;
        const QStringList columns =
            rawQuery(path, QStringLiteral("PRAGMA table_info(%1)").arg(QLatin1String(t.table)));
        ASSERT_EQ(columns.size(), t.columns) << t.file;
        EXPECT_EQ(columns.at(t.position), QLatin1String(t.field)) << t.file;
    }
    // The order the program names matters: wystawca.db fields 1, 3, 5, 8.
    const QStringList issuer = rawQuery(m_dir.filePath(QStringLiteral("wystawca.db")),
                                        QStringLiteral("PRAGMA table_info(Wystawca)"));
    EXPECT_EQ(issuer.at(0), QStringLiteral("Nazwa_firmy"));
    EXPECT_EQ(issuer.at(2), QStringLiteral("Adres_firmy"));
    EXPECT_EQ(issuer.at(4), QStringLiteral("Miejscowosc"));
    EXPECT_EQ(issuer.at(7), QStringLiteral("Nip_firmy"));
    const QStringList goods = rawQuery(m_dir.filePath(QStringLiteral("magazyn.db")),
                                       QStringLiteral("PRAGMA table_info(Magazyn)"));
    EXPECT_EQ(goods.at(6), QStringLiteral("Cena_jednostkowa_netto"));
    EXPECT_EQ(goods.at(9), QStringLiteral("Stan_poczatkowy"));
    // Nothing but the six tables is left in the folder.
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 6);
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
    QFile file(QDir(m_dir.path()).filePath(QStringLiteral("magazyn.db")));
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

} // namespace
