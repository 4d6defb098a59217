#pragma once

#include <QByteArray>
#include <QString>

class Clock;
class LinkObserver;
class SerialPort;

// The request/reply exchange with the calibrator. One command line goes out with a carriage
// return; characters are collected until the reply ends with "*0" CR LF, or until two seconds
// have passed since the command left and nothing more is waiting.
//
// A port closed by a fault while in use (a USB adapter pulled, a hung-up line) is reported once;
// later exchanges try quietly to reopen it and return an empty reply while it stays lost, so a
// polling window does not bring up a box every half second.
//
// The wait services window events once every 0.1 s, so a timer tick or a click may send a
// command of its own inside a running exchange. Such a nested exchange first finishes collecting
// the running one's reply and hands it over, then performs its own: two exchanges never share a
// reply.
class CalibratorLink {
public:
    CalibratorLink(SerialPort &port, Clock &clock);

    void SetObserver(LinkObserver *observer) { this->observer = observer; }

    // Never fails towards its caller: link faults are reported in the serial error box and the
    // reply collected so far (usually empty) is returned.
    QString SendCommand(const QString &command);
    void WaitSeconds(double seconds);

    bool OfflineMode() const { return offline; }
    void SetOfflineMode(bool on) { offline = on; }

    SerialPort &Port() { return port; }

    static constexpr double PollSeconds = 0.1;
    static constexpr double SilenceSeconds = 2.0;

private:
    struct Exchange {
        QString command;
        QByteArray reply;
        double started = 0;
        bool finished = false;
    };

    // Steps 6 and 7 of an exchange: collect until the marker or silence. Events are serviced
    // only when `serviceEvents` is set (the running exchange, not one finished by a nested one).
    bool Collect(Exchange &exchange, bool serviceEvents);
    // Ends an exchange: logs it when it succeeded, reports the fault when it did not.
    void Complete(Exchange &exchange, bool ok);
    void ReportError();
    void Log(const QString &command, const QString &reply);

    SerialPort &port;
    Clock &clock;
    LinkObserver *observer = nullptr;
    bool offline = false;
    bool reportingError = false;
    bool portLost = false;
    Exchange *running = nullptr;
};
