#pragma once

#include "form/Language.h"
#include "notice/FormKind.h"

class QWidget;

// Gives a capture window the tool tips of its buttons, check boxes, input
// boxes, lists and azimuth frames in the language given. Controls that exist
// on one form only get theirs only on that form.
void applyToolTips(QWidget *form, FormKind kind, Language language);

// Gives a capture window its title and the captions of its labels, frames,
// buttons and check boxes in the language given.
void applyCaptions(QWidget *form, FormKind kind, Language language);

// Gives every box and list of a capture window, and the option groups, the
// name a screen reader says, in the language given (see accessibleName).
void applyAccessibleNames(QWidget *form, FormKind kind, Language language);
