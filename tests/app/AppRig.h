#pragma once

#include "app/MainForm.h"
#include "runner/Workstation.h"
#include "tests/support/FindControl.h"
#include "tests/support/FunctionRig.h"

#include <QDir>
#include <QTemporaryDir>

// The main window over a fake port, in a fresh current folder that the test may fill with
// "Settings.txt" and pictures.
struct AppRig : FunctionRig {
    AppRig() : previous(QDir::currentPath()) {
        QDir::setCurrent(folder.path());
        // The procedure runner keeps its results in the test's folder, not the user's.
        state.Kept<vk220::runner::Workstation>().storePath = folder.filePath("results.sqlite");
    }
    ~AppRig() { QDir::setCurrent(previous); }

    // Created on first use, so that a test can put files in the folder first.
    vk220::app::MainForm &Main() {
        if (!main)
            main = std::make_unique<vk220::app::MainForm>(state, boxes);
        return *main;
    }

    // What a function window is given when the main window opens it.
    vk220::ui::FunctionContext &MainContext() {
        if (!mainContext)
            mainContext = std::make_unique<vk220::ui::FunctionContext>(vk220::ui::FunctionContext{
                state, *Find<vk220::app::FunctionArea>(&Main(), "WorkArea"), boxes});
        return *mainContext;
    }

    QTemporaryDir folder;
    QString previous;
    std::unique_ptr<vk220::app::MainForm> main;
    std::unique_ptr<vk220::ui::FunctionContext> mainContext;
};
