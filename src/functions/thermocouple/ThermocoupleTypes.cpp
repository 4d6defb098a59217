#include "functions/thermocouple/ThermocoupleTypes.h"

namespace vk220::thermocouple {

namespace ThermocoupleTypes {

const std::array<ThermocoupleType, Count> &Table() {
    // The type E message carries no type name, unlike the others; it is shown as it stands.
    static const std::array<ThermocoupleType, Count> table{{
        {QStringLiteral("TYPE K [-140\u00B0C to 1340\u00B0C]"), -140, 1340,
         QStringLiteral("Type K : Min = -140\u00B0C : Max = 1340\u00B0C"), QStringLiteral("L1")},
        {QStringLiteral("TYPE J [-180\u00B0C to 750\u00B0C]"), -180, 750,
         QStringLiteral("Type J : Min = -180\u00B0C : Max = 750\u00B0C"), QStringLiteral("L2")},
        {QStringLiteral("TYPE B [0\u00B0C to 1820\u00B0C]"), 0, 1820,
         QStringLiteral("Type B : Min = 0\u00B0C : Max = 1820\u00B0C"), QStringLiteral("L8")},
        {QStringLiteral("TYPE E [0\u00B0C to 800\u00B0C]"), 0, 800,
         QStringLiteral("Min = 0\u00B0C : Max = 800\u00B0C"), QStringLiteral("L6")},
        {QStringLiteral("TYPE N [-270\u00B0C to 1300\u00B0C]"), -270, 1300,
         QStringLiteral("Type N : Min = -270\u00B0C : Max = 1300\u00B0C"), QStringLiteral("L7")},
        {QStringLiteral("TYPE R [-50\u00B0C to 1700\u00B0C]"), -50, 1700,
         QStringLiteral("Type R : Min = -50\u00B0C : Max = 1700\u00B0C"), QStringLiteral("L4")},
        {QStringLiteral("TYPE S [-50\u00B0C to 1700\u00B0C]"), -50, 1700,
         QStringLiteral("Type S : Min = -50\u00B0C : Max = 1700\u00B0C"), QStringLiteral("L5")},
        {QStringLiteral("TYPE T [-250\u00B0C to 400\u00B0C]"), -250, 400,
         QStringLiteral("Type T : Min = -250\u00B0C : Max = 400\u00B0C"), QStringLiteral("L3")},
    }};
    return table;
}

const ThermocoupleType *At(int index) {
    if (index < 0 || index >= Count)
        return nullptr;
    return &Table()[static_cast<size_t>(index)];
}

QStringList SelectorEntries() {
    QStringList entries;
    for (const ThermocoupleType &type : Table())
        entries.append(type.selectorEntry);
    return entries;
}

} // namespace ThermocoupleTypes

} // namespace vk220::thermocouple
