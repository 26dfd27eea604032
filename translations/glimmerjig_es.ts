<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>mail to: %1</source>
        <translation>correo: %1</translation>
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
        <source>&amp;About Game   G l i m m e r j i g...</source>
        <translation>&amp;Acerca del juego   G l i m m e r j i g...</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>GoTo: %1</source>
        <translation>Ir a: %1</translation>
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
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor tras «%1».</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-platform, -display, -style, ...) are also taken.</source>
        <translation>También se aceptan las opciones propias de Qt (-platform, -display, -style, ...).</translation>
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
</TS>
