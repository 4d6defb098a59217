#include "functions/terminal/logic/ConVal.h"
#include "functions/terminal/logic/FormatNumberText.h"
#include "functions/terminal/logic/Guidance.h"
#include "functions/terminal/logic/HistoryPick.h"
#include "functions/terminal/logic/OutputMarker.h"
#include "functions/terminal/logic/Readout.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace vk220::link;
using namespace vk220::terminal;

class TerminalTextTest : public QObject {
    Q_OBJECT
private slots:
    void ConValSplitsNumberAndUnit_data();
    void ConValSplitsNumberAndUnit();
    void ConValKeepsOverflowInfinite();
    void ConValNeverGivesNaN();
    void FormatNumberTextRoundsToMask_data();
    void FormatNumberTextRoundsToMask();
    void HistoryPickSplitsEntry_data();
    void HistoryPickSplitsEntry();
    void HistoryEntryNamesThePoint_data();
    void HistoryEntryNamesThePoint();
    void OutputMarkerTellsWhatIsLive_data();
    void OutputMarkerTellsWhatIsLive();
    void GuidanceSaysWhatToDoNext_data();
    void GuidanceSaysWhatToDoNext();
};

void TerminalTextTest::ConValSplitsNumberAndUnit_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("unit");
    QTest::newRow("milliamperes") << "1.5mA" << 0.0015 << "mA";
    QTest::newRow("negative volts") << "-20V" << -20.0 << "V";
    QTest::newRow("micro sign") << QStringLiteral("100.000\u00B5A") << 0.0001
                                << QStringLiteral("\u00B5A");
    QTest::newRow("micro u") << "2.5uA" << 2.5e-6 << "uA";
    QTest::newRow("no unit") << "50" << 50.0 << "";
    QTest::newRow("trailing point") << "10." << 10.0 << ".";
    // The point ends the number; the prefix after it still counts, as the entry line reads.
    QTest::newRow("point before milli") << "10.mA" << 0.01 << ".mA";
    QTest::newRow("point before micro") << "5.uA" << 5e-6 << ".uA";
    QTest::newRow("mega") << "2MHz" << 2e6 << "MHz";
    QTest::newRow("kilo") << "1kHz" << 1e3 << "kHz";
    QTest::newRow("nano") << "47nF" << 4.7e-8 << "nF";
    // A prefixed value is the same number as the one written out, also on range limits.
    QTest::newRow("millivolts on a limit") << "203mV" << 0.203 << "mV";
    QTest::newRow("microamperes on a limit") << "2030uA" << 0.00203 << "uA";
    QTest::newRow("speed unit") << "600RPM" << 600.0 << "RPM";
    QTest::newRow("comma decimal") << "1,5mV" << 0.0015 << "mV";
    QTest::newRow("second comma ends number") << "1,5,5V" << 1.5 << "V";
    QTest::newRow("resistance digit") << "100R4" << 100.0 << "R4";
    QTest::newRow("R4 alone") << "R4" << 0.0 << "";
    QTest::newRow("letter before R4") << "xR4" << 0.0 << "xR4";
    QTest::newRow("empty") << "" << 0.0 << "";
    QTest::newRow("unit only V") << "V" << 0.0 << "V";
    QTest::newRow("unit only A") << "A" << 0.0 << "A";
    QTest::newRow("prefix and unit only") << "mA" << 0.0 << "mA";
    QTest::newRow("letters only") << "nanV" << 0.0 << "nanV";
    QTest::newRow("double sign") << "--5V" << 0.0 << "V";
    QTest::newRow("two units") << "5VA" << 5.0 << "VA";
    QTest::newRow("eleven digits") << "99999999999A" << 99999999999.0 << "A";
    QTest::newRow("exponent in number") << "2E-3A" << 0.002 << "A";
    QTest::newRow("blank before unit") << "5 mA" << 0.005 << "mA";
    QTest::newRow("sixteen digits rounded") << "1.2345678901234567V" << 1.23456789012346 << "V";
    QTest::newRow("hundred digits") << QString(100, u'9') + u'V' << 1e100 << "V";
}

void TerminalTextTest::ConValSplitsNumberAndUnit() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, unit);
    const ConValResult result = ConVal(text);
    QVERIFY2(result.value == value, qPrintable(QString::number(result.value, 'g', 17)));
    QCOMPARE(result.unit, unit);
}

void TerminalTextTest::ConValKeepsOverflowInfinite() {
    // An overflowing number must not read as 0 (which would set 0 V): it stays infinite so that
    // every range refuses it.
    const ConValResult huge = ConVal(u"1e999V");
    QVERIFY(std::isinf(huge.value) && huge.value > 0);
    QCOMPARE(huge.unit, QStringLiteral("V"));
    QVERIFY(std::isinf(ConVal(u"-1e999A").value));
    QVERIFY(std::isinf(ConVal(QString(400, u'7') + u'A').value));
    QVERIFY(std::isinf(ConVal(u"1e308kV").value));
}

