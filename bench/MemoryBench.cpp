// The memory figures of notice-bench: the peak memory of a long scripted run
// and its growth, and the same notices typed into the window by a child
// process with no script (notice-bench --typed-run N).

#include "MemoryBench.h"

#include "capture/CaptureWindow.h"
#include "capture/NoticeFileSession.h"
#include "platform/Alerts.h"
#include "platform/System.h"
#include "sheet/SheetFormat.h"
#include "sheet/SheetWriter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

#include <functional>
#include <optional>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// --- Memory of a long scripted run --------------------------------------------

// One screen of a typical T01 notice as an operator types it: the station,
// its site, technical items and one attenuation table. A value of true clicks
// an option button; a text is typed into a box or chosen in a list.
QJsonObject typicalNotice()
{
    QJsonObject screen{
        {"OptInt_Add", true},      {"Txt_4A_SiteName", "montmartre"},
        {"Txt_4B_GeoArea", "f"},   {"Txt_4C_Deg_Long", "2"},
        {"Txt_4C_Min_Long", "20"}, {"Txt_4C_Sec_Long", "30"},
        {"Txt_4C_EW", "e"},        {"Txt_4C_Deg_Lat", "48"},
        {"Txt_4C_Min_Lat", "53"},  {"Txt_4C_Sec_Lat", "10"},
        {"Txt_4C_NS", "n"},        {"Txt_1A_FreqAssgn", "98.5"},
        {"Combo_9D_Polariz", "H"}, {"Txt_8BH_Erp_H", "40"},
        {"Txt_7D_TranSys", "4"},   {"Txt_70_BDWdth", "180"},
        {"Txt_9E_AntHgt", "150"},  {"Txt_9EB_Eff_hgtmax", "320"},
    };
    for (int azimuth = 0; azimuth < 360; azimuth += 10)
        screen.insert(QStringLiteral("Txt_9EC_azm%1").arg(azimuth, 3, 10, QLatin1Char('0')),
                      QString::number(300 + azimuth % 50));
    return screen;
}

// What the first screen of a file adds: the administration, the date of
// notification and the fragment, which the following screens keep.
QJsonObject firstNotice()
{
    QJsonObject first = typicalNotice();
    first.insert("Txt_B_Adm", "f");
    first.insert("Txt_Ntc_DD", "7");
    first.insert("Txt_Ntc_MM", "12");
    first.insert("Txt_Ntc_YY", QString::number(QDate::currentDate().year()));
    first.insert("OptFrg_Ge84", true);
    return first;
}

// A script of count notices into one file, for notice-capture --replay.
QByteArray memoryScript(int count)
{
    QJsonArray notices{firstNotice()};
    const QJsonObject next = typicalNotice();
    for (int notice = 2; notice <= count; ++notice)
        notices.append(next);
    return QJsonDocument(QJsonObject{{"form", "T01"}, {"notices", notices}}).toJson(QJsonDocument::Compact);
}

// --- The typed run: the capture window alone, no script in memory ---------------

