#pragma once

#include <QString>

#include <array>
#include <functional>

class FunctionWindow;
struct FunctionContext;

// One row of the main window's function choice: the button of FuncBut and the item of the
// Function menu with the same index, and what they open.
struct FunctionEntry {
    QString buttonCaption;
    QString menuCaption;
    // The title by which the open window is recognised.
    QString title;
    // The value of CurrentFunction while the window is the current function; empty for the
    // rows that are not function windows.
    QString code;
    // Creates the window; empty while the window does not exist, so the choice does nothing.
    std::function<FunctionWindow *(FunctionContext &)> create;
};

namespace FunctionTable {

constexpr int Count = 8;
constexpr int DiagramIndex = 6;
// The environmental measurement row: its button is hidden and its item cannot be chosen.
constexpr int HiddenIndex = 7;

const std::array<FunctionEntry, Count> &Entries();

} // namespace FunctionTable
