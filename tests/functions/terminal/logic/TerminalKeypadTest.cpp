#include "functions/terminal/logic/KeypadEntry.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace vk220::terminal;

namespace {

// Keys written as one character each: digits, "." point, "<" back space, "s" the sign key,
// "u", "m", "A", "V", "H" Hz, "D" DC, "E" ENTER.
int IndexOfKey(QChar key) {
    if (key >= u'1' && key <= u'9')
        return key.unicode() - u'1';
    switch (key.unicode()) {
    case u'0':
        return 9;
    case u'.':
        return 10;
    case u'<':
        return 11;
    case u'H':
        return 12;
    case u'D':
        return 13;
    case u'A':
        return 14;
    case u's':
        return 15;
    case u'E':
        return 16;
    case u'u':
        return 17;
    case u'm':
        return 18;
    case u'V':
        return 19;
    default:
        return -1;
    }
}

// A keyed entry: optional sign, digits with at most one point, then at most one prefix and one
// unit, and a prefix or unit only after a digit.
bool IsWellFormed(const QString &text) {
    static const QRegularExpression form(QStringLiteral("^-?([0-9]*\\.?[0-9]*)([um]?)([AV]?)$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    const bool hasLetters = !match.captured(2).isEmpty() || !match.captured(3).isEmpty();
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    return !hasLetters || match.captured(1).contains(digit);
}

} // namespace

class TerminalKeypadTest : public QObject {
    Q_OBJECT
private slots:
    void KeysEditTheEntry_data();
    void KeysEditTheEntry();
    void UnitKeysReportWhetherTheyActed_data();
    void UnitKeysReportWhetherTheyActed();
    void ActionKeysLeaveTheEntry();
    void EveryKeyKeepsKeyedEntriesWellFormed();
};

void TerminalKeypadTest::KeysEditTheEntry_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("entry");
    QTest::newRow("12mA") << ""
                          << "12mA"
                          << "12mA";
    QTest::newRow("digit after unit ignored") << ""
                                              << "12mA5"
                                              << "12mA";
    QTest::newRow("second point ignored") << ""
                                          << "12.."
                                          << "12.";
    QTest::newRow("A on empty") << ""
                                << "A"
                                << "0A";
    QTest::newRow("A twice") << ""
                             << "AA"
                             << "0A";
    QTest::newRow("V on empty") << ""
                                << "V"
                                << "0V";
    QTest::newRow("V on current") << "12mA"
                                  << "V"
                                  << "12mA";
    QTest::newRow("A on voltage") << "5V"
                                  << "A"
                                  << "5V";
    QTest::newRow("m on point") << "."
                                << "m"
                                << ".";
    QTest::newRow("m on empty") << ""
                                << "m"
                                << "";
    QTest::newRow("m after number") << "15"
                                    << "m"
                                    << "15m";
    QTest::newRow("m on zero") << "0"
                               << "m"
                               << "0m";
    QTest::newRow("u then A") << "5"
                              << "uA"
                              << "5uA";
    QTest::newRow("second prefix ignored") << "5"
                                           << "mu"
                                           << "5m";
    QTest::newRow("digit after prefix ignored") << "5"
                                                << "m7"
                                                << "5m";
    QTest::newRow("point after prefix ignored") << "5"
                                                << "m."
                                                << "5m";
    QTest::newRow("A on point only") << "."
                                     << "A"
                                     << ".";
    QTest::newRow("A on sign only") << "-"
                                    << "A"
                                    << "-";
    QTest::newRow("sign removed") << "-3"
                                  << "s"
                                  << "3";
    QTest::newRow("sign added") << "3"
                                << "s"
                                << "-3";
    QTest::newRow("sign on empty") << ""
                                   << "s"
                                   << "";
    QTest::newRow("sign on unit") << "5mA"
                                  << "s"
                                  << "-5mA";
    QTest::newRow("back space on empty") << ""
                                         << "<"
                                         << "";
    QTest::newRow("back space removes unit") << "12mA"
                                             << "<"
                                             << "12m";
    QTest::newRow("prefix blocks digits after back space") << "12mA"
                                                           << "<5"
                                                           << "12m";
    QTest::newRow("back space to number") << "12mA"
                                          << "<<5"
                                          << "125";
    QTest::newRow("typed lower-case a blocks digits") << "abc"
                                                      << "5."
                                                      << "abc";
    QTest::newRow("typed other text takes digits") << "xyz"
                                                   << "5"
                                                   << "xyz5";
    QTest::newRow("typed M blocks prefix") << "5M"
                                           << "m"
                                           << "5M";
}

void TerminalKeypadTest::KeysEditTheEntry() {
    QFETCH(QString, start);
    QFETCH(QString, keys);
    QFETCH(QString, entry);
    KeypadEntry keypad(start);
    for (const QChar key : keys)
        keypad.Press(IndexOfKey(key));
    QCOMPARE(keypad.Text(), entry);
}

void TerminalKeypadTest::UnitKeysReportWhetherTheyActed_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("outcome");
    using O = KeypadEntry::Outcome;
    QTest::newRow("A acts") << "5" << int(KeypadKey::Ampere) << int(O::Ampere);
    QTest::newRow("A acts without appending") << "." << int(KeypadKey::Ampere) << int(O::Ampere);
    QTest::newRow("A refused by V") << "5V" << int(KeypadKey::Ampere) << int(O::Ignored);
    QTest::newRow("V acts") << "5" << int(KeypadKey::Volt) << int(O::Volt);
    QTest::newRow("V acts on volts") << "5V" << int(KeypadKey::Volt) << int(O::Volt);
    QTest::newRow("V refused by A") << "5mA" << int(KeypadKey::Volt) << int(O::Ignored);
    QTest::newRow("digit") << "5" << 3 << int(O::Edited);
}

