#pragma once

#include <QString>

// The pseudo-terminal that stands in for the serial line. The slave side is what the panel
// opens (through the link COMn); calsim reads and writes the master side. calsim keeps a slave
// handle of its own open for its whole run, so the panel closing and reopening the port never
// makes the last slave handle go away, which would hang the line up.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    // Opens master and slave, slave in raw mode at 9600 8N1; on failure says why.
    bool Open(QString &error);

    // Makes linkPath a symbolic link to the slave. A stale link there is replaced; any other
    // file is left alone and reported as an error.
    bool CreateLink(const QString &linkPath, QString &error);

    // Removes the link, but only while it still points at this slave (another calsim may have
    // taken the name over since).
    void RemoveLink();

    // Closes master and slave: the panel sees the line hang up.
    void HangUp();

    int MasterFd() const { return masterFd; }
    QString SlavePath() const { return slavePath; }

private:
    int masterFd = -1;
    int slaveFd = -1;
    QString slavePath;
    QString linkPath;
};
