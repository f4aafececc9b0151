#include "form/FieldCatalogue.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

// ---- Control names of the box families ---------------------------------------

namespace Control {

QLatin1String azimuthPrefix(AzimuthTableId table)
{
    switch (table) {
    case AzimuthTableId::EffectiveHeight: return QLatin1String("Txt_9EC_azm");
    case AzimuthTableId::HorizontalPattern: return QLatin1String("Txt_9NHAzm");
    case AzimuthTableId::VerticalPattern: return QLatin1String("Txt_9NVAzm");
    }
    Q_UNREACHABLE();
}

QString azimuthBox(AzimuthTableId table, int index)
{
    return azimuthPrefix(table) + QStringLiteral("%1").arg(index * kAzimuthStep, 3, 10, QLatin1Char('0'));
}

QStringList azimuthBoxes(AzimuthTableId table)
{
    QStringList names;
    for (int index = 0; index < AzimuthCount; ++index)
        names << azimuthBox(table, index);
    return names;
}

QString coordinationBox(int n)
{
    return QStringLiteral("Txt_11_Adm%1").arg(n);
}

QStringList coordinationBoxes()
{
    QStringList names;
    for (int n = 1; n <= CoordinationCount; ++n)
        names << coordinationBox(n);
    return names;
}

} // namespace Control

QString Texts::in(Language language) const
{
    const char16_t *text = texts[std::size_t(language)];
    return text ? QString::fromUtf16(text) : QString();
}

QRect ControlSpec::pixelRect() const
{
    return twipsRect(left, top, width, height);
}

// ---- Writing rows ------------------------------------------------------------

namespace catalogue {

// The setters, one per line.
// clang-format off
Row &Row::tab(int both) { spec.tabIndex = both; t02TabIndex = both; return *this; }
Row &Row::tab(int onT01, int onT02) { spec.tabIndex = onT01; t02TabIndex = onT02; return *this; }
Row &Row::on(Forms forms) { spec.forms = forms; return *this; }
Row &Row::atOnT02(int left, int top) { t02Left = left; t02Top = top; return *this; }
Row &Row::textOnT02(const QString &text) { t02Text = text; hasT02Text = true; return *this; }
Row &Row::rule(const FieldRule &rule) { spec.rule = &rule; return *this; }
Row &Row::capitals() { spec.capitals = true; return *this; }
Row &Row::clears(ClearGroup group) { spec.clear = group; return *this; }
Row &Row::hiddenWithStation() { spec.hiddenWithStation = true; return *this; }
Row &Row::entries(const QStringList &entries) { spec.entries = entries; return *this; }
Row &Row::binds(const Binding &binding) { spec.binding = binding; return *this; }
Row &Row::above(QLatin1String control) { place = Place::Above; reference = control; return *this; }
Row &Row::rightOf(QLatin1String control) { place = Place::RightOf; reference = control; return *this; }
// clang-format on

Row &Row::caption(const char16_t *english, const char16_t *french, const char16_t *spanish)
{
    spec.captions.texts = {english, french, spanish};
    return *this;
}

Row &Row::tip(const char16_t *english, const char16_t *french, const char16_t *spanish)
{
    spec.toolTips.texts = {english, french, spanish};
    return *this;
}

Row &Row::namedBy(std::initializer_list<QLatin1String> names, NamePart part)
{
    for (const QLatin1String name : names)
        spec.namedBy << name;
    spec.part = part;
    return *this;
}

Row &Row::named(const char *spokenName)
{
    spec.spokenName = spokenName;
    return *this;
}

namespace {

constexpr int NoFocus = -1;

Row makeRow(QLatin1String name, ControlKind kind, QLatin1String parent, int left, int top, int width, int height)
{
    Row row;
    row.spec.name = name;
    row.spec.kind = kind;
    row.spec.parent = parent;
    row.spec.left = left;
    row.spec.top = top;
    row.spec.width = width;
    row.spec.height = height;
    row.spec.tabIndex = NoFocus;
    row.t02TabIndex = NoFocus;
    return row;
}

} // namespace

Row frame(QLatin1String name, QLatin1String parent, int left, int top, int width, int height, const QString &caption,
          Look look)
{
    Row row = makeRow(name, ControlKind::Frame, parent, left, top, width, height);
    row.spec.text = caption;
    row.spec.look = look;
    return row;
}

Row textBox(QLatin1String name, QLatin1String parent, int left, int top, int width, int maxLength, int height)
{
    Row row = makeRow(name, ControlKind::TextBox, parent, left, top, width, height);
    row.spec.maxLength = maxLength;
    return row;
}

Row list(QLatin1String name, int left, int top, int width, int height)
{
    return makeRow(name, ControlKind::DropDownList, Control::FrameNotice, left, top, width, height);
}

Row option(QLatin1String name, QLatin1String parent, int left, int top, int width, int height, const char *caption)
{
    Row row = makeRow(name, ControlKind::OptionButton, parent, left, top, width, height);
    row.spec.text = QString::fromUtf8(caption);
    row.spec.look = Look::OptionButton;
    return row;
}

Row windowControl(QLatin1String name, ControlKind kind, int left, int top, int width, int height, const char *caption)
{
    Row row = makeRow(name, kind, {}, left, top, width, height);
    row.spec.text = QString::fromUtf8(caption);
    return row;
}

Row label(QLatin1String name, const char *text, Look look)
{
    Row row = makeRow(name, ControlKind::Label, {}, 0, 0, 0, SmallLabelHeight);
    row.spec.text = QString::fromUtf8(text);
    row.spec.look = look;
    return row;
}

Row labelAt(QLatin1String name, const char *text, QLatin1String parent, Look look, int left, int top, int width,
            int height)
{
    Row row = label(name, text, look);
    row.spec.parent = parent;
    row.spec.left = left;
    row.spec.top = top;
    row.spec.width = width;
    row.spec.height = height;
    return row;
}

Binding text(QString NoticeRecord::*field, Reading reading, Condition condition, qint16 padWidth)
{
    Binding binding;
    binding.kind = BindingKind::Text;
    binding.field = field;
    binding.reading = reading;
    binding.condition = condition;
    binding.padWidth = padWidth;
    return binding;
}

Binding datePart(QString NoticeRecord::*field, DatePart part, Reading reading)
{
    Binding binding;
    binding.kind = BindingKind::DatePart;
    binding.field = field;
    binding.part = part;
    binding.reading = reading;
    return binding;
}

Binding hours(QString OperatingHours::*field)
{
    Binding binding;
    binding.kind = BindingKind::Hours;
    binding.hoursField = field;
    return binding;
}

Binding target(QString TargetAssignment::*field, QString NoticeRecord::*own, qint16 padWidth)
{
    Binding binding;
    binding.kind = BindingKind::TargetText;
    binding.targetField = field;
    binding.field = own;
    binding.padWidth = padWidth;
    return binding;
}

Binding intention(const char *action)
{
    Binding binding;
    binding.kind = BindingKind::Intention;
    binding.reading = Reading::Always;
    binding.code = action;
    return binding;
}

Binding fragment(const char *code)
{
    Binding binding;
    binding.kind = BindingKind::Fragment;
    binding.reading = Reading::Always;
    binding.code = code;
    return binding;
}

} // namespace catalogue

