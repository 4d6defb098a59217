#pragma once

#include "functions/terminal/logic/OutputPoint.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <span>

namespace vk220::terminal {

// One button of the TermBut array: what it shows and what it switches.
struct TerminalButton {
    int index;
    QStringView caption;
    OutputPoint point;
    int mask;          // adapter switching mask; bit 24 is part of every one
    QStringView label; // text for the calibrator's display
};

namespace TerminalButtons {

constexpr int Count = 11;

// The eleven buttons in index order.
std::span<const TerminalButton> All();

// The point that a click on TermBut `index` selects; None outside 0 to 10.
OutputPoint PointOf(int index);

// The name of a point, the caption of its button in the coil row or the terminal column without
// its bracketed range: "LOW CURRENT", "2 TURN COIL", "VOLTAGE"; empty for None.
QString PointName(OutputPoint point);

// The command lines of a click on TermBut `index`: its switching mask, its display label, then
// "p0"; only "p0" for an index outside 0 to 10.
QStringList SelectionCommands(int index);

} // namespace TerminalButtons

} // namespace vk220::terminal
