#pragma once

class QString;

namespace vk220::app {

// "Settings.txt" in the current folder: one line, the port number, or the address of a port
// behind a serial device server ("tcp://host:4001", "rfc2217://host:4001").
namespace SettingsFile {

inline constexpr char FileName[] = "Settings.txt";

// The stored port number, or 0 when none is known (no file, an empty first field, or a value
// that does not read as a usable port number).
int ReadPortNumber();
// Writes the number and a carriage return and line feed, replacing the file whole; false on
// failure, with the old file untouched and, in `failure` when given, the operator's description:
// the file's full path, the platform's words for the fault and what to do. A symbolic link in the
// file's place is never written through: it is refused.
bool WritePortNumber(int number, QString *failure = nullptr);
// The stored port as the port takes it (SerialPort::SetPortName): the network address, else the
// number's text; empty when none is known.
QString ReadPortName();
// Writes the port, a number or a network address, as WritePortNumber does.
bool WritePortName(const QString &name, QString *failure = nullptr);

} // namespace SettingsFile

} // namespace vk220::app
