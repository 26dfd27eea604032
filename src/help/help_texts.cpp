#include "help/language_texts.h"

// Each page is one string; the literals are split only to keep the lines readable.

const std::string_view kGamePage =
    "BITMAP1^|Glimmerjig^|What is the concept of   G l i m m e r j i g ?\t|"
    "It is very simple:\t|to win the game, you SHOULD NOT click\t|"
    "on the LAST yellow Smiling Face!\t|||MYIMAGEU^||How to START?\t|"
    "F i r s t - select the level of difficulty by clicking\t|"
    "on the numbers I, II or III   (I is the easiest):\t|||"
    "LEVELIM^||S e c o n d - proceed by choosing the game size\t|(from 4 through 9):\t|||"
    "SIZE^||The larger the number\t|- the longer it will take you to finish\t||"
    "How to PLAY?\t|When you click on the top yellow Smile\t|"
    "in a column - only the top Smile will disappear:\t|||"
    "MANUAL1^||When you click on a Smile in the middle\t|of a column - all the Smiles above it\t|"
    "will also disappear:\t|||MANUAL2^||When you click on a Smile at the bottom of a\t|"
    "column - all that column of Smiles will disappear:\t|||MANUAL3^||"
    "The computer will always make its move\t|automatically.\t|||DO NOT FORGET:\t|"
    "if you click on the last yellow Smiling face\t|- you loose the game\t|||";

const std::string_view kLevelPage =
    "LEVELIM^||Select the level of difficulty by clicking on\t|"
    "the numbers I, II or III ( I is the easiest)\t|"
    "You can change your selection at any time.\t|||BITMAP1^||";

const std::string_view kScorePage =
    "When you first start the game - the score will be:\t||SCORE^||"
    "The left part is your score, the right one\t| - the score of the computer\t||"
    "SCORE2^|||BITMAP1^|||";

const std::string_view kBackPage =
    "BACKU^||To cancel the last move - press this button:\t||BACKU^||"
    "You can cancel as many moves as you want\t|by pressing this button again\t||"
    "BACKU^||If you press this button before starting the game,\t|"
    "then you disable the Computer and\t|activating two players mode\t||"
    "TWO^||You can return a single player mode by pressing\t|"
    "this button again before starting the game\t|||"
    "BACKU^||BITMAP1^||";

const std::string_view kHintPage =
    "HINTU^||When you press this button,\t|"
    "Glimmerjig will suggest the best next move for you\t|"
    "You can ask for help as many times as you wish\t|||"
    "HINTU^||If you press this button before starting the game,\t|"
    "then the first move will be made by the Computer\t|||BITMAP1^|||";

const std::string_view kSoundPage =
    "SOUNDU^||Click the button to turn the sound on and off\t|||BITMAP1^|||";

const std::string_view kDemoPage =
    "Demo feature can be started by pressing button\t||DEMOU^||"
    "To stop the Demo, just move your mouse\t|Demo will stop in 1-2 seconds\t|||BITMAP1^|||";

const LanguagePages kEnglishPages = {{kGamePage, kLevelPage, kScorePage, kBackPage, kHintPage, kSoundPage,
                                     kDemoPage}};
