<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>%1 v%2</source>
        <translation>%1 v%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>In place</source>
        <translation>Al suo posto</translation>
    </message>
    <message>
        <source>Empty cell</source>
        <translation>Casella vuota</translation>
    </message>
    <message>
        <source>Tile %1, belongs in row %2, column %3</source>
        <translation>Tessera %1, va nella riga %2, colonna %3</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>From folder</source>
        <translation>Dalla cartella</translation>
    </message>
    <message>
        <source>From Zip archive</source>
        <translation>Dall&apos;archivio Zip</translation>
    </message>
    <message>
        <source>Make &amp;gift</source>
        <translation>Crea &amp;regalo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Jumble</source>
        <translation>&amp;Mescola</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Griglia</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>&amp;Show solution</source>
        <translation>Mostra la so&amp;luzione</translation>
    </message>
    <message>
        <source>Sol&amp;ve for me</source>
        <translation>Risol&amp;vi per me</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra degli &amp;strumenti</translation>
    </message>
    <message>
        <source>3 x 3</source>
        <translation>3 x 3</translation>
    </message>
    <message>
        <source>4 x 4</source>
        <translation>4 x 4</translation>
    </message>
    <message>
        <source>5 x 5</source>
        <translation>5 x 5</translation>
    </message>
    <message>
        <source>6 x 6</source>
        <translation>6 x 6</translation>
    </message>
    <message>
        <source>7 x 7</source>
        <translation>7 x 7</translation>
    </message>
    <message>
        <source>8 x 8</source>
        <translation>8 x 8</translation>
    </message>
    <message>
        <source>9 x 9</source>
        <translation>9 x 9</translation>
    </message>
    <message>
        <source>10 x 10</source>
        <translation>10 x 10</translation>
    </message>
    <message>
        <source>Tile swap</source>
        <translation>Scambio di tessere</translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Puzzle scorrevole</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Re&amp;start</source>
        <translation>Ri&amp;comincia</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>Barra di sta&amp;to</translation>
    </message>
    <message>
        <source>Tile &amp;numbers</source>
        <translation>&amp;Numeri delle tessere</translation>
    </message>
    <message>
        <source>Resume &amp;last puzzle</source>
        <translation>Riprendi l&apos;&amp;ultimo puzzle</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <source>Peek</source>
        <translation>Sbircia</translation>
    </message>
    <message>
        <source>&amp;Animate moves</source>
        <translation>&amp;Anima le mosse</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Schermo &amp;intero</translation>
    </message>
</context>
<context>
    <name>CongratulationsDialog</name>
    <message>
        <source>Congratulations you have achieved a place on the scoreboard. Please enter your name :</source>
        <translation>Complimenti, hai conquistato un posto in classifica. Inserisci il tuo nome:</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Complimenti!</translation>
    </message>
    <message>
        <source>Puzzle difficulty : %1 x %1 (%2)</source>
        <translation>Difficoltà del puzzle: %1 x %1 (%2)</translation>
    </message>
    <message>
        <source>Time taken : %1</source>
        <translation>Tempo impiegato: %1</translation>
    </message>
    <message>
        <source>Moves made : %1</source>
        <translation>Mosse fatte: %1</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Giocatore 1</translation>
    </message>
</context>
<context>
    <name>EntryProblem</name>
    <message>
        <source>Couldnt create image buffer</source>
        <translation>Impossibile creare il buffer dell&apos;immagine</translation>
    </message>
    <message>
        <source>Buffer Error</source>
        <translation>Errore del buffer</translation>
    </message>
    <message>
        <source>Cant Create Picture</source>
        <translation>Impossibile creare l&apos;immagine</translation>
    </message>
</context>
<context>
    <name>GameStatusBar</name>
    <message>
        <source>Moves: %1</source>
        <translation>Mosse: %1</translation>
    </message>
    <message>
        <source>%1 of %2 in place</source>
        <translation>A posto: %1 di %2</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Suggerimenti: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>Caricamento dell&apos;immagine...</translation>
    </message>
</context>
<context>
    <name>GiftDialog</name>
    <message>
        <source>Tile Swap</source>
        <translation>Scambio di tessere</translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Puzzle scorrevole</translation>
    </message>
    <message>
        <source>Make gift</source>
        <translation>Crea regalo</translation>
    </message>
    <message>
        <source>Make Gift puzzle</source>
        <translation>Crea un puzzle regalo</translation>
    </message>
    <message>
        <source>This will make a customized gift puzzle from the picture currently loaded into Tilewright for you to share with friends and family.</source>
        <translation>Verrà creato un puzzle regalo personalizzato con l&apos;immagine caricata in Tilewright, da condividere con amici e familiari.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Tilewright Gift</source>
        <translation>Regalo Tilewright</translation>
    </message>
    <message>
        <source>There is no picture to make a gift of.</source>
        <translation>Non c&apos;è nessuna immagine da regalare.</translation>
    </message>
    <message>
        <source>Save gift</source>
        <translation>Salva regalo</translation>
    </message>
    <message>
        <source>The gift could not be made.

