#pragma once

#include <QJsonObject>
#include <QString>

class QTextStream;

// A capture run played from a script instead of typed by an operator: one
// capture window, driven through the application's own event delivery the way
// an operator drives it, so the key filters, the maximum lengths, the rules
// run on leaving a box and the show/hide rules all apply.
//
// The script is a JSON object:
//   {"form": "T01" | "T02",
//    "language": "en" | "fr" | "es",        (optional, English by default)
//    "output": "file name",                 (optional; the window's proposal otherwise)
//    "notices": [screen, screen, ...]}
// A screen is either an object mapping control names to what the operator does,
// visited in the window's tab order, or a list of [control, value] pairs applied
// in the order given. Values: a text for a text box (typed key by key in place
// of what the box holds), the text of an entry for a drop-down list, true for an
// option button to click, 0 or 1 for a check box. After each screen Save/Next
// is pressed; after the last one, Finish.
//
// Whatever would stop an operator stops the run: an unknown, hidden, disabled or
// locked control, a text longer than its box, an entry a list does not hold, a
// box that fails its rule, any message of the window. The file is then finished
// with the notices saved so far and one line says where and why the run stopped.
// The machine needs a CaptureApplication as its application object.
namespace ScriptedRun {

enum ExitStatus {
    Completed = 0, // every screen saved and the file finished
    Stopped = 1,   // the run stopped at a screen; the file holds the notices saved before
    BadScript = 2, // the script could not be read or has the wrong shape; nothing was run
};

// Plays the script. outputOverride, when not empty, names the output file in
// place of the script's "output". A completed run writes "FILE: N notices" to
// out; a stopped run writes "notice N: CONTROL: TITLE: MESSAGE" to err, as does
// a bad script its reason.
int run(const QJsonObject &script, const QString &outputOverride, QTextStream &out, QTextStream &err);

// The same for a script held in a JSON file.
int runFile(const QString &scriptPath, const QString &outputOverride, QTextStream &out, QTextStream &err);

} // namespace ScriptedRun
