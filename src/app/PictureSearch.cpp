#include "app/PictureSearch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vk220::app {

QStringList PictureSearch::Folders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    // Relative to the executable, so that an installation moved to another prefix still works.
    return {QDir::currentPath(), programFolder,
            QDir::cleanPath(programFolder + QStringLiteral("/" VK220_DATA_FROM_PROGRAM))};
}

QString PictureSearch::Find(const QString &name, const QStringList &folders) {
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace vk220::app
