#include "sim/AdapterMeasurement.h"

#include "sim/OutputRange.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace vk220::sim {

namespace {

enum class Circuit { InsulationVoltage, ContinuityCurrent, MeterCurrent, MeterVoltage };

struct MeasuringMask {
    qint64 mask;
    Circuit circuit;
    double countsPerUnit; // unit: V, or mA for currents, or mV for the 100 mV range
    double nominal;       // range nominal in the same unit
    double unitsPerBase;  // converts a calibrator output in V or A into the unit
};

constexpr std::array<MeasuringMask, 10> MeasuringMasks{{
    {1048583, Circuit::InsulationVoltage, 145508, 50, 1},
    {1048591, Circuit::InsulationVoltage, 72754, 100, 1},
    {1048615, Circuit::InsulationVoltage, 29101.6, 250, 1},
    {1048687, Circuit::InsulationVoltage, 14550.8, 500, 1},
    {1048815, Circuit::InsulationVoltage, 7275.41, 1000, 1},
    {21028923, Circuit::ContinuityCurrent, 10000 / 0.4321, 432.1, 1000},
    {17858560, Circuit::MeterCurrent, 1 / 3.4133e-6, 30, 1000},
    {17326080, Circuit::MeterVoltage, 1 / 1.1e-5, 100, 1000},
    {17317888, Circuit::MeterVoltage, 1 / 1.1e-7, 1, 1},
    {17309696, Circuit::MeterVoltage, 1 / 3.304e-6, 30, 1},
}};

const MeasuringMask *FindMask(qint64 mask) {
    for (const MeasuringMask &entry : MeasuringMasks) {
        if (entry.mask == mask)
            return &entry;
    }
    return nullptr;
}

struct Delivery {
    Circuit kind; // MeterVoltage or MeterCurrent
    double base;  // volts or amperes
};

// Only the DC voltage and current ranges put a value on the meter; AC ranges and the other
// functions put none.
std::optional<Delivery> CalibratorDelivery(const CalibratorState &state) {
    if (!state.outputOn)
        return std::nullopt;
    const std::optional<OutputRange> range = OutputRange::Find(state.range);
    if (!range || range->Alternating())
        return std::nullopt;
    const Circuit kind = range->Kind() == OutputRange::Quantity::Voltage ? Circuit::MeterVoltage
                                                                         : Circuit::MeterCurrent;
    return Delivery{kind, range->InBase(state.output)};
}

double InputValue(const MeasuringMask &entry, const CalibratorState &state) {
    switch (entry.circuit) {
    case Circuit::InsulationVoltage: {
        const int phase = state.readingsSinceMask % (AdapterMeasurement::TesterOnReadings +
                                                     AdapterMeasurement::TesterOffReadings);
        return phase < AdapterMeasurement::TesterOnReadings
                   ? entry.nominal * AdapterMeasurement::TesterVoltageFactor
                   : 0.0;
    }
    case Circuit::ContinuityCurrent:
        return AdapterMeasurement::ContinuityCurrentMilliamperes;
    case Circuit::MeterCurrent:
    case Circuit::MeterVoltage: {
        const std::optional<Delivery> delivery = CalibratorDelivery(state);
        if (delivery && delivery->kind == entry.circuit)
            return delivery->base * entry.unitsPerBase;
        return entry.nominal * AdapterMeasurement::StrayInputFraction;
    }
    }
    return 0.0;
}

} // namespace

AdapterMeasurement::AdapterMeasurement(quint32 seed) : noise(seed) {}

qint64 AdapterMeasurement::ReadCounts(const CalibratorState &state) {
    const MeasuringMask *entry = FindMask(state.adapterMask);
    if (entry == nullptr)
        return 0;
    const double counts = InputValue(*entry, state) * entry->countsPerUnit;
    // A saturated converter reads its limit, without noise.
    if (std::abs(counts) >= double(SaturationCounts))
        return counts > 0 ? SaturationCounts : -SaturationCounts;
    const qint64 withNoise = std::llround(counts) + noise.bounded(-NoiseCounts, NoiseCounts + 1);
    return std::clamp(withNoise, -SaturationCounts, SaturationCounts);
}

} // namespace vk220::sim
