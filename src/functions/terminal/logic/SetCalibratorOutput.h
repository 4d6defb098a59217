#pragma once

#include "functions/terminal/logic/InformBox.h"

#include <QString>
#include <QStringList>

namespace vk220::terminal {

// What the output routine is asked to set.
struct OutputRequest {
    QString valueText;         // value, optional SI prefix and unit: "10mA", "1.00000V"
    QString frequencyText;     // "DC" or "0" for DC, otherwise the frequency: "50Hz"
    bool coilSelected = false; // a clamp coil (TermBut 0, 1 or 2) is the output point
};

// The commands that set the output, in order, or the refusal when the value fits no range.
struct OutputPlan {
    bool accepted = false;
    // Command lines for SendCommand, in order; empty when refused.
    QStringList commands;
    // The range chosen ("R8", "R19", "R58", ...); empty when refused.
    QString RangeCommand;
    // The value in base units; for a coil the current per turn. Set also when refused.
    double OutputValue = 0.0;
    // The frequency argument as the routine leaves it: "F" and the frequency for an AC voltage or
    // current, otherwise as passed.
    QString frequencyText;
    // The warning the window shows when the output is refused.
    InformBox refusal;
};

// Plans the calibrator commands for one output change. The range command is sent only when it
// differs from `LastRangeCommand`, which the call then updates when it accepts the value; the
// window sends the commands at once, in order, with nothing else between planning and sending.
// The window's ENTER key is set to normal weight on success: `accepted` replaces that signal.
OutputPlan SetCalibratorOutput(const OutputRequest &request, QString &LastRangeCommand);

// The warning box for a value that cannot be set; `valueText` as the caller passed it.
InformBox OutputRefusal(const QString &valueText);

} // namespace vk220::terminal
