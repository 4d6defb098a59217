#pragma once

#include <QString>
#include <QStringView>

namespace vk220::terminal {

// A value text split into its number and its unit: "1.5mA" is 0.0015 and "mA".
struct ConValResult {
    // In base units (volts, amperes, farads, henries, ohms, hertz, revolutions per minute). A
    // number too large for a double is an infinity, which every range refuses.
    double value = 0.0;
    // The SI prefix and unit letters as written, for example "mA", "µA", "MHz", "R4".
    QString unit;
};

// Reads a value text as the keypad and the output routine write it: a number (point or comma as
// decimal separator), then an optional SI prefix and a unit. Prefixes T, G, M, k, m, u or µ, n, p,
// f and a are taken from the first unit character after a trailing point of the number ("10.mA"
// is 10 mA; the unit text keeps the point: ".mA"). The value is the double nearest the number as
// written (to 15 significant digits) with its prefix: "2.03mA", "0.00203A" and "2030uA" are the
// same number. Any text is accepted: what is not a number reads as 0.
ConValResult ConVal(QStringView text);

// Whether `c` is one of the SI prefix letters ConVal takes: T, G, M, k, m, u or µ, n, p, f, a.
bool IsPrefix(QChar c);

} // namespace vk220::terminal
