#include "functions/continuity/ContForm.h"
#include "functions/measurement/DMMForm.h"

#include "app/MainForm.h"
#include "tests/support/FindControl.h"
#include "tests/support/FunctionChoice.h"
#include "tests/support/FunctionRig.h"
#include "ui/ButtonArray.h"
#include "ui/PollingTimer.h"

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vk220::app;
using namespace vk220::continuity;
using namespace vk220::measurement;
using namespace vk220::ui;

namespace {

const QStringList ContOpening{QStringLiteral("p21028923/#Cont.: 1 Ohm"), QStringLiteral("p0")};
const QStringList DMMOpening{QStringLiteral("p17317888"), QStringLiteral("p0"),
                             QStringLiteral("#Measure : 2V")};

} // namespace

// The continuity window through the real main window: its button, the deferred close of its
// Close button and of CloseCurrentFunction, and the function choice around them.
class ContMainScenarioTest : public QObject {
    Q_OBJECT
private slots:
    void CloseButtonThenAnotherFunction();
    void AnotherFunctionOnAnUnpolledSettingClosesAtOnce();
};

void ContMainScenarioTest::CloseButtonThenAnotherFunction() {
    FunctionRig rig;
    MainForm main(rig.state, rig.boxes);
    main.show();

    QTest::mouseClick(FunctionButton(main, "CONT"), Qt::LeftButton);
    QCOMPARE(rig.TakeWritten(), ContOpening);
    QCOMPARE(rig.state.CurrentFunction, QStringLiteral("CONT"));
    QVERIFY(!FunctionChoiceEnabled(main));
    QPointer<ContForm> cont = qobject_cast<ContForm *>(
        Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(ContForm::Title));
    QVERIFY(cont);
    QVERIFY(Find<PollingTimer>(cont, "ContTimer")->IsActive());
    QCOMPARE(Find<PollingTimer>(cont, "ContTimer")->Interval(), 500);
    QVERIFY(rig.TakeWritten().isEmpty());

    // "Close" on 1 Ω: the window stays, saying so, until its next tick has read the current.
    QTest::mouseClick(&cont->CloseButton(), Qt::LeftButton);
    QCOMPARE(cont->CloseButton().text(), QStringLiteral("Closing..."));
    QVERIFY(Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(ContForm::Title));
    QVERIFY(!FunctionChoiceEnabled(main));
    Find<PollingTimer>(cont, "ContTimer")->Tick();
    QCOMPARE(rig.TakeWritten(), QStringList{QStringLiteral("v")} + FunctionHost::ReleaseCommands);
    QVERIFY(!Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(ContForm::Title));
    QVERIFY(FunctionChoiceEnabled(main));

    // Another function chosen while 1 Ω is polled: the continuity window closes at its next
    // tick, after its reading, and only then does the new window open.
    main.OpenFunction(FunctionRow("CONT"));
    rig.TakeWritten();
    cont = qobject_cast<ContForm *>(
        Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(ContForm::Title));
    QVERIFY(cont);
    QTimer::singleShot(0, cont, [cont] { Find<PollingTimer>(cont, "ContTimer")->Tick(); });
    main.OpenFunction(FunctionRow("DMM"));
    QCOMPARE(rig.TakeWritten(),
             QStringList{QStringLiteral("v")} + FunctionHost::ReleaseCommands + DMMOpening);
    QVERIFY(!Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(ContForm::Title));
    QVERIFY(Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(DMMForm::Title));
    QCOMPARE(rig.state.CurrentFunction, QStringLiteral("DMM"));
    QVERIFY(!FunctionChoiceEnabled(main));
    QVERIFY(rig.boxes.shown.isEmpty());
}

void ContMainScenarioTest::AnotherFunctionOnAnUnpolledSettingClosesAtOnce() {
    FunctionRig rig;
    MainForm main(rig.state, rig.boxes);
    main.OpenFunction(FunctionRow("CONT"));
    auto *cont = qobject_cast<ContForm *>(
        Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(ContForm::Title));
    QVERIFY(cont);
    QTest::mouseClick(Find<QPushButton>(cont, "ContBut", 3), Qt::LeftButton);
    rig.TakeWritten();
    main.OpenFunction(FunctionRow("DMM"));
    QCOMPARE(rig.TakeWritten(), FunctionHost::ReleaseCommands + DMMOpening);
    QVERIFY(Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(DMMForm::Title));
    QVERIFY(!Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(ContForm::Title));
}

QTEST_MAIN(ContMainScenarioTest)
#include "ContMainScenarioTest.moc"
