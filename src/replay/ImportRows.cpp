#include "replay/ImportRows.h"

#include "platform/InputLimits.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

class CsvRows : public ImportRows
{
public:
    explicit CsvRows(std::unique_ptr<QFile> file)
        : m_file(std::move(file))
        , m_reader(*m_file)
    { }

    // The header: each column once, each a key of the notice file.
    bool readHeader()
    {
        CsvReader::Record header;
        if (!m_reader.next(header)) {
            m_fault
                = m_reader.fault().isEmpty() ? QStringLiteral("line 1: the file has no header row") : m_reader.fault();
            return false;
        }
        QSet<QString> seen;
        for (qsizetype i = 0; i < header.fields.size(); ++i) {
            const QString &column = header.fields.at(i);
            if (!NoticeColumns::rankOf(column) || seen.contains(column)) {
                m_fault = QStringLiteral("line %1, column %2: \"%3\" %4")
                              .arg(header.line)
                              .arg(i + 1)
                              .arg(platform::inputExcerpt(column),
                                   seen.contains(column) ? QStringLiteral("is named twice")
                                                         : QStringLiteral("is no key of the notice file"));
                return false;
            }
            seen.insert(column);
        }
        m_columns = header.fields;
        return true;
    }

    bool next(Row &row) override
    {
        CsvReader::Record record;
        if (!m_fault.isEmpty() || !m_reader.next(record)) {
            if (m_fault.isEmpty())
                m_fault = m_reader.fault();
            return false;
        }
        if (record.fields.size() != m_columns.size()) {
            m_fault = QStringLiteral("line %1: %2 fields where the header names %3 columns")
                          .arg(record.line)
                          .arg(record.fields.size())
                          .arg(m_columns.size());
            return false;
        }
        row.where = QStringLiteral("line %1").arg(record.line);
        row.cells.clear();
        for (qsizetype i = 0; i < m_columns.size(); ++i)
            row.cells.append({m_columns.at(i), record.fields.at(i)});
        return true;
    }

    QString fault() const override { return m_fault; }

private:
    std::unique_ptr<QFile> m_file;
    CsvReader m_reader;
    QStringList m_columns;
    QString m_fault;
};

class JsonRows : public ImportRows
{
public:
    explicit JsonRows(std::unique_ptr<QFile> file)
        : m_file(std::move(file))
        , m_cutter(m_file.get())
    { }

    bool enter()
    {
        if (m_cutter.enterArray())
            return true;
        m_fault = QStringLiteral("the file is not a JSON array of notices");
        return false;
    }

    bool next(Row &row) override
    {
        if (!m_fault.isEmpty())
            return false;
        QByteArray text;
        const JsonValueCutter::Result result = m_cutter.nextElement(text);
        if (result == JsonValueCutter::Result::End) {
            m_cutter.skipWhitespace();
            if (!m_cutter.atEnd())
                m_fault = QStringLiteral("text after the array");
            return false;
        }
        row.where = QStringLiteral("notice %1").arg(++m_number);
        const QJsonDocument document = QJsonDocument::fromJson(text);
        if (result == JsonValueCutter::Result::Malformed || !document.isObject())
            return failAt(QStringLiteral("not a JSON object"));
        const QJsonObject object = document.object();
        row.cells.clear();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!it.value().isString())
                return failAt(
                    QStringLiteral("the value of \"%1\" is not a text").arg(platform::inputExcerpt(it.key())));
            if (!NoticeColumns::rankOf(it.key()))
                return failAt(
                    QStringLiteral("\"%1\" is no key of the notice file").arg(platform::inputExcerpt(it.key())));
            row.cells.append({it.key(), it.value().toString()});
        }
        return true;
    }

    QString fault() const override { return m_fault; }

private:
    bool failAt(const QString &what)
    {
        m_fault = QStringLiteral("notice %1: %2").arg(m_number).arg(what);
        return false;
    }

    std::unique_ptr<QFile> m_file;
    JsonValueCutter m_cutter;
    int m_number = 0;
    QString m_fault;
};

} // namespace

std::unique_ptr<ImportRows> ImportRows::open(const QString &path, QString *fault)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly)) {
        *fault = QStringLiteral("cannot be read: %1").arg(file->errorString());
        return nullptr;
    }
    // JSON when the first character after a byte-order mark and blanks is a
    // bracket; CSV otherwise.
    QByteArray start = file->peek(4096);
    if (start.startsWith(ByteOrderMark)) {
        file->read(ByteOrderMark.size());
        start.remove(0, ByteOrderMark.size());
    }
    if (start.trimmed().startsWith('[')) {
        auto rows = std::make_unique<JsonRows>(std::move(file));
        if (!rows->enter()) {
            *fault = rows->fault();
            return nullptr;
        }
        return rows;
    }
    // The CSV reader takes the byte-order mark itself.
    file->seek(0);
    auto rows = std::make_unique<CsvRows>(std::move(file));
    if (!rows->readHeader()) {
        *fault = rows->fault();
        return nullptr;
    }
    return rows;
}
