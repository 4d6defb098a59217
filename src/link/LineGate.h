#pragma once

#include <QString>

namespace vk220::link {

// What the link asks, at the very moment a line would be written (after any wait for a late
// reply or for the port to come back, during which window events ran), whether that line may go.
class LineGate {
public:
    enum class Verdict {
        Pass,
        Refuse,
        // The output goes to standby ("S1") first; then the line is judged again.
        StandbyFirst,
    };

    virtual ~LineGate() = default;
    virtual Verdict Admit(const QString &line) = 0;
    // The admitted line is being written (or logged, in offline mode).
    virtual void Written(const QString &line) = 0;
    // The port was lost: lines may have been lost with it.
    virtual void PortLost() = 0;
};

} // namespace vk220::link
