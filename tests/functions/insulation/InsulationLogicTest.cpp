#include "functions/insulation/ManualEntry.h"
#include "functions/insulation/ResistanceDigits.h"
#include "functions/insulation/VoltageRanges.h"

#include <QTest>

#include <limits>

using namespace vk220::insulation;

using ManualEntry::Outcome;

Q_DECLARE_METATYPE(ManualEntry::Outcome)

namespace {

// Digit values from the way the operator reads them: "1234.56".
ResistanceDigits::Values FromDisplay(const QString &display) {
    const QString digits = QString(display).remove(u'.');
    ResistanceDigits::Values values{};
    for (int i = 0; i < ResistanceDigits::Count; ++i)
        values.at(static_cast<size_t>(i)) = digits.at(ResistanceDigits::Count - 1 - i).digitValue();
    return values;
}

QString ToDisplay(const std::array<QString, 6> &digits) {
    return digits[5] + digits[4] + digits[3] + digits[2] + u'.' + digits[1] + digits[0];
}

QString Display(const ResistanceDigits::Values &values) {
    std::array<QString, 6> digits;
    for (int i = 0; i < ResistanceDigits::Count; ++i)
        digits.at(static_cast<size_t>(i)) = QString::number(values.at(static_cast<size_t>(i)));
    return ToDisplay(digits);
}

} // namespace

class InsulationLogicTest : public QObject {
    Q_OBJECT
private slots:
    void ReadsADigitOnlyFromItsOwnCharacter_data();
    void ReadsADigitOnlyFromItsOwnCharacter();
    void DecadeCodesFollowTheWiring_data();
    void DecadeCodesFollowTheWiring();
    void ResistanceMask_data();
    void ResistanceMask();
    void SpinUpCarries_data();
    void SpinUpCarries();
    void SpinDownWrapsWithoutBorrow_data();
    void SpinDownWrapsWithoutBorrow();
    void TypingFilter_data();
    void TypingFilter();
    void ManualEntrySplit_data();
    void ManualEntrySplit();
    void RangeMasksCarryTheirSwitchingLines_data();
    void RangeMasksCarryTheirSwitchingLines();
    void VoltageDisplay_data();
    void VoltageDisplay();
    void Guard_data();
    void Guard();
};

void InsulationLogicTest::ReadsADigitOnlyFromItsOwnCharacter_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("value");
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("9") << "9" << 9;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("two characters") << "01" << 0;
    QTest::newRow("blank before") << " 1" << 0;
    QTest::newRow("letter") << "a" << 0;
    QTest::newRow("other script digit") << QStringLiteral("\u0663") << 0;
}

void InsulationLogicTest::ReadsADigitOnlyFromItsOwnCharacter() {
    QFETCH(QString, caption);
    QFETCH(int, value);
    QCOMPARE(ResistanceDigits::Read(caption), value);
}

void InsulationLogicTest::DecadeCodesFollowTheWiring_data() {
    QTest::addColumn<int>("digit");
    QTest::addColumn<int>("common");
    QTest::addColumn<int>("decade3");
    const int common[] = {0, 1, 2, 3, 6, 7, 9, 10, 11, 14};
    const int decade3[] = {0, 4, 2, 6, 3, 7, 12, 10, 14, 11};
    for (int d = 0; d < 10; ++d)
        QTest::addRow("%d", d) << d << common[d] << decade3[d];
}

void InsulationLogicTest::DecadeCodesFollowTheWiring() {
    QFETCH(int, digit);
    QFETCH(int, common);
    QFETCH(int, decade3);
    for (int index : {0, 1, 2, 4})
        QCOMPARE(ResistanceDigits::DecadeCode(index, digit), common);
    QCOMPARE(ResistanceDigits::DecadeCode(3, digit), decade3);
    // Each decade's elements weigh 1, 2, 2, 5 (decade 3: 2, 2, 1, 5) and add up to the digit.
    const auto sum = [](int code, std::array<int, 4> weights) {
        int total = 0;
        for (int bit = 0; bit < 4; ++bit)
            total += (code >> bit & 1) * weights.at(static_cast<size_t>(bit));
        return total;
    };
    QCOMPARE(sum(common, {1, 2, 2, 5}), digit);
    QCOMPARE(sum(decade3, {2, 2, 1, 5}), digit);
}

void InsulationLogicTest::ResistanceMask_data() {
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("mask");
    QTest::newRow("zero") << "0000.00" << 1048576;
    QTest::newRow("opening value") << "0010.00" << 1064960;
    QTest::newRow("one step") << "0000.01" << 1048577;
    QTest::newRow("all digits") << "1234.56" << 157305;
    QTest::newRow("full scale") << "1999.99" << 966382;
    QTest::newRow("thousand alone") << "1000.00" << 0;
    QTest::newRow("3 in decade 2") << "0003.00" << 1049344;
    QTest::newRow("3 in decade 3 takes bits 0 and 1") << "0030.00" << 1073152;
    QTest::newRow("thousands digit 2 counts as 0") << "2000.00" << 1048576;
}

