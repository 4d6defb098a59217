#pragma once

#include "results/RunTables.h"

#include <QElapsedTimer>

#include <functional>

namespace vk220::results {

// Where a store of the laboratory's server stands, for the bench's status indicator.
struct ServerState {
    bool reachable = false;
    qsizetype waiting = 0; // runs with results not yet on the server
    QString notice;        // why the server cannot be reached, while it cannot
};

// The laboratory's server, fronted by the bench's spool: every run and point is committed to the
// spool first, then sent to the server, so that a bench goes on working while the server cannot
// be reached (at start, or in the middle of a run) and sends what waits once it is back. A run
// started here keeps the id StartRun gave (the server's, or while the server was away the spool's
// above 2^52); the bench's own runs are read from the spool, everything else from the server.
class LabStore : public RunBackend {
public:
    // The server at `location`, the spool at its path.
    LabStore(const StoreLocation &location, const QString &bench);

    // False only for a spool that cannot be opened, or a server of a newer schema; a server that
    // cannot be reached is a notice.
    bool Open(QString *problem) override;
    qint64 StartRun(const CalibrationRun &run, QString *problem) override;
    bool RecordPoint(qint64 run, const PointResult &result, QString *problem) override;
    // The number comes from the server: while it cannot be reached, the run is complete in the
    // spool and numbered once it is back; empty, with that, in `problem`.
    QString Complete(qint64 run, const QDateTime &ended, const QString &prefix,
                     QString *problem) override;
    bool Abort(qint64 run, const QDateTime &ended, QString *problem) override;
    std::optional<Resumption> OpenRun() const override;
    int NextPoint(qint64 run, Phase phase) const override;
    std::optional<CalibrationRun> Run(qint64 id) const override;
    std::optional<CalibrationRun> RunByCertificate(const QString &number) const override;
    QList<PointResult> Points(qint64 run) const override;
    QList<CalibrationRun> Find(const CalibrationFilter &filter) const override;

    // Tries the server again now when it was away, and sends what waits.
    ServerState Flush();
    // Where things stand, without a word to the server.
    ServerState State() const;
    // Told once when the server is lost (why, and that results are kept on the bench) and once
    // when it is back.
    void SetNotice(std::function<void(const QString &)> notice);

private:
    // Online, or tried again (now when `now`, else once the retry delay has passed since the
    // last try).
    bool Reach(bool now = false);
    void Lose(const QString &problem);
    // The spool's run of an id this store gave out; 0 for a run of another bench.
    qint64 Local(qint64 id) const;
    CalibrationRun Shown(CalibrationRun run) const;

    RunTables spool;
    RunTables server;
    bool online = false;
    QElapsedTimer lastTry;
    QString notice; // while the server is away
    std::function<void(const QString &)> tell;
};

} // namespace vk220::results
