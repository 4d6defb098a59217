#include "ui/UserToggle.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QSignalBlocker>

namespace vk220::ui {

UserToggle::UserToggle(QAbstractButton &button, std::function<void(bool)> act)
    : QObject(&button), button(button), act(std::move(act)) {
    // Every click, by mouse, keyboard or the accessible "Press", begins with `pressed` and
    // changes the state before `clicked`: the change acts, and the click acts only when there
    // was none.
    connect(&button, &QAbstractButton::pressed, this,
            [this] { checkedAtPress = this->button.isChecked(); });
    connect(&button, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked || !Exclusive())
            this->act(checked);
    });
    connect(&button, &QAbstractButton::clicked, this, [this](bool checked) {
        if (checked == checkedAtPress)
            this->act(checked);
    });
}

void UserToggle::Connect(QAbstractButton &button, std::function<void(bool)> act) {
    new UserToggle(button, std::move(act));
}

void UserToggle::SetChecked(QAbstractButton &button, bool checked) {
    const QSignalBlocker quiet(button);
    button.setChecked(checked);
}

bool UserToggle::Exclusive() const {
    return button.autoExclusive() || (button.group() && button.group()->exclusive());
}

} // namespace vk220::ui
