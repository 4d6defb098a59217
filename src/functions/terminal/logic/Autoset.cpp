#include "functions/terminal/logic/Autoset.h"

#include "functions/terminal/logic/ConVal.h"
#include "functions/terminal/logic/OutputFamily.h"
#include "link/NumberText.h"

#include <cmath>

namespace vk220::terminal {

namespace {

constexpr double highVoltage = 40;

} // namespace

namespace Autoset {

bool IsHighVoltage(bool voltageSelected, QStringView entry) {
    if (!voltageSelected)
        return false;
    return std::fabs(link::NumberText::LeadingNumber(entry)) > highVoltage ||
           std::fabs(ConVal(entry).value) > highVoltage;
}

bool HeldInStandby(bool voltageSelected, QStringView entry) {
    const OutputFamily family = FamilyOfUnit(ConVal(entry).unit);
    return IsHighVoltage(voltageSelected, entry) ||
           (family != OutputFamily::Voltage && family != OutputFamily::Current);
}

QString Caption(bool highVoltage) {
    return highVoltage ? QStringLiteral("Autoset Output ON (Disabled for HV O/P)")
                       : QStringLiteral("Autoset Output ON");
}

} // namespace Autoset

} // namespace vk220::terminal
