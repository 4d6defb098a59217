#pragma once

#include "OutputPoint.h"

#include <QList>
#include <QString>

// What the terminal window shows that its key and button actions depend on; the window reads it
// back from its controls before each action.
struct PanelState {
    QString entry;                               // KBText
    QString frequency = QStringLiteral("DC");    // HzLab
    QString display = QStringLiteral("0.000mV"); // Display
    OutputPoint selected = OutputPoint::None;    // the TermBut pair shown selected
    bool autosetChecked = true;                  // AutoCheck
    bool coilSelectPending = false;              // the shared CoilSelectPending
    QList<int> enabledPaths{10, 6, 7, 8};        // current-path buttons that are enabled
    bool operator==(const PanelState &other) const = default;
};
