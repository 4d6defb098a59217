#include "functions/thermocouple/TemperatureSetting.h"
#include "functions/thermocouple/ThermocoupleTypes.h"

#include <QTest>

#include <limits>

using namespace vk220::thermocouple;

namespace {

constexpr int K = 0, J = 1, B = 2, E = 3, N = 4, R = 5, S = 6, T = 7;
constexpr double Infinity = std::numeric_limits<double>::infinity();

} // namespace

class TemperatureSettingTest : public QObject {
    Q_OBJECT

private slots:
    void TypeTable_data();
    void TypeTable();
    void TextsUseTheOneDegreeSign();
    void Refusal_data();
    void Refusal();
    void Command_data();
    void Command();
    void TemperatureCaption_data();
    void TemperatureCaption();
    void TypeCaption();
};

void TemperatureSettingTest::TypeTable_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("code");
    QTest::newRow("K") << K << "TYPE K [-140°C to 1340°C]" << -140.0 << 1340.0
                       << "Type K : Min = -140°C : Max = 1340°C"
                       << "L1";
    QTest::newRow("J") << J << "TYPE J [-180°C to 750°C]" << -180.0 << 750.0
                       << "Type J : Min = -180°C : Max = 750°C"
                       << "L2";
    QTest::newRow("B") << B << "TYPE B [0°C to 1820°C]" << 0.0 << 1820.0
                       << "Type B : Min = 0°C : Max = 1820°C"
                       << "L8";
    QTest::newRow("E") << E << "TYPE E [0°C to 800°C]" << 0.0 << 800.0 << "Min = 0°C : Max = 800°C"
                       << "L6";
    QTest::newRow("N") << N << "TYPE N [-270°C to 1300°C]" << -270.0 << 1300.0
                       << "Type N : Min = -270°C : Max = 1300°C"
                       << "L7";
    QTest::newRow("R") << R << "TYPE R [-50°C to 1700°C]" << -50.0 << 1700.0
                       << "Type R : Min = -50°C : Max = 1700°C"
                       << "L4";
    QTest::newRow("S") << S << "TYPE S [-50°C to 1700°C]" << -50.0 << 1700.0
                       << "Type S : Min = -50°C : Max = 1700°C"
                       << "L5";
    QTest::newRow("T") << T << "TYPE T [-250°C to 400°C]" << -250.0 << 400.0
                       << "Type T : Min = -250°C : Max = 400°C"
                       << "L3";
}

void TemperatureSettingTest::TypeTable() {
    QFETCH(int, index);
    QFETCH(QString, entry);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(QString, message);
    QFETCH(QString, code);
    const ThermocoupleType *type = ThermocoupleTypes::At(index);
    QVERIFY(type);
    QCOMPARE(type->selectorEntry, entry);
    QCOMPARE(type->min, min);
    QCOMPARE(type->max, max);
    QCOMPARE(type->rangeMessage, message);
    QCOMPARE(type->code, code);
    QCOMPARE(ThermocoupleTypes::SelectorEntries().at(index), entry);
}

void TemperatureSettingTest::TextsUseTheOneDegreeSign() {
    QCOMPARE(ThermocoupleTypes::SelectorEntries().size(), ThermocoupleTypes::Count);
    QStringList texts = ThermocoupleTypes::SelectorEntries();
    for (const ThermocoupleType &type : ThermocoupleTypes::Table())
        texts.append(type.rangeMessage);
    texts.append(TemperatureSetting::TemperatureCaption(1.0));
    for (const QString &text : texts) {
        for (const QChar c : text)
            QVERIFY2(c.unicode() < 0x80 || c.unicode() == 0x00B0, qPrintable(text));
        QVERIFY2(text.contains(QChar(0x00B0)), qPrintable(text));
    }
}

