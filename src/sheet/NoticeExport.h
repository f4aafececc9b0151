#pragma once

#include "notice/NoticeFileChecker.h"
#include "sheet/SheetFormat.h"
#include "sheet/SheetWriter.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

class QIODevice;

// The notices of a notice file for spreadsheets and databases, one row or
// object per notice, keyed by the columns of NoticeColumns.
//   - CSV, .xlsx and .ods (see SheetWriter): a header row of the columns that
//     some notice uses, in the writer's order, then one row per notice, every
//     value a text; in a workbook each column is as wide as its longest text
//     and the header row is frozen.
//   - JSON: an array of objects, one per notice, with the cells it has.
// Returns false, with the fault in the user's words in error, when the
// output could not be written, or when the file has a fault (nothing is
// written then: a value the checker refuses is never exported).
bool writeNotices(const ParsedNoticeFile &file, SheetFormat format, QIODevice &out, QString *error = nullptr);

// The same written to the file at path, whole or not at all: a fault leaves
// the file as it was (or no file). A device or pipe is written as it is.
bool exportNoticesToFile(const ParsedNoticeFile &file, SheetFormat format, const QString &path, QString *error);

// The same output written one notice at a time, for a file read twice: on
// the first reading each notice's columns are noted (the header row names
// the columns that some notice uses, each as wide as its longest text), on
// the second each notice is written. adm is the administration of the file's
// HEAD.
class NoticeSheetWriter
{
public:
    NoticeSheetWriter(SheetFormat format, QIODevice &out);
    ~NoticeSheetWriter();

    void noteColumns(const ParsedNotice &notice, const QString &adm);
    void begin();
    void write(const ParsedNotice &notice, const QString &adm);
    // Completes the output; false, with error(), when it could not be written.
    bool end();
    QString error() const { return m_error; }

private:
    void put(const QByteArray &bytes);

    SheetFormat m_format;
    QIODevice &m_out;
    QHash<QString, int> m_longest; // column -> its longest text, header included
    QStringList m_columns;
    QHash<QString, qsizetype> m_columnIndex;
    std::unique_ptr<SheetTableWriter> m_table; // every format but JSON
    const char *m_separator = "\n";
    QString m_error;
};
