#pragma once

class QString;

namespace vk220::app {

// "Settings.txt" in the current folder: one line, the port number.
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

} // namespace SettingsFile

} // namespace vk220::app
