#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace vk220::app {

// The program's command line: --help, --version, --check-procedure FILE... (checks procedure
// files and exits), --certificate NUMBER --output FILE.pdf (writes a certificate again and exits)
// --procedure FILE (opens the procedure runner with a file) and the folder to work in (--folder
// DIR, or --user-folder for the user's data folder, which the menu entry uses). Everything else the
// program takes from that folder
// ("Settings.txt", the COMn links, the pictures).
class PanelCommandLine {
public:
    enum class Request { Run, Help, Version, CheckProcedures, Certificate, Invalid };

    PanelCommandLine();

    // arguments as in main's argv, the program name first. It is read before QApplication
    // exists, so that a wrong command line is answered without a display: the window system's own
    // options (-platform, -style, ...), which QApplication takes out later, are known here too.
    // Help and version win over everything else. With --check-procedure every argument that is
    // no option is one more file to check, not a stray argument.
    Request Read(const QStringList &arguments);

    // The folder given with --folder; empty without it.
    QString Folder() const;
    // Whether --user-folder was given.
    bool UserFolder() const;
    // Where the results are kept for this session (--results: an SQLite file or the laboratory's
    // postgresql:// server); empty without it.
    QString Results() const;
    // The files to check: the value of each --check-procedure and every argument that is no
    // option.
    QStringList ProcedureFiles() const;
    // The certificate to write again and the PDF file to write it to.
    QString CertificateNumber() const;
    QString OutputFile() const;
    // The procedure file the runner opens with once the calibrator is found; empty without one.
    QString ProcedureFile() const;

    // Both name the program as QCoreApplication does.
    QString HelpText() const;
    static QString VersionText();
    QString ErrorText() const;

private:
    QCommandLineParser parser;
    const QCommandLineOption help;
    const QCommandLineOption version;
    const QCommandLineOption folder;
    const QCommandLineOption userFolder;
    const QCommandLineOption results;
    const QCommandLineOption checkProcedure;
    const QCommandLineOption certificate;
    const QCommandLineOption output;
    const QCommandLineOption procedure;
    QString conflict;
};

} // namespace vk220::app
