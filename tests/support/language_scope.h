#pragma once

#include <QTranslator>

#include "base/language.h"

// The game speaking a language inside a test program, as the game does after its start-up:
// the language set, the game's catalogue (this build's) and Qt's installed. English again,
// without catalogues, when the scope ends.
class CLanguageScope {
public:
    explicit CLanguageScope(Language language);
    ~CLanguageScope();
    CLanguageScope(const CLanguageScope&) = delete;
    CLanguageScope& operator=(const CLanguageScope&) = delete;

    // Whether every catalogue the language needs was found.
    bool Loaded() const { return m_bLoaded; }
    // Whether the game's catalogue has a translation of source under context.
    bool GameCatalogueHas(const char* context, const char* source) const
    {
        return !m_game.translate(context, source).isNull();
    }

private:
    QTranslator m_qt, m_game;
    bool m_bLoaded = true;
};
