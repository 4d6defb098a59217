#include "MainForm.h"

#include "ButtonArray.h"
#include "CalibratorLink.h"
#include "ConsolePanel.h"
#include "Controls.h"
#include "DiagForm.h"
#include "FunctionTable.h"
#include "FunctionWindow.h"
#include "MessageBoxes.h"
#include "PictureSearch.h"
#include "ProgForm.h"
#include "ProgramState.h"
#include "SplashForm.h"
#include "WrapButton.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDockWidget>
#include <QEventLoop>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString MainBackground = QStringLiteral("MainBG.jpg");
const QString FunctionBackground = QStringLiteral("FunctionBG.jpg");
constexpr int BackPanelWidthTwips = 2385;
// Room for the left panel when a function window is centred.
constexpr int PanelAllowanceTwips = 2000;
// A deferred close completes at the window's next 500 ms tick, after at most one exchange; past
// this the window is closed at once rather than leave the operator waiting.
constexpr int DeferredCloseLimitMs = 10000;

// Captions show "&" as it stands; Qt takes a single "&" as an access key mark.
QString Literal(QString caption) {
    return caption.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

MainForm::MainForm(ProgramState &state, MessageBoxes &boxes)
    : state(state), boxes(boxes), context{state, *this, boxes}, workArea(new QMdiArea),
      console(new ConsolePanel(boxes)) {
    setWindowTitle(Title);
    Controls::Name(*this, QStringLiteral("MainForm"));
    Controls::Name(*workArea, QStringLiteral("WorkArea"));
    setCentralWidget(workArea);
    workArea->viewport()->installEventFilter(this);

    BuildBackPanel();
    BuildMenus();

    AddPanel(console, Qt::RightDockWidgetArea, QStringLiteral("DebugDock"))->hide();
    console->hide();

    resize(1180, 760);
    LoadBackground();
    state.link.SetObserver(this);
}

MainForm::~MainForm() {
    state.link.SetObserver(nullptr);
}

void MainForm::BuildBackPanel() {
    backPanel = new QWidget;
    Controls::Name(*backPanel, QStringLiteral("BackPanel"));
    backPanel->setFixedWidth(Controls::Twips(BackPanelWidthTwips));
    backPanelImage = new QLabel(backPanel);
    Controls::Name(*backPanelImage, QStringLiteral("BackPanelImage"));
    backPanelImage->setScaledContents(true);

    QStringList captions;
    for (const FunctionEntry &entry : FunctionTable::Entries())
        captions.append(Literal(entry.buttonCaption));
    funcBut = new ButtonArray(
        QStringLiteral("FuncBut"), captions, backPanel,
        [](const QString &caption, QWidget *parent) { return new WrapButton(caption, parent); });
    auto *layout = new QVBoxLayout(backPanel);
    layout->setSpacing(10);
    for (QPushButton *button : funcBut->All()) {
        QFont font = button->font();
        font.setBold(true);
        button->setFont(font);
        button->setMinimumHeight(56);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    funcBut->At(FunctionTable::HiddenIndex)->hide();
    connect(funcBut, &ButtonArray::Clicked, this, &MainForm::OpenFunction);

    AddPanel(backPanel, Qt::LeftDockWidgetArea, QStringLiteral("BackPanelDock"));
}

QDockWidget *MainForm::AddPanel(QWidget *panel, Qt::DockWidgetArea area, const QString &name) {
    // A fixed panel along one edge: no title bar, cannot be moved, floated or closed.
    auto *dock = new QDockWidget(this);
    dock->setObjectName(name);
    dock->setTitleBarWidget(new QWidget(dock));
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setWidget(panel);
    addDockWidget(area, dock);
    return dock;
}

void MainForm::BuildMenus() {
    QMenu *menu = menuBar()->addMenu(QStringLiteral("Function"));
    menu->setObjectName(QStringLiteral("FunctionMenu"));
    const auto &entries = FunctionTable::Entries();
    for (int i = 0; i < FunctionTable::Count; ++i) {
        QAction *item = menu->addAction(Literal(entries[static_cast<size_t>(i)].menuCaption));
        item->setObjectName(Controls::ArrayName(QStringLiteral("FunctionMenuItem"), i));
        connect(item, &QAction::triggered, this, [this, i] { OpenFunction(i); });
        functionMenuItem.append(item);
    }
    functionMenuItem[FunctionTable::HiddenIndex]->setEnabled(false);
    menu->addSeparator();
    QAction *exit = menu->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("ExitMenuItem"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    QAction *about = menuBar()->addAction(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("AboutMenu"));
    connect(about, &QAction::triggered, this, &MainForm::ShowAbout);
}

void MainForm::LoadBackground() {
    const QString path = PictureSearch::Find(MainBackground);
    if (path.isEmpty())
        return;
    const QPixmap picture(path);
    workArea->setBackground(picture);
    backPanelImage->setPixmap(picture);
}

void MainForm::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    backPanelImage->setGeometry(0, 0, backPanel->width(), frameGeometry().height());
    backPanelImage->lower();
    backPanel->repaint();
}

bool MainForm::eventFilter(QObject *watched, QEvent *event) {
    if (watched == workArea->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        ToggleConsole();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::ToggleConsole() {
    auto *dock = qobject_cast<QDockWidget *>(console->parentWidget());
    const bool show = console->isHidden();
    console->setVisible(show);
    dock->setVisible(show);
}

void MainForm::OpenFunction(int index) {
    const FunctionEntry &entry = FunctionTable::Entries().at(static_cast<size_t>(index));
    const bool available = index == FunctionTable::DiagramIndex || entry.create;
    if (!available || exiting)
        return;
    opening.RunIfIdle([this, index, &entry] { Open(index, entry); });
}

void MainForm::Open(int index, const FunctionEntry &entry) {
    setCursor(Qt::WaitCursor);
    CloseCurrentFunction();
    AwaitDeferredClose();
    if (index == FunctionTable::DiagramIndex) {
        auto *diagram = new DiagForm(*this);
        QWidget &frame = AddChild(diagram);
        frame.setGeometry(Controls::Twips(1185), Controls::Twips(1050), Controls::Twips(10860),
                          Controls::Twips(8460));
        frame.show();
    } else {
        const QPointer<FunctionWindow> window = entry.create(context);
        AddChild(window);
        window->Load();
        state.CurrentFunction = entry.code;
        // Closed while its set-up was still exchanging: its unload has given the choice back.
        if (!window || window->IsUnloaded()) {
            unsetCursor();
            return;
        }
    }
    SetFunctionControlsEnabled(false);
    unsetCursor();
}

QWidget &MainForm::AddChild(QWidget *window) {
    QMdiSubWindow *frame = workArea->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    return *frame;
}

void MainForm::AwaitDeferredClose() {
    QList<QPointer<FunctionWindow>> closing;
    for (QMdiSubWindow *frame : workArea->subWindowList()) {
        auto *window = qobject_cast<FunctionWindow *>(frame->widget());
        if (window && !window->IsUnloaded())
            closing.append(window);
    }
    // A window may unload and be deleted while the loop runs: only guarded pointers are kept.
    const auto pending = [&closing] {
        return std::any_of(closing.begin(), closing.end(),
                           [](const QPointer<FunctionWindow> &w) { return w && !w->IsUnloaded(); });
    };
    if (!pending())
        return;
    QEventLoop loop;
    for (const QPointer<FunctionWindow> &window : closing) {
        connect(window, &FunctionWindow::Unloaded, &loop, &QEventLoop::quit);
        connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    }
    const QDeadlineTimer deadline(DeferredCloseLimitMs);
    QTimer::singleShot(DeferredCloseLimitMs, &loop, &QEventLoop::quit);
    while (pending() && !deadline.hasExpired())
        loop.exec();
    for (const QPointer<FunctionWindow> &window : closing) {
        if (window && !window->IsUnloaded())
            window->Unload();
    }
}

FunctionWindow *MainForm::OpenFunctionWindow() const {
    for (QMdiSubWindow *frame : workArea->subWindowList()) {
        auto *window = qobject_cast<FunctionWindow *>(frame->widget());
        if (window && !window->IsUnloaded())
            return window;
    }
    return nullptr;
}

FunctionWindow *MainForm::FindFunctionWindow(const QString &title) const {
    for (QMdiSubWindow *frame : workArea->subWindowList()) {
        auto *window = qobject_cast<FunctionWindow *>(frame->widget());
        if (window && !window->IsUnloaded() && window->windowTitle() == title)
            return window;
    }
    return nullptr;
}

void MainForm::PlaceFunctionWindow(QWidget &window) {
    QWidget *frame = window.parentWidget() ? window.parentWidget() : &window;
    // Shown first: the work area places a child window of its own accord when it first shows.
    frame->show();
    if (auto *child = qobject_cast<QMdiSubWindow *>(frame))
        workArea->setActiveSubWindow(child);
    auto *function = qobject_cast<FunctionWindow *>(&window);
    if (function)
        frame->resize(function->DesignSize());
    const QSize size = frame->frameGeometry().size();
    const int top = (frameGeometry().height() - size.height()) / 2;
    const int left =
        (frameGeometry().width() - Controls::Twips(PanelAllowanceTwips) - size.width()) / 2;
    frame->move(left, top);
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

void MainForm::ReleaseAdapter() {
    for (const QString &line : ReleaseCommands)
        state.link.SendCommand(line);
    WarnIfNotReleased();
}

void MainForm::WarnIfNotReleased() {
    const CalibratorLink &link = state.link;
    if (!link.PortLost() || warnedLosses == link.Losses())
        return;
    warnedLosses = link.Losses();
    boxes.Warn(NotReleasedTitle,
               QStringLiteral("The calibrator could not be put into standby: the port %1 is lost."
                              "\r\rSwitch the calibrator's output to standby at its front panel, "
                              "then check the cable and the port.")
                   .arg(link.PortName()));
}

bool MainForm::PortRestored() {
    state.link.SendCommand(InitialisationCommand);
    FunctionWindow *window = OpenFunctionWindow();
    if (!window || !window->MissedCommands())
        return true;
    const QString title = window->windowTitle();
    window->Abandon();
    boxes.Inform(ReconnectedTitle,
                 QStringLiteral("The port %1 is back and the calibrator is under computer control "
                                "again.\r\rThe window \"%2\" was closed, because the calibrator "
                                "missed its settings while the port was lost: open it again.")
                     .arg(state.link.PortName(), title));
    return false;
}

void MainForm::SetFunctionControlsEnabled(bool enabled) {
    for (int i = 0; i < FunctionTable::HiddenIndex; ++i) {
        funcBut->At(i)->setEnabled(enabled);
        funcBut->At(i)->repaint();
        functionMenuItem[i]->setEnabled(enabled);
    }
}

bool MainForm::IsWindowOpen(const QString &title) const {
    for (QMdiSubWindow *frame : workArea->subWindowList()) {
        auto *window = qobject_cast<FunctionWindow *>(frame->widget());
        if (window ? (!window->IsUnloaded() && window->windowTitle() == title)
                   : frame->widget()->windowTitle() == title)
            return true;
    }
    return false;
}

void MainForm::CloseCurrentFunction() {
    for (const FunctionEntry &entry : FunctionTable::Entries()) {
        if (entry.code.isEmpty() || entry.code != state.CurrentFunction)
            continue;
        if (FunctionWindow *window = FindFunctionWindow(entry.title))
            window->CloseOnRequest();
        return;
    }
}

ProgForm *MainForm::ShowProgress(const QString &title) {
    auto *progress = new ProgForm(title);
    QWidget &frame = AddChild(progress);
    // The operator cannot close it: the code that shows it closes it when its work is done.
    frame.setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    frame.resize(progress->DesignSize());
    show();
    PlaceFunctionWindow(*progress);
    return progress;
}

void MainForm::AppendPortToTitle(int portNumber) {
    setWindowTitle(windowTitle() + QStringLiteral(" [COM %1]").arg(portNumber));
}

void MainForm::ShowAbout() {
    SplashForm splash(this);
    splash.ShowCloseButton();
    splash.exec();
}

bool MainForm::ConsoleVisible() const {
    return !console->isHidden();
}

void MainForm::ConsoleAppend(const QString &entry) {
    console->Append(entry);
}

void MainForm::ConsoleSelectLast() {
    console->SelectLast();
}

void MainForm::ShowSerialError(const QString &description) {
    boxes.Warn(QStringLiteral("Serial Communication Error"),
               QStringLiteral("Serial communication error :\r\r") + description);
}

void MainForm::ProcessEvents() {
    QCoreApplication::processEvents();
}

void MainForm::closeEvent(QCloseEvent *event) {
    if (exiting) {
        event->accept();
        return;
    }
    exiting = true;
    for (QMdiSubWindow *frame : workArea->subWindowList()) {
        if (auto *window = qobject_cast<FunctionWindow *>(frame->widget()))
            window->Unload();
    }
    CloseCurrentFunction();
    ShowProgress(QStringLiteral("Releasing Calibrator..."));
    for (const char *line : {"S1", "R1", "O0"})
        state.link.SendCommand(QString::fromLatin1(line));
    WarnIfNotReleased();
    event->accept();
}
