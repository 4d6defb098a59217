#include "tests/functions/insulation/InsRig.h"

#include "app/MainForm.h"
#include "tests/support/FindControl.h"
#include "tests/support/FunctionChoice.h"
#include "ui/ButtonArray.h"
#include "ui/PollingTimer.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

using namespace vk220::app;
using namespace vk220::insulation;
using namespace vk220::ui;

namespace {

// The main window over the fake port, in an empty current folder (no background pictures).
struct MainRig : FunctionRig {
    MainRig() : previous(QDir::currentPath()) {
        QDir::setCurrent(folder.path());
        main = std::make_unique<MainForm>(state, boxes);
        main->show();
    }
    ~MainRig() {
        main.reset();
        QDir::setCurrent(previous);
    }

    InsForm *Insulation() const {
        return qobject_cast<InsForm *>(
            Find<FunctionArea>(main.get(), "WorkArea")->FindFunctionWindow(InsForm::Title));
    }

    // Opens the insulation window from its button, goes to the voltage page and forgets the lines.
    InsForm &OpenOnVoltagePage() {
        QTest::mouseClick(FunctionButton(*main, "INS"), Qt::LeftButton);
        InsForm *window = Insulation();
        Find<QTabBar>(window, "InsTab")->setCurrentIndex(1);
        TakeWritten();
        return *window;
    }

    QTemporaryDir folder;
    QString previous;
    std::unique_ptr<MainForm> main;
};

const QStringList Opening{QStringLiteral("#Insulation Res."), QStringLiteral("p18874368"),
                          QStringLiteral("p1064960")};

} // namespace

class InsMainFormTest : public QObject {
    Q_OBJECT
private slots:
    void MenuItemOpensTheWindow();
    void CloseCurrentFunctionOnTheResistancePageClosesAtOnce();
    void CloseCurrentFunctionOnTheVoltagePageWaitsForTheTick();
    void OpeningAnotherFunctionWaitsForTheTick();
};

void InsMainFormTest::MenuItemOpensTheWindow() {
    MainRig rig;
    QAction *item = FunctionMenuItem(*rig.main, "INS");
    QCOMPARE(item->text(), QStringLiteral("Insulation Resistance && Voltage"));
    item->trigger();
    QVERIFY(Find<FunctionArea>(rig.main.get(), "WorkArea")
                ->IsWindowOpen(QStringLiteral("INSULATION RESISTANCE & TEST VOLTAGE")));
    QCOMPARE(rig.state.CurrentFunction, QStringLiteral("INS"));
    QCOMPARE(rig.TakeWritten(), Opening);
    QVERIFY(!FunctionButton(*rig.main, "INS")->isEnabled());
    QVERIFY(!item->isEnabled());
}

void InsMainFormTest::CloseCurrentFunctionOnTheResistancePageClosesAtOnce() {
    MainRig rig;
    rig.main->OpenFunction(FunctionRow("INS"));
    rig.TakeWritten();
    Find<FunctionArea>(rig.main.get(), "WorkArea")->CloseCurrentFunction();
    QVERIFY(!Find<FunctionArea>(rig.main.get(), "WorkArea")->IsWindowOpen(InsForm::Title));
    QCOMPARE(rig.TakeWritten(), FunctionHost::ReleaseCommands);
    QVERIFY(FunctionChoiceEnabled(*rig.main));
}

void InsMainFormTest::CloseCurrentFunctionOnTheVoltagePageWaitsForTheTick() {
    MainRig rig;
    InsForm &window = rig.OpenOnVoltagePage();
    QVERIFY(Find<PollingTimer>(&window, "InsVTimer")->IsActive());
    Find<FunctionArea>(rig.main.get(), "WorkArea")->CloseCurrentFunction();
    QCOMPARE(window.CloseButton().text(), QStringLiteral("Closing..."));
    QVERIFY(Find<FunctionArea>(rig.main.get(), "WorkArea")->IsWindowOpen(InsForm::Title));
    QVERIFY(rig.TakeWritten().isEmpty());
    QVERIFY(FunctionChoiceDisabled(*rig.main));

    QPointer<InsForm> watched(&window);
    Find<PollingTimer>(&window, "InsVTimer")->Tick();
    QVERIFY(!Find<FunctionArea>(rig.main.get(), "WorkArea")->IsWindowOpen(InsForm::Title));
    QCOMPARE(rig.TakeWritten(), QStringList{QStringLiteral("v")} + FunctionHost::ReleaseCommands);
    QVERIFY(FunctionChoiceEnabled(*rig.main));
    QTRY_VERIFY(watched.isNull());
}

void InsMainFormTest::OpeningAnotherFunctionWaitsForTheTick() {
    MainRig rig;
    InsForm &window = rig.OpenOnVoltagePage();
    // The tick falls due while the main window waits for the deferred close.
    QTimer::singleShot(0, &window, [&window] { Find<PollingTimer>(&window, "InsVTimer")->Tick(); });
    rig.main->OpenFunction(FunctionRow("DIAG"));
    QVERIFY(!Find<FunctionArea>(rig.main.get(), "WorkArea")->IsWindowOpen(InsForm::Title));
    QVERIFY(Find<FunctionArea>(rig.main.get(), "WorkArea")
                ->IsWindowOpen(QStringLiteral("VK220 WORKSTATION CONNECTION DIAGRAM")));
    QCOMPARE(rig.TakeWritten(), QStringList{QStringLiteral("v")} + FunctionHost::ReleaseCommands);
    QCOMPARE(rig.state.CurrentFunction, QStringLiteral("INS"));
}

QTEST_MAIN(InsMainFormTest)
#include "InsMainFormTest.moc"