void sendKey(QWidget *receiver, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             const QString &text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(receiver, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(receiver, &release);
}

// Plays one screen on the window as the operator does, in tab order: every
// text typed key by key and left with Tab (so the key filters and the rules
// on leaving a box run), lists chosen with the arrow keys, options clicked;
// then Save/Next.
void typeScreen(CaptureWindow &window, const QJsonObject &screen)
{
    QList<ControlSpec> order = window.controls().specs();
    std::stable_sort(order.begin(), order.end(),
                     [](const ControlSpec &a, const ControlSpec &b) { return a.tabIndex < b.tabIndex; });
    for (const ControlSpec &spec : std::as_const(order)) {
        const QJsonValue value = screen.value(spec.name);
        if (value.isUndefined())
            continue;
        if (QLineEdit *box = window.textBox(spec.name)) {
            box->setFocus(Qt::TabFocusReason);
            sendKey(box, Qt::Key_A, Qt::ControlModifier);
            for (const QChar c : value.toString())
                sendKey(box, c.toUpper().unicode(), Qt::NoModifier, QString(c));
            sendKey(box, Qt::Key_Tab);
        } else if (QComboBox *list = window.list(spec.name)) {
            list->setFocus(Qt::TabFocusReason);
            const int target = list->findText(value.toString());
            while (list->currentIndex() < target)
                sendKey(list, Qt::Key_Down);
        } else if (QRadioButton *option = window.option(spec.name)) {
            option->click();
        }
        QCoreApplication::processEvents();
    }
    window.button(QStringLiteral("Button_Next"))->click();
    QCoreApplication::processEvents();
}

// A reading of this process's memory status in megabytes: "VmRSS" (resident
// now) or "VmHWM" (the peak so far).
double memoryStatus(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

// The window shown and active, as an operator's is, its output file named.
void showForTyping(CaptureWindow &window, const QString &output)
{
    window.show();
    window.activateWindow();
    while (!window.isActiveWindow())
        QCoreApplication::processEvents();
    window.textBox(QStringLiteral("Txt_Filename"))->setText(output);
}

} // namespace

// Typing notices into the shown window, each painted as it is typed, with
// the antenna diagrams shown and hidden in turn: the keys of a 9NH box cost a
// repaint of its diagram only, so the two should be the same within the noise.
void measureTypingWithDiagrams(const Settings &settings, Table &table)
{
    progress(QStringLiteral("typing with and without diagrams..."));
    platform::ScopedRecordingAlerts alerts;
    const QString output = QDir(settings.folder).filePath(QStringLiteral("typing-diagrams.txt"));
    QFile::remove(output);
    CaptureWindow window(FormKind::T01);
    showForTyping(window, output);
    typeScreen(window, firstNotice());
    const QJsonObject next = typicalNotice();
    const auto timedNotice = [&](bool diagrams) {
        window.setPatternViewsShown(diagrams);
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        typeScreen(window, next);
        return milliseconds(timer.nsecsElapsed());
    };
    std::vector<double> shown, hidden, ratios;
    for (int run = 0; run < settings.runs; ++run) {
        shown.push_back(timedNotice(true));
        hidden.push_back(timedNotice(false));
        ratios.push_back(shown.back() / hidden.back());
    }
    if (!alerts.messages().isEmpty())
        qFatal("Typing a notice: %s", qPrintable(alerts.messages().first().text));
    window.saving().finish();
    QFile::remove(output);
    table.add(QStringLiteral("Typing a T01 notice, diagrams shown"), QStringLiteral("ms"), shown);
    table.add(QStringLiteral("  the same, diagrams hidden"), QStringLiteral("ms"), hidden);
    table.add(QStringLiteral("Typing with / without diagrams"), QStringLiteral("ratio"), ratios, Target::Under, 1.1);
}

// The child's side of the typed run: count notices into one file, then one
// line "resident-at-1000 resident-at-end peak" in megabytes.
int typedRun(int count, const QString &output)
{
    platform::ScopedRecordingAlerts alerts;
    // A file of the name from an earlier run would be asked about (replace,
    // continue or cancel) at the first Save/Next, and no answer cancels.
    QFile::remove(output);
    CaptureWindow window(FormKind::T01);
    showForTyping(window, output);

    const QJsonObject first = firstNotice();
    const QJsonObject next = typicalNotice();
    double residentEarly = 0;
    for (int notice = 1; notice <= count; ++notice) {
        typeScreen(window, notice == 1 ? first : next);
        if (!alerts.messages().isEmpty()) {
            std::fprintf(stderr, "notice %d: %s\n", notice, qPrintable(alerts.messages().first().text));
            return 1;
        }
        if (notice == std::min(1000, count))
            residentEarly = memoryStatus("VmRSS");
    }
    if (window.text(QStringLiteral("Txt_Ntc_Number")) != QString::number(count + 1)) {
        std::fprintf(stderr, "the window counted %s notices\n", qPrintable(window.text("Txt_Ntc_Number")));
        return 1;
    }
    window.saving().finish();
    std::printf("%f %f %f\n", residentEarly, memoryStatus("VmRSS"), memoryStatus("VmHWM"));
    return 0;
}

namespace {

// The high-water mark of a running process's resident memory in megabytes,
// -1 once it is gone.
double highWaterMark(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

} // namespace

// Its own high-water mark is read every few milliseconds until it ends. The
// system's account of an ended child (ru_maxrss) would not do: a spawned child
// shares this process's memory until its exec, and that size stays in the
// account, so it would show this process's size whenever that is the larger.
std::optional<ChildRun> runChild(const QString &programPath, const QStringList &options)
{
    const QByteArray program = QFile::encodeName(programPath);
    std::vector<QByteArray> encoded{program};
    for (const QString &option : options)
        encoded.push_back(QFile::encodeName(option));
    std::vector<char *> arguments;
    for (QByteArray &argument : encoded)
        arguments.push_back(argument.data());
    arguments.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    QElapsedTimer timer;
    timer.start();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.constData(), &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return std::nullopt;
    int status = 0;
    double peak = 0;
    for (;;) {
        const pid_t ended = waitpid(child, &status, WNOHANG);
        if (ended == child)
            break;
        if (ended < 0)
            return std::nullopt;
        peak = std::max(peak, highWaterMark(child));
        usleep(2000);
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return ChildRun{peak, double(timer.nsecsElapsed()) / 1e9};
}

// The peak of a run of the whole script, and its growth from notice 1,000 on:
// the peak of the full run less the peak of a run of its first 1,000 notices
// (the same screens, so the same program state up to there).
void measureMemory(const Settings &settings, Table &table)
{
    const int early = std::min(1000, settings.notices);
    const QString earlyScript = QDir(settings.folder).filePath(QStringLiteral("memory-%1.json").arg(early));
    const QString fullScript = QDir(settings.folder).filePath(QStringLiteral("memory-%1.json").arg(settings.notices));
    for (const auto &[path, count] : {std::pair{earlyScript, early}, std::pair{fullScript, settings.notices}}) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(memoryScript(count)) < 0)
            qFatal("Cannot write %s", qPrintable(path));
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");

    std::vector<double> peaks, growths, runSeconds;
    for (int run = 0; run < settings.memoryRuns; ++run) {
        progress(QStringLiteral("memory run %1 of %2 (%3 notices)...")
                     .arg(run + 1)
                     .arg(settings.memoryRuns)
                     .arg(settings.notices));
        const std::optional<ChildRun> earlyRun = runChild(
            settings.program,
            {QStringLiteral("--replay"), earlyScript, QStringLiteral("--replace"), QStringLiteral("--output"),
             QDir(settings.folder).filePath(QStringLiteral("memory-early.txt"))});
        const std::optional<ChildRun> fullRun
            = runChild(settings.program,
                       {QStringLiteral("--replay"), fullScript, QStringLiteral("--replace"), QStringLiteral("--output"),
                        QDir(settings.folder).filePath(QStringLiteral("memory-full.txt"))});
        if (!earlyRun || !fullRun)
            qFatal("The scripted run of %s failed", qPrintable(settings.program));
        peaks.push_back(fullRun->peakMegabytes);
        growths.push_back(fullRun->peakMegabytes - earlyRun->peakMegabytes);
        runSeconds.push_back(fullRun->seconds / settings.notices * 1000);
    }
    // The program as it is run: the real --replay of the script file, which it
    // reads a screen at a time, so the script's length must not show.
    table.add(QStringLiteral("Peak memory, %1 notices --replay").arg(settings.notices), QStringLiteral("MB"), peaks,
              Target::Under, 80);
    table.add(QStringLiteral("Growth from notice %1 to %2, --replay").arg(early).arg(settings.notices),
              QStringLiteral("MB"), growths, Target::Under, 2);
    table.add(QStringLiteral("  scripted run, time per notice"), QStringLiteral("ms"), runSeconds);

    std::vector<double> typedPeaks, typedGrowths, typedSeconds;
    for (int run = 0; run < settings.memoryRuns; ++run) {
        progress(QStringLiteral("typed run %1 of %2 (%3 notices)...")
                     .arg(run + 1)
                     .arg(settings.memoryRuns)
                     .arg(settings.notices));
        QProcess child;
        child.setProcessEnvironment(childEnvironment());
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer timer;
        timer.start();
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--typed-run"), QString::number(settings.notices), QStringLiteral("--folder"),
                     settings.folder});
        if (!child.waitForFinished(-1) || child.exitCode() != 0)
            qFatal("The typed run failed");
        const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
        if (figures.size() != 3)
            qFatal("The typed run gave no figures");
        typedGrowths.push_back(figures[1].toDouble() - figures[0].toDouble());
        typedPeaks.push_back(figures[2].toDouble());
        typedSeconds.push_back(double(timer.nsecsElapsed()) / 1e9 / settings.notices * 1000);
    }
    // The window alone, no script: what the scripted run adds shows beside it.
    table.add(QStringLiteral("  peak memory, %1 notices typed").arg(settings.notices), QStringLiteral("MB"),
              typedPeaks);
    table.add(QStringLiteral("  growth from notice %1 to %2, typed").arg(early).arg(settings.notices),
              QStringLiteral("MB"), typedGrowths);
    table.add(QStringLiteral("  typed run, time per notice"), QStringLiteral("ms"), typedSeconds);
}

