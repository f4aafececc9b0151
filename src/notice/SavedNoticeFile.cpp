#include "SavedNoticeFile.h"

#include "Formatting.h"
#include "NoticeKeys.h"
#include "platform/TextFile.h"

using NoticeKeys::Key;
using NoticeKeys::Section;

namespace {

const QByteArray kCrLf = QByteArrayLiteral("\r\n");

QByteArray tagLine(Section section, bool closing)
{
    return (closing ? QByteArrayLiteral("</") : QByteArrayLiteral("<")) + NoticeKeys::tag(section).toLatin1() + '>'
        + kCrLf;
}

// The offset of each line of bytes, and one past the last line.
QList<qint64> lineStarts(const QByteArray &bytes)
{
    QList<qint64> starts{0};
    for (qsizetype at = bytes.indexOf('\n'); at >= 0; at = bytes.indexOf('\n', at + 1))
        starts.append(at + 1);
    if (starts.last() != bytes.size())
        starts.append(bytes.size());
    return starts;
}

// Where the complete part of a file ends: after the last "</NOTICE>" line, or
// after the HEAD when no notice is complete. -1 when the file has no HEAD.
qsizetype endOfCompletePart(const QByteArray &bytes)
{
    const QByteArray noticeEnd = kCrLf + tagLine(Section::Notice, true);
    const qsizetype lastNotice = bytes.lastIndexOf(noticeEnd);
    if (lastNotice >= 0)
        return lastNotice + noticeEnd.size();
    const QByteArray headEnd = kCrLf + tagLine(Section::Head, true);
    const qsizetype head = bytes.indexOf(headEnd);
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

SavedNoticeFile readSavedNoticeFile(const QByteArray &bytes)
{
    SavedNoticeFile saved;
    const qsizetype completeEnd = endOfCompletePart(bytes);
    if (completeEnd < 0) {
        saved.faults = checkNoticeFile(bytes).faults;
        return saved;
    }
    const QByteArray complete = bytes.left(completeEnd);
    const qint32 count = qint32(complete.count(kCrLf + tagLine(Section::Notice, false)));
    // The complete part with its TAIL must be a sound file.
    const ParsedNoticeFile parsed = checkNoticeFile(complete + finishingBytes(count));
    const QByteArray rest = bytes.mid(completeEnd);
    const QList<qint64> starts = lineStarts(complete);
    if (!parsed.isSound() || (!finishingBytes(count).startsWith(rest) && !isCutNotice(rest))) {
        saved.faults = parsed.isSound() ? checkNoticeFile(bytes).faults : parsed.faults;
        if (saved.faults.isEmpty())
            saved.faults.append({int(starts.size()), QStringLiteral("text after the last complete notice")});
        return saved;
    }

    saved.adm = parsed.head ? parsed.head->value(Key::Adm) : QString();
    for (const ParsedNotice &notice : parsed.notices) {
        const qint64 offset = starts.at(notice.openLine - 1);
        saved.notices.append({offset, starts.at(notice.closeLine) - offset});
        saved.summaries.append(noticeSummary(notice));
        const QString type = notice.value(Key::NoticeType);
        if (!saved.formKind && type == QLatin1String(NoticeCodes::SoundType))
            saved.formKind = FormKind::T01;
        if (!saved.formKind && type == QLatin1String(NoticeCodes::TelevisionType))
            saved.formKind = FormKind::T02;
    }
    saved.startSize = saved.notices.isEmpty() ? completeEnd : saved.notices.first().offset;
    saved.keptSize = completeEnd;
    saved.finished = rest == finishingBytes(count);
    if (!rest.isEmpty() && isCutNotice(rest)) {
        const int line = int(starts.size());
        saved.leftOut
            = NoticeFileFault{line,
                              QStringLiteral("notice %1, from line %2, is cut off before its end: it is left out")
                                  .arg(count + 1)
                                  .arg(line)};
    }
    return saved;
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
