#pragma once

#include "notice/NoticeFileChecker.h"
#include "sheet/NoticeExport.h"

#include <QString>
#include <QStringList>

class QTextStream;

// What notice-check prints about the files it is given, and its exit status.

// What notice-check reports on a file (and its exit status).
enum class CheckStatus { Sound = 0, Faulty = 1, Unreadable = 2 };

// Checks each named file and writes to out one line per fault,
// "FILE:LINE: message", then a verdict line per file; with listNotices, the
// summary of each notice comes before the faults. Returns the worst status of
// all files.
CheckStatus checkNoticeFiles(const QStringList &paths, bool listNotices, QTextStream &out);

// notice-check --export: the notices of one sound file written to out as CSV
// or JSON (see NoticeExport). A file with faults is not exported: its faults
// go to err, as the check prints them. Returns the file's status.
CheckStatus exportNoticeFile(const QString &path, SheetFormat format, QIODevice &out, QTextStream &err);
