#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The 8-bit encoding of the text files the program writes (Windows-1252), by
// a table of its own: the same mapping as a converter library's, in one pass.
namespace platform {

// The 8-bit encoding of every text file the program writes.
QString textFileEncodingName();

// The position of the first character of text that the text file encoding
// cannot represent, or -1 when it can represent all of it. A character outside
// the basic plane counts from its first UTF-16 unit.
qsizetype findUnencodable(const QString &text);

// The text in the text file encoding, or nothing when a character of it has
// no byte there.
std::optional<QByteArray> encodeText(const QString &text);

// The byte of one UTF-16 unit in the text file encoding, or -1 when it has
// none (a surrogate never has). Inline for the common case, so that a writer
// can encode straight into its output as it goes.
int textFileByteOfOther(char16_t unit);
inline int textFileByte(char16_t unit)
{
    // Latin-1 but for 0x80 to 0x9F, which stand for other characters.
    return unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF) ? int(unit) : textFileByteOfOther(unit);
}

// Encodes text into out, which has room for one byte per UTF-16 unit. The
// position of the first unit that has no byte, or -1 when every unit has one.
qsizetype encodeTextInto(const QString &text, char *out);

// The character at position: one UTF-16 unit, or two for a character outside
// the basic plane.
QString characterAt(const QString &text, qsizetype position);

// The character at position as "x" (U+XXXX): how messages name a character.
QString describeCharacter(const QString &text, qsizetype position);

} // namespace platform
