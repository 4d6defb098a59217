#include "tests/functions/terminal/widgets/TerminalRig.h"

#include <QCheckBox>
#include <QTest>

// STAND BY pressed while an action waits for the calibrator is the operator's last word: nothing
// asked for before it switches the output on again, and what is asked for after it still runs.
class TerminalStandbyTest : public QObject {
    Q_OBJECT
private slots:
    void StandbyOvertakesWhatWasAskedBeforeIt();
    void OutputOnAfterStandbyStillRuns();
    void WaitingActionsUseTheAutosetBoxAsItWasAsked();
};

void TerminalStandbyTest::StandbyOvertakesWhatWasAskedBeforeIt() {
    TerminalRig w;
    w.Open();
    w.Type(QStringLiteral("30V"));
    w.Taken();
    // A history pick, then STAND BY, while ENTER's "S0" waits for its reply: STAND BY runs
    // first, and the pick sets 30 V without switching it on.
    const int thirty =
        static_cast<int>(w.History().indexOf(QStringLiteral("30.000V : DC (VOLTAGE)")));
    w.rig.DuringReplyTo(QStringLiteral("S0"), [&w, thirty] {
        w.PickHistory(thirty);
        QTest::mouseClick(Find<QPushButton>(w.form, "OffBut"), Qt::LeftButton);
    });
    w.Type(QStringLiteral("10V"));
    QCOMPARE(w.Taken(), (QStringList{"R3", "O10", "S0", "S1", "R4", "O30"}));
    QVERIFY(w.InStandby());
    QCOMPARE(w.Display(), QStringLiteral("30.000V"));
}

void TerminalStandbyTest::OutputOnAfterStandbyStillRuns() {
    TerminalRig w;
    w.Open();
    w.Taken();
    w.rig.DuringReplyTo(QStringLiteral("R3"), [&w] {
        QTest::mouseClick(Find<QPushButton>(w.form, "OffBut"), Qt::LeftButton);
        QTest::mouseClick(Find<QPushButton>(w.form, "ONBut"), Qt::LeftButton);
    });
    w.Type(QStringLiteral("10V"));
    QCOMPARE(w.Taken(), (QStringList{"R3", "O10", "S1", "S0"}));
    QVERIFY(w.OutputOn());
}

void TerminalStandbyTest::WaitingActionsUseTheAutosetBoxAsItWasAsked() {
    TerminalRig w;
    w.Open();
    QTest::mouseClick(Find<QCheckBox>(w.form, "AutoCheck"), Qt::LeftButton);
    w.Taken();
    // "12V" and ENTER keyed with the box unchecked, then the box ticked, all during 11 V.
    w.rig.DuringReplyTo(QStringLiteral("R3"), [&w] {
        w.Keys(QStringLiteral("12V"));
        w.Key(QStringLiteral("ENTER"));
        QTest::mouseClick(Find<QCheckBox>(w.form, "AutoCheck"), Qt::LeftButton);
    });
    w.Type(QStringLiteral("11V"));
    QCOMPARE(w.Taken(), (QStringList{"R3", "O11", "S1", "O12", "S1"}));
    QVERIFY(Find<QCheckBox>(w.form, "AutoCheck")->isChecked());
    QVERIFY(w.InStandby());
}

QTEST_MAIN(TerminalStandbyTest)
#include "TerminalStandbyTest.moc"
