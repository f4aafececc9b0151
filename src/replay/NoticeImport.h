#pragma once

#include "notice/FormKind.h"

#include <QString>

class QTextStream;

// notice-capture --import DATA --form T01|T02 [--output FILE] [--replace]:
// the notices of a CSV or JSON file (see NoticeColumns and ImportRows) saved
// through a capture window of that form exactly as typing them would save
// them. Each notice is put on the screen through the record -> screen
// binding, each box's text as typing it gives (capitals included), every
// filled box's check runs as on leaving it, then Save/Next; after the last
// notice, Finish.
//
// The file is read twice, one row at a time: first to check it whole (a
// column that is no key, a malformed file, a value that no box of the form
// can take: nothing runs, exit 2, with the line and column), then to run.
// Whatever would stop an operator stops the run: the file is finished with
// the notices saved so far, one line on err names the row, the key, and the
// title and message of the window, exit 1. An existing output file is
// refused (exit 2) unless replace is given; so are an output that is the
// file to import and a file to import that is no plain file. While err is a terminal and the
// file holds more than a few hundred notices, a progress line shows the
// count and the rate.
namespace NoticeImport {

int importFile(const QString &dataPath, FormKind kind, const QString &output, bool replace, QTextStream &out,
               QTextStream &err);

} // namespace NoticeImport
