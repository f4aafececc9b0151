#include "replay/NoticeImport.h"

#include "capture/CaptureWindow.h"
#include "capture/NoticeFileSession.h"
#include "capture/VisibilityRules.h"
#include "form/ControlNames.h"
#include "form/FieldCatalogue.h"
#include "form/FieldRules.h"
#include "form/ScreenBinding.h"
#include "notice/NoticeKeys.h"
#include "platform/InputLimits.h"
#include "platform/TextFile.h"
#include "replay/FormComparison.h"
#include "replay/ImportRows.h"
#include "replay/RunAlerts.h"
#include "replay/ScriptedRun.h"
#include "sheet/CellReadings.h"
#include "sheet/NoticeColumns.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
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
        const FormComparison comparison = compareWithForm(cells, m_cellTexts, m_kind);
        for (const ColumnFault &fault : comparison.faults)
            addCellFault(fault.column, fault.what);
        putOnWindow(cells, comparison);
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

    // The notice on the window, as an operator would have typed it: every
    // filled box checked as on leaving it, then what Save/Next asks of a
    // notice.
    void putOnWindow(const NoticeColumns::Cells &cells, const FormComparison &comparison)
    {
        TypingWriter typing(m_controls, m_kind);
        showRecord(comparison.record, typing, m_kind);
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
        if (const std::optional<UnencodableField> &field = comparison.unencodable) {
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
