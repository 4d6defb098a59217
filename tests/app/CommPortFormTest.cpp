#include "tests/app/AppRig.h"

#include "app/CommPortForm.h"
#include "app/SerialDevice.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace vk220::app;
using namespace vk220::ui;

using Box = RecordingMessageBoxes::Box;

namespace {

// Runs one tick of the device timer, as a second passing with the dialog open would.
void Tick(QTimer &timer) {
    QTimerEvent tick(timer.timerId());
    QCoreApplication::sendEvent(&timer, &tick);
}

QString LinkTarget(const QString &name) {
    return QFile::symLinkTarget(QDir::current().filePath(name));
}

void WriteFile(const QString &name, const QByteArray &content) {
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray ReadFile(const QString &name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Chooses the number and the device's row and clicks "Link to Selected Device".
void LinkRow(CommPortForm &dialog, int number, int row) {
    Find<QComboBox>(&dialog, "COMCombo")->setCurrentText(QString::number(number));
    Find<QTreeWidget>(&dialog, "DeviceList")
        ->setCurrentItem(Find<QTreeWidget>(&dialog, "DeviceList")->topLevelItem(row));
    QTest::mouseClick(Find<QPushButton>(&dialog, "LinkBut"), Qt::LeftButton);
}

} // namespace

class CommPortFormTest : public QObject {
    Q_OBJECT
private slots:
    void DevicesShowAsPluggedAndBindByLink();
    void StablePathIsTheByIdEntryOfTheDevice();
    void LinksToTheStablePathWhereThereIsOne();
    void ActsOnlyOnWhatTheQuestionWasAbout();
    void NetworkPortIsTakenAsItsAddress();
};

void CommPortFormTest::DevicesShowAsPluggedAndBindByLink() {
    AppRig rig;
    QList<SerialDevice> present{{"/dev/ttyS0", "ttyS0", "", "", ""}};
    CommPortForm dialog(rig.link, rig.boxes, nullptr, [&present] { return present; });
    QTreeWidget &list = *Find<QTreeWidget>(&dialog, "DeviceList");
    QCOMPARE(list.topLevelItemCount(), 1);
    QVERIFY(Find<QTimer>(&dialog, "DeviceTimer")->isActive());
    QCOMPARE(Find<QTimer>(&dialog, "DeviceTimer")->interval(), 1000);

    // An adapter plugged in while the dialog is open appears at the next tick.
    present.append({"/dev/ttyUSB0", "USB-Serial Converter", "Acme Cables", "A10K3", "0403:6001"});
    Tick(*Find<QTimer>(&dialog, "DeviceTimer"));
    QCOMPARE(list.topLevelItemCount(), 2);
    QStringList row;
    for (int column = 0; column < list.columnCount(); ++column)
        row.append(list.topLevelItem(1)->text(column));
    QCOMPARE(row, (QStringList{"/dev/ttyUSB0", "USB-Serial Converter", "Acme Cables", "A10K3",
                               "0403:6001"}));
    QVERIFY(!Find<QPushButton>(&dialog, "LinkBut")->isEnabled());

    // Linked after a Yes; the dialog shows where the number leads now.
    Find<QComboBox>(&dialog, "COMCombo")->setCurrentText("3");
    list.setCurrentItem(list.topLevelItem(1));
    rig.boxes.answers = {MessageBoxes::Answer::Yes};
    QTest::mouseClick(Find<QPushButton>(&dialog, "LinkBut"), Qt::LeftButton);
    QCOMPARE(LinkTarget("COM3"), QStringLiteral("/dev/ttyUSB0"));
    QVERIFY(
        Find<QLabel>(&dialog, "DeviceLab")->text().contains(QStringLiteral("\u2192 /dev/ttyUSB0")));

    // An existing link is replaced only after a Yes.
    list.setCurrentItem(list.topLevelItem(0));
    rig.boxes.answers = {MessageBoxes::Answer::No, MessageBoxes::Answer::Yes};
    QTest::mouseClick(Find<QPushButton>(&dialog, "LinkBut"), Qt::LeftButton);
    QCOMPARE(LinkTarget("COM3"), QStringLiteral("/dev/ttyUSB0"));
    QTest::mouseClick(Find<QPushButton>(&dialog, "LinkBut"), Qt::LeftButton);
    QCOMPARE(LinkTarget("COM3"), QStringLiteral("/dev/ttyS0"));

    // A real file of that name is never touched.
    QFile file("COM4");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep");
    file.close();
    Find<QComboBox>(&dialog, "COMCombo")->setCurrentText("4");
    QTest::mouseClick(Find<QPushButton>(&dialog, "LinkBut"), Qt::LeftButton);
    QVERIFY(QFile::symLinkTarget("COM4").isEmpty());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep"));

    const QString replace = "COM3 in this folder links to /dev/ttyUSB0.\r\rReplace it with a link "
                            "to /dev/ttyS0?";
    QCOMPARE(rig.boxes.shown,
             (QList<Box>{
                 RecordingMessageBoxes::Question("Link Port", "Make COM3 in this folder a link to "
                                                              "/dev/ttyUSB0?"),
                 RecordingMessageBoxes::Question("Link Port", replace),
                 RecordingMessageBoxes::Question("Link Port", replace),
                 RecordingMessageBoxes::Exclamation(
                     "Link Port", "COM4 in this folder is a file, not a link: it is left "
                                  "as it is.\r\rMove it away to link COM4 to /dev/ttyS0.")}));

    // The offline key still works with the list in the dialog; Ctrl+O and Alt+O (OK's access
    // key) are not the offline key.
    QTest::keyClick(&list, CommPortForm::OfflineKey, Qt::ControlModifier);
    QVERIFY(!rig.link.OfflineMode());
    QTest::keyClick(&list, CommPortForm::OfflineKey, Qt::AltModifier);
    QVERIFY(!rig.link.OfflineMode());
    QTest::keyClick(&list, CommPortForm::OfflineKey);
    QVERIFY(rig.link.OfflineMode());
    QVERIFY(rig.port.written.isEmpty());
}

void CommPortFormTest::StablePathIsTheByIdEntryOfTheDevice() {
    QTemporaryDir dev;
    const QString byId = dev.filePath(QStringLiteral("serial/by-id"));
    QVERIFY(QDir().mkpath(byId));
    WriteFile(dev.filePath(QStringLiteral("ttyUSB0")), "");
    WriteFile(dev.filePath(QStringLiteral("ttyUSB1")), "");
    const QString stable = byId + QStringLiteral("/usb-Acme_Cables_A10K3-if00-port0");
    QVERIFY(QFile::link(QStringLiteral("../../ttyUSB1"), stable));
    QCOMPARE(StablePath(dev.filePath(QStringLiteral("ttyUSB1")), byId), stable);
    QCOMPARE(StablePath(dev.filePath(QStringLiteral("ttyUSB0")), byId), QString());
    QCOMPARE(StablePath(dev.filePath(QStringLiteral("ttyUSB9")), byId), QString());
    QCOMPARE(StablePath(dev.filePath(QStringLiteral("ttyUSB1")), dev.filePath("none")), QString());
}

void CommPortFormTest::LinksToTheStablePathWhereThereIsOne() {
    AppRig rig;
    const QString stable = QStringLiteral("/dev/serial/by-id/usb-Acme_Cables_A10K3-if00-port0");
    CommPortForm dialog(rig.link, rig.boxes, nullptr, [&] {
        return QList<SerialDevice>{
            {"/dev/ttyUSB0", "USB-Serial Converter", "Acme Cables", "A10K3", "0403:6001", stable}};
    });
    LinkRow(dialog, 3, 0);
    QCOMPARE(LinkTarget("COM3"), stable);
    QCOMPARE(rig.boxes.shown, QList<Box>{RecordingMessageBoxes::Question(
                                  "Link Port", "Make COM3 in this folder a link to " + stable +
                                                   " (now /dev/ttyUSB0)?")});
}

void CommPortFormTest::ActsOnlyOnWhatTheQuestionWasAbout() {
    AppRig rig;
    CommPortForm dialog(rig.link, rig.boxes, nullptr, [] {
        return QList<SerialDevice>{{"/dev/ttyUSB0", "", "", "", ""}};
    });
    // While the question to replace COM3's link is open, the link gives way to a real file.
    QVERIFY(QFile::link(QStringLiteral("/dev/ttyS0"), QStringLiteral("COM3")));
    rig.boxes.whileShown = [&rig] {
        rig.boxes.whileShown = nullptr;
        QFile::remove(QStringLiteral("COM3"));
        WriteFile(QStringLiteral("COM3"), "mine");
    };
    LinkRow(dialog, 3, 0);
    QCOMPARE(ReadFile("COM3"), QByteArray("mine"));

    // While the question to make COM5 is open, another program makes it.
    rig.boxes.whileShown = [&rig] {
        rig.boxes.whileShown = nullptr;
        QFile::link(QStringLiteral("/dev/pts/7"), QStringLiteral("COM5"));
    };
    LinkRow(dialog, 5, 0);
    QCOMPARE(LinkTarget("COM5"), QStringLiteral("/dev/pts/7"));

    const auto changed = [](const QString &name) {
        return RecordingMessageBoxes::Exclamation(
            "Link Port", name + " in this folder changed while the question was open: it is left "
                                "as it is.\r\rClick \"Link to Selected Device\" again to link it "
                                "to /dev/ttyUSB0.");
    };
    QCOMPARE(rig.boxes.shown,
             (QList<Box>{RecordingMessageBoxes::Question(
                             "Link Port", "COM3 in this folder links to /dev/ttyS0.\r\rReplace it "
                                          "with a link to /dev/ttyUSB0?"),
                         changed("COM3"),
                         RecordingMessageBoxes::Question(
                             "Link Port", "Make COM5 in this folder a link to /dev/ttyUSB0?"),
                         changed("COM5")}));
}

// An address in the network port's entry is stored instead of the number; the offline key is a
// letter there; what is no address is refused with the serial error box, the file untouched.
void CommPortFormTest::NetworkPortIsTakenAsItsAddress() {
    AppRig rig;
    {
        CommPortForm dialog(rig.link, rig.boxes);
        QLineEdit &netText = *Find<QLineEdit>(&dialog, "NetText");
        QTest::keyClicks(&netText, QStringLiteral("bench-o:4001"));
        QCOMPARE(netText.text(), QStringLiteral("bench-o:4001"));
        QVERIFY(!rig.link.OfflineMode());
        QTest::mouseClick(Find<QPushButton>(&dialog, "CommBut"), Qt::LeftButton);
        QVERIFY(!QFile::exists(QStringLiteral("Settings.txt")));
        netText.setText(QStringLiteral(" tcp://bench-o:4001 "));
        QTest::mouseClick(Find<QPushButton>(&dialog, "CommBut"), Qt::LeftButton);
        QCOMPARE(ReadFile("Settings.txt"), QByteArray("tcp://bench-o:4001\r\n"));
    }
    QCOMPARE(rig.boxes.shown,
             QList<Box>{RecordingMessageBoxes::Exclamation(
                 "Serial Communication Error",
                 "Serial communication error :\r\rbench-o:4001 is not a network port: "
                 "tcp://host:port or rfc2217://host:port\r\rClick OK to continue.")});
}

QTEST_MAIN(CommPortFormTest)
#include "CommPortFormTest.moc"
