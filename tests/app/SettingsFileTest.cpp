#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class SettingsFileTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ReadsTheFirstField_data();
    void ReadsTheFirstField();
    void MissingFileMeansNoPort();
    void WritesExactlyTheNumberAndALineEnd();

private:
    void Store(const QByteArray &bytes);
    QTemporaryDir *folder = nullptr;
    QString previous;
};

void SettingsFileTest::init() {
    folder = new QTemporaryDir;
    previous = QDir::currentPath();
    QDir::setCurrent(folder->path());
}

void SettingsFileTest::cleanup() {
    QDir::setCurrent(previous);
    delete folder;
}

void SettingsFileTest::Store(const QByteArray &bytes) {
    QFile file(QStringLiteral("Settings.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
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
    QFile file(QStringLiteral("Settings.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("3\r\n"));
}

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