void TerminalTextTest::ConValNeverGivesNaN() {
    const QString alphabet = QStringLiteral("0123456789.,-+eEdD mMuVAkRHz4\u00B5%/'\"");
    QRandomGenerator random(220);
    for (int round = 0; round < 20000; ++round) {
        QString text;
        const int length = random.bounded(12);
        for (int i = 0; i < length; ++i)
            text += alphabet[random.bounded(alphabet.size())];
        const ConValResult result = ConVal(text);
        QVERIFY2(!std::isnan(result.value), qPrintable(text));
        QVERIFY2(text.endsWith(result.unit), qPrintable(text));
    }
}

void TerminalTextTest::FormatNumberTextRoundsToMask_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("formatted");
    QTest::newRow("zero") << "0"
                          << "000.000"
                          << "0.000";
    QTest::newRow("padding") << "1234.5"
                             << "0000.00"
                             << "1234.50";
    QTest::newRow("negative") << "-2.5"
                              << "0.00000"
                              << "-2.50000";
    QTest::newRow("leading zeros removed") << "12.5"
                                           << "000.000"
                                           << "12.500";
    QTest::newRow("rounding carries") << "9.99996"
                                      << "0.0000"
                                      << "10.0000";
    QTest::newRow("half rounds up") << "0.00005"
                                    << "0.0000"
                                    << "0.0001";
    QTest::newRow("below half rounds down") << "0.00004"
                                            << "0.0000"
                                            << "0.0000";
    QTest::newRow("whole half away from zero") << "2.5"
                                               << "0"
                                               << "3";
    QTest::newRow("more digits than mask") << "1500"
                                           << "00.0000"
                                           << "1500.0000";
    QTest::newRow("comma read as point") << "1,5"
                                         << "0.00"
                                         << "1.50";
    QTest::newRow("blanks trimmed") << " 7 "
                                    << "000"
                                    << "7";
    QTest::newRow("negative zero keeps sign") << "-0"
                                              << "0.0"
                                              << "-0.0";
    QTest::newRow("exponent text") << "1E-05"
                                   << "0.00000"
                                   << "0.00001";
    QTest::newRow("no integer positions") << "0.5"
                                          << ".00"
                                          << ".50";
    QTest::newRow("empty mask") << "0"
                                << ""
                                << "0";
    QTest::newRow("not a number") << "abc"
                                  << "0.0"
                                  << "0.0";
    QTest::newRow("too large") << "1e999"
                               << "0.0"
                               << "1e999";
    QTest::newRow("float noise") << "100.00000000000001"
                                 << "000.000"
                                 << "100.000";
}

void TerminalTextTest::FormatNumberTextRoundsToMask() {
    QFETCH(QString, text);
    QFETCH(QString, mask);
    QFETCH(QString, formatted);
    QCOMPARE(FormatNumberText(text, mask), formatted);
}

void TerminalTextTest::HistoryPickSplitsEntry_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("hasFrequency");
    QTest::addColumn<QString>("frequency");
    QTest::newRow("AC entry") << "1.00000V : 50Hz"
                              << "1.00000V" << true << "50Hz";
    QTest::newRow("DC entry") << "10.0000mA : DC"
                              << "10.0000mA" << true << "DC";
    QTest::newRow("no colon") << "15mA"
                              << "15mA" << false << "";
    QTest::newRow("colon first") << ":DC"
                                 << "" << true << "C";
    QTest::newRow("colon last") << "5V :"
                                << "5V" << true << "";
    QTest::newRow("colon alone") << ":"
                                 << "" << true << "";
    // The output point after the frequency is not read back.
    QTest::newRow("voltage point") << "1.00000V : 50Hz (VOLTAGE)"
                                   << "1.00000V" << true << "50Hz";
    QTest::newRow("coil point") << "50.0000A : DC (2 TURN COIL)"
                                << "50.0000A" << true << "DC";
}

void TerminalTextTest::HistoryPickSplitsEntry() {
    QFETCH(QString, item);
    QFETCH(QString, entry);
    QFETCH(bool, hasFrequency);
    QFETCH(QString, frequency);
    const HistoryPick pick = ParseHistoryPick(item);
    QCOMPARE(pick.entry, entry);
    QCOMPARE(pick.frequency.has_value(), hasFrequency);
    if (hasFrequency)
        QCOMPARE(*pick.frequency, frequency);
}

