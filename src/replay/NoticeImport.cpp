#include "replay/NoticeImport.h"

#include "capture/CapitalLettersFilter.h"
#include "capture/CaptureWindow.h"
#include "capture/NoticeFileSession.h"
#include "capture/VisibilityRules.h"
#include "form/ControlNames.h"
#include "form/FieldCatalogue.h"
#include "form/FieldRules.h"
#include "form/ScreenBinding.h"
#include "notice/NoticeKeys.h"
#include "notice/NoticeWriter.h"
#include "notice/ProgramVersion.h"
#include "notice/SavedNoticeFile.h"
#include "platform/InputLimits.h"
#include "platform/TextFile.h"
#include "replay/ImportRows.h"
#include "replay/RunAlerts.h"
#include "replay/ScriptedRun.h"
#include "sheet/CellReadings.h"
#include "sheet/NoticeColumns.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
#include <QMap>
#include <QSet>
#include <QTextStream>

#include <unistd.h>

namespace NoticeImport {
namespace {

using CellReadings::quoted;
using ScriptedRun::BadScript;
using ScriptedRun::Completed;
using ScriptedRun::Stopped;

// The texts of the import, translated under one context wherever they are used.
class ImportText
{
    Q_DECLARE_TR_FUNCTIONS(NoticeImport)
};

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

NoticeRecord recordOf(const NoticeColumns::Cells &cells)
{
    const std::optional<NoticeColumns::Notice> notice = NoticeColumns::noticeOf(cells, nullptr);
    return notice ? noticeRecordOf(notice->notice, notice->adm) : NoticeRecord{};
}

// A screen of the form with the one cell on it, taken as any text.
MemoryScreen aloneOnScreen(const NoticeColumns::Cell &cell, FormKind kind)
{
    MemoryScreen screen(kind, MemoryScreen::None);
    TypingWriter typing(screen, kind);
    showRecord(recordOf({cell}), typing, kind);
    return screen;
}

bool shows(const MemoryScreen &screen, const QString &control)
{
    return !screen.text(control).isEmpty() || screen.isSelected(control);
}

// The column whose value reaches the control: each cell put alone on a
// screen of the form.
QString columnFeeding(const NoticeColumns::Cells &cells, FormKind kind, const QString &control)
{
    for (const NoticeColumns::Cell &cell : cells) {
        if (shows(aloneOnScreen(cell, kind), control))
            return cell.first;
    }
    return {};
}

// Whether some control of the form shows the cell's value (the directivity
// list is set by any attenuation, whatever the form).
bool formHasBoxFor(const NoticeColumns::Cell &cell, FormKind kind)
{
    const MemoryScreen screen = aloneOnScreen(cell, kind);
    const QList<ControlSpec> &controls = controlTable(kind);
    return std::any_of(controls.begin(), controls.end(), [&screen](const ControlSpec &control) {
        return control.name != Control::Combo_9_AntDir && shows(screen, control.name);
    });
}

// The cells of a NOTICE section as the form writes it, by column.
QMap<QString, QString> writtenCells(const NoticeRecord &record)
{
    // Any administration: the file is read back for its NOTICE section alone.
    QByteArray bytes = QByteArrayLiteral("File captured on -\r\nProcessed by -\r\nProgram Id: ")
        + ProgramVersionLabel.toLatin1() + "\r\n" + makeHeadSection(QStringLiteral("A")).toLatin1() + "\r\n";
    QMap<QString, QString> cells;
    if (!appendNoticeSectionLine(bytes, record, 1))
        return cells;
    const ParsedNoticeFile parsed = checkNoticeFile(bytes + finishingBytes(1));
    if (parsed.notices.isEmpty())
        return cells;
    for (const NoticeColumns::Cell &cell : NoticeColumns::cellsOf(parsed.notices.first(), QString()))
        cells.insert(cell.first, cell.second);
    return cells;
}

// Why a control could not take the text of its column.
QString refusal(const ControlSpec &control, const QString &cellText)
{
    if (control.kind == ControlKind::DropDownList) {
        const QStringList entries = control.entries.mid(1);
        return ImportText::tr("%1 is not one of %2").arg(quoted(cellText), entries.join(QStringLiteral(", ")));
    }
    if (control.binding.kind == BindingKind::DatePart)
        return ImportText::tr("%1 does not fit the boxes of a date").arg(quoted(cellText));
    return ImportText::tr("%1 is longer than its box (%2 characters at most)")
        .arg(quoted(cellText))
        .arg(control.maxLength);
}

// Collects the faults of a whole file: the first MaxListedFaults in full,
// the rest counted.
class FaultList
{
public:
    void add(const QString &line)
    {
        if (m_listed.size() < MaxListedFaults)
            m_listed.append(line);
        else
            ++m_unlisted;
    }
    bool isEmpty() const { return m_listed.isEmpty(); }
    const QStringList &listed() const { return m_listed; }
    int unlisted() const { return m_unlisted; }

private:
    QStringList m_listed;
    int m_unlisted = 0;
};

// The import on a capture window of the form, never shown. Each row is
// checked in full; the rows are saved, into a file beside the output, for
// as long as no row has had a fault.
class Import
{
public:
    Import(FormKind kind, const QString &workFile)
        : m_alerts(true)
        , m_window(kind)
        , m_controls(m_window.controls())
        , m_kind(kind)
    {
        m_controls.setText(Control::Txt_Filename, workFile);
    }

