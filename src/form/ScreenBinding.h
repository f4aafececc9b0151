#pragma once

#include "form/Screen.h"
#include "notice/FormKind.h"
#include "notice/NoticeRecord.h"

#include <QString>
#include <QStringList>

#include <optional>

// The binding between a capture screen and the notice record, in both
// directions, read from the field catalogue: each control's binding is written
// once there.

// Fills a record, given in its initial state, from the controls of a capture
// screen, read by control name. One routine serves both forms; no control
// other than the form's is ever read. It judges nothing and refuses nothing:
// what is typed reaches the record, shaped only by the intention, the form
// kind, the polarization and the antenna directivity. A date is joined from its
// three boxes, each part read as the date checks read it: "7" and "07" as
// typed, " 7", "7." or "+7" as 7. The screen is only read.
void collectScreen(NoticeRecord &record, const ScreenReader &screen, FormKind kind);

// The inverse: puts a record on a screen so that collecting the screen again
// gives the same record, and so writes the same NOTICE section. Every control
// that feeds the record gets its text (empty where the record has none) and
// every intention and fragment option its state, so the screen's earlier
// content does not matter. Returns the controls that could not take their
// text (too long for the box, no such entry in a list, a date that no split
// into its three boxes fits): empty for every record the collection can
// produce.
QStringList showRecord(const NoticeRecord &record, ScreenWriter &screen, FormKind kind);

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
// copies them over the notice's own items), then the items read for every
// intention, then the rest in the order of the form. The form of the record
// is told by its notice type.
std::optional<UnencodableField> findUnencodableField(const NoticeRecord &record);
