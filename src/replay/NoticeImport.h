#pragma once

#include "notice/FormKind.h"

#include <QString>
#include <QStringList>

#include <functional>

class QTextStream;

// Notices from a spreadsheet into a notice file: the rows of a CSV, .xlsx,
// .ods or JSON file (see ImportRows; the format is told from the content),
// one notice each, saved through a capture window of the form exactly as
// typing them would save them.
//
// What goes into the file is what the cell says, or the cell is refused. Each
// cell is read in the few ways that lose nothing (see CellReadings); the notice
// is then put on a screen of the form, every box checked as on leaving it, and
// the value the form would write compared with the cell's. The file is read
// once: every fault of every row is listed (in the user's words: the row, the
// column header, the cell's text and the shape expected), and a file with any
// fault writes nothing. The output is written beside its name and renamed
// over it only when the last notice and the TAIL are on the disk, so a fault,
// a cancel or a crash never leaves half an import behind.
namespace NoticeImport {

struct Request
{
    QString dataPath;
    FormKind kind = FormKind::T01;
    QString output;       // empty: the name the capture window proposes
    bool replace = false; // whether an existing output file may be replaced
};

struct Outcome
{
    enum class Status {
        Imported,        // every row saved: the output holds them, finished
        NothingToImport, // a header and no row: no file written
        Faults,          // the rows have faults (listed); no file written
        Cancelled,       // the progress callback said stop; no file written
        Refused,         // the import cannot start: the output exists, or is the data file,
                         // or the data is no plain file or cannot be read (failure says why)
        Failed,          // the output could not be written (failure says why); no file written
    };
    Status status = Status::Failed;
    // In file order, at most MaxListedFaults: "line 3, column t_long: \"12.5\" is
    // not a longitude (+DDDMMSS, e.g. +0022030)".
    QStringList faults;
    int unlistedFaults = 0; // found beyond the listed ones
    QString failure;        // Failed: in the user's words
    QString outputFile;     // the absolute name of the output
    int notices = 0;        // Imported: the notices written
};

constexpr int MaxListedFaults = 100;

// Called after each row with how much of the file is read (0 to 1); false
// cancels the import.
using Progress = std::function<bool(double fractionRead)>;

// The import itself. The application must be a CaptureApplication.
Outcome importNotices(const Request &request, const Progress &progress = {});

// "and 12 more faults" for the faults not listed; empty when none.
QString unlistedFaultsLine(int unlisted);

// notice-capture --import DATA --form T01|T02 [--output FILE] [--replace]:
// "FILE: N notices" on out and exit 0; every fault on err, each line led by
// the data file's name, and exit 2, as for an import that cannot start; an
// output that could not be written on err and exit 1. While err
// is a terminal and the file is long, a progress line shows the rows read.
int importFile(const QString &dataPath, FormKind kind, const QString &output, bool replace, QTextStream &out,
               QTextStream &err);

} // namespace NoticeImport
