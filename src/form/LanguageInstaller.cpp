#include "form/LanguageInstaller.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <array>

namespace {

// The translators in force: the program's and Qt's.
std::array<QPointer<QTranslator>, 2> g_installed;

QPointer<QTranslator> loaded(const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        return translator;
    qWarning("No translation %s in %s: those texts stay in English", qPrintable(name), qPrintable(folder));
    delete translator;
    return nullptr;
}

} // namespace

void installLanguage(Language language)
{
    for (QPointer<QTranslator> &translator : g_installed) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    if (language == Language::English)
        return;
    const QString code = language == Language::French ? QStringLiteral("fr") : QStringLiteral("es");
    g_installed = {loaded(QStringLiteral("notice-capture_") + code, QStringLiteral(":/i18n")),
                   loaded(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))};
}
