#pragma once

#include <QString>
#include <QtGlobal>

// Shared helpers of the capture program. This file holds the formatting
// helpers: pure text functions that turn what the operator typed into the text
// of the notice file, and the two readings of the operating system that the
// file needs. They keep no state, raise no error and show nothing. CR LF means
// the two characters carriage return and line feed.
namespace Formatting {

// CR LF + key + " = " + value, or empty when the key or the value is empty.
// A line break inside the value (CR LF, a lone CR or a lone LF) becomes one
// blank, so that a value always stays on its own line of the file; so does a
// tab (pasted into a box), which the file's readers take for a column break.
QString makeKeyLine(const QString &key, const QString &value);
// The same line appended to text, without a text of its own in between: the
// notice writer puts some two hundred of them into one section. The key and
// the value are read only; they must not be part of text itself.
void appendKeyLine(QString &text, QStringView key, QStringView value);
// The same line with a key made of two parts, key + keySuffix, written one
// after the other: the azimuth keys ("t_eff_hgt@azm" + "10") need no text of
// their own. The line is left out when the value or the whole key is empty.
void appendKeyLine(QString &text, QStringView key, QStringView keySuffix, QStringView value);

// "<TAG>" + body + CR LF + "</TAG>" with the tag in upper case, or empty when
// the tag or the body is empty. The body's key lines bring their own line
// breaks; the section does not end with one.
QString makeSection(const QString &tag, const QString &body);
// The same section built in place at the end of text, for a body that the
// caller appends between the two calls:
//   const qsizetype start = openSection(text, tag);
//   ... append the body to text ...
//   closeSection(text, start, tag);
// openSection appends "<TAG>" and returns where the section starts;
// closeSection appends CR LF + "</TAG>", or, when nothing was appended after
// the opening tag or the tag is empty, cuts text back to that start, so that
// the result is text + makeSection(tag, body) in every case.
qsizetype openSection(QString &text, const QString &tag);
void closeSection(QString &text, qsizetype start, const QString &tag);

// The TAIL section with the notice count, ending with CR LF; empty for a count
// of zero or less.
QString makeTail(qint32 count);

// A signed coordinate without separators: "+" for hemisphere N or E, "-" for S
// or W (in any case), then DDDMMSS for a longitude or DDMMSS for a latitude,
// each part zero-padded. Empty when the degrees or minutes are empty or the
// hemisphere is none of the four; empty seconds are written "00".
QString formatCoordinate(const QString &degrees, const QString &minutes, const QString &seconds,
                         const QString &hemisphere);

// Adds one or two leading zeros when the text is one or two characters short
// of the width; any other text is returned unchanged. zeroPad("", 2) is "00",
// zeroPad("", 3) stays empty.
QString zeroPad(const QString &text, qint16 width);

// Left-pads a text of one to three characters with zeros to four characters;
// an empty text and a text of four or more characters are returned unchanged.
QString zeroPadFour(const QString &text);

// "hhmm" as "hh:mm": the first two characters, ":", then the third to sixth
// characters as far as they exist. Empty for an empty text.
QString formatHourMinute(const QString &text);

// year + "-" + month + "-" + day as given, or empty when any part is empty.
QString joinDateYMD(const QString &year, const QString &month, const QString &day);

// A date of year, month and day separated by "-" or "/" (after the regional
// date separator has been turned into "/"), as "dd.mm.yyyy". The year has four
// digits, the month and the day one or two, and together they must name a day
// of the calendar (a 31 February is not a date). A text that is not such a date
// is returned unchanged; an empty text gives an empty result.
QString formatDateDMY(const QString &date);

// Splits "dd.mm.yyyy" at its points into day, month and year, after removing
// leading and trailing blanks. Writes nothing when the date is empty or has no
// point; when the text after the first point has no point of its own, it is
// all month and the year is set empty.
void splitDateDMY(const QString &date, QString &year, QString &month, QString &day);

// A value of the operating system's regional settings ("intl" section); the
// only key read is "sdate", the short-date separator. Empty where the system
// keeps no such setting.
QString readIntlSetting(const QString &key);

// The login name of the current user cut to its first 8 characters, or
// "Unknown (NON Windows NT environment)" when the system knows no name.
QString currentUserName();

} // namespace Formatting
