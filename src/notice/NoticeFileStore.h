#pragma once

#include "NoticeRecord.h"
#include "SavedNoticeFile.h"
#include "platform/TextFile.h"
#include "platform/WriterLock.h"

#include <QString>
#include <QStringList>

#include <optional>

// The output file of one capture run on the disk, started afresh or opened
// again: notices are appended, a saved notice is replaced, and Finish writes
// the TAIL. The store keeps where each notice lies in the file, not its text.
//
// A plain file is locked against every other writer from the moment it is
// started or opened until it is finished or the store is dropped (see
// WriterLock), and watched: before each write its name must still lead to the
// file being written (see TextFile). A device or pipe named as the output is
// written as it comes, without lock or watch, and its notices cannot be
// replaced.
//
// Appending writes the section at the end of the file. Everything else that
// changes what is already written (replacing a notice, continuing a file that
// had its TAIL or a cut-off last section) writes a new file beside the old one
// and renames it over it, so the name leads at every moment to a whole file.
// Every operation that fails leaves the file as it was and puts a sentence for
// the operator in error.
class NoticeFileStore
{
public:
    // A new file in two steps: create takes the lock and creates the file
    // (replacing one of that name); writeStart writes the three header lines
    // and the HEAD of the administration, one piece per line. A file whose
    // start cannot be written whole is removed again.
    bool create(const QString &name, QString *error);
    bool writeStart(const QStringList &headerLines, const QString &adm, QString *error);

    // Reads an existing file back to continue it (see SavedNoticeFile). Fails
    // when it cannot be read, has faults other than a missing end, or is in
    // use. Nothing is written until the first append, replace or finish.
    bool open(const QString &name, QString *error);

    // Writes a NOTICE section numbered noticeCount() + 1 after the others.
    bool append(const QString &section, QString *error);
    // Writes the NOTICE section of record, numbered number, after the others:
    // what append(makeNoticeSection(record, number)) writes, encoded as it is
    // built, without the text in between.
    bool append(const NoticeRecord &record, qint32 number, QString *error);

    // Puts a NOTICE section, numbered number, in place of saved notice number.
    bool replace(qint32 number, const QString &section, QString *error);

    // The record that writes saved notice number again, read from the file;
    // nothing, with the reason in error, when the file cannot give it back.
    std::optional<NoticeRecord> record(qint32 number, QString *error) const;

    // Writes the TAIL and closes the file. A file opened again and left as it
    // was, TAIL included, is not written at all. False when the TAIL could not
    // be written (Finish may be tried again); a close that fails afterwards is
    // put in closeError, and the file counts as finished all the same.
    bool finish(QString *error, QString *closeError);

    // Lets go of the file without writing anything more: an opened file
    // stays exactly as it is on the disk.
    void abandon();

    bool isStarted() const { return m_started; }
    bool canReplace() const { return m_started && m_plainFile; }
    QString fileName() const { return m_name; }
    qint32 noticeCount() const { return qint32(m_saved.notices.size()); }
    // The line of saved notice number, as notice-check --list prints it,
    // read from the file when asked (a file of any length is held as the
    // places of its notices only); empty when the file cannot give it.
    QString summary(qint32 number) const;
    // The hidden files that runs stopped midway had left beside the file,
    // removed when it was created or opened (see platform::removeLeftoversOf).
    const QStringList &leftoversRemoved() const { return m_leftoversRemoved; }
    // What opening read: the HEAD's administration, the form, a cut-off section.
    const SavedNoticeFile &saved() const { return m_saved; }

private:
    bool takeLock(const QString &name, QString *error);
    bool checkUnchanged(QString *error) const;
    bool rewrite(const QList<platform::TextFile::Piece> &pieces, QString *error);
    bool writeKeptPart(QString *error);
    void noteSection(qint64 offset, const QByteArray &section, qint32 index);

    platform::TextFile m_file;
    platform::WriterLock m_lock;
    QStringList m_leftoversRemoved;
    QString m_name;
    SavedNoticeFile m_saved;
    bool m_started = false;
    bool m_plainFile = true;
    // An opened file not yet written: as it was read, TAIL and cut-off
    // section included; the identity it had then.
    bool m_unwritten = false;
    std::optional<platform::FileIdentity> m_openedAs;
    QByteArray m_openedLastBytes;
    // The lines of the notices written to a device or pipe, which cannot be
    // read back.
    QStringList m_writtenOnlySummaries;
    static constexpr qint64 kLastBytesCompared = 32;
};
