#include "link/CalibratorLink.h"

#include "link/Clock.h"
#include "link/ExchangeReport.h"
#include "link/LineGate.h"
#include "link/LinkObserver.h"
#include "link/NetworkAddress.h"
#include "link/SerialPort.h"

#include <QScopeGuard>

namespace vk220::link {

namespace {
const QByteArray Marker("*0\r\n");
} // namespace

CalibratorLink::CalibratorLink(SerialPort &port, Clock &clock) : port(port), clock(clock) {}

QString CalibratorLink::PortName() const {
    // A port behind a device server has no number: its address names it.
    if (NetworkAddress::Parse(port.PortName()))
        return port.PortName();
    return QStringLiteral("COM%1 (%2)").arg(port.PortNumber()).arg(port.Device());
}

QString ReplyText(const QString &reply) {
    QString text = reply;
    if (text.endsWith(QString::fromLatin1(Marker)))
        text.chop(Marker.size());
    return text.trimmed();
}

QString CalibratorLink::SendCommand(const QString &command) {
    ++depth;
    ExchangeReport report;
    const auto leave = qScopeGuard([this, &report] {
        --depth;
        if (LinkObserver *observer = journal.Observer())
            observer->ExchangeEnded(report);
    });
    if (offline) {
        if (ReadyToWrite(command)) {
            journal.Log(command, QString());
            report.end = ExchangeReport::End::Offline;
        }
        return QString();
    }
    if (running && !running->finished) {
        // A nested request: the running exchange gets its whole reply before this one starts.
        // Should the line fail meanwhile, that one fault is reported once, for both.
        const Outcome outcome = Collect(*running, false);
        Complete(*running, outcome);
        if (outcome == Outcome::Fault) {
            NoteLoss();
            return QString();
        }
    }
    if (!ReadyToWrite(command))
        return QString();

    Exchange exchange;
    exchange.command = command;
    Exchange *outer = running;
    running = &exchange;
    QByteArray stale;
    Outcome outcome = Outcome::Fault;
    if ((!port.IsOpen() || port.ReadAll(stale)) && port.Write(command.toLatin1() + '\r')) {
        exchange.started = clock.Now();
        exchange.sent = true;
        clock.Pause(PollSeconds);
        outcome = Collect(exchange, true);
    }
    running = outer;
    if (!exchange.finished)
        Complete(exchange, outcome);
    if (outcome == Outcome::Fault)
        NoteLoss();
    report = exchange.Report();
    return QString::fromLatin1(exchange.reply);
}

void CalibratorLink::Resume() {
    if (offline)
        return;
    ++depth;
    PortReady();
    --depth;
}

bool CalibratorLink::ReadyToWrite(const QString &command) {
    for (;;) {
        if (!offline) {
            if (!PortReady())
                return false;
            if (lateReplyPossible && port.IsOpen())
                DrainLateReply();
        }
        switch (gate ? gate->Admit(command) : LineGate::Verdict::Pass) {
        case LineGate::Verdict::Pass:
            if (gate)
                gate->Written(command);
            if (LinkObserver *observer = journal.Observer())
                observer->LineWritten(command);
            return true;
        case LineGate::Verdict::Refuse:
            return false;
        case LineGate::Verdict::StandbyFirst:
            // Events run in its wait: the line is brought to the moment of writing again.
            SendCommand(QStringLiteral("S1"));
            break;
        }
    }
}

bool CalibratorLink::PortReady() {
    if (!portLost && port.Lost()) {
        // Hung up while no exchange ran: reported now, once, before the port is tried again.
        NoteLoss();
        journal.ShowError(QStringLiteral("%1: %2").arg(PortName(), port.ErrorString()));
    }
    if (!portLost)
        return true;
    if (!port.IsOpen() && !port.Open())
        return false;
    portLost = false;
    LinkObserver *observer = journal.Observer();
    return !observer || observer->PortRestored();
}

void CalibratorLink::NoteLoss() {
    if (portLost || !port.Lost())
        return;
    portLost = true;
    ++losses;
    if (gate)
        gate->PortLost();
}

void CalibratorLink::DrainLateReply() {
    const double start = clock.Now();
    bool heard = false;
    // A nested exchange started from the events serviced here drains in its place.
    while (lateReplyPossible) {
        if (clock.Now() - start >= limits.lateReplySeconds) {
            deviceSilent = !heard;
            break;
        }
        if (LinkObserver *observer = journal.Observer())
            observer->ProcessEvents();
        qint64 waiting = 0;
        if (!lateReplyPossible || !port.CountWaiting(waiting))
            break;
        if (waiting == 0 && heard)
            break; // it came, and the line is quiet again
        QByteArray late;
        if (waiting > 0 && port.ReadAll(late))
            heard = true;
        clock.Pause(PollSeconds);
    }
    lateReplyPossible = false;
}

CalibratorLink::Outcome CalibratorLink::Collect(Exchange &exchange, bool serviceEvents) {
    while (!exchange.reply.endsWith(Marker)) {
        LinkObserver *observer = journal.Observer();
        if (serviceEvents && observer) {
            const double before = clock.Now();
            observer->ProcessEvents();
            if (exchange.finished)
                return Outcome::Complete; // a nested exchange collected this reply
            // A dialog opened by a click serviced here (a file dialog, a question box) holds this
            // loop for as long as the operator takes: that time is not the device's, and counts
            // neither towards its silence nor towards the bound of the exchange.
            const double held = clock.Now() - before;
            if (held > PollSeconds)
                exchange.started += held;
        }
        qint64 waiting = 0;
        if (!port.CountWaiting(waiting))
            return Outcome::Fault;
        const double elapsed = clock.Now() - exchange.started;
        if (elapsed > limits.silenceSeconds && waiting == 0) {
            lateReplyPossible = exchange.reply.isEmpty() && !deviceSilent;
            exchange.silent = true;
            break;
        }
        if (elapsed > limits.exchangeSeconds || exchange.reply.size() > limits.exchangeBytes)
            return Outcome::Endless;
        if (!port.ReadAll(exchange.reply))
            return Outcome::Fault;
        if (!exchange.reply.isEmpty())
            deviceSilent = false;
        clock.Pause(PollSeconds);
    }
    return port.ReadAll(exchange.reply) ? Outcome::Complete : Outcome::Fault;
}

void CalibratorLink::Complete(Exchange &exchange, Outcome outcome) {
    exchange.finished = true;
    exchange.outcome = outcome;
    exchange.seconds = exchange.sent ? clock.Now() - exchange.started : 0;
    switch (outcome) {
    case Outcome::Complete:
        journal.Log(exchange.command, QString::fromLatin1(exchange.reply));
        break;
    case Outcome::Fault:
        journal.ShowError(QStringLiteral("%1: %2").arg(PortName(), port.ErrorString()));
        break;
    case Outcome::Endless:
        exchange.reply.clear();
        journal.ShowError(QStringLiteral("%1: the device kept sending and never finished its reply")
                              .arg(PortName()));
        break;
    }
}

void CalibratorLink::Note(const QString &entry) {
    journal.Note(entry);
}

} // namespace vk220::link
