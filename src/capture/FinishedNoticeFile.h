#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <optional>

// A notice file as Finish would end it, for the export and the report of the
// file a window writes: a file still being written has no TAIL yet, and its
// complete notices count.
class FinishedNoticeFile
{
    Q_DECLARE_TR_FUNCTIONS(FinishedNoticeFile)

public:
    // The bytes of the file, its TAIL added when it has none; nothing, with
    // why in error, when it cannot be read or has a fault.
    static std::optional<QByteArray> read(const QString &noticeFile, QString *error);
};
