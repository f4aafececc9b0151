// notice-bench: the program's performance figures in one table.
//
//   notice-bench [--runs N] [--memory-runs N] [--notices N] [--folder DIR]
//
// Every figure is measured several times and shown as median, minimum and
// maximum beside its target:
// - start-up: notice-capture --quit-after-show run as a child process, from its
//   start until it has shown the menu and ended, as a ratio to a bare Qt
//   program showing one empty window (WindowBench.cpp);
// - window set-up: a T01 and a T02 capture window built (captions, lists,
//   clear, file name) and shown, as a ratio to a window of as many bare
//   widgets of the same kinds (WindowBench.cpp);
// - Save/Next of a full notice (every box filled), the sync to the disk timed
//   apart from the rest;
// - writer throughput: notice sections encoded as they are built and written
//   by the text file service, against a plain buffered write of the same bytes;
// - memory: peak resident memory of notice-capture --replay playing a
//   generated script of 10,000 notices into one file, and its growth from
//   notice 1,000 on (the figures with targets); beside them, for comparison,
//   a child process typing the same notices into the window with no script.
//
// It runs on the offscreen platform, so no display is needed. Build it in
// Release for figures worth comparing (scripts/bench does).

#include "BenchTable.h"
#include "CheckerBench.h"
#include "LongNameBench.h"
#include "MemoryBench.h"
#include "WindowBench.h"

#include "capture/CaptureApplication.h"
#include "capture/CaptureWindow.h"
#include "capture/NoticeFileSession.h"
#include "form/ScreenBinding.h"
#include "notice/NoticeRecord.h"
#include "notice/NoticeWriter.h"
#include "platform/Alerts.h"
#include "platform/System.h"
#include "platform/TextFile.h"

#include <QComboBox>
#include <QCommandLineParser>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

// --- The capture window with a full notice ------------------------------------

// Boxes the operator does not fill for each notice: the file name and the
// counter belong to the file, the administration is typed once per file.
const QStringList BoxesNotFilledPerNotice = {"Txt_Filename", "Txt_Ntc_Number", "Txt_B_Adm"};

// List entries that show both attenuation tables: directional, mixed polarization.
const QList<QPair<QString, QString>> ListChoices = {{"Combo_9_AntDir", "D"}, {"Combo_9D_Polariz", "M"}};

QString firstFragmentOption(FormKind kind)
{
    return kind == FormKind::T01 ? QStringLiteral("OptFrg_Ge84") : QStringLiteral("OptFrg_Ge89");
}

// A text of exactly length characters, different from notice to notice.
QString filling(int length, int notice)
{
    QString text = QString::number(notice);
    while (text.size() < length)
        text += text;
    return text.left(length);
}

// Fills every box of the window to its maximum length and every list with one
// of its entries, and selects the intention "add": the largest notice the
// screen can hold, with the 108 azimuth boxes and the 12 coordination boxes.
void fillFullNotice(CaptureWindow &window, int notice)
{
    window.option(QStringLiteral("OptInt_Add"))->click();
    for (const ControlSpec &spec : window.controls().specs()) {
        if (spec.kind == ControlKind::TextBox && !BoxesNotFilledPerNotice.contains(spec.name)) {
            const int length = spec.maxLength > 0 ? spec.maxLength : 20;
            window.textBox(spec.name)->setText(filling(length, notice));
        } else if (spec.kind == ControlKind::DropDownList) {
            QComboBox *list = window.list(spec.name);
            list->setCurrentIndex(list->count() - 1);
        }
    }
    for (const auto &[name, entry] : ListChoices) {
        if (QComboBox *list = window.list(name))
            list->setCurrentIndex(list->findText(entry));
    }
}

// A capture window set up to save into a file of the given folder: shown, the
// administration, the date of notification and the fragment typed once, the
// file created by a first save.
class FullNoticeWindow
{
public:
    FullNoticeWindow(FormKind kind, const QString &fileName)
        : m_window(std::make_unique<CaptureWindow>(kind))
    {
        m_window->show();
        m_window->textBox(QStringLiteral("Txt_Filename"))->setText(fileName);
        m_window->textBox(QStringLiteral("Txt_B_Adm"))->setText(QStringLiteral("F"));
        m_window->textBox(QStringLiteral("Txt_Ntc_DD"))->setText(QStringLiteral("7"));
        m_window->textBox(QStringLiteral("Txt_Ntc_MM"))->setText(QStringLiteral("12"));
        m_window->textBox(QStringLiteral("Txt_Ntc_YY"))->setText(QString::number(QDate::currentDate().year()));
        m_window->option(firstFragmentOption(kind))->click();
        fillFullNotice(*m_window, 0);
        saveNext();
    }

