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

class PseudoTerminal;

// Serves the simulation over the master side of the pseudo-terminal: collects command lines
// ended by a carriage return, logs them, has the referee judge them (reporting each hazard in
// the log and on stderr), and writes each reply as the fault schedule shapes it.
class CalsimServer : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype MaxLineLength = 4096;

    CalsimServer(PseudoTerminal &terminal, const SimulationFaults &faults,
                 QObject *parent = nullptr);

    // Opens the log (appending) when a path is given; on failure says why.
    bool OpenLog(const QString &path, QString &error);

    // Starts reading the master side.
    void Start();

signals:
    // The line is gone, by the hang-up fault or because the master side failed.
    void Finished();

private:
    void ReadMaster();
    void HandleLine(const QByteArray &line);
    void Log(const QByteArray &entry);
    void ReportHazard(const QString &hazard);
    void WriteNextChunk();
    void WriteStream();
    void Write(const QByteArray &bytes);
    void End();

    PseudoTerminal &terminal;
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
