#pragma once

#include <QString>

namespace vk220::sim {

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

    // Makes linkPath a symbolic link to the slave. A link there to a pseudo-terminal (what
    // calsim makes: left behind by a calsim that was killed) is replaced; any other link or file
    // (a user's own COMn, leading to a real device) is left alone and reported as an error.
    bool CreateLink(const QString &linkPath, QString &error);

    // Whether path names the slave side of a pseudo-terminal, "/dev/pts/N".
    static bool IsPseudoTerminalPath(const QString &path);

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

} // namespace vk220::sim
