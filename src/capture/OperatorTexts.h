#pragma once

#include "form/Language.h"

#include <QString>
#include <QStringList>

// The texts that the capture window says beyond its design, in its interface
// language: the question before Reset clears a typed notice, the status line
// after a save and the summary of a finished file.
namespace OperatorTexts {

// The answers to the question before Reset, in button order.
enum ResetAnswer { ResetYes = 0, ResetNo = 1 };

struct Question
{
    QString title;
    QString text;
    QStringList answers; // in button order
};

Question resetQuestion(Language language);

// "Notice 3 saved: MARSEILLE, 88.8 - 3 notices in /path/file.txt"; "replaced"
// for a corrected notice; the description (site name, frequency) may be empty.
QString savedLine(Language language, int number, bool replaced, const QString &description, int count,
                  const QString &file);

// "Finished: 3 notices written to /path/file.txt".
QString finishedLine(Language language, int count, const QString &file);

} // namespace OperatorTexts
