#include "form/LanguageInstaller.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <array>
#include <optional>

namespace {

// The translators in force: the program's and Qt's.
std::array<QPointer<QTranslator>, 2> g_installed;
std::optional<Language> g_language;

QPointer<QTranslator> loaded(const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        return translator;
    qWarning("No translation %s in %s: those texts stay in English", qPrintable(name), qPrintable(folder));
    delete translator;
    return nullptr;
}

QString codeOf(Language language)
{
    switch (language) {
    case Language::French: return QStringLiteral("fr");
    case Language::Spanish: return QStringLiteral("es");
    case Language::English: break;
    }
    return QStringLiteral("en");
}

} // namespace

void installLanguage(Language language)
{
    if (g_language == language && g_installed[0])
        return;
    for (QPointer<QTranslator> &translator : g_installed) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    g_language = language;
    const QString code = codeOf(language);
    g_installed[0] = loaded(QStringLiteral("notice-capture_") + code, QStringLiteral(":/i18n"));
    // Qt speaks English without a translation of its own.
    if (language != Language::English)
        g_installed[1] = loaded(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Language installedLanguage()
{
    return g_language.value_or(Language::English);
}
