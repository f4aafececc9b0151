#pragma once

#include <QString>

class QIODevice;

// The faults of the spreadsheet readers and writers, in the user's words.
namespace SheetFaults {

// "the file is not a workbook that can be read: <why>"
QString unreadable(const QString &why);
// "row 7: <why>"
QString atRow(int row, const QString &why);
QString tooManyRows(int maxRows);
// "the file cannot be written: <the device's reason>"
QString cannotWrite(const QIODevice &out);
// Flushes a file device: the fault when it could not be written, else
// nothing.
QString flushFault(QIODevice &out);

} // namespace SheetFaults
