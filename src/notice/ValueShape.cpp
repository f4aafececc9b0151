#include "ValueShape.h"

#include "FaultText.h"
#include "FieldChecks.h"

#include <QDate>

#include <algorithm>

namespace {

bool isDigits(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The whole text as a number of digits alone, or -1.
int digitsValue(QStringView text)
{
    return isDigits(text) ? text.toInt() : -1;
}

// Sign, then degrees of degreeDigits digits up to maxDegrees, then minutes
// and seconds of two digits each up to 59: what FormatCoordinate writes from
// the boxes that the form's checks take.
bool isCoordinate(const QString &value, int degreeDigits, int maxDegrees)
{
    if (value.size() != 1 + degreeDigits + 4 || (value.front() != u'+' && value.front() != u'-'))
        return false;
    const QStringView digits = QStringView(value).mid(1);
    const int degrees = digitsValue(digits.left(degreeDigits));
    const int minutes = digitsValue(digits.mid(degreeDigits, 2));
    const int seconds = digitsValue(digits.mid(degreeDigits + 2, 2));
    return degrees >= 0 && degrees <= maxDegrees && minutes >= 0 && minutes <= 59 && seconds >= 0 && seconds <= 59;
}

bool isDate(const QString &value)
{
    if (value.size() != 10 || value.at(4) != u'-' || value.at(7) != u'-')
        return false;
    const QStringView text(value);
    const int year = digitsValue(text.left(4));
    const int month = digitsValue(text.mid(5, 2));
    const int day = digitsValue(text.mid(8, 2));
    return year >= 0 && month >= 0 && day >= 0 && QDate(year, month, day).isValid();
}

// The operating hours box takes four digits whose whole value is at most
// 2400; the writer puts a colon after the first two.
bool isHour(const QString &value)
{
    if (value.size() != 5 || value.at(2) != u':')
        return false;
    const int hours = digitsValue(QStringView(value).left(2));
    const int minutes = digitsValue(QStringView(value).mid(3));
    return hours >= 0 && minutes >= 0 && hours * 100 + minutes <= 2400;
}

} // namespace

ValueShape ValueShape::codes(const QStringList &codes)
{
    const auto longest = std::max_element(codes.begin(), codes.end(),
                                          [](const QString &a, const QString &b) { return a.size() < b.size(); });
    return {ShapeKind::Code, longest == codes.end() ? 0 : int(longest->size()), &codes};
}

const QStringList &ValueShape::codeList() const
{
    static const QStringList none;
    return m_codes ? *m_codes : none;
}

bool ValueShape::isWorkedOut() const
{
    switch (m_kind) {
    case ShapeKind::Text:
    case ShapeKind::Letters:
    case ShapeKind::NotNumber:
    case ShapeKind::Number: return false;
    case ShapeKind::Count:
    case ShapeKind::Code:
    case ShapeKind::Date:
    case ShapeKind::Hour:
    case ShapeKind::Longitude:
    case ShapeKind::Latitude: return true;
    }
    Q_UNREACHABLE();
}

bool ValueShape::fits(const QString &value) const
{
    switch (m_kind) {
    case ShapeKind::Text: return true;
    case ShapeKind::Letters: return FieldChecks::hasNoDigit(value);
    case ShapeKind::NotNumber: return !FieldChecks::isNumeric(value);
    case ShapeKind::Number: return FieldChecks::isNumeric(value);
    case ShapeKind::Count: return isDigits(value);
    case ShapeKind::Code: return codeList().contains(value);
    case ShapeKind::Date: return isDate(value);
    case ShapeKind::Hour: return isHour(value);
    case ShapeKind::Longitude: return isCoordinate(value, 3, 180);
    case ShapeKind::Latitude: return isCoordinate(value, 2, 90);
    }
    Q_UNREACHABLE();
}

QString ValueShape::expected() const
{
    switch (m_kind) {
    case ShapeKind::Text: return FaultText::tr("a text");
    case ShapeKind::Letters: return FaultText::tr("letters, no digit");
    case ShapeKind::NotNumber: return FaultText::tr("a code that is not a number");
    case ShapeKind::Number: return FaultText::tr("a number");
    case ShapeKind::Count: return FaultText::tr("a whole number");
    case ShapeKind::Code: return FaultText::tr("one of %1").arg(codeList().join(QStringLiteral(", ")));
    case ShapeKind::Date: return FaultText::tr("a date YYYY-MM-DD");
    case ShapeKind::Hour: return FaultText::tr("an hour HH:MM from 00:00 to 24:00");
    case ShapeKind::Longitude:
        return FaultText::tr("a longitude +DDDMMSS (degrees 0 to 180, minutes and seconds 0 to 59)");
    case ShapeKind::Latitude: return FaultText::tr("a latitude +DDMMSS (degrees 0 to 90, minutes and seconds 0 to 59)");
    }
    Q_UNREACHABLE();
}
