#pragma once

#include "sheet/SheetCell.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// The rows of a file to import, one notice each, read one at a time: a CSV,
// .xlsx or .ods file whose first row names the columns (each a column of
// NoticeColumns), or a JSON array of objects keyed by those columns. The
// format is told from the file's content. A row is named as its file names
// it: "line 7" in a CSV file, "row 7" in a workbook, "notice 3" in JSON.
class ImportRows
{
public:
    virtual ~ImportRows() = default;

    // Opens the file and reads its header; null, with every fault of the
    // header (or why the file cannot be read) in faults, when it cannot go on.
    static std::unique_ptr<ImportRows> open(const QString &path, QStringList *faults);

    struct Cell
    {
        QString column;
        SheetCell cell;
    };

    struct Row
    {
        QString where;      // "line 7", "row 7", "notice 3"
        QList<Cell> cells;  // the cells under a column name, empty ones left out
        QStringList faults; // cells that stand under no column name
    };

    // The next row; false at the end, or at a fault of the file that stops
    // the reading, which fault() then names ("line 7: ...").
    virtual bool next(Row &row) = 0;
    virtual QString fault() const = 0;
    // How much of the file has been read, from 0 to 1.
    virtual double fractionRead() const = 0;
};

// "line 3, column t_long: ..." : where a fault is, then what it is.
QString cellFaultLine(const QString &where, const QString &column, const QString &what);
QString rowFaultLine(const QString &where, const QString &what);
