#include "tests/app/AppRig.h"

#include "app/ConsoleDelegate.h"
#include "app/ConsoleModel.h"
#include "app/ConsolePanel.h"
#include "app/FunctionTable.h"
#include "app/ProgForm.h"
#include "app/SplashForm.h"
#include "functions/diagram/DiagForm.h"
#include "functions/measurement/DMMForm.h"
#include "tests/support/FindControl.h"
#include "tests/support/FunctionChoice.h"
#include "ui/ButtonArray.h"
#include "ui/ConnectionPicture.h"
#include "ui/Controls.h"
#include "ui/FocusBorder.h"
#include "ui/FunctionWindow.h"
#include "ui/PollingTimer.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTest>
#include <QTimer>

using namespace vk220::app;
using namespace vk220::diagram;
using namespace vk220::measurement;
using namespace vk220::ui;

using Box = RecordingMessageBoxes::Box;

namespace {

// A function window with no rules of its own, carrying the title of a real one.
class PlainWindow final : public FunctionWindow {
public:
    PlainWindow(FunctionContext &context, const QString &title, bool background = true)
        : FunctionWindow(context, title, 6000, 4500), background(background) {}
    bool TakesFunctionBackground() const override { return background; }
    int loads = 0;

protected:
    void OnLoad() override {
        ++loads;
        Send(QStringLiteral("p1"));
    }

private:
    bool background;
};

PlainWindow *OpenPlain(AppRig &rig, const QString &title, const QString &code,
                       bool background = true) {
    auto *window = new PlainWindow(rig.MainContext(), title, background);
    Find<FunctionArea>(&rig.Main(), "WorkArea")
        ->addSubWindow(window)
        ->setAttribute(Qt::WA_DeleteOnClose);
    window->Load();
    rig.state.CurrentFunction = code;
    return window;
}

void SaveJpeg(const QString &name) {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(name, "JPG"));
}

const QString Tacho = QStringLiteral("TACHOMETER CALIBRATION FUNCTION");

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT
private slots:
    void FunctionChoiceHasNineRowsWithTheLastHidden();
    void ConsoleShowsOnlyExchangesMadeWhileShown();
    void ConsoleKeepsItsNewestEntryInView();
    void ConsoleCopiesTheSelectedEntry();
    void ConsoleDrawsKindsApartAndStaysWhereTheOperatorLooks();
    void ClearingTheConsoleAsksFirst();
    void SerialErrorBox();
    void DiagramDisablesTheChoiceUntilClosed();
    void FunctionWindowsArePlacedAndTakeTheBackground();
    void TerminalWindowNeverTakesTheBackground();
    void MissingPicturesAreNotReported();
    void ReleaseAndEnableServices();
    void CloseCurrentFunctionClosesTheWindowOfTheCode();
    void ChoiceMadeWhileAWindowLoadsIsNotTaken();
    void WindowClosedWhileItLoadsGivesTheChoiceBack();
    void ExitReleasesTheCalibrator();
    void ExitClosesAnOpenFunctionFirst();
    void LostPortIsToldOnExitAndAWindowThatMissedItsSettingsCloses();
    void SplashShowsVersionAndCloseOnlyForAbout();
    void ProgressBarAdvancesByTenUpToFull();
    void WindowsStayClearOfTheConsole();
    void RightClickOnTheMenuBarOffersTheConsole();
    void TabGoesThroughEachWindowAndEndsOnClose();
    void KeysOpenTheMenusAndToggleTheConsole();
    void KeysOpenTheFunctionsAndShowTheFocus();
};

