#include "SavedNoticeFile.h"

#include "Formatting.h"
#include "NoticeCodes.h"
#include "NoticeFileStream.h"
#include "NoticeKeys.h"
#include "platform/TextFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>

#include <algorithm>

using NoticeKeys::Key;
using NoticeKeys::Section;

// The program's own sentences in this file, translated.
class SavedFileText
{
    Q_DECLARE_TR_FUNCTIONS(SavedNoticeFile)
};

namespace {

const QByteArray kCrLf = QByteArrayLiteral("\r\n");

QByteArray tagLine(Section section, bool closing)
{
    return (closing ? QByteArrayLiteral("</") : QByteArrayLiteral("<")) + NoticeKeys::tag(section).toLatin1() + '>'
        + kCrLf;
}

// Where pattern last occurs in the device, or -1. Read backwards a block at
// a time: a file's last notice lies near its end.
qint64 lastIndexIn(QIODevice &device, const QByteArray &pattern)
{
    constexpr qint64 BlockSize = 1 << 20;
    const qint64 overlap = pattern.size() - 1;
    for (qint64 end = device.size(); end > overlap; end -= BlockSize) {
        const qint64 start = std::max<qint64>(0, end - BlockSize - overlap);
        if (!device.seek(start))
            return -1;
        const qsizetype at = device.read(end - start).lastIndexOf(pattern);
        if (at >= 0)
            return start + at;
    }
    return -1;
}

// Where pattern first occurs in the device from its start, or -1.
qint64 firstIndexIn(QIODevice &device, const QByteArray &pattern)
{
    constexpr qint64 BlockSize = 1 << 20;
    const qint64 overlap = pattern.size() - 1;
    for (qint64 start = 0; start < device.size(); start += BlockSize) {
        if (!device.seek(start))
            return -1;
        const qsizetype at = device.read(BlockSize + overlap).indexOf(pattern);
        if (at >= 0)
            return start + at;
    }
    return -1;
}

// Where the complete part of a file ends: after the last "</NOTICE>" line, or
// after the HEAD when no notice is complete. -1 when the file has no HEAD.
qint64 endOfCompletePart(QIODevice &device)
{
    const QByteArray noticeEnd = kCrLf + tagLine(Section::Notice, true);
    const qint64 lastNotice = lastIndexIn(device, noticeEnd);
    if (lastNotice >= 0)
        return lastNotice + noticeEnd.size();
    const QByteArray headEnd = kCrLf + tagLine(Section::Head, true);
    const qint64 head = firstIndexIn(device, headEnd);
    return head < 0 ? -1 : head + headEnd.size();
}

// Whether what follows the complete part is the start of one more NOTICE,
// cut before its end.
bool isCutNotice(const QByteArray &rest)
{
    const QByteArray open = tagLine(Section::Notice, false);
    if (open.startsWith(rest))
        return true;
    return rest.startsWith(open) && !rest.contains(tagLine(Section::Notice, true))
        && !rest.contains(tagLine(Section::Tail, false));
}

// Whether bytes could be the start of a notice file cut before its HEAD was
// whole: nothing at all, or the first header line's beginning. Anything else
// may be a file of another kind, never written over without a question.
bool isCutStart(QIODevice &device)
{
    if (!device.seek(0))
        return false;
    const QByteArray beginning = NoticeKeys::headerBeginnings().front().toLatin1();
    const QByteArray bytes = device.read(beginning.size());
    return bytes.size() == device.size() ? beginning.startsWith(bytes) : bytes == beginning;
}

// What the checker hands over while the complete part of a saved file is
// read: the form its notices tell, the faults (the first of them, and
// how many), and where each notice ends, told by the bytes of its closing
// line as they go by.
class SavedFileReader : public NoticeFileConsumer
{
public:
    explicit SavedFileReader(SavedNoticeFile &saved)
        : m_saved(saved)
    { }

