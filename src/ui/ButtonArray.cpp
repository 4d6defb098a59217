#include "ui/ButtonArray.h"

#include "ui/Controls.h"

#include <QPushButton>

namespace vk220::ui {

ButtonArray::ButtonArray(const QString &name, const QStringList &captions, QWidget *parent,
                         const Factory &create)
    : QObject(parent) {
    setObjectName(name);
    for (int i = 0; i < captions.size(); ++i) {
        QPushButton *button =
            create ? create(captions.at(i), parent) : new QPushButton(captions.at(i), parent);
        Controls::Name(*button, Controls::ArrayName(name, i));
        connect(button, &QPushButton::clicked, this, [this, i] { emit Clicked(i); });
        buttons.append(button);
    }
}

void ButtonArray::Select(int index) {
    for (auto *button : buttons)
        Controls::SetSelected(*button, false);
    Controls::SetSelected(*buttons.at(index), true);
}

int ButtonArray::Selected() const {
    for (int i = 0; i < buttons.size(); ++i) {
        if (Controls::IsSelected(*buttons.at(i)))
            return i;
    }
    return -1;
}

} // namespace vk220::ui
