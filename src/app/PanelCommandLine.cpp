#include "app/PanelCommandLine.h"

#include <QCoreApplication>

namespace vk220::app {

namespace {

// The options QGuiApplication, QApplication and the X11 platform take out of the command line
// for themselves (see their documentation), with and without a value.
const QStringList WindowSystemOptionsWithValue{"platform",      "platformpluginpath",
                                               "platformtheme", "plugin",
                                               "qmljsdebugger", "qwindowgeometry",
                                               "qwindowicon",   "qwindowtitle",
                                               "session",       "display",
                                               "geometry",      "title",
                                               "icon",          "name",
                                               "visual",        "style",
                                               "stylesheet"};
const QStringList WindowSystemFlags{"reverse", "widgetcount", "testability",
                                    "sync",    "nograb",      "dograb"};

QCommandLineOption Hidden(const QString &name, bool takesValue) {
    QCommandLineOption option(name);
    if (takesValue)
        option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

} // namespace

PanelCommandLine::PanelCommandLine()
    : help({QStringLiteral("h"), QStringLiteral("help")},
           QStringLiteral("Show this help and exit.")),
      version({QStringLiteral("v"), QStringLiteral("version")},
              QStringLiteral("Show the version and exit.")),
      folder(QStringLiteral("folder"),
             QStringLiteral("Work in <dir> instead of the current folder; it is created when "
                            "missing."),
             QStringLiteral("dir")),
      userFolder(QStringLiteral("user-folder"),
                 QStringLiteral("Work in $XDG_DATA_HOME/vk220-panel (by default "
                                "~/.local/share/vk220-panel), created when missing. The menu "
                                "entry starts the panel so.")),
      results(QStringLiteral("results"),
              QStringLiteral("Keep the results in the SQLite <file>, or on the laboratory's "
                             "PostgreSQL server postgresql://[user@]host[:port]/database"
                             "[?sslmode=...] (the password from libpq's password file or "
                             "environment, never here), instead of lab.conf's \"results\"."),
              QStringLiteral("file-or-url")),
      checkProcedure(QStringLiteral("check-procedure"),
                     QStringLiteral("Check the procedure <file> and any more files named after "
                                    "it, without a display: print each problem, or \"FILE: OK\", "
                                    "and exit with 0 when all are valid, 1 otherwise."),
                     QStringLiteral("file")),
      certificate(QStringLiteral("certificate"),
                  QStringLiteral("Write the certificate <number> again from the results and the "
                                 "laboratory (results.sqlite, lab.conf) kept in the user's data "
                                 "folder, as the PDF file given by --output, without a display; "
                                 "exit with 1 when the number is unknown."),
                  QStringLiteral("number")),
      output(QStringLiteral("output"), QStringLiteral("The PDF file --certificate writes."),
             QStringLiteral("file")),
      procedure(QStringLiteral("procedure"),
                QStringLiteral("Open the procedure runner with the procedure <file> once the "
                               "calibrator is found."),
                QStringLiteral("file")) {
    parser.setApplicationDescription(QStringLiteral(
        "Front panel for the VK220 workstation adapter and the calibrator it is wired to.\n"
        "It works in the current folder, or the one given by --folder or --user-folder:\n"
        "\"Settings.txt\" there holds the port number, a file COMn there (usually a link to a\n"
        "device) is port n, AutoON.dat and AutoRange.dat there keep the terminal window's\n"
        "preferences, and MainBG.jpg and FunctionBG.jpg there replace the installed background\n"
        "pictures. None of these files may be a symbolic link."));
    // Single-dash words are the window system's options, never a bundle of short ones: "-style"
    // must not read as "-h".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(folder);
    parser.addOption(userFolder);
    parser.addOption(results);
    parser.addOption(checkProcedure);
    parser.addOption(certificate);
    parser.addOption(output);
    parser.addOption(procedure);
    for (const QString &name : WindowSystemOptionsWithValue)
        parser.addOption(Hidden(name, true));
    for (const QString &name : WindowSystemFlags)
        parser.addOption(Hidden(name, false));
}

PanelCommandLine::Request PanelCommandLine::Read(const QStringList &arguments) {
    const bool known = parser.parse(arguments);
    conflict.clear();
    if (parser.isSet(help))
        return Request::Help;
    if (parser.isSet(version))
        return Request::Version;
    if (known && parser.isSet(checkProcedure))
        return Request::CheckProcedures;
    if (!known || !parser.positionalArguments().isEmpty())
        return Request::Invalid;
    if (parser.isSet(certificate) != parser.isSet(output)) {
        conflict = QStringLiteral("--certificate and --output go together");
        return Request::Invalid;
    }
    if (parser.isSet(certificate))
        return Request::Certificate;
    if (parser.isSet(folder) && parser.isSet(userFolder)) {
        conflict = QStringLiteral("--folder and --user-folder name two folders; give one");
        return Request::Invalid;
    }
    return Request::Run;
}

QString PanelCommandLine::Folder() const {
    return parser.value(folder);
}

bool PanelCommandLine::UserFolder() const {
    return parser.isSet(userFolder);
}

QString PanelCommandLine::Results() const {
    return parser.value(results);
}

QStringList PanelCommandLine::ProcedureFiles() const {
    return parser.values(checkProcedure) + parser.positionalArguments();
}

QString PanelCommandLine::CertificateNumber() const {
    return parser.value(certificate);
}

QString PanelCommandLine::OutputFile() const {
    return parser.value(output);
}

QString PanelCommandLine::ProcedureFile() const {
    return parser.value(procedure);
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
    if (!conflict.isEmpty())
        return conflict;
    return QStringLiteral("unexpected argument \"%1\"")
        .arg(parser.positionalArguments().constFirst());
}

} // namespace vk220::app
