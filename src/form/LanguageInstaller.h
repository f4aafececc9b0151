#pragma once

#include "form/Language.h"

// Puts the program's texts and Qt's own (the buttons of message boxes, the
// file dialogs, the line edits' context menus) in the language, in place of
// the language installed before. The program's translations are built into
// it; English has one too, for the plural forms of its sources' texts. Qt's
// come from its translations folder (Debian's qt6-translations-l10n). A
// translation that cannot be loaded leaves those texts in English, with a
// warning. Installing the language already installed does nothing.
void installLanguage(Language language);

// The language installed last (English until one is).
Language installedLanguage();
