#include "app/Main.h"
#include "app/PanelCommandLine.h"
#include "app/PanelIdentity.h"
#include "app/WorkingFolder.h"
#include "procedures/ProcedureCheck.h"
#include "results/CertificateReprint.h"
#include "results/LabSettings.h"
#include "results/ResultStore.h"
#include "results/StoreLocation.h"

#include <QApplication>
#include <QFileInfo>
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

// Writes a certificate again from the results and the laboratory in the user's data folder.
// The PDF is painted by Qt Gui, which needs a platform: the offscreen one, which needs no display.
int ReprintCertificate(const vk220::app::PanelCommandLine &commandLine, int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QString problem;
    if (vk220::results::ReprintCertificate(commandLine.CertificateNumber(),
                                           commandLine.OutputFile(),
                                           vk220::results::ResultStore::DefaultPath(),
                                           vk220::results::DefaultLabSettingsPath(), &problem))
        return 0;
    std::fprintf(stderr, "vk220-panel: %s\n", qPrintable(problem));
    return 1;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("vk220-panel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VK220_VERSION));
    vk220::app::PanelCommandLine commandLine;
    // The command line is answered before the window system is reached, so that help, version,
    // the procedure check and a wrong command line work without a display.
    const vk220::app::PanelCommandLine::Request request =
        commandLine.Read(RawArguments(argc, argv));
    if (!commandLine.Results().isEmpty())
        vk220::results::ChooseResults(commandLine.Results());
    if (request == vk220::app::PanelCommandLine::Request::Certificate)
        return ReprintCertificate(commandLine, argc, argv);
    if (request != vk220::app::PanelCommandLine::Request::Run) {
        QCoreApplication application(argc, argv);
        if (request == vk220::app::PanelCommandLine::Request::Invalid) {
            std::fprintf(stderr, "vk220-panel: %s\n\n%s", qPrintable(commandLine.ErrorText()),
                         qPrintable(commandLine.HelpText()));
            return 2;
        }
        if (request == vk220::app::PanelCommandLine::Request::CheckProcedures) {
            const vk220::procedures::ProcedureCheckReport report =
                vk220::procedures::CheckProcedureFiles(commandLine.ProcedureFiles());
            for (const QString &line : report.lines)
                std::printf("%s\n", qPrintable(line));
            return report.allValid ? 0 : 1;
        }
        const QString text = request == vk220::app::PanelCommandLine::Request::Help
                                 ? commandLine.HelpText()
                                 : vk220::app::PanelCommandLine::VersionText();
        std::printf("%s", qPrintable(text));
        return 0;
    }

    const QString rootWarning = vk220::app::WorkingFolder::RootWarning();
    if (!rootWarning.isEmpty())
        std::fprintf(stderr, "vk220-panel: %s\n", qPrintable(rootWarning));
    const QString folder =
        commandLine.UserFolder()
            ? vk220::app::WorkingFolder::UserFolder(QProcessEnvironment::systemEnvironment())
            : commandLine.Folder();
    // Named from where the program was started, before it enters its folder.
    const QString procedure = commandLine.ProcedureFile().isEmpty()
                                  ? QString()
                                  : QFileInfo(commandLine.ProcedureFile()).absoluteFilePath();
    QString failure;
    if (!folder.isEmpty() && !vk220::app::WorkingFolder::Enter(folder, &failure)) {
        std::fprintf(stderr, "vk220-panel: %s\n", qPrintable(failure));
        return 1;
    }

    QApplication application(argc, argv);
    vk220::app::PanelIdentity::Apply();
    // Fusion paints button back colours on every platform; the selected choices rely on it.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    return vk220::app::Main(application, procedure);
}