// ---- The rows of one form ------------------------------------------------------

namespace {

using catalogue::Place;
using catalogue::Row;
using catalogue::Same;

// Gap between a control and a unit label on its right, and the drop that
// lines the label's text up with the box's.
constexpr int UnitLabelGap = 60;
constexpr int UnitLabelDrop = 30;
constexpr int UnitLabelWidth = 480;

ControlSpec resolved(const Row &row, FormKind kind)
{
    ControlSpec spec = row.spec;
    if (kind == FormKind::T02) {
        spec.tabIndex = row.t02TabIndex;
        if (row.t02Left != Same)
            spec.left = row.t02Left;
        if (row.t02Top != Same)
            spec.top = row.t02Top;
        if (row.hasT02Text)
            spec.text = row.t02Text;
    }
    return spec;
}

// A label placed against a control: just above it, as wide as it, or to its
// right, lined up with its text.
void placeLabel(ControlSpec &label, const Row &row, const ControlSpec &control)
{
    label.parent = control.parent;
    if (row.place == Place::Above) {
        label.left = control.left;
        label.top = control.top - catalogue::SmallLabelHeight;
        label.width = control.width;
    } else {
        label.left = control.left + control.width + UnitLabelGap;
        label.top = control.top + UnitLabelDrop;
        label.width = UnitLabelWidth;
    }
}

QList<ControlSpec> buildTable(FormKind kind)
{
    const QList<Row> rows = catalogue::noticeFrameRows() + catalogue::windowRows();
    QList<ControlSpec> controls;
    QList<const Row *> labels;
    for (const Row &row : rows) {
        if (!isOnForm(row.spec.forms, kind))
            continue;
        if (row.spec.kind == ControlKind::Label)
            labels.append(&row);
        else
            controls.append(resolved(row, kind));
    }
    // Frames first (they take no focus), then the controls in tab order.
    std::stable_sort(controls.begin(), controls.end(),
                     [](const ControlSpec &a, const ControlSpec &b) { return a.tabIndex < b.tabIndex; });

    QHash<QString, qsizetype> byName;
    for (qsizetype i = 0; i < controls.size(); ++i)
        byName.insert(controls[i].name, i);
    for (const Row *row : std::as_const(labels)) {
        ControlSpec label = resolved(*row, kind);
        if (row->place != Place::At) {
            Q_ASSERT_X(byName.contains(row->reference), "buildTable", "a label's control is on its form");
            ControlSpec &control = controls[byName.value(row->reference)];
            placeLabel(label, *row, control);
            // The label just above a control names it, unless its row says otherwise.
            if (row->place == Place::Above && control.namedBy.isEmpty())
                control.namedBy << label.name;
        }
        controls.append(label);
    }
    return controls;
}

struct FormTable
{
    QList<ControlSpec> controls;
    QHash<QString, qsizetype> indexByName;
};

FormTable makeFormTable(FormKind kind)
{
    FormTable table;
    table.controls = buildTable(kind);
    for (qsizetype i = 0; i < table.controls.size(); ++i)
        table.indexByName.insert(table.controls[i].name, i);
    return table;
}

const FormTable &formTable(FormKind kind)
{
    static const FormTable t01 = makeFormTable(FormKind::T01);
    static const FormTable t02 = makeFormTable(FormKind::T02);
    return kind == FormKind::T02 ? t02 : t01;
}

template <typename Predicate> QStringList namesWhere(FormKind kind, Predicate predicate)
{
    QStringList names;
    for (const ControlSpec &control : controlTable(kind)) {
        if (predicate(control))
            names << control.name;
    }
    return names;
}

} // namespace

