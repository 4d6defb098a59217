#pragma once

#include <QStyledItemDelegate>

namespace vk220::app {

// Draws the console's entries by kind: a reply is indented under its command line, so that each
// exchange reads as a pair (the model gives the colours and fonts of the kinds).
class ConsoleDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    // The reply's indent, in widths of the letter "n".
    static constexpr int ReplyIndent = 3;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};

} // namespace vk220::app
