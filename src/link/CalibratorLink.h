#pragma once

#include "link/LinkExchange.h"
#include "link/LinkJournal.h"

#include <QByteArray>
#include <QString>

namespace vk220::link {

class Clock;
class LineGate;
class LinkObserver;
class SerialPort;

// The request/reply exchange with the calibrator. One command line goes out with a carriage
// return; characters are collected until the reply ends with "*0" CR LF, or until two seconds
// have passed since the command left and nothing more is waiting.
//
// A port closed by a fault (a USB adapter pulled, a hung-up line), in an exchange or while idle,
// is reported once; later exchanges try quietly to reopen it and return an empty reply while it
// stays lost, so a polling window does not bring up a box every half second. When it opens again
// the observer is told first, so that the calibrator is set up again before anything else reaches
// it.
//
// An exchange that heard nothing before the silence rule ended it may still get its reply later:
// before the next command the line is drained until that reply has come and gone (or for a
// bound), so that a late reply is never read as the reply to the next command. A device that
// stays silent through such a wait is taken as switched off and not waited for again until it
// sends something.
//
// A device that keeps sending without ever ending its reply (a meter in continuous output on the
// wrong port) would hold an exchange for ever; an exchange therefore ends, reported, after a bound
// of time or of characters without the marker, and returns an empty reply.
//
// The wait services window events once every 0.1 s, so a timer tick or a click may send a
// command of its own inside a running exchange. Such a nested exchange first finishes collecting
// the running one's reply and hands it over, then performs its own: two exchanges never share a
// reply.
class CalibratorLink {
public:
    struct Limits {
        // An exchange ends when nothing more arrives for this long after the command left.
        double silenceSeconds = 2.0;
        // Whatever arrives, an exchange without the marker ends after this long...
        double exchangeSeconds = 10.0;
        // ...or after this many characters.
        qsizetype exchangeBytes = 64 * 1024;
        // After an exchange that ended by silence, a late reply is awaited this long before the
        // next command, and discarded.
        double lateReplySeconds = 1.0;
    };

    CalibratorLink(SerialPort &port, Clock &clock);

    void SetObserver(LinkObserver *observer) { journal.SetObserver(observer); }
    // Asked before every line is written (the interlock).
    void SetGate(LineGate *gate) { this->gate = gate; }
    void SetLimits(const Limits &value) { limits = value; }

    // Never fails towards its caller: link faults are reported in the serial error box and the
    // reply collected so far (usually empty) is returned.
    QString SendCommand(const QString &command);
    // One console entry of the link's own, shown like the exchanges.
    void Note(const QString &entry);
    // Whether an exchange (or the wait before one) is under way: window events then run inside
    // it, and nothing that an exchange may still use can be deleted.
    bool Exchanging() const { return depth > 0; }

    bool OfflineMode() const { return offline; }
    void SetOfflineMode(bool on) { offline = on; }

    // Before an operator action: a port lost meanwhile is reported and reopened now (with the
    // observer told), so that the action is planned from what the calibrator holds after that,
    // not found back by the action's first line.
    void Resume();

    // True from the loss of the port in use until it opens again; commands meanwhile are lost.
    bool PortLost() const { return portLost; }
    // How many times the port has been lost so far.
    int Losses() const { return losses; }
    // "COM3 (/dev/ttyUSB0)": the port as the operator chose it and the device it stands for.
    QString PortName() const;

    SerialPort &Port() { return port; }

    static constexpr double PollSeconds = 0.1;

private:
    using Outcome = LinkExchange::Outcome;
    using Exchange = LinkExchange;

    // Collects until the marker, silence or the bound. Events are serviced only when
    // `serviceEvents` is set (the running exchange, not one finished by a nested one).
    Outcome Collect(Exchange &exchange, bool serviceEvents);
    // Ends an exchange: logs it when it completed, reports the fault when it did not.
    void Complete(Exchange &exchange, Outcome outcome);
    // Notes a port that closed itself after a fault, and reopens a lost one; false while the
    // port stays lost, or when the observer holds back the command that found it back.
    bool PortReady();
    void NoteLoss();
    // Brings the line to the moment of writing: the port back, a late reply drained, the gate's
    // consent (after the standby it asks for). False when the line is not to be written.
    bool ReadyToWrite(const QString &command);
    // Discards a reply still on its way to an exchange that ended by silence.
    void DrainLateReply();

    SerialPort &port;
    Clock &clock;
    LinkJournal journal;
    LineGate *gate = nullptr;
    Limits limits;
    bool offline = false;
    bool portLost = false;
    bool lateReplyPossible = false;
    bool deviceSilent = false;
    int losses = 0;
    int depth = 0;
    Exchange *running = nullptr;
};

// A reply's text without the completion marker and the blanks about it: "CAL-5500 V2.1".
QString ReplyText(const QString &reply);

} // namespace vk220::link
