#include "link/QtSerialPort.h"
#include "link/CalibratorLink.h"
#include "link/PortDevice.h"
#include "link/SteadyClock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

using namespace vk220::link;

namespace {

// A pseudo-terminal whose slave side stands as "COM<n>" in a temporary current folder.
class PseudoPort {
public:
    explicit PseudoPort(int number) {
        char name[128];
        termios raw{};
        cfmakeraw(&raw);
        if (openpty(&master, &slave, name, &raw, nullptr) != 0)
            qFatal("openpty failed");
        fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        QFile::link(QString::fromLatin1(name), QStringLiteral("COM%1").arg(number));
    }
    ~PseudoPort() {
        HangUp();
        if (slave >= 0)
            ::close(slave);
        QDir::setCurrent(previous);
    }
    void HangUp() {
        if (master >= 0)
            ::close(master);
        master = -1;
    }
    // Closes the side the program keeps open too, so that the line really hangs up.
    void HangUpCompletely() {
        HangUp();
        ::close(slave);
        slave = -1;
    }
    bool Send(const QByteArray &bytes) {
        return ::write(master, bytes.data(), bytes.size()) == bytes.size();
    }
    QByteArray Receive() {
        QByteArray received;
        const bool complete = QTest::qWaitFor(
            [&] {
                char buffer[256];
                const ssize_t n = ::read(master, buffer, sizeof buffer);
                if (n > 0)
                    received.append(buffer, n);
                return received.endsWith('\r');
            },
            5000);
        return complete ? received : QByteArray();
    }
    int master = -1;
    int slave = -1;

private:
    QTemporaryDir folder;
    QString previous;
};

} // namespace

class QtSerialPortTest : public QObject {
    Q_OBJECT
private slots:
    void PortNumbersMapToDevices();
    void ExchangesBytesOverTheLine();
    void MissingDeviceIsReportedWithItsDescription();
    void BusyPortSaysSo();
    void RefusedPortNamesTheGroup();
    void HangUpEndsWithOneErrorAndClosesThePort();
    void PortNameKeepsTheDeviceOpened();
};

void QtSerialPortTest::PortNumbersMapToDevices() {
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    QCOMPARE(PortDevice(1), QStringLiteral("/dev/ttyS0"));
    QCOMPARE(PortDevice(20), QStringLiteral("/dev/ttyS19"));
    QFile::link(QStringLiteral("/dev/null-not-there"), QStringLiteral("COM3"));
    QCOMPARE(PortDevice(3), QDir(folder.path()).filePath(QStringLiteral("COM3")));
    // A link that leads to a device is opened as that device, through any chain of links, so
    // that the port's lock file names the device.
    QFile::link(QStringLiteral("/dev/null"), QStringLiteral("stable-name"));
    QFile::link(QStringLiteral("stable-name"), QStringLiteral("COM4"));
    QCOMPARE(PortDevice(4), QStringLiteral("/dev/null"));
    QDir::setCurrent(previous);
}

void QtSerialPortTest::ExchangesBytesOverTheLine() {
    PseudoPort line(4);
    QtSerialPort port;
    port.SetPortNumber(4);
    QVERIFY2(port.Open(), qPrintable(port.ErrorString()));
    QVERIFY(port.IsOpen());
    port.SetPortNumber(9); // ignored while open
    QCOMPARE(port.PortNumber(), 4);

    QVERIFY(port.Write("T\r"));
    QCOMPARE(line.Receive(), QByteArray("T\r"));
    QVERIFY(line.Send("ID*0\r\n"));
    QByteArray reply;
    bool readable = true;
    QVERIFY(QTest::qWaitFor(
        [&] { return !(readable = port.ReadAll(reply)) || reply.endsWith("*0\r\n"); }, 5000));
    QVERIFY(readable);
    QCOMPARE(reply, QByteArray("ID*0\r\n"));
    qint64 waiting = -1;
    QVERIFY(port.CountWaiting(waiting));
    QCOMPARE(waiting, 0);
    port.Close();
    QVERIFY(!port.IsOpen());
    QVERIFY(!port.Write("v\r"));
    QCOMPARE(port.ErrorString(), QStringLiteral("Port not open"));
}

