#include "ui/logic/WindowSender.h"

#include "link/CalibratorLink.h"

namespace vk220::ui {

WindowSender::WindowSender(link::Interlock &interlock, link::CalibratorLink &link)
    : interlock(interlock), link(link), sender(interlock.OpenSender()) {}

QString WindowSender::Send(const QString &command) {
    if (silenced)
        return QString();
    const QString reply = interlock.Send(sender, command, actionStamp);
    if (link.PortLost())
        missed = true;
    return reply;
}

void WindowSender::SendMask(const QString &maskCommand) {
    Send(maskCommand);
    Send(QStringLiteral("p0"));
}

bool WindowSender::MissedCommands() const {
    return missed || interlock.SentBeforeLoss(sender);
}

void WindowSender::Revoke() {
    silenced = true;
    interlock.Revoke(sender);
}

} // namespace vk220::ui
