#include "kwitola/register/ui/registermodel.h"

#include "kwitola/register/core/registerlist.h"

#include <array>

namespace kwitola::registry {

namespace {

struct Column
{
    const char* caption;
    SortColumn sort;
    Qt::Alignment align;
};

const std::array<Column, 6> kColumns = {{
    {"Numer", SortColumn::Number, Qt::AlignLeft},
    {"Rodzaj", SortColumn::Kind, Qt::AlignLeft},
    {"Data wystawienia", SortColumn::IssueDate, Qt::AlignLeft},
    {"Odbiorca", SortColumn::Recipient, Qt::AlignLeft},
    {"Brutto", SortColumn::Gross, Qt::AlignRight},
    {"Archiwum", SortColumn::Archived, Qt::AlignHCenter},
}};

QString cell(const RegisterEntry& entry, SortColumn column)
{
    switch (column) {
    case SortColumn::Number:
        return entry.number;
    case SortColumn::Kind:
        return entry.kind;
    case SortColumn::IssueDate:
        return entry.issueDateText;
    case SortColumn::Recipient:
        return entry.recipientName;
    case SortColumn::Gross:
        return entry.gross ? entry.gross->fmt() : QStringLiteral("?");
    case SortColumn::Archived:
        return entry.archived ? QStringLiteral("tak") : QStringLiteral("nie");
    }
    return {};
}

} // namespace

RegisterModel::RegisterModel(RegisterList& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list)
{}

int RegisterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_list.count();
}

int RegisterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(kColumns.size());
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const
{
    const RegisterEntry* entry = m_list.at(index.row());
    if (!entry || index.column() < 0 || index.column() >= columnCount()) {
        return {};
    }
    const Column& column = kColumns.at(static_cast<std::size_t>(index.column()));
    // The tool tip carries the whole text of a cell too narrow for it.
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        return cell(*entry, column.sort);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(column.align | Qt::AlignVCenter);
    }
    return {};
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount()) {
        return {};
    }
    return QString::fromUtf8(kColumns.at(static_cast<std::size_t>(section)).caption);
}

void RegisterModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount()) {
        return;
    }
    beginResetModel();
    m_list.sortBy(kColumns.at(static_cast<std::size_t>(column)).sort, order == Qt::AscendingOrder);
    endResetModel();
}

void RegisterModel::beginChange()
{
    beginResetModel();
}

void RegisterModel::endChange()
{
    endResetModel();
}

} // namespace kwitola::registry
