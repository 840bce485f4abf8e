#pragma once

#include "kwitola/core/tablerecords.h"

#include <QString>
#include <span>

namespace kwitola {

// One field of a table in stored order: its stored name, its role, the
// record member it maps to (none for the fields the record does not keep),
// its place in the list entry and on the card that edits the record (-1:
// none), and whether the program looks records up by its value.
template <typename Record> struct FieldDef
{
    const char16_t* name;
    FieldRole role;
    QString Record::*member;
    int entryPlace;
    int cardPlace;
    bool lookedUp;
};

// A run of kStoredLineCount fields after the plain fields, one per document
// line: the stem followed by the line's number from 1.
struct LineRun
{
    const char16_t* stem;
    QString StoredLine::*member;
};

// A table's fields in stored order: the plain fields, then the line runs.
template <typename Record> struct Catalogue
{
    std::span<const FieldDef<Record>> fields;
    std::span<const LineRun> lineRuns;
};

// Issuer, Recipient, RecipientCopy, Goods, StoredDocument, LedgerRow.
template <typename Record> const Catalogue<Record>& catalogueOf();

// The position in stored order of the first field that maps to the member.
template <typename Record> int columnOf(QString Record::*member);

// The stored name of the first field that maps to the member.
template <typename Record> QString fieldName(QString Record::*member);

// The fields a card writes, named, with the record's texts, in stored order.
template <typename Record> FieldValues cardFieldValues(const Record& record);

} // namespace kwitola
