#pragma once

#include "sheet/SheetFormat.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// Spreadsheet files in the windows: the kinds their file dialogs offer, and a
// notice file's notices exported.
class SheetFiles
{
    Q_DECLARE_TR_FUNCTIONS(SheetFiles)

public:
    // One filter per kind, CSV first: "CSV files (*.csv)".
    static QStringList filters();
    // All the kinds in one filter, then one filter each.
    static QStringList filtersWithAll();

    // The kind of a file chosen in a save dialog offering filters(): its
    // suffix tells it, else the filter chosen.
    static SheetFormat formatChosen(const QString &path, int filter);

    // The notices of the notice file noticeFile, whole or not at all, to path:
    // a file still being written counts, with its complete notices. The
    // number of notices written, or nothing with why in error.
    static std::optional<int> exportNoticeFile(const QString &noticeFile, SheetFormat format, const QString &path,
                                               QString *error);
};
