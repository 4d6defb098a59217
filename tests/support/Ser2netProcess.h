#pragma once

#include <QProcess>
#include <QTemporaryDir>

// The serial device server ser2net on 127.0.0.1, on a free port, bridging to one device (calsim's
// pseudo-terminal): raw TCP, or telnet with the COM port control option. Its configuration lives
// in a folder of its own; it is stopped when this ends, however the test ends (and with the test
// program, should that die first).
class Ser2netProcess {
public:
    enum class Mode { Raw, Telnet };

    Ser2netProcess(const QString &device, Mode mode);
    ~Ser2netProcess();

    // Starts the server and waits until it listens; false when it did not within a few seconds.
    bool Start();
    void Stop();
    // "tcp://127.0.0.1:<port>" or "rfc2217://127.0.0.1:<port>".
    QString Address() const;
    quint16 Port() const { return port; }

    // A port of 127.0.0.1 that nothing listens on now.
    static quint16 FreePort();

private:
    bool Listening() const;

    QTemporaryDir folder;
    QProcess process;
    Mode mode;
    quint16 port;
};
