<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
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
        <translation>Projekt, algorytm</translation>
    </message>
    <message>
        <source>Algorithm and Programming</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>i programowanie</translation>
    </message>
    <message>
        <source>for Windows95©,</source>
        <extracomment>Goes on from the line above; the systems&apos; names stay as they are.</extracomment>
        <translation>dla Windows95©,</translation>
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
        <translation>autor:</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>O grze %1</translation>
    </message>
    <message>
        <source>mail to: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>credits</source>
        <translation>autorzy</translation>
    </message>
</context>
<context>
    <name>CGameControls</name>
    <message>
        <source>smiley, column %1, height %2</source>
        <translation>buźka, kolumna %1, wysokość %2</translation>
    </message>
    <message>
        <source>empty, column %1, height %2</source>
        <translation>puste pole, kolumna %1, wysokość %2</translation>
    </message>
    <message>
        <source>taken smiley, column %1, height %2</source>
        <translation>zabrana buźka, kolumna %1, wysokość %2</translation>
    </message>
    <message>
        <source>smiley not taken, column %1, height %2</source>
        <translation>niezabrana buźka, kolumna %1, wysokość %2</translation>
    </message>
    <message>
        <source>level, score and board size</source>
        <translation>poziom, wynik i rozmiar planszy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>levels I, II, III</source>
        <translation>poziomy I, II, III</translation>
    </message>
    <message>
        <source>level I</source>
        <translation>poziom I</translation>
    </message>
    <message>
        <source>level II</source>
        <translation>poziom II</translation>
    </message>
    <message>
        <source>level III</source>
        <translation>poziom III</translation>
    </message>
    <message>
        <source>score</source>
        <translation>wynik</translation>
    </message>
    <message>
        <source>board size %1</source>
        <translation>rozmiar planszy %1</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Cofnij</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>You win!</source>
        <translation>Wygrywasz!</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Przegrywasz!</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>Zmi&amp;nimalizuj</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>&amp;About Game   G l i m m e r j i g…</source>
        <translation>&amp;O grze   G l i m m e r j i g…</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>GoTo: %1</source>
        <translation>Strona: %1</translation>
    </message>
    <message>
        <source>Mail To: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A puzzle game: take smileys in turn; whoever takes the last one loses.</source>
        <translation>Gra logiczna: gracze na zmianę zabierają buźki; kto zabierze ostatnią, przegrywa.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos;.</source>
        <translation>Więcej informacji: „%1”.</translation>
    </message>
    <message>
        <source>missing value after &apos;%1&apos;.</source>
        <translation>brak wartości po „%1”.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-platform, -display, -style, …) are also taken.</source>
        <translation>Przyjmowane są też opcje samego Qt (-platform, -display, -style…).</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;.</source>
        <translation>nieznana opcja „%1”.</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value.</source>
        <translation>opcja „%1” nie przyjmuje wartości.</translation>
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
        <translation>Licencja MIT</translation>
    </message>
    <message>
        <source>Art and sounds made here</source>
        <extracomment>The program&apos;s pictures and sounds were made for it; the contact address follows.</extracomment>
        <translation>Własna grafika i dźwięki</translation>
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
        <translation>Projekt, algorytm</translation>
    </message>
    <message>
        <source>Programming for Windows95 ©</source>
        <extracomment>Goes on from the line above; the system&apos;s name stays as it is.</extracomment>
        <translation>i programowanie dla Windows95 ©</translation>
    </message>
    <message>
        <source>Windows98©, Windows Me©, Windows NT©,</source>
        <extracomment>Systems&apos; names: stay as they are.</extracomment>
        <translation>Windows98©, Windows Me©, Windows NT©,</translation>
    </message>
    <message>
        <source>and Windows 2000©</source>
        <extracomment>A system&apos;s name: stays as it is.</extracomment>
        <translation>i Windows 2000©</translation>
    </message>
    <message>
        <source>by</source>
        <extracomment>Stands alone above the author&apos;s name, drawn as a picture.</extracomment>
        <translation>autor:</translation>
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
        <translation>Aby cofnąć ostatni ruch, naciśnij ten przycisk:</translation>
    </message>
    <message>
        <source>You can cancel as many moves as you want</source>
        <extracomment>Under the second picture of the Back button; goes on in the next line.</extracomment>
        <translation>Możesz cofnąć dowolną liczbę ruchów,</translation>
    </message>
    <message>
        <source>by pressing this button again</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>naciskając ten przycisk ponownie</translation>
    </message>
    <message>
        <source>If you press this button before starting the game,</source>
        <extracomment>Under the third picture of the Back button; goes on in the next two lines.</extracomment>
        <translation>Jeśli naciśniesz go przed rozpoczęciem gry,</translation>
    </message>
    <message>
        <source>then you disable the Computer and</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>wyłączysz grę z komputerem</translation>
    </message>
    <message>
        <source>activating two players mode</source>
        <extracomment>Ends the sentence; a picture of a happy and a sad face follows.</extracomment>
        <translation>i włączysz tryb dla dwóch graczy</translation>
    </message>
    <message>
        <source>You can return a single player mode by pressing</source>
        <extracomment>Under the faces; goes on in the next line.</extracomment>
        <translation>Do gry z komputerem wrócisz, naciskając</translation>
    </message>
    <message>
        <source>this button again before starting the game</source>
        <extracomment>Ends the sentence of the line above; the page ends with the Back button&apos;s picture.</extracomment>
        <translation>ten przycisk ponownie przed rozpoczęciem gry</translation>
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
        <translation>Demo uruchamia się tym przyciskiem:</translation>
    </message>
    <message>
        <source>To stop the Demo, just move your mouse</source>
        <extracomment>Under the Demo button.</extracomment>
        <translation>Aby zatrzymać demo, wystarczy ruszyć myszą</translation>
    </message>
    <message>
        <source>Demo will stop in 1-2 seconds</source>
        <extracomment>Ends the page&apos;s text.</extracomment>
        <translation>Demo zatrzyma się po 1–2 sekundach</translation>
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
        <translation>Na czym polega   G l i m m e r j i g ?</translation>
    </message>
    <message>
        <source>It is very simple:</source>
        <extracomment>The answer begins: the line under the first heading.</extracomment>
        <translation>To bardzo proste:</translation>
    </message>
    <message>
        <source>to win the game, you SHOULD NOT click</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>aby wygrać, NIE KLIKAJ</translation>
    </message>
    <message>
        <source>on the LAST yellow Smiling Face!</source>
        <extracomment>Ends the rule; a picture of one smiley follows.</extracomment>
        <translation>OSTATNIEJ żółtej buźki!</translation>
    </message>
    <message>
        <source>How to START?</source>
        <extracomment>Heading under the picture of a smiley.</extracomment>
        <translation>Jak ZACZĄĆ?</translation>
    </message>
    <message>
        <source>F i r s t - select the level of difficulty by clicking</source>
        <extracomment>The first step; the spaced letters are the word &quot;first&quot;; goes on in the next line.</extracomment>
        <translation>N a j p i e r w   wybierz poziom trudności,</translation>
    </message>
    <message>
        <source>on the numbers I, II or III   (I is the easiest):</source>
        <extracomment>Ends the first step; the picture of the level buttons I, II, III follows.</extracomment>
        <translation>klikając I, II lub III   (I jest najłatwiejszy):</translation>
    </message>
    <message>
        <source>S e c o n d - proceed by choosing the game size</source>
        <extracomment>The second step, under the level buttons; the spaced letters are the word &quot;second&quot;.</extracomment>
        <translation>N a s t ę p n i e   wybierz rozmiar planszy</translation>
    </message>
    <message>
        <source>(from 4 through 9):</source>
        <extracomment>Ends the second step; the picture of the board-size buttons 4 to 9 follows.</extracomment>
        <translation>(od 4 do 9):</translation>
    </message>
    <message>
        <source>The larger the number</source>
        <extracomment>Under the board-size buttons; goes on in the next line.</extracomment>
        <translation>Im większa liczba,</translation>
    </message>
    <message>
        <source>- the longer it will take you to finish</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>tym dłużej potrwa gra</translation>
    </message>
    <message>
        <source>How to PLAY?</source>
        <extracomment>Heading of the part on playing.</extracomment>
        <translation>Jak GRAĆ?</translation>
    </message>
    <message>
        <source>When you click on the top yellow Smile</source>
        <extracomment>The first case; goes on in the next line.</extracomment>
        <translation>Gdy klikniesz górną żółtą buźkę</translation>
    </message>
    <message>
        <source>in a column - only the top Smile will disappear:</source>
        <extracomment>Ends the first case; a picture of three columns follows.</extracomment>
        <translation>w kolumnie, zniknie tylko ta buźka:</translation>
    </message>
    <message>
        <source>When you click on a Smile in the middle</source>
        <extracomment>The second case; goes on in the next two lines.</extracomment>
        <translation>Gdy klikniesz buźkę w środku</translation>
    </message>
    <message>
        <source>of a column - all the Smiles above it</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>kolumny, znikną też wszystkie</translation>
    </message>
    <message>
        <source>will also disappear:</source>
        <extracomment>Ends the second case; a picture of one column follows.</extracomment>
        <translation>buźki nad nią:</translation>
    </message>
    <message>
        <source>When you click on a Smile at the bottom of a</source>
        <extracomment>The third case; goes on in the next line.</extracomment>
        <translation>Gdy klikniesz dolną buźkę</translation>
    </message>
    <message>
        <source>column - all that column of Smiles will disappear:</source>
        <extracomment>Ends the third case; a picture of one column follows.</extracomment>
        <translation>w kolumnie, zniknie cała kolumna:</translation>
    </message>
    <message>
        <source>The computer will always make its move</source>
        <extracomment>Under the pictures; goes on in the next line.</extracomment>
        <translation>Komputer zawsze wykonuje swój ruch</translation>
    </message>
    <message>
        <source>automatically.</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>automatycznie.</translation>
    </message>
    <message>
        <source>DO NOT FORGET:</source>
        <extracomment>Heading of the last warning.</extracomment>
        <translation>NIE ZAPOMNIJ:</translation>
    </message>
    <message>
        <source>if you click on the last yellow Smiling face</source>
        <extracomment>The warning; goes on in the next line.</extracomment>
        <translation>jeśli klikniesz ostatnią żółtą buźkę,</translation>
    </message>
    <message>
        <source>- you loose the game</source>
        <extracomment>Ends the warning and the page.</extracomment>
        <translation>przegrasz</translation>
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
        <translation>Gdy naciśniesz ten przycisk,</translation>
    </message>
    <message>
        <source>Glimmerjig will suggest the best next move for you</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>Glimmerjig podpowie ci najlepszy ruch</translation>
    </message>
    <message>
        <source>You can ask for help as many times as you wish</source>
        <extracomment>The last line before the second picture of the Hint button.</extracomment>
        <translation>Możesz prosić o podpowiedź, ile razy zechcesz</translation>
    </message>
    <message>
        <source>If you press this button before starting the game,</source>
        <extracomment>Under the second picture of the Hint button; goes on in the next line.</extracomment>
        <translation>Jeśli naciśniesz go przed rozpoczęciem gry,</translation>
    </message>
    <message>
        <source>then the first move will be made by the Computer</source>
        <extracomment>Ends the sentence of the line above and the page&apos;s text.</extracomment>
        <translation>pierwszy ruch wykona komputer</translation>
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
        <translation>Wybierz poziom trudności, klikając</translation>
    </message>
    <message>
        <source>the numbers I, II or III ( I is the easiest)</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>I, II lub III   (I jest najłatwiejszy)</translation>
    </message>
    <message>
        <source>You can change your selection at any time.</source>
        <extracomment>The last line of text of the page.</extracomment>
        <translation>Możesz go zmienić w każdej chwili.</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
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
        <translation>Na początku gry wynik wynosi:</translation>
    </message>
    <message>
        <source>The left part is your score, the right one</source>
        <extracomment>Under the score box; goes on in the next line.</extracomment>
        <translation>Po lewej stronie jest twój wynik,</translation>
    </message>
    <message>
        <source> - the score of the computer</source>
        <extracomment>Ends the sentence of the line above; the score box showing 99 : 00 follows.</extracomment>
        <translation>po prawej wynik komputera</translation>
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
        <translation>Ten przycisk włącza i wyłącza dźwięk</translation>
    </message>
</context>
</TS>
