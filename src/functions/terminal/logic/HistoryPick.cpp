#include "functions/terminal/logic/HistoryPick.h"

#include <algorithm>

namespace vk220::terminal {

HistoryPick ParseHistoryPick(QStringView item) {
    const qsizetype colon = item.indexOf(u':');
    if (colon < 0)
        return {item.toString(), std::nullopt};
    // The readout and the frequency stand on either side of " : ".
    const qsizetype entryEnd = std::max<qsizetype>(colon - 1, 0);
    const qsizetype frequencyStart = std::min(colon + 2, item.size());
    QStringView frequency = item.sliced(frequencyStart);
    // The output point follows the frequency, which never holds a bracket.
    const qsizetype point = frequency.lastIndexOf(QStringLiteral(" ("));
    if (point >= 0 && frequency.endsWith(u')'))
        frequency = frequency.first(point);
    return {item.first(entryEnd).toString(), frequency.toString()};
}

} // namespace vk220::terminal