void InsulationLogicTest::ResistanceMask() {
    QFETCH(QString, display);
    QFETCH(int, mask);
    QCOMPARE(ResistanceDigits::Mask(FromDisplay(display)), mask);
}

void InsulationLogicTest::SpinUpCarries_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("digit");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("sends");
    QTest::newRow("carry into digit 3") << "0019.99" << 0 << "0020.00" << 1056768 << 4;
    QTest::newRow("wrap at full scale") << "1999.99" << 0 << "1000.00" << 0 << 6;
    QTest::newRow("plain step") << "0010.09" << 1 << "0010.19" << 1064990 << 1;
    QTest::newRow("thousands to 1") << "0010.00" << 5 << "1010.00" << 16384 << 1;
    QTest::newRow("thousands stays 1") << "1010.00" << 5 << "1010.00" << 16384 << 1;
    QTest::newRow("carry stops at thousands 1") << "1900.00" << 4 << "1000.00" << 0 << 2;
}

void InsulationLogicTest::SpinUpCarries() {
    QFETCH(QString, from);
    QFETCH(int, digit);
    QFETCH(QString, to);
    QFETCH(int, mask);
    QFETCH(int, sends);
    const ResistanceDigits::Spin spin = ResistanceDigits::Increment(FromDisplay(from), digit);
    QCOMPARE(Display(spin.digits), to);
    QCOMPARE(ResistanceDigits::Mask(spin.digits), mask);
    // The window sends the setting once for every digit stepped.
    QCOMPARE(spin.digitsStepped, sends);
}

void InsulationLogicTest::SpinDownWrapsWithoutBorrow_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("digit");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("mask");
    QTest::newRow("wrap, no borrow") << "0010.00" << 0 << "0010.09" << 1064974;
    QTest::newRow("digit 3 to 0") << "0010.00" << 3 << "0000.00" << 1048576;
    QTest::newRow("digit 4 wraps") << "0000.00" << 4 << "0900.00" << 1966080;
    QTest::newRow("thousands at 0 stays") << "0000.00" << 5 << "0000.00" << 1048576;
    QTest::newRow("thousands to 0") << "1000.00" << 5 << "0000.00" << 1048576;
}

void InsulationLogicTest::SpinDownWrapsWithoutBorrow() {
    QFETCH(QString, from);
    QFETCH(int, digit);
    QFETCH(QString, to);
    QFETCH(int, mask);
    const ResistanceDigits::Values digits = ResistanceDigits::Decrement(FromDisplay(from), digit);
    QCOMPARE(Display(digits), to);
    QCOMPARE(ResistanceDigits::Mask(digits), mask);
}

void InsulationLogicTest::TypingFilter_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("removed");
    QTest::newRow("letters and points") << "1a2.3.4"
                                        << "12.34" << true;
    QTest::newRow("clean") << "12.5"
                           << "12.5" << false;
    QTest::newRow("leading point") << ".5"
                                   << ".5" << false;
    QTest::newRow("two leading points") << "..5"
                                        << ".5" << true;
    QTest::newRow("line feeds") << "1\n2\r\n3"
                                << "123" << true;
    QTest::newRow("sign and exponent") << "-1e5"
                                       << "15" << true;
    QTest::newRow("blanks") << " 1 2 "
                            << "12" << true;
    QTest::newRow("other script digits") << QStringLiteral("\u0661\u0662") << "" << true;
    QTest::newRow("empty") << ""
                           << "" << false;
}

void InsulationLogicTest::TypingFilter() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(bool, removed);
    const ManualEntry::Filtered filtered = ManualEntry::Filter(typed);
    QCOMPARE(filtered.text, kept);
    QCOMPARE(filtered.removed, removed);
}

void InsulationLogicTest::ManualEntrySplit_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("display");
    QTest::newRow("empty") << "" << Outcome::Empty << "";
    QTest::newRow("one step") << "0.01" << Outcome::Accepted << "0000.01";
    QTest::newRow("trailing point") << "5." << Outcome::Accepted << "0005.00";
    QTest::newRow("leading point") << ".5" << Outcome::Accepted << "0000.50";
    QTest::newRow("point alone") << "." << Outcome::Accepted << "0000.00";
    QTest::newRow("leading zeros") << "00001" << Outcome::Accepted << "0001.00";
    QTest::newRow("many leading zeros") << "0000000012.3" << Outcome::Accepted << "0012.30";
    QTest::newRow("zero") << "0.0" << Outcome::Accepted << "0000.00";
    QTest::newRow("largest") << "1999.99" << Outcome::Accepted << "1999.99";
    QTest::newRow("third decimal dropped") << "1999.999" << Outcome::Accepted << "1999.99";
    QTest::newRow("decimals dropped") << "1234.5678" << Outcome::Accepted << "1234.56";
    QTest::newRow("letters read as filtered") << "a12.b3" << Outcome::Accepted << "0012.30";
    QTest::newRow("below the step") << "0.009" << Outcome::BelowStep << "";
    QTest::newRow("far below the step") << "0.0000001" << Outcome::BelowStep << "";
    QTest::newRow("2000") << "2000" << Outcome::AboveOutput << "";
    QTest::newRow("9999.99") << "9999.99" << Outcome::AboveOutput << "";
    QTest::newRow("9999.999") << "9999.999" << Outcome::AboveOutput << "";
    QTest::newRow("10000") << "10000" << Outcome::AboveMaximum << "";
    QTest::newRow("10000 behind zeros") << "0010000.5" << Outcome::AboveMaximum << "";
    QTest::newRow("thousand ones") << QString(1000, u'1') << Outcome::AboveMaximum << "";
    QTest::newRow("thousand characters, small")
        << QString(999, u'0') + u'1' << Outcome::Accepted << "0001.00";
    QTest::newRow("thousand decimals")
        << QStringLiteral("0.") + QString(997, u'0') + u'1' << Outcome::BelowStep << "";
}

