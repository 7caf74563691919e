<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
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
        <translation>Op zijn plaats</translation>
    </message>
    <message>
        <source>Empty cell</source>
        <translation>Leeg vak</translation>
    </message>
    <message>
        <source>Tile %1, belongs in row %2, column %3</source>
        <translation>Tegel %1, hoort in rij %2, kolom %3</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>From folder</source>
        <translation>Uit de map</translation>
    </message>
    <message>
        <source>From Zip archive</source>
        <translation>Uit het Zip-archief</translation>
    </message>
    <message>
        <source>Make &amp;gift</source>
        <translation>&amp;Cadeau maken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Jumble</source>
        <translation>&amp;Husselen</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Raster</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>&amp;Show solution</source>
        <translation>&amp;Oplossing tonen</translation>
    </message>
    <message>
        <source>Sol&amp;ve for me</source>
        <translation>Voor &amp;mij oplossen</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Scorebord</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkbalk</translation>
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
        <translation>Tegels wisselen</translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Schuifpuzzel</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opnieuw &amp;doen</translation>
    </message>
    <message>
        <source>Re&amp;start</source>
        <translation>Op&amp;nieuw beginnen</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>Status&amp;balk</translation>
    </message>
    <message>
        <source>Tile &amp;numbers</source>
        <translation>&amp;Tegelnummers</translation>
    </message>
    <message>
        <source>Resume &amp;last puzzle</source>
        <translation>&amp;Laatste puzzel hervatten</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>Peek</source>
        <translation>Spieken</translation>
    </message>
    <message>
        <source>&amp;Animate moves</source>
        <translation>Zetten &amp;animeren</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Volledig scherm</translation>
    </message>
</context>
<context>
    <name>CongratulationsDialog</name>
    <message>
        <source>Congratulations you have achieved a place on the scoreboard. Please enter your name :</source>
        <translation>Gefeliciteerd, u hebt een plaats op het scorebord behaald. Vul uw naam in:</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gefeliciteerd!</translation>
    </message>
    <message>
        <source>Puzzle difficulty : %1 x %1 (%2)</source>
        <translation>Moeilijkheid: %1 x %1 (%2)</translation>
    </message>
    <message>
        <source>Time taken : %1</source>
        <translation>Benodigde tijd: %1</translation>
    </message>
    <message>
        <source>Moves made : %1</source>
        <translation>Gedane zetten: %1</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Speler 1</translation>
    </message>
</context>
<context>
    <name>EntryProblem</name>
    <message>
        <source>Couldnt create image buffer</source>
        <translation>De afbeeldingsbuffer kon niet worden aangemaakt</translation>
    </message>
    <message>
        <source>Buffer Error</source>
        <translation>Bufferfout</translation>
    </message>
    <message>
        <source>Cant Create Picture</source>
        <translation>De afbeelding kan niet worden gemaakt</translation>
    </message>
</context>
<context>
    <name>GameStatusBar</name>
    <message>
        <source>Moves: %1</source>
        <translation>Zetten: %1</translation>
    </message>
    <message>
        <source>%1 of %2 in place</source>
        <translation>%1 van %2 goed</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Hints: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tijd: %1</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>Afbeelding laden...</translation>
    </message>
</context>
<context>
    <name>GiftDialog</name>
    <message>
        <source>Tile Swap</source>
        <translation>Tegels wisselen</translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Schuifpuzzel</translation>
    </message>
    <message>
        <source>Make gift</source>
        <translation>Cadeau maken</translation>
    </message>
    <message>
        <source>Make Gift puzzle</source>
        <translation>Cadeaupuzzel maken</translation>
    </message>
    <message>
        <source>This will make a customized gift puzzle from the picture currently loaded into Tilewright for you to share with friends and family.</source>
        <translation>Hiermee maakt u van de afbeelding die nu in Tilewright geladen is een persoonlijke cadeaupuzzel om met vrienden en familie te delen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Tilewright Gift</source>
        <translation>Tilewright-cadeau</translation>
    </message>
    <message>
        <source>There is no picture to make a gift of.</source>
        <translation>Er is geen afbeelding om een cadeau van te maken.</translation>
    </message>
    <message>
        <source>Save gift</source>
        <translation>Cadeau opslaan</translation>
    </message>
    <message>
        <source>The gift could not be made.

</source>
        <translation>Het cadeau kon niet worden gemaakt.

</translation>
    </message>
