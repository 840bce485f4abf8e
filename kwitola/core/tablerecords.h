#pragma once

#include "kwitola/core/tables.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <utility>
#include <vector>

namespace kwitola {

// The store's number of a record: its place in table order (later records
// have larger numbers). For recipients it is `Index_firmy`, for goods
// `Index_towaru`; 0 means "not stored yet".
using RecordId = qint64;

// Field name and new text for an update; names match without regard to case.
using FieldValues = std::vector<std::pair<QString, QString>>;

// One record of any table as the texts of its fields in stored order.
struct Row
{
    Table table = Table::Wystawca;
    RecordId id = 0;
    QStringList values;

    // The field's text, the name matched without regard to case; empty when
    // the table has no such field.
    [[nodiscard]] QString value(QStringView field) const;
};

// The fields an issuer and a recipient share, under the names both tables
// give them.
struct Party
{
    RecordId id = 0;
    QString Nazwa_firmy;
    QString Adres_firmy;
    QString Kod_pocztowy;
    QString Miejscowosc;
    QString Powiat;
    QString Wojewodztwo;
    QString Nip_firmy;
    QString Regon_firmy;
    QString Telefon_firmy;
    QString Fax_firmy;
    QString Osoba_uprawniona;
};

// wystawca.db: a document issuer, one of the user's own companies.
struct Issuer : Party
{
    static constexpr Table table = Table::Wystawca;
    QString Bank;
    QString Numer_konta;
};

// odbiorca.db: a document recipient. `id` is `Index_firmy`.
struct Recipient : Party
{
    static constexpr Table table = Table::Odbiorca;
    QString Ostatnia_transakcja;
};

// firmy.DB: the short second copy of a recipient kept by the recipient card.
struct RecipientCopy
{
    static constexpr Table table = Table::Firmy;
    RecordId id = 0;
    QString Nip_firmy;
    QString Nazwa;
    QString Ulica;
    QString Kod_pocztowy;
    QString Miejscowosc;
    QString Telefon;
};

// magazyn.db: a stock card. `id` is `Index_towaru`.
struct Goods
{
    static constexpr Table table = Table::Magazyn;
    RecordId id = 0;
    QString Nazwa_towaru;
    QString Symbol_SWW_KU;
    QString Jednostka_miary;
    QString ilosc;
    QString Cena_jednostkowa_netto;
    QString Stawka_vat;
    QString Stan_poczatkowy;
    QString numer_fabryczny;
};

inline constexpr int kStoredLineCount = 15;

// One document line as faktury.DB keeps it.
struct StoredLine
{
    QString name;
    QString symbol;
    QString unit;
    QString quantity;
    QString unitNetPrice;
    QString vatRate;
};

// faktury.DB: one posted document with its lines; slots past the last line
// stay empty.
struct StoredDocument
{
    static constexpr Table table = Table::Faktury;
    RecordId id = 0;
    QString Numer_faktury;
    QString kindName;
    QString issueDay;
    QString issueMonth;
    QString issueYear;
    QString issueDate;
    QString deliveryDate;
    QString advanceDate;
    QString recipientName;
    QString recipientAddress;
    QString recipientPostalCode;
    QString recipientTown;
    QString recipientNip;
    QString recipientPerson;
    std::array<StoredLine, kStoredLineCount> lines;
};

// sprzedaz.db: one row of the transaction ledger. The positions that always
// hold "0,00" are written by the store and not kept here.
struct LedgerRow
{
    static constexpr Table table = Table::Sprzedaz;
    RecordId id = 0;
    QString documentNumber;
    QString issueDay;
    QString issueMonth;
    QString issueYear;
    QString recipientNip;
    QString recipientName;
    QString recipientAddress;
    QString recipientPostalCode;
    QString recipientTown;
    QString recipientPhone;
    QString grossTotal;
    QString net22;
    QString vat22;
    QString net7;
    QString vat7;
    QString net0;
    QString netExempt;
    QString vatTotal;
};

// Typed records to and from the positional texts of their table. The record
// number position is left empty by toValues; the store fills it.
template <typename Record> QStringList toValues(const Record& record);
template <typename Record> Record fromRow(const Row& row);

// Names every typed record to X, for the explicit instantiations of the
// templates that take one.
#define KWITOLA_FOR_EACH_RECORD(X)                                                                 \
    X(Issuer) X(Recipient) X(RecipientCopy) X(Goods) X(StoredDocument) X(LedgerRow)

// List entries: the texts the lists show and by which a choice is found again.
// A party entry is name, town, street and NIP joined by two blanks; a goods
// entry is the goods name, two blanks and the factory number.
QString partyEntry(const QString& name, const QString& town, const QString& street,
                   const QString& nip);
QString partyEntry(const Party& party);
QString goodsEntry(const QString& name, const QString& factoryNumber);
QString goodsEntry(const Goods& goods);

} // namespace kwitola
