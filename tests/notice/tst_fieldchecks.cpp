#include "notice/FieldChecks.h"

#include "platform/System.h"

#include <QtTest>

#include <functional>
#include <optional>

class TestFieldChecks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numeric_data();
    void numeric();
    void value_data();
    void value();
    void wholeValue_data();
    void wholeValue();
    void numberChecks_data();
    void numberChecks();
    void years_data();
    void years();
    void yearsFollowTheClock();
    void textChecks_data();
    void textChecks();
};

void TestFieldChecks::numeric_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");

    QTest::newRow("whole") << "12" << true;
    QTest::newRow("negative") << "-10" << true;
    QTest::newRow("plus sign") << "+3" << true;
    QTest::newRow("fraction") << "1.5" << true;
    QTest::newRow("no integer digits") << ".5" << true;
    QTest::newRow("trailing point") << "1." << true;
    QTest::newRow("blanks around") << "  12 " << true;
    QTest::newRow("tabs around") << "\t7\t" << true;
    QTest::newRow("exponent") << "1e3" << true;
    QTest::newRow("capital exponent with sign") << "1E-3" << true;
    QTest::newRow("fraction and exponent") << "2.5e+2" << true;
    QTest::newRow("four-character exponent form") << "9E99" << true;

    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks only") << "   " << false;
    QTest::newRow("point only") << "." << false;
    QTest::newRow("sign only") << "-" << false;
    QTest::newRow("two points") << "1.2.3" << false;
    QTest::newRow("letter after") << "12a" << false;
    QTest::newRow("letter before") << "a12" << false;
    QTest::newRow("exponent without digits") << "1e" << false;
    QTest::newRow("exponent without mantissa") << "e3" << false;
    QTest::newRow("fractional exponent") << "1e3.5" << false;
    QTest::newRow("blank inside") << "1 2" << false;
    QTest::newRow("blank after sign") << "- 1" << false;
    QTest::newRow("two signs") << "--1" << false;
    QTest::newRow("decimal comma") << "1,5" << false;
    QTest::newRow("hemisphere letter") << "N" << false;
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0661\u0662") << false;
}

void TestFieldChecks::numeric()
{
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QCOMPARE(FieldChecks::isNumeric(text), numeric);
}

void TestFieldChecks::value_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("whole") << "12" << 12.0;
    QTest::newRow("negative fraction") << "-3.5" << -3.5;
    QTest::newRow("plus sign") << "+4" << 4.0;
    QTest::newRow("leading blanks") << "   7.25" << 7.25;
    QTest::newRow("stops at a letter") << "12a" << 12.0;
    QTest::newRow("stops at a second point") << "1.5.3" << 1.5;
    QTest::newRow("exponent") << "1e2" << 100.0;
    QTest::newRow("exponent without digits is not read") << "1e" << 1.0;
    QTest::newRow("no integer digits") << ".5" << 0.5;
    QTest::newRow("not a number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << "  " << 0.0;
}

void TestFieldChecks::value()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(FieldChecks::leadingValue(text), value);
}

void TestFieldChecks::wholeValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("inRange");
    QTest::addColumn<int>("whole");

    QTest::newRow("whole") << "31" << true << 31;
    QTest::newRow("half down to even") << "2.5" << true << 2;
    QTest::newRow("half up to even") << "3.5" << true << 4;
    QTest::newRow("zero point five") << "0.5" << true << 0;
    QTest::newRow("one point five") << "1.5" << true << 2;
    QTest::newRow("negative half to even") << "-2.5" << true << -2;
    QTest::newRow("negative half up") << "-3.5" << true << -4;
    QTest::newRow("below half") << "2.4999" << true << 2;
    QTest::newRow("above half") << "2.51" << true << 3;
    QTest::newRow("exponent") << "1E4" << true << 10000;
    QTest::newRow("largest") << "32767" << true << 32767;
    QTest::newRow("smallest") << "-32768" << true << -32768;
    QTest::newRow("smallest minus a half rounds to even") << "-32768.5" << true << -32768;
    QTest::newRow("just below largest rounds in") << "32767.4" << true << 32767;
    QTest::newRow("largest plus a half rounds out") << "32767.5" << false << 0;
    QTest::newRow("one too large") << "32768" << false << 0;
    QTest::newRow("one too small") << "-32769" << false << 0;
    QTest::newRow("exponent form in a year box") << "9E99" << false << 0;
    QTest::newRow("beyond a double") << "1e999" << false << 0;
    QTest::newRow("not a number reads 0") << "x" << true << 0;
}

void TestFieldChecks::wholeValue()
{
    QFETCH(QString, text);
    QFETCH(bool, inRange);
    QFETCH(int, whole);

    const std::optional<qint16> result = FieldChecks::wholeValue(text);
    QCOMPARE(result.has_value(), inRange);
    if (inRange)
        QCOMPARE(int(*result), whole);
}

void TestFieldChecks::numberChecks_data()
{
    QTest::addColumn<QString>("check");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("valid");

    QTest::newRow("day 0") << "isValidDay" << 0 << false;
    QTest::newRow("day 1") << "isValidDay" << 1 << true;
    QTest::newRow("day 31") << "isValidDay" << 31 << true;
    QTest::newRow("day 32") << "isValidDay" << 32 << false;
    QTest::newRow("day -1") << "isValidDay" << -1 << false;
    QTest::newRow("month 0") << "isValidMonth" << 0 << false;
    QTest::newRow("month 1") << "isValidMonth" << 1 << true;
    QTest::newRow("month 12") << "isValidMonth" << 12 << true;
    QTest::newRow("month 13") << "isValidMonth" << 13 << false;
    QTest::newRow("hours -1") << "isValidHours" << -1 << false;
    QTest::newRow("hours 0000") << "isValidHours" << 0 << true;
    QTest::newRow("hours 1275") << "isValidHours" << 1275 << true;
    QTest::newRow("hours 2400") << "isValidHours" << 2400 << true;
    QTest::newRow("hours 2401") << "isValidHours" << 2401 << false;
}

