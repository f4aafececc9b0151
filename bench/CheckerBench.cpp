// The checker figures of notice-bench: notice-check run as a child process on
// a large file, its time per megabyte and its peak resident memory.

#include "CheckerBench.h"
#include "MemoryBench.h"

#include "notice/Formatting.h"
#include "notice/NoticeWriter.h"
#include "platform/TextFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <optional>

namespace {

constexpr qint64 kFileBytes = 200LL * 1000 * 1000;

// A station notice with its site, technical items and 36 effective heights,
// as the forms let an operator fill it.
NoticeRecord stationRecord()
{
    NoticeRecord r;
    r.notice_type = QStringLiteral("T01");
    r.action = QStringLiteral("ADD");
    r.fragment = QStringLiteral("GE84");
    r.d_adm_ntc = QStringLiteral("2005-12-7");
    r.site_name = QStringLiteral("MONTMARTRE");
    r.ctry = QStringLiteral("F");
    r.freq_assgn = QStringLiteral("98.5");
    r.long_deg = QStringLiteral("002");
    r.long_min = QStringLiteral("20");
    r.long_sec = QStringLiteral("30");
    r.long_ew = QStringLiteral("E");
    r.lat_deg = QStringLiteral("48");
    r.lat_min = QStringLiteral("53");
    r.lat_sec = QStringLiteral("10");
    r.lat_ns = QStringLiteral("N");
    r.polar = QStringLiteral("H");
    r.erp_h_dbw = QStringLiteral("40");
    r.tran_sys = QStringLiteral("4");
    r.bdwdth = QStringLiteral("180");
    r.hgt_agl = QStringLiteral("150");
    r.eff_hgtmax = QStringLiteral("320");
    for (int index = 0; index < int(kAzimuthCount); ++index)
        r.eff_hgt[index] = {QString::number(index * kAzimuthStep), QString::number(300 + index % 5)};
    for (int index = 0; index < int(kAzimuthCount); ++index)
        r.attn_h[index] = {QString::number(index * kAzimuthStep), QString::number(index % 7)};
    return r;
}

// Writes a sound notice file of about kFileBytes through the notice writer
// and the text file service. Returns its size in bytes.
// A file of count notices (or of about kFileBytes when count is 0).
qint64 writeLargeFile(const QString &name, qint32 notices = 0)
{
    platform::setTextFileSync(platform::TextFileSync::Off);
    platform::TextFile file;
    QString error;
    if (!file.create(name, &error))
        qFatal("%s", qPrintable(error));
    QStringList pieces = makeHeaderLines(QDateTime::currentDateTime(), QStringLiteral("bench"),
                                         QStringLiteral(" Norvane Analog Version 1.61 / 12.12.2005"), QLocale::c());
    pieces.append(makeHeadSection(QStringLiteral("F")));
    for (const QString &piece : pieces)
        file.writeLine(piece, &error);
    const NoticeRecord record = stationRecord();
    qint32 count = 0;
    for (qint64 written = 0; notices > 0 ? count < notices : written < kFileBytes;) {
        const QString section = makeNoticeSection(record, ++count);
        if (!file.writeLine(section, &error))
            qFatal("%s", qPrintable(error));
        written += section.size() + 2;
    }
    if (!file.writeLine(Formatting::makeTail(count), &error) || !file.close(&error))
        qFatal("%s", qPrintable(error));
    platform::setTextFileSync(platform::TextFileSync::EveryLine);
    return QFileInfo(name).size();
}

} // namespace

void measureChecker(const Settings &settings, Table &table)
{
    progress(QStringLiteral("notice-check on a large file..."));
    const QString name = QDir(settings.folder).filePath(QStringLiteral("checker-large.txt"));
    const double megabytes = double(writeLargeFile(name)) / 1e6;
    // The same file opened to be continued by a scripted run that finishes it
    // unchanged: the window holds the place of each notice only.
    const QString openScript = QDir(settings.folder).filePath(QStringLiteral("checker-open.json"));
    {
        QFile script(openScript);
        if (!script.open(QIODevice::WriteOnly)
            || script.write(QStringLiteral("{\"form\": \"T01\", \"open\": \"%1\", \"notices\": []}").arg(name).toUtf8())
                < 0)
            qFatal("The script of the opening cannot be written");
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::vector<double> perMegabyte, peaks, openSeconds, openPeaks;
    for (int run = 0; run < std::max(1, settings.memoryRuns); ++run) {
        const std::optional<ChildRun> checked = runChild(QStringLiteral(NOTICE_CHECK_PROGRAM), {name});
        const std::optional<ChildRun> opened
            = runChild(QStringLiteral(NOTICE_CAPTURE_PROGRAM), {QStringLiteral("--replay"), openScript});
        if (!checked || !opened) {
            QFile::remove(name);
            qFatal("notice-check did not find the large file sound, or it could not be opened");
        }
        perMegabyte.push_back(checked->seconds * 1000 / megabytes);
        peaks.push_back(checked->peakMegabytes);
        openSeconds.push_back(opened->seconds);
        openPeaks.push_back(opened->peakMegabytes);
    }
    QFile::remove(name);
    QFile::remove(openScript);
    // The limit of the time: the checker that held the whole file, 136 ms/MB
    // on the machine of these figures.
    table.add(QStringLiteral("notice-check, %1 MB file: time").arg(qRound(megabytes)), QStringLiteral("ms/MB"),
              perMegabyte, Target::Under, 136);
    table.add(QStringLiteral("notice-check, %1 MB file: peak memory").arg(qRound(megabytes)), QStringLiteral("MB"),
              peaks, Target::Under, 40);
    table.add(QStringLiteral("Opening the %1 MB file to continue it: time").arg(qRound(megabytes)), QStringLiteral("s"),
              openSeconds);
    table.add(QStringLiteral("Opening the %1 MB file to continue it: peak memory").arg(qRound(megabytes)),
              QStringLiteral("MB"), openPeaks, Target::Under, 100);
}

void measureReport(const Settings &settings, Table &table)
{
    progress(QStringLiteral("notice-check --report of 1,000 notices..."));
    constexpr qint32 Notices = 1000;
    const QString name = QDir(settings.folder).filePath(QStringLiteral("report-1000.txt"));
    const QString pdf = QDir(settings.folder).filePath(QStringLiteral("report-1000.pdf"));
    writeLargeFile(name, Notices);
    std::vector<double> seconds, peaks;
    for (int run = 0; run < std::max(1, settings.memoryRuns); ++run) {
        QFile::remove(pdf);
        const std::optional<ChildRun> reported
            = runChild(QStringLiteral(NOTICE_CHECK_PROGRAM),
                       {QStringLiteral("--report"), QStringLiteral("pdf"), name, QStringLiteral("--output"), pdf});
        if (!reported || !QFileInfo::exists(pdf))
            qFatal("notice-check did not write the report of %s", qPrintable(name));
        seconds.push_back(reported->seconds);
        peaks.push_back(reported->peakMegabytes);
    }
    QFile::remove(name);
    QFile::remove(pdf);
    table.add(QStringLiteral("Report of 1,000 notices (PDF): time"), QStringLiteral("s"), seconds, Target::Under, 10);
    table.add(QStringLiteral("  peak memory"), QStringLiteral("MB"), peaks);
}
