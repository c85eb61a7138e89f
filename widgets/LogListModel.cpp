#include "widgets/LogListModel.h"

#include <algorithm>

namespace {

// The heading shows nothing, yet keeps the header's height.
const QString kHeading(29, QLatin1Char(' '));

} // namespace

LogListModel::LogListModel(QObject* parent) : QAbstractListModel(parent)
{
}

int LogListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : GetItemCount();
}

QVariant LogListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= GetItemCount())
        return {};
    const std::string_view line = m_lines.At(static_cast<std::size_t>(index.row()));
    return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}

QVariant LogListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section != 0)
        return {};
    return kHeading;
}

int LogListModel::GetItemCount() const
{
    return static_cast<int>(m_lines.Size());
}

int LogListModel::InsertItem(int index, const std::string& text)
{
    const int count = GetItemCount();
    const int row = std::clamp(index, 0, count);
    if (row == count) {
        m_lines.Insert(static_cast<std::size_t>(row), text);
        m_widest.Add(row, text);
        return row;
    }
    // Rows before the end move: the views must know of every earlier row first.
    Announce();
    beginInsertRows(QModelIndex(), row, row);
    m_lines.Insert(static_cast<std::size_t>(row), text);
    m_widest.Insert(row, text);
    ++m_announced;
    endInsertRows();
    return row;
}

std::string LogListModel::GetItemText(int index) const
{
    if (index < 0 || index >= GetItemCount())
        return {};
    return std::string(m_lines.At(static_cast<std::size_t>(index)));
}

void LogListModel::DeleteAllItems()
{
    beginResetModel();
    m_lines.Clear();
    m_widest.Clear();
    m_announced = 0;
    endResetModel();
}

void LogListModel::Announce()
{
    const int count = GetItemCount();
    if (m_announced == count)
        return;
    beginInsertRows(QModelIndex(), m_announced, count - 1);
    m_announced = count;
    endInsertRows();
}

void LogListModel::SetFont(const QFont& font)
{
    if (!m_widest.SetFont(font))
        return;
    for (std::size_t i = 0; i < m_lines.Size(); ++i)
        m_widest.Add(static_cast<int>(i), m_lines.At(i));
}

std::vector<int> LogListModel::WidestRows() const
{
    return m_widest.Rows();
}
