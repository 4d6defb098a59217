#pragma once

#include "sim/OutputRange.h"
#include "sim/SessionWatch.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

namespace vk220::sim {

// Watches the command lines the calibrator receives for anything that could hurt the operator,
// the unit under test or the adapter, keeping its own record of the physical state: which
// circuit the adapter has switched in, the calibrator's range and value, and whether its output
// is on ("S0") or in standby ("S1", as at power-up). A hazard is
// - any switching mask received while a voltage or current output is on;
// - a line the panel's run does not allow after a release or after the exit (SessionWatch);
// - "S0" on a voltage or current range with no "O" or "F" value received since the last range
//   command and since the last non-zero switching mask;
// - an "O" value beyond its range (OutputRange);
// - a live output through the wrong terminals, or more current than the selected terminals or
//   coil carry (OutputPoint), judged at "S0" and at every "O" while the output is on.
class HazardReferee {
public:
    // How a hazard is labelled wherever it is written down.
    static constexpr char Label[] = "hazard";

    // Judges one received line (without its carriage return). Returns the hazard it raises as
    // "<reason>: <line>", empty when none; a line raises at most one, its first.
    QString Judge(const QByteArray &line);

    // Every hazard raised so far, in order.
    const QStringList &Hazards() const { return hazards; }

private:
    QString Apply(const QByteArray &command);
    QString Switch(const QByteArray &argument);
    QString SetValue(const QByteArray &argument);
    QString SwitchOn();
    QString RoutingObjection(const OutputRange &hazardous) const;
    // The voltage or current range the calibrator is on, if it is on one.
    std::optional<OutputRange> HazardousRange() const { return OutputRange::Find(range); }

    SessionWatch session;
    qint64 adapterMask = 0; // the last non-zero mask; "p0" leaves the circuit switched
    int range = 0;
    double output = 0;
    bool outputOn = false;
    bool valueSet = false;
    QStringList hazards;
};

} // namespace vk220::sim
