#pragma once

#include "kwitola/core/tablestore.h"

#include <QAbstractListModel>
#include <vector>

class QComboBox;

namespace kwitola::ui {

// A drop-down list's rows straight over the store's entries, so that a list
// of a hundred thousand entries is filled by handing over one vector rather
// than item by item.
class EntryListModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit EntryListModel(QObject* parent = nullptr);

    void setEntries(std::vector<ListEntry> entries);
    [[nodiscard]] const std::vector<ListEntry>& entries() const { return m_entries; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<ListEntry> m_entries;
};

// Gives the list a model of entries (once) and puts the entries in it; the
// list then shows the row given, or nothing. The list's own signals stay
// quiet: the caller applies the choice itself.
void showEntries(QComboBox& list, std::vector<ListEntry> entries, int current);

} // namespace kwitola::ui
