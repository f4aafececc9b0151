#include "sheet/SheetFaults.h"

#include <QCoreApplication>
#include <QFileDevice>

namespace SheetFaults {

QString unreadable(const QString &why)
{
    return QCoreApplication::translate("SheetFiles", "the file is not a workbook that can be read: %1").arg(why);
}

QString atRow(int row, const QString &why)
{
    return QCoreApplication::translate("SheetFiles", "row %1: %2").arg(row).arg(why);
}

QString tooManyRows(int maxRows)
{
    return QCoreApplication::translate("SheetFiles", "the sheet has more rows than the %L1 that a sheet can hold")
        .arg(maxRows);
}

QString cannotWrite(const QIODevice &out)
{
    return QCoreApplication::translate("SheetFiles", "the file cannot be written: %1").arg(out.errorString());
}

QString flushFault(QIODevice &out)
{
    auto *file = qobject_cast<QFileDevice *>(&out);
    return file && !file->flush() ? cannotWrite(out) : QString();
}

} // namespace SheetFaults
