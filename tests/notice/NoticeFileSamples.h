#pragma once

// Notice files for the checker's tests: records made by the real screen
// collection from generated screens, written by the real notice writer through
// the program's text file, and the key lines that each record must give in
// its NOTICE section, written out here from the file format's rules.

#include "NoticeTestSupport.h"

#include "form/FieldCatalogue.h"
#include "form/ScreenBinding.h"
#include "notice/Formatting.h"
#include "notice/NoticeWriter.h"
#include "platform/TextFile.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>

// The three header lines of the files below.
inline QStringList writtenHeaderLines()
{
    return makeHeaderLines(QDateTime(QDate(2005, 12, 7), QTime(14, 3, 27)), "operator",
                           " Norvane Analog Version 1.61 / 12.12.2005", QLocale(QLocale::German, QLocale::Germany));
}

// The bytes of the file that a capture run writes for these records: the
// header lines, HEAD, one NOTICE per record numbered from 1, and the TAIL
// piece, each piece followed by one line end. Empty if the file could not be
// written or read back.
inline QByteArray writtenNoticeFile(const QString &adm, const QList<NoticeRecord> &records)
{
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("T01M-2005127-14327-operator.txt"));
    QStringList pieces = writtenHeaderLines();
    pieces.append(makeHeadSection(adm));
    for (int i = 0; i < records.size(); ++i)
        pieces.append(makeNoticeSection(records[i], i + 1));
    pieces.append(Formatting::makeTail(qint32(records.size())));

    platform::TextFile file;
    if (!folder.isValid() || !file.create(name, nullptr))
        return {};
    for (const QString &piece : pieces) {
        if (!file.writeLine(piece, nullptr))
            return {};
    }
    if (!file.close(nullptr))
        return {};
    QFile written(name);
    if (!written.open(QIODevice::ReadOnly))
        return {};
    return written.readAll();
}

// Texts that the file's encoding holds, some of them awkward for a reader:
// blanks at either end, " = " and a tag inside a value, letters beyond ASCII,
// a line break (which the writer turns into a blank).
inline QString sampleText(QRandomGenerator &random)
{
    static const QStringList texts{
        "MONTMARTRE",
        QString::fromUtf8("Zürich"),
        QString::fromUtf8("São Tomé"),
        QString::fromUtf8("Œuvre € “quoted” – ‰ ÿ"),
        " leading blank",
        "trailing blank ",
        "a = b",
        "<NOTICE>",
        "first line\r\nsecond line",
        "x",
    };
    return texts.at(random.bounded(int(texts.size())));
}

inline QString sampleNumber(QRandomGenerator &random, int below)
{
    return QString::number(random.bounded(below));
}

// A generated capture screen: its form, the texts of its boxes and lists and
// its selected options. The index picks the form, intention, fragment,
// polarization and directivity so that every combination of them comes up
// within 480 indexes; the rest is random: which boxes are filled, with what,
// how many azimuths and coordinated administrations.
struct SampleScreen
{
    FormKind kind;
    Fields texts;
    QStringList selected;
};

