#pragma once

// TEMPORARY STAND-IN, to be deleted with NoticeExportStandIn.cpp: the export
// of a notice file to a spreadsheet file as sheet/NoticeExport.h is to
// declare it. Once that declaration lands, include sheet/NoticeExport.h in
// place of this header.

#include "sheet/SheetFormat.h"

#include <QString>

struct ParsedNoticeFile;

// Writes the notices of the file to path in the format, whole or not at all;
// false, with why in error, when it could not.
bool exportNoticesToFile(const ParsedNoticeFile &file, SheetFormat format, const QString &path, QString *error);
