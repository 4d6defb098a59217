#pragma once

#include "link/LinkObserver.h"

namespace vk220::ui {
class MessageBoxes;
struct ProgramState;
} // namespace vk220::ui

namespace vk220::app {

class ConsolePanel;
class FunctionArea;
class MainStatusBar;

// The main window's side that faces the link: the console panel with the command traffic, the
// serial error box, the event step of a reply wait, the return of a lost port, and the traffic
// passed on to the status bar.
class ConsoleSide final : public link::LinkObserver {
public:
    static inline const QString ReconnectedTitle = QStringLiteral("Calibrator Reconnected");

    // The panel is created here and belongs to the widget it is put in.
    ConsoleSide(ui::ProgramState &state, ui::MessageBoxes &boxes, FunctionArea &functions,
                MainStatusBar &status);
    ~ConsoleSide() override;
    ConsoleSide(const ConsoleSide &) = delete;
    ConsoleSide &operator=(const ConsoleSide &) = delete;

    ConsolePanel &Panel() const { return *panel; }
    // Shows the panel (and the dock it sits in) when hidden, hides it when shown.
    void Toggle();

    bool ConsoleVisible() const override;
    void ConsoleAppend(const QString &entry) override;
    void ConsoleSelectLast() override;
    void ShowSerialError(const QString &description) override;
    void ProcessEvents() override;
    // Puts the calibrator under computer control again; a function window that missed its
    // settings while the port was lost is abandoned, and the operator is told why.
    bool PortRestored() override;
    void LineWritten(const QString &line) override;
    void ExchangeEnded(const link::ExchangeReport &report) override;

private:
    ui::ProgramState &state;
    ui::MessageBoxes &boxes;
    FunctionArea &functions;
    MainStatusBar &status;
    ConsolePanel *panel;
};

} // namespace vk220::app
