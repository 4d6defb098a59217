#pragma once

#include <QListView>

namespace vk220::app {

// The console's list. Every row has the size of the first, so where a row is, which row lies
// under a point and how far the list scrolls follow from row numbers alone: no row is laid out,
// and an entry costs the same to append, select and show at a million rows as at the first.
// (QListView keeps the position of every row and lays them all out again at each insertion.)
// It scrolls a row at a time; rows are drawn by the delegate as QListView draws them.
class ConsoleList final : public QListView {
    Q_OBJECT
public:
    explicit ConsoleList(QWidget *parent = nullptr);

    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;
    // Takes the rows' size from the first row again, and sets the scroll bars.
    void doItemsLayout() override;

protected:
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    void paintEvent(QPaintEvent *event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int Rows() const;
    // The rows wholly in view, at least one.
    int RowsInView() const;
    // How far the page keys move.
    int PageRows() const;
    QModelIndex Row(int row) const;

    QSize rowSize;
};

} // namespace vk220::app
