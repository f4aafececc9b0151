#include "NoticeCheckReport.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>

namespace {

QString countOf(qsizetype count, const char *singular)
{
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(singular)
        + (count == 1 ? QString() : QStringLiteral("s"));
}

} // namespace

CheckStatus checkNoticeFiles(const QStringList &paths, bool listNotices, QTextStream &out)
{
    CheckStatus worst = CheckStatus::Sound;
    for (const QString &path : paths) {
        QFile file(path);
        QByteArray bytes;
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
        if (!file.isOpen() || file.error() != QFileDevice::NoError) {
            out << path << ": cannot be read: " << file.errorString() << '\n';
            worst = CheckStatus::Unreadable;
            continue;
        }
        const ParsedNoticeFile parsed = checkNoticeFile(bytes);
        if (listNotices) {
            for (const ParsedNotice &notice : parsed.notices)
                out << noticeSummary(notice) << '\n';
        }
        for (const NoticeFileFault &fault : parsed.faults)
            out << path << ':' << fault.line << ": " << fault.message << '\n';
        if (parsed.isSound()) {
            out << path << ": sound, " << countOf(parsed.notices.size(), "notice") << '\n';
        } else {
            out << path << ": not sound, " << countOf(parsed.faults.size(), "fault") << '\n';
            worst = std::max(worst, CheckStatus::Faulty);
        }
    }
    out.flush();
    return worst;
}

CheckStatus exportNoticeFile(const QString &path, SheetFormat format, QIODevice &out, QTextStream &err)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << path << ": cannot be read: " << file.errorString() << Qt::endl;
        return CheckStatus::Unreadable;
    }
    const ParsedNoticeFile parsed = checkNoticeFile(file.readAll());
    if (!parsed.isSound()) {
        for (const NoticeFileFault &fault : parsed.faults)
            err << path << ':' << fault.line << ": " << fault.message << '\n';
        err << path << ": not sound, not exported" << Qt::endl;
        return CheckStatus::Faulty;
    }
    writeNotices(parsed, format, out);
    return CheckStatus::Sound;
}
