#pragma once

#include <QString>
#include <QStringList>

class QProcessEnvironment;

namespace vk220::ui {
class MessageBoxes;
} // namespace vk220::ui

namespace vk220::app {

// The folder the panel works in: "Settings.txt", the terminal window's flag files, the COMn
// links and the pictures are looked up and written there. Started from a terminal it is the
// current folder; --folder names another, and --user-folder (the menu entry's choice) the user's
// data folder, so that nothing lands in the home folder.
namespace WorkingFolder {

// $XDG_DATA_HOME/vk220-panel; XDG_DATA_HOME defaults to ~/.local/share, and a relative value is
// ignored, as the base-directory rules say.
QString UserFolder(const QProcessEnvironment &environment);

// Makes path the current folder, creating it and its parents when missing. False, with what went
// wrong in `failure`, when it cannot.
bool Enter(const QString &path, QString *failure);

// The files the panel writes in its folder.
QStringList OwnFiles();

// A file of the panel's that is a symbolic link would be read and written through it (as root,
// overwriting whatever it points at). Shows why the panel stops and returns false when one of
// OwnFiles() in the current folder is a link; true otherwise.
bool CheckOwnFiles(ui::MessageBoxes &boxes);
inline const QString LinkedFileTitle = QStringLiteral("Working Folder");

// What the panel says when it runs as root; empty otherwise.
QString RootWarning();

} // namespace WorkingFolder

} // namespace vk220::app
