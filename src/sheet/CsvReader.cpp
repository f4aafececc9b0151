#include "sheet/CsvReader.h"

#include <QIODevice>
#include <QStringDecoder>

#include <csv.h>

namespace {

constexpr qint64 PieceSize = 64 * 1024;
const QByteArray ByteOrderMark("\xEF\xBB\xBF");

void onField(void *data, size_t size, void *reader)
{
    static_cast<CsvReader *>(reader)->endField(static_cast<const char *>(data), size);
}

// Blanks are part of a field (RFC 4180): none is trimmed.
int isTrimmed(unsigned char)
{
    return 0;
}

void onRecord(int terminator, void *reader)
{
    static_cast<CsvReader *>(reader)->endRecord(terminator);
}

} // namespace

CsvReader::CsvReader(QIODevice &device)
    : m_device(device)
    , m_parser(std::make_unique<csv_parser>())
{
    // Strict: a quote inside an unquoted field, or text after a closing
    // quote, is a fault rather than a guess. Every line end is reported, so
    // that the lines of the file are counted.
    csv_init(m_parser.get(), CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL);
    csv_set_space_func(m_parser.get(), isTrimmed);
}

CsvReader::~CsvReader()
{
    csv_free(m_parser.get());
}

void CsvReader::endField(const char *data, size_t size)
{
    if (!m_inRecord) {
        m_inRecord = true;
        m_current = Record{m_line, {}};
    }
    const QByteArray bytes(data ? data : "", qsizetype(size));
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString field = decoder.decode(bytes);
    if (decoder.hasError() && m_fault.isEmpty())
        m_fault = QStringLiteral("line %1: a field is not UTF-8 text").arg(m_line);
    m_current.fields.append(field);
    m_line += int(bytes.count('\n'));
}

void CsvReader::endRecord(int terminator)
{
    // No record from a fault on is handed out.
    if (m_inRecord && m_fault.isEmpty())
        m_ready.append(std::move(m_current));
    m_inRecord = false;
    m_current = {};
    if (terminator == '\n')
        ++m_line;
}

bool CsvReader::feed()
{
    QByteArray piece = m_device.read(PieceSize);
    if (!m_started) {
        m_started = true;
        if (piece.startsWith(ByteOrderMark))
            piece.remove(0, ByteOrderMark.size());
    }
    if (piece.isEmpty()) {
        m_ended = true;
        if (csv_fini(m_parser.get(), onField, onRecord, this) != 0 && m_fault.isEmpty())
            m_fault = QStringLiteral("line %1: a quoted field is not closed").arg(m_line);
        return false;
    }
    const size_t parsed = csv_parse(m_parser.get(), piece.constData(), size_t(piece.size()), onField, onRecord, this);
    if (parsed != size_t(piece.size()) && m_fault.isEmpty()) {
        const int line = m_rawLines + int(piece.left(qsizetype(parsed) + 1).count('\n')) + 1;
        m_fault
            = QStringLiteral("line %1: %2").arg(line).arg(QString::fromLatin1(csv_strerror(csv_error(m_parser.get()))));
    }
    m_rawLines += int(piece.count('\n'));
    return true;
}

bool CsvReader::next(Record &record)
{
    // The records read before a fault are handed out first.
    while (m_ready.isEmpty() && m_fault.isEmpty() && !m_ended)
        feed();
    if (m_ready.isEmpty())
        return false;
    record = m_ready.takeFirst();
    return true;
}
