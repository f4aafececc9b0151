#pragma once

#include "form/Language.h"
#include "notice/FormKind.h"

#include <QString>

#include <array>

// The texts that the capture windows receive in the interface language: the
// captions (window title, labels, frames, buttons, check boxes) and the tool
// tips. Every other caption and tool tip of a capture window keeps the text it
// was built with, in every language.
namespace captions {

// One control and its text in the three languages. The texts are exact,
// blanks and punctuation included.
struct ControlTexts
{
    const char16_t *control;
    Forms forms;
    std::array<const char16_t *, 3> texts;

    QString controlName() const { return QString::fromUtf16(control); }
    QString text(Language language) const
    {
        return QString::fromUtf16(texts[static_cast<int>(language)]);
    }
    bool appliesTo(FormKind kind) const { return isOnForm(forms, kind); }
};

// Captions. The first two rows are the window titles: their control is the
// window itself (named FmFrmT01M or TvFrmT02M), each applying to its own form.
extern const std::array<ControlTexts, 23> FormCaptionTable;

// Tool tips of buttons, check boxes, input boxes, lists and azimuth frames.
extern const std::array<ControlTexts, 39> FormToolTipTable;

} // namespace captions
