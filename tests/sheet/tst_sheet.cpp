// The CSV reading and the export of notices: what a spreadsheet writes comes
// back field by field with the line it starts on, and the example notice
// file exports to the expected CSV and JSON files byte for byte.

#include "sheet/CsvReader.h"
#include "sheet/NoticeExport.h"

#include <QBuffer>
#include <QtTest>

class TestSheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void csvRecords_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("records"); // "line: field|field|..."
        QTest::addColumn<QString>("fault");
        QTest::newRow("plain, CR LF") << QByteArray("a,b\r\nc,d\r\n") << QStringList{"1: a|b", "2: c|d"} << "";
        QTest::newRow("byte-order mark, LF, no final line end")
            << QByteArray("\xEF\xBB\xBF" "a,b\nc,d") << QStringList{"1: a|b", "2: c|d"} << "";
        QTest::newRow("quoted comma, quote and line break")
            << QByteArray("\"x, y\",\"say \"\"hi\"\"\",\"one\r\ntwo\"\r\nnext,1\r\n")
            << QStringList{"1: x, y|say \"hi\"|one\r\ntwo", "3: next|1"} << "";
        QTest::newRow("blanks kept, empty fields") << QByteArray(" a , ,\r\n")
                                                  << QStringList{"1:  a | |"} << "";
        QTest::newRow("empty lines skipped") << QByteArray("a\r\n\r\n\r\nb\r\n") << QStringList{"1: a", "4: b"} << "";
        QTest::newRow("letters beyond ASCII") << QByteArray("Z\xC3\xBCrich,S\xC3\x83O") << QStringList{"1: Zürich|SÃO"} << "";
        QTest::newRow("empty file") << QByteArray() << QStringList{} << "";
        QTest::newRow("text after a quote") << QByteArray("a\r\n\"b\"c\r\n") << QStringList{"1: a"} << "line 2: ";
        QTest::newRow("quote never closed") << QByteArray("a\r\n\"b,c\r\n") << QStringList{"1: a"}
                                            << "line 2: a quoted field is not closed";
        QTest::newRow("not UTF-8") << QByteArray("Z\xFCrich\r\n") << QStringList{} << "line 1: a field is not UTF-8 text";
    }

    void csvRecords()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, records);
        QFETCH(QString, fault);
        QBuffer buffer(&text);
        buffer.open(QIODevice::ReadOnly);
        CsvReader reader(buffer);
        QStringList read;
        CsvReader::Record record;
        while (reader.next(record))
            read.append(QString::number(record.line) + ": " + record.fields.join('|'));
        QCOMPARE(read, records);
        QVERIFY2(fault.isEmpty() ? reader.fault().isEmpty() : reader.fault().startsWith(fault),
                 qPrintable(reader.fault()));
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

    // Fields that a spreadsheet would misread unquoted are quoted.
    void csvRecordQuotes()
    {
        QCOMPARE(csvRecord({"a", "b,c", "say \"hi\"", "one\r\ntwo", " LE", ""}),
                 QByteArray("a,\"b,c\",\"say \"\"hi\"\"\",\"one\r\ntwo\",\" LE\",\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestSheet)
#include "tst_sheet.moc"
