#include "tests/app/AppRig.h"

#include "app/CommPortForm.h"
#include "app/DetectCalibrator.h"
#include "app/ProgForm.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vk220::app;

using Box = RecordingMessageBoxes::Box;
using Chunk = FakeSerialPort::Chunk;

namespace {

const QString AskMessage = QStringLiteral("\rPlease Select a Com Port :");
const QString NotDetected = QStringLiteral("Corvale Multi-Product Calibrator Not Detected. ");
const QString Initialise = QStringLiteral("R0/O0/S1/# Computer Control");

void Store(const QByteArray &bytes) {
    QFile file(QStringLiteral("Settings.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Stored() {
    QFile file(QStringLiteral("Settings.txt"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Answers "T" with an identification of the given length.
void Identify(FakeSerialPort &port, int length) {
    port.responder = [length](const QString &line) {
        const QByteArray reply =
            line == QLatin1String("T") ? QByteArray(length - 4, 'I') : QByteArray();
        return QList<Chunk>{{0.05, reply + FakeSerialPort::Marker}};
    };
}

// The port dialog as the operator answers it: each step gets the message shown and may act on
// the dialog before "&OK" or "&Exit".
struct ScriptedDialogs {
    explicit ScriptedDialogs(AppRig &rig) : rig(rig) {}

    using Step = std::function<void(CommPortForm &)>;
    QList<Step> steps;
    QStringList messages;

    AskPort Ask() {
        return [this](const QString &message) {
            messages.append(message);
            CommPortForm dialog(rig.link, rig.boxes);
            dialog.SetMessage(message);
            if (steps.isEmpty())
                return false;
            steps.takeFirst()(dialog);
            return !dialog.ExitChosen();
        };
    }
    AppRig &rig;
};

void Choose(CommPortForm &dialog, int port) {
    Find<QComboBox>(&dialog, "COMCombo")->setCurrentText(QString::number(port));
    QTest::mouseClick(Find<QPushButton>(&dialog, "CommBut"), Qt::LeftButton);
}

void Exit(CommPortForm &dialog) {
    QTest::mouseClick(Find<QPushButton>(&dialog, "ExitBut"), Qt::LeftButton);
}

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void StoredPortIsProbedAtOnce();
    void UnknownPortAsksFirst_data();
    void UnknownPortAsksFirst();
    void IdentificationMustBeLongerThanFiftyCharacters();
    void MissingStoredPortReportsThenAsks();
    void ExitInTheFirstDialogSendsNothing();
    void OfflineKeyEndsDetectionWithoutProbing();
    void OfflineKeyPressedTwiceProbesNormally();
    void OfflineKeyWorksWhileThePortListIsOpen();
    void ChosenPortIsStoredEvenWhenItFails();
    void UnwritableSettingsFileIsReportedWithItsDescription();
    void DialogOffersTwentyPortsAndTheCurrentOne();
    void ExitDuringInitialisationEndsTheProgram();
};

void StartUpTest::StoredPortIsProbedAtOnce() {
    AppRig rig;
    Store("3\r\n");
    rig.port.Close();
    Identify(rig.port, 51);
    ScriptedDialogs dialogs(rig);
    QVERIFY(DetectCalibrator(rig.link, rig.Main(), dialogs.Ask()));
    QVERIFY(dialogs.messages.isEmpty());
    QCOMPARE(rig.port.PortNumber(), 3);
    QCOMPARE(rig.port.written, (QStringList{QStringLiteral("T"), Initialise}));
    QVERIFY(rig.port.IsOpen());
    QCOMPARE(rig.Main().windowTitle(),
             QStringLiteral("VK220 Workstation Virtual Front Panel [COM 3]"));
    QVERIFY(rig.boxes.shown.isEmpty());
}

void StartUpTest::UnknownPortAsksFirst_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::newRow("letter") << QByteArray("x\r\n");
    QTest::newRow("zero") << QByteArray("0\r\n");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("missing") << QByteArray("<none>");
}

void StartUpTest::UnknownPortAsksFirst() {
    QFETCH(QByteArray, settings);
    AppRig rig;
    if (settings != "<none>")
        Store(settings);
    rig.port.Close();
    Identify(rig.port, 60);
    ScriptedDialogs dialogs(rig);
    dialogs.steps = {[](CommPortForm &dialog) {
        QCOMPARE(Find<QLabel>(&dialog, "CommLab")->text(),
                 QStringLiteral("\nPlease Select a Com Port :"));
        Choose(dialog, 7);
    }};
    QVERIFY(DetectCalibrator(rig.link, rig.Main(), dialogs.Ask()));
    QCOMPARE(dialogs.messages, QStringList{AskMessage});
    QCOMPARE(Stored(), QByteArray("7\r\n"));
    QCOMPARE(rig.port.written, (QStringList{QStringLiteral("T"), Initialise}));
    QVERIFY(rig.Main().windowTitle().endsWith(QStringLiteral(" [COM 7]")));
}

void StartUpTest::IdentificationMustBeLongerThanFiftyCharacters() {
    AppRig rig;
    Store("2\r\n");
    rig.port.Close();
    Identify(rig.port, 50);
    ScriptedDialogs dialogs(rig);
    // Not detected with 50 characters; the operator keeps the port, the calibrator now answers.
    dialogs.steps = {[&rig](CommPortForm &dialog) {
        QCOMPARE(Find<QComboBox>(&dialog, "COMCombo")->currentText(), QStringLiteral("2"));
        Identify(rig.port, 51);
        QTest::mouseClick(Find<QPushButton>(&dialog, "CommBut"), Qt::LeftButton);
    }};
    QVERIFY(DetectCalibrator(rig.link, rig.Main(), dialogs.Ask()));
    QCOMPARE(dialogs.messages, QStringList{NotDetected});
    QCOMPARE(rig.port.written, (QStringList{QStringLiteral("T"), QStringLiteral("T"), Initialise}));
}

void StartUpTest::MissingStoredPortReportsThenAsks() {
    AppRig rig;
    Store("9\r\n");
    rig.port.Close();
    rig.port.openError = QStringLiteral("No such file or directory");
    ScriptedDialogs dialogs(rig);
    dialogs.steps = {[](CommPortForm &dialog) {
        Exit(dialog);
    }};
    QVERIFY(!DetectCalibrator(rig.link, rig.Main(), dialogs.Ask()));
    // The open fails silently; the probe on the closed port is what reports it.
    QCOMPARE(
        rig.boxes.shown,
        QList<Box>{RecordingMessageBoxes::Exclamation(
            QStringLiteral("Serial Communication Error"),
            QStringLiteral("Serial communication error :\r\rCOM9 (/dev/ttyS8): Port not open"))});
    QCOMPARE(dialogs.messages, QStringList{NotDetected});
    QVERIFY(rig.port.written.isEmpty());
}

void StartUpTest::ExitInTheFirstDialogSendsNothing() {
    AppRig rig;
    rig.port.Close();
    rig.port.opens = 0;
    ScriptedDialogs dialogs(rig);
    dialogs.steps = {[](CommPortForm &dialog) {
        Exit(dialog);
    }};
    QVERIFY(!DetectCalibrator(rig.link, rig.Main(), dialogs.Ask()));
    QVERIFY(rig.port.written.isEmpty());
    QCOMPARE(rig.port.opens, 0);
    QVERIFY(!QFile::exists(QStringLiteral("Settings.txt")));
}

void StartUpTest::OfflineKeyEndsDetectionWithoutProbing() {
    AppRig rig;
    rig.port.Close();
    rig.Main().ToggleConsole();
    ScriptedDialogs dialogs(rig);
    dialogs.steps = {[](CommPortForm &dialog) {
        QTest::keyClick(Find<QComboBox>(&dialog, "COMCombo"), Qt::Key_O);
        QCOMPARE(Find<QComboBox>(&dialog, "COMCombo")->currentText(), QStringLiteral("1"));
        QTest::mouseClick(Find<QPushButton>(&dialog, "CommBut"), Qt::LeftButton);
    }};
    QVERIFY(DetectCalibrator(rig.link, rig.Main(), dialogs.Ask()));
    QVERIFY(rig.link.OfflineMode());
    QVERIFY(rig.port.written.isEmpty());
    QVERIFY(!QFile::exists(QStringLiteral("Settings.txt")));
    QVERIFY(rig.Main().windowTitle().endsWith(QStringLiteral(" [COM 1]")));
}

void StartUpTest::OfflineKeyPressedTwiceProbesNormally() {
    AppRig rig;
    rig.port.Close();
    Identify(rig.port, 80);
    ScriptedDialogs dialogs(rig);
    dialogs.steps = {[](CommPortForm &dialog) {
        QTest::keyClick(&dialog, Qt::Key_O);
        QTest::keyClick(&dialog, Qt::Key_O, Qt::ShiftModifier);
        Choose(dialog, 4);
    }};
    QVERIFY(DetectCalibrator(rig.link, rig.Main(), dialogs.Ask()));
    QVERIFY(!rig.link.OfflineMode());
    QCOMPARE(rig.port.written, (QStringList{QStringLiteral("T"), Initialise}));
}

void StartUpTest::OfflineKeyWorksWhileThePortListIsOpen() {
    AppRig rig;
    rig.port.Close();
    CommPortForm dialog(rig.link, rig.boxes);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    Find<QComboBox>(&dialog, "COMCombo")->showPopup();
    QWidget *popup = Find<QComboBox>(&dialog, "COMCombo")->view()->window();
    QTRY_VERIFY(popup->isVisible());
    QTRY_VERIFY(QApplication::focusWidget() == Find<QComboBox>(&dialog, "COMCombo")->view());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_O);
    QVERIFY(rig.link.OfflineMode());
    QVERIFY(popup->isVisible());
    QTest::keyClick(Find<QComboBox>(&dialog, "COMCombo")->view(), Qt::Key_O);
    QVERIFY(!rig.link.OfflineMode());
}

void StartUpTest::ChosenPortIsStoredEvenWhenItFails() {
    AppRig rig;
    rig.port.Close();
    rig.port.opens = 0;
    rig.port.openError = QStringLiteral("Permission denied");
    CommPortForm dialog(rig.link, rig.boxes);
    dialog.show();
    Choose(dialog, 12);
    QCOMPARE(Stored(), QByteArray("12\r\n"));
    QCOMPARE(rig.boxes.shown,
             QList<Box>{RecordingMessageBoxes::Exclamation(
                 QStringLiteral("Serial Communication Error"),
                 QStringLiteral("Serial communication error :\r\rPermission denied\r\rClick OK to "
                                "continue."))});
    QVERIFY(dialog.isVisible());
    QVERIFY(!rig.port.IsOpen());

    rig.port.openError.clear();
    Choose(dialog, 5);
    QCOMPARE(Stored(), QByteArray("5\r\n"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!rig.port.IsOpen());
    QCOMPARE(rig.port.opens, 2);
}

void StartUpTest::UnwritableSettingsFileIsReportedWithItsDescription() {
    AppRig rig;
    rig.port.Close();
    rig.port.opens = 0;
    // A folder in its place: no write succeeds, not even as root.
    QVERIFY(QDir().mkdir(QStringLiteral("Settings.txt")));
    QFile probe(QStringLiteral("Settings.txt"));
    QVERIFY(!probe.open(QIODevice::WriteOnly));
    QVERIFY(!probe.errorString().isEmpty());
    CommPortForm dialog(rig.link, rig.boxes);
    dialog.show();
    Choose(dialog, 3);
    QCOMPARE(rig.boxes.shown,
             QList<Box>{RecordingMessageBoxes::Exclamation(
                 QStringLiteral("Serial Communication Error"),
                 QStringLiteral("Serial communication error :\r\rCannot write %1/Settings.txt: "
                                "%2\r\rThe port number is kept in that file: make it and the "
                                "folder %1 writable for this user, or start the panel with "
                                "--folder and a folder this user may write.\r\rClick OK to "
                                "continue.")
                     .arg(QDir::currentPath(), probe.errorString()))});
    QVERIFY(dialog.isVisible());
    QCOMPARE(rig.port.opens, 0);
}

void StartUpTest::DialogOffersTwentyPortsAndTheCurrentOne() {
    AppRig rig;
    rig.port.Close();
    rig.port.SetPortNumber(33);
    CommPortForm dialog(rig.link, rig.boxes);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Set Communication Port"));
    QCOMPARE(Find<QComboBox>(&dialog, "COMCombo")->itemText(0), QStringLiteral("1"));
    QCOMPARE(Find<QComboBox>(&dialog, "COMCombo")->itemText(19), QStringLiteral("20"));
    QCOMPARE(Find<QComboBox>(&dialog, "COMCombo")->currentText(), QStringLiteral("33"));
    QCOMPARE(Find<QPushButton>(&dialog, "CommBut")->text(), QStringLiteral("&OK"));
    QCOMPARE(Find<QPushButton>(&dialog, "ExitBut")->text(), QStringLiteral("&Exit"));
}

void StartUpTest::ExitDuringInitialisationEndsTheProgram() {
    AppRig rig;
    Store("3\r\n");
    rig.port.Close();
    Identify(rig.port, 51);
    MainForm &main = rig.Main();
    bool progressClosable = true;
    // While "R0/O0/S1/# Computer Control" waits, the main window is on screen: the operator
    // chooses Exit, and the progress window goes with the closing main window.
    rig.port.responder = [&](const QString &line) {
        if (line.startsWith(QLatin1String("R0/"))) {
            QTimer::singleShot(0, &main, [&] {
                auto *progress = main.findChild<ProgForm *>();
                progressClosable =
                    progress->parentWidget()->windowFlags().testFlag(Qt::WindowCloseButtonHint);
                progress->parentWidget()->close();
                main.close();
            });
        }
        const QByteArray reply = line == QLatin1String("T") ? QByteArray(47, 'I') : QByteArray();
        return QList<Chunk>{{0.05, reply + FakeSerialPort::Marker}};
    };
    ScriptedDialogs dialogs(rig);
    QVERIFY(DetectCalibrator(rig.link, main, dialogs.Ask()));
    QVERIFY(!progressClosable);
    QVERIFY(main.IsExiting());
    QCOMPARE(rig.port.written, (QStringList{QStringLiteral("T"), Initialise, QStringLiteral("S1"),
                                            QStringLiteral("R1"), QStringLiteral("O0")}));
}

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
