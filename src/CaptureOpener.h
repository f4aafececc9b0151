#pragma once

#include "shell/MainMenu.h"

// The menu's way into the capture windows: a fresh window of the chosen kind,
// shown modally over the menu, destroyed once it is closed.
MainMenu::FormOpener captureWindowOpener(QWidget *menu);
