#pragma once

#include <QtGlobal>

// Which capture form a notice comes from: 1 for the T01 sound form, 2 for the
// T02 television form.
enum class FormKind : qint16 { T01 = 1, T02 = 2 };

// "T01" or "T02", as messages and the command line name the form.
constexpr const char *formName(FormKind kind)
{
    return kind == FormKind::T02 ? "T02" : "T01";
}

// Which forms have a control, a rule or a text: most are on both, a few on
// one form only.
enum class Forms { Both, T01Only, T02Only };

constexpr bool isOnForm(Forms forms, FormKind kind)
{
    return forms == Forms::Both || (forms == Forms::T01Only && kind == FormKind::T01)
        || (forms == Forms::T02Only && kind == FormKind::T02);
}