inline SampleScreen sampleScreen(int index, QRandomGenerator &random)
{
    static const QStringList intentions{"OptInt_Add", "OptInt_Mod", "OptInt_Sup", "OptInt_Wdraw", ""};
    static const QStringList fragments{"own", "OptFrg_St61", "OptFrg_A11", ""};
    static const QStringList polarizations{"H", "V", "M", ""};
    static const QStringList directivities{"D", "ND", ""};
    int rest = index;
    const auto pick = [&rest](const QStringList &choices) {
        const QString choice = choices.at(rest % choices.size());
        rest /= int(choices.size());
        return choice;
    };
    const FormKind kind = pick({"T01", "T02"}) == "T01" ? FormKind::T01 : FormKind::T02;
    const QString intention = pick(intentions);
    QString fragment = pick(fragments);
    if (fragment == "own")
        fragment = kind == FormKind::T01 ? "OptFrg_Ge84" : "OptFrg_Ge89";
    Fields texts{{"Txt_B_Adm", "F"}, {"Combo_9D_Polariz", pick(polarizations)},
                 {"Combo_9_AntDir", pick(directivities)}};
    QStringList selected;
    for (const QString &option : {intention, fragment}) {
        if (!option.isEmpty())
            selected.append(option);
    }

    const auto maybe = [&random](double chance) { return random.generateDouble() < chance; };
    QStringList free{"Txt_notified_Rmks", "Txt_Internal_Rmks", "Txt_AdmRefID", "Txt_4B_GeoArea",
                     "Txt_3A1_CallSign", "Txt_3A2_StationID", "Txt_4A_SiteName", "Txt_12B_AddrCde",
                     "Txt_TrgAdmRefID"};
    QStringList numeric{"Txt_1A_FreqAssgn", "Txt_01A_TrgFreq", "Txt_9E_AntHgt", "Txt_9EB_Eff_hgtmax",
                        "Txt_8BH_Erp_H", "Txt_8BV_Erp_V", "Txt_9EA_SiteAlt", "Txt_12A_OpAgcy"};
    if (kind == FormKind::T01) {
        numeric << "Txt_70_BDWdth" << "Txt_7D_TranSys";
    } else {
        free << "Combo_7A1_FreqStabl" << "Txt_7C1_TvSys" << "Combo_7C2_Color_Sys";
        numeric << "Txt_1E_Lf" << "Txt_1E_kHz" << "Txt_8D_Pwr_Ratio";
    }
    const double fill = random.generateDouble();
    for (const QString &box : free) {
        if (maybe(fill))
            texts.insert(box, sampleText(random));
    }
    for (const QString &box : numeric) {
        if (maybe(fill))
            texts.insert(box, sampleNumber(random, 100000));
    }
    for (const QString &date : QStringList{"Txt_Ntc_", "Txt_2C_"}) {
        if (maybe(fill)) {
            const QDate day = QDate(1990, 1, 1).addDays(random.bounded(20000));
            texts.insert(date + QString("YY"), QString::number(day.year()));
            texts.insert(date + QString("MM"), QString::number(day.month()));
            texts.insert(date + QString("DD"), QString::number(day.day()));
        }
    }
    for (const QString &box : QStringList{"Txt_10B_Ophhfr", "Txt_10B_Ophhto"}) {
        if (maybe(fill))
            texts.insert(box, QString::number(random.bounded(24) * 100 + random.bounded(60)));
    }
    // Site and target coordinates: every box or none, the seconds optional.
    for (const QString &site : QStringList{"Txt_4C_", "Txt_04C_"}) {
        if (!maybe(fill))
            continue;
        texts.insert(site + QString("Deg_Long"), sampleNumber(random, 180));
        texts.insert(site + QString("Min_Long"), sampleNumber(random, 60));
        texts.insert(site + QString("EW"), maybe(0.5) ? "E" : "W");
        texts.insert(site + QString("Deg_Lat"), sampleNumber(random, 90));
        texts.insert(site + QString("Min_Lat"), sampleNumber(random, 60));
        texts.insert(site + QString("NS"), maybe(0.5) ? "N" : "S");
        if (maybe(0.7)) {
            texts.insert(site + QString("Sec_Long"), sampleNumber(random, 60));
            texts.insert(site + QString("Sec_Lat"), sampleNumber(random, 60));
        }
    }
    // Azimuth tables and coordination: none, some or all of their boxes.
    static const double shares[] = {0.0, 0.1, 0.5, 1.0};
    for (const QString &table : QStringList{"Txt_9EC_azm", "Txt_9NHAzm", "Txt_9NVAzm"}) {
        const double share = shares[random.bounded(4)];
        for (int azimuth = 0; azimuth <= 350; azimuth += 10) {
            if (maybe(share))
                texts.insert(table + QString("%1").arg(azimuth, 3, 10, QChar('0')), sampleNumber(random, 40));
        }
    }
    const double share = shares[random.bounded(4)];
    for (int box = 1; box <= 12; ++box) {
        if (maybe(share))
            texts.insert(QString("Txt_11_Adm%1").arg(box), box % 3 == 0 ? sampleText(random) : "D");
    }

    return {kind, texts, selected};
}

// A generated capture screen collected into a record.
inline NoticeRecord sampleRecord(int index, QRandomGenerator &random)
{
    SampleScreen screen = sampleScreen(index, random);
    // What the boxes take: no more than a box's maximum, only a list's entries.
    for (auto it = screen.texts.begin(); it != screen.texts.end(); ++it) {
        if (const ControlSpec *control = findControl(screen.kind, it.key())) {
            if (control->maxLength > 0)
                it.value().truncate(control->maxLength);
            if (!control->entries.isEmpty() && !control->entries.contains(it.value()))
                it.value() = control->entries.last();
        }
    }
    NoticeRecord record;
    collectScreen(record, MapScreen(screen.kind, screen.texts, screen.selected), screen.kind);
    return record;
}

// ---- what a record's NOTICE section must carry

// A stored date (year-month-day as typed) as yyyy-mm-dd; empty when it is not a date.
inline QString fullDate(const QString &stored)
{
    const QDate date = QDate::fromString(stored, "yyyy-M-d");
    return date.isValid() ? date.toString("yyyy-MM-dd") : QString();
}

