#include "link/NumberText.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>

using namespace vk220::link;

class NumberTextTest : public QObject {
    Q_OBJECT
private slots:
    void LeadingNumber_data();
    void LeadingNumber();
    void LeadingNumberOverflowRefusesEveryRange();
    void DecimalCommaLocaleChangesNothing();
    void General_data();
    void General();
    void Short_data();
    void Short();
};

void NumberTextTest::LeadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << "   " << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("reply with marker") << "1.2345*0\r\n" << 1.2345;
    QTest::newRow("comma ends") << "25,5" << 25.0;
    QTest::newRow("blank inside") << "2 5" << 25.0;
    QTest::newRow("tab and line feed") << "\t1\n2" << 12.0;
    QTest::newRow("carriage return ends") << "1\r2" << 1.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("D exponent") << "2D2" << 200.0;
    QTest::newRow("signed exponent") << "5E-1" << 0.5;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("underflow") << "1e-999" << 0.0;
    QTest::newRow("exponent sign without digits") << "7e-x" << 7.0;
    QTest::newRow("minus alone") << "-" << 0.0;
    QTest::newRow("minus zero") << "-0" << 0.0;
    QTest::newRow("negative") << "-12.5" << -12.5;
    QTest::newRow("plus") << "+3" << 3.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("sign after digits ends") << "12-3" << 12.0;
    QTest::newRow("counts reply") << "  7275400 *0\r\n" << 7275400.0;
    QTest::newRow("unit after number") << "12.34V" << 12.34;
}

void NumberTextTest::LeadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(NumberText::LeadingNumber(text), value);
}

void NumberTextTest::LeadingNumberOverflowRefusesEveryRange() {
    QCOMPARE(NumberText::LeadingNumber(u"1e999"), std::numeric_limits<double>::infinity());
    QCOMPARE(NumberText::LeadingNumber(u"-1e999"), -std::numeric_limits<double>::infinity());
    const QString hundredDigits(100, QLatin1Char('9'));
    QVERIFY(NumberText::LeadingNumber(hundredDigits) > 9e99);
    QVERIFY(!std::isnan(NumberText::LeadingNumber(QString(10000, QLatin1Char('9')))));
    // The written exponent's sign does not decide: 1 and 310 zeros, tenfold less, is 1e309.
    const QString ones = u'1' + QString(310, QLatin1Char('0'));
    QCOMPARE(NumberText::LeadingNumber(ones + QStringLiteral("e-1")),
             std::numeric_limits<double>::infinity());
    QCOMPARE(NumberText::LeadingNumber(u'-' + ones + QStringLiteral("e-1")),
             -std::numeric_limits<double>::infinity());
    QCOMPARE(
        NumberText::LeadingNumber(u'1' + QString(300, QLatin1Char('0')) + QStringLiteral("e-1")),
        1e299);
    // Nor does it the other way: a fraction far below the smallest double stays tiny.
    QCOMPARE(NumberText::LeadingNumber(QStringLiteral("0.") + QString(400, QLatin1Char('0')) +
                                       QStringLiteral("1e5")),
             0.0);
}

void NumberTextTest::DecimalCommaLocaleChangesNothing() {
    const char *previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    bool switched = false;
    for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "C.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name) && *localeconv()->decimal_point == ',') {
            switched = true;
            break;
        }
    }
    if (!switched)
        QSKIP("no decimal-comma locale installed on this machine");
    const double read = NumberText::LeadingNumber(u"1.5");
    const QString written = NumberText::General(-12.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
    QCOMPARE(read, 1.5);
    QCOMPARE(written, QStringLiteral("-12.5"));
}

void NumberTextTest::General_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 100.0 << "100";
    QTest::newRow("fraction") << 0.5 << "0.5";
    QTest::newRow("negative") << -12.5 << "-12.5";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("limit") << 1340.0 << "1340";
    QTest::newRow("four decimals") << 25.1236 << "25.1236";
    QTest::newRow("fifteen digits") << 0.1 + 0.2 << "0.3";
    QTest::newRow("small") << 0.00012 << "0.00012";
    QTest::newRow("large") << 1e20 << "100000000000000000000";
}

void NumberTextTest::General() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(NumberText::General(value), text);
}

void NumberTextTest::Short_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("fraction") << 0.5 << ".5";
    QTest::newRow("negative fraction") << -0.25 << "-.25";
    QTest::newRow("whole") << -5.0 << "-5";
    QTest::newRow("no trailing zeros") << 1.2500 << "1.25";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("just above exponent") << 0.0001 << ".0001";
    QTest::newRow("exponent") << 0.00001 << "1E-05";
    QTest::newRow("exponent mantissa") << -0.0000125 << "-1.25E-05";
    QTest::newRow("large exponent") << 2e15 << "2E+15";
    // The form follows the rounded value: each text reads back to a value written the same way.
    QTest::newRow("rounds up to the exponent") << 999999999999999.9 << "1E+15";
    QTest::newRow("rounds up out of the exponent") << 0.00009999999999999999 << ".0001";
    QTest::newRow("fifteen digits") << 1.0 / 3.0 << ".333333333333333";
}

void NumberTextTest::Short() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(NumberText::Short(value), text);
}

QTEST_APPLESS_MAIN(NumberTextTest)
#include "NumberTextTest.moc"
