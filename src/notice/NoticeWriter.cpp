#include "NoticeWriter.h"

#include "NoticeKeys.h"
#include "Formatting.h"
#include "platform/TextFile.h"

using namespace Formatting;
using NoticeKeys::Key;
using NoticeKeys::Section;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Every builder below appends to the one text of its section rather than
// returning a text of its own: a NOTICE section has some two hundred lines, and
// copying sub-sections and line texts into it cost more than writing them.

void appendKeyLine(QString &text, Key key, QStringView value)
{
    Formatting::appendKeyLine(text, NoticeKeys::text(key), value);
}

// Appends the section which with the body that appendBody appends, or nothing
// when that body is empty.
template <typename AppendBody>
void appendSection(QString &text, Section which, AppendBody appendBody)
{
    const QString tag = NoticeKeys::tag(which);
    const qsizetype start = openSection(text, tag);
    appendBody();
    closeSection(text, start, tag);
}

// Appends CR LF and then the section, or nothing when the section is empty.
template <typename AppendBody>
void appendSectionOnNewLine(QString &text, Section which, AppendBody appendBody)
{
    const qsizetype start = text.size();
    text.append(kCrLf);
    appendSection(text, which, appendBody);
    if (text.size() == start + kCrLf.size())
        text.truncate(start);
}

// A stored date (year "-" month "-" day as typed) as yyyy-mm-dd, or empty when
// it does not read as a date.
QString reformatStoredDate(const QString &stored)
{
    const QString dayMonthYear = formatDateDMY(stored);
    // formatDateDMY hands back a text that is not a date unchanged, and a
    // stored text with points of its own must not be split as if it were one.
    if (dayMonthYear == stored)
        return {};
    QString year, month, day;
    splitDateDMY(dayMonthYear, year, month, day);
    return joinDateYMD(year, month, day);
}

bool isStationNotice(const NoticeRecord &r)
{
    return r.notice_type == QLatin1String("T01") || r.notice_type == QLatin1String("T02");
}

void appendTargetLines(QString &text, const NoticeRecord &r)
{
    const TargetAssignment &t = r.trg;
    appendKeyLine(text, Key::TrgAdmRefId, t.trg_adm_ref_id);
    appendKeyLine(text, Key::TrgFreqAssgn, t.trg_freq_assgn);
    appendKeyLine(text, Key::TrgLong,
                  formatCoordinate(t.trg_long_deg, t.trg_long_min, t.trg_long_sec, t.trg_long_ew));
    appendKeyLine(text, Key::TrgLat,
                  formatCoordinate(t.trg_lat_deg, t.trg_lat_min, t.trg_lat_sec, t.trg_lat_ns));
}

void appendNtfdRrLines(QString &text, const NoticeRecord &r)
{
    appendKeyLine(text, Key::OpAgcy, r.op_agcy);
    appendKeyLine(text, Key::AddrCode, r.addr_code);
    if (r.op_hours.op_hours_given) {
        appendKeyLine(text, Key::OpHhFr, formatHourMinute(r.op_hours.op_hh_fr));
        appendKeyLine(text, Key::OpHhTo, formatHourMinute(r.op_hours.op_hh_to));
    }
    appendKeyLine(text, Key::DInuse, reformatStoredDate(r.d_inuse));
}

// CR LF, then the COORDINATION section: one "t_adm" line per administration.
void appendCoordination(QString &text, const NoticeRecord &r)
{
    text.append(kCrLf);
    appendSection(text, Section::Coordination, [&] {
        for (const QString &adm : r.coord.coord_adm)
            appendKeyLine(text, Key::Adm, adm);
    });
}

// One line per filled azimuth: the key text followed by the azimuth.
void appendAzimuthLines(QString &text, Key key, const AzimuthTable &table)
{
    const QString keyText = NoticeKeys::text(key);
    for (const AzimuthValue &entry : table) {
        if (!entry.azm.isEmpty())
            Formatting::appendKeyLine(text, keyText, entry.azm, entry.value);
    }
}

// CR LF, then the ANT_HGT section, then each antenna pattern section that has
// a value, on a line of its own.
void appendAntennaSections(QString &text, const NoticeRecord &r)
{
    text.append(kCrLf);
    appendSection(text, Section::AntHgt, [&] { appendAzimuthLines(text, Key::EffHgtAzm, r.eff_hgt); });
    appendSectionOnNewLine(text, Section::AntDiagrH,
                           [&] { appendAzimuthLines(text, Key::AttnAzm, r.attn_h); });
    appendSectionOnNewLine(text, Section::AntDiagrV,
                           [&] { appendAzimuthLines(text, Key::AttnAzm, r.attn_v); });
}

using R = const NoticeRecord &;
using Condition = bool (*)(R);

