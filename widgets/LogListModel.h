#pragma once

#include <QAbstractListModel>

#include <string>
#include <vector>

// The lines of the log list, kept as plain strings so that a million of them stay cheap.
class LogListModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit LogListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    int GetItemCount() const;
    // An index past the end appends; a negative one inserts at the front.
    int InsertItem(int index, const std::string& text);
    std::string GetItemText(int index) const;
    void DeleteAllItems();

private:
    std::vector<std::string> m_lines;
};
