#pragma once

#include "link/CalibratorModel.h"

#include <QString>
#include <QStringView>

namespace vk220::terminal {

// What the terminal window's readout tells of the output besides its value: whether it is live,
// and whether a live voltage is high enough to warn of. The readout alone looks the same in
// standby as when live, so 50 V held in standby would pass for a live 50 V.
struct OutputMarker {
    // A live voltage above this many volts carries the high-voltage symbol.
    static constexpr double WarningVolts = 30;

    QString text;             // "OPR" on, "STBY" in standby, "OPR?" while unknown
    bool dimmed = true;       // the value shown is not live
    bool highVoltage = false; // a voltage above WarningVolts may be live

    // From what the calibrator was told (`output`) and the readout (`display`). After a lost
    // port the output is unknown: it may still be operating, so it is neither dimmed nor spared
    // the warning.
    static OutputMarker For(link::CalibratorModel::Output output, QStringView display);

    bool operator==(const OutputMarker &other) const = default;
};

} // namespace vk220::terminal
