<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
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
        <translation>Na miejscu</translation>
    </message>
    <message>
        <source>Empty cell</source>
        <translation>Puste pole</translation>
    </message>
    <message>
        <source>Tile %1, belongs in row %2, column %3</source>
        <translation>Kafelek %1, należy do wiersza %2, kolumny %3</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>From folder</source>
        <translation>Z folderu</translation>
    </message>
    <message>
        <source>From Zip archive</source>
        <translation>Z archiwum Zip</translation>
    </message>
    <message>
        <source>Make &amp;gift</source>
        <translation>&amp;Utwórz prezent</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Jumble</source>
        <translation>&amp;Wymieszaj</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Siatka</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>&amp;Show solution</source>
        <translation>Pokaż &amp;rozwiązanie</translation>
    </message>
    <message>
        <source>Sol&amp;ve for me</source>
        <translation>Rozwiąż za &amp;mnie</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Tablica wyników</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Pasek narzędzi</translation>
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
        <translation>Zamiana kafelków</translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Przesuwanka</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Re&amp;start</source>
        <translation>&amp;Zacznij od nowa</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>Pasek s&amp;tanu</translation>
    </message>
    <message>
        <source>Tile &amp;numbers</source>
        <translation>&amp;Numery kafelków</translation>
    </message>
    <message>
        <source>Resume &amp;last puzzle</source>
        <translation>&amp;Wznów ostatnią układankę</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Po&amp;dpowiedź</translation>
    </message>
    <message>
        <source>Peek</source>
        <translation>Zerknij</translation>
    </message>
    <message>
        <source>&amp;Animate moves</source>
        <translation>&amp;Animuj ruchy</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Pełny &amp;ekran</translation>
    </message>
</context>
<context>
    <name>CongratulationsDialog</name>
    <message>
        <source>Congratulations you have achieved a place on the scoreboard. Please enter your name :</source>
        <translation>Gratulacje, zdobyto miejsce na tablicy wyników. Wpisz swoje imię:</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gratulacje!</translation>
    </message>
    <message>
        <source>Puzzle difficulty : %1 x %1 (%2)</source>
        <translation>Trudność układanki: %1 x %1 (%2)</translation>
    </message>
    <message>
        <source>Time taken : %1</source>
        <translation>Czas: %1</translation>
    </message>
    <message>
        <source>Moves made : %1</source>
        <translation>Wykonane ruchy: %1</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Gracz 1</translation>
    </message>
</context>
<context>
    <name>EntryProblem</name>
    <message>
        <source>Couldnt create image buffer</source>
        <translation>Nie można utworzyć bufora obrazu</translation>
    </message>
    <message>
        <source>Buffer Error</source>
        <translation>Błąd bufora</translation>
    </message>
    <message>
        <source>Cant Create Picture</source>
        <translation>Nie można utworzyć obrazu</translation>
    </message>
</context>
<context>
    <name>GameStatusBar</name>
    <message>
        <source>Moves: %1</source>
        <translation>Ruchy: %1</translation>
    </message>
    <message>
        <source>%1 of %2 in place</source>
        <translation>Na miejscu: %1 z %2</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Podpowiedzi: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Czas: %1</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>Wczytywanie obrazu...</translation>
    </message>
</context>
<context>
    <name>GiftDialog</name>
    <message>
        <source>Tile Swap</source>
        <translation>Zamiana kafelków</translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Przesuwanka</translation>
    </message>
    <message>
        <source>Make gift</source>
        <translation>Utwórz prezent</translation>
    </message>
    <message>
        <source>Make Gift puzzle</source>
        <translation>Utwórz układankę w prezencie</translation>
    </message>
    <message>
        <source>This will make a customized gift puzzle from the picture currently loaded into Tilewright for you to share with friends and family.</source>
        <translation>Z obrazu wczytanego teraz w Tilewright powstanie spersonalizowana układanka w prezencie, którą można się podzielić z przyjaciółmi i rodziną.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Tilewright Gift</source>
        <translation>Prezent Tilewright</translation>
    </message>
    <message>
        <source>There is no picture to make a gift of.</source>
        <translation>Nie ma obrazu, z którego można zrobić prezent.</translation>
    </message>
    <message>
        <source>Save gift</source>
        <translation>Zapisz prezent</translation>
    </message>
    <message>
        <source>The gift could not be made.

</source>
        <translation>Nie udało się utworzyć prezentu.

</translation>
    </message>
