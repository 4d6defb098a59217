#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace vk220::tachometer {

// The rules of a speed entry of the tachometer window. The speed is held in single precision from
// the moment it is read; the limit test and the rounding down to the 6 RPM step work on that value.
namespace SpeedSetting {

inline const QString RefusalTitle = QStringLiteral("Invalid RPM");
inline const QString RefusalText = QStringLiteral("Valid RPM range is from 60 to 60000 RPM.");

// The adapter's switching mask for the tachometer output: bits 7 and 24.
inline const QString SwitchingMask = QStringLiteral("p16777344");

constexpr float MinRpm = 60.0f;
constexpr float MaxRpm = 60000.0f;
constexpr float StepRpm = 6.0f;

// The entry read by the leading-number rules, in single precision. A magnitude beyond the range
// of a float reads as an infinity of its sign, so that the limit test refuses it.
float Read(QStringView entry);

// The speed text that the entry sets ("1230" for "1234.9"): the speed rounded down to a whole
// multiple of the step, in plain digits. Empty when the speed lies outside the limits.
std::optional<QString> SpeedText(QStringView entry);

// The lines that set a speed: the tachometer mode, then the speed.
QStringList Commands(const QString &speedText);

// The display of the speed last set: "600RPM".
QString Caption(const QString &speedText);

} // namespace SpeedSetting

} // namespace vk220::tachometer
