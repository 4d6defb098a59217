#pragma once

#include "results/RunBackend.h"
#include "results/SqlSupport.h"
#include "results/StoreLocation.h"

namespace vk220::results {

// The runs in the schema's tables, on the embedded file or on the server: the same statements on
// both. Open opens the location and brings its schema up to this program's version.
class RunTables : public RunBackend {
public:
    // `bench` names the runs this store starts that do not name their own.
    RunTables(const StoreLocation &location, const QString &bench);

    bool Open(QString *problem) override;
    // A run with a key the tables hold already is that run again: its id, nothing written.
    qint64 StartRun(const CalibrationRun &run, QString *problem) override;
    bool RecordPoint(qint64 run, const PointResult &result, QString *problem) override;
    QString Complete(qint64 run, const QDateTime &ended, const QString &prefix,
                     QString *problem) override;
    bool Abort(qint64 run, const QDateTime &ended, QString *problem) override;
    // The latest open run (of the file's one bench; the server's are found in each spool).
    std::optional<Resumption> OpenRun() const override;
    int NextPoint(qint64 run, Phase phase) const override;
    std::optional<CalibrationRun> Run(qint64 id) const override;
    std::optional<CalibrationRun> RunByCertificate(const QString &number) const override;
    QList<PointResult> Points(qint64 run) const override;
    QList<CalibrationRun> Find(const CalibrationFilter &filter) const override;

    // Writes many points of one run in one statement each hundred (the spool sent to the server).
    bool RecordPoints(qint64 run, const QList<PointResult> &results, QString *problem);
    QSqlDatabase Database() const { return connection.Database(); }
    const StoreLocation &Location() const { return location; }
    // Whether the last Open reached the database, even when it then refused its schema.
    bool Reached() const { return reached; }

private:
    std::optional<CalibrationRun> RunWhere(const QString &condition,
                                           const QVariantList &values) const;

    StoreLocation location;
    QString bench;
    NamedConnection connection;
    bool reached = false;
};

} // namespace vk220::results
