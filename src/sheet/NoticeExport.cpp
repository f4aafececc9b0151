#include "sheet/NoticeExport.h"

#include "notice/NoticeKeys.h"
#include "sheet/NoticeColumns.h"
#include "sheet/SheetFaults.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

bool writeNotices(const ParsedNoticeFile &file, SheetFormat format, QIODevice &out, QString *error)
{
    // What the checker refuses is never exported.
    if (!file.isSound()) {
        if (error)
            *error = QCoreApplication::translate("NoticeExport", "line %1: %2: the notice file is not sound")
                         .arg(file.faults.first().line)
                         .arg(file.faults.first().message);
        return false;
    }
    const QString adm = file.head ? file.head->value(NoticeKeys::Key::Adm) : QString();
    NoticeSheetWriter writer(format, out);
    for (const ParsedNotice &notice : file.notices)
        writer.noteColumns(notice, adm);
    writer.begin();
    for (const ParsedNotice &notice : file.notices)
        writer.write(notice, adm);
    const bool written = writer.end();
    if (error)
        *error = writer.error();
    return written;
}

bool exportNoticesToFile(const ParsedNoticeFile &file, SheetFormat format, const QString &path, QString *error)
{
    const std::unique_ptr<QFileDevice> out = SheetWriting::openWholeFile(path, error);
    return out && writeNotices(file, format, *out, error) && SheetWriting::commitWholeFile(*out, error);
}

NoticeSheetWriter::NoticeSheetWriter(SheetFormat format, QIODevice &out)
    : m_format(format)
    , m_out(out)
{ }

NoticeSheetWriter::~NoticeSheetWriter() = default;

void NoticeSheetWriter::noteColumns(const ParsedNotice &notice, const QString &adm)
{
    if (m_format == SheetFormat::Json)
        return;
    for (const NoticeColumns::Cell &cell : NoticeColumns::cellsOf(notice, adm)) {
        int &longest = m_longest[cell.first];
        longest = int(std::max({qsizetype(longest), cell.first.size(), cell.second.size()}));
    }
}

// A table: the header row of the used columns, in the writer's order. JSON:
// the opening of the array.
void NoticeSheetWriter::begin()
{
    if (m_format == SheetFormat::Json) {
        put("[");
        return;
    }
    m_columns = m_longest.keys();
    std::sort(m_columns.begin(), m_columns.end(), [](const QString &a, const QString &b) {
        return NoticeColumns::rankOf(a).value_or(-1) < NoticeColumns::rankOf(b).value_or(-1);
    });
    QList<int> widths;
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        m_columnIndex.insert(m_columns.at(i), i);
        widths.append(m_longest.value(m_columns.at(i)));
    }
    m_table = writeSheetTable(m_format, m_out);
    m_table->writeHeader(m_columns, widths);
}

void NoticeSheetWriter::write(const ParsedNotice &notice, const QString &adm)
{
    if (m_table) {
        QStringList row(m_columns.size());
        for (const NoticeColumns::Cell &cell : NoticeColumns::cellsOf(notice, adm)) {
            if (const auto column = m_columnIndex.constFind(cell.first); column != m_columnIndex.cend())
                row[*column] = cell.second;
        }
        m_table->writeRow(row);
        return;
    }
    QJsonObject object;
    for (const NoticeColumns::Cell &cell : NoticeColumns::cellsOf(notice, adm))
        object.insert(cell.first, cell.second);
    put(m_separator);
    put(QJsonDocument(object).toJson(QJsonDocument::Compact));
    m_separator = ",\n";
}

bool NoticeSheetWriter::end()
{
    if (m_table) {
        if (!m_table->finish())
            m_error = m_table->error();
        return m_error.isEmpty();
    }
    put("\n]\n");
    if (m_error.isEmpty())
        m_error = SheetFaults::flushFault(m_out);
    return m_error.isEmpty();
}

void NoticeSheetWriter::put(const QByteArray &bytes)
{
    if (m_error.isEmpty() && m_out.write(bytes) != bytes.size())
        m_error = SheetFaults::cannotWrite(m_out);
}
