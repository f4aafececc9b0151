#include "capture/FinishedNoticeFile.h"

#include "notice/NoticeFileChecker.h"
#include "notice/SavedNoticeFile.h"

#include <QFile>
#include <QFileInfo>

std::optional<QByteArray> FinishedNoticeFile::read(const QString &noticeFile, QString *error)
{
    QFile file(noticeFile);
    if (!QFileInfo(noticeFile).isFile() || !file.open(QIODevice::ReadOnly)) {
        *error = tr("%1 cannot be read").arg(noticeFile);
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    const SavedNoticeFile saved = readSavedNoticeFile(bytes);
    QByteArray finished = bytes.left(saved.keptSize) + finishingBytes(qint32(saved.notices.size()));
    const QList<NoticeFileFault> faults = saved.canContinue() ? checkNoticeFile(finished).faults : saved.faults;
    if (!faults.isEmpty()) {
        *error = tr("%1, line %2: %3").arg(noticeFile, QString::number(faults.first().line), faults.first().message);
        return std::nullopt;
    }
    return finished;
}
