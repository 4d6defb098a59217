#pragma once

#include <QStringView>

namespace vk220::terminal {

// What kind of calibrator output a value text asks for, told by the last letter of its unit.
enum class OutputFamily {
    None,
    Voltage,
    Current,
    Capacitance,
    Inductance,
    Resistance,
    FrequencyOutput,
    Speed,
    Temperature,
};

// "V" voltage, "A" current, "F" capacitance, "H" inductance, "R" resistance, "z" frequency output
// ("Hz"), "M" speed ("RPM"), "C" temperature; anything else, or no unit, is None.
OutputFamily FamilyOfUnit(QStringView unit);

} // namespace vk220::terminal
