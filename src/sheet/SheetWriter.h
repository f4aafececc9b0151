#pragma once

#include "sheet/SheetFormat.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

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
