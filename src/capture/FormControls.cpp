#include "capture/FormControls.h"

#include "capture/WrappingCheckBox.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <limits>

namespace {

// The notice counter is written by the program and only shown: the operator
// can reach it and select its text, not change it.
const QLatin1String DisplayOnlyBox = Control::Txt_Ntc_Number;

const QColor Black(0, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);
const QColor DarkRed(192, 0, 0);

constexpr qreal WindowPoints = 8.25;
constexpr qreal SmallPoints = 6.75;
constexpr qreal OptionPoints = 6;

// The condensed DejaVu faces come close to the widths the form was laid out
// for; the style hints pick another face of the same kind where they are missing.
QFont sansFont(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont serifFont(qreal points)
{
    QFont font(QStringLiteral("DejaVu Serif Condensed"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(points);
    return font;
}

struct Presentation
{
    QFont font;
    QColor colour; // of the text, or of a frame's caption
};

Presentation presentation(Look look)
{
    switch (look) {
    case Look::Default:
    case Look::CaptionLabel: return {sansFont(WindowPoints), Black};
    case Look::ItemNumberLabel: return {serifFont(SmallPoints), Blue};
    case Look::SmallLabel: return {serifFont(SmallPoints), Black};
    case Look::BlueCaptionLabel: return {sansFont(WindowPoints), Blue};
    case Look::RedFrame: return {sansFont(WindowPoints), Red};
    case Look::AzimuthFrame: return {serifFont(SmallPoints), Blue};
    case Look::DarkRedBoldLabel: return {sansFont(WindowPoints, true), DarkRed};
    case Look::OptionButton: return {serifFont(OptionPoints), Black};
    }
    return {sansFont(WindowPoints), Black};
}

// Every control shows its own font and text colour, so that a frame's caption
// font and colour never spread to the controls inside it. A control whose
// frame or area already shows them takes them from there: setting them
// anyway cost a sixth of the window's set-up, and the fonts and colours are
// set once, frames before the controls inside them.
void applyLook(QWidget *widget, Look look)
{
    const Presentation shown = presentation(look);
    const QWidget *parent = widget->parentWidget();
    if (!parent || parent->font() != shown.font)
        widget->setFont(shown.font);
    if (!parent || parent->palette().color(QPalette::WindowText) != shown.colour) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, shown.colour);
        widget->setPalette(palette);
    }
}

bool takesFocus(ControlKind kind)
{
    return kind != ControlKind::Frame && kind != ControlKind::Label;
}

// A label or check box tall enough for two lines of text wraps its caption.
constexpr int TwoLineHeight = 300;

} // namespace

FormControls::FormControls(QWidget &window, FormKind kind, QWidget *area)
    : QObject(&window)
    , m_window(window)
    , m_area(area ? *area : window)
    , m_kind(kind)
{
    setObjectName(QStringLiteral("formControls"));
    m_window.setFont(sansFont(WindowPoints));
    buildControls();
    setTabOrderFromIndices();
}

FormControls *FormControls::of(const QWidget *window)
{
    return window ? window->findChild<FormControls *>(QStringLiteral("formControls"), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

void FormControls::buildControls()
{
    m_controls.reserve(specs().size());
    for (const ControlSpec &spec : specs()) {
        QWidget *parent = spec.parent.isEmpty() ? &m_area : m_controls.value(spec.parent);
        Q_ASSERT_X(parent, "FormControls", "a control's frame comes before the control");
        QWidget *widget = createControl(spec, parent);
        widget->setObjectName(spec.name);
        widget->setGeometry(spec.pixelRect());
        applyLook(widget, spec.look);
        if (!spec.toolTip.isEmpty())
            widget->setToolTip(spec.toolTip);
        m_controls.insert(spec.name, widget);
    }
}

QWidget *FormControls::createControl(const ControlSpec &spec, QWidget *parent)
{
    switch (spec.kind) {
    case ControlKind::Frame: {
        auto *frame = new QGroupBox(spec.text, parent);
        if (spec.look == Look::AzimuthFrame)
            frame->setAlignment(Qt::AlignHCenter);
        return frame;
    }
    case ControlKind::Label: {
        auto *label = new QLabel(spec.text, parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(spec.height >= TwoLineHeight);
        const Qt::Alignment across = spec.look == Look::DarkRedBoldLabel ? Qt::AlignHCenter : Qt::AlignLeft;
        label->setAlignment(across | Qt::AlignTop);
        return label;
    }
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(parent);
        // A box without a maximum (file name, counter, remarks) takes text of
        // any length, beyond the line edit's own default of 32767 characters.
        box->setMaxLength(spec.maxLength > 0 ? spec.maxLength : std::numeric_limits<int>::max());
        box->setReadOnly(spec.name == DisplayOnlyBox);
        return box;
    }
    case ControlKind::DropDownList: {
        auto *list = new QComboBox(parent);
        list->setEditable(false);
        return list;
    }
    case ControlKind::OptionButton: {
        auto *option = new QRadioButton(spec.text, parent);
        // One exclusive group per frame; a group, unlike the buttons' own
        // auto-exclusivity, can be lifted to return to "none selected".
        QButtonGroup *&group = m_optionGroups[spec.parent];
        if (!group)
            group = new QButtonGroup(parent);
        group->addButton(option);
        return option;
    }
    case ControlKind::CheckBox:
        // A check box drawn two lines high wraps its caption, as the label does.
        if (spec.height >= TwoLineHeight)
            return new WrappingCheckBox(spec.text, parent);
        return new QCheckBox(spec.text, parent);
    case ControlKind::CommandButton: {
        auto *button = new QPushButton(spec.text, parent);
        // The form has no default button: Enter in a box must not save.
        button->setAutoDefault(false);
        return button;
    }
    }
    Q_UNREACHABLE();
    return nullptr;
}

void FormControls::setTabOrderFromIndices()
{
    QList<const ControlSpec *> focusable;
    for (const ControlSpec &spec : specs()) {
        if (takesFocus(spec.kind))
            focusable.append(&spec);
    }
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const ControlSpec *a, const ControlSpec *b) { return a->tabIndex < b->tabIndex; });
    for (int i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(control(focusable[i - 1]->name), control(focusable[i]->name));
}

QLineEdit *FormControls::textBox(const QString &name) const
{
    return qobject_cast<QLineEdit *>(control(name));
}

QComboBox *FormControls::list(const QString &name) const
{
    return qobject_cast<QComboBox *>(control(name));
}

QRadioButton *FormControls::option(const QString &name) const
{
    return qobject_cast<QRadioButton *>(control(name));
}

QCheckBox *FormControls::checkBox(const QString &name) const
{
    return qobject_cast<QCheckBox *>(control(name));
}

QPushButton *FormControls::button(const QString &name) const
{
    return qobject_cast<QPushButton *>(control(name));
}

QWidget *FormControls::frame(const QString &name) const
{
    return qobject_cast<QGroupBox *>(control(name));
}

QString FormControls::text(const QString &name) const
{
    QWidget *widget = control(name);
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        return box->text();
    if (auto *list = qobject_cast<QComboBox *>(widget))
        return list->currentText();
    return {};
}

QString FormControls::labelOf(const QString &name) const
{
    const QWidget *widget = control(name);
    QString label = widget ? widget->accessibleName() : QString();
    // An option or check box speaks its own caption.
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget); button && label.isEmpty())
        label = button->text().simplified();
    return label.isEmpty() ? name : label;
}

