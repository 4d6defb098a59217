#pragma once

#include <QString>

#include <optional>

namespace vk220::sim {

// The calibrator's voltage and current ranges "R1" to "R22", the outputs that can hurt a person
// or a circuit: DC volts 1 to 5, DC amperes 6 to 11, and their AC twins 12 to 22 (range n + 11
// is the AC form of range n). The "O" value of a range is in the range's own unit (range 1 in
// millivolts, range 6 in microamperes, 7 to 9 in milliamperes) and stays below the range's top;
// only the top current range reaches its 30 A.
class OutputRange {
public:
    enum class Quantity { Voltage, Current };

    // The range "R"`number`, when it is a voltage or current range.
    static std::optional<OutputRange> Find(int number);

    int Number() const { return number; }
    Quantity Kind() const { return quantity; }
    bool Alternating() const { return alternating; }
    // Whether the range holds an "O" value of this magnitude.
    bool Holds(double value) const;
    // An "O" value in volts or amperes.
    double InBase(double value) const { return value / unitsPerBase; }
    // What the range holds, for example "below 2.03 V" or "at most 30 A".
    QString Limit() const;

private:
    struct Row {
        Quantity quantity;
        double unitsPerBase;
        double top;
        bool topIncluded;
        const char *unit;
    };
    OutputRange(int number, const Row &row, bool alternating);

    int number;
    Quantity quantity;
    bool alternating;
    double unitsPerBase;
    double top;
    bool topIncluded;
    const char *unit;
};

} // namespace vk220::sim
