#include "tests/support/CalsimProcess.h"
#include "tests/support/Ser2netProcess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

const QByteArray Marker = "*0\r\n";
constexpr int LimitMs = 10000;

// Opens the port as the panel would: raw, no controlling terminal.
int OpenPort(const QString &path) {
    const int fd = open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return -1;
    }
    termios settings{};
    tcgetattr(fd, &settings);
    cfmakeraw(&settings);
    tcsetattr(fd, TCSANOW, &settings);
    return fd;
}

struct Received {
    QByteArray text;
    int reads = 0;
    bool hungUp = false;
};

// Reads until the marker ends the text, the line hangs up or the limit passes.
Received ReadReply(int fd) {
    Received received;
    QDeadlineTimer deadline(LimitMs);
    while (!received.text.endsWith(Marker) && !deadline.hasExpired()) {
        pollfd waiting{fd, POLLIN, 0};
        if (poll(&waiting, 1, int(deadline.remainingTime())) <= 0) {
            continue;
        }
        char buffer[256];
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count > 0) {
            received.text.append(buffer, count);
            ++received.reads;
        } else if (count == 0 || errno != EAGAIN) {
            received.hungUp = true;
            break;
        }
    }
    return received;
}

Received Exchange(int fd, const QByteArray &line) {
    const QByteArray sent = line + '\r';
    if (write(fd, sent.constData(), size_t(sent.size())) != sent.size()) {
        return {};
    }
    return ReadReply(fd);
}

// One exchange over a TCP connection to calsim.
QByteArray TcpExchange(QTcpSocket &socket, const QByteArray &line) {
    socket.write(line + '\r');
    QByteArray reply;
    QDeadlineTimer deadline(LimitMs);
    while (!reply.endsWith(Marker) && socket.waitForReadyRead(int(deadline.remainingTime())))
        reply += socket.readAll();
    return reply;
}

} // namespace

class CalsimProgramTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void AnswersAndSurvivesReopening();
    void TricklesReplies();
    void HangsUpAfterTheGivenLines();
    void ReportsHazardsInTheLogAndOnStderr();
    void LeavesAUsersOwnPortAlone();
    void ServesATcpPortOneConnectionAtATime();

private:
    bool Start(const QStringList &arguments, const QString &linkName);

    QTemporaryDir *folder = nullptr;
    QProcess *calsim = nullptr;
};

void CalsimProgramTest::init() {
    folder = new QTemporaryDir;
    QVERIFY(folder->isValid());
    calsim = new QProcess;
    calsim->setWorkingDirectory(folder->path());
}

void CalsimProgramTest::cleanup() {
    if (calsim->state() != QProcess::NotRunning) {
        calsim->kill();
        calsim->waitForFinished(LimitMs);
    }
    delete calsim;
    delete folder;
}

bool CalsimProgramTest::Start(const QStringList &arguments, const QString &linkName) {
    calsim->start(QStringLiteral(CALSIM_PATH), arguments);
    if (!calsim->waitForStarted(LimitMs)) {
        return false;
    }
    const QString link = folder->filePath(linkName);
    return QTest::qWaitFor(
        [&] {
            return QFileInfo(link).symLinkTarget().startsWith(QStringLiteral("/dev/pts/")) &&
                   calsim->canReadLine();
        },
        LimitMs);
}

void CalsimProgramTest::AnswersAndSurvivesReopening() {
    const QString link = folder->filePath(QStringLiteral("COM1"));
    // Left behind by a calsim that was killed: replaced.
    QVERIFY(QFile::link(QStringLiteral("/dev/pts/999999"), link));
    QVERIFY(Start({"--log", "calsim.log"}, QStringLiteral("COM1")));
    const QString started = QString::fromLocal8Bit(calsim->readLine()).trimmed();
    QCOMPARE(started, QStringLiteral("calsim: COM1 -> ") + QFileInfo(link).symLinkTarget());

    int port = OpenPort(link);
    QVERIFY(port >= 0);
    const Received identification = Exchange(port, "T");
    QVERIFY(identification.text.endsWith(Marker));
    QVERIFY(identification.text.size() > 50);
    close(port);

    // The panel closes and reopens its port: the line must still answer.
    port = OpenPort(link);
    QVERIFY(port >= 0);
    QCOMPARE(Exchange(port, "p17317888/#Measure : 2V").text, Marker);
    QCOMPARE(Exchange(port, "p0").text, Marker);
    const Received reading = Exchange(port, "v");
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d+\\*0\\r\\n$"))
                 .match(QString::fromLatin1(reading.text))
                 .hasMatch(),
             reading.text.constData());
    close(port);

    QFile log(folder->filePath(QStringLiteral("calsim.log")));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(log.readAll()).split('\n', Qt::SkipEmptyParts);
    const QStringList expected{"T", "p17317888/#Measure : 2V", "p0", "v"};
    QCOMPARE(lines.size(), expected.size());
    const QRegularExpression stamped(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}\\S* (.*)$"));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch match = stamped.match(lines.at(i));
        QVERIFY2(match.hasMatch(), qPrintable(lines.at(i)));
        QCOMPARE(match.captured(1), expected.at(i));
    }

    calsim->terminate();
    QVERIFY(calsim->waitForFinished(LimitMs));
    QCOMPARE(calsim->exitStatus(), QProcess::NormalExit);
    QCOMPARE(calsim->exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());
}

