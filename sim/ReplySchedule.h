#pragma once

#include "sim/SimulationFaults.h"

#include <QByteArray>
#include <QList>

namespace vk220::sim {

// One write of a reply: the pause before it and the characters it carries.
struct ReplyChunk {
    int delayMs = 0;
    QByteArray bytes;
};

// How the delivery faults shape the writes of a reply; the program carries the plan out with
// timers, so the shaping itself is tested without waiting.
class ReplySchedule {
public:
    static constexpr int TrickleCharacters = 3;
    static constexpr int TricklePauseMs = 40;
    static constexpr int StreamIntervalMs = 50;
    static constexpr char StreamText[] = "+1234567 STREAM\r\n";

    explicit ReplySchedule(const SimulationFaults &faults) : faults(faults) {}

    // The writes for one reply, in order; none for an empty reply or while streaming.
    QList<ReplyChunk> Plan(const QByteArray &reply) const;

    // Whether the line received as number lineNumber (from 1) meets a hung-up line instead of
    // an answer. Hanging up on the next line, not right after a reply, leaves the reader time
    // to take that reply: closing the master side discards what the slave has not read.
    bool HangsUpAt(int lineNumber) const;

    // Whether lines start the endless stream instead of being answered.
    bool Streams() const { return faults.stream; }

private:
    SimulationFaults faults;
};

} // namespace vk220::sim
