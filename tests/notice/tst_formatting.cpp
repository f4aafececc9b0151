#include "notice/Formatting.h"
#include "platform/System.h"

#include <QtTest>

using namespace Formatting;

class TestFormatting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void makeKeyLine_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("key and value") << "t_adm" << "F" << "\r\nt_adm = F";
        QTest::newRow("empty value") << "t_site_name" << "" << "";
        QTest::newRow("empty key") << "" << "X" << "";
        QTest::newRow("blanks kept") << "t_call_sign" << "  " << "\r\nt_call_sign =   ";
        QTest::newRow("key with a blank") << "Notice No" << "3" << "\r\nNotice No = 3";
        QTest::newRow("CR LF becomes a blank") << "t_remarks" << "a\r\nb" << "\r\nt_remarks = a b";
        QTest::newRow("lone CR") << "t_remarks" << "a\rb" << "\r\nt_remarks = a b";
        QTest::newRow("lone LF") << "t_remarks" << "a\nb" << "\r\nt_remarks = a b";
        QTest::newRow("tab becomes a blank") << "t_site_name" << "a\tb\t" << "\r\nt_site_name = a b ";
        QTest::newRow("LF CR is two breaks") << "t_remarks" << "a\n\rb" << "\r\nt_remarks = a  b";
        QTest::newRow("two CR LF") << "t_remarks" << "a\r\n\r\nb" << "\r\nt_remarks = a  b";
        QTest::newRow("a forged closing tag")
            << "t_remarks" << "x\r\n</NOTICE>\r\n" << "\r\nt_remarks = x </NOTICE> ";
    }

    void makeKeyLine()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QCOMPARE(Formatting::makeKeyLine(key, value), expected);
    }

    void appendKeyLineAddsToTheText()
    {
        QString text = QStringLiteral("<HEAD>");
        appendKeyLine(text, u"t_adm", u"F");
        appendKeyLine(text, u"t_ctry", u"");
        appendKeyLine(text, u"t_remarks", u"a\r\nb\rc");
        QCOMPARE(text, QStringLiteral("<HEAD>\r\nt_adm = F\r\nt_remarks = a b c"));
    }

    void appendKeyLineWithKeySuffix_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("azimuth key") << "t_eff_hgt@azm" << "350" << "300" << "\r\nt_eff_hgt@azm350 = 300";
        QTest::newRow("empty suffix") << "t_adm" << "" << "F" << "\r\nt_adm = F";
        QTest::newRow("suffix alone") << "" << "x" << "1" << "\r\nx = 1";
        QTest::newRow("empty value") << "t_attn@azm" << "10" << "" << "";
        QTest::newRow("empty key") << "" << "" << "1" << "";
        QTest::newRow("line breaks") << "t_attn@azm" << "0" << "\n1\r\n2\r" << "\r\nt_attn@azm0 =  1 2 ";
    }

    void appendKeyLineWithKeySuffix()
    {
        QFETCH(QString, key);
        QFETCH(QString, suffix);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QString text = QStringLiteral("before");
        appendKeyLine(text, key, suffix, value);
        QCOMPARE(text, QStringLiteral("before") + expected);
    }

    void makeSection_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("expected");
        QTest::newRow("tag in upper case")
            << "head" << "\r\nt_adm = F" << "<HEAD>\r\nt_adm = F\r\n</HEAD>";
        QTest::newRow("empty body") << "NOTICE" << "" << "";
        QTest::newRow("empty tag") << "" << "\r\nt_adm = F" << "";
        QTest::newRow("mixed case tag") << "Ant_Hgt" << "\r\nx = 1" << "<ANT_HGT>\r\nx = 1\r\n</ANT_HGT>";
    }

    void makeSection()
    {
        QFETCH(QString, tag);
        QFETCH(QString, body);
        QFETCH(QString, expected);
        QCOMPARE(Formatting::makeSection(tag, body), expected);
    }

    // The section built in place gives the same text as makeSection, an empty
    // body or tag included, and leaves what stood before it alone.
    void sectionBuiltInPlace_data() { makeSection_data(); }

    void sectionBuiltInPlace()
    {
        QFETCH(QString, tag);
        QFETCH(QString, body);
        QFETCH(QString, expected);
        QString text = QStringLiteral("before");
        const qsizetype start = openSection(text, tag);
        QCOMPARE(start, qsizetype(6));
        text += body;
        closeSection(text, start, tag);
        QCOMPARE(text, QStringLiteral("before") + expected);
    }

    void nestedSectionsBuiltInPlace()
    {
        QString text;
        const qsizetype outer = openSection(text, QStringLiteral("NOTICE"));
        appendKeyLine(text, u"Notice No", u"1");
        const qsizetype empty = openSection(text, QStringLiteral("COORDINATION"));
        closeSection(text, empty, QStringLiteral("COORDINATION"));
        const qsizetype inner = openSection(text, QStringLiteral("ANT_HGT"));
        appendKeyLine(text, u"t_eff_hgt@azm", u"0", u"300");
        closeSection(text, inner, QStringLiteral("ANT_HGT"));
        closeSection(text, outer, QStringLiteral("NOTICE"));
        QCOMPARE(text, QStringLiteral("<NOTICE>\r\nNotice No = 1<ANT_HGT>\r\nt_eff_hgt@azm0 = 300\r\n"
                                      "</ANT_HGT>\r\n</NOTICE>"));
    }

    void makeTail_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0 << "";
        QTest::newRow("negative") << -1 << "";
        QTest::newRow("one") << 1 << "<TAIL>\r\nt_num_notices = 1\r\n</TAIL>\r\n";
        QTest::newRow("three") << 3 << "<TAIL>\r\nt_num_notices = 3\r\n</TAIL>\r\n";
    }

    void makeTail()
    {
        QFETCH(int, count);
        QFETCH(QString, expected);
        QCOMPARE(Formatting::makeTail(count), expected);
    }

    void formatCoordinate_data()
    {
        QTest::addColumn<QString>("degrees");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("hemisphere");
        QTest::addColumn<QString>("expected");
        QTest::newRow("west, no seconds") << "5" << "3" << "" << "w" << "-0050300";
        QTest::newRow("north") << "45" << "30" << "15" << "N" << "+453015";
        QTest::newRow("minutes missing") << "12" << "" << "30" << "E" << "";
        QTest::newRow("degrees missing") << "" << "5" << "30" << "E" << "";
        QTest::newRow("lower-case east") << "12" << "5" << "" << "e" << "+0120500";
        QTest::newRow("unknown hemisphere") << "12" << "5" << "0" << "X" << "";
        QTest::newRow("no hemisphere") << "12" << "5" << "0" << "" << "";
        QTest::newRow("south, lower case") << "3" << "4" << "5" << "s" << "-030405";
        QTest::newRow("padded parts kept") << "002" << "20" << "30" << "E" << "+0022030";
        QTest::newRow("too long parts kept") << "1234" << "123" << "1" << "N" << "+123412301";
    }

    void formatCoordinate()
    {
        QFETCH(QString, degrees);
        QFETCH(QString, minutes);
        QFETCH(QString, seconds);
        QFETCH(QString, hemisphere);
        QFETCH(QString, expected);
        QCOMPARE(Formatting::formatCoordinate(degrees, minutes, seconds, hemisphere), expected);
    }

    void zeroPad_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one short of 2") << "7" << 2 << "07";
        QTest::newRow("two short of 3") << "7" << 3 << "007";
        QTest::newRow("empty to 3") << "" << 3 << "";
        QTest::newRow("empty to 2") << "" << 2 << "00";
        QTest::newRow("longer than width") << "1234" << 2 << "1234";
        QTest::newRow("exact width") << "12" << 2 << "12";
        QTest::newRow("three short") << "1" << 4 << "1";
        QTest::newRow("blank padded") << " " << 2 << "0 ";
    }

    void zeroPad()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QCOMPARE(Formatting::zeroPad(text, qint16(width)), expected);
    }

    void zeroPadFour_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one character") << "7" << "0007";
        QTest::newRow("two characters") << "30" << "0030";
        QTest::newRow("three characters") << "915" << "0915";
        QTest::newRow("four characters") << "1200" << "1200";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("five characters") << "12345" << "12345";
    }

    void zeroPadFour()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Formatting::zeroPadFour(text), expected);
    }

    void formatHourMinute_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("four digits") << "0915" << "09:15";
        QTest::newRow("padded hours") << "0830" << "08:30";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("one character") << "7" << "7:";
        QTest::newRow("five characters") << "12345" << "12:345";
        QTest::newRow("seven characters") << "1234567" << "12:3456";
    }

    void formatHourMinute()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Formatting::formatHourMinute(text), expected);
    }

    void joinDateYMD_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("expected");
        QTest::newRow("all parts") << "2005" << "12" << "7" << "2005-12-7";
        QTest::newRow("month missing") << "2005" << "" << "7" << "";
        QTest::newRow("year missing") << "" << "12" << "7" << "";
        QTest::newRow("day missing") << "2005" << "12" << "" << "";
        QTest::newRow("parts unchanged") << " 05" << "012" << "x" << " 05-012-x";
    }

    void joinDateYMD()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, expected);
        QCOMPARE(Formatting::joinDateYMD(year, month, day), expected);
    }

    void formatDateDMY_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << "" << "";
        QTest::newRow("joined date") << "2005-12-7" << "07.12.2005";
        QTest::newRow("slashes") << "2005/1/31" << "31.01.2005";
        QTest::newRow("mixed separators") << "2005/12-07" << "07.12.2005";
        QTest::newRow("leap day") << "2004-2-29" << "29.02.2004";
        QTest::newRow("surrounding blanks") << " 2005-12-7 " << "07.12.2005";
        QTest::newRow("31 February") << "2005-2-31" << "2005-2-31";
        QTest::newRow("29 February of a common year") << "2005-2-29" << "2005-2-29";
        QTest::newRow("month 13") << "2005-13-1" << "2005-13-1";
        QTest::newRow("day 0") << "2005-12-0" << "2005-12-0";
        QTest::newRow("two-digit year") << "05-12-7" << "05-12-7";
        QTest::newRow("three-digit month") << "2005-012-7" << "2005-012-7";
        QTest::newRow("day missing") << "2005-12-" << "2005-12-";
        QTest::newRow("blank inside") << "2005-12- 7" << "2005-12- 7";
        QTest::newRow("points") << "7.12.2005" << "7.12.2005";
        QTest::newRow("words") << "yesterday" << "yesterday";
    }

    void formatDateDMY()
    {
        QFETCH(QString, date);
        QFETCH(QString, expected);
        QCOMPARE(Formatting::formatDateDMY(date), expected);
    }

    void splitDateDMY_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        // Outputs start as "y", "m", "d": a case that writes nothing leaves them.
        QTest::newRow("formatted date") << "07.12.2005" << "2005" << "12" << "07";
        QTest::newRow("blanks around") << "  07.12.2005 " << "2005" << "12" << "07";
        QTest::newRow("empty") << "" << "y" << "m" << "d";
        QTest::newRow("no point") << "2005-12-7" << "y" << "m" << "d";
        QTest::newRow("one point") << "7.12" << "" << "12" << "7";
        QTest::newRow("three points") << "1.2.3.4" << "3.4" << "2" << "1";
    }

    void splitDateDMY()
    {
        QFETCH(QString, date);
        QString year = "y", month = "m", day = "d";
        Formatting::splitDateDMY(date, year, month, day);
        QTEST(year, "year");
        QTEST(month, "month");
        QTEST(day, "day");
    }

    void readIntlSettingIsEmptyHere()
    {
        QCOMPARE(Formatting::readIntlSetting("sdate"), QString());
    }

    void currentUserName_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("expected");
        QTest::newRow("short") << "operator" << "operator";
        QTest::newRow("shorter") << "ops" << "ops";
        QTest::newRow("cut to eight") << "administrator" << "administ";
        QTest::newRow("nine") << "operators" << "operator";
        QTest::newRow("none") << "" << "Unknown (NON Windows NT environment)";
        QTest::newRow("NUL inside the first eight") << QString("ab") + QChar(0) + "cdefgh" << "abcdefg";
        QTest::newRow("only NUL") << QString(QChar(0)) << "Unknown (NON Windows NT environment)";
        QTest::newRow("accented, in the 8-bit file") << QString::fromUtf8("josé") << QString::fromUtf8("josé");
        QTest::newRow("not in the 8-bit file") << QString::fromUtf8("Жора") << "Unknown (NON Windows NT environment)";
    }

    void currentUserName()
    {
        QFETCH(QString, login);
        QFETCH(QString, expected);
        platform::SystemOverrides overrides;
        overrides.setLoginName(login);
        QCOMPARE(Formatting::currentUserName(), expected);
    }

    void currentUserNameOfTheRealUser()
    {
        const QString name = Formatting::currentUserName();
        QVERIFY(!name.isEmpty());
        QVERIFY(name.size() <= 8 || name == "Unknown (NON Windows NT environment)");
    }
};

QTEST_GUILESS_MAIN(TestFormatting)
#include "tst_formatting.moc"
