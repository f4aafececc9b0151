#include "NoticeFileLines.h"

#include "FaultText.h"
#include "NoticeRecord.h"
#include "platform/TextFile.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

using NoticeKeys::Key;
using NoticeKeys::Section;

namespace NoticeFileLines {
namespace {

// The azimuth that ends an azimuth key ("t_attn@azm" + "350"): one of 0, 10,
// ... 350, written without leading zeros. -1 when the suffix is none of them.
int azimuthOf(const QString &suffix)
{
    bool ok = false;
    const int azimuth = suffix.toInt(&ok);
    if (!ok || QString::number(azimuth) != suffix || azimuth < 0 || azimuth % kAzimuthStep != 0
        || azimuth >= int(kAzimuthCount) * kAzimuthStep)
        return -1;
    return azimuth;
}

// Whether a key as written is this key of the table; for an azimuth key, the
// azimuth it names goes to azimuth.
bool keyMatches(Key key, const QString &written, int *azimuth)
{
    const QString text = NoticeKeys::text(key);
    if (!NoticeKeys::takesAzimuth(key))
        return written == text;
    if (!written.startsWith(text))
        return false;
    *azimuth = azimuthOf(written.mid(text.size()));
    return *azimuth >= 0;
}

// The character of each byte in the text file encoding: a one-byte encoding,
// so a line decodes byte by byte, wherever the file is cut into pieces.
const std::array<QChar, 256> &characterOfByte()
{
    static const std::array<QChar, 256> table = [] {
        std::array<QChar, 256> characters;
        QStringDecoder decoder(platform::textFileEncodingName().toLatin1().constData());
        for (int byte = 0; byte < 256; ++byte) {
            const char c = char(byte);
            const QString text = decoder.isValid() ? decoder.decode(QByteArrayView(&c, 1)) : QString();
            characters[byte] = text.size() == 1 ? text.at(0) : QChar(byte);
        }
        return characters;
    }();
    return table;
}

// The bytes that Windows-1252 leaves undefined: the writer never writes them.
bool isUndefinedByte(char c)
{
    const uchar byte = uchar(c);
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

QString decoded(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    const std::array<QChar, 256> &table = characterOfByte();
    QChar *out = text.data();
    for (const char c : bytes)
        *out++ = table[uchar(c)];
    return text;
}

} // namespace

void LineSplitter::take(QByteArrayView piece)
{
    m_started = m_started || !piece.isEmpty();
    if (m_tooLong)
        return;
    if (m_bytes.size() + piece.size() > NoticeKeys::kLongestLine + 1) { // + 1: the carriage return
        m_tooLong = true;
        m_bytes = QByteArray();
        return;
    }
    m_bytes.append(piece);
}

Line LineSplitter::cut(bool lineFeed)
{
    Line line;
    line.number = ++m_number;
    if (m_tooLong) {
        line.tooLong = true;
        line.faults.append(FaultText::tr("line longer than %1 characters").arg(NoticeKeys::kLongestLine));
    } else {
        QByteArrayView bytes = m_bytes;
        const bool endsWithCr = bytes.endsWith('\r');
        if (endsWithCr)
            bytes.chop(1);
        if (!lineFeed && !endsWithCr)
            line.faults.append(FaultText::tr("line end missing"));
        else if (!lineFeed || !endsWithCr || bytes.contains('\r'))
            line.faults.append(FaultText::tr("line end is not CR LF"));
        const auto undefined = std::find_if(bytes.begin(), bytes.end(), isUndefinedByte);
        if (undefined != bytes.end())
            line.faults.append(
                FaultText::tr("byte 0x%1 is undefined in %2")
                    .arg(QString::number(uchar(*undefined), 16).toUpper(), platform::textFileEncodingName()));
        // A stray carriage return is reported above; the rest of the line
        // is read without it.
        line.text = decoded(bytes);
        line.text.remove(QLatin1Char('\r'));
    }
    m_bytes.clear();
    m_started = false;
    m_tooLong = false;
    return line;
}

std::optional<TagLine> readTag(const QString &text)
{
    if (!text.startsWith(QLatin1Char('<')) || !text.endsWith(QLatin1Char('>')))
        return std::nullopt;
    const bool closing = text.startsWith(QLatin1String("</"));
    const qsizetype nameStart = closing ? 2 : 1;
    const std::optional<Section> section = NoticeKeys::sectionForTag(text.mid(nameStart, text.size() - 1 - nameStart));
    if (!section)
        return std::nullopt;
    return TagLine{*section, closing};
}

QString openTag(Section section)
{
    return QLatin1Char('<') + NoticeKeys::tag(section) + QLatin1Char('>');
}

QString closeTag(Section section)
{
    return QStringLiteral("</") + NoticeKeys::tag(section) + QLatin1Char('>');
}

std::size_t positionOfKey(Section section, const QString &written, int *azimuth)
{
    const std::vector<NoticeKeys::Placement> &layout = NoticeKeys::layout();
    for (std::size_t i = 0; i < layout.size(); ++i) {
        if (layout[i].section == section && keyMatches(layout[i].key, written, azimuth))
            return i;
    }
    return kNoPosition;
}

bool isKnownKey(const QString &written)
{
    int azimuth = -1;
    for (const NoticeKeys::Placement &placement : NoticeKeys::layout()) {
        if (keyMatches(placement.key, written, &azimuth))
            return true;
    }
    return false;
}

std::size_t positionOfSection(Section section)
{
    const std::vector<NoticeKeys::Placement> &layout = NoticeKeys::layout();
    for (std::size_t i = 0; i < layout.size(); ++i) {
        if (layout[i].section == section)
            return i;
    }
    return kNoPosition;
}

bool isAntennaSection(Section section)
{
    return section == Section::AntHgt || section == Section::AntDiagrH || section == Section::AntDiagrV;
}

} // namespace NoticeFileLines
