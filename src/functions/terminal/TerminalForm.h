#pragma once

#include "FunctionWindow.h"
#include "ProgramState.h"

class CalibratorDisplay;
class QCheckBox;
class QPushButton;
class TerminalKeypad;
class TerminalSelector;
struct PanelPlan;
struct PanelState;

// The terminal / coil switching window, a front panel like the calibrator's own: the operator
// keys a voltage or current, and the window chooses the range, the terminals or a clamp coil and
// sets the output. The window reads its state back from its controls before every action, has
// the panel planner turn the action into ordered steps, and carries them out at once.
class TerminalForm final : public FunctionWindow {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("TERMINAL / COIL SWITCHING");
    // Present while "Autoset Output ON" is unchecked, and while "Range Autoselect" is.
    static inline const QString AutoOnFile = QStringLiteral("AutoON.dat");
    static inline const QString AutoRangeFile = QStringLiteral("AutoRange.dat");

    explicit TerminalForm(FunctionContext &context);

    // The window keeps its own face, never the function background picture.
    bool TakesFunctionBackground() const override { return false; }

    TerminalKeypad &Keypad() const { return *keypad; }
    TerminalSelector &Selector() const { return *selector; }
    CalibratorDisplay &Readouts() const { return *readouts; }
    QPushButton &ONBut() const { return *onBut; }
    QPushButton &OffBut() const { return *offBut; }
    QCheckBox &AutoCheck() const { return *autoCheck; }
    QCheckBox &AutoRange() const { return *autoRange; }

protected:
    void OnLoad() override;
    void OnUnload() override;

private:
    void BuildLayout();
    PanelState ReadState() const;
    // Shared with every later opening of the window: the range the calibrator was last set to.
    QString &LastRangeCommand() { return context.state.LastRangeCommand; }
    void Carry(const PanelPlan &plan);
    void PressKey(int index);
    void AutoCheckClicked(bool checked);
    void AutoRangeClicked(bool checked);

    TerminalKeypad *keypad;
    TerminalSelector *selector;
    CalibratorDisplay *readouts;
    QPushButton *onBut;
    QPushButton *offBut;
    QCheckBox *autoCheck;
    QCheckBox *autoRange;
};
