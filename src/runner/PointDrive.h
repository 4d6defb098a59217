#pragma once

#include "functions/terminal/logic/PanelState.h"
#include "procedures/Procedure.h"

#include <QList>
#include <QString>

#include <optional>

namespace vk220::runner {

// One line the runner sends for a point: a plain command line, or a switching mask, which the
// function windows (all but the insulation window) follow with the empty mask "p0".
struct DriveStep {
    enum class Kind { Line, Mask };
    Kind kind = Kind::Line;
    QString line;
    bool operator==(const DriveStep &other) const = default;
};

// The lines that take the calibrator and the adapter to each test point of a run, made by the
// function windows' own logic: the switching masks and opening lines of each function, its
// setting commands, and for the terminal points the terminal window's planner. Like a window
// already open, a point of the same function as the one before sends only its setting.
class PointDrive {
public:
    // Whether the output of `point` goes on only on the technician's own press: a voltage above
    // 30 V or a current through a coil. The runner sets such a point with the output in standby.
    static bool NeedsPress(const procedures::TestPoint &point);

    // The steps that set `point`. For a point that does not need the press, the output goes on
    // with them where its window would switch it on.
    QList<DriveStep> Set(const procedures::TestPoint &point);
    // The steps of the technician's output-on press on a point that needs it.
    QList<DriveStep> OutputOn();
    // The adapter is handed back or the port was lost: the next point opens its function anew.
    void Reset();

    // The terminal window's range memory, carried from and back to the program's.
    QString LastRangeCommand() const { return terminal.lastRangeCommand; }
    void SetLastRangeCommand(const QString &command) { terminal.lastRangeCommand = command; }

    // The value, in the point's base unit, of a reading of `counts` taken by the panel on
    // `point`; nothing over range.
    static std::optional<double> Measured(const procedures::TestPoint &point, double counts);

private:
    QList<DriveStep> SetTerminal(const procedures::TestPoint &point, bool opening);

    std::optional<procedures::PointFunction> current;
    terminal::PanelState terminal;
};

} // namespace vk220::runner
