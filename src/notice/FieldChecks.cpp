#include "notice/FieldChecks.h"

#include "platform/System.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace FieldChecks {
namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isSign(QChar c)
{
    return c == u'+' || c == u'-';
}

qsizetype skipBlanks(const QString &text, qsizetype pos)
{
    while (pos < text.size() && isBlank(text.at(pos)))
        ++pos;
    return pos;
}

qsizetype skipDigits(const QString &text, qsizetype pos)
{
    while (pos < text.size() && isAsciiDigit(text.at(pos)))
        ++pos;
    return pos;
}

// The length of the number that starts at `from`: an optional sign, digits with at
// most one ".", then an exponent when at least one digit follows its "e". 0 when
// no digit comes before the exponent.
qsizetype numberLength(const QString &text, qsizetype from)
{
    qsizetype pos = from;
    if (pos < text.size() && isSign(text.at(pos)))
        ++pos;
    const qsizetype integerStart = pos;
    pos = skipDigits(text, pos);
    qsizetype digitCount = pos - integerStart;
    if (pos < text.size() && text.at(pos) == u'.') {
        const qsizetype fractionStart = pos + 1;
        pos = skipDigits(text, fractionStart);
        digitCount += pos - fractionStart;
    }
    if (digitCount == 0)
        return 0;

    if (pos < text.size() && (text.at(pos) == u'e' || text.at(pos) == u'E')) {
        qsizetype exponentPos = pos + 1;
        if (exponentPos < text.size() && isSign(text.at(exponentPos)))
            ++exponentPos;
        const qsizetype exponentEnd = skipDigits(text, exponentPos);
        if (exponentEnd > exponentPos)
            pos = exponentEnd;
    }
    return pos - from;
}

int currentYear()
{
    return platform::currentDateTime().date().year();
}

} // namespace

bool isNumeric(const QString &text)
{
    const qsizetype start = skipBlanks(text, 0);
    const qsizetype length = numberLength(text, start);
    if (length == 0)
        return false;
    return skipBlanks(text, start + length) == text.size();
}

double leadingValue(const QString &text)
{
    const qsizetype start = skipBlanks(text, 0);
    const qsizetype length = numberLength(text, start);
    if (length == 0)
        return 0.0;
    // An exponent too large for a double reads as an infinity, too small as 0:
    // both are the right answers for the checks that follow, so the conversion's
    // "ok" flag is not needed.
    return QLocale::c().toDouble(text.mid(start, length));
}

std::optional<qint16> wholeValue(const QString &text)
{
    const double value = leadingValue(text);
    if (!std::isfinite(value))
        return std::nullopt;

    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;

    if (whole < std::numeric_limits<qint16>::min() || whole > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(whole);
}

bool isValidDay(qint16 n)
{
    return n >= 1 && n <= 31;
}

bool isValidMonth(qint16 n)
{
    return n >= 1 && n <= 12;
}

bool isValidHours(qint16 n)
{
    return n >= 0 && n <= 2400;
}

bool isValidNoticeYear(qint16 n)
{
    const int year = currentYear();
    return n >= year - 2 && n <= year + 1;
}

bool isValidInUseYear(qint16 n)
{
    return n >= OldestInUseYear && n <= currentYear() + 2;
}

bool hasNoDigit(const QString &text)
{
    for (QChar c : text) {
        if (isAsciiDigit(c))
            return false;
    }
    return true;
}

bool isNorthSouth(const QString &text)
{
    return text.compare(u"N", Qt::CaseInsensitive) == 0 || text.compare(u"S", Qt::CaseInsensitive) == 0;
}

bool isEastWest(const QString &text)
{
    return text.compare(u"E", Qt::CaseInsensitive) == 0 || text.compare(u"W", Qt::CaseInsensitive) == 0;
}

} // namespace FieldChecks