    // Feeds bytes that start at offset to the stream, noting where each
    // "</HEAD>" and "</NOTICE>" line ends.
    void feed(NoticeFileStream &stream, QByteArrayView bytes, qint64 offset)
    {
        static const QByteArray headEnd = tagLine(Section::Head, true);
        static const QByteArray noticeEnd = tagLine(Section::Notice, true);
        for (qsizetype at = 0; at < bytes.size();) {
            const qsizetype lineEnd = bytes.indexOf('\n', at);
            const qsizetype end = lineEnd < 0 ? bytes.size() : lineEnd + 1;
            if (m_lineStart.size() < noticeEnd.size() + 1)
                m_lineStart.append(bytes.sliced(at, std::min(end - at, noticeEnd.size() + 1 - m_lineStart.size())));
            if (lineEnd >= 0) {
                if (m_lineStart == noticeEnd)
                    m_noticeEnds.append(offset + end);
                else if (m_lineStart == headEnd && m_headEnd < 0)
                    m_headEnd = offset + end;
                m_lineStart.clear();
            }
            at = end;
        }
        stream.feed(bytes);
    }

    void head(ParsedSection &&head) override { m_saved.adm = head.value(Key::Adm); }
    void notice(ParsedNotice &&notice) override
    {
        const QString type = notice.value(Key::NoticeType);
        if (!m_saved.formKind && type == QLatin1String(NoticeCodes::SoundType))
            m_saved.formKind = FormKind::T01;
        if (!m_saved.formKind && type == QLatin1String(NoticeCodes::TelevisionType))
            m_saved.formKind = FormKind::T02;
    }
    void fault(const NoticeFileFault &fault) override
    {
        // A file the program wrote may hold a value the checker refuses (a
        // box whose check was turned off): it is continued all the same.
        if (fault.aboutValue)
            return;
        if (m_saved.faults.size() < SavedNoticeFile::kFaultsKept)
            m_saved.faults.append(fault);
        ++m_saved.faultCount;
    }

    qint32 noticeEndCount() const { return qint32(m_noticeEnds.size()); }

