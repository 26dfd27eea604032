#include "help/language_texts.h"

// French: the player is addressed as "vous".

const LanguagePages kFrenchPages = {{
    // Glimmerjig
    "BITMAP1^|Glimmerjig^|Quel est le principe de   G l i m m e r j i g ?\t|"
    "C'est tr\xE8s simple :\t|pour gagner, il NE FAUT PAS cliquer\t|"
    "sur le DERNIER smiley jaune !\t|||MYIMAGEU^||Comment COMMENCER ?\t|"
    "A v a n t   t o u t - choisissez la difficult\xE9\t|"
    "en cliquant sur I, II ou III   (I est le plus facile) :\t|||LEVELIM^||"
    "E n s u i t e - choisissez la taille du plateau\t|(de 4 \xE0 9) :\t|||SIZE^||"
    "Plus le nombre est grand,\t|- plus la partie sera longue\t||Comment JOUER ?\t|"
    "Si vous cliquez sur le smiley jaune du haut\t|"
    "d'une colonne - seul ce smiley dispara\xEEt :\t|||MANUAL1^||"
    "Si vous cliquez sur un smiley au milieu\t|d'une colonne - tous les smileys au-dessus\t|"
    "disparaissent aussi :\t|||MANUAL2^||Si vous cliquez sur le smiley du bas\t|"
    "d'une colonne - toute la colonne dispara\xEEt :\t|||MANUAL3^||"
    "L'ordinateur joue toujours son coup\t|automatiquement.\t|||N'OUBLIEZ PAS :\t|"
    "si vous cliquez sur le dernier smiley jaune\t|- vous perdez la partie\t|||",
    // Level
    "LEVELIM^||Choisissez le niveau de difficult\xE9 en cliquant\t|"
    "sur I, II ou III   (I est le plus facile)\t|Vous pouvez en changer \xE0 tout moment.\t|||"
    "BITMAP1^||",
    // Score
    "Au d\xE9" "but de la partie, le score est :\t||SCORE^||\xC0 gauche votre score, \xE0 droite\t|"
    " - celui de l'ordinateur\t||SCORE2^|||BITMAP1^|||",
    // Back
    "BACKU^||Pour annuler le dernier coup, appuyez ici :\t||BACKU^||"
    "Vous pouvez annuler autant de coups\t|que vous voulez en appuyant de nouveau\t||BACKU^||"
    "Si vous appuyez sur ce bouton avant de jouer,\t|vous d\xE9sactivez l'ordinateur\t|"
    "et passez en mode deux joueurs\t||TWO^||Pour revenir au mode un joueur, appuyez\t|"
    "de nouveau sur ce bouton avant de jouer\t|||BACKU^||BITMAP1^||",
    // Hint
    "HINTU^||Quand vous appuyez sur ce bouton,\t|Glimmerjig vous indique le meilleur coup\t|"
    "Demandez autant d'indices que vous voulez\t|||HINTU^||"
    "Si vous appuyez sur ce bouton avant de jouer,\t|l'ordinateur joue le premier coup\t|||"
    "BITMAP1^|||",
    // Sound
    "SOUNDU^||Ce bouton active et coupe le son\t|||BITMAP1^|||",
    // Demo
    "La d\xE9mo se lance avec ce bouton :\t||DEMOU^||"
    "Pour arr\xEAter la d\xE9mo, bougez la souris\t|"
    "La d\xE9mo s'arr\xEAte au bout de 1 \xE0 2 secondes\t|||BITMAP1^|||",
}};

const LanguageCredits kFrenchCredits = {
    .box = "BITMAP1^|Glimmerjig^|Conception, algorithme|et programmation|pour Windows95\xA9,|"
           "Windows98\xA9,|Windows Me\xA9,|Windows NT\xA9,|Windows 2000\xA9|par||Zorvath^|",
    .tab = "BITMAP1^|Glimmerjig^|Conception, algorithme et|programmation pour Windows95 \xA9|"
           "Windows98\xA9, Windows Me\xA9, Windows NT\xA9,|et Windows 2000\xA9|par||Zorvath^|",
    .notices = "Copyright \xA9 2026 Glimmerjig|Licence MIT|Images et sons faits maison|",
};
