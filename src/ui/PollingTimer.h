#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace vk220::ui {

class FunctionWindow;
class ReadingMarks;

// The 500 ms reading cycle of the measuring windows. Each tick shows the sample indicator, asks
// the calibrator for its reading ("v"), hands the counts to the window, marks the reading "NO
// REPLY" when none came (or clears the mark), hides the indicator again and then honours the
// deferred-close marker, so a window waiting for its reading is closed only after that exchange.
// A tick is one of the window's actions: one that falls due while another action (or the
// previous reading) still waits for its reply is skipped, and an operator's range change waits
// until the reading under way has been shown.
class PollingTimer : public QObject {
    Q_OBJECT
public:
    using Cycle = std::function<void(double counts)>;

    static constexpr int IntervalMs = 500;

    PollingTimer(const QString &name, FunctionWindow &window, ReadingMarks &marks, Cycle cycle);

    // Not once the window has unloaded: a set-up cut short by the close ends without reading.
    void Start();
    void Stop();
    bool IsActive() const { return timer.isActive(); }
    int Interval() const { return timer.interval(); }

    // One tick; tests call it instead of waiting for the timer.
    void Tick();
    // Whether the reading the cycle is showing came with a reply: without one (silence, a lost
    // port, offline mode) its counts are 0 read from nothing.
    bool Answered() const { return answered; }
    // Whether the reply held a number: a reply without one reads as 0 counts as well.
    bool Numbered() const { return numbered; }

private:
    void Read();

    QTimer timer;
    FunctionWindow &window;
    ReadingMarks &marks;
    Cycle cycle;
    bool answered = false;
    bool numbered = false;
};

} // namespace vk220::ui
