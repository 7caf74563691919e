<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_GB">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
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
        <translation>Am Platz</translation>
    </message>
    <message>
        <source>Empty cell</source>
        <translation>Leeres Feld</translation>
    </message>
    <message>
        <source>Tile %1, belongs in row %2, column %3</source>
        <translation>Kachel %1, gehört in Zeile %2, Spalte %3</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>From folder</source>
        <translation>Aus dem Ordner</translation>
    </message>
    <message>
        <source>From Zip archive</source>
        <translation>Aus dem Zip-Archiv</translation>
    </message>
    <message>
        <source>Make &amp;gift</source>
        <translation>&amp;Geschenk erstellen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Jumble</source>
        <translation>&amp;Mischen</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Gitter</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>&amp;Show solution</source>
        <translation>&amp;Lösung zeigen</translation>
    </message>
    <message>
        <source>Sol&amp;ve for me</source>
        <translation>A&amp;utomatisch lösen</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
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
        <translation>Kacheltausch</translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Schiebepuzzle</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Re&amp;start</source>
        <translation>Von &amp;vorn beginnen</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Tile &amp;numbers</source>
        <translation>&amp;Kachelnummern</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Peek</source>
        <translation>Spicken</translation>
    </message>
    <message>
        <source>Resume &amp;last puzzle</source>
        <translation>&amp;Letztes Puzzle fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Animate moves</source>
        <translation>Züge &amp;animieren</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
</context>
<context>
    <name>CongratulationsDialog</name>
    <message>
        <source>Congratulations you have achieved a place on the scoreboard. Please enter your name :</source>
        <translation>Glückwunsch, Sie haben einen Platz in der Bestenliste erreicht. Bitte geben Sie Ihren Namen ein:</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Glückwunsch!</translation>
    </message>
    <message>
        <source>Puzzle difficulty : %1 x %1 (%2)</source>
        <translation>Schwierigkeit: %1 x %1 (%2)</translation>
    </message>
    <message>
        <source>Time taken : %1</source>
        <translation>Benötigte Zeit: %1</translation>
    </message>
    <message>
        <source>Moves made : %1</source>
        <translation>Züge: %1</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Spieler 1</translation>
    </message>
</context>
<context>
    <name>EntryProblem</name>
    <message>
        <source>Couldnt create image buffer</source>
        <translation>Der Bildpuffer konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Buffer Error</source>
        <translation>Pufferfehler</translation>
    </message>
    <message>
        <source>Cant Create Picture</source>
        <translation>Das Bild kann nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>GameStatusBar</name>
    <message>
        <source>Moves: %1</source>
        <translation>Züge: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>%1 of %2 in place</source>
        <translation>%1 von %2 am Platz</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Tipps: %1</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>Bild wird geladen...</translation>
    </message>
</context>
<context>
    <name>GiftDialog</name>
    <message>
        <source>Tile Swap</source>
        <translation>Kacheltausch</translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Schiebepuzzle</translation>
    </message>
    <message>
        <source>Make gift</source>
        <translation>Geschenk erstellen</translation>
    </message>
    <message>
        <source>Make Gift puzzle</source>
        <translation>Geschenkpuzzle erstellen</translation>
    </message>
    <message>
        <source>This will make a customized gift puzzle from the picture currently loaded into Tilewright for you to share with friends and family.</source>
        <translation>Hiermit wird aus dem Bild, das gerade in Tilewright geladen ist, ein persönliches Geschenkpuzzle, das Sie mit Freunden und Familie teilen können.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>There is no picture to make a gift of.</source>
        <translation>Es gibt kein Bild, aus dem ein Geschenk werden könnte.</translation>
    </message>
    <message>
        <source>Save gift</source>
        <translation>Geschenk speichern</translation>
    </message>
    <message>
        <source>The gift could not be made.

</source>
        <translation>Das Geschenk konnte nicht erstellt werden.

</translation>
    </message>
    <message>
        <source>Tilewright Gift</source>
        <translation>Tilewright-Geschenk</translation>
    </message>
</context>
<context>
    <name>GiftFile</name>
    <message>
        <source>The game cannot read its own program file %1.</source>
        <translation>Das Spiel kann seine eigene Programmdatei %1 nicht lesen.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 is the game itself: a gift cannot replace it.</source>
        <translation>%1 ist das Spiel selbst: Ein Geschenk kann es nicht ersetzen.</translation>
    </message>
