#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace vk220::sim {

// Follows the panel's run from the lines it sends, to tell which lines may come at all.
// A function window's release ("p16777216", "p0", then "R1/O0/S1/# PC Control", whose last
// line marks it) parks the adapter: only a new window's set-up (a line that begins with a
// non-zero switching mask other than the release mask, or display text alone, which switches
// nothing), the probe "T", the initialisation "R0/O0/S1/# Computer Control" or the exit may
// follow. The exit ("S1", "R1", "O0" as three consecutive lines) hands the calibrator back:
// only a new run of the panel ("T" or the initialisation) may follow.
//
// The exit is looked for only while no function window holds the adapter (at power-up, after
// the initialisation, after a release): inside the terminal window a STAND BY followed by a
// keyed 0 V sends the same three lines.
class SessionWatch {
public:
    static constexpr qint64 ReleaseMask = 16777216;

    // Takes the commands of one line; returns why the line may not come now, empty when it may.
    QString Judge(const QList<QByteArray> &commands);

private:
    enum class Phase { Idle, WindowOpen, Released, Exited };

    // Counts the line towards the exit when it is the exit's next line (or its first again).
    bool FollowsExit(const QList<QByteArray> &commands);

    Phase phase = Phase::Idle;
    int exitLines = 0; // exit lines received in sequence
};

} // namespace vk220::sim
