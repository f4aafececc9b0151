#pragma once

#include "notice/NoticeFileChecker.h"

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
