#pragma once

#include "ui/logic/MessageBoxes.h"

class QWidget;

namespace vk220::ui {

// Shows the boxes with QMessageBox, centred over the given window.
class QtMessageBoxes final : public MessageBoxes {
public:
    void SetParent(QWidget *widget) { parent = widget; }
    Answer Show(Icon icon, Buttons buttons, const QString &title, const QString &text) override;

private:
    QWidget *parent = nullptr;
};

} // namespace vk220::ui
