#include "sheet/NoticeExport.h"

#include "notice/NoticeKeys.h"
#include "sheet/NoticeColumns.h"

#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>

namespace {

QByteArray csvField(const QString &field)
{
    QByteArray bytes = field.toUtf8();
    // Quoted when it holds a separator, a quote or a line break, or begins or
    // ends with a blank, which some readers would trim.
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\r') || bytes.contains('\n')
        || bytes.startsWith(' ') || bytes.endsWith(' '))
        bytes = '"' + bytes.replace("\"", "\"\"") + '"';
    return bytes;
}

// The columns that some notice of the file uses, in the writer's order.
QStringList usedColumns(const ParsedNoticeFile &file, const QString &adm)
{
    QSet<QString> seen;
    for (const ParsedNotice &notice : file.notices) {
        for (const NoticeColumns::Cell &cell : NoticeColumns::cellsOf(notice, adm))
            seen.insert(cell.first);
    }
    QStringList columns(seen.cbegin(), seen.cend());
    std::sort(columns.begin(), columns.end(), [](const QString &a, const QString &b) {
        return NoticeColumns::rankOf(a).value_or(-1) < NoticeColumns::rankOf(b).value_or(-1);
    });
    return columns;
}

void writeCsv(const ParsedNoticeFile &file, const QString &adm, QIODevice &out)
{
    const QStringList columns = usedColumns(file, adm);
    out.write("\xEF\xBB\xBF");
    out.write(csvRecord(columns));
    for (const ParsedNotice &notice : file.notices) {
        QStringList row(columns.size());
        for (const NoticeColumns::Cell &cell : NoticeColumns::cellsOf(notice, adm))
            row[columns.indexOf(cell.first)] = cell.second;
        out.write(csvRecord(row));
    }
}

void writeJson(const ParsedNoticeFile &file, const QString &adm, QIODevice &out)
{
    out.write("[");
    const char *separator = "\n";
    for (const ParsedNotice &notice : file.notices) {
        QJsonObject object;
        for (const NoticeColumns::Cell &cell : NoticeColumns::cellsOf(notice, adm))
            object.insert(cell.first, cell.second);
        out.write(separator);
        out.write(QJsonDocument(object).toJson(QJsonDocument::Compact));
        separator = ",\n";
    }
    out.write("\n]\n");
}

} // namespace

QByteArray csvRecord(const QStringList &fields)
{
    QByteArray record;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            record += ',';
        record += csvField(fields.at(i));
    }
    return record + "\r\n";
}

void writeNotices(const ParsedNoticeFile &file, SheetFormat format, QIODevice &out)
{
    const QString adm = file.head ? file.head->value(NoticeKeys::Key::Adm) : QString();
    if (format == SheetFormat::Csv)
        writeCsv(file, adm, out);
    else
        writeJson(file, adm, out);
}
