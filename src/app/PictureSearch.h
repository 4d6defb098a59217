#pragma once

#include <QString>
#include <QStringList>

namespace vk220::app {

// Finds the background pictures. The current folder comes first, so that pictures a lab keeps
// beside its "Settings.txt" win; then the executable's own folder (a build or an unpacked copy);
// then the data folder of an installation.
class PictureSearch {
public:
    // The folders searched, in order.
    static QStringList Folders();

    // The path of name in the first of folders that holds it; empty when none does.
    static QString Find(const QString &name, const QStringList &folders = Folders());
};

} // namespace vk220::app
