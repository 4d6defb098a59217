#include "app/FunctionArea.h"

#include "app/FunctionTable.h"
#include "app/PictureSearch.h"
#include "app/ProgForm.h"
#include "link/CalibratorLink.h"
#include "ui/Controls.h"
#include "ui/FunctionWindow.h"
#include "ui/logic/MessageBoxes.h"
#include "ui/logic/ProgramState.h"
#include "ui/logic/StatusNotices.h"

#include <QDeadlineTimer>
#include <QEvent>
#include <QEventLoop>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace vk220::app {

namespace {

// What the status bar shows for a choice made while a window is still loading.
QString StillOpening(const QString &title) {
    return QStringLiteral("Still opening %1: wait for it to finish").arg(title);
}

const QString FunctionBackground = QStringLiteral("FunctionBG.jpg");
// Room for the left panel when a function window is centred.
constexpr int PanelAllowanceTwips = 2000;
// A deferred close completes at the window's next 500 ms tick, after at most one exchange; past
// this the window is closed at once rather than leave the operator waiting.
constexpr int DeferredCloseLimitMs = 10000;
// How often an unloaded window looks again for the moment it can be deleted.
constexpr int DeleteRetryMs = 20;

} // namespace

FunctionArea::FunctionArea(ui::ProgramState &state, ui::MessageBoxes &boxes,
                           ui::StatusNotices &notices, std::function<void(bool)> enableChoice)
    : state(state), boxes(boxes), notices(notices), context{state, *this, boxes},
      enableChoice(std::move(enableChoice)) {
    ui::Controls::Name(*this, QStringLiteral("WorkArea"));
}

void FunctionArea::Open(const ui::FunctionDescriptor &entry) {
    if (!opening.RunIfIdle([this, &entry] { Load(entry); }))
        notices.ShowRefused(StillOpening(loadingTitle));
}

void FunctionArea::Load(const ui::FunctionDescriptor &entry) {
    loadingTitle = entry.title;
    window()->setCursor(Qt::WaitCursor);
    CloseCurrentFunction();
    AwaitDeferredClose();
    openTitle = entry.title;
    ui::FunctionWindow *function = entry.create(context);
    QMdiSubWindow *frame = addSubWindow(function);
    // The work area would delete a closed frame at once (DeleteWhenIdle).
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    connect(function, &ui::FunctionWindow::Unloaded, this,
            [this, frame] { DeleteWhenIdle(frame); });
    function->Load();
    if (entry.becomesCurrent)
        state.CurrentFunction = entry.code;
    // Closed while its set-up was still exchanging: its unload has given the choice back.
    if (function->IsUnloaded()) {
        window()->unsetCursor();
        return;
    }
    SetFunctionControlsEnabled(false);
    window()->unsetCursor();
}

void FunctionArea::DeleteWhenIdle(QMdiSubWindow *frame) {
    // Window events run inside every reply wait: a window deleted there could be deleted under
    // its own action, which goes on once the wait is over. It is deleted from the main event
    // loop, once no action of its own and no exchange is under way.
    QTimer::singleShot(DeleteRetryMs, this, [this, frame = QPointer<QMdiSubWindow>(frame)] {
        if (!frame)
            return;
        auto *window = qobject_cast<ui::FunctionWindow *>(frame->widget());
        if (state.link.Exchanging() || (window && window->Actions().Acting()))
            DeleteWhenIdle(frame);
        else
            delete frame.data();
    });
}

void FunctionArea::KeepInWorkArea(QWidget &frame) const {
    const QSize area = viewport()->size();
    const QRect at = frame.geometry();
    frame.move(std::max(0, std::min(at.left(), area.width() - at.width())),
               std::max(0, std::min(at.top(), area.height() - at.height())));
}

bool FunctionArea::viewportEvent(QEvent *event) {
    if (event->type() == QEvent::Resize) {
        for (QMdiSubWindow *frame : subWindowList())
            KeepInWorkArea(*frame);
    }
    return QMdiArea::viewportEvent(event);
}

QList<ui::FunctionWindow *> FunctionArea::LoadedFunctionWindows() const {
    QList<ui::FunctionWindow *> loaded;
    for (QMdiSubWindow *frame : subWindowList()) {
        auto *window = qobject_cast<ui::FunctionWindow *>(frame->widget());
        if (window && !window->IsUnloaded())
            loaded.append(window);
    }
    return loaded;
}

