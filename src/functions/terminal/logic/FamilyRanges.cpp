#include "functions/terminal/logic/FamilyRanges.h"

#include <array>
#include <cmath>
#include <span>

namespace vk220::terminal {

namespace {

struct Row {
    double limit;
    QStringView command;
};

// Capacitance and resistance rows take values up to their limit; inductance and frequency rows
// values below it.
enum class Bound { AtMost, Below };

constexpr std::array<Row, 8> capacitance{{
    {5e-9, u"R34"},
    {1.5e-8, u"R35"},
    {4e-8, u"R36"},
    {7.5e-8, u"R37"},
    {5e-7, u"R38"},
    {5e-6, u"R39"},
    {5e-5, u"R40"},
    {5e-4, u"R41"},
}};

constexpr std::array<Row, 8> inductance{{
    {0.005, u"R42"},
    {0.015, u"R43"},
    {0.024, u"R44"},
    {0.04, u"R45"},
    {0.075, u"R46"},
    {0.5, u"R47"},
    {5, u"R48"},
    {15, u"R49"},
}};

constexpr std::array<Row, 11> resistance{{
    {0.05, u"R23"},
    {0.5, u"R24"},
    {5, u"R25"},
    {50, u"R26"},
    {500, u"R27"},
    {5000, u"R28"},
    {50000, u"R29"},
    {500000, u"R30"},
    {5000000, u"R31"},
    {50000000, u"R32"},
    {500000000, u"R33"},
}};

constexpr QStringView frequencyRange = u"R58";
constexpr std::array<Row, 10> frequencyBands{{
    {5, u"H0"},
    {50, u"H1"},
    {500, u"H2"},
    {5000, u"H3"},
    {15000, u"H4"},
    {35000, u"H5"},
    {75000, u"H6"},
    {500000, u"H7"},
    {5000000, u"H8"},
    {15000000, u"H9"},
}};

constexpr QStringView speedRange = u"R64";
constexpr double slowestSpeed = 60;
constexpr double fastestSpeed = 60000;

std::optional<QString> Lookup(std::span<const Row> rows, Bound bound, double value) {
    for (const Row &row : rows) {
        if (bound == Bound::AtMost ? value <= row.limit : value < row.limit)
            return row.command.toString();
    }
    return std::nullopt;
}

std::optional<FamilyRange> RangeOnly(std::optional<QString> command) {
    if (!command)
        return std::nullopt;
    return FamilyRange{*command, QString()};
}

} // namespace

namespace FamilyRanges {

std::optional<FamilyRange> Select(OutputFamily family, double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    switch (family) {
    case OutputFamily::Capacitance:
        return RangeOnly(Lookup(capacitance, Bound::AtMost, value));
    case OutputFamily::Inductance:
        return RangeOnly(Lookup(inductance, Bound::Below, value));
    case OutputFamily::Resistance:
        return RangeOnly(Lookup(resistance, Bound::AtMost, value));
    case OutputFamily::FrequencyOutput:
        if (const auto band = Lookup(frequencyBands, Bound::Below, value))
            return FamilyRange{frequencyRange.toString(), *band};
        return std::nullopt;
    case OutputFamily::Speed:
        if (value >= slowestSpeed && value <= fastestSpeed)
            return FamilyRange{speedRange.toString(), QString()};
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace FamilyRanges

} // namespace vk220::terminal
