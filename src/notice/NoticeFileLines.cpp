#include "NoticeFileLines.h"

#include "NoticeRecord.h"
#include "platform/TextFile.h"

#include <QStringDecoder>

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

QString decoded(const QByteArray &bytes)
{
    QStringDecoder decoder(platform::textFileEncodingName().toLatin1().constData());
    return decoder.isValid() ? decoder.decode(bytes) : QString::fromLatin1(bytes);
}

} // namespace

QList<Line> splitLines(const QByteArray &bytes)
{
    const QString text = decoded(bytes);
    QList<Line> lines;
    qsizetype start = 0;
    int number = 0;
    while (start < text.size()) {
        ++number;
        const qsizetype lineFeed = text.indexOf(QLatin1Char('\n'), start);
        const qsizetype end = lineFeed < 0 ? text.size() : lineFeed;
        QString line = text.mid(start, end - start);
        const bool endsWithCr = line.endsWith(QLatin1Char('\r'));
        if (endsWithCr)
            line.chop(1);
        QString fault;
        if (lineFeed < 0 && !endsWithCr)
            fault = QStringLiteral("line end missing");
        else if (lineFeed < 0 || !endsWithCr || line.contains(QLatin1Char('\r')))
            fault = QStringLiteral("line end is not CR LF");
        // A stray carriage return is reported above; the rest of the line
        // is read without it.
        line.remove(QLatin1Char('\r'));
        lines.append({number, line, fault});
        start = end + 1;
    }
    return lines;
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
