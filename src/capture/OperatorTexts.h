#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The texts that the capture window says beyond its design, in the language
// installed (installLanguage): the question before Reset clears a typed
// notice, the status line after a save and the summary of a finished file.
class OperatorTexts
{
    Q_DECLARE_TR_FUNCTIONS(OperatorTexts)

public:
    // The answers to the question before Reset, in button order.
    enum ResetAnswer { ResetYes = 0, ResetNo = 1 };

    struct Question
    {
        QString title;
        QString text;
        QStringList answers; // in button order
    };

    static Question resetQuestion();

    // "Notice 3 saved: MARSEILLE, 88.8 - 3 notices in /path/file.txt";
    // "replaced" for a corrected notice; the description (site name,
    // frequency) may be empty.
    static QString savedLine(int number, bool replaced, const QString &description, int count, const QString &file);

    // "Finished: 3 notices written to /path/file.txt".
    static QString finishedLine(int count, const QString &file);

    // "Correcting notice 2 of 5": while a notice brought back from the file
    // is on the screen.
    static QString correctingLine(int number, int count);
};
