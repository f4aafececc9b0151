#include "NoticeWriter.h"

#include "Formatting.h"
#include "NoticeKeys.h"
#include "NoticeSectionOutputs.h"
#include "platform/TextFile.h"

#include <QDate>

#include <algorithm>
#include <optional>

using namespace Formatting;
using NoticeKeys::Key;
using NoticeKeys::Section;
using NoticeSectionOutputs::BytesOut;
using NoticeSectionOutputs::TextOut;

namespace {

// Appends the section which with the body that appendBody appends, or nothing
// when that body is empty.
template <typename Out, typename AppendBody> void appendSection(Out &out, Section which, AppendBody appendBody)
{
    const qsizetype start = out.openSection(which);
    appendBody();
    out.closeSection(start, which);
}

// Appends CR LF and then the section, or nothing when the section is empty.
template <typename Out, typename AppendBody> void appendSectionOnNewLine(Out &out, Section which, AppendBody appendBody)
{
    const qsizetype start = out.size();
    out.appendLineEnd();
    const qsizetype sectionStart = out.size();
    appendSection(out, which, appendBody);
    if (out.size() == sectionStart)
        out.truncate(start);
}

// The number of the ASCII digits at text[from], from to from + count - 1, or
// -1 when one of them is no such digit or the text ends before.
int digitsAt(const QString &text, qsizetype from, qsizetype count)
{
    if (from + count > text.size())
        return -1;
    int number = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        number = number * 10 + (c - u'0');
    }
    return number;
}

// The date of a stored text typed plainly, "yyyy-m-d" (one or two digits for
// the month and the day, "-" or "/" between the parts), or nothing for any
// other text, which the general reading below takes.
std::optional<QDate> plainStoredDate(const QString &stored)
{
    const auto isSeparator = [&stored](qsizetype at) {
        return at < stored.size() && (stored.at(at) == QLatin1Char('-') || stored.at(at) == QLatin1Char('/'));
    };
    const int year = digitsAt(stored, 0, 4);
    if (year < 0 || !isSeparator(4))
        return std::nullopt;
    const qsizetype monthDigits = isSeparator(6) ? 1 : 2;
    const int month = digitsAt(stored, 5, monthDigits);
    const qsizetype dayStart = 5 + monthDigits + 1;
    if (month < 0 || !isSeparator(dayStart - 1) || stored.size() - dayStart < 1 || stored.size() - dayStart > 2)
        return std::nullopt;
    const int day = digitsAt(stored, dayStart, stored.size() - dayStart);
    if (day < 0)
        return std::nullopt;
    return QDate(year, month, day);
}

// A date of the years 1 to 9999 as yyyy-mm-dd.
QString yearMonthDay(QDate date)
{
    QString text(10, Qt::Uninitialized);
    QChar *out = text.data();
    const auto put = [&out](int value, int width) {
        for (int i = width - 1; i >= 0; --i, value /= 10)
            out[i] = QLatin1Char(char('0' + value % 10));
        out += width;
    };
    put(date.year(), 4);
    *out++ = QLatin1Char('-');
    put(date.month(), 2);
    *out++ = QLatin1Char('-');
    put(date.day(), 2);
    return text;
}

// A stored date (year "-" month "-" day as typed) as yyyy-mm-dd, or empty when
// it does not read as a date.
QString reformatStoredDate(const QString &stored)
{
    // The date as the operator types it is read here directly; the general
    // reading (regional separator, blanks) costs some ten times as much, and
    // a NOTICE section has one or two dates.
    if (Formatting::readIntlSetting(QStringLiteral("sdate")).isEmpty()) {
        if (const std::optional<QDate> date = plainStoredDate(stored))
            return date->isValid() ? yearMonthDay(*date) : QString();
    }
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
    return r.notice_type == QLatin1String(NoticeCodes::SoundType) || r.notice_type == QLatin1String(NoticeCodes::TelevisionType);
}

// CR LF, then the COORDINATION section: one "t_adm" line per administration.
template <typename Out> void appendCoordination(Out &out, const NoticeRecord &r)
{
    out.appendLineEnd();
    appendSection(out, Section::Coordination, [&] {
        for (const QString &adm : r.coord.coord_adm)
            out.appendKeyLine(out.keyText(Key::Adm), {}, adm);
    });
}

// One line per filled azimuth: the key text followed by the azimuth.
template <typename Out> void appendAzimuthLines(Out &out, Key key, const AzimuthTable &table)
{
    const auto &keyText = out.keyText(key);
    for (const AzimuthValue &entry : table) {
        if (!entry.azm.isEmpty())
            out.appendKeyLine(keyText, entry.azm, entry.value);
    }
}

// CR LF, then the ANT_HGT section, then each antenna pattern section that has
// a value, on a line of its own.
template <typename Out> void appendAntennaSections(Out &out, const NoticeRecord &r)
{
    out.appendLineEnd();
    appendSection(out, Section::AntHgt, [&] { appendAzimuthLines(out, Key::EffHgtAzm, r.eff_hgt); });
    appendSectionOnNewLine(out, Section::AntDiagrH, [&] { appendAzimuthLines(out, Key::AttnAzm, r.attn_h); });
    appendSectionOnNewLine(out, Section::AntDiagrV, [&] { appendAzimuthLines(out, Key::AttnAzm, r.attn_v); });
}

