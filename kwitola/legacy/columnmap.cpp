#include "kwitola/legacy/columnmap.h"

#include <QSet>
#include <array>

namespace kwitola::legacy {

namespace {

struct NamedColumns
{
    Table table;
    std::vector<const char*> names;
};

// The columns the program reads or writes by name; every other position is
// known to it only by its place.
const std::array<NamedColumns, 6>& namedColumns()
{
    static const std::array<NamedColumns, 6> named = {{
        {Table::Wystawca,
         {"Nazwa_firmy", "Adres_firmy", "Kod_pocztowy", "Miejscowosc", "Powiat", "Wojewodztwo",
          "Nip_firmy", "Regon_firmy", "Telefon_firmy", "Fax_firmy", "Osoba_uprawniona", "Bank",
          "Numer_konta"}},
        {Table::Odbiorca,
         {"Nazwa_firmy", "Index_firmy", "Adres_firmy", "Kod_pocztowy", "Miejscowosc", "Powiat",
          "Wojewodztwo", "Nip_firmy", "Regon_firmy", "Telefon_firmy", "Fax_firmy",
          "Osoba_uprawniona", "Ostatnia_transakcja"}},
        {Table::Firmy, {"Nip_firmy", "Nazwa", "Ulica", "Kod_pocztowy", "Miejscowosc", "Telefon"}},
        {Table::Magazyn,
         {"Nazwa_towaru", "Index_towaru", "Symbol_SWW_KU", "Jednostka_miary", "ilosc",
          "Cena_jednostkowa_netto", "Stawka_vat", "Stan_poczatkowy", "numer_fabryczny"}},
        {Table::Faktury, {"Numer_faktury"}},
        {Table::Sprzedaz, {}},
    }};
    return named;
}

bool isNamed(Table table, const QString& column)
{
    for (const NamedColumns& row : namedColumns()) {
        if (row.table != table) {
            continue;
        }
        for (const char* name : row.names) {
            if (column.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
                return true;
            }
        }
    }
    return false;
}

int findByName(const QStringList& fields, const QString& name)
{
    for (int i = 0; i < fields.size(); ++i) {
        if (fields.at(i).trimmed().compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

} // namespace

Result<std::vector<int>> mapColumns(Table table, const QStringList& sourceFields)
{
    const TableLayout& layout = layoutOf(table);
    std::vector<int> map(static_cast<std::size_t>(layout.columns.size()), -1);
    QSet<int> taken;
    for (int i = 0; i < layout.columns.size(); ++i) {
        if (isNamed(table, layout.columns.at(i))) {
            const int source = findByName(sourceFields, layout.columns.at(i));
            if (source >= 0 && !taken.contains(source)) {
                map[static_cast<std::size_t>(i)] = source;
                taken.insert(source);
            }
        }
    }
    // The rest pair up in order: unclaimed columns with unclaimed fields.
    int nextSource = 0;
    for (int i = 0; i < layout.columns.size(); ++i) {
        if (map[static_cast<std::size_t>(i)] >= 0 || layout.recordNumberColumn == i) {
            continue;
        }
        while (nextSource < sourceFields.size() && taken.contains(nextSource)) {
            ++nextSource;
        }
        if (nextSource < sourceFields.size()) {
            map[static_cast<std::size_t>(i)] = nextSource;
            taken.insert(nextSource);
        }
    }
    QStringList left;
    for (int i = 0; i < sourceFields.size(); ++i) {
        if (!taken.contains(i)) {
            left << sourceFields.at(i);
        }
    }
    if (!left.isEmpty()) {
        return Result<std::vector<int>>::failure(
            QStringLiteral("Tabela %1 ma więcej pól, niż program przechowuje (%2); nie można jej "
                           "przepisać bez utraty danych.")
                .arg(layout.fileName, left.join(QStringLiteral(", "))));
    }
    return map;
}

} // namespace kwitola::legacy
