#pragma once

#include "sheet/SheetCell.h"

#include <QString>

// The value that a spreadsheet cell gives to its column of the notice file.
// A cell is read as it stands, or in one of the few ways that lose nothing,
// which undo what spreadsheets do to the values they are given:
//   - a coordinate without its sign or its leading zeros ("22030" is
//     "+0022030", "-22030" is "-0022030"): digits only, never more than the
//     key holds;
//   - a decimal comma in a column that takes a number ("98,5" is "98.5");
//   - an hour with seconds 00, without the hour's leading zero, or on the
//     twelve-hour clock ("08:30:00", "8:30" and "8:30:00 AM" are "08:30");
//   - a date cell or a date-and-time cell at midnight in a date column
//     ("2026-03-04").
// A coordinate, a date or an hour that does not read as its key's shape is a
// fault, and so is an error cell, a true/false cell, and a date or time cell
// where the column takes no date or hour (the text the user typed is lost).
// Whatever else a cell says is its value: whether the form writes that value
// is for the import to find out.
namespace CellReadings {

struct Reading
{
    QString value; // the value the cell stands for
    QString fault; // empty, or why the cell stands for none, in the user's
                   // words: "\"12.5\" is not a longitude (+DDDMMSS, e.g. +0022030)"
    bool isFault() const { return !fault.isEmpty(); }
};

// The cell read for its column (a column of NoticeColumns).
Reading read(const QString &column, const SheetCell &cell);

// The cell's text as a fault quotes it: "\"12.5\"", cut short when long.
QString quoted(const QString &text);

} // namespace CellReadings
