// The store on the laboratory's server, against a real PostgreSQL server: ctest runs this under
// scripts/pg-cluster.sh, which starts a private cluster and names it in PGHOST, PGPORT, PGUSER,
// PGDATABASE and PGPASSFILE.
#include "results/ResultStore.h"
#include "results/SchemaMigrations.h"
#include "tests/results/RunFixtures.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace vk220::results;
using namespace RunFixtures;

namespace {

// The server by its address, as a lab's setting names it; the bench's spool at `spool`.
StoreLocation Server(const QString &spool, const QString &database = QStringLiteral("vk220")) {
    QString problem;
    StoreLocation location =
        *StoreLocation::Parse(QStringLiteral("postgresql://bench@127.0.0.1:%1/%2?sslmode=prefer")
                                  .arg(qEnvironmentVariable("PGPORT"), database),
                              &problem);
    location.path = spool;
    return location;
}

// The server as the test itself reaches it, from libpq's environment.
QSqlDatabase Direct(const QString &name, const QString &database = {}) {
    QSqlDatabase direct = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    direct.setDatabaseName(database);
    direct.open();
    return direct;
}

bool Cluster(const char *command) {
    return QProcess::execute(QStringLiteral(PG_CLUSTER), {QLatin1String(command)}) == 0;
}

// One bench of the concurrency test, a process of its own: 50 runs of 2 points, each completed,
// its certificate numbers printed one a line.
int Bench(const QString &bench, const QString &spool) {
    ResultStore store(Server(spool), bench);
    QString problem;
    if (!store.Open(&problem))
        return std::fprintf(stderr, "%s\n", qPrintable(problem)), 1;
    for (int run = 0; run < 50; ++run)
        std::printf("%s\n", qPrintable(StoreRun(store, bench + QString::number(run), 2, false,
                                                QStringLiteral("LAB"))));
    return 0;
}

} // namespace

class ResultServerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void NumbersAreUniqueAcrossBenchesWritingAtOnce();
    void SchemaIsMigratedFromThePreviousVersionInOneTransaction();
    void ServerAwayLosesNothing();

private:
    QTemporaryDir folder;
};

void ResultServerTest::initTestCase() {
    QVERIFY2(!qEnvironmentVariableIsEmpty("VK220_PG_CLUSTER"),
             "no server: run under scripts/pg-cluster.sh run");
}

