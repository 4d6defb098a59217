#pragma once

#include <QString>

// The device behind port number n: "COMn" on Windows; elsewhere a file named "COMn" in the
// current folder (usually a symbolic link to a device), else "/dev/ttyS<n-1>".
QString PortDevice(int number);
