// The CSV reading and the export of notices: what a spreadsheet writes, in
// any of its dialects, comes back field by field with the line it starts on,
// and the example notice file exports to the expected CSV and JSON files byte
// for byte.

#include "sheet/CellReadings.h"
#include "sheet/CsvReader.h"
#include "sheet/NoticeExport.h"
#include "sheet/SheetCell.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QtTest>

namespace {

// A record or row as the tables write it: "line: field|field|...".
QString compact(int line, const QStringList &fields)
{
    return QString::number(line) + QStringLiteral(": ") + fields.join(QLatin1Char('|'));
}

// The text as Excel's "Unicode text" writes it: UTF-16 with a byte-order mark.
QByteArray utf16(QStringConverter::Encoding encoding, const QString &text)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

} // namespace

class TestSheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void csvRecords_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<char>("separator");
        QTest::addColumn<QStringList>("records"); // "line: field|field|..."
        QTest::addColumn<QString>("fault");
        const QByteArray crLfAcrossPieces = QByteArray(64 * 1024 - 1, 'x') + "\r\ny";
        QTest::newRow("plain, CR LF") << QByteArray("a,b\r\nc,d\r\n") << ',' << QStringList{"1: a|b", "2: c|d"} << "";
        QTest::newRow("byte-order mark, LF, no final line end")
            << QByteArray("\xEF\xBB\xBF" "a,b\nc,d") << ',' << QStringList{"1: a|b", "2: c|d"} << "";
        QTest::newRow("quoted comma, quote and line break")
            << QByteArray("\"x, y\",\"say \"\"hi\"\"\",\"one\r\ntwo\"\r\nnext,1\r\n") << ','
            << QStringList{"1: x, y|say \"hi\"|one\r\ntwo", "3: next|1"} << "";
        QTest::newRow("blanks kept, empty fields") << QByteArray(" a , ,\r\n") << ',' << QStringList{"1:  a | |"} << "";
        QTest::newRow("empty lines skipped") << QByteArray("a\r\n\r\n\r\nb\r\n") << ',' << QStringList{"1: a", "4: b"}
                                             << "";
        QTest::newRow("letters beyond ASCII") << QByteArray("Z\xC3\xBCrich,S\xC3\x83O") << ','
                                              << QStringList{"1: Zürich|SÃO"} << "";
        QTest::newRow("Windows-1252 when not UTF-8") << QByteArray("Z\xFCrich,\x80\r\n") << ','
                                                     << QStringList{"1: Zürich|€"} << "";
        QTest::newRow("semicolon, quoted semicolon and comma")
            << QByteArray("a;\"b;c\";d,e\r\n") << ';' << QStringList{"1: a|b;c|d,e"} << "";
        QTest::newRow("CR line ends, a quoted CR") << QByteArray("a\r\"b\rc\"\rd") << ','
                                                   << QStringList{"1: a", "2: b\rc", "4: d"} << "";
        QTest::newRow("CR LF across two pieces of the file")
            << crLfAcrossPieces << ',' << QStringList{"1: " + QString(64 * 1024 - 1, 'x'), "2: y"} << "";
        QTest::newRow("empty file") << QByteArray() << ',' << QStringList{} << "";
        QTest::newRow("text after a quote") << QByteArray("a\r\n\"b\"c\r\n") << ',' << QStringList{"1: a"}
                                            << "line 2: text after the closing quote of a field";
        QTest::newRow("text after a quoted line break")
            << QByteArray("a\r\n\"b\r\nc\" \r\n") << ',' << QStringList{"1: a"}
            << "line 3: text after the closing quote of a field";
        QTest::newRow("quote in an unquoted field") << QByteArray("a\rb\"c\r") << ',' << QStringList{"1: a"}
                                                    << "line 2: a quote inside a field that is not quoted";
        QTest::newRow("quote never closed") << QByteArray("a\r\n\"b,c\r\n") << ',' << QStringList{"1: a"}
                                            << "line 2: a quoted field is not closed";
    }

    void csvRecords()
    {
        QFETCH(QByteArray, text);
        QFETCH(char, separator);
        QFETCH(QStringList, records);
        QFETCH(QString, fault);
        QBuffer buffer(&text);
        buffer.open(QIODevice::ReadOnly);
        CsvReader reader(buffer, separator);
        QStringList read;
        CsvReader::Record record;
        while (reader.next(record))
            read.append(compact(record.line, record.fields));
        QCOMPARE(read, records);
        QCOMPARE(reader.fault(), fault);
    }

    // Each dialect a spreadsheet writes, found from the file itself. Column
    // names here are lower-case words.
    void csvRows_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("rows"); // "line: cell|cell|..."
        QTest::addColumn<QString>("fault");
        QTest::newRow("comma, UTF-8 with a byte-order mark")
            << QByteArray("\xEF\xBB\xBF" "city,name\r\nZ\xC3\xBCrich,b\r\n") << QStringList{"1: city|name", "2: Zürich|b"}
            << "";
        QTest::newRow("semicolon, Windows-1252") << QByteArray("city;name\r\nZ\xFCrich;S\xC3O\r\n")
                                                 << QStringList{"1: city|name", "2: Zürich|SÃO"} << "";
        QTest::newRow("Windows-1252, a lone 0xC3 at the end") << QByteArray("city;name\r\nx;\xC3")
                                                              << QStringList{"1: city|name", "2: x|Ã"} << "";
        QTest::newRow("tab, UTF-16 LE") << utf16(QStringConverter::Utf16LE, QStringLiteral("city\tname\r\nZürich\t1,5\r\n"))
                                        << QStringList{"1: city|name", "2: Zürich|1,5"} << "";
        QTest::newRow("semicolon, UTF-16 BE") << utf16(QStringConverter::Utf16BE, QStringLiteral("city;name\nZürich;2\n"))
                                              << QStringList{"1: city|name", "2: Zürich|2"} << "";
        QTest::newRow("sep= first line") << QByteArray("sep=;\r\ncity;name\r\n1;2\r\n")
                                         << QStringList{"2: city|name", "3: 1|2"} << "";
        QTest::newRow("quoted sep= over a tie") << QByteArray("\"sep=;\"\na,b;c\n1,2;3\n")
                                                << QStringList{"2: a,b|c", "3: 1,2|3"} << "";
        QTest::newRow("separators in quoted header cells")
            << QByteArray("city;\"a,b\";\"c;d\"\r\n1;2;3\r\n") << QStringList{"1: city|a,b|c;d", "2: 1|2|3"} << "";
        QTest::newRow("no separator names every column") << QByteArray("a;b;c,d\r\n1;2;3,4\r\n")
                                                         << QStringList{"1: a|b|c,d", "2: 1|2|3,4"} << "";
        QTest::newRow("empty lines and rows of separators") << QByteArray(";;\r\na;b\r\n\r\n;\r\n1;2\r\n;;\r\n")
                                                            << QStringList{"2: a|b", "5: 1|2"} << "";
        QTest::newRow("CR, LF and CR LF line ends") << QByteArray("a,b\r1,2\n3,4\r\n5,6")
                                                    << QStringList{"1: a|b", "2: 1|2", "3: 3|4", "4: 5|6"} << "";
        QTest::newRow("quoted line break") << QByteArray("a,b\r\n\"x\r\ny\",1\r\n2,3\r\n")
                                           << QStringList{"1: a|b", "2: x\r\ny|1", "4: 2|3"} << "";
        QTest::newRow("quote not closed") << QByteArray("a,b\r\n1,2\r\n\"3,4\r\n5,6\r\n")
                                          << QStringList{"1: a|b", "2: 1|2"} << "line 3: a quoted field is not closed";
    }

    void csvRows()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, rows);
        QFETCH(QString, fault);
        QBuffer buffer(&file);
        buffer.open(QIODevice::ReadOnly);
        const QRegularExpression word(QStringLiteral("^[a-z]+$"));
        const auto reader = readCsvRows(buffer, [&](const QString &text) { return word.match(text).hasMatch(); });
        QStringList read;
        SheetRow row;
        while (reader->next(row)) {
            QStringList cells;
            for (const SheetCell &cell : std::as_const(row.cells)) {
                QCOMPARE(cell.kind, SheetCell::Kind::Text);
                cells.append(cell.text);
            }
            read.append(compact(row.number, cells));
        }
        QCOMPARE(read, rows);
        QCOMPARE(reader->fault(), fault);
        QCOMPARE(reader->fractionRead(), 1.0);
    }

    void exportOfTheExample_data()
    {
        QTest::addColumn<SheetFormat>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("CSV") << SheetFormat::Csv << "data/montmartre-T01.csv";
        QTest::newRow("JSON") << SheetFormat::Json << "data/montmartre-T01.json";
    }

    void exportOfTheExample()
    {
        QFETCH(SheetFormat, format);
        QFETCH(QString, expected);
        QFile notices(QFINDTESTDATA("../notice/data/montmartre-T01.txt"));
        QFile wanted(QFINDTESTDATA(expected));
        QVERIFY(notices.open(QIODevice::ReadOnly) && wanted.open(QIODevice::ReadOnly));
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        writeNotices(checkNoticeFile(notices.readAll()), format, out);
        QCOMPARE(out.data(), wanted.readAll());
    }

    // What a cell stands for in its column: as it stands, read in a way that
    // loses nothing, or refused with the shape its column takes.
    void cellReadings_data()
    {
        using K = SheetCell::Kind;
        QTest::addColumn<QString>("column");
        QTest::addColumn<SheetCell>("cell");
        QTest::addColumn<QString>("value"); // or the fault, after "fault: "
        const auto row = [](const char *name, const char *column, K kind, const char *text, const char *value) {
            QTest::newRow(name) << column << SheetCell{kind, QString::fromUtf8(text)} << QString::fromUtf8(value);
        };
        row("longitude as written", "t_long", K::Text, "+0022030", "+0022030");
        row("longitude without sign and zeros", "t_long", K::Text, "113456", "+0113456");
        row("west longitude without zeros", "t_trg_long", K::Number, "-22030", "-0022030");
        row("latitude without sign", "t_lat", K::Number, "385430", "+385430");
        row("decimal comma", "t_freq_assgn", K::Text, "98,5", "98.5");
        row("number cell", "ANT_DIAGR_H/t_attn@azm10", K::Number, "2.5", "2.5");
        row("hour with seconds", "t_op_hh_fr", K::Text, "08:30:00", "08:30");
        row("hour without its zero", "t_op_hh_to", K::Time, "8:30:00", "08:30");
        row("hour after noon, English", "t_op_hh_fr", K::Text, "09:48:00 PM", "21:48");
        row("hour after midnight, English", "t_op_hh_to", K::Text, "12:05:00 AM", "00:05");
        row("date as ISO text", "t_d_adm_ntc", K::Text, "2005-12-07", "2005-12-07");
        row("date cell", "t_d_inuse", K::Date, "2006-01-02", "2006-01-02");
        row("date and time cell at midnight", "t_d_adm_ntc", K::DateTime, "2005-12-07T00:00:00", "2005-12-07");
        row("text kept as it is", "t_site_name", K::Text, " Le Mont, 1\r\n", " Le Mont, 1\r\n");
        row("comma kept in a text", "t_remarks", K::Text, "98,5", "98,5");
        row("empty", "t_long", K::Text, "", "");
        row("longitude with decimals", "t_long", K::Number, "12.5",
            "fault: \"12.5\" is not a longitude (+DDDMMSS, e.g. +0022030)");
        row("longitude too long", "t_long", K::Text, "+00220301",
            "fault: \"+00220301\" is not a longitude (+DDDMMSS, e.g. +0022030)");
        row("latitude with letters", "t_trg_lat", K::Text, "48N5310",
            "fault: \"48N5310\" is not a latitude (+DDMMSS, e.g. +485310)");
        row("date in a locale's order", "t_d_adm_ntc", K::Text, "03/04/26",
            "fault: \"03/04/26\" is not a date (YYYY-MM-DD, e.g. 2005-12-07)");
        row("date and time", "t_d_adm_ntc", K::DateTime, "2005-12-07T10:00:00",
            "fault: \"2005-12-07T10:00:00\" is not a date (YYYY-MM-DD, e.g. 2005-12-07)");
        row("hour with seconds not 00", "t_op_hh_fr", K::Text, "08:30:15",
            "fault: \"08:30:15\" is not an hour (HH:MM, e.g. 08:30)");
        row("thirteen o'clock PM", "t_op_hh_fr", K::Text, "13:00 PM",
            "fault: \"13:00 PM\" is not an hour (HH:MM, e.g. 08:30)");
        row("fraction", "t_op_hh_fr", K::Text, "1/2", "fault: \"1/2\" is not an hour (HH:MM, e.g. 08:30)");
        row("error cell", "t_freq_assgn", K::Error, "#VALUE!",
            "fault: \"#VALUE!\" is an error of the spreadsheet, not a value");
        row("true/false cell", "t_site_name", K::Boolean, "TRUE",
            "fault: \"TRUE\" is a true/false cell of the spreadsheet, not a value");
        row("date cell in a text column", "t_station_id", K::Date, "2026-03-04",
            "fault: \"2026-03-04\" is a date or time cell of the spreadsheet, not the text typed: "
            "format the column as text and type the value again");
    }

    void cellReadings()
    {
        QFETCH(QString, column);
        QFETCH(SheetCell, cell);
        QFETCH(QString, value);
        const CellReadings::Reading reading = CellReadings::read(column, cell);
        QCOMPARE(reading.isFault() ? QStringLiteral("fault: ") + reading.fault : reading.value, value);
    }

    // Fields that a spreadsheet would misread unquoted are quoted.
    void csvRecordQuotes()
    {
        QCOMPARE(csvRecord({"a", "b,c", "say \"hi\"", "one\r\ntwo", " LE", ""}),
                 QByteArray("a,\"b,c\",\"say \"\"hi\"\"\",\"one\r\ntwo\",\" LE\",\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestSheet)
#include "tst_sheet.moc"
