#pragma once

#include "TextEncoding.h"
#include "TextFileCalls.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <sys/types.h>

#include <optional>

namespace platform {

// An output text file written line by line: create (replacing an existing file
// of the same name), write a text followed by CR LF, close. Text is written in
// the text file encoding; a text holding a character that the encoding cannot
// represent is refused, never written with a substitute. Each written line is
// handed to the operating system and synced to the disk before writeLine
// returns, so a crash of the program loses no line already written.
//
// A line whose write or sync fails is cut off the file again, so the file
// holds whole lines only. When the system refuses that cut too, the object
// keeps the end of the last whole line: the next line is written there, over
// the fragment, and the fragment's rest is cut off as soon as the system
// allows; holdsFragment() tells whether some of it is still there.
//
// A file can also be made whole before it takes its name: createBeside makes
// a hidden file in the same folder, the lines go there, and putInPlace
// renames it over the name in one step. Until then an existing file of that
// name is untouched, whatever fails and even if the program is killed; a file
// closed before putInPlace is removed.
//
// A plain file is watched while it is written: checkStillAtName tells whether
// its name still leads to the file that was created (same device and inode),
// whether its length is exactly what was written and whether its last bytes
// are still the ones written. The owner of the file asks before each piece of
// work it writes (NoticeFileStore: before each saved notice, the start of a
// file and its end), so that a file deleted, replaced, cut short or written
// by another program is a failure, never written past. The question is one
// look-up of the name in the system and one small read, which cost about as
// much as a write of a whole notice: asked once per piece of work rather than
// once per line. replaceWith asks it itself. Devices and pipes are written
// without that check.
//
// Every operation that fails returns false and, when error is not null, puts
// there a sentence naming the file and the system's reason.
class TextFile
{
public:
    // A piece of the file that replaceWith writes: bytes, or when bytes is
    // null, size bytes of the file being replaced from offset on.
    struct Piece
    {
        QByteArray bytes;
        qint64 offset = 0;
        qint64 size = 0;

        static Piece copied(qint64 offset, qint64 size) { return {QByteArray(), offset, size}; }
    };

    TextFile() = default;
    // Closes a file still open; a failure at that point cannot be reported, so
    // callers close explicitly.
    ~TextFile();
    TextFile(const TextFile &) = delete;
    TextFile &operator=(const TextFile &) = delete;

    bool create(const QString &name, QString *error);
    // Creates a new hidden file beside name (beside the file a symbolic link
    // leads to), with the permissions of the file it is to replace, for
    // putInPlace. A device or pipe named is opened as create opens it, and
    // putInPlace then has nothing to do. A plain file that this user may not
    // write is refused as create refuses it.
    bool createBeside(const QString &name, QString *error);
    // Renames the file made by createBeside over its name, then syncs the
    // folder: from then on the name leads to it. On failure it stays hidden.
    bool putInPlace(QString *error);
    // True for a plain file that its name still leads to, whole and as written,
    // and for a device or pipe; otherwise false with the reason in error.
    bool checkStillAtName(QString *error) const;
    bool writeLine(const QString &text, QString *error);
    // Writes a line already in the text file encoding, its CR LF included,
    // as writeLine writes the line it has encoded: the writer that encodes
    // as it builds writes without a second pass over the text.
    bool writeEncodedLine(const QByteArray &line, QString *error);
    // Replaces the plain file that name leads to by one holding exactly the
    // pieces, in one step: they go to a new file in the same folder, which is
    // synced and then renamed over the old one, so that the name leads at
    // every moment either to the old file whole or to the new one whole. The
    // pieces copied are read from the old file a block at a time. The new file
    // keeps the old one's permissions. Afterwards this object writes to the
    // new file, after the pieces; a file it had open is closed. On failure the
    // old file and this object stay as they were.
    bool replaceWith(const QString &name, const QList<Piece> &pieces, QString *error);
    bool replaceWith(const QString &name, const QByteArray &bytes, QString *error)
    {
        return replaceWith(name, {Piece{bytes}}, error);
    }
    // Tries again to cut off what a failed write left after the last whole
    // line; true when nothing of it remains.
    bool cutFragment();
    bool holdsFragment() const { return m_written > m_end; }
    // The file counts as closed afterwards even when closing failed.
    bool close(QString *error);
    bool isOpen() const;
    QString fileName() const;
    // The bytes of whole lines written so far, or held by the file since
    // replaceWith.
    qint64 size() const { return qint64(m_end); }
    // The operating system's reason for the last failure of create,
    // writeLine or close ("No such file or directory").
    QString lastReason() const;

private:
    bool writeBytes(const QByteArray &bytes, QString *error);
    void adopt(int descriptor, const QString &name, off_t end, const QByteArray &lastBytes);
    QString watchedPath() const { return m_hiddenPath.isEmpty() ? m_name : m_hiddenPath; }

    int m_descriptor = -1;
    // The file as created, for the check before each write; none for a device.
    std::optional<FileIdentity> m_identity;
    // Where the next line goes: the end of the whole lines written so far.
    // Kept here rather than asked of the system for every line.
    off_t m_end = 0;
    // The end of every byte that reached the file: beyond m_end when a failed
    // write left a fragment that the system would not cut off.
    off_t m_written = 0;
    // The last bytes before m_end as they were written, to tell a file that
    // another program wrote over.
    QByteArray m_lastBytes;
    // The bytes of the line being written, kept between lines so that a line
    // of the size of the last one needs no new buffer.
    QByteArray m_bytes;
    QString m_name;
    // The hidden file of createBeside until putInPlace, and the file it
    // replaces then (a symbolic link's target).
    QString m_hiddenPath;
    QString m_placeTarget;
    mutable QString m_lastReason;
};

// Whether the file that name leads to holds bytes at its offset; false when
// it cannot be read. How a writer tells that a file it opened still ends as
// it did.
bool fileHoldsAt(const QString &name, qint64 offset, const QByteArray &bytes);

// The hidden files a write leaves beside a file when it is killed before it
// renames them over the file: ".NAME.XXXXXX" (a replacement, made while the
// file's lock is held) and ".NAME.import-PID-N" with its lock (an import's
// work file, made by process PID). workFileBeside names a new one of the
// second kind for this process; removeLeftoversOf removes those of a file
// whose lock the caller holds: every replacement, and the work files of
// processes that no longer run. It returns the names removed.
QString workFileBeside(const QString &name);
QStringList removeLeftoversOf(const QString &name);

// Renames a file over another of the same folder in one step, then syncs the
// folder so that the rename is on the disk: the name leads at every moment to
// the old file whole or to the new one whole. False, with the reason in the
// user's words, when it cannot be done; both files are then as they were.
bool renameFileOver(const QString &from, const QString &to, QString *error);

// A write beyond the size limit of the process's files (ulimit -f) kills the
// program with the signal SIGXFSZ, unless the signal is ignored: then the
// write fails with EFBIG and takes the path of every failed write (a message,
// nothing saved lost). Each program calls this first.
void ignoreFileSizeLimitSignal();

} // namespace platform
