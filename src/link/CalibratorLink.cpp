#include "CalibratorLink.h"

#include "Clock.h"
#include "LinkObserver.h"
#include "SerialPort.h"

namespace {
const QByteArray Marker("*0\r\n");
} // namespace

CalibratorLink::CalibratorLink(SerialPort &port, Clock &clock) : port(port), clock(clock) {}

void CalibratorLink::WaitSeconds(double seconds) {
    clock.Pause(seconds);
}

QString CalibratorLink::SendCommand(const QString &command) {
    if (offline) {
        Log(command, QString());
        return QString();
    }
    if (running && !running->finished) {
        // A nested request: the running exchange gets its whole reply before this one starts.
        // Should the line fail meanwhile, that one fault is reported once, for both.
        const bool ok = Collect(*running, false);
        Complete(*running, ok);
        if (!ok) {
            portLost = !port.IsOpen();
            return QString();
        }
    }

    if (portLost && !port.IsOpen() && !port.Open())
        return QString();
    portLost = false;
    const bool wasOpen = port.IsOpen();

    Exchange exchange{command, {}, 0, false};
    Exchange *outer = running;
    running = &exchange;
    QByteArray stale;
    bool ok = (!port.IsOpen() || port.ReadAll(stale)) && port.Write(command.toLatin1() + '\r');
    if (ok) {
        exchange.started = clock.Now();
        WaitSeconds(PollSeconds);
        ok = Collect(exchange, true);
    }
    running = outer;
    if (!ok && wasOpen && !port.IsOpen())
        portLost = true;
    if (!exchange.finished)
        Complete(exchange, ok);
    return QString::fromLatin1(exchange.reply);
}

bool CalibratorLink::Collect(Exchange &exchange, bool serviceEvents) {
    while (!exchange.reply.endsWith(Marker)) {
        if (serviceEvents && observer) {
            observer->ProcessEvents();
            if (exchange.finished)
                return true; // a nested exchange collected this reply and handed it over
        }
        qint64 waiting = 0;
        if (!port.CountWaiting(waiting))
            return false;
        if (clock.Now() - exchange.started > SilenceSeconds && waiting == 0)
            break;
        if (!port.ReadAll(exchange.reply))
            return false;
        WaitSeconds(PollSeconds);
    }
    return port.ReadAll(exchange.reply);
}

void CalibratorLink::Complete(Exchange &exchange, bool ok) {
    exchange.finished = true;
    if (ok)
        Log(exchange.command, QString::fromLatin1(exchange.reply));
    else
        ReportError();
}

void CalibratorLink::ReportError() {
    // Faults met while the operator is still reading the box (a polling window on an unplugged
    // port) are not stacked as further boxes.
    if (reportingError || !observer)
        return;
    reportingError = true;
    observer->ShowSerialError(port.ErrorString());
    reportingError = false;
}

void CalibratorLink::Log(const QString &command, const QString &reply) {
    if (!observer || !observer->ConsoleVisible())
        return;
    observer->ConsoleAppend(command);
    observer->ConsoleAppend(reply);
    observer->ConsoleSelectLast();
}