const QList<ControlSpec> &controlTable(FormKind kind)
{
    return formTable(kind).controls;
}

const ControlSpec *findControl(FormKind kind, const QString &name)
{
    const FormTable &table = formTable(kind);
    const auto found = table.indexByName.constFind(name);
    return found == table.indexByName.constEnd() ? nullptr : &table.controls.at(found.value());
}

QStringList namesIn(FormKind kind, ClearGroup group)
{
    return namesWhere(kind, [group](const ControlSpec &control) { return control.clear == group; });
}

QStringList namesHiddenWithStation(FormKind kind)
{
    return namesWhere(kind, [](const ControlSpec &control) { return control.hiddenWithStation; });
}

QStringList capitalLetterBoxes(FormKind kind)
{
    return namesWhere(kind, [](const ControlSpec &control) { return control.capitals; });
}

namespace {

// The words the program adds to what the screen shows, to name a control for
// a screen reader. They are the program's own, so they come in the language
// installed.
class SpokenWords
{
    Q_DECLARE_TR_FUNCTIONS(SpokenWords)

public:
    static QString nameOf(const ControlSpec &control) { return tr(control.spokenName); }

    // The words that end the name of a box holding one part of an item.
    static QString partOf(const ControlSpec &control)
    {
        static const char *const dateParts[] = {QT_TR_NOOP("[Year]"), QT_TR_NOOP("[Month]"), QT_TR_NOOP("[Day]")};
        static const char *const nameParts[] = {nullptr, QT_TR_NOOP("[degrees]"), QT_TR_NOOP("[minutes]"),
                                                QT_TR_NOOP("[seconds]"), QT_TR_NOOP("[hemisphere]")};
        const Binding &binding = control.binding;
        // A date box with a tool tip of its own says its part there.
        if (binding.kind == BindingKind::DatePart && control.toolTips.isEmpty())
            return tr(dateParts[int(binding.part)]);
        if (binding.kind == BindingKind::Coordination)
            return QStringLiteral("[%1]").arg(binding.index);
        const char *word = nameParts[int(control.part)];
        return word ? tr(word) : QString();
    }
};

// A control's caption and tool tip as the window shows them in the language.
QString captionIn(const ControlSpec &control, Language language)
{
    return control.captions.isEmpty() ? control.text : control.captions.in(language);
}

QString toolTipIn(const ControlSpec &control, Language language)
{
    return control.toolTips.isEmpty() ? control.toolTip : control.toolTips.in(language);
}

} // namespace

QString accessibleName(FormKind kind, const ControlSpec &control, Language language)
{
    if (control.spokenName)
        return SpokenWords::nameOf(control);
    if (control.kind != ControlKind::TextBox && control.kind != ControlKind::DropDownList)
        return {};
    QStringList words;
    for (const QString &name : control.namedBy) {
        const ControlSpec *naming = findControl(kind, name);
        Q_ASSERT_X(naming, "accessibleName", "a control is named by a label or frame of its form");
        if (!naming)
            continue;
        words << captionIn(*naming, language);
        if (naming->kind == ControlKind::Frame)
            words << toolTipIn(*naming, language);
    }
    words << toolTipIn(control, language) << SpokenWords::partOf(control);
    // The captions' own runs of blanks ("      Latitude            N/S") are not read out.
    return words.join(QLatin1Char(' ')).simplified();
}

QString windowObjectName(FormKind kind)
{
    return catalogue::windowRow(kind).name;
}

QString designTimeTitle(FormKind kind)
{
    return QString::fromUtf8(catalogue::windowRow(kind).designTitle);
}

QString windowTitle(FormKind kind, Language language)
{
    return catalogue::windowRow(kind).titles.in(language);
}
