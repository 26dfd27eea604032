#include "language_scope.h"

#include <QCoreApplication>
#include <QLibraryInfo>

CLanguageScope::CLanguageScope(Language language)
{
    SetGameLanguage(language);
    if (language == Language::kEnglish)
        return;
    const QString code = QString::fromLatin1(LanguageCode(language));
    m_bLoaded = m_qt.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                m_game.load(QStringLiteral("glimmerjig_") + code, QStringLiteral(GLIMMERJIG_CATALOGUE_DIR));
    QCoreApplication::installTranslator(&m_qt);
    QCoreApplication::installTranslator(&m_game);
}

CLanguageScope::~CLanguageScope()
{
    QCoreApplication::removeTranslator(&m_game);
    QCoreApplication::removeTranslator(&m_qt);
    SetGameLanguage(Language::kEnglish);
}
