#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace vk220::ui {

// Enter pressed anywhere in a window, in any of its controls, those made later included: the
// press goes to `used`, which returns true when it took it, and then goes no further. Presses in
// a popup of the window (the open list of a drop-down) belong to the popup: it has already acted
// on them.
class EnterKeys final : public QObject {
    Q_OBJECT
public:
    EnterKeys(QWidget &window, std::function<bool()> used);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Watch(QObject *object);

    QWidget &window;
    std::function<bool()> used;
};

} // namespace vk220::ui
