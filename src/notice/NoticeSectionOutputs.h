#pragma once

// The two outputs of the notice writer's section builders (NoticeWriter.cpp
// only): a text, or the bytes of the file encoded as they are built.

#include "Formatting.h"
#include "NoticeKeys.h"
#include "platform/TextFile.h"

#include <QByteArray>
#include <QLatin1String>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace NoticeSectionOutputs {

using NoticeKeys::Key;
using NoticeKeys::Section;

// The builders below write a section to an output of one of two kinds, the
// same calls for both, so that the two cannot differ by a byte: TextOut
// appends to a text, BytesOut encodes straight into the bytes of the file as
// it goes, in one pass, with no text in between. A NOTICE section has some two
// hundred lines: each is appended where it goes rather than built apart.

// The section as text.
class TextOut
{
public:
    using KeyText = QString;

    explicit TextOut(QString &text)
        : m_text(text)
    { }

    qsizetype size() const { return m_text.size(); }
    void truncate(qsizetype size) { m_text.truncate(size); }
    void appendLineEnd() { m_text.append(QLatin1String("\r\n")); }
    static QString keyText(Key key) { return NoticeKeys::text(key); }
    void appendKeyLine(const QString &keyText, QStringView keySuffix, QStringView value)
    {
        Formatting::appendKeyLine(m_text, keyText, keySuffix, value);
    }
    qsizetype openSection(Section which) { return Formatting::openSection(m_text, NoticeKeys::tag(which)); }
    void closeSection(qsizetype start, Section which)
    {
        Formatting::closeSection(m_text, start, NoticeKeys::tag(which));
    }

private:
    QString &m_text;
};

// What BytesOut writes of the keys and tags: their text file bytes, made once.
// Keys and tags are plain ASCII.
struct KeyBytes
{
    // A line's start as written: CR LF and the key, in room of a fixed size,
    // so that it is copied whole by a few fixed moves rather than a call.
    struct LineStart
    {
        static constexpr qsizetype Room = 32;
        std::array<char, Room> bytes{'\r', '\n'}; // a key not in the layout: none
        qsizetype size = 2;
    };

    std::vector<LineStart> keys;  // indexed by Key
    std::vector<QByteArray> tags; // indexed by Section, in upper case as written

    static const KeyBytes &get()
    {
        static const KeyBytes bytes = [] {
            KeyBytes made;
            for (const NoticeKeys::Placement &placement : NoticeKeys::layout()) {
                const auto index = std::size_t(placement.key);
                made.keys.resize(std::max(made.keys.size(), index + 1));
                const QByteArray start = "\r\n" + NoticeKeys::text(placement.key).toLatin1();
                Q_ASSERT_X(start.size() <= LineStart::Room, "KeyBytes", "a key longer than its room");
                LineStart &line = made.keys[index];
                line.size = std::min(start.size(), LineStart::Room);
                std::copy(start.begin(), start.begin() + line.size, line.bytes.begin());
            }
            for (int section = 0; section <= int(Section::Tail); ++section)
                made.tags.push_back(NoticeKeys::tag(Section(section)).toUpper().toLatin1());
            return made;
        }();
        return bytes;
    }
};

// The section in the text file encoding. A character without a byte there
// marks the output as not encodable (its place gets a '?', never written).
// The bytes are written through a pointer into room made ahead, many lines
// at a time; finish cuts the bytes to what was written.
class BytesOut
{
public:
    explicit BytesOut(QByteArray &bytes)
        : m_bytes(bytes)
        , m_names(KeyBytes::get())
        , m_size(bytes.size())
    { }

    void finish() { m_bytes.truncate(m_size); }
    bool encodable() const { return m_encodable; }
    qsizetype size() const { return m_size; }
    void truncate(qsizetype size) { m_size = size; }
    void appendLineEnd() { append("\r\n", 2); }

    const KeyBytes::LineStart &keyText(Key key) const { return m_names.keys[std::size_t(key)]; }

    // As Formatting::appendKeyLine: CR LF, key, key suffix, " = ", the value
    // with each line break as one blank; nothing for an empty value or key.
    void appendKeyLine(const KeyBytes::LineStart &lineStart, QStringView keySuffix, QStringView value)
    {
        if ((lineStart.size == 2 && keySuffix.isEmpty()) || value.isEmpty())
            return;
        // The line start is copied whole, its room included; what follows it
        // is written over the rest.
        char *const start
            = room(std::max(KeyBytes::LineStart::Room, lineStart.size + keySuffix.size() + 3) + value.size());
        std::memcpy(start, lineStart.bytes.data(), KeyBytes::LineStart::Room);
        char *out = start + lineStart.size;
        out = encodeKeySuffix(keySuffix, out);
        *out++ = ' ';
        *out++ = '=';
        *out++ = ' ';
        out = encodeValue(value, out);
        // A CR LF inside the value became one blank: the line may be shorter than its room.
        m_size += out - start;
    }

