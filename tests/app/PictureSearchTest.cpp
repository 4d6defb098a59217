#include "app/PictureSearch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vk220::app;

namespace {

const QString Picture = QStringLiteral("MainBG.jpg");

void Place(const QTemporaryDir &folder) {
    QFile file(folder.filePath(Picture));
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class PictureSearchTest : public QObject {
    Q_OBJECT

private slots:
    void foldersInOrder();
    void firstFolderHoldingThePictureWins();
};

void PictureSearchTest::foldersInOrder() {
    const QString program = QCoreApplication::applicationDirPath();
    const QStringList folders = PictureSearch::Folders();
    QCOMPARE(folders.size(), 3);
    QCOMPARE(folders[0], QDir::currentPath());
    QCOMPARE(folders[1], program);
    QCOMPARE(folders[2], QDir::cleanPath(program + QStringLiteral("/../share/vk220-panel")));
}

void PictureSearchTest::firstFolderHoldingThePictureWins() {
    const QTemporaryDir current, beside, installed;
    const QStringList folders{current.path(), beside.path(), installed.path()};
    QVERIFY(PictureSearch::Find(Picture, folders).isEmpty());

    Place(installed);
    QCOMPARE(PictureSearch::Find(Picture, folders), installed.filePath(Picture));
    Place(beside);
    QCOMPARE(PictureSearch::Find(Picture, folders), beside.filePath(Picture));
    // A folder of that name is not a picture.
    QVERIFY(QDir(current.path()).mkdir(Picture));
    QCOMPARE(PictureSearch::Find(Picture, folders), beside.filePath(Picture));
    QVERIFY(QDir(current.path()).rmdir(Picture));
    Place(current);
    QCOMPARE(PictureSearch::Find(Picture, folders), current.filePath(Picture));

    // Without folders given, the search starts in the current folder.
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(current.path()));
    const QString found = PictureSearch::Find(Picture);
    QVERIFY(QDir::setCurrent(before));
    QCOMPARE(found, current.filePath(Picture));
}

QTEST_GUILESS_MAIN(PictureSearchTest)
#include "PictureSearchTest.moc"
