#pragma once

#include "PollingFunctionWindow.h"

#include <QFrame>

class ButtonArray;
class MessageBoxes;
class PollingTimer;
class QLabel;
class ReadingMarks;
class ReadingTools;

// The test-voltage page of the insulation window: five measuring ranges, the voltage reading
// polled every 500 ms, and the guard that keeps the range from changing under a dangerous
// voltage. The selected range is held only as the selected colour of its button. A range click is
// one of the window's actions, so it never lands between a reading and its display.
class InsVoltPanel final : public QFrame {
    Q_OBJECT
public:
    // Polls with the window's poller, which it makes.
    InsVoltPanel(PollingFunctionWindow &window, MessageBoxes &boxes);

    // Switches the adapter to range `index` and starts polling, unless the guard refuses.
    void SelectRange(int index);
    void StopPolling();

private:
    void ShowReading(double counts);

    PollingFunctionWindow &window;
    MessageBoxes &boxes;
    ButtonArray *insVBut;
    QLabel *insVLab;
};
