#include "ui/EnterKeys.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QWidget>

#include <utility>

namespace vk220::ui {

EnterKeys::EnterKeys(QWidget &window, std::function<bool()> used)
    : QObject(&window), window(window), used(std::move(used)) {
    window.installEventFilter(this);
    for (QObject *child : window.children())
        Watch(child);
}

void EnterKeys::Watch(QObject *object) {
    if (object == this)
        return;
    object->installEventFilter(this);
    for (QObject *child : object->children())
        Watch(child);
}

bool EnterKeys::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::ChildAdded) {
        Watch(static_cast<QChildEvent *>(event)->child());
        return false;
    }
    // The window's own presses are not its controls'.
    if (watched == &window || event->type() != QEvent::KeyPress)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (widget && widget->window() != window.window())
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    return (key == Qt::Key_Return || key == Qt::Key_Enter) && used();
}

} // namespace vk220::ui