void TerminalTextTest::HistoryEntryNamesThePoint_data() {
    QTest::addColumn<OutputPoint>("point");
    QTest::addColumn<QString>("item");
    QTest::newRow("voltage") << OutputPoint::Voltage << "1.00000V : 50Hz (VOLTAGE)";
    QTest::newRow("low current") << OutputPoint::LowCurrent << "1.00000V : 50Hz (LOW CURRENT)";
    QTest::newRow("high current") << OutputPoint::HighCurrent << "1.00000V : 50Hz (HIGH CURRENT)";
    QTest::newRow("2 turns") << OutputPoint::Coil2 << "1.00000V : 50Hz (2 TURN COIL)";
    QTest::newRow("10 turns") << OutputPoint::Coil10 << "1.00000V : 50Hz (10 TURN COIL)";
    QTest::newRow("50 turns") << OutputPoint::Coil50 << "1.00000V : 50Hz (50 TURN COIL)";
    QTest::newRow("no point") << OutputPoint::None << "1.00000V : 50Hz";
}

void TerminalTextTest::HistoryEntryNamesThePoint() {
    QFETCH(OutputPoint, point);
    QFETCH(QString, item);
    QCOMPARE(Readout::HistoryEntry(u"1.00000V", u"50Hz", point), item);
    const HistoryPick pick = ParseHistoryPick(item);
    QCOMPARE(pick.entry, QStringLiteral("1.00000V"));
    QCOMPARE(pick.frequency, std::optional(QStringLiteral("50Hz")));
}

void TerminalTextTest::OutputMarkerTellsWhatIsLive_data() {
    using Output = CalibratorModel::Output;
    QTest::addColumn<Output>("output");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("dimmed");
    QTest::addColumn<bool>("highVoltage");
    QTest::newRow("10 V live") << Output::On << "10.0000V"
                               << "OPR" << false << false;
    QTest::newRow("50 V live") << Output::On << "50.000V"
                               << "OPR" << false << true;
    QTest::newRow("-50 V live") << Output::On << "-50.000V"
                                << "OPR" << false << true;
    QTest::newRow("30 V live") << Output::On << "30.000V"
                               << "OPR" << false << false;
    QTest::newRow("30.001 V live") << Output::On << "30.001V"
                                   << "OPR" << false << true;
    QTest::newRow("50 V in standby") << Output::Standby << "50.000V"
                                     << "STBY" << true << false;
    QTest::newRow("50 A live") << Output::On << "50.0000A"
                               << "OPR" << false << false;
    QTest::newRow("another family") << Output::On << "0"
                                    << "OPR" << false << false;
    // After a lost port the output may still be on.
    QTest::newRow("50 V unknown") << Output::Unknown << "50.000V"
                                  << "OPR?" << false << true;
}

void TerminalTextTest::OutputMarkerTellsWhatIsLive() {
    QFETCH(CalibratorModel::Output, output);
    QFETCH(QString, display);
    QFETCH(QString, text);
    QFETCH(bool, dimmed);
    QFETCH(bool, highVoltage);
    QCOMPARE(OutputMarker::For(output, display), (OutputMarker{text, dimmed, highVoltage}));
}

void TerminalTextTest::GuidanceSaysWhatToDoNext_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<OutputPoint>("selected");
    QTest::addColumn<bool>("waitingForPath");
    // The TermBut clicked last; -1 when the last action was no click.
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QString>("text");
    QTest::newRow("paths flash") << "1A" << OutputPoint::Coil10 << true << -1
                                 << "Pick a current path for 1A";
    QTest::newRow("paths flash, entry cleared")
        << "" << OutputPoint::Voltage << true << -1 << "Pick a current path";
    QTest::newRow("voltage waits")
        << " 5 " << OutputPoint::Voltage << false << -1 << "Press ENTER to set 5V";
    QTest::newRow("current waits")
        << "5" << OutputPoint::LowCurrent << false << -1 << "Press ENTER to set 5A";
    QTest::newRow("unit letter as ENTER reads it")
        << "5mv" << OutputPoint::LowCurrent << false << -1 << "Press ENTER to set 5mV";
    QTest::newRow("HIGH CURRENT ended on LOW CURRENT")
        << "" << OutputPoint::LowCurrent << false << 5
        << "HIGH CURRENT is chosen automatically above 2 A";
    QTest::newRow("entry after the click")
        << "3" << OutputPoint::LowCurrent << false << 5 << "Press ENTER to set 3A";
    QTest::newRow("HIGH CURRENT kept") << "" << OutputPoint::HighCurrent << false << 5 << "";
    QTest::newRow("LOW CURRENT clicked") << "" << OutputPoint::LowCurrent << false << 4 << "";
    QTest::newRow("nothing to do") << "" << OutputPoint::Voltage << false << -1 << "";
}

void TerminalTextTest::GuidanceSaysWhatToDoNext() {
    QFETCH(QString, entry);
    QFETCH(OutputPoint, selected);
    QFETCH(bool, waitingForPath);
    QFETCH(int, clicked);
    QFETCH(QString, text);
    PanelState state;
    state.entry = entry;
    state.selected = selected;
    QCOMPARE(Guidance::Text(state, waitingForPath, Guidance::AfterClick(clicked, selected)), text);
}

QTEST_GUILESS_MAIN(TerminalTextTest)
#include "TerminalTextTest.moc"
