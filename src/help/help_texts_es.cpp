#include "help/language_texts.h"

// Spanish: the player is addressed as "tú".

const LanguagePages kSpanishPages = {{
    // Glimmerjig
    "BITMAP1^|Glimmerjig^|\xBF" "En qu\xE9 consiste   G l i m m e r j i g ?\t|Es muy sencillo:\t|"
    "para ganar, \xA1NO hagas clic\t|en la \xDALTIMA carita sonriente amarilla!\t|||MYIMAGEU^||"
    "\xBF" "C\xF3mo EMPEZAR?\t|P r i m e r o - elige el nivel de dificultad\t|"
    "haciendo clic en I, II o III   (I es el m\xE1s f\xE1" "cil):\t|||LEVELIM^||"
    "S e g u n d o - elige el tama\xF1o del tablero\t|(de 4 a 9):\t|||SIZE^||"
    "Cuanto mayor sea el n\xFAmero,\t|- m\xE1s durar\xE1 la partida\t||\xBF" "C\xF3mo JUGAR?\t|"
    "Si haces clic en la carita amarilla de arriba\t|"
    "de una columna - solo desaparece esa carita:\t|||MANUAL1^||"
    "Si haces clic en una carita del medio\t|de una columna - tambi\xE9n desaparecen\t|"
    "todas las caritas de encima:\t|||MANUAL2^||Si haces clic en la carita de abajo\t|"
    "de una columna - desaparece toda la columna:\t|||MANUAL3^||"
    "El ordenador siempre hace su jugada\t|autom\xE1ticamente.\t|||NO LO OLVIDES:\t|"
    "si haces clic en la \xFAltima carita amarilla\t|- pierdes la partida\t|||",
    // Level
    "LEVELIM^||Elige el nivel de dificultad haciendo clic\t|"
    "en I, II o III   (I es el m\xE1s f\xE1" "cil)\t|Puedes cambiarlo en cualquier momento.\t|||"
    "BITMAP1^||",
    // Score
    "Al empezar la partida, el marcador es:\t||SCORE^||La parte izquierda es tu puntuaci\xF3n,\t|"
    " - la derecha, la del ordenador\t||SCORE2^|||BITMAP1^|||",
    // Back
    "BACKU^||Para deshacer la \xFAltima jugada, pulsa aqu\xED:\t||BACKU^||"
    "Puedes deshacer tantas jugadas como quieras\t|pulsando este bot\xF3n otra vez\t||BACKU^||"
    "Si pulsas este bot\xF3n antes de empezar,\t|desactivas el ordenador\t|"
    "y activas el modo de dos jugadores\t||TWO^||Para volver a jugar contra el ordenador,\t|"
    "pulsa otra vez este bot\xF3n antes de empezar\t|||BACKU^||BITMAP1^||",
    // Hint
    "HINTU^||Cuando pulsas este bot\xF3n,\t|Glimmerjig te sugiere la mejor jugada\t|"
    "Puedes pedir pistas tantas veces como quieras\t|||HINTU^||"
    "Si pulsas este bot\xF3n antes de empezar,\t|el ordenador hace la primera jugada\t|||"
    "BITMAP1^|||",
    // Sound
    "SOUNDU^||Este bot\xF3n activa y desactiva el sonido\t|||BITMAP1^|||",
    // Demo
    "La demo se inicia con este bot\xF3n:\t||DEMOU^||"
    "Para parar la demo, basta con mover el rat\xF3n\t|La demo se detiene en 1 o 2 segundos\t|||"
    "BITMAP1^|||",
}};

const LanguageCredits kSpanishCredits = {
    .box = "BITMAP1^|Glimmerjig^|Dise\xF1o, algoritmo|y programaci\xF3n|para Windows95\xA9,|"
           "Windows98\xA9,|Windows Me\xA9,|Windows NT\xA9,|Windows 2000\xA9|por||Zorvath^|",
    .tab = "BITMAP1^|Glimmerjig^|Dise\xF1o, algoritmo y|programaci\xF3n para Windows95 \xA9|"
           "Windows98\xA9, Windows Me\xA9, Windows NT\xA9,|y Windows 2000\xA9|por||Zorvath^|",
    .notices = "Copyright \xA9 2026 Glimmerjig|Licencia MIT|Gr\xE1" "ficos y sonidos caseros|",
};
