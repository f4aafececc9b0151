// notice-bench: the program's performance figures in one table.
//
//   notice-bench [--runs N] [--memory-runs N] [--notices N] [--folder DIR]
//
// Every figure is measured several times and shown as median, minimum and
// maximum beside its target:
// - start-up: notice-capture --quit-after-show run as a child process, from its
//   start until it has shown the menu and ended;
// - window set-up: a T01 and a T02 capture window built (captions, lists,
//   clear, file name) and shown;
// - Save/Next of a full notice (every box filled), the sync to the disk timed
//   apart from the rest;
// - writer throughput: notice sections built, encoded and written by the text
//   file service, against a plain buffered write of the same bytes;
// - memory: peak resident memory of notice-capture --replay playing a
//   generated script of 10,000 notices into one file, and its growth from
//   notice 1,000 on (the figures with targets); beside them, for comparison,
//   a child process typing the same notices into the window with no script.
//
// It runs on the offscreen platform, so no display is needed. Build it in
// Release for figures worth comparing (scripts/bench does).

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
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// --- Figures and the table ----------------------------------------------------

struct Spread
{
    double median = 0;
    double min = 0;
    double max = 0;
};

Spread spreadOf(std::vector<double> samples)
{
    if (samples.empty())
        return {};
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    const double median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    return {median, samples.front(), samples.back()};
}

// A target is met when the median lies under the limit (times, memory) or
// reaches it (throughput ratio). A row without a target only informs.
enum class Target { None, Under, AtLeast };

struct Row
{
    QString figure;
    QString unit;
    Spread spread;
    Target target = Target::None;
    double limit = 0;
    int runs = 0;
};

class Table
{
public:
    void add(const QString &figure, const QString &unit, const std::vector<double> &samples,
             Target target = Target::None, double limit = 0)
    {
        m_rows.push_back({figure, unit, spreadOf(samples), target, limit, int(samples.size())});
    }

    void print() const
    {
        std::printf("| %-44s | %9s | %9s | %9s | %-5s | %-10s | %-6s |\n", "Figure", "Median", "Min", "Max", "Unit",
                    "Target", "Result");
        std::printf("|%s|%s:|%s:|%s:|%s|%s|%s|\n", dashes(46).constData(), dashes(10).constData(),
                    dashes(10).constData(), dashes(10).constData(), dashes(7).constData(), dashes(12).constData(),
                    dashes(8).constData());
        for (const Row &row : m_rows) {
            std::printf("| %-44s | %9s | %9s | %9s | %-5s | %-10s | %-6s |\n", qPrintable(row.figure),
                        qPrintable(number(row.spread.median)), qPrintable(number(row.spread.min)),
                        qPrintable(number(row.spread.max)), qPrintable(row.unit), qPrintable(targetText(row)),
                        qPrintable(result(row)));
        }
        std::fflush(stdout);
    }

    bool allMet() const
    {
        return std::all_of(m_rows.begin(), m_rows.end(), [](const Row &row) { return result(row) != "miss"; });
    }

private:
    static QByteArray dashes(int count) { return QByteArray(count, '-'); }

    static QString number(double value)
    {
        const int decimals = value >= 100 ? 0 : value >= 10 ? 1 : value >= 1 ? 2 : 3;
        return QString::number(value, 'f', decimals);
    }

    static QString targetText(const Row &row)
    {
        switch (row.target) {
        case Target::None: return QString();
        case Target::Under: return QStringLiteral("< ") + number(row.limit);
        case Target::AtLeast: return QStringLiteral(">= ") + number(row.limit);
        }
        return QString();
    }

    static QString result(const Row &row)
    {
        const double median = row.spread.median;
        switch (row.target) {
        case Target::None: return QString();
        case Target::Under: return median < row.limit ? QStringLiteral("pass") : QStringLiteral("miss");
        case Target::AtLeast: return median >= row.limit ? QStringLiteral("pass") : QStringLiteral("miss");
        }
        return QString();
    }

    std::vector<Row> m_rows;
};

double milliseconds(qint64 nanoseconds)
{
    return double(nanoseconds) / 1e6;
}

