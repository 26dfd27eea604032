#include "help/language_texts.h"

// The notices and the default contact address are short enough for the About box, in their
// own fonts.
const LanguageCredits kEnglishCredits = {
    .box = "BITMAP1^|Glimmerjig^|Design,|Algorithm and Programming|for Windows95\xA9,|"
           "Windows98\xA9,|Windows Me\xA9,|Windows NT\xA9,|Windows 2000\xA9|by||Zorvath^|",
    .tab = "BITMAP1^|Glimmerjig^|Design, Algorithm and|Programming for Windows95 \xA9|"
           "Windows98\xA9, Windows Me\xA9, Windows NT\xA9,|and Windows 2000\xA9|by||Zorvath^|",
    .notices = "Copyright \xA9 2026 Glimmerjig|"
               "MIT licence|"
               "Art and sounds made here|",
};
