#include "capture/SheetFiles.h"

#include "capture/FinishedNoticeFile.h"
#include "notice/NoticeFileChecker.h"
#include "platform/InputLimits.h"
#include "sheet/NoticeExport.h"

#include <QFileInfo>

namespace {

struct SheetKind
{
    SheetFormat format;
    QLatin1String suffix;
    const char *filter;
};

const SheetKind SheetKinds[] = {
    {SheetFormat::Csv, QLatin1String("csv"), QT_TRANSLATE_NOOP("SheetFiles", "CSV files (*.csv)")},
    {SheetFormat::Xlsx, QLatin1String("xlsx"), QT_TRANSLATE_NOOP("SheetFiles", "Excel workbooks (*.xlsx)")},
    {SheetFormat::Ods, QLatin1String("ods"), QT_TRANSLATE_NOOP("SheetFiles", "OpenDocument spreadsheets (*.ods)")},
    {SheetFormat::Json, QLatin1String("json"), QT_TRANSLATE_NOOP("SheetFiles", "JSON files (*.json)")},
};

} // namespace

QStringList SheetFiles::filters()
{
    QStringList filters;
    for (const SheetKind &kind : SheetKinds)
        filters << tr(kind.filter);
    return filters;
}

QStringList SheetFiles::filtersWithAll()
{
    QStringList patterns;
    for (const SheetKind &kind : SheetKinds)
        patterns << QStringLiteral("*.") + kind.suffix;
    return QStringList{tr("Spreadsheets (%1)").arg(patterns.join(QLatin1Char(' ')))} + filters();
}

SheetFormat SheetFiles::formatChosen(const QString &path, int filter)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const SheetKind &kind : SheetKinds) {
        if (suffix.compare(kind.suffix, Qt::CaseInsensitive) == 0)
            return kind.format;
    }
    return SheetKinds[qBound(0, filter, int(std::size(SheetKinds)) - 1)].format;
}

std::optional<int> SheetFiles::exportNoticeFile(const QString &noticeFile, SheetFormat format, const QString &path,
                                                QString *error)
{
    if (platform::isSameExistingFile(path, noticeFile)) {
        *error = tr("%1 is the notice file itself").arg(path);
        return std::nullopt;
    }
    // Read as the file stands: a file still being written has no TAIL yet,
    // and its complete notices are exported as Finish would end them.
    const std::optional<QByteArray> bytes = FinishedNoticeFile::read(noticeFile, error);
    if (!bytes)
        return std::nullopt;
    const ParsedNoticeFile parsed = checkNoticeFile(*bytes);
    if (!exportNoticesToFile(parsed, format, path, error))
        return std::nullopt;
    return int(parsed.notices.size());
}
