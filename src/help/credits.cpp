#include "base/translatable.h"
#include "help/credits.h"
#include "help/markup_lines.h"

// The English credits, from the first picture to the author's banner: the About box's narrow
// column and the wider one of Help's About tab; then the notices under the banner. Every line
// of text is a message of the catalogues; the layout round it stays as written here.

/* TRANSLATOR AboutBoxCredits

   The About box: lines of plain text scrolling in a narrow column. */
constexpr auto kBoxLines = Lines(
    Picture("BITMAP1"), Picture("Glimmerjig"),
    //: The About box's credits, in its narrow column, under the game's name; goes on below.
    Plain(QT_TRANSLATE_NOOP("AboutBoxCredits", "Design,")),
    //: Goes on from the line above.
    Plain(QT_TRANSLATE_NOOP("AboutBoxCredits", "Algorithm and Programming")),
    //: Goes on from the line above; the systems' names stay as they are.
    Plain(QT_TRANSLATE_NOOP("AboutBoxCredits", "for Windows95©,")),
    //: A system's name: stays as it is.
    Plain(QT_TRANSLATE_NOOP("AboutBoxCredits", "Windows98©,")),
    //: A system's name: stays as it is.
    Plain(QT_TRANSLATE_NOOP("AboutBoxCredits", "Windows Me©,")),
    //: A system's name: stays as it is.
    Plain(QT_TRANSLATE_NOOP("AboutBoxCredits", "Windows NT©,")),
    //: A system's name: stays as it is.
    Plain(QT_TRANSLATE_NOOP("AboutBoxCredits", "Windows 2000©")),
    //: Stands alone above the author's name, drawn as a picture.
    Plain(QT_TRANSLATE_NOOP("AboutBoxCredits", "by")),
    kBlank, Picture("Zorvath"));

/* TRANSLATOR HelpAboutPage

   Help, the About tab: lines of plain text scrolling in a wider column. */
constexpr auto kTabLines = Lines(
    Picture("BITMAP1"), Picture("Glimmerjig"),
    //: The credits on Help's About tab, under the game's name; goes on in the next line.
    Plain(QT_TRANSLATE_NOOP("HelpAboutPage", "Design, Algorithm and")),
    //: Goes on from the line above; the system's name stays as it is.
    Plain(QT_TRANSLATE_NOOP("HelpAboutPage", "Programming for Windows95 ©")),
    //: Systems' names: stay as they are.
    Plain(QT_TRANSLATE_NOOP("HelpAboutPage", "Windows98©, Windows Me©, Windows NT©,")),
    //: A system's name: stays as it is.
    Plain(QT_TRANSLATE_NOOP("HelpAboutPage", "and Windows 2000©")),
    //: Stands alone above the author's name, drawn as a picture.
    Plain(QT_TRANSLATE_NOOP("HelpAboutPage", "by")),
    kBlank, Picture("Zorvath"));

/* TRANSLATOR CreditsNotices

   The notices under the author's name, in the About box and on Help's About tab. */
constexpr auto kNoticeLines = Lines(
    //: The copyright notice under the author's name; the game's name stays as it is.
    Plain(QT_TRANSLATE_NOOP("CreditsNotices", "Copyright © 2026 Glimmerjig")),
    //: The licence under the copyright notice.
    Plain(QT_TRANSLATE_NOOP("CreditsNotices", "MIT licence")),
    //: The program's pictures and sounds were made for it; the contact address follows.
    Plain(QT_TRANSLATE_NOOP("CreditsNotices", "Art and sounds made here")));

const std::string_view kBoxCredits = kBoxLines.View();
const std::string_view kTabCredits = kTabLines.View();
const std::string_view kCreditNotices = kNoticeLines.View();
