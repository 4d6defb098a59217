#include "functions/terminal/logic/FrequencyLimits.h"

namespace vk220::terminal {

namespace FrequencyLimits {

std::optional<InformBox> Refusal(double f) {
    if (f < Lowest)
        return InformBox{QStringLiteral("Frequency Too Low"),
                         QStringLiteral("Minimum frequency setting is 10Hz")};
    if (f > Highest)
        return InformBox{QStringLiteral("Frequency Too High"),
                         QStringLiteral("Maximum frequency setting is 100000Hz")};
    return std::nullopt;
}

} // namespace FrequencyLimits

} // namespace vk220::terminal
