#include "kwitola/core/tablerecords.h"

#include "kwitola/core/tablecatalogue.h"

namespace kwitola {

namespace {

const QString kTwoBlanks = QStringLiteral("  ");
const QString kZero = QStringLiteral("0,00");

// Records with document lines keep them in `lines`, one line run slot each.
template <typename Record>
concept HasLines = requires(const Record& record)
{
    record.lines;
};

} // namespace

QString Row::value(QStringView field) const
{
    const auto position = columnPosition(table, field);
    if (!position || *position >= values.size()) {
        return {};
    }
    return values.at(*position);
}

template <typename Record> QStringList toValues(const Record& record)
{
    const Catalogue<Record>& catalogue = catalogueOf<Record>();
    QStringList values(layoutOf(Record::table).columns.size());
    qsizetype position = 0;
    for (const FieldDef<Record>& field : catalogue.fields) {
        if (field.role == FieldRole::AlwaysZero) {
            values[position] = kZero;
        } else if (field.member != nullptr) {
            values[position] = record.*field.member;
        }
        ++position;
    }
    if constexpr (HasLines<Record>) {
        for (const LineRun& run : catalogue.lineRuns) {
            for (const StoredLine& line : record.lines) {
                values[position++] = line.*run.member;
            }
        }
    }
    return values;
}

template <typename Record> Record fromRow(const Row& row)
{
    const Catalogue<Record>& catalogue = catalogueOf<Record>();
    Record record;
    record.id = row.id;
    qsizetype position = 0;
    for (const FieldDef<Record>& field : catalogue.fields) {
        if (field.member != nullptr && position < row.values.size()) {
            record.*field.member = row.values.at(position);
        }
        ++position;
    }
    if constexpr (HasLines<Record>) {
        for (const LineRun& run : catalogue.lineRuns) {
            for (StoredLine& line : record.lines) {
                line.*run.member = row.values.value(position++);
            }
        }
    }
    return record;
}

// NOLINTBEGIN(bugprone-macro-parentheses): a type name cannot be bracketed
#define KWITOLA_RECORD_CONVERSIONS(Record)                                                         \
    template QStringList toValues(const Record&);                                                  \
    template Record fromRow(const Row&);

KWITOLA_FOR_EACH_RECORD(KWITOLA_RECORD_CONVERSIONS)

#undef KWITOLA_RECORD_CONVERSIONS
// NOLINTEND(bugprone-macro-parentheses)

QString partyEntry(const QString& name, const QString& town, const QString& street,
                   const QString& nip)
{
    return name + kTwoBlanks + town + kTwoBlanks + street + kTwoBlanks + nip;
}

QString partyEntry(const Party& party)
{
    return partyEntry(party.Nazwa_firmy, party.Miejscowosc, party.Adres_firmy, party.Nip_firmy);
}

QString goodsEntry(const QString& name, const QString& factoryNumber)
{
    return name + kTwoBlanks + factoryNumber;
}

QString goodsEntry(const Goods& goods)
{
    return goodsEntry(goods.Nazwa_towaru, goods.numer_fabryczny);
}

} // namespace kwitola