void progress(const QString &text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

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

struct Settings
{
    int runs = 21;
    int memoryRuns = 3;
    int notices = 10000;
    QString folder;  // where the output files go
    QString program; // notice-capture
};

QProcessEnvironment childEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

// From the start of the program to its end once the menu is shown: the
// process start, the libraries, the application object, the menu, its first
// paint and the exit.
void measureStartUp(const Settings &settings, Table &table)
{
    progress(QStringLiteral("start-up..."));
    std::vector<double> samples;
    for (int run = 0; run <= settings.runs; ++run) {
        QProcess process;
        process.setProcessEnvironment(childEnvironment());
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer timer;
        timer.start();
        process.start(settings.program, {QStringLiteral("--quit-after-show")});
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            qFatal("%s --quit-after-show failed", qPrintable(settings.program));
        const qint64 elapsed = timer.nsecsElapsed();
        if (run > 0) // the first run fills the system's file cache
            samples.push_back(milliseconds(elapsed));
    }
    table.add(QStringLiteral("Start-up to menu shown"), QStringLiteral("ms"), samples, Target::Under, 250);
}

// Builds the window (captions, lists, clear, counter, file name) and shows it
// until it is exposed and painted.
void measureWindowSetUp(const Settings &settings, FormKind kind, Table &table)
{
    progress(QStringLiteral("window set-up %1...").arg(kind == FormKind::T01 ? "T01" : "T02"));
    std::vector<double> samples;
    for (int run = 0; run < settings.runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        auto window = std::make_unique<CaptureWindow>(kind);
        window->show();
        while (!window->windowHandle()->isExposed())
            QCoreApplication::processEvents();
        QCoreApplication::processEvents(); // the first paint
        samples.push_back(milliseconds(timer.nsecsElapsed()));
    }
    const QString name = kind == FormKind::T01 ? QStringLiteral("T01") : QStringLiteral("T02");
    table.add(QStringLiteral("Window set-up %1 until shown").arg(name), QStringLiteral("ms"), samples, Target::Under,
              60);
}

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
// the order alone moved the ratio by some 0.2.
void settleDisk()
{
    ::sync();
}

// The notice writer's path to the file: notice sections built from a full
// record, checked and encoded to Windows-1252 and written line by line by the
// text file service (sync off, as a plain write has none), against a plain
// buffered write (stdio) of the same bytes, in the same pieces, to the same
// folder. Both end with the file closed, and both start on a settled disk.
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

    std::vector<QByteArray> pieces; // the bytes of each notice as the writer wrote them
    std::vector<double> writerRates, plainRates, ratios;
    for (int run = 0; run < settings.runs; ++run) {
        platform::setTextFileSync(platform::TextFileSync::Off);
        settleDisk();
        QElapsedTimer timer;
        timer.start();
        platform::TextFile file;
        QString error;
        if (!file.create(writerFile, &error))
            qFatal("%s", qPrintable(error));
        for (int notice = 1; notice <= NoticesPerRun; ++notice) {
            if (!file.writeLine(makeNoticeSection(record, notice), &error))
                qFatal("%s", qPrintable(error));
        }
        file.close(&error);
        const qint64 writerNanoseconds = timer.nsecsElapsed();
        platform::setTextFileSync(platform::TextFileSync::EveryLine);

        if (pieces.empty()) {
            QFile written(writerFile);
            written.open(QIODevice::ReadOnly);
            const QList<QByteArray> notices = written.readAll().split('<');
            // Cut back into one piece per notice: "<NOTICE>...</NOTICE>\r\n".
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

        settleDisk();
        timer.restart();
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

        const double megabytes = double(bytes) / 1e6;
        const double writerRate = megabytes / (double(writerNanoseconds) / 1e9);
        const double plainRate = megabytes / (double(plainNanoseconds) / 1e9);
        writerRates.push_back(writerRate);
        plainRates.push_back(plainRate);
        ratios.push_back(writerRate / plainRate);
    }
    table.add(QStringLiteral("Writer: notice sections built and written"), QStringLiteral("MB/s"), writerRates);
    table.add(QStringLiteral("Plain buffered write of the same bytes"), QStringLiteral("MB/s"), plainRates);
    table.add(QStringLiteral("Writer / plain write"), QStringLiteral("ratio"), ratios, Target::AtLeast, 0.5);
}

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

// The child's side of the typed run: count notices into one file, then one
// line "resident-at-1000 resident-at-end peak" in megabytes.
int typedRun(int count, const QString &output)
{
    platform::ScopedRecordingAlerts alerts;
    CaptureWindow window(FormKind::T01);
    window.show();
    window.activateWindow();
    while (!window.isActiveWindow())
        QCoreApplication::processEvents();
    window.textBox(QStringLiteral("Txt_Filename"))->setText(output);

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

struct ChildRun
{
    double peakMegabytes = 0;
    double seconds = 0;
};

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

// Runs the program on a script and returns its peak resident memory: its own
// high-water mark, read every few milliseconds until it ends. The system's
// account of an ended child (ru_maxrss) would not do: a spawned child shares
// this process's memory until its exec, and that size stays in the account,
// so it would show this process's size whenever that is the larger.
std::optional<ChildRun> runScript(const Settings &settings, const QString &script, const QString &output)
{
    const QByteArray program = QFile::encodeName(settings.program);
    const QByteArray scriptArgument = QFile::encodeName(script);
    const QByteArray outputArgument = QFile::encodeName(output);
    char *arguments[] = {const_cast<char *>(program.constData()),        const_cast<char *>("--replay"),
                         const_cast<char *>(scriptArgument.constData()), const_cast<char *>("--output"),
                         const_cast<char *>(outputArgument.constData()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    QElapsedTimer timer;
    timer.start();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.constData(), &actions, nullptr, arguments, environ);
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
        const std::optional<ChildRun> earlyRun
            = runScript(settings, earlyScript, QDir(settings.folder).filePath(QStringLiteral("memory-early.txt")));
        const std::optional<ChildRun> fullRun
            = runScript(settings, fullScript, QDir(settings.folder).filePath(QStringLiteral("memory-full.txt")));
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
    typedRunOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({runsOption, memoryRunsOption, noticesOption, folderOption, typedRunOption});
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

    Table table;
    measureStartUp(settings, table);
    measureWindowSetUp(settings, FormKind::T01, table);
    measureWindowSetUp(settings, FormKind::T02, table);
    measureSaveNext(settings, FormKind::T01, table);
    measureSaveNext(settings, FormKind::T02, table);
    measureWriterThroughput(settings, table);
    if (settings.memoryRuns > 0)
        measureMemory(settings, table);

    if (!alerts.messages().isEmpty())
        qFatal("The window showed a message: %s", qPrintable(alerts.messages().first().text));
    table.print();
    return table.allMet() ? 0 : 1;
}
