// Workbooks in and out: every text written by the CSV, .xlsx and .ods writers
// reads back exactly as text; the workbooks that LibreOffice Calc writes read
// back with the kind and text of each cell; the format of a file is told
// from its content; and, where LibreOffice is installed, a workbook written
// here, saved again by Calc, still holds the same texts.
//
// The fixtures data/typed-cells.{xlsx,ods} were made by Calc from
// data/typed-cells.fods (soffice --headless --convert-to xlsx|ods), and
// data/typed-cells-1904.xlsx from the same file with its null date set to
// 1904-01-01 (<table:null-date table:date-value="1904-01-01"/>).

#include "sheet/CsvReader.h"
#include "sheet/NoticeExport.h"
#include "sheet/SheetCell.h"
#include "sheet/SheetPackage.h"

#include <QBuffer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Texts that a spreadsheet would take for something else, or change.
QList<QStringList> trickyRows()
{
    QString longText;
    for (int i = 0; longText.size() < 3000; ++i)
        longText += QString::number(i % 10);
    return {
        {"case", "text", "after"},
        {"leading zeros", "0042", "end"},
        {"signed digits", "+0022030", "end"},
        {"trailing zero", "98.50", "end"},
        {"formula", "=1+1", "end"},
        {"date-like", "2005-12-07", "end"},
        {"blanks around and doubled", "  two  blanks  ", "end"},
        {"one blank before", " LE", "end"},
        {"CR LF inside", "one\r\ntwo", "end"},
        {"LF inside", "one\ntwo\n", "end"},
        {"tab", "a\tb", "end"},
        {"quotes", "say \"hi\", 'you'", "end"},
        {"letters beyond ASCII", QString::fromUtf8("ÉÑ€ Zürich"), "end"},
        {"escape-like", "_x0041_ and _x000D_", "end"},
        {"3,000 characters", longText, "end"},
        {"empty between", "", "end"},
    };
}

std::unique_ptr<SheetRowReader> readerOf(SheetFormat format, QIODevice &device)
{
    return format == SheetFormat::Xlsx ? readXlsxRows(device) : readOdsRows(device);
}

// A cell as the tests compare it: a text as it is, another kind tagged.
QString described(const SheetCell &cell)
{
    static const QHash<SheetCell::Kind, QString> tags = {
        {SheetCell::Kind::Number, "N"},   {SheetCell::Kind::Date, "D"},    {SheetCell::Kind::Time, "T"},
        {SheetCell::Kind::DateTime, "DT"}, {SheetCell::Kind::Boolean, "B"}, {SheetCell::Kind::Error, "E"},
    };
    return cell.kind == SheetCell::Kind::Text ? cell.text : tags.value(cell.kind) + '(' + cell.text + ')';
}

// Every row of a workbook, "number: cell|cell|...", then the fault if any.
QStringList describedRows(SheetFormat format, QIODevice &device)
{
    const std::unique_ptr<SheetRowReader> reader = readerOf(format, device);
    QStringList rows;
    SheetRow row;
    while (reader->next(row)) {
        QStringList cells;
        for (const SheetCell &cell : std::as_const(row.cells))
            cells.append(described(cell));
        rows.append(QString::number(row.number) + ": " + cells.join('|'));
    }
    if (!reader->fault().isEmpty())
        rows.append("fault: " + reader->fault());
    return rows;
}

// The rows as the table writer of the format writes them: what a reader
// should give back, every cell a text, empty ones as "".
QStringList expectedTextRows(const QList<QStringList> &rows)
{
    QStringList described;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QStringList cells = rows.at(i);
        while (!cells.isEmpty() && cells.last().isEmpty())
            cells.removeLast();
        described.append(QString::number(i + 1) + ": " + cells.join('|'));
    }
    return described;
}

QByteArray writtenTable(SheetFormat format, const QList<QStringList> &rows)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const std::unique_ptr<SheetTableWriter> writer = writeSheetTable(format, buffer);
    writer->writeHeader(rows.first(), {4, 40, 3});
    for (qsizetype i = 1; i < rows.size(); ++i)
        writer->writeRow(rows.at(i));
    if (!writer->finish())
        qWarning() << writer->error();
    return buffer.data();
}

