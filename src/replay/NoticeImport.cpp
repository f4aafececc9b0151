#include "replay/NoticeImport.h"

#include "capture/CapitalLettersFilter.h"
#include "capture/CaptureWindow.h"
#include "capture/NoticeFileSession.h"
#include "capture/VisibilityRules.h"
#include "form/ControlNames.h"
#include "form/FieldCatalogue.h"
#include "form/FieldRules.h"
#include "form/ScreenBinding.h"
#include "notice/NoticeWriter.h"
#include "notice/SavedNoticeFile.h"
#include "platform/InputLimits.h"
#include "platform/TextFile.h"
#include "replay/ImportRows.h"
#include "replay/RunAlerts.h"
#include "replay/ScriptedRun.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
#include <QSet>
#include <QTextStream>

#include <unistd.h>

namespace NoticeImport {
namespace {

using ScriptedRun::BadScript;
using ScriptedRun::Completed;
using ScriptedRun::Stopped;

// A screen held in memory with the form's boxes and lists: a box takes a text
// no longer than its maximum, a list only one of its entries; or, to see where
// a value goes, any text.
class MemoryScreen : public ScreenReader, public ScreenWriter
{
public:
    enum Limits { Form, None };

    explicit MemoryScreen(FormKind kind, Limits limits = Form)
        : m_kind(kind)
        , m_limits(limits)
    { }

    QString text(const QString &name) const override { return m_texts.value(name); }
    bool isSelected(const QString &name) const override { return m_selected.contains(name); }

    bool setText(const QString &name, const QString &text) override
    {
        const ControlSpec *spec = findControl(m_kind, name);
        if (!spec)
            return false;
        const bool fits = spec->kind == ControlKind::DropDownList
            ? spec->entries.contains(text)
            : spec->maxLength == 0 || text.size() <= spec->maxLength;
        if (m_limits == Form && !fits)
            return false;
        m_texts.insert(name, text);
        return true;
    }

    void setSelected(const QString &name, bool selected) override
    {
        if (selected)
            m_selected.insert(name);
        else
            m_selected.remove(name);
    }

private:
    FormKind m_kind;
    Limits m_limits;
    QHash<QString, QString> m_texts;
    QSet<QString> m_selected;
};

// Puts texts on a screen as typing them would: capitals where the box turns
// typed letters into capitals.
class TypingWriter : public ScreenWriter
{
public:
    TypingWriter(ScreenWriter &screen, FormKind kind)
        : m_screen(screen)
        , m_kind(kind)
    { }

    bool setText(const QString &name, const QString &text) override
    {
        const ControlSpec *spec = findControl(m_kind, name);
        return m_screen.setText(name, spec && spec->capitals ? typedCapitals(text) : text);
    }
    void setSelected(const QString &name, bool selected) override { m_screen.setSelected(name, selected); }

private:
    ScreenWriter &m_screen;
    FormKind m_kind;
};

NoticeRecord recordOf(const NoticeColumns::Cells &cells, QString *fault)
{
    const std::optional<NoticeColumns::Notice> notice = NoticeColumns::noticeOf(cells, fault);
    return notice ? noticeRecordOf(notice->notice, notice->adm) : NoticeRecord{};
}

// The column whose value reaches the control: each cell put alone on a
// screen of the form.
QString columnFeeding(const NoticeColumns::Cells &cells, FormKind kind, const QString &control)
{
    for (const NoticeColumns::Cell &cell : cells) {
        if (cell.second.isEmpty())
            continue;
        MemoryScreen screen(kind, MemoryScreen::None);
        TypingWriter typing(screen, kind);
        showRecord(recordOf({cell}, nullptr), typing, kind);
        if (!screen.text(control).isEmpty() || screen.isSelected(control))
            return cell.first;
    }
    return control;
}

// The key of the first line that differs between two NOTICE sections,
// letters compared without their case (typing turns some into capitals).
QString firstDifferingKey(const QString &wanted, const QString &shown)
{
    const QStringList wantedLines = wanted.split(QStringLiteral("\r\n"));
    const QStringList shownLines = shown.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < wantedLines.size(); ++i) {
        if (i >= shownLines.size() || wantedLines[i].compare(shownLines[i], Qt::CaseInsensitive) != 0)
            return wantedLines[i].section(QStringLiteral(" = "), 0, 0);
    }
    return shownLines.value(wantedLines.size()).section(QStringLiteral(" = "), 0, 0);
}

// Whether a row can go on a screen of the form as it stands: every value in
// a box that takes it, and nothing lost on the way. Empty when it can.
QString rowFault(const ImportRows::Row &row, FormKind kind)
{
    QString fault;
    const NoticeRecord record = recordOf(row.cells, &fault);
    if (!fault.isEmpty())
        return fault;
    MemoryScreen screen(kind);
    TypingWriter typing(screen, kind);
    const QStringList refused = showRecord(record, typing, kind);
    if (!refused.isEmpty()) {
        return QStringLiteral("column \"%1\": no box of the %2 form takes this value")
            .arg(columnFeeding(row.cells, kind, refused.first()), QLatin1String(formName(kind)));
    }
    NoticeRecord shown;
    collectScreen(shown, screen, kind);
    // The notice type is the screen's to say, from the form and the intention.
    NoticeRecord wantedRecord = record;
    wantedRecord.notice_type = shown.notice_type;
    const QString wanted = makeNoticeSection(wantedRecord, 1);
    const QString written = makeNoticeSection(shown, 1);
    if (wanted.compare(written, Qt::CaseInsensitive) != 0) {
        return QStringLiteral("key \"%1\": the %2 form cannot write this value")
            .arg(firstDifferingKey(wanted, written), QLatin1String(formName(kind)));
    }
    return {};
}

// Reports the run's progress on a terminal: the count and the rate.
class ProgressLine
{
public:
    ProgressLine(QTextStream &err, bool wanted)
        : m_err(err)
        , m_shown(wanted && isatty(STDERR_FILENO))
    {
        m_clock.start();
    }

