#include "replay/FormComparison.h"

#include "capture/CapitalLettersFilter.h"
#include "form/ControlNames.h"
#include "form/FieldCatalogue.h"
#include "notice/NoticeKeys.h"
#include "notice/NoticeWriter.h"
#include "notice/ProgramVersion.h"
#include "notice/SavedNoticeFile.h"
#include "sheet/CellReadings.h"

#include <QCoreApplication>
#include <QMap>
#include <QSet>

#include <algorithm>

namespace {

using CellReadings::quoted;

// The texts of the import, translated under its context.
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

// How the value the form writes differs from the cell's.
QString difference(const QString &column, const QString &cellText, const QString &wanted, const QString &out,
                   FormKind kind)
{
    const QString form = QLatin1String(formName(kind));
    const std::optional<NoticeKeys::Key> key = NoticeColumns::keyOf(column);
    if (out.isEmpty() && (key == NoticeKeys::Key::DAdmNtc || key == NoticeKeys::Key::DInuse))
        return ImportText::tr("%1 is no date of the calendar").arg(quoted(cellText));
    if (out.isEmpty() && !formHasBoxFor({column, wanted}, kind))
        return ImportText::tr("%1 is not written: the %2 form has no box for this column").arg(quoted(cellText), form);
    if (out.isEmpty())
        return ImportText::tr("%1 is not written: the %2 form leaves this column out of such a notice "
                              "(its intention, fragment, polarization or antenna)")
            .arg(quoted(cellText), form);
    if (wanted.isEmpty())
        return ImportText::tr("empty, but the %1 form writes %2 here").arg(form, quoted(out));
    if (out == wanted.toUpper())
        return ImportText::tr("%1 is written in capitals by the %2 form: %3").arg(quoted(cellText), form, quoted(out));
    return ImportText::tr("%1 is written %2 by the %3 form").arg(quoted(cellText), quoted(out), form);
}

} // namespace

bool TypingWriter::setText(const QString &name, const QString &text)
{
    const ControlSpec *spec = findControl(m_kind, name);
    return m_screen.setText(name, spec && spec->capitals ? typedCapitals(text) : text);
}

NoticeRecord recordOf(const NoticeColumns::Cells &cells)
{
    const std::optional<NoticeColumns::Notice> notice = NoticeColumns::noticeOf(cells, nullptr);
    return notice ? noticeRecordOf(notice->notice, notice->adm) : NoticeRecord{};
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

FormComparison compareWithForm(const NoticeColumns::Cells &cells, const QHash<QString, QString> &cellTexts,
                               FormKind kind)
{
    FormComparison result;
    result.record = recordOf(cells);
    MemoryScreen screen(kind);
    TypingWriter typing(screen, kind);
    const QStringList refused = showRecord(result.record, typing, kind);
    QSet<QString> refusedColumns;
    for (const QString &control : refused) {
        const QString column = columnFeeding(cells, kind, control);
        if (column.isEmpty() || refusedColumns.contains(column))
            continue;
        refusedColumns.insert(column);
        result.faults.append({column, refusal(*findControl(kind, control), cellTexts.value(column))});
    }
    collectScreen(result.shown, screen, kind);
    result.unencodable = findUnencodableField(result.shown);
    // A value that no box took changes what the others write: only that
    // value is named.
    if (result.unencodable || !refusedColumns.isEmpty())
        return result;
    QMap<QString, QString> written = writtenCells(result.shown);
    written.insert(NoticeColumns::AdministrationColumn, result.shown.adm);
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
        if (wanted == out || derived)
            continue;
        result.faults.append({column, difference(column, cellTexts.value(column, wanted), wanted, out, kind)});
    }
    return result;
}
