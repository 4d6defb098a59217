#pragma once

#include <QString>

namespace vk220::thermocouple {

// The rules of one thermocouple setting (SetTemp): the limit test of the selected type, the
// command line and the captions of the window's displays.
namespace TemperatureSetting {

inline const QString MessageTitle = QStringLiteral("Thermocouple Simulation");
inline const QString NoTypeMessage = QStringLiteral("Invalid thermocouple type selected");

// The adapter's switching mask for the thermocouple output: bits 13, 15, 23 and 24.
inline const QString SwitchingMask = QStringLiteral("p25206784");
// The calibrator's thermocouple range, with the output on.
inline const QString RangeCommand = QStringLiteral("R60/S0");

// Why `tempVal` cannot be set for the type at selector index `typeIndex`: the row's range message,
// or NoTypeMessage when no row has that index. Empty when the setting is valid.
QString Refusal(int typeIndex, double tempVal);

// The line that sets a valid setting: cold-junction code, type code and temperature in general
// decimal form, as in "K1/L1/O100" or "K0/L3/O-12.5".
QString Command(int typeIndex, double tempVal, bool autoCjc);

// The temperature display, "####0.0##°C": one to three decimals, rounded to three.
QString TemperatureCaption(double tempVal);

// The type display: the first six characters of the selector entry ("TYPE K").
QString TypeCaption(const QString &selectorEntry);

} // namespace TemperatureSetting

} // namespace vk220::thermocouple