    void saved(int count)
    {
        if (!m_shown || count % 250 != 0)
            return;
        const double seconds = double(m_clock.elapsed()) / 1000.0;
        m_err << "\r" << count << " notices imported, " << int(count / std::max(seconds, 0.001)) << " a second"
              << Qt::flush;
        m_dirty = true;
    }

    ~ProgressLine()
    {
        if (m_dirty)
            m_err << "\n" << Qt::flush;
    }

private:
    QTextStream &m_err;
    QElapsedTimer m_clock;
    bool m_shown;
    bool m_dirty = false;
};

// The run on the capture window.
class Run
{
public:
    Run(FormKind kind, bool replace)
        : m_alerts(replace)
        , m_window(kind)
        , m_controls(m_window.controls())
        , m_kind(kind)
    { }

    void nameOutput(const QString &output) { m_controls.setText(Control::Txt_Filename, output); }

    // The row on the screen, its boxes checked, then Save/Next. The stop's
    // line, or empty.
    QString save(const ImportRows::Row &row)
    {
        const NoticeRecord record = recordOf(row.cells, nullptr);
        TypingWriter typing(m_controls, m_kind);
        showRecord(record, typing, m_kind);
        m_window.visibility().showFramesForScreen();
        if (const QString failing = failingBox(); !failing.isEmpty())
            return stopLine(row, columnFeeding(row.cells, m_kind, failing));
        m_window.saving().saveNext();
        if (m_alerts.messages().size() > m_seen)
            return stopLine(row, QStringLiteral("Save/Next"));
        return {};
    }

    // After a stop the screen is cleared, so that Finish saves nothing more.
    bool finish(bool stopped)
    {
        if (stopped)
            m_window.visibility().reset();
        m_seen = m_alerts.messages().size();
        m_window.saving().finish();
        return m_alerts.messages().size() == m_seen;
    }

    QString fileName() const { return QFileInfo(m_controls.text(Control::Txt_Filename)).absoluteFilePath(); }
    int noticesWritten() const { return m_window.saving().captureFile().noticeNumber - 1; }
    QString lastMessage() const
    {
        const auto messages = m_alerts.messages();
        return messages.isEmpty() ? QString() : messages.last().title + QStringLiteral(": ") + messages.last().text;
    }

private:
    // The first filled box, in tab order, whose check fails as the operator
    // leaves it; its name, with the message recorded, or empty.
    QString failingBox()
    {
        const bool validationOn = m_controls.checkBox(Control::ChkValidate)->isChecked();
        for (const ControlSpec &spec : m_controls.specs()) {
            QLineEdit *box = spec.rule ? m_controls.textBox(spec.name) : nullptr;
            if (!box || box->text().isEmpty() || !box->isVisibleTo(&m_window) || !box->isEnabled())
                continue;
            if (acceptsText(*spec.rule, box->text(), validationOn))
                continue;
            m_alerts.exclamation(&m_window, spec.rule->title, spec.rule->message);
            return spec.name;
        }
        return {};
    }

    QString stopLine(const ImportRows::Row &row, const QString &key)
    {
        const auto messages = m_alerts.messages();
        const auto &message = messages.at(m_seen);
        m_seen = messages.size();
        return row.where + QStringLiteral(": ") + key + QStringLiteral(": ") + message.title + QStringLiteral(": ")
            + message.text;
    }

