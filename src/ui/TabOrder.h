#pragma once

#include <QList>

class QWidget;

namespace vk220::ui {

// The keyboard's way through a window. Controls made in one order and laid out in another would
// otherwise take the Tab key in the order they were made.
namespace TabOrder {

// Tab goes from each control of `controls` to the next, in the order given.
void Chain(const QList<QWidget *> &controls);

// Puts `control` last among the controls of `window` that Tab reaches.
void MoveToEnd(QWidget &window, QWidget &control);

} // namespace TabOrder

} // namespace vk220::ui
