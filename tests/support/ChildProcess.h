#pragma once

#include <QProcess>
#include <QProcessEnvironment>

// The programs the tests start: the servers (calsim, ser2net) and the panel itself.

// Ends a server the tests started: asked first, killed when it does not go within 5 s.
inline void EndProcess(QProcess &process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(5000);
}

// This process's environment with no display at all, for a program that must answer without one.
inline QProcessEnvironment EnvironmentWithoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    return environment;
}
