<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Design, Algorithmus</translation>
    </message>
    <message>
        <source>Algorithm and Programming</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>und Programmierung</translation>
    </message>
    <message>
        <source>for Windows95©,</source>
        <extracomment>Goes on from the line above; the systems&apos; names stay as they are.</extracomment>
        <translation>für Windows95©,</translation>
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
        <translation>von</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>mail to: %1</source>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>credits</source>
        <translation>Mitwirkende</translation>
    </message>
</context>
<context>
    <name>CGameControls</name>
    <message>
        <source>smiley, column %1, height %2</source>
        <translation>Smiley, Spalte %1, Höhe %2</translation>
    </message>
    <message>
        <source>empty, column %1, height %2</source>
        <translation>leer, Spalte %1, Höhe %2</translation>
    </message>
    <message>
        <source>taken smiley, column %1, height %2</source>
        <translation>genommenes Smiley, Spalte %1, Höhe %2</translation>
    </message>
    <message>
        <source>smiley not taken, column %1, height %2</source>
        <translation>Smiley nicht genommen, Spalte %1, Höhe %2</translation>
    </message>
    <message>
        <source>level, score and board size</source>
        <translation>Stufe, Punkte und Spielfeldgröße</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>levels I, II, III</source>
        <translation>Stufen I, II, III</translation>
    </message>
    <message>
        <source>level I</source>
        <translation>Stufe I</translation>
    </message>
    <message>
        <source>level II</source>
        <translation>Stufe II</translation>
    </message>
    <message>
        <source>level III</source>
        <translation>Stufe III</translation>
    </message>
    <message>
        <source>score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>board size %1</source>
        <translation>Spielfeldgröße %1</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>You win!</source>
        <translation>Du hast gewonnen!</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Du hast verloren!</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;About Game   G l i m m e r j i g…</source>
        <translation>Ü&amp;ber das Spiel   G l i m m e r j i g…</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>GoTo: %1</source>
        <translation>Web: %1</translation>
    </message>
    <message>
        <source>Mail To: %1</source>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A puzzle game: take smileys in turn; whoever takes the last one loses.</source>
        <translation>Ein Denkspiel: Abwechselnd werden Smileys genommen; wer das letzte nimmt, verliert.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos;.</source>
        <translation>Mehr dazu unter „%1“.</translation>
    </message>
    <message>
        <source>missing value after &apos;%1&apos;.</source>
        <translation>nach „%1“ fehlt ein Wert.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-platform, -display, -style, …) are also taken.</source>
        <translation>Außerdem gelten die Qt-eigenen Optionen (-platform, -display, -style …).</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;.</source>
        <translation>unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value.</source>
        <translation>die Option „%1“ nimmt keinen Wert an.</translation>
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
        <translation>MIT-Lizenz</translation>
    </message>
    <message>
        <source>Art and sounds made here</source>
        <extracomment>The program&apos;s pictures and sounds were made for it; the contact address follows.</extracomment>
        <translation>Bild und Ton hausgemacht</translation>
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
        <translation>Design, Algorithmus und</translation>
    </message>
    <message>
        <source>Programming for Windows95 ©</source>
        <extracomment>Goes on from the line above; the system&apos;s name stays as it is.</extracomment>
        <translation>Programmierung für Windows95 ©</translation>
    </message>
    <message>
        <source>Windows98©, Windows Me©, Windows NT©,</source>
        <extracomment>Systems&apos; names: stay as they are.</extracomment>
        <translation>Windows98©, Windows Me©, Windows NT©,</translation>
    </message>
    <message>
        <source>and Windows 2000©</source>
        <extracomment>A system&apos;s name: stays as it is.</extracomment>
        <translation>und Windows 2000©</translation>
    </message>
    <message>
        <source>by</source>
        <extracomment>Stands alone above the author&apos;s name, drawn as a picture.</extracomment>
        <translation>von</translation>
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
        <translation>Einen Zug nimmst du mit diesem Knopf zurück:</translation>
    </message>
    <message>
        <source>You can cancel as many moves as you want</source>
        <extracomment>Under the second picture of the Back button; goes on in the next line.</extracomment>
        <translation>Du kannst beliebig viele Züge zurücknehmen,</translation>
    </message>
    <message>
        <source>by pressing this button again</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>drücke den Knopf einfach noch einmal</translation>
    </message>
    <message>
        <source>If you press this button before starting the game,</source>
        <extracomment>Under the third picture of the Back button; goes on in the next two lines.</extracomment>
        <translation>Drückst du den Knopf vor Spielbeginn,</translation>
    </message>
    <message>
        <source>then you disable the Computer and</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>dann setzt der Computer aus</translation>
    </message>
    <message>
        <source>activating two players mode</source>
        <extracomment>Ends the sentence; a picture of a happy and a sad face follows.</extracomment>
        <translation>und ihr spielt zu zweit</translation>
    </message>
    <message>
        <source>You can return a single player mode by pressing</source>
        <extracomment>Under the faces; goes on in the next line.</extracomment>
        <translation>Zurück zum Spiel gegen den Computer:</translation>
    </message>
    <message>
        <source>this button again before starting the game</source>
        <extracomment>Ends the sentence of the line above; the page ends with the Back button&apos;s picture.</extracomment>
        <translation>Drücke den Knopf vor Spielbeginn noch einmal</translation>
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
        <translation>Die Demo startet mit diesem Knopf:</translation>
    </message>
    <message>
        <source>To stop the Demo, just move your mouse</source>
        <extracomment>Under the Demo button.</extracomment>
        <translation>Um die Demo zu beenden, bewege die Maus</translation>
    </message>
    <message>
        <source>Demo will stop in 1-2 seconds</source>
        <extracomment>Ends the page&apos;s text.</extracomment>
        <translation>Die Demo endet nach 1–2 Sekunden</translation>
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
        <translation>Worum geht es bei   G l i m m e r j i g ?</translation>
    </message>
    <message>
        <source>It is very simple:</source>
        <extracomment>The answer begins: the line under the first heading.</extracomment>
        <translation>Es ist ganz einfach:</translation>
    </message>
    <message>
        <source>to win the game, you SHOULD NOT click</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>Um zu gewinnen, klicke NICHT</translation>
    </message>
    <message>
        <source>on the LAST yellow Smiling Face!</source>
        <extracomment>Ends the rule; a picture of one smiley follows.</extracomment>
        <translation>auf das LETZTE gelbe Smiley!</translation>
    </message>
    <message>
        <source>How to START?</source>
        <extracomment>Heading under the picture of a smiley.</extracomment>
        <translation>Wie geht’s LOS?</translation>
    </message>
    <message>
        <source>F i r s t - select the level of difficulty by clicking</source>
        <extracomment>The first step; the spaced letters are the word &quot;first&quot;; goes on in the next line.</extracomment>
        <translation>E r s t e n s   wählst du die Stufe</translation>
    </message>
    <message>
        <source>on the numbers I, II or III   (I is the easiest):</source>
        <extracomment>Ends the first step; the picture of the level buttons I, II, III follows.</extracomment>
        <translation>per Klick auf I, II oder III   (I ist am leichtesten):</translation>
    </message>
    <message>
        <source>S e c o n d - proceed by choosing the game size</source>
        <extracomment>The second step, under the level buttons; the spaced letters are the word &quot;second&quot;.</extracomment>
        <translation>Z w e i t e n s   wählst du die Spielfeldgröße</translation>
    </message>
    <message>
        <source>(from 4 through 9):</source>
        <extracomment>Ends the second step; the picture of the board-size buttons 4 to 9 follows.</extracomment>
        <translation>(von 4 bis 9):</translation>
    </message>
    <message>
        <source>The larger the number</source>
        <extracomment>Under the board-size buttons; goes on in the next line.</extracomment>
        <translation>Je größer die Zahl,</translation>
    </message>
    <message>
        <source>- the longer it will take you to finish</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>desto länger dauert das Spiel</translation>
    </message>
    <message>
        <source>How to PLAY?</source>
        <extracomment>Heading of the part on playing.</extracomment>
        <translation>Wie wird GESPIELT?</translation>
    </message>
    <message>
        <source>When you click on the top yellow Smile</source>
        <extracomment>The first case; goes on in the next line.</extracomment>
        <translation>Klickst du auf das oberste gelbe Smiley</translation>
    </message>
    <message>
        <source>in a column - only the top Smile will disappear:</source>
        <extracomment>Ends the first case; a picture of three columns follows.</extracomment>
        <translation>einer Spalte, verschwindet nur dieses Smiley:</translation>
    </message>
    <message>
        <source>When you click on a Smile in the middle</source>
        <extracomment>The second case; goes on in the next two lines.</extracomment>
        <translation>Klickst du auf ein Smiley in der Mitte</translation>
    </message>
    <message>
        <source>of a column - all the Smiles above it</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>einer Spalte, verschwinden auch alle</translation>
    </message>
    <message>
        <source>will also disappear:</source>
        <extracomment>Ends the second case; a picture of one column follows.</extracomment>
        <translation>Smileys darüber:</translation>
    </message>
    <message>
        <source>When you click on a Smile at the bottom of a</source>
        <extracomment>The third case; goes on in the next line.</extracomment>
        <translation>Klickst du auf das unterste Smiley</translation>
    </message>
    <message>
        <source>column - all that column of Smiles will disappear:</source>
        <extracomment>Ends the third case; a picture of one column follows.</extracomment>
        <translation>einer Spalte, verschwindet die ganze Spalte:</translation>
    </message>
    <message>
        <source>The computer will always make its move</source>
        <extracomment>Under the pictures; goes on in the next line.</extracomment>
        <translation>Der Computer macht seinen Zug immer</translation>
    </message>
    <message>
        <source>automatically.</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>ganz von selbst.</translation>
    </message>
    <message>
        <source>DO NOT FORGET:</source>
        <extracomment>Heading of the last warning.</extracomment>
        <translation>NICHT VERGESSEN:</translation>
    </message>
    <message>
        <source>if you click on the last yellow Smiling face</source>
        <extracomment>The warning; goes on in the next line.</extracomment>
        <translation>Klickst du auf das letzte gelbe Smiley,</translation>
    </message>
    <message>
        <source>- you loose the game</source>
        <extracomment>Ends the warning and the page.</extracomment>
        <translation>hast du das Spiel verloren</translation>
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
        <translation>Drückst du diesen Knopf,</translation>
    </message>
    <message>
        <source>Glimmerjig will suggest the best next move for you</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>zeigt dir Glimmerjig den besten nächsten Zug</translation>
    </message>
    <message>
        <source>You can ask for help as many times as you wish</source>
        <extracomment>The last line before the second picture of the Hint button.</extracomment>
        <translation>Hol dir so oft einen Tipp, wie du willst</translation>
    </message>
    <message>
        <source>If you press this button before starting the game,</source>
        <extracomment>Under the second picture of the Hint button; goes on in the next line.</extracomment>
        <translation>Drückst du den Knopf vor Spielbeginn,</translation>
    </message>
    <message>
        <source>then the first move will be made by the Computer</source>
        <extracomment>Ends the sentence of the line above and the page&apos;s text.</extracomment>
        <translation>dann macht der Computer den ersten Zug</translation>
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
        <translation>Wähle die Stufe mit einem Klick</translation>
    </message>
    <message>
        <source>the numbers I, II or III ( I is the easiest)</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>auf I, II oder III   (I ist am leichtesten)</translation>
    </message>
    <message>
        <source>You can change your selection at any time.</source>
        <extracomment>The last line of text of the page.</extracomment>
        <translation>Du kannst sie jederzeit wechseln.</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
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
        <translation>Zu Beginn des Spiels steht es so:</translation>
    </message>
    <message>
        <source>The left part is your score, the right one</source>
        <extracomment>Under the score box; goes on in the next line.</extracomment>
        <translation>Links stehen deine Punkte,</translation>
    </message>
    <message>
        <source> - the score of the computer</source>
        <extracomment>Ends the sentence of the line above; the score box showing 99 : 00 follows.</extracomment>
        <translation>rechts die Punkte des Computers</translation>
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
        <translation>Dieser Knopf schaltet den Ton ein und aus</translation>
    </message>
</context>
</TS>
