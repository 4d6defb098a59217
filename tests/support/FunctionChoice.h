#pragma once

#include "ButtonArray.h"
#include "MainForm.h"

#include <QAction>
#include <QPushButton>

// The main window's function choice, read back for scenario tests (which link the application).
inline bool FunctionChoiceIs(const MainForm &main, bool enabled) {
    for (int i = 0; i < 7; ++i) {
        if (main.FuncBut().At(i)->isEnabled() != enabled ||
            main.FunctionMenuItem().at(i)->isEnabled() != enabled)
            return false;
    }
    return true;
}

inline bool FunctionChoiceEnabled(const MainForm &main) {
    return FunctionChoiceIs(main, true);
}
inline bool FunctionChoiceDisabled(const MainForm &main) {
    return FunctionChoiceIs(main, false);
}
