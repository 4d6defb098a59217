#include "procedures/Tolerance.h"

#include <QTest>

using namespace vk220::procedures;

class ToleranceTest : public QObject {
    Q_OBJECT

private slots:
    void limits_data();
    void limits();
};

// Each kind of term alone, in the ways makers write it, and sums of them; the limits about the
// nominal with the UUT's range and resolution.
void ToleranceTest::limits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("nominal");
    QTest::addColumn<double>("range");
    QTest::addColumn<double>("resolution");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::newRow("% of reading") << "±(2 % of reading)" << 100.0 << 0.0 << 0.0 << 98.0 << 102.0;
    QTest::newRow("% rdg of a negative nominal")
        << "0.5% rdg" << -200.0 << 0.0 << 0.0 << -201.0 << -199.0;
    QTest::newRow("bare %") << "±1 %" << 50.0 << 0.0 << 0.0 << 49.5 << 50.5;
    QTest::newRow("% of range") << "+/- 0.1 % of range" << 4.0 << 20.0 << 0.0 << 3.98 << 4.02;
    QTest::newRow("% FS") << "2 % FS" << 10.0 << 1000.0 << 0.0 << -10.0 << 30.0;
    QTest::newRow("absolute with prefix") << "±20 mV" << 1.0 << 0.0 << 0.0 << 0.98 << 1.02;
    QTest::newRow("digits") << "3 digits" << 10.0 << 0.0 << 0.01 << 9.97 << 10.03;
    QTest::newRow("one dgt") << "1 dgt" << 600.0 << 0.0 << 1.0 << 599.0 << 601.0;
    QTest::newRow("reading + digits")
        << "±(1.5 % of reading + 5 digits)" << 200.0 << 0.0 << 0.1 << 196.5 << 203.5;
    QTest::newRow("every kind") << "±(0.5 % of reading + 0.1 % of range + 2 digits + 0.05 V)"
                                << 10.0 << 60.0 << 0.01 << 9.82 << 10.18;
}

void ToleranceTest::limits() {
    QFETCH(QString, text);
    QFETCH(double, nominal);
    QFETCH(double, range);
    QFETCH(double, resolution);
    QFETCH(double, low);
    QFETCH(double, high);
    QString problem;
    const std::optional<Tolerance> tolerance = Tolerance::Parse(text, &problem);
    QVERIFY2(tolerance, qPrintable(problem));
    const ToleranceLimits limits = tolerance->Limits(nominal, range, resolution);
    QCOMPARE(limits.low, low);
    QCOMPARE(limits.high, high);
}

QTEST_GUILESS_MAIN(ToleranceTest)
#include "ToleranceTest.moc"
