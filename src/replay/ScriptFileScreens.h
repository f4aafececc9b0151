#pragma once

#include "replay/JsonValueCutter.h"
#include "replay/ReplayScript.h"

#include <QJsonObject>
#include <QString>

#include <optional>

class QIODevice;

// A script file read one element of "notices" at a time, so that a script of
// any length is never held whole: a first reading checks every screen, and
// the screens are read again from the file as they are played.
namespace ScriptedRun {

// What one reading of a whole script file finds: the script's object with
// "notices" emptied, where the elements of "notices" start in the file, how
// many there are, the first key that the script's object gives twice, and the
// first screen that cannot be read (a screen object that gives a key twice
// included).
struct ScannedScript
{
    QJsonObject header;
    qint64 noticesOffset = -1; // just after the opening bracket; -1: "notices" is no list
    int screenCount = 0;
    QString keyFault;
    QString screenFault;
};

// Reads the script file through once, holding one element of "notices" at a
// time: the other keys are kept as text and parsed together, each element is
// parsed and read as a screen on its own, then dropped. False when the file
// is not one JSON object of this plain shape, or the parser refuses one of
// its parts: the caller then parses the file whole, as the parser's own
// message names the fault best. A key given twice in an object (which a
// parser of the whole file would quietly take the last of) is a fault of the
// script, kept in keyFault or screenFault.
bool scanScriptFile(QIODevice &file, ScannedScript &scanned);

// The screens of a script file, read again from the file one at a time as
// they are played.
class FileScreens : public Screens
{
public:
    FileScreens(QIODevice &file, const ScannedScript &scanned)
        : m_file(file)
        , m_offset(scanned.noticesOffset)
        , m_count(scanned.screenCount)
    { }

    int count() const override { return m_count; }
    QString next(int number, Screen &screen) override;

private:
    QIODevice &m_file;
    qint64 m_offset;
    int m_count;
    std::optional<JsonValueCutter> m_stream;
};

} // namespace ScriptedRun
