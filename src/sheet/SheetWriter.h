#pragma once

#include "sheet/SheetFormat.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QFileDevice;
class QIODevice;

// A table written out as the first sheet of a CSV, .xlsx or .ods file: a
// header row, then rows of texts, one row at a time so that any number of
// rows is written in flat memory. Every value is written as text, exactly, and
// the columns of a workbook are formatted as text, so that rows a user adds
// stay text too; the header row is frozen and each column is as wide as asked.
class SheetTableWriter
{
public:
    virtual ~SheetTableWriter() = default;

    // widths: each column's width in characters, as wide as its longest text
    // (the writer bounds it to something readable).
    virtual void writeHeader(const QStringList &columns, const QList<int> &widths) = 0;
    virtual void writeRow(const QStringList &values) = 0;
    // Completes the file on the device; false, with error() in the user's
    // words, when it could not be written.
    virtual bool finish() = 0;
    virtual QString error() const = 0;
};

// A writer of the format (CSV, .xlsx or .ods; not JSON) onto the device,
// which must stay open for the writer's life.
std::unique_ptr<SheetTableWriter> writeSheetTable(SheetFormat format, QIODevice &out);

// The writer of each format, which writeSheetTable chooses from.
//   - CSV (RFC 4180): UTF-8 with a byte-order mark, so that LibreOffice Calc
//     and Excel open it with the right characters; CR LF line ends; a field
//     quoted only when it holds a comma, a quote or a line break, or begins or
//     ends with a blank. No widths.
//   - .xlsx: every value an inline text in a cell formatted as text; a text
//     longer than the 32,767 characters of a workbook cell, or a row beyond
//     the 1,048,576 of a worksheet, is a fault, never cut short.
//   - .ods: the characters XML cannot hold (control characters other than the
//     tab and line ends) are left out.
std::unique_ptr<SheetTableWriter> writeCsvTable(QIODevice &out);
std::unique_ptr<SheetTableWriter> writeXlsxTable(QIODevice &out);
std::unique_ptr<SheetTableWriter> writeOdsTable(QIODevice &out);

// One CSV record with its CR LF.
QByteArray csvRecord(const QStringList &fields);

// What the writers share.
namespace SheetWriting {

// A column's width in characters for its longest text: wide enough for short
// codes, never wider than a screen's part.
int readableColumnWidth(int longestText);

// A file opened to be written whole or not at all: a QSaveFile, which only
// commitWholeFile puts in place (a fault, or the file's end without it,
// leaves the name as it was). The device or pipe that a name leads to
// (/dev/null, a terminal) is written as it is, never replaced by a file.
std::unique_ptr<QFileDevice> openWholeFile(const QString &path, QString *fault);
bool commitWholeFile(QFileDevice &file, QString *fault);

} // namespace SheetWriting
