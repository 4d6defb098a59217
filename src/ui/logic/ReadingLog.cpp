#include "ui/logic/ReadingLog.h"

#include "ui/logic/MessageBoxes.h"

#include <QDateTime>
#include <QFileInfo>
#include <QStringList>

#include <cstdlib>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace vk220::ui {

namespace {

// Local time with milliseconds and the offset from UTC, which makes it unambiguous across a
// change to or from summer time; written "+00:00" at UTC as at any other offset.
QString Stamp(const QDateTime &time) {
    const int offset = time.offsetFromUtc();
    const QDateTime local = time.toOffsetFromUtc(offset);
    const int minutes = std::abs(offset) / 60;
    return local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")) +
           QLatin1Char(offset < 0 ? '-' : '+') +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

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
    // Unbuffered: what a write reports is what reached the file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        Fail(file.errorString());
        return false;
    }
    return Append(Header);
}

void ReadingLog::Stop() {
    file.close();
}

void ReadingLog::Write(const QDateTime &time, const QString &window,
                       const ReadingHistory::Shown &shown) {
    if (Active() && Append(Line(time, window, shown)))
        ++written;
}

void ReadingLog::WriteNullOffset(const QDateTime &time, const QString &window,
                                 const ReadingHistory::Shown &offset) {
    if (Active())
        Append(NullOffsetLine(time, window, offset));
}

QByteArray ReadingLog::Line(const QDateTime &time, const QString &window,
                            const ReadingHistory::Shown &shown) {
    return Compose(time, window, shown, QStringList());
}

QByteArray ReadingLog::NullOffsetLine(const QDateTime &time, const QString &window,
                                      const ReadingHistory::Shown &offset) {
    return Compose(time, window, offset, {QStringLiteral("NULL Offset")});
}

QByteArray ReadingLog::Compose(const QDateTime &time, const QString &window,
                               const ReadingHistory::Shown &shown, const QStringList &marks) {
    QStringList flags;
    if (shown.overRange)
        flags.append(QStringLiteral("Over Range"));
    if (shown.relative)
        flags.append(QStringLiteral("NULL"));
    if (shown.noReply)
        flags.append(QStringLiteral("No Reply"));
    else if (shown.noNumber)
        flags.append(QStringLiteral("No Number"));
    flags.append(marks);
    const QString value = shown.overRange || shown.noReply ? QString() : shown.Number();
    const QStringList fields{Stamp(time),  Field(window),     Field(shown.range),
                             Field(value), Field(shown.unit), flags.join(QLatin1Char(';'))};
    return fields.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

bool ReadingLog::Append(const QByteArray &line) {
    if (!StillThere()) {
        Fail(QStringLiteral("The file was deleted or replaced by another one."));
        return false;
    }
    const qint64 start = file.pos();
    for (qint64 done = 0; done < line.size();) {
        const qint64 now = file.write(line.constData() + done, line.size() - done);
        if (now <= 0) {
            // Cut back to the last whole line, so that the file ends as a CSV file should.
            const QString reason = file.errorString();
            file.resize(start);
            Fail(reason);
            return false;
        }
        done += now;
    }
    return true;
}

bool ReadingLog::StillThere() const {
#ifdef Q_OS_UNIX
    struct stat open {};
    struct stat named {};
    return fstat(file.handle(), &open) == 0 &&
           stat(QFile::encodeName(file.fileName()).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
#else
    // Elsewhere a file open for writing can be neither deleted nor replaced.
    return QFileInfo::exists(file.fileName());
#endif
}

void ReadingLog::Fail(const QString &reason) {
    const QString text = QStringLiteral("Logging has stopped: %1 could not be written.\r\r%2")
                             .arg(file.fileName(), reason);
    // Closed before the box, whose wait services the next readings: they find no log.
    file.close();
    boxes.Warn(BoxTitle, text);
}

} // namespace vk220::ui