void MainFormTest::FunctionChoiceHasNineRowsWithTheLastHidden() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    QCOMPARE(main.windowTitle(), QStringLiteral("VK220 Workstation Virtual Front Panel"));
    QCOMPARE(Find<ButtonArray>(&main, "FuncBut")->Count(), 9);
    QCOMPARE(FunctionButton(main, "INS")->text(),
             QStringLiteral("INSULATION RESISTANCE && VOLTAGE"));
    QCOMPARE(FunctionButton(main, "DMM")->objectName(), QStringLiteral("FuncBut_4"));
    QVERIFY(FunctionButton(main, "DIAG")->isVisible());
    QVERIFY(!FunctionButton(main, "ENV")->isVisible());

    const QList<QAction *> items = main.menuBar()->actions().first()->menu()->actions();
    QCOMPARE(items.size(), 11);
    QCOMPARE(items[0]->text(), QStringLiteral("Thermocouple Simulation"));
    QCOMPARE(items[4]->text(), QStringLiteral("mA && mV Measurement"));
    QCOMPARE(items[7]->text(), QStringLiteral("Procedures"));
    QVERIFY(!items[8]->isEnabled());
    QVERIFY(items[9]->isSeparator());
    QCOMPARE(items[10]->text(), QStringLiteral("&Exit"));
    QCOMPARE(main.menuBar()->actions().at(1)->text(), QStringLiteral("About"));
}

void MainFormTest::ConsoleShowsOnlyExchangesMadeWhileShown() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    rig.port.AnswerAll("OK");
    QVERIFY(!main.Console().ConsoleVisible());
    rig.link.SendCommand(QStringLiteral("hidden"));
    QTest::mouseDClick(Find<FunctionArea>(&main, "WorkArea")->viewport(), Qt::LeftButton);
    QVERIFY(main.Console().ConsoleVisible());
    rig.link.SendCommand(QStringLiteral("p0"));
    rig.link.SendCommand(QStringLiteral("S1"));
    ConsoleModel &model = Find<ConsolePanel>(&main, "DebugPanel")->Model();
    QCOMPARE(model.Count(), 4);
    QCOMPARE(model.Entry(0), QStringLiteral("p0"));
    QCOMPARE(model.Entry(3), QStringLiteral("OK*0\r\n"));
    QCOMPARE(model.index(3).data().toString(), QStringLiteral("OK*0\\r\\n"));
    QCOMPARE(Find<QListView>(&main, "DebugList")->currentIndex().row(), 3);

    QTest::mouseDClick(Find<FunctionArea>(&main, "WorkArea")->viewport(), Qt::LeftButton);
    QVERIFY(!main.Console().ConsoleVisible());
    rig.link.SendCommand(QStringLiteral("also hidden"));
    QCOMPARE(model.Count(), 4);
}

void MainFormTest::ConsoleKeepsItsNewestEntryInView() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    main.ToggleConsole();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    rig.port.AnswerAll("1.2345");
    QListView &list = *Find<QListView>(&main, "DebugList");
    const ConsoleModel &model = Find<ConsolePanel>(&main, "DebugPanel")->Model();
    // As a polling window sees it: one exchange, then the event loop, again and again.
    int offScreen = 0;
    for (int i = 0; i < 300; ++i) {
        rig.link.SendCommand(QStringLiteral("v"));
        QCoreApplication::processEvents();
        const QRect newest = list.visualRect(model.index(model.Count() - 1));
        offScreen += !newest.intersects(list.viewport()->rect());
    }
    QCOMPARE(model.Count(), 600);
    QVERIFY(list.viewport()->height() < 600 * list.sizeHintForRow(0)); // it had to scroll
    QCOMPARE(offScreen, 0);
}

void MainFormTest::ConsoleCopiesTheSelectedEntry() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    main.ToggleConsole();
    rig.port.AnswerAll("1.2345");
    rig.link.SendCommand(QStringLiteral("v"));
    rig.link.SendCommand(QStringLiteral("v"));
    QClipboard *clipboard = QGuiApplication::clipboard();
    QTest::mouseClick(Find<QPushButton>(&main, "ClipBut"), Qt::LeftButton);
    QCOMPARE(clipboard->text(), QStringLiteral("1.2345*0\r\n"));

    QListView &list = *Find<QListView>(&main, "DebugList");
    const QRect first = list.visualRect(Find<ConsolePanel>(&main, "DebugPanel")->Model().index(0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, first.center());
    QCOMPARE(clipboard->text(), QStringLiteral("v"));

    list.clearSelection();
    QTest::mouseClick(Find<QPushButton>(&main, "ClipBut"), Qt::LeftButton);
    QCOMPARE(clipboard->text(), QString());
}

