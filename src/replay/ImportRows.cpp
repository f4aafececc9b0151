#include "replay/ImportRows.h"

#include "platform/InputLimits.h"
#include "replay/JsonValueCutter.h"
#include "sheet/CellReadings.h"
#include "sheet/NoticeColumns.h"
#include "sheet/SheetFormat.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace {

// The texts of the rows of a file to import, translated under one context wherever they are used.
class RowsText
{
    Q_DECLARE_TR_FUNCTIONS(ImportRows)
};

bool isColumnName(const QString &text)
{
    return NoticeColumns::rankOf(text).has_value();
}

// The rows of a CSV file or of a workbook's first sheet under its header row.
class SheetRows : public ImportRows
{
public:
    SheetRows(std::unique_ptr<QFile> file, SheetFormat format)
        : m_file(std::move(file))
        , m_format(format)
    {
        switch (format) {
        case SheetFormat::Xlsx: m_reader = readXlsxRows(*m_file); break;
        case SheetFormat::Ods: m_reader = readOdsRows(*m_file); break;
        case SheetFormat::Csv:
        case SheetFormat::Json: m_reader = readCsvRows(*m_file, isColumnName); break;
        }
    }

    // The header: a column name in each cell up to the last that is not
    // empty, each name once. Every fault of it is listed.
    bool readHeader(QStringList *faults)
    {
        SheetRow header;
        if (!m_reader->next(header)) {
            faults->append(m_reader->fault().isEmpty() ? RowsText::tr("the file has no header row")
                                                       : m_reader->fault());
            return false;
        }
        const QString where = rowName(header.number);
        qsizetype count = header.cells.size();
        while (count > 0 && header.cells.at(count - 1).isEmpty())
            --count;
        QSet<QString> seen;
        for (qsizetype i = 0; i < count; ++i) {
            const QString name = header.cells.at(i).text;
            const QString position = columnPosition(int(i));
            if (name.isEmpty())
                faults->append(cellFaultLine(where, position, RowsText::tr("no column name")));
            else if (!isColumnName(name))
                faults->append(cellFaultLine(
                    where, position, RowsText::tr("%1 is no key of the notice file").arg(CellReadings::quoted(name))));
            else if (seen.contains(name))
                faults->append(
                    cellFaultLine(where, position, RowsText::tr("%1 is named twice").arg(CellReadings::quoted(name))));
            seen.insert(name);
            m_columns.append(name);
        }
        if (count == 0)
            faults->append(rowFaultLine(where, RowsText::tr("the header row names no column")));
        return faults->isEmpty();
    }

    bool next(Row &row) override
    {
        SheetRow read;
        if (!m_reader->next(read))
            return false;
        row.where = rowName(read.number);
        row.cells.clear();
        row.faults.clear();
        for (qsizetype i = 0; i < read.cells.size(); ++i) {
            const SheetCell &cell = read.cells.at(i);
            if (cell.isEmpty())
                continue;
            if (i < m_columns.size())
                row.cells.append({m_columns.at(i), cell});
            else
                row.faults.append(cellFaultLine(
                    row.where, columnPosition(int(i)),
                    RowsText::tr("%1 stands in a column with no name").arg(CellReadings::quoted(cell.text))));
        }
        return true;
    }

    QString fault() const override { return m_reader->fault(); }
    double fractionRead() const override { return m_reader->fractionRead(); }

private:
    QString rowName(int number) const
    {
        return m_format == SheetFormat::Csv ? RowsText::tr("line %1").arg(number) : RowsText::tr("row %1").arg(number);
    }

    // A column as the user finds it: its number in a CSV file, its letters
    // ("AB") in a workbook.
    QString columnPosition(int index) const
    {
        if (m_format == SheetFormat::Csv)
            return QString::number(index + 1);
        QString letters;
        for (int n = index + 1; n > 0; n = (n - 1) / 26)
            letters.prepend(QChar(u'A' + (n - 1) % 26));
        return letters;
    }

    std::unique_ptr<QFile> m_file;
    SheetFormat m_format;
    std::unique_ptr<SheetRowReader> m_reader;
    QStringList m_columns;
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
        m_fault = RowsText::tr("the file is not a JSON array of notices");
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
                m_fault = RowsText::tr("text after the array");
            return false;
        }
        row.where = RowsText::tr("notice %1").arg(++m_number);
        row.cells.clear();
        row.faults.clear();
        const QJsonDocument document = QJsonDocument::fromJson(text);
        if (result == JsonValueCutter::Result::Malformed || !document.isObject())
            return failAt(row.where, RowsText::tr("not a JSON object"));
        const QJsonObject object = document.object();
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString key = platform::inputExcerpt(it.key());
            if (!isColumnName(it.key()))
                return failAt(row.where,
                              RowsText::tr("%1 is no key of the notice file").arg(CellReadings::quoted(key)));
            if (!it.value().isString())
                return failAt(row.where, RowsText::tr("the value of %1 is not a text").arg(CellReadings::quoted(key)));
            if (const QString value = it.value().toString(); !value.isEmpty())
                row.cells.append({it.key(), SheetCell{SheetCell::Kind::Text, value}});
        }
        return true;
    }

    QString fault() const override { return m_fault; }
    double fractionRead() const override
    {
        return m_file->size() > 0 ? double(m_file->pos()) / double(m_file->size()) : 1.0;
    }

private:
    bool failAt(const QString &where, const QString &what)
    {
        m_fault = rowFaultLine(where, what);
        return false;
    }

    std::unique_ptr<QFile> m_file;
    JsonValueCutter m_cutter;
    int m_number = 0;
    QString m_fault;
};

} // namespace

QString cellFaultLine(const QString &where, const QString &column, const QString &what)
{
    return QCoreApplication::translate("ImportRows", "%1, column %2: %3").arg(where, column, what);
}

QString rowFaultLine(const QString &where, const QString &what)
{
    return QCoreApplication::translate("ImportRows", "%1: %2").arg(where, what);
}

std::unique_ptr<ImportRows> ImportRows::open(const QString &path, QStringList *faults)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly)) {
        faults->append(RowsText::tr("the file cannot be read: %1").arg(file->errorString()));
        return nullptr;
    }
    const SheetFormat format = sheetFormatOf(*file);
    if (format == SheetFormat::Json) {
        // The cutter takes the text after a byte-order mark.
        if (file->peek(3) == QByteArray("\xEF\xBB\xBF"))
            file->read(3);
        auto rows = std::make_unique<JsonRows>(std::move(file));
        if (!rows->enter()) {
            faults->append(rows->fault());
            return nullptr;
        }
        return rows;
    }
    auto rows = std::make_unique<SheetRows>(std::move(file), format);
    if (!rows->readHeader(faults))
        return nullptr;
    return rows;
}
