#include "NoticeFileSamples.h"
#include "TypedNoticeFiles.h"

#include "notice/NoticeFileChecker.h"

#include <QtTest>

Q_DECLARE_METATYPE(NoticeRecord)

// What the checker adds where a file's end is missing.
const QString NotFinishedHint = " (open it with notice-capture, FILE on the command line or \"Open a file...\" on "
                                "the menu, and press Finish to finish it)";

namespace {

// The key lines of a parsed notice as "SECTION: key = value", in file order.
QStringList parsedLines(const ParsedNotice &notice)
{
    QStringList lines;
    for (const NoticeKeyLine &line : notice.keyLines)
        lines.append("NOTICE: " + line.key + " = " + line.value);
    for (const ParsedSection &sub : notice.subSections) {
        for (const NoticeKeyLine &line : sub.keyLines)
            lines.append(NoticeKeys::tag(sub.section) + ": " + line.key + " = " + line.value);
    }
    return lines;
}

NoticeRecord station(const QString &type)
{
    NoticeRecord r;
    r.notice_type = type;
    r.action = "ADD";
    r.freq_assgn = "98.5";
    return r;
}

} // namespace

class TestNoticeFileChecker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void faults_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected");

        const QStringList base = oneNotice();
        const QByteArray sound = fileOf(base);
        const auto row = [](const char *name, const QStringList &lines, const QStringList &expected) {
            QTest::newRow(name) << fileOf(lines) << expected;
        };

        // Line ends.
        QByteArray lineFeed = sound;
        lineFeed.replace("t_adm = F\r\n", "t_adm = F\n");
        QTest::newRow("line feed alone") << lineFeed << QStringList{"5: line end is not CR LF"};
        QByteArray carriageReturn = sound;
        carriageReturn.replace("t_ctry = F\r\n", "t_ctry\r = F\r\n");
        QTest::newRow("carriage return inside a line")
            << carriageReturn << QStringList{"14: line end is not CR LF"};
        QTest::newRow("no line end at the end")
            << sound.left(sound.size() - 4)
            << QStringList{"31: line end missing", "32: final empty line missing: the file was not finished" + NotFinishedHint};
        QTest::newRow("the file is empty") << QByteArray() << QStringList{"1: the file is empty"};

        // Header lines.
        row("header line 1 changed", replaced(base, 1, {"File written on 07.12.2005-14:03:27"}),
            {"1: header line 1 does not begin with \"File captured on \""});
        row("header line 2 changed", replaced(base, 2, {"Processed  by operator"}),
            {"2: header line 2 does not begin with \"Processed by \""});
        row("header line 3 changed", replaced(base, 3, {"Program ID:  Norvane"}),
            {"3: header line 3 does not begin with \"Program Id: \""});
        row("header line 3 missing", removed(base, 3),
            {"3: header line 3 missing (\"Program Id: \"...)"});
        row("no header", removed(base, 1, 3),
            {"1: header line 1 missing (\"File captured on \"...)", "1: header line 2 missing (\"Processed by \"...)",
             "1: header line 3 missing (\"Program Id: \"...)"});

        // HEAD and its administration.
        row("HEAD missing", removed(base, 4, 3), {"4: \"<HEAD>\" missing"});
        row("t_adm missing", removed(base, 5), {"5: \"t_adm\" missing"});
        row("t_adm empty", replaced(base, 5, {"t_adm = "}), {"5: empty value for \"t_adm\""});
        row("t_adm twice in HEAD", inserted(base, 6, {"t_adm = D"}), {"6: key \"t_adm\" repeated"});
        row("HEAD repeated", inserted(base, 7, {"<HEAD>", "t_adm = F", "</HEAD>"}),
            {"7: \"<HEAD>\" repeated"});
        row("HEAD after a notice", inserted(removed(base, 4, 3), 26, {"<HEAD>", "t_adm = F", "</HEAD>"}),
            {"4: \"<HEAD>\" missing", "26: \"<HEAD>\" out of place"});

        // Section tags.
        row("unknown tag", inserted(base, 24, {"<ANTENNA>"}), {"24: unknown section tag \"<ANTENNA>\""});
        row("tag without its brackets", replaced(base, 24, {"<ANT_HGT"}),
            {"24: unknown section tag \"<ANT_HGT\"", "25: key \"t_eff_hgt@azm0\" out of place in \"<NOTICE>\"",
             "26: key \"t_eff_hgt@azm10\" out of place in \"<NOTICE>\"",
             "27: \"</ANT_HGT>\" without \"<ANT_HGT>\"", "28: empty line missing before \"</NOTICE>\""});
        row("lower-case tag", replaced(base, 24, {"<ant_hgt>"}),
            {"24: unknown section tag \"<ant_hgt>\"", "25: key \"t_eff_hgt@azm0\" out of place in \"<NOTICE>\"",
             "26: key \"t_eff_hgt@azm10\" out of place in \"<NOTICE>\"",
             "27: \"</ANT_HGT>\" without \"<ANT_HGT>\"", "28: empty line missing before \"</NOTICE>\""});
        row("sub-section not closed", removed(base, 27), {"27: \"<ANT_HGT>\" of line 24 not closed"});
        row("NOTICE not closed", removed(base, 28), {"28: \"<NOTICE>\" of line 7 not closed"});
        row("closing tag alone", inserted(base, 24, {"</COORDINATION>"}),
            {"24: \"</COORDINATION>\" without \"<COORDINATION>\""});
        row("sub-section in HEAD", inserted(base, 6, {"<COORDINATION>", "t_adm = D", "</COORDINATION>"}),
            {"6: \"<COORDINATION>\" out of place"});
        row("sub-section out of order", inserted(base, 28, {"<COORDINATION>", "t_adm = D", "</COORDINATION>"}),
            {"28: \"<COORDINATION>\" out of order"});
        row("sub-section repeated", inserted(base, 28, {"<ANT_HGT>", "t_eff_hgt@azm20 = 300", "</ANT_HGT>"}),
            {"28: \"<ANT_HGT>\" repeated"});
        row("empty sub-section", removed(base, 25, 2), {"25: \"<ANT_HGT>\" section is empty"});
        row("NOTICE after TAIL", inserted(base, 32, removalNotice(2)),
            {"32: \"<NOTICE>\" out of place: it follows the TAIL"});
        row("TAIL without notices", inserted(noNotice(), 7, {"<TAIL>", "t_num_notices = 0", "</TAIL>"}),
            {"7: \"<TAIL>\" out of place: the file has no notice"});
        row("TAIL repeated", inserted(base, 32, {"<TAIL>", "t_num_notices = 1", "</TAIL>"}),
            {"32: \"<TAIL>\" repeated"});

        // Keys.
        row("unknown key", replaced(base, 15, {"t_frequency = 98.5"}), {"15: unknown key \"t_frequency\""});
        row("key in another case", replaced(base, 15, {"T_FREQ_ASSGN = 98.5"}), {"15: unknown key \"T_FREQ_ASSGN\""});
        row("azimuth between the steps", replaced(base, 26, {"t_eff_hgt@azm15 = 310"}),
            {"26: unknown key \"t_eff_hgt@azm15\""});
        row("azimuth with a leading zero", replaced(base, 26, {"t_eff_hgt@azm010 = 310"}),
            {"26: unknown key \"t_eff_hgt@azm010\""});
        row("azimuth of a full turn", replaced(base, 26, {"t_eff_hgt@azm360 = 310"}),
            {"26: unknown key \"t_eff_hgt@azm360\""});
        row("key of the TAIL in a notice", inserted(base, 24, {"t_num_notices = 1"}),
            {"24: key \"t_num_notices\" out of place in \"<NOTICE>\""});
        row("pattern key in ANT_HGT", replaced(base, 26, {"t_attn@azm10 = 3"}),
            {"26: key \"t_attn@azm10\" out of place in \"<ANT_HGT>\""});
        row("key outside a section", inserted(base, 7, {"t_adm = F"}), {"7: key \"t_adm\" outside a section"});
        row("key repeated", inserted(base, 19, {"t_polar = V"}), {"19: key \"t_polar\" repeated"});
        row("keys swapped", replaced(base, 18, {"t_erp_h_dbw = 40", "t_polar = H"}).mid(0, 19) + base.mid(19),
            {"19: key \"t_polar\" out of order"});
        row("azimuths swapped", replaced(base, 25, {"t_eff_hgt@azm10 = 310", "t_eff_hgt@azm0 = 300"}).mid(0, 26)
                                    + base.mid(26),
            {"26: key \"t_eff_hgt@azm0\" out of order"});
        row("azimuth repeated", inserted(base, 27, {"t_eff_hgt@azm10 = 311"}),
            {"27: key \"t_eff_hgt@azm10\" repeated"});
        QStringList thirteen{"<COORDINATION>"};
        for (int i = 1; i <= 13; ++i)
            thirteen.append("t_adm = D");
        thirteen.append("</COORDINATION>");
        row("thirteen coordinated administrations", inserted(base, 24, thirteen),
            {"37: more than 12 \"t_adm\" lines"});
        row("no blanks around the equals sign", replaced(base, 18, {"t_polar=H"}),
            {"18: line is not \"key = value\""});
        row("no value and no blank", replaced(base, 18, {"t_polar ="}), {"18: line is not \"key = value\""});
        row("empty value", replaced(base, 18, {"t_polar = "}), {"18: empty value for \"t_polar\""});
        row("no key", replaced(base, 18, {" = H"}), {"18: line is not \"key = value\""});
        row("blank before the equals sign", replaced(base, 18, {"t_polar  = H"}), {"18: blank around the key \"t_polar\""});
        row("blank after a worked-out value", replaced(base, 12, {"t_action = ADD "}),
            {"12: blank around the value for \"t_action\""});
        row("tab in a value", replaced(base, 13, {"t_site_name = MONT\tMARTRE"}),
            {"13: tab in the value for \"t_site_name\""});
        row("value longer than its box", replaced(base, 14, {"t_ctry = FRAN"}),
            {"14: value for \"t_ctry\" longer than 3 characters"});
        row("line longer than the writer writes",
            replaced(base, 13, {"t_remarks = " + QString(NoticeKeys::kLongestLine, 'x')}),
            {"13: line longer than 1048640 characters"});
        QByteArray undefinedByte = sound;
        undefinedByte.replace("MONTMARTRE", "MONT\x81MARTRE");
        QTest::newRow("byte undefined in the encoding")
            << undefinedByte << QStringList{"13: byte 0x81 is undefined in Windows-1252"};

        // Notice numbers and the TAIL.
        row("first notice numbered 2", replaced(base, 8, {"Notice No = 2"}),
            {"8: \"Notice No\" is 2, expected 1"});
        row("number with a leading zero", replaced(base, 8, {"Notice No = 01"}),
            {"8: \"Notice No\" is 01, expected 1"});
        row("Notice No missing", removed(base, 8), {"27: \"Notice No\" missing"});
        row("numbers 1, 3", withTail(removalNotice(1) + removalNotice(3), 2),
            {"14: \"Notice No\" is 3, expected 2"});
        row("count differs", replaced(base, 30, {"t_num_notices = 2"}),
            {"30: \"t_num_notices\" is 2, the file has 1 notice"});
        row("count missing", removed(base, 30), {"30: \"t_num_notices\" missing"});
        row("TAIL missing", base.mid(0, 28), {"29: \"<TAIL>\" missing: the file was not finished" + NotFinishedHint});
        row("TAIL missing before the empty line", base.mid(0, 28) + QStringList{""},
            {"29: \"<TAIL>\" missing: the file was not finished" + NotFinishedHint});
        row("no notice, no empty line", noNotice().mid(0, 6),
            {"7: final empty line missing: the file was not finished" + NotFinishedHint});
        row("TAIL without the empty line", base.mid(0, 31),
            {"32: final empty line missing: the file was not finished" + NotFinishedHint});
        row("text after the empty line", base + QStringList{"t_adm = F"}, {"33: text after the final empty line"});
        row("second empty line", base + QStringList{""}, {"33: text after the final empty line"});
        row("whole second file", base + base, {"33: text after the final empty line"});

        // Empty lines inside a notice.
        row("empty line among the keys", inserted(base, 18, {""}), {"18: empty line out of place"});
        row("empty line before ANT_HGT", inserted(base, 24, {""}), {"24: empty line out of place"});
        row("empty line in HEAD", inserted(base, 5, {""}), {"5: empty line out of place"});
        row("station without its empty line", withTail(removed(bareStation(1), 5), 1),
            {"11: empty line missing before \"</NOTICE>\""});
        row("two empty lines", withTail(inserted(bareStation(1), 5, {""}), 1), {"11: empty line out of place"});
        row("pattern without its empty line",
            withTail(replaced(bareStation(1), 5, {"<ANT_DIAGR_H>", "t_attn@azm0 = 3", "</ANT_DIAGR_H>"}), 1),
            {"11: empty line missing before \"<ANT_DIAGR_H>\""});
        row("empty line in a removal notice", withTail(inserted(removalNotice(1), 6, {""}), 1),
            {"12: empty line out of place"});
        row("antenna section in a removal notice",
            withTail(inserted(removalNotice(1), 6, {"<ANT_HGT>", "t_eff_hgt@azm0 = 300", "</ANT_HGT>"}), 1),
            {"12: \"<ANT_HGT>\" in a notice of type TB5"});

        // A notice cut short: the faults that follow from it, and no more.
        row("cut after a key", base.mid(0, 20), {"21: \"<NOTICE>\" of line 7 not closed",
                                                 "21: \"<TAIL>\" missing: the file was not finished" + NotFinishedHint});
    }

    void faults()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        const ParsedNoticeFile parsed = checkNoticeFile(file);
        QCOMPARE(faultTexts(parsed), expected);
        QCOMPARE(parsed.isSound(), false);
    }

    // One line of the sound notice damaged (or one line added), and the
    // fault it makes: every value is judged by its key's shape. An empty
    // fault: the forms write such a value, and the file stays sound.
    void valueShapes_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");

        const QStringList base = oneNotice();
        const auto replace = [&base](int line, const QString &text, const QString &fault) {
            QTest::newRow(qPrintable(text)) << fileOf(replaced(base, line, {text})) << fault;
        };
        const auto insert = [&base](int line, const QString &text, const QString &fault) {
            QTest::newRow(qPrintable(text)) << fileOf(inserted(base, line, {text})) << fault;
        };

        // Codes of the option groups and lists.
        replace(9, "t_notice_type = D01", R"(9: "t_notice_type" is "D01", expected one of T01, T02, TB5)");
        replace(11, "t_fragment = GE8", R"(11: "t_fragment" is "GE8", expected one of GE84, GE89, ST61, NTFD_RR)");
        replace(12, "t_action = ADT", R"(12: "t_action" is "ADT", expected one of ADD, MODIFY, SUPPRESS, WITHDRAW)");
        replace(12, "t_action = add", R"(12: "t_action" is "add", expected one of ADD, MODIFY, SUPPRESS, WITHDRAW)");
        insert(18, "t_freq_stabl = NORMAK",
               R"(18: "t_freq_stabl" is "NORMAK", expected one of RELAXED, NORMAL, PRECISION)");
        replace(18, "t_polar = X", R"(18: "t_polar" is "X", expected one of H, V, M)");
        insert(21, "t_color = PAK", R"(21: "t_color" is "PAK", expected one of NTSC, PAL, SECAM)");

        // Control characters, in a worked-out value and in a typed one.
        replace(16, QString("t_long = +002") + QChar(0) + "030",
                R"(16: control character 0x00 in the value for "t_long")");
        replace(13, QString("t_site_name = MONT") + QChar(0x1B) + "MARTRE",
                R"(13: control character 0x1B in the value for "t_site_name")");
        replace(13, QString("t_site_name = MONT") + QChar(0x7F), R"(13: control character 0x7F in the value for "t_site_name")");

        // Coordinates.
        const QString longitude = "a longitude +DDDMMSS (degrees 0 to 180, minutes and seconds 0 to 59)";
        const QString latitude = "a latitude +DDMMSS (degrees 0 to 90, minutes and seconds 0 to 59)";
        replace(16, "t_long = -1800000", "");
        replace(16, "t_long = +1810000", R"(16: "t_long" is "+1810000", expected )" + longitude);
        replace(16, "t_long = +0026030", R"(16: "t_long" is "+0026030", expected )" + longitude);
        replace(16, "t_long = 00220300", R"(16: "t_long" is "00220300", expected )" + longitude);
        replace(17, "t_lat = -900000", "");
        replace(17, "t_lat = +910000", R"(17: "t_lat" is "+910000", expected )" + latitude);
        replace(17, "t_lat = +48531", R"(17: "t_lat" is "+48531", expected )" + latitude);

        // Dates and hours.
        replace(10, "t_d_adm_ntc = 2004-02-29", "");
        replace(10, "t_d_adm_ntc = 2005-02-29", R"(10: "t_d_adm_ntc" is "2005-02-29", expected a date YYYY-MM-DD)");
        replace(10, "t_d_adm_ntc = 2005-12-7", R"(10: "t_d_adm_ntc" is "2005-12-7", expected a date YYYY-MM-DD)");
        replace(10, "t_d_adm_ntc = 2005-12-07 ", R"(10: blank around the value for "t_d_adm_ntc")");
        insert(24, "t_op_hh_fr = 12:75", "");
        insert(24, "t_op_hh_fr = 24:01", R"(24: "t_op_hh_fr" is "24:01", expected an hour HH:MM from 00:00 to 24:00)");
        insert(24, "t_op_hh_to = 0830", R"(24: "t_op_hh_to" is "0830", expected an hour HH:MM from 00:00 to 24:00)");

        // Numbers, as the numeric boxes take them: blanks around included.
        replace(15, "t_freq_assgn = 87.6 ", "");
        replace(15, "t_freq_assgn = 8.76e1", "");
        replace(15, "t_freq_assgn = 87x6", R"(15: "t_freq_assgn" is "87x6", expected a number)");
        replace(25, "t_eff_hgt@azm0 = 3OO", R"(25: "t_eff_hgt@azm0" is "3OO", expected a number)");
        replace(30, "t_num_notices = 1x", R"(30: "t_num_notices" is "1x", expected a whole number)");

        // Letters, and codes that are not numbers.
        replace(5, "t_adm = F1", R"(5: "t_adm" is "F1", expected letters, no digit)");
        replace(14, "t_ctry = 9", R"(14: "t_ctry" is "9", expected letters, no digit)");
        QTest::newRow("coordinated administration 123")
            << fileOf(inserted(base, 24, {"<COORDINATION>", "t_adm = 123", "</COORDINATION>"}))
            << R"(25: "t_adm" is "123", expected a code that is not a number)";
        QTest::newRow("coordinated administration F1")
            << fileOf(inserted(base, 24, {"<COORDINATION>", "t_adm = F1", "</COORDINATION>"})) << QString();
    }

    void valueShapes()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        QCOMPARE(faultTexts(checkNoticeFile(file)), expected.isEmpty() ? QStringList() : QStringList{expected});
    }

    void soundFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("notices");

        QTest::newRow("one T01 notice, typed") << fileOf(oneNotice()) << 1;
        QTest::newRow("no notice, typed") << fileOf(noNotice()) << 0;
        QTest::newRow("removal and bare station, typed")
            << fileOf(withTail(removalNotice(1) + bareStation(2), 2)) << 2;

        const auto written = [](const char *name, const QList<NoticeRecord> &records) {
            QTest::newRow(name) << writtenNoticeFile("F", records) << int(records.size());
        };
        written("written: no notice", {});
        written("written: bare T01 and T02", {station("T01"), station("T02")});

        NoticeRecord heights = station("T01");
        heights.eff_hgt[0] = {"0", "300"};
        heights.eff_hgt[35] = {"350", "310"};
        written("written: effective heights", {heights});

        NoticeRecord horizontal = station("T01");
        horizontal.attn_h[3] = {"30", "2"};
        written("written: horizontal pattern only", {horizontal});

        NoticeRecord vertical = station("T02");
        vertical.attn_v[0] = {"0", "1"};
        written("written: vertical pattern only", {vertical});

        NoticeRecord all = station("T02");
        all.fragment = "NTFD_RR";
        all.op_agcy = "123";
        all.op_hours = {true, "0830", "2200"};
        all.d_inuse = "2006-1-2";
        all.coord.coord_given = true;
        all.coord.adm(3) = "D";
        all.coord.adm(7) = QString::fromUtf8("SUÈ");
        all.eff_hgt[1] = {"10", "300"};
        all.attn_h[2] = {"20", "3"};
        all.attn_v[2] = {"20", "4"};
        all.remarks = "two\r\nlines";
        written("written: every sub-section", {all});

        NoticeRecord removal;
        removal.notice_type = "TB5";
        removal.action = "WITHDRAW";
        removal.adm_ref_id = "REF-1";
        removal.trg.trg_given = true;
        removal.trg.trg_adm_ref_id = "REF-1";
        written("written: removal between stations", {heights, removal, horizontal});
    }

    void soundFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, notices);
        QVERIFY(!file.isEmpty());
        const ParsedNoticeFile parsed = checkNoticeFile(file);
        QCOMPARE(faultTexts(parsed), QStringList());
        QCOMPARE(parsed.notices.size(), notices);
        QVERIFY(parsed.head);
        QCOMPARE(parsed.head->value(NoticeKeys::Key::Adm), QString("F"));
        QCOMPARE(parsed.tail.has_value(), notices > 0);
        QCOMPARE(parsed.headerLines.size(), 3);
        for (int i = 0; i < notices; ++i)
            QCOMPARE(parsed.notices[i].value(NoticeKeys::Key::NoticeNo), QString::number(i + 1));
    }

    void parsedStructure()
    {
        const ParsedNoticeFile parsed = checkNoticeFile(fileOf(oneNotice()));
        QCOMPARE(parsed.headerLines,
                 QStringList({"File captured on 07.12.2005-14:03:27", "Processed by operator",
                              "Program Id:  Norvane Analog Version 1.61 / 12.12.2005"}));
        QCOMPARE(parsed.head->openLine, 4);
        QCOMPARE(parsed.head->closeLine, 6);
        QCOMPARE(parsed.notices.size(), 1);
        const ParsedNotice &notice = parsed.notices.first();
        QCOMPARE(notice.openLine, 7);
        QCOMPARE(notice.closeLine, 28);
        QCOMPARE(notice.keyLines.size(), 16);
        QCOMPARE(notice.keyLines.at(7).line, 15);
        QCOMPARE(notice.keyLines.at(7).key, QString("t_freq_assgn"));
        QCOMPARE(notice.keyLines.at(7).value, QString("98.5"));
        QCOMPARE(notice.subSections.size(), 1);
        QCOMPARE(notice.subSections.first().openLine, 24);
        QCOMPARE(parsedLines(notice).mid(16),
                 QStringList({"ANT_HGT: t_eff_hgt@azm0 = 300", "ANT_HGT: t_eff_hgt@azm10 = 310"}));
        QCOMPARE(parsed.tail->value(NoticeKeys::Key::NumNotices), QString("1"));
        QCOMPARE(parsed.tail->closeLine, 31);
    }

    void valuesKeepTheirText()
    {
        // A value is everything after the first " = ", blanks and all, read in
        // the file's 8-bit encoding.
        QByteArray file = fileOf(replaced(oneNotice(), 13, {"t_site_name =  A = B <x> "}));
        file.replace("t_ctry = F", "t_ctry = \xC9\x80\xFF");
        const ParsedNoticeFile parsed = checkNoticeFile(file);
        QCOMPARE(faultTexts(parsed), QStringList());
        QCOMPARE(parsed.notices.first().value(NoticeKeys::Key::SiteName), QString(" A = B <x> "));
        QCOMPARE(parsed.notices.first().value(NoticeKeys::Key::Ctry), QString::fromUtf8("É€ÿ"));
    }

    void roundTrip()
    {
        // 1,000 generated notices in one file written by the writer: the
        // checker finds it sound and gives back every key and value.
        constexpr int kNotices = 1000;
        QRandomGenerator random(20051207);
        QList<NoticeRecord> records;
        QSet<QString> shapes;
        for (int i = 0; i < kNotices; ++i) {
            records.append(sampleRecord(i, random));
            const NoticeRecord &r = records.last();
            shapes.insert(r.notice_type + "/" + r.action + "/" + r.fragment + "/" + r.polar);
        }
        // Every combination that reaches the record: on each form, the three
        // station intentions (none included) by four fragments by four
        // polarizations; and the two removals (whose polarization is not
        // taken) by the five fragments of both forms.
        QCOMPARE(shapes.size(), 2 * 3 * 4 * 4 + 2 * 5);

        const QByteArray file = writtenNoticeFile("F", records);
        QVERIFY(!file.isEmpty());
        const ParsedNoticeFile parsed = checkNoticeFile(file);
        QCOMPARE(faultTexts(parsed).mid(0, 5), QStringList());
        QCOMPARE(parsed.notices.size(), kNotices);
        QCOMPARE(parsed.tail->value(NoticeKeys::Key::NumNotices), QString::number(kNotices));
        int subSections = 0;
        int emptyLineNotices = 0;
        for (int i = 0; i < kNotices; ++i) {
            QCOMPARE(parsedLines(parsed.notices[i]), expectedNoticeLines(records[i], i + 1));
            subSections += int(parsed.notices[i].subSections.size());
            const NoticeRecord &r = records[i];
            const bool hasHeights = std::any_of(r.eff_hgt.begin(), r.eff_hgt.end(),
                                                [](const AzimuthValue &v) { return !v.azm.isEmpty(); });
            if (r.notice_type != "TB5" && !hasHeights)
                ++emptyLineNotices;
        }
        // The sample covers sub-sections and the empty line that stands in
        // for a missing ANT_HGT section.
        QVERIFY(subSections > kNotices / 2);
        QVERIFY(emptyLineNotices > 50);
    }
};

QTEST_GUILESS_MAIN(TestNoticeFileChecker)
#include "tst_noticefilechecker.moc"
