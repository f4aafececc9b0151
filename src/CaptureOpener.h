#pragma once

#include "shell/MainMenu.h"

// The menu's way into the capture windows: a fresh window of the chosen kind,
// in the language given (the program's translations installed for it), shown
// modally over the menu, destroyed once it is closed. The menu then
// shows what the window finished: its file and the notices it holds.
MainMenu::FormOpener captureWindowOpener(MainMenu *menu);

// The menu's way to a saved notice file: a capture window of the file's form
// (told by its notices, else the form chosen on the menu) opened on that file,
// shown modally over the menu, and its summary on the menu as above. A file
// that cannot be opened is explained in a message and no window stays.
MainMenu::FileOpener captureFileOpener(MainMenu *menu);
