#include "functions/tachometer/SpeedSetting.h"

#include <QTest>

#include <cmath>

using namespace vk220::tachometer;

class SpeedSettingTest : public QObject {
    Q_OBJECT

private slots:
    void SpeedText_data();
    void SpeedText();
    void ReadsInSinglePrecision_data();
    void ReadsInSinglePrecision();
};

void SpeedSettingTest::SpeedText_data() {
    QTest::addColumn<QString>("entry");
    // Empty when the entry is refused.
    QTest::addColumn<QString>("speed");

    QTest::newRow("opening speed") << "600"
                                   << "600";
    QTest::newRow("lower limit") << "60"
                                 << "60";
    QTest::newRow("below lower limit") << "59.9"
                                       << "";
    QTest::newRow("upper limit") << "60000"
                                 << "60000";
    QTest::newRow("above upper limit") << "60000.5"
                                       << "";
    QTest::newRow("rounded down to the step") << "65"
                                              << "60";
    QTest::newRow("a multiple of the step") << "66"
                                            << "66";
    QTest::newRow("fraction rounded down") << "1234.9"
                                           << "1230";
    QTest::newRow("just below a step") << "71.99"
                                       << "66";
    QTest::newRow("exponent") << "3e3"
                              << "3000";
    QTest::newRow("exponent not a step") << "1e3"
                                         << "996";
    QTest::newRow("exponent with D") << "6D4"
                                     << "60000";
    QTest::newRow("leading sign") << "+600"
                                  << "600";
    QTest::newRow("negative") << "-600"
                              << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blanks only") << "  "
                                 << "";
    QTest::newRow("minus alone") << "-"
                                 << "";
    QTest::newRow("minus zero") << "-0"
                                << "";
    QTest::newRow("letters") << "abc"
                             << "";
    QTest::newRow("comma ends the number") << "25,5"
                                           << "";
    QTest::newRow("comma after a valid speed") << "1234,5"
                                               << "1230";
    QTest::newRow("blank inside digits") << "2 5 0"
                                         << "246";
    QTest::newRow("tab and line feed ignored") << "\t6\n0"
                                               << "60";
    QTest::newRow("trailing unit") << "600RPM"
                                   << "600";
    QTest::newRow("overflowing exponent") << "1e999"
                                          << "";
    QTest::newRow("beyond float range") << "1e39"
                                        << "";
    QTest::newRow("beyond float range negative") << "-1e39"
                                                 << "";
    QTest::newRow("very long number") << QString(100000, QLatin1Char('9')) << "";
    QTest::newRow("long leading zeros") << QString(5000, QLatin1Char('0')) + "600"
                                        << "600";
    QTest::newRow("long trailing garbage") << "600" + QString(100000, QLatin1Char('x')) << "600";
    // Single precision: these round to the limits when they are read.
    QTest::newRow("rounds up to the lower limit") << "59.9999999"
                                                  << "60";
    QTest::newRow("rounds down to the upper limit") << "60000.001"
                                                    << "60000";
}

void SpeedSettingTest::SpeedText() {
    QFETCH(QString, entry);
    QFETCH(QString, speed);
    const std::optional<QString> text = SpeedSetting::SpeedText(entry);
    QCOMPARE(text.value_or(QString()), speed);
    QCOMPARE(text.has_value(), !speed.isEmpty());
}

void SpeedSettingTest::ReadsInSinglePrecision_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<float>("value");
    QTest::newRow("fraction") << "59.9" << 59.9f;
    QTest::newRow("many digits") << "1234.56789" << 1234.56789f;
    QTest::newRow("overflow") << "1e39" << std::numeric_limits<float>::infinity();
    QTest::newRow("negative overflow") << "-1e39" << -std::numeric_limits<float>::infinity();
    QTest::newRow("double overflow") << "1e999" << std::numeric_limits<float>::infinity();
}

void SpeedSettingTest::ReadsInSinglePrecision() {
    QFETCH(QString, entry);
    QFETCH(float, value);
    const float read = SpeedSetting::Read(entry);
    QVERIFY2(read == value, qPrintable(QString::number(read, 'g', 10)));
}

QTEST_APPLESS_MAIN(SpeedSettingTest)
#include "SpeedSettingTest.moc"
