#pragma once

#include "procedures/Procedure.h"
#include "results/ResultStore.h"

#include <QList>
#include <QString>

#include <optional>

namespace vk220::runner {

// One calibration under way: the procedure, the run in the store, the phase and the point it
// stands at. Every result is committed to the store as it is taken, so a run cut short by a crash
// or a lost port is taken up again where it stood (Resume). As found takes every point; as left
// takes again the points that failed as found, after the UUT was adjusted.
class RunSession {
public:
    RunSession(results::ResultStore &store, procedures::Procedure procedure);

    // Stores the run as open, at the first point as found.
    bool Start(const results::CalibrationRun &run, QString *problem);
    // Takes up a run left open, at its phase's next point.
    void Resume(const results::CalibrationRun &run, results::Phase phase);

    const procedures::Procedure &Procedure() const { return procedure; }
    const results::CalibrationRun &Run() const { return run; }
    results::Phase Phase() const { return phase; }
    // The point the run stands at, and its place in the procedure; -1 past the phase's last.
    int Index() const;
    const procedures::TestPoint &Point() const;
    // The run's results so far, as found first.
    QList<results::PointResult> Points() const { return store.Points(run.id); }
    // Its place in the phase ("3 of 12"), from 1.
    int Step() const { return step + 1; }
    int Steps() const { return static_cast<int>(order.size()); }

    // Judges and commits a reading of the present point, its limits narrowed on either side by
    // `guard` (0 for simple acceptance); a point taken again replaces its result.
    std::optional<results::PointResult> Accept(double reading, double guard, QString *problem);
    // Commits the present point as skipped, with the reason.
    bool Skip(const QString &reason, QString *problem);
    // Moves to the phase's next point.
    void Next() { ++step; }

    // The points that failed as found (and not yet taken as left).
    QList<int> Failed() const;
    // Starts the as-left phase over the failed points; false when none failed.
    bool BeginAsLeft();
    // Ends the run as complete; the certificate number, or empty with the reason.
    QString Finish(const QString &prefix, QString *problem);
    // Ends the run as incomplete; its results stay.
    bool Abort(QString *problem);

private:
    // The phase's points in order, and the first of them without a result in the store.
    void Order();

    results::ResultStore &store;
    procedures::Procedure procedure;
    results::CalibrationRun run;
    results::Phase phase = results::Phase::AsFound;
    QList<int> order;
    int step = 0;
};

} // namespace vk220::runner
