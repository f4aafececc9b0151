#include "Formatting.h"

#include "NoticeKeys.h"
#include "platform/System.h"
#include "platform/TextFile.h"

#include <QDate>
#include <QRegularExpression>

#include <algorithm>

namespace Formatting {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Copies piece to out and returns the position after it.
QChar *copyInto(QChar *out, QStringView piece)
{
    return std::copy(piece.begin(), piece.end(), out);
}

// Copies value to out with each line break (CR LF, a lone CR or a lone LF)
// and each tab as one blank, and returns the position after it. Values are short, so one
// plain pass serves both the copy and the search for breaks.
QChar *copyWithoutLineBreaks(QChar *out, QStringView value)
{
    const QChar *in = value.begin();
    const QChar *const end = value.end();
    while (in != end) {
        const QChar c = *in++;
        if (c == QLatin1Char('\r')) {
            if (in != end && *in == QLatin1Char('\n'))
                ++in;
            *out++ = QLatin1Char(' ');
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\t')) {
            *out++ = QLatin1Char(' ');
        } else {
            *out++ = c;
        }
    }
    return out;
}

// The tag as written: in upper case. The writer's tags already are, and
// toUpper hands those back without a copy of their text.
QString writtenTag(const QString &tag)
{
    return tag.toUpper();
}

QString trimmedOfBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

// Appends text with one or two zeros in front when it is one or two
// characters short of the width, as zeroPad does.
void appendZeroPadded(QString &out, const QString &text, qsizetype width)
{
    const qsizetype shortBy = width - text.size();
    if (shortBy == 1 || shortBy == 2)
        out.append(QLatin1String("00", shortBy));
    out.append(text);
}

} // namespace

QString makeKeyLine(const QString &key, const QString &value)
{
    QString line;
    appendKeyLine(line, key, value);
    return line;
}

void appendKeyLine(QString &text, QStringView key, QStringView value)
{
    appendKeyLine(text, key, QStringView(), value);
}

void appendKeyLine(QString &text, QStringView key, QStringView keySuffix, QStringView value)
{
    if ((key.isEmpty() && keySuffix.isEmpty()) || value.isEmpty())
        return;
    // The whole line is sized once and copied in place: a NOTICE section has
    // some two hundred lines, and growing the text piece by piece (line end,
    // key, " = ", value) cost more than the copying itself.
    constexpr QStringView lineEnd = u"\r\n";
    constexpr QStringView equals = u" = ";
    const qsizetype start = text.size();
    text.resize(start + lineEnd.size() + key.size() + keySuffix.size() + equals.size() + value.size());
    QChar *out = text.data() + start;
    out = copyInto(out, lineEnd);
    out = copyInto(out, key);
    out = copyInto(out, keySuffix);
    out = copyInto(out, equals);
    out = copyWithoutLineBreaks(out, value);
    // A CR LF inside the value became one blank: the line is shorter than sized.
    const qsizetype end = out - text.constData();
    if (end != text.size())
        text.truncate(end);
}

QString makeSection(const QString &tag, const QString &body)
{
    QString section;
    section.reserve(body.size() + 2 * tag.size() + 7);
    const qsizetype start = openSection(section, tag);
    section.append(body);
    closeSection(section, start, tag);
    return section;
}

qsizetype openSection(QString &text, const QString &tag)
{
    const qsizetype start = text.size();
    text.append(QLatin1Char('<')).append(writtenTag(tag)).append(QLatin1Char('>'));
    return start;
}

void closeSection(QString &text, qsizetype start, const QString &tag)
{
    const QString upper = writtenTag(tag);
    const qsizetype bodyStart = start + upper.size() + 2;
    if (upper.isEmpty() || text.size() <= bodyStart) {
        text.truncate(start);
        return;
    }
    text.append(kCrLf).append(QLatin1String("</")).append(upper).append(QLatin1Char('>'));
}

QString makeTail(qint32 count)
{
    if (count <= 0)
        return {};
    using namespace NoticeKeys;
    return makeSection(tag(Section::Tail), makeKeyLine(text(Key::NumNotices), QString::number(count))) + kCrLf;
}

