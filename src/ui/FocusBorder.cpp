#include "ui/FocusBorder.h"

#include "ui/Controls.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>

namespace vk220::ui {

FocusBorder::FocusBorder(QWidget &control) : QObject(&control) {
    control.installEventFilter(this);
}

void FocusBorder::Watch(QWidget &control) {
    if (!control.findChild<FocusBorder *>(QString(), Qt::FindDirectChildrenOnly))
        new FocusBorder(control);
}

bool FocusBorder::eventFilter(QObject *watched, QEvent *event) {
    auto *control = qobject_cast<QWidget *>(watched);
    if (!control || event->type() != QEvent::Paint)
        return QObject::eventFilter(watched, event);
    // The control paints itself first; the border goes over it.
    watched->event(event);
    QStyleOption option;
    option.initFrom(control);
    const QStyle::State keyboardFocus = QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    if ((option.state & keyboardFocus) == keyboardFocus &&
        Controls::BackColour(*control).isValid()) {
        QPainter painter(control);
        painter.setPen(QPen(Colour, Width));
        const int inset = Width / 2 + 1;
        painter.drawRect(control->rect().adjusted(inset, inset, -inset, -inset));
    }
    return true;
}

} // namespace vk220::ui
