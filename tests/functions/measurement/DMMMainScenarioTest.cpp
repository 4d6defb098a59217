#include "functions/continuity/ContForm.h"
#include "functions/measurement/DMMForm.h"

#include "app/MainForm.h"
#include "tests/support/FindControl.h"
#include "tests/support/FunctionChoice.h"
#include "tests/support/FunctionRig.h"
#include "ui/ButtonArray.h"
#include "ui/PollingTimer.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
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

// The measurement window through the real main window: its menu item, the deferred close of
// its Close button and of CloseCurrentFunction, and the function choice around them.
class DMMMainScenarioTest : public QObject {
    Q_OBJECT
private slots:
    void CloseButtonThenAnotherFunction();
};

void DMMMainScenarioTest::CloseButtonThenAnotherFunction() {
    FunctionRig rig;
    MainForm main(rig.state, rig.boxes);
    main.show();

    FunctionMenuItem(main, "DMM")->trigger();
    QCOMPARE(rig.TakeWritten(), DMMOpening);
    QCOMPARE(rig.state.CurrentFunction, QStringLiteral("DMM"));
    QVERIFY(!FunctionChoiceEnabled(main));
    QPointer<DMMForm> dmm = qobject_cast<DMMForm *>(
        Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(DMMForm::Title));
    QVERIFY(dmm);
    QVERIFY(Find<PollingTimer>(dmm, "ReadTimer")->IsActive());
    QCOMPARE(Find<PollingTimer>(dmm, "ReadTimer")->Interval(), 500);

    // "Close": the window stays in sight, saying so, until its next reading is in; it hands
    // nothing back to the calibrator.
    QTest::mouseClick(&dmm->CloseButton(), Qt::LeftButton);
    QCOMPARE(dmm->CloseButton().text(), QStringLiteral("Closing..."));
    QVERIFY(Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(DMMForm::Title));
    QVERIFY(dmm->isVisible());
    QVERIFY(!FunctionChoiceEnabled(main));
    Find<PollingTimer>(dmm, "ReadTimer")->Tick();
    QCOMPARE(rig.TakeWritten(), QStringList{QStringLiteral("v")});
    QVERIFY(!Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(DMMForm::Title));
    QVERIFY(FunctionChoiceEnabled(main));
    QTRY_VERIFY(Find<FunctionArea>(&main, "WorkArea")->subWindowList().isEmpty());

    // Another function chosen: the measurement window closes at its next tick, after its
    // reading, and only then does the new window open.
    main.OpenFunction(FunctionRow("DMM"));
    rig.TakeWritten();
    dmm = qobject_cast<DMMForm *>(
        Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(DMMForm::Title));
    QVERIFY(dmm);
    QTimer::singleShot(0, dmm, [dmm] { Find<PollingTimer>(dmm, "ReadTimer")->Tick(); });
    main.OpenFunction(FunctionRow("CONT"));
    QCOMPARE(rig.TakeWritten(), QStringList{QStringLiteral("v")} + ContOpening);
    QVERIFY(!Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(DMMForm::Title));
    QVERIFY(Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(ContForm::Title));
    QCOMPARE(rig.state.CurrentFunction, QStringLiteral("CONT"));
    QVERIFY(!FunctionChoiceEnabled(main));
    QVERIFY(rig.boxes.shown.isEmpty());
}

QTEST_MAIN(DMMMainScenarioTest)
#include "DMMMainScenarioTest.moc"
