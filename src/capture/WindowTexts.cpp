#include "capture/WindowTexts.h"

#include "form/CaptionTables.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace {

// The control of the form that a table row names; the window's own name
// stands for the window. Every name in the tables exists on the forms they
// apply to, so a missing control is a fault in the window or the tables.
QWidget *namedControl(QWidget *form, const captions::ControlTexts &row)
{
    const QString name = row.controlName();
    if (name == form->objectName())
        return form;
    auto *control = form->findChild<QWidget *>(name);
    if (!control) {
        qWarning("Capture window %s has no control named %s",
                 qPrintable(form->objectName()), qPrintable(name));
        Q_ASSERT_X(false, "namedControl", "control named in a text table is missing");
    }
    return control;
}

void setCaption(QWidget *form, QWidget *control, const QString &caption)
{
    if (control == form) {
        form->setWindowTitle(caption);
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setText(caption);
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        button->setText(caption);
    } else if (auto *frame = qobject_cast<QGroupBox *>(control)) {
        frame->setTitle(caption);
    } else {
        qWarning("Control %s of %s cannot show a caption",
                 qPrintable(control->objectName()), qPrintable(form->objectName()));
        Q_ASSERT_X(false, "setCaption", "control named in the caption table has no caption");
    }
}

} // namespace

void applyToolTips(QWidget *form, FormKind kind, Language language)
{
    Q_ASSERT(form);
    for (const captions::ControlTexts &row : captions::FormToolTipTable) {
        if (!row.appliesTo(kind))
            continue;
        if (QWidget *control = namedControl(form, row))
            control->setToolTip(row.text(language));
    }
}

void applyCaptions(QWidget *form, FormKind kind, Language language)
{
    Q_ASSERT(form);
    for (const captions::ControlTexts &row : captions::FormCaptionTable) {
        if (!row.appliesTo(kind))
            continue;
        if (QWidget *control = namedControl(form, row))
            setCaption(form, control, row.text(language));
    }
}
