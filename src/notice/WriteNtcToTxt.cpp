#include "WriteNtcToTxt.h"

#include "NoticeKeys.h"
#include "Utility.h"

#include <optional>
#include <utility>

using namespace Utility;
using NoticeKeys::Key;
using NoticeKeys::Section;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

void appendKeyLine(QString &text, Key key, const QString &value)
{
    AppendKeyLine(text, NoticeKeys::text(key), value);
}

QString section(Section which, const QString &body)
{
    return MakeSection(NoticeKeys::tag(which), body);
}

// A stored date (year "-" month "-" day as typed) as yyyy-mm-dd, or empty when
// it does not read as a date.
QString reformatStoredDate(const QString &stored)
{
    const QString dayMonthYear = FormatDateDMY(stored);
    // FormatDateDMY hands back a text that is not a date unchanged, and a
    // stored text with points of its own must not be split as if it were one.
    if (dayMonthYear == stored)
        return {};
    QString year, month, day;
    SplitDateDMY(dayMonthYear, year, month, day);
    return JoinDateYMD(year, month, day);
}

bool isStationNotice(const NoticeRecord &r)
{
    return r.notice_type == QLatin1String("T01") || r.notice_type == QLatin1String("T02");
}

QString MakeTargetLines(const NoticeRecord &r)
{
    const TargetAssignment &t = r.trg;
    QString lines;
    appendKeyLine(lines, Key::TrgAdmRefId, t.trg_adm_ref_id);
    appendKeyLine(lines, Key::TrgFreqAssgn, t.trg_freq_assgn);
    appendKeyLine(lines, Key::TrgLong,
                  FormatCoordinate(t.trg_long_deg, t.trg_long_min, t.trg_long_sec, t.trg_long_ew));
    appendKeyLine(lines, Key::TrgLat,
                  FormatCoordinate(t.trg_lat_deg, t.trg_lat_min, t.trg_lat_sec, t.trg_lat_ns));
    return lines;
}

QString MakeNtfdRrLines(const NoticeRecord &r)
{
    QString lines;
    appendKeyLine(lines, Key::OpAgcy, r.op_agcy);
    appendKeyLine(lines, Key::AddrCode, r.addr_code);
    if (r.op_hours.op_hours_given) {
        appendKeyLine(lines, Key::OpHhFr, FormatHourMinute(r.op_hours.op_hh_fr));
        appendKeyLine(lines, Key::OpHhTo, FormatHourMinute(r.op_hours.op_hh_to));
    }
    appendKeyLine(lines, Key::DInuse, reformatStoredDate(r.d_inuse));
    return lines;
}

QString MakeCoordinationSection(const NoticeRecord &r)
{
    QString body;
    for (const QString &adm : r.coord.coord_adm)
        appendKeyLine(body, Key::Adm, adm);
    return section(Section::Coordination, body);
}

QString azimuthLines(Key key, const AzimuthTable &table)
{
    // One key text, its azimuth replaced entry by entry.
    QString keyText = NoticeKeys::text(key);
    const qsizetype stem = keyText.size();
    QString body;
    for (const AzimuthValue &entry : table) {
        if (entry.azm.isEmpty())
            continue;
        keyText.truncate(stem);
        keyText += entry.azm;
        AppendKeyLine(body, keyText, entry.value);
    }
    return body;
}

QString MakeAntHgtSection(const NoticeRecord &r)
{
    return section(Section::AntHgt, azimuthLines(Key::EffHgtAzm, r.eff_hgt));
}

QString MakeAntDiagrSections(const NoticeRecord &r)
{
    QString text;
    for (const auto &[which, table] : {std::pair{Section::AntDiagrH, &r.attn_h},
                                       std::pair{Section::AntDiagrV, &r.attn_v}}) {
        const QString body = azimuthLines(Key::AttnAzm, *table);
        if (!body.isEmpty())
            text += kCrLf + section(which, body);
    }
    return text;
}

// One row of the NOTICE section: either a key line (key set; left out when
// its value is empty) or a whole piece of text (no key), written only when the
// condition holds (no condition: always).
struct NoticeRow
{
    std::optional<Key> key;
    QString (*value)(const NoticeRecord &, qint32 noticeNumber);
    bool (*condition)(const NoticeRecord &);
};

using R = const NoticeRecord &;

