#include "results/SpoolSending.h"

#include "results/StoreRows.h"

namespace vk220::results {

namespace {

const QString WaitingRuns = QStringLiteral(
    "SELECT calibration_id FROM spool_run WHERE server_id IS NULL OR ending IS NOT NULL OR "
    "calibration_id IN (SELECT calibration_id FROM spool_point) ORDER BY calibration_id");

qint64 Number(const RunTables &tables, const QString &sql, qint64 value) {
    QSqlQuery query(tables.Database());
    if (!Execute(query, sql, {value}, nullptr) || !query.next())
        return 0;
    return query.value(0).toLongLong();
}

// Runs `statements` (each with its values) in one transaction of the spool.
bool InSpool(RunTables &spool, const QList<std::pair<QString, QVariantList>> &statements,
             QString *problem) {
    Transaction transaction(spool.Database());
    if (!transaction.Begin(problem))
        return false;
    for (const auto &[sql, values] : statements) {
        QSqlQuery query(spool.Database());
        if (!Execute(query, sql, values, problem))
            return false;
    }
    return transaction.Commit(problem);
}

QList<PointResult> WaitingPoints(const RunTables &spool, qint64 local) {
    QSqlQuery query(spool.Database());
    query.setForwardOnly(true);
    Execute(query,
            QStringLiteral("SELECT %1 FROM point_result JOIN spool_point USING "
                           "(calibration_id, phase, point_index) WHERE calibration_id = ?")
                .arg(PointColumns),
            {local}, nullptr);
    QList<PointResult> points;
    while (query.next())
        points.append(PointFrom(query));
    return points;
}

// Ends the server's run as the spool's ended; its number when complete. A run the server has
// ended already (the answer lost on the way back) is taken as it is there.
bool SendEnd(RunTables &spool, RunTables &server, qint64 local, qint64 id, QString *problem) {
    QSqlQuery query(spool.Database());
    if (!Execute(query,
                 QStringLiteral("SELECT ending, prefix FROM spool_run WHERE calibration_id = ?"),
                 {local}, problem) ||
        !query.next() || query.value(0).isNull())
        return true;
    const CalibrationRun run = *spool.Run(local);
    const QString prefix = query.value(1).toString();
    QString number = prefix.isEmpty() ? QString() : server.Complete(id, run.ended, prefix, problem);
    const bool ended = prefix.isEmpty() ? server.Abort(id, run.ended, problem) : !number.isEmpty();
    if (!ended) {
        const std::optional<CalibrationRun> there = server.Run(id);
        if (!there || there->state == RunState::Open)
            return false;
        number = there->certificate;
    }
    return InSpool(
        spool,
        {{QStringLiteral("UPDATE calibration SET certificate = ? WHERE id = ?"),
          {number.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : number, local}},
         {QStringLiteral("UPDATE spool_run SET ending = NULL WHERE calibration_id = ?"), {local}}},
        problem);
}

} // namespace

bool PrepareSpool(const QSqlDatabase &spool, QString *problem) {
    for (const char *statement :
         {"CREATE TABLE IF NOT EXISTS spool_run (calibration_id INTEGER PRIMARY KEY "
          "REFERENCES calibration (id), server_id INTEGER, ending TEXT, prefix TEXT)",
          "CREATE INDEX IF NOT EXISTS spool_run_server ON spool_run (server_id)",
          "CREATE TABLE IF NOT EXISTS spool_point (calibration_id INTEGER NOT NULL, "
          "phase TEXT NOT NULL, point_index INTEGER NOT NULL, "
          "PRIMARY KEY (calibration_id, phase, point_index))"})
        if (!Execute(spool, QLatin1String(statement), problem))
            return false;
    return true;
}

qint64 SpoolRun(RunTables &spool, const CalibrationRun &run, QString *problem) {
    Transaction transaction(spool.Database());
    if (!transaction.Begin(problem))
        return 0;
    const qint64 local = spool.StartRun(run, problem);
    QSqlQuery query(spool.Database());
    if (local == 0 ||
        !Execute(query, QStringLiteral("INSERT INTO spool_run (calibration_id) VALUES (?)"),
                 {local}, problem) ||
        !transaction.Commit(problem))
        return 0;
    return local;
}

bool SpoolPoint(RunTables &spool, qint64 local, const PointResult &result, QString *problem) {
    Transaction transaction(spool.Database());
    QSqlQuery query(spool.Database());
    return transaction.Begin(problem) && spool.RecordPoint(local, result, problem) &&
           Execute(query, QStringLiteral("INSERT OR IGNORE INTO spool_point VALUES (?, ?, ?)"),
                   {local, PhaseName(result.phase), result.index}, problem) &&
           transaction.Commit(problem);
}

bool SpoolEnd(RunTables &spool, qint64 local, const QDateTime &ended, const QString &prefix,
              QString *problem) {
    const std::optional<CalibrationRun> run = spool.Run(local);
    if (!run || run->state != RunState::Open) {
        *problem = QStringLiteral("calibration %1 is not open").arg(local);
        return false;
    }
    const bool complete = !prefix.isEmpty();
    const QVariant verdict = complete ? QVariant(VerdictName(RunVerdict(spool.Points(local))))
                                      : QVariant(QMetaType(QMetaType::QString));
    return InSpool(
        spool,
        {{QStringLiteral("UPDATE calibration SET state = ?, ended = ?, verdict = ? WHERE id = ?"),
          {StateName(complete ? RunState::Complete : RunState::Incomplete), TimeValue(ended),
           verdict, local}},
         {QStringLiteral("UPDATE spool_run SET ending = ?, prefix = ? WHERE calibration_id = ?"),
          {complete ? QStringLiteral("complete") : QStringLiteral("incomplete"), prefix, local}}},
        problem);
}

bool SendRun(RunTables &spool, RunTables &server, qint64 local, QString *problem) {
    qint64 id = ServerId(spool, local);
    if (id == 0) {
        const std::optional<CalibrationRun> run = spool.Run(local);
        QSqlQuery query(spool.Database());
        if (!run || (id = server.StartRun(*run, problem)) == 0 ||
            !Execute(query,
                     QStringLiteral("UPDATE spool_run SET server_id = ? WHERE calibration_id = ?"),
                     {id, local}, problem))
            return false;
    }
    const QList<PointResult> points = WaitingPoints(spool, local);
    if (!points.isEmpty()) {
        Transaction transaction(server.Database());
        if (!transaction.Begin(problem) || !server.RecordPoints(id, points, problem) ||
            !transaction.Commit(problem))
            return false;
        // Nothing else writes to the spool in between: what waited has been sent.
        QSqlQuery query(spool.Database());
        if (!Execute(query, QStringLiteral("DELETE FROM spool_point WHERE calibration_id = ?"),
                     {local}, problem))
            return false;
    }
    return SendEnd(spool, server, local, id, problem);
}

bool SendAll(RunTables &spool, RunTables &server, QString *problem) {
    QSqlQuery query(spool.Database());
    if (!Execute(query, WaitingRuns, {}, problem))
        return false;
    QList<qint64> runs;
    while (query.next())
        runs.append(query.value(0).toLongLong());
    for (const qint64 local : runs)
        if (!SendRun(spool, server, local, problem))
            return false;
    return true;
}

qint64 ServerId(const RunTables &spool, qint64 local) {
    return Number(spool, QStringLiteral("SELECT server_id FROM spool_run WHERE calibration_id = ?"),
                  local);
}

qint64 LocalId(const RunTables &spool, qint64 id) {
    return Number(spool, QStringLiteral("SELECT calibration_id FROM spool_run WHERE server_id = ?"),
                  id);
}

qsizetype Waiting(const RunTables &spool) {
    QSqlQuery query(spool.Database());
    Execute(query, WaitingRuns, {}, nullptr);
    qsizetype count = 0;
    while (query.next())
        ++count;
    return count;
}

} // namespace vk220::results
