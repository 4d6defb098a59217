// The results store on the laboratory's server (run it under scripts/pg-cluster.sh run, which
// starts a private PostgreSQL server on this machine): a point committed to the server through
// the bench's spool, the 99th percentile of 500; 5,000 spooled points sent once the server is
// back, in ms a point; the listing of 100,000 runs filtered on the server.
#include "bench/BenchSupport.h"

#include "procedures/Tolerance.h"
#include "results/ResultStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

using namespace vk220::results;

namespace {

const QDateTime Start(QDate(2024, 1, 1), QTime(8, 0), Qt::UTC);

PointResult Point(int index) {
    vk220::procedures::TestPoint point;
    point.nominal = {10.0, QStringLiteral("V"), QStringLiteral("10 V")};
    QString problem;
    point.tolerance = *vk220::procedures::Tolerance::Parse(QStringLiteral("0.5 %"), &problem);
    return Judge(point, index, Phase::AsFound, 10.01, Start);
}

CalibrationRun Run(const QString &serial) {
    CalibrationRun run;
    run.procedureId = QStringLiteral("PROC-1");
    run.procedureRevision = QStringLiteral("B");
    run.procedureTitle = QStringLiteral("Multimeter, DC voltage");
    run.uut = {QStringLiteral("Maker"), QStringLiteral("M-1"), serial, serial,
               QStringLiteral("Customer")};
    run.started = Start;
    return run;
}

StoreLocation Server(const QString &database, const QString &spool) {
    QString problem;
    StoreLocation location =
        *StoreLocation::Parse(QStringLiteral("postgresql:///") + database, &problem);
    location.path = spool;
    return location;
}

// 100,000 complete runs of 8 benches made on the server itself, one every 15 minutes from 2024.
const char *const Fill =
    "INSERT INTO calibration (procedure_id, procedure_revision, procedure_title, procedure_hash, "
    "uut_make, uut_model, uut_serial, asset_id, customer, operator, started, ended, temperature, "
    "humidity, calibrator, adapter, state, verdict, certificate, bench, run_key) "
    "SELECT 'PROC-' || (i % 12), 'B', 'Multimeter, DC voltage', repeat('0f', 32), 'Maker', "
    "'M-' || (i % 7), 'SN-' || lpad(i::text, 6, '0'), 'A-' || lpad((i % 50000)::text, 5, '0'), "
    "'Customer ' || (i % 50), 'Operator ' || (i % 4), to_char(timestamp '2024-01-01 08:00' + "
    "i * interval '15 minutes', 'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'), NULL, 23, 45, 'CAL SN 1', "
    "'VK220 SN 2', 'complete', CASE WHEN i % 20 = 0 THEN 'FAIL' ELSE 'PASS' END, 'VK-' || i, "
    "'bench-' || (i % 8), 'fill-' || i FROM generate_series(1, 100000) AS i";

double Percentile(QList<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, qsizetype(fraction * values.size()))];
}