    // The notices' places, once the stream has handed every notice over.
    void placeNotices()
    {
        qint64 start = m_headEnd;
        for (const qint64 end : std::as_const(m_noticeEnds)) {
            m_saved.notices.append({start, end - start});
            start = end;
        }
        m_saved.startSize = m_headEnd;
    }

private:
    SavedNoticeFile &m_saved;
    QByteArray m_lineStart; // the first bytes of the line being read
    QList<qint64> m_noticeEnds;
    qint64 m_headEnd = -1;
};

// Feeds the bytes from..to of the device to the reader; false when they
// cannot be read.
bool feedRange(QIODevice &device, qint64 from, qint64 to, SavedFileReader &reader, NoticeFileStream &stream)
{
    constexpr qint64 PieceSize = 256 * 1024;
    if (!device.seek(from))
        return false;
    QByteArray piece(PieceSize, Qt::Uninitialized);
    for (qint64 at = from; at < to;) {
        const qint64 read = device.read(piece.data(), std::min(PieceSize, to - at));
        if (read <= 0)
            return false;
        reader.feed(stream, QByteArrayView(piece.constData(), read), at);
        at += read;
    }
    return true;
}

// The line number at which the bytes after the complete part begin.
int linesBefore(QIODevice &device, qint64 end)
{
    constexpr qint64 PieceSize = 1 << 20;
    int lines = 1;
    device.seek(0);
    for (qint64 at = 0; at < end; at += PieceSize)
        lines += int(device.read(std::min(PieceSize, end - at)).count('\n'));
    return lines;
}

// The entry of an azimuth table that a key such as "t_attn@azm350" names, or
// none.
AzimuthValue *azimuthEntry(AzimuthTable &table, const QString &azimuth)
{
    bool ok = false;
    const int degrees = azimuth.toInt(&ok);
    if (!ok || degrees < 0 || degrees % kAzimuthStep != 0 || degrees / kAzimuthStep >= int(kAzimuthCount))
        return nullptr;
    return &table[std::size_t(degrees / kAzimuthStep)];
}

// "+0022030" as its parts: the hemisphere ("+" is E or N), the degrees of
// degreeDigits digits, the minutes and the seconds.
void splitCoordinate(const QString &written, int degreeDigits, const char *hemispheres, QString &degrees,
                     QString &minutes, QString &seconds, QString &hemisphere)
{
    if (written.isEmpty())
        return;
    hemisphere = QString(QLatin1Char(written.startsWith(QLatin1Char('-')) ? hemispheres[1] : hemispheres[0]));
    degrees = written.mid(1, degreeDigits);
    minutes = written.mid(1 + degreeDigits, 2);
    seconds = written.mid(3 + degreeDigits);
}

// The seconds of a target coordinate: "00" comes back as no seconds, which
// writes the same "00". Only the seconds typed in a target box are copied
// over the notice's own seconds (a notice without intention, a removal), so
// an empty box is the one that leaves the notice's own seconds as written.
QString secondsOfTarget(const QString &seconds)
{
    return seconds == QLatin1String("00") ? QString() : seconds;
}

// "08:30" as typed: "0830".
QString hourMinuteAsTyped(const QString &written)
{
    return written.left(2) + written.mid(3);
}

// The record's field of a NOTICE key written as its field stands, or none.
QString NoticeRecord::*plainField(const QString &written)
{
    for (const NoticeKeys::Placement &placement : NoticeKeys::layout()) {
        if (placement.section == Section::Notice && placement.field && written == QLatin1String(placement.text))
            return placement.field;
    }
    return nullptr;
}

void readNoticeLine(NoticeRecord &r, const NoticeKeyLine &line)
{
    if (QString NoticeRecord::*field = plainField(line.key)) {
        r.*field = line.value;
        return;
    }
    TargetAssignment &t = r.trg;
    const auto is = [&](Key key) { return line.key == NoticeKeys::text(key); };
    if (is(Key::DAdmNtc)) {
        r.d_adm_ntc = line.value;
    } else if (is(Key::TrgAdmRefId)) {
        t.trg_given = true;
        t.trg_adm_ref_id = line.value;
    } else if (is(Key::TrgFreqAssgn)) {
        t.trg_given = true;
        t.trg_freq_assgn = line.value;
    } else if (is(Key::TrgLong)) {
        t.trg_given = true;
        splitCoordinate(line.value, 3, "EW", t.trg_long_deg, t.trg_long_min, t.trg_long_sec, t.trg_long_ew);
        t.trg_long_sec = secondsOfTarget(t.trg_long_sec);
    } else if (is(Key::TrgLat)) {
        t.trg_given = true;
        splitCoordinate(line.value, 2, "NS", t.trg_lat_deg, t.trg_lat_min, t.trg_lat_sec, t.trg_lat_ns);
        t.trg_lat_sec = secondsOfTarget(t.trg_lat_sec);
    } else if (is(Key::FreqAssgn)) {
        r.freq_assgn = line.value;
    } else if (is(Key::Long)) {
        splitCoordinate(line.value, 3, "EW", r.long_deg, r.long_min, r.long_sec, r.long_ew);
    } else if (is(Key::Lat)) {
        splitCoordinate(line.value, 2, "NS", r.lat_deg, r.lat_min, r.lat_sec, r.lat_ns);
    } else if (is(Key::OpAgcy)) {
        r.op_agcy = line.value;
    } else if (is(Key::AddrCode)) {
        r.addr_code = line.value;
    } else if (is(Key::OpHhFr)) {
        r.op_hours.op_hours_given = true;
        r.op_hours.op_hh_fr = hourMinuteAsTyped(line.value);
    } else if (is(Key::OpHhTo)) {
        r.op_hours.op_hours_given = true;
        r.op_hours.op_hh_to = hourMinuteAsTyped(line.value);
    } else if (is(Key::DInuse)) {
        r.d_inuse = line.value;
    }
}

void readSubSection(NoticeRecord &r, const ParsedSection &sub)
{
    if (sub.section == Section::Coordination) {
        r.coord.coord_given = true;
        int box = 0;
        for (const NoticeKeyLine &line : sub.keyLines) {
            if (box < CoordinationList::kCount)
                r.coord.adm(++box) = line.value;
        }
        return;
    }
    AzimuthTable *table = sub.section == Section::AntHgt ? &r.eff_hgt
        : sub.section == Section::AntDiagrH              ? &r.attn_h
        : sub.section == Section::AntDiagrV              ? &r.attn_v
                                                         : nullptr;
    if (!table)
        return;
    const qsizetype keySize = NoticeKeys::text(sub.section == Section::AntHgt ? Key::EffHgtAzm : Key::AttnAzm).size();
    for (const NoticeKeyLine &line : sub.keyLines) {
        const QString azimuth = line.key.mid(keySize);
        if (AzimuthValue *entry = azimuthEntry(*table, azimuth))
            *entry = {azimuth, line.value};
    }
}

} // namespace

