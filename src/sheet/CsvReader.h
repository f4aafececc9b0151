#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <memory>

class QIODevice;
struct csv_parser;

// Reads a CSV file (RFC 4180: fields separated by one character, quoted
// fields that may hold separators, doubled quotes and line breaks) one record
// at a time: the file is decoded and fed to libcsv as UTF-8 in pieces, and
// only the records not yet handed out are held. Empty lines are skipped. Each
// record carries the line of the file it starts on; a line ends with CR LF,
// LF or CR alone.
class CsvReader
{
public:
    // The encodings a spreadsheet writes CSV in.
    enum class Encoding {
        Utf8,        // with or without a byte-order mark
        Utf16LE,     // with a byte-order mark (Excel's "Unicode text")
        Utf16BE,     // with a byte-order mark
        Windows1252, // Excel and Calc in Western European settings
    };
    // The encoding of the bytes from the device's position on: the one its
    // byte-order mark names, else UTF-8 when all of them are UTF-8, else
    // Windows-1252. Reads the device to its end and returns to where it was.
    static Encoding encodingOf(QIODevice &device);

    // Reads from the device's position on, which must be the start of the
    // text (a byte-order mark is taken as one).
    CsvReader(QIODevice &device, Encoding encoding, char separator);
    explicit CsvReader(QIODevice &device, char separator = ',');
    ~CsvReader();
    CsvReader(const CsvReader &) = delete;
    CsvReader &operator=(const CsvReader &) = delete;

    struct Record
    {
        int line = 0;
        QStringList fields;
    };

    // The next record; false at the end of the file or at a fault, which
    // fault() then names with its line ("line 7: "). The records before a
    // fault are handed out first.
    bool next(Record &record);
    QString fault() const { return m_fault; }

    // Called by libcsv.
    void endField(const char *data, size_t size);
    void endRecord(int terminator);

private:
    void feed();
    void failAt(int line, const char *what);

    QIODevice &m_device;
    QStringDecoder m_decoder;
    std::unique_ptr<csv_parser> m_parser;
    QList<Record> m_ready; // records read and not yet handed out
    Record m_current;
    bool m_inRecord = false;
    int m_line = 1;             // the line the parser has reached, by its callbacks
    bool m_afterCr = false;     // the last callback ended a record at a CR
    int m_linesFed = 0;         // line ends in the text fed so far
    bool m_fedEndsInCr = false; // the text fed so far ends with a CR
    bool m_ended = false;
    QString m_fault;
};
