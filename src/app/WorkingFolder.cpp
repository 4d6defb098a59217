#include "app/WorkingFolder.h"

#include "app/SettingsFile.h"
#include "functions/terminal/widgets/TerminalForm.h"
#include "ui/logic/MessageBoxes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace vk220::app {

namespace WorkingFolder {

QString UserFolder(const QProcessEnvironment &environment) {
    QString data = environment.value(QStringLiteral("XDG_DATA_HOME"));
    if (!QDir::isAbsolutePath(data))
        data = environment.value(QStringLiteral("HOME"), QDir::homePath()) +
               QStringLiteral("/.local/share");
    return QDir::cleanPath(data + QStringLiteral("/vk220-panel"));
}

bool Enter(const QString &path, QString *failure) {
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    const QFileInfo existing(absolute);
    if (existing.exists() && !existing.isDir()) {
        *failure = QStringLiteral("%1 is a file, not a folder").arg(absolute);
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(absolute).toStdString(), error);
    if (error) {
        *failure = QStringLiteral("cannot create the folder %1: %2")
                       .arg(absolute, QString::fromLocal8Bit(error.message()));
        return false;
    }
    if (!QDir::setCurrent(absolute)) {
        *failure = QStringLiteral("cannot work in the folder %1: this user may not enter it")
                       .arg(absolute);
        return false;
    }
    return true;
}

QStringList OwnFiles() {
    return {QString::fromLatin1(SettingsFile::FileName), terminal::TerminalForm::AutoOnFile,
            terminal::TerminalForm::AutoRangeFile};
}

bool CheckOwnFiles(ui::MessageBoxes &boxes) {
    for (const QString &name : OwnFiles()) {
        const QFileInfo file(QDir::current().absoluteFilePath(name));
        if (!file.isSymLink())
            continue;
        boxes.Warn(LinkedFileTitle,
                   QStringLiteral("%1 is a symbolic link to %2.\r\rThe panel never reads or "
                                  "writes its files through a link, which could change the file "
                                  "linked to. Remove the link (the panel makes a plain file in "
                                  "its place), then start the panel again.")
                       .arg(file.filePath(), file.symLinkTarget()));
        return false;
    }
    return true;
}

QString RootWarning() {
#ifdef Q_OS_UNIX
    if (geteuid() == 0)
        return QStringLiteral(
            "warning: running as root, so its files are written as root. The serial ports "
            "need no root: add the user to the dialout group (sudo usermod -aG dialout USER), "
            "log in again and start the panel as that user.");
#endif
    return {};
}

} // namespace WorkingFolder

} // namespace vk220::app
