#include "app/WorkingFolder.h"
#include "tests/support/RecordingMessageBoxes.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace vk220::app;

class WorkingFolderTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void UserFolderFollowsTheBaseDirectoryRules_data();
    void UserFolderFollowsTheBaseDirectoryRules();
    void EnterCreatesTheFolder();
    void OwnFilesAsLinksStopThePanel_data();
    void OwnFilesAsLinksStopThePanel();
    void RootIsWarned();

private:
    QTemporaryDir *folder = nullptr;
    QString previous;
};

void WorkingFolderTest::init() {
    folder = new QTemporaryDir;
    previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder->path()));
}

void WorkingFolderTest::cleanup() {
    QDir::setCurrent(previous);
    delete folder;
}

void WorkingFolderTest::UserFolderFollowsTheBaseDirectoryRules_data() {
    QTest::addColumn<QString>("dataHome");
    QTest::addColumn<QString>("expected");
    QTest::newRow("set") << "/srv/data/"
                         << "/srv/data/vk220-panel";
    QTest::newRow("unset") << "<unset>"
                           << "/home/op/.local/share/vk220-panel";
    QTest::newRow("empty") << ""
                           << "/home/op/.local/share/vk220-panel";
    QTest::newRow("relative, ignored") << "data"
                                       << "/home/op/.local/share/vk220-panel";
}

void WorkingFolderTest::UserFolderFollowsTheBaseDirectoryRules() {
    QFETCH(QString, dataHome);
    QFETCH(QString, expected);
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("HOME"), QStringLiteral("/home/op"));
    if (dataHome != QLatin1String("<unset>"))
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    QCOMPARE(WorkingFolder::UserFolder(environment), expected);
}

void WorkingFolderTest::EnterCreatesTheFolder() {
    QString failure;
    QVERIFY(WorkingFolder::Enter(QStringLiteral("data/vk220-panel"), &failure));
    QCOMPARE(QDir::currentPath(), folder->filePath(QStringLiteral("data/vk220-panel")));
    QVERIFY(failure.isEmpty());
    // Entering an existing folder changes nothing in it.
    QVERIFY(WorkingFolder::Enter(folder->path(), &failure));
    QCOMPARE(QDir::currentPath(), folder->path());

    QFile file(QStringLiteral("plain"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(!WorkingFolder::Enter(QStringLiteral("plain"), &failure));
    QCOMPARE(failure, QStringLiteral("%1 is a file, not a folder")
                          .arg(folder->filePath(QStringLiteral("plain"))));
    QVERIFY(!WorkingFolder::Enter(QStringLiteral("plain/inside"), &failure));
    QCOMPARE(failure, QStringLiteral("cannot create the folder %1: Not a directory")
                          .arg(folder->filePath(QStringLiteral("plain/inside"))));
    QCOMPARE(QDir::currentPath(), folder->path());

    if (geteuid() == 0)
        return; // root enters any folder
    QVERIFY(QDir().mkdir(QStringLiteral("closed")));
    QVERIFY(QFile::setPermissions(QStringLiteral("closed"), QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(!WorkingFolder::Enter(QStringLiteral("closed"), &failure));
    QCOMPARE(failure, QStringLiteral("cannot work in the folder %1: this user may not enter it")
                          .arg(folder->filePath(QStringLiteral("closed"))));
}

void WorkingFolderTest::OwnFilesAsLinksStopThePanel_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("target");
    QTest::newRow("Settings.txt") << "Settings.txt"
                                  << "/etc/passwd";
    QTest::newRow("AutoON.dat, leading nowhere") << "AutoON.dat"
                                                 << "/etc/vk220-not-there";
    QTest::newRow("AutoRange.dat") << "AutoRange.dat"
                                   << "/etc/hostname";
}

void WorkingFolderTest::OwnFilesAsLinksStopThePanel() {
    QFETCH(QString, name);
    QFETCH(QString, target);
    QCOMPARE(WorkingFolder::OwnFiles(),
             (QStringList{"Settings.txt", "AutoON.dat", "AutoRange.dat"}));
    RecordingMessageBoxes boxes;
    // Plain files are the panel's own: nothing to say.
    for (const QString &own : WorkingFolder::OwnFiles()) {
        QFile file(own);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(WorkingFolder::CheckOwnFiles(boxes));
    QVERIFY(boxes.shown.isEmpty());

    QVERIFY(QFile::remove(name));
    QVERIFY(QFile::link(target, name));
    QVERIFY(!WorkingFolder::CheckOwnFiles(boxes));
    QCOMPARE(boxes.shown,
             QList<RecordingMessageBoxes::Box>{RecordingMessageBoxes::Exclamation(
                 QStringLiteral("Working Folder"),
                 QStringLiteral("%1 is a symbolic link to %2.\r\rThe panel never reads or writes "
                                "its files through a link, which could change the file linked "
                                "to. Remove the link (the panel makes a plain file in its "
                                "place), then start the panel again.")
                     .arg(folder->filePath(name), target))});
}

void WorkingFolderTest::RootIsWarned() {
    const QString expected =
        geteuid() == 0
            ? QStringLiteral("warning: running as root, so its files are written as root. The "
                             "serial ports need no root: add the user to the dialout group (sudo "
                             "usermod -aG dialout USER), log in again and start the panel as "
                             "that user.")
            : QString();
    QCOMPARE(WorkingFolder::RootWarning(), expected);
}

QTEST_GUILESS_MAIN(WorkingFolderTest)
#include "WorkingFolderTest.moc"
