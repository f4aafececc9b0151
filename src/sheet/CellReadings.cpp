#include "sheet/CellReadings.h"

#include "notice/NoticeKeys.h"
#include "sheet/NoticeColumns.h"

#include <QCoreApplication>
#include <QRegularExpression>

using NoticeKeys::Key;

namespace CellReadings {
namespace {

// What a column holds, as far as its readings go: its key's shape. A
// coordinate, a date and an hour have readings of their own, a number its
// decimal comma; every other shape is read as the text it is.
using Shape = ShapeKind;

// Whether a cell must read as the shape or be refused.
bool isStrict(Shape shape)
{
    return shape == Shape::Longitude || shape == Shape::Latitude || shape == Shape::Date || shape == Shape::Hour;
}

// The shape as a fault names it: "a longitude (+DDDMMSS, e.g. +0022030)".
QString shapeDescription(Shape shape)
{
    switch (shape) {
    case Shape::Longitude: return QCoreApplication::translate("CellReadings", "a longitude (+DDDMMSS, e.g. +0022030)");
    case Shape::Latitude: return QCoreApplication::translate("CellReadings", "a latitude (+DDMMSS, e.g. +485310)");
    case Shape::Date: return QCoreApplication::translate("CellReadings", "a date (YYYY-MM-DD, e.g. 2005-12-07)");
    case Shape::Hour: return QCoreApplication::translate("CellReadings", "an hour (HH:MM, e.g. 08:30)");
    default: break;
    }
    return QCoreApplication::translate("CellReadings", "a text");
}

Reading fault(const QString &text)
{
    return {QString(), text};
}

Reading notOfShape(const QString &text, Shape shape)
{
    return fault(
        QCoreApplication::translate("CellReadings", "%1 is not %2").arg(quoted(text), shapeDescription(shape)));
}

// A coordinate of that many digits: as written, or without its sign ("+"
// then) and leading zeros.
Reading coordinate(const QString &text, int digits, Shape shape)
{
    static const QRegularExpression signedDigits(QStringLiteral("^([+-]?)([0-9]+)$"));
    const QRegularExpressionMatch match = signedDigits.match(text);
    if (!match.hasMatch() || match.capturedLength(2) > digits)
        return notOfShape(text, shape);
    const QString sign = match.captured(1).isEmpty() ? QStringLiteral("+") : match.captured(1);
    return {sign + match.captured(2).rightJustified(digits, u'0'), {}};
}

Reading date(const QString &text)
{
    static const QRegularExpression iso(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    if (!iso.match(text).hasMatch())
        return notOfShape(text, Shape::Date);
    return {text, {}};
}

// "08:30", or as a spreadsheet writes it: "08:30:00", "8:30", "8:30:00",
// and on the twelve-hour clock of an English locale "08:30:00 PM" ("12:15 AM"
// is 00:15, "12:15 PM" is 12:15).
Reading hour(const QString &text)
{
    static const QRegularExpression hourMinute(QStringLiteral("^([0-9]{1,2}):([0-9]{2})(:00)?(?: ?([AP]M))?$"),
                                               QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = hourMinute.match(text);
    if (!match.hasMatch())
        return notOfShape(text, Shape::Hour);
    int hours = match.captured(1).toInt();
    if (const QString half = match.captured(4).toUpper(); !half.isEmpty()) {
        if (hours < 1 || hours > 12)
            return notOfShape(text, Shape::Hour);
        hours = hours % 12 + (half == QLatin1String("PM") ? 12 : 0);
    }
    return {QString::number(hours).rightJustified(2, u'0') + u':' + match.captured(2), {}};
}

// "98,5" as "98.5": one comma between digits, in a column that takes a number.
Reading number(const QString &text)
{
    static const QRegularExpression decimalComma(QStringLiteral("^([+-]?[0-9]+),([0-9]+)$"));
    const QRegularExpressionMatch match = decimalComma.match(text);
    if (!match.hasMatch())
        return {text, {}};
    return {match.captured(1) + u'.' + match.captured(2), {}};
}

Reading readText(const QString &text, Shape shape)
{
    switch (shape) {
    case Shape::Longitude: return coordinate(text, 7, shape);
    case Shape::Latitude: return coordinate(text, 6, shape);
    case Shape::Date: return date(text);
    case Shape::Hour: return hour(text);
    case Shape::Number: return number(text);
    default: break;
    }
    return {text, {}};
}

// A cell that the spreadsheet made a date or a time: the text it was typed
// as is gone, unless the column takes a date or an hour.
Reading readDateOrTime(const SheetCell &cell, Shape shape)
{
    static const QString Midnight = QStringLiteral("T00:00:00");
    if (shape == Shape::Date && cell.kind == SheetCell::Kind::Date)
        return date(cell.text);
    if (shape == Shape::Date && cell.kind == SheetCell::Kind::DateTime && cell.text.endsWith(Midnight))
        return date(cell.text.chopped(Midnight.size()));
    if (shape == Shape::Hour && cell.kind == SheetCell::Kind::Time)
        return hour(cell.text);
    if (isStrict(shape))
        return notOfShape(cell.text, shape);
    return fault(QCoreApplication::translate("CellReadings",
                                             "%1 is a date or time cell of the spreadsheet, not the text typed: "
                                             "format the column as text and type the value again")
                     .arg(quoted(cell.text)));
}

} // namespace

QString quoted(const QString &text)
{
    constexpr qsizetype Longest = 40;
    QString shown = text.size() > Longest ? text.left(Longest) + QStringLiteral("...") : text;
    shown.replace(u'\r', QStringLiteral("\\r"))
        .replace(u'\n', QStringLiteral("\\n"))
        .replace(u'\t', QStringLiteral("\\t"));
    return u'"' + shown + u'"';
}

Reading read(const QString &column, const SheetCell &cell)
{
    if (cell.isEmpty())
        return {};
    const std::optional<Key> key = NoticeColumns::keyOf(column);
    const Shape shape = key ? NoticeKeys::shapeOf(*key).kind() : Shape::Text;
    switch (cell.kind) {
    case SheetCell::Kind::Text:
    case SheetCell::Kind::Number: return readText(cell.text, shape);
    case SheetCell::Kind::Date:
    case SheetCell::Kind::Time:
    case SheetCell::Kind::DateTime: return readDateOrTime(cell, shape);
    case SheetCell::Kind::Boolean:
        return fault(
            QCoreApplication::translate("CellReadings", "%1 is a true/false cell of the spreadsheet, not a value")
                .arg(quoted(cell.text)));
    case SheetCell::Kind::Error:
        return fault(QCoreApplication::translate("CellReadings", "%1 is an error of the spreadsheet, not a value")
                         .arg(quoted(cell.text)));
    }
    return {cell.text, {}};
}

} // namespace CellReadings
