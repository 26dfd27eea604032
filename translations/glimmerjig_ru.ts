<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
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
        <translation>Дизайн, алгоритм</translation>
    </message>
    <message>
        <source>Algorithm and Programming</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>и программирование</translation>
    </message>
    <message>
        <source>for Windows95©,</source>
        <extracomment>Goes on from the line above; the systems&apos; names stay as they are.</extracomment>
        <translation>для Windows95©,</translation>
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
        <translation>Автор:</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>mail to: %1</source>
        <translation>Почта: %1</translation>
    </message>
    <message>
        <source>credits</source>
        <translation>авторы</translation>
    </message>
</context>
<context>
    <name>CGameControls</name>
    <message>
        <source>smiley, column %1, height %2</source>
        <translation>смайлик, столбик %1, высота %2</translation>
    </message>
    <message>
        <source>empty, column %1, height %2</source>
        <translation>пусто, столбик %1, высота %2</translation>
    </message>
    <message>
        <source>taken smiley, column %1, height %2</source>
        <translation>забранный смайлик, столбик %1, высота %2</translation>
    </message>
    <message>
        <source>smiley not taken, column %1, height %2</source>
        <translation>незабранный смайлик, столбик %1, высота %2</translation>
    </message>
    <message>
        <source>level, score and board size</source>
        <translation>уровень, счёт и размер поля</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Демо</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>levels I, II, III</source>
        <translation>уровни I, II, III</translation>
    </message>
    <message>
        <source>level I</source>
        <translation>уровень I</translation>
    </message>
    <message>
        <source>level II</source>
        <translation>уровень II</translation>
    </message>
    <message>
        <source>level III</source>
        <translation>уровень III</translation>
    </message>
    <message>
        <source>score</source>
        <translation>счёт</translation>
    </message>
    <message>
        <source>board size %1</source>
        <translation>размер поля %1</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>You win!</source>
        <translation>Вы выиграли!</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Вы проиграли!</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Свернуть</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;About Game   G l i m m e r j i g…</source>
        <translation>&amp;Об игре   G l i m m e r j i g…</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>GoTo: %1</source>
        <translation>Открыть %1</translation>
    </message>
    <message>
        <source>Mail To: %1</source>
        <translation>Почта: %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A puzzle game: take smileys in turn; whoever takes the last one loses.</source>
        <translation>Логическая игра: смайлики забирают по очереди; кто заберёт последний, проиграл.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos;.</source>
        <translation>Подробнее: «%1».</translation>
    </message>
    <message>
        <source>missing value after &apos;%1&apos;.</source>
        <translation>после «%1» не хватает значения.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>лишний аргумент «%1».</translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-platform, -display, -style, …) are also taken.</source>
        <translation>Принимаются и собственные параметры Qt (-platform, -display, -style…).</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;.</source>
        <translation>неизвестный параметр «%1».</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value.</source>
        <translation>параметр «%1» не принимает значения.</translation>
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
        <translation>Лицензия MIT</translation>
    </message>
    <message>
        <source>Art and sounds made here</source>
        <extracomment>The program&apos;s pictures and sounds were made for it; the contact address follows.</extracomment>
        <translation>Своя графика и звуки</translation>
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
        <translation>Дизайн, алгоритм и</translation>
    </message>
    <message>
        <source>Programming for Windows95 ©</source>
        <extracomment>Goes on from the line above; the system&apos;s name stays as it is.</extracomment>
        <translation>программирование для Windows95 ©</translation>
    </message>
    <message>
        <source>Windows98©, Windows Me©, Windows NT©,</source>
        <extracomment>Systems&apos; names: stay as they are.</extracomment>
        <translation>Windows98©, Windows Me©, Windows NT©,</translation>
    </message>
    <message>
        <source>and Windows 2000©</source>
        <extracomment>A system&apos;s name: stays as it is.</extracomment>
        <translation>и Windows 2000©</translation>
    </message>
    <message>
        <source>by</source>
        <extracomment>Stands alone above the author&apos;s name, drawn as a picture.</extracomment>
        <translation>Автор:</translation>
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
        <translation>Чтобы отменить последний ход, нажмите кнопку:</translation>
    </message>
    <message>
        <source>You can cancel as many moves as you want</source>
        <extracomment>Under the second picture of the Back button; goes on in the next line.</extracomment>
        <translation>Отменить можно сколько угодно ходов —</translation>
    </message>
    <message>
        <source>by pressing this button again</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>просто нажимайте кнопку снова</translation>
    </message>
    <message>
        <source>If you press this button before starting the game,</source>
        <extracomment>Under the third picture of the Back button; goes on in the next two lines.</extracomment>
        <translation>Если нажать эту кнопку до начала игры,</translation>
    </message>
    <message>
        <source>then you disable the Computer and</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>компьютер отключится</translation>
    </message>
    <message>
        <source>activating two players mode</source>
        <extracomment>Ends the sentence; a picture of a happy and a sad face follows.</extracomment>
        <translation>и начнётся игра вдвоём</translation>
    </message>
    <message>
        <source>You can return a single player mode by pressing</source>
        <extracomment>Under the faces; goes on in the next line.</extracomment>
        <translation>Чтобы вернуться к игре с компьютером,</translation>
    </message>
    <message>
        <source>this button again before starting the game</source>
        <extracomment>Ends the sentence of the line above; the page ends with the Back button&apos;s picture.</extracomment>
        <translation>нажмите кнопку ещё раз до начала игры</translation>
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
        <translation>Демонстрационная игра запускается кнопкой:</translation>
    </message>
    <message>
        <source>To stop the Demo, just move your mouse</source>
        <extracomment>Under the Demo button.</extracomment>
        <translation>Чтобы её остановить, пошевелите мышью</translation>
    </message>
    <message>
        <source>Demo will stop in 1-2 seconds</source>
        <extracomment>Ends the page&apos;s text.</extracomment>
        <translation>Игра остановится через 1–2 секунды</translation>
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
        <translation>В чём суть   G l i m m e r j i g ?</translation>
    </message>
    <message>
        <source>It is very simple:</source>
        <extracomment>The answer begins: the line under the first heading.</extracomment>
        <translation>Всё очень просто:</translation>
    </message>
    <message>
        <source>to win the game, you SHOULD NOT click</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>чтобы выиграть, НЕЛЬЗЯ щёлкать</translation>
    </message>
    <message>
        <source>on the LAST yellow Smiling Face!</source>
        <extracomment>Ends the rule; a picture of one smiley follows.</extracomment>
        <translation>по ПОСЛЕДНЕМУ жёлтому смайлику!</translation>
    </message>
    <message>
        <source>How to START?</source>
        <extracomment>Heading under the picture of a smiley.</extracomment>
        <translation>Как НАЧАТЬ?</translation>
    </message>
    <message>
        <source>F i r s t - select the level of difficulty by clicking</source>
        <extracomment>The first step; the spaced letters are the word &quot;first&quot;; goes on in the next line.</extracomment>
        <translation>С н а ч а л а   выберите уровень сложности,</translation>
    </message>
    <message>
        <source>on the numbers I, II or III   (I is the easiest):</source>
        <extracomment>Ends the first step; the picture of the level buttons I, II, III follows.</extracomment>
        <translation>щёлкнув по I, II или III   (I — самый лёгкий):</translation>
    </message>
    <message>
        <source>S e c o n d - proceed by choosing the game size</source>
        <extracomment>The second step, under the level buttons; the spaced letters are the word &quot;second&quot;.</extracomment>
        <translation>З а т е м   выберите размер поля</translation>
    </message>
    <message>
        <source>(from 4 through 9):</source>
        <extracomment>Ends the second step; the picture of the board-size buttons 4 to 9 follows.</extracomment>
        <translation>(от 4 до 9):</translation>
    </message>
    <message>
        <source>The larger the number</source>
        <extracomment>Under the board-size buttons; goes on in the next line.</extracomment>
        <translation>Чем больше число,</translation>
    </message>
    <message>
        <source>- the longer it will take you to finish</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>тем дольше длится партия</translation>
    </message>
    <message>
        <source>How to PLAY?</source>
        <extracomment>Heading of the part on playing.</extracomment>
        <translation>Как ИГРАТЬ?</translation>
    </message>
    <message>
        <source>When you click on the top yellow Smile</source>
        <extracomment>The first case; goes on in the next line.</extracomment>
        <translation>Если щёлкнуть по верхнему жёлтому смайлику</translation>
    </message>
    <message>
        <source>in a column - only the top Smile will disappear:</source>
        <extracomment>Ends the first case; a picture of three columns follows.</extracomment>
        <translation>в столбике, исчезнет только он:</translation>
    </message>
    <message>
        <source>When you click on a Smile in the middle</source>
        <extracomment>The second case; goes on in the next two lines.</extracomment>
        <translation>Если щёлкнуть по смайлику в середине</translation>
    </message>
    <message>
        <source>of a column - all the Smiles above it</source>
        <extracomment>Goes on from the line above.</extracomment>
        <translation>столбика, исчезнут и все смайлики</translation>
    </message>
    <message>
        <source>will also disappear:</source>
        <extracomment>Ends the second case; a picture of one column follows.</extracomment>
        <translation>над ним:</translation>
    </message>
    <message>
        <source>When you click on a Smile at the bottom of a</source>
        <extracomment>The third case; goes on in the next line.</extracomment>
        <translation>Если щёлкнуть по нижнему смайлику</translation>
    </message>
    <message>
        <source>column - all that column of Smiles will disappear:</source>
        <extracomment>Ends the third case; a picture of one column follows.</extracomment>
        <translation>в столбике, исчезнет весь столбик:</translation>
    </message>
    <message>
        <source>The computer will always make its move</source>
        <extracomment>Under the pictures; goes on in the next line.</extracomment>
        <translation>Компьютер всегда делает свой ход</translation>
    </message>
    <message>
        <source>automatically.</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>автоматически.</translation>
    </message>
    <message>
        <source>DO NOT FORGET:</source>
        <extracomment>Heading of the last warning.</extracomment>
        <translation>НЕ ЗАБЫВАЙТЕ:</translation>
    </message>
    <message>
        <source>if you click on the last yellow Smiling face</source>
        <extracomment>The warning; goes on in the next line.</extracomment>
        <translation>если щёлкнуть по последнему жёлтому смайлику,</translation>
    </message>
    <message>
        <source>- you loose the game</source>
        <extracomment>Ends the warning and the page.</extracomment>
        <translation>вы проиграете</translation>
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
        <translation>Если нажать эту кнопку,</translation>
    </message>
    <message>
        <source>Glimmerjig will suggest the best next move for you</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>Glimmerjig подскажет вам лучший ход</translation>
    </message>
    <message>
        <source>You can ask for help as many times as you wish</source>
        <extracomment>The last line before the second picture of the Hint button.</extracomment>
        <translation>Просить подсказку можно сколько угодно раз</translation>
    </message>
    <message>
        <source>If you press this button before starting the game,</source>
        <extracomment>Under the second picture of the Hint button; goes on in the next line.</extracomment>
        <translation>Если нажать эту кнопку до начала игры,</translation>
    </message>
    <message>
        <source>then the first move will be made by the Computer</source>
        <extracomment>Ends the sentence of the line above and the page&apos;s text.</extracomment>
        <translation>первый ход сделает компьютер</translation>
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
        <translation>Выберите уровень сложности, щёлкнув</translation>
    </message>
    <message>
        <source>the numbers I, II or III ( I is the easiest)</source>
        <extracomment>Ends the sentence of the line above.</extracomment>
        <translation>по I, II или III   (I — самый лёгкий)</translation>
    </message>
    <message>
        <source>You can change your selection at any time.</source>
        <extracomment>The last line of text of the page.</extracomment>
        <translation>Его можно сменить в любой момент.</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Демо</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Об игре</translation>
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
        <translation>В начале игры счёт такой:</translation>
    </message>
    <message>
        <source>The left part is your score, the right one</source>
        <extracomment>Under the score box; goes on in the next line.</extracomment>
        <translation>Слева — ваши очки, справа —</translation>
    </message>
    <message>
        <source> - the score of the computer</source>
        <extracomment>Ends the sentence of the line above; the score box showing 99 : 00 follows.</extracomment>
        <translation>очки компьютера</translation>
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
        <translation>Эта кнопка включает и выключает звук</translation>
    </message>
</context>
</TS>
