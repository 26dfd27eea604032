<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>O grze %1</translation>
    </message>
    <message>
        <source>mail to: %1</source>
        <translation>e-mail: %1</translation>
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
        <translation>Wskaż</translation>
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
        <source>&amp;About Game   G l i m m e r j i g...</source>
        <translation>&amp;O grze   G l i m m e r j i g...</translation>
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
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Brak wartości po „%1”.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-platform, -display, -style, ...) are also taken.</source>
        <translation>Przyjmowane są też opcje samego Qt (-platform, -display, -style, ...).</translation>
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
        <translation>Wskaż</translation>
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
</TS>
