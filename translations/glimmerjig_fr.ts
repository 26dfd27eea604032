<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Conception, algorithme</translation>
    </message>
    <message>
        <source>Algorithm and Programming</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>et programmation</translation>
    </message>
    <message>
        <source>for Windows95©,</source>
        <extracomment>Goes on from the line above; the systems&apos; names stay as they are.</extracomment>
        <translation>pour Windows95©,</translation>
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
        <translation>par</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>mail to: %1</source>
        <translation>E-mail&#xa0;: %1</translation>
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
        <source>&amp;About Game   G l i m m e r j i g…</source>
        <translation>À &amp;propos du jeu   G l i m m e r j i g…</translation>
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
        <source>missing value after &apos;%1&apos;.</source>
        <translation>valeur manquante après «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-platform, -display, -style, …) are also taken.</source>
        <translation>Les options propres à Qt (-platform, -display, -style…) sont aussi acceptées.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;.</source>
        <translation>option inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value.</source>
        <translation>l’option «&#xa0;%1&#xa0;» ne prend pas de valeur.</translation>
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
        <translation>Licence MIT</translation>
    </message>
    <message>
        <source>Art and sounds made here</source>
        <extracomment>The program&apos;s pictures and sounds were made for it; the contact address follows.</extracomment>
        <translation>Images et sons faits maison</translation>
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
        <translation>Conception, algorithme et</translation>
    </message>
    <message>
        <source>Programming for Windows95 ©</source>
        <extracomment>Goes on from the line above; the system&apos;s name stays as it is.</extracomment>
        <translation>programmation pour Windows95 ©</translation>
    </message>
    <message>
        <source>Windows98©, Windows Me©, Windows NT©,</source>
        <extracomment>Systems&apos; names: stay as they are.</extracomment>
        <translation>Windows98©, Windows Me©, Windows NT©,</translation>
    </message>
    <message>
        <source>and Windows 2000©</source>
        <extracomment>A system&apos;s name: stays as it is.</extracomment>
        <translation>et Windows 2000©</translation>
    </message>
    <message>
        <source>by</source>
        <extracomment>Stands alone above the author&apos;s name, drawn as a picture.</extracomment>
        <translation>par</translation>
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
        <translation>Pour annuler un coup, appuyez sur ce bouton&#xa0;:</translation>
    </message>
    <message>
        <source>You can cancel as many moves as you want</source>
        <extracomment>Under the second picture of the Back button; goes on in the next line.</extracomment>
        <translation>Vous pouvez annuler autant de coups</translation>
    </message>
    <message>
        <source>by pressing this button again</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>que vous voulez en appuyant de nouveau</translation>
    </message>
    <message>
        <source>If you press this button before starting the game,</source>
        <extracomment>Under the third picture of the Back button; goes on in the next two lines.</extracomment>
        <translation>Si vous appuyez sur ce bouton avant de jouer,</translation>
    </message>
    <message>
        <source>then you disable the Computer and</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>vous désactivez l’ordinateur</translation>
    </message>
    <message>
        <source>activating two players mode</source>
        <extracomment>Ends the sentence; a picture of a happy and a sad face follows.</extracomment>
        <translation>et passez en mode deux joueurs</translation>
    </message>
    <message>
        <source>You can return a single player mode by pressing</source>
        <extracomment>Under the faces; goes on in the next line.</extracomment>
        <translation>Pour revenir au mode un joueur, appuyez</translation>
    </message>
    <message>
        <source>this button again before starting the game</source>
        <extracomment>Ends the sentence of the line above; the page ends with the Back button&apos;s picture.</extracomment>
        <translation>de nouveau sur ce bouton avant de jouer</translation>
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
        <translation>La démo se lance avec ce bouton&#xa0;:</translation>
    </message>
    <message>
        <source>To stop the Demo, just move your mouse</source>
        <extracomment>Under the Demo button.</extracomment>
        <translation>Pour arrêter la démo, bougez la souris</translation>
    </message>
    <message>
        <source>Demo will stop in 1-2 seconds</source>
        <extracomment>Ends the page&apos;s text.</extracomment>
        <translation>La démo s’arrête au bout d’une ou deux secondes</translation>
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
        <translation>Quel est le principe de   G l i m m e r j i g&#xa0;?</translation>
    </message>
    <message>
        <source>It is very simple:</source>
        <extracomment>The answer begins: the line under the first heading.</extracomment>
        <translation>C’est très simple&#xa0;:</translation>
    </message>
    <message>
        <source>to win the game, you SHOULD NOT click</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>pour gagner, il NE FAUT PAS cliquer</translation>
    </message>
    <message>
        <source>on the LAST yellow Smiling Face!</source>
        <extracomment>Ends the rule; a picture of one smiley follows.</extracomment>
        <translation>sur le DERNIER smiley jaune&#xa0;!</translation>
    </message>
    <message>
        <source>How to START?</source>
        <extracomment>Heading under the picture of a smiley.</extracomment>
        <translation>Comment COMMENCER&#xa0;?</translation>
    </message>
    <message>
        <source>F i r s t - select the level of difficulty by clicking</source>
        <extracomment>The first step; the spaced letters are the word &quot;first&quot;; goes on in the next line.</extracomment>
        <translation>A v a n t   t o u t, choisissez le niveau</translation>
    </message>
    <message>
        <source>on the numbers I, II or III   (I is the easiest):</source>
        <extracomment>Ends the first step; the picture of the level buttons I, II, III follows.</extracomment>
        <translation>en cliquant sur I, II ou III   (I est le plus facile)&#xa0;:</translation>
    </message>
    <message>
        <source>S e c o n d - proceed by choosing the game size</source>
        <extracomment>The second step, under the level buttons; the spaced letters are the word &quot;second&quot;.</extracomment>
        <translation>E n s u i t e, choisissez la taille du plateau</translation>
    </message>
    <message>
        <source>(from 4 through 9):</source>
        <extracomment>Ends the second step; the picture of the board-size buttons 4 to 9 follows.</extracomment>
        <translation>(de 4 à 9)&#xa0;:</translation>
    </message>
    <message>
        <source>The larger the number</source>
        <extracomment>Under the board-size buttons; goes on in the next line.</extracomment>
        <translation>Plus le nombre est grand,</translation>
    </message>
    <message>
        <source>- the longer it will take you to finish</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>plus la partie sera longue</translation>
    </message>
    <message>
        <source>How to PLAY?</source>
        <extracomment>Heading of the part on playing.</extracomment>
        <translation>Comment JOUER&#xa0;?</translation>
    </message>
    <message>
        <source>When you click on the top yellow Smile</source>
        <extracomment>The first case; goes on in the next line.</extracomment>
        <translation>Si vous cliquez sur le smiley jaune du haut</translation>
    </message>
    <message>
        <source>in a column - only the top Smile will disappear:</source>
        <extracomment>Ends the first case; a picture of three columns follows.</extracomment>
        <translation>d’une colonne, seul ce smiley s’efface&#xa0;:</translation>
    </message>
    <message>
        <source>When you click on a Smile in the middle</source>
        <extracomment>The second case; goes on in the next two lines.</extracomment>
        <translation>Si vous cliquez sur un smiley au milieu</translation>
    </message>
    <message>
        <source>of a column - all the Smiles above it</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>d’une colonne, tous les smileys au-dessus</translation>
    </message>
    <message>
        <source>will also disappear:</source>
        <extracomment>Ends the second case; a picture of one column follows.</extracomment>
        <translation>s’effacent aussi&#xa0;:</translation>
    </message>
    <message>
        <source>When you click on a Smile at the bottom of a</source>
        <extracomment>The third case; goes on in the next line.</extracomment>
        <translation>Si vous cliquez sur le smiley du bas</translation>
    </message>
    <message>
        <source>column - all that column of Smiles will disappear:</source>
        <extracomment>Ends the third case; a picture of one column follows.</extracomment>
        <translation>d’une colonne, toute la colonne s’efface&#xa0;:</translation>
    </message>
    <message>
        <source>The computer will always make its move</source>
        <extracomment>Under the pictures; goes on in the next line.</extracomment>
        <translation>L’ordinateur joue toujours son coup</translation>
    </message>
    <message>
        <source>automatically.</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>automatiquement.</translation>
    </message>
    <message>
        <source>DO NOT FORGET:</source>
        <extracomment>Heading of the last warning.</extracomment>
        <translation>N’OUBLIEZ PAS&#xa0;:</translation>
    </message>
    <message>
        <source>if you click on the last yellow Smiling face</source>
        <extracomment>The warning; goes on in the next line.</extracomment>
        <translation>si vous cliquez sur le dernier smiley jaune,</translation>
    </message>
    <message>
        <source>- you loose the game</source>
        <extracomment>Ends the warning and the page.</extracomment>
        <translation>vous perdez la partie</translation>
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
        <translation>Quand vous appuyez sur ce bouton,</translation>
    </message>
    <message>
        <source>Glimmerjig will suggest the best next move for you</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>Glimmerjig vous indique le meilleur coup</translation>
    </message>
    <message>
        <source>You can ask for help as many times as you wish</source>
        <extracomment>The last line before the second picture of the Hint button.</extracomment>
        <translation>Demandez autant d’indices que vous voulez</translation>
    </message>
    <message>
        <source>If you press this button before starting the game,</source>
        <extracomment>Under the second picture of the Hint button; goes on in the next line.</extracomment>
        <translation>Si vous appuyez sur ce bouton avant de jouer,</translation>
    </message>
    <message>
        <source>then the first move will be made by the Computer</source>
        <extracomment>Ends the sentence of the line above and the page&apos;s text.</extracomment>
        <translation>l’ordinateur joue le premier coup</translation>
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
        <translation>Choisissez le niveau de difficulté en cliquant</translation>
    </message>
    <message>
        <source>the numbers I, II or III ( I is the easiest)</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>sur I, II ou III   (I est le plus facile)</translation>
    </message>
    <message>
        <source>You can change your selection at any time.</source>
        <extracomment>The last line of text of the page.</extracomment>
        <translation>Vous pouvez en changer à tout moment.</translation>
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
        <translation>Au début de la partie, le score est&#xa0;:</translation>
    </message>
    <message>
        <source>The left part is your score, the right one</source>
        <extracomment>Under the score box; goes on in the next line.</extracomment>
        <translation>À gauche votre score, à droite</translation>
    </message>
    <message>
        <source> - the score of the computer</source>
        <extracomment>Ends the sentence of the line above; the score box showing 99 : 00 follows.</extracomment>
        <translation>celui de l’ordinateur</translation>
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
        <translation>Ce bouton active et coupe le son</translation>
    </message>
</context>
</TS>
