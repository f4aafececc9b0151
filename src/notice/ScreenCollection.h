#pragma once

#include "FormKind.h"
#include "NoticeRecord.h"
#include "ScreenReader.h"

#include <QString>

#include <optional>

// Fills a record, given in its initial state, from the controls of a capture
// screen, read by control name. One routine serves both forms; the form kind
// tells which form-specific controls exist, and no other control is ever read.
// It judges nothing and refuses nothing: what is typed reaches the record,
// shaped only by the intention, the form kind, the polarization and the
// antenna directivity. The screen is only read.
void collectScreen(NoticeRecord &record, const ScreenReader &screen, FormKind kind);

// A character that the notice file cannot carry, and the control it was typed in.
struct UnencodableField
{
    QString controlName; // "Txt_4A_SiteName"
    QString character;   // the character itself (two UTF-16 units outside the basic plane)
    QString description; // "\"Ж\" (U+0416)", for messages
};

// The first character of a collected record that the encoding of the notice
// file cannot represent, with the control that holds it; nothing when every
// text can be written. The target boxes are looked at first (a suppression
// copies them over the notice's own items), then the items in the order of the
// screen collection. The form of the record is told by its notice type.
std::optional<UnencodableField> findUnencodableField(const NoticeRecord &record);
