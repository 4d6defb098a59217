#pragma once

#include <QList>

#include <array>

namespace vk220::terminal {

// The four current paths that the "A" key offers: TERMINALS (to 30A) and the three coils of the
// current-path group, each for the magnitudes of current it can carry.
namespace CurrentPaths {

// TermBut of TERMINALS (to 30A), the path of the LOW and HIGH CURRENT terminals.
constexpr int TerminalsPath = 10;
// TermBut indices in the order the paths are examined.
constexpr std::array<int, 4> Order{TerminalsPath, 6, 7, 8};

bool IsCurrentPath(int index);

// True when the TermBut buttons shown selected put a current path in use: a coil of the coil row
// (which keeps its look while the paths are offered again) or TERMINALS (to 30A).
bool InUse(const QList<int> &shownSelected);

// TERMINALS up to 30 A, 2 turns 4 A to 60 A, 10 turns 20 A to 300 A, 50 turns from 100 A (the
// coil's own limit is checked when the current is set).
bool Covers(int index, double magnitude);

// The paths that carry `magnitude`, in examination order.
QList<int> Offered(double magnitude);

// True when one of the enabled paths cannot carry `magnitude`, so that the operator must pick a
// path again.
bool NeedsReselect(double magnitude, const QList<int> &enabledPaths);

} // namespace CurrentPaths

} // namespace vk220::terminal
