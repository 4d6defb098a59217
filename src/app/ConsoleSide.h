#pragma once

#include "LinkObserver.h"

class ConsolePanel;
class FunctionArea;
class MessageBoxes;
struct ProgramState;

// The main window's side that faces the link: the console panel with the command traffic, the
// serial error box, the event step of a reply wait, and the return of a lost port.
class ConsoleSide final : public LinkObserver {
public:
    static inline const QString ReconnectedTitle = QStringLiteral("Calibrator Reconnected");

    // The panel is created here and belongs to the widget it is put in.
    ConsoleSide(ProgramState &state, MessageBoxes &boxes, FunctionArea &functions);
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

private:
    ProgramState &state;
    MessageBoxes &boxes;
    FunctionArea &functions;
    ConsolePanel *panel;
};
