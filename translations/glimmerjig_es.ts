<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBoxCredits</name>
    <message>
        <source></source>
        <comment>The About box: lines of plain text scrolling in a narrow column.</comment>
        <translation></translation>
    </message>
    <message>
        <source>Design,</source>
        <extracomment>The About box&apos;s credits, in its narrow column, under the game&apos;s name; goes on below.</extracomment>
        <translation>Diseño, algoritmo</translation>
    </message>
    <message>
        <source>Algorithm and Programming</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>y programación</translation>
    </message>
    <message>
        <source>for Windows95©,</source>
        <extracomment>Goes on from the line above; the systems&apos; names stay as they are.</extracomment>
        <translation>para Windows95©,</translation>
    </message>
    <message>
        <source>Windows98©,</source>
        <extracomment>A system&apos;s name: stays as it is.</extracomment>
        <translation>Windows98©,</translation>
    </message>
    <message>
        <source>Windows Me©,</source>
        <extracomment>A system&apos;s name: stays as it is.</extracomment>
        <translation>Windows Me©,</translation>
    </message>
    <message>
        <source>Windows NT©,</source>
        <extracomment>A system&apos;s name: stays as it is.</extracomment>
        <translation>Windows NT©,</translation>
    </message>
    <message>
        <source>Windows 2000©</source>
        <extracomment>A system&apos;s name: stays as it is.</extracomment>
        <translation>Windows 2000©</translation>
    </message>
    <message>
        <source>by</source>
        <extracomment>Stands alone above the author&apos;s name, drawn as a picture.</extracomment>
        <translation>por</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>mail to: %1</source>
        <translation>Correo: %1</translation>
    </message>
    <message>
        <source>credits</source>
        <translation>créditos</translation>
    </message>
</context>
<context>
    <name>CGameControls</name>
    <message>
        <source>smiley, column %1, height %2</source>
        <translation>carita, columna %1, altura %2</translation>
    </message>
    <message>
        <source>empty, column %1, height %2</source>
        <translation>vacía, columna %1, altura %2</translation>
    </message>
    <message>
        <source>taken smiley, column %1, height %2</source>
        <translation>carita quitada, columna %1, altura %2</translation>
    </message>
    <message>
        <source>smiley not taken, column %1, height %2</source>
        <translation>carita no quitada, columna %1, altura %2</translation>
    </message>
    <message>
        <source>level, score and board size</source>
        <translation>nivel, puntuación y tamaño del tablero</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>levels I, II, III</source>
        <translation>niveles I, II, III</translation>
    </message>
    <message>
        <source>level I</source>
        <translation>nivel I</translation>
    </message>
    <message>
        <source>level II</source>
        <translation>nivel II</translation>
    </message>
    <message>
        <source>level III</source>
        <translation>nivel III</translation>
    </message>
    <message>
        <source>score</source>
        <translation>puntuación</translation>
    </message>
    <message>
        <source>board size %1</source>
        <translation>tamaño del tablero %1</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>You win!</source>
        <translation>¡Has ganado!</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>¡Has perdido!</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;About Game   G l i m m e r j i g…</source>
        <translation>&amp;Acerca del juego   G l i m m e r j i g…</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>GoTo: %1</source>
        <translation>Sitio web: %1</translation>
    </message>
    <message>
        <source>Mail To: %1</source>
        <translation>Correo: %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A puzzle game: take smileys in turn; whoever takes the last one loses.</source>
        <translation>Un juego de ingenio: se quitan caritas por turnos y quien quita la última pierde.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos;.</source>
        <translation>Prueba «%1».</translation>
    </message>
    <message>
        <source>missing value after &apos;%1&apos;.</source>
        <translation>falta un valor tras «%1».</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-platform, -display, -style, …) are also taken.</source>
        <translation>También se aceptan las opciones propias de Qt (-platform, -display, -style…).</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;.</source>
        <translation>opción desconocida «%1».</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value.</source>
        <translation>la opción «%1» no admite ningún valor.</translation>
    </message>
