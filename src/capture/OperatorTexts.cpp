#include "capture/OperatorTexts.h"

namespace OperatorTexts {

Question resetQuestion(Language language)
{
    switch (language) {
    case Language::French:
        return {QStringLiteral("Remise à zéro"),
                QStringLiteral("Effacer la fiche affichée sans la sauvegarder ?"),
                {QStringLiteral("Oui"), QStringLiteral("Non")}};
    case Language::Spanish:
        return {QStringLiteral("Reset"),
                QStringLiteral("¿Borrar la notificación de la pantalla sin guardarla?"),
                {QStringLiteral("Sí"), QStringLiteral("No")}};
    case Language::English: break;
    }
    return {QStringLiteral("Reset"),
            QStringLiteral("Clear the notice on the screen without saving it?"),
            {QStringLiteral("Yes"), QStringLiteral("No")}};
}

namespace {

QString notices(Language language, int count)
{
    const bool one = count == 1;
    switch (language) {
    case Language::French: return QString::number(count) + (one ? QStringLiteral(" fiche") : QStringLiteral(" fiches"));
    case Language::Spanish:
        return QString::number(count) + (one ? QStringLiteral(" notificación") : QStringLiteral(" notificaciones"));
    case Language::English: break;
    }
    return QString::number(count) + (one ? QStringLiteral(" notice") : QStringLiteral(" notices"));
}

} // namespace

QString savedLine(Language language, int number, bool replaced, const QString &description, int count,
                  const QString &file)
{
    QString saved;
    QString in;
    switch (language) {
    case Language::French:
        saved = replaced ? QStringLiteral("Fiche %1 remplacée") : QStringLiteral("Fiche %1 sauvegardée");
        in = QStringLiteral(" dans ");
        break;
    case Language::Spanish:
        saved = replaced ? QStringLiteral("Notificación %1 reemplazada") : QStringLiteral("Notificación %1 guardada");
        in = QStringLiteral(" en ");
        break;
    case Language::English:
        saved = replaced ? QStringLiteral("Notice %1 replaced") : QStringLiteral("Notice %1 saved");
        in = QStringLiteral(" in ");
        break;
    }
    // French puts a blank before the colon.
    const QString colon = language == Language::French ? QStringLiteral(" : ") : QStringLiteral(": ");
    QString line = saved.arg(number);
    if (!description.isEmpty())
        line += colon + description;
    return line + QStringLiteral(" - ") + notices(language, count) + in + file;
}

QString finishedLine(Language language, int count, const QString &file)
{
    switch (language) {
    case Language::French:
        return QStringLiteral("Terminé : %1 %2 dans %3")
            .arg(notices(language, count), count == 1 ? QStringLiteral("écrite") : QStringLiteral("écrites"), file);
    case Language::Spanish:
        return QStringLiteral("Terminado: %1 %2 en %3")
            .arg(notices(language, count), count == 1 ? QStringLiteral("escrita") : QStringLiteral("escritas"), file);
    case Language::English: break;
    }
    return QStringLiteral("Finished: %1 written to %2").arg(notices(language, count), file);
}

} // namespace OperatorTexts
