<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>mail to: %1</source>
        <translation>e-mail&#xa0;: %1</translation>
    </message>
    <message>
        <source>credits</source>
        <translation>crédits</translation>
    </message>
</context>
<context>
    <name>CGameControls</name>
    <message>
        <source>smiley, column %1, height %2</source>
        <translation>smiley, colonne %1, hauteur %2</translation>
    </message>
    <message>
        <source>empty, column %1, height %2</source>
        <translation>vide, colonne %1, hauteur %2</translation>
    </message>
    <message>
        <source>taken smiley, column %1, height %2</source>
        <translation>smiley pris, colonne %1, hauteur %2</translation>
    </message>
    <message>
        <source>smiley not taken, column %1, height %2</source>
        <translation>smiley non pris, colonne %1, hauteur %2</translation>
    </message>
    <message>
        <source>level, score and board size</source>
        <translation>niveau, score et taille du plateau</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Démo</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>levels I, II, III</source>
        <translation>niveaux I, II, III</translation>
    </message>
    <message>
        <source>level I</source>
        <translation>niveau I</translation>
    </message>
    <message>
        <source>level II</source>
        <translation>niveau II</translation>
    </message>
    <message>
        <source>level III</source>
        <translation>niveau III</translation>
    </message>
    <message>
        <source>score</source>
        <translation>score</translation>
    </message>
    <message>
        <source>board size %1</source>
        <translation>taille du plateau %1</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>You win!</source>
        <translation>Vous avez gagné&#xa0;!</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Vous avez perdu&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;About Game   G l i m m e r j i g...</source>
        <translation>À &amp;propos du jeu   G l i m m e r j i g...</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>GoTo: %1</source>
        <translation>Site&#xa0;: %1</translation>
    </message>
    <message>
        <source>Mail To: %1</source>
        <translation>E-mail&#xa0;: %1</translation>
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
        <translation>Un jeu de réflexion&#xa0;: prenez des smileys à tour de rôle&#xa0;; qui prend le dernier perd.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos;.</source>
        <translation>Essayez «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-platform, -display, -style, ...) are also taken.</source>
        <translation>Les options propres à Qt (-platform, -display, -style, ...) sont aussi acceptées.</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Démo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
</TS>
