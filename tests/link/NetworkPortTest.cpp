#include "link/NetworkPort.h"
#include "link/CalibratorLink.h"
#include "link/NetworkAddress.h"
#include "link/SteadyClock.h"
#include "link/TelnetCodec.h"
#include "tests/support/CalsimProcess.h"
#include "tests/support/RecordingObserver.h"
#include "tests/support/Ser2netProcess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace vk220::link;

namespace {
const QByteArray Ff(1, '\xff');

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (const int value : values)
        bytes += static_cast<char>(value);
    return bytes;
}

// A device server on 127.0.0.1 that accepts and never answers; `refuse` makes it decline the COM
// port control option at once instead. It runs in a thread of its own, since the port under test
// blocks this one while it waits.
class MuteServer {
public:
    explicit MuteServer(bool refuse = false) {
        thread.start();
        server->moveToThread(&thread);
        QMetaObject::invokeMethod(
            server,
            [this, refuse] {
                server->listen(QHostAddress::LocalHost);
                QObject::connect(server, &QTcpServer::newConnection, server, [this, refuse] {
                    QTcpSocket *client = server->nextPendingConnection();
                    if (refuse)
                        client->write(Bytes({255, 254, 44}));
                });
            },
            Qt::BlockingQueuedConnection);
    }
    ~MuteServer() {
        QMetaObject::invokeMethod(server, &QObject::deleteLater);
        thread.quit();
        thread.wait();
    }
    QString Address(const QString &scheme) const {
        return QStringLiteral("%1://127.0.0.1:%2").arg(scheme).arg(server->serverPort());
    }

private:
    QThread thread;
    QTcpServer *server = new QTcpServer;
};
} // namespace

// The port behind a serial device server: the telnet coding on its own, then the real ser2net
// bridging to calsim (and turning a second connection away), servers that keep silent or refuse
// the COM port control option, and a host that leaves the connection unanswered.
class NetworkPortTest : public QObject {
    Q_OBJECT
private slots:
    void AddressesReadAndWriteBack();
    void TelnetCodingEscapesAndAnswers();
    void ExchangesOverTheDeviceServer_data();
    void ExchangesOverTheDeviceServer();
    void SilentAndRefusingServersAreBounded();
    void TurnedAwayRawConnectionIsNoReply();
    void UnansweredOpeningLetsEventsRun();
};

void NetworkPortTest::AddressesReadAndWriteBack() {
    const auto raw = NetworkAddress::Parse(QStringLiteral(" tcp://bench-7:4001 "));
    QVERIFY(raw && raw->kind == NetworkAddress::Kind::Raw);
    QCOMPARE(raw->host, QStringLiteral("bench-7"));
    QCOMPARE(raw->port, 4001);
    QCOMPARE(raw->Text(), QStringLiteral("tcp://bench-7:4001"));
    const auto telnet = NetworkAddress::Parse(QStringLiteral("rfc2217://[::1]:2217"));
    QVERIFY(telnet && telnet->kind == NetworkAddress::Kind::Telnet);
    QCOMPARE(telnet->Text(), QStringLiteral("rfc2217://[::1]:2217"));
    for (const char *bad : {"3", "", "tcp://host", "udp://host:1", "tcp://:4001",
                            "tcp://host:4001/x", "tcp://user@host:4001", "tcp://host:99999"})
        QVERIFY2(!NetworkAddress::Parse(QString::fromLatin1(bad)), bad);
}

void NetworkPortTest::TelnetCodingEscapesAndAnswers() {
    QCOMPARE(TelnetCodec::Escape("a" + Ff + "b"), "a" + Ff + Ff + "b");
    QCOMPARE(TelnetCodec::LineSettings(),
             Bytes({255, 250, 44,  1,  0, 0, 0x25, 0x80, 255, 240, 255, 250, 44, 2,   8,  255,
                    240, 255, 250, 44, 3, 1, 255,  240,  255, 250, 44,  4,   1,  255, 240}));
    TelnetCodec codec;
    QVERIFY(!codec.LineConfirmed());
    QCOMPARE(codec.Opening(), Bytes({255, 251, 44, 255, 251, 0, 255, 253, 0}));
    QByteArray data;
    QByteArray answers;
    // An escaped 0xFF, an option request split between two reads, a subnegotiation the server
    // confirms the baud rate with, the confirmation of binary mode and the option accepted.
    codec.Receive("x" + Ff + Ff + "y" + Ff, data, answers);
    codec.Receive(Bytes({251, 1, 255, 253, 3, 255, 250, 44, 101, 0, 0, 0x25, 0x80, 255, 240}), data,
                  answers);
    QCOMPARE(codec.State(), TelnetCodec::ComPort::Asked);
    QVERIFY(codec.LineConfirmed());
    codec.Receive(Bytes({255, 251, 0, 255, 253, 44, 255, 251, 1}) + "z", data, answers);
    QCOMPARE(data, "x" + Ff + "yz");
    QCOMPARE(answers, Bytes({255, 254, 1, 255, 251, 3}));
    QCOMPARE(codec.State(), TelnetCodec::ComPort::Accepted);
    codec.Receive(Bytes({255, 254, 44}), data, answers);
    QCOMPARE(codec.State(), TelnetCodec::ComPort::Refused);
}

