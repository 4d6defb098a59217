#pragma once

#include "ui/PollingTimer.h"
#include "ui/logic/ReadingHistory.h"

#include <QString>

class QLabel;
class QWidget;

namespace vk220::ui {

class FunctionWindow;
class MessageBoxes;
class ReadingMarks;
class ReadingTools;

// What a measuring window polls with, made once for every such window: the 500 ms reading cycle
// (`PollingTimer`), the marks beside the reading (`ReadingMarks`: "SMPL" while a reading is under
// way, "NO REPLY") and the reading tools ("Trend", "Log...", `ReadingTools`) that each reading
// shown is recorded to, with whether it came with a reply and a number.
class Poller final {
public:
    struct Names {
        QString timer; // the timer's object name ("ReadTimer")
        QString log;   // the window in the log and in the proposed log file name ("DMM")
        QString title; // heads the trend window
    };

    // The marks and the tools are made as children of `parent`, beside `reading`; `cycle` shows
    // each reading.
    Poller(FunctionWindow &window, MessageBoxes &boxes, QLabel &reading, const Names &names,
           QWidget *parent, PollingTimer::Cycle cycle);

    void Start();
    void Stop();
    bool Active() const;

    // Records the reading the cycle has just shown; whether it came with a reply and held a
    // number is the cycle's own.
    void Record(ReadingHistory::Shown shown);

    QLabel &SampleLab() const;
    ReadingMarks &Marks() const { return *marks; }
    PollingTimer &Timer() const { return *timer; }
    ReadingTools &Readings() const { return *readings; }

private:
    ReadingMarks *marks;
    PollingTimer *timer;
    ReadingTools *readings;
};

} // namespace vk220::ui
