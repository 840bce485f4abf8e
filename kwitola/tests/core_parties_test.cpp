#include "common/testsupport/resultexpect.h"
#include "kwitola/core/cards.h"
#include "kwitola/core/entryorder.h"
#include "kwitola/core/parties.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/tests/storefixture.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace kwitola;
using testsupport::found;

namespace {

QStringList textsOf(const std::vector<ListEntry>& entries)
{
    QStringList texts;
    for (const ListEntry& entry : entries) {
        texts << entry.text;
    }
    return texts;
}

CardFields card(const QString& name, const QString& town, const QString& nip,
                const QString& phone = QStringLiteral("61 111 11 11"))
{
    CardFields fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i] = QStringLiteral("pole %1").arg(i + 1);
    }
    fields[0] = name;
    fields[1] = QStringLiteral("ul. Polna 1");
    fields[2] = QStringLiteral("60-001");
    fields[3] = town;
    fields[6] = nip;
    fields[8] = phone;
    return fields;
}

class Parties : public kwitola::testing::OpenStore
{
protected:
    RecordId addRecipientCard(const CardFields& fields)
    {
        const auto id = addRecipient(m_store, fields);
        EXPECT_TRUE(id.ok()) << id.error().toStdString();
        return id.ok() ? *id : 0;
    }

    // Every table file with its bytes.
    QMap<QString, QByteArray> snapshot() const
    {
        QMap<QString, QByteArray> files;
        for (const QString& name : QDir(m_folder.path()).entryList(QDir::Files)) {
            QFile file(m_folder.filePath(name));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            files.insert(name, file.readAll());
        }
        return files;
    }

    // A trigger in firmy.DB that refuses every write of the given kind, as a
    // full disk would refuse it half-way through a card's two writes.
    void refuseWritesToFirmy(const char* kind)
    {
        m_store.close();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "raw");
            db.setDatabaseName(m_folder.filePath(QStringLiteral("firmy.DB")));
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE %1 ON Firmy BEGIN "
                                              "SELECT RAISE(ABORT, 'brak miejsca'); END")
                                   .arg(QLatin1String(kind))));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
        ASSERT_TRUE(m_store.open(m_folder.path()));
    }
};

TEST_F(Parties, IssuersKeepTableOrderAndRecipientsAreSortedThePolishWay)
{
    for (const char* name : {"Zeta", "Alfa", "Ćma"}) {
        ASSERT_TRUE(addIssuer(m_store, card(QString::fromUtf8(name), "Poznań", "1")));
    }
    for (const char* name : {"Żuraw", "Łąka", "apteka", "Lis", "Cyna", "Ćma", "Biuro", "zegar"}) {
        addRecipientCard(card(QString::fromUtf8(name), "Łódź", "2"));
    }
    PartyChoice choice(m_store);
    const auto issuers = choice.issuerEntries();
    ASSERT_TRUE(issuers);
    EXPECT_EQ(textsOf(*issuers),
              QStringList({"Zeta  Poznań  ul. Polna 1  1", "Alfa  Poznań  ul. Polna 1  1",
                           "Ćma  Poznań  ul. Polna 1  1"}));
    const auto recipients = choice.recipientEntries();
    ASSERT_TRUE(recipients);
    QStringList names;
    for (const QString& text : textsOf(*recipients)) {
        names << text.section(QStringLiteral("  "), 0, 0);
    }
    // Ć after C, Ł after L, Ż after z; capitals alike with small letters.
    EXPECT_EQ(names,
              QStringList({"apteka", "Biuro", "Cyna", "Ćma", "Lis", "Łąka", "zegar", "Żuraw"}));
    // Each entry carries its own record.
    for (const ListEntry& entry : *recipients) {
        EXPECT_EQ(partyEntry(*found(m_store.get<Recipient>(entry.id))), entry.text);
    }
}