</context>
<context>
    <name>HyperlinkLabel</name>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Der Link kann nicht geöffnet werden:

</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Dem Betriebssystem fehlt es
an Speicher oder Ressourcen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem hat den Zugriff
auf die angegebene Datei verweigert.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Der Speicher reichte nicht aus, um den Vorgang abzuschließen.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Die .EXE-Datei ist ungültig
(keine Win32-.EXE oder Fehler im .EXE-Abbild).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Eine Freigabeverletzung ist aufgetreten. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Die Dateizuordnung ist
unvollständig oder ungültig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, da die Anfrage zu lange dauerte.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, da andere DDE-Transaktionen
bearbeitet wurden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Der angegebenen Dateiendung ist
keine Anwendung zugeordnet.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene dynamische Bibliothek wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Ein unbekannter Fehler (%1) ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Puzzle board</source>
        <translation>Puzzlebrett</translation>
    </message>
    <message>
        <source>There is only 1 picture in this zip file!</source>
        <translation>Dieses Zip-Archiv enthält nur ein Bild!</translation>
    </message>
    <message>
        <source>There is no unfinished puzzle to resume.</source>
        <translation>Es gibt kein unvollendetes Puzzle zum Fortsetzen.</translation>
    </message>
    <message>
        <source>Your settings and the unfinished puzzle cannot be saved:
%1</source>
        <translation>Ihre Einstellungen und das unvollendete Puzzle können nicht gespeichert werden:
%1</translation>
    </message>
    <message>
        <source>Your settings cannot be saved:
%1</source>
        <translation>Ihre Einstellungen können nicht gespeichert werden:
%1</translation>
    </message>
    <message numerus="yes">
        <source>Solved with %n hint(s). Games with hints do not go on the scoreboard.</source>
        <translation>
            <numerusform>Mit %n Tipp gelöst. Spiele mit Tipps kommen nicht in die Bestenliste.</numerusform>
            <numerusform>Mit %n Tipps gelöst. Spiele mit Tipps kommen nicht in die Bestenliste.</numerusform>
        </translation>
    </message>
    <message>
        <source>The jumbled picture&apos;s tiles. Click two tiles to swap them, or a tile in the hole&apos;s row or column to slide it. Keys: in the slider the arrows slide a tile into the hole; the arrows, or Shift and the arrows in the slider, move the focus cell, and Enter acts on it as a click.</source>
        <translation>Die Kacheln des gemischten Bildes. Klicken Sie auf zwei Kacheln, um sie zu tauschen, oder auf eine Kachel in der Zeile oder Spalte des Lochs, um sie zu schieben. Tasten: Beim Schiebepuzzle schieben die Pfeiltasten eine Kachel ins Loch; die Pfeiltasten, beim Schiebepuzzle Umschalt und die Pfeiltasten, bewegen die Fokuszelle, und Eingabe wirkt auf sie wie ein Klick.</translation>
    </message>
    <message>
        <source>The picture of the unfinished puzzle can no longer be loaded:
%1

%2
The puzzle is no longer kept.</source>
        <translation>Das Bild des unvollendeten Puzzles kann nicht mehr geladen werden:
%1

%2
Das Puzzle wird nicht mehr aufbewahrt.</translation>
    </message>
    <message>
        <source>The help page is missing:
%1

It was not installed with the game.</source>
        <translation>Die Hilfeseite fehlt:
%1

Sie wurde nicht mit dem Spiel installiert.</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>New puzzle!</source>
        <translation>Neues Puzzle!</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Jumble!</source>
        <translation>Mischen!</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Lösung zeigen</translation>
    </message>
    <message>
        <source>Solve for me!</source>
        <translation>Automatisch lösen!</translation>
    </message>
    <message>
        <source>Puzzle difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>From this Zip</source>
        <translation>Aus diesem Zip-Archiv</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Weitere Schaltflächen</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Grid colour</source>
        <translation>Gitterfarbe</translation>
    </message>
    <message>
        <source>Selection colour</source>
        <translation>Auswahlfarbe</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Puzzle size</source>
        <translation>Puzzlegröße</translation>
    </message>
    <message>
        <source>Puzzle mode</source>
        <translation>Puzzlemodus</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>OpenPictureDialog</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the next image</source>
        <translation>Das nächste Bild konnte nicht ausgewählt werden</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the previous image</source>
        <translation>Das vorige Bild konnte nicht ausgewählt werden</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>PictureFormats</name>
    <message>
        <source>Supported files (%1)</source>
        <translation>Unterstützte Dateien (%1)</translation>
    </message>