void NetworkPortTest::ExchangesOverTheDeviceServer_data() {
    QTest::addColumn<Ser2netProcess::Mode>("mode");
    QTest::newRow("raw") << Ser2netProcess::Mode::Raw;
    QTest::newRow("rfc2217") << Ser2netProcess::Mode::Telnet;
}

// The probe and a reading, the server stopped (a lost port, reported once) and started again (the
// port reopens by itself at the next command).
void NetworkPortTest::ExchangesOverTheDeviceServer() {
    QFETCH(Ser2netProcess::Mode, mode);
    QTemporaryDir folder;
    const QString log = folder.filePath(QStringLiteral("calsim.log"));
    CalsimProcess calsim(folder.path(), 4, {QStringLiteral("--log"), log});
    QVERIFY(calsim.IsReady());
    Ser2netProcess server(
        QFileInfo(QDir(folder.path()).filePath(QStringLiteral("COM4"))).symLinkTarget(), mode);
    QVERIFY(server.Start());

    SteadyClock clock;
    NetworkPort port;
    port.SetPortName(server.Address());
    CalibratorLink link(port, clock);
    RecordingObserver observer;
    link.SetObserver(&observer);
    QCOMPARE(link.PortName(), server.Address());
    QVERIFY2(port.Open(), qPrintable(port.ErrorString()));
    QVERIFY(link.SendCommand(QStringLiteral("T")).size() > 50);
    link.SendCommand(QStringLiteral("p17317888"));
    const QString reading = link.SendCommand(QStringLiteral("v"));
    QVERIFY2(reading.endsWith(QStringLiteral("*0\r\n")) && !reading.at(0).isLetter(),
             qPrintable(reading));

    server.Stop();
    QVERIFY(link.SendCommand(QStringLiteral("T")).isEmpty());
    QVERIFY(port.Lost());
    QCOMPARE(observer.errors.size(), 1);
    QVERIFY2(observer.errors.first().startsWith(server.Address() + QStringLiteral(": ")),
             qPrintable(observer.errors.first()));
    QVERIFY(server.Start());
    QVERIFY(link.SendCommand(QStringLiteral("T")).size() > 50);
    QVERIFY(port.IsOpen() && !port.Lost());
    QCOMPARE(observer.errors.size(), 1);
    QCOMPARE(observer.restored, 1);
    port.Close();
    QTRY_COMPARE(CalsimProcess::LoggedLines(log),
                 (QStringList{QStringLiteral("T"), QStringLiteral("p17317888"), QStringLiteral("v"),
                              QStringLiteral("T")}));
}

