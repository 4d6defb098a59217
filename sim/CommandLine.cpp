#include "sim/CommandLine.h"

namespace vk220::sim {

QList<QByteArray> SplitCommands(const QByteArray &line) {
    QList<QByteArray> commands;
    qsizetype position = 0;
    while (position < line.size()) {
        while (position < line.size() && line.at(position) == ' ')
            ++position;
        if (position < line.size() && line.at(position) == '#') {
            commands.append(line.mid(position));
            break;
        }
        qsizetype end = line.indexOf('/', position);
        if (end < 0)
            end = line.size();
        const QByteArray command = line.mid(position, end - position).trimmed();
        if (!command.isEmpty())
            commands.append(command);
        position = end + 1;
    }
    return commands;
}

} // namespace vk220::sim
