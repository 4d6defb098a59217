#include "results/LabStore.h"

#include "results/SpoolSending.h"

#include <QRegularExpression>

namespace vk220::results {

namespace {

// While the server is away, a result is only spooled: the server is tried again this long after
// the last try (a try costs at most the connect timeout), or at once by Flush.
constexpr qint64 RetryDelay = 5000; // ms

// The ids given to runs not on the server yet: the spool's, above any the server will reach.
constexpr qint64 SpoolIds = qint64(1) << 52;

// The driver's message on one line: libpq's lines without its hints (indented), severity and
// SQL state, and without Qt's own words after them.
QString Plain(const QString &problem) {
    QStringList lines;
    for (QString line : problem.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1Char('\t')))
            continue;
        line.remove(QRegularExpression(QStringLiteral("^\\(\\w+\\) ")));
        line.remove(QRegularExpression(QStringLiteral("QPSQL: .*$")));
        line.remove(QRegularExpression(QStringLiteral("\\b(FATAL|ERROR):  ")));
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    }
    return lines.join(QStringLiteral("; "));
}

StoreLocation SpoolOf(const StoreLocation &server) {
    StoreLocation spool;
    spool.path = server.path;
    spool.text = server.path;
    return spool;
}

} // namespace

LabStore::LabStore(const StoreLocation &location, const QString &bench)
    : spool(SpoolOf(location), bench), server(location, bench) {}

bool LabStore::Open(QString *problem) {
    if (!spool.Open(problem) || !PrepareSpool(spool.Database(), problem))
        return false;
    QString why;
    online = server.Open(&why);
    lastTry.start();
    if (!online && server.Reached()) { // a schema this program cannot read
        *problem = why;
        return false;
    }
    if (!online)
        Lose(why);
    else if (!SendAll(spool, server, &why))
        Lose(why);
    return true;
}

qint64 LabStore::StartRun(const CalibrationRun &run, QString *problem) {
    const qint64 local = SpoolRun(spool, run, problem);
    if (local == 0)
        return 0;
    QString why;
    if (Reach() && !SendRun(spool, server, local, &why))
        Lose(why);
    const qint64 id = ServerId(spool, local);
    return id != 0 ? id : SpoolIds + local;
}

bool LabStore::RecordPoint(qint64 run, const PointResult &result, QString *problem) {
    const qint64 local = Local(run);
    if (!SpoolPoint(spool, local, result, problem))
        return false;
    QString why;
    if (Reach() && !SendRun(spool, server, local, &why))
        Lose(why);
    return true;
}

QString LabStore::Complete(qint64 run, const QDateTime &ended, const QString &prefix,
                           QString *problem) {
    const qint64 local = Local(run);
    if (!SpoolEnd(spool, local, ended, prefix, problem))
        return {};
    QString why;
    if (Reach() && !SendRun(spool, server, local, &why))
        Lose(why);
    const QString number = spool.Run(local)->certificate;
    if (number.isEmpty())
        *problem = QStringLiteral("the calibration is complete, but its certificate number comes "
                                  "from the laboratory's server, which cannot be reached now: it "
                                  "is numbered when the server is back");
    return number;
}

bool LabStore::Abort(qint64 run, const QDateTime &ended, QString *problem) {
    const qint64 local = Local(run);
    if (!SpoolEnd(spool, local, ended, {}, problem))
        return false;
    QString why;
    if (Reach() && !SendRun(spool, server, local, &why))
        Lose(why);
    return true;
}

std::optional<Resumption> LabStore::OpenRun() const {
    std::optional<Resumption> open = spool.OpenRun();
    if (open)
        open->run = Shown(open->run);
    return open;
}

int LabStore::NextPoint(qint64 run, Phase phase) const {
    return spool.NextPoint(Local(run), phase);
}

std::optional<CalibrationRun> LabStore::Run(qint64 id) const {
    const qint64 local = Local(id);
    if (local != 0) {
        const std::optional<CalibrationRun> run = spool.Run(local);
        return run ? std::optional(Shown(*run)) : std::nullopt;
    }
    return online ? server.Run(id) : std::nullopt;
}

std::optional<CalibrationRun> LabStore::RunByCertificate(const QString &number) const {
    if (online)
        if (const std::optional<CalibrationRun> run = server.RunByCertificate(number))
            return run;
    const std::optional<CalibrationRun> run = spool.RunByCertificate(number);
    return run ? std::optional(Shown(*run)) : std::nullopt;
}

QList<PointResult> LabStore::Points(qint64 run) const {
    const qint64 local = Local(run);
    if (local != 0)
        return spool.Points(local);
    return online ? server.Points(run) : QList<PointResult>();
}

QList<CalibrationRun> LabStore::Find(const CalibrationFilter &filter) const {
    if (online)
        return server.Find(filter);
    QList<CalibrationRun> runs = spool.Find(filter);
    for (CalibrationRun &run : runs)
        run = Shown(run);
    return runs;
}

ServerState LabStore::Flush() {
    QString why;
    if (Reach(true) && !SendAll(spool, server, &why))
        Lose(why);
    return {online, Waiting(spool), notice};
}

ServerState LabStore::State() const {
    return {online, Waiting(spool), notice};
}

void LabStore::SetNotice(std::function<void(const QString &)> notice) {
    tell = std::move(notice);
}

// Back online, what waits is sent first, so that the server has a run's points in the order they
// were taken.
bool LabStore::Reach(bool now) {
    if (online)
        return true;
    if (!now && lastTry.isValid() && lastTry.elapsed() < RetryDelay)
        return false;
    lastTry.start();
    QString why;
    if (!server.Open(&why) || !SendAll(spool, server, &why)) {
        Lose(why); // one notice stands for the whole outage
        return false;
    }
    online = true;
    const bool lost = !notice.isEmpty();
    notice.clear();
    if (lost && tell)
        tell(QStringLiteral("The laboratory's results server %1 is back: the results kept on "
                            "this bench have been sent.")
                 .arg(server.Location().text));
    return true;
}

void LabStore::Lose(const QString &problem) {
    const bool first = notice.isEmpty();
    online = false;
    lastTry.start();
    server.Database().close();
    if (!first)
        return;
    notice = QStringLiteral("The laboratory's results server %1 cannot be reached (%2). The "
                            "results are kept on this bench and sent when the server is back.")
                 .arg(server.Location().text, Plain(problem));
    if (tell)
        tell(notice);
}

qint64 LabStore::Local(qint64 id) const {
    return id > SpoolIds ? id - SpoolIds : LocalId(spool, id);
}

// A run of the spool as the store gives it out: by the server's id once the server has it.
CalibrationRun LabStore::Shown(CalibrationRun run) const {
    const qint64 id = ServerId(spool, run.id);
    run.id = id != 0 ? id : SpoolIds + run.id;
    return run;
}

} // namespace vk220::results
