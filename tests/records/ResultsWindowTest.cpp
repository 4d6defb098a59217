#include "records/ResultsWindow.h"
#include "records/RunListModel.h"
#include "results/StoreLocation.h"
#include "tests/results/RunFixtures.h"
#include "tests/support/FindControl.h"
#include "tests/support/RecordingMessageBoxes.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace vk220::records;
using namespace vk220::results;
using namespace RunFixtures;

class ResultsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void ListsAndFiltersTheCalibrations();
    void OpensReprintsAndExportsTheSelectedOne();

private:
    void Fill(ResultStore &store);
    QTemporaryDir folder;
};

namespace {

// A stored run of S-<n> for `customer`, started on `started`'s day at 09:00 UTC, with `count`
// points as found, the last one failing when `fails`; completed (as VK-2026-000n) when `complete`.
void Store(ResultStore &store, int n, const QString &customer, const QDate &started, int count,
           bool fails, bool complete) {
    CalibrationRun run = Run(QStringLiteral("S-%1").arg(n));
    run.uut.customer = customer;
    run.started = QDateTime(started, QTime(9, 0), Qt::UTC);
    QString problem;
    const qint64 id = store.StartRun(run, &problem);
    for (int i = 0; i < count; ++i)
        QVERIFY2(store.RecordPoint(id,
                                   Judge(Point(), i, Phase::AsFound,
                                         fails && i == count - 1 ? 0.0102 : 0.01005, At(i)),
                                   &problem),
                 qPrintable(problem));
    if (complete)
        QVERIFY2(!store.Complete(id, At(30), QStringLiteral("VK"), &problem).isEmpty(),
                 qPrintable(problem));
}

// The serials the list shows, top to bottom.
QStringList Shown(const ResultsWindow &window) {
    const QAbstractItemModel *model = Find<QTableView>(&window, "ResultsList")->model();
    QStringList serials;
    for (int row = 0; row < model->rowCount(); ++row)
        serials.append(model->index(row, RunListModel::Serial).data().toString());
    return serials;
}

void Select(ResultsWindow &window, const QString &serial) {
    auto *list = Find<QTableView>(&window, "ResultsList");
    list->selectRow(static_cast<int>(Shown(window).indexOf(serial)));
}

QString PdfText(const QString &path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return QStringLiteral("pdftotext failed: ") + pdftotext.readAllStandardError();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace

// VK-2026-0001 is S-1's (PASS), 0002 S-2's (FAIL); S-3 is still open.
void ResultsWindowTest::Fill(ResultStore &store) {
    Store(store, 1, "Harbour Water Ltd", QDate(2026, 12, 10), 3, false, true);
    Store(store, 2, "Northfield Mills", QDate(2026, 11, 2), 2, true, true);
    Store(store, 3, "Harbour Water Ltd", QDate(2026, 10, 5), 1, false, false);
}

// Each field narrows the list through the store, latest first; the status line counts the rows.
void ResultsWindowTest::ListsAndFiltersTheCalibrations() {
    ResultStore store(folder.filePath(QStringLiteral("filter.sqlite")));
    QString problem;
    QVERIFY2(store.Open(&problem), qPrintable(problem));
    Fill(store);
    ResultsWindow window(store, LabSettings());
    const QStringList all{"S-1", "S-2", "S-3"};
    QCOMPARE(Shown(window), all);
    QCOMPARE(Find<QLabel>(&window, "ResultsStatus")->text(), QStringLiteral("3 calibrations"));
    // Each run with the bench it was taken on.
    QCOMPARE(
        Find<QTableView>(&window, "ResultsList")->model()->index(0, RunListModel::Bench).data(),
        vk220::results::BenchName());

    auto *findBut = Find<QPushButton>(&window, "FindRuns");
    Find<QLineEdit>(&window, "SerialFilter")->setText("S-2");
    findBut->click();
    QCOMPARE(Shown(window), QStringList{"S-2"});
    QCOMPARE(Find<QLabel>(&window, "ResultsStatus")->text(), QStringLiteral("1 calibration"));
    Find<QPushButton>(&window, "ClearFilter")->click();
    QCOMPARE(Shown(window), all);
    QTest::keyClicks(Find<QLineEdit>(&window, "AssetFilter"), "A-S-3");
    QTest::keyClick(Find<QLineEdit>(&window, "AssetFilter"), Qt::Key_Return);
    QCOMPARE(Shown(window), QStringList{"S-3"});
    Find<QPushButton>(&window, "ClearFilter")->click();
    Find<QLineEdit>(&window, "CustomerFilter")->setText("Harbour Water Ltd");
    findBut->click();
    QCOMPARE(Shown(window), (QStringList{"S-1", "S-3"}));

    auto *verdict = Find<QComboBox>(&window, "VerdictFilter");
    verdict->setCurrentText("PASS");
    QCOMPARE(Shown(window), QStringList{"S-1"});
    Find<QPushButton>(&window, "ClearFilter")->click();
    verdict->setCurrentText("FAIL");
    QCOMPARE(Shown(window), QStringList{"S-2"});
    Find<QPushButton>(&window, "ClearFilter")->click();

    Find<QDateEdit>(&window, "FromDate")->setDate(QDate(2026, 11, 2));
    QCOMPARE(Shown(window), (QStringList{"S-1", "S-2"}));
    Find<QDateEdit>(&window, "ToDate")->setDate(QDate(2026, 11, 2)); // the day included
    QCOMPARE(Shown(window), QStringList{"S-2"});
    Find<QDateEdit>(&window, "FromDate")->setDate(QDate(2000, 1, 1)); // "any"
    QCOMPARE(Find<QDateEdit>(&window, "FromDate")->text(), QStringLiteral("any"));
    QCOMPARE(Shown(window), (QStringList{"S-2", "S-3"}));
}

// Open, reprint and export act on the row selected; reprint only on a complete run. The files go
// where the chooser says, the status line tells of each; one that cannot be written gets a
// warning box naming it, and a chooser cancelled does nothing.
void ResultsWindowTest::OpensReprintsAndExportsTheSelectedOne() {
    ResultStore store(folder.filePath(QStringLiteral("open.sqlite")));
    QString problem;
    QVERIFY2(store.Open(&problem), qPrintable(problem));
    Fill(store);
    ResultsWindow window(store, LabSettings());
    RecordingMessageBoxes boxes;
    window.SetMessageBoxes(boxes);
    QStringList suggested;
    QString chosen;
    window.SetFileChooser([&](const QString &offered) {
        suggested.append(QFileInfo(offered).fileName());
        return chosen;
    });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *openBut = Find<QPushButton>(&window, "OpenRecord");
    auto *reprintBut = Find<QPushButton>(&window, "ReprintCertificate");
    auto *csvBut = Find<QPushButton>(&window, "ExportCsv");
    auto *jsonBut = Find<QPushButton>(&window, "ExportJson");
    const auto enabled = [&] {
        return QList<bool>{openBut->isEnabled(), reprintBut->isEnabled(), csvBut->isEnabled(),
                           jsonBut->isEnabled()};
    };
    QCOMPARE(enabled(), QList<bool>(4, false));
    Select(window, "S-3");
    QCOMPARE(enabled(), (QList<bool>{true, false, true, true}));

    auto *list = Find<QTableView>(&window, "ResultsList");
    const QPoint second = list->visualRect(list->model()->index(1, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);  // the press a double click
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second); // follows

    auto *view = Find<QDialog>(&window, "RecordView");
    QVERIFY(view->isVisible());
    QCOMPARE(Find<QLabel>(view, "RecordCertificate")->text(), QStringLiteral("VK-2026-0002"));
    QCOMPARE(Find<QLabel>(view, "RecordState")->text(), QStringLiteral("complete FAIL"));
    QCOMPARE(Find<QTableWidget>(view, "RecordPoints")->rowCount(), 2);
    QCOMPARE(Find<QTableWidget>(view, "RecordPoints")->item(1, 7)->text(), QStringLiteral("FAIL"));

    Select(window, "S-1");
    QCOMPARE(enabled(), QList<bool>(4, true));
    openBut->click();
    QCOMPARE(Find<QLabel>(view, "RecordUut")->text(),
             QStringLiteral("Kestrel Thermal DM-87, serial S-1, asset A-S-1"));
    auto *points = Find<QTableWidget>(view, "RecordPoints");
    QCOMPARE(points->rowCount(), 3);
    QStringList row;
    for (int column = 0; column < points->columnCount(); ++column)
        row.append(points->item(0, column)->text());
    QCOMPARE(row, (QStringList{"as-found", "1", "10 mA", "10.05 mA", "50 µA", "9.9 mA", "10.1 mA",
                               "PASS", ""}));

    auto *status = Find<QLabel>(&window, "ResultsStatus");
    chosen = folder.filePath(QStringLiteral("reprint.pdf"));
    reprintBut->click();
    QCOMPARE(status->text(), QStringLiteral("Certificate VK-2026-0001 written to ") + chosen);
    QVERIFY(PdfText(chosen).contains(QStringLiteral("VK-2026-0001")));
    chosen = folder.filePath(QStringLiteral("one.csv"));
    csvBut->click();
    QCOMPARE(status->text(), QStringLiteral("Calibration VK-2026-0001 exported to ") + chosen);
    QFile csv(chosen);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    QCOMPARE(lines.size(), 5); // the header, three points and the end of the last line
    QVERIFY(lines[1].startsWith("VK-2026-0001,PROC-MA,C,S-1,A-S-1,Harbour Water Ltd,as-found,1,"));
    chosen = folder.filePath(QStringLiteral("one.json"));
    jsonBut->click();
    QFile json(chosen);
    QVERIFY(json.open(QIODevice::ReadOnly));
    const QJsonObject object = QJsonDocument::fromJson(json.readAll()).object();
    QCOMPARE(object["certificate"].toString(), QStringLiteral("VK-2026-0001"));
    QCOMPARE(object["points"].toArray().size(), 3);
    QCOMPARE(suggested, (QStringList{"VK-2026-0001.pdf", "VK-2026-0001.csv", "VK-2026-0001.json"}));
    QCOMPARE(boxes.shown, {});

    const QString written = status->text();
    chosen.clear();
    for (QPushButton *button : {reprintBut, csvBut, jsonBut})
        button->click();
    QCOMPARE(status->text(), written);
    QCOMPARE(boxes.shown, {});

    chosen = folder.filePath(QStringLiteral("missing/file"));
    for (QPushButton *button : {reprintBut, csvBut, jsonBut})
        button->click();
    const QString reason = chosen + QStringLiteral(": No such file or directory");
    QCOMPARE(
        boxes.shown,
        (QList<RecordingMessageBoxes::Box>{
            RecordingMessageBoxes::Exclamation(
                "Reprint Certificate",
                "The certificate VK-2026-0001 could not be written.\n" + reason),
            RecordingMessageBoxes::Exclamation(
                "Export CSV", "The calibration VK-2026-0001 could not be exported.\n" + reason),
            RecordingMessageBoxes::Exclamation(
                "Export JSON", "The calibration VK-2026-0001 could not be exported.\n" + reason)}));
    QCOMPARE(status->text(), written);
}

QTEST_MAIN(ResultsWindowTest)
#include "ResultsWindowTest.moc"
