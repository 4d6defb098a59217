#pragma once

#include <QProcess>
#include <QStringList>

// The simulated calibrator running as its own program in a folder, reachable there as COM<n>.
// Started with a log ("--log FILE"), it is the referee: should the log hold a hazard when it is
// destroyed, the test program ends with the list, so no test can send one unnoticed.
class CalsimProcess {
public:
    // Starts calsim in `folder` with `arguments` and waits until its COM<port> link stands.
    CalsimProcess(const QString &folder, int port, const QStringList &arguments = {});
    ~CalsimProcess();

    bool IsReady() const { return ready; }
    // False once calsim has ended, whether stopped or by itself (a hang-up).
    bool IsRunning() const { return process.state() != QProcess::NotRunning; }
    // Ends calsim and waits for it; the link disappears with it.
    void Stop();

    // The command lines a calsim log holds, in order, without their time stamps.
    static QStringList LoggedLines(const QString &logFile);
    // The hazards a calsim log holds, in order, as "<reason>: <line>".
    static QStringList LoggedHazards(const QString &logFile);

private:
    // Each entry of the log without its time stamp.
    static QStringList LoggedEntries(const QString &logFile);

    QProcess process;
    QString log;
    bool ready = false;
};
