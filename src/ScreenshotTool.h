#pragma once

class QString;

// Renders the menu and both capture windows in English, French and Spanish to
// PNG files in folder (menu-en.png, t01-fr.png, t02-es.png, ...), and the T01
// window in English with an example notice typed in (t01-filled-en.png), without
// showing anything on screen: the application must run on the offscreen
// platform. Returns false, after saying why on stderr, if a file could not be
// written.
bool saveScreenshots(const QString &folder);
