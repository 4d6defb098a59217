#include "app/MainForm.h"

#include "app/ConsolePanel.h"
#include "app/FunctionArea.h"
#include "app/FunctionTable.h"
#include "app/PictureSearch.h"
#include "app/SplashForm.h"
#include "app/WrapButton.h"
#include "ui/ButtonArray.h"
#include "ui/Controls.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace vk220::app {

namespace {

const QString MainBackground = QStringLiteral("MainBG.jpg");
constexpr int BackPanelWidthTwips = 2385;
// Shows or hides the console, as a double click on the empty work area does.
const QKeySequence ConsoleKey(Qt::CTRL | Qt::Key_D);

// Captions show "&" as it stands; Qt takes a single "&" as an access key mark.
QString Literal(QString caption) {
    return caption.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

MainForm::MainForm(ui::ProgramState &state, ui::MessageBoxes &boxes)
    : status(new MainStatusBar(state, [this] { return workArea->OpenTitle(); })),
      workArea(
          new FunctionArea(state, boxes, *status, [this](bool enabled) { EnableChoice(enabled); })),
      console(state, boxes, *workArea, *status) {
    setWindowTitle(Title);
    ui::Controls::Name(*this, QStringLiteral("MainForm"));
    setCentralWidget(workArea);
    setStatusBar(status);
    workArea->viewport()->installEventFilter(this);

    BuildBackPanel();
    BuildMenus();
    AddKeys();

    // The console starts hidden.
    AddPanel(&console.Panel(), Qt::RightDockWidgetArea, QStringLiteral("DebugDock"))->hide();
    console.Panel().hide();

    resize(1180, 760);
    LoadBackground();
    status->Refresh();
}

void MainForm::BuildBackPanel() {
    backPanel = new QWidget;
    ui::Controls::Name(*backPanel, QStringLiteral("BackPanel"));
    backPanel->setFixedWidth(ui::Controls::Twips(BackPanelWidthTwips));
    backPanelImage = new QLabel(backPanel);
    ui::Controls::Name(*backPanelImage, QStringLiteral("BackPanelImage"));
    backPanelImage->setScaledContents(true);

    QStringList captions;
    for (const ui::FunctionDescriptor *entry : FunctionTable::Entries())
        captions.append(Literal(entry->buttonCaption));
    funcBut = new ui::ButtonArray(
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
    const auto &entries = FunctionTable::Entries();
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i]->hidden)
            funcBut->At(i)->hide();
    }
    connect(funcBut, &ui::ButtonArray::Clicked, this, &MainForm::OpenFunction);

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
    for (int i = 0; i < entries.size(); ++i) {
        const ui::FunctionDescriptor &entry = *entries[i];
        QAction *item = menu->addAction(Literal(entry.menuCaption));
        item->setObjectName(ui::Controls::ArrayName(QStringLiteral("FunctionMenuItem"), i));
        item->setEnabled(!entry.hidden);
        connect(item, &QAction::triggered, this, [this, i] { OpenFunction(i); });
        functionMenuItem.append(item);
    }
    menu->addSeparator();
    QAction *exit = menu->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("ExitMenuItem"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    QAction *about = menuBar()->addAction(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("AboutMenu"));
    connect(about, &QAction::triggered, this, &MainForm::ShowAbout);
}

void MainForm::AddKeys() {
    // The menu captions carry no access keys: F10 opens the menus, as on most desktops.
    auto *menus = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menus, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
    // The double click on the empty work area, from the keyboard.
    auto *consoleKey = new QShortcut(ConsoleKey, this);
    connect(consoleKey, &QShortcut::activated, this, &MainForm::ToggleConsole);
    // Ctrl+1 to Ctrl+7 open the functions in the order of the table.
    const auto &entries = FunctionTable::Entries();
    for (int i = 0, number = 0; i < entries.size(); ++i) {
        if (!entries[i]->hidden)
            functionMenuItem[i]->setShortcut(Qt::CTRL | Qt::Key(Qt::Key_1 + number++));
    }
    // Enter and Return click a function button that has the focus, as Space does.
    for (QPushButton *button : funcBut->All())
        button->installEventFilter(this);
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
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        auto *button = qobject_cast<QPushButton *>(watched);
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && button &&
            funcBut->All().contains(button)) {
            button->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::ToggleConsole() {
    console.Toggle();
}

void MainForm::OpenFunction(int index) {
    const ui::FunctionDescriptor &entry = *FunctionTable::Entries().at(index);
    if (entry.create && !exiting)
        workArea->Open(entry);
}

void MainForm::EnableChoice(bool enabled) {
    const QString open = workArea->OpenTitle();
    const QString hint =
        enabled || open.isEmpty() ? QString() : QStringLiteral("Close %1 first").arg(open);
    const auto &entries = FunctionTable::Entries();
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i]->hidden)
            continue;
        funcBut->At(i)->setEnabled(enabled);
        funcBut->At(i)->setToolTip(hint);
        funcBut->At(i)->repaint();
        functionMenuItem[i]->setEnabled(enabled);
    }
    status->Refresh();
}

ProgForm *MainForm::ShowProgress(const QString &title) {
    return workArea->ShowProgress(title);
}

void MainForm::AppendPortToTitle(const QString &port) {
    // A number is a COM port; a port behind a device server shows its address.
    bool number = false;
    port.toInt(&number);
    setWindowTitle(windowTitle() + (number ? QStringLiteral(" [COM %1]").arg(port)
                                           : QStringLiteral(" [%1]").arg(port)));
}

void MainForm::ShowAbout() {
    SplashForm splash(this);
    splash.ShowCloseButton();
    splash.exec();
}

QMenu *MainForm::createPopupMenu() {
    // The function buttons are fixed; the console is the one panel that shows and hides.
    auto *menu = new QMenu(this);
    QAction *item = menu->addAction(QStringLiteral("Console"), this, &MainForm::ToggleConsole);
    item->setObjectName(QStringLiteral("ConsoleMenuItem"));
    item->setCheckable(true);
    item->setChecked(console.ConsoleVisible());
    item->setShortcut(ConsoleKey);
    return menu;
}

void MainForm::closeEvent(QCloseEvent *event) {
    if (!exiting) {
        exiting = true;
        workArea->ReleaseAtExit();
    }
    event->accept();
}

} // namespace vk220::app
