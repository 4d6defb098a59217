#include "tests/functions/terminal/widgets/TerminalRig.h"

#include "functions/terminal/logic/TerminalMemory.h"
#include "link/NumberText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>

using namespace vk220::link;
using namespace vk220::terminal;
using namespace vk220::ui;

// The terminal window against bad input, at its range limits, with its preference files, and
// with clicks serviced while it waits for the calibrator.
class TerminalFormInputTest : public QObject {
    Q_OBJECT
private slots:
    void TypedEntries_data();
    void TypedEntries();
    void EveryKeyOnEveryEntry();
    void RangeLimits_data();
    void RangeLimits();
    void AutosetPreferenceAcrossReopening();
    void RangeAutoselectOnlyKeepsItsFile();
    void FlagFileThatCannotBeCreated();
    void FlagFileThatCannotBeDeleted();
    void ClicksDuringAnExchangeFollowIt();
    void HistoryPickDuringAnExchangeFollowsIt();
    void TypingDuringAnExchangeIsKept();
    void WheelAndArrowsOverTheEntryPickNothing();
    void ClosedDuringAnExchangeSendsNothingMore();
};

namespace {

// From the voltage terminals with the output on, as the window opens: the output goes to standby
// before the adapter switches.
const QStringList LowCurrent{"S1", "p16908288", "#Low I Terminals", "p0"};
const QStringList HighCurrent{"S1", "p16843008", "#High I Terminals", "p0"};

QString FlagPath(const TerminalRig &w, const QString &name) {
    return QDir(w.folder.path()).filePath(name);
}

} // namespace

void TerminalFormInputTest::TypedEntries_data() {
    QTest::addColumn<int>("point"); // TermBut clicked first, or -1
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("refused"); // the "Output : " text of the warning, or empty
    const auto row = [](const char *name, const QString &entry, const QStringList &commands,
                        const QString &refused = {}, int point = -1) {
        QTest::newRow(name) << point << entry << commands << refused;
    };
    const int fiftyTurns = 2;
    const QString hundredDigits(100, u'7');
    row("empty", "", {});
    row("V", "V", {"O0", "S0"});
    row("A", "A", LowCurrent + QStringList{"R6", "O0", "S0"});
    row("mA", "mA", LowCurrent + QStringList{"R6", "O0", "S0"});
    // A point left without decimals ends the number: the prefix after it still counts.
    row("10.mA", "10.mA", LowCurrent + QStringList{"R8", "O10", "S0"});
    row("30.mV", "30.mV", {"O30", "S0"});
    // A high voltage is set with the output in standby.
    row("1000V", "1000V", {"S1", "R5", "O1000", "S1"});
    row("1e999V", "1e999V", {}, "1e999V");
    row("--5V", "--5V", {"O0", "S0"});
    row("1,5,5V", "1,5,5V", {"R2", "O1.5", "S0"});
    row("99999999999A", "99999999999A", HighCurrent, "99999999999A");
    // No unit letter: ENTER appends "V" on the voltage terminals.
    row("a hundred digits", hundredDigits, {}, hundredDigits + u'V');
    // Letters the entry does not know are refused before anything is switched or set, never read
    // as a whole unit; a lower-case unit letter names its unit, the prefix keeps its case.
    row("unknown prefix", "20UA", {}, "20UA");
    row("lower-case ampere", "20ua", LowCurrent + QStringList{"R6", "O20", "S0"});
    row("lower-case milli ampere", "5ma", LowCurrent + QStringList{"R8", "O5", "S0"});
    row("lower-case kilovolt on a coil", "1kv",
        {"S1", "p17039360", "#Volts Terminals", "p0", "R5", "O1000", "S1"}, {}, fiftyTurns);
    row("blank inside the unit on a coil", "500u A", {}, "500u A", fiftyTurns);
    row("two units", "5VA", {}, "5VA");
    row("letters only", "nanV", {}, "nanV");
    row("letters in the number", "100R4", {}, "100R4V");
    row("a frequency unit", "1kHz", {}, "1kHzV");
}