void FunctionArea::AwaitDeferredClose() {
    // A window may unload and be deleted while the loop runs: only guarded pointers are kept.
    QList<QPointer<ui::FunctionWindow>> closing;
    for (ui::FunctionWindow *window : LoadedFunctionWindows())
        closing.append(window);
    const auto pending = [&closing] {
        return std::any_of(
            closing.begin(), closing.end(),
            [](const QPointer<ui::FunctionWindow> &w) { return w && !w->IsUnloaded(); });
    };
    if (!pending())
        return;
    QEventLoop loop;
    for (const QPointer<ui::FunctionWindow> &window : closing) {
        connect(window, &ui::FunctionWindow::Unloaded, &loop, &QEventLoop::quit);
        connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    }
    const QDeadlineTimer deadline(DeferredCloseLimitMs);
    QTimer::singleShot(DeferredCloseLimitMs, &loop, &QEventLoop::quit);
    while (pending() && !deadline.hasExpired())
        loop.exec();
    for (const QPointer<ui::FunctionWindow> &window : closing) {
        if (window && !window->IsUnloaded())
            window->Unload();
    }
}

ui::FunctionWindow *FunctionArea::OpenFunctionWindow() const {
    const QList<ui::FunctionWindow *> loaded = LoadedFunctionWindows();
    return loaded.isEmpty() ? nullptr : loaded.first();
}

ui::FunctionWindow *FunctionArea::FindFunctionWindow(const QString &title) const {
    for (ui::FunctionWindow *window : LoadedFunctionWindows()) {
        if (window->windowTitle() == title)
            return window;
    }
    return nullptr;
}

void FunctionArea::PlaceFunctionWindow(QWidget &window) {
    QWidget *frame = window.parentWidget() ? window.parentWidget() : &window;
    // Shown first: the work area places a child window of its own accord when it first shows.
    frame->show();
    if (auto *child = qobject_cast<QMdiSubWindow *>(frame))
        setActiveSubWindow(child);
    auto *function = qobject_cast<ui::FunctionWindow *>(&window);
    if (function)
        frame->resize(function->DesignSize());
    const QSize size = frame->frameGeometry().size();
    const QSize outer = this->window()->frameGeometry().size();
    const int top = (outer.height() - size.height()) / 2;
    const int left = (outer.width() - ui::Controls::Twips(PanelAllowanceTwips) - size.width()) / 2;
    frame->move(left, top);
    KeepInWorkArea(*frame);
    const QString background = PictureSearch::Find(FunctionBackground);
    if ((!function || function->TakesFunctionBackground()) && !background.isEmpty()) {
        QPalette palette = window.palette();
        // The brush keeps the plain window colour beside the picture: styles derive the colours
        // of tabs and frames from it.
        palette.setBrush(QPalette::Window,
                         QBrush(palette.color(QPalette::Window), QPixmap(background)));
        window.setPalette(palette);
        window.setAutoFillBackground(true);
    }
}

void FunctionArea::ReleaseAdapter() {
    for (const QString &line : ReleaseCommands)
        state.interlock.Send(link::Interlock::Shell, line);
    WarnIfNotReleased();
}

void FunctionArea::WarnIfNotReleased() {
    const link::CalibratorLink &link = state.link;
    if (!link.PortLost() || warnedLosses == link.Losses())
        return;
    warnedLosses = link.Losses();
    boxes.Warn(NotReleasedTitle,
               QStringLiteral("The calibrator could not be put into standby: the port %1 is lost."
                              "\r\rSwitch the calibrator's output to standby at its front panel, "
                              "then check the cable and the port.")
                   .arg(link.PortName()));
}

void FunctionArea::SetFunctionControlsEnabled(bool enabled) {
    if (enabled)
        openTitle.clear();
    enableChoice(enabled);
}

bool FunctionArea::IsWindowOpen(const QString &title) const {
    for (QMdiSubWindow *frame : subWindowList()) {
        auto *window = qobject_cast<ui::FunctionWindow *>(frame->widget());
        if (window ? (!window->IsUnloaded() && window->windowTitle() == title)
                   : frame->widget()->windowTitle() == title)
            return true;
    }
    return false;
}

void FunctionArea::CloseCurrentFunction() {
    const int row = FunctionTable::IndexOf(state.CurrentFunction);
    if (row < 0)
        return;
    if (ui::FunctionWindow *window = FindFunctionWindow(FunctionTable::Entries()[row]->title))
        window->Actions().CloseOnRequest();
}

ProgForm *FunctionArea::ShowProgress(const QString &title) {
    auto *progress = new ProgForm(title);
    QMdiSubWindow &frame = *addSubWindow(progress);
    frame.setAttribute(Qt::WA_DeleteOnClose);
    // The operator cannot close it: the code that shows it closes it when its work is done.
    frame.setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    frame.resize(progress->DesignSize());
    window()->show();
    PlaceFunctionWindow(*progress);
    return progress;
}

void FunctionArea::ReleaseAtExit() {
    for (ui::FunctionWindow *window : LoadedFunctionWindows())
        window->Unload();
    CloseCurrentFunction();
    ShowProgress(QStringLiteral("Releasing Calibrator..."));
    for (const char *line : {"S1", "R1", "O0"})
        state.interlock.Send(link::Interlock::Shell, QString::fromLatin1(line));
    state.interlock.Shutdown();
    WarnIfNotReleased();
}

} // namespace vk220::app