</source>
        <translation>Impossibile creare il regalo.

</translation>
    </message>
</context>
<context>
    <name>GiftFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>The game cannot read its own program file %1.</source>
        <translation>Il gioco non riesce a leggere il proprio file di programma %1.</translation>
    </message>
    <message>
        <source>%1 is the game itself: a gift cannot replace it.</source>
        <translation>%1 è il gioco stesso: un regalo non può sostituirlo.</translation>
    </message>
</context>
<context>
    <name>HyperlinkLabel</name>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Impossibile aprire il collegamento:

</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Il sistema operativo ha esaurito
la memoria o le risorse.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Il file specificato non è stato trovato.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Il percorso specificato non è stato trovato.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Il sistema operativo ha negato
l&apos;accesso al file specificato.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Memoria insufficiente per completare l&apos;operazione.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Il file .EXE non è valido
(.EXE non Win32 o errore nell&apos;immagine .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Si è verificata una violazione di condivisione. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;associazione del nome di file è
incompleta o non valida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Impossibile completare la transazione DDE
perché la richiesta è scaduta.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transazione DDE non è riuscita.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Impossibile completare la transazione DDE
perché erano in corso
altre transazioni DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Nessuna applicazione è associata
all&apos;estensione del nome di file indicata.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La libreria a collegamento dinamico specificata non è stata trovata.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Si è verificato un errore sconosciuto (%1).</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Puzzle board</source>
        <translation>Tavola del puzzle</translation>
    </message>
    <message>
        <source>The jumbled picture&apos;s tiles. Click two tiles to swap them, or a tile in the hole&apos;s row or column to slide it. Keys: in the slider the arrows slide a tile into the hole; the arrows, or Shift and the arrows in the slider, move the focus cell, and Enter acts on it as a click.</source>
        <translation>Le tessere dell&apos;immagine mescolata. Fai clic su due tessere per scambiarle, o su una tessera nella riga o nella colonna del buco per farla scorrere. Tasti: nel puzzle scorrevole le frecce fanno scorrere una tessera nel buco; le frecce, o Maiusc e le frecce nel puzzle scorrevole, spostano la casella attiva, e Invio agisce su di essa come un clic.</translation>
    </message>
    <message>
        <source>Your settings and the unfinished puzzle cannot be saved:
%1</source>
        <translation>Impossibile salvare le impostazioni e il puzzle incompiuto:
%1</translation>
    </message>
    <message>
        <source>Your settings cannot be saved:
%1</source>
        <translation>Impossibile salvare le impostazioni:
%1</translation>
    </message>
    <message>
        <source>There is only 1 picture in this zip file!</source>
        <translation>Questo archivio Zip contiene una sola immagine!</translation>
    </message>
    <message numerus="yes">
        <source>Solved with %n hint(s). Games with hints do not go on the scoreboard.</source>
        <translation>
            <numerusform>Risolto con %n suggerimento. Le partite con suggerimenti non entrano in classifica.</numerusform>
            <numerusform>Risolto con %n suggerimenti. Le partite con suggerimenti non entrano in classifica.</numerusform>
        </translation>
    </message>
    <message>
        <source>The help page is missing:
%1

It was not installed with the game.</source>
        <translation>Manca la pagina della guida:
%1

Non è stata installata con il gioco.</translation>
    </message>
    <message>
        <source>There is no unfinished puzzle to resume.</source>
        <translation>Non c&apos;è nessun puzzle incompiuto da riprendere.</translation>
    </message>
    <message>
        <source>The picture of the unfinished puzzle can no longer be loaded:
%1

%2
The puzzle is no longer kept.</source>
        <translation>L&apos;immagine del puzzle incompiuto non può più essere caricata:
%1

%2
Il puzzle non viene più conservato.</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>New puzzle!</source>
        <translation>Nuovo puzzle!</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Apri immagine</translation>
    </message>
    <message>
        <source>Jumble!</source>
        <translation>Mescola!</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Mostra la soluzione</translation>
    </message>
    <message>
        <source>Solve for me!</source>
        <translation>Risolvi per me!</translation>
    </message>
    <message>
        <source>Puzzle difficulty</source>
        <translation>Difficoltà del puzzle</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>From this Zip</source>
        <translation>Da questo archivio Zip</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Altri pulsanti</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Grid colour</source>
        <translation>Colore della griglia</translation>
    </message>
    <message>
        <source>Selection colour</source>
        <translation>Colore della selezione</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Puzzle size</source>
        <translation>Dimensione del puzzle</translation>
    </message>
    <message>
        <source>Puzzle mode</source>
        <translation>Modalità del puzzle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
</context>
<context>
    <name>OpenPictureDialog</name>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the next image</source>
        <translation>Impossibile selezionare l&apos;immagine successiva</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the previous image</source>
        <translation>Impossibile selezionare l&apos;immagine precedente</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
</context>
<context>
    <name>PictureFormats</name>
    <message>
        <source>Supported files (%1)</source>
        <translation>File supportati (%1)</translation>
    </message>
</context>
<context>
    <name>PictureProblem</name>
    <message>
        <source>The file cannot be read.</source>
        <translation>Il file non può essere letto.</translation>
    </message>
    <message>
        <source>Its format is not one the game reads.</source>
        <translation>Il suo formato non è tra quelli che il gioco legge.</translation>
    </message>
    <message>
        <source>The picture is damaged.</source>
        <translation>L&apos;immagine è danneggiata.</translation>
    </message>
    <message>
        <source>At %1 the file is too large to show.</source>
        <translation>Con %1 il file è troppo grande per essere mostrato.</translation>
    </message>
    <message>
        <source>At %1 x %2 pixels the picture is too large to show.</source>
        <translation>Con %1 x %2 pixel l&apos;immagine è troppo grande per essere mostrata.</translation>
    </message>
    <message>
        <source>The archive holds no picture the game reads.</source>
        <translation>L&apos;archivio non contiene immagini che il gioco sappia leggere.</translation>
    </message>
    <message>
        <source>The picture cannot be shown:
%1

%2
The built-in picture is shown instead.</source>
        <translation>Impossibile mostrare l&apos;immagine:
%1

%2
Al suo posto viene mostrata l&apos;immagine integrata.</translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 è in uso da parte di un altro programma.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 non è un file normale.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
</context>
<context>
    <name>PuzzleApp</name>
    <message>
        <source>A picture puzzle: put a jumbled picture back together by swapping or sliding its tiles.</source>
        <translation>Un puzzle di immagini: ricomponi un&apos;immagine mescolata scambiando o facendo scorrere le sue tessere.</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>immagine</translation>
    </message>
    <message>
        <source>A picture file or a ZIP archive of pictures to start on.</source>
        <translation>Un file di immagine o un archivio ZIP di immagini da cui partire.</translation>
    </message>
    <message>
        <source>[picture]</source>
        <translation>[immagine]</translation>
    </message>
</context>
<context>
    <name>ScoreTables</name>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Novizio</translation>
    </message>
    <message>
        <source>Amateur</source>
        <translation>Dilettante</translation>
    </message>
    <message>
        <source>Seasoned</source>
        <translation>Navigato</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Pro</source>
        <translation>Professionista</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Asso</translation>
    </message>
    <message>
        <source>Grandmaster</source>
        <translation>Gran maestro</translation>
    </message>
    <message>
        <source>%1 hrs, %2 mins, %3 secs</source>
        <translation>%1 h, %2 min, %3 s</translation>
    </message>
    <message>
        <source>%1 mins, %2 secs</source>
        <translation>%1 min, %2 s</translation>
    </message>
    <message>
        <source>%1 secs</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 hrs %2 mins %3 secs</source>
        <translation>%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>%1 mins %2 secs</source>
        <translation>%1 min %2 s</translation>
    </message>
</context>
<context>
    <name>ScoreboardDialog</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficoltà</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>Tile swap</source>
        <translation>Scambio di tessere</translation>
    </message>
    <message>
        <source>Slider scores &gt;&gt;&gt;</source>
        <translation>Punteggi scorrevole &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Reset scores</source>
        <translation>Azzera i punteggi</translation>
    </message>
    <message>
        <source>Scoreboards</source>
        <translation>Classifiche</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Tile Swap scores &gt;&gt;&gt;</source>
        <translation>Punteggi scambio &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <translation>%1 x %1</translation>
    </message>
    <message>
        <source>Tile Swap</source>
        <translation>Scambio di tessere</translation>
    </message>
    <message>
        <source>Slider Puzzle</source>
        <translation>Puzzle scorrevole</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Vuoi davvero azzerare i punteggi?</translation>
    </message>
</context>
<context>
    <name>SolutionDialog</name>
    <message>
        <source>Solution</source>
        <translation>Soluzione</translation>
    </message>
</context>
</TS>
