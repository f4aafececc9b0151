#include "capture/OperatorTexts.h"

OperatorTexts::Question OperatorTexts::resetQuestion()
{
    return {tr("Reset"), tr("Clear the notice on the screen without saving it?"), {tr("Yes"), tr("No")}};
}

QString OperatorTexts::savedLine(int number, bool replaced, const QString &description, int count, const QString &file)
{
    QString line = description.isEmpty()
        ? (replaced ? tr("Notice %1 replaced") : tr("Notice %1 saved")).arg(number)
        : (replaced ? tr("Notice %1 replaced: %2") : tr("Notice %1 saved: %2")).arg(number).arg(description);
    return line + QStringLiteral(" - ") + tr("%n notice(s) in %1", nullptr, count).arg(file);
}

QString OperatorTexts::finishedLine(int count, const QString &file)
{
    return tr("Finished: %n notice(s) written to %1", nullptr, count).arg(file);
}

QString OperatorTexts::correctingLine(int number, int count)
{
    return tr("Correcting notice %1 of %2").arg(number).arg(count);
}
