// A table written as the first table of an .ods spreadsheet (OpenDocument):
// a zip package of which content.xml is written row by row straight into
// its compressed entry, so that any number of rows takes the same memory.

#include "sheet/SheetWriter.h"

#include "sheet/OdsNames.h"
#include "sheet/PackageTableWriter.h"
#include "sheet/SheetFaults.h"

#include <QRegularExpression>
#include <QXmlStreamWriter>

#include <map>

namespace {

using namespace OdsNames;

const char SheetName[] = "Sheet1";

const char Manifest[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2">
 <manifest:file-entry manifest:full-path="/" manifest:version="1.2" manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>
 <manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>
 <manifest:file-entry manifest:full-path="styles.xml" manifest:media-type="text/xml"/>
 <manifest:file-entry manifest:full-path="settings.xml" manifest:media-type="text/xml"/>
</manifest:manifest>
)";

const char Styles[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document-styles xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" office:version="1.2">
 <office:styles>
  <style:default-style style:family="table-cell"/>
  <style:style style:name="Default" style:family="table-cell"/>
 </office:styles>
</office:document-styles>
)";

// The first row of the table (named SheetName) frozen: VerticalSplitMode 2
// at row 1, as Calc's "Freeze First Row" keeps it.
const char Settings[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document-settings xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:config="urn:oasis:names:tc:opendocument:xmlns:config:1.0" office:version="1.2">
 <office:settings>
  <config:config-item-set config:name="ooo:view-settings">
   <config:config-item-map-indexed config:name="Views">
    <config:config-item-map-entry>
     <config:config-item config:name="ViewId" config:type="string">view1</config:config-item>
     <config:config-item-map-named config:name="Tables">
      <config:config-item-map-entry config:name="Sheet1">
       <config:config-item config:name="HorizontalSplitMode" config:type="short">0</config:config-item>
       <config:config-item config:name="VerticalSplitMode" config:type="short">2</config:config-item>
       <config:config-item config:name="HorizontalSplitPosition" config:type="int">0</config:config-item>
       <config:config-item config:name="VerticalSplitPosition" config:type="int">1</config:config-item>
       <config:config-item config:name="ActiveSplitRange" config:type="short">2</config:config-item>
       <config:config-item config:name="PositionLeft" config:type="int">0</config:config-item>
       <config:config-item config:name="PositionRight" config:type="int">0</config:config-item>
       <config:config-item config:name="PositionTop" config:type="int">0</config:config-item>
       <config:config-item config:name="PositionBottom" config:type="int">1</config:config-item>
      </config:config-item-map-entry>
     </config:config-item-map-named>
     <config:config-item config:name="ActiveTable" config:type="string">Sheet1</config:config-item>
    </config:config-item-map-entry>
   </config:config-item-map-indexed>
  </config:config-item-set>
 </office:settings>
</office:document-settings>
)";

// A column width in characters as a length: some 7 pixels a character at
// 96 pixels an inch, with a margin.
QString columnWidthLength(int characters)
{
    return QString::number((characters * 7 + 5) / 96.0 * 2.54, 'f', 3) + QStringLiteral("cm");
}

// Whether XML can hold the character within a line.
bool isXmlCharacter(QChar c)
{
    return c >= u' ' ? c != QChar(0xFFFE) && c != QChar(0xFFFF) : c == u'\t';
}

// A text as the paragraphs of a cell, one per line, as Calc writes them
// (Calc keeps no line break inside a paragraph when it saves a workbook):
// a blank that XML would collapse (at the start, after a tab or after
// another blank) as <text:s text:c="N"/>, a tab as <text:tab/>.
void writeParagraphs(QXmlStreamWriter &xml, const QString &text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    for (const QString &line : text.split(lineEnd)) {
        xml.writeStartElement(TextNs, QStringLiteral("p"));
        QString run;
        bool blankWouldCollapse = true;
        const auto flushRun = [&] {
            xml.writeCharacters(run);
            run.clear();
        };
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line.at(i);
            if (c == u' ' && blankWouldCollapse) {
                qsizetype blanks = 1;
                for (; i + 1 < line.size() && line.at(i + 1) == u' '; ++i)
                    ++blanks;
                flushRun();
                xml.writeEmptyElement(TextNs, QStringLiteral("s"));
                if (blanks > 1)
                    xml.writeAttribute(TextNs, QStringLiteral("c"), QString::number(blanks));
                blankWouldCollapse = false;
            } else if (c == u'\t') {
                flushRun();
                xml.writeEmptyElement(TextNs, QStringLiteral("tab"));
                blankWouldCollapse = true;
            } else if (isXmlCharacter(c)) {
                run += c;
                blankWouldCollapse = c == u' ';
            }
        }
        flushRun();
        xml.writeEndElement();
    }
}

