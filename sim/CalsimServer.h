#pragma once

#include "sim/CalibratorSimulation.h"
#include "sim/HazardReferee.h"
#include "sim/ReplySchedule.h"

#include <QFile>
#include <QList>
#include <QObject>
#include <QTimer>

class QSocketNotifier;

namespace vk220::sim {

// Serves the simulation over a line, the master side of the pseudo-terminal or a TCP connection
// (a file descriptor either way): collects command lines
// ended by a carriage return, logs them, has the referee judge them (reporting each hazard in
// the log and on stderr), and writes each reply as the fault schedule shapes it.
class CalsimServer : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype MaxLineLength = 4096;

    explicit CalsimServer(const SimulationFaults &faults, QObject *parent = nullptr);

    // Opens the log (appending) when a path is given; on failure says why.
    bool OpenLog(const QString &path, QString &error);

    // Starts reading the line `fd`, which stays the caller's, in place of any line before; what
    // the calibrator holds carries over.
    void Start(int fd);

signals:
    // The hang-up fault ended the line: the calibrator has gone.
    void Finished();
    // The line failed or its other end closed it.
    void LineClosed();

private:
    void ReadMaster();
    void HandleLine(const QByteArray &line);
    void Log(const QByteArray &entry);
    void ReportHazard(const QString &hazard);
    void WriteNextChunk();
    void WriteStream();
    void Write(const QByteArray &bytes);
    void End();
    // Stops reading and writing the line.
    void Detach();

    int fd = -1;
    CalibratorSimulation simulation;
    HazardReferee referee;
    ReplySchedule schedule;
    QFile log;
    QSocketNotifier *notifier = nullptr;
    QByteArray pending;
    int linesReceived = 0;
    QList<ReplyChunk> outgoing;
    QTimer chunkTimer;
    QTimer streamTimer;
};

} // namespace vk220::sim
