#pragma once

#include <QString>

#include <functional>

namespace vk220::link {
class CalibratorLink;
} // namespace vk220::link

namespace vk220::app {

class ProgForm;

// Puts the calibrator under computer control: at start-up and when a lost port is back.
inline const QString InitialisationCommand = QStringLiteral("R0/O0/S1/# Computer Control");

// What the detection needs of the main window.
class StartUpWindow {
public:
    virtual ~StartUpWindow() = default;
    // Shows the progress window in the work area (the main window shows with it).
    virtual ProgForm *ShowProgress(const QString &title) = 0;
    // The port as SerialPort::PortName gives it: its number, or its network address.
    virtual void AppendPortToTitle(const QString &port) = 0;
};

// Shows the port dialog with a message; false when the operator chose "&Exit".
using AskPort = std::function<bool(const QString &message)>;

// Finds the calibrator: the stored port, else one the operator picks, probed with "T" until a
// reply longer than 50 characters proves a calibrator there (or offline mode is chosen); then
// opens the port for the rest of the run and puts the calibrator under computer control.
// Returns false when the operator left the program from the port dialog.
bool DetectCalibrator(link::CalibratorLink &link, StartUpWindow &main, const AskPort &askPort);

} // namespace vk220::app