void NetworkPortTest::SilentAndRefusingServersAreBounded() {
    MuteServer mute;
    SteadyClock clock;
    NetworkPort port(300);
    CalibratorLink link(port, clock);
    RecordingObserver observer;
    link.SetObserver(&observer);
    // Raw: the connection stands, and the probe ends by the silence rule.
    port.SetPortName(mute.Address(QStringLiteral("tcp")));
    QVERIFY(port.Open());
    QElapsedTimer timer;
    timer.start();
    QVERIFY(link.SendCommand(QStringLiteral("T")).isEmpty());
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    port.Close();
    // Telnet: the server never answers the option, so the port does not open, in bounded time.
    port.SetPortName(mute.Address(QStringLiteral("rfc2217")));
    timer.restart();
    QVERIFY(!port.Open());
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(port.ErrorString(),
             mute.Address(QStringLiteral("rfc2217")) +
                 QStringLiteral(": the device server did not answer the COM port control option "
                                "(RFC 2217) within 0.3 s"));
    // Tried again at once: the same answer without the wait.
    const QString unanswered = port.ErrorString();
    timer.restart();
    QVERIFY(!port.Open());
    QVERIFY(timer.elapsed() < 100);
    QCOMPARE(port.ErrorString(), unanswered);
    // Chosen again, it is tried again.
    port.SetPortName(mute.Address(QStringLiteral("rfc2217")));
    timer.restart();
    QVERIFY(!port.Open());
    QVERIFY(timer.elapsed() >= 250);
    MuteServer refusing(true);
    port.SetPortName(refusing.Address(QStringLiteral("rfc2217")));
    QVERIFY(!port.Open());
    QCOMPARE(port.ErrorString(),
             refusing.Address(QStringLiteral("rfc2217")) +
                 QStringLiteral(": the device server refuses the COM port control option (RFC "
                                "2217); serve the port with it, or use ") +
                 refusing.Address(QStringLiteral("tcp")));
    // Nothing listens: refused at once.
    port.SetPortName(QStringLiteral("tcp://127.0.0.1:%1").arg(Ser2netProcess::FreePort()));
    QVERIFY(!port.Open());
    QVERIFY2(port.ErrorString().contains(QStringLiteral("refused")),
             qPrintable(port.ErrorString()));
}

// ser2net serves one raw connection at a time and tells a second one "Port already in use" as it
// closes it: that text is no reply. The opening asks again until its bound, and an opening while
// the first connection goes takes the line.
void NetworkPortTest::TurnedAwayRawConnectionIsNoReply() {
    QTemporaryDir folder;
    CalsimProcess calsim(folder.path(), 5);
    QVERIFY(calsim.IsReady());
    Ser2netProcess server(
        QFileInfo(QDir(folder.path()).filePath(QStringLiteral("COM5"))).symLinkTarget(),
        Ser2netProcess::Mode::Raw);
    QVERIFY(server.Start());
    QTcpSocket holder;
    holder.connectToHost(QHostAddress::LocalHost, server.Port());
    QVERIFY(holder.waitForConnected(3000));
    holder.write("T\r");
    QVERIFY(holder.waitForReadyRead(3000)); // the server holds the line for it

    NetworkPort port(1000);
    port.SetPortName(server.Address());
    QVERIFY(!port.Open());
    QCOMPARE(port.ErrorString(),
             server.Address() +
                 QStringLiteral(": the device server closed the connection (Port already in use)"));
    QTimer::singleShot(150, &holder, [&holder] { holder.abort(); });
    QVERIFY2(port.Open(), qPrintable(port.ErrorString()));
    SteadyClock clock;
    CalibratorLink link(port, clock);
    const QString reply = link.SendCommand(QStringLiteral("T"));
    QVERIFY2(reply.size() > 50 && !reply.contains(QStringLiteral("in use")), qPrintable(reply));
}

// A listener whose queue is full: the kernel leaves a further connection unanswered. The opening
// gives up at its bound, and the program's events run meanwhile: an opening asked for from a timer
// fails at once, and a Close from one ends the wait.
void NetworkPortTest::UnansweredOpeningLetsEventsRun() {
    QTcpServer full;
    full.setListenBacklogSize(0);
    QVERIFY(full.listen(QHostAddress::LocalHost));
    full.pauseAccepting();
    QTcpSocket queued;
    queued.connectToHost(QHostAddress::LocalHost, full.serverPort());
    QVERIFY(queued.waitForConnected(1000));
    const QString address = QStringLiteral("tcp://127.0.0.1:%1").arg(full.serverPort());

    NetworkPort port(300);
    port.SetPortName(address);
    QString nested;
    QTimer::singleShot(50, [&] {
        port.Open();
        nested = port.ErrorString();
    });
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!port.Open());
    QVERIFY2(timer.elapsed() >= 250 && timer.elapsed() < 1000,
             qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(nested, address + QStringLiteral(": the port is still opening"));
    QCOMPARE(port.ErrorString(), address + QStringLiteral(": no answer within 0.3 s"));

    port.SetPortName(address);
    QTimer::singleShot(50, [&port] { port.Close(); });
    timer.restart();
    QVERIFY(!port.Open());
    QVERIFY2(timer.elapsed() < 250, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(port.ErrorString(), address + QStringLiteral(": closed while opening"));
}

QTEST_GUILESS_MAIN(NetworkPortTest)
#include "NetworkPortTest.moc"
