#include "functions/terminal/logic/OutputFamily.h"

namespace vk220::terminal {

OutputFamily FamilyOfUnit(QStringView unit) {
    if (unit.isEmpty())
        return OutputFamily::None;
    switch (unit.back().unicode()) {
    case u'V':
        return OutputFamily::Voltage;
    case u'A':
        return OutputFamily::Current;
    case u'F':
        return OutputFamily::Capacitance;
    case u'H':
        return OutputFamily::Inductance;
    case u'R':
        return OutputFamily::Resistance;
    case u'z':
        return OutputFamily::FrequencyOutput;
    case u'M':
        return OutputFamily::Speed;
    case u'C':
        return OutputFamily::Temperature;
    default:
        return OutputFamily::None;
    }
}

} // namespace vk220::terminal
