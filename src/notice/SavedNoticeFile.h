#pragma once

#include "FormKind.h"
#include "NoticeFileChecker.h"
#include "NoticeRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A notice file read back to be continued or corrected. The file is judged by
// the notice-file checker with one allowance: it may end without its TAIL, as
// a file does whose run was never finished, and its last NOTICE section may be
// cut off in the middle (a crash or a power cut while it was written). Such a
// section is named and left out; every complete notice is kept, byte for byte.

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
    QStringList summaries;                  // noticeSummary() of each
    qint64 keptSize = 0;                    // the bytes kept: up to the end of the last complete notice
    bool finished = false;                  // the file ends with its TAIL and the empty line
    std::optional<NoticeFileFault> leftOut; // a last section cut in the middle, not kept
    QList<NoticeFileFault> faults;          // why the file cannot be continued; empty when it can

    bool canContinue() const { return faults.isEmpty(); }
};

SavedNoticeFile readSavedNoticeFile(const QByteArray &bytes);

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
