#include "LogListModel.h"

#include <algorithm>

namespace {

// The heading shows nothing, yet keeps the header's height.
const QString kHeading(29, QLatin1Char(' '));

} // namespace

LogListModel::LogListModel(QObject* parent) : QAbstractListModel(parent) {}

int LogListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : GetItemCount();
}

QVariant LogListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= GetItemCount())
        return {};
    return QString::fromStdString(m_lines[static_cast<std::size_t>(index.row())]);
}

QVariant LogListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section != 0)
        return {};
    return kHeading;
}

int LogListModel::GetItemCount() const
{
    return static_cast<int>(m_lines.size());
}

int LogListModel::InsertItem(int index, const std::string& text)
{
    const int row = std::clamp(index, 0, GetItemCount());
    beginInsertRows(QModelIndex(), row, row);
    m_lines.insert(m_lines.begin() + row, text);
    endInsertRows();
    return row;
}

std::string LogListModel::GetItemText(int index) const
{
    if (index < 0 || index >= GetItemCount())
        return {};
    return m_lines[static_cast<std::size_t>(index)];
}

void LogListModel::DeleteAllItems()
{
    beginResetModel();
    m_lines.clear();
    m_lines.shrink_to_fit();
    endResetModel();
}
