#pragma once

#include "functions/terminal/logic/OutputPoint.h"

#include <QString>
#include <QStringView>

namespace vk220::terminal {

// The readout of the present output ("Display") and the texts derived from it.
namespace Readout {

// The readout of `outputValue` (per turn) set on `rangeCommand` through `coilTurns` turns, in the
// range's unit and digit mask: 0.01 A on "R8" is "10.0000mA", 25 A on "R11" through 2 turns
// "50.0000A". A range outside the voltage and current table shows "0".
QString Text(QStringView rangeCommand, double outputValue, int coilTurns);

// An entry of the history list: the readout, the frequency and where the output went,
// "10.0000mA : DC (LOW CURRENT)" or "50.0000A : DC (2 TURN COIL)". A pick reads the readout and
// the frequency back (ParseHistoryPick).
QString HistoryEntry(QStringView display, QStringView frequency, OutputPoint point);

// The present amplitude, to set it again at another frequency: the value the output routine last
// set (`outputValue`, per turn through a coil), never the readout, which is rounded to its digit
// mask ("0.0002A" through 10 turns for 0.015 mA a turn would be set a third larger). The readout
// tells only its quantity. A readout in the other quantity than the output point (a voltage still
// shown after a current path was picked for a current not yet set, or a current left on the
// voltage terminals by a refused voltage) is not taken as an amplitude of the point: that would
// set a current nobody asked for. The point then gets zero in its own unit, as a manual selection
// does. A readout of neither quantity (the "0" an output of another family leaves) is taken as it
// stands, so that the output routine refuses it with its warning instead of setting anything.
struct Amplitude {
    QString entry; // the value set, or through a coil the current per turn: "25A"
    int turns = 1;
    bool fromReadout = true; // false when zero is set instead of a readout in the other quantity
};
Amplitude PresentAmplitude(const QString &display, double outputValue, OutputPoint selected);

} // namespace Readout

} // namespace vk220::terminal
