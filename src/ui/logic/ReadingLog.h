#pragma once

#include "ui/logic/ReadingHistory.h"

#include <QFile>
#include <QStringList>

class QDateTime;

namespace vk220::ui {

class MessageBoxes;

// Writes a polling window's readings to a CSV file of the operator's choice, one line a reading,
// written unbuffered, line by line, so that every reading shown is on disk even if the program is
// killed. A write that fails (a full disk, a removed drive) ends the log with one message box, the
// file cut back to its last whole line; so does a file deleted or replaced by another one while
// the log runs, which is checked before every line. The window carries on polling.
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

    // Appends one reading, `shown` in `window` at `time`.
    void Write(const QDateTime &time, const QString &window, const ReadingHistory::Shown &shown);
    // Appends the NULL offset just taken, `offset` as the display would show it.
    void WriteNullOffset(const QDateTime &time, const QString &window,
                         const ReadingHistory::Shown &offset);

    // The line for one reading: local time in ISO 8601 with milliseconds and the UTC offset
    // ("+00:00" at UTC too), the window, the range, the number exactly as the display shows it
    // (empty when over range or without a reply), the unit and the flags ("Over Range", "NULL",
    // "No Reply", "No Number", joined by ";").
    static QByteArray Line(const QDateTime &time, const QString &window,
                           const ReadingHistory::Shown &shown);
    // The line for a NULL offset: as a reading's, flagged "NULL Offset".
    static QByteArray NullOffsetLine(const QDateTime &time, const QString &window,
                                     const ReadingHistory::Shown &offset);

private:
    // A reading's line with `marks` after its own flags.
    static QByteArray Compose(const QDateTime &time, const QString &window,
                              const ReadingHistory::Shown &shown, const QStringList &marks);
    bool Append(const QByteArray &line);
    // Whether the open file is still the one at its path.
    bool StillThere() const;
    void Fail(const QString &reason);

    MessageBoxes &boxes;
    QFile file;
    int written = 0;
};

} // namespace vk220::ui