void TerminalFormInputTest::TypedEntries() {
    QFETCH(int, point);
    QFETCH(QString, entry);
    QFETCH(QStringList, commands);
    QFETCH(QString, refused);
    TerminalRig w;
    w.Open();
    if (point >= 0)
        w.ClickTerm(point);
    w.Taken();
    const QString display = w.Display();
    const QStringList history = w.History();
    w.Type(entry);
    QCOMPARE(w.Taken(), commands);
    QCOMPARE(w.Entry(), QString());
    if (refused.isEmpty()) {
        QVERIFY(w.rig.boxes.shown.isEmpty());
    } else {
        QCOMPARE(w.rig.boxes.shown, QList{TerminalRig::Refusal(refused)});
        QCOMPARE(w.Display(), display);
        QCOMPARE(w.History(), history);
    }
}

void TerminalFormInputTest::EveryKeyOnEveryEntry() {
    // Entries the keys can build, then entries only typing gives.
    const QStringList keyed{"",    "0",  "7",    "12.", "-3", "-",    ".",
                            "12m", "5u", "12mA", "5V",  "0A", "-.5uA"};
    const QStringList typed{"V",    "A",   "mA",     "1e999V",          "nanV",
                            "--5V", "5VA", "1,5,5V", "100R4",           "99999999999A",
                            "abc",  "5M",  "µA",     QString(100, u'9')};
    const QRegularExpression wellFormed(QStringLiteral("^-?[0-9]*\\.?[0-9]*[um]?[AV]?$"));
    const QRegularExpression commandNumber(
        QStringLiteral("^-?([0-9]+\\.?[0-9]*|\\.[0-9]+)(E[+-][0-9]+)?$"));
    const QStringList titles{"Corvale : Output Value Cannot Be Set", "Frequency Too Low",
                             "Frequency Too High", "Clamp Coil Current Setting"};
    // Keys that act on the calibrator clear the entry themselves.
    const QList<int> actionKeys{12, 13, 16};

    TerminalRig w;
    w.Open();
    for (const QString &entry : keyed + typed) {
        for (int index = 0; index < 20; ++index) {
            Find<TerminalKeypad>(w.form, "TerminalKeypad")->SetEntry(entry);
            QTest::mouseClick(w.KeyButton(index), Qt::LeftButton);
            const QString after = w.Entry();
            const QString where =
                QStringLiteral("%1 then key %2 gives %3").arg(entry).arg(index).arg(after);
            QCOMPARE(w.OPLab(), after);
            if (keyed.contains(entry) && !actionKeys.contains(index))
                QVERIFY2(wellFormed.match(after).hasMatch(), qPrintable(where));
        }
    }
    // Whatever was keyed, the calibrator only ever got numbers it can read.
    const QStringList written = w.Taken();
    QVERIFY(!written.isEmpty());
    for (const QString &line : written) {
        if (line.startsWith(u'O') || line.startsWith(u'F')) {
            QVERIFY2(commandNumber.match(line.mid(1)).hasMatch(), qPrintable(line));
            QVERIFY2(std::isfinite(NumberText::LeadingNumber(line.mid(1))), qPrintable(line));
        }
    }
    QVERIFY(!w.rig.boxes.shown.isEmpty());
    for (const TerminalRig::Box &box : w.rig.boxes.shown) {
        QVERIFY2(titles.contains(box.title), qPrintable(box.title));
        QCOMPARE(box.icon, MessageBoxes::Icon::Information);
    }
}

void TerminalFormInputTest::RangeLimits_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("display");
    QTest::newRow("just below 0.203 V") << "0.2029V" << QStringList{"O202.9", "S0"} << "202.900mV";
    QTest::newRow("0.203 V") << "0.203V" << QStringList{"R2", "O.203", "S0"} << "0.20300V";
    // 203 as written counts as a high voltage.
    QTest::newRow("203 mV") << "203mV" << QStringList{"S1", "R2", "O.203", "S1"} << "0.20300V";
    QTest::newRow("-5 V") << "-5V" << QStringList{"R3", "O-5", "S0"} << "-5.0000V";
    QTest::newRow("1019.99 V") << "1019.99V" << QStringList{"S1", "R5", "O1019.99", "S1"}
                               << "1019.99V";
    QTest::newRow("1020 V") << "1020V" << QStringList{} << "0.000mV";
    QTest::newRow("0.000203 A") << "0.000203A" << LowCurrent + QStringList{"R7", "O.203", "S0"}
                                << "0.20300mA";
    QTest::newRow("0.5 mA") << "0.5mA" << LowCurrent + QStringList{"R7", "O.5", "S0"}
                            << "0.50000mA";
    QTest::newRow("2.03 mA") << "2.03mA" << LowCurrent + QStringList{"R8", "O2.03", "S0"}
                             << "2.0300mA";
    QTest::newRow("2030 uA") << "2030uA" << LowCurrent + QStringList{"R8", "O2.03", "S0"}
                             << "2.0300mA";
    QTest::newRow("2.03 A") << "2.03A" << HighCurrent + QStringList{"R11", "O2.03", "S0"}
                            << "2.0300A";
    QTest::newRow("30 A") << "30A" << HighCurrent + QStringList{"R11", "O30", "S0"} << "30.0000A";
    QTest::newRow("30.01 A") << "30.01A" << HighCurrent << "0.000mV";
}

