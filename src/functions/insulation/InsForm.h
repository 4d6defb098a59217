#pragma once

#include "ui/PollingFunctionWindow.h"

class QStackedWidget;
class QTabBar;

namespace vk220::insulation {

class InsResPanel;
class InsVoltPanel;

// The insulation window: the resistance output page and the test-voltage page, chosen by a
// two-tab strip. Closing from the voltage page waits for the polling tick, so the window never
// unloads in the middle of a reading.
class InsForm final : public ui::PollingFunctionWindow {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("INSULATION RESISTANCE & TEST VOLTAGE");

    explicit InsForm(ui::FunctionContext &context);

protected:
    void OnLoad() override;
    bool OnEnterKey() override;

private:
    static constexpr int ResistancePage = 0;

    // The operator picked a tab: refused while the window closes, else the page changes once the
    // running action has ended.
    void TabChanged(int index);
    void SelectPage(int index);

    QTabBar *insTab;
    // The resistance page, then the voltage page, in the order of the tabs.
    QStackedWidget *pages;
    InsResPanel *insResPanel;
    InsVoltPanel *insVoltPanel;
};

} // namespace vk220::insulation
