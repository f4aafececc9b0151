// TEMPORARY STAND-IN for exportNoticesToFile (see NoticeExportStandIn.h): CSV
// and JSON only, through today's writeNotices.
//
// Compiled against today's sheet/NoticeExport.h, whose own SheetFormat has
// Csv and Json with the same values as sheet/SheetFormat.h, so this file
// includes NoticeExport.h and not NoticeExportStandIn.h: the two enumerations
// cannot meet in one file. The definition below has the same name and
// parameter types as the declaration in NoticeExportStandIn.h.

#include "sheet/NoticeExport.h"

#include <QSaveFile>

bool exportNoticesToFile(const ParsedNoticeFile &file, SheetFormat format, const QString &path, QString *error)
{
    if (format != SheetFormat::Csv && format != SheetFormat::Json) {
        *error = QStringLiteral("this version writes CSV and JSON only");
        return false;
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        *error = out.errorString();
        return false;
    }
    writeNotices(file, format, out);
    if (!out.commit()) {
        *error = out.errorString();
        return false;
    }
    return true;
}
