#include "NoticeCheckReport.h"

#include "notice/NoticeFileStream.h"
#include "report/NoticeReport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <algorithm>

namespace {

QString countOf(qsizetype count, const char *singular)
{
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(singular)
        + (count == 1 ? QString() : QStringLiteral("s"));
}

// The check of one file as notice-check prints it, while the file is read:
// each fault as "FILE:LINE: message"; with listNotices, the summary of each
// notice as it ends, and the faults after the summaries (held back, up to
// NoticeFileConsumer::kHeldFaults of them).
class PrintedCheck : public NoticeFileConsumer
{
public:
    PrintedCheck(const QString &path, bool listNotices, QTextStream &out)
        : m_path(path)
        , m_list(listNotices)
        , m_out(out)
    { }

    void notice(ParsedNotice &&notice) override
    {
        if (m_list)
            m_out << noticeSummary(notice) << '\n';
    }

    void fault(const NoticeFileFault &fault) override
    {
        if (!m_list)
            print(fault);
        else if (m_held.append(fault); m_held.size() > NoticeFileConsumer::kHeldFaults)
            printHeld();
    }

    void printHeld()
    {
        for (const NoticeFileFault &fault : std::as_const(m_held))
            print(fault);
        m_held.clear();
    }

private:
    void print(const NoticeFileFault &fault) { m_out << m_path << ':' << fault.line << ": " << fault.message << '\n'; }

    QString m_path;
    bool m_list;
    QTextStream &m_out;
    QList<NoticeFileFault> m_held;
};

// The check pass of an export: the faults, the administration and the
// columns that the notices use.
class ExportCheck : public NoticeFileConsumer
{
public:
    ExportCheck(const QString &path, QTextStream &err, NoticeSheetWriter &writer)
        : m_path(path)
        , m_err(err)
        , m_writer(writer)
    { }

    void head(ParsedSection &&head) override { adm = head.value(NoticeKeys::Key::Adm); }
    void notice(ParsedNotice &&notice) override { m_writer.noteColumns(notice, adm); }
    void fault(const NoticeFileFault &fault) override
    {
        m_err << m_path << ':' << fault.line << ": " << fault.message << '\n';
    }

    QString adm;

private:
    QString m_path;
    QTextStream &m_err;
    NoticeSheetWriter &m_writer;
};

// The export pass: each notice written as it ends, as long as the stream has
// found no fault (the file changed since it was checked), whether or not the
// fault has been handed over yet.
class ExportWrite : public NoticeFileConsumer
{
public:
    ExportWrite(NoticeSheetWriter &writer, const QString &adm)
        : m_writer(writer)
        , m_adm(adm)
    { }

    void readBy(const NoticeFileStream &stream) { m_stream = &stream; }
    void notice(ParsedNotice &&notice) override
    {
        if (m_stream->faultCount() == 0)
            m_writer.write(notice, m_adm);
    }
    void fault(const NoticeFileFault &) override { faulty = true; }

    bool faulty = false;

private:
    NoticeSheetWriter &m_writer;
    QString m_adm;
    const NoticeFileStream *m_stream = nullptr;
};

} // namespace

CheckStatus checkNoticeFiles(const QStringList &paths, bool listNotices, QTextStream &out)
{
    CheckStatus worst = CheckStatus::Sound;
    for (const QString &path : paths) {
        QFile file(path);
        PrintedCheck printed(path, listNotices, out);
        NoticeFileStream stream(printed);
        if (!file.open(QIODevice::ReadOnly) || !checkNoticeDevice(file, stream)) {
            out << path << ": cannot be read: " << file.errorString() << '\n';
            worst = CheckStatus::Unreadable;
            continue;
        }
        printed.printHeld();
        if (stream.faultCount() == 0) {
            out << path << ": sound, " << countOf(stream.noticeCount(), "notice") << '\n';
        } else {
            out << path << ": not sound, " << countOf(stream.faultCount(), "fault") << '\n';
            worst = std::max(worst, CheckStatus::Faulty);
        }
    }
    out.flush();
    return worst;
}

// The file is read twice, so that no more than one notice is held: first
// checked, then, when sound, exported. A file that cannot be read twice (a
// pipe) is held whole.
CheckStatus exportNoticeFile(const QString &path, SheetFormat format, QIODevice &out, QTextStream &err)
{
    QFile file(path);
    const auto unreadable = [&] {
        err << path << ": cannot be read: " << file.errorString() << Qt::endl;
        return CheckStatus::Unreadable;
    };
    const auto unwritten = [&](const QString &fault) {
        err << QCoreApplication::translate("NoticeCheck", "%1: not exported: %2").arg(path, fault) << Qt::endl;
        return CheckStatus::Unreadable;
    };
    if (!file.open(QIODevice::ReadOnly))
        return unreadable();
    if (file.isSequential()) {
        const ParsedNoticeFile parsed = checkNoticeFile(file.readAll());
        if (parsed.isSound()) {
            QString fault;
            return writeNotices(parsed, format, out, &fault) ? CheckStatus::Sound : unwritten(fault);
        }
        for (const NoticeFileFault &fault : parsed.faults)
            err << path << ':' << fault.line << ": " << fault.message << '\n';
        err << path << ": not sound, not exported" << Qt::endl;
        return CheckStatus::Faulty;
    }
    NoticeSheetWriter writer(format, out);
    ExportCheck check(path, err, writer);
    {
        NoticeFileStream stream(check);
        if (!checkNoticeDevice(file, stream))
            return unreadable();
        if (stream.faultCount() > 0) {
            err << path << ": not sound, not exported" << Qt::endl;
            return CheckStatus::Faulty;
        }
    }
    ExportWrite exported(writer, check.adm);
    NoticeFileStream stream(exported);
    exported.readBy(stream);
    writer.begin();
    if (!file.seek(0) || !checkNoticeDevice(file, stream))
        return unreadable();
    if (!writer.end())
        return unwritten(writer.error());
    if (exported.faulty || stream.faultCount() > 0) {
        err << path << ": changed while it was exported" << Qt::endl;
        return CheckStatus::Faulty;
    }
    return CheckStatus::Sound;
}

CheckStatus reportNoticeFile(const QString &path, Language language, QIODevice &out, QTextStream &err)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << path << ": cannot be read: " << file.errorString() << Qt::endl;
        return CheckStatus::Unreadable;
    }
    // The report reads the file three times: a pipe is held whole.
    QBuffer held;
    QIODevice *input = &file;
    if (file.isSequential()) {
        held.setData(file.readAll());
        held.open(QIODevice::ReadOnly);
        input = &held;
    }
    QPdfWriter pdf(&out);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    pdf.setResolution(300);
    pdf.setCreator(QCoreApplication::applicationName());
    pdf.setTitle(QFileInfo(path).fileName());
    const NoticeReportResult result
        = writeNoticeReport(*input, pdf, {language, QFileInfo(path).fileName()}, [&](const NoticeFileFault &fault) {
              err << path << ':' << fault.line << ": " << fault.message << '\n';
          });
    switch (result.outcome) {
    case NoticeReportResult::Written: return CheckStatus::Sound;
    case NoticeReportResult::Faulty:
        err << path << ": " << (result.error.isEmpty() ? QStringLiteral("not sound, no report written") : result.error)
            << Qt::endl;
        return CheckStatus::Faulty;
    case NoticeReportResult::Unreadable: break;
    }
    err << path << ": " << QCoreApplication::translate("NoticeCheck", "no report written: %1").arg(result.error)
        << Qt::endl;
    return CheckStatus::Unreadable;
}
