#include "base/translatable.h"
#include "help/help_texts.h"
#include "help/markup_lines.h"

// The English help pages. Every line of text is a message of the catalogues, under a context
// per page; the pictures, kinds and blank lines round it stay as written here in every language.
// A line is one line on screen, never wrapped: a translation should be about as long.

/* TRANSLATOR HelpGamePage

   Help, the Glimmerjig tab: the rules, how to start and how to play.
   Lines of large bold text scrolling between pictures. */
constexpr auto kGameLines = Lines(
    Picture("BITMAP1"), Picture("Glimmerjig"),
    //: The page's first heading, under the game's name; the spaced letters spell the name.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "What is the concept of   G l i m m e r j i g ?")),
    //: The answer begins: the line under the first heading.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "It is very simple:")),
    //: Goes on from the line above.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "to win the game, you SHOULD NOT click")),
    //: Ends the rule; a picture of one smiley follows.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "on the LAST yellow Smiling Face!")),
    kBlank, kBlank, Picture("MYIMAGEU"), kBlank,
    //: Heading under the picture of a smiley.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "How to START?")),
    //: The first step; the spaced letters are the word "first"; goes on in the next line.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "F i r s t - select the level of difficulty by clicking")),
    //: Ends the first step; the picture of the level buttons I, II, III follows.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "on the numbers I, II or III   (I is the easiest):")),
    kBlank, kBlank, Picture("LEVELIM"), kBlank,
    //: The second step, under the level buttons; the spaced letters are the word "second".
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "S e c o n d - proceed by choosing the game size")),
    //: Ends the second step; the picture of the board-size buttons 4 to 9 follows.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "(from 4 through 9):")),
    kBlank, kBlank, Picture("SIZE"), kBlank,
    //: Under the board-size buttons; goes on in the next line.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "The larger the number")),
    //: Ends the sentence of the line above.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "- the longer it will take you to finish")),
    kBlank,
    //: Heading of the part on playing.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "How to PLAY?")),
    //: The first case; goes on in the next line.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "When you click on the top yellow Smile")),
    //: Ends the first case; a picture of three columns follows.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "in a column - only the top Smile will disappear:")),
    kBlank, kBlank, Picture("MANUAL1"), kBlank,
    //: The second case; goes on in the next two lines.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "When you click on a Smile in the middle")),
    //: Goes on from the line above.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "of a column - all the Smiles above it")),
    //: Ends the second case; a picture of one column follows.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "will also disappear:")),
    kBlank, kBlank, Picture("MANUAL2"), kBlank,
    //: The third case; goes on in the next line.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "When you click on a Smile at the bottom of a")),
    //: Ends the third case; a picture of one column follows.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "column - all that column of Smiles will disappear:")),
    kBlank, kBlank, Picture("MANUAL3"), kBlank,
    //: Under the pictures; goes on in the next line.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "The computer will always make its move")),
    //: Ends the sentence of the line above.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "automatically.")),
    kBlank, kBlank,
    //: Heading of the last warning.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "DO NOT FORGET:")),
    //: The warning; goes on in the next line.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "if you click on the last yellow Smiling face")),
    //: Ends the warning and the page.
    Large(QT_TRANSLATE_NOOP("HelpGamePage", "- you loose the game")),
    kBlank, kBlank);

/* TRANSLATOR HelpLevelPage

   Help, the Level tab.
   Lines of large bold text scrolling between pictures. */
constexpr auto kLevelLines = Lines(
    Picture("LEVELIM"), kBlank,
    //: Under the picture of the level buttons I, II, III; goes on in the next line.
    Large(QT_TRANSLATE_NOOP("HelpLevelPage", "Select the level of difficulty by clicking on")),
    //: Ends the sentence of the line above.
    Large(QT_TRANSLATE_NOOP("HelpLevelPage", "the numbers I, II or III ( I is the easiest)")),
    //: The last line of text of the page.
    Large(QT_TRANSLATE_NOOP("HelpLevelPage", "You can change your selection at any time.")),
    kBlank, kBlank, Picture("BITMAP1"), kBlank);

/* TRANSLATOR HelpScorePage

   Help, the Score tab.
   Lines of large bold text scrolling between pictures. */
constexpr auto kScoreLines = Lines(
    //: The first line of the page, above the picture of the score box showing 00 : 00.
    Large(QT_TRANSLATE_NOOP("HelpScorePage", "When you first start the game - the score will be:")),
    kBlank, Picture("SCORE"), kBlank,
    //: Under the score box; goes on in the next line.
    Large(QT_TRANSLATE_NOOP("HelpScorePage", "The left part is your score, the right one")),
    //: Ends the sentence of the line above; the score box showing 99 : 00 follows.
    Large(QT_TRANSLATE_NOOP("HelpScorePage", " - the score of the computer")),
    kBlank, Picture("SCORE2"), kBlank, kBlank, Picture("BITMAP1"), kBlank, kBlank);