QByteArray finishingBytes(qint32 count)
{
    return Formatting::makeTail(count).toLatin1() + kCrLf;
}

SavedNoticeFile readSavedNoticeFile(QIODevice &device)
{
    SavedNoticeFile saved;
    const qint64 completeEnd = endOfCompletePart(device);
    if (completeEnd < 0) {
        if (isCutStart(device)) {
            saved.startsAfresh = true;
            saved.leftOut = NoticeFileFault{1,
                                            SavedFileText::tr("it holds no complete notice, and is started afresh "
                                                              "when the next notice is saved")};
            return saved;
        }
        SavedFileReader reader(saved);
        NoticeFileStream stream(reader);
        if (feedRange(device, 0, device.size(), reader, stream))
            stream.finish();
        return saved;
    }

    // The complete part with its TAIL must be a sound file.
    SavedFileReader reader(saved);
    NoticeFileStream stream(reader);
    if (!feedRange(device, 0, completeEnd, reader, stream)) {
        saved.faults = {{1, SavedFileText::tr("the file cannot be read: %1").arg(device.errorString())}};
        return saved;
    }
    const qint32 count = reader.noticeEndCount();
    const QByteArray finishing = finishingBytes(count);
    reader.feed(stream, finishing, completeEnd);
    stream.finish();
    if (!saved.canContinue())
        return saved;
    reader.placeNotices();
    saved.keptSize = completeEnd;

    // What follows holds no complete notice: the TAIL, the start of the TAIL
    // or of a notice that a crash cut off, or whatever a failed write left.
    // Anything but the TAIL is named and left out.
    const qint64 restSize = device.size() - completeEnd;
    device.seek(completeEnd);
    const QByteArray rest = device.read(std::min<qint64>(restSize, finishing.size() + 1));
    saved.finished = rest == finishing;
    if (restSize == 0 || saved.finished || finishing.startsWith(rest))
        return saved;
    const int line = linesBefore(device, completeEnd);
    device.seek(completeEnd);
    const bool cutNotice = restSize < 1 << 20 && isCutNotice(device.read(restSize));
    saved.leftOut = NoticeFileFault{
        line,
        cutNotice
            ? SavedFileText::tr("notice %1, from line %2, is cut off before its end: it is left out")
                  .arg(count + 1)
                  .arg(line)
            : SavedFileText::tr("the lines from line %1 on hold no complete notice: they are left out").arg(line)};
    return saved;
}

bool fileHoldsNoNotice(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // A file with a complete notice is told by its end, without reading it all.
    if (lastIndexIn(file, kCrLf + tagLine(Section::Notice, true)) >= 0)
        return false;
    return readSavedNoticeFile(file).holdsNoNotice();
}

SavedNoticeFile readSavedNoticeFile(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readSavedNoticeFile(buffer);
}

NoticeRecord noticeRecordOf(const ParsedNotice &notice, const QString &adm)
{
    NoticeRecord record;
    record.adm = adm;
    for (const NoticeKeyLine &line : notice.keyLines)
        readNoticeLine(record, line);
    for (const ParsedSection &sub : notice.subSections)
        readSubSection(record, sub);
    return record;
}
