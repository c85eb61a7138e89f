#include "widgets/LogList.h"

#include "widgets/LogListModel.h"

#include <QEvent>
#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QTimerEvent>

#include <algorithm>
#include <climits>

namespace {

// A steady stream of lines is shown about this often.
constexpr int kFrameMs = 40;

} // namespace

LogList::LogList(QWidget* parent)
    : QAbstractItemView(parent), m_model(new LogListModel(this)), m_header(new QHeaderView(Qt::Horizontal, this))
{
    setModel(m_model);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    QPalette white = palette();
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);

    m_header->setModel(m_model);
    m_header->setSectionsClickable(false);
    m_header->setSectionsMovable(false);
    m_header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_columnWidth = m_header->sectionSize(0);
    connect(m_header, &QHeaderView::sectionResized, this, &LogList::ColumnResized);
    connect(m_header, &QHeaderView::sectionHandleDoubleClicked, this, &LogList::FitColumn);
    MeasureRows();
    updateGeometries();
}

int LogList::GetItemCount() const
{
    return m_model->GetItemCount();
}

int LogList::InsertItem(int index, const std::string& text)
{
    const int row = m_model->InsertItem(index, text);
    Schedule();
    return row;
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
    m_offset = 0;
    // Scrolled sideways, the list would show the next short line off to its left.
    horizontalScrollBar()->setValue(0);
    CatchUp();
}

void LogList::Invalidate()
{
    Schedule();
}

void LogList::FitColumn()
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    int width = m_headingWidth;
    for (const int row : m_model->WidestRows()) {
        const QModelIndex index = m_model->index(row, 0);
        width = std::max(width, itemDelegateForIndex(index)->sizeHint(option, index).width());
    }
    m_userWidth = true;
    m_header->resizeSection(0, std::min(width, m_header->maximumSectionSize()));
}

void LogList::ColumnResized(int, int, int width)
{
    m_columnWidth = width;
    if (m_filling)
        return;
    m_userWidth = true;
    updateGeometries();
    viewport()->update();
}

int LogList::RowAt(int y) const
{
    return (y + verticalOffset()) / RowHeight();
}

int LogList::MaxOffset() const
{
    const long long content = static_cast<long long>(GetItemCount()) * RowHeight();
    return static_cast<int>(std::clamp<long long>(content - viewport()->height(), 0, INT_MAX));
}

void LogList::SetOffset(int offset)
{
    m_offset = std::clamp(offset, 0, MaxOffset());
    Schedule();
}

void LogList::Schedule()
{
    if (m_catchUp.isActive())
        return;
    const qint64 since = m_lastCatchUp.isValid() ? m_lastCatchUp.elapsed() : kFrameMs;
    m_catchUp.start(since >= kFrameMs ? 0 : static_cast<int>(kFrameMs - since), Qt::PreciseTimer, this);
}

void LogList::CatchUp()
{
    m_model->Announce();
    updateGeometries();
    viewport()->update();
    // Last: the announcement asked for a catch-up of its own.
    m_catchUp.stop();
    m_lastCatchUp.start();
}

void LogList::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_catchUp.timerId())
        CatchUp();
    else
        QAbstractItemView::timerEvent(event);
}

QRect LogList::visualRect(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != m_model)
        return {};
    const int height = RowHeight();
    return {-horizontalOffset(), index.row() * height - verticalOffset(), m_columnWidth, height};
}

void LogList::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    const int height = RowHeight();
    const int top = index.row() * height;
    const int page = viewport()->height();
    switch (hint) {
    case PositionAtTop: SetOffset(top); break;
    case PositionAtBottom: SetOffset(top + height - page); break;
    case PositionAtCenter: SetOffset(top - (page - height) / 2); break;
    case QAbstractItemView::EnsureVisible:
        if (top < m_offset)
            SetOffset(top);
        else if (top + height > m_offset + page)
            SetOffset(top + height - page);
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
    case MovePrevious: next = row - 1; break;
    case MoveDown:
    case MoveNext: next = row + 1; break;
    case MovePageUp: next = row - page; break;
    case MovePageDown: next = row + page; break;
    case MoveHome: next = 0; break;
    case MoveEnd: next = count - 1; break;
    case MoveLeft:
    case MoveRight: break;
    }
    return m_model->index(std::clamp(next, 0, count - 1), 0);
}

int LogList::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

int LogList::verticalOffset() const
{
    return m_offset;
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
    selectionModel()->select(QItemSelection(m_model->index(first, 0), m_model->index(last, 0)), command);
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

void LogList::MeasureRows()
{
    m_model->SetFont(font());
    m_rowHeight = std::max(1, fontMetrics().height() + 2);
    // The header view's own size hint measures a bold face that this header never draws, and
    // opening that face is a noticeable part of the start-up.
    QStyleOptionHeader option;
    option.initFrom(m_header);
    option.text = m_model->headerData(0, Qt::Horizontal).toString();
    const QSize heading = m_header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), m_header);
    m_headerHeight = heading.height();
    m_headingWidth = heading.width();
}

void LogList::updateGeometries()
{
    const int headerHeight = m_headerHeight;
    if (viewportMargins().top() != headerHeight)
        setViewportMargins(0, headerHeight, 0, 0);
    const QRect view = viewport()->geometry();
    m_header->setGeometry(view.left(), view.top() - headerHeight, view.width(), headerHeight);
    if (!m_userWidth) {
        m_filling = true;
        m_header->resizeSection(0, view.width());
        m_filling = false;
    }

    QScrollBar* across = horizontalScrollBar();
    across->setSingleStep(RowHeight());
    across->setPageStep(view.width());
    across->setRange(0, std::max(0, m_columnWidth - view.width()));
    m_header->setOffset(across->value());

    const int height = RowHeight();
    QScrollBar* bar = verticalScrollBar();
    bar->setSingleStep(height);
    bar->setPageStep(viewport()->height());
    // The new range may move the bar, and the bar moves the view: the view's position is kept.
    const int offset = std::min(m_offset, MaxOffset());
    bar->setRange(0, MaxOffset());
    bar->setValue(offset);
    m_offset = offset;
    QAbstractItemView::updateGeometries();
}

void LogList::rowsInserted(const QModelIndex& parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    Schedule();
}

void LogList::scrollContentsBy(int dx, int dy)
{
    // A scroll bar moved: by the user, or following the view's own position.
    m_offset = verticalScrollBar()->value();
    m_header->setOffset(horizontalScrollBar()->value());
    QAbstractItemView::scrollContentsBy(dx, dy);
}

void LogList::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        MeasureRows();
        Schedule();
    }
    QAbstractItemView::changeEvent(event);
}
