#pragma once

#include "form/Language.h"
#include "notice/NoticeFileChecker.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class QIODevice;
class QPagedPaintDevice;

// The report of a notice file, painted page by page on a paged device (a
// QPdfWriter, a QPrinter):
//   - first the list of every notice: number, type, action, fragment,
//     frequency, site and coordinates in degrees, minutes and seconds;
//   - then each notice from a new page: each item under its number and
//     description as the form names it, the coordinated administrations, the
//     antenna tables as numbers and as polar diagrams;
//   - on every page the file's name, its administration, its capture date
//     and "page N of M".
// The file is read three times and never held: once checked and its pages
// counted, once for the list, once for the notices. So the input must be
// seekable (hold a pipe in a QBuffer first).
struct NoticeReportSettings
{
    Language language = Language::English; // the form's descriptions; the report's own texts follow tr()
    QString fileName;                      // the name printed on every page
};

struct NoticeReportResult
{
    enum Outcome { Written, Faulty, Unreadable };
    Outcome outcome = Unreadable;
    int notices = 0;
    int pages = 0;
    QString error; // Unreadable: why
};

// Checks the notice file read from input and, when it is sound, paints its
// report on output. A file with faults is not painted at all (nothing is
// begun on output): each fault goes to onFault in line order.
NoticeReportResult writeNoticeReport(QIODevice &input, QPagedPaintDevice &output, const NoticeReportSettings &settings,
                                     const std::function<void(const NoticeFileFault &)> &onFault);