</context>
<context>
    <name>CreditsNotices</name>
    <message>
        <source></source>
        <comment>The notices under the author&apos;s name, in the About box and on Help&apos;s About tab.</comment>
        <translation></translation>
    </message>
    <message>
        <source>Copyright © 2026 Glimmerjig</source>
        <extracomment>The copyright notice under the author&apos;s name; the game&apos;s name stays as it is.</extracomment>
        <translation>Copyright © 2026 Glimmerjig</translation>
    </message>
    <message>
        <source>MIT licence</source>
        <extracomment>The licence under the copyright notice.</extracomment>
        <translation>Licencia MIT</translation>
    </message>
    <message>
        <source>Art and sounds made here</source>
        <extracomment>The program&apos;s pictures and sounds were made for it; the contact address follows.</extracomment>
        <translation>Gráficos y sonidos caseros</translation>
    </message>
</context>
<context>
    <name>HelpAboutPage</name>
    <message>
        <source></source>
        <comment>Help, the About tab: lines of plain text scrolling in a wider column.</comment>
        <translation></translation>
    </message>
    <message>
        <source>Design, Algorithm and</source>
        <extracomment>The credits on Help&apos;s About tab, under the game&apos;s name; goes on in the next line.</extracomment>
        <translation>Diseño, algoritmo y</translation>
    </message>
    <message>
        <source>Programming for Windows95 ©</source>
        <extracomment>Goes on from the line above; the system&apos;s name stays as it is.</extracomment>
        <translation>programación para Windows95 ©</translation>
    </message>
    <message>
        <source>Windows98©, Windows Me©, Windows NT©,</source>
        <extracomment>Systems&apos; names: stay as they are.</extracomment>
        <translation>Windows98©, Windows Me©, Windows NT©,</translation>
    </message>
    <message>
        <source>and Windows 2000©</source>
        <extracomment>A system&apos;s name: stays as it is.</extracomment>
        <translation>y Windows 2000©</translation>
    </message>
    <message>
        <source>by</source>
        <extracomment>Stands alone above the author&apos;s name, drawn as a picture.</extracomment>
        <translation>por</translation>
    </message>
</context>
<context>
    <name>HelpBackPage</name>
    <message>
        <source></source>
        <comment>Help, the Back tab. Lines of large bold text scrolling between pictures.</comment>
        <translation></translation>
    </message>
    <message>
        <source>To cancel the last move - press this button:</source>
        <extracomment>Under the picture of the Back button; another picture of it follows.</extracomment>
        <translation>Para deshacer la última jugada, pulsa este botón:</translation>
    </message>
    <message>
        <source>You can cancel as many moves as you want</source>
        <extracomment>Under the second picture of the Back button; goes on in the next line.</extracomment>
        <translation>Puedes deshacer tantas jugadas como quieras</translation>
    </message>
    <message>
        <source>by pressing this button again</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>pulsando este botón otra vez</translation>
    </message>
    <message>
        <source>If you press this button before starting the game,</source>
        <extracomment>Under the third picture of the Back button; goes on in the next two lines.</extracomment>
        <translation>Si pulsas este botón antes de empezar,</translation>
    </message>
    <message>
        <source>then you disable the Computer and</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>desactivas el ordenador</translation>
    </message>
    <message>
        <source>activating two players mode</source>
        <extracomment>Ends the sentence; a picture of a happy and a sad face follows.</extracomment>
        <translation>y activas el modo de dos jugadores</translation>
    </message>
    <message>
        <source>You can return a single player mode by pressing</source>
        <extracomment>Under the faces; goes on in the next line.</extracomment>
        <translation>Para volver a jugar contra el ordenador,</translation>
    </message>
    <message>
        <source>this button again before starting the game</source>
        <extracomment>Ends the sentence of the line above; the page ends with the Back button&apos;s picture.</extracomment>
        <translation>pulsa otra vez este botón antes de empezar</translation>
    </message>
</context>
<context>
    <name>HelpDemoPage</name>
    <message>
        <source></source>
        <comment>Help, the Demo tab. Lines of large bold text scrolling between pictures.</comment>
        <translation></translation>
    </message>
    <message>
        <source>Demo feature can be started by pressing button</source>
        <extracomment>The first line of the page, above the picture of the Demo button.</extracomment>
        <translation>La demo se inicia con este botón:</translation>
    </message>
    <message>
        <source>To stop the Demo, just move your mouse</source>
        <extracomment>Under the Demo button.</extracomment>
        <translation>Para parar la demo, basta con mover el ratón</translation>
    </message>
    <message>
        <source>Demo will stop in 1-2 seconds</source>
        <extracomment>Ends the page&apos;s text.</extracomment>
        <translation>La demo se detiene en 1 o 2 segundos</translation>
    </message>