    // Checks the row and, while the file is sound so far, saves it. False
    // when the work file could not be written (failure() says why).
    bool take(const ImportRows::Row &row, FaultList &faults)
    {
        m_where = row.where;
        m_faults = &faults;
        m_faultyColumns.clear();
        for (const QString &fault : row.faults)
            addFault(fault);
        const NoticeColumns::Cells cells = readCells(row);
        checkAdministration(cells);
        const NoticeRecord record = recordOf(cells);
        compareWithForm(cells, record);
        putOnWindow(cells, record);
        if (!faults.isEmpty())
            return true;
        m_window.saving().saveNext();
        if (!m_alerts.messages().isEmpty()) {
            m_failure
                = m_alerts.messages().constFirst().title + QStringLiteral(": ") + m_alerts.messages().constFirst().text;
            return false;
        }
        return true;
    }

    // Writes the TAIL. False when it cannot be (failure() says why).
    bool finish()
    {
        m_window.visibility().reset();
        m_alerts.clear();
        if (m_window.saving().finish() && m_alerts.messages().isEmpty())
            return true;
        if (!m_alerts.messages().isEmpty())
            m_failure = m_alerts.messages().constFirst().text;
        return false;
    }

    int noticesWritten() const { return m_window.saving().captureFile().noticeNumber - 1; }
    QString failure() const { return m_failure; }

private:
    void addFault(const QString &line) { m_faults->add(line); }

    void addCellFault(const QString &column, const QString &what)
    {
        m_faultyColumns.insert(column);
        addFault(column.isEmpty() ? rowFaultLine(m_where, what) : cellFaultLine(m_where, column, what));
    }

    // Each cell read for its column; a cell that reads as no value is a
    // fault and is left out of the notice.
    NoticeColumns::Cells readCells(const ImportRows::Row &row)
    {
        NoticeColumns::Cells cells;
        m_cellTexts.clear();
        for (const ImportRows::Cell &cell : row.cells) {
            const CellReadings::Reading reading = CellReadings::read(cell.column, cell.cell);
            if (reading.isFault()) {
                addCellFault(cell.column, reading.fault);
                continue;
            }
            m_cellTexts.insert(cell.column, cell.cell.text);
            cells.append({cell.column, reading.value});
        }
        return cells;
    }

    // A notice file has one notifying administration: the first row's.
    void checkAdministration(const NoticeColumns::Cells &cells)
    {
        for (const NoticeColumns::Cell &cell : cells) {
            if (cell.first != NoticeColumns::AdministrationColumn)
                continue;
            if (m_administration.isEmpty())
                m_administration = cell.second;
            else if (cell.second != m_administration)
                addCellFault(cell.first,
                             ImportText::tr("%1 is not %2, the notifying administration of the rows before: "
                                            "a notice file has only one")
                                 .arg(quoted(cell.second), quoted(m_administration)));
        }
    }

