#pragma once

#include <QAbstractItemView>
#include <QBasicTimer>
#include <QElapsedTimer>

#include <string>

class LogListModel;
class QHeaderView;

// The one-column report list of the main dialog, with the calls of a list control.
//
// A view of its own rather than a tree or list view: those lay out every row again after each
// insertion, which makes appending and scrolling to a line cost time in proportion to the whole
// log. Here every row has the same height, so appending, scrolling and painting cost the same
// with ten lines or a million.
//
// Appending and scrolling only change the lines and the view's own top position; the model's
// announcement, the scroll bar and the repaint follow once per pass of the event loop, and while
// lines keep coming, at most once a frame. A command's line thus costs about what its formatting
// does, and a long run repaints the list a few dozen times a second rather than once a line.
//
// The column fills the list until the user sizes it at the header's divider; from then on it keeps
// the user's width, and the list scrolls sideways while the column is wider than the list.
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
    // Fits the column to its widest line, as a double click on the divider does; never narrower
    // than its heading.
    void FitColumn();

    QHeaderView* header() const { return m_header; }

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = QAbstractItemView::EnsureVisible) override;
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
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    int RowHeight() const { return m_rowHeight; }
    // The row and header heights of the view's face.
    void MeasureRows();
    // The row under a viewport y coordinate, not bounded by the rows there are.
    int RowAt(int y) const;
    int MaxOffset() const;
    void SetOffset(int offset);
    // Asks for the catch-up: at the next pass of the event loop, or a frame after the last one.
    void Schedule();
    // Announces the new lines, sets the scroll bar to the view's position and repaints.
    void CatchUp();
    void ColumnResized(int section, int oldWidth, int width);

    LogListModel* m_model;
    QHeaderView* m_header;
    int m_rowHeight = 1;
    int m_headerHeight = 0;
    int m_headingWidth = 0;
    // The header's, at hand for every row's rectangle.
    int m_columnWidth = 0;
    // Set once the user sized the column, by its divider or a fit.
    bool m_userWidth = false;
    // While the column is made as wide as the list.
    bool m_filling = false;
    // The top of the view in pixels of the whole list; the scroll bar follows it.
    int m_offset = 0;
    QBasicTimer m_catchUp;
    QElapsedTimer m_lastCatchUp;
};
