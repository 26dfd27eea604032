<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>mail to: %1</source>
        <translation>Mail an: %1</translation>
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
        <source>&amp;About Game   G l i m m e r j i g...</source>
        <translation>Ü&amp;ber das Spiel   G l i m m e r j i g...</translation>
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
        <translation>Mail an: %1</translation>
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
        <translation>Ein Knobelspiel: Nehmt abwechselnd Smileys; wer den letzten nimmt, verliert.</translation>
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
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nach „%1“ fehlt ein Wert.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-platform, -display, -style, ...) are also taken.</source>
        <translation>Die Optionen von Qt selbst (-platform, -display, -style, ...) werden ebenfalls angenommen.</translation>
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
</TS>
