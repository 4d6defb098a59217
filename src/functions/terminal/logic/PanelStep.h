#pragma once

#include "functions/terminal/logic/InformBox.h"
#include "functions/terminal/logic/OutputPoint.h"

#include <QList>
#include <QString>

#include <variant>

namespace vk220::terminal {

// The things a terminal-window action does, each carried out by the window in plan order.
namespace PanelSteps {

// A command line for SendCommand; its reply is ignored.
struct Send {
    QString line;
    bool operator==(const Send &) const = default;
};
// Every TermBut button loses its selected look, then the buttons of `point` take it. With
// `stopFlashing` the flashing of the current paths stops and they return to normal weight.
struct ShowSelection {
    OutputPoint point;
    bool stopFlashing;
    bool operator==(const ShowSelection &) const = default;
};
// OUTPUT ON shows the selected colour (on) or STAND BY the standby colour (off).
struct ShowOutputOn {
    bool on;
    bool operator==(const ShowOutputOn &) const = default;
};
struct SetEntry { // KBText
    QString text;
    bool operator==(const SetEntry &) const = default;
};
struct SetCalOutput { // CalOPLab
    QString text;
    bool operator==(const SetCalOutput &) const = default;
};
struct SetDisplay { // Display
    QString text;
    bool operator==(const SetDisplay &) const = default;
};
struct SetFrequency { // HzLab
    QString text;
    bool operator==(const SetFrequency &) const = default;
};
struct AddHistory { // a new item of KBText's list
    QString text;
    bool operator==(const AddHistory &) const = default;
};
struct SetAutosetBox { // AutoCheck's enabled state and caption
    bool enabled;
    QString caption;
    bool operator==(const SetAutosetBox &) const = default;
};
struct SetPlusMinusEnabled { // Command1 key 15
    bool enabled;
    bool operator==(const SetPlusMinusEnabled &) const = default;
};
// Command1 key 16 in bold while the output routine runs, in normal weight once it has set the
// output: a key left bold tells that the output was not set.
struct SetEnterBold {
    bool bold;
    bool operator==(const SetEnterBold &) const = default;
};
struct SetEnterEnabled { // Command1 key 16
    bool enabled;
    bool operator==(const SetEnterEnabled &) const = default;
};
struct SetCoilSelectPending { // the shared flag
    bool pending;
    bool operator==(const SetCoilSelectPending &) const = default;
};
// The current paths in `enabled` are enabled, the others disabled with the button-face colour.
// With `reselect` all four also lose their selected look and start flashing (CFlash on).
struct OfferCurrentPaths {
    QList<int> enabled;
    bool reselect;
    bool operator==(const OfferCurrentPaths &) const = default;
};

} // namespace PanelSteps

using PanelStep =
    std::variant<PanelSteps::Send, InformBox, PanelSteps::ShowSelection, PanelSteps::ShowOutputOn,
                 PanelSteps::SetEntry, PanelSteps::SetCalOutput, PanelSteps::SetDisplay,
                 PanelSteps::SetFrequency, PanelSteps::AddHistory, PanelSteps::SetAutosetBox,
                 PanelSteps::SetPlusMinusEnabled, PanelSteps::SetEnterBold,
                 PanelSteps::SetEnterEnabled, PanelSteps::SetCoilSelectPending,
                 PanelSteps::OfferCurrentPaths>;

} // namespace vk220::terminal
