#include "Main.h"
#include "PanelCommandLine.h"
#include "PanelIdentity.h"
#include "ProcedureCheck.h"
#include "WorkingFolder.h"

#include <QApplication>
#include <QProcessEnvironment>
#include <QStyleFactory>

#include <cstdio>

namespace {

QStringList RawArguments(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("vk220-panel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VK220_VERSION));
    PanelCommandLine commandLine;
    // The command line is answered before the window system is reached, so that help, version,
    // the procedure check and a wrong command line work without a display.
    const PanelCommandLine::Request request = commandLine.Read(RawArguments(argc, argv));
    if (request != PanelCommandLine::Request::Run) {
        QCoreApplication application(argc, argv);
        if (request == PanelCommandLine::Request::Invalid) {
            std::fprintf(stderr, "vk220-panel: %s\n\n%s", qPrintable(commandLine.ErrorText()),
                         qPrintable(commandLine.HelpText()));
            return 2;
        }
        if (request == PanelCommandLine::Request::CheckProcedures) {
            const ProcedureCheckReport report = CheckProcedureFiles(commandLine.ProcedureFiles());
            for (const QString &line : report.lines)
                std::printf("%s\n", qPrintable(line));
            return report.allValid ? 0 : 1;
        }
        const QString text = request == PanelCommandLine::Request::Help
                                 ? commandLine.HelpText()
                                 : PanelCommandLine::VersionText();
        std::printf("%s", qPrintable(text));
        return 0;
    }

    const QString rootWarning = WorkingFolder::RootWarning();
    if (!rootWarning.isEmpty())
        std::fprintf(stderr, "vk220-panel: %s\n", qPrintable(rootWarning));
    const QString folder = commandLine.UserFolder()
                               ? WorkingFolder::UserFolder(QProcessEnvironment::systemEnvironment())
                               : commandLine.Folder();
    QString failure;
    if (!folder.isEmpty() && !WorkingFolder::Enter(folder, &failure)) {
        std::fprintf(stderr, "vk220-panel: %s\n", qPrintable(failure));
        return 1;
    }

    QApplication application(argc, argv);
    PanelIdentity::Apply();
    // Fusion paints button back colours on every platform; the selected choices rely on it.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    return Main(application);
}