// Four benches, separate processes with their own spools, complete 50 runs each at once: 200
// numbers, each once, one sequence without a gap; every run complete, with its bench and points;
// any bench finds any certificate.
void ResultServerTest::NumbersAreUniqueAcrossBenchesWritingAtOnce() {
    std::vector<std::unique_ptr<QProcess>> benches;
    for (int i = 0; i < 4; ++i) {
        benches.push_back(std::make_unique<QProcess>());
        benches.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        benches.back()->start(QCoreApplication::applicationFilePath(),
                              {QStringLiteral("bench"), QStringLiteral("bench-%1").arg(i),
                               folder.filePath(QStringLiteral("spool-%1.sqlite").arg(i))});
    }
    QStringList numbers;
    for (const auto &bench : benches) {
        QVERIFY(bench->waitForFinished(60000));
        QCOMPARE(bench->exitCode(), 0);
        numbers +=
            QString::fromUtf8(bench->readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }
    QCOMPARE(numbers.size(), 200);
    QCOMPARE(QSet<QString>(numbers.begin(), numbers.end()).size(), 200);
    numbers.sort();
    QCOMPARE(numbers.first(), QStringLiteral("LAB-2026-0001"));
    QCOMPARE(numbers.last(), QStringLiteral("LAB-2026-0200"));

    ResultStore office(Server(folder.filePath(QStringLiteral("office.sqlite"))),
                       QStringLiteral("office"));
    QString problem;
    QVERIFY2(office.Open(&problem), qPrintable(problem));
    const QList<CalibrationRun> runs = office.Find({});
    QCOMPARE(runs.size(), 200);
    for (const CalibrationRun &run : runs)
        QVERIFY(run.state == RunState::Complete && run.uut.serial.startsWith(run.bench));
    CalibrationFilter third;
    third.bench = QStringLiteral("bench-3");
    QCOMPARE(office.Find(third).size(), 50);
    const std::optional<CalibrationRun> found = office.RunByCertificate(numbers[123]);
    QVERIFY(found);
    QCOMPARE(office.Points(found->id).size(), 2);
}

// A database of the previous version is brought to the current one; a migration that fails
// leaves nothing of itself; a newer schema is refused with a message.
void ResultServerTest::SchemaIsMigratedFromThePreviousVersionInOneTransaction() {
    const int previous = CurrentSchemaVersion() - 1;
    QString problem;
    {
        QSqlDatabase direct = Direct(QStringLiteral("create"));
        QVERIFY(QSqlQuery(direct).exec(QStringLiteral("CREATE DATABASE vk220_old")));
        QSqlDatabase old = Direct(QStringLiteral("old"), QStringLiteral("vk220_old"));
        QVERIFY2(Migrate(old, QStringLiteral("old"), &problem, previous), qPrintable(problem));
        QSqlQuery query(old);
        QVERIFY(query.exec(
            "INSERT INTO calibration (procedure_id, procedure_revision, procedure_title, "
            "procedure_hash, uut_make, uut_model, uut_serial, asset_id, customer, operator, "
            "started, temperature, humidity, calibrator, adapter, state) VALUES ('P', 'A', 'T', "
            "'', 'M', 'X', 'OLD-1', 'A-1', 'C', 'O', '2025-01-02T08:00:00.000Z', 23.25, 45, "
            "'CAL', 'VK', 'open')"));
        // In the way of the migration's last statement.
        QVERIFY(query.exec("ALTER TABLE point_result ADD COLUMN uncertainty TEXT"));
    }
    const StoreLocation location =
        Server(folder.filePath(QStringLiteral("old.sqlite")), "vk220_old");
    {
        ResultStore store(location, QStringLiteral("bench-old"));
        QVERIFY(!store.Open(&problem));
        QVERIFY2(
            problem.startsWith(
                QStringLiteral("migration to schema version %1: ").arg(CurrentSchemaVersion())),
            qPrintable(problem));
    }
    {
        QSqlDatabase old = QSqlDatabase::database(QStringLiteral("old"));
        QCOMPARE(SchemaVersionOf(old, &problem), previous);
        QSqlQuery query(old);
        // The migration's first column went with the rest.
        QVERIFY(!query.exec("SELECT decision_rule FROM calibration"));
        QVERIFY(query.exec("ALTER TABLE point_result DROP COLUMN uncertainty"));
    }
    ResultStore store(location, QStringLiteral("bench-old"));
    QVERIFY2(store.Open(&problem), qPrintable(problem));
    const QList<CalibrationRun> runs = store.Find({});
    QCOMPARE(runs.size(), 1);
    QCOMPARE(runs[0].uut.serial, QStringLiteral("OLD-1"));
    QCOMPARE(runs[0].environment.temperature, 23.25);
    QCOMPARE(runs[0].bench, QString());

    QSqlQuery query(QSqlDatabase::database(QStringLiteral("old")));
    QVERIFY(query.exec(
        QStringLiteral("UPDATE schema_version SET version = %1").arg(CurrentSchemaVersion() + 1)));
    ResultStore older(location, QStringLiteral("bench-old"));
    QVERIFY(!older.Open(&problem));
    QCOMPARE(problem, QStringLiteral("the results database %1 is of schema version %2, newer "
                                     "than this program's %3: use a newer program to open it")
                          .arg(location.text)
                          .arg(CurrentSchemaVersion() + 1)
                          .arg(CurrentSchemaVersion()));
}

// A dropped connection, the server stopped in the middle of a run and started again, a bench
// started while it is down (connection refused) and a wrong password: each is one notice, the
// bench goes on without waiting more than a few seconds, and every point arrives once.
void ResultServerTest::ServerAwayLosesNothing() {
    QStringList notices;
    ResultStore store(Server(folder.filePath(QStringLiteral("away.sqlite"))),
                      QStringLiteral("bench-a"));
    store.SetNotice([&notices](const QString &notice) { notices.append(notice); });
    QString problem;
    QVERIFY2(store.Open(&problem), qPrintable(problem));
    const qint64 id = store.StartRun(Run(QStringLiteral("AWAY-1"), 10), &problem);
    QVERIFY(id > 0);
    const auto record = [&](int index) {
        QElapsedTimer timer;
        timer.start();
        const bool recorded =
            store.RecordPoint(id, Judge(Point(), index, Phase::AsFound, 0.01, At(index)), &problem);
        return recorded && timer.elapsed() < 4000;
    };
    QVERIFY(record(0));

    QSqlDatabase direct = Direct(QStringLiteral("direct"));
    QVERIFY(QSqlQuery(direct).exec(
        "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE usename = current_user "
        "AND pid <> pg_backend_pid()"));
    QVERIFY(record(1));
    QCOMPARE(notices.size(), 1);
    QVERIFY2(notices[0].contains("terminating connection due to administrator command"),
             qPrintable(notices[0]));
    const ServerState back = store.Flush();
    QVERIFY(back.reachable);
    QCOMPARE(back.waiting, 0);
    QCOMPARE(notices.size(), 2);
    QVERIFY2(notices[1].contains("is back"), qPrintable(notices[1]));

    direct.close();
    QVERIFY(Cluster("stop"));
    for (int index = 2; index < 5; ++index)
        QVERIFY(record(index));
    QCOMPARE(notices.size(), 3);
    const ServerState away = store.Flush();
    QVERIFY(!away.reachable);
    QCOMPARE(away.waiting, 1);
    QCOMPARE(away.notice, notices.last());
    ResultStore late(Server(folder.filePath(QStringLiteral("late.sqlite"))),
                     QStringLiteral("bench-b"));
    late.SetNotice([&notices](const QString &notice) { notices.append(notice); });
    QVERIFY(late.Open(&problem));
    QCOMPARE(notices.last(),
             QStringLiteral("The laboratory's results server postgresql://bench@127.0.0.1:%1/vk220 "
                            "cannot be reached (connection to server at \"127.0.0.1\", port %1 "
                            "failed: Connection refused). The results are kept on this bench and "
                            "sent when the server is back.")
                 .arg(qEnvironmentVariable("PGPORT")));
    const qint64 spooled = late.StartRun(Run(QStringLiteral("LATE-1")), &problem);
    QVERIFY(spooled > 0);
    QVERIFY(late.RecordPoint(spooled, Judge(Point(), 0, Phase::AsFound, 0.01, At(1)), &problem));
    QCOMPARE(late.Complete(spooled, At(2), "LAB", &problem), QString());
    QVERIFY(problem.contains("numbered when the server is back"));

    QVERIFY(Cluster("start"));
    QVERIFY(late.Flush().reachable);
    QVERIFY(record(5)); // spooled still: the server is tried again a few seconds on, or on Flush
    QCOMPARE(store.Flush().waiting, 0);
    QVERIFY(!store.Complete(id, At(20), "LAB", &problem).isEmpty());

    const QString wrong = folder.filePath(QStringLiteral("wrong.pgpass"));
    QFile file(wrong);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("*:*:*:bench:not-the-password\n");
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    file.close();
    const QByteArray passwords = qgetenv("PGPASSFILE");
    qputenv("PGPASSFILE", wrong.toLocal8Bit());
    ResultStore locked(Server(folder.filePath(QStringLiteral("locked.sqlite"))),
                       QStringLiteral("bench-c"));
    locked.SetNotice([&notices](const QString &notice) { notices.append(notice); });
    QVERIFY(locked.Open(&problem));
    QVERIFY2(notices.last().contains("password authentication failed"), qPrintable(notices.last()));
    StoreRun(locked, QStringLiteral("LOCKED-1"), 3, true, QString());
    qputenv("PGPASSFILE", passwords);
    QCOMPARE(locked.Flush().waiting, 0);

    StoreLocation encrypted = Server(folder.filePath(QStringLiteral("ssl.sqlite")));
    encrypted.options = QStringList{QStringLiteral("sslmode=require")}; // this server has no TLS
    ResultStore secure(encrypted, QStringLiteral("bench-d"));
    secure.SetNotice([&notices](const QString &notice) { notices.append(notice); });
    QVERIFY(secure.Open(&problem));
    QVERIFY2(notices.last().contains("server does not support SSL"), qPrintable(notices.last()));

    ResultStore office(Server(folder.filePath(QStringLiteral("office2.sqlite"))),
                       QStringLiteral("office"));
    QVERIFY(office.Open(&problem));
    const auto pointsOf = [&office](const char *serial) {
        CalibrationFilter filter;
        filter.serial = QLatin1String(serial);
        const QList<CalibrationRun> runs = office.Find(filter);
        QStringList taken;
        for (const PointResult &point :
             runs.size() == 1 ? office.Points(runs[0].id) : QList<PointResult>())
            taken.append(PhaseName(point.phase) + QString::number(point.index));
        return taken.join(' ');
    };
    QCOMPARE(pointsOf("AWAY-1"), QStringLiteral("as-found0 as-found1 as-found2 as-found3 "
                                                "as-found4 as-found5"));
    QCOMPARE(pointsOf("LATE-1"), QStringLiteral("as-found0"));
    QCOMPARE(pointsOf("LOCKED-1"), QStringLiteral("as-found0 as-found1 as-found2 as-left0 "
                                                  "as-left1 as-left2"));
    QVERIFY(!late.Run(spooled)->certificate.isEmpty());
    QCOMPARE(office.RunByCertificate(late.Run(spooled)->certificate)->uut.serial, "LATE-1");
}

int main(int argc, char *argv[]) {
    QCoreApplication application(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "bench") == 0)
        return Bench(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    ResultServerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ResultServerTest.moc"
