#pragma once

#include "Interlock.h"

#include <QString>

class CalibratorLink;

// The program-wide state, owned by the application and passed by reference to the windows.
// Offline mode belongs to the link itself (CalibratorLink::OfflineMode).
struct ProgramState {
    explicit ProgramState(CalibratorLink &link) : link(link), interlock(link) {}

    CalibratorLink &link;
    // Every line of the program leaves through it.
    Interlock interlock;
    // Code of the last function window opened from the function table; never cleared.
    QString CurrentFunction;
    // The terminal window's last range command; outlives the window.
    QString LastRangeCommand;
    bool CoilSelectPending = false;
};
