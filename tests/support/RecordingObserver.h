#pragma once

#include "link/ExchangeReport.h"
#include "link/LinkObserver.h"

#include <QStringList>

#include <functional>

// Records what the link shows the operator; runs a scripted action at the first event step.
class RecordingObserver final : public vk220::link::LinkObserver {
public:
    bool consoleShown = false;
    QStringList console;
    int selectedRow = -1;
    QStringList errors;
    std::function<void()> duringWait;
    std::function<void()> duringError;

    bool ConsoleVisible() const override { return consoleShown; }
    void ConsoleAppend(const QString &entry) override { console.append(entry); }
    void ConsoleSelectLast() override { selectedRow = static_cast<int>(console.size()) - 1; }
    void ShowSerialError(const QString &description) override {
        errors.append(description);
        if (duringError)
            std::exchange(duringError, nullptr)();
    }
    void ProcessEvents() override {
        if (duringWait)
            std::exchange(duringWait, nullptr)();
    }
    bool PortRestored() override {
        ++restored;
        return passAfterRestore;
    }

    void LineWritten(const QString &line) override { linesWritten.append(line); }
    void ExchangeEnded(const vk220::link::ExchangeReport &report) override {
        reports.append(report);
    }

    int restored = 0;
    bool passAfterRestore = true;
    QStringList linesWritten;
    QList<vk220::link::ExchangeReport> reports;
};
