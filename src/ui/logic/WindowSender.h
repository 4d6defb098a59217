#pragma once

#include "link/Interlock.h"

#include <QString>

namespace vk220::link {
class CalibratorLink;
} // namespace vk220::link

namespace vk220::ui {

// The sending side of one function window: every line the window and its parts send goes through
// the interlock under the window's own sender, with the interlock stamp of the action running.
// Silenced when the window's settings are abandoned, and revoked as the window's unload begins:
// from then on nothing of the window reaches the calibrator, however deep in a reply wait the rest
// of an action still runs.
class WindowSender {
public:
    WindowSender(link::Interlock &interlock, link::CalibratorLink &link);

    // Sends one command line through the interlock and returns the reply; nothing once silenced.
    // For the window and its parts, from inside one of its actions.
    QString Send(const QString &command);
    // Switches the adapter: the switching mask command, then "p0", the empty mask that every
    // window but the insulation window sends after its own.
    void SendMask(const QString &maskCommand);
    // Asks the calibrator for its present measurement ("v") and returns the reply.
    QString ReadMeasurement() { return Send(QStringLiteral("v")); }
    // Whether lines of this window may have been lost with the port: one went out before the
    // port was lost, or a line it sent met a lost port. Such a window no longer matches the
    // calibrator's settings.
    bool MissedCommands() const;

    // The interlock stamp of the action now running, which the lines it sends carry.
    void Stamp(int stamp) { actionStamp = stamp; }
    // The window's settings are gone from the calibrator: it sends nothing more.
    void Silence() { silenced = true; }
    // The unload begins: silenced, and the interlock refuses the sender from now on.
    void Revoke();
    // Whether nothing more goes out: the window was abandoned or unloaded.
    bool Silenced() const { return silenced; }

private:
    link::Interlock &interlock;
    link::CalibratorLink &link;
    link::Interlock::SenderId sender;
    int actionStamp = 0;
    bool missed = false;
    bool silenced = false;
};

} // namespace vk220::ui
