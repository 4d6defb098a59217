#include "Main.h"

#include "CalibratorLink.h"
#include "CommPortForm.h"
#include "DetectCalibrator.h"
#include "MainForm.h"
#include "ProgramState.h"
#include "QtMessageBoxes.h"
#include "QtSerialPort.h"
#include "SplashForm.h"
#include "SteadyClock.h"
#include "WorkingFolder.h"

#include <QApplication>

int Main(QApplication &application) {
    SteadyClock clock;
    QtSerialPort port;
    CalibratorLink link(port, clock);
    ProgramState state(link);
    QtMessageBoxes boxes;
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
    return application.exec();
}