</context>
<context>
    <name>PictureProblem</name>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Its format is not one the game reads.</source>
        <translation>Ihr Format kann das Spiel nicht lesen.</translation>
    </message>
    <message>
        <source>The picture is damaged.</source>
        <translation>Das Bild ist beschädigt.</translation>
    </message>
    <message>
        <source>At %1 the file is too large to show.</source>
        <translation>Mit %1 ist die Datei zu groß, um sie zu zeigen.</translation>
    </message>
    <message>
        <source>At %1 x %2 pixels the picture is too large to show.</source>
        <translation>Mit %1 x %2 Pixeln ist das Bild zu groß, um es zu zeigen.</translation>
    </message>
    <message>
        <source>The archive holds no picture the game reads.</source>
        <translation>Das Archiv enthält kein Bild, das das Spiel lesen kann.</translation>
    </message>
    <message>
        <source>The picture cannot be shown:
%1

%2
The built-in picture is shown instead.</source>
        <translation>Das Bild kann nicht gezeigt werden:
%1

%2
Stattdessen wird das eingebaute Bild gezeigt.</translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 wird von einem anderen Programm verwendet.</translation>
    </message>
</context>
<context>
    <name>PuzzleApp</name>
    <message>
        <source>A picture puzzle: put a jumbled picture back together by swapping or sliding its tiles.</source>
        <translation>Ein Bilderpuzzle: Setzen Sie ein gemischtes Bild wieder zusammen, indem Sie seine Kacheln tauschen oder schieben.</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>A picture file or a ZIP archive of pictures to start on.</source>
        <translation>Eine Bilddatei oder ein ZIP-Archiv mit Bildern, mit dem das Spiel beginnt.</translation>
    </message>
    <message>
        <source>[picture]</source>
        <translation>[Bild]</translation>
    </message>
</context>
<context>
    <name>ScoreTables</name>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Neuling</translation>
    </message>
    <message>
        <source>Amateur</source>
        <translation>Amateur</translation>
    </message>
    <message>
        <source>Seasoned</source>
        <translation>Erfahren</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Pro</source>
        <translation>Profi</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Grandmaster</source>
        <translation>Großmeister</translation>
    </message>
    <message>
        <source>%1 hrs, %2 mins, %3 secs</source>
        <translation>%1 Std., %2 Min., %3 Sek.</translation>
    </message>
    <message>
        <source>%1 mins, %2 secs</source>
        <translation>%1 Min., %2 Sek.</translation>
    </message>
    <message>
        <source>%1 secs</source>
        <translation>%1 Sek.</translation>
    </message>
    <message>
        <source>%1 hrs %2 mins %3 secs</source>
        <translation>%1 Std. %2 Min. %3 Sek.</translation>
    </message>
    <message>
        <source>%1 mins %2 secs</source>
        <translation>%1 Min. %2 Sek.</translation>
    </message>
</context>
<context>
    <name>ScoreboardDialog</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Tile swap</source>
        <translation>Kacheltausch</translation>
    </message>
    <message>
        <source>Slider scores &gt;&gt;&gt;</source>
        <translation>Bestenliste Schiebepuzzle &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Reset scores</source>
        <translation>Ergebnisse zurücksetzen</translation>
    </message>
    <message>
        <source>Scoreboards</source>
        <translation>Bestenlisten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <translation>%1 x %1</translation>
    </message>
    <message>
        <source>Tile Swap</source>
        <translation>Kacheltausch</translation>
    </message>
    <message>
        <source>Slider Puzzle</source>
        <translation>Schiebepuzzle</translation>
    </message>
    <message>
        <source>Tile Swap scores &gt;&gt;&gt;</source>
        <translation>Bestenliste Kacheltausch &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Wollen Sie die Ergebnisse wirklich zurücksetzen?</translation>
    </message>
</context>
<context>
    <name>SolutionDialog</name>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
</context>
</TS>
