#pragma once

#include "sim/AdapterMeasurement.h"
#include "sim/CalibratorState.h"
#include "sim/SimulationFaults.h"

#include <QByteArray>
#include <QRandomGenerator>

namespace vk220::sim {

// The simulated calibrator with its adapter: takes one command line (without its carriage
// return) and gives the complete reply. A line holds commands joined by "/"; a "#" element is
// display text that runs to the end of the line. Every reply ends with "*0", CR, LF unless a
// fault says otherwise.
class CalibratorSimulation {
public:
    static constexpr char Identification[] =
        "KELLWORTH,SIMULATED MULTI-PRODUCT CALIBRATOR,SIM-0001,V1.0";
    static constexpr char ShortIdentification[] = "KELLWORTH,SIM-0001";
    static constexpr char Marker[] = "*0\r\n";
    static constexpr char ExtraAfterMarker[] = "OK\r\n";

    explicit CalibratorSimulation(const SimulationFaults &faults = {},
                                  quint32 seed = AdapterMeasurement::DefaultSeed);

    QByteArray Reply(const QByteArray &commandLine);

    const CalibratorState &State() const { return state; }

private:
    QByteArray Execute(const QByteArray &command);
    QByteArray Garbage();

    SimulationFaults faults;
    CalibratorState state;
    AdapterMeasurement measurement;
    QRandomGenerator garbageSource;
};

} // namespace vk220::sim