QStringList csvRows(QIODevice &device)
{
    CsvReader reader(device);
    QStringList rows;
    CsvReader::Record record;
    for (int number = 1; reader.next(record); ++number)
        rows.append(QString::number(number) + ": " + record.fields.join('|'));
    return rows;
}

// A package of the given entries, as the readers take it.
QByteArray packageOf(const QList<QPair<const char *, QByteArray>> &entries)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SheetPackageWriter writer(buffer);
    for (const auto &[name, bytes] : entries)
        writer.writeEntry(name, bytes);
    writer.finish();
    return buffer.data();
}

// A workbook of one sheet around the rows given, with cell styles 1 to 9 for
// the dates and times and two shared strings.
QByteArray xlsxWith(const QByteArray &rows, bool date1904)
{
    const QByteArray main = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
    const QByteArray relationships = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    return packageOf({
        {"xl/workbook.xml", "<workbook " + main + " xmlns:r=\"" + relationships + "\"><workbookPr date1904=\""
                                + (date1904 ? "1" : "0") + "\"/><sheets><sheet name=\"S\" sheetId=\"1\" r:id=\"rId7\"/>"
                                + "</sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId7\" Type=\"" + relationships + "/worksheet\" Target=\"/xl/worksheets/s.xml\"/>"
         "<Relationship Id=\"rId8\" Type=\"" + relationships + "/styles\" Target=\"styles.xml\"/>"
         "<Relationship Id=\"rId9\" Type=\"" + relationships + "/sharedStrings\" Target=\"strings.xml\"/>"
         "</Relationships>"},
        {"xl/styles.xml", "<styleSheet " + main + "><numFmts><numFmt numFmtId=\"164\" formatCode=\"[h]:mm\"/>"
                              "<numFmt numFmtId=\"165\" formatCode=\"mm:ss\"/><numFmt numFmtId=\"166\" "
                              "formatCode=\"h:mm AM/PM\"/><numFmt numFmtId=\"167\" formatCode=\"&quot;day&quot; 0\"/>"
                              "<numFmt numFmtId=\"168\" formatCode=\"[$-409]mmm\\ yyyy\"/></numFmts>"
                              "<cellStyleXfs><xf numFmtId=\"14\"/></cellStyleXfs><cellXfs><xf numFmtId=\"0\"/>"
                              "<xf numFmtId=\"14\"/><xf numFmtId=\"22\"/><xf numFmtId=\"164\"/><xf numFmtId=\"165\"/>"
                              "<xf numFmtId=\"166\"/><xf numFmtId=\"167\"/><xf numFmtId=\"168\"/><xf numFmtId=\"46\"/>"
                              "<xf numFmtId=\"49\"/></cellXfs></styleSheet>"},
        {"xl/strings.xml", "<sst " + main + "><si><t>_x005F_x0041_ is typed</t></si><si><r><t>MONT</t></r><rPh>"
                               "<t>phonetic</t></rPh><r><t xml:space=\"preserve\">MARTRE </t></r></si></sst>"},
        {"xl/worksheets/s.xml", "<worksheet " + main + "><sheetData>" + rows + "</sheetData></worksheet>"},
    });
}

// A spreadsheet of one table around the rows given.
QByteArray odsWith(const QByteArray &rows)
{
    return packageOf({
        {"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
        {"content.xml",
         "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
         "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
         "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
         "xmlns:calcext=\"urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0\"><office:body>"
         "<office:spreadsheet><table:table table:name=\"T\"><table:table-column/>" + rows
             + "</table:table></office:spreadsheet></office:body></office:document-content>"},
    });
}

QStringList typedCellRows(const QString &secondRow, const QString &lastRow)
{
    return {
        "1: N(22030)|N(98.5)|N(0.25)|0042",
        "2: " + secondRow,
        "3: B(TRUE)|B(FALSE)|E(#DIV/0!)",
        "4: MONTMARTRE|a  b|one\ntwo|ab",
        "6: x|x|x||y",
        "7: |same",
        "8: |same",
        lastRow,
    };
}

} // namespace

class TestSheetFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textsReadBackAsWritten_data()
    {
        QTest::addColumn<SheetFormat>("format");
        QTest::newRow("CSV") << SheetFormat::Csv;
        QTest::newRow("xlsx") << SheetFormat::Xlsx;
        QTest::newRow("ods") << SheetFormat::Ods;
    }

    void textsReadBackAsWritten()
    {
        QFETCH(SheetFormat, format);
        QByteArray written = writtenTable(format, trickyRows());
        QBuffer buffer(&written);
        buffer.open(QIODevice::ReadOnly);
        QCOMPARE(format == SheetFormat::Csv ? csvRows(buffer) : describedRows(format, buffer),
                 expectedTextRows(trickyRows()));
    }

    void workbooksOfCalc_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<SheetFormat>("format");
        QTest::addColumn<QStringList>("rows");
        const QStringList rows = typedCellRows("D(2026-03-04)|T(00:30:00)|DT(2026-03-04T18:45:00)", "1009: ||N(-1.5e-07)");
        QTest::newRow("xlsx") << "data/typed-cells.xlsx" << SheetFormat::Xlsx << rows;
        QTest::newRow("xlsx, 1904 dates") << "data/typed-cells-1904.xlsx" << SheetFormat::Xlsx << rows;
        QTest::newRow("ods") << "data/typed-cells.ods" << SheetFormat::Ods << rows;
        QTest::newRow("not a zip package") << "data/montmartre-T01.csv" << SheetFormat::Xlsx
                                           << QStringList{"fault: the file is not a workbook that can be read: "
                                                          "it is not a zip package, or a damaged one"};
        // Found by the fuzz target: an entry whose compressed data is damaged
        // fails every read, and the reading once never ended.
        QTest::newRow("a damaged entry") << "data/damaged-entry.ods" << SheetFormat::Ods
                                          << QStringList{"fault: the file is not a workbook that can be read: "
                                                         "Premature end of document. (line 1 of its sheet)"};
        QTest::newRow("an ods read as xlsx")
            << "data/typed-cells.ods" << SheetFormat::Xlsx
            << QStringList{"fault: the file is not a workbook that can be read: its part xl/workbook.xml is "
                           "missing or damaged"};
    }

    void workbooksOfCalc()
    {
        QFETCH(QString, file);
        QFETCH(SheetFormat, format);
        QFETCH(QStringList, rows);
        QFile workbook(QFINDTESTDATA(file));
        QVERIFY(workbook.open(QIODevice::ReadOnly));
        QCOMPARE(describedRows(format, workbook), rows);
    }

    // The rules of .xlsx cells that the workbooks of Calc do not show: the
    // 1900 system's leap day, the date and time formats, the rounding to the
    // second, escapes, phonetic guides, places without references.
    void xlsxCells_data()
    {
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<bool>("date1904");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("1900 dates around the leap day that never was")
            << QByteArray("<row r=\"3\"><c r=\"A3\" s=\"1\"><v>1</v></c><c s=\"1\"><v>59</v></c><c s=\"1\"><v>60</v></c>"
                          "<c s=\"1\"><v>61</v></c><c s=\"1\"><v>46085.9999999999</v></c></row>")
            << false << QStringList{"3: D(1900-01-01)|D(1900-02-28)|D(1900-02-29)|D(1900-03-01)|D(2026-03-05)"};
        QTest::newRow("1904 dates") << QByteArray("<row><c s=\"1\"><v>0</v></c><c s=\"2\"><v>45000.75</v></c></row>")
                                    << true << QStringList{"1: D(1904-01-01)|DT(2027-03-16T18:00:00)"};
        QTest::newRow("formats of times, dates and neither")
            << QByteArray("<row><c s=\"3\"><v>1.5</v></c><c s=\"4\"><v>0.000694444444</v></c><c s=\"5\"><v>0.75</v></c>"
                          "<c s=\"6\"><v>5</v></c><c s=\"7\"><v>46085</v></c><c s=\"8\"><v>0.25</v></c>"
                          "<c s=\"9\"><v>46085</v></c><c s=\"2\"><v>46085.78125</v></c></row>")
            << false
            << QStringList{"1: T(12:00:00)|T(00:01:00)|T(18:00:00)|N(5)|D(2026-03-04)|T(06:00:00)|N(46085)|"
                           "DT(2026-03-04T18:45:00)"};
        QTest::newRow("texts, booleans, errors, ISO dates")
            << QByteArray("<row><c t=\"s\"><v>0</v></c><c t=\"s\"><v>1</v></c><c t=\"inlineStr\"><is><t>a_x000D_\nb</t>"
                          "</is></c><c t=\"str\"><f>A1</f><v>ab</v></c><c t=\"b\"><v>0</v></c><c t=\"e\"><v>#N/A</v></c>"
                          "<c t=\"d\"><v>2026-03-04T00:30:00</v></c><c t=\"d\"><v>2026-03-04</v></c></row>")
            << false
            << QStringList{"1: _x0041_ is typed|MONTMARTRE |a\r\nb|ab|B(FALSE)|E(#N/A)|DT(2026-03-04T00:30:00)|"
                           "D(2026-03-04)"};
        QTest::newRow("places: gaps, cells and rows without references, empty rows skipped")
            << QByteArray("<row r=\"2\"><c r=\"C2\"><v>1E-3</v></c><c><v>0.1</v></c></row><row r=\"4\"><c r=\"B4\"/></row>"
                          "<row><c r=\"AA5\"><v>123456789012</v></c></row>")
            << false << QStringList{"2: ||N(0.001)|N(0.1)", QString("5: ") + QString(26, '|') + "N(123456789012)"};
        QTest::newRow("a shared text the workbook does not hold")
            << QByteArray("<row><c t=\"s\"><v>0</v></c></row><row><c t=\"s\"><v>2</v></c></row>") << false
            << QStringList{"1: _x0041_ is typed", "fault: row 2: a cell names a shared text that the workbook does not hold"};
        QTest::newRow("a reference beyond the last column")
            << QByteArray("<row r=\"7\"><c r=\"XFE7\"><v>1</v></c></row>") << false
            << QStringList{"fault: row 7: the cell reference \"XFE7\" names no column"};
    }

    void xlsxCells()
    {
        QFETCH(QByteArray, rows);
        QFETCH(bool, date1904);
        QFETCH(QStringList, expected);
        QByteArray workbook = xlsxWith(rows, date1904);
        QBuffer buffer(&workbook);
        buffer.open(QIODevice::ReadOnly);
        QCOMPARE(describedRows(SheetFormat::Xlsx, buffer), expected);
    }

    // The rules of .ods cells that the spreadsheets of Calc do not show.
    void odsCells_data()
    {
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const QByteArray &cells) { return "<table:table-row>" + cells + "</table:table-row>"; };
        QTest::newRow("blanks in the XML collapse, written blanks stay")
            << row("<table:table-cell><text:p>  a   b <text:s text:c=\"2\"/>c</text:p></table:table-cell>")
            << QStringList{"1: a b   c"};
        QTest::newRow("spans, links, tabs, line breaks; notes and annotations left out")
            << row("<table:table-cell><office:annotation><text:p>comment</text:p></office:annotation><text:p>x<text:span>"
                   "y<text:a>z</text:a></text:span><text:tab/>t<text:line-break/>u<text:note><text:note-body><text:p>"
                   "note</text:p></text:note-body></text:note></text:p><text:p>two</text:p></table:table-cell>")
            << QStringList{"1: xyz\tt\nu\ntwo"};
        QTest::newRow("the string value wins over the paragraphs")
            << row("<table:table-cell office:value-type=\"string\" office:string-value=\"a&#13;&#10;b\"><text:p>a</text:p>"
                   "<text:p>b</text:p></table:table-cell>")
            << QStringList{"1: a\r\nb"};
        QTest::newRow("values: a time beyond a day, seconds rounded, currency, error")
            << row("<table:table-cell office:value-type=\"time\" office:time-value=\"PT36H00M00S\"/>"
                   "<table:table-cell office:value-type=\"date\" office:date-value=\"2026-03-04T00:30:00.6\"/>"
                   "<table:table-cell office:value-type=\"currency\" office:value=\"2.50\"><text:p>2,50 €</text:p>"
                   "</table:table-cell><table:table-cell office:value-type=\"float\" office:value=\"0\" "
                   "calcext:value-type=\"error\"><text:p>Err:502</text:p></table:table-cell>")
            << QStringList{"1: T(12:00:00)|DT(2026-03-04T00:30:01)|N(2.5)|E(Err:502)"};
        QTest::newRow("repeated and covered cells; rows in header rows and groups; empty rows counted")
            << QByteArray("<table:table-header-rows>"
                          + row("<table:table-cell table:number-columns-repeated=\"2\" office:value-type=\"float\" "
                                "office:value=\"1\"/><table:covered-table-cell/><table:table-cell table:number-"
                                "columns-repeated=\"3\"/><table:table-cell><text:p>h</text:p></table:table-cell>")
                          + "</table:table-header-rows><table:table-row table:number-rows-repeated=\"1000000\">"
                            "<table:table-cell table:number-columns-repeated=\"1024\"/></table:table-row>"
                            "<table:table-row-group><table:table-row table:number-rows-repeated=\"2\">"
                            "<table:table-cell/><table:table-cell><text:p>g</text:p></table:table-cell>"
                            "</table:table-row></table:table-row-group>")
            << QStringList{"1: N(1)|N(1)|||||h", "1000002: |g", "1000003: |g"};
        QTest::newRow("a cell repeated beyond the last column")
            << row("<table:table-cell table:number-columns-repeated=\"16385\"><text:p>x</text:p></table:table-cell>")
            << QStringList{"fault: row 1: the row has more than 16,384 columns"};
    }

    void odsCells()
    {
        QFETCH(QByteArray, rows);
        QFETCH(QStringList, expected);
        QByteArray spreadsheet = odsWith(rows);
        QBuffer buffer(&spreadsheet);
        buffer.open(QIODevice::ReadOnly);
        QCOMPARE(describedRows(SheetFormat::Ods, buffer), expected);
    }

    void formatOfContent_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<SheetFormat>("format");
        const auto fixture = [](const char *name) {
            QFile file(QFINDTESTDATA(QString("data/") + name));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        // A package without its mimetype: content.xml tells.
        QBuffer package;
        package.open(QIODevice::WriteOnly);
        SheetPackageWriter writer(package);
        writer.writeEntry("content.xml", "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:"
                                         "xmlns:office:1.0\"><office:body><office:spreadsheet/></office:body>"
                                         "</office:document-content>");
        writer.finish();

        QTest::newRow("xlsx of Calc") << fixture("typed-cells.xlsx") << SheetFormat::Xlsx;
        QTest::newRow("ods of Calc") << fixture("typed-cells.ods") << SheetFormat::Ods;
        QTest::newRow("xlsx written here") << writtenTable(SheetFormat::Xlsx, trickyRows()) << SheetFormat::Xlsx;
        QTest::newRow("ods written here") << writtenTable(SheetFormat::Ods, trickyRows()) << SheetFormat::Ods;
        QTest::newRow("ods without mimetype") << package.data() << SheetFormat::Ods;
        QTest::newRow("flat ods, XML text") << fixture("typed-cells.fods") << SheetFormat::Csv;
        QTest::newRow("JSON after a byte-order mark and blanks")
            << QByteArray("\xEF\xBB\xBF \r\n\t[{\"t_adm\":\"F\"}]") << SheetFormat::Json;
        QTest::newRow("CSV") << fixture("montmartre-T01.csv") << SheetFormat::Csv;
        QTest::newRow("empty") << QByteArray() << SheetFormat::Csv;
    }

    void formatOfContent()
    {
        QFETCH(QByteArray, content);
        QFETCH(SheetFormat, format);
        QBuffer buffer(&content);
        buffer.open(QIODevice::ReadOnly);
        QCOMPARE(sheetFormatOf(buffer), format);
        QCOMPARE(buffer.pos(), 0);
    }

    // The example notice file exported to each workbook format holds the
    // rows of the expected CSV file.
    void exportOfTheExample_data()
    {
        QTest::addColumn<SheetFormat>("format");
        QTest::newRow("xlsx") << SheetFormat::Xlsx;
        QTest::newRow("ods") << SheetFormat::Ods;
    }

    void exportOfTheExample()
    {
        QFETCH(SheetFormat, format);
        QFile notices(QFINDTESTDATA("../notice/data/montmartre-T01.txt"));
        QFile expected(QFINDTESTDATA("data/montmartre-T01.csv"));
        QVERIFY(notices.open(QIODevice::ReadOnly) && expected.open(QIODevice::ReadOnly));
        QTemporaryDir folder;
        const QString path = folder.filePath("notices." + sheetFormatName(format));
        QString error;
        QVERIFY2(exportNoticesToFile(checkNoticeFile(notices.readAll()), format, path, &error), qPrintable(error));
        QFile exported(path);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QCOMPARE(describedRows(format, exported), csvRows(expected));

        // A file that cannot be written is not written at all.
        const QString unwritable = folder.filePath("missing/notices." + sheetFormatName(format));
        QVERIFY(!exportNoticesToFile(checkNoticeFile(QByteArray()), format, unwritable, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(unwritable));
    }

    void writerFaults_data()
    {
        QTest::addColumn<SheetFormat>("format");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("error");
        QTest::newRow("xlsx, 32,768 characters")
            << SheetFormat::Xlsx << true << QString(32768, 'x')
            << "row 2, column \"b\": a text of 32,768 characters is longer than the 32,767 that a workbook cell holds";
        QTest::newRow("xlsx, 32,767 characters") << SheetFormat::Xlsx << true << QString(32767, 'x') << "";
        for (const SheetFormat format : {SheetFormat::Csv, SheetFormat::Xlsx, SheetFormat::Ods})
            QTest::addRow("%s, device not writable", qPrintable(sheetFormatName(format)))
                << format << false << "x" << "the file cannot be written: ";
    }

    void writerFaults()
    {
        QFETCH(SheetFormat, format);
        QFETCH(bool, writable);
        QFETCH(QString, value);
        QFETCH(QString, error);
        QBuffer buffer;
        buffer.open(writable ? QIODevice::WriteOnly : QIODevice::ReadOnly);
        const std::unique_ptr<SheetTableWriter> writer = writeSheetTable(format, buffer);
        writer->writeHeader({"a", "b"}, {1, 1});
        writer->writeRow({"a", value});
        QCOMPARE(writer->finish(), error.isEmpty());
        QVERIFY2(error.isEmpty() ? writer->error().isEmpty() : writer->error().startsWith(error),
                 qPrintable(writer->error()));
    }

    // A workbook written here, opened and saved again by LibreOffice Calc in
    // either format, still holds the same texts: those that a Calc cell can
    // hold (no carriage return; and Calc drops a tab when it saves an .xlsx
    // file).
    void savedAgainByCalc_data()
    {
        QTest::addColumn<SheetFormat>("written");
        QTest::addColumn<SheetFormat>("saved");
        for (const SheetFormat written : {SheetFormat::Xlsx, SheetFormat::Ods}) {
            for (const SheetFormat saved : {SheetFormat::Xlsx, SheetFormat::Ods})
                QTest::addRow("%s saved as %s", qPrintable(sheetFormatName(written)), qPrintable(sheetFormatName(saved)))
                    << written << saved;
        }
    }

    void savedAgainByCalc()
    {
        QFETCH(SheetFormat, written);
        QFETCH(SheetFormat, saved);
        const QString soffice = QStandardPaths::findExecutable("soffice");
        if (soffice.isEmpty())
            QSKIP("LibreOffice (soffice) is not installed");
        QTemporaryDir folder;
        QFile source(folder.filePath("table." + sheetFormatName(written)));
        QVERIFY(source.open(QIODevice::WriteOnly));
        QList<QStringList> rows = trickyRows();
        rows.removeIf([](const QStringList &row) { return row.join(QString()).contains(QRegularExpression("[\\r\\t]")); });
        source.write(writtenTable(written, rows));
        source.close();

        QProcess calc;
        calc.start(soffice, {"-env:UserInstallation=" + QUrl::fromLocalFile(folder.filePath("profile")).toString(),
                             "--headless", "--convert-to", sheetFormatName(saved), "--outdir",
                             folder.filePath("saved"), source.fileName()});
        QVERIFY(calc.waitForFinished(180000));
        QFile result(folder.filePath("saved/table." + sheetFormatName(saved)));
        QVERIFY2(result.open(QIODevice::ReadOnly), calc.readAllStandardError().constData());
        QCOMPARE(describedRows(saved, result), expectedTextRows(rows));
    }
};

QTEST_GUILESS_MAIN(TestSheetFiles)
#include "tst_sheetfiles.moc"