// One row of the NOTICE section, written only when its condition holds (no
// condition: always). A row is one of three kinds:
// - a key line whose value is a text of the record, read in place;
// - a key line whose value is worked out from the record and the notice number;
// - a piece of several lines or sections, appended whole.
// A key line is left out when its value is empty.
struct NoticeRow
{
    constexpr NoticeRow(Key key, QString NoticeRecord::*field, Condition condition = nullptr)
        : key(key), field(field), condition(condition)
    {
    }
    constexpr NoticeRow(Key key, QString (*computed)(R, qint32 noticeNumber), Condition condition = nullptr)
        : key(key), computed(computed), condition(condition)
    {
    }
    constexpr NoticeRow(void (*piece)(QString &text, R), Condition condition)
        : piece(piece), condition(condition)
    {
    }

    Key key = Key::NoticeNo;
    QString NoticeRecord::*field = nullptr;
    QString (*computed)(R, qint32 noticeNumber) = nullptr;
    void (*piece)(QString &text, R) = nullptr;
    Condition condition = nullptr;
};

const NoticeRow kNoticeRows[] = {
    {Key::Remarks, &NoticeRecord::remarks},
    {Key::IntRemarks, &NoticeRecord::int_remarks},
    {Key::NoticeNo, [](R, qint32 number) { return QString::number(number); }},
    {Key::NoticeType, &NoticeRecord::notice_type},
    {Key::DAdmNtc, [](R r, qint32) { return reformatStoredDate(r.d_adm_ntc); }},
    {Key::Fragment, &NoticeRecord::fragment},
    {Key::Action, &NoticeRecord::action},
    {Key::CallSign, &NoticeRecord::call_sign},
    {Key::StationId, &NoticeRecord::station_id},
    {appendTargetLines, [](R r) { return r.trg.trg_given; }},
    {Key::SiteName, &NoticeRecord::site_name},
    {Key::Ctry, &NoticeRecord::ctry},
    {Key::AdmRefId, &NoticeRecord::adm_ref_id},
    {Key::FreqAssgn, &NoticeRecord::freq_assgn, isStationNotice},
    {Key::Long, [](R r, qint32) { return formatCoordinate(r.long_deg, r.long_min, r.long_sec, r.long_ew); },
     isStationNotice},
    {Key::Lat, [](R r, qint32) { return formatCoordinate(r.lat_deg, r.lat_min, r.lat_sec, r.lat_ns); },
     isStationNotice},
    {Key::SiteAlt, &NoticeRecord::site_alt},
    {Key::FreqStabl, &NoticeRecord::freq_stabl},
    {Key::Polar, &NoticeRecord::polar},
    {Key::ErpHDbw, &NoticeRecord::erp_h_dbw},
    {Key::ErpVDbw, &NoticeRecord::erp_v_dbw},
    {Key::PwrRatio, &NoticeRecord::pwr_ratio},
    {Key::TranSys, &NoticeRecord::tran_sys},
    {Key::Color, &NoticeRecord::color},
    {Key::OsetV12, &NoticeRecord::oset_v_12},
    {Key::OsetVKhz, &NoticeRecord::oset_v_khz},
    {Key::Bdwdth, &NoticeRecord::bdwdth},
    {Key::HgtAgl, &NoticeRecord::hgt_agl},
    {Key::EffHgtmax, &NoticeRecord::eff_hgtmax},
    {appendNtfdRrLines, [](R r) { return r.fragment == QLatin1String("NTFD_RR"); }},
    {appendCoordination, [](R r) { return r.coord.coord_given; }},
    {appendAntennaSections, [](R r) { return r.notice_type != QLatin1String("TB5"); }},
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

QStringList makeHeaderLines(const QDateTime &moment, const QString &userName,
                            const QString &versionLabel, const QLocale &locale)
{
    QString date = locale.toString(moment.date(), shortDateFormatWithFullYear(locale));
    // Some locales write their own digits or words ("7.12.2005 г."), which the
    // 8-bit file cannot hold: the date is then written day.month.year.
    if (platform::findUnencodable(date) >= 0)
        date = QLocale::c().toString(moment.date(), QStringLiteral("dd.MM.yyyy"));
    const QString time = moment.time().toString(QStringLiteral("HH:mm:ss"));
    return {
        NoticeKeys::headerBeginnings()[0] + date + QLatin1Char('-') + time,
        NoticeKeys::headerBeginnings()[1] + userName,
        NoticeKeys::headerBeginnings()[2] + versionLabel,
    };
}

QString makeHeadSection(const QString &adm)
{
    QString text;
    appendSection(text, Section::Head, [&] { appendKeyLine(text, Key::Adm, adm); });
    return text;
}

QString makeNoticeSection(const NoticeRecord &record, qint32 noticeNumber)
{
    // Room for the largest notice the screen can hold, so the text grows in place.
    QString text;
    text.reserve(8192);
    appendSection(text, Section::Notice, [&] {
        for (const NoticeRow &row : kNoticeRows) {
            if (row.condition && !row.condition(record))
                continue;
            if (row.field)
                appendKeyLine(text, row.key, record.*row.field);
            else if (row.computed)
                appendKeyLine(text, row.key, row.computed(record, noticeNumber));
            else
                row.piece(text, record);
        }
    });
    return text;
}