void MainFormTest::ConsoleDrawsKindsApartAndStaysWhereTheOperatorLooks() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    main.ToggleConsole();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    rig.port.AnswerAll("1.2345");
    ConsolePanel &panel = *Find<ConsolePanel>(&main, "DebugPanel");
    QListView &list = *Find<QListView>(&panel, "DebugList");
    const ConsoleModel &model = panel.Model();
    rig.link.SendCommand(QStringLiteral("v"));
    rig.link.Note(QStringLiteral("Interlock: \"S0\" not sent: no value"));
    rig.link.SendCommand(QStringLiteral("p0"));
    QList<ConsoleModel::Kind> kinds;
    for (int row = 0; row < model.Count(); ++row)
        kinds.append(
            static_cast<ConsoleModel::Kind>(model.index(row).data(ConsoleModel::KindRole).toInt()));
    using Kind = ConsoleModel::Kind;
    QCOMPARE(kinds,
             QList<Kind>({Kind::Command, Kind::Reply, Kind::Note, Kind::Command, Kind::Reply}));
    QVERIFY(!model.index(0).data(Qt::ForegroundRole).isValid());
    QCOMPARE(model.index(1).data(Qt::ForegroundRole).value<QColor>(), ConsoleModel::ReplyColour);
    QCOMPARE(model.index(2).data(Qt::ForegroundRole).value<QColor>(), ConsoleModel::NoteColour);
    QVERIFY(model.index(2).data(Qt::FontRole).value<QFont>().italic());
    // The reply is drawn indented under its command line.
    QCoreApplication::processEvents();
    const QImage shot = list.viewport()->grab().toImage();
    const auto firstInk = [&](int row) {
        const QRect rect = list.visualRect(model.index(row));
        for (int x = rect.left(); x <= rect.right(); ++x)
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                if (qGray(shot.pixel(x, y)) < 200)
                    return x;
        return -1;
    };
    const int indent =
        ConsoleDelegate::ReplyIndent * list.fontMetrics().horizontalAdvance(QLatin1Char('n'));
    QVERIFY(firstInk(0) >= 0);
    QVERIFY2(firstInk(1) >= firstInk(0) + indent - 2,
             qPrintable(QStringLiteral("%1 %2").arg(firstInk(0)).arg(firstInk(1))));

    // Scrolled back, the list stays where the operator looks; at the end it follows again.
    for (int i = 0; i < 300; ++i) {
        rig.link.SendCommand(QStringLiteral("v"));
        QCoreApplication::processEvents();
    }
    QScrollBar &bar = *list.verticalScrollBar();
    QVERIFY(bar.maximum() > 0);
    QCOMPARE(bar.value(), bar.maximum());
    bar.triggerAction(QAbstractSlider::SliderToMinimum);
    QVERIFY(!panel.Following());
    rig.link.SendCommand(QStringLiteral("v"));
    QCoreApplication::processEvents();
    QCOMPARE(bar.value(), 0);
    // The newest reply is still the one "Copy To Clipboard" takes.
    QCOMPARE(list.currentIndex().row(), model.Count() - 1);
    bar.triggerAction(QAbstractSlider::SliderToMaximum);
    QVERIFY(panel.Following());
    rig.link.SendCommand(QStringLiteral("v"));
    QCoreApplication::processEvents();
    QCOMPARE(bar.value(), bar.maximum());
    QVERIFY(list.visualRect(model.index(model.Count() - 1)).intersects(list.viewport()->rect()));
}