bool isNtfdRrNotice(const NoticeRecord &r)
{
    return r.fragment == QLatin1String(NoticeCodes::NtfdRr);
}

// The value of a NOTICE line; an empty value leaves the line out. A key with a
// field in the layout writes that field as it stands; the others are worked
// out here (into workedOut, which the value then shows), or written only for
// the notices that carry them: the target for a notice that names one, the
// station's frequency and coordinates for a station notice (not a suppression
// or withdrawal), the Article 11 items for an Article 11 notice.
struct NoticeKind
{
    bool station;
    bool article11;
};

QStringView noticeLineValue(const NoticeKeys::Placement &placement, const NoticeRecord &r, qint32 noticeNumber,
                            NoticeKind kind, QString &workedOut)
{
    const TargetAssignment &t = r.trg;
    const bool station = kind.station;
    const bool article11 = kind.article11;
    const auto made = [&workedOut](QString value) -> QStringView {
        workedOut = std::move(value);
        return workedOut;
    };
    switch (placement.key) {
    case Key::NoticeNo: return made(QString::number(noticeNumber));
    case Key::DAdmNtc: return made(reformatStoredDate(r.d_adm_ntc));
    case Key::TrgAdmRefId: return t.trg_given ? QStringView(t.trg_adm_ref_id) : QStringView();
    case Key::TrgFreqAssgn: return t.trg_given ? QStringView(t.trg_freq_assgn) : QStringView();
    case Key::TrgLong:
        return t.trg_given ? made(formatCoordinate(t.trg_long_deg, t.trg_long_min, t.trg_long_sec, t.trg_long_ew))
                           : QStringView();
    case Key::TrgLat:
        return t.trg_given ? made(formatCoordinate(t.trg_lat_deg, t.trg_lat_min, t.trg_lat_sec, t.trg_lat_ns))
                           : QStringView();
    case Key::FreqAssgn: return station ? QStringView(r.freq_assgn) : QStringView();
    case Key::Long:
        return station ? made(formatCoordinate(r.long_deg, r.long_min, r.long_sec, r.long_ew)) : QStringView();
    case Key::Lat: return station ? made(formatCoordinate(r.lat_deg, r.lat_min, r.lat_sec, r.lat_ns)) : QStringView();
    case Key::OpAgcy: return article11 ? QStringView(r.op_agcy) : QStringView();
    case Key::AddrCode: return article11 ? QStringView(r.addr_code) : QStringView();
    case Key::OpHhFr:
        return article11 && r.op_hours.op_hours_given ? made(formatHourMinute(r.op_hours.op_hh_fr)) : QStringView();
    case Key::OpHhTo:
        return article11 && r.op_hours.op_hours_given ? made(formatHourMinute(r.op_hours.op_hh_to)) : QStringView();
    case Key::DInuse: return article11 ? made(reformatStoredDate(r.d_inuse)) : QStringView();
    default:
        Q_ASSERT_X(placement.field, "noticeLineValue", "a NOTICE key without a field is worked out above");
        return placement.field ? QStringView(r.*placement.field) : QStringView();
    }
}

// The key lines of the NOTICE section itself, in the order of the layout.
template <typename Out> void appendNoticeKeyLines(Out &out, const NoticeRecord &r, qint32 noticeNumber)
{
    QString workedOut;
    const NoticeKind kind{isStationNotice(r), isNtfdRrNotice(r)};
    for (const NoticeKeys::Placement &placement : NoticeKeys::layout()) {
        if (placement.section == Section::Notice)
            out.appendKeyLine(out.keyText(placement.key), {},
                              noticeLineValue(placement, r, noticeNumber, kind, workedOut));
    }
}

template <typename Out> void appendNoticeSection(Out &out, const NoticeRecord &record, qint32 noticeNumber)
{
    appendSection(out, Section::Notice, [&] {
        appendNoticeKeyLines(out, record, noticeNumber);
        if (record.coord.coord_given)
            appendCoordination(out, record);
        if (record.notice_type != QLatin1String(NoticeCodes::RemovalType))
            appendAntennaSections(out, record);
    });
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
    TextOut out(text);
    appendSection(out, Section::Head, [&] { out.appendKeyLine(out.keyText(Key::Adm), {}, adm); });
    return text;
}

QString makeNoticeSection(const NoticeRecord &record, qint32 noticeNumber)
{
    // Room for the largest notice the screen can hold, so the text grows in place.
    QString text;
    text.reserve(8192);
    TextOut out(text);
    appendNoticeSection(out, record, noticeNumber);
    return text;
}

bool appendNoticeSectionLine(QByteArray &bytes, const NoticeRecord &record, qint32 noticeNumber)
{
    BytesOut out(bytes);
    appendNoticeSection(out, record, noticeNumber);
    out.appendLineEnd();
    out.finish();
    return out.encodable();
}
