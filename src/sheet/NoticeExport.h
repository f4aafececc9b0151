#pragma once

#include "notice/NoticeFileChecker.h"
#include "sheet/SheetFormat.h"

#include <QByteArray>
#include <QSet>
#include <QStringList>

class QIODevice;

// The notices of a notice file for spreadsheets and databases, one row or
// object per notice, keyed by the columns of NoticeColumns.
//   - CSV (RFC 4180): UTF-8 with a byte-order mark, so that LibreOffice Calc
//     and Excel open it with the right characters; a header row of the
//     columns that some notice uses, in the writer's order; CR LF line ends;
//     a field quoted only when it holds a comma, a quote or a line break, or
//     begins or ends with a blank.
//   - JSON: an array of objects, one per notice, with the cells it has.

void writeNotices(const ParsedNoticeFile &file, SheetFormat format, QIODevice &out);

// The same output written one notice at a time, for a file read twice: on
// the first reading each notice's columns are noted (the CSV header row
// names the columns that some notice uses), on the second each notice is
// written. adm is the administration of the file's HEAD.
class NoticeSheetWriter
{
public:
    NoticeSheetWriter(SheetFormat format, QIODevice &out);

    void noteColumns(const ParsedNotice &notice, const QString &adm);
    void begin();
    void write(const ParsedNotice &notice, const QString &adm);
    void end();

private:
    SheetFormat m_format;
    QIODevice &m_out;
    QSet<QString> m_seen;
    QStringList m_columns;
    const char *m_separator = "\n";
};

// One CSV record with its CR LF.
QByteArray csvRecord(const QStringList &fields);
