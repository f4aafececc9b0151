// The rows of the first worksheet of an .xlsx workbook (Office Open XML).
// The workbook, its relationships, its styles and its shared strings are
// read first; the worksheet is then read as a stream, one row at a time.

#include "sheet/SheetFaults.h"
#include "sheet/SheetPackage.h"
#include "sheet/XlsxEscapes.h"

#include <quazip/quazipfile.h>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>

namespace {

bool isElement(const QXmlStreamReader &xml, const char *localName)
{
    return xml.name() == QLatin1String(localName);
}

// The text of a string item (<si> or <is>): its <t>, or the <t> of each of
// its rich-text runs joined; the phonetic guides (<rPh>) are not its text.
QString readStringItem(QXmlStreamReader &xml)
{
    QString text;
    int depth = 1;
    while (depth > 0 && hasMoreTokens(xml)) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (isElement(xml, "t"))
                text += xml.readElementText();
            else if (isElement(xml, "rPh"))
                xml.skipCurrentElement();
            else
                ++depth;
            break;
        case QXmlStreamReader::EndElement: --depth; break;
        default: break;
        }
    }
    return XlsxEscapes::decode(text);
}

// What a number format shows: a date, a time, both, or a plain number.
enum class NumberShown { Number, Date, Time, DateTime };

NumberShown shownAs(bool date, bool time)
{
    if (date && time)
        return NumberShown::DateTime;
    if (date)
        return NumberShown::Date;
    return time ? NumberShown::Time : NumberShown::Number;
}

// The built-in formats: 14-17 dates, 18-21 and 45-47 times, 22 both.
NumberShown builtInFormatShown(int id)
{
    if (id >= 14 && id <= 17)
        return NumberShown::Date;
    if ((id >= 18 && id <= 21) || (id >= 45 && id <= 47))
        return NumberShown::Time;
    return id == 22 ? NumberShown::DateTime : NumberShown::Number;
}

// A format code shows a date when it has a day, month or year, a time when
// it has hours or seconds ("m" is minutes beside them), counting only what is
// shown as a date part: not quoted text, escaped characters, fills, colours
// and locales in brackets, nor the "m" of "AM/PM". An elapsed time in
// brackets ("[h]:mm") is a time.
NumberShown customFormatShown(const QString &code)
{
    static const QRegularExpression elapsed(QStringLiteral("\\[[hms]+\\]"), QRegularExpression::CaseInsensitiveOption);
    bool date = false, time = false, month = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code.at(i).toLower();
        if (c == u'"') {
            i = code.indexOf(u'"', i + 1);
        } else if (c == u'[') {
            time = time
                || elapsed
                       .match(code, i, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption)
                       .hasMatch();
            i = code.indexOf(u']', i + 1);
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (QStringView(code).mid(i).startsWith(QLatin1String("am/pm"), Qt::CaseInsensitive)) {
            i += 4;
        } else if (QStringView(code).mid(i).startsWith(QLatin1String("a/p"), Qt::CaseInsensitive)) {
            i += 2;
        } else if (c == u'd' || c == u'y') {
            date = true;
        } else if (c == u'h' || c == u's') {
            time = true;
        } else if (c == u'm') {
            month = true;
        }
        if (i < 0)
            break;
    }
    return shownAs(date || (month && !time), time);
}

// A worksheet's serial number (days since the workbook's epoch, the time of
// day as the fraction) as the date or time its format shows. The 1900 system
// counts the 29 February 1900 that never was, as Lotus 1-2-3 did: serial 60
// is that day, the serials before it count from 31 December 1899, and day 0
// is no date at all.
SheetCell serialCell(double serial, NumberShown shown, bool date1904)
{
    constexpr double kLastSerial = 2958466; // 31 December 9999
    if (shown == NumberShown::Number || serial < 0 || serial >= kLastSerial)
        return SheetCells::number(serial);
    qint64 days = qint64(std::floor(serial));
    qint64 seconds = std::llround((serial - double(days)) * 86400.0);
    if (seconds == 86400) {
        ++days;
        seconds = 0;
    }
    if (shown == NumberShown::Time)
        return SheetCells::timeOfDay(seconds);
    if (!date1904 && days == 0)
        return shown == NumberShown::DateTime ? SheetCells::timeOfDay(seconds) : SheetCells::number(serial);
    QString day;
    if (date1904)
        day = QDate(1904, 1, 1).addDays(days).toString(Qt::ISODate);
    else if (days == 60)
        day = QStringLiteral("1900-02-29");
    else
        day = QDate(1899, 12, days < 60 ? 31 : 30).addDays(days).toString(Qt::ISODate);
    return shown == NumberShown::Date ? SheetCells::date(day) : SheetCells::dateTime(day, seconds);
}

