#pragma once

#include "link/CalibratorModel.h"
#include "link/LineGate.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

namespace vk220::link {

class CalibratorLink;

// The one place every command line leaves through, whoever sends it: it keeps the model of what
// the calibrator and the adapter hold, and holds these rules for every sender, at the moment
// the line would be written:
//
// 1. No switching mask while a live output may be on: "S1" goes first.
// 2. A sender (each function window has its own) sends nothing once revoked, which its window
//    does as its release begins; after the exit lines nothing is sent at all.
// 3. An "S0" of an action asked for before the operator's latest STAND BY is not sent: STAND BY
//    stays final until the operator asks for the output anew.
// 4. No "S0" on a live range unless a value was set for that range and the mask in force.
//
// A refused line or an added standby is noted in the console, so the operator can see why the
// calibrator was not told what a window asked.
class Interlock final : public LineGate {
public:
    using SenderId = int;
    // The main window's own lines: start-up, release, exit.
    static constexpr SenderId Shell = 0;

    explicit Interlock(CalibratorLink &link);
    ~Interlock() override;
    Interlock(const Interlock &) = delete;
    Interlock &operator=(const Interlock &) = delete;

    SenderId OpenSender();
    void Revoke(SenderId sender);
    // The exit lines have gone: the link sends nothing more.
    void Shutdown();

    // The operator pressed STAND BY. An action stamps itself with Standbys() when it is asked
    // for; one stamped before the latest press does not switch the output on.
    void OperatorStandby() { ++standbys; }
    int Standbys() const { return standbys; }

    // Sends `line` for `sender`, in an action asked for at `stamp`, and returns the reply; empty
    // when the line was refused.
    QString Send(SenderId sender, const QString &line, int stamp);
    // The shell's lines and lines sent for the present operator request.
    QString Send(SenderId sender, const QString &line) { return Send(sender, line, standbys); }

    const CalibratorModel &Model() const { return model; }
    // Whether a line of `sender` went out before the port's latest loss: the calibrator may then
    // have missed that sender's settings.
    bool SentBeforeLoss(SenderId sender) const;

    Verdict Admit(const QString &line) override;
    void Written(const QString &line) override;
    void PortLost() override;

private:
    struct Request {
        SenderId sender;
        int stamp;
    };

    // The request whose line is about to be written.
    Request Current() const;
    Verdict Refuse(const QString &line, const QString &reason);

    CalibratorLink &link;
    CalibratorModel model;
    // The request whose line the link is about to write; requests nest in reply waits.
    QList<Request> requests;
    QSet<SenderId> revoked;
    // Per sender, the port loss count when its first line went out.
    QHash<SenderId, int> firstSentAtLoss;
    SenderId nextSender = Shell + 1;
    int standbys = 0;
    bool shutDown = false;
};

} // namespace vk220::link
