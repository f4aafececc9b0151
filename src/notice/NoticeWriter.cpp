#include "NoticeWriter.h"

#include "Formatting.h"
#include "NoticeKeys.h"
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
template <typename AppendBody> void appendSection(QString &text, Section which, AppendBody appendBody)
{
    const QString tag = NoticeKeys::tag(which);
    const qsizetype start = openSection(text, tag);
    appendBody();
    closeSection(text, start, tag);
}

// Appends CR LF and then the section, or nothing when the section is empty.
template <typename AppendBody> void appendSectionOnNewLine(QString &text, Section which, AppendBody appendBody)
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
    appendSectionOnNewLine(text, Section::AntDiagrH, [&] { appendAzimuthLines(text, Key::AttnAzm, r.attn_h); });
    appendSectionOnNewLine(text, Section::AntDiagrV, [&] { appendAzimuthLines(text, Key::AttnAzm, r.attn_v); });
}

bool isNtfdRrNotice(const NoticeRecord &r)
{
    return r.fragment == QLatin1String("NTFD_RR");
}

// The value of a NOTICE line; an empty value leaves the line out. A key with a
// field in the layout writes that field as it stands; the others are worked
// out here, or written only for the notices that carry them: the target for a
// notice that names one, the station's frequency and coordinates for a station
// notice (not a suppression or withdrawal), the Article 11 items for an
// Article 11 notice.
QString noticeLineValue(const NoticeKeys::Placement &placement, const NoticeRecord &r, qint32 noticeNumber)
{
    const TargetAssignment &t = r.trg;
    const bool station = isStationNotice(r);
    const bool article11 = isNtfdRrNotice(r);
    switch (placement.key) {
    case Key::NoticeNo: return QString::number(noticeNumber);
    case Key::DAdmNtc: return reformatStoredDate(r.d_adm_ntc);
    case Key::TrgAdmRefId: return t.trg_given ? t.trg_adm_ref_id : QString();
    case Key::TrgFreqAssgn: return t.trg_given ? t.trg_freq_assgn : QString();
    case Key::TrgLong:
        return t.trg_given ? formatCoordinate(t.trg_long_deg, t.trg_long_min, t.trg_long_sec, t.trg_long_ew)
                           : QString();
    case Key::TrgLat:
        return t.trg_given ? formatCoordinate(t.trg_lat_deg, t.trg_lat_min, t.trg_lat_sec, t.trg_lat_ns) : QString();
    case Key::FreqAssgn: return station ? r.freq_assgn : QString();
    case Key::Long: return station ? formatCoordinate(r.long_deg, r.long_min, r.long_sec, r.long_ew) : QString();
    case Key::Lat: return station ? formatCoordinate(r.lat_deg, r.lat_min, r.lat_sec, r.lat_ns) : QString();
    case Key::OpAgcy: return article11 ? r.op_agcy : QString();
    case Key::AddrCode: return article11 ? r.addr_code : QString();
    case Key::OpHhFr: return article11 && r.op_hours.op_hours_given ? formatHourMinute(r.op_hours.op_hh_fr) : QString();
    case Key::OpHhTo: return article11 && r.op_hours.op_hours_given ? formatHourMinute(r.op_hours.op_hh_to) : QString();
    case Key::DInuse: return article11 ? reformatStoredDate(r.d_inuse) : QString();
    default:
        Q_ASSERT_X(placement.field, "noticeLineValue", "a NOTICE key without a field is worked out above");
        return placement.field ? r.*placement.field : QString();
    }
}

// The key lines of the NOTICE section itself, in the order of the layout.
void appendNoticeKeyLines(QString &text, const NoticeRecord &r, qint32 noticeNumber)
{
    for (const NoticeKeys::Placement &placement : NoticeKeys::layout()) {
        if (placement.section == Section::Notice)
            appendKeyLine(text, placement.key, noticeLineValue(placement, r, noticeNumber));
    }
}

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

QStringList makeHeaderLines(const QDateTime &moment, const QString &userName, const QString &versionLabel,
                            const QLocale &locale)
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
        appendNoticeKeyLines(text, record, noticeNumber);
        if (record.coord.coord_given)
            appendCoordination(text, record);
        if (record.notice_type != QLatin1String("TB5"))
            appendAntennaSections(text, record);
    });
    return text;
}
