// libFuzzer target: any bytes as a file to import. Whatever the bytes (a
// damaged zip package, XML that is not a workbook, a CSV of no dialect), the
// format is told, the readers read every row they can and stop with a fault
// at most: never a crash, a hang or a read out of bounds.

#include "sheet/NoticeColumns.h"
#include "sheet/SheetCell.h"
#include "sheet/SheetFormat.h"

#include <QBuffer>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    std::unique_ptr<SheetRowReader> reader;
    switch (sheetFormatOf(device)) {
    case SheetFormat::Xlsx: reader = readXlsxRows(device); break;
    case SheetFormat::Ods: reader = readOdsRows(device); break;
    case SheetFormat::Csv:
    case SheetFormat::Json:
        reader = readCsvRows(device, [](const QString &text) { return NoticeColumns::rankOf(text).has_value(); });
        break;
    }
    SheetRow row;
    while (reader && reader->next(row)) {
        const double read = reader->fractionRead();
        if (!(read >= 0.0 && read <= 1.0))
            std::abort();
    }
    return 0;
}
