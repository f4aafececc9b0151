#include "Utility.h"

#include "NoticeKeys.h"
#include "platform/System.h"

#include <QDate>
#include <QRegularExpression>

namespace Utility {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString withoutLineBreaks(QString value)
{
    return value.replace(kCrLf, QStringLiteral(" "))
        .replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
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

} // namespace

QString MakeKeyLine(const QString &key, const QString &value)
{
    QString line;
    AppendKeyLine(line, key, value);
    return line;
}

void AppendKeyLine(QString &text, const QString &key, const QString &value)
{
    if (key.isEmpty() || value.isEmpty())
        return;
    const bool breaks = value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n'));
    text.append(kCrLf).append(key).append(QLatin1String(" = "));
    text.append(breaks ? withoutLineBreaks(value) : value);
}

QString MakeSection(const QString &tag, const QString &body)
{
    if (tag.isEmpty() || body.isEmpty())
        return {};
    const QString upper = tag.toUpper();
    return QLatin1Char('<') + upper + QLatin1Char('>') + body + kCrLf + QStringLiteral("</") + upper
           + QLatin1Char('>');
}

QString MakeTail(qint32 count)
{
    if (count <= 0)
        return {};
    using namespace NoticeKeys;
    return MakeSection(tag(Section::Tail), MakeKeyLine(text(Key::NumNotices), QString::number(count)))
           + kCrLf;
}

QString FormatCoordinate(const QString &degrees, const QString &minutes, const QString &seconds,
                         const QString &hemisphere)
{
    if (degrees.isEmpty() || minutes.isEmpty())
        return {};
    const auto is = [&hemisphere](char letter) {
        return hemisphere.compare(QLatin1Char(letter), Qt::CaseInsensitive) == 0;
    };
    const bool longitude = is('E') || is('W');
    const bool latitude = is('N') || is('S');
    if (!longitude && !latitude)
        return {};
    const QString sign = (is('N') || is('E')) ? QStringLiteral("+") : QStringLiteral("-");
    return sign + ZeroPad(degrees, longitude ? 3 : 2) + ZeroPad(minutes, 2) + ZeroPad(seconds, 2);
}

QString ZeroPad(const QString &text, qint16 width)
{
    const qsizetype shortBy = width - text.size();
    if (shortBy == 1)
        return QLatin1Char('0') + text;
    if (shortBy == 2)
        return QStringLiteral("00") + text;
    return text;
}

QString ZeroPadFour(const QString &text)
{
    if (text.isEmpty() || text.size() >= 4)
        return text;
    return QString(4 - text.size(), QLatin1Char('0')) + text;
}

QString FormatHourMinute(const QString &text)
{
    if (text.isEmpty())
        return {};
    return text.left(2) + QLatin1Char(':') + text.mid(2, 4);
}

QString JoinDateYMD(const QString &year, const QString &month, const QString &day)
{
    if (year.isEmpty() || month.isEmpty() || day.isEmpty())
        return {};
    return year + QLatin1Char('-') + month + QLatin1Char('-') + day;
}

QString FormatDateDMY(const QString &date)
{
    if (date.isEmpty())
        return {};
    QString text = date;
    const QString separator = ReadIntlSetting(QStringLiteral("sdate"));
    if (!separator.isEmpty())
        text.replace(separator, QStringLiteral("/"));
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*([0-9]{4})[-/]([0-9]{1,2})[-/]([0-9]{1,2})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return date;
    const QDate day(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    if (!day.isValid())
        return date;
    return day.toString(QStringLiteral("dd.MM.yyyy"));
}

void SplitDateDMY(const QString &date, QString &year, QString &month, QString &day)
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

QString ReadIntlSetting(const QString &key)
{
    return platform::regionalSetting(QStringLiteral("intl"), key);
}

QString CurrentUserName()
{
    QString kept = platform::loginName().left(8);
    kept.remove(QChar(0));
    if (!kept.isEmpty() && kept.back().isHighSurrogate())
        kept.chop(1);
    if (kept.isEmpty())
        return QStringLiteral("Unknown (NON Windows NT environment)");
    return kept;
}

} // namespace Utility
