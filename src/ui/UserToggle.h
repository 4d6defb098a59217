#pragma once

#include <QObject>

#include <functional>

class QAbstractButton;

namespace vk220::ui {

// Acts on the operator's changes to a check box or option button, whatever makes them: a mouse
// click, the keyboard, or assistive technology, whose "Toggle" action changes the check state
// without any click. A click that leaves the state as it was (on the option already chosen) acts
// too; changes made by the program through SetChecked do not.
class UserToggle final : public QObject {
    Q_OBJECT
public:
    // Calls `act` with the button's new state once for each change the operator makes. An option
    // button that another option of its group unchecks does not act: the newly chosen one does.
    static void Connect(QAbstractButton &button, std::function<void(bool checked)> act);
    // Sets the state as the program, without acting.
    static void SetChecked(QAbstractButton &button, bool checked);

private:
    UserToggle(QAbstractButton &button, std::function<void(bool)> act);
    bool Exclusive() const;

    QAbstractButton &button;
    std::function<void(bool)> act;
    // The state when the last press began: a click that changes nothing acts on its own.
    bool checkedAtPress = false;
};

} // namespace vk220::ui
