#pragma once

#include <QtGlobal>

// Which capture form a notice comes from: 1 for the T01 sound form, 2 for the
// T02 television form.
enum class FormKind : qint16 { T01 = 1, T02 = 2 };
