#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class FormControls;

// Turns every letter typed into the code, name and hemisphere boxes into its
// capital while it is typed. No key is ever refused: digits and punctuation go
// through, and what a box may hold is checked when it is left. Text pasted or set
// by the program is not converted: only typed keys pass through here.
class CapitalLettersFilter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// What typing text into a box with capitals gives: each letter its capital,
// as the filter turns it.
QString typedCapitals(const QString &typed);

// Attaches one filter, owned by the window, to each box of the form whose
// typed letters become capitals (capitalLetterBoxes in the field catalogue).
void installKeyFilters(FormControls &controls);