void TerminalFormInputTest::RangeLimits() {
    QFETCH(QString, entry);
    QFETCH(QStringList, commands);
    QFETCH(QString, display);
    TerminalRig w;
    w.Open();
    w.Taken();
    w.Type(entry);
    QCOMPARE(w.Taken(), commands);
    QCOMPARE(w.Display(), display);
    QCOMPARE(w.rig.boxes.shown.isEmpty(), display != QStringLiteral("0.000mV"));
}

void TerminalFormInputTest::AutosetPreferenceAcrossReopening() {
    TerminalRig w;
    const QString flag = FlagPath(w, TerminalForm::AutoOnFile);
    w.Open();
    w.Taken();
    QTest::mouseClick(Find<QCheckBox>(w.form, "AutoCheck"), Qt::LeftButton);
    QVERIFY(!Find<QCheckBox>(w.form, "AutoCheck")->isChecked());
    QCOMPARE(w.Taken(), QStringList{"S1"});
    QVERIFY(w.InStandby());
    QVERIFY(QFileInfo(flag).isFile());
    QCOMPARE(QFileInfo(flag).size(), 0);
    w.Type(QStringLiteral("5V"));
    QCOMPARE(w.Taken(), (QStringList{"R3", "O5", "S1"}));

    // Reopened, the window starts unchecked and ends its opening in standby.
    w.Close();
    QCOMPARE(w.Taken(), FunctionHost::ReleaseCommands);
    w.Open();
    QCOMPARE(w.Taken(),
             (QStringList{"S1", "p17039360", "#Volts Terminals", "p0", "R1", "O0", "S1"}));
    QVERIFY(!Find<QCheckBox>(w.form, "AutoCheck")->isChecked());
    QVERIFY(w.InStandby());
    QVERIFY(QFileInfo(flag).isFile());

    QTest::mouseClick(Find<QCheckBox>(w.form, "AutoCheck"), Qt::LeftButton);
    QVERIFY(w.Taken().isEmpty());
    QVERIFY(!QFileInfo::exists(flag));
    w.Type(QStringLiteral("5V"));
    QCOMPARE(w.Taken(), (QStringList{"R3", "O5", "S0"}));
    w.Close();
    w.Taken();
    w.Open();
    QCOMPARE(w.Taken(), TerminalRig::Opening);
    QVERIFY(Find<QCheckBox>(w.form, "AutoCheck")->isChecked());
    QVERIFY(w.rig.boxes.shown.isEmpty());
}

void TerminalFormInputTest::RangeAutoselectOnlyKeepsItsFile() {
    TerminalRig w;
    const QString flag = FlagPath(w, TerminalForm::AutoRangeFile);
    w.Open();
    w.Taken();
    QTest::mouseClick(Find<QCheckBox>(w.form, "AutoRange"), Qt::LeftButton);
    QVERIFY(Find<QCheckBox>(w.form, "AutoRange")->isChecked());
    QVERIFY(!QFileInfo::exists(flag));
    QTest::mouseClick(Find<QCheckBox>(w.form, "AutoRange"), Qt::LeftButton);
    QVERIFY(QFileInfo(flag).isFile());
    QVERIFY(w.Taken().isEmpty());

    // The box always starts unchecked, and the terminals are still chosen by ENTER.
    w.Close();
    w.Open();
    const QStringList reopening{"p17039360", "#Volts Terminals", "p0", "O0", "S0"};
    QCOMPARE(w.Taken(), QStringList{"S1"} + FunctionHost::ReleaseCommands + reopening);
    QVERIFY(!Find<QCheckBox>(w.form, "AutoRange")->isChecked());
    QTest::mouseClick(Find<QCheckBox>(w.form, "AutoRange"), Qt::LeftButton);
    QVERIFY(!QFileInfo::exists(flag));
    w.Type(QStringLiteral("3A"));
    QCOMPARE(w.Taken(), (HighCurrent + QStringList{"R11", "O3", "S0"}));
}

