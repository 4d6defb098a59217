#include "results/RunTables.h"

#include "results/SchemaMigrations.h"
#include "results/StoreRows.h"

#include <QUuid>

namespace vk220::results {

namespace {

// A point taken again in the same phase replaces the first.
const QString PointUpdate = QStringLiteral(
    " ON CONFLICT (calibration_id, phase, point_index) DO UPDATE SET nominal = excluded.nominal, "
    "unit = excluded.unit, reading = excluded.reading, error = excluded.error, "
    "low = excluded.low, high = excluded.high, verdict = excluded.verdict, "
    "reason = excluded.reason, taken = excluded.taken, uncertainty = excluded.uncertainty");

constexpr qsizetype PointsAStatement = 100;

} // namespace

RunTables::RunTables(const StoreLocation &location, const QString &bench)
    : location(location), bench(bench) {}

bool RunTables::Open(QString *problem) {
    reached = OpenDatabase(location, connection.name, problem);
    if (!reached)
        return false;
    const bool server = location.kind == StoreLocation::Kind::Server;
    if (Migrate(Database(), server ? location.text : location.path, problem))
        return true;
    Database().close();
    return false;
}

qint64 RunTables::StartRun(const CalibrationRun &run, QString *problem) {
    CalibrationRun stored = run;
    if (stored.bench.isEmpty())
        stored.bench = bench;
    if (stored.key.isEmpty())
        stored.key = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QVariantList values = RunValues(stored);
    QSqlQuery query(Database());
    const QString sql = QStringLiteral("INSERT INTO calibration (%1) VALUES (%2) ON CONFLICT "
                                       "(run_key) DO UPDATE SET run_key = excluded.run_key "
                                       "RETURNING id")
                            .arg(RunInsertColumns, Placeholders(values.size()));
    if (!Execute(query, sql, values, problem) || !query.next())
        return 0;
    return query.value(0).toLongLong();
}

bool RunTables::RecordPoint(qint64 run, const PointResult &result, QString *problem) {
    return RecordPoints(run, {result}, problem);
}

bool RunTables::RecordPoints(qint64 run, const QList<PointResult> &results, QString *problem) {
    for (qsizetype first = 0; first < results.size(); first += PointsAStatement) {
        QVariantList values;
        QStringList rows;
        for (const PointResult &result : results.mid(first, PointsAStatement)) {
            const QVariantList row = PointValues(run, result);
            values.append(row);
            rows.append(QLatin1Char('(') + Placeholders(row.size()) + QLatin1Char(')'));
        }
        QSqlQuery query(Database());
        if (!Execute(query,
                     QStringLiteral("INSERT INTO point_result (%1) VALUES %2")
                             .arg(PointColumns, rows.join(QStringLiteral(", "))) +
                         PointUpdate,
                     values, problem))
            return false;
    }
    return true;
}

QString RunTables::Complete(qint64 run, const QDateTime &ended, const QString &prefix,
                            QString *problem) {
    const QSqlDatabase database = Database();
    Transaction transaction(database);
    if (!transaction.Begin(problem))
        return {};
    const std::optional<CalibrationRun> found = Run(run);
    if (!found || found->state != RunState::Open) {
        *problem = QStringLiteral("calibration %1 is not open").arg(run);
        return {};
    }
    // The sequence's row stays locked until the commit: benches completing at once are numbered
    // one after the other.
    const int year = ended.toUTC().date().year();
    QSqlQuery query(database);
    if (!Execute(query,
                 QStringLiteral("INSERT INTO certificate_sequence VALUES (?, ?, 1) "
                                "ON CONFLICT (prefix, year) DO UPDATE "
                                "SET last = certificate_sequence.last + 1 RETURNING last"),
                 {prefix, year}, problem) ||
        !query.next())
        return {};
    const QString number = QStringLiteral("%1-%2-%3")
                               .arg(prefix)
                               .arg(year)
                               .arg(query.value(0).toInt(), 4, 10, QLatin1Char('0'));
    query.finish();
    if (!Execute(query,
                 QStringLiteral("UPDATE calibration SET state = ?, ended = ?, verdict = ?, "
                                "certificate = ? WHERE id = ? AND state = ?"),
                 {StateName(RunState::Complete), TimeValue(ended),
                  VerdictName(RunVerdict(Points(run))), number, run, StateName(RunState::Open)},
                 problem))
        return {};
    if (query.numRowsAffected() != 1) { // completed meanwhile by another program
        *problem = QStringLiteral("calibration %1 is not open").arg(run);
        return {};
    }
    return transaction.Commit(problem) ? number : QString();
}

bool RunTables::Abort(qint64 run, const QDateTime &ended, QString *problem) {
    QSqlQuery query(Database());
    if (!Execute(
            query,
            QStringLiteral("UPDATE calibration SET state = ?, ended = ? "
                           "WHERE id = ? AND state = ?"),
            {StateName(RunState::Incomplete), TimeValue(ended), run, StateName(RunState::Open)},
            problem))
        return false;
    if (query.numRowsAffected() == 1)
        return true;
    *problem = QStringLiteral("calibration %1 is not open").arg(run);
    return false;
}

std::optional<Resumption> RunTables::OpenRun() const {
    const std::optional<CalibrationRun> run =
        RunWhere(QStringLiteral("state = ? ORDER BY started DESC, id DESC LIMIT 1"),
                 {StateName(RunState::Open)});
    if (!run)
        return std::nullopt;
    QSqlQuery query(Database());
    Execute(
        query,
        QStringLiteral("SELECT 1 FROM point_result WHERE calibration_id = ? AND phase = ? LIMIT 1"),
        {run->id, PhaseName(Phase::AsLeft)}, nullptr);
    const Phase phase = query.next() ? Phase::AsLeft : Phase::AsFound;
    return Resumption{*run, phase, NextPoint(run->id, phase)};
}

int RunTables::NextPoint(qint64 run, Phase phase) const {
    QSqlQuery query(Database());
    Execute(query,
            QStringLiteral("SELECT point_index FROM point_result WHERE calibration_id = ? AND "
                           "phase = ? ORDER BY point_index"),
            {run, PhaseName(phase)}, nullptr);
    int next = 0;
    while (query.next() && query.value(0).toInt() == next)
        ++next;
    return next;
}

std::optional<CalibrationRun> RunTables::Run(qint64 id) const {
    return RunWhere(QStringLiteral("id = ?"), {id});
}

std::optional<CalibrationRun> RunTables::RunByCertificate(const QString &number) const {
    return RunWhere(QStringLiteral("certificate = ?"), {number});
}

QList<PointResult> RunTables::Points(qint64 run) const {
    QSqlQuery query(Database());
    query.setForwardOnly(true);
    Execute(query,
            QStringLiteral("SELECT %1 FROM point_result WHERE calibration_id = ? "
                           "ORDER BY phase = 'as-left', point_index")
                .arg(PointColumns),
            {run}, nullptr);
    QList<PointResult> points;
    while (query.next())
        points.append(PointFrom(query));
    return points;
}

QList<CalibrationRun> RunTables::Find(const CalibrationFilter &filter) const {
    QStringList conditions{QStringLiteral("1 = 1")};
    QVariantList values;
    const auto narrow = [&](bool given, const char *condition, const QVariant &value) {
        if (!given)
            return;
        conditions.append(QLatin1String(condition));
        values.append(value);
    };
    narrow(!filter.serial.isEmpty(), "uut_serial = ?", filter.serial);
    narrow(!filter.assetId.isEmpty(), "asset_id = ?", filter.assetId);
    narrow(!filter.customer.isEmpty(), "customer = ?", filter.customer);
    narrow(filter.startedFrom.isValid(), "started >= ?", TimeValue(filter.startedFrom));
    narrow(filter.startedBefore.isValid(), "started < ?", TimeValue(filter.startedBefore));
    narrow(filter.verdict.has_value(), "verdict = ?",
           filter.verdict ? VerdictName(*filter.verdict) : QString());
    narrow(!filter.bench.isEmpty(), "bench = ?", filter.bench);
    QSqlQuery query(Database());
    query.setForwardOnly(true);
    Execute(query,
            QStringLiteral("SELECT %1 FROM calibration WHERE %2 ORDER BY started DESC, id DESC")
                .arg(RunColumns, conditions.join(QStringLiteral(" AND "))),
            values, nullptr);
    QList<CalibrationRun> runs;
    while (query.next())
        runs.append(RunFrom(query));
    return runs;
}

std::optional<CalibrationRun> RunTables::RunWhere(const QString &condition,
                                                  const QVariantList &values) const {
    QSqlQuery query(Database());
    if (!Execute(query,
                 QStringLiteral("SELECT %1 FROM calibration WHERE %2").arg(RunColumns, condition),
                 values, nullptr) ||
        !query.next())
        return std::nullopt;
    return RunFrom(query);
}

} // namespace vk220::results