void MainFormTest::ClearingTheConsoleAsksFirst() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    main.ToggleConsole();
    rig.link.SendCommand(QStringLiteral("v"));
    const Box question = RecordingMessageBoxes::Question(QStringLiteral("Clear Console"),
                                                         QStringLiteral("Clear console window?"));
    rig.boxes.answers = {MessageBoxes::Answer::No};
    QTest::mouseClick(Find<QPushButton>(&main, "ClearBut"), Qt::LeftButton);
    QCOMPARE(rig.boxes.shown, QList<Box>{question});
    QCOMPARE(Find<ConsolePanel>(&main, "DebugPanel")->Model().Count(), 2);
    rig.boxes.answers = {MessageBoxes::Answer::Yes};
    QTest::mouseClick(Find<QPushButton>(&main, "ClearBut"), Qt::LeftButton);
    QCOMPARE(rig.boxes.shown, (QList<Box>{question, question}));
    QCOMPARE(Find<ConsolePanel>(&main, "DebugPanel")->Model().Count(), 0);
}

void MainFormTest::SerialErrorBox() {
    AppRig rig;
    rig.Main();
    rig.port.Close();
    QCOMPARE(rig.link.SendCommand(QStringLiteral("T")), QString());
    QCOMPARE(rig.boxes.shown, QList<Box>{RecordingMessageBoxes::Exclamation(
                                  QStringLiteral("Serial Communication Error"),
                                  QStringLiteral("Serial communication error :\r\r") +
                                      rig.link.PortName() + QStringLiteral(": Port not open"))});
}

void MainFormTest::DiagramDisablesTheChoiceUntilClosed() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    QTest::mouseClick(FunctionButton(main, "DIAG"), Qt::LeftButton);
    QVERIFY(Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(DiagForm::Title));
    QVERIFY(FunctionChoiceDisabled(main));
    QMdiSubWindow *frame = Find<FunctionArea>(&main, "WorkArea")->subWindowList().first();
    QCOMPARE(frame->geometry(), QRect(79, 70, 724, 564));
    // The picture is drawn whole, without distortion.
    auto *picture =
        frame->widget()->findChild<ConnectionPicture *>(QStringLiteral("DiagramPicture"));
    QVERIFY(picture->IsValid());
    const QRect drawn = picture->PictureRect();
    QVERIFY(picture->rect().contains(drawn));
    QVERIFY(qAbs(drawn.width() * 520 - drawn.height() * 800) <= 800);
    auto *close = frame->widget()->findChild<QPushButton *>(QStringLiteral("CloseBut"));
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(DiagForm::Title));
    QVERIFY(FunctionChoiceEnabled(main));
    QVERIFY(!FunctionMenuItem(main, "ENV")->isEnabled());
    QVERIFY(rig.port.written.isEmpty());
}

void MainFormTest::FunctionWindowsArePlacedAndTakeTheBackground() {
    AppRig rig;
    SaveJpeg(QStringLiteral("FunctionBG.jpg"));
    MainForm &main = rig.Main();
    main.show();
    PlainWindow *window = OpenPlain(rig, Tacho, QStringLiteral("TACHO"));
    QCOMPARE(window->loads, 1);
    QCOMPARE(rig.port.written, QStringList{QStringLiteral("p1")});
    QWidget *frame = window->parentWidget();
    // The design size, 6000 x 4500 twips, is the child window's outer size.
    QCOMPARE(frame->size(), QSize(400, 300));
    QCOMPARE(frame->pos(), QPoint((main.frameGeometry().width() - 133 - 400) / 2,
                                  (main.frameGeometry().height() - 300) / 2));
    QVERIFY(!window->palette().brush(QPalette::Window).texture().isNull());
}

void MainFormTest::TerminalWindowNeverTakesTheBackground() {
    AppRig rig;
    SaveJpeg(QStringLiteral("FunctionBG.jpg"));
    rig.Main().show();
    PlainWindow *window =
        OpenPlain(rig, QStringLiteral("TERMINAL / COIL SWITCHING"), QStringLiteral("TERM"), false);
    QVERIFY(window->palette().brush(QPalette::Window).texture().isNull());
}

