#include "NoticeTestSupport.h"

#include "notice/NoticeKeys.h"
#include "form/ScreenBinding.h"
#include "notice/Formatting.h"
#include "notice/NoticeWriter.h"
#include "platform/System.h"
#include "platform/TextFile.h"

#include <QtTest>

Q_DECLARE_METATYPE(NoticeRecord)

namespace {

const QString kVersionLabel = " Norvane Analog Version 1.61 / 12.12.2005";

QString lines(const QStringList &list)
{
    return list.join("\r\n");
}

QString notice(const QStringList &body)
{
    return lines(QStringList{"<NOTICE>"} + body + QStringList{"</NOTICE>"});
}

// A T01 station notice with only the items that every row needs.
NoticeRecord station()
{
    NoticeRecord r;
    r.notice_type = "T01";
    r.action = "ADD";
    return r;
}

NoticeRecord removal()
{
    NoticeRecord r;
    r.notice_type = "TB5";
    r.action = "SUPPRESS";
    r.adm_ref_id = "REF-7";
    r.freq_assgn = "98.5";
    r.long_deg = "002";
    r.long_min = "20";
    r.long_ew = "E";
    r.lat_deg = "48";
    r.lat_min = "53";
    r.lat_ns = "N";
    r.eff_hgt[0] = {"0", "300"};
    r.attn_h[1] = {"10", "3"};
    r.trg.trg_given = true;
    r.trg.trg_adm_ref_id = "REF-7";
    r.trg.trg_freq_assgn = "98.5";
    r.trg.trg_long_deg = "002";
    r.trg.trg_long_min = "20";
    r.trg.trg_long_ew = "E";
    return r;
}

// Every item filled, so that every key of the NOTICE section is written once.
NoticeRecord everything()
{
    NoticeRecord r = station();
    r.fragment = "NTFD_RR";
    for (QString *field : {&r.adm_ref_id, &r.ctry, &r.call_sign, &r.station_id, &r.addr_code,
                           &r.op_agcy, &r.freq_assgn, &r.freq_stabl, &r.oset_v_12, &r.oset_v_khz,
                           &r.tran_sys, &r.color, &r.bdwdth, &r.hgt_agl, &r.eff_hgtmax, &r.erp_h_dbw,
                           &r.erp_v_dbw, &r.polar, &r.pwr_ratio, &r.site_name, &r.site_alt, &r.remarks,
                           &r.int_remarks, &r.trg.trg_freq_assgn, &r.trg.trg_adm_ref_id})
        *field = "1";
    r.long_deg = r.lat_deg = r.trg.trg_long_deg = r.trg.trg_lat_deg = "1";
    r.long_min = r.lat_min = r.trg.trg_long_min = r.trg.trg_lat_min = "1";
    r.long_ew = r.trg.trg_long_ew = "E";
    r.lat_ns = r.trg.trg_lat_ns = "N";
    r.trg.trg_given = true;
    r.d_adm_ntc = r.d_inuse = "2005-12-7";
    r.op_hours = {true, "0800", "2000"};
    r.coord.coord_given = true;
    r.coord.adm(1) = r.coord.adm(12) = "D";
    for (AzimuthTable *table : {&r.eff_hgt, &r.attn_h, &r.attn_v}) {
        (*table)[0] = {"0", "1"};
        (*table)[35] = {"350", "2"};
    }
    return r;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestNoticeWriter : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void headSection()
    {
        QCOMPARE(makeHeadSection("F"), QString("<HEAD>\r\nt_adm = F\r\n</HEAD>"));
        QCOMPARE(makeHeadSection("F\r\n</HEAD>"), QString("<HEAD>\r\nt_adm = F </HEAD>\r\n</HEAD>"));
    }

    void noticeSection_data()
    {
        QTest::addColumn<NoticeRecord>("record");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("expected");

        QTest::newRow("fresh record: only the number")
            << NoticeRecord() << 1 << notice({"Notice No = 1", ""});
        QTest::newRow("station without heights or patterns ends with an empty line")
            << station() << 42
            << notice({"Notice No = 42", "t_notice_type = T01", "t_action = ADD", ""});

        QTest::newRow("suppression: no frequency, coordinates or antenna sections")
            << removal() << 2
            << notice({"Notice No = 2", "t_notice_type = TB5", "t_action = SUPPRESS",
                       "t_trg_adm_ref_id = REF-7", "t_trg_freq_assgn = 98.5", "t_trg_long = +0022000",
                       "t_adm_ref_id = REF-7"});
        NoticeRecord withdrawal = removal();
        withdrawal.action = "WITHDRAW";
        withdrawal.trg = TargetAssignment();
        QTest::newRow("withdrawal without target lines")
            << withdrawal << 3
            << notice({"Notice No = 3", "t_notice_type = TB5", "t_action = WITHDRAW",
                       "t_adm_ref_id = REF-7"});

        NoticeRecord article11 = station();
        article11.op_agcy = "012";
        article11.addr_code = "A";
        article11.op_hours = {true, "0830", "2200"};
        article11.d_inuse = "2006-1-31";
        NoticeRecord otherFragment = article11;
        otherFragment.fragment = "ST61";
        QTest::newRow("no Article 11 lines outside NTFD_RR")
            << otherFragment << 1
            << notice({"Notice No = 1", "t_notice_type = T01", "t_fragment = ST61", "t_action = ADD", ""});
        article11.fragment = "NTFD_RR";
        QTest::newRow("Article 11 lines")
            << article11 << 1
            << notice({"Notice No = 1", "t_notice_type = T01", "t_fragment = NTFD_RR", "t_action = ADD",
                       "t_op_agcy = 012", "t_addr_code = A", "t_op_hh_fr = 08:30", "t_op_hh_to = 22:00",
                       "t_d_inuse = 2006-01-31", ""});
        NoticeRecord hoursNotGiven = article11;
        hoursNotGiven.op_hours.op_hours_given = false;
        hoursNotGiven.d_inuse = "2006-2-30";
        QTest::newRow("hours only with their flag, date only when it reads as one")
            << hoursNotGiven << 1
            << notice({"Notice No = 1", "t_notice_type = T01", "t_fragment = NTFD_RR", "t_action = ADD",
                       "t_op_agcy = 012", "t_addr_code = A", ""});

        NoticeRecord west = station();
        west.long_deg = "002";
        west.long_min = "05";
        west.long_ew = "W";
        west.lat_deg = "48";
        west.lat_ns = "N";
        QTest::newRow("west longitude without seconds; latitude without minutes left out")
            << west << 1
            << notice({"Notice No = 1", "t_notice_type = T01", "t_action = ADD", "t_long = -0020500", ""});

        NoticeRecord coordination = station();
        coordination.coord.coord_given = true;
        coordination.coord.adm(3) = "D";
        coordination.coord.adm(7) = "SUI";
        QTest::newRow("coordination boxes 3 and 7")
            << coordination << 1
            << notice({"Notice No = 1", "t_notice_type = T01", "t_action = ADD", "<COORDINATION>",
                       "t_adm = D", "t_adm = SUI", "</COORDINATION>", ""});

        NoticeRecord patterns = station();
        patterns.attn_h[0] = {"0", "1"};
        patterns.attn_v[35] = {"350", "12"};
        QTest::newRow("patterns without heights: empty line before them")
            << patterns << 1
            << notice({"Notice No = 1", "t_notice_type = T01", "t_action = ADD", "", "<ANT_DIAGR_H>",
                       "t_attn@azm0 = 1", "</ANT_DIAGR_H>", "<ANT_DIAGR_V>", "t_attn@azm350 = 12",
                       "</ANT_DIAGR_V>"});
        NoticeRecord heights = patterns;
        heights.eff_hgt[1] = {"10", "310"};
        heights.attn_h = AzimuthTable();
        QTest::newRow("heights then the vertical pattern")
            << heights << 1
            << notice({"Notice No = 1", "t_notice_type = T01", "t_action = ADD", "<ANT_HGT>",
                       "t_eff_hgt@azm10 = 310", "</ANT_HGT>", "<ANT_DIAGR_V>", "t_attn@azm350 = 12",
                       "</ANT_DIAGR_V>"});

        NoticeRecord dates = station();
        dates.d_adm_ntc = "2005-12-7";
        QTest::newRow("notification date re-formatted")
            << dates << 1
            << notice({"Notice No = 1", "t_notice_type = T01", "t_d_adm_ntc = 2005-12-07",
                       "t_action = ADD", ""});
        dates.d_adm_ntc = "2005-2-31";
        QTest::newRow("notification date that is not a date")
            << dates << 1 << notice({"Notice No = 1", "t_notice_type = T01", "t_action = ADD", ""});
        dates.d_adm_ntc = "1.2.-12-7";
        QTest::newRow("stored date holding points")
            << dates << 1 << notice({"Notice No = 1", "t_notice_type = T01", "t_action = ADD", ""});

        NoticeRecord remarks = station();
        remarks.remarks = "first\r\n</NOTICE>\r\nlast";
        remarks.int_remarks = "a\nb\rc";
        QTest::newRow("line breaks inside values become blanks")
            << remarks << 1
            << notice({"t_remarks = first </NOTICE> last", "int_remarks = a b c", "Notice No = 1",
                       "t_notice_type = T01", "t_action = ADD", ""});

        NoticeRecord t02 = station();
        t02.notice_type = "T02";
        t02.freq_assgn = "471.25";
        t02.color = "PAL";
        QTest::newRow("T02 station")
            << t02 << 1
            << notice({"Notice No = 1", "t_notice_type = T02", "t_action = ADD", "t_freq_assgn = 471.25",
                       "t_color = PAL", ""});
    }

    void noticeSection()
    {
        QFETCH(NoticeRecord, record);
        QFETCH(int, number);
        QFETCH(QString, expected);
        QCOMPARE(makeNoticeSection(record, number).split("\r\n"), expected.split("\r\n"));
    }

    // The section encoded as it is built is byte for byte the text encoded,
    // and is refused where the text cannot be encoded.
    void noticeSectionEncodedAsBuilt_data()
    {
        noticeSection_data();
        NoticeRecord letters = station();
        letters.site_name = "CÔTE D'AZUR – SAINT-ÉTIENNE € ŒUVRE ‰";
        letters.remarks = "é\r\nß";
        letters.int_remarks = "a remark long enough for the long path\rthen more\tand a tab";
        letters.eff_hgt[0] = {"0", "12é"};
        QTest::newRow("Windows-1252 letters in short and long values") << letters << 7 << QString();
        NoticeRecord cyrillic = station();
        cyrillic.site_name = "Жора";
        QTest::newRow("a character without a byte") << cyrillic << 1 << QString();
        NoticeRecord undefined = station();
        undefined.remarks = QString(QChar(0x81));
        QTest::newRow("a control character of a byte undefined in the code page") << undefined << 1 << QString();
    }

    void noticeSectionEncodedAsBuilt()
    {
        QFETCH(NoticeRecord, record);
        QFETCH(int, number);
        const std::optional<QByteArray> encoded = platform::encodeText(makeNoticeSection(record, number));
        QByteArray bytes("kept");
        QCOMPARE(appendNoticeSectionLine(bytes, record, number), encoded.has_value());
        if (encoded)
            QCOMPARE(bytes, "kept" + *encoded + "\r\n");
    }

    void lineBreaksInRemarksForgeNoLine()
    {
        NoticeRecord record = station();
        record.remarks = "\r\n</NOTICE>\r\n";
        const QStringList written = makeNoticeSection(record, 1).split("\r\n");
        QCOMPARE(written.count("</NOTICE>"), 1);
        QCOMPARE(written.last(), QString("</NOTICE>"));
        QCOMPARE(written.at(1), QString("t_remarks =  </NOTICE> "));
    }

    void keysFollowTheSharedLayout()
    {
        // Every key of the full record, in the writer's order, stands where the
        // shared table of keys puts it, and every key of the table appears.
        const QStringList written = makeNoticeSection(everything(), 1).split("\r\n");
        const std::vector<NoticeKeys::Placement> &layout = NoticeKeys::layout();
        QList<std::size_t> positions;
        NoticeKeys::Section current = NoticeKeys::Section::Notice;
        for (const QString &line : written) {
            if (line.isEmpty() || line.startsWith("</"))
                continue;
            if (line.startsWith('<')) {
                bool known = false;
                for (const auto &p : layout) {
                    if ("<" + NoticeKeys::tag(p.section) + ">" == line) {
                        current = p.section;
                        known = true;
                    }
                }
                QVERIFY2(known, qPrintable(line));
                continue;
            }
            const QString key = line.section(" = ", 0, 0);
            std::size_t found = layout.size();
            for (std::size_t i = 0; i < layout.size(); ++i) {
                const QString text = NoticeKeys::text(layout[i].key);
                const bool matches = NoticeKeys::takesAzimuth(layout[i].key) ? key.startsWith(text)
                                                                             : key == text;
                if (layout[i].section == current && matches)
                    found = i;
            }
            QVERIFY2(found < layout.size(), qPrintable(line));
            QVERIFY2(positions.isEmpty() || positions.last() <= found, qPrintable(line));
            if (positions.isEmpty() || positions.last() != found)
                positions.append(found);
        }
        QList<std::size_t> expected;
        for (std::size_t i = 0; i < layout.size(); ++i) {
            if (layout[i].section == NoticeKeys::Section::Notice || NoticeKeys::isInsideNotice(layout[i].section))
                expected.append(i);
        }
        QCOMPARE(positions, expected);
    }

    void headerLines_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("expected");
        const QLocale germany(QLocale::German, QLocale::Germany);
        QTest::newRow("day.month.year") << germany << QTime(14, 3, 27) << "07.12.2005-14:03:27";
        QTest::newRow("morning on the 24-hour clock") << germany << QTime(9, 5, 1) << "07.12.2005-09:05:01";
        QTest::newRow("two-digit year widened, 12-hour locale")
            << QLocale(QLocale::English, QLocale::UnitedStates) << QTime(21, 0, 0) << "12/7/2005-21:00:00";
        QTest::newRow("four-digit year kept")
            << QLocale(QLocale::French, QLocale::France) << QTime(14, 3, 27) << "07/12/2005-14:03:27";
        QTest::newRow("year first")
            << QLocale(QLocale::Swedish, QLocale::Sweden) << QTime(14, 3, 27) << "2005-12-07-14:03:27";
        // Dates the 8-bit file cannot hold fall back to day.month.year.
        QTest::newRow("Cyrillic word in the date")
            << QLocale(QLocale::Bulgarian, QLocale::Bulgaria) << QTime(14, 3, 27) << "07.12.2005-14:03:27";
        QTest::newRow("Arabic-Indic digits")
            << QLocale(QLocale::Arabic, QLocale::Egypt) << QTime(14, 3, 27) << "07.12.2005-14:03:27";
    }

