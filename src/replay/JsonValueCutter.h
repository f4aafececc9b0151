#pragma once

#include <QByteArray>

class QIODevice;

// Reads JSON text from a device a piece at a time and cuts it into the texts
// of single values, without building them: strings (with their escapes) and
// nested arrays and objects are followed only as far as needed to find where
// a value ends. A long array can so be walked one element at a time, holding
// one read piece and one element in memory, whatever its length; each element
// is then parsed on its own.
//
// The cutting checks the structure it walks (matching brackets, closed
// strings, commas between elements) but not the inside of a value: a number
// or a literal is taken as the bytes up to the next delimiter, and escapes
// are only skipped. Whoever needs the values parses the texts and so finds
// every other fault.
class JsonValueCutter
{
public:
    enum class Result {
        Value,     // one element, its text given
        End,       // the closing bracket of the array
        Malformed, // the text is not what the call expects, or ended too soon
    };

    explicit JsonValueCutter(QIODevice *device, qsizetype pieceSize = 64 * 1024);

    // Skips JSON whitespace (space, tab, line feed, carriage return).
    void skipWhitespace();
    // The next byte, or -1 at the end of the text.
    int peek();
    // Takes the next byte if it is the expected one.
    bool take(char expected);
    // True once every byte of the text is taken.
    bool atEnd() { return peek() < 0; }
    // Takes one whole value, leading whitespace skipped; its text is appended
    // to text when given. False when the text holds no complete value here.
    bool readValue(QByteArray *text);

    // Walking an array: enterArray() takes its opening bracket (after
    // whitespace); each nextElement() then gives one element, and End once
    // the closing bracket is taken. startInsideArray() does the same for a
    // device placed just after an opening bracket.
    bool enterArray();
    void startInsideArray();
    Result nextElement(QByteArray &text);

    // Where the next byte lies, counted from where the device stood when the
    // stream was made.
    qint64 offset() const { return m_consumedBefore + m_position; }

private:
    bool fill();
    bool takeByte(QByteArray *text, qsizetype &start, char &c);
    bool readString(QByteArray *text);
    bool readContainer(QByteArray *text);
    bool readScalar(QByteArray *text);
    void keepFrom(QByteArray *text, qsizetype start);

    QIODevice *m_device;
    qsizetype m_pieceSize;
    QByteArray m_piece;          // the piece being read
    qsizetype m_position = 0;    // the next byte in m_piece
    qint64 m_consumedBefore = 0; // bytes of the pieces read before m_piece
    bool m_deviceDone = false;
    bool m_firstElement = true; // no element of the array read yet
};