const NoticeRow kNoticeRows[] = {
    {Key::Remarks, [](R r, qint32) { return r.remarks; }, nullptr},
    {Key::IntRemarks, [](R r, qint32) { return r.int_remarks; }, nullptr},
    {Key::NoticeNo, [](R, qint32 number) { return QString::number(number); }, nullptr},
    {Key::NoticeType, [](R r, qint32) { return r.notice_type; }, nullptr},
    {Key::DAdmNtc, [](R r, qint32) { return reformatStoredDate(r.d_adm_ntc); }, nullptr},
    {Key::Fragment, [](R r, qint32) { return r.fragment; }, nullptr},
    {Key::Action, [](R r, qint32) { return r.action; }, nullptr},
    {Key::CallSign, [](R r, qint32) { return r.call_sign; }, nullptr},
    {Key::StationId, [](R r, qint32) { return r.station_id; }, nullptr},
    {std::nullopt, [](R r, qint32) { return MakeTargetLines(r); }, [](R r) { return r.trg.trg_given; }},
    {Key::SiteName, [](R r, qint32) { return r.site_name; }, nullptr},
    {Key::Ctry, [](R r, qint32) { return r.ctry; }, nullptr},
    {Key::AdmRefId, [](R r, qint32) { return r.adm_ref_id; }, nullptr},
    {Key::FreqAssgn, [](R r, qint32) { return r.freq_assgn; }, isStationNotice},
    {Key::Long,
     [](R r, qint32) { return FormatCoordinate(r.long_deg, r.long_min, r.long_sec, r.long_ew); },
     isStationNotice},
    {Key::Lat, [](R r, qint32) { return FormatCoordinate(r.lat_deg, r.lat_min, r.lat_sec, r.lat_ns); },
     isStationNotice},
    {Key::SiteAlt, [](R r, qint32) { return r.site_alt; }, nullptr},
    {Key::FreqStabl, [](R r, qint32) { return r.freq_stabl; }, nullptr},
    {Key::Polar, [](R r, qint32) { return r.polar; }, nullptr},
    {Key::ErpHDbw, [](R r, qint32) { return r.erp_h_dbw; }, nullptr},
    {Key::ErpVDbw, [](R r, qint32) { return r.erp_v_dbw; }, nullptr},
    {Key::PwrRatio, [](R r, qint32) { return r.pwr_ratio; }, nullptr},
    {Key::TranSys, [](R r, qint32) { return r.tran_sys; }, nullptr},
    {Key::Color, [](R r, qint32) { return r.color; }, nullptr},
    {Key::OsetV12, [](R r, qint32) { return r.oset_v_12; }, nullptr},
    {Key::OsetVKhz, [](R r, qint32) { return r.oset_v_khz; }, nullptr},
    {Key::Bdwdth, [](R r, qint32) { return r.bdwdth; }, nullptr},
    {Key::HgtAgl, [](R r, qint32) { return r.hgt_agl; }, nullptr},
    {Key::EffHgtmax, [](R r, qint32) { return r.eff_hgtmax; }, nullptr},
    {std::nullopt, [](R r, qint32) { return MakeNtfdRrLines(r); },
     [](R r) { return r.fragment == QLatin1String("NTFD_RR"); }},
    {std::nullopt, [](R r, qint32) { return kCrLf + MakeCoordinationSection(r); },
     [](R r) { return r.coord.coord_given; }},
    {std::nullopt, [](R r, qint32) { return kCrLf + MakeAntHgtSection(r) + MakeAntDiagrSections(r); },
     [](R r) { return r.notice_type != QLatin1String("TB5"); }},
};

// The locale's short date format with every year field widened to four digits
// ("dd.MM.yy" becomes "dd.MM.yyyy"); quoted literal text is left alone.
QString shortDateFormatWithFullYear(const QLocale &locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('y')) {
            result += c;
            continue;
        }
        while (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('y'))
            ++i;
        result += QStringLiteral("yyyy");
    }
    return result;
}

} // namespace

QStringList MakeHeaderLines(const QDateTime &moment, const QString &userName,
                            const QString &versionLabel, const QLocale &locale)
{
    const QString date = locale.toString(moment.date(), shortDateFormatWithFullYear(locale));
    const QString time = moment.time().toString(QStringLiteral("HH:mm:ss"));
    return {
        QStringLiteral("File captured on ") + date + QLatin1Char('-') + time,
        QStringLiteral("Processed by ") + userName,
        QStringLiteral("Program Id: ") + versionLabel,
    };
}

QString MakeHeadSection(const QString &adm)
{
    QString body;
    appendKeyLine(body, Key::Adm, adm);
    return section(Section::Head, body);
}

QString MakeNoticeSection(const NoticeRecord &record, qint32 noticeNumber)
{
    // Room for the largest notice the screen can hold, so the body grows in place.
    QString body;
    body.reserve(8192);
    for (const NoticeRow &row : kNoticeRows) {
        if (row.condition && !row.condition(record))
            continue;
        const QString value = row.value(record, noticeNumber);
        if (row.key)
            appendKeyLine(body, *row.key, value);
        else
            body += value;
    }
    return section(Section::Notice, body);
}