// A national plan as a spreadsheet: count notices of one T01 station each,
// dated this year, as a table of texts.
QList<QStringList> importRows(int count)
{
    QList<QStringList> rows{{"t_adm", "t_d_adm_ntc", "t_fragment", "t_action", "t_site_name", "t_ctry", "t_freq_assgn",
                             "t_long", "t_lat", "t_polar", "t_erp_h_dbw", "t_tran_sys", "t_bdwdth", "t_hgt_agl",
                             "t_eff_hgtmax", "ANT_HGT/t_eff_hgt@azm0"}};
    const QString date = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    for (int notice = 1; notice <= count; ++notice) {
        rows.append({"F", date, "GE84", "ADD", QStringLiteral("SITE %1").arg(notice), "F",
                     QString::number(87.5 + (notice % 200) / 10.0), "+0022030", "+485310", "H", "40", "4", "180", "150",
                     "320", "300"});
    }
    return rows;
}

// The rows written as a file of the format.
void writeRows(const QList<QStringList> &rows, SheetFormat format, const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("Cannot write %s", qPrintable(name));
    const std::unique_ptr<SheetTableWriter> writer = writeSheetTable(format, file);
    QList<int> widths;
    for (const QString &column : rows.first())
        widths.append(int(column.size()));
    writer->writeHeader(rows.first(), widths);
    for (qsizetype i = 1; i < rows.size(); ++i)
        writer->writeRow(rows.at(i));
    if (!writer->finish())
        qFatal("Cannot write %s: %s", qPrintable(name), qPrintable(writer->error()));
}

