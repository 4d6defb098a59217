#include "AppRig.h"

#include "CommPortForm.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

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

} // namespace

class CommPortFormTest : public QObject {
    Q_OBJECT
private slots:
    void DevicesShowAsPluggedAndBindByLink();
};

void CommPortFormTest::DevicesShowAsPluggedAndBindByLink() {
    AppRig rig;
    QList<SerialDevice> present{{"/dev/ttyS0", "ttyS0", "", "", ""}};
    CommPortForm dialog(rig.link, rig.boxes, nullptr, [&present] { return present; });
    QTreeWidget &list = dialog.DeviceList();
    QCOMPARE(list.topLevelItemCount(), 1);
    QVERIFY(dialog.DeviceTimer().isActive());
    QCOMPARE(dialog.DeviceTimer().interval(), 1000);

    // An adapter plugged in while the dialog is open appears at the next tick.
    present.append({"/dev/ttyUSB0", "USB-Serial Converter", "Acme Cables", "A10K3", "0403:6001"});
    Tick(dialog.DeviceTimer());
    QCOMPARE(list.topLevelItemCount(), 2);
    QStringList row;
    for (int column = 0; column < list.columnCount(); ++column)
        row.append(list.topLevelItem(1)->text(column));
    QCOMPARE(row, (QStringList{"/dev/ttyUSB0", "USB-Serial Converter", "Acme Cables", "A10K3",
                               "0403:6001"}));
    QVERIFY(!dialog.LinkBut().isEnabled());

    // Linked after a Yes; the dialog shows where the number leads now.
    dialog.COMCombo().setCurrentText("3");
    list.setCurrentItem(list.topLevelItem(1));
    rig.boxes.answers = {MessageBoxes::Answer::Yes};
    QTest::mouseClick(&dialog.LinkBut(), Qt::LeftButton);
    QCOMPARE(LinkTarget("COM3"), QStringLiteral("/dev/ttyUSB0"));
    QVERIFY(dialog.DeviceLab().text().contains(QStringLiteral("\u2192 /dev/ttyUSB0")));

    // An existing link is replaced only after a Yes.
    list.setCurrentItem(list.topLevelItem(0));
    rig.boxes.answers = {MessageBoxes::Answer::No, MessageBoxes::Answer::Yes};
    QTest::mouseClick(&dialog.LinkBut(), Qt::LeftButton);
    QCOMPARE(LinkTarget("COM3"), QStringLiteral("/dev/ttyUSB0"));
    QTest::mouseClick(&dialog.LinkBut(), Qt::LeftButton);
    QCOMPARE(LinkTarget("COM3"), QStringLiteral("/dev/ttyS0"));

    // A real file of that name is never touched.
    QFile file("COM4");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep");
    file.close();
    dialog.COMCombo().setCurrentText("4");
    QTest::mouseClick(&dialog.LinkBut(), Qt::LeftButton);
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

QTEST_MAIN(CommPortFormTest)
#include "CommPortFormTest.moc"
