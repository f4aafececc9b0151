#pragma once

#include <QtGlobal>

// The interface languages, in the column order of the text tables. The menu
// holds the one chosen and hands it to each capture window it opens.
enum class Language : qint16 { English = 0, French = 1, Spanish = 2 };
