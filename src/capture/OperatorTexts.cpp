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

} // namespace OperatorTexts
