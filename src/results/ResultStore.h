#pragma once

#include "results/RunRecords.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace vk220::results {

// What the listing of calibrations is narrowed by; an empty field narrows nothing.
struct CalibrationFilter {
    QString serial;
    QString assetId;
    QString customer;
    QDateTime startedFrom;   // included
    QDateTime startedBefore; // excluded
    std::optional<Verdict> verdict;
};

// A run left open (by a crash, or a program closed under it) and where to take it up: the phase
// it was in (as left once it has any as-left result) and the first point of that phase without a
// result.
struct Resumption {
    CalibrationRun run;
    Phase phase = Phase::AsFound;
    int nextPoint = 0;
};

// The calibrations, kept in an SQLite file: WAL journal and full sync, so that a point is on the
// disk once RecordPoint returns, and the schema brought up to this program's version on Open.
// Several stores (in one program or several) may share the file.
class ResultStore {
public:
    // The file the workstation keeps its results in: results.sqlite in the user's data folder.
    static QString DefaultPath();

    explicit ResultStore(const QString &path);
    ~ResultStore();
    ResultStore(const ResultStore &) = delete;
    ResultStore &operator=(const ResultStore &) = delete;

    // Opens the file (created when missing) and migrates it; false with the reason otherwise,
    // among them a file of a newer schema than this program reads.
    bool Open(QString *problem);

    // Stores a new open run; its id, or 0 with the reason.
    qint64 StartRun(const CalibrationRun &run, QString *problem);
    // Commits one point's result; a point taken again in the same phase replaces the first.
    bool RecordPoint(qint64 run, const PointResult &result, QString *problem);
    // Ends an open run as complete, with its verdict and a new certificate number, assigned in
    // the same transaction: "<prefix>-<year ended>-<sequence of that prefix and year>". The
    // number, or empty with the reason.
    QString Complete(qint64 run, const QDateTime &ended, const QString &prefix, QString *problem);
    // Ends an open run as incomplete (aborted); it gets no number.
    bool Abort(qint64 run, const QDateTime &ended, QString *problem);

    // The latest run still open, and where to resume it.
    std::optional<Resumption> OpenRun() const;
    // The first point index of `phase` without a result.
    int NextPoint(qint64 run, Phase phase) const;

    std::optional<CalibrationRun> Run(qint64 id) const;
    std::optional<CalibrationRun> RunByCertificate(const QString &number) const;
    // The run's results, by phase (as found first), then point.
    QList<PointResult> Points(qint64 run) const;
    // The runs the filter lets through, latest first.
    QList<CalibrationRun> Find(const CalibrationFilter &filter) const;

private:
    std::optional<CalibrationRun> RunWhere(const QString &condition, const QVariant &value) const;

    QString path;
    QString connection;
};

} // namespace vk220::results