    // The notice put on a screen of the form as typing it would, then
    // collected and written: every value must come out as its cell says.
    void compareWithForm(const NoticeColumns::Cells &cells, const NoticeRecord &record)
    {
        MemoryScreen screen(m_kind);
        TypingWriter typing(screen, m_kind);
        const QStringList refused = showRecord(record, typing, m_kind);
        QSet<QString> refusedColumns;
        for (const QString &control : refused) {
            const QString column = columnFeeding(cells, m_kind, control);
            if (column.isEmpty() || refusedColumns.contains(column))
                continue;
            refusedColumns.insert(column);
            addCellFault(column, refusal(*findControl(m_kind, control), m_cellTexts.value(column)));
        }
        NoticeRecord shown;
        collectScreen(shown, screen, m_kind);
        m_shown = shown;
        if (findUnencodableField(shown))
            return; // named with its box once the notice is on the window
        QMap<QString, QString> written = writtenCells(shown);
        written.insert(NoticeColumns::AdministrationColumn, shown.adm);
        QMap<QString, QString> given;
        for (const NoticeColumns::Cell &cell : cells)
            given.insert(cell.first, cell.second);
        QSet<QString> columns(given.keyBegin(), given.keyEnd());
        for (auto it = written.keyBegin(); it != written.keyEnd(); ++it)
            columns.insert(*it);
        QStringList ordered(columns.begin(), columns.end());
        std::sort(ordered.begin(), ordered.end(), [](const QString &a, const QString &b) {
            return NoticeColumns::rankOf(a).value_or(-1) < NoticeColumns::rankOf(b).value_or(-1);
        });
        for (const QString &column : std::as_const(ordered)) {
            const QString wanted = given.value(column);
            const QString out = written.value(column);
            // The notice's number is its place in the file; its type, when
            // not given, the form's to say.
            const bool derived = column == NoticeKeys::text(NoticeKeys::Key::NoticeNo)
                || (wanted.isEmpty() && NoticeColumns::isDerived(column));
            // A value that no box took changes what the others write: only
            // that value is named.
            if (wanted == out || derived || !refusedColumns.isEmpty())
                continue;
            addCellFault(column, difference(column, m_cellTexts.value(column, wanted), wanted, out));
        }
    }

    // How the value the form writes differs from the cell's.
    QString difference(const QString &column, const QString &cellText, const QString &wanted, const QString &out) const
    {
        const QString form = QLatin1String(formName(m_kind));
        const std::optional<NoticeKeys::Key> key = NoticeColumns::keyOf(column);
        if (out.isEmpty() && (key == NoticeKeys::Key::DAdmNtc || key == NoticeKeys::Key::DInuse))
            return ImportText::tr("%1 is no date of the calendar").arg(quoted(cellText));
        if (out.isEmpty() && !formHasBoxFor({column, wanted}, m_kind))
            return ImportText::tr("%1 is not written: the %2 form has no box for this column")
                .arg(quoted(cellText), form);
        if (out.isEmpty())
            return ImportText::tr("%1 is not written: the %2 form leaves this column out of such a notice "
                                  "(its intention, fragment, polarization or antenna)")
                .arg(quoted(cellText), form);
        if (wanted.isEmpty())
            return ImportText::tr("empty, but the %1 form writes %2 here").arg(form, quoted(out));
        if (out == wanted.toUpper())
            return ImportText::tr("%1 is written in capitals by the %2 form: %3")
                .arg(quoted(cellText), form, quoted(out));
        return ImportText::tr("%1 is written %2 by the %3 form").arg(quoted(cellText), quoted(out), form);
    }