void TemperatureSettingTest::Refusal_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("temperature");
    // Empty when the setting is valid.
    QTest::addColumn<QString>("message");
    const QString typeK = "Type K : Min = -140°C : Max = 1340°C";
    QTest::newRow("K upper limit") << K << 1340.0 << "";
    QTest::newRow("K above upper limit") << K << 1340.0001 << typeK;
    QTest::newRow("K lower limit") << K << -140.0 << "";
    QTest::newRow("K below lower limit") << K << -140.0001 << typeK;
    QTest::newRow("K zero") << K << 0.0 << "";
    QTest::newRow("K infinity") << K << Infinity << typeK;
    QTest::newRow("K minus infinity") << K << -Infinity << typeK;
    QTest::newRow("B zero") << B << 0.0 << "";
    QTest::newRow("B minus zero") << B << -0.0 << "";
    QTest::newRow("B negative") << B << -0.0001 << "Type B : Min = 0°C : Max = 1820°C";
    QTest::newRow("B upper limit") << B << 1820.0 << "";
    QTest::newRow("E zero") << E << 0.0 << "";
    QTest::newRow("E negative") << E << -1.0 << "Min = 0°C : Max = 800°C";
    QTest::newRow("E above upper limit") << E << 800.5 << "Min = 0°C : Max = 800°C";
    QTest::newRow("N lower limit") << N << -270.0 << "";
    QTest::newRow("T above upper limit") << T << 400.001 << "Type T : Min = -250°C : Max = 400°C";
    QTest::newRow("no selection") << -1 << 0.0 << "Invalid thermocouple type selected";
    QTest::newRow("past the table") << 8 << 0.0 << "Invalid thermocouple type selected";
}

void TemperatureSettingTest::Refusal() {
    QFETCH(int, index);
    QFETCH(double, temperature);
    QFETCH(QString, message);
    QCOMPARE(TemperatureSetting::Refusal(index, temperature), message);
}

void TemperatureSettingTest::Command_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<bool>("autoCjc");
    QTest::addColumn<QString>("command");
    QTest::newRow("K whole") << K << 100.0 << true << "K1/L1/O100";
    QTest::newRow("K limit") << K << 1340.0 << true << "K1/L1/O1340";
    QTest::newRow("T negative manual") << T << -12.5 << false << "K0/L3/O-12.5";
    QTest::newRow("pure fraction") << K << 0.5 << true << "K1/L1/O0.5";
    QTest::newRow("all digits sent") << K << 25.1236 << true << "K1/L1/O25.1236";
    QTest::newRow("zero") << K << 0.0 << true << "K1/L1/O0";
    QTest::newRow("minus zero") << B << -0.0 << true << "K1/L8/O0";
    QTest::newRow("J manual") << J << 100.0 << false << "K0/L2/O100";
    QTest::newRow("B") << B << 1820.0 << true << "K1/L8/O1820";
    QTest::newRow("E") << E << 800.0 << true << "K1/L6/O800";
    QTest::newRow("N") << N << -270.0 << true << "K1/L7/O-270";
    QTest::newRow("R") << R << 0.1 << true << "K1/L4/O0.1";
    QTest::newRow("S") << S << 1000.25 << false << "K0/L5/O1000.25";
}

void TemperatureSettingTest::Command() {
    QFETCH(int, index);
    QFETCH(double, temperature);
    QFETCH(bool, autoCjc);
    QFETCH(QString, command);
    QCOMPARE(TemperatureSetting::Command(index, temperature, autoCjc), command);
}

void TemperatureSettingTest::TemperatureCaption_data() {
    QTest::addColumn<double>("temperature");
    QTest::addColumn<QString>("caption");
    QTest::newRow("whole") << 100.0 << "100.0°C";
    QTest::newRow("rounded to three") << 25.1236 << "25.124°C";
    QTest::newRow("negative fraction") << -0.5 << "-0.5°C";
    QTest::newRow("zero") << 0.0 << "0.0°C";
    QTest::newRow("minus zero") << -0.0 << "0.0°C";
    QTest::newRow("small negative keeps its sign") << -0.0004 << "-0.0°C";
    QTest::newRow("rounds up") << 0.0006 << "0.001°C";
    QTest::newRow("two decimals") << 12.25 << "12.25°C";
    QTest::newRow("carry into the whole") << 99.9999 << "100.0°C";
    QTest::newRow("limit") << 1340.0 << "1340.0°C";
    QTest::newRow("no thousands separator") << 1820.0 << "1820.0°C";
    QTest::newRow("negative whole") << -270.0 << "-270.0°C";
    QTest::newRow("negative decimals") << -12.125 << "-12.125°C";
}

void TemperatureSettingTest::TemperatureCaption() {
    QFETCH(double, temperature);
    QFETCH(QString, caption);
    QCOMPARE(TemperatureSetting::TemperatureCaption(temperature), caption);
}

void TemperatureSettingTest::TypeCaption() {
    for (const QString &entry : ThermocoupleTypes::SelectorEntries())
        QCOMPARE(TemperatureSetting::TypeCaption(entry), "TYPE " + entry.mid(5, 1));
    QCOMPARE(TemperatureSetting::TypeCaption(ThermocoupleTypes::At(K)->selectorEntry),
             QStringLiteral("TYPE K"));
}

QTEST_APPLESS_MAIN(TemperatureSettingTest)
#include "TemperatureSettingTest.moc"
