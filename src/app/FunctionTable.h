#pragma once

#include <QString>

#include <array>
#include <functional>

class QWidget;
struct FunctionContext;

// One row of the main window's function choice: the button of FuncBut and the item of the
// Function menu with the same index, and the window they open.
struct FunctionEntry {
    QString buttonCaption;
    QString menuCaption;
    // The title of the window the row opens, by which the open window is found: the window
    // class's own Title, so that a renamed window is still found.
    QString title;
    // The value of CurrentFunction while the window is the current function; empty for the
    // rows that are not function windows.
    QString code;
    // The row's button is hidden and its menu item cannot be chosen.
    bool hidden = false;
    // Creates the window; empty for a row whose window does not exist.
    std::function<QWidget *(FunctionContext &)> create;
};

namespace FunctionTable {

constexpr int Count = 8;

const std::array<FunctionEntry, Count> &Entries();

} // namespace FunctionTable
