#include "app/MainForm.h"

#include "app/ProgForm.h"
#include "functions/tachometer/TachoForm.h"
#include "functions/thermocouple/ThermoForm.h"
#include "tests/support/FindControl.h"
#include "tests/support/FunctionChoice.h"
#include "tests/support/FunctionRig.h"
#include "ui/ButtonArray.h"
#include "ui/FunctionWindow.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

using namespace vk220::app;
using namespace vk220::tachometer;
using namespace vk220::thermocouple;
using namespace vk220::ui;

namespace {

const QStringList Release{"p16777216", "p0", "R1/O0/S1/# PC Control"};

} // namespace

class TachoThermoScenarioTest : public QObject {
    Q_OBJECT

private slots:
    void OpenSetSwitchAndExit();
    void CloseButtonsHandTheChoiceBack();
};

void TachoThermoScenarioTest::OpenSetSwitchAndExit() {
    FunctionRig rig;
    MainForm main(rig.state, rig.boxes);
    main.show();

    QTest::mouseClick(FunctionButton(main, "TACHO"), Qt::LeftButton);
    QCOMPARE(rig.TakeWritten(), (QStringList{"p16777344", "p0", "R64", "F600", "S0"}));
    QCOMPARE(rig.state.CurrentFunction, QStringLiteral("TACHO"));
    QVERIFY(Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(TachoForm::Title));
    QVERIFY(FunctionChoiceDisabled(main));
    QPointer<FunctionWindow> tacho =
        Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(TachoForm::Title);
    QVERIFY(tacho);

    auto *rpmText = tacho->findChild<QLineEdit *>("RPMText");
    rpmText->setText("1234");
    QTest::keyClick(rpmText, Qt::Key_Return);
    QCOMPARE(rig.TakeWritten(), (QStringList{"R64", "F1230"}));
    QCOMPARE(tacho->findChild<QLabel *>("RPMLab")->text(), QStringLiteral("1230RPM"));

    // Opening another function closes the tachometer window at once, with its release sequence.
    main.OpenFunction(FunctionRow("THERM"));
    QCOMPARE(rig.TakeWritten(), (Release + QStringList{"p25206784", "p0", "R60/S0"}));
    QVERIFY(!Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(TachoForm::Title));
    QVERIFY(Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(ThermoForm::Title));
    QCOMPARE(rig.state.CurrentFunction, QStringLiteral("THERM"));
    QVERIFY(FunctionChoiceDisabled(main));

    FunctionWindow *thermo =
        Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(ThermoForm::Title);
    thermo->findChild<QLineEdit *>("TempManText")->setText("-12.5");
    QTest::keyClick(thermo->findChild<QComboBox *>("ThermoCombo"), Qt::Key_End);
    QCOMPARE(rig.TakeWritten(), QStringList{"K1/L3/O-12.5"});
    QCOMPARE(thermo->findChild<QLabel *>("ThermoTypeLab")->text(), QStringLiteral("TYPE T"));
    QCOMPARE(thermo->findChild<QLabel *>("TempLab")->text(), QStringLiteral("-12.5°C"));

    main.close();
    QCOMPARE(rig.TakeWritten(), (Release + QStringList{"S1", "R1", "O0"}));
    QVERIFY(!Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(ThermoForm::Title));
    bool progressShown = false;
    for (QMdiSubWindow *frame : Find<FunctionArea>(&main, "WorkArea")->subWindowList()) {
        if (auto *progress = qobject_cast<ProgForm *>(frame->widget()))
            progressShown = progress->windowTitle() == QStringLiteral("Releasing Calibrator...");
    }
    QVERIFY(progressShown);
    QVERIFY(rig.boxes.shown.isEmpty());
}

void TachoThermoScenarioTest::CloseButtonsHandTheChoiceBack() {
    FunctionRig rig;
    MainForm main(rig.state, rig.boxes);
    main.show();

    FunctionMenuItem(main, "THERM")->trigger();
    QCOMPARE(rig.TakeWritten(), (QStringList{"p25206784", "p0", "R60/S0"}));
    QVERIFY(FunctionChoiceDisabled(main));
    QTest::mouseClick(&Find<FunctionArea>(&main, "WorkArea")
                           ->FindFunctionWindow(ThermoForm::Title)
                           ->CloseButton(),
                      Qt::LeftButton);
    QCOMPARE(rig.TakeWritten(), Release);
    QVERIFY(FunctionChoiceEnabled(main));
    QVERIFY(!Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(ThermoForm::Title));

    FunctionMenuItem(main, "TACHO")->trigger();
    QCOMPARE(rig.TakeWritten(), (QStringList{"p16777344", "p0", "R64", "F600", "S0"}));
    QTest::mouseClick(
        &Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(TachoForm::Title)->CloseButton(),
        Qt::LeftButton);
    QCOMPARE(rig.TakeWritten(), Release);
    QVERIFY(FunctionChoiceEnabled(main));
    // The code of the last function stays; with its window closed, nothing more is closed.
    QCOMPARE(rig.state.CurrentFunction, QStringLiteral("TACHO"));

    main.close();
    QCOMPARE(rig.TakeWritten(), (QStringList{"S1", "R1", "O0"}));
}

QTEST_MAIN(TachoThermoScenarioTest)
#include "TachoThermoScenarioTest.moc"
