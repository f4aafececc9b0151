// readCsvRows: the rows of a CSV file of any dialect, its encoding and
// separator found from the file itself.

#include "sheet/CsvReader.h"
#include "sheet/SheetCell.h"

#include <QIODevice>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// The separators a spreadsheet writes, in the order preferred on a tie.
const char Separators[] = {',', ';', '\t'};

// The next record with a field that is not empty: empty lines and rows of
// separators alone (";;;") are no rows.
bool nextFilledRecord(CsvReader &reader, CsvReader::Record &record)
{
    while (reader.next(record)) {
        if (std::any_of(record.fields.cbegin(), record.fields.cend(), [](const QString &f) { return !f.isEmpty(); }))
            return true;
    }
    return false;
}

// The separator of Excel's first line "sep=X", which is no row; none when the
// first line is another. The line is read with commas, so that "sep=," comes
// back as two fields.
std::optional<char> separatorLine(QIODevice &device, CsvReader::Encoding encoding)
{
    CsvReader reader(device, encoding, ',');
    CsvReader::Record first;
    if (!reader.next(first) || first.line != 1)
        return std::nullopt;
    const QString line = first.fields.join(QLatin1Char(','));
    const QLatin1String prefix("sep=");
    if (line.size() != prefix.size() + 1 || !line.startsWith(prefix, Qt::CaseInsensitive))
        return std::nullopt;
    const QChar separator = line.back();
    if (separator.unicode() >= 0x80 || separator == QLatin1Char('"') || separator == QLatin1Char('\r')
        || separator == QLatin1Char('\n'))
        return std::nullopt;
    return char(separator.unicode());
}

// The separator that makes every cell of the header row a column name, the
// one giving the most cells first; else the one giving the most column names.
char headerSeparator(QIODevice &device, CsvReader::Encoding encoding,
                     const std::function<bool(const QString &)> &isColumnName)
{
    const qint64 start = device.pos();
    char best = Separators[0];
    std::pair<bool, qsizetype> bestScore{false, 0}; // every cell a name; cells when so, names when not
    for (const char separator : Separators) {
        device.seek(start);
        CsvReader reader(device, encoding, separator);
        CsvReader::Record header;
        if (!nextFilledRecord(reader, header))
            continue;
        // Empty cells after the last name (a spreadsheet's trailing
        // separators) name no column and count for nothing.
        qsizetype filled = header.fields.size();
        while (filled > 0 && header.fields.at(filled - 1).isEmpty())
            --filled;
        const auto names = std::count_if(header.fields.cbegin(), header.fields.cbegin() + filled, isColumnName);
        const bool allNames = filled > 0 && names == filled;
        const std::pair<bool, qsizetype> score{allNames, allNames ? filled : names};
        if (score > bestScore) {
            bestScore = score;
            best = separator;
        }
    }
    device.seek(start);
    return best;
}

class CsvRows : public SheetRowReader
{
public:
    CsvRows(QIODevice &device, CsvReader::Encoding encoding, char separator, bool skipFirstRecord)
        : m_device(device)
        , m_reader(device, encoding, separator)
    {
        CsvReader::Record separatorLine;
        if (skipFirstRecord)
            m_reader.next(separatorLine);
    }

    bool next(SheetRow &row) override
    {
        CsvReader::Record record;
        if (!nextFilledRecord(m_reader, record))
            return false;
        row.number = record.line;
        row.cells.clear();
        for (const QString &field : std::as_const(record.fields))
            row.cells.append({SheetCell::Kind::Text, field});
        return true;
    }

    QString fault() const override { return m_reader.fault(); }

    double fractionRead() const override
    {
        const qint64 size = m_device.size();
        return size > 0 ? double(m_device.pos()) / double(size) : 1.0;
    }

private:
    QIODevice &m_device;
    CsvReader m_reader;
};

} // namespace

std::unique_ptr<SheetRowReader> readCsvRows(QIODevice &device, const std::function<bool(const QString &)> &isColumnName)
{
    const qint64 start = device.pos();
    const CsvReader::Encoding encoding = CsvReader::encodingOf(device);
    const std::optional<char> named = separatorLine(device, encoding);
    device.seek(start);
    const char separator = named ? *named : headerSeparator(device, encoding, isColumnName);
    return std::make_unique<CsvRows>(device, encoding, separator, named.has_value());
}
