#pragma once

#include "ui/logic/ReadingHistory.h"
#include "ui/logic/ReadingLog.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace vk220::ui {

class FunctionWindow;
class MessageBoxes;
class TrendWindow;

// What a polling window offers on the readings it shows: "Trend" opens or closes its trend window,
// "Log..." writes each reading to a CSV file the operator picks ("Stop Log" ends it). A log is
// proposed a name of its own in the current folder, the window's name and the time
// ("DMM-2026-12-10-0415.csv"), and ".csv" is added to a name typed without a suffix. While it
// runs, "● LOG" stands beside the buttons with the file as its tooltip; closing the window ends it
// and says where the readings went and how many. The window hands over every reading where it
// displays it; nothing here talks to the calibrator.
class ReadingTools final : public QWidget {
    Q_OBJECT
public:
    // `name` names the window in the log and in the proposed file name; `title` heads the trend
    // window. `window` is the function window whose unload ends the log.
    ReadingTools(FunctionWindow &window, const QString &name, const QString &title,
                 MessageBoxes &boxes, QWidget *parent);
    ~ReadingTools() override;

    // One reading as the window has just shown it.
    void Record(const ReadingHistory::Shown &shown);
    // The NULL offset the window has just taken, as its display would show it: a line of the log
    // says so (the NULL readings that follow start a series of their own).
    void RecordNullOffset(const ReadingHistory::Shown &offset);

    // Tests put a virtual clock, a fixed time of day and a chosen file in place of the operator's.
    std::function<double()> monotonicSeconds;
    std::function<QDateTime()> timeOfDay;
    // Asks for the log file, offering `proposed`; empty when the operator cancels.
    std::function<QString(const QString &proposed)> chooseLogFile;

    ReadingHistory &History() { return history; }
    ReadingLog &Log() { return log; }
    // The trend window, once "Trend" has opened it.
    TrendWindow *Trend() const { return trend; }

private:
    void ShowTrend(bool shown);
    void StartOrStopLog();
    // The file proposed for a new log: the window's name and the time, in the current folder.
    QString ProposedLogFile() const;
    // The window has closed: a log still open ends, and the operator is told where it went.
    void EndLogWithWindow();
    void ShowLogState();

    QElapsedTimer uptime;
    QString windowName;
    QString title;
    MessageBoxes &boxes;
    ReadingHistory history;
    ReadingLog log;
    QPushButton *trendBut;
    QPushButton *logBut;
    // "● LOG", shown while a log is written.
    QLabel *logLab;
    TrendWindow *trend = nullptr;
};

} // namespace vk220::ui
