#pragma once

#include "sim/CalibratorState.h"

#include <QRandomGenerator>

namespace vk220::sim {

// The circuits behind the adapter's measuring masks and what the simulated devices put on them:
// - insulation test voltage: a simulated insulation tester set to the nominal test voltage of
//   the selected range applies 1.02 times that voltage in bursts, as an operator holding the
//   test button would: TesterOnReadings readings with the voltage, then TesterOffReadings
//   readings at 0 V, counted from the selection of the range (so the 50 V guard can be passed
//   between bursts);
// - continuity current on 1 Ohm: a simulated continuity tester drives a steady 200 mA;
// - the four measuring ranges: the calibrator's own DC output when it is on and of the
//   measured kind (voltage or current), otherwise a small stray input of 0.1 % of the range.
// Each reading carries uniform noise of up to NoiseCounts, from a seeded generator so that a
// run repeats exactly.
class AdapterMeasurement {
public:
    static constexpr quint32 DefaultSeed = 220;
    static constexpr int NoiseCounts = 2000;
    static constexpr int TesterOnReadings = 16;
    static constexpr int TesterOffReadings = 8;
    static constexpr double TesterVoltageFactor = 1.02;
    static constexpr double ContinuityCurrentMilliamperes = 200.0;
    static constexpr double StrayInputFraction = 0.001;
    // The converter saturates here; the panel shows over range from 10,000,000 counts on.
    static constexpr qint64 SaturationCounts = 99'999'999;

    explicit AdapterMeasurement(quint32 seed = DefaultSeed);

    // The counts that "v" answers in the given state; 0 when no measuring circuit is switched.
    qint64 ReadCounts(const CalibratorState &state);

private:
    QRandomGenerator noise;
};

} // namespace vk220::sim
