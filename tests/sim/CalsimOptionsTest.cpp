#include "sim/CalsimOptions.h"

#include <QTest>

using namespace vk220::sim;

namespace {

CalsimOptions Parse(const QStringList &arguments) {
    return CalsimOptions::Parse(QStringList{QStringLiteral("calsim")} + arguments);
}

} // namespace

class CalsimOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void Defaults();
    void EveryFlag();
    void Help();
    void RejectedArguments_data();
    void RejectedArguments();
};

void CalsimOptionsTest::Defaults() {
    const CalsimOptions options = Parse({});
    QVERIFY(options.error.isEmpty());
    QCOMPARE(options.port, 1);
    QCOMPARE(options.tcpPort, 0);
    QVERIFY(options.logFile.isEmpty());
    QVERIFY(!options.helpRequested);
    const SimulationFaults &faults = options.faults;
    QVERIFY(!faults.silent && !faults.shortIdentification && !faults.garbage);
    QVERIFY(!faults.extraAfterMarker && !faults.trickle && !faults.stream);
    QCOMPARE(faults.slowMs, 0);
    QCOMPARE(faults.hangUpAfter, -1);
}

void CalsimOptionsTest::EveryFlag() {
    const CalsimOptions options = Parse(
        {"--port", "3", "--log", "calsim.log", "--silent", "--short-id", "--slow", "250",
         "--trickle", "--stream", "--garbage", "--extra", "--hangup-after", "5", "--tcp", "4001"});
    QVERIFY2(options.error.isEmpty(), qPrintable(options.error));
    QCOMPARE(options.port, 3);
    QCOMPARE(options.tcpPort, 4001);
    QCOMPARE(options.logFile, QStringLiteral("calsim.log"));
    const SimulationFaults &faults = options.faults;
    QVERIFY(faults.silent && faults.shortIdentification && faults.garbage);
    QVERIFY(faults.extraAfterMarker && faults.trickle && faults.stream);
    QCOMPARE(faults.slowMs, 250);
    QCOMPARE(faults.hangUpAfter, 5);
}

void CalsimOptionsTest::Help() {
    const CalsimOptions options = Parse({"--help"});
    QVERIFY(options.helpRequested);
    QVERIFY(!options.versionRequested);
    QVERIFY(Parse({"--version"}).versionRequested);
    QVERIFY(Parse({"-v"}).versionRequested);
    for (const char *flag :
         {"--port", "--log", "--silent", "--short-id", "--slow", "--trickle", "--stream",
          "--garbage", "--extra", "--hangup-after", "--version", "--tcp"}) {
        QVERIFY2(options.helpText.contains(QLatin1String(flag)), flag);
    }
}

void CalsimOptionsTest::RejectedArguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("port zero") << QStringList{"--port", "0"};
    QTest::newRow("port not a number") << QStringList{"--port", "one"};
    QTest::newRow("negative delay") << QStringList{"--slow", "-5"};
    QTest::newRow("hang-up not a number") << QStringList{"--hangup-after", "x"};
    QTest::newRow("tcp port zero") << QStringList{"--tcp", "0"};
    QTest::newRow("tcp port too large") << QStringList{"--tcp", "65536"};
    QTest::newRow("unknown flag") << QStringList{"--loud"};
    QTest::newRow("missing value") << QStringList{"--port"};
    QTest::newRow("stray argument") << QStringList{"COM1"};
}

void CalsimOptionsTest::RejectedArguments() {
    QFETCH(QStringList, arguments);
    QVERIFY(!Parse(arguments).error.isEmpty());
}

QTEST_APPLESS_MAIN(CalsimOptionsTest)
#include "CalsimOptionsTest.moc"
