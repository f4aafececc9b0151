#pragma once

#include "form/Language.h"
#include "notice/FormKind.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

// Reading a replay script (see ScriptedRun.h for its shape): the keys other
// than "notices" and each screen, checked for their shape. Every reading gives
// an empty text on success and the fault, as the run reports it, otherwise.
namespace ScriptedRun {

// What the operator does to one control: a text, an entry's text, true or 0/1.
struct Action
{
    QString control;
    QJsonValue value;
};

struct Screen
{
    int notice = 0; // a saved notice to bring back and replace; 0 for a new notice
    QList<Action> actions;
    bool inTabOrder = true; // an object: visited in tab order; a list: as given
};

// The keys of the script other than "notices".
struct Script
{
    FormKind kind = FormKind::T01;
    Language language = Language::English;
    QString output;
    QString open; // a saved file to continue, in place of a new output file
};

// The fault of a script whose "notices" is no list, or an empty one without
// "open".
extern const QString NoScreens;

// Reads one screen, number counted from 1.
QString readScreen(const QJsonValue &value, int number, Screen &screen);

// Reads the keys of the script other than "notices". The faults come in the
// order of the checks: unknown key, form, language, output.
QString readHeader(const QJsonObject &object, Script &script);

// The first screen that cannot be read, checked before anything is run; an
// empty text when every screen can be read.
QString firstScreenFault(const QJsonArray &screens);

// The screens of a script, handed out one at a time in their order and
// converted only then, so that a run holds one converted screen at a time.
class Screens
{
public:
    virtual ~Screens() = default;
    virtual int count() const = 0;
    // Converts the next screen, number counted from 1.
    virtual QString next(int number, Screen &screen) = 0;
};

// The screens of a script held as a JSON object.
class ArrayScreens : public Screens
{
public:
    explicit ArrayScreens(const QJsonArray &screens)
        : m_screens(screens)
    { }
    int count() const override { return int(m_screens.size()); }
    QString next(int number, Screen &screen) override { return readScreen(m_screens.at(number - 1), number, screen); }

private:
    QJsonArray m_screens;
};

} // namespace ScriptedRun
