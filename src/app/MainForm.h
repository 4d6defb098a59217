#pragma once

#include "ActionQueue.h"
#include "FunctionContext.h"
#include "FunctionHost.h"
#include "LinkObserver.h"

#include <QList>
#include <QMainWindow>

class ButtonArray;
struct FunctionEntry;
class ConsolePanel;
class FunctionWindow;
class MessageBoxes;
class ProgForm;
class QAction;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMenu;
struct ProgramState;

// The program's frame: the function buttons on the left, the work area that hosts one function
// window at a time, the console on the right, and the window services the function windows use.
class MainForm final : public QMainWindow, public FunctionHost, public LinkObserver {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("VK220 Workstation Virtual Front Panel");
    // Puts the calibrator under computer control: at start-up and when a lost port is back.
    static inline const QString InitialisationCommand =
        QStringLiteral("R0/O0/S1/# Computer Control");
    static inline const QString NotReleasedTitle = QStringLiteral("Calibrator Not In Standby");
    static inline const QString ReconnectedTitle = QStringLiteral("Calibrator Reconnected");

    MainForm(ProgramState &state, MessageBoxes &boxes);
    ~MainForm() override;

    // Opens row `index` of the function table, as its button and its menu item do.
    void OpenFunction(int index);
    // Shows or hides the console, as a double click on the empty work area does.
    void ToggleConsole();
    void ShowAbout();
    // Shows the progress window in the work area (the main window shows with it).
    ProgForm *ShowProgress(const QString &title);
    void AppendPortToTitle(int portNumber);
    // True once the exit sequence has run (the operator may exit while start-up still runs).
    bool IsExiting() const { return exiting; }

    // The loaded function window carrying `title`, or null.
    FunctionWindow *FindFunctionWindow(const QString &title) const;

    void PlaceFunctionWindow(QWidget &window) override;
    void ReleaseAdapter() override;
    void SetFunctionControlsEnabled(bool enabled) override;
    bool IsWindowOpen(const QString &title) const override;
    void CloseCurrentFunction() override;

    bool ConsoleVisible() const override;
    void ConsoleAppend(const QString &entry) override;
    void ConsoleSelectLast() override;
    void ShowSerialError(const QString &description) override;
    void ProcessEvents() override;
    bool PortRestored() override;

    ButtonArray &FuncBut() const { return *funcBut; }
    const QList<QAction *> &FunctionMenuItem() const { return functionMenuItem; }
    ConsolePanel &DebugPanel() const { return *console; }
    QMdiArea &WorkArea() const { return *workArea; }

    QMenu *createPopupMenu() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildBackPanel();
    QDockWidget *AddPanel(QWidget *panel, Qt::DockWidgetArea area, const QString &name);
    void BuildMenus();
    // Keys for what the mouse does on the main window itself.
    void AddKeys();
    void LoadBackground();
    void Open(int index, const FunctionEntry &entry);
    QWidget &AddChild(QWidget *window);
    // Moves a child window that reaches past the visible work area (under the console, or past
    // the main window's edge) back into it, as little as it takes; one that fits stays put.
    void KeepInWorkArea(QWidget &frame) const;
    // Waits until a function window asked to close has unloaded itself (deferred close).
    void AwaitDeferredClose();
    // The open function window that has not unloaded, or null.
    FunctionWindow *OpenFunctionWindow() const;
    // Tells the operator, once for each loss of the port, that the calibrator could not be put
    // into standby because the port is lost.
    void WarnIfNotReleased();

    ProgramState &state;
    MessageBoxes &boxes;
    FunctionContext context;
    QMdiArea *workArea;
    QWidget *backPanel;
    QLabel *backPanelImage;
    ButtonArray *funcBut;
    QList<QAction *> functionMenuItem;
    ConsolePanel *console;
    // Opening a function is an action of the main window: a choice made while another window
    // is still loading (its set-up exchanges service clicks) is not taken.
    ActionQueue opening;
    int warnedLosses = 0;
    bool exiting = false;
};
