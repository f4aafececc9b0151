#pragma once

#include <QString>

#include <optional>

class QIODevice;

// The kinds of file that notices go out to and come in from: CSV and JSON as
// text, .xlsx (Office Open XML) and .ods (OpenDocument) as zip packages.
enum class SheetFormat { Csv, Json, Xlsx, Ods };

// "csv", "json", "xlsx", "ods": the name on the command line and the usual
// file name suffix.
QString sheetFormatName(SheetFormat format);
std::optional<SheetFormat> sheetFormatNamed(const QString &name);

// Whether the format is a zip package rather than text.
bool isBinarySheetFormat(SheetFormat format);

// What a file to import holds, told from its content, never from its name: a
// zip package whose entries are those of an .xlsx workbook or of an .ods
// spreadsheet; JSON when its first character after a byte-order mark and
// blanks is "["; CSV otherwise. The device must be open and seekable; it is
// left at its start.
SheetFormat sheetFormatOf(QIODevice &device);