bool FormControls::isSelected(const QString &name) const
{
    const QRadioButton *button = option(name);
    return button && button->isChecked();
}

bool FormControls::setText(const QString &name, const QString &text)
{
    QWidget *widget = control(name);
    if (auto *box = qobject_cast<QLineEdit *>(widget)) {
        if (text.size() > box->maxLength())
            return false;
        box->setText(text);
        return box->text() == text;
    }
    if (auto *list = qobject_cast<QComboBox *>(widget)) {
        const int entry = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (entry < 0)
            return false;
        list->setCurrentIndex(entry);
        return true;
    }
    return false;
}

void FormControls::setSelected(const QString &name, bool selected)
{
    if (!selected) {
        unselectOptions({name});
        return;
    }
    if (QRadioButton *button = option(name))
        button->setChecked(true);
}

namespace {

bool takesTyping(const QWidget *window, const QWidget *control)
{
    const auto *box = qobject_cast<const QLineEdit *>(control);
    return control->isVisibleTo(window) && control->isEnabled() && !(box && box->isReadOnly());
}

} // namespace

bool FormControls::focusAndSelect(const QString &name)
{
    QWidget *widget = control(name);
    if (!widget || !takesTyping(&m_window, widget))
        return false;
    widget->setFocus(Qt::OtherFocusReason);
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        box->selectAll();
    return true;
}

QString FormControls::firstEmptyBox() const
{
    // The rows of the focus-taking controls come in tab order.
    for (const ControlSpec &spec : specs()) {
        const QLineEdit *box = spec.kind == ControlKind::TextBox ? textBox(spec.name) : nullptr;
        if (box && box->text().isEmpty() && takesTyping(&m_window, box))
            return spec.name;
    }
    return {};
}

QString FormControls::firstFocusableBox() const
{
    for (const ControlSpec &spec : specs()) {
        const QLineEdit *box = spec.kind == ControlKind::TextBox ? textBox(spec.name) : nullptr;
        if (box && (box->focusPolicy() & Qt::TabFocus) && takesTyping(&m_window, box))
            return spec.name;
    }
    return {};
}

void FormControls::unselectOptions(const QStringList &names)
{
    for (const QString &name : names) {
        QRadioButton *button = option(name);
        if (!button || !button->isChecked())
            continue;
        QButtonGroup *group = button->group();
        if (group)
            group->setExclusive(false);
        button->setChecked(false);
        if (group)
            group->setExclusive(true);
    }
}
