#pragma once

#include "sim/SimulationFaults.h"

#include <QString>
#include <QStringList>

namespace vk220::sim {

// The calsim program's command line: the port number, the log file and the fault flags.
struct CalsimOptions {
    int port = 1;
    // The TCP port to serve the line on instead of the pseudo-terminal; 0 for none.
    int tcpPort = 0;
    QString logFile;
    SimulationFaults faults;
    bool helpRequested = false;
    bool versionRequested = false;
    QString error; // set when the arguments are not usable
    QString helpText;

    // arguments as in QCoreApplication::arguments(), the program name first.
    static CalsimOptions Parse(const QStringList &arguments);
};

} // namespace vk220::sim
