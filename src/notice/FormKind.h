#pragma once

#include <QtGlobal>

// Which capture form a notice comes from: 1 for the T01 sound form, 2 for the
// T02 television form.
enum class FormKind : qint16 { T01 = 1, T02 = 2 };

// Which forms have a control, a rule or a text: most are on both, a few on
// one form only.
enum class Forms { Both, T01Only, T02Only };

constexpr bool isOnForm(Forms forms, FormKind kind)
{
    return forms == Forms::Both || (forms == Forms::T01Only && kind == FormKind::T01)
        || (forms == Forms::T02Only && kind == FormKind::T02);
}
