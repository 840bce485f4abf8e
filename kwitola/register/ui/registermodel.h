#pragma once

#include <QAbstractTableModel>

namespace kwitola::registry {

class RegisterList;

// The register's list as a table view's model; the list stays the state.
class RegisterModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit RegisterModel(RegisterList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

    // Call around every change of the list's filter.
    void beginChange();
    void endChange();

private:
    RegisterList& m_list;
};

} // namespace kwitola::registry