void InsulationLogicTest::ManualEntrySplit() {
    QFETCH(QString, entry);
    QFETCH(Outcome, outcome);
    QFETCH(QString, display);
    const ManualEntry::Split split = ManualEntry::Read(entry);
    QCOMPARE(split.outcome, outcome);
    if (outcome == Outcome::Accepted)
        QCOMPARE(ToDisplay(split.digits), display);
    // Every entry too large names the same, true limit.
    if (outcome == Outcome::AboveMaximum || outcome == Outcome::AboveOutput)
        QCOMPARE(ManualEntry::Message(outcome),
                 QStringLiteral("Resistance out of range - maximum value is 1999.99MR"));
}

void InsulationLogicTest::RangeMasksCarryTheirSwitchingLines_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QList<int>>("bits");
    QTest::addColumn<QString>("fullScale");
    QTest::newRow("50V") << 0 << "50V Range" << QList<int>{0, 1, 2, 20} << "50.00V";
    QTest::newRow("100V") << 1 << "100V Range" << QList<int>{0, 1, 2, 3, 20} << "100.00V";
    QTest::newRow("250V") << 2 << "250V Range" << QList<int>{0, 1, 2, 5, 20} << "250.0V";
    QTest::newRow("500V") << 3 << "500V Range" << QList<int>{0, 1, 2, 3, 5, 6, 20} << "500.0V";
    QTest::newRow("1kV") << 4 << "1kV Range" << QList<int>{0, 1, 2, 3, 5, 6, 7, 20} << "1000.0V";
}

void InsulationLogicTest::RangeMasksCarryTheirSwitchingLines() {
    QFETCH(int, range);
    QFETCH(QString, caption);
    QFETCH(QList<int>, bits);
    QFETCH(QString, fullScale);
    const VoltageRanges::Range &entry = VoltageRanges::Table().at(static_cast<size_t>(range));
    int mask = 0;
    for (int bit : bits)
        mask |= 1 << bit;
    QCOMPARE(entry.caption, caption);
    QCOMPARE(entry.mask, mask);
    // Every range reads about 7,275,400 counts at its nominal full scale.
    QCOMPARE(VoltageRanges::DisplayFor(7275400, range).value_or(QString()), fullScale);
}

void InsulationLogicTest::VoltageDisplay_data() {
    QTest::addColumn<double>("counts");
    QTest::addColumn<int>("range");
    QTest::addColumn<QString>("shown");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("50V at the limit") << 10000000.0 << 0 << "68.72V";
    QTest::newRow("50V past the limit") << 10000001.0 << 0 << "Over Range";
    QTest::newRow("negative past the limit") << -10000001.0 << 0 << "Over Range";
    QTest::newRow("tiny negative keeps its sign") << -1.0 << 0 << "-0.00V";
    QTest::newRow("zero on 250V") << 0.0 << 2 << "0.0V";
    QTest::newRow("infinity") << inf << 1 << "Over Range";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 1 << "Over Range";
    QTest::newRow("no range, over") << 10000001.0 << -1 << "Over Range";
    QTest::newRow("no range") << 1000.0 << -1 << "";
}

void InsulationLogicTest::VoltageDisplay() {
    QFETCH(double, counts);
    QFETCH(int, range);
    QFETCH(QString, shown);
    const std::optional<QString> display = VoltageRanges::DisplayFor(counts, range);
    QCOMPARE(display.has_value(), !shown.isEmpty());
    if (display)
        QCOMPARE(*display, shown);
}

void InsulationLogicTest::Guard_data() {
    QTest::addColumn<QString>("display");
    QTest::addColumn<bool>("refused");
    QTest::newRow("opening") << "0.00V" << false;
    QTest::newRow("1000.0V") << "1000.0V" << true;
    QTest::newRow("-1000.0V") << "-1000.0V" << true;
}

void InsulationLogicTest::Guard() {
    QFETCH(QString, display);
    QFETCH(bool, refused);
    QCOMPARE(VoltageRanges::GuardRefuses(display), refused);
}

QTEST_GUILESS_MAIN(InsulationLogicTest)
#include "InsulationLogicTest.moc"
