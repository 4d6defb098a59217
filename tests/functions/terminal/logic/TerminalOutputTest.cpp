#include "functions/terminal/logic/AmplitudeRanges.h"
#include "functions/terminal/logic/ConVal.h"
#include "functions/terminal/logic/Readout.h"
#include "functions/terminal/logic/SetCalibratorOutput.h"

#include <QTest>

using namespace vk220::terminal;

class TerminalOutputTest : public QObject {
    Q_OBJECT
private slots:
    void CommandsFollowRangeTable_data();
    void CommandsFollowRangeTable();
    void RefusalSendsNothing_data();
    void RefusalSendsNothing();
    void RefusalBoxQuotesValueText();
    void AcRewritesFrequencyArgument();
    void PrefixedLimitsTakeTheRangeAbove_data();
    void PrefixedLimitsTakeTheRangeAbove();
    void ReadoutUsesRangeMaskAndUnit_data();
    void ReadoutUsesRangeMaskAndUnit();
    void EveryRangeCommandFindsItsRow();
};

void TerminalOutputTest::CommandsFollowRangeTable_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<bool>("coil");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QStringList>("commands");

    // Worked examples.
    QTest::newRow("10mA new range") << "10mA"
                                    << "DC" << false << "" << QStringList{"R8", "O10"};
    QTest::newRow("10mA same range") << "10mA"
                                     << "DC" << false << "R8" << QStringList{"O10"};
    QTest::newRow("1.5V at 50Hz") << "1.5V"
                                  << "50Hz" << false << "R2" << QStringList{"R13", "F50", "O1.5"};
    QTest::newRow("0V") << "0V"
                        << "DC" << false << "" << QStringList{"R1", "O0"};
    QTest::newRow("25A on coil") << "25A"
                                 << "DC" << true << "R11" << QStringList{"O25"};
    QTest::newRow("100mV") << "100mV"
                           << "DC" << false << "R1" << QStringList{"O100"};

    // Limits go to the next range up.
    QTest::newRow("0.203V") << "0.203V"
                            << "DC" << false << "" << QStringList{"R2", "O.203"};
    QTest::newRow("203mV") << "203mV"
                           << "DC" << false << "" << QStringList{"R2", "O.203"};
    QTest::newRow("below 0.203V") << "0.2029V"
                                  << "DC" << false << "" << QStringList{"R1", "O202.9"};
    QTest::newRow("2.03V") << "2.03V"
                           << "DC" << false << "" << QStringList{"R3", "O2.03"};
    QTest::newRow("203V") << "203V"
                          << "DC" << false << "" << QStringList{"R5", "O203"};
    QTest::newRow("below 1020V") << "1019.99V"
                                 << "DC" << false << "" << QStringList{"R5", "O1019.99"};
    QTest::newRow("0.203mA") << "0.203mA"
                             << "DC" << false << "" << QStringList{"R7", "O.203"};
    QTest::newRow("2030uA") << "2030uA"
                            << "DC" << false << "" << QStringList{"R8", "O2.03"};
    QTest::newRow("2.03A") << "2.03A"
                           << "DC" << false << "" << QStringList{"R11", "O2.03"};
    QTest::newRow("20.2A") << "20.2A"
                           << "DC" << false << "" << QStringList{"R11", "O20.2"};
    QTest::newRow("30A") << "30A"
                         << "DC" << false << "" << QStringList{"R11", "O30"};
    QTest::newRow("2A") << "2A"
                        << "DC" << false << "" << QStringList{"R10", "O2"};

    // Units of the range, signs, the coil rule, DC and AC.
    QTest::newRow("negative volts") << "-5V"
                                    << "DC" << false << "" << QStringList{"R3", "O-5"};
    QTest::newRow("negative milliamperes") << "-0.1A"
                                           << "DC" << false << "" << QStringList{"R9", "O-100"};
    QTest::newRow("0.5mA") << "0.5mA"
                           << "DC" << false << "" << QStringList{"R7", "O.5"};
    QTest::newRow("microamperes") << "100uA"
                                  << "DC" << false << "" << QStringList{"R6", "O100"};
    QTest::newRow("tiny millivolts") << "0.00000001V"
                                     << "DC" << false << "" << QStringList{"R1", "O1E-05"};
    QTest::newRow("5A on coil") << "5A"
                                << "DC" << true << "" << QStringList{"R11", "O5"};
    QTest::newRow("1mA on coil") << "0.001A"
                                 << "DC" << true << "" << QStringList{"R11", "O.001"};
    QTest::newRow("coil ignores volts") << "1V"
                                        << "DC" << true << "" << QStringList{"R2", "O1"};
    QTest::newRow("DC as 0") << "1V"
                             << "0" << false << "R13" << QStringList{"R2", "O1"};
    QTest::newRow("AC same range") << "1V"
                                   << "50Hz" << false << "R13" << QStringList{"F50", "O1"};
    QTest::newRow("1000Hz") << "1mA"
                            << "1000Hz" << false << "" << QStringList{"R18", "F1000", "O1"};
    QTest::newRow("AC on coil") << "25A"
                                << "60Hz" << true << "" << QStringList{"R22", "F60", "O25"};
    QTest::newRow("fractional Hz") << "1V"
                                   << "50.5Hz" << false << "" << QStringList{"R13", "F50.5", "O1"};

    // The other families.
    QTest::newRow("capacitance") << "47nF"
                                 << "DC" << false << "" << QStringList{"I0", "R37"};
    QTest::newRow("capacitance same range") << "47nF"
                                            << "DC" << false << "R37" << QStringList{"I0"};
    QTest::newRow("capacitance at limit") << "5E-4F"
                                          << "DC" << false << "" << QStringList{"I0", "R41"};
    QTest::newRow("negative capacitance") << "-1uF"
                                          << "DC" << false << "" << QStringList{"I0", "R34"};
    QTest::newRow("inductance") << "10mH"
                                << "DC" << false << "" << QStringList{"I0", "R43"};
    QTest::newRow("inductance at limit") << "5H"
                                         << "DC" << false << "" << QStringList{"I0", "R49"};
    QTest::newRow("resistance") << "100R"
                                << "DC" << false << "" << QStringList{"I0", "R27"};
    QTest::newRow("resistance at limit") << "500MR"
                                         << "DC" << false << "" << QStringList{"I0", "R33"};
    QTest::newRow("frequency output") << "1kHz"
                                      << "DC" << false << "" << QStringList{"R58", "H3"};
    QTest::newRow("frequency band limit") << "5Hz"
                                          << "DC" << false << "R58" << QStringList{"H1"};
    QTest::newRow("speed") << "600RPM"
                           << "DC" << false << "" << QStringList{"R64", "O600"};
    QTest::newRow("speed limits") << "60000RPM"
                                  << "DC" << false << "R64" << QStringList{"O60000"};
    // The frequency label is no speed command.
    QTest::newRow("speed with AC label") << "60RPM"
                                         << "50Hz" << false << "" << QStringList{"R64", "O60"};
}

