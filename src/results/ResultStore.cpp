#include "results/ResultStore.h"

#include "results/SchemaMigrations.h"
#include "results/SqlSupport.h"
#include "results/StoreRows.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QStandardPaths>

namespace vk220::results {

namespace {

QAtomicInteger<int> connections;

QSqlDatabase Database(const QString &connection) {
    return QSqlDatabase::database(connection, false);
}

} // namespace

QString ResultStore::DefaultPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("results.sqlite"));
}

ResultStore::ResultStore(const QString &path)
    : path(path), connection(QStringLiteral("results-%1").arg(connections.fetchAndAddRelaxed(1))) {}

ResultStore::~ResultStore() {
    {
        QSqlDatabase database = Database(connection);
        if (database.isValid())
            database.close();
    }
    if (QSqlDatabase::contains(connection))
        QSqlDatabase::removeDatabase(connection);
}

bool ResultStore::Open(QString *problem) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *problem = QStringLiteral("cannot create the folder of %1").arg(path);
        return false;
    }
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    database.setDatabaseName(path);
    database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!database.open()) {
        *problem = QStringLiteral("%1: %2").arg(path, database.lastError().text());
        return false;
    }
    for (const char *pragma :
         {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL", "PRAGMA foreign_keys = ON"})
        if (!Execute(database, QLatin1String(pragma), problem))
            return false;
    if (Migrate(database, path, problem))
        return true;
    database.close();
    return false;
}

qint64 ResultStore::StartRun(const CalibrationRun &run, QString *problem) {
    QSqlQuery query(Database(connection));
    const QString sql = QStringLiteral("INSERT INTO calibration (%1) VALUES (%2)")
                            .arg(RunInsertColumns, QStringLiteral("?, ").repeated(15) + '?');
    if (!Execute(query, sql, RunValues(run), problem))
        return 0;
    return query.lastInsertId().toLongLong();
}

bool ResultStore::RecordPoint(qint64 run, const PointResult &result, QString *problem) {
    QSqlQuery query(Database(connection));
    const QString sql = QStringLiteral("INSERT OR REPLACE INTO point_result (%1) VALUES (%2)")
                            .arg(PointColumns, QStringLiteral("?, ").repeated(11) + '?');
    return Execute(query, sql, PointValues(run, result), problem);
}

QString ResultStore::Complete(qint64 run, const QDateTime &ended, const QString &prefix,
                              QString *problem) {
    const QSqlDatabase database = Database(connection);
    Transaction transaction(database);
    if (!transaction.Begin(problem))
        return {};
    const std::optional<CalibrationRun> found = Run(run);
    if (!found || found->state != RunState::Open) {
        *problem = QStringLiteral("calibration %1 is not open").arg(run);
        return {};
    }
    const int year = ended.toUTC().date().year();
    QSqlQuery query(database);
    if (!Execute(query,
                 QStringLiteral("INSERT INTO certificate_sequence VALUES (?, ?, 1) "
                                "ON CONFLICT (prefix, year) DO UPDATE SET last = last + 1 "
                                "RETURNING last"),
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
                                "certificate = ? WHERE id = ?"),
                 {StateName(RunState::Complete), TimeValue(ended),
                  VerdictName(RunVerdict(Points(run))), number, run},
                 problem) ||
        !transaction.Commit(problem))
        return {};
    return number;
}

bool ResultStore::Abort(qint64 run, const QDateTime &ended, QString *problem) {
    QSqlQuery query(Database(connection));
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

std::optional<Resumption> ResultStore::OpenRun() const {
    const std::optional<CalibrationRun> run =
        RunWhere(QStringLiteral("state = ? ORDER BY started DESC, id DESC LIMIT 1"),
                 StateName(RunState::Open));
    if (!run)
        return std::nullopt;
    QSqlQuery query(Database(connection));
    Execute(
        query,
        QStringLiteral("SELECT 1 FROM point_result WHERE calibration_id = ? AND phase = ? LIMIT 1"),
        {run->id, PhaseName(Phase::AsLeft)}, nullptr);
    const Phase phase = query.next() ? Phase::AsLeft : Phase::AsFound;
    return Resumption{*run, phase, NextPoint(run->id, phase)};
}

int ResultStore::NextPoint(qint64 run, Phase phase) const {
    QSqlQuery query(Database(connection));
    Execute(query,
            QStringLiteral("SELECT point_index FROM point_result WHERE calibration_id = ? AND "
                           "phase = ? ORDER BY point_index"),
            {run, PhaseName(phase)}, nullptr);
    int next = 0;
    while (query.next() && query.value(0).toInt() == next)
        ++next;
    return next;
}

std::optional<CalibrationRun> ResultStore::Run(qint64 id) const {
    return RunWhere(QStringLiteral("id = ?"), id);
}

std::optional<CalibrationRun> ResultStore::RunByCertificate(const QString &number) const {
    return RunWhere(QStringLiteral("certificate = ?"), number);
}

QList<PointResult> ResultStore::Points(qint64 run) const {
    QSqlQuery query(Database(connection));
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

QList<CalibrationRun> ResultStore::Find(const CalibrationFilter &filter) const {
    QStringList conditions{QStringLiteral("1")};
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
    QSqlQuery query(Database(connection));
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

std::optional<CalibrationRun> ResultStore::RunWhere(const QString &condition,
                                                    const QVariant &value) const {
    QSqlQuery query(Database(connection));
    if (!Execute(query,
                 QStringLiteral("SELECT %1 FROM calibration WHERE %2").arg(RunColumns, condition),
                 {value}, nullptr) ||
        !query.next())
        return std::nullopt;
    return RunFrom(query);
}

} // namespace vk220::results
