#pragma once

#include "functions/terminal/logic/InformBox.h"

#include <QString>
#include <QStringView>

namespace vk220::terminal {

// A current through a clamp coil of N turns is N times the calibrator's own current, which may
// not exceed 30 A per turn: 60 A, 300 A and 1500 A through the 2, 10 and 50 turn coils.
namespace CoilRules {

// What the calibrator is asked for when a current goes through a coil.
struct Division {
    int turns = 1;
    QString entry;     // the current per turn with unit "A" ("50A" on 2 turns gives "25A")
    QString calOutput; // what the calibrator delivers, for CalOPLab: "25A x2"
};

// Divides `value` (amperes, read from `entry`) by the coil's turns; with 1 turn the entry stays
// as it is and CalOPLab shows it.
Division Divide(const QString &entry, double value, int turns);

// True when `value` through a coil of `turns` (> 1) needs more than 30 A per turn.
bool ExceedsLimit(double value, int turns);

// The box shown instead of setting such a current.
InformBox LimitBox(int turns);

// The calibrator's display label for an output through a coil: "#50.0000A (x2)". The line is
// plain ASCII like every command line: the readout's micro sign goes as "u" ("#100.000uA (x2)").
QString DisplayLabel(QStringView display, int turns);

} // namespace CoilRules

} // namespace vk220::terminal
