#pragma once

#include "CalibratorLink.h"
#include "FakeSerialPort.h"
#include "FunctionContext.h"
#include "FunctionHost.h"
#include "LinkObserver.h"
#include "ProgramState.h"
#include "RecordingMessageBoxes.h"
#include "StatusNotices.h"
#include "VirtualClock.h"

#include <QStringList>

#include <functional>

// Records what the main window's status bar is told: each change of the count of actions still
// to run, and the clicks not taken.
class RecordingNotices final : public StatusNotices {
public:
    QList<int> pending;
    QStringList refused;

    void ShowPending(int actions) override {
        if (pending.isEmpty() || pending.last() != actions)
            pending.append(actions);
    }
    void ShowRefused(const QString &message) override { refused.append(message); }
};

// Stands in for the main window: records what a function window asks of it, and sends the real
// release sequence through the link so that tests see every line in order.
class FakeHost final : public FunctionHost {
public:
    explicit FakeHost(Interlock &interlock) : interlock(interlock) {}

    int placed = 0;
    QList<bool> enabledCalls;
    RecordingNotices notices;

    void PlaceFunctionWindow(QWidget &) override { ++placed; }
    void ReleaseAdapter() override {
        for (const QString &line : ReleaseCommands)
            interlock.Send(Interlock::Shell, line);
    }
    void SetFunctionControlsEnabled(bool enabled) override { enabledCalls.append(enabled); }
    bool IsWindowOpen(const QString &) const override { return false; }
    void CloseCurrentFunction() override {}
    StatusNotices &Notices() override { return notices; }

private:
    Interlock &interlock;
};

// Services window events during reply waits, as the main window does, and counts serial errors.
class PumpingObserver final : public LinkObserver {
public:
    QStringList errors;
    bool ConsoleVisible() const override { return false; }
    void ConsoleAppend(const QString &) override {}
    void ConsoleSelectLast() override {}
    void ShowSerialError(const QString &description) override { errors.append(description); }
    void ProcessEvents() override;
    bool PortRestored() override { return true; }
    void LineWritten(const QString &) override {}
    void ExchangeEnded(const ExchangeReport &) override {}
};

// A function window's whole world: link on a fake port and a virtual clock, program state,
// recorded message boxes and a fake host.
struct FunctionRig {
    FunctionRig();

    // The lines written since the last call.
    QStringList TakeWritten();
    // Runs `action` as an event serviced while the reply to the first `line` written from now on
    // is awaited, as a click during that exchange would be.
    void DuringReplyTo(const QString &line, std::function<void()> action);

    VirtualClock clock;
    FakeSerialPort port{clock};
    CalibratorLink link{port, clock};
    ProgramState state{link};
    RecordingMessageBoxes boxes;
    FakeHost host{state.interlock};
    PumpingObserver observer;
    FunctionContext context{state, host, boxes};
};
