#include "app/WrapButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace vk220::app {

namespace {
constexpr int Margin = 6;
constexpr int Flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
} // namespace

QSize WrapButton::sizeHint() const {
    const int width = QPushButton::sizeHint().width();
    const QRect text = fontMetrics().boundingRect(
        QRect(0, 0, std::max(width, 120) - 2 * Margin, 1000), Flags, this->text());
    return {width, text.height() + 4 * Margin};
}

void WrapButton::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect().adjusted(Margin, Margin, -Margin, -Margin), Flags, caption);
}

} // namespace vk220::app
