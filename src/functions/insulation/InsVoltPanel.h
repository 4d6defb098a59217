#pragma once

#include <QFrame>

class ButtonArray;
class CommandQueue;
class FunctionWindow;
class MessageBoxes;
class PollingTimer;
class QLabel;

// The test-voltage page of the insulation window: five measuring ranges, the voltage reading
// polled every 500 ms, and the guard that keeps the range from changing under a dangerous
// voltage. The selected range is held only as the selected colour of its button.
class InsVoltPanel final : public QFrame {
    Q_OBJECT
public:
    InsVoltPanel(FunctionWindow &window, MessageBoxes &boxes, CommandQueue &queue, QWidget *parent);

    // Switches the adapter to range `index` and starts polling, unless the guard refuses.
    void SelectRange(int index);
    void StopPolling();
    // Polling runs, or a reading is under way.
    bool Busy() const;

    PollingTimer &InsVTimer() const { return *insVTimer; }
    ButtonArray &InsVBut() const { return *insVBut; }
    QLabel &InsVLab() const { return *insVLab; }
    QLabel &SampleLab() const { return *sampleLab; }

private:
    void ShowReading(double counts);

    MessageBoxes &boxes;
    CommandQueue &queue;
    ButtonArray *insVBut;
    QLabel *insVLab;
    QLabel *sampleLab;
    PollingTimer *insVTimer;
};
