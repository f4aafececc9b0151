#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QIODevice;
struct csv_parser;

// Reads a CSV file (RFC 4180: fields separated by commas, quoted fields that
// may hold commas, doubled quotes and line breaks) in UTF-8, with or without
// a byte-order mark, one record at a time: the file is fed to libcsv in
// pieces and only the records not yet handed out are held. Empty lines are
// skipped. Each record carries the line of the file it starts on.
class CsvReader
{
public:
    explicit CsvReader(QIODevice &device);
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
    bool feed();

    QIODevice &m_device;
    std::unique_ptr<csv_parser> m_parser;
    QList<Record> m_ready; // records read and not yet handed out
    Record m_current;
    bool m_inRecord = false;
    int m_line = 1;     // the line the parser has reached, by its callbacks
    int m_rawLines = 0; // line feeds in the bytes fed so far
    bool m_started = false;
    bool m_ended = false;
    QString m_fault;
};
