#pragma once

#include "functions/terminal/logic/Guidance.h"
#include "functions/terminal/widgets/TerminalView.h"
#include "ui/FunctionWindow.h"

class QCheckBox;
class QPushButton;

namespace vk220::terminal {

class CalibratorDisplay;
class TerminalKeypad;
class TerminalSelector;
struct PanelState;

// The terminal / coil switching window, a front panel like the calibrator's own: the operator
// keys a voltage or current, and the window chooses the range, the terminals or a clamp coil and
// sets the output. The window reads its state back from its controls before every action, has
// the panel planner turn the action into ordered steps, and carries them out at once; its view
// (TerminalView) does the reading back and the carrying out over the controls.
class TerminalForm final : public ui::FunctionWindow {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("TERMINAL / COIL SWITCHING");
    // Present while "Autoset Output ON" is unchecked, and while "Range Autoselect" is.
    static inline const QString AutoOnFile = QStringLiteral("AutoON.dat");
    static inline const QString AutoRangeFile = QStringLiteral("AutoRange.dat");

    explicit TerminalForm(ui::FunctionContext &context);

    // The window keeps its own face, never the function background picture.
    bool TakesFunctionBackground() const override { return false; }

protected:
    void OnLoad() override;
    void OnUnload() override;

private:
    void BuildLayout();
    // The panel as it stands, with the autoset box as the running action was asked for.
    PanelState ReadState() const;
    void PressKey(int index);
    void AutoCheckClicked(bool checked);
    void AutoRangeClicked(bool checked);
    // The action, run with the autoset box as it stood when the operator asked for it: an ENTER
    // waiting while the box is ticked sets the output as the operator saw the box. The guidance
    // line and the output marker then show what the action left.
    ui::ActionQueue::Action AsAsked(ui::ActionQueue::Action action);
    // The guidance line under the entry, from the panel as it stands.
    void ShowGuidance();

    TerminalKeypad *keypad;
    TerminalSelector *selector;
    CalibratorDisplay *readouts;
    QPushButton *onBut;
    QPushButton *offBut;
    QCheckBox *autoCheck;
    QCheckBox *autoRange;
    TerminalView view;
    // The autoset box as the running action was asked for.
    bool autosetAsked = true;
    // What the last action did that the guidance line explains.
    Guidance::Note note = Guidance::Note::None;
};

} // namespace vk220::terminal