// "C7" -> column 2 (from 0); -1 when it names no column.
int columnOfReference(QStringView reference)
{
    int column = 0;
    qsizetype i = 0;
    for (; i < reference.size() && reference.at(i).isLetter(); ++i) {
        const char16_t letter = reference.at(i).toUpper().unicode();
        if (letter < u'A' || letter > u'Z' || column > SheetCells::kMaxColumns)
            return -1;
        column = column * 26 + (letter - u'A' + 1);
    }
    return i == 0 ? -1 : column - 1;
}

class XlsxRowReader : public PackageRowReader
{
public:
    explicit XlsxRowReader(QIODevice &device)
        : PackageRowReader(device)
    {
        if (!failed())
            start();
    }

    bool next(SheetRow &row) override
    {
        while (!failed() && hasMoreTokens(m_xml)) {
            if (m_xml.readNext() != QXmlStreamReader::StartElement || !isElement(m_xml, "row"))
                continue;
            bool numbered = false;
            const int number = m_xml.attributes().value(QLatin1String("r")).toInt(&numbered);
            m_lastRow = numbered && number > 0 ? number : m_lastRow + 1;
            if (m_lastRow > SheetCells::kMaxRows) {
                failAtRow(m_lastRow, SheetFaults::tooManyRows(SheetCells::kMaxRows));
                break;
            }
            QList<SheetCell> cells;
            if (readRowCells(cells) && !cells.isEmpty()) {
                row = {m_lastRow, cells};
                return true;
            }
        }
        failOnXmlError();
        return false;
    }

private:
    // The workbook's first sheet, the 1904 date system, the styles and the
    // shared strings, then the sheet opened for its rows.
    void start()
    {
        const QString workbook = QStringLiteral("xl/workbook.xml");
        QString sheetId;
        if (!readEntry(workbook, [&](QXmlStreamReader &xml, int) {
                if (isElement(xml, "workbookPr")) {
                    const QXmlStreamAttributes attributes = xml.attributes();
                    const QStringView date1904 = attributes.value(QLatin1String("date1904"));
                    m_date1904 = date1904 == QLatin1String("1") || date1904 == QLatin1String("true");
                } else if (isElement(xml, "sheet") && sheetId.isEmpty()) {
                    sheetId = relationshipIdOf(xml.attributes());
                }
            }))
            return;
        if (sheetId.isEmpty()) {
            failUnreadable(QCoreApplication::translate("SheetFiles", "the workbook has no sheet"));
            return;
        }
        QString sheet, styles, sharedStrings;
        if (!readEntry(QStringLiteral("xl/_rels/workbook.xml.rels"), [&](QXmlStreamReader &xml, int) {
                if (!isElement(xml, "Relationship"))
                    return;
                const QXmlStreamAttributes attributes = xml.attributes();
                const QString target = entryOfTarget(attributes.value(QLatin1String("Target")).toString());
                const QStringView type = attributes.value(QLatin1String("Type"));
                if (attributes.value(QLatin1String("Id")) == sheetId)
                    sheet = target;
                else if (type.endsWith(QLatin1String("/styles")))
                    styles = target;
                else if (type.endsWith(QLatin1String("/sharedStrings")))
                    sharedStrings = target;
            }))
            return;
        if (!styles.isEmpty() && !readStyles(styles))
            return;
        if (!sharedStrings.isEmpty() && !readSharedStrings(sharedStrings))
            return;
        if (sheet.isEmpty()) {
            failUnreadable(
                QCoreApplication::translate("SheetFiles", "the workbook does not say where its first sheet is"));
            return;
        }
        openSheet(sheet);
    }