    ~FullNoticeWindow() { m_window->saving().finish(); }

    CaptureWindow &window() { return *m_window; }

    // Save/Next, checked: a full notice is always written.
    void saveNext()
    {
        const SaveOutcome outcome = m_window->saving().saveNext();
        if (outcome != SaveOutcome::NoticeWritten)
            qFatal("Save/Next of a full notice did not write it (outcome %d)", int(outcome));
    }

private:
    std::unique_ptr<CaptureWindow> m_window;
};

// --- The measurements ---------------------------------------------------------

// Save/Next of a full notice: once with the sync turned off (collection,
// checks, notice section, encoding, write, clear for the next notice), once
// with it; the difference of each pair is the sync.
void measureSaveNext(const Settings &settings, FormKind kind, Table &table)
{
    const QString name = kind == FormKind::T01 ? QStringLiteral("T01") : QStringLiteral("T02");
    progress(QStringLiteral("Save/Next %1...").arg(name));
    FullNoticeWindow full(kind, QDir(settings.folder).filePath(QStringLiteral("savenext-%1.txt").arg(name)));

    auto timedSave = [&full](int notice, platform::TextFileSync sync) {
        fillFullNotice(full.window(), notice);
        platform::setTextFileSync(sync);
        QElapsedTimer timer;
        timer.start();
        full.saveNext();
        const qint64 elapsed = timer.nsecsElapsed();
        platform::setTextFileSync(platform::TextFileSync::EveryLine);
        return milliseconds(elapsed);
    };

    std::vector<double> withoutSync, withSync, sync;
    for (int run = 0; run < settings.runs; ++run) {
        const double without = timedSave(2 * run + 1, platform::TextFileSync::Off);
        const double with = timedSave(2 * run + 2, platform::TextFileSync::EveryLine);
        withoutSync.push_back(without);
        withSync.push_back(with);
        sync.push_back(std::max(0.0, with - without));
    }
    table.add(QStringLiteral("Save/Next full %1 notice, without sync").arg(name), QStringLiteral("ms"), withoutSync,
              Target::Under, 3);
    table.add(QStringLiteral("  sync to disk of that notice"), QStringLiteral("ms"), sync);
    table.add(QStringLiteral("  Save/Next full %1 notice, with sync").arg(name), QStringLiteral("ms"), withSync);
}

// Hands every dirty page to the disk and waits, outside the timings: a timed
// write then starts from the same clean state whether it comes first or
// second. Without it, the write that follows the other one paid for that
// one's pages (about 1 microsecond a notice, a quarter of the plain write), so
// the order alone moved the ratio by some 0.2. The file about to be written
// is removed first, so that neither timed write pays for cutting off the
// blocks of its file's earlier run.
void settleDisk(const QString &fileToWrite)
{
    QFile::remove(fileToWrite);
    ::sync();
}