void MainFormTest::MissingPicturesAreNotReported() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    QVERIFY(Find<FunctionArea>(&main, "WorkArea")->background().texture().isNull());
    PlainWindow *window = OpenPlain(rig, Tacho, QStringLiteral("TACHO"));
    QVERIFY(window->palette().brush(QPalette::Window).texture().isNull());
    QVERIFY(rig.boxes.shown.isEmpty());

    AppRig pictured;
    SaveJpeg(QStringLiteral("MainBG.jpg"));
    QVERIFY(!Find<FunctionArea>(&pictured.Main(), "WorkArea")->background().texture().isNull());
    QVERIFY(
        !pictured.Main().findChild<QLabel *>(QStringLiteral("BackPanelImage"))->pixmap().isNull());
}

void MainFormTest::ReleaseAndEnableServices() {
    AppRig rig;
    MainForm &main = rig.Main();
    Find<FunctionArea>(&main, "WorkArea")->ReleaseAdapter();
    QCOMPARE(rig.TakeWritten(), (QStringList{QStringLiteral("p16777216"), QStringLiteral("p0"),
                                             QStringLiteral("R1/O0/S1/# PC Control")}));
    Find<FunctionArea>(&main, "WorkArea")->SetFunctionControlsEnabled(false);
    QVERIFY(!FunctionButton(main, "THERM")->isEnabled());
    QVERIFY(!FunctionMenuItem(main, "DIAG")->isEnabled());
    Find<FunctionArea>(&main, "WorkArea")->SetFunctionControlsEnabled(true);
    QVERIFY(FunctionButton(main, "DIAG")->isEnabled());
    QVERIFY(FunctionMenuItem(main, "THERM")->isEnabled());
    QVERIFY(!FunctionMenuItem(main, "ENV")->isEnabled());
}

void MainFormTest::CloseCurrentFunctionClosesTheWindowOfTheCode() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    PlainWindow *window = OpenPlain(rig, Tacho, QStringLiteral("DMM"));
    rig.TakeWritten();
    // The code names another window: nothing happens.
    Find<FunctionArea>(&main, "WorkArea")->CloseCurrentFunction();
    QVERIFY(Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(Tacho));
    rig.state.CurrentFunction = QStringLiteral("TACHO");
    Find<FunctionArea>(&main, "WorkArea")->CloseCurrentFunction();
    QVERIFY(!Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(Tacho));
    QVERIFY(window->IsUnloaded());
    QCOMPARE(rig.TakeWritten(), FunctionHost::ReleaseCommands);
    QCOMPARE(rig.state.CurrentFunction, QStringLiteral("TACHO"));
}

void MainFormTest::ChoiceMadeWhileAWindowLoadsIsNotTaken() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    // The tachometer's set-up exchanges service clicks; one lands on the thermocouple button.
    QTimer::singleShot(0, &main, [&main] { FunctionButton(main, "THERM")->click(); });
    main.OpenFunction(FunctionRow("TACHO"));
    QVERIFY(Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(Tacho));
    QVERIFY(!Find<FunctionArea>(&main, "WorkArea")
                 ->IsWindowOpen(QStringLiteral("THERMOCOUPLE SIMULATION FUNCTION")));
    QCOMPARE(rig.state.CurrentFunction, QStringLiteral("TACHO"));
    QCOMPARE(rig.TakeWritten(),
             (QStringList{QStringLiteral("p16777344"), QStringLiteral("p0"), QStringLiteral("R64"),
                          QStringLiteral("F600"), QStringLiteral("S0")}));
    QCOMPARE(Find<FunctionArea>(&main, "WorkArea")->subWindowList().size(), 1);
}

void MainFormTest::WindowClosedWhileItLoadsGivesTheChoiceBack() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    QTimer::singleShot(0, &main, [&main] {
        Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(Tacho)->CloseButton().click();
    });
    main.OpenFunction(FunctionRow("TACHO"));
    QVERIFY(!Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(Tacho));
    QVERIFY(FunctionChoiceEnabled(main));
    QCOMPARE(rig.TakeWritten(),
             QStringList{QStringLiteral("p16777344")} + FunctionHost::ReleaseCommands);
}

