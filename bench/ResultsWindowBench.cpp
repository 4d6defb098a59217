// The results window over 10,000 calibrations of 50 points each: opened (the whole store listed
// and painted) and narrowed by each of its filter fields, and opened again unfiltered.
#include "bench/BenchSupport.h"

#include "procedures/Tolerance.h"
#include "records/ResultsWindow.h"
#include "results/ResultStore.h"
#include "results/StoreRows.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <memory>

using namespace vk220::records;
using namespace vk220::results;

namespace {

constexpr int Runs = 10000;
constexpr int Points = 50;
const QDateTime Start(QDate(2024, 1, 1), QTime(8, 0), Qt::UTC);

// Fills the store's file with complete calibrations in one transaction on a connection of its
// own, through the store's own mapping of rows; every 20th fails.
bool Fill(const QString &path) {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "fill");
    database.setDatabaseName(path);
    if (!database.open() || !database.transaction())
        return false;
    vk220::procedures::TestPoint nominal;
    nominal.nominal = {10.0, QStringLiteral("V"), QStringLiteral("10 V")};
    QString problem;
    nominal.tolerance = *vk220::procedures::Tolerance::Parse(QStringLiteral("0.5 %"), &problem);
    QSqlQuery run(database);
    QSqlQuery point(database);
    QSqlQuery done(database);
    run.prepare(QStringLiteral("INSERT INTO calibration (%1) VALUES (%2)")
                    .arg(RunInsertColumns, Placeholders(RunValues({}).size())));
    point.prepare(QStringLiteral("INSERT INTO point_result (%1) VALUES (%2)")
                      .arg(PointColumns, Placeholders(PointValues(0, {}).size())));
    done.prepare(QStringLiteral(
        "UPDATE calibration SET ended = ?, verdict = ?, certificate = ? WHERE id = ?"));
    for (int i = 0; i < Runs; ++i) {
        CalibrationRun calibration;
        calibration.procedureId = QStringLiteral("PROC-%1").arg(i % 12);
        calibration.uut = {QStringLiteral("Maker"), QStringLiteral("M-%1").arg(i % 7),
                           QStringLiteral("SN-%1").arg(i, 5, 10, QLatin1Char('0')),
                           QStringLiteral("A-%1").arg(i % 5000, 4, 10, QLatin1Char('0')),
                           QStringLiteral("Customer %1").arg(i % 50)};
        calibration.operatorName = QStringLiteral("Operator %1").arg(i % 4);
        calibration.started = Start.addSecs(i * 9000LL);
        calibration.state = RunState::Complete;
        for (const QVariant &value : RunValues(calibration))
            run.addBindValue(value);
        if (!run.exec())
            return false;
        const qint64 id = run.lastInsertId().toLongLong();
        for (int p = 0; p < Points; ++p) {
            const double reading = i % 20 == 0 && p == 7 ? 10.2 : 10.01;
            for (const QVariant &value :
                 PointValues(id, Judge(nominal, p, Phase::AsFound, reading, calibration.started)))
                point.addBindValue(value);
            if (!point.exec())
                return false;
        }
        for (const QVariant &value :
             {TimeValue(calibration.started.addSecs(3600)),
              QVariant(VerdictName(i % 20 == 0 ? Verdict::Fail : Verdict::Pass)),
              QVariant(QStringLiteral("VK-%1-%2").arg(2024 + i / 3500).arg(i + 1)), QVariant(id)})
            done.addBindValue(value);
        if (!done.exec())
            return false;
    }
    return database.commit();
}

// Reports the median and the slowest of 11 runs of `work`, each with the events it leaves (the
// list painted) handled.
void Time(const char *what, const std::function<void()> &work) {
    QList<double> elapsed;
    QElapsedTimer timer;
    for (int i = 0; i < 11; ++i) {
        timer.start();
        work();
        QApplication::processEvents();
        elapsed.append(timer.nsecsElapsed() / 1e6);
    }
    Bench::Report(what, Bench::Median(elapsed), "ms", 200);
    Bench::Report("  slowest", *std::max_element(elapsed.begin(), elapsed.end()), "ms", 200);
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // On the disk the store would use, not a memory file system.
    QTemporaryDir folder(QDir::currentPath() + QStringLiteral("/records-bench-XXXXXX"));
    const QString path = folder.filePath(QStringLiteral("results.sqlite"));
    QString problem;
    {
        ResultStore created(path);
        if (!created.Open(&problem) || !Fill(path))
            return std::printf("cannot fill the store: %s\n", qPrintable(problem)), 1;
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    ResultStore store(path);
    if (!store.Open(&problem))
        return std::printf("%s\n", qPrintable(problem)), 1;

    std::unique_ptr<ResultsWindow> window;
    Time("open the window on 10,000 calibrations", [&] {
        window = std::make_unique<ResultsWindow>(store, LabSettings());
        window->show();
    });
    const auto rows = [&] {
        return window->findChild<QTableView *>("ResultsList")->model()->rowCount();
    };
    if (rows() != Runs)
        return std::printf("listed %d, not %d\n", rows(), Runs), 1;

    auto *findBut = window->findChild<QPushButton *>("FindRuns");
    auto *clearBut = window->findChild<QPushButton *>("ClearFilter");
    const struct {
        const char *what;
        std::function<void()> narrow;
        int expected;
    } filters[] = {
        {"  filter by serial",
         [&] { window->findChild<QLineEdit *>("SerialFilter")->setText("SN-04711"); }, 1},
        {"  filter by asset id",
         [&] { window->findChild<QLineEdit *>("AssetFilter")->setText("A-0042"); }, 2},
        {"  filter by customer",
         [&] { window->findChild<QLineEdit *>("CustomerFilter")->setText("Customer 7"); },
         Runs / 50},
        {"  filter by start date (one month)",
         [&] {
             window->findChild<QDateEdit *>("FromDate")->setDate(QDate(2024, 7, 1));
             window->findChild<QDateEdit *>("ToDate")->setDate(QDate(2024, 7, 31));
         },
         -1}, // about 300, as the local time zone cuts the days
        {"  filter by verdict FAIL",
         [&] { window->findChild<QComboBox *>("VerdictFilter")->setCurrentText("FAIL"); },
         Runs / 20},
    };
    // Each filter applied by "Find", from the whole list each time.
    for (const auto &filter : filters) {
        clearBut->click();
        filter.narrow();
        Time(filter.what, [&] { findBut->click(); });
        if (filter.expected >= 0 ? rows() != filter.expected : rows() == 0)
            return std::printf("%s: %d, not %d\n", filter.what, rows(), filter.expected), 1;
    }
    Time("  clear the filter (all 10,000 again)", [&] { clearBut->click(); });
    return rows() == Runs ? 0 : 1;
}