TEST_F(Parties, TheListAfterACardIsTheListReadWhole)
{
    for (const char* name : {"Émile", "Emil", "emil", "Ewa", "10 Kotów", " Spacja", "Łoś", "Żak"}) {
        addRecipientCard(card(QString::fromUtf8(name), "Opole", "1"));
    }
    PartyChoice after(m_store);
    PartyChoice whole(m_store);
    const auto same = [&](RecordId written) {
        const auto incremental = after.recipientEntriesAfterWrite(written);
        const auto reread = whole.recipientEntries();
        ASSERT_TRUE(incremental && reread);
        ASSERT_EQ(incremental->size(), reread->size());
        for (std::size_t i = 0; i < reread->size(); ++i) {
            EXPECT_EQ(incremental->at(i).text, reread->at(i).text) << i;
            EXPECT_EQ(incremental->at(i).id, reread->at(i).id) << i;
        }
    };
    ASSERT_TRUE(after.recipientEntries());
    const auto names = textsOf(*whole.recipientEntries());
    // Blanks, then digits, then letters; accents only between equal letters.
    EXPECT_TRUE(names.at(0).startsWith(QStringLiteral(" Spacja")));
    EXPECT_TRUE(names.at(1).startsWith(QStringLiteral("10 Kotów")));
    EXPECT_TRUE(names.at(2).startsWith(QStringLiteral("Emil ")));
    EXPECT_TRUE(names.at(3).startsWith(QStringLiteral("emil ")));
    EXPECT_TRUE(names.at(4).startsWith(QStringLiteral("Émile")));

    same(0);
    // A new record equal to older ones goes after them.
    same(addRecipientCard(card("Emil", "Opole", "1")));
    // A corrected record moves to its new place.
    ASSERT_TRUE(correctRecipient(m_store, 1, card("Zenon", "Opole", "1")));
    same(1);
    ASSERT_TRUE(correctRecipient(m_store, 1, card("Ala", "Opole", "1")));
    same(1);
}

TEST_F(Parties, TheFirstOfEqualEntriesIsChosenAndTheWalkStopsThere)
{
    const RecordId first = addRecipientCard(card("Alfa", "Opole", "5", "111"));
    addRecipientCard(card("Alfa", "Opole", "5", "222"));
    PartyChoice choice(m_store);
    const auto entries = choice.recipientEntries();
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 2u);
    EXPECT_EQ(firstIndexOf(*entries, cardEntry(card("Alfa", "Opole", "5"))), 0u);
    EXPECT_EQ(firstIndexOf(*entries, QStringLiteral("Beta")), std::nullopt);

    ASSERT_TRUE(*choice.chooseRecipient(entries->at(1).text));
    ASSERT_TRUE(choice.parties().recipient);
    EXPECT_EQ(choice.parties().recipient->id, first);
    EXPECT_EQ(choice.parties().recipient->Telefon_firmy, QStringLiteral("111"));
    EXPECT_EQ(
        recipientDetailTexts(*choice.parties().recipient),
        (std::array<QString, 6>{"Alfa", "ul. Polna 1  60-001  Opole", "5", "pole 11", "111", ""}));
}

TEST_F(Parties, DeletingTheOnlyIssuerEmptiesTheListButKeepsItsValues)
{
    ASSERT_TRUE(addIssuer(m_store, card("Jedyna", "Kalisz", "9")));
    PartyChoice choice(m_store);
    const QString entry = textsOf(*choice.issuerEntries()).value(0);
    ASSERT_TRUE(*choice.chooseIssuer(entry));

    EXPECT_TRUE(*choice.removeIssuer(entry));
    EXPECT_FALSE(*choice.removeIssuer(entry)) << "nothing left to delete";
    EXPECT_TRUE(choice.issuerEntries()->empty());
    EXPECT_FALSE(*choice.chooseIssuer(QString()));
    ASSERT_TRUE(choice.parties().issuer);
    EXPECT_EQ(choice.parties().issuer->Nazwa_firmy, QStringLiteral("Jedyna"));
    EXPECT_EQ(choice.parties().issuer->Numer_konta, QStringLiteral("pole 13"));
}

