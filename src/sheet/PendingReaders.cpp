// Stand-ins until the workbook readers land: every file is CSV or JSON.
#include "sheet/SheetCell.h"
#include "sheet/SheetFormat.h"

#include <QIODevice>

SheetFormat sheetFormatOf(QIODevice &device)
{
    const QByteArray start = device.peek(4096);
    return start.trimmed().startsWith('[') || start.mid(3).trimmed().startsWith('[') ? SheetFormat::Json
                                                                                      : SheetFormat::Csv;
}

std::unique_ptr<SheetRowReader> readXlsxRows(QIODevice &)
{
    return nullptr;
}

std::unique_ptr<SheetRowReader> readOdsRows(QIODevice &)
{
    return nullptr;
}

QString sheetFormatName(SheetFormat format)
{
    switch (format) {
    case SheetFormat::Csv: return QStringLiteral("csv");
    case SheetFormat::Json: return QStringLiteral("json");
    case SheetFormat::Xlsx: return QStringLiteral("xlsx");
    case SheetFormat::Ods: return QStringLiteral("ods");
    }
    return {};
}
