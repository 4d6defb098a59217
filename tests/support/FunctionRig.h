#pragma once

#include "link/CalibratorLink.h"
#include "link/LinkObserver.h"
#include "tests/support/FakeSerialPort.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/VirtualClock.h"
#include "ui/FunctionContext.h"
#include "ui/FunctionHost.h"
#include "ui/logic/ProgramState.h"
#include "ui/logic/StatusNotices.h"

#include <QStringList>

#include <functional>

// Records what the main window's status bar is told: each change of the count of actions still
// to run, and the clicks not taken.
class RecordingNotices final : public vk220::ui::StatusNotices {
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
class FakeHost final : public vk220::ui::FunctionHost {
public:
    explicit FakeHost(vk220::link::Interlock &interlock) : interlock(interlock) {}

    int placed = 0;
    QList<bool> enabledCalls;
    RecordingNotices notices;

    void PlaceFunctionWindow(QWidget &) override { ++placed; }
    void ReleaseAdapter() override {
        for (const QString &line : ReleaseCommands)
            interlock.Send(vk220::link::Interlock::Shell, line);
    }
    void SetFunctionControlsEnabled(bool enabled) override { enabledCalls.append(enabled); }
    bool IsWindowOpen(const QString &) const override { return false; }
    void CloseCurrentFunction() override {}
    vk220::ui::StatusNotices &Notices() override { return notices; }

private:
    vk220::link::Interlock &interlock;
};

// Services window events during reply waits, as the main window does, and counts serial errors.
class PumpingObserver final : public vk220::link::LinkObserver {
public:
    QStringList errors;
    bool ConsoleVisible() const override { return false; }
    void ConsoleAppend(const QString &) override {}
    void ConsoleSelectLast() override {}
    void ShowSerialError(const QString &description) override { errors.append(description); }
    void ProcessEvents() override;
    bool PortRestored() override { return true; }
    void LineWritten(const QString &) override {}
    void ExchangeEnded(const vk220::link::ExchangeReport &) override {}
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
    vk220::link::CalibratorLink link{port, clock};
    vk220::ui::ProgramState state{link};
    RecordingMessageBoxes boxes;
    FakeHost host{state.interlock};
    PumpingObserver observer;
    vk220::ui::FunctionContext context{state, host, boxes};
};
