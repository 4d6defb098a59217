#include "Autoset.h"

#include "ConVal.h"
#include "NumberText.h"
#include "OutputFamily.h"

#include <cmath>

namespace {

constexpr double highVoltage = 40;

} // namespace

namespace Autoset {

bool IsHighVoltage(bool voltageSelected, QStringView entry) {
    if (!voltageSelected)
        return false;
    return std::fabs(NumberText::LeadingNumber(entry)) > highVoltage ||
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
