#include "app/ConsoleModel.h"
#include "app/ConsolePanel.h"
#include "tests/support/FindControl.h"
#include "tests/support/RecordingMessageBoxes.h"

#include <QListView>
#include <QScrollBar>
#include <QTest>

using namespace vk220::app;

class ConsoleListTest : public QObject {
    Q_OBJECT
private slots:
    void RowsAreFoundByPointKeyAndScrollBar();
};

// The list places its rows by number alone: what is drawn where, what a click or a key reaches
// and how far the list scrolls must agree, from the first row to the last.
void ConsoleListTest::RowsAreFoundByPointKeyAndScrollBar() {
    RecordingMessageBoxes boxes;
    ConsolePanel panel(boxes);
    panel.resize(300, 400);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    const ConsoleModel &model = panel.Model();
    for (int i = 0; i < 500; ++i) {
        panel.Append(QStringLiteral("v"));
        panel.Append(QStringLiteral("1.2345*0\r\n"));
        panel.SelectLast();
    }
    QCoreApplication::processEvents();
    QListView &list = *Find<QListView>(&panel, "DebugList");
    QScrollBar &bar = *list.verticalScrollBar();
    const int rowHeight = list.sizeHintForRow(0);
    const int inView = list.viewport()->height() / rowHeight;
    const int last = model.Count() - 1;
    QCOMPARE(bar.maximum(), model.Count() - inView);
    QCOMPARE(bar.value(), bar.maximum());
    const QRect newest = list.visualRect(model.index(last));
    QCOMPARE(newest.height(), rowHeight);
    QVERIFY(newest.bottom() < list.viewport()->height());
    QCOMPARE(list.indexAt(newest.center()).row(), last);
    QCOMPARE(list.indexAt(list.visualRect(model.index(last - inView + 1)).center()).row(),
             last - inView + 1);
    QVERIFY(!list.indexAt(QPoint(1, inView * rowHeight + rowHeight)).isValid());

    const QRect row = list.visualRect(model.index(last - 3));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(list.currentIndex().row(), last - 3);
    QVERIFY(list.selectionModel()->isSelected(model.index(last - 3)));

    const auto key = [&](Qt::Key pressed) {
        QTest::keyClick(&list, pressed);
        return list.currentIndex().row();
    };
    const auto inSight = [&] {
        return list.viewport()->rect().contains(list.visualRect(list.currentIndex()));
    };
    QCOMPARE(key(Qt::Key_Home), 0);
    QCOMPARE(bar.value(), 0);
    QCOMPARE(key(Qt::Key_Down), 1);
    // A page is the rows in view less about two, as in any list.
    const int page = key(Qt::Key_PageDown) - 1;
    QVERIFY2(page >= inView - 3 && page < inView, qPrintable(QString::number(page)));
    QVERIFY(inSight());
    QCOMPARE(key(Qt::Key_PageDown), 1 + 2 * page);
    QVERIFY(inSight());
    QCOMPARE(bar.value(), 2 * page + 2 - inView);
    QCOMPARE(key(Qt::Key_Up), 2 * page);
    QCOMPARE(key(Qt::Key_End), last);
    QCOMPARE(bar.value(), bar.maximum());
    QCOMPARE(key(Qt::Key_PageUp), last - page);
    QVERIFY(inSight());

    panel.Model().Clear();
    QCoreApplication::processEvents();
    QCOMPARE(bar.maximum(), 0);
    QVERIFY(!list.indexAt(QPoint(1, 1)).isValid());
}

QTEST_MAIN(ConsoleListTest)
#include "ConsoleListTest.moc"
