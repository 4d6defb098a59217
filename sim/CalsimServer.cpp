#include "sim/CalsimServer.h"

#include <QDateTime>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace vk220::sim {

CalsimServer::CalsimServer(const SimulationFaults &faults, QObject *parent)
    : QObject(parent), simulation(faults), schedule(faults) {
    chunkTimer.setSingleShot(true);
    connect(&chunkTimer, &QTimer::timeout, this, &CalsimServer::WriteNextChunk);
    streamTimer.setInterval(ReplySchedule::StreamIntervalMs);
    connect(&streamTimer, &QTimer::timeout, this, &CalsimServer::WriteStream);
}

bool CalsimServer::OpenLog(const QString &path, QString &error) {
    if (path.isEmpty())
        return true;
    log.setFileName(path);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        error = QStringLiteral("cannot open log %1: %2").arg(path, log.errorString());
        return false;
    }
    return true;
}

void CalsimServer::Start(int line) {
    Detach();
    fd = line;
    pending.clear();
    notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &CalsimServer::ReadMaster);
}

void CalsimServer::ReadMaster() {
    char buffer[512];
    const ssize_t count = read(fd, buffer, sizeof buffer);
    if (count < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (count <= 0) {
        Detach();
        emit LineClosed();
        return;
    }
    for (ssize_t i = 0; i < count && notifier != nullptr; ++i) {
        const char character = buffer[i];
        if (character == '\r') {
            const QByteArray line = pending;
            pending.clear();
            HandleLine(line);
        } else if (character != '\n') {
            pending.append(character);
            // A sender that never ends its line must not grow the buffer without bound.
            if (pending.size() > MaxLineLength)
                pending.clear();
        }
    }
}

void CalsimServer::HandleLine(const QByteArray &line) {
    Log(line);
    const QString hazard = referee.Judge(line);
    if (!hazard.isEmpty())
        ReportHazard(hazard);
    ++linesReceived;
    if (schedule.HangsUpAt(linesReceived)) {
        End();
        return;
    }
    const QByteArray reply = simulation.Reply(line);
    if (schedule.Streams()) {
        if (!streamTimer.isActive())
            streamTimer.start();
        return;
    }
    outgoing.append(schedule.Plan(reply));
    if (!chunkTimer.isActive())
        WriteNextChunk();
}

// One log entry: a time stamp, a blank, then the received line or a labelled hazard.
void CalsimServer::Log(const QByteArray &entry) {
    if (!log.isOpen())
        return;
    const QByteArray stamp = QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toLatin1();
    log.write(stamp + ' ' + entry + '\n');
    log.flush();
}

void CalsimServer::ReportHazard(const QString &hazard) {
    const QByteArray entry = QByteArray(HazardReferee::Label) + ": " + hazard.toLatin1();
    Log(entry);
    std::fprintf(stderr, "calsim: %s\n", entry.constData());
    std::fflush(stderr);
}

// Writes the chunks whose pause has passed; the timer brings the next one after its pause.
void CalsimServer::WriteNextChunk() {
    while (!outgoing.isEmpty()) {
        ReplyChunk &next = outgoing.first();
        if (next.delayMs > 0) {
            const int delay = next.delayMs;
            next.delayMs = 0;
            chunkTimer.start(delay);
            return;
        }
        Write(outgoing.takeFirst().bytes);
    }
}

void CalsimServer::WriteStream() {
    Write(ReplySchedule::StreamText);
}

void CalsimServer::Write(const QByteArray &bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count =
            write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return;
        written += count;
    }
}

void CalsimServer::End() {
    if (notifier == nullptr)
        return;
    Detach();
    emit Finished();
}

void CalsimServer::Detach() {
    if (notifier == nullptr)
        return;
    notifier->setEnabled(false);
    notifier->deleteLater();
    notifier = nullptr;
    chunkTimer.stop();
    streamTimer.stop();
    outgoing.clear();
}

} // namespace vk220::sim
