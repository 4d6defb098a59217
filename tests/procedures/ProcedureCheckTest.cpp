#include "procedures/PointFunctions.h"
#include "procedures/ProcedureReader.h"
#include "tests/support/ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace vk220::procedures;

class ProcedureCheckTest : public QObject {
    Q_OBJECT

private slots:
    void ShippedExamplesAreValid();
    void DocumentedExamplesAreValid();
    void CheckProcedureRunsWithoutADisplay();
};

// Every example installed with the package, one for each kind of instrument.
void ProcedureCheckTest::ShippedExamplesAreValid() {
    const QDir examples(QStringLiteral(SOURCE_DIR "/procedures"));
    const QStringList files = examples.entryList({QStringLiteral("*.yaml")}, QDir::Files);
    QCOMPARE(files,
             (QStringList{"clamp-meter.yaml", "continuity-tester.yaml", "insulation-tester.yaml",
                          "multimeter.yaml", "tachometer.yaml", "thermocouple-thermometer.yaml"}));
    for (const QString &file : files) {
        const ProcedureLoad load = LoadProcedure(examples.filePath(file));
        QVERIFY2(load.procedure, qPrintable(load.problem));
        QVERIFY(!load.procedure->points.isEmpty());
    }
}

// Each YAML block of docs/procedures.md is a complete file; together they show every function.
void ProcedureCheckTest::DocumentedExamplesAreValid() {
    QFile document(QStringLiteral(SOURCE_DIR "/docs/procedures.md"));
    QVERIFY(document.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(document.readAll());
    static const QRegularExpression block(QStringLiteral("```yaml\n(.*?)```"),
                                          QRegularExpression::DotMatchesEverythingOption);
    QTemporaryDir folder;
    QSet<PointFunction> shown;
    for (const QRegularExpressionMatch &match : block.globalMatch(text)) {
        QFile file(folder.filePath(QStringLiteral("example.yaml")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(match.captured(1).toUtf8());
        file.close();
        const ProcedureLoad load = LoadProcedure(file.fileName());
        QVERIFY2(load.procedure, qPrintable(load.problem + "\n" + match.captured(1)));
        for (const TestPoint &point : load.procedure->points)
            shown.insert(point.function);
    }
    QCOMPARE(shown.size(), 8);
}

// The program checks files before it would need a display: each file's problem or "OK", exit 1
// while one is not valid, 0 when all are.
void ProcedureCheckTest::CheckProcedureRunsWithoutADisplay() {
    QTemporaryDir folder;
    QFile bad(folder.filePath(QStringLiteral("bad.yaml")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("id: PROC-1\nrevision: A\ntitle: T\nuut: {make: M, models: [X]}\nauthor: A\n"
              "approved: 2026-12-01\npoints:\n"
              "  - function: test voltage\n    nominal: 2000 V\n    tolerance: 3 %\n"
              "    result: panel measures\n    readings: 10\n    connect: c\n    settle: 1 s\n");
    bad.close();
    const QString good = QStringLiteral(SOURCE_DIR "/procedures/tachometer.yaml");

    QProcess panel;
    QProcessEnvironment environment = EnvironmentWithoutDisplay();
    panel.setProcessEnvironment(environment);
    panel.setWorkingDirectory(folder.path());

    panel.start(QStringLiteral(PANEL_PATH),
                {QStringLiteral("--check-procedure"), good, QStringLiteral("bad.yaml")});
    QVERIFY(panel.waitForFinished(30000));
    QCOMPARE(panel.exitStatus(), QProcess::NormalExit);
    QCOMPARE(panel.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(panel.readAllStandardOutput()),
             good + QStringLiteral(": OK\n"
                                   "bad.yaml:9:14: point 1: test voltage 2000 V is above the "
                                   "highest range (1000 V)\n"));
    QCOMPARE(panel.readAllStandardError(), QByteArray());

    panel.start(QStringLiteral(PANEL_PATH), {QStringLiteral("--check-procedure"), good});
    QVERIFY(panel.waitForFinished(30000));
    QCOMPARE(panel.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(panel.readAllStandardOutput()), good + QStringLiteral(": OK\n"));
}

QTEST_GUILESS_MAIN(ProcedureCheckTest)
#include "ProcedureCheckTest.moc"
