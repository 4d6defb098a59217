#include "tests/support/Ser2netProcess.h"

#include "tests/support/ChildProcess.h"

#include <QFile>
#include <QTcpServer>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

Ser2netProcess::Ser2netProcess(const QString &device, Mode mode) : mode(mode), port(FreePort()) {
    const QByteArray accepter = mode == Mode::Telnet ? "telnet(rfc2217),tcp" : "tcp";
    QFile config(folder.filePath(QStringLiteral("ser2net.yaml")));
    if (config.open(QIODevice::WriteOnly))
        config.write("connection: &bench\n  accepter: " + accepter + ",127.0.0.1," +
                     QByteArray::number(port) + "\n  connector: serialdev," + device.toLocal8Bit() +
                     ",9600n81,local\n");
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(folder.filePath(QStringLiteral("ser2net.out")));
    // The server goes with the test program, even one that dies.
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

Ser2netProcess::~Ser2netProcess() {
    Stop();
}

bool Ser2netProcess::Start() {
    process.start(QStringLiteral("ser2net"),
                  {QStringLiteral("-n"), QStringLiteral("-d"), QStringLiteral("-c"),
                   folder.filePath(QStringLiteral("ser2net.yaml")), QStringLiteral("-P"),
                   folder.filePath(QStringLiteral("ser2net.pid"))});
    return process.waitForStarted(5000) && QTest::qWaitFor([this] { return Listening(); }, 5000);
}

void Ser2netProcess::Stop() {
    EndProcess(process);
}

QString Ser2netProcess::Address() const {
    return QStringLiteral("%1://127.0.0.1:%2")
        .arg(mode == Mode::Telnet ? QStringLiteral("rfc2217") : QStringLiteral("tcp"))
        .arg(port);
}

quint16 Ser2netProcess::FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

// Read from the kernel's table of TCP sockets, so that no probe connection makes the server open
// the device.
bool Ser2netProcess::Listening() const {
    QFile table(QStringLiteral("/proc/net/tcp"));
    if (!table.open(QIODevice::ReadOnly))
        return false;
    const QByteArray local =
        "0100007F:" + QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
    for (const QByteArray &line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 3 && fields.at(1) == local && fields.at(3) == "0A")
            return process.state() == QProcess::Running;
    }
    return false;
}
