#include "sim/SessionWatch.h"

#include <array>

namespace vk220::sim {

namespace {

const QList<QByteArray> Probe{"T"};
const QList<QByteArray> Initialisation{"R0", "O0", "S1", "# Computer Control"};
const QList<QByteArray> ReleaseEnd{"R1", "O0", "S1", "# PC Control"};
const std::array<QList<QByteArray>, 3> ExitLines{{{"S1"}, {"R1"}, {"O0"}}};

// Display text alone switches nothing; the insulation window shows its name before its mask.
bool IsDisplayText(const QList<QByteArray> &commands) {
    return commands.size() == 1 && commands.first().startsWith('#');
}

// A window's set-up begins with the mask that switches its circuit in.
bool IsSetUp(const QList<QByteArray> &commands) {
    if (commands.isEmpty() || !commands.first().startsWith('p'))
        return false;
    bool ok = false;
    const qint64 mask = commands.first().mid(1).toLongLong(&ok);
    return ok && mask > 0 && mask != SessionWatch::ReleaseMask;
}

} // namespace

QString SessionWatch::Judge(const QList<QByteArray> &commands) {
    if (commands == Initialisation) {
        phase = Phase::Idle;
        exitLines = 0;
        return {};
    }
    if (commands == Probe || (phase == Phase::Released && IsDisplayText(commands)))
        return {};
    switch (phase) {
    case Phase::Exited:
        return QStringLiteral("line after the exit");
    case Phase::WindowOpen:
        if (commands == ReleaseEnd) {
            phase = Phase::Released;
            exitLines = 0;
        }
        return {};
    case Phase::Idle:
    case Phase::Released:
        break;
    }
    if (IsSetUp(commands)) {
        phase = Phase::WindowOpen;
        exitLines = 0;
        return {};
    }
    if (FollowsExit(commands)) {
        if (exitLines == int(ExitLines.size()))
            phase = Phase::Exited;
        return {};
    }
    if (phase == Phase::Released)
        return QStringLiteral("line after the release");
    if (commands == ReleaseEnd)
        phase = Phase::Released;
    return {};
}

bool SessionWatch::FollowsExit(const QList<QByteArray> &commands) {
    if (commands == ExitLines.at(size_t(exitLines))) {
        ++exitLines;
        return true;
    }
    exitLines = commands == ExitLines.front() ? 1 : 0;
    return exitLines == 1;
}

} // namespace vk220::sim