    qsizetype openSection(Section which)
    {
        const qsizetype start = m_size;
        const QByteArray &written = tag(which);
        append("<", 1);
        append(written.constData(), written.size());
        append(">", 1);
        return start;
    }

    // As Formatting::closeSection: an empty section is cut away whole.
    void closeSection(qsizetype start, Section which)
    {
        const QByteArray &written = tag(which);
        if (written.isEmpty() || m_size <= start + written.size() + 2) {
            m_size = start;
            return;
        }
        append("\r\n</", 4);
        append(written.constData(), written.size());
        append(">", 1);
    }

private:
    const QByteArray &tag(Section which) const { return m_names.tags[std::size_t(which)]; }

    // Where count more bytes go; the caller adds to m_size what it wrote.
    char *room(qsizetype count)
    {
        if (m_size + count > m_room) {
            m_bytes.resize(std::max(2 * m_bytes.size(), m_size + count + 8192));
            m_data = m_bytes.data();
            m_room = m_bytes.size();
        }
        return m_data + m_size;
    }

    void append(const char *bytes, qsizetype count)
    {
        std::copy(bytes, bytes + count, room(count));
        m_size += count;
    }

    // Copies the units as bytes and returns the position after them when
    // every one of them is printable ASCII, as nearly every unit of a notice
    // is; nullptr otherwise, having written an unspecified part. A longer
    // text goes through a loop without early exit, which an optimised build
    // turns into vector instructions; a short one (an azimuth, a value of a
    // few characters) through a plain loop, which costs less to start.
    static char *copyPlain(QStringView text, char *out)
    {
        const char16_t *in = text.utf16();
        const qsizetype count = text.size();
        if (count >= 16) {
            unsigned others = 0; // not zero once a unit lies below a blank or above 0x7F
            for (qsizetype i = 0; i < count; ++i) {
                const unsigned c = in[i];
                others |= unsigned(c < 0x20) | (c >> 7);
                out[i] = char(c);
            }
            return others == 0 ? out + count : nullptr;
        }
        const char16_t *const end = in + count;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        // Four units at a time, as one 64-bit word: each lies from a blank to
        // 0x7F when no unit has a bit above 0x7F and each reaches 0x80 when
        // 0x60 is added to it; their low bytes are the bytes.
        constexpr std::uint64_t High = 0xFF80FF80FF80FF80u, Lift = 0x0060006000600060u;
        constexpr std::uint64_t Reached = 0x0080008000800080u;
        for (; end - in >= 4; in += 4, out += 4) {
            std::uint64_t units;
            std::memcpy(&units, in, sizeof units);
            if ((units & High) != 0 || ((units + Lift) & Reached) != Reached)
                return nullptr;
            const auto bytes = std::uint32_t((units & 0xFF) | ((units >> 8) & 0xFF00) | ((units >> 16) & 0xFF0000)
                                             | ((units >> 24) & 0xFF000000));
            std::memcpy(out, &bytes, sizeof bytes);
        }
#endif
        for (; in != end; ++in) {
            const unsigned c = *in;
            if (c - 0x20u >= 0x60u)
                return nullptr;
            *out++ = char(c);
        }
        return out;
    }

    char *encodeKeySuffix(QStringView keySuffix, char *out)
    {
        if (char *end = copyPlain(keySuffix, out))
            return end;
        for (const QChar c : keySuffix)
            *out++ = encoded(c.unicode());
        return out;
    }

    // The value with each line break (CR LF, a lone CR or a lone LF) and each
    // tab as one blank.
    char *encodeValue(QStringView value, char *out)
    {
        if (char *end = copyPlain(value, out))
            return end;
        const char16_t *in = value.utf16();
        const char16_t *const end = in + value.size();
        while (in != end) {
            const char16_t c = *in++;
            if (c == u'\r') {
                if (in != end && *in == u'\n')
                    ++in;
                *out++ = ' ';
            } else if (c == u'\n' || c == u'\t') {
                *out++ = ' ';
            } else {
                *out++ = encoded(c);
            }
        }
        return out;
    }

    char encoded(char16_t unit)
    {
        const int byte = platform::textFileByte(unit);
        if (byte >= 0)
            return char(byte);
        m_encodable = false;
        return '?';
    }

    QByteArray &m_bytes;
    const KeyBytes &m_names;
    qsizetype m_size;
    char *m_data = nullptr; // the bytes' own storage, once room was made
    qsizetype m_room = 0;   // the bytes' size, up to which m_data may be written
    bool m_encodable = true;
};

} // namespace NoticeSectionOutputs
