#pragma once

#include <QString>

namespace vk220::app {

// Ties the running program to its menu entry: the desktop file's name (the window's application
// id on Wayland, how task bars find the entry) and the window icon. On X11 the windows' class is
// the application name, which the entry names as StartupWMClass.
namespace PanelIdentity {

inline const QString DesktopFileName = QStringLiteral("org.vk220.panel");

// Call once QGuiApplication exists.
void Apply();

} // namespace PanelIdentity

} // namespace vk220::app
