#pragma once

#include "ui/FunctionContext.h"
#include "ui/FunctionHost.h"
#include "ui/logic/ActionQueue.h"

#include <QList>
#include <QMdiArea>

class QMdiSubWindow;

#include <functional>

namespace vk220::ui {
struct FunctionDescriptor;
class FunctionWindow;
class MessageBoxes;
struct ProgramState;
class StatusNotices;
} // namespace vk220::ui

namespace vk220::app {

class ProgForm;

// The main window's work area: it hosts one function window at a time (or the progress window) and
// gives the function windows their services: placing, the release of the adapter, the function
// choice, the lookup and the closing of the current function.
class FunctionArea final : public QMdiArea, public ui::FunctionHost {
    Q_OBJECT
public:
    static inline const QString NotReleasedTitle = QStringLiteral("Calibrator Not In Standby");

    // `notices` shows the function windows' queued work and the clicks not taken; `enableChoice`
    // enables or disables the frame's function buttons and menu items.
    FunctionArea(ui::ProgramState &state, ui::MessageBoxes &boxes, ui::StatusNotices &notices,
                 std::function<void(bool)> enableChoice);

    // Closes the current function, waits for its deferred close, then opens the row's window.
    // A choice made while another window is still loading is not taken, and the operator is told
    // so (StillOpening).
    void Open(const ui::FunctionDescriptor &entry);
    // Shows the progress window; the code that shows it closes it when its work is done.
    ProgForm *ShowProgress(const QString &title);
    // The exit sequence: every function window unloads, then "S1", "R1", "O0" under the
    // progress window "Releasing Calibrator...".
    void ReleaseAtExit();

    // The loaded function window carrying `title`, or null.
    ui::FunctionWindow *FindFunctionWindow(const QString &title) const;
    // The function window that has not unloaded, or null.
    ui::FunctionWindow *OpenFunctionWindow() const;
    // The title of the function window that holds the function choice, from its creation until
    // it gives the choice back; empty when none does.
    const QString &OpenTitle() const { return openTitle; }

    void PlaceFunctionWindow(QWidget &window) override;
    void ReleaseAdapter() override;
    void SetFunctionControlsEnabled(bool enabled) override;
    bool IsWindowOpen(const QString &title) const override;
    void CloseCurrentFunction() override;
    ui::StatusNotices &Notices() override { return notices; }

protected:
    // The work area narrows when the console shows: the windows in it stay in view.
    bool viewportEvent(QEvent *event) override;

private:
    void Load(const ui::FunctionDescriptor &entry);
    // Deletes an unloaded function window's frame once that is safe.
    void DeleteWhenIdle(QMdiSubWindow *frame);
    // Moves a child window that reaches past the visible work area (under the console, or past
    // the main window's edge) back into it, as little as it takes; one that fits stays put.
    void KeepInWorkArea(QWidget &frame) const;
    // The function windows that have not unloaded, in the work area's order.
    QList<ui::FunctionWindow *> LoadedFunctionWindows() const;
    // Waits until a function window asked to close has unloaded itself (deferred close).
    void AwaitDeferredClose();
    // Tells the operator, once for each loss of the port, that the calibrator could not be put
    // into standby because the port is lost.
    void WarnIfNotReleased();

    ui::ProgramState &state;
    ui::MessageBoxes &boxes;
    ui::StatusNotices &notices;
    ui::FunctionContext context;
    std::function<void(bool)> enableChoice;
    // Opening a function is an action of the work area: a choice made while another window is
    // still loading (its set-up exchanges service clicks) is not taken.
    ui::ActionQueue opening;
    // The title of the window being opened, and of the one that holds the choice.
    QString loadingTitle;
    QString openTitle;
    int warnedLosses = 0;
};

} // namespace vk220::app
