#pragma once

#include "form/Screen.h"
#include "notice/FormKind.h"

#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

// What was typed on a capture screen and not yet saved, kept on the disk so
// that a crash or a power cut loses at most the last moments of typing. One
// draft per output file, in the drafts folder of the user's data folder,
// named after the file's absolute path.
//
// The file is JSON, versioned:
//   {"format": 1, "form": "T01", "output": "/path/file.txt",
//    "written": "2005-12-07T14:03:27", "correcting": 0,
//    "controls": {"Txt_4A_SiteName": {"value": "MONTMARTRE"},
//                 "OptInt_Add": {"checked": true},
//                 "Combo_9D_Polariz": {"selected": ["H"]}},
//    "checkBoxes": {"ChkValidate": true, "ChkClearFields": false}}
// Every box, list and option of the form is in it (boxes by their text,
// lists by their selected entry, options by their state) but the file name
// and the notice counter, which the output file gives. The window's check
// boxes are kept apart: they are how the notice is checked and what a save
// clears, not part of the notice, and the window reads and sets them itself.
// A draft without them leaves the window's as they are.
struct ScreenDraft
{
    static constexpr int Format = 1;

    FormKind kind = FormKind::T01;
    QString outputFile; // absolute path
    QDateTime written;
    int correcting = 0; // the saved notice on the screen for correction, or 0
    QJsonObject controls;
    QHash<QString, bool> checkBoxes; // ticked or not, by name

    // The screen's input controls, read through the form's control table.
    static ScreenDraft ofScreen(const ScreenReader &screen, FormKind kind);
    // Puts the controls back: options first (their rules clear what they
    // hide), then the lists, then the boxes. Returns the names the screen
    // could not take (unknown to the form, too long, no such entry).
    QStringList putOnScreen(ScreenWriter &screen) const;

    QByteArray toJson() const;
    // Nothing, with the reason, when the bytes are not a draft of this format.
    static std::optional<ScreenDraft> fromJson(const QByteArray &bytes, QString *error);
};

// The drafts on the disk.
namespace DraftFiles {

// <user's data folder>/drafts
QString folder();
// The draft of that output file (made absolute), whether it exists or not.
QString pathFor(const QString &outputFile);
// Written whole: a new file, renamed over the old one.
bool write(const ScreenDraft &draft, QString *error);
// Nothing, with the reason, when the file is missing or damaged.
std::optional<ScreenDraft> read(const QString &draftPath, QString *error);
void remove(const QString &outputFile);
// Every draft file of the folder, newest first.
QStringList all();

} // namespace DraftFiles
