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
    NoticeSheetWriter writer(format, out);
    for (const ParsedNotice &notice : file.notices)
        writer.noteColumns(notice, adm);
    writer.begin();
    for (const ParsedNotice &notice : file.notices)
        writer.write(notice, adm);
    writer.end();
}

NoticeSheetWriter::NoticeSheetWriter(SheetFormat format, QIODevice &out)
    : m_format(format)
    , m_out(out)
{ }

void NoticeSheetWriter::noteColumns(const ParsedNotice &notice, const QString &adm)
{
    if (m_format != SheetFormat::Csv)
        return;
    for (const NoticeColumns::Cell &cell : NoticeColumns::cellsOf(notice, adm))
        m_seen.insert(cell.first);
}

// CSV: the byte-order mark and the header row of the used columns, in the
// writer's order. JSON: the opening of the array.
void NoticeSheetWriter::begin()
{
    if (m_format == SheetFormat::Json) {
        m_out.write("[");
        return;
    }
    m_columns = QStringList(m_seen.cbegin(), m_seen.cend());
    std::sort(m_columns.begin(), m_columns.end(), [](const QString &a, const QString &b) {
        return NoticeColumns::rankOf(a).value_or(-1) < NoticeColumns::rankOf(b).value_or(-1);
    });
    m_out.write("\xEF\xBB\xBF");
    m_out.write(csvRecord(m_columns));
}

void NoticeSheetWriter::write(const ParsedNotice &notice, const QString &adm)
{
    if (m_format == SheetFormat::Csv) {
        QStringList row(m_columns.size());
        for (const NoticeColumns::Cell &cell : NoticeColumns::cellsOf(notice, adm))
            row[m_columns.indexOf(cell.first)] = cell.second;
        m_out.write(csvRecord(row));
        return;
    }
    QJsonObject object;
    for (const NoticeColumns::Cell &cell : NoticeColumns::cellsOf(notice, adm))
        object.insert(cell.first, cell.second);
    m_out.write(m_separator);
    m_out.write(QJsonDocument(object).toJson(QJsonDocument::Compact));
    m_separator = ",\n";
}

void NoticeSheetWriter::end()
{
    if (m_format == SheetFormat::Json)
        m_out.write("\n]\n");
}
