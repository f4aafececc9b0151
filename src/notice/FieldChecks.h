#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The field checks of the capture forms and the three ways in which they read a
// number from the text of a box. Nothing here depends on a locale: the decimal
// point is always ".".
namespace FieldChecks {

// True when the whole text is one number: blanks (spaces or tabs) around it, an
// optional sign, digits with at most one "." (at least one digit in all), and an
// optional exponent "e" or "E" with an optional sign and at least one digit.
// The empty text and a text of blanks are not numbers.
bool isNumeric(const QString &text);

// The number at the start of the text after any leading blanks, read as far as
// the characters can continue it; 0 when the text does not begin with a number.
double leadingValue(const QString &text);

// The leading value rounded to the nearest whole number, a half going to the even
// neighbour, as a 16-bit signed number; nothing when the rounded value lies outside
// -32768..32767.
std::optional<qint16> wholeValue(const QString &text);

// 1 <= n <= 31.
bool isValidDay(qint16 n);
// 1 <= n <= 12.
bool isValidMonth(qint16 n);
// 0 <= n <= 2400 (the minutes are not checked: 1275 passes).
bool isValidHours(qint16 n);
// From two years before the current year to the year after it.
bool isValidNoticeYear(qint16 n);
// From the oldest accepted year of bringing into use to two years after the current year.
bool isValidInUseYear(qint16 n);
// The oldest accepted year of bringing into use.
constexpr qint16 OldestInUseYear = 1950;

// True when none of the characters "0" to "9" occurs in the text.
bool hasNoDigit(const QString &text);
// True when the whole text is "N" or "S", in either case.
bool isNorthSouth(const QString &text);
// True when the whole text is "E" or "W", in either case.
bool isEastWest(const QString &text);

} // namespace FieldChecks
