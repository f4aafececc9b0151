// The rows of the first table of an .ods spreadsheet (OpenDocument), read
// as a stream from its content.xml, one row at a time.

#include "sheet/OdsNames.h"
#include "sheet/SheetFaults.h"
#include "sheet/SheetPackage.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>

namespace {

using namespace OdsNames;

bool isElement(const QXmlStreamReader &xml, const QString &ns, const char *localName)
{
    return xml.name() == QLatin1String(localName) && xml.namespaceUri() == ns;
}

// How many times a row or cell stands for itself (at least once).
int repeatCount(const QXmlStreamAttributes &attributes, const char *name)
{
    return std::max(1, attributes.value(TableNs, QLatin1String(name)).toInt());
}

// "PT00H30M00S", "P1DT2H", "PT12H00M00.5S": the seconds of the duration.
std::optional<qint64> durationSeconds(QStringView value)
{
    static const QRegularExpression duration(
        QStringLiteral("^-?P(?:(\\d+)D)?(?:T(?:(\\d+)H)?(?:(\\d+)M)?(?:(\\d+(?:\\.\\d*)?)S)?)?$"));
    const QRegularExpressionMatch match = duration.match(value.toString());
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toLongLong() * 86400 + match.captured(2).toLongLong() * 3600
        + match.captured(3).toLongLong() * 60 + std::llround(match.captured(4).toDouble());
}

class OdsRowReader : public PackageRowReader
{
public:
    explicit OdsRowReader(QIODevice &device)
        : PackageRowReader(device)
    {
        if (!failed() && openSheet(QStringLiteral("content.xml")))
            findFirstTable();
    }

    bool next(SheetRow &row) override
    {
        if (m_repeatsLeft > 0) {
            --m_repeatsLeft;
            row = m_repeated;
            row.number = ++m_lastRow;
            return true;
        }
        while (m_inTable && !failed() && hasMoreTokens(m_xml)) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            if (token == QXmlStreamReader::EndElement && isElement(m_xml, TableNs, "table")) {
                m_inTable = false;
                break;
            }
            if (token != QXmlStreamReader::StartElement)
                continue;
            if (isElement(m_xml, TableNs, "table-row")) {
                const int repeats = repeatCount(m_xml.attributes(), "number-rows-repeated");
                QList<SheetCell> cells;
                if (!readRowCells(cells))
                    break;
                const int number = m_lastRow + 1;
                if (cells.isEmpty()) {
                    m_lastRow = int(std::min<qint64>(qint64(m_lastRow) + repeats, SheetCells::kMaxRows));
                    continue;
                }
                if (qint64(m_lastRow) + repeats > SheetCells::kMaxRows) {
                    failAtRow(number, SheetFaults::tooManyRows(SheetCells::kMaxRows));
                    break;
                }
                // A row repeated with cells in it is handed out once for each
                // of its numbers; Calc repeats only empty rows by the million.
                m_repeated = {number, cells};
                m_repeatsLeft = repeats - 1;
                m_lastRow = number;
                row = m_repeated;
                return true;
            }
            if (!isElement(m_xml, TableNs, "table-header-rows") && !isElement(m_xml, TableNs, "table-rows")
                && !isElement(m_xml, TableNs, "table-row-group"))
                m_xml.skipCurrentElement(); // columns, shapes, forms
        }
        failOnXmlError();
        return false;
    }

private:
    void findFirstTable()
    {
        while (hasMoreTokens(m_xml)) {
            if (m_xml.readNext() == QXmlStreamReader::StartElement && isElement(m_xml, TableNs, "table")) {
                m_inTable = true;
                return;
            }
        }
        if (failOnXmlError())
            failUnreadable(QCoreApplication::translate("SheetFiles", "the spreadsheet has no table"));
    }

