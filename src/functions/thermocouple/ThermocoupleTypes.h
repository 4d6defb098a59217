#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace vk220::thermocouple {

// One row of the thermocouple type table; the row's index is its index in the type selector.
struct ThermocoupleType {
    QString selectorEntry;
    // Limits in °C, both inclusive.
    double min;
    double max;
    QString rangeMessage;
    // The calibrator's code for the type; the codes do not follow the row order.
    QString code;
};

namespace ThermocoupleTypes {

constexpr int Count = 8;

const std::array<ThermocoupleType, Count> &Table();
// The row at selector index `index`, or null when no row has that index (no selection).
const ThermocoupleType *At(int index);
QStringList SelectorEntries();

} // namespace ThermocoupleTypes

} // namespace vk220::thermocouple
