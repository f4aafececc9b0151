#include "TextFile.h"
#include "TextFileCalls.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The program's own sentences in this file, translated.
class TextFileText
{
    Q_DECLARE_TR_FUNCTIONS(TextFile)
};

namespace platform {

using namespace textFileCalls;

namespace {

// How many of the last bytes written a writer keeps to compare with the file.
constexpr qsizetype LastBytesKept = 32;

QString quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

} // namespace

TextFile::~TextFile()
{
    if (isOpen())
        ::close(m_descriptor);
    if (!m_hiddenPath.isEmpty())
        ::unlink(QFile::encodeName(m_hiddenPath).constData());
}

namespace {

// Opens a file to be written: read too when it is a plain file, so that its
// last bytes can be compared with those written, unless this user may only
// write it. -1 with errno set on failure.
int openForWriting(const QByteArray &path, int flags, mode_t mode)
{
    int descriptor = -1;
    for (const int access : {O_RDWR, O_WRONLY}) {
        do {
            descriptor
                = callOrFail(chosenFaults().create, [&] { return ::open(path.constData(), access | flags, mode); });
        } while (descriptor < 0 && errno == EINTR);
        if (descriptor >= 0 || errno != EACCES)
            break;
    }
    return descriptor;
}

// Makes a new hidden file beside target, ".NAME." and six letters or digits
// as removeLeftoversOf knows them, opened by openForWriting. Its descriptor,
// and its path in hidden; -1 with errno set on failure.
int createHiddenBeside(const QFileInfo &target, QByteArray &hidden)
{
    static const char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const QByteArray prefix
        = QFile::encodeName(target.absolutePath() + QStringLiteral("/.") + target.fileName() + u'.');
    int descriptor = -1;
    for (int attempt = 0; attempt < 100 && descriptor < 0; ++attempt) {
        QByteArray suffix(6, Qt::Uninitialized);
        for (char &letter : suffix)
            letter = Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))];
        hidden = prefix + suffix;
        descriptor = openForWriting(hidden, O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST)
            break;
    }
    return descriptor;
}

} // namespace

bool TextFile::create(const QString &name, QString *error)
{
    if (isOpen()) {
        if (error)
            *error = TextFileText::tr("Cannot create the file %1: the file %2 is still open.")
                         .arg(quoted(name), quoted(m_name));
        return false;
    }
    const std::optional<FileIdentity> existing = fileIdentity(name);
    const int descriptor = existing && !existing->regular
        ? callOrFail(chosenFaults().create,
                     [&] { return ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CLOEXEC); })
        : openForWriting(QFile::encodeName(name), O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        m_lastReason = reason();
        if (error)
            *error = TextFileText::tr("Cannot create the file %1: %2.").arg(quoted(name), m_lastReason);
        return false;
    }
    adopt(descriptor, name, 0, QByteArray());
    return true;
}

bool TextFile::createBeside(const QString &name, QString *error)
{
    const std::optional<FileIdentity> existing = fileIdentity(name);
    if (existing && !existing->regular)
        return create(name, error);
    const auto fail = [&] {
        m_lastReason = reason();
        if (error)
            *error = TextFileText::tr("Cannot create the file %1: %2.").arg(quoted(name), m_lastReason);
        return false;
    };
    if (isOpen())
        return create(name, error);
    if (name.isEmpty()) {
        errno = ENOENT;
        return fail();
    }
    const QByteArray path = QFile::encodeName(name);
    // A file this user may not write is not replaced behind its back.
    if (existing && ::access(path.constData(), W_OK) != 0)
        return fail();
    // The file itself is replaced, not a symbolic link that leads to it.
    const QFileInfo target(existing ? QFileInfo(name).canonicalFilePath() : QFileInfo(name).absoluteFilePath());
    struct stat old;
    if (existing && ::stat(path.constData(), &old) != 0)
        return fail();
    QByteArray hidden;
    const int descriptor = createHiddenBeside(target, hidden);
    if (descriptor < 0)
        return fail();
    if (existing)
        ::fchmod(descriptor, old.st_mode & 07777);
    adopt(descriptor, name, 0, QByteArray());
    m_hiddenPath = QFile::decodeName(hidden);
    m_placeTarget = target.filePath();
    return true;
}

bool TextFile::putInPlace(QString *error)
{
    if (m_hiddenPath.isEmpty())
        return true;
    if (!checkStillAtName(error))
        return false;
    if (callOrFail(chosenFaults().rename,
                   [&] {
                       return ::rename(QFile::encodeName(m_hiddenPath).constData(),
                                       QFile::encodeName(m_placeTarget).constData());
                   })
        != 0) {
        m_lastReason = reason();
        if (error)
            *error = TextFileText::tr("Cannot create the file %1: %2.").arg(quoted(m_name), m_lastReason);
        return false;
    }
    syncFolder(QFileInfo(m_placeTarget).absolutePath());
    m_hiddenPath.clear();
    m_placeTarget.clear();
    return true;
}

