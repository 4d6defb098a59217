#include "ReadingLog.h"

#include "MessageBoxes.h"
#include "Reading.h"

#include <QDateTime>
#include <QStringList>

namespace {

// A field holding a comma, a quote or a line break is quoted, its quotes doubled.
QString Field(const QString &text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

bool ReadingLog::Start(const QString &path) {
    Stop();
    written = 0;
    file.setFileName(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        Fail();
        return false;
    }
    return Append(Header);
}

void ReadingLog::Stop() {
    file.close();
}

void ReadingLog::Write(const QDateTime &time, const QString &window,
                       const ReadingHistory::Range &range, const ReadingHistory::Sample &sample) {
    if (Active() && Append(Line(time, window, range, sample)))
        ++written;
}

QByteArray ReadingLog::Line(const QDateTime &time, const QString &window,
                            const ReadingHistory::Range &range,
                            const ReadingHistory::Sample &sample) {
    QStringList flags;
    if (sample.IsOverRange())
        flags.append(QStringLiteral("Over Range"));
    if (sample.IsRelative())
        flags.append(QStringLiteral("NULL"));
    if (sample.IsNoReply())
        flags.append(QStringLiteral("No Reply"));
    const QString value =
        sample.IsMeasured() ? Reading::Fixed(sample.value, range.decimals, QString()) : QString();
    // The offset makes the local time unambiguous across a change to or from summer time.
    const QDateTime local = time.toOffsetFromUtc(time.offsetFromUtc());
    const QStringList fields{local.toString(Qt::ISODateWithMs),
                             Field(window),
                             Field(range.caption),
                             value,
                             Field(range.unit),
                             flags.join(QLatin1Char(';'))};
    return fields.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

bool ReadingLog::Append(const QByteArray &line) {
    if (file.write(line) == line.size() && file.flush())
        return true;
    Fail();
    return false;
}

void ReadingLog::Fail() {
    const QString text = QStringLiteral("Logging has stopped: %1 could not be written.\r\r%2")
                             .arg(file.fileName(), file.errorString());
    // Closed before the box, whose wait services the next readings: they find no log.
    file.close();
    boxes.Warn(BoxTitle, text);
}
