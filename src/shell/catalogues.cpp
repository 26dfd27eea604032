#include "shell/catalogues.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "base/language.h"

namespace {

// The locale that governs messages, looked up as the C library does.
std::string MessagesLocale()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return value.toStdString();
    }
    return {};
}

Language DesktopLanguage()
{
    std::vector<std::string> preferred;
    for (const QString& tag : QLocale::system().uiLanguages())
        preferred.push_back(tag.toStdString());
    return ChooseLanguage(preferred, MessagesLocale());
}

void Install(QCoreApplication& app, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(name, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace

void InstallCatalogues(QCoreApplication& app)
{
    const Language language = DesktopLanguage();
    SetGameLanguage(language);
    if (language == Language::kEnglish)
        return;
    const QString code = QString::fromLatin1(LanguageCode(language));
    Install(app, QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Install(app, QStringLiteral("glimmerjig_") + code, QStringLiteral(":/i18n"));
}
