#pragma once

#include "functions/terminal/logic/OutputPoint.h"

#include <QList>
#include <QString>

namespace vk220::terminal {

// What the terminal window shows that its key and button actions depend on; the window reads it
// back from its controls before each action.
struct PanelState {
    QString entry;                               // KBText
    QString frequency = QStringLiteral("DC");    // HzLab
    QString display = QStringLiteral("0.000mV"); // Display
    QString calOutput = QStringLiteral("---");   // CalOPLab
    OutputPoint selected = OutputPoint::None;    // the TermBut pair shown selected
    // One of TermBut 0, 1, 2 (a coil) and 10 (TERMINALS (to 30A)) shows selected: a current path
    // is in use. TERMINALS loses that look when the paths are offered again, while LOW or HIGH
    // CURRENT keeps it.
    bool currentPathInUse = false;
    bool autosetChecked = true;           // AutoCheck
    bool outputOn = false;                // OUTPUT ON lit: the calibrator's output is live
    bool coilSelectPending = false;       // the shared CoilSelectPending
    QList<int> enabledPaths{10, 6, 7, 8}; // current-path buttons that are enabled
    // The shared LastRangeCommand: the range the calibrator was last set to. A plan's `after`
    // holds it as the plan's commands leave it.
    QString lastRangeCommand;
    // The adapter was switched and no output has been set for the point since (a current path
    // picked for a keyed current waits for ENTER; an output refused after ENTER switched the
    // terminals): the calibrator still holds the previous point's output, which must not reach
    // the point now switched in (a voltage on the current terminals, a current through a coil).
    bool outputUnset = false;
    // The value the output routine last set, in base units and for a coil per turn. The readout
    // shows it rounded to its digit mask; "Hz" and "DC" set this value again, never the rounded
    // readout, which through a coil can be a third larger.
    double outputValue = 0.0;
    bool operator==(const PanelState &other) const = default;
};

} // namespace vk220::terminal
