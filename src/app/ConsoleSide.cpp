#include "app/ConsoleSide.h"

#include "app/ConsolePanel.h"
#include "app/DetectCalibrator.h"
#include "app/FunctionArea.h"
#include "app/MainStatusBar.h"
#include "functions/terminal/logic/TerminalMemory.h"
#include "link/CalibratorLink.h"
#include "ui/FunctionWindow.h"
#include "ui/logic/MessageBoxes.h"
#include "ui/logic/ProgramState.h"

#include <QCoreApplication>

namespace vk220::app {

ConsoleSide::ConsoleSide(ui::ProgramState &state, ui::MessageBoxes &boxes, FunctionArea &functions,
                         MainStatusBar &status)
    : state(state), boxes(boxes), functions(functions), status(status),
      panel(new ConsolePanel(boxes)) {
    state.link.SetObserver(this);
}

ConsoleSide::~ConsoleSide() {
    state.link.SetObserver(nullptr);
}

void ConsoleSide::Toggle() {
    const bool show = panel->isHidden();
    panel->setVisible(show);
    if (QWidget *dock = panel->parentWidget())
        dock->setVisible(show);
}

bool ConsoleSide::ConsoleVisible() const {
    return !panel->isHidden();
}

void ConsoleSide::ConsoleAppend(const QString &entry) {
    panel->Append(entry);
}

void ConsoleSide::ConsoleSelectLast() {
    panel->SelectLast();
}

void ConsoleSide::ShowSerialError(const QString &description) {
    // The status bar says what the box is about while it is open.
    status.Refresh();
    boxes.Warn(QStringLiteral("Serial Communication Error"),
               QStringLiteral("Serial communication error :\r\r") + description);
}

void ConsoleSide::ProcessEvents() {
    QCoreApplication::processEvents();
}

bool ConsoleSide::PortRestored() {
    state.interlock.Send(link::Interlock::Shell, InitialisationCommand);
    // The initialisation has changed the range: the terminal window's next output sends its own.
    state.Kept<terminal::TerminalMemory>().LastRangeCommand.clear();
    ui::FunctionWindow *window = functions.OpenFunctionWindow();
    if (!window || !window->Sender().MissedCommands())
        return true;
    const QString title = window->windowTitle();
    window->Actions().Abandon();
    boxes.Inform(ReconnectedTitle,
                 QStringLiteral("The port %1 is back and the calibrator is under computer control "
                                "again.\r\rThe window \"%2\" was closed, because the calibrator "
                                "missed its settings while the port was lost: open it again.")
                     .arg(state.link.PortName(), title));
    return false;
}

void ConsoleSide::LineWritten(const QString &line) {
    status.LineWritten(line);
}

void ConsoleSide::ExchangeEnded(const link::ExchangeReport &report) {
    status.ExchangeEnded(report);
}

} // namespace vk220::app
