#pragma once

#include "form/Language.h"

#include <QString>
#include <QStringList>

// The texts that the capture window says beyond its design, in its interface
// language: the question before Reset clears a typed notice.
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

} // namespace OperatorTexts