    // Reads a whole entry, handing each start element and its depth (1 for
    // the root) to the visitor.
    template <typename Visitor> bool readEntry(const QString &entry, Visitor visit)
    {
        QuaZipFile *file = m_package.open(entry);
        if (!file)
            return failUnreadable(
                QCoreApplication::translate("SheetFiles", "its part %1 is missing or damaged").arg(entry));
        QXmlStreamReader xml(file);
        int depth = 0;
        while (hasMoreTokens(xml)) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            if (token == QXmlStreamReader::StartElement)
                visit(xml, ++depth);
            if (token == QXmlStreamReader::EndElement || xml.isEndElement())
                --depth;
        }
        if (xml.hasError())
            return failUnreadable(QStringLiteral("%1: %2").arg(entry, xml.errorString()));
        return true;
    }

    static QString relationshipIdOf(const QXmlStreamAttributes &attributes)
    {
        for (const QXmlStreamAttribute &attribute : attributes) {
            if (attribute.name() == QLatin1String("id") && !attribute.namespaceUri().isEmpty())
                return attribute.value().toString();
        }
        return {};
    }

    // A relationship's target is relative to the workbook's folder, or
    // absolute from the package's root.
    static QString entryOfTarget(const QString &target)
    {
        if (target.startsWith(u'/'))
            return target.mid(1);
        return QDir::cleanPath(QStringLiteral("xl/") + target);
    }

    // What each cell style (the <xf> of <cellXfs>, by index) shows its
    // numbers as, through its number format: a custom one of <numFmts> or a
    // built-in one.
    bool readStyles(const QString &entry)
    {
        QHash<int, NumberShown> customFormats;
        QString part; // the part of the style sheet being read: numFmts, cellXfs...
        return readEntry(entry, [&](QXmlStreamReader &xml, int depth) {
            if (depth == 2)
                part = xml.name().toString();
            if (depth != 3)
                return;
            const QXmlStreamAttributes attributes = xml.attributes();
            const int formatId = attributes.value(QLatin1String("numFmtId")).toInt();
            if (part == QLatin1String("numFmts") && isElement(xml, "numFmt"))
                customFormats.insert(formatId,
                                     customFormatShown(attributes.value(QLatin1String("formatCode")).toString()));
            else if (part == QLatin1String("cellXfs") && isElement(xml, "xf"))
                m_styleShown.append(customFormats.value(formatId, builtInFormatShown(formatId)));
        });
    }

    bool readSharedStrings(const QString &entry)
    {
        return readEntry(entry, [&](QXmlStreamReader &xml, int) {
            if (isElement(xml, "si"))
                m_sharedStrings.append(readStringItem(xml));
        });
    }

    // The cells of the row that m_xml has just opened, up to its end.
    bool readRowCells(QList<SheetCell> &cells)
    {
        int column = -1;
        while (hasMoreTokens(m_xml)) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            if (token == QXmlStreamReader::EndElement && isElement(m_xml, "row"))
                return true;
            if (token != QXmlStreamReader::StartElement || !isElement(m_xml, "c"))
                continue;
            const QXmlStreamAttributes attributes = m_xml.attributes();
            const QStringView reference = attributes.value(QLatin1String("r"));
            column = reference.isEmpty() ? column + 1 : columnOfReference(reference);
            if (column < 0 || column >= SheetCells::kMaxColumns)
                return failAtRow(m_lastRow,
                                 QCoreApplication::translate("SheetFiles", "the cell reference \"%1\" names no column")
                                     .arg(reference.toString()));
            SheetCell cell;
            if (!readCell(cell))
                return false;
            SheetCells::place(cells, column, cell);
        }
        return false;
    }

    // The cell that m_xml has just opened (<c t="..." s="...">), up to its end.
    bool readCell(SheetCell &cell)
    {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        const QString type = attributes.value(QLatin1String("t")).toString();
        const int style = attributes.value(QLatin1String("s")).toInt();
        QString value;
        bool hasValue = false;
        while (hasMoreTokens(m_xml)) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            if (token == QXmlStreamReader::EndElement && isElement(m_xml, "c"))
                break;
            if (token != QXmlStreamReader::StartElement)
                continue;
            if (isElement(m_xml, "v")) {
                value = m_xml.readElementText();
                hasValue = true;
            } else if (isElement(m_xml, "is")) {
                value = readStringItem(m_xml);
                hasValue = true;
            } else {
                m_xml.skipCurrentElement(); // the formula <f>, extensions
            }
        }
        if (!hasValue)
            return true;
        if (type == QLatin1String("s")) {
            bool ok = false;
            const int index = value.toInt(&ok);
            if (!ok || index < 0 || index >= m_sharedStrings.size())
                return failAtRow(m_lastRow,
                                 QCoreApplication::translate(
                                     "SheetFiles", "a cell names a shared text that the workbook does not hold"));
            cell = SheetCells::text(m_sharedStrings.at(index));
        } else if (type == QLatin1String("inlineStr")) {
            cell = SheetCells::text(value);
        } else if (type == QLatin1String("str")) {
            cell = SheetCells::text(XlsxEscapes::decode(value));
        } else if (type == QLatin1String("b")) {
            cell = SheetCells::boolean(value.trimmed() == QLatin1String("1"));
        } else if (type == QLatin1String("e")) {
            cell = {SheetCell::Kind::Error, value};
        } else if (type == QLatin1String("d")) {
            cell = SheetCells::isoDateTime(value.trimmed()); // type "d": ISO 8601
        } else {
            bool ok = false;
            const double serial = value.toDouble(&ok);
            cell = ok ? serialCell(serial, m_styleShown.value(style, NumberShown::Number), m_date1904)
                      : SheetCells::numberOrText(value);
        }
        return true;
    }

    QStringList m_sharedStrings;
    QList<NumberShown> m_styleShown;
    bool m_date1904 = false;
    int m_lastRow = 0;
};

} // namespace

std::unique_ptr<SheetRowReader> readXlsxRows(QIODevice &device)
{
    return std::make_unique<XlsxRowReader>(device);
}
