#include "app/DetectCalibrator.h"

#include "app/ProgForm.h"
#include "app/SettingsFile.h"
#include "link/CalibratorLink.h"
#include "link/SerialPort.h"
#include "ui/Controls.h"

#include <QPointer>

namespace vk220::app {

namespace {
// An identification reply longer than this proves that a calibrator answers.
constexpr int ShortestIdentification = 51;
} // namespace

bool DetectCalibrator(link::CalibratorLink &link, StartUpWindow &main, const AskPort &askPort) {
    link::SerialPort &port = link.Port();
    const QString stored = SettingsFile::ReadPortName();
    if (stored.isEmpty()) {
        if (!askPort(QStringLiteral("\rPlease Select a Com Port :")))
            return false;
    } else {
        port.SetPortName(stored);
    }

    // A port that cannot be opened is not reported here: the probe's own error box says why.
    QString reply;
    while (reply.size() < ShortestIdentification && !link.OfflineMode()) {
        port.Open();
        reply = link.SendCommand(QStringLiteral("T"));
        port.Close();
        if (reply.size() < ShortestIdentification &&
            !askPort(QStringLiteral("Corvale Multi-Product Calibrator Not Detected. ")))
            return false;
    }

    const QPointer<ProgForm> progress =
        main.ShowProgress(QStringLiteral("Initialising Calibrator..."));
    port.Open();
    link.SendCommand(InitialisationCommand);
    main.AppendPortToTitle(port.PortName());
    if (progress)
        ui::Controls::CloseWindow(*progress);
    return true;
}

} // namespace vk220::app
