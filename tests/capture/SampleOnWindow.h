#pragma once

// A generated capture screen (NoticeFileSamples.h) put on a real window.

#include "../notice/NoticeFileSamples.h"

#include "capture/CapitalLettersFilter.h"
#include "capture/FormControls.h"
#include "form/FieldRules.h"

#include <QComboBox>
#include <QLineEdit>

enum class Typing {
    // Each text cut to its box's length; a list's text when the list holds
    // it, its last entry otherwise; the options selected.
    AsSet,
    // As an operator could type it: besides the cut, capitals where typing
    // gives capitals, a box whose check fails left empty, a list without the
    // text left on its empty entry.
    AsOperator,
};

inline void putOnWindow(const SampleScreen &screen, FormControls &controls, Typing typing = Typing::AsSet)
{
    for (const ControlSpec &spec : controls.specs()) {
        if (spec.binding.kind == BindingKind::Intention || spec.binding.kind == BindingKind::Fragment)
            controls.setSelected(spec.name, screen.selected.contains(spec.name));
        else if (spec.kind == ControlKind::TextBox || spec.kind == ControlKind::DropDownList)
            controls.setText(spec.name, QString());
    }
    const bool asOperator = typing == Typing::AsOperator;
    for (auto it = screen.texts.cbegin(); it != screen.texts.cend(); ++it) {
        const ControlSpec *spec = findControl(screen.kind, it.key());
        if (QLineEdit *box = controls.textBox(it.key())) {
            const QString text = it.value().left(box->maxLength());
            box->setText(asOperator && spec->capitals ? typedCapitals(text) : text);
            if (asOperator && spec->rule && !acceptsText(*spec->rule, box->text(), true))
                box->clear();
        } else if (QComboBox *list = controls.list(it.key()); list && !controls.setText(it.key(), it.value())) {
            if (!asOperator)
                list->setCurrentIndex(list->count() - 1);
        }
    }
}
