// A table written as the first sheet of an .xlsx workbook (Office Open XML):
// a zip package of which the sheet is written row by row straight into its
// compressed entry, so that any number of rows takes the same memory. Every
// value is an inline text in a cell formatted as text (the built-in format
// 49, "@"), as are the columns, so that what a user types in later stays
// text too.

#include "sheet/SheetWriter.h"

#include "sheet/PackageTableWriter.h"
#include "sheet/SheetFaults.h"
#include "sheet/XlsxEscapes.h"

#include <QCoreApplication>
#include <QXmlStreamWriter>

namespace {

const QString MainNs = QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main");

// The most characters a workbook cell holds, and the most rows of a sheet.
constexpr qsizetype kMaxCellText = 32767;
constexpr int kMaxRows = 1048576;

const char ContentTypes[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">
 <Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>
 <Default Extension="xml" ContentType="application/xml"/>
 <Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>
 <Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>
 <Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>
</Types>
)";

const char PackageRelationships[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
 <Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>
</Relationships>
)";

const char Workbook[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">
 <bookViews><workbookView/></bookViews>
 <sheets><sheet name="Sheet1" sheetId="1" r:id="rId1"/></sheets>
</workbook>
)";

const char WorkbookRelationships[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
 <Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>
 <Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>
</Relationships>
)";

// Cell style 0 the default, cell style 1 text ("@").
const char Styles[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">
 <fonts count="1"><font><sz val="11"/><name val="Calibri"/><family val="2"/></font></fonts>
 <fills count="2"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill></fills>
 <borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>
 <cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>
 <cellXfs count="2">
  <xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>
  <xf numFmtId="49" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/>
 </cellXfs>
 <cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>
</styleSheet>
)";
const QString TextStyle = QStringLiteral("1");

// "A", "B", ... "Z", "AA": the name of a column (0 for the first).
QString columnName(qsizetype column)
{
    QString name;
    for (qsizetype n = column + 1; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(u'A' + char16_t((n - 1) % 26)));
    return name;
}

class XlsxTableWriter : public PackageTableWriter
{
public:
    explicit XlsxTableWriter(QIODevice &out)
        : PackageTableWriter(out)
    {
        m_package.writeEntry("[Content_Types].xml", ContentTypes);
        m_package.writeEntry("_rels/.rels", PackageRelationships);
        m_package.writeEntry("xl/workbook.xml", Workbook);
        m_package.writeEntry("xl/_rels/workbook.xml.rels", WorkbookRelationships);
        m_package.writeEntry("xl/styles.xml", Styles);
    }

    void writeHeader(const QStringList &columns, const QList<int> &widths) override
    {
        QIODevice *sheet = m_package.openEntry("xl/worksheets/sheet1.xml");
        if (!sheet)
            return;
        m_columns = columns;
        m_xml.setDevice(sheet);
        m_xml.writeStartDocument();
        m_xml.writeDefaultNamespace(MainNs);
        m_xml.writeStartElement(MainNs, QStringLiteral("worksheet"));

        // The header row frozen.
        m_xml.writeStartElement(MainNs, QStringLiteral("sheetViews"));
        m_xml.writeStartElement(MainNs, QStringLiteral("sheetView"));
        m_xml.writeAttribute(QStringLiteral("tabSelected"), QStringLiteral("1"));
        m_xml.writeAttribute(QStringLiteral("workbookViewId"), QStringLiteral("0"));
        m_xml.writeEmptyElement(MainNs, QStringLiteral("pane"));
        m_xml.writeAttribute(QStringLiteral("ySplit"), QStringLiteral("1"));
        m_xml.writeAttribute(QStringLiteral("topLeftCell"), QStringLiteral("A2"));
        m_xml.writeAttribute(QStringLiteral("activePane"), QStringLiteral("bottomLeft"));
        m_xml.writeAttribute(QStringLiteral("state"), QStringLiteral("frozen"));
        m_xml.writeEmptyElement(MainNs, QStringLiteral("selection"));
        m_xml.writeAttribute(QStringLiteral("pane"), QStringLiteral("bottomLeft"));
        m_xml.writeEndElement();
        m_xml.writeEndElement();

        if (!columns.isEmpty()) {
            m_xml.writeStartElement(MainNs, QStringLiteral("cols"));
            for (qsizetype column = 0; column < columns.size(); ++column) {
                const QString number = QString::number(column + 1);
                m_xml.writeEmptyElement(MainNs, QStringLiteral("col"));
                m_xml.writeAttribute(QStringLiteral("min"), number);
                m_xml.writeAttribute(QStringLiteral("max"), number);
                m_xml.writeAttribute(QStringLiteral("width"),
                                     QString::number(SheetWriting::readableColumnWidth(widths.value(column))));
                m_xml.writeAttribute(QStringLiteral("style"), TextStyle);
                m_xml.writeAttribute(QStringLiteral("customWidth"), QStringLiteral("1"));
            }
            m_xml.writeEndElement();
        }
        m_xml.writeStartElement(MainNs, QStringLiteral("sheetData"));
        m_started = true;
        writeRow(columns);
    }

    void writeRow(const QStringList &values) override
    {
        if (!m_started || !m_error.isEmpty())
            return;
        const int row = ++m_rows;
        if (row > kMaxRows) {
            m_error = QCoreApplication::translate("SheetFiles", "more than the %L1 rows that a worksheet holds")
                          .arg(kMaxRows);
            return;
        }
        const QString rowNumber = QString::number(row);
        m_xml.writeStartElement(MainNs, QStringLiteral("row"));
        m_xml.writeAttribute(QStringLiteral("r"), rowNumber);
        for (qsizetype column = 0; column < values.size(); ++column) {
            const QString &value = values.at(column);
            if (value.isEmpty())
                continue;
            if (value.size() > kMaxCellText) {
                m_error = QCoreApplication::translate(
                              "SheetFiles",
                              "row %1, column \"%2\": a text of %L3 characters is longer than the %L4 "
                              "that a workbook cell holds")
                              .arg(row)
                              .arg(m_columns.value(column, columnName(column)))
                              .arg(value.size())
                              .arg(kMaxCellText);
                return;
            }
            m_xml.writeStartElement(MainNs, QStringLiteral("c"));
            m_xml.writeAttribute(QStringLiteral("r"), columnName(column) + rowNumber);
            m_xml.writeAttribute(QStringLiteral("s"), TextStyle);
            m_xml.writeAttribute(QStringLiteral("t"), QStringLiteral("inlineStr"));
            m_xml.writeStartElement(MainNs, QStringLiteral("is"));
            m_xml.writeStartElement(MainNs, QStringLiteral("t"));
            m_xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
            m_xml.writeCharacters(XlsxEscapes::encode(value));
            m_xml.writeEndElement();
            m_xml.writeEndElement();
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

private:
    QStringList m_columns;
    int m_rows = 0;
};

} // namespace

std::unique_ptr<SheetTableWriter> writeXlsxTable(QIODevice &out)
{
    return std::make_unique<XlsxTableWriter>(out);
}
