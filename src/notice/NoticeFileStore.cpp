#include "NoticeFileStore.h"

#include "Formatting.h"
#include "NoticeWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

using Piece = platform::TextFile::Piece;

// The program's own sentences in this file, translated.
class StoreText
{
    Q_DECLARE_TR_FUNCTIONS(NoticeFileStore)
};

namespace {

const QByteArray kCrLf = QByteArrayLiteral("\r\n");

QString quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// A section as the file holds it, its line end included; empty when a
// character of it has no byte in the file's encoding.
QByteArray sectionBytes(const QString &section)
{
    const std::optional<QByteArray> bytes = platform::encodeText(section);
    return bytes ? *bytes + kCrLf : QByteArray();
}

// The list line of a NOTICE section as the store writes it: its key lines
// read back, then summarised as the checker's list does.
QString summaryOf(const QString &section)
{
    ParsedNotice notice;
    const QString separator = QStringLiteral(" = ");
    for (const QStringView line : QStringView(section).split(u"\r\n")) {
        const qsizetype at = line.indexOf(separator);
        if (at > 0)
            notice.keyLines.append({0, line.left(at).toString(), line.mid(at + separator.size()).toString()});
    }
    return noticeSummary(notice);
}

} // namespace

bool NoticeFileStore::takeLock(const QString &name, QString *error)
{
    // A file opened that holds nothing is started afresh under the lock it has.
    if (m_lock.isHeld() && name == m_name)
        return true;
    const std::optional<platform::FileIdentity> existing = platform::fileIdentity(name);
    m_plainFile = !existing || existing->regular;
    m_leftoversRemoved.clear();
    if (!m_plainFile)
        return true;
    if (!m_lock.acquire(name, error))
        return false;
    // Under the lock no other run of this file can be midway.
    if (m_lock.isHeld())
        m_leftoversRemoved = platform::removeLeftoversOf(name);
    return true;
}

bool NoticeFileStore::create(const QString &name, QString *error)
{
    if (!takeLock(name, error))
        return false;
    // The new file is made beside an existing one, which keeps its name
    // until the new file's start is on the disk (see writeStart).
    if (!m_file.createBeside(name, nullptr)) {
        if (error)
            *error = StoreText::tr("Cannot create the file %1: %2").arg(name, m_file.lastReason());
        m_lock.release();
        return false;
    }
    m_name = name;
    m_started = false;
    return true;
}

bool NoticeFileStore::writeStart(const QStringList &headerLines, const QString &adm, QString *error)
{
    // The file is watched once per piece of work: here for the four lines of
    // the start, then it takes its name.
    bool written = m_file.checkStillAtName(error);
    for (const QString &piece : headerLines + QStringList{makeHeadSection(adm)})
        written = written && m_file.writeLine(piece, error);
    if (!written || !m_file.putInPlace(error)) {
        // A file without its full start never takes the name: the hidden
        // file goes with the close, the file of that name, if any, is as it
        // was, and the next save creates the file again.
        m_file.close(nullptr);
        m_lock.release();
        return false;
    }
    m_saved = SavedNoticeFile{};
    m_saved.adm = adm;
    m_saved.startSize = m_saved.keptSize = m_file.size();
    m_started = true;
    m_unwritten = false;
    return true;
}

