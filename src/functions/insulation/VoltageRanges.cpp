#include "functions/insulation/VoltageRanges.h"

#include "functions/insulation/ResistanceDigits.h"
#include "link/NumberText.h"
#include "link/Reading.h"

#include <cmath>

namespace vk220::insulation {

namespace VoltageRanges {

const std::array<Range, Count> &Table() {
    static const std::array<Range, Count> table{{
        {QStringLiteral("50V Range"), 1048583, 145508.0, 2},
        {QStringLiteral("100V Range"), 1048591, 72754.0, 2},
        {QStringLiteral("250V Range"), 1048615, 29101.6, 1},
        {QStringLiteral("500V Range"), 1048687, 14550.8, 1},
        {QStringLiteral("1kV Range"), 1048815, 7275.41, 1},
    }};
    return table;
}

QStringList SelectCommands(int index) {
    const Range &range = Table().at(static_cast<size_t>(index));
    return {QStringLiteral("p%1").arg(ResistanceDigits::PresetMask),
            QStringLiteral("p%1").arg(range.mask), QStringLiteral("#Ins.: ") + range.caption};
}

double Volts(double counts, const Range &range) {
    return counts / range.countsPerVolt;
}

std::optional<QString> DisplayFor(double counts, int range) {
    if (link::Reading::IsOverRange(counts))
        return OverRangeText;
    if (range < 0 || range >= Count)
        return std::nullopt;
    const Range &r = Table().at(static_cast<size_t>(range));
    return link::Reading::Fixed(Volts(counts, r), r.decimals, QStringLiteral("V"));
}

bool GuardRefuses(const QString &display) {
    if (display == OverRangeText)
        return true;
    return !(std::fabs(link::NumberText::LeadingNumber(display)) < GuardVolts);
}

} // namespace VoltageRanges

} // namespace vk220::insulation
