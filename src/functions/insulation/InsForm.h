#pragma once

#include "CommandQueue.h"
#include "FunctionWindow.h"

class InsResPanel;
class InsVoltPanel;
class QTabBar;

// The insulation window: the resistance output page and the test-voltage page, chosen by a
// two-tab strip. Closing from the voltage page waits for the polling tick, so the window never
// unloads in the middle of a reading.
class InsForm final : public FunctionWindow {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("INSULATION RESISTANCE & TEST VOLTAGE");

    explicit InsForm(FunctionContext &context);

    void CloseOnRequest() override;

    QTabBar &InsTab() const { return *insTab; }
    InsResPanel &ResPanel() const { return *insResPanel; }
    InsVoltPanel &VoltPanel() const { return *insVoltPanel; }

protected:
    void OnLoad() override;
    void OnUnload() override;
    bool OnEnterKey() override;

private:
    static constexpr int ResistancePage = 0;

    void SelectPage(int index);
    // A close asked for on the voltage page that no polling tick will carry out any more.
    void HonourPendingClose();

    CommandQueue queue;
    QTabBar *insTab;
    InsResPanel *insResPanel;
    InsVoltPanel *insVoltPanel;
};