namespace {

// Runs program with the options, on files of the first 1,000 notices and of
// all of them in turn, memoryRuns times: the time of the long run, its peak
// memory and the growth from the short one to it, added as three rows.
void measureRuns(const Settings &settings, Table &table, const QString &program, const QString &what,
                 double secondsTarget, const std::function<QStringList(int count)> &options)
{
    const int early = std::min(1000, settings.notices);
    std::vector<double> peaks, growths, seconds;
    for (int run = 0; run < settings.memoryRuns; ++run) {
        progress(QStringLiteral("%1, run %2 of %3...").arg(what).arg(run + 1).arg(settings.memoryRuns));
        std::optional<ChildRun> runs[2];
        for (int i = 0; i < 2; ++i) {
            runs[i] = runChild(program, options(i == 0 ? early : settings.notices));
            if (!runs[i])
                qFatal("%s failed", qPrintable(what));
        }
        peaks.push_back(runs[1]->peakMegabytes);
        growths.push_back(runs[1]->peakMegabytes - runs[0]->peakMegabytes);
        seconds.push_back(runs[1]->seconds);
    }
    table.add(QStringLiteral("%1: time").arg(what), QStringLiteral("s"), seconds, Target::Under, secondsTarget);
    table.add(QStringLiteral("  peak memory"), QStringLiteral("MB"), peaks, Target::Under, 80);
    table.add(QStringLiteral("  growth from %1 to %2 notices").arg(early).arg(settings.notices), QStringLiteral("MB"),
              growths, Target::Under, 2);
}

} // namespace

void measureImport(const Settings &settings, Table &table)
{
    const int early = std::min(1000, settings.notices);
    const QDir folder(settings.folder);
    const auto fileName = [&folder](int count, SheetFormat format) {
        return folder.filePath(QStringLiteral("import-%1.%2").arg(count).arg(sheetFormatName(format)));
    };
    const auto output = [&folder](int count) { return folder.filePath(QStringLiteral("import-%1.txt").arg(count)); };
    for (const int count : {early, settings.notices}) {
        const QList<QStringList> rows = importRows(count);
        for (const SheetFormat format : {SheetFormat::Csv, SheetFormat::Xlsx})
            writeRows(rows, format, fileName(count, format));
    }
    for (const SheetFormat format : {SheetFormat::Csv, SheetFormat::Xlsx}) {
        measureRuns(settings, table, settings.program,
                    QStringLiteral("Import of %1 %2 rows").arg(settings.notices).arg(sheetFormatName(format)), 5,
                    [&](int count) {
                        return QStringList{QStringLiteral("--import"),
                                           fileName(count, format),
                                           QStringLiteral("--form"),
                                           QStringLiteral("T01"),
                                           QStringLiteral("--replace"),
                                           QStringLiteral("--output"),
                                           output(count)};
                    });
    }
    // The files just imported, exported again.
    for (const SheetFormat format : {SheetFormat::Csv, SheetFormat::Xlsx, SheetFormat::Ods}) {
        measureRuns(settings, table, QStringLiteral(NOTICE_CHECK_PROGRAM),
                    QStringLiteral("Export of %1 notices as %2").arg(settings.notices).arg(sheetFormatName(format)), 2,
                    [&](int count) {
                        return QStringList{
                            QStringLiteral("--export"), sheetFormatName(format), output(count),
                            QStringLiteral("--output"),
                            folder.filePath(QStringLiteral("export-%1.%2").arg(count).arg(sheetFormatName(format)))};
                    });
    }
}
