#include "functions/tachometer/SpeedSetting.h"

#include "link/NumberText.h"

#include <cmath>
#include <limits>

namespace vk220::tachometer {

namespace SpeedSetting {

float Read(QStringView entry) {
    const double value = link::NumberText::LeadingNumber(entry);
    // Narrowing a double beyond the float range is undefined; such a speed is out of range anyway.
    if (std::fabs(value) > std::numeric_limits<float>::max())
        return value < 0 ? -std::numeric_limits<float>::infinity()
                         : std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

std::optional<QString> SpeedText(QStringView entry) {
    const float rpm = Read(entry);
    if (!(rpm >= MinRpm && rpm <= MaxRpm))
        return std::nullopt;
    const float quantised = std::floor(rpm / StepRpm) * StepRpm;
    return QString::number(static_cast<int>(quantised));
}

QStringList Commands(const QString &speedText) {
    return {QStringLiteral("R64"), QStringLiteral("F") + speedText};
}

QString Caption(const QString &speedText) {
    return speedText + QStringLiteral("RPM");
}

} // namespace SpeedSetting

} // namespace vk220::tachometer