</context>
<context>
    <name>HelpGamePage</name>
    <message>
        <source></source>
        <comment>Help, the Glimmerjig tab: the rules, how to start and how to play. Lines of large bold text scrolling between pictures.</comment>
        <translation></translation>
    </message>
    <message>
        <source>What is the concept of   G l i m m e r j i g ?</source>
        <extracomment>The page&apos;s first heading, under the game&apos;s name; the spaced letters spell the name.</extracomment>
        <translation>¿En qué consiste   G l i m m e r j i g ?</translation>
    </message>
    <message>
        <source>It is very simple:</source>
        <extracomment>The answer begins: the line under the first heading.</extracomment>
        <translation>Es muy sencillo:</translation>
    </message>
    <message>
        <source>to win the game, you SHOULD NOT click</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>para ganar, ¡NO hagas clic</translation>
    </message>
    <message>
        <source>on the LAST yellow Smiling Face!</source>
        <extracomment>Ends the rule; a picture of one smiley follows.</extracomment>
        <translation>en la ÚLTIMA carita sonriente amarilla!</translation>
    </message>
    <message>
        <source>How to START?</source>
        <extracomment>Heading under the picture of a smiley.</extracomment>
        <translation>¿Cómo EMPEZAR?</translation>
    </message>
    <message>
        <source>F i r s t - select the level of difficulty by clicking</source>
        <extracomment>The first step; the spaced letters are the word &quot;first&quot;; goes on in the next line.</extracomment>
        <translation>P r i m e r o, elige el nivel de dificultad</translation>
    </message>
    <message>
        <source>on the numbers I, II or III   (I is the easiest):</source>
        <extracomment>Ends the first step; the picture of the level buttons I, II, III follows.</extracomment>
        <translation>haciendo clic en I, II o III   (I es el más fácil):</translation>
    </message>
    <message>
        <source>S e c o n d - proceed by choosing the game size</source>
        <extracomment>The second step, under the level buttons; the spaced letters are the word &quot;second&quot;.</extracomment>
        <translation>S e g u n d o, elige el tamaño del tablero</translation>
    </message>
    <message>
        <source>(from 4 through 9):</source>
        <extracomment>Ends the second step; the picture of the board-size buttons 4 to 9 follows.</extracomment>
        <translation>(de 4 a 9):</translation>
    </message>
    <message>
        <source>The larger the number</source>
        <extracomment>Under the board-size buttons; goes on in the next line.</extracomment>
        <translation>Cuanto mayor sea el número,</translation>
    </message>
    <message>
        <source>- the longer it will take you to finish</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>más durará la partida</translation>
    </message>
    <message>
        <source>How to PLAY?</source>
        <extracomment>Heading of the part on playing.</extracomment>
        <translation>¿Cómo JUGAR?</translation>
    </message>
    <message>
        <source>When you click on the top yellow Smile</source>
        <extracomment>The first case; goes on in the next line.</extracomment>
        <translation>Si haces clic en la carita amarilla de arriba</translation>
    </message>
    <message>
        <source>in a column - only the top Smile will disappear:</source>
        <extracomment>Ends the first case; a picture of three columns follows.</extracomment>
        <translation>de una columna, solo desaparece esa carita:</translation>
    </message>
    <message>
        <source>When you click on a Smile in the middle</source>
        <extracomment>The second case; goes on in the next two lines.</extracomment>
        <translation>Si haces clic en una carita del medio</translation>
    </message>
    <message>
        <source>of a column - all the Smiles above it</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>de una columna, también desaparecen</translation>
    </message>
    <message>
        <source>will also disappear:</source>
        <extracomment>Ends the second case; a picture of one column follows.</extracomment>
        <translation>todas las caritas de encima:</translation>
    </message>
    <message>
        <source>When you click on a Smile at the bottom of a</source>
        <extracomment>The third case; goes on in the next line.</extracomment>
        <translation>Si haces clic en la carita de abajo</translation>
    </message>
    <message>
        <source>column - all that column of Smiles will disappear:</source>
        <extracomment>Ends the third case; a picture of one column follows.</extracomment>
        <translation>de una columna, desaparece toda la columna:</translation>
    </message>
    <message>
        <source>The computer will always make its move</source>
        <extracomment>Under the pictures; goes on in the next line.</extracomment>
        <translation>El ordenador siempre hace su jugada</translation>
    </message>
    <message>
        <source>automatically.</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>automáticamente.</translation>
    </message>
    <message>
        <source>DO NOT FORGET:</source>
        <extracomment>Heading of the last warning.</extracomment>
        <translation>NO LO OLVIDES:</translation>
    </message>
    <message>
        <source>if you click on the last yellow Smiling face</source>
        <extracomment>The warning; goes on in the next line.</extracomment>
        <translation>si haces clic en la última carita amarilla,</translation>
    </message>
    <message>
        <source>- you loose the game</source>
        <extracomment>Ends the warning and the page.</extracomment>
        <translation>pierdes la partida</translation>
    </message>
