#include "functions/continuity/ContCurrent.h"
#include "functions/continuity/ContResistances.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace vk220::continuity;

class ContTablesTest : public QObject {
    Q_OBJECT
private slots:
    void ResistanceTable_data();
    void ResistanceTable();
    void CurrentDisplay_data();
    void CurrentDisplay();
};

void ContTablesTest::ResistanceTable_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("openBit");
    QTest::newRow("1 Ohm") << 0 << "p21028923/#Cont.: 1 Ohm" << QStringLiteral("1.000\u03A9") << 2;
    QTest::newRow("10 Ohms") << 1 << "p20971581/#Cont.: 10 Ohms" << QStringLiteral("10.00\u03A9")
                             << 1;
    QTest::newRow("19 Ohms") << 2 << "p20971582/#Cont.: 19 Ohms" << QStringLiteral("19.00\u03A9")
                             << 0;
    QTest::newRow("100 Ohms") << 3 << "p20971575/#Cont.: 100 Ohms" << QStringLiteral("100.0\u03A9")
                              << 3;
    QTest::newRow("190 Ohms") << 4 << "p20971567/#Cont.: 190 Ohms" << QStringLiteral("190.0\u03A9")
                              << 4;
    QTest::newRow("1 kOhm") << 5 << "p20971551/#Cont.: 1 kOhm" << QStringLiteral("1.000k\u03A9")
                            << 5;
}

void ContTablesTest::ResistanceTable() {
    QFETCH(int, index);
    QFETCH(QString, command);
    QFETCH(QString, display);
    QFETCH(int, openBit);
    QCOMPARE(ContResistances::SelectCommand(index), command);
    const ContResistance &resistance = ContResistances::Table().at(static_cast<size_t>(index));
    QCOMPARE(resistance.display, display);
    // Lines 22 and 24 always, lines 0 to 5 but one, and the current path only on 1 Ω.
    const int currentPath = (1 << 13) | (1 << 14) | (1 << 15);
    const int expected = (1 << 24) | (1 << 22) | (0x3F & ~(1 << openBit)) |
                         (index == ContResistances::CurrentIndex ? currentPath : 0);
    QCOMPARE(resistance.mask, expected);
}

void ContTablesTest::CurrentDisplay_data() {
    QTest::addColumn<double>("counts");
    QTest::addColumn<QString>("text");
    QTest::newRow("10 mA") << 231428.0 << "10.0mA";
    QTest::newRow("negative") << -46285.0 << "-2.0mA";
    QTest::newRow("zero") << 0.0 << "0.0mA";
    QTest::newRow("tiny negative keeps its sign") << -1.0 << "-0.0mA";
    QTest::newRow("rounds to nearest tenth") << 3471.0 << "0.1mA";
    QTest::newRow("top of the range") << 10000000.0 << "432.1mA";
    QTest::newRow("bottom of the range") << -10000000.0 << "-432.1mA";
    QTest::newRow("one count over") << 10000001.0 << "Over Range";
    QTest::newRow("one count under") << -10000001.0 << "Over Range";
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << "Over Range";
    QTest::newRow("negative infinite") << -std::numeric_limits<double>::infinity() << "Over Range";
}

void ContTablesTest::CurrentDisplay() {
    QFETCH(double, counts);
    QFETCH(QString, text);
    QCOMPARE(ContCurrent::Text(counts), text);
}

QTEST_GUILESS_MAIN(ContTablesTest)
#include "ContTablesTest.moc"
