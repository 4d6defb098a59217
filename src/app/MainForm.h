#pragma once

#include "app/ConsoleSide.h"
#include "app/DetectCalibrator.h"
#include "app/FunctionArea.h"
#include "app/MainStatusBar.h"

#include <QList>
#include <QMainWindow>

class QAction;
class QDockWidget;
class QLabel;
class QMenu;

namespace vk220::ui {
class ButtonArray;
class MessageBoxes;
struct ProgramState;
} // namespace vk220::ui

namespace vk220::app {

class ConsolePanel;
class ProgForm;

// The program's frame: the function buttons on the left, the Function and About menus, the work
// area in the middle (FunctionArea), the console on the right (ConsoleSide) and the status bar
// below (MainStatusBar).
class MainForm final : public QMainWindow, public StartUpWindow {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("VK220 Workstation Virtual Front Panel");

    MainForm(ui::ProgramState &state, ui::MessageBoxes &boxes);

    // Opens row `index` of the function table, as its button and its menu item do.
    void OpenFunction(int index);
    // Shows or hides the console, as a double click on the empty work area does.
    void ToggleConsole();
    void ShowAbout();
    ProgForm *ShowProgress(const QString &title) override;
    void AppendPortToTitle(const QString &port) override;
    // True once the exit sequence has run (the operator may exit while start-up still runs).
    bool IsExiting() const { return exiting; }

    ConsoleSide &Console() { return console; }

    // The menu of a right click on the menu bar: the console, shown or hidden.
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
    // Enables or disables every available function button and menu item; a disabled button's
    // tooltip names the window to close first.
    void EnableChoice(bool enabled);

    // Made first: the work area and the console report to it.
    MainStatusBar *status;
    FunctionArea *workArea;
    ConsoleSide console;
    QWidget *backPanel;
    QLabel *backPanelImage;
    ui::ButtonArray *funcBut;
    QList<QAction *> functionMenuItem;
    bool exiting = false;
};

} // namespace vk220::app
