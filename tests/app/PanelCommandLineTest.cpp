#include "PanelCommandLine.h"

#include <QTest>

using Request = PanelCommandLine::Request;

class PanelCommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void requests_data();
    void requests();
    void texts();
};

void PanelCommandLineTest::requests_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Request>("request");
    QTest::newRow("none") << QStringList{} << Request::Run;
    QTest::newRow("--help") << QStringList{"--help"} << Request::Help;
    QTest::newRow("-h") << QStringList{"-h"} << Request::Help;
    QTest::newRow("--version") << QStringList{"--version"} << Request::Version;
    QTest::newRow("-v") << QStringList{"-v"} << Request::Version;
    // Before QApplication has taken its own options out, help still wins over them, and a
    // single-dash word is never read as a bundle holding "h".
    QTest::newRow("window system option, help")
        << QStringList{"-platform", "offscreen", "--help"} << Request::Help;
    QTest::newRow("-stylesheet") << QStringList{"-stylesheet", "a.qss"} << Request::Invalid;
    QTest::newRow("unknown option") << QStringList{"--port", "3"} << Request::Invalid;
    QTest::newRow("stray argument") << QStringList{"COM3"} << Request::Invalid;
}

void PanelCommandLineTest::requests() {
    QFETCH(QStringList, arguments);
    QFETCH(Request, request);
    PanelCommandLine commandLine;
    QCOMPARE(commandLine.Read(QStringList{QStringLiteral("vk220-panel")} + arguments), request);
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
    const QString help = commandLine.HelpText();
    for (const char *option : {"-h, --help", "-v, --version", "Settings.txt"})
        QVERIFY2(help.contains(QLatin1String(option)), option);
}

QTEST_GUILESS_MAIN(PanelCommandLineTest)
#include "PanelCommandLineTest.moc"
