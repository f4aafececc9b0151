#pragma once

#include "FormKind.h"
#include "NoticeFileChecker.h"
#include "NoticeRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

// A notice file read back to be continued or corrected. The file is judged by
// the notice-file checker up to the end of its last complete notice, with one
// allowance: it may end without its TAIL, as a file does whose run was never
// finished. Whatever follows the last complete notice (a NOTICE section cut
// in the middle by a crash or a power cut, part of a line that a failed write
// left) is named and left out; every complete notice is kept, byte for byte.
// A file cut before its HEAD was whole holds nothing: it is started afresh.
// A value of another shape than its key's is no reason to refuse a file: the
// program writes what a box takes when its check is turned off.
// The file is read a block at a time, so a file of any length is read in the
// same memory but for the place of each notice.

// Where one NOTICE section lies in the file's bytes, its line end included.
struct NoticeSpan
{
    qint64 offset = 0;
    qint64 size = 0;
};

struct SavedNoticeFile
{
    QString adm;                            // the administration of the HEAD
    std::optional<FormKind> formKind;       // told by the first notice of type T01 or T02
    qint64 startSize = 0;                   // the three header lines and the HEAD
    QList<NoticeSpan> notices;              // the complete notices, in file order
    qint64 keptSize = 0;                    // the bytes kept: up to the end of the last complete notice
    bool finished = false;                  // the file ends with its TAIL and the empty line
    std::optional<NoticeFileFault> leftOut; // what follows the last complete notice, not kept
    bool startsAfresh = false;              // cut before its HEAD was whole: the next save writes it anew
    QList<NoticeFileFault> faults;          // why the file cannot be continued (the first
                                            // kFaultsKept); empty when it can
    qsizetype faultCount = 0;               // how many faults in all

    static constexpr qsizetype kFaultsKept = 100;

    bool canContinue() const { return faults.isEmpty(); }
    // Nothing would be lost if the file were written anew.
    bool holdsNoNotice() const { return canContinue() && notices.isEmpty(); }
};

// Reads a file from a device that can seek, open for reading.
SavedNoticeFile readSavedNoticeFile(QIODevice &device);
SavedNoticeFile readSavedNoticeFile(const QByteArray &bytes);

// Whether the file that name leads to is a notice file that holds no complete
// notice: empty, cut inside or right after its start. A new run may write it
// anew without asking, as it holds nothing to lose. False for a file that
// cannot be read or is not a notice file.
bool fileHoldsNoNotice(const QString &name);

// The end of a file whose last notice carries the number count: the TAIL and
// the empty line, as bytes.
QByteArray finishingBytes(qint32 count);

// The record that writes the notice again: for a notice the writer wrote, the
// NOTICE section of this record under the same number is the section read.
// Items that a written value cannot tell apart come back in one form: the
// coordinated administrations fill the first boxes in their order, a date
// comes back with its zeros ("2005-12-07"), a coordinate or an hour in its
// parts as written, except a target's "00" seconds, which come back empty
// (see secondsOfTarget). The administration is the HEAD's.
NoticeRecord noticeRecordOf(const ParsedNotice &notice, const QString &adm);