TEST_F(Parties, SearchEndsWithItsMessageAndChoosesAmongTheRowsFound)
{
    PartyChoice choice(m_store);
    // An empty table is reported before any query runs.
    EXPECT_EQ(choice.search(QStringLiteral("Kr"))->status, SearchStatus::EmptyTable);
    EXPECT_FALSE(choice.searching());
    addRecipientCard(card("Krawiec", "Radom", "111"));
    addRecipientCard(card("Piekarnia", "Kraków", "222"));
    addRecipientCard(card("Apteka", "Opole", "333"));

    const struct
    {
        const char* pattern;
        SearchStatus status;
        const char* message;
        qsizetype found;
    } cases[] = {
        {"", SearchStatus::NoPattern, "Nie wprowadzono wzorca.", 0},
        {"Xyz", SearchStatus::NothingFound, "Nie znaleziono klienta spełniającego kryteria.", 0},
        {"Kr", SearchStatus::Found, "Proszę wybrać odbiorcę z listy.", 2},
    };
    for (const auto& c : cases) {
        const auto outcome = choice.search(QString::fromUtf8(c.pattern));
        ASSERT_TRUE(outcome) << c.pattern;
        EXPECT_EQ(outcome->status, c.status) << c.pattern;
        EXPECT_EQ(searchMessage(outcome->status), QString::fromUtf8(c.message));
        EXPECT_EQ(static_cast<qsizetype>(outcome->entries.size()), c.found) << c.pattern;
    }
    EXPECT_EQ(searchMessage(SearchStatus::EmptyTable), QStringLiteral("Baza klientów jest pusta"));

    // The last search is in force: results are alphabetical, and a recipient
    // outside them is not found even though the table holds it.
    ASSERT_TRUE(choice.searching());
    const auto found = choice.search(QStringLiteral("Kr"));
    EXPECT_EQ(textsOf(found->entries).value(0).left(8), QStringLiteral("Krawiec "));
    const QString apteka = partyEntry(QStringLiteral("Apteka"), QStringLiteral("Opole"),
                                      QStringLiteral("ul. Polna 1"), QStringLiteral("333"));
    EXPECT_FALSE(*choice.chooseRecipient(apteka));
    EXPECT_TRUE(*choice.chooseRecipient(found->entries.at(1).text));
    EXPECT_EQ(choice.parties().recipient->Nazwa_firmy, QStringLiteral("Piekarnia"));

    // The whole list ends the search.
    EXPECT_EQ(choice.recipientEntries()->size(), 3u);
    EXPECT_FALSE(choice.searching());
    EXPECT_TRUE(*choice.chooseRecipient(apteka));
}

TEST_F(Parties, NoPatternChangesTheSqlOrTheTables)
{
    addRecipientCard(card("Sklep \"Pod Kr\"", "Ełk", "1"));
    addRecipientCard(card("A%B_C\\D", "Opole", "2"));
    addRecipientCard(card("Zwykły", "Nysa", "3"));
    const auto before = snapshot();
    PartyChoice choice(m_store);
    const struct
    {
        QString pattern;
        qsizetype found;
    } cases[] = {
        {QStringLiteral("\""), 1},
        {QStringLiteral("'"), 0},
        {QStringLiteral("%"), 3},
        {QStringLiteral("_"), 3},
        {QStringLiteral("\\"), 1},
        {QStringLiteral("\" OR 1=1 --"), 0},
        {QStringLiteral("'; DROP TABLE Odbiorca; --"), 0},
        {QString(1000, QLatin1Char('x')), 0},
    };
    for (const auto& c : cases) {
        const auto outcome = choice.search(c.pattern);
        ASSERT_TRUE(outcome) << c.pattern.left(30).toStdString() << ": "
                             << outcome.error().toStdString();
        EXPECT_EQ(static_cast<qsizetype>(outcome->entries.size()), c.found)
            << c.pattern.left(30).toStdString();
    }
    // Longer than the engine takes: refused in Polish, the mode unchanged.
    const auto tooLong = choice.search(QString(100000, QLatin1Char('x')));
    ASSERT_FALSE(tooLong.ok());
    EXPECT_TRUE(tooLong.error().startsWith(QStringLiteral("Wzorzec wyszukiwania jest za długi")));
    EXPECT_TRUE(choice.searching());
    EXPECT_EQ(snapshot(), before);
}

TEST_F(Parties, ANewRecipientIsWrittenWithItsCopyInFirmy)
{
    const CardFields fields = card("Nowa", "Gniezno", "777-77-77-777");
    const RecordId id = addRecipientCard(fields);
    const auto recipients = m_store.rows(Table::Odbiorca);
    ASSERT_EQ(recipients->size(), 1u);
    QStringList expected(fields.begin(), fields.begin() + kRecipientCardFields);
    expected.insert(1, QString::number(id));
    expected << QString();
    EXPECT_EQ(recipients->at(0).values, expected);
    EXPECT_EQ(m_store.rows(Table::Firmy)->at(0).values,
              QStringList({"", "777-77-77-777", "Nowa", "ul. Polna 1", "60-001", "Gniezno",
                           "61 111 11 11", "", ""}));

    const CardFields issuer = card("Własna", "Gniezno", "1");
    ASSERT_TRUE(addIssuer(m_store, issuer));
    QStringList issuerRow(issuer.begin(), issuer.end());
    issuerRow.insert(1, QString());
    EXPECT_EQ(m_store.rows(Table::Wystawca)->at(0).values, issuerRow);
    EXPECT_EQ(cardFields(*found(m_store.get<Recipient>(id))), [&] {
        CardFields eleven = fields;
        eleven[11].clear();
        eleven[12].clear();
        return eleven;
    }());
}

