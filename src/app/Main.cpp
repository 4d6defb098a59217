#include "app/Main.h"

#include "app/CommPortForm.h"
#include "app/DetectCalibrator.h"
#include "app/FunctionTable.h"
#include "app/MainForm.h"
#include "app/SplashForm.h"
#include "app/WorkingFolder.h"
#include "link/CalibratorLink.h"
#include "link/SelectedPort.h"
#include "link/SteadyClock.h"
#include "runner/RunnerFunction.h"
#include "runner/Workstation.h"
#include "ui/QtMessageBoxes.h"
#include "ui/logic/ProgramState.h"

#include <QApplication>

namespace vk220::app {

int Main(QApplication &application, const QString &procedure) {
    link::SteadyClock clock;
    link::SelectedPort port;
    link::CalibratorLink link(port, clock);
    ui::ProgramState state(link);
    ui::QtMessageBoxes boxes;
    if (!WorkingFolder::CheckOwnFiles(boxes))
        return 1;

    {
        SplashForm splash;
        splash.show();
        splash.repaint();
        QApplication::processEvents();
        clock.Pause(2);
    }

    MainForm main(state, boxes);
    boxes.SetParent(&main);
    const AskPort askPort = [&](const QString &message) {
        CommPortForm dialog(link, boxes, &main);
        dialog.SetMessage(message);
        dialog.exec();
        return !dialog.ExitChosen();
    };
    if (!DetectCalibrator(link, main, askPort) || main.IsExiting())
        return 0;
    main.show();
    runner::Workstation &workstation = state.Kept<runner::Workstation>();
    workstation.pendingProcedure = procedure;
    workstation.NoticesTo(boxes);
    if (!procedure.isEmpty() || workstation.HasOpenRun())
        main.OpenFunction(FunctionTable::IndexOf(runner::RunnerFunction().code));
    return application.exec();
}

} // namespace vk220::app