void MainFormTest::ExitReleasesTheCalibrator() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    main.ToggleConsole();
    main.close();
    QCOMPARE(rig.TakeWritten(),
             (QStringList{QStringLiteral("S1"), QStringLiteral("R1"), QStringLiteral("O0")}));
    ConsoleModel &model = Find<ConsolePanel>(&main, "DebugPanel")->Model();
    QCOMPARE(model.Entry(model.Count() - 2), QStringLiteral("O0"));
    auto *progress = main.findChild<ProgForm *>();
    QVERIFY(progress);
    QCOMPARE(progress->windowTitle(), QStringLiteral("Releasing Calibrator..."));
}

void MainFormTest::ExitClosesAnOpenFunctionFirst() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    OpenPlain(rig, Tacho, QStringLiteral("TACHO"));
    rig.TakeWritten();
    main.close();
    const QStringList exit{QStringLiteral("S1"), QStringLiteral("R1"), QStringLiteral("O0")};
    QCOMPARE(rig.TakeWritten(), FunctionHost::ReleaseCommands + exit);
}

void MainFormTest::LostPortIsToldOnExitAndAWindowThatMissedItsSettingsCloses() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    PlainWindow *window = OpenPlain(rig, Tacho, QStringLiteral("TACHO"));
    rig.TakeWritten();
    const Box lost = RecordingMessageBoxes::Exclamation(
        QStringLiteral("Serial Communication Error"),
        QStringLiteral("Serial communication error :\r\r") + rig.link.PortName() +
            QStringLiteral(": Device hung up"));

    // Hung up while the window was open; the window's next line finds it still away.
    rig.port.HangUp(QStringLiteral("Device hung up"));
    rig.port.openError = QStringLiteral("No such file or directory");
    window->Act([window] { window->Send(QStringLiteral("p2")); });
    QCOMPARE(rig.boxes.shown, QList<Box>{lost});

    // Back: the calibrator is set up again first, and the window that missed its settings closes
    // without sending another line of its own.
    rig.port.openError.clear();
    window->Act([window] {
        window->Send(QStringLiteral("p3"));
        window->Send(QStringLiteral("p4"));
    });
    QTRY_VERIFY(!Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(Tacho));
    QCOMPARE(rig.TakeWritten(), QStringList{InitialisationCommand} + FunctionHost::ReleaseCommands);
    QCOMPARE(rig.boxes.shown.size(), 2);
    QCOMPARE(rig.boxes.shown.last(),
             RecordingMessageBoxes::Information(
                 ConsoleSide::ReconnectedTitle,
                 QStringLiteral("The port %1 is back and the calibrator is under computer control "
                                "again.\r\rThe window \"%2\" was closed, because the calibrator "
                                "missed its settings while the port was lost: open it again.")
                     .arg(rig.link.PortName(), Tacho)));
    QVERIFY(FunctionChoiceEnabled(main));

    // Lost again, and the operator leaves: one box says the calibrator is not in standby.
    OpenPlain(rig, Tacho, QStringLiteral("TACHO"));
    rig.TakeWritten();
    rig.boxes.shown.clear();
    rig.port.HangUp(QStringLiteral("Device hung up"));
    rig.port.openError = QStringLiteral("No such file or directory");
    main.close();
    QVERIFY(rig.TakeWritten().isEmpty());
    QCOMPARE(rig.boxes.shown,
             (QList<Box>{lost, RecordingMessageBoxes::Exclamation(
                                   FunctionArea::NotReleasedTitle,
                                   QStringLiteral(
                                       "The calibrator could not be put into standby: the port "
                                       "%1 is lost.\r\rSwitch the calibrator's output to standby "
                                       "at its front panel, then check the cable and the port.")
                                       .arg(rig.link.PortName()))}));
}

void MainFormTest::SplashShowsVersionAndCloseOnlyForAbout() {
    SplashForm splash;
    splash.show();
    QCOMPARE(splash.windowTitle(), QStringLiteral("Kellworth VK220 Workstation Adapter"));
    QCOMPARE(Find<QLabel>(&splash, "VerLab")->text(), QStringLiteral("V2.40 : 04/04/2007"));
    QVERIFY(Find<QLabel>(&splash, "VerLab")->styleSheet().contains(QStringLiteral("#0061a5")));
    auto *close = splash.findChild<QPushButton *>(QStringLiteral("CloseBut"));
    QCOMPARE(close->text(), QStringLiteral("&Close"));
    QVERIFY(!close->isVisible());
    splash.ShowCloseButton();
    QVERIFY(close->isVisible());
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!splash.isVisible());
}

