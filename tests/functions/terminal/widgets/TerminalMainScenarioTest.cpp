#include "functions/tachometer/TachoForm.h"
#include "functions/terminal/widgets/TerminalForm.h"

#include "app/MainForm.h"
#include "functions/terminal/logic/KeypadKey.h"
#include "functions/terminal/logic/TerminalMemory.h"
#include "functions/terminal/widgets/CalibratorDisplay.h"
#include "functions/terminal/widgets/TerminalKeypad.h"
#include "functions/terminal/widgets/TerminalSelector.h"
#include "tests/support/FindControl.h"
#include "tests/support/FunctionChoice.h"
#include "tests/support/FunctionRig.h"
#include "ui/ButtonArray.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vk220::app;
using namespace vk220::tachometer;
using namespace vk220::terminal;
using namespace vk220::ui;

namespace {

const QStringList Opening{"p17039360", "#Volts Terminals", "p0", "R1", "O0", "S0"};
const QStringList TachoOpening{"p16777344", "p0", "R64", "F600", "S0"};
const QStringList Exit{"S1", "R1", "O0"};

void Click(QWidget *widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

} // namespace

// The terminal window through the real main window: opened by its button or its menu item,
// closed by the choice of another function, by CloseCurrentFunction and by leaving the program.
class TerminalMainScenarioTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void FiftyAmperesOnTheCoilThenAnotherFunction();
    void MenuItemThenCloseCurrentFunction();
    void ExitReleasesTheOpenWindow();

private:
    QTemporaryDir *folder = nullptr;
    QString previousFolder;
};

void TerminalMainScenarioTest::init() {
    previousFolder = QDir::currentPath();
    folder = new QTemporaryDir;
    QDir::setCurrent(folder->path());
}

void TerminalMainScenarioTest::cleanup() {
    QDir::setCurrent(previousFolder);
    delete folder;
}

void TerminalMainScenarioTest::FiftyAmperesOnTheCoilThenAnotherFunction() {
    // A function background is present: every window but this one gets it.
    QFile background(QStringLiteral("FunctionBG.jpg"));
    QVERIFY(background.open(QIODevice::WriteOnly));
    background.close();

    FunctionRig rig;
    MainForm main(rig.state, rig.boxes);
    main.show();
    Click(FunctionButton(main, "TERM"));
    QCOMPARE(rig.TakeWritten(), Opening);
    QCOMPARE(rig.state.CurrentFunction, QStringLiteral("TERM"));
    QVERIFY(!FunctionChoiceEnabled(main));
    QPointer<TerminalForm> form = qobject_cast<TerminalForm *>(
        Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(TerminalForm::Title));
    QVERIFY(form);
    QVERIFY(!form->autoFillBackground());

    for (const char *key : {"5", "0", "A"})
        Click(
            Find<TerminalKeypad>(form, "TerminalKeypad")
                ->Command1()
                .At(static_cast<int>(TerminalKeypad::Captions.indexOf(QString::fromLatin1(key)))));
    QCOMPARE(rig.TakeWritten(), QStringList{"S1"});
    Click(Find<TerminalSelector>(form, "TerminalSelector")->TermBut().At(6));
    QCOMPARE(rig.TakeWritten(), (QStringList{"p16778240", "#2 Turn Coil", "p0"}));
    Click(&Find<TerminalKeypad>(form, "TerminalKeypad")->EnterKey());
    QCOMPARE(rig.TakeWritten(), (QStringList{"R11", "O25", "S0", "#50.0000A (x2)"}));
    QCOMPARE(Find<CalibratorDisplay>(form, "CalibratorDisplay")->Display().text(),
             QStringLiteral("50.0000A"));
    QCOMPARE(Find<CalibratorDisplay>(form, "CalibratorDisplay")->CalOPLab().text(),
             QStringLiteral("25A x2"));

    // Another function: the terminal window closes at once and releases the adapter first, with
    // the 25 A a turn in standby before the coil is switched out.
    main.OpenFunction(FunctionRow("TACHO"));
    QCOMPARE(rig.TakeWritten(), QStringList{"S1"} + FunctionHost::ReleaseCommands + TachoOpening);
    QVERIFY(!Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(TerminalForm::Title));
    QVERIFY(Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(TachoForm::Title));
    QVERIFY(Find<FunctionArea>(&main, "WorkArea")
                ->FindFunctionWindow(TachoForm::Title)
                ->autoFillBackground());
    QCOMPARE(rig.state.CurrentFunction, QStringLiteral("TACHO"));
    // The last range outlives the window.
    QCOMPARE(rig.state.Kept<TerminalMemory>().LastRangeCommand, QStringLiteral("R11"));
    QVERIFY(rig.boxes.shown.isEmpty());
}

void TerminalMainScenarioTest::MenuItemThenCloseCurrentFunction() {
    FunctionRig rig;
    MainForm main(rig.state, rig.boxes);
    main.show();
    FunctionMenuItem(main, "TERM")->trigger();
    QCOMPARE(rig.TakeWritten(), Opening);
    QCOMPARE(rig.state.CurrentFunction, QStringLiteral("TERM"));
    auto *form = qobject_cast<TerminalForm *>(
        Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(TerminalForm::Title));
    QVERIFY(form);
    // Waiting for a current path: the flashing stops with the window.
    Click(Find<TerminalKeypad>(form, "TerminalKeypad")->Command1().At(KeypadKey::Ampere));
    QVERIFY(Find<TerminalSelector>(form, "TerminalSelector")->CFlash().isActive());
    rig.TakeWritten();

    Find<FunctionArea>(&main, "WorkArea")->CloseCurrentFunction();
    QCOMPARE(rig.TakeWritten(), FunctionHost::ReleaseCommands);
    QVERIFY(!Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(TerminalForm::Title));
    QVERIFY(!Find<TerminalSelector>(form, "TerminalSelector")->CFlash().isActive());
    QVERIFY(FunctionChoiceEnabled(main));
    QCOMPARE(rig.state.CurrentFunction, QStringLiteral("TERM"));

    // Opened again, the last range (range 6 for the 0 A keyed) is not sent again.
    Click(FunctionButton(main, "TERM"));
    QCOMPARE(rig.TakeWritten(), (QStringList{"p17039360", "#Volts Terminals", "p0", "O0", "S0"}));
}

void TerminalMainScenarioTest::ExitReleasesTheOpenWindow() {
    FunctionRig rig;
    auto *main = new MainForm(rig.state, rig.boxes);
    main->show();
    main->OpenFunction(FunctionRow("TERM"));
    rig.TakeWritten();
    main->close();
    QCOMPARE(rig.TakeWritten(), QStringList{"S1"} + FunctionHost::ReleaseCommands + Exit);
    delete main;
}

QTEST_MAIN(TerminalMainScenarioTest)
#include "TerminalMainScenarioTest.moc"