void TerminalFormInputTest::FlagFileThatCannotBeCreated() {
    TerminalRig w;
    const QString flag = FlagPath(w, TerminalForm::AutoOnFile);
    // A link into a folder that does not exist: the file can be neither found nor created.
    QVERIFY(QFile::link(QDir(w.folder.path()).filePath(QStringLiteral("missing/flag")), flag));
    w.Open();
    QCOMPARE(w.Taken(), TerminalRig::Opening);
    QTest::mouseClick(Find<QCheckBox>(w.form, "AutoCheck"), Qt::LeftButton);
    QCOMPARE(w.Taken(), QStringList{"S1"});
    QVERIFY(!Find<QCheckBox>(w.form, "AutoCheck")->isChecked());
    QVERIFY(!QFileInfo::exists(flag));
    QVERIFY(w.rig.boxes.shown.isEmpty());
    w.Type(QStringLiteral("5V"));
    QCOMPARE(w.Taken(), (QStringList{"R3", "O5", "S1"}));
}

void TerminalFormInputTest::FlagFileThatCannotBeDeleted() {
    TerminalRig w;
    const QString flag = FlagPath(w, TerminalForm::AutoOnFile);
    // A folder with something in it stands where the flag file would be.
    QVERIFY(QDir(w.folder.path()).mkpath(QStringLiteral("AutoON.dat/kept")));
    w.Open();
    QCOMPARE(w.Taken(), QStringList{"S1"} + TerminalRig::Opening.mid(0, 5) + QStringList{"S1"});
    QVERIFY(!Find<QCheckBox>(w.form, "AutoCheck")->isChecked());
    QTest::mouseClick(Find<QCheckBox>(w.form, "AutoCheck"), Qt::LeftButton);
    QVERIFY(w.Taken().isEmpty());
    QVERIFY(Find<QCheckBox>(w.form, "AutoCheck")->isChecked());
    QVERIFY(QFileInfo(flag).isDir());
    QVERIFY(w.rig.boxes.shown.isEmpty());
    w.Type(QStringLiteral("5V"));
    QCOMPARE(w.Taken(), (QStringList{"R3", "O5", "S0"}));
}

void TerminalFormInputTest::ClicksDuringAnExchangeFollowIt() {
    TerminalRig w;
    w.Open();
    w.Taken();
    QLineEdit &line = *Find<TerminalKeypad>(w.form, "TerminalKeypad")->KBText().lineEdit();
    line.setText(QStringLiteral("11V"));
    // Serviced while the range waits for its reply: a key, the autoset box and STAND BY wait for
    // the running setting; STAND BY goes ahead of the others.
    w.rig.DuringReplyTo(QStringLiteral("R3"), [&w] {
        w.Key(QStringLiteral("2"));
        QTest::mouseClick(Find<QCheckBox>(w.form, "AutoCheck"), Qt::LeftButton);
        QTest::mouseClick(Find<QPushButton>(w.form, "OffBut"), Qt::LeftButton);
    });
    QTest::keyClick(&line, Qt::Key_Return);
    // STAND BY is final: the setting's own "S0" is not sent, since STAND BY was pressed after it
    // was asked for. Then STAND BY, then the unchecked autoset box's own "S1"; the key sends
    // nothing.
    QCOMPARE(w.Taken(), (QStringList{"R3", "O11", "S1", "S1"}));
    QVERIFY(!w.OutputOn());
    QVERIFY(!Find<QCheckBox>(w.form, "AutoCheck")->isChecked());
    QVERIFY(QFileInfo::exists(FlagPath(w, TerminalForm::AutoOnFile)));
    QCOMPARE(w.Entry(), QStringLiteral("2"));
    QCOMPARE(w.rig.state.Kept<TerminalMemory>().LastRangeCommand, QStringLiteral("R3"));
}

