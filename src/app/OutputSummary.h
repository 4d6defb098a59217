#pragma once

#include <QString>
#include <QtGlobal>

namespace vk220::link {
class CalibratorModel;
} // namespace vk220::link

namespace vk220::app {

// The calibrator's output in words, from the interlock's model of what the calibrator holds:
// "STANDBY" or "OPERATE" ("OUTPUT UNKNOWN" once lines may have been lost with the port), the
// value with its unit, the range, and the terminals or coil the adapter routes it to, as in
// "OPERATE · 10 V · R3 · Volts Terminals".
namespace OutputSummary {

QString Text(const link::CalibratorModel &model);

// The value the model holds for its range, with its unit where the range has one: "10 V",
// "250 mV 50 Hz", "1230 RPM", "100 °C"; "O<value>" as sent for other ranges; "no value" when none
// was set for the range and the mask in force.
QString Value(const link::CalibratorModel &model);

// The terminals or coil that `mask` switches in, named as the terminal window's buttons name them
// on the calibrator's display ("Volts Terminals", "2 Turn Coil"); "p<mask>" for a mask of another
// window; empty when no circuit is switched in.
QString Route(qint64 mask);

} // namespace OutputSummary

} // namespace vk220::app
