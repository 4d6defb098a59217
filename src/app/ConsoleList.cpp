#include "app/ConsoleList.h"

#include <QCursor>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace vk220::app {

ConsoleList::ConsoleList(QWidget *parent) : QListView(parent) {
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerPixel);
}

QRect ConsoleList::visualRect(const QModelIndex &index) const {
    if (!index.isValid() || index.parent() != rootIndex() || index.column() != modelColumn() ||
        rowSize.isEmpty())
        return {};
    // As in a QListView, a row is as wide as the list, or as the first row if that is wider.
    return {-horizontalOffset(), (index.row() - verticalScrollBar()->value()) * rowSize.height(),
            std::max(rowSize.width(), viewport()->width()), rowSize.height()};
}

void ConsoleList::scrollTo(const QModelIndex &index, ScrollHint hint) {
    executeDelayedItemsLayout();
    if (!index.isValid() || index.parent() != rootIndex() || rowSize.isEmpty())
        return;
    const int row = index.row();
    const int inView = RowsInView();
    int top = verticalScrollBar()->value();
    switch (hint) {
    case PositionAtTop:
        top = row;
        break;
    case PositionAtBottom:
        top = row - inView + 1;
        break;
    case PositionAtCenter:
        top = row - (inView - 1) / 2;
        break;
    case EnsureVisible:
        if (row < top)
            top = row;
        else if (row >= top + inView)
            top = row - inView + 1;
        break;
    }
    verticalScrollBar()->setValue(top);
}

QModelIndex ConsoleList::indexAt(const QPoint &point) const {
    if (rowSize.isEmpty() || point.y() < 0)
        return {};
    const int row = verticalScrollBar()->value() + point.y() / rowSize.height();
    return row < Rows() ? Row(row) : QModelIndex();
}

void ConsoleList::doItemsLayout() {
    rowSize = Rows() > 0 ? sizeHintForIndex(Row(0)) : QSize();
    // QListView's own would place every row: the view's part only sets the scroll bars.
    QAbstractItemView::doItemsLayout();
}

void ConsoleList::rowsInserted(const QModelIndex &parent, int start, int end) {
    // QListView's would lay out every row again. Here the layout, once the event loop runs or
    // a row is scrolled to, sets the scroll bars, however many rows arrived.
    QAbstractItemView::rowsInserted(parent, start, end);
    if (parent == rootIndex())
        scheduleDelayedItemsLayout();
}

QModelIndex ConsoleList::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
    const int last = Rows() - 1;
    const int current = currentIndex().isValid() ? currentIndex().row() : -1;
    int row = current;
    switch (action) {
    case MoveUp:
    case MovePrevious:
        row = current - 1;
        break;
    case MoveDown:
    case MoveNext:
        row = current + 1;
        break;
    case MovePageUp:
        row = current - PageRows();
        break;
    case MovePageDown:
        row = current + PageRows();
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = last;
        break;
    case MoveLeft:
    case MoveRight:
        break;
    }
    return last < 0 ? QModelIndex() : Row(std::clamp(row, 0, last));
}

int ConsoleList::horizontalOffset() const {
    return horizontalScrollBar()->value();
}

int ConsoleList::verticalOffset() const {
    return verticalScrollBar()->value() * rowSize.height();
}

void ConsoleList::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) {
    if (rowSize.isEmpty() || Rows() == 0)
        return;
    const QRect area = rect.normalized();
    const int top = verticalScrollBar()->value();
    const int first = std::max(0, top + area.top() / rowSize.height());
    const int last = std::min(Rows() - 1, top + area.bottom() / rowSize.height());
    if (first > last)
        return;
    selectionModel()->select(QItemSelection(Row(first), Row(last)), command);
}

void ConsoleList::paintEvent(QPaintEvent *event) {
    if (rowSize.isEmpty() || Rows() == 0)
        return;
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State state = option.state;
    const bool enabled = state.testFlag(QStyle::State_Enabled);
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QModelIndex hover = viewport()->underMouse()
                                  ? indexAt(viewport()->mapFromGlobal(QCursor::pos()))
                                  : QModelIndex();
    const QRect area = event->rect();
    const int top = verticalScrollBar()->value();
    const int first = top + std::max(0, area.top()) / rowSize.height();
    const int last = std::min(Rows() - 1, top + area.bottom() / rowSize.height());
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = Row(row);
        option.rect = visualRect(index);
        option.state = state;
        option.state.setFlag(QStyle::State_Selected, selectionModel()->isSelected(index));
        if (enabled)
            option.palette.setCurrentColorGroup(QPalette::Normal);
        option.state.setFlag(QStyle::State_HasFocus, focus && index == current);
        option.state.setFlag(QStyle::State_MouseOver, index == hover);
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

void ConsoleList::updateGeometries() {
    QScrollBar &vertical = *verticalScrollBar();
    QScrollBar &horizontal = *horizontalScrollBar();
    if (rowSize.isEmpty() || Rows() == 0) {
        vertical.setRange(0, 0);
        horizontal.setRange(0, 0);
    } else {
        const int inView = RowsInView();
        vertical.setSingleStep(1);
        vertical.setPageStep(inView);
        vertical.setRange(0, std::max(0, Rows() - inView));
        horizontal.setSingleStep(rowSize.height());
        horizontal.setPageStep(viewport()->width());
        horizontal.setRange(0, std::max(0, rowSize.width() - viewport()->width()));
    }
    QAbstractItemView::updateGeometries();
}

void ConsoleList::scrollContentsBy(int, int) {
    viewport()->update();
}

int ConsoleList::Rows() const {
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int ConsoleList::RowsInView() const {
    return rowSize.isEmpty() ? 1 : std::max(1, viewport()->height() / rowSize.height());
}

int ConsoleList::PageRows() const {
    if (rowSize.isEmpty())
        return 1;
    // As QListView: the row nearest to a view's height less two rows away, the nearer on a tie.
    const int height = rowSize.height();
    return std::max(1, (viewport()->height() - 2 * height + (height - 1) / 2) / height);
}

QModelIndex ConsoleList::Row(int row) const {
    return model()->index(row, modelColumn(), rootIndex());
}

} // namespace vk220::app
