#pragma once

#include <QFrame>

class ButtonArray;
class FunctionWindow;
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
    InsVoltPanel(FunctionWindow &window, MessageBoxes &boxes);

    // Switches the adapter to range `index` and starts polling, unless the guard refuses.
    void SelectRange(int index);
    void StopPolling();
    bool Polling() const;

private:
    void ShowReading(double counts);

    FunctionWindow &window;
    MessageBoxes &boxes;
    ButtonArray *insVBut;
    QLabel *insVLab;
    ReadingMarks *marks;
    PollingTimer *insVTimer;
    ReadingTools *readings;
};
