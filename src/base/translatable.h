#pragma once

// Marks a literal for the translation catalogues without translating it: the plain layers hold
// the English text, and the window looks it up in the catalogue of the game's language, under
// `scope`, when it shows it. Spelt as Qt spells it, so the catalogue tools find the marks and a
// file that also sees Qt's definition gets the same one.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
