#include "DetectCalibrator.h"

#include "CalibratorLink.h"
#include "Controls.h"
#include "ProgForm.h"
#include "SerialPort.h"
#include "SettingsFile.h"

#include <QPointer>

namespace {
// An identification reply longer than this proves that a calibrator answers.
constexpr int ShortestIdentification = 51;
} // namespace

bool DetectCalibrator(CalibratorLink &link, StartUpWindow &main, const AskPort &askPort) {
    SerialPort &port = link.Port();
    const int stored = SettingsFile::ReadPortNumber();
    if (stored == 0) {
        if (!askPort(QStringLiteral("\rPlease Select a Com Port :")))
            return false;
    } else {
        port.SetPortNumber(stored);
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
    main.AppendPortToTitle(port.PortNumber());
    if (progress)
        Controls::CloseWindow(*progress);
    return true;
}