// Sign, degrees, minutes and seconds (00 when not given); the parts come from
// the collection already padded. Empty without degrees, minutes or hemisphere.
inline QString signedCoordinate(const QString &degrees, const QString &minutes, const QString &seconds,
                                const QString &hemisphere)
{
    if (degrees.isEmpty() || minutes.isEmpty())
        return {};
    QString sign;
    if (hemisphere == "E" || hemisphere == "N")
        sign = "+";
    else if (hemisphere == "W" || hemisphere == "S")
        sign = "-";
    else
        return {};
    return sign + degrees + minutes + (seconds.isEmpty() ? QString("00") : seconds);
}

inline QString hourMinute(const QString &hhmm)
{
    return hhmm.isEmpty() ? QString() : hhmm.left(2) + ":" + hhmm.mid(2);
}

// The key lines of a record's NOTICE section numbered number, in file order,
// each as "SECTION: key = value": the NOTICE's own keys, then COORDINATION,
// ANT_HGT, ANT_DIAGR_H and ANT_DIAGR_V.
inline QStringList expectedNoticeLines(const NoticeRecord &r, int number)
{
    QStringList lines;
    const auto put = [&lines](const QString &section, const QString &key, QString value) {
        value.replace("\r\n", " ").replace('\r', ' ').replace('\n', ' ');
        if (!value.isEmpty())
            lines.append(section + ": " + key + " = " + value);
    };
    const auto own = [&put](const QString &key, const QString &value) { put("NOTICE", key, value); };
    const bool station = r.notice_type == "T01" || r.notice_type == "T02";
    own("t_remarks", r.remarks);
    own("int_remarks", r.int_remarks);
    own("Notice No", QString::number(number));
    own("t_notice_type", r.notice_type);
    own("t_d_adm_ntc", fullDate(r.d_adm_ntc));
    own("t_fragment", r.fragment);
    own("t_action", r.action);
    own("t_call_sign", r.call_sign);
    own("t_station_id", r.station_id);
    if (r.trg.trg_given) {
        const TargetAssignment &t = r.trg;
        own("t_trg_adm_ref_id", t.trg_adm_ref_id);
        own("t_trg_freq_assgn", t.trg_freq_assgn);
        own("t_trg_long", signedCoordinate(t.trg_long_deg, t.trg_long_min, t.trg_long_sec, t.trg_long_ew));
        own("t_trg_lat", signedCoordinate(t.trg_lat_deg, t.trg_lat_min, t.trg_lat_sec, t.trg_lat_ns));
    }
    own("t_site_name", r.site_name);
    own("t_ctry", r.ctry);
    own("t_adm_ref_id", r.adm_ref_id);
    if (station) {
        own("t_freq_assgn", r.freq_assgn);
        own("t_long", signedCoordinate(r.long_deg, r.long_min, r.long_sec, r.long_ew));
        own("t_lat", signedCoordinate(r.lat_deg, r.lat_min, r.lat_sec, r.lat_ns));
    }
    own("t_site_alt", r.site_alt);
    own("t_freq_stabl", r.freq_stabl);
    own("t_polar", r.polar);
    own("t_erp_h_dbw", r.erp_h_dbw);
    own("t_erp_v_dbw", r.erp_v_dbw);
    own("t_pwr_ratio", r.pwr_ratio);
    own("t_tran_sys", r.tran_sys);
    own("t_color", r.color);
    own("t_oset_v_12", r.oset_v_12);
    own("t_oset_v_khz", r.oset_v_khz);
    own("t_bdwdth", r.bdwdth);
    own("t_hgt_agl", r.hgt_agl);
    own("t_eff_hgtmax", r.eff_hgtmax);
    if (r.fragment == "NTFD_RR") {
        own("t_op_agcy", r.op_agcy);
        own("t_addr_code", r.addr_code);
        if (r.op_hours.op_hours_given) {
            own("t_op_hh_fr", hourMinute(r.op_hours.op_hh_fr));
            own("t_op_hh_to", hourMinute(r.op_hours.op_hh_to));
        }
        own("t_d_inuse", fullDate(r.d_inuse));
    }
    if (r.coord.coord_given) {
        for (const QString &adm : r.coord.coord_adm)
            put("COORDINATION", "t_adm", adm);
    }
    if (r.notice_type != "TB5") {
        const auto table = [&put](const QString &section, const QString &key, const AzimuthTable &entries) {
            for (const AzimuthValue &entry : entries) {
                if (!entry.azm.isEmpty())
                    put(section, key + entry.azm, entry.value);
            }
        };
        table("ANT_HGT", "t_eff_hgt@azm", r.eff_hgt);
        table("ANT_DIAGR_H", "t_attn@azm", r.attn_h);
        table("ANT_DIAGR_V", "t_attn@azm", r.attn_v);
    }
    return lines;
}
