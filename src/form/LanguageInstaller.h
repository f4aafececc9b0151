#pragma once

#include "form/Language.h"

// Puts the program's texts and Qt's own (the buttons of message boxes and file
// dialogs) in the language, in place of the language installed before.
// English is the language of the sources: it needs no translation. The
// program's translations are built into it; Qt's come from its translations
// folder (Debian's qt6-translations-l10n). A translation that cannot be
// loaded leaves those texts in English, with a warning.
void installLanguage(Language language);
