#pragma once

#include <QList>

#include <array>

// The four current paths that the "A" key offers: TERMINALS (to 30A) and the three coils of the
// current-path group, each for the magnitudes of current it can carry.
namespace CurrentPaths {

// TermBut indices in the order the paths are examined.
constexpr std::array<int, 4> Order{10, 6, 7, 8};

bool IsCurrentPath(int index);

// TERMINALS up to 30 A, 2 turns 4 A to 60 A, 10 turns 20 A to 300 A, 50 turns from 100 A (the
// coil's own limit is checked when the current is set).
bool Covers(int index, double magnitude);

// The paths that carry `magnitude`, in examination order.
QList<int> Offered(double magnitude);

// True when one of the enabled paths cannot carry `magnitude`, so that the operator must pick a
// path again.
bool NeedsReselect(double magnitude, const QList<int> &enabledPaths);

} // namespace CurrentPaths