bool NoticeFileStore::open(const QString &name, QString *error)
{
    const std::optional<platform::FileIdentity> identity = platform::fileIdentity(name);
    if (!identity || !identity->regular) {
        if (error)
            *error
                = StoreText::tr("Cannot open the file %1: %2.")
                      .arg(quoted(name),
                           identity ? StoreText::tr("it is not a plain file") : StoreText::tr("there is no such file"));
        return false;
    }
    if (!takeLock(name, error))
        return false;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = StoreText::tr("Cannot read the file %1: %2.").arg(quoted(name), file.errorString());
        m_lock.release();
        return false;
    }
    SavedNoticeFile saved = readSavedNoticeFile(file);
    if (!saved.canContinue()) {
        if (error) {
            const NoticeFileFault &first = saved.faults.first();
            *error = StoreText::tr("The file %1 is not a notice file that can be continued: line %2: %3")
                         .arg(quoted(name))
                         .arg(first.line)
                         .arg(first.message);
            if (saved.faultCount > 1)
                *error += StoreText::tr(" (and %n more faults)", nullptr, int(saved.faultCount - 1));
            *error += QLatin1Char('.');
        }
        m_lock.release();
        return false;
    }
    m_name = name;
    m_saved = std::move(saved);
    m_openedAs = identity;
    m_openedAs->size = file.size();
    // Its last bytes, to tell a file that another program changed.
    file.seek(std::max<qint64>(0, file.size() - kLastBytesCompared));
    m_openedLastBytes = file.read(kLastBytesCompared);
    m_started = !m_saved.startsAfresh;
    m_unwritten = true;
    return true;
}

bool NoticeFileStore::checkUnchanged(QString *error) const
{
    bool same = false;
    if (!m_unwritten) {
        same = m_file.checkStillAtName(nullptr);
    } else {
        const std::optional<platform::FileIdentity> now = platform::fileIdentity(m_name);
        same = now && now->isSameFile(*m_openedAs) && now->size == m_openedAs->size
            && platform::fileHoldsAt(m_name, now->size - m_openedLastBytes.size(), m_openedLastBytes);
    }
    if (!same && error)
        *error = StoreText::tr("The file %1 was changed, moved or deleted by another program while it was "
                               "open here; nothing was written to it.")
                     .arg(quoted(m_name));
    return same;
}

bool NoticeFileStore::rewrite(const QList<platform::TextFile::Piece> &pieces, QString *error)
{
    if (!m_file.replaceWith(m_name, pieces, error))
        return false;
    m_unwritten = false;
    return true;
}

// An opened file gets its first write: what was read of it, without its TAIL
// or what followed its last complete notice, becomes the whole file.
bool NoticeFileStore::writeKeptPart(QString *error)
{
    return checkUnchanged(error) && rewrite({Piece::copied(0, m_saved.keptSize)}, error);
}

void NoticeFileStore::noteSection(qint64 offset, const QByteArray &section, qint32 index)
{
    if (!m_plainFile)
        m_writtenOnlySummaries.append(summaryOf(QString::fromLatin1(section)));
    if (index == m_saved.notices.size()) {
        m_saved.notices.append({offset, section.size()});
        return;
    }
    const qint64 shift = section.size() - m_saved.notices[index].size;
    m_saved.notices[index].size = section.size();
    for (qsizetype later = index + 1; later < m_saved.notices.size(); ++later)
        m_saved.notices[later].offset += shift;
}

QString NoticeFileStore::summary(qint32 number) const
{
    if (number < 1 || number > noticeCount())
        return {};
    if (!m_plainFile)
        return m_writtenOnlySummaries.value(number - 1);
    const NoticeSpan span = m_saved.notices[number - 1];
    QFile file(m_name);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(span.offset))
        return {};
    QStringDecoder decoder(platform::textFileEncodingName().toLatin1().constData());
    return summaryOf(decoder.decode(file.read(span.size)));
}

bool NoticeFileStore::append(const QString &section, QString *error)
{
    if (m_unwritten && !writeKeptPart(error))
        return false;
    const qint64 offset = m_file.size();
    if (!m_file.checkStillAtName(error) || !m_file.writeLine(section, error))
        return false;
    noteSection(offset, sectionBytes(section), noticeCount());
    return true;
}