void TerminalOutputTest::CommandsFollowRangeTable() {
    QFETCH(QString, value);
    QFETCH(QString, frequency);
    QFETCH(bool, coil);
    QFETCH(QString, last);
    QFETCH(QStringList, commands);
    QString lastRange = last;
    const OutputPlan plan = SetCalibratorOutput({value, frequency, coil}, lastRange);
    QVERIFY(plan.accepted);
    QCOMPARE(plan.commands, commands);
    QVERIFY(!plan.RangeCommand.isEmpty());
    QCOMPARE(lastRange, plan.RangeCommand);
}

void TerminalOutputTest::RefusalSendsNothing_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<bool>("coil");
    QTest::newRow("31A") << "31A"
                         << "DC" << false;
    QTest::newRow("31A on coil") << "31A"
                                 << "DC" << true;
    QTest::newRow("30.0001A") << "30.0001A"
                              << "DC" << false;
    QTest::newRow("1020V") << "1020V"
                           << "DC" << false;
    QTest::newRow("1500V AC") << "1500V"
                              << "50Hz" << false;
    QTest::newRow("overflow") << "1e999V"
                              << "DC" << false;
    QTest::newRow("negative overflow capacitance") << "-1e999F"
                                                   << "DC" << false;
    QTest::newRow("temperature") << "25C"
                                 << "DC" << false;
    QTest::newRow("no unit") << "5"
                             << "DC" << false;
    QTest::newRow("unknown unit") << "5W"
                                  << "DC" << false;
    QTest::newRow("resistance digit") << "100R4"
                                      << "DC" << false;
    QTest::newRow("capacitance too large") << "600uF"
                                           << "DC" << false;
    QTest::newRow("inductance too large") << "15H"
                                          << "DC" << false;
    QTest::newRow("resistance too large") << "501MR"
                                          << "DC" << false;
    QTest::newRow("frequency too high") << "15MHz"
                                        << "DC" << false;
    QTest::newRow("speed too slow") << "59RPM"
                                    << "DC" << false;
    QTest::newRow("speed too fast") << "60001RPM"
                                    << "DC" << false;
    QTest::newRow("infinite frequency") << "1V"
                                        << "1e999Hz" << false;
    QTest::newRow("empty") << ""
                           << "DC" << false;
}

