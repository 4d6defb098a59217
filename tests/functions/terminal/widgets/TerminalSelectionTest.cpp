#include "tests/functions/terminal/widgets/TerminalRig.h"

#include "functions/terminal/logic/TerminalMemory.h"

#include <algorithm>

using namespace vk220::terminal;
using namespace vk220::ui;

// The terminal and coil buttons through the window: the pairs, the automatic choice of the
// current terminals, the current paths the "A" key offers and flashes, and the coil limit.
class TerminalSelectionTest : public QObject {
    Q_OBJECT
private slots:
    void CoilPairSelectsBothButtons();
    void HighCurrentClickEndsOnLowCurrent();
    void AmpereKeyOffersFittingPaths_data();
    void AmpereKeyOffersFittingPaths();
    void PickedPathKeepsTheKeyedCurrent();
    void KeyedCurrentWithinTheEnabledPaths();
    void AmpereKeyWithNoPathInUse_data();
    void AmpereKeyWithNoPathInUse();
    void EnterInTheEntryLineWhileEnterIsDisabled();
    void CoilLimitBox();
    void HistoryPickEndsTheWaitForAPath();
};

void TerminalSelectionTest::CoilPairSelectsBothButtons() {
    TerminalRig w;
    w.Open();
    w.Taken();
    // In the coil row: both buttons of the pair, then 0 A through the coil on range 11.
    w.ClickTerm(0);
    QCOMPARE(w.Taken(), (QStringList{"S1", "p16778240", "#2 Turn Coil", "p0", "R11", "O0", "S0",
                                     "#0.0000A (x2)"}));
    QCOMPARE(w.Selected(), (QList<int>{0, 6}));
    QCOMPARE(w.Bold(), (QList<int>{0, 6}));
    QCOMPARE(w.Display(), QStringLiteral("0.0000A"));

    // In the current paths, picked for a keyed current: the same three commands.
    w.ClickTerm(3);
    w.Keys(QStringLiteral("5A"));
    w.Taken();
    w.ClickTerm(6);
    QCOMPARE(w.Taken(), (QStringList{"p16778240", "#2 Turn Coil", "p0"}));
    QCOMPARE(w.Selected(), (QList<int>{0, 6}));
    QCOMPARE(w.Bold(), (QList<int>{0, 6}));
}

void TerminalSelectionTest::HighCurrentClickEndsOnLowCurrent() {
    TerminalRig w;
    w.Open();
    w.Taken();
    w.ClickTerm(5);
    // Each switch of the adapter under the live output is preceded by standby.
    QCOMPARE(w.Taken(), (QStringList{"S1", "p16843008", "#High I Terminals", "p0", "p16908288",
                                     "#Low I Terminals", "p0", "R6", "O0", "S0"}));
    QCOMPARE(w.Selected(), (QList<int>{4, 10}));
    QCOMPARE(w.Display(), QStringLiteral("0.000\u00B5A"));

    // Only a current above 2 A keeps HIGH CURRENT.
    w.Type(QStringLiteral("2.1A"));
    QCOMPARE(w.Taken(),
             (QStringList{"S1", "p16843008", "#High I Terminals", "p0", "R11", "O2.1", "S0"}));
    QCOMPARE(w.Selected(), (QList<int>{5, 10}));
    w.Type(QStringLiteral("2A"));
    QCOMPARE(w.Taken(),
             (QStringList{"S1", "p16908288", "#Low I Terminals", "p0", "R10", "O2", "S0"}));
    QCOMPARE(w.Selected(), (QList<int>{4, 10}));
}

void TerminalSelectionTest::AmpereKeyOffersFittingPaths_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QList<int>>("offered");
    QTest::newRow("50A") << "50A" << QList<int>{6, 7};
    QTest::newRow("150A") << "150A" << QList<int>{7, 8};
    QTest::newRow("1000A") << "1000A" << QList<int>{8};
    QTest::newRow("3A") << "3A" << QList<int>{10};
    QTest::newRow("A alone is 0A") << "A" << QList<int>{10};
}

void TerminalSelectionTest::AmpereKeyOffersFittingPaths() {
    QFETCH(QString, keys);
    QFETCH(QList<int>, offered);
    TerminalRig w;
    w.Open();
    w.Taken();
    w.Keys(keys);
    QCOMPARE(w.Taken(), QStringList{"S1"});
    QCOMPARE(w.EnabledPaths(), offered);
    for (const int path : {10, 6, 7, 8}) {
        if (!offered.contains(path))
            QVERIFY(!Controls::BackColour(*w.Term(path)).isValid());
    }
    // The offered paths flash until one is picked; the others stay plain.
    const QList<int> plain{3, 9};
    QList<int> flashed = plain + offered;
    std::sort(flashed.begin(), flashed.end());
    QCOMPARE(w.Bold(), plain);
    Find<TerminalSelector>(w.form, "TerminalSelector")->Tick();
    QCOMPARE(w.Bold(), flashed);
    Find<TerminalSelector>(w.form, "TerminalSelector")->Tick();
    QCOMPARE(w.Bold(), plain);
}

