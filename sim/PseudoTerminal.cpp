#include "sim/PseudoTerminal.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace vk220::sim {

namespace {

QString SystemError(const char *what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(strerror(errno)));
}

} // namespace

PseudoTerminal::~PseudoTerminal() {
    RemoveLink();
    HangUp();
}

bool PseudoTerminal::Open(QString &error) {
    masterFd = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (masterFd < 0) {
        error = SystemError("posix_openpt");
        return false;
    }
    if (grantpt(masterFd) != 0 || unlockpt(masterFd) != 0) {
        error = SystemError("grantpt/unlockpt");
        return false;
    }
    const char *name = ptsname(masterFd);
    if (name == nullptr) {
        error = SystemError("ptsname");
        return false;
    }
    slavePath = QString::fromLocal8Bit(name);
    slaveFd = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slaveFd < 0) {
        error = SystemError("open slave");
        return false;
    }
    termios settings{};
    if (tcgetattr(slaveFd, &settings) != 0) {
        error = SystemError("tcgetattr");
        return false;
    }
    cfmakeraw(&settings);
    settings.c_cflag &= ~(CSTOPB | PARENB | HUPCL);
    settings.c_cflag |= CLOCAL | CREAD;
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    if (tcsetattr(slaveFd, TCSANOW, &settings) != 0) {
        error = SystemError("tcsetattr");
        return false;
    }
    // Writes must never block the event loop: a reader that stops reading loses replies, as
    // on a real line.
    const int flags = fcntl(masterFd, F_GETFL);
    if (flags < 0 || fcntl(masterFd, F_SETFL, flags | O_NONBLOCK) != 0) {
        error = SystemError("fcntl");
        return false;
    }
    return true;
}

bool PseudoTerminal::CreateLink(const QString &path, QString &error) {
    const QFileInfo existing(path);
    if (existing.isSymLink() && IsPseudoTerminalPath(existing.symLinkTarget())) {
        // Left behind by a calsim that could not remove it (killed), or held by another one.
        QFile::remove(path);
    } else if (existing.isSymLink()) {
        error = QStringLiteral("%1 links to %2, which is not a pseudo-terminal of calsim's: it is "
                               "left as it is. Choose another number with --port, or move the "
                               "link away.")
                    .arg(path, existing.symLinkTarget());
        return false;
    } else if (existing.exists()) {
        error = QStringLiteral("%1 exists and is not a symbolic link: it is left as it is. Choose "
                               "another number with --port, or move the file away.")
                    .arg(path);
        return false;
    }
    if (symlink(QFile::encodeName(slavePath).constData(), QFile::encodeName(path).constData()) !=
        0) {
        error = SystemError("symlink");
        return false;
    }
    linkPath = path;
    return true;
}

bool PseudoTerminal::IsPseudoTerminalPath(const QString &path) {
    static const QRegularExpression slave(QStringLiteral("^/dev/pts/\\d+$"));
    return slave.match(path).hasMatch();
}

void PseudoTerminal::RemoveLink() {
    if (linkPath.isEmpty())
        return;
    if (QFileInfo(linkPath).symLinkTarget() == slavePath)
        QFile::remove(linkPath);
    linkPath.clear();
}

void PseudoTerminal::HangUp() {
    if (masterFd >= 0) {
        close(masterFd);
        masterFd = -1;
    }
    if (slaveFd >= 0) {
        close(slaveFd);
        slaveFd = -1;
    }
}

} // namespace vk220::sim
