#include "kwitola/legacy/columnmap.h"

#include <QSet>
#include <array>

namespace kwitola::legacy {

namespace {

// The columns the program reads or writes by name, the record number among
// them; every other position is known to it only by its place.
bool isNamed(const TableLayout& layout, int column)
{
    const FieldRole role = layout.roles.at(static_cast<std::size_t>(column));
    return role == FieldRole::Named || role == FieldRole::RecordNumber;
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
        if (isNamed(layout, i)) {
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