void TerminalOutputTest::RefusalSendsNothing() {
    QFETCH(QString, value);
    QFETCH(QString, frequency);
    QFETCH(bool, coil);
    QString lastRange = QStringLiteral("R5");
    const OutputPlan plan = SetCalibratorOutput({value, frequency, coil}, lastRange);
    QVERIFY(!plan.accepted);
    QVERIFY(plan.commands.isEmpty());
    QVERIFY(plan.RangeCommand.isEmpty());
    QCOMPARE(lastRange, QStringLiteral("R5"));
    QCOMPARE(plan.refusal, OutputRefusal(value));
}

void TerminalOutputTest::RefusalBoxQuotesValueText() {
    QString lastRange;
    const OutputPlan plan =
        SetCalibratorOutput({QStringLiteral("31A"), QStringLiteral("DC")}, lastRange);
    QCOMPARE(plan.refusal.title, QStringLiteral("Corvale : Output Value Cannot Be Set"));
    QCOMPARE(plan.refusal.text,
             QStringLiteral("WARNING :\r\rIt is not possible to set the following output\r"
                            "on the Corvale calibrator :\r\rOutput : 31A\r\r"
                            "Please check the output setting."));
    QCOMPARE(plan.OutputValue, 31.0);
}

void TerminalOutputTest::AcRewritesFrequencyArgument() {
    QString lastRange;
    const OutputPlan ac =
        SetCalibratorOutput({QStringLiteral("10mA"), QStringLiteral("50Hz")}, lastRange);
    QCOMPARE(ac.frequencyText, QStringLiteral("F50"));
    QCOMPARE(ac.RangeCommand, QStringLiteral("R19"));
    QCOMPARE(ac.OutputValue, 0.01);
    const OutputPlan dc =
        SetCalibratorOutput({QStringLiteral("10mA"), QStringLiteral("DC")}, lastRange);
    QCOMPARE(dc.frequencyText, QStringLiteral("DC"));
    QCOMPARE(dc.RangeCommand, QStringLiteral("R8"));
}

