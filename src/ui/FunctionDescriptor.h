#pragma once

#include <QString>

namespace vk220::ui {

class FunctionWindow;
struct FunctionContext;

// All the main window knows of one function: its row in the function table, the button of
// FuncBut and the item of the Function menu with the same index, and the window they open. Each
// function folder exports one.
struct FunctionDescriptor {
    using Factory = FunctionWindow *(*)(FunctionContext &context);

    // The factory of a window class constructed from the context alone.
    template <typename Window> static FunctionWindow *Create(FunctionContext &context) {
        return new Window(context);
    }

    QString buttonCaption;
    QString menuCaption;
    // The title of the window the row opens, by which the open window is found: the window
    // class's own Title, so that a renamed window is still found.
    QString title;
    // The function's one name: the key by which the table finds the row, the name its readings
    // are logged under, and the value of CurrentFunction while its window is open.
    QString code;
    // Creates the window; null for a row whose window does not exist.
    Factory create = nullptr;
    // The window reads the calibrator on a timer, and its close waits for the next reading.
    bool polls = false;
    // The row's button is hidden and its menu item cannot be chosen.
    bool hidden = false;
    // Opening the window makes it the current function (CurrentFunction), the one that holds the
    // calibrator's settings; not for a window that sends nothing, which leaves it as it was.
    bool becomesCurrent = true;
};

} // namespace vk220::ui
