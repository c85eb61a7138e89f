#include "LogList.h"

#include "LogListModel.h"

#include <QHeaderView>
#include <QPainter>
#include <QPaintEvent>
#include <QPalette>
#include <QScrollBar>

#include <algorithm>
#include <climits>

LogList::LogList(QWidget* parent)
    : QAbstractItemView(parent), m_model(new LogListModel(this)),
      m_header(new QHeaderView(Qt::Horizontal, this))
{
    setModel(m_model);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    QPalette white = palette();
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);

    m_header->setModel(m_model);
    m_header->setStretchLastSection(true);
    m_header->setSectionsClickable(false);
    m_header->setSectionsMovable(false);
    m_header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    updateGeometries();
}

int LogList::GetItemCount() const
{
    return m_model->GetItemCount();
}

int LogList::InsertItem(int index, const std::string& text)
{
    return m_model->InsertItem(index, text);
}

std::string LogList::GetItemText(int index) const
{
    return m_model->GetItemText(index);
}

void LogList::EnsureVisible(int index, bool partialOK)
{
    const QModelIndex item = m_model->index(index, 0);
    if (!item.isValid())
        return;
    if (partialOK && visualRect(item).intersects(viewport()->rect()))
        return;
    scrollTo(item, QAbstractItemView::EnsureVisible);
}

void LogList::DeleteAllItems()
{
    m_model->DeleteAllItems();
}

void LogList::Invalidate()
{
    viewport()->update();
}

int LogList::RowHeight() const
{
    return std::max(1, fontMetrics().height() + 2);
}

int LogList::RowAt(int y) const
{
    return (y + verticalOffset()) / RowHeight();
}

QRect LogList::visualRect(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != m_model)
        return {};
    const int height = RowHeight();
    return {0, index.row() * height - verticalOffset(), viewport()->width(), height};
}

void LogList::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    const int height = RowHeight();
    const int top = index.row() * height;
    const int page = viewport()->height();
    QScrollBar* bar = verticalScrollBar();
    switch (hint) {
    case PositionAtTop:
        bar->setValue(top);
        break;
    case PositionAtBottom:
        bar->setValue(top + height - page);
        break;
    case PositionAtCenter:
        bar->setValue(top - (page - height) / 2);
        break;
    case QAbstractItemView::EnsureVisible:
        if (top < bar->value())
            bar->setValue(top);
        else if (top + height > bar->value() + page)
            bar->setValue(top + height - page);
        break;
    }
}

QModelIndex LogList::indexAt(const QPoint& point) const
{
    if (point.y() < 0)
        return {};
    return m_model->index(RowAt(point.y()), 0);
}

QModelIndex LogList::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int count = GetItemCount();
    if (count == 0)
        return {};
    const int row = currentIndex().isValid() ? currentIndex().row() : 0;
    const int page = std::max(1, viewport()->height() / RowHeight());
    int next = row;
    switch (action) {
    case MoveUp:
    case MovePrevious:
        next = row - 1;
        break;
    case MoveDown:
    case MoveNext:
        next = row + 1;
        break;
    case MovePageUp:
        next = row - page;
        break;
    case MovePageDown:
        next = row + page;
        break;
    case MoveHome:
        next = 0;
        break;
    case MoveEnd:
        next = count - 1;
        break;
    case MoveLeft:
    case MoveRight:
        break;
    }
    return m_model->index(std::clamp(next, 0, count - 1), 0);
}

int LogList::horizontalOffset() const
{
    return 0;
}

int LogList::verticalOffset() const
{
    return verticalScrollBar()->value();
}

bool LogList::isIndexHidden(const QModelIndex&) const
{
    return false;
}

void LogList::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    const int count = GetItemCount();
    if (count == 0)
        return;
    const QRect normal = rect.normalized();
    const int first = std::clamp(RowAt(std::max(0, normal.top())), 0, count - 1);
    const int last = std::clamp(RowAt(std::max(0, normal.bottom())), 0, count - 1);
    selectionModel()->select(QItemSelection(m_model->index(first, 0), m_model->index(last, 0)),
                             command);
}

QRegion LogList::visualRegionForSelection(const QItemSelection& selection) const
{
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        const QRect top = visualRect(m_model->index(range.top(), 0));
        const QRect bottom = visualRect(m_model->index(range.bottom(), 0));
        region += QRect(top.topLeft(), bottom.bottomRight()).intersected(viewport()->rect());
    }
    return region;
}

void LogList::paintEvent(QPaintEvent* event)
{
    const int count = GetItemCount();
    if (count == 0)
        return;
    QPainter painter(viewport());
    const QRect area = event->rect();
    const int first = std::clamp(RowAt(std::max(0, area.top())), 0, count - 1);
    const int last = std::clamp(RowAt(std::max(0, area.bottom())), 0, count - 1);

    QStyleOptionViewItem base;
    initViewItemOption(&base);
    const QModelIndex current = currentIndex();
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = m_model->index(row, 0);
        QStyleOptionViewItem option = base;
        option.rect = visualRect(index);
        if (selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (index == current && hasFocus())
            option.state |= QStyle::State_HasFocus;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

void LogList::updateGeometries()
{
    const int headerHeight = m_header->sizeHint().height();
    if (viewportMargins().top() != headerHeight)
        setViewportMargins(0, headerHeight, 0, 0);
    const QRect view = viewport()->geometry();
    m_header->setGeometry(view.left(), view.top() - headerHeight, view.width(), headerHeight);

    const int height = RowHeight();
    const long long content = static_cast<long long>(GetItemCount()) * height;
    const int page = viewport()->height();
    QScrollBar* bar = verticalScrollBar();
    bar->setSingleStep(height);
    bar->setPageStep(page);
    bar->setRange(0, static_cast<int>(std::clamp<long long>(content - page, 0, INT_MAX)));
    QAbstractItemView::updateGeometries();
}

void LogList::rowsInserted(const QModelIndex& parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    viewport()->update();
}
