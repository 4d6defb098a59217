#pragma once

#include <QString>

namespace vk220::link {

// The device behind port number n: "COMn" on Windows; elsewhere a file named "COMn" in the
// current folder (usually a symbolic link to a device), resolved to the device it leads to
// (the link itself while it leads nowhere), else "/dev/ttyS<n-1>".
QString PortDevice(int number);
// The name that stands for port n, on Windows and as a file in the current folder: "COMn".
QString PortLinkName(int number);

} // namespace vk220::link
