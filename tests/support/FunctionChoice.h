#pragma once

#include "app/FunctionTable.h"
#include "app/MainForm.h"
#include "tests/support/FindControl.h"

#include <QAction>
#include <QPushButton>

// The main window's function choice, read back for scenario tests (which link the application).

// The row of the function `code` in the function table.
inline int FunctionRow(const QString &code) {
    const int row = vk220::app::FunctionTable::IndexOf(code);
    if (row < 0)
        qFatal("no function %s in the function table", qPrintable(code));
    return row;
}

inline QPushButton *FunctionButton(const vk220::app::MainForm &main, const QString &code) {
    return Find<QPushButton>(&main, QStringLiteral("FuncBut"), FunctionRow(code));
}

inline QAction *FunctionMenuItem(const vk220::app::MainForm &main, const QString &code) {
    return Find<QAction>(&main, QStringLiteral("FunctionMenuItem"), FunctionRow(code));
}

// Whether every row that can be chosen (not hidden) has its button and its menu item enabled, or
// every one disabled.
inline bool FunctionChoiceIs(const vk220::app::MainForm &main, bool enabled) {
    const auto &entries = vk220::app::FunctionTable::Entries();
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i]->hidden)
            continue;
        if (Find<QPushButton>(&main, QStringLiteral("FuncBut"), i)->isEnabled() != enabled ||
            Find<QAction>(&main, QStringLiteral("FunctionMenuItem"), i)->isEnabled() != enabled)
            return false;
    }
    return true;
}

inline bool FunctionChoiceEnabled(const vk220::app::MainForm &main) {
    return FunctionChoiceIs(main, true);
}
inline bool FunctionChoiceDisabled(const vk220::app::MainForm &main) {
    return FunctionChoiceIs(main, false);
}