TEST_F(Parties, ACorrectionChangesOnlyTheFirstMatchingCopy)
{
    // Two recipients whose firmy rows are equal, and one whose row differs.
    const RecordId first = addRecipientCard(card("Bliźniak", "Opole", "5"));
    const RecordId second = addRecipientCard(card("Bliźniak", "Opole", "5"));
    const RecordId other = addRecipientCard(card("Inny", "Nysa", "6"));
    ASSERT_TRUE(m_store.update(Table::Odbiorca, second,
                               {{QStringLiteral("Ostatnia_transakcja"), "01-02-2001"}}));

    CardFields corrected = card("Nowa nazwa", "Brzeg", "5", "999");
    ASSERT_TRUE(correctRecipient(m_store, second, corrected));
    const auto copies = m_store.all<RecipientCopy>();
    ASSERT_EQ(copies->size(), 3u);
    EXPECT_EQ(copies->at(0).Nazwa, QStringLiteral("Nowa nazwa"));
    EXPECT_EQ(copies->at(0).Miejscowosc, QStringLiteral("Brzeg"));
    EXPECT_EQ(copies->at(0).Telefon, QStringLiteral("999"));
    EXPECT_EQ(copies->at(1).Nazwa, QStringLiteral("Bliźniak"));
    EXPECT_EQ(copies->at(2).Nazwa, QStringLiteral("Inny"));

    const Recipient changed = *found(m_store.get<Recipient>(second));
    EXPECT_EQ(changed.Nazwa_firmy, QStringLiteral("Nowa nazwa"));
    EXPECT_EQ(changed.Ostatnia_transakcja, QStringLiteral("01-02-2001")) << "not a card field";
    EXPECT_EQ(found(m_store.get<Recipient>(first))->Nazwa_firmy, QStringLiteral("Bliźniak"));

    // A recipient whose copy no longer matches changes alone.
    ASSERT_TRUE(m_store.update(Table::Odbiorca, other, {{QStringLiteral("Telefon_firmy"), "0"}}));
    const auto firmyBefore = m_store.rows(Table::Firmy);
    ASSERT_TRUE(correctRecipient(m_store, other, card("Inny 2", "Nysa", "6")));
    EXPECT_EQ(m_store.rows(Table::Firmy)->at(2).values, firmyBefore->at(2).values);
    EXPECT_EQ(found(m_store.get<Recipient>(other))->Nazwa_firmy, QStringLiteral("Inny 2"));

    // An issuer correction sets all thirteen fields.
    const auto issuer = addIssuer(m_store, card("Firma", "Kalisz", "1"));
    CardFields issuerFields = card("Firma 2", "Kalisz", "1");
    issuerFields[12] = QStringLiteral("PL 00 1234");
    ASSERT_TRUE(correctIssuer(m_store, *issuer, issuerFields));
    EXPECT_EQ(cardFields(*found(m_store.get<Issuer>(*issuer))), issuerFields);
}

TEST_F(Parties, AFailedWriteLeavesEveryTableAsItWas)
{
    const RecordId kept = addRecipientCard(card("Alfa", "Opole", "5"));
    refuseWritesToFirmy("INSERT");
    auto before = snapshot();
    const auto added = addRecipient(m_store, card("Beta", "Nysa", "6"));
    ASSERT_FALSE(added.ok());
    EXPECT_TRUE(
        added.error().contains(QStringLiteral("firmy.DB: zapis narusza ograniczenie tabeli")))
        << added.error().toStdString();
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(*m_store.count(Table::Odbiorca), 1);

    refuseWritesToFirmy("UPDATE");
    before = snapshot();
    EXPECT_FALSE(correctRecipient(m_store, kept, card("Alfa 2", "Opole", "5")));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(found(m_store.get<Recipient>(kept))->Nazwa_firmy, QStringLiteral("Alfa"));

    // A record gone in the meantime is an error, not a silent success.
    ASSERT_TRUE(m_store.remove(Table::Odbiorca, kept));
    EXPECT_FALSE(correctRecipient(m_store, kept, card("Alfa 3", "Opole", "5")));
    EXPECT_FALSE(correctIssuer(m_store, 42, card("X", "Y", "Z")));
}

} // namespace