    void headerLines()
    {
        QFETCH(QLocale, locale);
        QFETCH(QTime, time);
        QFETCH(QString, expected);
        const QStringList header =
            makeHeaderLines(QDateTime(QDate(2005, 12, 7), time), "operator", kVersionLabel, locale);
        QCOMPARE(header, QStringList({"File captured on " + expected, "Processed by operator",
                                      "Program Id:  Norvane Analog Version 1.61 / 12.12.2005"}));
    }

    void wholeExampleFile()
    {
        platform::SystemOverrides overrides;
        overrides.setDateTime(QDateTime(QDate(2005, 12, 7), QTime(14, 3, 27)));
        overrides.setLoginName("operator");

        const MapScreen screen(
            FormKind::T01,
            {{"Txt_B_Adm", "F"}, {"Txt_Ntc_DD", "7"}, {"Txt_Ntc_MM", "12"}, {"Txt_Ntc_YY", "2005"},
             {"Txt_4A_SiteName", "MONTMARTRE"}, {"Txt_4B_GeoArea", "F"}, {"Txt_4C_Deg_Long", "2"},
             {"Txt_4C_Min_Long", "20"}, {"Txt_4C_Sec_Long", "30"}, {"Txt_4C_EW", "E"},
             {"Txt_4C_Deg_Lat", "48"}, {"Txt_4C_Min_Lat", "53"}, {"Txt_4C_Sec_Lat", "10"},
             {"Txt_4C_NS", "N"}, {"Txt_1A_FreqAssgn", "98.5"}, {"Combo_9D_Polariz", "H"},
             {"Txt_8BH_Erp_H", "40"}, {"Txt_7D_TranSys", "4"}, {"Txt_70_BDWdth", "180"},
             {"Txt_9E_AntHgt", "150"}, {"Txt_9EB_Eff_hgtmax", "320"}, {"Txt_9EC_azm000", "300"},
             {"Txt_9EC_azm010", "310"}},
            {"OptFrg_Ge84", "OptInt_Add"});
        NoticeRecord record;
        collectScreen(record, screen, FormKind::T01);
        QCOMPARE(screen.unknownNames(), QStringList());

        const QString path = m_dir.filePath("example.txt");
        platform::TextFile file;
        QString error;
        QVERIFY2(file.create(path, &error), qPrintable(error));
        const QStringList pieces =
            makeHeaderLines(platform::currentDateTime(), Formatting::currentUserName(), kVersionLabel,
                            QLocale(QLocale::German, QLocale::Germany))
            + QStringList{makeHeadSection(record.adm), makeNoticeSection(record, 1), Formatting::makeTail(1)};
        for (const QString &piece : pieces)
            QVERIFY2(file.writeLine(piece, &error), qPrintable(error));
        QVERIFY2(file.close(&error), qPrintable(error));

        // The example notice of the README, as the capture window writes it.
        const QString example = QFINDTESTDATA("data/montmartre-T01.txt");
        QVERIFY(!example.isEmpty());
        const QByteArray bytes = fileBytes(example);
        const QByteArray written = fileBytes(path);
        const QByteArray headerEnd = "12.12.2005\r\n";
        const qsizetype split = bytes.indexOf(headerEnd) + headerEnd.size();
        QCOMPARE(written.mid(split), bytes.mid(split)); // lines 4 to 32
        QCOMPARE(written.left(split), bytes.left(split)); // lines 1 to 3
    }

    void fileWithoutNoticesEndsWithAnEmptyLine()
    {
        const QString path = m_dir.filePath("head-only.txt");
        platform::TextFile file;
        QString error;
        QVERIFY2(file.create(path, &error), qPrintable(error));
        QVERIFY2(file.writeLine(makeHeadSection("F"), &error), qPrintable(error));
        QVERIFY2(file.writeLine(Formatting::makeTail(0), &error), qPrintable(error));
        QVERIFY2(file.close(&error), qPrintable(error));
        QCOMPARE(fileBytes(path), QByteArray("<HEAD>\r\nt_adm = F\r\n</HEAD>\r\n\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestNoticeWriter)
#include "tst_noticewriter.moc"