bool NoticeFileStore::append(const NoticeRecord &record, qint32 number, QString *error)
{
    QByteArray line;
    line.reserve(8192);
    // A character without a byte: the text's own write names it.
    if (!appendNoticeSectionLine(line, record, number))
        return append(makeNoticeSection(record, number), error);
    if (m_unwritten && !writeKeptPart(error))
        return false;
    const qint64 offset = m_file.size();
    if (!m_file.checkStillAtName(error) || !m_file.writeEncodedLine(line, error))
        return false;
    noteSection(offset, line, noticeCount());
    return true;
}

bool NoticeFileStore::replace(qint32 number, const QString &section, QString *error)
{
    if (!canReplace() || number < 1 || number > noticeCount()) {
        if (error)
            *error = StoreText::tr("Notice %1 of the file %2 cannot be replaced.").arg(number).arg(quoted(m_name));
        return false;
    }
    const QByteArray replacement = sectionBytes(section);
    const NoticeSpan span = m_saved.notices[number - 1];
    if (!checkUnchanged(error))
        return false;
    const qint64 after = span.offset + span.size;
    const qint64 end = m_unwritten ? m_saved.keptSize : m_file.size();
    if (!rewrite({Piece::copied(0, span.offset), Piece{replacement}, Piece::copied(after, end - after)}, error))
        return false;
    noteSection(span.offset, replacement, number - 1);
    return true;
}

std::optional<NoticeRecord> NoticeFileStore::record(qint32 number, QString *error) const
{
    if (number < 1 || number > noticeCount() || !canReplace() || !checkUnchanged(error))
        return std::nullopt;
    const NoticeSpan span = m_saved.notices[number - 1];
    QFile file(m_name);
    QByteArray start;
    QByteArray section;
    if (file.open(QIODevice::ReadOnly)) {
        start = file.read(m_saved.startSize);
        if (file.seek(span.offset))
            section = file.read(span.size);
    }
    // The section read as the one notice of a file that has the same start.
    const ParsedNoticeFile parsed = checkNoticeFile(start + section);
    if (!parsed.notices.isEmpty()) {
        NoticeRecord record = noticeRecordOf(parsed.notices.first(), m_saved.adm);
        if (sectionBytes(makeNoticeSection(record, number)) == section)
            return record;
    }
    if (error)
        *error = StoreText::tr("Notice %1 cannot be put back on the screen exactly as the file holds it; "
                               "it is left as it is.")
                     .arg(number);
    return std::nullopt;
}

bool NoticeFileStore::finish(QString *error, QString *closeError)
{
    if (!m_started)
        return true;
    const QString tail = Formatting::makeTail(noticeCount());
    if (m_unwritten && m_saved.finished) {
        // Opened and left as it was: the file is already whole.
    } else if (m_unwritten) {
        if (!checkUnchanged(error)
            || !rewrite({Piece::copied(0, m_saved.keptSize), Piece{finishingBytes(noticeCount())}}, error))
            return false;
    } else if (m_file.holdsFragment() && !m_file.cutFragment()) {
        // What a failed write left after the last notice cannot be cut off:
        // the file is written anew without it.
        if (!checkUnchanged(error)
            || !rewrite({Piece::copied(0, m_file.size()), Piece{finishingBytes(noticeCount())}}, error)) {
            if (error)
                *error += StoreText::tr(" The file ends with part of a line that could not be written, which cannot "
                                        "be cut off: every saved notice is in it; open the file again to finish it.");
            return false;
        }
    } else if (!m_file.checkStillAtName(error) || !m_file.writeLine(tail, error)) {
        return false;
    }
    // A failed close cannot be tried again (the file is released either way)
    // and every line was synced before it: it is reported, and the file counts
    // as finished.
    if (closeError)
        closeError->clear();
    if (m_file.isOpen())
        m_file.close(closeError);
    m_lock.release();
    m_started = false;
    m_unwritten = false;
    return true;
}

void NoticeFileStore::abandon()
{
    if (m_file.isOpen())
        m_file.close(nullptr);
    m_lock.release();
    m_started = false;
    m_unwritten = false;
}
