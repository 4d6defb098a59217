#include "ui/TabOrder.h"

#include <QWidget>

namespace vk220::ui {

void TabOrder::Chain(const QList<QWidget *> &controls) {
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

void TabOrder::MoveToEnd(QWidget &window, QWidget &control) {
    QWidget *last = nullptr;
    for (QWidget *w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if (w != &control && window.isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus))
            last = w;
    }
    if (last)
        QWidget::setTabOrder(last, &control);
}

} // namespace vk220::ui