    // The cells of the row that m_xml has just opened, up to its end. Empty
    // cells, however often repeated, only move the column on.
    bool readRowCells(QList<SheetCell> &cells)
    {
        int column = 0;
        while (hasMoreTokens(m_xml)) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            if (token == QXmlStreamReader::EndElement)
                return true; // the row's end: a cell is read up to its own end
            if (token != QXmlStreamReader::StartElement)
                continue;
            if (!isElement(m_xml, TableNs, "table-cell") && !isElement(m_xml, TableNs, "covered-table-cell")) {
                m_xml.skipCurrentElement();
                continue;
            }
            const int repeats = repeatCount(m_xml.attributes(), "number-columns-repeated");
            const SheetCell cell = readCell();
            if (!cell.isEmpty() && column + repeats > SheetCells::kMaxColumns)
                return failAtRow(m_lastRow + 1,
                                 QCoreApplication::translate("SheetFiles", "the row has more than %L1 columns")
                                     .arg(SheetCells::kMaxColumns));
            for (int i = 0; i < repeats && !cell.isEmpty(); ++i)
                SheetCells::place(cells, column + i, cell);
            column = int(std::min<qint64>(qint64(column) + repeats, SheetCells::kMaxColumns));
        }
        return false;
    }

    // The cell that m_xml has just opened, up to its end: its value as its
    // type says, its text from its paragraphs.
    SheetCell readCell()
    {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        const QString text = readParagraphs();
        const QStringView type = attributes.value(OfficeNs, QLatin1String("value-type"));
        const auto value = [&](const char *name) { return attributes.value(OfficeNs, QLatin1String(name)); };
        if (attributes.value(CalcExtNs, QLatin1String("value-type")) == QLatin1String("error"))
            return {SheetCell::Kind::Error, text};
        if (type == QLatin1String("float") || type == QLatin1String("percentage") || type == QLatin1String("currency"))
            return SheetCells::numberOrText(value("value"));
        if (type == QLatin1String("date"))
            return SheetCells::isoDateTime(value("date-value"));
        if (type == QLatin1String("time")) {
            const std::optional<qint64> seconds = durationSeconds(value("time-value"));
            return seconds ? SheetCells::timeOfDay(*seconds) : SheetCells::text(text);
        }
        if (type == QLatin1String("boolean"))
            return SheetCells::boolean(value("boolean-value") == QLatin1String("true"));
        // A text cell: office:string-value, when given, is the exact text
        // (it holds what paragraphs cannot, a carriage return).
        if (attributes.hasAttribute(OfficeNs, QLatin1String("string-value")))
            return SheetCells::text(value("string-value").toString());
        return SheetCells::text(text);
    }

    // The text of the cell's paragraphs, joined by line feeds; notes and
    // drawings in the cell are not its text.
    QString readParagraphs()
    {
        QStringList paragraphs;
        while (hasMoreTokens(m_xml)) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            if (token == QXmlStreamReader::EndElement)
                break;
            if (token != QXmlStreamReader::StartElement)
                continue;
            if (isElement(m_xml, TextNs, "p") || isElement(m_xml, TextNs, "h")) {
                QString paragraph;
                bool afterBlank = true;
                readInlineText(paragraph, afterBlank);
                paragraphs.append(paragraph);
            } else {
                m_xml.skipCurrentElement();
            }
        }
        return paragraphs.join(u'\n');
    }

    // The text inside a paragraph or a span up to its end. Blanks, tabs and
    // line ends in the XML itself collapse into one blank, and are dropped at
    // the start of a paragraph, as OpenDocument says: the blanks that count
    // are written as <text:s text:c="N"/>, tabs as <text:tab/>, line breaks
    // as <text:line-break/>.
    void readInlineText(QString &text, bool &afterBlank)
    {
        while (hasMoreTokens(m_xml)) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            if (token == QXmlStreamReader::EndElement)
                return;
            if (token == QXmlStreamReader::Characters) {
                for (const QChar c : m_xml.text()) {
                    const bool blank = c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
                    if (!blank)
                        text += c;
                    else if (!afterBlank)
                        text += u' ';
                    afterBlank = blank;
                }
            } else if (token == QXmlStreamReader::StartElement) {
                if (m_xml.namespaceUri() != TextNs || isElement(m_xml, TextNs, "note")) {
                    m_xml.skipCurrentElement(); // notes, annotations, frames
                    continue;
                }
                if (isElement(m_xml, TextNs, "s")) {
                    const QXmlStreamAttributes attributes = m_xml.attributes();
                    text += QString(std::max(1, attributes.value(TextNs, QLatin1String("c")).toInt()), u' ');
                } else if (isElement(m_xml, TextNs, "tab")) {
                    text += u'\t';
                } else if (isElement(m_xml, TextNs, "line-break")) {
                    text += u'\n';
                } else {
                    readInlineText(text, afterBlank); // span, a, and the like
                    continue;
                }
                afterBlank = false;
                m_xml.skipCurrentElement();
            }
        }
    }

    bool m_inTable = false;
    int m_lastRow = 0;
    SheetRow m_repeated;
    int m_repeatsLeft = 0;
};

} // namespace

std::unique_ptr<SheetRowReader> readOdsRows(QIODevice &device)
{
    return std::make_unique<OdsRowReader>(device);
}
