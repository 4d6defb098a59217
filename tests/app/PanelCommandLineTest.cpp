#include "app/PanelCommandLine.h"
#include "app/WorkingFolder.h"
#include "tests/support/ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace vk220::app;

using Request = PanelCommandLine::Request;

class PanelCommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void requests_data();
    void requests();
    void folders();
    void procedureFiles();
    void texts();
    void WrongCommandLineIsAnsweredWithoutADisplay();
};

void PanelCommandLineTest::requests_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Request>("request");
    QTest::newRow("none") << QStringList{} << Request::Run;
    QTest::newRow("--help") << QStringList{"--help"} << Request::Help;
    QTest::newRow("-h") << QStringList{"-h"} << Request::Help;
    QTest::newRow("--version") << QStringList{"--version"} << Request::Version;
    QTest::newRow("-v") << QStringList{"-v"} << Request::Version;
    // The window system's options are still among the arguments: they are its own, not wrong,
    // and a single-dash word is never read as a bundle holding "h".
    QTest::newRow("window system option, help")
        << QStringList{"-platform", "offscreen", "--help"} << Request::Help;
    QTest::newRow("window system options")
        << QStringList{"-platform", "offscreen", "-style=fusion", "-stylesheet",
                       "a.qss",     "-reverse",  "-display",      ":1"}
        << Request::Run;
    QTest::newRow("--folder") << QStringList{"--folder", "/tmp/lab"} << Request::Run;
    QTest::newRow("--folder without a folder") << QStringList{"--folder"} << Request::Invalid;
    QTest::newRow("--user-folder") << QStringList{"--user-folder"} << Request::Run;
    QTest::newRow("both folders") << QStringList{"--folder", "a", "--user-folder"}
                                  << Request::Invalid;
    QTest::newRow("unknown option") << QStringList{"--port", "3"} << Request::Invalid;
    QTest::newRow("stray argument") << QStringList{"COM3"} << Request::Invalid;
    QTest::newRow("--check-procedure")
        << QStringList{"--check-procedure", "a.yaml"} << Request::CheckProcedures;
    QTest::newRow("--check-procedure without a file")
        << QStringList{"--check-procedure"} << Request::Invalid;
    QTest::newRow("--check-procedure, --help")
        << QStringList{"--check-procedure", "a.yaml", "-h"} << Request::Help;
    QTest::newRow("--certificate")
        << QStringList{"--certificate", "VK-2026-0001", "--output", "c.pdf"}
        << Request::Certificate;
    QTest::newRow("--certificate without --output")
        << QStringList{"--certificate", "VK-2026-0001"} << Request::Invalid;
    QTest::newRow("--output without --certificate")
        << QStringList{"--output", "c.pdf"} << Request::Invalid;
}

void PanelCommandLineTest::requests() {
    QFETCH(QStringList, arguments);
    QFETCH(Request, request);
    PanelCommandLine commandLine;
    QCOMPARE(commandLine.Read(QStringList{QStringLiteral("vk220-panel")} + arguments), request);
}

void PanelCommandLineTest::folders() {
    PanelCommandLine commandLine;
    commandLine.Read({"vk220-panel", "--folder", "/tmp/lab"});
    QCOMPARE(commandLine.Folder(), QStringLiteral("/tmp/lab"));
    QVERIFY(!commandLine.UserFolder());
    commandLine.Read({"vk220-panel", "--user-folder"});
    QCOMPARE(commandLine.Folder(), QString());
    QVERIFY(commandLine.UserFolder());
}

// The files after --check-procedure are all checked, in the order given.
void PanelCommandLineTest::procedureFiles() {
    PanelCommandLine commandLine;
    QCOMPARE(commandLine.Read({"vk220-panel", "--check-procedure", "a.yaml", "b.yaml", "c.yaml"}),
             Request::CheckProcedures);
    QCOMPARE(commandLine.ProcedureFiles(), (QStringList{"a.yaml", "b.yaml", "c.yaml"}));
}

void PanelCommandLineTest::texts() {
    QCoreApplication::setApplicationName(QStringLiteral("vk220-panel"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.40"));
    QCOMPARE(PanelCommandLine::VersionText(), QStringLiteral("vk220-panel 2.40\n"));

    PanelCommandLine commandLine;
    commandLine.Read({QStringLiteral("vk220-panel"), QStringLiteral("--port")});
    QCOMPARE(commandLine.ErrorText(), QStringLiteral("Unknown option 'port'."));
    commandLine.Read({QStringLiteral("vk220-panel"), QStringLiteral("COM3")});
    QCOMPARE(commandLine.ErrorText(), QStringLiteral("unexpected argument \"COM3\""));
    commandLine.Read({"vk220-panel", "--folder", "a", "--user-folder"});
    QCOMPARE(commandLine.ErrorText(),
             QStringLiteral("--folder and --user-folder name two folders; give one"));
    const QString help = commandLine.HelpText();
    for (const char *option : {"-h, --help", "-v, --version", "--folder <dir>", "--user-folder",
                               "Settings.txt", "--check-procedure <file>"})
        QVERIFY2(help.contains(QLatin1String(option)), option);
    QVERIFY2(!help.contains(QLatin1String("platform")), qPrintable(help));
}

// The program itself, with no display at all: the command line is answered before the window
// system would be needed (which would abort the program).
void PanelCommandLineTest::WrongCommandLineIsAnsweredWithoutADisplay() {
    QTemporaryDir folder;
    QProcess panel;
    QProcessEnvironment environment = EnvironmentWithoutDisplay();
    panel.setProcessEnvironment(environment);
    panel.setWorkingDirectory(folder.path());

    panel.start(QStringLiteral(PANEL_PATH), {QStringLiteral("foo")});
    QVERIFY(panel.waitForFinished(30000));
    QCOMPARE(panel.exitStatus(), QProcess::NormalExit);
    QCOMPARE(panel.exitCode(), 2);
    const QString said = QString::fromLocal8Bit(panel.readAllStandardError());
    QVERIFY2(said.startsWith(QStringLiteral("vk220-panel: unexpected argument \"foo\"\n\nUsage: ")),
             qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("--user-folder")), qPrintable(said));
    QCOMPARE(panel.readAllStandardOutput(), QByteArray());

    // A folder that cannot be made stops the program before it needs a display, too.
    const QString blocked = folder.filePath(QStringLiteral("file/inside"));
    QFile file(folder.filePath(QStringLiteral("file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    panel.start(QStringLiteral(PANEL_PATH), {QStringLiteral("--folder"), blocked});
    QVERIFY(panel.waitForFinished(30000));
    QCOMPARE(panel.exitCode(), 1);
    // Run as root, it says so first.
    const QString warning = WorkingFolder::RootWarning();
    QCOMPARE(QString::fromLocal8Bit(panel.readAllStandardError()),
             (warning.isEmpty() ? QString() : QStringLiteral("vk220-panel: %1\n").arg(warning)) +
                 QStringLiteral("vk220-panel: cannot create the folder %1: Not a directory\n")
                     .arg(blocked));
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{QStringLiteral("file")});
}

QTEST_GUILESS_MAIN(PanelCommandLineTest)
#include "PanelCommandLineTest.moc"
