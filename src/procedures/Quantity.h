#pragma once

#include <QString>

#include <optional>

namespace vk220::procedures {

// A value with its unit as a procedure file writes it: "10 mA", "1.5kV", "100 MΩ", "-40 °C",
// "2 s". It is read by the terminal keypad's rules (ConVal): a number, point or comma as decimal
// separator, optional blanks, at most one SI prefix ConVal knows, then the unit.
struct Quantity {
    double value = 0.0; // in the base unit, prefix applied
    QString unit;       // the base unit without its prefix: V, A, Ω, RPM, °C, Hz or s
    QString text;       // as written
};

// Reads `text`; nothing, with the reason in `problem`, when it is not a number with a known
// unit.
std::optional<Quantity> ReadQuantity(const QString &text, QString *problem);

// The value in plain decimals and the base unit: "0.002 A", "1000 V".
QString PlainText(double value, const QString &unit);

} // namespace vk220::procedures
