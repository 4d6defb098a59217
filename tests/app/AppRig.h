#pragma once

#include "FindControl.h"
#include "FunctionRig.h"
#include "MainForm.h"

#include <QDir>
#include <QTemporaryDir>

// The main window over a fake port, in a fresh current folder that the test may fill with
// "Settings.txt" and pictures.
struct AppRig : FunctionRig {
    AppRig() : previous(QDir::currentPath()) { QDir::setCurrent(folder.path()); }
    ~AppRig() { QDir::setCurrent(previous); }

    // Created on first use, so that a test can put files in the folder first.
    MainForm &Main() {
        if (!main)
            main = std::make_unique<MainForm>(state, boxes);
        return *main;
    }

    // What a function window is given when the main window opens it.
    FunctionContext &MainContext() {
        if (!mainContext)
            mainContext = std::make_unique<FunctionContext>(
                FunctionContext{state, *Find<FunctionArea>(&Main(), "WorkArea"), boxes});
        return *mainContext;
    }

    QTemporaryDir folder;
    QString previous;
    std::unique_ptr<MainForm> main;
    std::unique_ptr<FunctionContext> mainContext;
};
