#pragma once

#include <QAbstractItemView>

#include <string>

class LogListModel;
class QHeaderView;

// The one-column report list of the main dialog, with the calls of a list control.
//
// A view of its own rather than a tree or list view: those lay out every row again after each
// insertion, which makes appending and scrolling to a line cost time in proportion to the whole
// log. Here every row has the same height, so appending, scrolling and painting cost the same
// with ten lines or a million.
class LogList : public QAbstractItemView {
    Q_OBJECT

public:
    explicit LogList(QWidget* parent = nullptr);

    int GetItemCount() const;
    // Returns the index the line was inserted at.
    int InsertItem(int index, const std::string& text);
    std::string GetItemText(int index) const;
    // Scrolls so that the line shows; with partialOK a partly shown line is enough.
    void EnsureVisible(int index, bool partialOK);
    void DeleteAllItems();
    void Invalidate();

    QHeaderView* header() const { return m_header; }

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index,
                  ScrollHint hint = QAbstractItemView::EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void paintEvent(QPaintEvent* event) override;
    void updateGeometries() override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;

private:
    int RowHeight() const;
    // The row under a viewport y coordinate, not bounded by the rows there are.
    int RowAt(int y) const;

    LogListModel* m_model;
    QHeaderView* m_header;
};