void TextFile::adopt(int descriptor, const QString &name, off_t end, const QByteArray &lastBytes)
{
    m_descriptor = descriptor;
    m_name = name;
    m_end = m_written = end;
    m_lastBytes = lastBytes;
    m_identity = plainFileIdentity(descriptor);
    m_hiddenPath.clear();
    m_placeTarget.clear();
}

bool TextFile::checkStillAtName(QString *error) const
{
    // A closed file is not written: the write itself says so.
    if (!isOpen() || !m_identity)
        return true;
    const std::optional<FileIdentity> now = fileIdentity(watchedPath());
    const bool same = now && now->isSameFile(*m_identity);
    // A file that cannot be read back (one this user may only write) is
    // judged by its length alone.
    const bool readable = (::fcntl(m_descriptor, F_GETFL) & O_ACCMODE) != O_WRONLY;
    const bool asWritten = same && now->size == m_written
        && (!readable || readAt(m_descriptor, m_end - off_t(m_lastBytes.size()), m_lastBytes.size()) == m_lastBytes);
    if (asWritten)
        return true;
    if (!now)
        m_lastReason = TextFileText::tr("it was deleted or moved while it was being written");
    else if (!same)
        m_lastReason = TextFileText::tr("another file took its name while it was being written");
    else if (now->size < m_written)
        m_lastReason = TextFileText::tr("it was cut short while it was being written");
    else
        m_lastReason = TextFileText::tr("another program wrote to it while it was being written");
    if (error)
        *error = TextFileText::tr("Cannot write to the file %1: %2.").arg(quoted(m_name), m_lastReason);
    return false;
}

bool fileHoldsAt(const QString &name, qint64 offset, const QByteArray &bytes)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) && file.seek(offset) && file.read(bytes.size()) == bytes;
}

namespace {

QString hiddenPrefix(const QFileInfo &file)
{
    return QStringLiteral(".") + file.fileName() + QStringLiteral(".");
}

const QLatin1String WorkFileMark("import-");

} // namespace

QString workFileBeside(const QString &name)
{
    const QFileInfo file(name);
    for (int attempt = 0;; ++attempt) {
        const QString work = file.absolutePath() + u'/' + hiddenPrefix(file) + WorkFileMark
            + QStringLiteral("%1-%2").arg(::getpid()).arg(attempt);
        if (!fileIdentity(work) && !fileIdentity(work + QStringLiteral(".lock")))
            return work;
    }
}

QStringList removeLeftoversOf(const QString &name)
{
    const QFileInfo file(name);
    const QString prefix = hiddenPrefix(file);
    static const QRegularExpression replacement(QStringLiteral("^[A-Za-z0-9]{6}$"));
    static const QRegularExpression workFile(QStringLiteral("^import-([0-9]+)-[0-9]+(\\.lock)?$"));
    QStringList removed;
    const QDir folder = file.absoluteDir();
    for (const QString &entry : folder.entryList({prefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System)) {
        const QString rest = entry.mid(prefix.size());
        const QRegularExpressionMatch work = workFile.match(rest);
        // A work file's process still running is an import under way.
        const bool left = replacement.match(rest).hasMatch()
            || (work.hasMatch() && ::kill(pid_t(work.captured(1).toLongLong()), 0) != 0 && errno == ESRCH);
        if (left && QFile::remove(folder.filePath(entry)))
            removed.append(folder.filePath(entry));
    }
    return removed;
}

void ignoreFileSizeLimitSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

bool renameFileOver(const QString &from, const QString &to, QString *error)
{
    if (callOrFail(chosenFaults().rename,
                   [&] { return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()); })
        != 0) {
        if (error)
            *error = QCoreApplication::translate("TextFile", "The file %1 cannot be written: %2.")
                         .arg(quoted(to), reason());
        return false;
    }
    syncFolder(QFileInfo(to).absolutePath());
    return true;
}

