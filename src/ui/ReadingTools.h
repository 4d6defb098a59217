#pragma once

#include "ReadingHistory.h"
#include "ReadingLog.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QWidget>

#include <functional>

class MessageBoxes;
class QPushButton;
class TrendWindow;

// What a polling window offers on the readings it shows: "Trend" opens or closes its trend window,
// "Log..." writes each reading to a CSV file the operator picks ("Stop Log" ends it). The window
// hands over every reading where it displays it; nothing here talks to the calibrator.
class ReadingTools final : public QWidget {
    Q_OBJECT
public:
    // `window` names the window in the log; `title` heads the trend window.
    ReadingTools(const QString &window, const QString &title, MessageBoxes &boxes, QWidget *parent);
    ~ReadingTools() override;

    // One reading as the window has just shown it.
    void Record(const ReadingHistory::Shown &shown);

    // Tests put a virtual clock, a fixed time of day and a chosen file in place of the operator's.
    std::function<double()> monotonicSeconds;
    std::function<QDateTime()> timeOfDay;
    std::function<QString()> chooseLogFile;

    ReadingHistory &History() { return history; }
    ReadingLog &Log() { return log; }
    QPushButton &TrendBut() const { return *trendBut; }
    QPushButton &LogBut() const { return *logBut; }
    // The trend window, once "Trend" has opened it.
    TrendWindow *Trend() const { return trend; }

private:
    void ShowTrend(bool shown);
    void StartOrStopLog();
    void ShowLogState();

    QElapsedTimer uptime;
    QString windowName;
    QString title;
    ReadingHistory history;
    ReadingLog log;
    QPushButton *trendBut;
    QPushButton *logBut;
    TrendWindow *trend = nullptr;
};
