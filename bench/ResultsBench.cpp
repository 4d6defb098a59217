// The results store and the certificate: a point committed with full sync, as the runner commits
// each one while it is taken; a certificate of 200 points; and the listing of 10,000 calibrations
// of 50 points each, narrowed by serial, asset, customer, date and verdict.
#include "bench/BenchSupport.h"

#include "procedures/Tolerance.h"
#include "results/CertificateDocument.h"
#include "results/ResultStore.h"
#include "results/StoreRows.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

using namespace vk220::results;

namespace {

const QDateTime Start(QDate(2024, 1, 1), QTime(8, 0), Qt::UTC);

vk220::procedures::TestPoint Point() {
    vk220::procedures::TestPoint point;
    point.nominal = {10.0, QStringLiteral("V"), QStringLiteral("10 V")};
    QString problem;
    point.tolerance = *vk220::procedures::Tolerance::Parse(QStringLiteral("0.5 %"), &problem);
    return point;
}

CalibrationRun Run(int i) {
    CalibrationRun run;
    run.procedureId = QStringLiteral("PROC-%1").arg(i % 12);
    run.procedureRevision = QStringLiteral("B");
    run.procedureTitle = QStringLiteral("Multimeter, DC voltage");
    run.procedureHash = QStringLiteral("0f").repeated(32);
    run.uut = {QStringLiteral("Maker"), QStringLiteral("M-%1").arg(i % 7),
               QStringLiteral("SN-%1").arg(i, 5, 10, QLatin1Char('0')),
               QStringLiteral("A-%1").arg(i % 5000, 4, 10, QLatin1Char('0')),
               QStringLiteral("Customer %1").arg(i % 50)};
    run.operatorName = QStringLiteral("Operator %1").arg(i % 4);
    run.started = Start.addSecs(i * 9000LL);
    run.standards = {QStringLiteral("CAL SN 1"), QStringLiteral("VK220 SN 2")};
    return run;
}

// Fills the store's file with `runs` complete calibrations of `points` points each, in one
// transaction on a connection of its own, through the store's own mapping of rows.
bool Fill(const QString &path, int runs, int points) {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "fill");
    database.setDatabaseName(path);
    if (!database.open() || !database.transaction())
        return false;
    QSqlQuery run(database);
    QSqlQuery point(database);
    QSqlQuery done(database);
    run.prepare(QStringLiteral("INSERT INTO calibration (%1) VALUES (%2)")
                    .arg(RunInsertColumns, Placeholders(RunValues(Run(0)).size())));
    point.prepare(QStringLiteral("INSERT INTO point_result (%1) VALUES (%2)")
                      .arg(PointColumns, Placeholders(PointValues(0, {}).size())));
    done.prepare(QStringLiteral("UPDATE calibration SET state = 'complete', ended = ?, "
                                "verdict = ?, certificate = ? WHERE id = ?"));
    for (int i = 0; i < runs; ++i) {
        const CalibrationRun calibration = Run(i);
        for (const QVariant &value : RunValues(calibration))
            run.addBindValue(value);
        if (!run.exec())
            return false;
        const qint64 id = run.lastInsertId().toLongLong();
        const bool fails = i % 20 == 0;
        for (int p = 0; p < points; ++p) {
            const double reading = fails && p == 7 ? 10.2 : 10.01;
            for (const QVariant &value :
                 PointValues(id, Judge(Point(), p, Phase::AsFound, reading, calibration.started)))
                point.addBindValue(value);
            if (!point.exec())
                return false;
        }
        for (const QVariant &value :
             {TimeValue(calibration.started.addSecs(3600)),
              QVariant(fails ? QStringLiteral("FAIL") : QStringLiteral("PASS")),
              QVariant(QStringLiteral("VK-%1-%2").arg(2024 + i / 3500).arg(i + 1)), QVariant(id)})
            done.addBindValue(value);
        if (!done.exec())
            return false;
    }
    return database.commit();
}

void Report(const char *what, const QList<double> &elapsed, double budget) {
    Bench::Report(what, Bench::Median(elapsed), "ms", budget);
    Bench::Report("  slowest", *std::max_element(elapsed.begin(), elapsed.end()), "ms", budget);
}

} // namespace

int main(int argc, char *argv[]) {
    // The certificate is painted by Qt Gui; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    // On the disk the store would use, not a memory file system.
    QTemporaryDir folder(QDir::currentPath() + QStringLiteral("/results-bench-XXXXXX"));
    QString problem;

    ResultStore store(folder.filePath(QStringLiteral("commit.sqlite")));
    if (!store.Open(&problem))
        return std::printf("%s\n", qPrintable(problem)), 1;
    const qint64 id = store.StartRun(Run(1), &problem);
    int index = 0;
    const QList<double> commits = Bench::Time(200, [&] {
        store.RecordPoint(id, Judge(Point(), index++, Phase::AsFound, 10.01, Start), &problem);
    });
    Report("commit one point, WAL and full sync (median of 200)", commits, 20);

    const QString number = store.Complete(id, Start.addSecs(3600), QStringLiteral("VK"), &problem);
    const CalibrationRun run = *store.RunByCertificate(number);
    const QList<PointResult> points = store.Points(id);
    const QString pdf = folder.filePath(QStringLiteral("certificate.pdf"));
    const QList<double> certificates =
        Bench::Time(5, [&] { WriteCertificate(run, points, LabSettings(), pdf, &problem); });
    Report("certificate of 200 points (median of 5)", certificates, 1000);

    constexpr int Runs = 10000;
    const QString listing = folder.filePath(QStringLiteral("listing.sqlite"));
    {
        ResultStore created(listing);
        if (!created.Open(&problem) || !Fill(listing, Runs, 50))
            return std::printf("cannot fill the listing's store\n"), 1;
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    ResultStore list(listing);
    if (!list.Open(&problem))
        return std::printf("%s\n", qPrintable(problem)), 1;
    const struct {
        const char *what;
        std::function<void(CalibrationFilter &)> narrow;
        qsizetype expected;
    } queries[] = {
        {"list all 10,000 calibrations", [](CalibrationFilter &) {}, Runs},
        {"  by serial", [](CalibrationFilter &f) { f.serial = "SN-04711"; }, 1},
        {"  by asset id", [](CalibrationFilter &f) { f.assetId = "A-0042"; }, 2},
        {"  by customer", [](CalibrationFilter &f) { f.customer = "Customer 7"; }, 200},
        {"  by start date (one month)",
         [](CalibrationFilter &f) {
             f.startedFrom = Start.addMonths(6);
             f.startedBefore = Start.addMonths(7);
         },
         -1},
        {"  by verdict FAIL", [](CalibrationFilter &f) { f.verdict = Verdict::Fail; }, Runs / 20},
    };
    for (const auto &query : queries) {
        CalibrationFilter filter;
        query.narrow(filter);
        qsizetype found = 0;
        Report(query.what, Bench::Time(11, [&] { found = list.Find(filter).size(); }), 200);
        if (query.expected >= 0 && found != query.expected)
            return std::printf("found %lld, not %lld\n", static_cast<long long>(found),
                               static_cast<long long>(query.expected)),
                   1;
    }
    return 0;
}