QString formatCoordinate(const QString &degrees, const QString &minutes, const QString &seconds,
                         const QString &hemisphere)
{
    if (degrees.isEmpty() || minutes.isEmpty())
        return {};
    // An ASCII letter is compared directly; anything else as Unicode folds its case.
    const bool ascii = hemisphere.size() == 1 && hemisphere.front().unicode() < 0x80;
    const auto is = [&hemisphere, ascii](char letter) {
        if (ascii)
            return (hemisphere.front().unicode() | 0x20) == (letter | 0x20);
        return hemisphere.compare(QLatin1Char(letter), Qt::CaseInsensitive) == 0;
    };
    const bool longitude = is('E') || is('W');
    const bool latitude = is('N') || is('S');
    if (!longitude && !latitude)
        return {};
    // Built in one text rather than from a temporary per part.
    QString coordinate;
    coordinate.reserve(1 + degrees.size() + minutes.size() + seconds.size() + 6);
    coordinate.append((is('N') || is('E')) ? QLatin1Char('+') : QLatin1Char('-'));
    appendZeroPadded(coordinate, degrees, longitude ? 3 : 2);
    appendZeroPadded(coordinate, minutes, 2);
    appendZeroPadded(coordinate, seconds, 2);
    return coordinate;
}

QString zeroPad(const QString &text, qint16 width)
{
    const qsizetype shortBy = width - text.size();
    if (shortBy == 1)
        return QLatin1Char('0') + text;
    if (shortBy == 2)
        return QStringLiteral("00") + text;
    return text;
}

QString zeroPadFour(const QString &text)
{
    if (text.isEmpty() || text.size() >= 4)
        return text;
    return QString(4 - text.size(), QLatin1Char('0')) + text;
}

QString formatHourMinute(const QString &text)
{
    if (text.isEmpty())
        return {};
    return text.left(2) + QLatin1Char(':') + text.mid(2, 4);
}

QString joinDateYMD(const QString &year, const QString &month, const QString &day)
{
    if (year.isEmpty() || month.isEmpty() || day.isEmpty())
        return {};
    return year + QLatin1Char('-') + month + QLatin1Char('-') + day;
}

QString formatDateDMY(const QString &date)
{
    if (date.isEmpty())
        return {};
    QString text = date;
    const QString separator = readIntlSetting(QStringLiteral("sdate"));
    if (!separator.isEmpty())
        text.replace(separator, QStringLiteral("/"));
    static const QRegularExpression pattern(QStringLiteral("^\\s*([0-9]{4})[-/]([0-9]{1,2})[-/]([0-9]{1,2})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return date;
    const QDate day(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    if (!day.isValid())
        return date;
    return day.toString(QStringLiteral("dd.MM.yyyy"));
}

void splitDateDMY(const QString &date, QString &year, QString &month, QString &day)
{
    if (date.isEmpty())
        return;
    const QString text = trimmedOfBlanks(date);
    const qsizetype firstPoint = text.indexOf(QLatin1Char('.'));
    if (firstPoint < 0)
        return;
    day = text.left(firstPoint);
    const QString rest = text.mid(firstPoint + 1);
    const qsizetype secondPoint = rest.indexOf(QLatin1Char('.'));
    if (secondPoint < 0) {
        month = rest;
        year.clear();
        return;
    }
    month = rest.left(secondPoint);
    year = rest.mid(secondPoint + 1);
}

QString readIntlSetting(const QString &key)
{
    return platform::regionalSetting(QStringLiteral("intl"), key);
}

QString currentUserName()
{
    QString kept = platform::loginName().left(8);
    kept.remove(QChar(0));
    if (!kept.isEmpty() && kept.back().isHighSurrogate())
        kept.chop(1);
    // The name is read as 8-bit text for the file's header: a name that the
    // 8-bit file cannot hold ("Жора") counts as no name, rather than making
    // every output file impossible to start.
    if (kept.isEmpty() || platform::findUnencodable(kept) >= 0)
        return QStringLiteral("Unknown (NON Windows NT environment)");
    return kept;
}

} // namespace Formatting