    // The notice on the window, as an operator would have typed it: every
    // filled box checked as on leaving it, then what Save/Next asks of a
    // notice.
    void putOnWindow(const NoticeColumns::Cells &cells, const NoticeRecord &record)
    {
        TypingWriter typing(m_controls, m_kind);
        showRecord(record, typing, m_kind);
        m_window.visibility().showFramesForScreen();
        const bool validationOn = m_controls.checkBox(Control::ChkValidate)->isChecked();
        QSet<QString> failedColumns;
        for (const ControlSpec &spec : m_controls.specs()) {
            QLineEdit *box = spec.rule ? m_controls.textBox(spec.name) : nullptr;
            if (!box || box->text().isEmpty() || !box->isVisibleTo(&m_window) || !box->isEnabled())
                continue;
            if (acceptsText(*spec.rule, box->text(), validationOn))
                continue;
            const QString column = columnFeeding(cells, m_kind, spec.name);
            if (failedColumns.contains(column))
                continue;
            failedColumns.insert(column);
            addCellFault(column,
                         ImportText::tr("%1: %2: %3")
                             .arg(quoted(m_cellTexts.value(column)), spec.rule->title, spec.rule->message));
        }
        // What Save/Next asks, unless a fault of the row already explains
        // why it is missing.
        const auto faulty = [this](std::initializer_list<NoticeKeys::Key> keys) {
            return std::any_of(keys.begin(), keys.end(),
                               [this](NoticeKeys::Key key) { return m_faultyColumns.contains(NoticeKeys::text(key)); });
        };
        using K = NoticeKeys::Key;
        if (m_controls.text(Control::Txt_B_Adm).isEmpty() && !faulty({K::Adm}))
            addCellFault(NoticeColumns::AdministrationColumn,
                         ImportText::tr("empty: a notice cannot be saved without its notifying administration"));
        if (!m_window.saving().isNewNotice()
            && !faulty({K::FreqAssgn, K::Long, K::Lat, K::TrgFreqAssgn, K::TrgLong, K::TrgLat, K::Action}))
            addFault(rowFaultLine(m_where,
                                  ImportText::tr("no frequency and no coordinates: a notice cannot be saved without "
                                                 "one of them")));
        if (const std::optional<UnencodableField> field = findUnencodableField(m_shown)) {
            const QString column = columnFeeding(cells, m_kind, field->controlName);
            addCellFault(column,
                         ImportText::tr("%1 holds %2, which a notice file cannot hold")
                             .arg(quoted(m_cellTexts.value(column)), field->description));
        }
    }

    ScriptedRun::ReplayAlerts m_alerts;
    CaptureWindow m_window;
    FormControls &m_controls;
    FormKind m_kind;
    QString m_administration;
    QString m_failure;
    // The row being taken.
    QString m_where;
    FaultList *m_faults = nullptr;
    QSet<QString> m_faultyColumns;
    QHash<QString, QString> m_cellTexts; // each column's cell as the file has it
    NoticeRecord m_shown;
};

void removeWorkFile(const QString &name)
{
    QFile::remove(name);
    QFile::remove(name + QStringLiteral(".lock"));
}

// Reports the import's progress on a terminal.
class ProgressLine
{
public:
    explicit ProgressLine(QTextStream &err)
        : m_err(err)
        , m_shown(isatty(STDERR_FILENO))
    {
        m_clock.start();
    }

    bool rowDone(double fraction)
    {
        if (m_shown && m_clock.elapsed() >= m_nextMs) {
            m_nextMs = m_clock.elapsed() + 250;
            m_err << "\r" << QCoreApplication::translate("NoticeImport", "%1 % read").arg(int(fraction * 100))
                  << Qt::flush;
            m_dirty = true;
        }
        return true;
    }