void MainFormTest::ProgressBarAdvancesByTenUpToFull() {
    ProgForm progress(QStringLiteral("Initialising Calibrator..."));
    QCOMPARE(Find<QProgressBar>(&progress, "ProgBar")->value(), 0);
    for (int i = 0; i < 10; ++i)
        progress.Tick();
    QCOMPARE(Find<QProgressBar>(&progress, "ProgBar")->value(), 100);
    progress.Tick();
    QCOMPARE(Find<QProgressBar>(&progress, "ProgBar")->value(), 100);
}

void MainFormTest::WindowsStayClearOfTheConsole() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    QWidget &area = *Find<FunctionArea>(&main, "WorkArea")->viewport();
    const auto inView = [&area](const QWidget *frame) {
        return area.rect().contains(frame->geometry());
    };
    // Narrow enough that the console leaves no room at the centred place.
    main.resize(900, 760);
    PlainWindow *first = OpenPlain(rig, Tacho, QStringLiteral("TACHO"));
    QWidget *frame = first->parentWidget();
    const int formulaLeft = (main.frameGeometry().width() - 133 - 400) / 2;
    const int formulaTop = (main.frameGeometry().height() - 300) / 2;
    QCOMPARE(frame->pos(), QPoint(formulaLeft, formulaTop));

    // Shown while the window is open: the window moves left just out from under it.
    main.ToggleConsole();
    QTRY_VERIFY(area.width() < formulaLeft + 400);
    QTRY_VERIFY(inView(frame));
    QCOMPARE(frame->geometry().right(), area.width() - 1);
    QCOMPARE(frame->y(), formulaTop);
    first->Unload();

    // Opened while it shows: placed in view at once.
    PlainWindow *second = OpenPlain(rig, Tacho, QStringLiteral("TACHO"));
    QVERIFY(inView(second->parentWidget()));
    QCOMPARE(second->parentWidget()->y(), formulaTop);
}

void MainFormTest::RightClickOnTheMenuBarOffersTheConsole() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    QMenuBar *bar = main.menuBar();
    const QPoint at(bar->width() - 5, bar->height() / 2);
    const auto rightClick = [&] {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, bar->mapToGlobal(at));
        QCoreApplication::sendEvent(bar, &event);
        QCoreApplication::processEvents();
        QList<QMenu *> shown;
        for (QMenu *menu : main.findChildren<QMenu *>()) {
            if (menu->isVisible())
                shown.append(menu);
        }
        return shown;
    };
    for (const bool visible : {false, true}) {
        const QList<QMenu *> shown = rightClick();
        QCOMPARE(shown.size(), 1);
        const QList<QAction *> items = shown.first()->actions();
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.first()->text(), QStringLiteral("Console"));
        QVERIFY(items.first()->isCheckable());
        QCOMPARE(items.first()->isChecked(), visible);
        items.first()->trigger();
        shown.first()->close();
        QCOMPARE(main.Console().ConsoleVisible(), !visible);
    }
}

