#pragma once

#include <QString>

namespace vk220::link {

struct ExchangeReport;

// What the link needs of the windows, wired up by the application: the console, the serial
// error box, the single event-processing step of a reply wait, and what the main window shows of
// the traffic.
class LinkObserver {
public:
    virtual ~LinkObserver() = default;
    virtual bool ConsoleVisible() const = 0;
    // Appends one entry; `selectLast` selects it, which scrolls the console to its end.
    virtual void ConsoleAppend(const QString &entry) = 0;
    virtual void ConsoleSelectLast() = 0;
    // Shows the serial error box and returns when the operator has dismissed it.
    virtual void ShowSerialError(const QString &description) = 0;
    virtual void ProcessEvents() = 0;
    // A lost port has opened again, before the command that found it back is sent. Returns
    // whether that command may go: false when it belongs to settings the calibrator missed.
    virtual bool PortRestored() = 0;
    // A line is being written (or logged, in offline mode); the interlock's model already holds
    // what it sets.
    virtual void LineWritten(const QString &line) = 0;
    // A call of SendCommand has ended, however it ended.
    virtual void ExchangeEnded(const ExchangeReport &report) = 0;
};

} // namespace vk220::link