void TerminalOutputTest::PrefixedLimitsTakeTheRangeAbove_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("range"); // empty when refused
    QTest::addColumn<QString>("readout");
    struct Limit {
        double value;
        QStringList texts; // in base units, milli and micro
        QString range;
        QString readout;
    };
    const QList<Limit> limits{
        {0.203, {"0.203V", "203mV", "203000uV"}, "R2", "0.20300V"},
        {2.03, {"2.03V", "2030mV", "2030000uV"}, "R3", "2.0300V"},
        {20.3, {"20.3V", "20300mV", "20300000uV"}, "R4", "20.300V"},
        {203, {"203V", "203000mV", "203000000uV"}, "R5", "203.00V"},
        {1020, {"1020V", "1020000mV", "1020000000uV"}, "", ""},
        {0.000203, {"0.000203A", "0.203mA", "203uA"}, "R7", "0.20300mA"},
        {0.00203,
         {"0.00203A", "2.03mA", "2030uA", QStringLiteral("2030\u00B5A"),
          QStringLiteral("2030\u03BCA")},
         "R8",
         "2.0300mA"},
        {0.0203, {"0.0203A", "20.3mA", "20300uA"}, "R9", "20.300mA"},
        {0.203, {"0.203A", "203mA", "203000uA"}, "R10", "0.20300A"},
        {2.03, {"2.03A", "2030mA", "2030000uA"}, "R11", "2.0300A"},
        {30, {"30A", "30000mA", "30000000uA"}, "R11", "30.0000A"},
        {-0.00203, {"-0.00203A", "-2.03mA", "-2030uA"}, "R8", "-2.0300mA"},
    };
    for (const Limit &limit : limits) {
        for (const QString &text : limit.texts)
            QTest::newRow(qPrintable(text)) << text << limit.value << limit.range << limit.readout;
    }
}

void TerminalOutputTest::PrefixedLimitsTakeTheRangeAbove() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, range);
    QFETCH(QString, readout);
    // Exactly the double nearest the limit, whichever way the value is written.
    const double parsed = ConVal(text).value;
    QVERIFY2(parsed == value, qPrintable(QString::number(parsed, 'g', 17)));
    QString lastRange;
    const OutputPlan plan = SetCalibratorOutput({text, QStringLiteral("DC")}, lastRange);
    QCOMPARE(plan.accepted, !range.isEmpty());
    QCOMPARE(plan.RangeCommand, range);
    if (plan.accepted)
        QCOMPARE(Readout::Text(plan.RangeCommand, plan.OutputValue, 1), readout);
}

void TerminalOutputTest::ReadoutUsesRangeMaskAndUnit_data() {
    QTest::addColumn<QString>("range");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("turns");
    QTest::addColumn<QString>("readout");
    QTest::newRow("10mA") << "R8" << 0.01 << 1 << "10.0000mA";
    QTest::newRow("coil") << "R11" << 25.0 << 2 << "50.0000A";
    QTest::newRow("negative") << "R2" << -1.5 << 1 << "-1.50000V";
    QTest::newRow("zero") << "R1" << 0.0 << 1 << "0.000mV";
    QTest::newRow("AC range") << "R19" << 0.01 << 1 << "10.0000mA";
    QTest::newRow("microamperes") << "R6" << 0.0001 << 1 << QStringLiteral("100.000\u00B5A");
    QTest::newRow("wider than mask") << "R11" << 30.0 << 50 << "1500.0000A";
    QTest::newRow("rounding carries") << "R5" << 1019.999 << 1 << "1020.00V";
    QTest::newRow("10 turns") << "R11" << 0.001 << 10 << "0.0100A";
    QTest::newRow("other family") << "R29" << 5.0 << 1 << "0";
}

void TerminalOutputTest::ReadoutUsesRangeMaskAndUnit() {
    QFETCH(QString, range);
    QFETCH(double, value);
    QFETCH(int, turns);
    QFETCH(QString, readout);
    QCOMPARE(Readout::Text(range, value, turns), readout);
}

void TerminalOutputTest::EveryRangeCommandFindsItsRow() {
    for (const AmplitudeRange &range : AmplitudeRanges::Table()) {
        QCOMPARE(AmplitudeRanges::FindByCommand(AmplitudeRanges::Command(range, false)), &range);
        QCOMPARE(AmplitudeRanges::FindByCommand(AmplitudeRanges::Command(range, true)), &range);
    }
    QCOMPARE(AmplitudeRanges::FindByCommand(u"R23"), nullptr);
    QCOMPARE(AmplitudeRanges::FindByCommand(u"R0"), nullptr);
}

QTEST_GUILESS_MAIN(TerminalOutputTest)
#include "TerminalOutputTest.moc"
