#pragma once

#include "procedures/Procedure.h"

#include <QString>

#include <optional>

namespace vk220::procedures {

// Why the panel cannot run a point, and the key of the point the reason stands at.
struct PanelRefusal {
    QString key;
    QString text;
};

// Checks `point` against the tables the function windows use (the test-voltage and measuring
// ranges, the continuity resistances, the speed and thermocouple limits, the terminal window's
// ranges, coil limits and choice of terminals) and sets `point.setting` to the window's setting.
// Nothing when the panel can run it.
std::optional<PanelRefusal> CheckOnPanel(TestPoint &point);

// The thermocouple type written as its letter ("K") or as the selector names it ("TYPE K"); -1
// for a type the panel does not simulate.
int ThermocoupleTypeIndex(const QString &text);
// Every type letter, for a message: "K, J, B, E, N, R, S, T".
QString ThermocoupleTypeLetters();

// The terminals or coil written as the terminal window names them ("LOW CURRENT", "2 TURN
// COIL"); None for any other text.
terminal::OutputPoint TerminalsNamed(const QString &text);
// Every such name, for a message.
QString TerminalsNames();

} // namespace vk220::procedures