class OdsTableWriter : public PackageTableWriter
{
public:
    explicit OdsTableWriter(QIODevice &out)
        : PackageTableWriter(out)
    {
        // The mimetype first and stored, so that the kind of file shows at a
        // fixed place; then the parts that do not depend on the rows.
        m_package.writeEntry("mimetype", MimeType.toLatin1(), SheetPackageWriter::Storage::Stored);
        m_package.writeEntry("META-INF/manifest.xml", Manifest);
        m_package.writeEntry("styles.xml", Styles);
        m_package.writeEntry("settings.xml", Settings);
    }

    void writeHeader(const QStringList &columns, const QList<int> &widths) override
    {
        QIODevice *content = m_package.openEntry("content.xml");
        if (!content)
            return;
        m_xml.setDevice(content);
        m_xml.writeStartDocument();
        const std::pair<const QString &, const char *> namespaces[] = {
            {OfficeNs, "office"}, {StyleNs, "style"},   {TextNs, "text"},
            {TableNs, "table"},   {NumberNs, "number"}, {FoNs, "fo"},
        };
        for (const auto &[ns, prefix] : namespaces)
            m_xml.writeNamespace(ns, QLatin1String(prefix));
        m_xml.writeStartElement(OfficeNs, QStringLiteral("document-content"));
        m_xml.writeAttribute(OfficeNs, QStringLiteral("version"), QStringLiteral("1.2"));

        // Each column's cells are text by default (number:text-style), so that
        // what a user types in later stays text too; one column style per width.
        std::map<int, QString> widthStyles;
        QList<int> columnWidths;
        for (qsizetype column = 0; column < columns.size(); ++column) {
            const int width = SheetWriting::readableColumnWidth(widths.value(column));
            columnWidths.append(width);
            widthStyles.emplace(width, QStringLiteral("co%1").arg(widthStyles.size() + 1));
        }
        m_xml.writeStartElement(OfficeNs, QStringLiteral("automatic-styles"));
        m_xml.writeStartElement(NumberNs, QStringLiteral("text-style"));
        m_xml.writeAttribute(StyleNs, QStringLiteral("name"), QStringLiteral("N100"));
        m_xml.writeEmptyElement(NumberNs, QStringLiteral("text-content"));
        m_xml.writeEndElement();
        m_xml.writeEmptyElement(StyleNs, QStringLiteral("style"));
        m_xml.writeAttribute(StyleNs, QStringLiteral("name"), QStringLiteral("ce1"));
        m_xml.writeAttribute(StyleNs, QStringLiteral("family"), QStringLiteral("table-cell"));
        m_xml.writeAttribute(StyleNs, QStringLiteral("parent-style-name"), QStringLiteral("Default"));
        m_xml.writeAttribute(StyleNs, QStringLiteral("data-style-name"), QStringLiteral("N100"));
        for (const auto &[width, style] : widthStyles) {
            m_xml.writeStartElement(StyleNs, QStringLiteral("style"));
            m_xml.writeAttribute(StyleNs, QStringLiteral("name"), style);
            m_xml.writeAttribute(StyleNs, QStringLiteral("family"), QStringLiteral("table-column"));
            m_xml.writeEmptyElement(StyleNs, QStringLiteral("table-column-properties"));
            m_xml.writeAttribute(FoNs, QStringLiteral("break-before"), QStringLiteral("auto"));
            m_xml.writeAttribute(StyleNs, QStringLiteral("column-width"), columnWidthLength(width));
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();

        m_xml.writeStartElement(OfficeNs, QStringLiteral("body"));
        m_xml.writeStartElement(OfficeNs, QStringLiteral("spreadsheet"));
        m_xml.writeStartElement(TableNs, QStringLiteral("table"));
        m_xml.writeAttribute(TableNs, QStringLiteral("name"), QLatin1String(SheetName));
        for (const int width : std::as_const(columnWidths)) {
            m_xml.writeEmptyElement(TableNs, QStringLiteral("table-column"));
            m_xml.writeAttribute(TableNs, QStringLiteral("style-name"), widthStyles.at(width));
            m_xml.writeAttribute(TableNs, QStringLiteral("default-cell-style-name"), QStringLiteral("ce1"));
        }
        m_started = true;
        writeRow(columns);
    }

    void writeRow(const QStringList &values) override
    {
        if (!m_started)
            return;
        m_xml.writeStartElement(TableNs, QStringLiteral("table-row"));
        for (const QString &value : values) {
            if (value.isEmpty()) {
                m_xml.writeEmptyElement(TableNs, QStringLiteral("table-cell"));
                continue;
            }
            m_xml.writeStartElement(TableNs, QStringLiteral("table-cell"));
            m_xml.writeAttribute(OfficeNs, QStringLiteral("value-type"), QStringLiteral("string"));
            // A carriage return has no place in a paragraph: the exact text
            // goes with it.
            if (value.contains(u'\r'))
                m_xml.writeAttribute(OfficeNs, QStringLiteral("string-value"), value);
            writeParagraphs(m_xml, value);
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }
};

} // namespace

std::unique_ptr<SheetTableWriter> writeOdsTable(QIODevice &out)
{
    return std::make_unique<OdsTableWriter>(out);
}
