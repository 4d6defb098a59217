#pragma once

#include <QByteArray>
#include <QList>

namespace vk220::sim {

// Splits a command line (without its carriage return) into its command elements: commands are
// joined by "/", and a "#" element is display text that takes the rest of the line, blanks and
// "/" included. Blanks around the other elements are dropped, empty elements skipped.
QList<QByteArray> SplitCommands(const QByteArray &line);

} // namespace vk220::sim
