#pragma once

#include <QString>

// A capture screen seen through its control names: all that the binding
// between the screen and the notice record needs. The capture window
// implements both sides; tests use a map.
class ScreenReader
{
public:
    virtual ~ScreenReader() = default;
    // The text of a text box, or the text of the selected entry of a drop-down list.
    virtual QString text(const QString &controlName) const = 0;
    // Whether an option button is selected.
    virtual bool isSelected(const QString &controlName) const = 0;
};

class ScreenWriter
{
public:
    virtual ~ScreenWriter() = default;
    // Puts the text in a text box, or selects the entry of a drop-down list
    // that has that text. False when the control cannot take it: the text is
    // longer than the box, or the list has no such entry.
    virtual bool setText(const QString &controlName, const QString &text) = 0;
    // Selects an option button, or returns it to "not selected".
    virtual void setSelected(const QString &controlName, bool selected) = 0;
};