</context>
<context>
    <name>GiftFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>The game cannot read its own program file %1.</source>
        <translation>Het spel kan zijn eigen programmabestand %1 niet lezen.</translation>
    </message>
    <message>
        <source>%1 is the game itself: a gift cannot replace it.</source>
        <translation>%1 is het spel zelf: een cadeau kan het niet vervangen.</translation>
    </message>
</context>
<context>
    <name>HyperlinkLabel</name>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Kan de koppeling niet openen:

</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Het besturingssysteem heeft onvoldoende
geheugen of bronnen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Het opgegeven bestand is niet gevonden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Het opgegeven pad is niet gevonden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Het besturingssysteem heeft de toegang
tot het opgegeven bestand geweigerd.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Er was onvoldoende geheugen om de bewerking te voltooien.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Het .EXE-bestand is ongeldig
(geen Win32-.EXE of fout in de .EXE-image).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Er is een fout bij het delen opgetreden. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>De bestandskoppeling is
onvolledig of ongeldig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>De DDE-transactie kon niet
worden voltooid omdat de aanvraag te lang duurde.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>De DDE-transactie is mislukt.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>De DDE-transactie kon niet
worden voltooid omdat andere DDE-transacties
werden verwerkt.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Er is geen toepassing gekoppeld
aan de opgegeven bestandsextensie.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>De opgegeven dynamische bibliotheek is niet gevonden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Er is een onbekende fout (%1) opgetreden.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Puzzle board</source>
        <translation>Puzzelbord</translation>
    </message>
    <message>
        <source>The jumbled picture&apos;s tiles. Click two tiles to swap them, or a tile in the hole&apos;s row or column to slide it. Keys: in the slider the arrows slide a tile into the hole; the arrows, or Shift and the arrows in the slider, move the focus cell, and Enter acts on it as a click.</source>
        <translation>De tegels van de gehusselde afbeelding. Klik op twee tegels om ze te wisselen, of op een tegel in de rij of kolom van het gat om hem te schuiven. Toetsen: in de schuifpuzzel schuiven de pijltjestoetsen een tegel in het gat; de pijltjestoetsen, of in de schuifpuzzel Shift en de pijltjestoetsen, verplaatsen het focusvak, en Enter werkt daarop als een klik.</translation>
    </message>
    <message>
        <source>Your settings and the unfinished puzzle cannot be saved:
%1</source>
        <translation>Uw instellingen en de onafgemaakte puzzel kunnen niet worden opgeslagen:
%1</translation>
    </message>
    <message>
        <source>Your settings cannot be saved:
%1</source>
        <translation>Uw instellingen kunnen niet worden opgeslagen:
%1</translation>
    </message>
    <message>
        <source>There is only 1 picture in this zip file!</source>
        <translation>Dit Zip-archief bevat maar één afbeelding!</translation>
    </message>
    <message numerus="yes">
        <source>Solved with %n hint(s). Games with hints do not go on the scoreboard.</source>
        <translation>
            <numerusform>Opgelost met %n hint. Spellen met hints komen niet op het scorebord.</numerusform>
            <numerusform>Opgelost met %n hints. Spellen met hints komen niet op het scorebord.</numerusform>
        </translation>
    </message>
    <message>
        <source>The help page is missing:
%1

It was not installed with the game.</source>
        <translation>De helppagina ontbreekt:
%1

Ze is niet met het spel geïnstalleerd.</translation>
    </message>
    <message>
        <source>There is no unfinished puzzle to resume.</source>
        <translation>Er is geen onafgemaakte puzzel om te hervatten.</translation>
    </message>
    <message>
        <source>The picture of the unfinished puzzle can no longer be loaded:
%1

%2
The puzzle is no longer kept.</source>
        <translation>De afbeelding van de onafgemaakte puzzel kan niet meer worden geladen:
%1