    ScriptedRun::ReplayAlerts m_alerts;
    CaptureWindow m_window;
    FormControls &m_controls;
    FormKind m_kind;
    qsizetype m_seen = 0;
};

// The first pass: the file read through and every row checked.
int checkFile(const QString &dataPath, FormKind kind, int &rows, QTextStream &err)
{
    QString fault;
    std::unique_ptr<ImportRows> source = ImportRows::open(dataPath, &fault);
    ImportRows::Row row;
    while (source && fault.isEmpty() && source->next(row)) {
        ++rows;
        if (const QString rowProblem = rowFault(row, kind); !rowProblem.isEmpty())
            fault = row.where + QStringLiteral(": ") + rowProblem;
    }
    if (source && fault.isEmpty())
        fault = source->fault();
    if (fault.isEmpty())
        return Completed;
    err << platform::inputExcerpt(dataPath) << ": " << fault << Qt::endl;
    return BadScript;
}

} // namespace

// For now the command line's run, its lines taken back apart.
Outcome importNotices(const Request &request, const Progress &)
{
    QString outText;
    QString errText;
    QTextStream out(&outText);
    QTextStream err(&errText);
    const int status = importFile(request.dataPath, request.kind, request.output, request.replace, out, err);
    Outcome outcome;
    outcome.outputFile = QFileInfo(request.output).absoluteFilePath();
    const QString prefix = platform::inputExcerpt(request.dataPath) + QStringLiteral(": ");
    for (QString line : errText.split(u'\n', Qt::SkipEmptyParts))
        outcome.faults << (line.startsWith(prefix) ? line.mid(prefix.size()) : line);
    if (status == Completed) {
        outcome.status = outText.contains(QStringLiteral("no notice to import")) ? Outcome::Status::NothingToImport
                                                                                 : Outcome::Status::Imported;
        outcome.notices = outText.section(QStringLiteral(": "), -1).section(u' ', 0, 0).toInt();
    } else if (status == BadScript) {
        outcome.status = Outcome::Status::Faults;
    } else {
        outcome.failure = outcome.faults.join(u'\n');
    }
    return outcome;
}

QString unlistedFaultsLine(int unlisted)
{
    return unlisted <= 0 ? QString()
                         : QCoreApplication::translate("NoticeImport", "and %n more faults", nullptr, unlisted);
}

int importFile(const QString &dataPath, FormKind kind, const QString &output, bool replace, QTextStream &out,
               QTextStream &err)
{
    // The file is read twice: a pipe would be empty the second time.
    if (const std::optional<platform::FileIdentity> data = platform::fileIdentity(dataPath); data && !data->regular) {
        err << "Import: " << platform::inputExcerpt(dataPath)
            << ": the file to import must be a plain file (it is read twice), not a pipe or a device" << Qt::endl;
        return BadScript;
    }
    if (!output.isEmpty() && platform::isSameExistingFile(output, dataPath)) {
        err << "Import: the output file " << platform::inputExcerpt(output) << " is the file to import" << Qt::endl;
        return BadScript;
    }
    int rows = 0;
    if (const int checked = checkFile(dataPath, kind, rows, err); checked != Completed)
        return checked;
    if (!replace) {
        if (const QString existing = ScriptedRun::existingOutputFault(output); !existing.isEmpty()) {
            err << "Import: " << existing << Qt::endl;
            return BadScript;
        }
    }
    if (rows == 0) {
        out << dataPath << ": no notice to import; no file written" << Qt::endl;
        return Completed;
    }

    Run run(kind, replace);
    if (!output.isEmpty())
        run.nameOutput(output);
    // The notices are handed to the system one by one and synced to the disk
    // once, by the TAIL's write: a sync per notice would cost more than the
    // rest of the import. Should the machine fail during the import, its
    // file is opened again or the import run again.
    platform::setTextFileSync(platform::TextFileSync::Off);
    QString fault;
    std::unique_ptr<ImportRows> source = ImportRows::open(dataPath, &fault);
    ImportRows::Row row;
    QString stop;
    {
        // A progress line only for files long enough to wait for.
        ProgressLine progress(err, rows > 300);
        int saved = 0;
        while (source && stop.isEmpty() && source->next(row)) {
            stop = run.save(row);
            progress.saved(++saved);
        }
    }
    // The file changed since it was checked.
    if (stop.isEmpty() && !source)
        stop = fault;
    if (stop.isEmpty() && source && !source->fault().isEmpty())
        stop = source->fault();
    platform::setTextFileSync(platform::TextFileSync::EveryLine);
    const bool finished = run.finish(!stop.isEmpty());
    if (!finished)
        err << "The file " << run.fileName() << " could not be finished: " << run.lastMessage() << Qt::endl;
    if (!stop.isEmpty())
        err << platform::inputExcerpt(dataPath) << ": " << stop << Qt::endl;
    if (!stop.isEmpty() || !finished)
        return Stopped;
    const int notices = run.noticesWritten();
    out << run.fileName() << ": " << notices << (notices == 1 ? " notice" : " notices") << Qt::endl;
    return Completed;
}

} // namespace NoticeImport
