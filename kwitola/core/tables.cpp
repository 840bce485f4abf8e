#include "kwitola/core/tables.h"

#include "kwitola/core/tablecatalogue.h"

#include <QMap>
#include <QString>
#include <array>

namespace kwitola {

namespace {

// The table's layout as its catalogue gives it.
template <typename Record> TableLayout layoutFrom(const char16_t* fileName, const char16_t* sqlName)
{
    TableLayout layout{Record::table,
                       QString::fromUtf16(fileName),
                       QString::fromUtf16(sqlName),
                       {},
                       std::nullopt,
                       {},
                       {},
                       {}};
    const Catalogue<Record>& catalogue = catalogueOf<Record>();
    QMap<int, QString> entry;
    for (const FieldDef<Record>& field : catalogue.fields) {
        const QString name = QString::fromUtf16(field.name);
        if (field.role == FieldRole::RecordNumber) {
            layout.recordNumberColumn = static_cast<int>(layout.columns.size());
        }
        if (field.entryPlace >= 0) {
            entry.insert(field.entryPlace, name);
        }
        if (field.lookedUp) {
            layout.lookupColumns << name;
        }
        layout.columns << name;
        layout.roles.push_back(field.role);
    }
    for (const LineRun& run : catalogue.lineRuns) {
        for (int line = 1; line <= kStoredLineCount; ++line) {
            layout.columns << QString::fromUtf16(run.stem) + QString::number(line);
            layout.roles.push_back(FieldRole::Placed);
        }
    }
    layout.entryColumns = entry.values();
    return layout;
}

} // namespace

const TableLayout& layoutOf(Table table)
{
    // In the order of Table.
    static const std::array<TableLayout, 6> layouts = {
        layoutFrom<Issuer>(u"wystawca.db", u"Wystawca"),
        layoutFrom<Recipient>(u"odbiorca.db", u"Odbiorca"),
        layoutFrom<RecipientCopy>(u"firmy.DB", u"Firmy"),
        layoutFrom<Goods>(u"magazyn.db", u"Magazyn"),
        layoutFrom<StoredDocument>(u"faktury.DB", u"Faktury"),
        layoutFrom<LedgerRow>(u"sprzedaz.db", u"Sprzedaz"),
    };
    return layouts.at(static_cast<std::size_t>(table));
}

std::optional<int> columnPosition(Table table, QStringView field)
{
    const QStringList& columns = layoutOf(table).columns;
    for (int i = 0; i < columns.size(); ++i) {
        if (QStringView(columns.at(i)).compare(field, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace kwitola
