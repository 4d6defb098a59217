#include "app/ConsoleDelegate.h"

#include "app/ConsoleModel.h"

namespace vk220::app {

void ConsoleDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const {
    if (index.data(ConsoleModel::KindRole).toInt() != static_cast<int>(ConsoleModel::Kind::Reply)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem indented = option;
    indented.rect.setLeft(option.rect.left() +
                          ReplyIndent * option.fontMetrics.horizontalAdvance(QLatin1Char('n')));
    QStyledItemDelegate::paint(painter, indented, index);
}

} // namespace vk220::app
