#include "TextEncoding.h"

#include <algorithm>

namespace platform {
namespace {

// Windows-1252 is Latin-1 (U+0000 to U+00FF, one byte each) except for the
// bytes 0x80 to 0x9F, which stand for the characters below. Five of those bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) are undefined in the code page: no character
// is written as one of them (0 below), so a control character U+0081... pasted
// into a box is refused as having no byte, and a notice file never holds
// them. No other character has a byte.
// The program encodes by this table rather than through a converter library:
// it is the same mapping, and a notice is encoded in one pass.
constexpr char16_t HighBytes[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,      // 0x88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178, // 0x98
};

} // namespace

int textFileByteOfOther(char16_t unit)
{
    for (int i = 0; i < 32; ++i) {
        if (HighBytes[i] == unit)
            return 0x80 + i;
    }
    return -1;
}

QString textFileEncodingName()
{
    return QStringLiteral("Windows-1252");
}

std::optional<QByteArray> encodeText(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    if (encodeTextInto(text, bytes.data()) >= 0)
        return std::nullopt;
    return bytes;
}

// The text goes in blocks: a block whose units are all their own bytes (a
// notice is nearly always all of them) is copied by a loop without early exit,
// which an optimised build (-O3) turns into vector instructions; any other
// block goes unit by unit through the table.
qsizetype encodeTextInto(const QString &text, char *out)
{
    constexpr qsizetype BlockSize = 64;
    const char16_t *units = reinterpret_cast<const char16_t *>(text.constData());
    const qsizetype size = text.size();
    for (qsizetype block = 0; block < size; block += BlockSize) {
        const qsizetype end = std::min(size, block + BlockSize);
        // Not zero when a unit lies above 0xFF or in 0x80 to 0x9F.
        char16_t others = 0;
        for (qsizetype i = block; i < end; ++i) {
            const char16_t unit = units[i];
            others |= char16_t(unit >> 8) | char16_t((unit & 0xFFE0) == 0x80);
            out[i] = char(unit);
        }
        if (others == 0)
            continue;
        for (qsizetype i = block; i < end; ++i) {
            const int byte = textFileByte(units[i]);
            if (byte < 0)
                return i;
            out[i] = char(byte);
        }
    }
    return -1;
}

qsizetype findUnencodable(const QString &text)
{
    // Every encodable character is one UTF-16 unit, so the first unit without
    // a byte is the start of the first character without one.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (textFileByte(text.at(i).unicode()) < 0)
            return i;
    }
    return -1;
}

QString characterAt(const QString &text, qsizetype position)
{
    const bool pair
        = text.at(position).isHighSurrogate() && position + 1 < text.size() && text.at(position + 1).isLowSurrogate();
    return text.mid(position, pair ? 2 : 1);
}

QString describeCharacter(const QString &text, qsizetype position)
{
    const QString character = characterAt(text, position);
    const char32_t code
        = character.size() == 2 ? QChar::surrogateToUcs4(character.at(0), character.at(1)) : character.at(0).unicode();
    const QString hex = QString::number(uint(code), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return QLatin1Char('"') + character + QStringLiteral("\" (U+") + hex + QLatin1Char(')');
}

} // namespace platform
