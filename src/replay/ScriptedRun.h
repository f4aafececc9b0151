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
//    "open": "file name",                   (optional, in place of "output": a saved
//                                            file to continue; "notices" may then be [])
//    "notices": [screen, screen, ...]}
// A screen is either an object mapping control names to what the operator does,
// visited in the window's tab order, or a list of [control, value] pairs applied
// in the order given. Values: a text for a text box (typed key by key in place
// of what the box holds), the text of an entry for a drop-down list, true for an
// option button to click, 0 or 1 for a check box. After each screen Save/Next
// is pressed; after the last one, Finish. A screen may hold "notice": K (in a
// list of pairs, ["notice", K]): saved notice K is first brought back on the
// screen, its controls are then played as usual, and Save/Next replaces it.
//
// An output file that exists is not replaced unless replace is given; the run
// then refuses it before anything is run. A device named as the output is
// written as it comes.
//
// Whatever would stop an operator stops the run: an unknown, hidden, disabled or
// locked control, a text longer than its box, an entry a list does not hold, a
// box that fails its rule, any message of the window. The file is then finished
// with the notices saved so far and one line says where and why the run stopped.
// The machine needs a CaptureApplication as its application object.
//
// Memory stays flat however many screens a script holds: each screen is
// converted when it is played and dropped after. A script file is not held
// whole either: it is read through once before the run, one element of
// "notices" at a time, so that every fault of the script is still found
// before anything is run, then read again element by element as the screens
// are played (see runFile).
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
int run(const QJsonObject &script, const QString &outputOverride, QTextStream &out, QTextStream &err,
        bool replace = false);

// The same for a script held in a JSON file. The file is read in pieces,
// twice: a first reading checks the whole script (syntax, keys, every screen)
// holding one element of "notices" at a time; the run then reads the
// elements again one by one as it plays them. A key given twice in the
// script's object or in a screen object is a fault of the script. A file this
// reading declines (not JSON, not one object) is parsed whole instead, so
// that the parser's message names its fault. A script that is no plain file
// (a pipe, a device) is read whole into memory first, up to 64 MiB, and run
// from there. An output or "open" that is the script itself, under any name,
// is refused. Should the file change between the two readings so that a
// screen can no longer be read, the run stops there with BadScript: the
// output file is finished with the notices saved so far and err says which
// notice could not be read.
int runFile(const QString &scriptPath, const QString &outputOverride, QTextStream &out, QTextStream &err,
            bool replace = false);

} // namespace ScriptedRun
