#pragma once

#include <QtGlobal>

// The interface language chosen on the main menu: 0 English, 1 French,
// 2 Spanish. Only the menu writes it; the capture windows read it when they
// set their captions, and treat every value other than 1 and 2 as English.
extern qint16 LanguageCode;
