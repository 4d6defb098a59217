#include "sim/ReplySchedule.h"

#include <QTest>

using namespace vk220::sim;

namespace {

const QByteArray Reply = "KELLWORTH,SIMULATED MULTI-PRODUCT CALIBRATOR\r\n*0\r\n";

QByteArray Joined(const QList<ReplyChunk> &chunks) {
    QByteArray all;
    for (const ReplyChunk &chunk : chunks) {
        all += chunk.bytes;
    }
    return all;
}

} // namespace

class ReplyScheduleTest : public QObject {
    Q_OBJECT

private slots:
    void PromptReplyIsOneImmediateWrite();
    void SlowReplyWaitsFirst();
    void TrickleSplitsIntoPausedPieces_data();
    void TrickleSplitsIntoPausedPieces();
    void NothingToWrite();
    void HangUpComesWithTheLineAfterTheLast_data();
    void HangUpComesWithTheLineAfterTheLast();
};

void ReplyScheduleTest::PromptReplyIsOneImmediateWrite() {
    const QList<ReplyChunk> chunks = ReplySchedule({}).Plan(Reply);
    QCOMPARE(chunks.size(), 1);
    QCOMPARE(chunks.at(0).delayMs, 0);
    QCOMPARE(chunks.at(0).bytes, Reply);
}

void ReplyScheduleTest::SlowReplyWaitsFirst() {
    SimulationFaults faults;
    faults.slowMs = 750;
    const QList<ReplyChunk> chunks = ReplySchedule(faults).Plan(Reply);
    QCOMPARE(chunks.size(), 1);
    QCOMPARE(chunks.at(0).delayMs, 750);
    QCOMPARE(chunks.at(0).bytes, Reply);
}

void ReplyScheduleTest::TrickleSplitsIntoPausedPieces_data() {
    QTest::addColumn<int>("slowMs");
    QTest::newRow("trickle") << 0;
    QTest::newRow("slow trickle") << 300;
}

void ReplyScheduleTest::TrickleSplitsIntoPausedPieces() {
    QFETCH(int, slowMs);
    SimulationFaults faults;
    faults.trickle = true;
    faults.slowMs = slowMs;
    const QList<ReplyChunk> chunks = ReplySchedule(faults).Plan(Reply);
    QCOMPARE(Joined(chunks), Reply);
    QVERIFY(chunks.size() >= Reply.size() / ReplySchedule::TrickleCharacters);
    QCOMPARE(chunks.at(0).delayMs, slowMs);
    for (qsizetype i = 1; i < chunks.size(); ++i) {
        QCOMPARE(chunks.at(i).delayMs, ReplySchedule::TricklePauseMs);
    }
    for (const ReplyChunk &chunk : chunks) {
        QVERIFY(!chunk.bytes.isEmpty());
        QVERIFY(chunk.bytes.size() <= ReplySchedule::TrickleCharacters);
    }
}

void ReplyScheduleTest::NothingToWrite() {
    QVERIFY(ReplySchedule({}).Plan({}).isEmpty());
    SimulationFaults faults;
    faults.stream = true;
    const ReplySchedule streaming(faults);
    QVERIFY(streaming.Streams());
    QVERIFY(streaming.Plan(Reply).isEmpty());
    QVERIFY(!QByteArray(ReplySchedule::StreamText).contains("*0"));
    QVERIFY(!ReplySchedule({}).Streams());
}

void ReplyScheduleTest::HangUpComesWithTheLineAfterTheLast_data() {
    QTest::addColumn<int>("hangUpAfter");
    QTest::addColumn<int>("lineNumber");
    QTest::addColumn<bool>("hangsUp");
    QTest::newRow("never, first line") << -1 << 1 << false;
    QTest::newRow("never, many lines later") << -1 << 100000 << false;
    QTest::newRow("after 0, first line") << 0 << 1 << true;
    QTest::newRow("after 2, second line answered") << 2 << 2 << false;
    QTest::newRow("after 2, third line") << 2 << 3 << true;
}

void ReplyScheduleTest::HangUpComesWithTheLineAfterTheLast() {
    QFETCH(int, hangUpAfter);
    QFETCH(int, lineNumber);
    QFETCH(bool, hangsUp);
    SimulationFaults faults;
    faults.hangUpAfter = hangUpAfter;
    QCOMPARE(ReplySchedule(faults).HangsUpAt(lineNumber), hangsUp);
}

QTEST_APPLESS_MAIN(ReplyScheduleTest)
#include "ReplyScheduleTest.moc"
