#pragma once

#include "ReadingHistory.h"

#include <QFile>

class MessageBoxes;
class QDateTime;

// Writes a polling window's readings to a CSV file of the operator's choice, one line a reading,
// flushed line by line so that every reading shown is on disk even if the program is killed.
// A write that fails (a full disk, a removed drive) ends the log with one message box; the window
// carries on polling.
class ReadingLog {
public:
    static inline const QByteArray Header = "Time,Window,Range,Value,Unit,Flags\r\n";
    static inline const QString BoxTitle = QStringLiteral("Reading Log");

    explicit ReadingLog(MessageBoxes &boxes) : boxes(boxes) {}

    // Creates (or empties) `path` and writes the header; false, after the box, when it cannot.
    bool Start(const QString &path);
    void Stop();
    bool Active() const { return file.isOpen(); }
    QString Path() const { return file.fileName(); }
    // The readings written since the log started.
    int Written() const { return written; }

    // Appends one reading, `sample` of `range`, shown in `window` at `time`.
    void Write(const QDateTime &time, const QString &window, const ReadingHistory::Range &range,
               const ReadingHistory::Sample &sample);

    // The line for one reading: local time in ISO 8601 with milliseconds and the UTC offset,
    // the window, the range, the value with the display's decimals (empty when over range or
    // without a reply), the unit and the flags ("Over Range", "NULL", "No Reply", joined by ";").
    static QByteArray Line(const QDateTime &time, const QString &window,
                           const ReadingHistory::Range &range,
                           const ReadingHistory::Sample &sample);

private:
    bool Append(const QByteArray &line);
    void Fail();

    MessageBoxes &boxes;
    QFile file;
    int written = 0;
};
