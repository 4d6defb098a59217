#include "app/ConsoleModel.h"
#include "app/ConsolePanel.h"
#include "tests/support/FindControl.h"
#include "tests/support/RecordingMessageBoxes.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vk220::app;

class ConsoleSaveTest : public QObject {
    Q_OBJECT
private slots:
    void SavesEveryEntryAndReportsAFailedTarget();
};

void ConsoleSaveTest::SavesEveryEntryAndReportsAFailedTarget() {
    RecordingMessageBoxes boxes;
    ConsolePanel panel(boxes);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("console.txt"));
    panel.chooseSaveFile = [path] {
        return path;
    };
    for (const char *entry : {"p21028923/#Cont.: 1 Ohm", "*0\r\n", "v", "231428*0\r\n"})
        panel.Append(QString::fromLatin1(entry));
    QTest::mouseClick(Find<QPushButton>(&panel, "SaveBut"), Qt::LeftButton);
    QCOMPARE(Find<QPushButton>(&panel, "SaveBut")->text(), QStringLiteral("Save..."));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(),
             QByteArray("p21028923/#Cont.: 1 Ohm\r\n*0\\r\\n\r\nv\r\n231428*0\\r\\n\r\n"));
    QVERIFY(boxes.shown.isEmpty());

    // A folder that is not there, then a folder in the file's place: one box each, and no file
    // is left behind.
    const QString missing = folder.filePath(QStringLiteral("gone/console.txt"));
    QVERIFY(!panel.SaveTo(missing));
    QVERIFY(!QFile::exists(missing));
    const QString taken = folder.filePath(QStringLiteral("taken.txt"));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken.txt")));
    QVERIFY(!panel.SaveTo(taken));
    const auto failure = [](const QString &path, const char *reason) {
        return RecordingMessageBoxes::Exclamation(
            QStringLiteral("Save Console"),
            QStringLiteral("The console could not be saved to %1.\r\r%2")
                .arg(path, QString::fromLatin1(reason)));
    };
    QCOMPARE(boxes.shown,
             QList<RecordingMessageBoxes::Box>({failure(missing, "No such file or directory"),
                                                failure(taken, "Filename refers to a directory")}));
}

QTEST_MAIN(ConsoleSaveTest)
#include "ConsoleSaveTest.moc"
