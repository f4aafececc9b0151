#pragma once

#include "replay/JsonValueCutter.h"
#include "sheet/CsvReader.h"
#include "sheet/NoticeColumns.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <memory>

// The rows of a file to import, one notice each, read one at a time: a CSV
// file whose first record names the columns, or a JSON array of objects. A
// row is named by its line (CSV) or its place in the array (JSON).
class ImportRows
{
public:
    virtual ~ImportRows() = default;

    // Opens the file and reads up to its first row; null, with the reason in
    // fault, when it cannot be read at all.
    static std::unique_ptr<ImportRows> open(const QString &path, QString *fault);

    struct Row
    {
        QString where; // "line 7" or "notice 3"
        NoticeColumns::Cells cells;
    };

    // The next row; false at the end, or at a fault of the file that fault()
    // then names ("line 7: ...").
    virtual bool next(Row &row) = 0;
    virtual QString fault() const = 0;
};