void CalsimProgramTest::TricklesReplies() {
    QVERIFY(Start({"--port", "2", "--trickle"}, QStringLiteral("COM2")));
    const int port = OpenPort(folder->filePath(QStringLiteral("COM2")));
    QVERIFY(port >= 0);
    const Received identification = Exchange(port, "T");
    close(port);
    QVERIFY(identification.text.size() > 50);
    QVERIFY(identification.text.endsWith(Marker));
    QVERIFY(identification.reads > 1);
}

void CalsimProgramTest::HangsUpAfterTheGivenLines() {
    QVERIFY(Start({"--port", "4", "--hangup-after", "1"}, QStringLiteral("COM4")));
    const QString link = folder->filePath(QStringLiteral("COM4"));
    const int port = OpenPort(link);
    QVERIFY(port >= 0);
    QVERIFY(Exchange(port, "T").text.endsWith(Marker));
    const Received afterLast = Exchange(port, "v");
    close(port);
    QVERIFY(afterLast.hungUp);
    QVERIFY(afterLast.text.isEmpty());
    QVERIFY(calsim->waitForFinished(LimitMs));
    QCOMPARE(calsim->exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());
}

void CalsimProgramTest::ReportsHazardsInTheLogAndOnStderr() {
    QVERIFY(Start({"--port", "3", "--log", "calsim.log"}, QStringLiteral("COM3")));
    const int port = OpenPort(folder->filePath(QStringLiteral("COM3")));
    QVERIFY(port >= 0);
    QCOMPARE(Exchange(port, "R2").text, Marker);
    QCOMPARE(Exchange(port, "O5").text, Marker);
    close(port);

    const QString log = folder->filePath(QStringLiteral("calsim.log"));
    const QString hazard = QStringLiteral("value beyond range R2 (below 2.03 V): O5");
    QCOMPARE(CalsimProcess::LoggedLines(log), (QStringList{"R2", "O5"}));
    QCOMPARE(CalsimProcess::LoggedHazards(log), QStringList{hazard});
    calsim->terminate();
    QVERIFY(calsim->waitForFinished(LimitMs));
    QCOMPARE(QString::fromLocal8Bit(calsim->readAllStandardError()),
             QStringLiteral("calsim: hazard: ") + hazard + '\n');
}

void CalsimProgramTest::LeavesAUsersOwnPortAlone() {
    const QString link = folder->filePath(QStringLiteral("COM3"));
    QVERIFY(QFile::link(QStringLiteral("/dev/ttyUSB0"), link));
    calsim->start(QStringLiteral(CALSIM_PATH), {"--port", "3"});
    QVERIFY(calsim->waitForFinished(LimitMs));
    QCOMPARE(calsim->exitCode(), 1);
    QCOMPARE(QString::fromLocal8Bit(calsim->readAllStandardError()),
             QStringLiteral("calsim: %1 links to /dev/ttyUSB0, which is not a pseudo-terminal of "
                            "calsim's: it is left as it is. Choose another number with --port, or "
                            "move the link away.\n")
                 .arg(link));
    QCOMPARE(QFileInfo(link).symLinkTarget(), QStringLiteral("/dev/ttyUSB0"));
}

// The line as a raw TCP port: the same answers, log and referee; one connection at a time (the
// newest), which finds the calibrator as the last one left it.
void CalsimProgramTest::ServesATcpPortOneConnectionAtATime() {
    const quint16 tcp = Ser2netProcess::FreePort();
    calsim->start(QStringLiteral(CALSIM_PATH),
                  {"--tcp", QString::number(tcp), "--log", "calsim.log"});
    QVERIFY(calsim->waitForReadyRead(LimitMs));
    QCOMPARE(QString::fromLocal8Bit(calsim->readLine()),
             QStringLiteral("calsim: tcp://localhost:%1\n").arg(tcp));
    QVERIFY(!QFileInfo::exists(folder->filePath(QStringLiteral("COM1"))));
    QTcpSocket first;
    first.connectToHost(QHostAddress::LocalHost, tcp);
    QVERIFY(first.waitForConnected(LimitMs));
    QVERIFY(TcpExchange(first, "T").size() > 50);
    QTcpSocket second;
    second.connectToHost(QHostAddress::LocalHost, tcp);
    QVERIFY(second.waitForConnected(LimitMs));
    QVERIFY(first.waitForDisconnected(LimitMs));
    QCOMPARE(TcpExchange(second, "R2"), Marker);
    second.disconnectFromHost();
    QTcpSocket next;
    next.connectToHost(QHostAddress::LocalHost, tcp);
    QVERIFY(next.waitForConnected(LimitMs));
    QCOMPARE(TcpExchange(next, "O5"), Marker);

    const QString log = folder->filePath(QStringLiteral("calsim.log"));
    const QString hazard = QStringLiteral("value beyond range R2 (below 2.03 V): O5");
    QCOMPARE(CalsimProcess::LoggedLines(log), (QStringList{"T", "R2", "O5"}));
    QCOMPARE(CalsimProcess::LoggedHazards(log), QStringList{hazard});
    calsim->terminate();
    QVERIFY(calsim->waitForFinished(LimitMs));
    QCOMPARE(calsim->exitCode(), 0);
    QCOMPARE(QString::fromLocal8Bit(calsim->readAllStandardError()),
             QStringLiteral("calsim: hazard: ") + hazard + '\n');
}

QTEST_GUILESS_MAIN(CalsimProgramTest)
#include "CalsimProgramTest.moc"