    ~ProgressLine()
    {
        if (m_dirty)
            m_err << "\n" << Qt::flush;
    }

private:
    QTextStream &m_err;
    QElapsedTimer m_clock;
    qint64 m_nextMs = 1000;
    bool m_shown;
    bool m_dirty = false;
};

Outcome failed(const QString &why, Outcome::Status status = Outcome::Status::Failed)
{
    Outcome outcome;
    outcome.status = status;
    outcome.failure = why;
    return outcome;
}

Outcome refused(const QString &why)
{
    return failed(why, Outcome::Status::Refused);
}

} // namespace

Outcome importNotices(const Request &request, const Progress &progress)
{
    const QString output
        = QFileInfo(request.output.isEmpty() ? NoticeFileSession::defaultFileName(request.kind) : request.output)
              .absoluteFilePath();
    // Named in messages as the user gave it.
    const QString outputName = request.output.isEmpty() ? output : request.output;
    if (platform::isSameExistingFile(output, request.dataPath))
        return refused(
            ImportText::tr("the output file %1 is the file to import").arg(platform::inputExcerpt(outputName)));
    if (!request.replace) {
        if (const QString existing = ScriptedRun::existingOutputFault(outputName); !existing.isEmpty())
            return refused(existing);
    }
    // The file is read from its start again once its format is known.
    if (const std::optional<platform::FileIdentity> data = platform::fileIdentity(request.dataPath);
        data && !data->regular)
        return refused(ImportText::tr("%1: the file to import must be a plain file, not a pipe or a device")
                           .arg(platform::inputExcerpt(request.dataPath)));
    if (QFile data(request.dataPath); !data.open(QIODevice::ReadOnly))
        return refused(
            ImportText::tr("%1 cannot be read: %2").arg(platform::inputExcerpt(request.dataPath), data.errorString()));
    QStringList openFaults;
    std::unique_ptr<ImportRows> rows = ImportRows::open(request.dataPath, &openFaults);
    if (!rows) {
        Outcome outcome;
        outcome.status = Outcome::Status::Faults;
        outcome.faults = openFaults;
        return outcome;
    }

    // The notices go to the system one by one and to the disk once, with the
    // TAIL's sync and the rename: a sync per notice would cost more than the
    // rest of the import, and until the rename the output is untouched.
    const QString workFile = platform::workFileBeside(output);
    platform::setTextFileSync(platform::TextFileSync::Off);
    Outcome outcome;
    outcome.outputFile = output;
    FaultList faults;
    int rowCount = 0;
    bool cancelled = false;
    {
        Import import(request.kind, workFile);
        ImportRows::Row row;
        while (rows->next(row)) {
            ++rowCount;
            if (!import.take(row, faults)) {
                outcome.status = Outcome::Status::Failed;
                outcome.failure = import.failure();
                break;
            }
            if (progress && !progress(rows->fractionRead())) {
                cancelled = true;
                break;
            }
        }
        if (!rows->fault().isEmpty())
            faults.add(rows->fault());
        platform::setTextFileSync(platform::TextFileSync::EveryLine);
        const bool sound = outcome.failure.isEmpty() && !cancelled && faults.isEmpty() && rowCount > 0;
        if (sound && !import.finish()) {
            outcome.status = Outcome::Status::Failed;
            outcome.failure = import.failure();
        }
        outcome.notices = import.noticesWritten();
        if (!sound)
            import.finish();
    }
    if (cancelled)
        outcome.status = Outcome::Status::Cancelled;
    else if (!faults.isEmpty())
        outcome.status = Outcome::Status::Faults;
    else if (rowCount == 0)
        outcome.status = Outcome::Status::NothingToImport;
    else if (outcome.failure.isEmpty()) {
        QString error;
        if (platform::renameFileOver(workFile, output, &error))
            outcome.status = Outcome::Status::Imported;
        else
            outcome = failed(error);
    }
    outcome.faults = faults.listed();
    outcome.unlistedFaults = faults.unlisted();
    // The window names the file it writes: the user knows it by the output's name.
    outcome.failure.replace(workFile, output);
    if (outcome.status != Outcome::Status::Imported) {
        outcome.notices = 0;
        removeWorkFile(workFile);
    } else {
        QFile::remove(workFile + QStringLiteral(".lock"));
    }
    return outcome;
}

QString unlistedFaultsLine(int unlisted)
{
    if (unlisted <= 0)
        return {};
    return unlisted == 1 ? ImportText::tr("and 1 more fault") : ImportText::tr("and %1 more faults").arg(unlisted);
}

int importFile(const QString &dataPath, FormKind kind, const QString &output, bool replace, QTextStream &out,
               QTextStream &err)
{
    const QString dataName = platform::inputExcerpt(dataPath);
    Outcome outcome;
    {
        ProgressLine line(err);
        outcome = importNotices({dataPath, kind, output, replace},
                                [&line](double fraction) { return line.rowDone(fraction); });
    }
    switch (outcome.status) {
    case Outcome::Status::Imported:
        out << outcome.outputFile << ": " << outcome.notices << (outcome.notices == 1 ? " notice" : " notices")
            << Qt::endl;
        return Completed;
    case Outcome::Status::NothingToImport:
        out << dataName << ": " << ImportText::tr("no notice to import; no file written") << Qt::endl;
        return Completed;
    case Outcome::Status::Faults:
        for (const QString &fault : std::as_const(outcome.faults))
            err << dataName << ": " << fault << Qt::endl;
        if (outcome.unlistedFaults > 0)
            err << dataName << ": " << unlistedFaultsLine(outcome.unlistedFaults) << Qt::endl;
        err << dataName << ": " << ImportText::tr("nothing imported: no file written") << Qt::endl;
        return BadScript;
    case Outcome::Status::Refused: err << "Import: " << outcome.failure << Qt::endl; return BadScript;
    case Outcome::Status::Cancelled:
    case Outcome::Status::Failed: break;
    }
    err << "Import: " << outcome.failure << Qt::endl;
    return Stopped;
}

} // namespace NoticeImport
