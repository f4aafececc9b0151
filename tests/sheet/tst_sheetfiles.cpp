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
