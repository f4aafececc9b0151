#pragma once

#include <QString>

// Read-only access to a capture screen by control name: all that the screen
// collection needs. The capture window implements it; tests use a map.
class ScreenReader
{
public:
    virtual ~ScreenReader() = default;
    // The text of a text box, or the text of the selected entry of a drop-down list.
    virtual QString text(const QString &controlName) const = 0;
    // Whether an option button is selected.
    virtual bool isSelected(const QString &controlName) const = 0;
};
