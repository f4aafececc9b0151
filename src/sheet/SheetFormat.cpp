#include "sheet/SheetFormat.h"

#include "sheet/OdsNames.h"
#include "sheet/SheetPackage.h"

#include <quazip/quazipfile.h>

#include <QIODevice>
#include <QXmlStreamReader>

namespace {

struct FormatName
{
    SheetFormat format;
    const char *name;
    bool binary;
};

constexpr FormatName Formats[] = {
    {SheetFormat::Csv, "csv", false},
    {SheetFormat::Json, "json", false},
    {SheetFormat::Xlsx, "xlsx", true},
    {SheetFormat::Ods, "ods", true},
};

const FormatName &entryOf(SheetFormat format)
{
    for (const FormatName &entry : Formats) {
        if (entry.format == format)
            return entry;
    }
    return Formats[0];
}

// Whether an OpenDocument content.xml holds a spreadsheet: its body's
// first element is <office:spreadsheet>.
bool holdsSpreadsheet(QIODevice *content)
{
    QXmlStreamReader xml(content);
    bool inBody = false;
    while (hasMoreTokens(xml)) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (inBody)
            return xml.name() == QLatin1String("spreadsheet");
        inBody = xml.name() == QLatin1String("body");
    }
    return false;
}

std::optional<SheetFormat> packageFormat(QIODevice &device)
{
    SheetPackage package(device);
    if (!package.isOpen())
        return std::nullopt;
    if (QIODevice *mimeType = package.open(QStringLiteral("mimetype")))
        return mimeType->read(256).trimmed() == OdsNames::MimeType.toLatin1() ? std::optional(SheetFormat::Ods)
                                                                              : std::nullopt;
    if (package.contains(QStringLiteral("xl/workbook.xml")))
        return SheetFormat::Xlsx;
    if (QIODevice *content = package.open(QStringLiteral("content.xml")); content && holdsSpreadsheet(content))
        return SheetFormat::Ods;
    return std::nullopt;
}

// JSON when the first character after a UTF-8 byte-order mark and blanks
// opens an array.
bool looksLikeJson(QIODevice &device)
{
    if (device.peek(3) == "\xEF\xBB\xBF")
        device.skip(3);
    char c = 0;
    while (device.getChar(&c)) {
        if (!QChar::isSpace(uchar(c)))
            return c == '[';
    }
    return false;
}

} // namespace

QString sheetFormatName(SheetFormat format)
{
    return QLatin1String(entryOf(format).name);
}

std::optional<SheetFormat> sheetFormatNamed(const QString &name)
{
    for (const FormatName &entry : Formats) {
        if (name == QLatin1String(entry.name))
            return entry.format;
    }
    return std::nullopt;
}

bool isBinarySheetFormat(SheetFormat format)
{
    return entryOf(format).binary;
}

SheetFormat sheetFormatOf(QIODevice &device)
{
    device.seek(0);
    std::optional<SheetFormat> format;
    if (device.peek(4) == QByteArray("PK\x03\x04", 4))
        format = packageFormat(device);
    device.seek(0);
    if (!format)
        format = looksLikeJson(device) ? SheetFormat::Json : SheetFormat::Csv;
    device.seek(0);
    return *format;
}
