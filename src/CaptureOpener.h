#pragma once

#include "shell/MenuFrm.h"

// The menu's way into the capture windows: a fresh window of the chosen kind,
// shown modally over the menu, destroyed once it is closed.
MenuFrm::FormOpener captureWindowOpener(QWidget *menu);
