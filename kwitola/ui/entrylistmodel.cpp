#include "kwitola/ui/entrylistmodel.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace kwitola::ui {

EntryListModel::EntryListModel(QObject* parent) : QAbstractListModel(parent) {}

void EntryListModel::setEntries(std::vector<ListEntry> entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

int EntryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

QVariant EntryListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return m_entries[static_cast<std::size_t>(index.row())].text;
}

void showEntries(QComboBox& list, std::vector<ListEntry> entries, int current)
{
    const QSignalBlocker quiet(list);
    auto* model = qobject_cast<EntryListModel*>(list.model());
    if (!model) {
        model = new EntryListModel(&list);
        list.setModel(model);
    }
    model->setEntries(std::move(entries));
    list.setCurrentIndex(current < model->rowCount() ? current : -1);
}

} // namespace kwitola::ui
