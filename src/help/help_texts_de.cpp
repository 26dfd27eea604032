#include "help/language_texts.h"

// German: the player is addressed as "du".

const LanguagePages kGermanPages = {{
    // Glimmerjig
    "BITMAP1^|Glimmerjig^|Worum geht es bei   G l i m m e r j i g ?\t|Es ist ganz einfach:\t|"
    "Um zu gewinnen, klicke NICHT\t|auf das LETZTE gelbe Smiley!\t|||MYIMAGEU^||Wie geht's LOS?\t|"
    "E r s t e n s - w\xE4hle den Schwierigkeitsgrad\t|"
    "per Klick auf I, II oder III   (I ist am leichtesten):\t|||LEVELIM^||"
    "Z w e i t e n s - w\xE4hle die Spielfeldgr\xF6\xDF" "e\t|(von 4 bis 9):\t|||SIZE^||"
    "Je gr\xF6\xDF" "er die Zahl,\t|- desto l\xE4nger dauert das Spiel\t||Wie wird GESPIELT?\t|"
    "Klickst du auf das oberste gelbe Smiley\t|einer Spalte, verschwindet nur dieses Smiley:\t|||"
    "MANUAL1^||Klickst du auf ein Smiley in der Mitte\t|einer Spalte, verschwinden auch alle\t|"
    "Smileys dar\xFC" "ber:\t|||MANUAL2^||Klickst du auf das unterste Smiley\t|"
    "einer Spalte, verschwindet die ganze Spalte:\t|||MANUAL3^||"
    "Der Computer macht seinen Zug immer\t|ganz von selbst.\t|||NICHT VERGESSEN:\t|"
    "Klickst du auf das letzte gelbe Smiley,\t|- hast du das Spiel verloren\t|||",
    // Level
    "LEVELIM^||W\xE4hle den Schwierigkeitsgrad mit einem Klick\t|"
    "auf I, II oder III   (I ist am leichtesten)\t|Du kannst ihn jederzeit wechseln.\t|||BITMAP1^||",
    // Score
    "Zu Beginn des Spiels steht es so:\t||SCORE^||Links stehen deine Punkte, rechts\t|"
    " - die Punkte des Computers\t||SCORE2^|||BITMAP1^|||",
    // Back
    "BACKU^||Zug zur\xFC" "cknehmen - dr\xFC" "cke diesen Knopf:\t||BACKU^||"
    "Du kannst beliebig viele Z\xFCge zur\xFC" "cknehmen,\t|"
    "dr\xFC" "cke den Knopf einfach noch einmal\t||BACKU^||"
    "Dr\xFC" "ckst du den Knopf vor Spielbeginn,\t|dann schaltest du den Computer ab\t|"
    "und spielst zu zweit\t||TWO^||Zur\xFC" "ck zum Spiel gegen den Computer:\t|"
    "dr\xFC" "cke den Knopf wieder vor Spielbeginn\t|||BACKU^||BITMAP1^||",
    // Hint
    "HINTU^||Dr\xFC" "ckst du diesen Knopf,\t|zeigt dir Glimmerjig den besten n\xE4" "chsten Zug\t|"
    "Hol dir so oft einen Tipp, wie du willst\t|||HINTU^||"
    "Dr\xFC" "ckst du den Knopf vor Spielbeginn,\t|dann macht der Computer den ersten Zug\t|||"
    "BITMAP1^|||",
    // Sound
    "SOUNDU^||Dieser Knopf schaltet den Ton ein und aus\t|||BITMAP1^|||",
    // Demo
    "Die Demo startet mit diesem Knopf:\t||DEMOU^||Um die Demo zu beenden, bewege die Maus\t|"
    "Die Demo endet nach 1-2 Sekunden\t|||BITMAP1^|||",
}};

const LanguageCredits kGermanCredits = {
    .box = "BITMAP1^|Glimmerjig^|Design, Algorithmus|und Programmierung|f\xFCr Windows95\xA9,|"
           "Windows98\xA9,|Windows Me\xA9,|Windows NT\xA9,|Windows 2000\xA9|von||Zorvath^|",
    .tab = "BITMAP1^|Glimmerjig^|Design, Algorithmus und|Programmierung f\xFCr Windows95 \xA9|"
           "Windows98\xA9, Windows Me\xA9, Windows NT\xA9,|und Windows 2000\xA9|von||Zorvath^|",
    .notices = "Copyright \xA9 2026 Glimmerjig|MIT-Lizenz|Bild und Ton hausgemacht|",
};
