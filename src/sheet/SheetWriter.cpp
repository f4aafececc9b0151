#include "sheet/SheetWriter.h"

#include "platform/TextFile.h"
#include "sheet/SheetFaults.h"

#include <QCoreApplication>
#include <QFile>
#include <QIODevice>
#include <QSaveFile>

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

class CsvTableWriter : public SheetTableWriter
{
public:
    explicit CsvTableWriter(QIODevice &out)
        : m_out(out)
    { }

    void writeHeader(const QStringList &columns, const QList<int> &) override
    {
        put("\xEF\xBB\xBF");
        put(csvRecord(columns));
    }

    void writeRow(const QStringList &values) override { put(csvRecord(values)); }

    bool finish() override
    {
        if (m_error.isEmpty())
            m_error = SheetFaults::flushFault(m_out);
        return m_error.isEmpty();
    }

    QString error() const override { return m_error; }

private:
    void put(const QByteArray &bytes)
    {
        if (m_error.isEmpty() && m_out.write(bytes) != bytes.size())
            m_error = SheetFaults::cannotWrite(m_out);
    }

    QIODevice &m_out;
    QString m_error;
};

} // namespace

std::unique_ptr<SheetTableWriter> writeCsvTable(QIODevice &out)
{
    return std::make_unique<CsvTableWriter>(out);
}

std::unique_ptr<SheetTableWriter> writeSheetTable(SheetFormat format, QIODevice &out)
{
    switch (format) {
    case SheetFormat::Xlsx: return writeXlsxTable(out);
    case SheetFormat::Ods: return writeOdsTable(out);
    case SheetFormat::Csv:
    case SheetFormat::Json: break;
    }
    return writeCsvTable(out);
}

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

namespace SheetWriting {

int readableColumnWidth(int longestText)
{
    return std::clamp(longestText + 1, 6, 60);
}

std::unique_ptr<QFileDevice> openWholeFile(const QString &path, QString *fault)
{
    const std::optional<platform::FileIdentity> existing = platform::fileIdentity(path);
    std::unique_ptr<QFileDevice> file;
    if (existing && !existing->regular)
        file = std::make_unique<QFile>(path);
    else
        file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly)) {
        *fault = SheetFaults::cannotWrite(*file);
        return nullptr;
    }
    return file;
}

bool commitWholeFile(QFileDevice &file, QString *fault)
{
    auto *whole = qobject_cast<QSaveFile *>(&file);
    if (whole ? whole->commit() : file.flush())
        return true;
    *fault = SheetFaults::cannotWrite(file);
    return false;
}

} // namespace SheetWriting