void TestFieldChecks::numberChecks()
{
    QFETCH(QString, check);
    QFETCH(int, n);
    QFETCH(bool, valid);

    const QHash<QString, std::function<bool(qint16)>> checks = {
        { "isValidDay", FieldChecks::isValidDay },
        { "isValidMonth", FieldChecks::isValidMonth },
        { "isValidHours", FieldChecks::isValidHours },
    };
    QVERIFY(checks.contains(check));
    QCOMPARE(checks.value(check)(qint16(n)), valid);
}

void TestFieldChecks::years_data()
{
    QTest::addColumn<bool>("inUse");
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("valid");

    // The clock reads 2026 in these rows.
    QTest::newRow("notice 2023") << false << 2023 << false;
    QTest::newRow("notice 2024") << false << 2024 << true;
    QTest::newRow("notice 2026") << false << 2026 << true;
    QTest::newRow("notice 2027") << false << 2027 << true;
    QTest::newRow("notice 2028") << false << 2028 << false;
    QTest::newRow("in use 1949") << true << 1949 << false;
    QTest::newRow("in use 1950") << true << 1950 << true;
    QTest::newRow("in use 2000") << true << 2000 << true;
    QTest::newRow("in use 2026") << true << 2026 << true;
    QTest::newRow("in use 2028") << true << 2028 << true;
    QTest::newRow("in use 2029") << true << 2029 << false;
}

void TestFieldChecks::years()
{
    QFETCH(bool, inUse);
    QFETCH(int, year);
    QFETCH(bool, valid);

    platform::SystemOverrides overrides;
    overrides.setDateTime(QDateTime(QDate(2026, 6, 15), QTime(10, 0)));
    const bool result = inUse ? FieldChecks::isValidInUseYear(qint16(year))
                              : FieldChecks::isValidNoticeYear(qint16(year));
    QCOMPARE(result, valid);
}

void TestFieldChecks::yearsFollowTheClock()
{
    platform::SystemOverrides overrides;
    overrides.setDateTime(QDateTime(QDate(2026, 12, 31), QTime(23, 59)));
    QVERIFY(!FieldChecks::isValidNoticeYear(2028));
    QVERIFY(!FieldChecks::isValidInUseYear(2029));

    overrides.setDateTime(QDateTime(QDate(2027, 1, 1), QTime(0, 0)));
    QVERIFY(FieldChecks::isValidNoticeYear(2028));
    QVERIFY(!FieldChecks::isValidNoticeYear(2024));
    QVERIFY(FieldChecks::isValidInUseYear(2029));
}

void TestFieldChecks::textChecks_data()
{
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    QTest::newRow("letters have no digit") << "hasNoDigit" << "FRA" << true;
    QTest::newRow("empty has no digit") << "hasNoDigit" << "" << true;
    QTest::newRow("blanks and accents have no digit") << "hasNoDigit" << QString::fromUtf8("É B") << true;
    QTest::newRow("F1 has a digit") << "hasNoDigit" << "F1" << false;
    QTest::newRow("a digit first") << "hasNoDigit" << "0AB" << false;
    QTest::newRow("nine at the end") << "hasNoDigit" << "AB9" << false;

    QTest::newRow("N") << "isNorthSouth" << "N" << true;
    QTest::newRow("S") << "isNorthSouth" << "S" << true;
    QTest::newRow("n") << "isNorthSouth" << "n" << true;
    QTest::newRow("s") << "isNorthSouth" << "s" << true;
    QTest::newRow("X") << "isNorthSouth" << "X" << false;
    QTest::newRow("NS") << "isNorthSouth" << "NS" << false;
    QTest::newRow("1") << "isNorthSouth" << "1" << false;
    QTest::newRow("blank before N") << "isNorthSouth" << " N" << false;
    QTest::newRow("E is not north or south") << "isNorthSouth" << "E" << false;

    QTest::newRow("E") << "isEastWest" << "E" << true;
    QTest::newRow("W") << "isEastWest" << "W" << true;
    QTest::newRow("e") << "isEastWest" << "e" << true;
    QTest::newRow("w") << "isEastWest" << "w" << true;
    QTest::newRow("EW") << "isEastWest" << "EW" << false;
    QTest::newRow("N is not east or west") << "isEastWest" << "N" << false;
    QTest::newRow("W and a blank") << "isEastWest" << "W " << false;
}

void TestFieldChecks::textChecks()
{
    QFETCH(QString, check);
    QFETCH(QString, text);
    QFETCH(bool, valid);

    const QHash<QString, std::function<bool(const QString &)>> checks = {
        { "hasNoDigit", FieldChecks::hasNoDigit },
        { "isNorthSouth", FieldChecks::isNorthSouth },
        { "isEastWest", FieldChecks::isEastWest },
    };
    QVERIFY(checks.contains(check));
    QCOMPARE(checks.value(check)(text), valid);
}

QTEST_GUILESS_MAIN(TestFieldChecks)
#include "tst_fieldchecks.moc"