// The notice writer's path to the file: notice sections built from a full
// record, encoded to Windows-1252 as they are built and written one line per
// notice by the text file service (sync off, as a plain write has none),
// against a plain buffered write (stdio) of the same bytes, in the same
// pieces, to the same folder. Both end with the file closed, and both start
// on a settled disk. Beside it, for information, the writer with the file's
// name checked before each notice as the notice file store does: one more
// look-up in the system per notice, which on a virtual machine costs about as
// much as the write of the notice itself; and the same path with each section
// copied from the bytes written before rather than built, which shows what
// the building costs there.
void measureWriterThroughput(const Settings &settings, Table &table)
{
    progress(QStringLiteral("writer throughput..."));
    NoticeRecord record;
    {
        FullNoticeWindow full(FormKind::T01, QDir(settings.folder).filePath(QStringLiteral("record.txt")));
        fillFullNotice(full.window(), 1);
        collectScreen(record, full.window().controls(), FormKind::T01);
    }
    constexpr int NoticesPerRun = 2000;
    const QString writerFile = QDir(settings.folder).filePath(QStringLiteral("writer.txt"));
    const QString plainFile = QDir(settings.folder).filePath(QStringLiteral("plain.txt"));

    // The bytes of each notice as the writer wrote them, "<NOTICE>...</NOTICE>\r\n",
    // for the plain write and for the writer's path with the sections copied.
    std::vector<QByteArray> pieces;

    // One timed write of the notices by the text file service, in
    // nanoseconds: each section encoded as it is built and written as one
    // line, with the file's name checked before each notice when asked (as
    // the notice file store does before each saved notice), or each section
    // copied from the pieces rather than built.
    enum class Sections { Built, BuiltNameChecked, Copied };
    QByteArray line;
    const auto timedWriter = [&](Sections sections) {
        settleDisk(writerFile);
        QElapsedTimer timer;
        timer.start();
        platform::TextFile file;
        QString error;
        if (!file.create(writerFile, &error))
            qFatal("%s", qPrintable(error));
        for (int notice = 1; notice <= NoticesPerRun; ++notice) {
            line.resize(0);
            if (sections == Sections::Copied)
                line.append(pieces[std::size_t(notice - 1)]);
            else if (!appendNoticeSectionLine(line, record, notice))
                qFatal("A full notice that cannot be encoded");
            if ((sections == Sections::BuiltNameChecked && !file.checkStillAtName(&error))
                || !file.writeEncodedLine(line, &error))
                qFatal("%s", qPrintable(error));
        }
        file.close(&error);
        return timer.nsecsElapsed();
    };

    std::vector<double> writerRates, plainRates, ratios, checkedRatios, building, copiedRatios;
    for (int run = 0; run < settings.runs; ++run) {
        QElapsedTimer buildTimer;
        buildTimer.start();
        for (int notice = 1; notice <= NoticesPerRun; ++notice) {
            line.resize(0);
            appendNoticeSectionLine(line, record, notice);
        }
        building.push_back(double(buildTimer.nsecsElapsed()) / 1e3 / NoticesPerRun);

        platform::setTextFileSync(platform::TextFileSync::Off);
        const qint64 checkedNanoseconds = timedWriter(Sections::BuiltNameChecked);
        const qint64 writerNanoseconds = timedWriter(Sections::Built);
        platform::setTextFileSync(platform::TextFileSync::EveryLine);
        if (line != platform::encodeText(makeNoticeSection(record, NoticesPerRun)).value_or(QByteArray()) + "\r\n")
            qFatal("The notice section encoded as it is built differs from the section as text");

        if (pieces.empty()) {
            QFile written(writerFile);
            written.open(QIODevice::ReadOnly);
            const QList<QByteArray> notices = written.readAll().split('<');
            // Cut back into one piece per notice.
            QByteArray piece;
            for (const QByteArray &part : notices) {
                if (part.startsWith("NOTICE>") && !piece.isEmpty()) {
                    pieces.push_back(piece);
                    piece.clear();
                }
                if (!part.isEmpty())
                    piece += '<' + part;
            }
            pieces.push_back(piece);
        }

        settleDisk(plainFile);
        QElapsedTimer timer;
        timer.start();
        std::FILE *plain = std::fopen(QFile::encodeName(plainFile).constData(), "wb");
        if (!plain)
            qFatal("Cannot create %s", qPrintable(plainFile));
        qint64 bytes = 0;
        for (const QByteArray &piece : pieces) {
            std::fwrite(piece.constData(), 1, std::size_t(piece.size()), plain);
            bytes += piece.size();
        }
        std::fclose(plain);
        const qint64 plainNanoseconds = timer.nsecsElapsed();

        platform::setTextFileSync(platform::TextFileSync::Off);
        const qint64 copiedNanoseconds = timedWriter(Sections::Copied);
        platform::setTextFileSync(platform::TextFileSync::EveryLine);

        const double megabytes = double(bytes) / 1e6;
        const double writerRate = megabytes / (double(writerNanoseconds) / 1e9);
        const double plainRate = megabytes / (double(plainNanoseconds) / 1e9);
        writerRates.push_back(writerRate);
        plainRates.push_back(plainRate);
        ratios.push_back(writerRate / plainRate);
        checkedRatios.push_back(double(plainNanoseconds) / double(checkedNanoseconds));
        copiedRatios.push_back(double(plainNanoseconds) / double(copiedNanoseconds));
    }
    table.add(QStringLiteral("Writer: notice sections built and written"), QStringLiteral("MB/s"), writerRates);
    table.add(QStringLiteral("Plain buffered write of the same bytes"), QStringLiteral("MB/s"), plainRates);
    // One write per saved notice is the design, and its ceiling here is about
    // 0.9 (the copied row below): the target leaves room for building the
    // section between two writes.
    table.add(QStringLiteral("Writer / plain write"), QStringLiteral("ratio"), ratios, Target::AtLeast, 0.6);
    table.add(QStringLiteral("  with the name checked before each notice"), QStringLiteral("ratio"), checkedRatios);
    table.add(QStringLiteral("  a notice section built alone"), QStringLiteral("us"), building);
    table.add(QStringLiteral("  the same path, sections copied, not built"), QStringLiteral("ratio"), copiedRatios);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    CaptureApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Performance figures of notice-capture."));
    parser.addHelpOption();
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs of each timing (21)."),
                                        QStringLiteral("n"), QStringLiteral("21"));
    const QCommandLineOption memoryRunsOption(QStringLiteral("memory-runs"),
                                              QStringLiteral("Runs of the memory measurement (3)."),
                                              QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption noticesOption(QStringLiteral("notices"),
                                           QStringLiteral("Notices of the memory run (10000)."), QStringLiteral("n"),
                                           QStringLiteral("10000"));
    const QCommandLineOption folderOption(QStringLiteral("folder"),
                                          QStringLiteral("Folder for the output files (a new one in the "
                                                         "current folder by default)."),
                                          QStringLiteral("dir"));
    QCommandLineOption typedRunOption(QStringLiteral("typed-run"),
                                      QStringLiteral("Internal: the child process of the memory figure."),
                                      QStringLiteral("n"));
    const QCommandLineOption onlyOption(
        QStringLiteral("only"),
        QStringLiteral("Only these figures, separated by commas: start-up, "
                       "set-up, save-next, writer, long-name, memory, sheets, typing, report (all)."),
        QStringLiteral("figures"));
    typedRunOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({runsOption, memoryRunsOption, noticesOption, folderOption, onlyOption, typedRunOption});
    parser.process(app);
    if (parser.isSet(typedRunOption)) {
        platform::SystemOverrides system;
        system.setProgramFolder(parser.value(folderOption));
        return typedRun(parser.value(typedRunOption).toInt(),
                        QDir(parser.value(folderOption)).filePath(QStringLiteral("typed-run.txt")));
    }

    Settings settings;
    settings.runs = std::max(1, parser.value(runsOption).toInt());
    settings.memoryRuns = std::max(0, parser.value(memoryRunsOption).toInt());
    settings.notices = std::max(1, parser.value(noticesOption).toInt());
    settings.program = QStringLiteral(NOTICE_CAPTURE_PROGRAM);

    // The output files go to the disk the program would write to, not to a
    // memory file system: by default a folder under the current one.
    QTemporaryDir temporary(QDir::current().filePath(QStringLiteral("notice-bench-XXXXXX")));
    settings.folder = parser.isSet(folderOption) ? parser.value(folderOption) : temporary.path();
    if (!QDir().mkpath(settings.folder))
        qFatal("Cannot create the folder %s", qPrintable(settings.folder));

    // Fixed readings, and no message box that would wait for a click.
    platform::SystemOverrides system;
    system.setProgramFolder(settings.folder);
    system.setLoginName(QStringLiteral("bench"));
    platform::ScopedRecordingAlerts alerts;

    const QStringList only = parser.value(onlyOption).split(QLatin1Char(','), Qt::SkipEmptyParts);
    const QStringList figures{QStringLiteral("start-up"), QStringLiteral("set-up"),    QStringLiteral("save-next"),
                              QStringLiteral("writer"),   QStringLiteral("long-name"), QStringLiteral("memory"),
                              QStringLiteral("sheets"),   QStringLiteral("typing"),    QStringLiteral("report")};
    for (const QString &figure : only) {
        if (!figures.contains(figure))
            qFatal("No such figure: %s (there are %s)", qPrintable(figure),
                   qPrintable(figures.join(QLatin1String(", "))));
    }
    const auto wanted = [&only](const char *figure) { return only.isEmpty() || only.contains(QLatin1String(figure)); };
    Table table;
    if (wanted("start-up"))
        measureStartUp(settings, table);
    if (wanted("set-up")) {
        measureWindowSetUp(settings, FormKind::T01, table);
        measureWindowSetUp(settings, FormKind::T02, table);
    }
    if (wanted("save-next")) {
        measureSaveNext(settings, FormKind::T01, table);
        measureSaveNext(settings, FormKind::T02, table);
    }
    if (wanted("writer"))
        measureWriterThroughput(settings, table);
    if (wanted("long-name"))
        measureLongOutputName(settings, table);
    if (wanted("memory") && settings.memoryRuns > 0) {
        measureMemory(settings, table);
        measureChecker(settings, table);
    }
    if (wanted("sheets") && settings.memoryRuns > 0)
        measureImport(settings, table);
    if (wanted("typing"))
        measureTypingWithDiagrams(settings, table);
    if (wanted("report"))
        measureReport(settings, table);

    if (!alerts.messages().isEmpty())
        qFatal("The window showed a message: %s", qPrintable(alerts.messages().first().text));
    table.print();
    return table.allMet() ? 0 : 1;
}
