#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class QIODevice;

// One cell of a spreadsheet as its file holds it: its kind and its text. A
// CSV field and a JSON value are always text; a worksheet cell keeps the kind
// the spreadsheet gave it, so that a number or a date cell can be read back
// only in the ways that lose nothing.
struct SheetCell
{
    enum class Kind {
        Text,     // text as stored, blanks and line breaks included
        Number,   // the number in its shortest decimal form: "22030", "98.5", "-0.25"
        Date,     // a date cell: "2026-03-04"
        Time,     // a time-of-day cell: "00:30:00"
        DateTime, // a date and time cell: "2026-03-04T00:30:00"
        Boolean,  // "TRUE" or "FALSE"
        Error,    // an error value as the spreadsheet shows it: "#VALUE!", "#N/A"
    };
    Kind kind = Kind::Text;
    QString text;

    bool isEmpty() const { return text.isEmpty(); }
    bool operator==(const SheetCell &other) const { return kind == other.kind && text == other.text; }
};

// One row of a sheet: its number as the user sees it (the line of a CSV file
// where the record starts, the row number of a worksheet) and its cells from
// the first column on, empty ones included: cells.at(i) is column i + 1.
// Trailing empty cells may be left out.
struct SheetRow
{
    int number = 0;
    QList<SheetCell> cells;
};

// The rows of the first sheet of a spreadsheet file, one at a time and in
// order, so that a file of any length is read in flat memory. Rows whose
// cells are all empty are skipped.
class SheetRowReader
{
public:
    virtual ~SheetRowReader() = default;

    // The next row; false at the end, or at a fault that fault() then names.
    virtual bool next(SheetRow &row) = 0;
    // Why the reading stopped before the end, in the user's words
    // ("line 7: a quoted field is not closed"); empty at the end.
    virtual QString fault() const = 0;
    // How much of the file has been read, from 0 to 1, for a progress bar.
    virtual double fractionRead() const = 0;
};

// Readers of each format; the device stays open for the reader's life and
// must outlive it. A reader that cannot start (a damaged package, no sheet)
// returns rows no more and names the fault.
// A CSV file of any dialect: the encoding (UTF-8 with or without a
// byte-order mark, UTF-16 with one, Windows-1252 when the bytes are not
// UTF-8) and the separator ("," ";" or a tab, named by Excel's "sep=" first
// line or found from the header row: the one that makes every header cell a
// column name) are found from the file itself. isColumnName tells a column
// name; every cell is text.
std::unique_ptr<SheetRowReader> readCsvRows(QIODevice &device,
                                            const std::function<bool(const QString &)> &isColumnName);
std::unique_ptr<SheetRowReader> readXlsxRows(QIODevice &device);
std::unique_ptr<SheetRowReader> readOdsRows(QIODevice &device);
