#pragma once

#include "functions/terminal/logic/PanelView.h"

class QCheckBox;
class QPushButton;

namespace vk220::ui {
class FunctionWindow;
struct FunctionContext;
} // namespace vk220::ui

namespace vk220::terminal {

class CalibratorDisplay;
class TerminalKeypad;
class TerminalSelector;
struct PanelPlan;
struct PanelState;

// The terminal window's controls as the panel planner sees them: read back as the state an action
// is planned from, and acted on by the plan's steps. The view keeps the part of the state that no
// control shows; the window owns the controls and wires the operator's actions.
class TerminalView final : public PanelView {
public:
    // The controls the view reads and writes; all of them belong to `window`.
    struct Parts {
        TerminalKeypad &keypad;
        TerminalSelector &selector;
        CalibratorDisplay &readouts;
        QPushButton &onBut;
        QPushButton &offBut;
        QCheckBox &autoCheck;
    };

    TerminalView(ui::FunctionWindow &window, ui::FunctionContext &context, const Parts &parts);

    // The panel as it stands, with the autoset box as the running action was asked for.
    PanelState ReadState(bool autosetAsked) const;
    // Records the state the plan leaves, then carries out its steps in order while the window
    // is open.
    void Carry(const PanelPlan &plan);
    // The output marker beside the readout, from what the calibrator was last told.
    void ShowOutputState();

private:
    void SendLine(const QString &line) override;
    void ShowBox(const InformBox &box) override;
    void ShowSelection(OutputPoint point, bool stopFlashing) override;
    void ShowOutputOn(bool on) override;
    void SetEntry(const QString &text) override;
    void SetCalOutput(const QString &text) override;
    void SetDisplay(const QString &text) override;
    void SetFrequency(const QString &text) override;
    void AddHistory(const QString &text) override;
    void SetAutosetBox(bool enabled, const QString &caption) override;
    void SetPlusMinusEnabled(bool enabled) override;
    void SetEnterBold(bool bold) override;
    void SetEnterEnabled(bool enabled) override;
    void SetCoilSelectPending(bool pending) override;
    void OfferCurrentPaths(const QList<int> &enabled, bool reselect) override;

    ui::FunctionWindow &window;
    ui::FunctionContext &context;
    Parts parts;
    // The plan's state that no control shows: a picked current path waits for ENTER, and the
    // exact value the readout shows rounded.
    bool outputUnset = false;
    double outputValue = 0.0;
    // The entry line as the running action last left it.
    QString entryTaken;
};

} // namespace vk220::terminal