</context>
<context>
    <name>GiftFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>The game cannot read its own program file %1.</source>
        <translation>Gra nie może odczytać własnego pliku programu %1.</translation>
    </message>
    <message>
        <source>%1 is the game itself: a gift cannot replace it.</source>
        <translation>%1 to sama gra: prezent nie może jej zastąpić.</translation>
    </message>
</context>
<context>
    <name>HyperlinkLabel</name>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Nie można otworzyć odnośnika:

</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Systemowi operacyjnemu zabrakło
pamięci lub zasobów.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Nie znaleziono podanego pliku.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Nie znaleziono podanej ścieżki.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>System operacyjny odmówił
dostępu do podanego pliku.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Za mało pamięci, aby ukończyć operację.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Plik .EXE jest nieprawidłowy
(.EXE inny niż Win32 lub błąd w obrazie .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Wystąpiło naruszenie udostępniania. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Skojarzenie nazwy pliku jest
niekompletne lub nieprawidłowe.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Nie można ukończyć transakcji DDE,
ponieważ upłynął limit czasu żądania.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Transakcja DDE nie powiodła się.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Nie można ukończyć transakcji DDE,
ponieważ były przetwarzane
inne transakcje DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Z podanym rozszerzeniem nazwy pliku
nie jest skojarzona żadna aplikacja.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Nie znaleziono podanej biblioteki dołączanej dynamicznie.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Wystąpił nieznany błąd (%1).</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Puzzle board</source>
        <translation>Plansza układanki</translation>
    </message>
    <message>
        <source>The jumbled picture&apos;s tiles. Click two tiles to swap them, or a tile in the hole&apos;s row or column to slide it. Keys: in the slider the arrows slide a tile into the hole; the arrows, or Shift and the arrows in the slider, move the focus cell, and Enter acts on it as a click.</source>
        <translation>Kafelki pomieszanego obrazu. Kliknij dwa kafelki, aby je zamienić, albo kafelek w wierszu lub kolumnie dziury, aby go przesunąć. Klawisze: w przesuwance strzałki przesuwają kafelek do dziury; strzałki, a w przesuwance Shift i strzałki, przesuwają pole fokusu, a Enter działa na nim jak kliknięcie.</translation>
    </message>
    <message>
        <source>Your settings and the unfinished puzzle cannot be saved:
%1</source>
        <translation>Nie można zapisać ustawień ani niedokończonej układanki:
%1</translation>
    </message>
    <message>
        <source>Your settings cannot be saved:
%1</source>
        <translation>Nie można zapisać ustawień:
%1</translation>
    </message>
    <message>
        <source>There is only 1 picture in this zip file!</source>
        <translation>To archiwum Zip zawiera tylko jeden obraz!</translation>
    </message>
    <message numerus="yes">
        <source>Solved with %n hint(s). Games with hints do not go on the scoreboard.</source>
        <translation>
            <numerusform>Rozwiązano z %n podpowiedzią. Gry z podpowiedziami nie trafiają na tablicę wyników.</numerusform>
            <numerusform>Rozwiązano z %n podpowiedziami. Gry z podpowiedziami nie trafiają na tablicę wyników.</numerusform>
            <numerusform>Rozwiązano z %n podpowiedziami. Gry z podpowiedziami nie trafiają na tablicę wyników.</numerusform>
        </translation>
    </message>
    <message>
        <source>The help page is missing:
%1

It was not installed with the game.</source>
        <translation>Brak strony pomocy:
%1

Nie została zainstalowana razem z grą.</translation>
    </message>
    <message>
        <source>There is no unfinished puzzle to resume.</source>
        <translation>Nie ma niedokończonej układanki do wznowienia.</translation>
    </message>
    <message>
        <source>The picture of the unfinished puzzle can no longer be loaded:
%1

%2
The puzzle is no longer kept.</source>
        <translation>Nie można już wczytać obrazu niedokończonej układanki:
%1

%2
Układanka nie jest już przechowywana.</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>New puzzle!</source>
        <translation>Nowa układanka!</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Otwórz obraz</translation>
    </message>
    <message>
        <source>Jumble!</source>
        <translation>Wymieszaj!</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Pokaż rozwiązanie</translation>
    </message>
    <message>
        <source>Solve for me!</source>
        <translation>Rozwiąż za mnie!</translation>
    </message>
    <message>
        <source>Puzzle difficulty</source>
        <translation>Trudność układanki</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Siatka</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>From this Zip</source>
        <translation>Z tego archiwum Zip</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Więcej przycisków</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>Grid colour</source>
        <translation>Kolor siatki</translation>
    </message>
    <message>
        <source>Selection colour</source>
        <translation>Kolor zaznaczenia</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Puzzle size</source>
        <translation>Rozmiar układanki</translation>
    </message>
    <message>
        <source>Puzzle mode</source>
        <translation>Tryb układanki</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
</context>
<context>
    <name>OpenPictureDialog</name>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the next image</source>
        <translation>Nie udało się wybrać następnego obrazu</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the previous image</source>
        <translation>Nie udało się wybrać poprzedniego obrazu</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
</context>
<context>
    <name>PictureFormats</name>
    <message>
        <source>Supported files (%1)</source>
        <translation>Obsługiwane pliki (%1)</translation>
    </message>
</context>
<context>
    <name>PictureProblem</name>
    <message>
        <source>The file cannot be read.</source>
        <translation>Nie można odczytać pliku.</translation>
    </message>
    <message>
        <source>Its format is not one the game reads.</source>
        <translation>Gra nie odczytuje tego formatu.</translation>
    </message>
    <message>
        <source>The picture is damaged.</source>
        <translation>Obraz jest uszkodzony.</translation>
    </message>
    <message>
        <source>At %1 the file is too large to show.</source>
        <translation>Plik o rozmiarze %1 jest za duży, aby go pokazać.</translation>
    </message>
    <message>
        <source>At %1 x %2 pixels the picture is too large to show.</source>
        <translation>Obraz o wymiarach %1 x %2 pikseli jest za duży, aby go pokazać.</translation>
    </message>
    <message>
        <source>The archive holds no picture the game reads.</source>
        <translation>Archiwum nie zawiera obrazu, który gra potrafi odczytać.</translation>
    </message>
    <message>
        <source>The picture cannot be shown:
%1

%2
The built-in picture is shown instead.</source>
        <translation>Nie można pokazać obrazu:
%1

%2
Zamiast niego pokazano wbudowany obraz.</translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 jest używany przez inny program.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 nie jest zwykłym plikiem.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Nie można zapisać %1.</translation>
    </message>
</context>
<context>
    <name>PuzzleApp</name>
    <message>
        <source>A picture puzzle: put a jumbled picture back together by swapping or sliding its tiles.</source>
        <translation>Układanka obrazkowa: złóż pomieszany obraz z powrotem, zamieniając lub przesuwając jego kafelki.</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>obraz</translation>
    </message>
    <message>
        <source>A picture file or a ZIP archive of pictures to start on.</source>
        <translation>Plik obrazu lub archiwum ZIP z obrazami, od którego gra zaczyna.</translation>
    </message>
    <message>
        <source>[picture]</source>
        <translation>[obraz]</translation>
    </message>
</context>
<context>
    <name>ScoreTables</name>
    <message>
        <source>Beginner</source>
        <translation>Początkujący</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Nowicjusz</translation>
    </message>
    <message>
        <source>Amateur</source>
        <translation>Amator</translation>
    </message>
    <message>
        <source>Seasoned</source>
        <translation>Wprawny</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>Pro</source>
        <translation>Zawodowiec</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Grandmaster</source>
        <translation>Arcymistrz</translation>
    </message>
    <message>
        <source>%1 hrs, %2 mins, %3 secs</source>
        <translation>%1 godz., %2 min, %3 s</translation>
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
        <translation>%1 godz. %2 min %3 s</translation>
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
        <translation>Imię</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Trudność</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ruchy</translation>
    </message>
    <message>
        <source>Tile swap</source>
        <translation>Zamiana kafelków</translation>
    </message>
    <message>
        <source>Slider scores &gt;&gt;&gt;</source>
        <translation>Wyniki przesuwanki &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Reset scores</source>
        <translation>Wyzeruj wyniki</translation>
    </message>
    <message>
        <source>Scoreboards</source>
        <translation>Tablice wyników</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Tile Swap scores &gt;&gt;&gt;</source>
        <translation>Wyniki zamiany kafelków &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <translation>%1 x %1</translation>
    </message>
    <message>
        <source>Tile Swap</source>
        <translation>Zamiana kafelków</translation>
    </message>
    <message>
        <source>Slider Puzzle</source>
        <translation>Przesuwanka</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Czy na pewno wyzerować wyniki?</translation>
    </message>
</context>
<context>
    <name>SolutionDialog</name>
    <message>
        <source>Solution</source>
        <translation>Rozwiązanie</translation>
    </message>
</context>
</TS>
