#include "sheet/CsvReader.h"

#include <QCoreApplication>
#include <QIODevice>

#include <csv.h>

namespace {

constexpr qint64 PieceSize = 64 * 1024;
const QByteArray Utf8ByteOrderMark("\xEF\xBB\xBF");
const QByteArray Utf16LEByteOrderMark("\xFF\xFE");
const QByteArray Utf16BEByteOrderMark("\xFE\xFF");

// The decoder's name of each CsvReader::Encoding, in its order.
const char *const EncodingNames[] = {"UTF-8", "UTF-16LE", "UTF-16BE", "windows-1252"};

const char *const UnclosedQuote = QT_TRANSLATE_NOOP("CsvFiles", "line %1: a quoted field is not closed");
const char *const QuoteInUnquotedField
    = QT_TRANSLATE_NOOP("CsvFiles", "line %1: a quote inside a field that is not quoted");
const char *const TextAfterClosingQuote
    = QT_TRANSLATE_NOOP("CsvFiles", "line %1: text after the closing quote of a field");
const char *const FieldTooLong = QT_TRANSLATE_NOOP("CsvFiles", "line %1: a field is too long to be read");

// The line ends in the text: CR LF, LF or CR alone. afterCr tells whether the
// text before ended with a CR, and is left telling it of this text.
int countLineEnds(const char *text, size_t size, bool &afterCr)
{
    int ends = 0;
    for (size_t i = 0; i < size; ++i) {
        if (text[i] == '\r' || (text[i] == '\n' && !afterCr))
            ++ends;
        afterCr = text[i] == '\r';
    }
    return ends;
}

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

CsvReader::Encoding CsvReader::encodingOf(QIODevice &device)
{
    const QByteArray start = device.peek(Utf8ByteOrderMark.size());
    if (start.startsWith(Utf16LEByteOrderMark))
        return Encoding::Utf16LE;
    if (start.startsWith(Utf16BEByteOrderMark))
        return Encoding::Utf16BE;
    if (start.startsWith(Utf8ByteOrderMark))
        return Encoding::Utf8;
    const qint64 position = device.pos();
    // The decoder works when its text is taken: each piece is decoded into a
    // text that is dropped.
    QStringDecoder utf8(QStringDecoder::Utf8);
    const auto decode = [&utf8](const QByteArray &bytes) { [[maybe_unused]] const QString text = utf8.decode(bytes); };
    while (!utf8.hasError() && !device.atEnd())
        decode(device.read(PieceSize));
    // A sequence cut short by the end of the file ("\xC3", an "Ã" in
    // Windows-1252) shows as an error only once something follows it.
    decode(QByteArrayLiteral("\n"));
    device.seek(position);
    return utf8.hasError() ? Encoding::Windows1252 : Encoding::Utf8;
}

CsvReader::CsvReader(QIODevice &device, Encoding encoding, char separator)
    : m_device(device)
    , m_decoder(EncodingNames[int(encoding)])
    , m_parser(std::make_unique<csv_parser>())
{
    // Strict: a quote inside an unquoted field, or text after a closing
    // quote, is a fault rather than a guess. Every line end is reported, so
    // that the lines of the file are counted.
    csv_init(m_parser.get(), CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL);
    csv_set_space_func(m_parser.get(), isTrimmed);
    csv_set_delim(m_parser.get(), static_cast<unsigned char>(separator));
}

CsvReader::CsvReader(QIODevice &device, char separator)
    : CsvReader(device, encodingOf(device), separator)
{ }

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
    m_current.fields.append(QString::fromUtf8(data, qsizetype(size)));
    bool afterCr = false;
    m_line += countLineEnds(data, size, afterCr);
    m_afterCr = false;
}

void CsvReader::endRecord(int terminator)
{
    // No record from a fault on is handed out.
    if (m_inRecord && m_fault.isEmpty())
        m_ready.append(std::move(m_current));
    m_inRecord = false;
    m_current = {};
    if (terminator == '\r' || terminator == '\n') {
        const char lineEnd = char(terminator);
        m_line += countLineEnds(&lineEnd, 1, m_afterCr);
    }
}

void CsvReader::failAt(int line, const char *what)
{
    if (m_fault.isEmpty())
        m_fault = QCoreApplication::translate("CsvFiles", what).arg(line);
}

void CsvReader::feed()
{
    const QByteArray piece = m_device.read(PieceSize);
    if (piece.isEmpty()) {
        m_ended = true;
        if (csv_fini(m_parser.get(), onField, onRecord, this) != 0)
            failAt(m_line, UnclosedQuote);
        return;
    }
    // libcsv sees UTF-8 whatever the file's encoding, in which the separator,
    // the quote and the line ends are single bytes.
    const QByteArray text = QString(m_decoder.decode(piece)).toUtf8();
    const size_t size = size_t(text.size());
    const size_t parsed = csv_parse(m_parser.get(), text.constData(), size, onField, onRecord, this);
    if (parsed != size) {
        const int line = m_linesFed + countLineEnds(text.constData(), parsed, m_fedEndsInCr) + 1;
        if (csv_error(m_parser.get()) != CSV_EPARSE)
            failAt(line, FieldTooLong);
        else
            failAt(line, text.at(qsizetype(parsed)) == '"' ? QuoteInUnquotedField : TextAfterClosingQuote);
        return;
    }
    m_linesFed += countLineEnds(text.constData(), size, m_fedEndsInCr);
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