/* TRANSLATOR HelpBackPage

   Help, the Back tab.
   Lines of large bold text scrolling between pictures. */
constexpr auto kBackLines = Lines(
    Picture("BACKU"), kBlank,
    //: Under the picture of the Back button; another picture of it follows.
    Large(QT_TRANSLATE_NOOP("HelpBackPage", "To cancel the last move - press this button:")),
    kBlank, Picture("BACKU"), kBlank,
    //: Under the second picture of the Back button; goes on in the next line.
    Large(QT_TRANSLATE_NOOP("HelpBackPage", "You can cancel as many moves as you want")),
    //: Ends the sentence of the line above.
    Large(QT_TRANSLATE_NOOP("HelpBackPage", "by pressing this button again")),
    kBlank, Picture("BACKU"), kBlank,
    //: Under the third picture of the Back button; goes on in the next two lines.
    Large(QT_TRANSLATE_NOOP("HelpBackPage", "If you press this button before starting the game,")),
    //: Goes on from the line above.
    Large(QT_TRANSLATE_NOOP("HelpBackPage", "then you disable the Computer and")),
    //: Ends the sentence; a picture of a happy and a sad face follows.
    Large(QT_TRANSLATE_NOOP("HelpBackPage", "activating two players mode")),
    kBlank, Picture("TWO"), kBlank,
    //: Under the faces; goes on in the next line.
    Large(QT_TRANSLATE_NOOP("HelpBackPage", "You can return a single player mode by pressing")),
    //: Ends the sentence of the line above; the page ends with the Back button's picture.
    Large(QT_TRANSLATE_NOOP("HelpBackPage", "this button again before starting the game")),
    kBlank, kBlank, Picture("BACKU"), kBlank, Picture("BITMAP1"), kBlank);

/* TRANSLATOR HelpHintPage

   Help, the Hint tab.
   Lines of large bold text scrolling between pictures. */
constexpr auto kHintLines = Lines(
    Picture("HINTU"), kBlank,
    //: Under the picture of the Hint button; goes on in the next line.
    Large(QT_TRANSLATE_NOOP("HelpHintPage", "When you press this button,")),
    //: Ends the sentence of the line above.
    Large(QT_TRANSLATE_NOOP("HelpHintPage", "Glimmerjig will suggest the best next move for you")),
    //: The last line before the second picture of the Hint button.
    Large(QT_TRANSLATE_NOOP("HelpHintPage", "You can ask for help as many times as you wish")),
    kBlank, kBlank, Picture("HINTU"), kBlank,
    //: Under the second picture of the Hint button; goes on in the next line.
    Large(QT_TRANSLATE_NOOP("HelpHintPage", "If you press this button before starting the game,")),
    //: Ends the sentence of the line above and the page's text.
    Large(QT_TRANSLATE_NOOP("HelpHintPage", "then the first move will be made by the Computer")),
    kBlank, kBlank, Picture("BITMAP1"), kBlank, kBlank);

/* TRANSLATOR HelpSoundPage

   Help, the Sound tab.
   Lines of large bold text scrolling between pictures. */
constexpr auto kSoundLines = Lines(
    Picture("SOUNDU"), kBlank,
    //: Under the picture of the Sound button: the page's only line of text.
    Large(QT_TRANSLATE_NOOP("HelpSoundPage", "Click the button to turn the sound on and off")),
    kBlank, kBlank, Picture("BITMAP1"), kBlank, kBlank);

/* TRANSLATOR HelpDemoPage

   Help, the Demo tab.
   Lines of large bold text scrolling between pictures. */
constexpr auto kDemoLines = Lines(
    //: The first line of the page, above the picture of the Demo button.
    Large(QT_TRANSLATE_NOOP("HelpDemoPage", "Demo feature can be started by pressing button")),
    kBlank, Picture("DEMOU"), kBlank,
    //: Under the Demo button.
    Large(QT_TRANSLATE_NOOP("HelpDemoPage", "To stop the Demo, just move your mouse")),
    //: Ends the page's text.
    Large(QT_TRANSLATE_NOOP("HelpDemoPage", "Demo will stop in 1-2 seconds")),
    kBlank, kBlank, Picture("BITMAP1"), kBlank, kBlank);

const std::string_view kGamePage = kGameLines.View();
const std::string_view kLevelPage = kLevelLines.View();
const std::string_view kScorePage = kScoreLines.View();
const std::string_view kBackPage = kBackLines.View();
const std::string_view kHintPage = kHintLines.View();
const std::string_view kSoundPage = kSoundLines.View();
const std::string_view kDemoPage = kDemoLines.View();
