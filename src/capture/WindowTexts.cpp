#include "capture/WindowTexts.h"

#include "capture/FormControls.h"
#include "form/FieldCatalogue.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace {

// Finds the controls of a form by name: through the window's own table of its
// controls, one look-up per name, where a search of the widget tree would pass
// over some two hundred widgets for each of the several hundred texts.
class ControlFinder
{
public:
    explicit ControlFinder(QWidget *form)
        : m_form(form)
        , m_controls(FormControls::of(form))
    { }

    // The control of the form that a catalogue row names. Every control with
    // a text in the catalogue exists on the forms it is on, so a missing
    // control is a fault in the window or the catalogue.
    QWidget *operator()(const QString &name) const;

private:
    QWidget *m_form;
    const FormControls *m_controls;
};

QWidget *ControlFinder::operator()(const QString &name) const
{
    QWidget *form = m_form;
    QWidget *control = m_controls ? m_controls->control(name) : nullptr;
    if (!control)
        control = form->findChild<QWidget *>(name);
    if (!control) {
        qWarning("Capture window %s has no control named %s", qPrintable(form->objectName()), qPrintable(name));
        Q_ASSERT_X(false, "namedControl", "control with a text in the catalogue is missing");
    }
    return control;
}

void setCaption(QWidget *control, const QString &caption)
{
    if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setText(caption);
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        button->setText(caption);
    } else if (auto *frame = qobject_cast<QGroupBox *>(control)) {
        frame->setTitle(caption);
    } else {
        qWarning("Control %s cannot show a caption", qPrintable(control->objectName()));
        Q_ASSERT_X(false, "setCaption", "control with a caption in the catalogue has no caption");
    }
}

} // namespace

void applyToolTips(QWidget *form, FormKind kind, Language language)
{
    Q_ASSERT(form);
    const ControlFinder namedControl(form);
    for (const ControlSpec &spec : controlTable(kind)) {
        if (spec.toolTips.isEmpty())
            continue;
        if (QWidget *control = namedControl(spec.name))
            control->setToolTip(spec.toolTips.in(language));
    }
}

void applyCaptions(QWidget *form, FormKind kind, Language language)
{
    Q_ASSERT(form);
    const ControlFinder namedControl(form);
    form->setWindowTitle(windowTitle(kind, language));
    for (const ControlSpec &spec : controlTable(kind)) {
        if (spec.captions.isEmpty())
            continue;
        if (QWidget *control = namedControl(spec.name))
            setCaption(control, spec.captions.in(language));
    }
}

void applyAccessibleNames(QWidget *form, FormKind kind, Language language)
{
    Q_ASSERT(form);
    const ControlFinder namedControl(form);
    for (const ControlSpec &spec : controlTable(kind)) {
        const QString name = accessibleName(kind, spec, language);
        if (name.isEmpty())
            continue;
        if (QWidget *control = namedControl(spec.name))
            control->setAccessibleName(name);
    }
}
