#pragma once

#include "form/Language.h"
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
// summary of each notice comes before the faults. Each file is read a piece
// at a time and printed about as it is read, holding one notice: a file of
// any size is checked in the same memory. Returns the worst status of all
// files.
CheckStatus checkNoticeFiles(const QStringList &paths, bool listNotices, QTextStream &out);

// notice-check --export: the notices of one sound file written to out as CSV,
// JSON, .xlsx or .ods (see NoticeExport). A file with faults is not exported:
// its faults go to err, as the check prints them. A file is read twice,
// checked then written, one notice at a time (a pipe, which cannot be read
// twice, is held whole). Returns the file's status; Unreadable too when out
// could not be written (the fault goes to err).
CheckStatus exportNoticeFile(const QString &path, SheetFormat format, QIODevice &out, QTextStream &err);

// notice-check --report pdf: the report of one sound file (see NoticeReport)
// written to out as a PDF, its descriptions in the language. A file with
// faults is refused as by the export: its faults go to err, nothing to out.
// Returns the file's status; Unreadable too when out could not be written.
CheckStatus reportNoticeFile(const QString &path, Language language, QIODevice &out, QTextStream &err);
