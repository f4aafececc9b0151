#include "form/ScreenBinding.h"

#include "form/FieldCatalogue.h"
#include "notice/FieldChecks.h"
#include "notice/Formatting.h"
#include "notice/NoticeCodes.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>

namespace {

const QString Add = QLatin1String(NoticeCodes::Add);
const QString Modify = QLatin1String(NoticeCodes::Modify);

bool isOneOf(const QString &text, std::initializer_list<const char *> codes)
{
    for (const char *code : codes) {
        if (text == QLatin1String(code))
            return true;
    }
    return false;
}

bool isRemoval(const QString &action)
{
    return isOneOf(action, {NoticeCodes::Suppress, NoticeCodes::Withdraw});
}

// Whether a polarization has a horizontal ("H", "M") or a vertical ("V", "M")
// component: it decides both the radiated powers and the antenna patterns taken.
bool hasHorizontalComponent(const QString &polarization)
{
    return isOneOf(polarization, {"H", "M"});
}

bool hasVerticalComponent(const QString &polarization)
{
    return isOneOf(polarization, {"V", "M"});
}

QString padded(const QString &text, qint16 width)
{
    return width == 0 ? text : Formatting::zeroPad(text, width);
}

// What the screen says beyond the boxes' own texts, and what it decides.
struct Shape
{
    QString action;
    QString polarization;
    bool directional = false; // the antenna directivity is "D"