void TerminalKeypadTest::UnitKeysReportWhetherTheyActed() {
    QFETCH(QString, start);
    QFETCH(int, index);
    QFETCH(int, outcome);
    KeypadEntry keypad(start);
    QCOMPARE(int(keypad.Press(index)), outcome);
}

void TerminalKeypadTest::ActionKeysLeaveTheEntry() {
    using O = KeypadEntry::Outcome;
    const QList<QPair<int, O>> keys{{12, O::Frequency}, {13, O::DirectCurrent}, {16, O::Enter}};
    for (const auto &[index, outcome] : keys) {
        KeypadEntry keypad(QStringLiteral("50"));
        QCOMPARE(keypad.Press(index), outcome);
        QCOMPARE(keypad.Text(), QStringLiteral("50"));
    }
}

// Explores every entry reachable by keys (digits other than 0 behave alike, so 0 and 5 stand for
// them while exploring) and presses each of the 20 keys on each.
void TerminalKeypadTest::EveryKeyKeepsKeyedEntriesWellFormed() {
    const QString explore = QStringLiteral("05.<smuAVHDE");
    QSet<QString> seen{QString()};
    QList<QString> pending{QString()};
    while (!pending.isEmpty()) {
        const QString state = pending.takeFirst();
        for (int index = 0; index < 20; ++index) {
            KeypadEntry keypad(state);
            keypad.Press(index);
            QVERIFY2(IsWellFormed(keypad.Text()),
                     qPrintable(state + QStringLiteral(" key ") + QString::number(index) +
                                QStringLiteral(" gives ") + keypad.Text()));
        }
        for (const QChar key : explore) {
            KeypadEntry keypad(state);
            keypad.Press(IndexOfKey(key));
            if (keypad.Text().size() <= 8 && !seen.contains(keypad.Text())) {
                seen.insert(keypad.Text());
                pending << keypad.Text();
            }
        }
    }
    // The exploration reached prefixed, unit-bearing and signed entries alike.
    for (const char *reached : {"-0.5mA", "50uV", "-.5", "0A", "5.05m"})
        QVERIFY2(seen.contains(QString::fromLatin1(reached)), reached);
}

QTEST_GUILESS_MAIN(TerminalKeypadTest)
#include "TerminalKeypadTest.moc"
