#include "app/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>
#include <system_error>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace vk220::app;

namespace {

enum Fault { WriteRefused, FullFileSystem, ReadOnlyFolder };

QString SystemWords(int code) {
    return QString::fromStdString(std::generic_category().message(code));
}

// What the operator reads when the number cannot be stored in the current folder.
QString Failure(const QString &words) {
    const QString folder = QDir::currentPath();
    return QStringLiteral("Cannot write %1/Settings.txt: %2\r\rThe port number is kept in that "
                          "file: make it and the folder %1 writable for this user, or start the "
                          "panel with --folder and a folder this user may write.")
        .arg(folder, words);
}

// While it lives, no file of this process may grow: every write fails, as root too, while
// creating, truncating and renaming still work.
class NoFileGrowth {
public:
    NoFileGrowth() {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit none = saved;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~NoFileGrowth() { setrlimit(RLIMIT_FSIZE, &saved); }

private:
    rlimit saved;
};

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void ReadsTheFirstField_data();
    void ReadsTheFirstField();
    void MissingFileMeansNoPort();
    void WritesExactlyTheNumberAndALineEnd();
    void NetworkPortIsKeptAsItsAddress();
    void FailedWriteLeavesTheFolderAsItWas_data();
    void FailedWriteLeavesTheFolderAsItWas();
    void LinkIsNeverWrittenThrough();

private:
    void Store(const QByteArray &bytes);
    QByteArray Stored() const;
    QStringList Files() const;
    // Makes the current folder a small file system of its own; false where this may not mount.
    bool MountSmallFileSystem();
    QTemporaryDir *folder = nullptr;
    QString previous;
    QString mountPoint;
};

void SettingsFileTest::initTestCase() {
    // Mounts made by this test stay in a namespace of its own where it may have one, so that a
    // test that stops midway leaves none behind.
    if (unshare(CLONE_NEWNS) == 0)
        mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
}

void SettingsFileTest::init() {
    folder = new QTemporaryDir;
    previous = QDir::currentPath();
    QDir::setCurrent(folder->path());
}

void SettingsFileTest::cleanup() {
    QDir::setCurrent(previous);
    QFile::setPermissions(folder->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!mountPoint.isEmpty())
        umount2(QFile::encodeName(mountPoint).constData(), MNT_DETACH);
    mountPoint.clear();
    delete folder;
}

void SettingsFileTest::Store(const QByteArray &bytes) {
    QFile file(QStringLiteral("Settings.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray SettingsFileTest::Stored() const {
    QFile file(QStringLiteral("Settings.txt"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList SettingsFileTest::Files() const {
    return QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

bool SettingsFileTest::MountSmallFileSystem() {
    const QString path = folder->filePath(QStringLiteral("mounted"));
    if (!QDir().mkdir(path) ||
        mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0, "size=16k") != 0)
        return false;
    mountPoint = path;
    return QDir::setCurrent(path);
}

void SettingsFileTest::ReadsTheFirstField_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("port");
    QTest::newRow("stored") << QByteArray("3\r\n") << 3;
    QTest::newRow("no line end") << QByteArray("12") << 12;
    QTest::newRow("quoted with more fields") << QByteArray("\"7\",9\r\n") << 7;
    QTest::newRow("blanks") << QByteArray("  4 \r\n") << 4;
    QTest::newRow("thousand lines") << QByteArray("5\r\n").repeated(1000) << 5;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("letter") << QByteArray("x\r\n") << 0;
    QTest::newRow("zero") << QByteArray("0\r\n") << 0;
    QTest::newRow("negative") << QByteArray("-3\r\n") << 0;
    QTest::newRow("too large") << QByteArray("99999999999\r\n") << 0;
    QTest::newRow("binary") << QByteArray("\x00\xff\x01\x80", 4) << 0;
    QTest::newRow("line end first") << QByteArray("\r\n3\r\n") << 0;
}

void SettingsFileTest::ReadsTheFirstField() {
    QFETCH(QByteArray, content);
    QFETCH(int, port);
    Store(content);
    QCOMPARE(SettingsFile::ReadPortNumber(), port);
}

void SettingsFileTest::MissingFileMeansNoPort() {
    QCOMPARE(SettingsFile::ReadPortNumber(), 0);
}

void SettingsFileTest::WritesExactlyTheNumberAndALineEnd() {
    Store("99999 and some old text that is longer\r\n");
    QVERIFY(SettingsFile::WritePortNumber(3));
    QCOMPARE(Stored(), QByteArray("3\r\n"));
    QCOMPARE(Files(), QStringList{QStringLiteral("Settings.txt")});
}

// A network port stands on the line as its address; a number reads as it always has.
void SettingsFileTest::NetworkPortIsKeptAsItsAddress() {
    QVERIFY(SettingsFile::WritePortName(QStringLiteral("rfc2217://bench-2:2217")));
    QCOMPARE(Stored(), QByteArray("rfc2217://bench-2:2217\r\n"));
    QCOMPARE(SettingsFile::ReadPortName(), QStringLiteral("rfc2217://bench-2:2217"));
    QCOMPARE(SettingsFile::ReadPortNumber(), 0);
    Store("\"tcp://10.0.0.7:4001\",9\r\n");
    QCOMPARE(SettingsFile::ReadPortName(), QStringLiteral("tcp://10.0.0.7:4001"));
    Store("  4 \r\n");
    QCOMPARE(SettingsFile::ReadPortName(), QStringLiteral("4"));
    Store("tcp://no-port\r\n");
    QCOMPARE(SettingsFile::ReadPortName(), QString());
}

void SettingsFileTest::FailedWriteLeavesTheFolderAsItWas_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<QByteArray>("old");
    QTest::newRow("write refused, old file") << int(WriteRefused) << QByteArray("9\r\n");
    QTest::newRow("write refused, no file") << int(WriteRefused) << QByteArray();
    QTest::newRow("full file system, old file") << int(FullFileSystem) << QByteArray("9\r\n");
    QTest::newRow("full file system, no file") << int(FullFileSystem) << QByteArray();
    QTest::newRow("read-only folder, old file") << int(ReadOnlyFolder) << QByteArray("9\r\n");
}

void SettingsFileTest::FailedWriteLeavesTheFolderAsItWas() {
    QFETCH(int, fault);
    QFETCH(QByteArray, old);
    // Root writes whatever the permission bits say: its folder is made read-only by mounting.
    const bool root = geteuid() == 0;
    if ((fault == FullFileSystem || (fault == ReadOnlyFolder && root)) && !MountSmallFileSystem())
        QSKIP("this process may not mount a small file system");
    if (!old.isEmpty())
        Store(old);
    std::optional<NoFileGrowth> noGrowth;
    int expected = 0;
    switch (fault) {
    case WriteRefused:
        noGrowth.emplace();
        expected = EFBIG;
        break;
    case FullFileSystem: {
        QFile filler(QStringLiteral("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        expected = ENOSPC;
        break;
    }
    case ReadOnlyFolder:
        if (root)
            QCOMPARE(mount(nullptr, QFile::encodeName(mountPoint).constData(), nullptr,
                           MS_REMOUNT | MS_RDONLY, nullptr),
                     0);
        else
            QVERIFY(QFile::setPermissions(QDir::currentPath(), QFile::ReadOwner | QFile::ExeOwner));
        expected = root ? EROFS : EACCES;
        break;
    }
    const QStringList before = Files();

    QString failure;
    QVERIFY(!SettingsFile::WritePortNumber(3, &failure));
    noGrowth.reset();
    QCOMPARE(failure, Failure(SystemWords(expected)));
    QCOMPARE(Files(), before);
    QCOMPARE(Stored(), old);
}

void SettingsFileTest::LinkIsNeverWrittenThrough() {
    QFile target(QStringLiteral("elsewhere"));
    QVERIFY(target.open(QIODevice::WriteOnly));
    target.write("keep\n");
    target.close();
    QVERIFY(QFile::link(QStringLiteral("elsewhere"), QStringLiteral("Settings.txt")));
    QString failure;
    QVERIFY(!SettingsFile::WritePortNumber(3, &failure));
    QCOMPARE(failure, QStringLiteral("Cannot write %1/Settings.txt: it is a symbolic link to "
                                     "%1/elsewhere, and the panel never writes through a "
                                     "link.\r\rRemove the link, then choose the port again.")
                          .arg(QDir::currentPath()));
    QVERIFY(target.open(QIODevice::ReadOnly));
    QCOMPARE(target.readAll(), QByteArray("keep\n"));
    QCOMPARE(QFile::symLinkTarget(QStringLiteral("Settings.txt")),
             QDir::current().filePath(QStringLiteral("elsewhere")));
    QCOMPARE(Files(), (QStringList{"elsewhere", "Settings.txt"}));
}

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