int Fail(const QString &problem) {
    std::printf("%s\n", qPrintable(problem));
    return 1;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication application(argc, argv);
    if (qEnvironmentVariableIsEmpty("VK220_PG_CLUSTER"))
        return Fail(QStringLiteral("no server: run under scripts/pg-cluster.sh run"));
    QTemporaryDir folder(QDir::currentPath() + QStringLiteral("/results-server-bench-XXXXXX"));
    QString problem;

    ResultStore store(Server(QStringLiteral("vk220"), folder.filePath("commit.sqlite")), "b1");
    if (!store.Open(&problem))
        return Fail(problem);
    const qint64 id = store.StartRun(Run(QStringLiteral("COMMIT")), &problem);
    int index = 0;
    const QList<double> commits =
        Bench::Time(500, [&] { store.RecordPoint(id, Point(index++), &problem); });
    Bench::Report("commit one point to the server (p99 of 500)", Percentile(commits, 0.99), "ms",
                  50);
    Bench::Report("  median", Bench::Median(commits), "ms", 50);

    // A wrong password file keeps the server away while 5,000 points are spooled.
    const QString wrong = folder.filePath(QStringLiteral("wrong.pgpass"));
    QFile file(wrong);
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(QFile::ReadOwner))
        return Fail(wrong);
    file.write("*:*:*:*:wrong\n");
    file.close();
    const QByteArray passwords = qgetenv("PGPASSFILE");
    qputenv("PGPASSFILE", wrong.toLocal8Bit());
    ResultStore away(Server(QStringLiteral("vk220"), folder.filePath("spool.sqlite")), "b2");
    if (!away.Open(&problem))
        return Fail(problem);
    for (int run = 0; run < 10; ++run) {
        const qint64 spooled = away.StartRun(Run(QStringLiteral("SPOOL-%1").arg(run)), &problem);
        for (int point = 0; point < 500; ++point)
            away.RecordPoint(spooled, Point(point), &problem);
    }
    qputenv("PGPASSFILE", passwords);
    ServerState sent;
    const QList<double> sending = Bench::Time(1, [&] { sent = away.Flush(); });
    if (!sent.reachable || sent.waiting != 0)
        return Fail(QStringLiteral("the spool was not sent: ") + sent.notice);
    // At least 1,000 points a second: at most 1 ms a point.
    Bench::Report("spool of 5,000 points sent (ms a point)", sending[0] / 5000, "ms", 1);

    {
        QSqlDatabase direct = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), "direct");
        if (!direct.open() || !QSqlQuery(direct).exec(QStringLiteral("CREATE DATABASE listing")))
            return Fail(QStringLiteral("cannot create the listing's database"));
    }
    ResultStore list(Server(QStringLiteral("listing"), folder.filePath("list.sqlite")), "office");
    if (!list.Open(&problem))
        return Fail(problem);
    {
        QSqlDatabase fill = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), "fill");
        fill.setDatabaseName(QStringLiteral("listing"));
        if (!fill.open() || !QSqlQuery(fill).exec(QLatin1String(Fill)) ||
            !QSqlQuery(fill).exec(QStringLiteral("ANALYZE calibration")))
            return Fail(QStringLiteral("cannot fill the listing's database"));
    }
    const struct {
        const char *what;
        std::function<void(CalibrationFilter &)> narrow;
        qsizetype expected;
    } queries[] = {
        {"100,000 runs on the server, by serial",
         [](CalibrationFilter &f) { f.serial = "SN-047110"; }, 1},
        {"  by asset id", [](CalibrationFilter &f) { f.assetId = "A-00042"; }, 2},
        {"  by customer", [](CalibrationFilter &f) { f.customer = "Customer 7"; }, 2000},
        {"  by start date (one month)",
         [](CalibrationFilter &f) {
             f.startedFrom = Start.addMonths(6);
             f.startedBefore = Start.addMonths(7);
         },
         31 * 96},
        {"  by verdict FAIL", [](CalibrationFilter &f) { f.verdict = Verdict::Fail; }, 5000},
        {"  by bench and month",
         [](CalibrationFilter &f) {
             f.bench = "bench-3";
             f.startedFrom = Start.addMonths(6);
             f.startedBefore = Start.addMonths(7);
         },
         31 * 12},
    };
    for (const auto &query : queries) {
        CalibrationFilter filter;
        query.narrow(filter);
        qsizetype found = 0;
        const QList<double> elapsed = Bench::Time(11, [&] { found = list.Find(filter).size(); });
        Bench::Report(query.what, Bench::Median(elapsed), "ms", 300);
        Bench::Report("    slowest", *std::max_element(elapsed.begin(), elapsed.end()), "ms", 300);
        if (found != query.expected)
            return std::printf("found %lld, not %lld\n", static_cast<long long>(found),
                               static_cast<long long>(query.expected)),
                   1;
    }
    return 0;
}
