#pragma once

#include "widgets/LogListLines.h"
#include "widgets/LogListWidest.h"

#include <QAbstractListModel>

#include <string>
#include <vector>

// The lines of the log list.
//
// Lines appended at the end are counted at once but announced to the views later, all together,
// by Announce: an insertion signal per line would cost more than the line itself when commands
// run back to back. The one view, LogList, paints and scrolls by the count of lines, never by
// the signals, and announces once per pass of the event loop.
class LogListModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit LogListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    int GetItemCount() const;
    // An index past the end appends; a negative one inserts at the front.
    int InsertItem(int index, const std::string& text);
    std::string GetItemText(int index) const;
    void DeleteAllItems();
    // Tells the views of the lines appended since the last announcement.
    void Announce();
    // The font the lines are shown in, by which the widest are picked.
    void SetFont(const QFont& font);
    // The rows of the few lines that may be the widest; the widest is among them.
    std::vector<int> WidestRows() const;

private:
    LogListLines m_lines;
    LogListWidest m_widest;
    int m_announced = 0;
};
