#include "link/Interlock.h"

#include "link/CalibratorLink.h"

namespace vk220::link {

Interlock::Interlock(CalibratorLink &link) : link(link) {
    link.SetGate(this);
}

Interlock::~Interlock() {
    link.SetGate(nullptr);
}

Interlock::SenderId Interlock::OpenSender() {
    return nextSender++;
}

void Interlock::Revoke(SenderId sender) {
    revoked.insert(sender);
}

void Interlock::Shutdown() {
    shutDown = true;
}

QString Interlock::Send(SenderId sender, const QString &line, int stamp) {
    requests.append({sender, stamp});
    const QString reply = link.SendCommand(line);
    requests.removeLast();
    return reply;
}

bool Interlock::SentBeforeLoss(SenderId sender) const {
    const auto first = firstSentAtLoss.constFind(sender);
    return first != firstSentAtLoss.constEnd() && *first < link.Losses();
}

LineGate::Verdict Interlock::Admit(const QString &line) {
    const Request request = Current();
    if (shutDown)
        return Refuse(line, QStringLiteral("the calibrator was released at exit"));
    if (revoked.contains(request.sender))
        return Refuse(line, QStringLiteral("its window has been closed"));
    const CalibratorModel::Effect effect = model.Judge(line);
    if (effect.switchesUnderLiveOutput) {
        link.Note(QStringLiteral("Interlock: \"S1\" first: the output may be live and \"%1\" "
                                 "switches the adapter")
                      .arg(line));
        return Verdict::StandbyFirst;
    }
    if (effect.switchesOn && request.stamp < standbys)
        return Refuse(line, QStringLiteral("STAND BY was pressed after it was asked for"));
    if (effect.switchesOnWithoutValue)
        return Refuse(line, QStringLiteral("no output value is set for this range and output"));
    return Verdict::Pass;
}

Interlock::Request Interlock::Current() const {
    // A line that reaches the link without a request (a test driving the link itself) is the
    // shell's.
    return requests.isEmpty() ? Request{Shell, standbys} : requests.last();
}

LineGate::Verdict Interlock::Refuse(const QString &line, const QString &reason) {
    link.Note(QStringLiteral("Interlock: \"%1\" not sent: %2").arg(line, reason));
    return Verdict::Refuse;
}

void Interlock::Written(const QString &line) {
    const SenderId sender = Current().sender;
    if (!firstSentAtLoss.contains(sender))
        firstSentAtLoss.insert(sender, link.Losses());
    model.Apply(line);
}

void Interlock::PortLost() {
    model.Lose();
}

} // namespace vk220::link
