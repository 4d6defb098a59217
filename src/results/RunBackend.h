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
    QString bench;
};

// A run left open (by a crash, or a program closed under it) and where to take it up: the phase
// it was in (as left once it has any as-left result) and the first point of that phase without a
// result.
struct Resumption {
    CalibrationRun run;
    Phase phase = Phase::AsFound;
    int nextPoint = 0;
};

// Where the results store keeps its runs: the embedded file's tables, or the laboratory's server
// fronted by the bench's spool. ResultStore documents each operation.
class RunBackend {
public:
    virtual ~RunBackend() = default;

    virtual bool Open(QString *problem) = 0;
    virtual qint64 StartRun(const CalibrationRun &run, QString *problem) = 0;
    virtual bool RecordPoint(qint64 run, const PointResult &result, QString *problem) = 0;
    virtual QString Complete(qint64 run, const QDateTime &ended, const QString &prefix,
                             QString *problem) = 0;
    virtual bool Abort(qint64 run, const QDateTime &ended, QString *problem) = 0;
    virtual std::optional<Resumption> OpenRun() const = 0;
    virtual int NextPoint(qint64 run, Phase phase) const = 0;
    virtual std::optional<CalibrationRun> Run(qint64 id) const = 0;
    virtual std::optional<CalibrationRun> RunByCertificate(const QString &number) const = 0;
    virtual QList<PointResult> Points(qint64 run) const = 0;
    virtual QList<CalibrationRun> Find(const CalibrationFilter &filter) const = 0;
};

} // namespace vk220::results
