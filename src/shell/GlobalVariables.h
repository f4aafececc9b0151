#pragma once

#include "notice/FormKind.h"

#include <QtGlobal>

class QWidget;

// The interface language chosen on the main menu: 0 English, 1 French,
// 2 Spanish. The menu writes it (and a scripted run, for the run's own
// window); the capture windows read it when they set their captions, and
// treat every value other than 1 and 2 as English.
extern qint16 LanguageCode;

// Give a capture window the tool tips of its buttons, check boxes, input
// boxes, lists and azimuth frames in the language of LanguageCode. Controls
// that exist on one form only get theirs only on that form.
void SetFormToolTips(QWidget *form, FormKind kind);

// Give a capture window its title and the captions of its labels, frames,
// buttons and check boxes in the language of LanguageCode.
void SetFormCaptions(QWidget *form, FormKind kind);
