#pragma once

#include <QString>
#include <QStringList>

// What a value of the notice file looks like, as the capture forms write it:
// the text of a box as its check on leaving takes it, or a value the writer
// works out itself (a count, a code, a date, an hour, a coordinate). Each key
// states its shape in its row of NoticeKeys::layout(); the notice-file
// checker judges every value by it, and the spreadsheet import reads a cell
// by it.
enum class ShapeKind {
    Text,      // whatever the box takes
    Letters,   // no digit anywhere (the administration and area boxes)
    NotNumber, // anything but a number on its own (the code boxes)
    Number,    // a number as the numeric boxes take it: blanks around allowed
    Count,     // digits: a notice number, the number of notices
    Code,      // one of the codes of an option group or list
    Date,      // YYYY-MM-DD, a day of the calendar
    Hour,      // HH:MM, the four digits at most 2400 (the minutes unchecked)
    Longitude, // sign and DDDMMSS: degrees to 180, minutes and seconds to 59
    Latitude,  // sign and DDMMSS: degrees to 90, minutes and seconds to 59
};

// A shape and the longest value of that shape the forms let the writer put
// in a file. A typed shape is given the longest box it comes from; a
// worked-out shape knows its own. There is no shape by default, so a row of
// the layout cannot leave it out.
class ValueShape
{
public:
    static ValueShape text(int longest) { return {ShapeKind::Text, longest}; }
    static ValueShape letters(int longest) { return {ShapeKind::Letters, longest}; }
    static ValueShape notNumber(int longest) { return {ShapeKind::NotNumber, longest}; }
    static ValueShape number(int longest) { return {ShapeKind::Number, longest}; }
    static ValueShape count() { return {ShapeKind::Count, 10}; } // a 32-bit count
    static ValueShape codes(const QStringList &codes);
    static ValueShape date() { return {ShapeKind::Date, 10}; }          // yyyy-mm-dd
    static ValueShape hour() { return {ShapeKind::Hour, 5}; }           // hh:mm
    static ValueShape longitude() { return {ShapeKind::Longitude, 8}; } // sign, DDDMMSS
    static ValueShape latitude() { return {ShapeKind::Latitude, 7}; }   // sign, DDMMSS

    ShapeKind kind() const { return m_kind; }
    int longest() const { return m_longest; }
    // The codes of a Code shape; empty for the others.
    const QStringList &codeList() const;

    // Whether the writer works the value out itself rather than copying it as
    // typed: such a value never has a blank at either end.
    bool isWorkedOut() const;

    // Whether the value has this shape (its length aside).
    bool fits(const QString &value) const;

    // What a value of this shape is, as the checker's faults say it: "a
    // longitude +DDDMMSS (degrees 0 to 180, minutes and seconds 0 to 59)",
    // in the operator's language (see FaultText); the pattern stays as it is.
    QString expected() const;

private:
    ValueShape(ShapeKind kind, int longest, const QStringList *codes = nullptr)
        : m_kind(kind)
        , m_longest(longest)
        , m_codes(codes)
    { }

    ShapeKind m_kind;
    int m_longest;
    const QStringList *m_codes;
};
