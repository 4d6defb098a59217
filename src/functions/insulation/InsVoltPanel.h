#pragma once

#include "ui/PollingFunctionWindow.h"

#include <QFrame>

class QLabel;

namespace vk220::ui {
class ButtonArray;
class MessageBoxes;
class PollingTimer;
class ReadingMarks;
class ReadingTools;
} // namespace vk220::ui

namespace vk220::insulation {

// The test-voltage page of the insulation window: five measuring ranges, the voltage reading
// polled every 500 ms, and the guard that keeps the range from changing under a dangerous
// voltage. The selected range is held only as the selected colour of its button. A range click is
// one of the window's actions, so it never lands between a reading and its display.
class InsVoltPanel final : public QFrame {
    Q_OBJECT
public:
    // Polls with the window's poller, which it makes.
    InsVoltPanel(ui::PollingFunctionWindow &window, ui::MessageBoxes &boxes);

    // Switches the adapter to range `index` and starts polling, unless the guard refuses.
    void SelectRange(int index);
    void StopPolling();

private:
    void ShowReading(double counts);

    ui::PollingFunctionWindow &window;
    ui::MessageBoxes &boxes;
    ui::ButtonArray *insVBut;
    QLabel *insVLab;
};

} // namespace vk220::insulation
