#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// The program's command line: --help and --version. Everything else the program takes from its
// current folder ("Settings.txt", the COMn links, the pictures).
class PanelCommandLine {
public:
    enum class Request { Run, Help, Version, Invalid };

    PanelCommandLine();

    // arguments as in QCoreApplication::arguments(), the program name first. Help and version win
    // over options not known here: before QApplication takes out the window system's own options
    // (-platform, -style, ...) those are still among the arguments.
    Request Read(const QStringList &arguments);

    // Both name the program as QCoreApplication does.
    QString HelpText() const;
    static QString VersionText();
    QString ErrorText() const;

private:
    QCommandLineParser parser;
    const QCommandLineOption help;
    const QCommandLineOption version;
};