void QtSerialPortTest::MissingDeviceIsReportedWithItsDescription() {
    PseudoPort line(2);
    QtSerialPort port;
    port.SetPortNumber(5); // no COM5 here: /dev/ttyS4, absent or unusable on a test machine
    if (QFile::exists(QStringLiteral("/dev/ttyS4")))
        QSKIP("this machine has a /dev/ttyS4");
    QVERIFY(!port.Open());
    const QString openFailure = port.ErrorString();
    QVERIFY(openFailure.startsWith(QStringLiteral("/dev/ttyS4: ")));
    QVERIFY(!port.IsOpen());
    // An exchange on the closed port then says why it could not be opened.
    QVERIFY(!port.Write("T\r"));
    QCOMPARE(port.ErrorString(), QStringLiteral("Port not open (%1)").arg(openFailure));
}

void QtSerialPortTest::BusyPortSaysSo() {
    PseudoPort line(7);
    QtSerialPort holder; // the other program
    holder.SetPortNumber(7);
    QVERIFY2(holder.Open(), qPrintable(holder.ErrorString()));
    QtSerialPort port;
    port.SetPortNumber(7);
    QVERIFY(!port.Open());
    // Qt's own words, then what they mean here.
    const QString busy = port.ErrorString();
    QVERIFY2(busy.startsWith(PortDevice(7) + QStringLiteral(": ")), qPrintable(busy));
    QVERIFY2(busy.endsWith(QStringLiteral(" (the port is in use by another program)")),
             qPrintable(busy));
    QVERIFY(!busy.contains(QStringLiteral("dialout")));
}

void QtSerialPortTest::RefusedPortNamesTheGroup() {
    if (geteuid() == 0)
        QSKIP("root may open any device");
    PseudoPort line(8);
    QVERIFY(QFile::setPermissions(QFile::symLinkTarget(PortDevice(8)), QFile::Permissions()));
    QtSerialPort port;
    port.SetPortNumber(8);
    QVERIFY(!port.Open());
    QVERIFY2(port.ErrorString().endsWith(QStringLiteral(" (is this user in the 'dialout' group?)")),
             qPrintable(port.ErrorString()));
}

void QtSerialPortTest::HangUpEndsWithOneErrorAndClosesThePort() {
    PseudoPort line(6);
    QtSerialPort port;
    port.SetPortNumber(6);
    QVERIFY(port.Open());
    line.HangUpCompletely();
    QByteArray data;
    QTRY_VERIFY_WITH_TIMEOUT(!port.ReadAll(data), 5000);
    QVERIFY(!port.ErrorString().isEmpty());
    QVERIFY(!port.IsOpen());
}

void QtSerialPortTest::PortNameKeepsTheDeviceOpened() {
    PseudoPort line(3);
    const QString device = PortDevice(3);
    QtSerialPort port;
    SteadyClock clock;
    CalibratorLink link(port, clock);
    port.SetPortNumber(3);
    QCOMPARE(link.PortName(), QStringLiteral("COM3 (%1)").arg(device));
    QVERIFY2(port.Open(), qPrintable(port.ErrorString()));
    // The link "COM3" goes (as calsim removes it when it ends), then the line hangs up: the port
    // is still named by the device it opened, not by what "COM3" would stand for now.
    QVERIFY(QFile::remove(QStringLiteral("COM3")));
    QCOMPARE(PortDevice(3), QStringLiteral("/dev/ttyS2"));
    line.HangUpCompletely();
    QByteArray data;
    QTRY_VERIFY_WITH_TIMEOUT(!port.ReadAll(data), 5000);
    QVERIFY(port.Lost());
    QCOMPARE(port.Device(), device);
    QCOMPARE(link.PortName(), QStringLiteral("COM3 (%1)").arg(device));
    // Reopening finds "COM3" gone and tries "/dev/ttyS2": until that opens, the port is still
    // named by the device that was opened.
    const bool reopened = port.Open();
    QCOMPARE(link.PortName(),
             QStringLiteral("COM3 (%1)").arg(reopened ? QStringLiteral("/dev/ttyS2") : device));
    // Another number stands for its own device until it is opened.
    port.Close();
    port.SetPortNumber(5);
    QCOMPARE(link.PortName(), QStringLiteral("COM5 (/dev/ttyS4)"));
}

QTEST_GUILESS_MAIN(QtSerialPortTest)
#include "QtSerialPortTest.moc"
