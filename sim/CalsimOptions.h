#pragma once

#include "SimulationFaults.h"

#include <QString>
#include <QStringList>

// The calsim program's command line: the port number, the log file and the fault flags.
struct CalsimOptions {
    int port = 1;
    QString logFile;
    SimulationFaults faults;
    bool helpRequested = false;
    bool versionRequested = false;
    QString error; // set when the arguments are not usable
    QString helpText;

    // arguments as in QCoreApplication::arguments(), the program name first.
    static CalsimOptions Parse(const QStringList &arguments);
};