void MainFormTest::TabGoesThroughEachWindowAndEndsOnClose() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    // The controls Tab stops on, in the order it takes them.
    const auto stops = [](QWidget *window) {
        QList<QWidget *> order;
        for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
            if (window->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() &&
                w->isEnabled() && !order.contains(w))
                order.append(w);
        }
        return order;
    };
    const auto &entries = FunctionTable::Entries();
    for (int i = 0; i < entries.size(); ++i) {
        if (!entries[i]->create)
            continue;
        main.OpenFunction(i);
        QWidget *window = Find<FunctionArea>(&main, "WorkArea")->subWindowList().last()->widget();
        // The table says which windows read the calibrator on a timer.
        QCOMPARE(window->findChild<PollingTimer *>() != nullptr, entries[i]->polls);
        const QList<QWidget *> order = stops(window);
        QVERIFY2(order.size() > 0 && order.last()->objectName() == "CloseBut",
                 qPrintable(window->windowTitle()));
        // The keypad is taken row by row, left to right, as it is read.
        QList<QWidget *> keys;
        for (QWidget *w : order) {
            if (w->objectName().startsWith("Command1_"))
                keys.append(w);
        }
        QList<QWidget *> read = keys;
        std::stable_sort(read.begin(), read.end(), [](QWidget *a, QWidget *b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        QCOMPARE(keys, read);
        if (auto *function = qobject_cast<FunctionWindow *>(window))
            function->Unload();
        else
            Find<FunctionArea>(&main, "WorkArea")->subWindowList().last()->close();
    }
}

void MainFormTest::KeysOpenTheMenusAndToggleTheConsole() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    QApplication::setActiveWindow(&main);
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(&main, Qt::Key_D, Qt::ControlModifier);
    QVERIFY(main.Console().ConsoleVisible());
    QTest::keyClick(&main, Qt::Key_D, Qt::ControlModifier);
    QVERIFY(!main.Console().ConsoleVisible());
    QTest::keyClick(&main, Qt::Key_F10);
    QMenu *functionMenu = main.findChild<QMenu *>(QStringLiteral("FunctionMenu"));
    QTRY_VERIFY(functionMenu->isVisible());
    functionMenu->close();
}

void MainFormTest::KeysOpenTheFunctionsAndShowTheFocus() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    QApplication::setActiveWindow(&main);
    QVERIFY(QTest::qWaitForWindowActive(&main));
    // Ctrl+1 to Ctrl+7 in the order of the table, and nothing else on those keys.
    QList<QKeySequence> taken;
    for (const QAction *action : main.findChildren<QAction *>())
        taken += action->shortcuts();
    for (const QShortcut *shortcut : main.findChildren<QShortcut *>())
        taken += shortcut->keys();
    const auto &entries = FunctionTable::Entries();
    for (int i = 0, number = 0; i < entries.size(); ++i) {
        if (entries[i]->hidden)
            continue;
        const QKeySequence key(Qt::CTRL | Qt::Key(Qt::Key_1 + number++));
        QCOMPARE(Find<QAction>(&main, "FunctionMenuItem", i)->shortcut(), key);
        QCOMPARE(taken.count(key), 1);
    }
    QVERIFY(FunctionMenuItem(main, "ENV")->shortcut().isEmpty());
    const auto closeDiagram = [&main] {
        QVERIFY(Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(DiagForm::Title));
        QWidget *diagram =
            Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(DiagForm::Title);
        QTest::mouseClick(diagram->findChild<QPushButton *>(QStringLiteral("CloseBut")),
                          Qt::LeftButton);
        QVERIFY(!Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(DiagForm::Title));
    };
    QTest::keyClick(&main, Qt::Key_7, Qt::ControlModifier);
    closeDiagram();
    // Enter and Return click the focused function button, as Space does.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        QPushButton *button = FunctionButton(main, "DIAG");
        button->setFocus();
        QTest::keyClick(button, key);
        closeDiagram();
    }
    QVERIFY(rig.port.written.isEmpty());

    // A selected button reached with Tab shows a dark border, which goes with the focus.
    QTest::keyClick(&main, Qt::Key_5, Qt::ControlModifier);
    FunctionWindow *window =
        Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(DMMForm::Title);
    QVERIFY(window);
    auto *selected = window->findChild<QPushButton *>(QStringLiteral("DMMBut_2"));
    QVERIFY(Controls::IsSelected(*selected));
    const auto bordered = [selected] {
        const QImage image = selected->grab().toImage();
        return image.pixelColor(2, image.height() / 2) == FocusBorder::Colour;
    };
    QVERIFY(!bordered());
    window->findChild<QPushButton *>(QStringLiteral("DMMBut_1"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), selected);
    QVERIFY(bordered());
    QTest::keyClick(selected, Qt::Key_Tab);
    QVERIFY(!bordered());
}

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
