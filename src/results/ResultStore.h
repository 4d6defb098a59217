#pragma once

#include "results/LabStore.h"
#include "results/RunBackend.h"
#include "results/StoreLocation.h"

#include <QString>

#include <functional>
#include <memory>

namespace vk220::results {

// The calibrations, kept where the results setting says: in an SQLite file (WAL journal and full
// sync, so that a point is on the disk once RecordPoint returns), the default, or on the
// laboratory's PostgreSQL server fronted by the bench's spool (LabStore). Both have the same
// schema, brought up to this program's version on Open. Several stores (in one program or
// several, on one bench or many) may share the file or the server.
class ResultStore {
public:
    // The results setting (ResultsSetting): by default the file results.sqlite in the user's
    // data folder.
    static QString DefaultPath();

    // A file's path or a server's URL (StoreLocation); runs it starts are of the bench the
    // laboratory's settings name (by default the host name).
    explicit ResultStore(const QString &path);
    ResultStore(const StoreLocation &location, const QString &bench);
    ~ResultStore();

    // Opens the file (created when missing) or the spool and the server, and migrates them;
    // false with the reason otherwise, among them a database of a newer schema than this
    // program reads. A server that cannot be reached is no failure: see LabStore.
    bool Open(QString *problem);

    // Stores a new open run; its id, or 0 with the reason.
    qint64 StartRun(const CalibrationRun &run, QString *problem);
    // Commits one point's result; a point taken again in the same phase replaces the first.
    bool RecordPoint(qint64 run, const PointResult &result, QString *problem);
    // Ends an open run as complete, with its verdict and a new certificate number, assigned in
    // the same transaction: "<prefix>-<year ended>-<sequence of that prefix and year>", unique
    // across every bench of the server. The number, or empty with the reason.
    QString Complete(qint64 run, const QDateTime &ended, const QString &prefix, QString *problem);
    // Ends an open run as incomplete (aborted); it gets no number.
    bool Abort(qint64 run, const QDateTime &ended, QString *problem);

    // This bench's latest run still open, and where to resume it.
    std::optional<Resumption> OpenRun() const;
    // The first point index of `phase` without a result.
    int NextPoint(qint64 run, Phase phase) const;

    std::optional<CalibrationRun> Run(qint64 id) const;
    std::optional<CalibrationRun> RunByCertificate(const QString &number) const;
    // The run's results, by phase (as found first), then point.
    QList<PointResult> Points(qint64 run) const;
    // The runs the filter lets through, latest first: on a server, every bench's.
    QList<CalibrationRun> Find(const CalibrationFilter &filter) const;

    // For the status indicator, polled: on a server, tries it again when it was away and sends
    // what waits; reachable and nothing waiting for a file.
    ServerState Flush();
    // The same without trying the server: for an indicator that must not wait on it.
    ServerState State() const;
    // Told once when the server is lost and once when it is back (nothing for a file).
    void SetNotice(std::function<void(const QString &)> notice);

private:
    void Choose(const StoreLocation &location, const QString &bench);

    std::unique_ptr<RunBackend> backend;
    LabStore *lab = nullptr;
    QString unreadable; // why the setting names no store
};

} // namespace vk220::results
