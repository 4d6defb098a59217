#include "functions/measurement/DMMRanges.h"
#include "functions/measurement/DMMReading.h"

#include <QTest>

#include <limits>

using namespace vk220::measurement;

namespace {
constexpr double Infinity = std::numeric_limits<double>::infinity();
} // namespace

class DMMTablesTest : public QObject {
    Q_OBJECT
private slots:
    void RangeTable_data();
    void RangeTable();
    void ReadingText_data();
    void ReadingText();
    void NullOffset_data();
    void NullOffset();
};

void DMMTablesTest::RangeTable_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("maskCommand");
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("displayCommand");
    QTest::addColumn<QString>("information");
    QTest::newRow("30mA") << 0 << "30mA Range"
                          << "p17858560" << ((1 << 15) | (1 << 20) | (1 << 24)) << "#Measure : 20mA"
                          << "CURRENT MEASUREMENT - 30mA RANGE";
    QTest::newRow("100mV") << 1 << "100mV Range"
                           << "p17326080" << ((1 << 13) | (1 << 14) | (1 << 19) | (1 << 24))
                           << "#Measure : 200mV"
                           << "VOLTAGE MEASUREMENT - 100mV RANGE";
    QTest::newRow("1V") << 2 << "1V Range"
                        << "p17317888" << ((1 << 14) | (1 << 19) | (1 << 24)) << "#Measure : 2V"
                        << "VOLTAGE MEASUREMENT - 1V RANGE";
    QTest::newRow("30V") << 3 << "30V Range"
                         << "p17309696" << ((1 << 13) | (1 << 19) | (1 << 24)) << "#Measure : 20V"
                         << "VOLTAGE MEASUREMENT - 30V RANGE";
}

void DMMTablesTest::RangeTable() {
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QString, maskCommand);
    QFETCH(int, mask);
    QFETCH(QString, displayCommand);
    QFETCH(QString, information);
    const DMMRange &range = DMMRanges::Table().at(static_cast<size_t>(index));
    QCOMPARE(range.caption, caption);
    QCOMPARE(range.maskCommand, maskCommand);
    QCOMPARE(range.maskCommand, QStringLiteral("p%1").arg(mask));
    QCOMPARE(range.displayCommand, displayCommand);
    QCOMPARE(range.information, information);
}

void DMMTablesTest::ReadingText_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("raw");
    QTest::addColumn<double>("offset");
    QTest::addColumn<QString>("text");
    QTest::newRow("30mA") << 0 << 1000000.0 << 0.0 << "3.413mA";
    QTest::newRow("30mA small negative") << 0 << -2500.0 << 0.0 << "-0.009mA";
    QTest::newRow("30mA top") << 0 << 10000000.0 << 0.0 << "34.133mA";
    QTest::newRow("100mV top") << 1 << 10000000.0 << 0.0 << "110.00mV";
    QTest::newRow("100mV negative") << 1 << -1234567.0 << 0.0 << "-13.58mV";
    QTest::newRow("1V zero") << 2 << 0.0 << 0.0 << "0.0000V";
    QTest::newRow("1V top") << 2 << 10000000.0 << 0.0 << "1.1000V";
    QTest::newRow("30V top") << 3 << 10000000.0 << 0.0 << "33.040V";
    QTest::newRow("30V bottom") << 3 << -10000000.0 << 0.0 << "-33.040V";
    QTest::newRow("30V one count over") << 3 << 10000001.0 << 0.0 << "Overrange";
    QTest::newRow("30V one count under") << 3 << -10000001.0 << 0.0 << "Overrange";
    QTest::newRow("infinite") << 2 << Infinity << 0.0 << "Overrange";
    QTest::newRow("offset taken off") << 2 << 6000000.0 << 5000000.0 << "0.1100V";
    QTest::newRow("offset equal to reading") << 0 << 5000000.0 << 5000000.0 << "0.000mA";
    // Over range is judged on the raw reading: neither a small difference nor a large one
    // changes that.
    QTest::newRow("raw over, difference small") << 2 << 10000001.0 << 10000000.0 << "Overrange";
    QTest::newRow("raw within, difference large") << 2 << 9000000.0 << -5000000.0 << "1.5400V";
}

void DMMTablesTest::ReadingText() {
    QFETCH(int, index);
    QFETCH(double, raw);
    QFETCH(double, offset);
    QFETCH(QString, text);
    QCOMPARE(DMMReading::Text(raw, offset, DMMRanges::Table().at(static_cast<size_t>(index))),
             text);
}

void DMMTablesTest::NullOffset_data() {
    QTest::addColumn<bool>("nullOn");
    QTest::addColumn<double>("offset");
    QTest::addColumn<double>("raw");
    QTest::addColumn<double>("result");
    QTest::newRow("captured") << true << 0.0 << 5000000.0 << 5000000.0;
    QTest::newRow("negative captured") << true << 0.0 << -42.0 << -42.0;
    QTest::newRow("kept") << true << 5000000.0 << 7000000.0 << 5000000.0;
    QTest::newRow("zero reading: try again") << true << 0.0 << 0.0 << 0.0;
    QTest::newRow("over range captured") << true << 0.0 << 10000001.0 << 10000001.0;
    QTest::newRow("infinite: try again") << true << 0.0 << -Infinity << 0.0;
    QTest::newRow("top of range captured") << true << 0.0 << 10000000.0 << 10000000.0;
    QTest::newRow("dropped when off") << false << 5000000.0 << 7000000.0 << 0.0;
    QTest::newRow("none while off") << false << 0.0 << 7000000.0 << 0.0;
}

void DMMTablesTest::NullOffset() {
    QFETCH(bool, nullOn);
    QFETCH(double, offset);
    QFETCH(double, raw);
    QFETCH(double, result);
    QCOMPARE(DMMReading::UpdatedOffset(nullOn, offset, raw), result);
}

QTEST_GUILESS_MAIN(DMMTablesTest)
#include "DMMTablesTest.moc"