bool TextFile::replaceWith(const QString &name, const QList<Piece> &pieces, QString *error)
{
    const auto fail = [&](const QString &sentence) {
        m_lastReason = reason();
        if (error)
            *error = sentence.arg(quoted(name), m_lastReason);
        return false;
    };
    if (isOpen() && !checkStillAtName(error))
        return false;
    // The file itself is replaced, not a symbolic link that leads to it.
    const QString target = QFileInfo(name).canonicalFilePath();
    struct stat old;
    if (target.isEmpty())
        errno = ENOENT;
    if (target.isEmpty() || ::stat(QFile::encodeName(target).constData(), &old) != 0)
        return fail(TextFileText::tr("Cannot replace the file %1: %2."));
    const QFileInfo targetInfo(target);
    QByteArray temporary;
    const int descriptor = createHiddenBeside(targetInfo, temporary);
    if (descriptor < 0)
        return fail(TextFileText::tr("Cannot replace the file %1: no new file could be made beside it: %2."));
    // The pieces copied from the old file go a block at a time, so that a
    // file of any length is replaced in the same memory.
    QFile source(target);
    off_t end = 0;
    bool complete = true;
    for (const Piece &piece : pieces) {
        if (!piece.bytes.isNull()) {
            qsizetype written = 0;
            complete = writeAll(descriptor, piece.bytes, end, written);
            end += written;
        } else {
            constexpr qint64 BlockSize = 1 << 20;
            if (!source.isOpen() && !source.open(QIODevice::ReadOnly))
                complete = false;
            for (qint64 done = 0; complete && done < piece.size; done += BlockSize) {
                const qint64 size = std::min(BlockSize, piece.size - done);
                const QByteArray block = source.seek(piece.offset + done) ? source.read(size) : QByteArray();
                if (block.size() != size) {
                    errno = EIO;
                    complete = false;
                    break;
                }
                qsizetype written = 0;
                complete = writeAll(descriptor, block, end, written);
                end += written;
            }
        }
        if (!complete)
            break;
    }
    complete = complete && syncToDisk(descriptor) && ::fchmod(descriptor, old.st_mode & 07777) == 0
        && callOrFail(chosenFaults().rename,
                      [&] { return ::rename(temporary.constData(), QFile::encodeName(target).constData()); })
            == 0;
    if (!complete) {
        const int cause = errno;
        ::close(descriptor);
        ::unlink(temporary.constData());
        errno = cause;
        return fail(TextFileText::tr("Cannot replace the file %1: %2. The file is as it was."));
    }
    syncFolder(targetInfo.absolutePath());
    if (isOpen())
        ::close(m_descriptor);
    const qsizetype kept = std::min<qsizetype>(LastBytesKept, end);
    adopt(descriptor, name, end, readAt(descriptor, end - kept, kept));
    return true;
}

bool TextFile::writeLine(const QString &text, QString *error)
{
    if (!isOpen()) {
        if (error)
            *error = TextFileText::tr("Cannot write: no file is open.");
        return false;
    }
    // One pass encodes the line and finds a character the encoding lacks.
    m_bytes.resize(text.size() + 2);
    const qsizetype bad = encodeTextInto(text, m_bytes.data());
    if (bad >= 0) {
        if (error)
            *error = TextFileText::tr("Cannot write to the file %1: the text holds the character %2, "
                                      "which %3 cannot represent.")
                         .arg(quoted(m_name), describeCharacter(text, bad), textFileEncodingName());
        return false;
    }
    m_bytes[text.size()] = '\r';
    m_bytes[text.size() + 1] = '\n';
    return writeBytes(m_bytes, error);
}

bool TextFile::writeEncodedLine(const QByteArray &line, QString *error)
{
    if (!isOpen()) {
        if (error)
            *error = TextFileText::tr("Cannot write: no file is open.");
        return false;
    }
    return writeBytes(line, error);
}

bool TextFile::writeBytes(const QByteArray &bytes, QString *error)
{
    qsizetype written = 0;
    const bool ok = writeAll(m_descriptor, bytes, m_identity ? std::optional<off_t>(m_end) : std::nullopt, written)
        && syncToDisk(m_descriptor);
    m_written = std::max(m_written, m_end + off_t(written));
    if (ok) {
        m_end += off_t(bytes.size());
        m_lastBytes
            = bytes.size() >= LastBytesKept ? bytes.right(LastBytesKept) : (m_lastBytes + bytes).right(LastBytesKept);
        // What an earlier failure left beyond a shorter line.
        cutFragment();
        return true;
    }
    m_lastReason = reason();
    // A write that fails half-way, or whose sync fails, has left part or all
    // of the line in the file: cut it off again, so that a later write of the
    // same line does not stand after a fragment or a copy of itself. Where
    // the system refuses the cut, the next line is written over it.
    const bool undone = cutFragment();
    if (error) {
        *error = TextFileText::tr("Cannot write to the file %1: %2.").arg(quoted(m_name), m_lastReason);
        if (!undone)
            *error += TextFileText::tr(" Part of the line remains at the end of the file.");
    }
    return false;
}

bool TextFile::cutFragment()
{
    if (!holdsFragment())
        return true;
    if (!m_identity || !truncateTo(m_descriptor, m_end))
        return false;
    m_written = m_end;
    return true;
}

QString TextFile::lastReason() const
{
    return m_lastReason;
}

bool TextFile::close(QString *error)
{
    if (!isOpen()) {
        if (error)
            *error = TextFileText::tr("Cannot close: no file is open.");
        return false;
    }
    const int descriptor = m_descriptor;
    m_descriptor = -1;
    // POSIX leaves the descriptor released even when close fails (EINTR
    // included), so it is never closed twice.
    int result = ::close(descriptor);
    if (failsByChoice(chosenFaults().close))
        result = -1;
    // A file never put in place is not left hidden beside the name.
    if (!m_hiddenPath.isEmpty()) {
        const int cause = errno;
        ::unlink(QFile::encodeName(m_hiddenPath).constData());
        m_hiddenPath.clear();
        errno = cause;
    }
    if (result != 0) {
        m_lastReason = reason();
        if (error)
            *error = TextFileText::tr("Cannot close the file %1: %2.").arg(quoted(m_name), m_lastReason);
        return false;
    }
    return true;
}

bool TextFile::isOpen() const
{
    return m_descriptor >= 0;
}

QString TextFile::fileName() const
{
    return m_name;
}

} // namespace platform