    bool removal() const { return isRemoval(action); }
    // Whether a control of that binding is read for a notice of this shape.
    bool reads(const Binding &binding) const
    {
        if (binding.kind == BindingKind::TargetText)
            return action != Add;
        return binding.reading == Reading::Always || !removal();
    }
    // Whether a box's text reaches its field, given its condition.
    bool takes(Condition condition) const
    {
        switch (condition) {
        case Condition::IfGiven:
        case Condition::EvenEmpty: return true;
        case Condition::WithHorizontal: return hasHorizontalComponent(polarization);
        case Condition::WithVertical: return hasVerticalComponent(polarization);
        case Condition::PatternHorizontal: return directional && hasHorizontalComponent(polarization);
        case Condition::PatternVertical: return directional && hasVerticalComponent(polarization);
        }
        return false;
    }
};

// The three boxes of a date, joined as year "-" month "-" day.
struct DateBoxes
{
    const ControlSpec *parts[3] = {nullptr, nullptr, nullptr}; // by DatePart
};

DateBoxes dateBoxes(FormKind kind, QString NoticeRecord::*field)
{
    DateBoxes boxes;
    for (const ControlSpec &control : controlTable(kind)) {
        if (control.binding.kind == BindingKind::DatePart && control.binding.field == field)
            boxes.parts[int(control.binding.part)] = &control;
    }
    return boxes;
}

bool isDigits(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// One part of a date as the date is built from it. The day, month and year
// checks read a part by its whole value, so " 7", "7." and "+7" pass as 7; the
// date takes that value too, or the file would find no date in the joined
// text and leave it out. Digits alone (and the empty text) stay as typed, and
// a text that is no number stays as it is: unchecked, it is left out as before.
QString datePartValue(const QString &typed)
{
    if (isDigits(typed) || !FieldChecks::isNumeric(typed))
        return typed;
    const std::optional<qint16> value = FieldChecks::wholeValue(typed);
    return value ? QString::number(*value) : typed;
}

QString joinedDate(const ScreenReader &screen, const DateBoxes &date)
{
    const auto part = [&](DatePart which) { return datePartValue(screen.text(date.parts[int(which)]->name)); };
    return Formatting::joinDateYMD(part(DatePart::Year), part(DatePart::Month), part(DatePart::Day));
}

// The three texts that join into the stored date and fit their boxes. A part
// typed with a dash of its own ("-1") makes the joined text ambiguous: any
// split whose parts fit gives the same stored date, and so the same line.
std::optional<std::array<QString, 3>> splitDate(const QString &stored, const DateBoxes &date)
{
    if (stored.isEmpty())
        return std::array<QString, 3>{};
    const auto fits = [&date](DatePart part, const QString &text) {
        const int maxLength = date.parts[int(part)]->maxLength;
        return !text.isEmpty() && (maxLength == 0 || text.size() <= maxLength);
    };
    for (qsizetype first = stored.indexOf(u'-'); first >= 0; first = stored.indexOf(u'-', first + 1)) {
        for (qsizetype second = stored.indexOf(u'-', first + 1); second >= 0;
             second = stored.indexOf(u'-', second + 1)) {
            const QString year = stored.left(first);
            const QString month = stored.mid(first + 1, second - first - 1);
            const QString day = stored.mid(second + 1);
            if (fits(DatePart::Year, year) && fits(DatePart::Month, month) && fits(DatePart::Day, day))
                return std::array<QString, 3>{year, month, day};
        }
    }
    return std::nullopt;
}

} // namespace

void collectScreen(NoticeRecord &record, const ScreenReader &screen, FormKind kind)
{
    const QList<ControlSpec> &controls = controlTable(kind);
    for (const ControlSpec &control : controls) {
        const Binding &binding = control.binding;
        if (binding.kind == BindingKind::Intention && record.action.isEmpty() && screen.isSelected(control.name))
            record.action = QLatin1String(binding.code);
        if (binding.kind == BindingKind::Fragment && record.fragment.isEmpty() && screen.isSelected(control.name))
            record.fragment = QLatin1String(binding.code);
    }
    const Shape shape{record.action, screen.text(Control::Combo_9D_Polariz),
                      screen.text(Control::Combo_9_AntDir) == QLatin1String("D")};
    record.notice_type = QLatin1String(shape.removal()             ? NoticeCodes::RemovalType
                                           : kind == FormKind::T01 ? NoticeCodes::SoundType
                                                                   : NoticeCodes::TelevisionType);

    for (const ControlSpec &control : controls) {
        const Binding &binding = control.binding;
        if (binding.kind == BindingKind::None || !shape.reads(binding))
            continue;
        const QString text = screen.text(control.name);
        switch (binding.kind) {
        case BindingKind::Text:
            if (binding.condition == Condition::EvenEmpty)
                record.*binding.field = text;
            else if (!text.isEmpty() && shape.takes(binding.condition))
                record.*binding.field = padded(text, binding.padWidth);
            break;
        case BindingKind::DatePart:
            // The date is joined once, at its year box.
            if (binding.part == DatePart::Year)
                record.*binding.field = joinedDate(screen, dateBoxes(kind, binding.field));
            break;
        case BindingKind::Hours:
            if (!text.isEmpty()) {
                record.op_hours.op_hours_given = true;
                record.op_hours.*binding.hoursField = Formatting::zeroPadFour(text);
            }
            break;
        case BindingKind::TargetText:
            if (!text.isEmpty()) {
                record.trg.trg_given = true;
                record.trg.*binding.targetField = padded(text, binding.padWidth);
            }
            break;
        case BindingKind::Coordination:
            if (!text.isEmpty()) {
                record.coord.coord_given = true;
                record.coord.adm(binding.index) = text;
            }
            break;
        case BindingKind::Azimuth:
            if (!text.isEmpty() && shape.takes(binding.condition))
                (record.*binding.table)[std::size_t(binding.index)]
                    = {QString::number(binding.index * kAzimuthStep), text};
            break;
        case BindingKind::None:
        case BindingKind::Intention:
        case BindingKind::Fragment: break;
        }
    }

    // A suppression or withdrawal (or a notice without intention) identifies
    // the assignment by its target.
    if (record.action != Add && record.action != Modify && record.trg.trg_given) {
        for (const ControlSpec &control : controls) {
            const Binding &binding = control.binding;
            if (binding.kind != BindingKind::TargetText)
                continue;
            const QString &target = record.trg.*binding.targetField;
            if (!target.isEmpty())
                record.*binding.field = padded(target, binding.padWidth);
        }
    }
}

QStringList showRecord(const NoticeRecord &record, ScreenWriter &screen, FormKind kind)
{
    QStringList refused;
    const auto put = [&screen, &refused](const QString &control, const QString &text) {
        if (!screen.setText(control, text))
            refused << control;
    };
    const Shape shape{record.action, record.polar, false};
    const auto hasPattern = [](const AzimuthTable &table) {
        return std::any_of(table.begin(), table.end(), [](const AzimuthValue &entry) { return !entry.azm.isEmpty(); });
    };

    for (const ControlSpec &control : controlTable(kind)) {
        const Binding &binding = control.binding;
        const bool read = binding.kind != BindingKind::None && shape.reads(binding);
        switch (binding.kind) {
        case BindingKind::None:
            // The directivity is written nowhere: only a directional antenna
            // ("D") lets the attenuation tables through, so it is "D" when the
            // record has an attenuation and left empty otherwise.
            if (control.name == Control::Combo_9_AntDir)
                put(control.name,
                    hasPattern(record.attn_h) || hasPattern(record.attn_v) ? QStringLiteral("D") : QString());
            break;
        case BindingKind::Intention:
            screen.setSelected(control.name, record.action == QLatin1String(binding.code));
            break;
        case BindingKind::Fragment:
            screen.setSelected(control.name, record.fragment == QLatin1String(binding.code));
            break;
        case BindingKind::Text:
            // A notice without intention holds the target over its own items;
            // the station box then shows that text, which the target replaces
            // again when the screen is collected.
            put(control.name, read ? record.*binding.field : QString());
            break;
        case BindingKind::DatePart: {
            if (binding.part != DatePart::Year)
                break;
            const DateBoxes date = dateBoxes(kind, binding.field);
            const std::optional<std::array<QString, 3>> parts
                = splitDate(read ? record.*binding.field : QString(), date);
            for (int part = 0; part < 3; ++part) {
                if (parts)
                    put(date.parts[part]->name, parts->at(std::size_t(part)));
                else
                    refused << date.parts[part]->name;
            }
            break;
        }
        case BindingKind::Hours: put(control.name, read ? record.op_hours.*binding.hoursField : QString()); break;
        case BindingKind::TargetText: put(control.name, read ? record.trg.*binding.targetField : QString()); break;
        case BindingKind::Coordination: put(control.name, read ? record.coord.adm(binding.index) : QString()); break;
        case BindingKind::Azimuth:
            put(control.name, read ? (record.*binding.table)[std::size_t(binding.index)].value : QString());
            break;
        }
    }
    return refused;
}

namespace {

std::optional<UnencodableField> unencodable(const QString &text, const QString &control)
{
    const qsizetype position = platform::findUnencodable(text);
    if (position < 0)
        return std::nullopt;
    return UnencodableField{control, platform::characterAt(text, position),
                            platform::describeCharacter(text, position)};
}

// The box of a joined date that holds the character at position: the dashes
// before it tell the part.
std::optional<UnencodableField> unencodableDate(const QString &joined, const DateBoxes &date)
{
    const qsizetype position = platform::findUnencodable(joined);
    if (position < 0)
        return std::nullopt;
    const qsizetype dashes = joined.left(position).count(QLatin1Char('-'));
    const DatePart part = dashes == 0 ? DatePart::Year : dashes == 1 ? DatePart::Month : DatePart::Day;
    return unencodable(joined, date.parts[int(part)]->name);
}

// The text that a control put into the record.
std::optional<UnencodableField> unencodableIn(const NoticeRecord &record, const ControlSpec &control, FormKind kind)
{
    const Binding &binding = control.binding;
    switch (binding.kind) {
    case BindingKind::Text: return unencodable(record.*binding.field, control.name);
    case BindingKind::DatePart:
        if (binding.part != DatePart::Year)
            return std::nullopt;
        return unencodableDate(record.*binding.field, dateBoxes(kind, binding.field));
    case BindingKind::Hours: return unencodable(record.op_hours.*binding.hoursField, control.name);
    case BindingKind::TargetText: return unencodable(record.trg.*binding.targetField, control.name);
    case BindingKind::Coordination: return unencodable(record.coord.adm(binding.index), control.name);
    case BindingKind::Azimuth:
        return unencodable((record.*binding.table)[std::size_t(binding.index)].value, control.name);
    case BindingKind::None:
    case BindingKind::Intention:
    case BindingKind::Fragment: return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::optional<UnencodableField> findUnencodableField(const NoticeRecord &record)
{
    const FormKind kind
        = record.notice_type == QLatin1String(NoticeCodes::TelevisionType) ? FormKind::T02 : FormKind::T01;
    const QList<ControlSpec> &controls = controlTable(kind);
    const auto isTarget = [](const ControlSpec &c) { return c.binding.kind == BindingKind::TargetText; };
    const auto isAlwaysText = [](const ControlSpec &c) {
        return c.binding.kind == BindingKind::Text && c.binding.reading == Reading::Always;
    };
    const auto isRest = [&](const ControlSpec &c) { return !isTarget(c) && !isAlwaysText(c); };
    for (const auto &belongs :
         {std::function<bool(const ControlSpec &)>(isTarget), std::function<bool(const ControlSpec &)>(isAlwaysText),
          std::function<bool(const ControlSpec &)>(isRest)}) {
        for (const ControlSpec &control : controls) {
            if (!belongs(control))
                continue;
            if (auto found = unencodableIn(record, control, kind))
                return found;
        }
    }
    return std::nullopt;
}