void TerminalSelectionTest::PickedPathKeepsTheKeyedCurrent() {
    TerminalRig w;
    w.Open();
    w.Keys(QStringLiteral("50A"));
    Find<TerminalSelector>(w.form, "TerminalSelector")->Tick();
    w.Taken();
    // No zero reset: the entry waits for ENTER, and the flashing stops at normal weight.
    w.ClickTerm(7);
    QCOMPARE(w.Taken(), (QStringList{"p16777728", "#10 Turn Coil", "p0"}));
    QCOMPARE(w.Entry(), QStringLiteral("50A"));
    QCOMPARE(w.Bold(), (QList<int>{1, 7}));
    QVERIFY(!Find<TerminalSelector>(w.form, "TerminalSelector")->CFlash().isActive());
    QVERIFY(w.EnterKey().isEnabled());
    QVERIFY(!w.rig.state.Kept<TerminalMemory>().CoilSelectPending);
    // The calibrator still holds the previous output: OUTPUT ON waits for ENTER to set 50 A.
    QTest::mouseClick(Find<QPushButton>(w.form, "ONBut"), Qt::LeftButton);
    QCOMPARE(w.Taken(), QStringList());
    QVERIFY(w.InStandby());
    QCOMPARE(w.TakeBoxes(), QList{TerminalRig::OutputNotSet()});
    w.Key(QStringLiteral("ENTER"));
    QCOMPARE(w.Taken(), (QStringList{"R11", "O5", "S0", "#50.0000A (x10)"}));
    QTest::mouseClick(Find<QPushButton>(w.form, "OffBut"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(w.form, "ONBut"), Qt::LeftButton);
    QCOMPARE(w.Taken(), (QStringList{"S1", "S0"}));
}

void TerminalSelectionTest::KeyedCurrentWithinTheEnabledPaths() {
    TerminalRig w;
    w.Open();
    w.Keys(QStringLiteral("50A"));
    w.ClickTerm(7);
    w.Taken();
    w.Key(QStringLiteral("ENTER"));
    QCOMPARE(w.Taken(), (QStringList{"R11", "O5", "S0", "#50.0000A (x10)"}));

    // 40 A is carried by both enabled paths: the coil stays, nothing is sent.
    w.Keys(QStringLiteral("40A"));
    QVERIFY(w.Taken().isEmpty());
    QCOMPARE(w.Selected(), (QList<int>{1, 7}));
    QVERIFY(w.EnterKey().isEnabled());
    QVERIFY(!Find<TerminalSelector>(w.form, "TerminalSelector")->CFlash().isActive());
    QVERIFY(w.rig.state.Kept<TerminalMemory>().CoilSelectPending);
    w.Key(QStringLiteral("ENTER"));
    QCOMPARE(w.Taken(), (QStringList{"O4", "S0", "#40.0000A (x10)"}));

    // 10 A is not: the paths are offered again.
    w.Keys(QStringLiteral("10A"));
    QCOMPARE(w.Taken(), QStringList{"S1"});
    QCOMPARE(w.EnabledPaths(), (QList<int>{10, 6}));
    QVERIFY(!w.EnterKey().isEnabled());
    QVERIFY(Find<TerminalSelector>(w.form, "TerminalSelector")->CFlash().isActive());
    // The coil row keeps its look; the paths lose theirs.
    QCOMPARE(w.Selected(), QList<int>{1});
}

void TerminalSelectionTest::AmpereKeyWithNoPathInUse_data() {
    QTest::addColumn<bool>("outputOn"); // OUTPUT ON clicked after the entry was cleared
    QTest::addColumn<bool>("voltKey");  // "V" keyed and erased again before "40A"
    QTest::newRow("output switched on") << true << false;
    QTest::newRow("output on, then V") << true << true;
    QTest::newRow("V") << false << true;
}

void TerminalSelectionTest::AmpereKeyWithNoPathInUse() {
    QFETCH(bool, outputOn);
    QFETCH(bool, voltKey);
    TerminalRig w;
    w.Open();
    w.ClickTerm(4);
    w.Keys(QStringLiteral("50A"));
    QCOMPARE(w.EnabledPaths(), (QList<int>{6, 7}));
    // LOW CURRENT keeps its look; TERMINALS (to 30A) has lost it, so no current path is in use.
    QCOMPARE(w.Selected(), QList<int>{4});
    for (int i = 0; i < 3; ++i)
        w.Key(QStringLiteral("< Back Space"));
    if (outputOn)
        QTest::mouseClick(Find<QPushButton>(w.form, "ONBut"), Qt::LeftButton);
    if (voltKey) {
        w.Key(QStringLiteral("V"));
        QVERIFY(w.EnterKey().isEnabled());
        for (int i = 0; i < 2; ++i)
            w.Key(QStringLiteral("< Back Space"));
    }
    Find<TerminalSelector>(w.form, "TerminalSelector")->Tick();
    QCOMPARE(w.Bold(), (QList<int>{4, 6, 7}));
    w.Taken();

    // 40 A fits both enabled paths, but none is in use: the operator must pick one again.
    w.Keys(QStringLiteral("40A"));
    QCOMPARE(w.Taken(), QStringList{"S1"});
    QVERIFY(w.InStandby());
    QCOMPARE(w.EnabledPaths(), (QList<int>{6, 7}));
    QVERIFY(!w.EnterKey().isEnabled());
    QVERIFY(Find<TerminalSelector>(w.form, "TerminalSelector")->CFlash().isActive());
    // The flashing starts again from normal weight.
    QCOMPARE(w.Bold(), QList<int>{4});
    QVERIFY(w.rig.state.Kept<TerminalMemory>().CoilSelectPending);
    QCOMPARE(w.Entry(), QStringLiteral("40A"));
}

void TerminalSelectionTest::EnterInTheEntryLineWhileEnterIsDisabled() {
    TerminalRig w;
    w.Open();
    w.Keys(QStringLiteral("10A"));
    QVERIFY(!w.EnterKey().isEnabled());
    w.Taken();
    QTest::keyClick(Find<TerminalKeypad>(w.form, "TerminalKeypad")->KBText().lineEdit(),
                    Qt::Key_Return);
    QCOMPARE(w.Taken(), (QStringList{"p16843008", "#High I Terminals", "p0", "R11", "O10", "S0"}));
    QVERIFY(w.EnterKey().isEnabled());
    QVERIFY(!w.rig.state.Kept<TerminalMemory>().CoilSelectPending);
    QCOMPARE(w.Display(), QStringLiteral("10.0000A"));
    // Enter is taken by the window: the typed text never lands in the history by itself.
    QCOMPARE(w.History(), (QStringList{"0.000mV : DC (VOLTAGE)", "10.0000A : DC (HIGH CURRENT)"}));
}

void TerminalSelectionTest::CoilLimitBox() {
    TerminalRig w;
    w.Open();
    w.ClickTerm(1);
    w.Taken();
    w.Type(QStringLiteral("300A"));
    QCOMPARE(w.Taken(), (QStringList{"O30", "S0", "#300.0000A (x10)"}));

    // Keyed with "A" on the 10-turn coil, 301 A waits for a path; ENTER refuses it.
    w.Keys(QStringLiteral("301A"));
    QCOMPARE(w.Taken(), QStringList{"S1"});
    QCOMPARE(w.EnabledPaths(), QList<int>{8});
    QTest::keyClick(Find<TerminalKeypad>(w.form, "TerminalKeypad")->KBText().lineEdit(),
                    Qt::Key_Return);
    QCOMPARE(w.Taken(), QStringList{"S1"});
    QCOMPARE(w.rig.boxes.shown, QList{RecordingMessageBoxes::Information(
                                    QStringLiteral("Clamp Coil Current Setting"),
                                    QStringLiteral("Maximum current value for 10 Turn coil = "
                                                   "300A\rPlease select a lower current"))});
    QCOMPARE(w.Entry(), QString());
    QCOMPARE(w.Display(), QStringLiteral("300.0000A"));
    QVERIFY(w.InStandby());
    // The wait for a current path goes on.
    QVERIFY(w.rig.state.Kept<TerminalMemory>().CoilSelectPending);
}

void TerminalSelectionTest::HistoryPickEndsTheWaitForAPath() {
    TerminalRig w;
    w.Open();
    w.Type(QStringLiteral("1V"));
    w.Keys(QStringLiteral("50A"));
    w.Taken();
    // The pick sets 1 V again: the paths stop flashing and ENTER is enabled again.
    w.PickHistory(1);
    QCOMPARE(w.Taken(), (QStringList{"O1", "S0"}));
    QVERIFY(!w.rig.state.Kept<TerminalMemory>().CoilSelectPending);
    QVERIFY(!Find<TerminalSelector>(w.form, "TerminalSelector")->CFlash().isActive());
    QVERIFY(w.EnterKey().isEnabled());
    QCOMPARE(w.Bold(), (QList<int>{3, 9}));

    // A path clicked now is a manual change: 0 A on the coil, never 1 V left on into it.
    w.ClickTerm(6);
    QCOMPARE(w.Taken(), (QStringList{"S1", "p16778240", "#2 Turn Coil", "p0", "R11", "O0", "S0",
                                     "#0.0000A (x2)"}));
    QCOMPARE(w.Display(), QStringLiteral("0.0000A"));
}

QTEST_MAIN(TerminalSelectionTest)
#include "TerminalSelectionTest.moc"
