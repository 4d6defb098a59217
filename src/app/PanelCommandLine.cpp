#include "PanelCommandLine.h"

#include <QCoreApplication>

PanelCommandLine::PanelCommandLine()
    : help({QStringLiteral("h"), QStringLiteral("help")},
           QStringLiteral("Show this help and exit.")),
      version({QStringLiteral("v"), QStringLiteral("version")},
              QStringLiteral("Show the version and exit.")) {
    parser.setApplicationDescription(QStringLiteral(
        "Front panel for the VK220 workstation adapter and the calibrator it is wired to.\n"
        "It works in the current folder: \"Settings.txt\" holds the port number, a file COMn\n"
        "there (usually a link to a device) is port n, and MainBG.jpg and FunctionBG.jpg there\n"
        "replace the installed background pictures."));
    // Single-dash words are the window system's options, never a bundle of short ones: "-style"
    // must not read as "-h".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(help);
    parser.addOption(version);
}

PanelCommandLine::Request PanelCommandLine::Read(const QStringList &arguments) {
    const bool known = parser.parse(arguments);
    if (parser.isSet(help))
        return Request::Help;
    if (parser.isSet(version))
        return Request::Version;
    if (!known || !parser.positionalArguments().isEmpty())
        return Request::Invalid;
    return Request::Run;
}

QString PanelCommandLine::HelpText() const {
    return parser.helpText();
}

QString PanelCommandLine::VersionText() {
    return QCoreApplication::applicationName() + QLatin1Char(' ') +
           QCoreApplication::applicationVersion() + QLatin1Char('\n');
}

QString PanelCommandLine::ErrorText() const {
    if (!parser.errorText().isEmpty())
        return parser.errorText();
    return QStringLiteral("unexpected argument \"%1\"")
        .arg(parser.positionalArguments().constFirst());
}
