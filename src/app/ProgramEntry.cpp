#include "Main.h"
#include "PanelCommandLine.h"

#include <QApplication>
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
    // Help and version are answered before the window system is reached, so they work without
    // a display.
    const PanelCommandLine::Request early = commandLine.Read(RawArguments(argc, argv));
    if (early == PanelCommandLine::Request::Help || early == PanelCommandLine::Request::Version) {
        QCoreApplication application(argc, argv);
        const QString text = early == PanelCommandLine::Request::Help
                                 ? commandLine.HelpText()
                                 : PanelCommandLine::VersionText();
        std::printf("%s", qPrintable(text));
        return 0;
    }

    QApplication application(argc, argv);
    if (commandLine.Read(QApplication::arguments()) == PanelCommandLine::Request::Invalid) {
        std::fprintf(stderr, "vk220-panel: %s\nTry 'vk220-panel --help' for more information.\n",
                     qPrintable(commandLine.ErrorText()));
        return 2;
    }
    // Fusion paints button back colours on every platform; the selected choices rely on it.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    return Main(application);
}