</context>
<context>
    <name>HelpHintPage</name>
    <message>
        <source></source>
        <comment>Help, the Hint tab. Lines of large bold text scrolling between pictures.</comment>
        <translation></translation>
    </message>
    <message>
        <source>When you press this button,</source>
        <extracomment>Under the picture of the Hint button; goes on in the next line.</extracomment>
        <translation>Cuando pulsas este botón,</translation>
    </message>
    <message>
        <source>Glimmerjig will suggest the best next move for you</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>Glimmerjig te sugiere la mejor jugada</translation>
    </message>
    <message>
        <source>You can ask for help as many times as you wish</source>
        <extracomment>The last line before the second picture of the Hint button.</extracomment>
        <translation>Puedes pedir pistas tantas veces como quieras</translation>
    </message>
    <message>
        <source>If you press this button before starting the game,</source>
        <extracomment>Under the second picture of the Hint button; goes on in the next line.</extracomment>
        <translation>Si pulsas este botón antes de empezar,</translation>
    </message>
    <message>
        <source>then the first move will be made by the Computer</source>
        <extracomment>Ends the sentence of the line above and the page&apos;s text.</extracomment>
        <translation>el ordenador hace la primera jugada</translation>
    </message>
</context>
<context>
    <name>HelpLevelPage</name>
    <message>
        <source></source>
        <comment>Help, the Level tab. Lines of large bold text scrolling between pictures.</comment>
        <translation></translation>
    </message>
    <message>
        <source>Select the level of difficulty by clicking on</source>
        <extracomment>Under the picture of the level buttons I, II, III; goes on in the next line.</extracomment>
        <translation>Elige el nivel de dificultad haciendo clic</translation>
    </message>
    <message>
        <source>the numbers I, II or III ( I is the easiest)</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>en I, II o III   (I es el más fácil)</translation>
    </message>
    <message>
        <source>You can change your selection at any time.</source>
        <extracomment>The last line of text of the page.</extracomment>
        <translation>Puedes cambiarlo en cualquier momento.</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>HelpScorePage</name>
    <message>
        <source></source>
        <comment>Help, the Score tab. Lines of large bold text scrolling between pictures.</comment>
        <translation></translation>
    </message>
    <message>
        <source>When you first start the game - the score will be:</source>
        <extracomment>The first line of the page, above the picture of the score box showing 00 : 00.</extracomment>
        <translation>Al empezar la partida, la puntuación es:</translation>
    </message>
    <message>
        <source>The left part is your score, the right one</source>
        <extracomment>Under the score box; goes on in the next line.</extracomment>
        <translation>La parte izquierda es tu puntuación,</translation>
    </message>
    <message>
        <source> - the score of the computer</source>
        <extracomment>Ends the sentence of the line above; the score box showing 99 : 00 follows.</extracomment>
        <translation>la derecha, la del ordenador</translation>
    </message>
</context>
<context>
    <name>HelpSoundPage</name>
    <message>
        <source></source>
        <comment>Help, the Sound tab. Lines of large bold text scrolling between pictures.</comment>
        <translation></translation>
    </message>
    <message>
        <source>Click the button to turn the sound on and off</source>
        <extracomment>Under the picture of the Sound button: the page&apos;s only line of text.</extracomment>
        <translation>Este botón activa y desactiva el sonido</translation>
    </message>
</context>
</TS>