void TerminalFormInputTest::HistoryPickDuringAnExchangeFollowsIt() {
    TerminalRig w;
    w.Open();
    w.Taken();
    Find<TerminalKeypad>(w.form, "TerminalKeypad")->SetEntry(QStringLiteral("7"));
    // Picked while "S0" waits for its reply: the item is set once OUTPUT ON has ended.
    w.rig.DuringReplyTo(QStringLiteral("S0"), [&w] { w.PickHistory(0); });
    QTest::mouseClick(Find<QPushButton>(w.form, "ONBut"), Qt::LeftButton);
    QCOMPARE(w.Taken(), (QStringList{"S0", "O0", "S0"}));
    QCOMPARE(w.Entry(), QString());
    QCOMPARE(w.OPLab(), QString());
    QCOMPARE(w.HzLab(), QStringLiteral("DC"));
    QVERIFY(w.OutputOn());
    QCOMPARE(w.History(), QStringList(2, QStringLiteral("0.000mV : DC (VOLTAGE)")));
}

void TerminalFormInputTest::TypingDuringAnExchangeIsKept() {
    TerminalRig w;
    w.Open();
    w.Taken();
    QLineEdit &line = *Find<TerminalKeypad>(w.form, "TerminalKeypad")->KBText().lineEdit();
    line.setText(QStringLiteral("11V"));
    // Typed while the range waits for its reply: the setting clears only the entry it took.
    w.rig.DuringReplyTo(QStringLiteral("R3"), [&line] {
        line.clear();
        QTest::keyClicks(&line, QStringLiteral("2.5"));
    });
    QTest::keyClick(&line, Qt::Key_Return);
    QCOMPARE(w.Taken(), (QStringList{"R3", "O11", "S0"}));
    QCOMPARE(w.Display(), QStringLiteral("11.0000V"));
    QCOMPARE(w.Entry(), QStringLiteral("2.5"));
    QCOMPARE(w.OPLab(), QStringLiteral("2.5"));
    QTest::keyClick(&line, Qt::Key_Return);
    QCOMPARE(w.Taken(), (QStringList{"O2.5", "S0"}));
    QCOMPARE(w.Entry(), QString());
}

void TerminalFormInputTest::WheelAndArrowsOverTheEntryPickNothing() {
    TerminalRig w;
    w.Open();
    w.Type(QStringLiteral("2A"));
    w.Keys(QStringLiteral("7"));
    w.Taken();
    QComboBox &list = Find<TerminalKeypad>(w.form, "TerminalKeypad")->KBText();
    for (const int delta : {-120, 120, -120}) {
        QWheelEvent wheel(QPointF(5, 5), list.mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&list, &wheel);
    }
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp})
        QTest::keyClick(&list, key);
    QTest::keyClick(&list, Qt::Key_Up, Qt::AltModifier);
    QVERIFY(w.Taken().isEmpty());
    QCOMPARE(w.Entry(), QStringLiteral("7"));
    QCOMPARE(w.OPLab(), QStringLiteral("7"));
    QCOMPARE(w.Selected(), (QList<int>{4, 10}));

    // Alt+Down still opens the list, and a choice there is a pick: back to the voltage terminals,
    // with the output in standby while the adapter switches.
    QTest::keyClick(&list, Qt::Key_Down, Qt::AltModifier);
    QVERIFY(list.view()->isVisible());
    w.PickHistory(0);
    QCOMPARE(w.Taken(),
             (QStringList{"S1", "p17039360", "#Volts Terminals", "p0", "R1", "O0", "S0"}));
    QCOMPARE(w.Display(), QStringLiteral("0.000mV"));
}

void TerminalFormInputTest::ClosedDuringAnExchangeSendsNothingMore() {
    TerminalRig w;
    w.Open();
    w.Taken();
    QLineEdit &line = *Find<TerminalKeypad>(w.form, "TerminalKeypad")->KBText().lineEdit();
    line.setText(QStringLiteral("1V"));
    QTimer::singleShot(0, w.form, [&w] { w.form->Unload(); });
    QTest::keyClick(&line, Qt::Key_Return);
    // The output at 0 V goes to standby before the adapter is released; the rest of ENTER
    // ("O1", "S0") is not sent.
    QCOMPARE(w.Taken(), QStringList({"R2", "S1"}) + FunctionHost::ReleaseCommands);
    QVERIFY(w.form->IsUnloaded());
    QCOMPARE(w.rig.host.enabledCalls, QList<bool>{true});
}

QTEST_MAIN(TerminalFormInputTest)
#include "TerminalFormInputTest.moc"
