#pragma once

#include <QString>
#include <QStringView>

namespace vk220::terminal {

// The "Autoset Output ON" preference switches the output on after each change, except a high
// voltage and an output of another family than voltage and current, which are always left in
// standby.
namespace Autoset {

// A high voltage is more than 40 on the voltage terminals. The entry's number is judged as
// written (unit ignored, so "45000mV" counts) and also as the value it stands for (so "0.045kV"
// counts); both by magnitude, so a negative voltage is judged like a positive one.
bool IsHighVoltage(bool voltageSelected, QStringView entry);

// An output the preference never switches on, set with the output in standby: a high voltage, or
// an output of another family than voltage and current (reached only by typing, such as "10VHz"
// or "5VR"). The readout cannot show such an output, so nothing live would show on the panel.
bool HeldInStandby(bool voltageSelected, QStringView entry);

// Caption of the preference box: it is disabled, and says so, while the output is high voltage.
QString Caption(bool highVoltage);

} // namespace Autoset

} // namespace vk220::terminal