%2
De puzzel wordt niet langer bewaard.</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>New puzzle!</source>
        <translation>Nieuwe puzzel!</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Afbeelding openen</translation>
    </message>
    <message>
        <source>Jumble!</source>
        <translation>Husselen!</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Oplossing tonen</translation>
    </message>
    <message>
        <source>Solve for me!</source>
        <translation>Los voor mij op!</translation>
    </message>
    <message>
        <source>Puzzle difficulty</source>
        <translation>Moeilijkheid</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>From this Zip</source>
        <translation>Uit dit Zip-archief</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Meer knoppen</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>Grid colour</source>
        <translation>Rasterkleur</translation>
    </message>
    <message>
        <source>Selection colour</source>
        <translation>Selectiekleur</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Puzzle size</source>
        <translation>Puzzelgrootte</translation>
    </message>
    <message>
        <source>Puzzle mode</source>
        <translation>Puzzelmodus</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>OpenPictureDialog</name>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the next image</source>
        <translation>De volgende afbeelding kon niet worden geselecteerd</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the previous image</source>
        <translation>De vorige afbeelding kon niet worden geselecteerd</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
</context>
<context>
    <name>PictureFormats</name>
    <message>
        <source>Supported files (%1)</source>
        <translation>Ondersteunde bestanden (%1)</translation>
    </message>
</context>
<context>
    <name>PictureProblem</name>
    <message>
        <source>The file cannot be read.</source>
        <translation>Het bestand kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>Its format is not one the game reads.</source>
        <translation>Het spel kan dit formaat niet lezen.</translation>
    </message>
    <message>
        <source>The picture is damaged.</source>
        <translation>De afbeelding is beschadigd.</translation>
    </message>
    <message>
        <source>At %1 the file is too large to show.</source>
        <translation>Met %1 is het bestand te groot om te tonen.</translation>
    </message>
    <message>
        <source>At %1 x %2 pixels the picture is too large to show.</source>
        <translation>Met %1 x %2 pixels is de afbeelding te groot om te tonen.</translation>
    </message>
    <message>
        <source>The archive holds no picture the game reads.</source>
        <translation>Het archief bevat geen afbeelding die het spel kan lezen.</translation>
    </message>
    <message>
        <source>The picture cannot be shown:
%1

%2
The built-in picture is shown instead.</source>
        <translation>De afbeelding kan niet worden getoond:
%1

%2
In plaats daarvan wordt de ingebouwde afbeelding getoond.</translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 is in gebruik door een ander programma.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 kan niet worden geschreven.</translation>
    </message>
</context>
<context>
    <name>PuzzleApp</name>
    <message>
        <source>A picture puzzle: put a jumbled picture back together by swapping or sliding its tiles.</source>
        <translation>Een fotopuzzel: zet een gehusselde afbeelding weer in elkaar door de tegels te wisselen of te schuiven.</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>afbeelding</translation>
    </message>
    <message>
        <source>A picture file or a ZIP archive of pictures to start on.</source>
        <translation>Een afbeeldingsbestand of een ZIP-archief met afbeeldingen om mee te beginnen.</translation>
    </message>
    <message>
        <source>[picture]</source>
        <translation>[afbeelding]</translation>
    </message>
</context>
<context>
    <name>ScoreTables</name>
    <message>
        <source>Beginner</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Nieuweling</translation>
    </message>
    <message>
        <source>Amateur</source>
        <translation>Amateur</translation>
    </message>
    <message>
        <source>Seasoned</source>
        <translation>Ervaren</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Pro</source>
        <translation>Prof</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Kei</translation>
    </message>
    <message>
        <source>Grandmaster</source>
        <translation>Grootmeester</translation>
    </message>
    <message>
        <source>%1 hrs, %2 mins, %3 secs</source>
        <translation>%1 u, %2 min, %3 s</translation>
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
        <translation>%1 u %2 min %3 s</translation>
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
        <translation>Naam</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Moeilijkheid</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Zetten</translation>
    </message>
    <message>
        <source>Tile swap</source>
        <translation>Tegels wisselen</translation>
    </message>
    <message>
        <source>Slider scores &gt;&gt;&gt;</source>
        <translation>Scores schuifpuzzel &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Reset scores</source>
        <translation>Scores wissen</translation>
    </message>
    <message>
        <source>Scoreboards</source>
        <translation>Scoreborden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Tile Swap scores &gt;&gt;&gt;</source>
        <translation>Scores tegels wisselen &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <translation>%1 x %1</translation>
    </message>
    <message>
        <source>Tile Swap</source>
        <translation>Tegels wisselen</translation>
    </message>
    <message>
        <source>Slider Puzzle</source>
        <translation>Schuifpuzzel</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Weet u zeker dat u de scores wilt wissen?</translation>
    </message>
</context>
<context>
    <name>SolutionDialog</name>
    <message>
        <source>Solution</source>
        <translation>Oplossing</translation>
    </message>
</context>
</TS>
