#include "replay/JsonValueCutter.h"

#include <QIODevice>

namespace {

bool isWhitespace(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The bytes that end a number or a literal.
bool isDelimiter(int c)
{
    return c < 0 || isWhitespace(c) || c == ',' || c == ']' || c == '}' || c == ':';
}

} // namespace

JsonValueCutter::JsonValueCutter(QIODevice *device, qsizetype pieceSize)
    : m_device(device)
    , m_pieceSize(pieceSize > 0 ? pieceSize : 1)
{ }

// Reads the next piece once the current one is used up; false at the end of
// the text.
bool JsonValueCutter::fill()
{
    if (m_position < m_piece.size())
        return true;
    if (m_deviceDone)
        return false;
    m_consumedBefore += m_piece.size();
    m_piece = m_device->read(m_pieceSize);
    m_position = 0;
    if (m_piece.isEmpty()) {
        m_deviceDone = true;
        return false;
    }
    return true;
}

// Appends to text the bytes of the current piece from start up to the next byte.
void JsonValueCutter::keepFrom(QByteArray *text, qsizetype start)
{
    if (text)
        text->append(m_piece.constData() + start, m_position - start);
}

int JsonValueCutter::peek()
{
    if (!fill())
        return -1;
    return static_cast<unsigned char>(m_piece.at(m_position));
}

void JsonValueCutter::skipWhitespace()
{
    while (isWhitespace(peek()))
        ++m_position;
}

bool JsonValueCutter::take(char expected)
{
    if (peek() != static_cast<unsigned char>(expected))
        return false;
    ++m_position;
    return true;
}

bool JsonValueCutter::readValue(QByteArray *text)
{
    skipWhitespace();
    const int c = peek();
    if (c == '"')
        return readString(text);
    if (c == '[' || c == '{')
        return readContainer(text);
    return readScalar(text);
}

// The next byte of the value being read into text (from start in the piece).
// At the end of a piece, the bytes read so far are kept and the next piece is
// read, so start moves to its beginning. False at the end of the input.
bool JsonValueCutter::takeByte(QByteArray *text, qsizetype &start, char &c)
{
    if (m_position == m_piece.size()) {
        keepFrom(text, start);
        if (!fill())
            return false;
        start = 0;
    }
    c = m_piece.at(m_position++);
    return true;
}

// From the opening quote to the closing one; a backslash hides the byte after
// it, so an escaped quote does not end the string.
bool JsonValueCutter::readString(QByteArray *text)
{
    qsizetype start = m_position;
    ++m_position; // the opening quote, known to be in the piece
    bool escaped = false;
    for (;;) {
        char c;
        if (!takeByte(text, start, c))
            return false;
        if (escaped)
            escaped = false;
        else if (c == '\\')
            escaped = true;
        else if (c == '"') {
            keepFrom(text, start);
            return true;
        }
    }
}

// From the opening bracket to the one that closes it. The brackets still open
// are kept as the closing brackets they wait for, so that "[}" is refused;
// brackets inside strings do not count.
bool JsonValueCutter::readContainer(QByteArray *text)
{
    qsizetype start = m_position;
    QByteArray awaited;
    bool inString = false;
    bool escaped = false;
    for (;;) {
        char c;
        if (!takeByte(text, start, c))
            return false;
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
            continue;
        }
        switch (c) {
        case '"': inString = true; break;
        case '[': awaited.append(']'); break;
        case '{': awaited.append('}'); break;
        case ']':
        case '}':
            if (awaited.isEmpty() || awaited.back() != c)
                return false;
            awaited.chop(1);
            if (awaited.isEmpty()) {
                keepFrom(text, start);
                return true;
            }
            break;
        default: break;
        }
    }
}

// A number or a literal: the bytes up to the next delimiter, at least one.
bool JsonValueCutter::readScalar(QByteArray *text)
{
    if (isDelimiter(peek()) || peek() == '[' || peek() == '{' || peek() == '"')
        return false;
    qsizetype start = m_position;
    for (;;) {
        if (m_position == m_piece.size()) {
            keepFrom(text, start);
            if (!fill())
                return true; // the text ends the scalar
            start = 0;
        }
        if (isDelimiter(static_cast<unsigned char>(m_piece.at(m_position)))) {
            keepFrom(text, start);
            return true;
        }
        ++m_position;
    }
}

bool JsonValueCutter::enterArray()
{
    skipWhitespace();
    if (!take('['))
        return false;
    startInsideArray();
    return true;
}

void JsonValueCutter::startInsideArray()
{
    m_firstElement = true;
}

JsonValueCutter::Result JsonValueCutter::nextElement(QByteArray &text)
{
    text.clear();
    skipWhitespace();
    if (take(']'))
        return Result::End;
    if (!m_firstElement && !take(','))
        return Result::Malformed;
    m_firstElement = false;
    // A comma or a bracket where an element belongs is no element: readValue
    // refuses it, so "[,1]" and "[1,]" are malformed.
    if (!readValue(&text))
        return Result::Malformed;
    return Result::Value;
}
