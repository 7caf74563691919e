<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>%1 v%2</source>
        <translation>%1 v%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>In place</source>
        <translation>En su sitio</translation>
    </message>
    <message>
        <source>Empty cell</source>
        <translation>Casilla vacía</translation>
    </message>
    <message>
        <source>Tile %1, belongs in row %2, column %3</source>
        <translation>Pieza %1, va en la fila %2, columna %3</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>From folder</source>
        <translation>De la carpeta</translation>
    </message>
    <message>
        <source>From Zip archive</source>
        <translation>Del archivo Zip</translation>
    </message>
    <message>
        <source>Make &amp;gift</source>
        <translation>Crear &amp;regalo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Jumble</source>
        <translation>&amp;Mezclar</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Cuadrícula</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>&amp;Show solution</source>
        <translation>&amp;Ver solución</translation>
    </message>
    <message>
        <source>Sol&amp;ve for me</source>
        <translation>&amp;Resolver por mí</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Tabla de puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
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
        <translation>Intercambio de piezas</translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Puzle deslizante</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Re&amp;start</source>
        <translation>&amp;Empezar de nuevo</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>Barra de es&amp;tado</translation>
    </message>
    <message>
        <source>Tile &amp;numbers</source>
        <translation>&amp;Números de las piezas</translation>
    </message>
    <message>
        <source>Resume &amp;last puzzle</source>
        <translation>Continuar el ú&amp;ltimo puzle</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>Peek</source>
        <translation>Echar un vistazo</translation>
    </message>
    <message>
        <source>&amp;Animate moves</source>
        <translation>&amp;Animar movimientos</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
</context>
<context>
    <name>CongratulationsDialog</name>
    <message>
        <source>Congratulations you have achieved a place on the scoreboard. Please enter your name :</source>
        <translation>¡Enhorabuena! Ha conseguido un puesto en la tabla de puntuaciones. Escriba su nombre:</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>Puzzle difficulty : %1 x %1 (%2)</source>
        <translation>Dificultad del puzle: %1 x %1 (%2)</translation>
    </message>
    <message>
        <source>Time taken : %1</source>
        <translation>Tiempo empleado: %1</translation>
    </message>
    <message>
        <source>Moves made : %1</source>
        <translation>Jugadas hechas: %1</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jugador 1</translation>
    </message>
</context>
<context>
    <name>EntryProblem</name>
    <message>
        <source>Couldnt create image buffer</source>
        <translation>No se pudo crear el búfer de imagen</translation>
    </message>
    <message>
        <source>Buffer Error</source>
        <translation>Error de búfer</translation>
    </message>
    <message>
        <source>Cant Create Picture</source>
        <translation>No se puede crear la imagen</translation>
    </message>
</context>
<context>
    <name>GameStatusBar</name>
    <message>
        <source>Moves: %1</source>
        <translation>Jugadas: %1</translation>
    </message>
    <message>
        <source>%1 of %2 in place</source>
        <translation>%1 de %2 bien</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Pistas: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>Cargando la imagen...</translation>
    </message>
</context>
<context>
    <name>GiftDialog</name>
    <message>
        <source>Tile Swap</source>
        <translation>Intercambio de piezas</translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Puzle deslizante</translation>
    </message>
    <message>
        <source>Make gift</source>
        <translation>Crear regalo</translation>
    </message>
    <message>
        <source>Make Gift puzzle</source>
        <translation>Crear un puzle de regalo</translation>
    </message>
    <message>
        <source>This will make a customized gift puzzle from the picture currently loaded into Tilewright for you to share with friends and family.</source>
        <translation>Se creará un puzle de regalo personalizado con la imagen cargada en Tilewright, para compartirlo con amigos y familia.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Tilewright Gift</source>
        <translation>Regalo de Tilewright</translation>
    </message>
    <message>
        <source>There is no picture to make a gift of.</source>
        <translation>No hay ninguna imagen con la que crear un regalo.</translation>
    </message>
    <message>
        <source>Save gift</source>
        <translation>Guardar regalo</translation>
    </message>
    <message>
        <source>The gift could not be made.

</source>
        <translation>No se pudo crear el regalo.

</translation>
    </message>
</context>
<context>
    <name>GiftFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>The game cannot read its own program file %1.</source>
        <translation>El juego no puede leer su propio archivo de programa %1.</translation>
    </message>
    <message>
        <source>%1 is the game itself: a gift cannot replace it.</source>
        <translation>%1 es el propio juego: un regalo no puede sustituirlo.</translation>
    </message>
</context>
<context>
    <name>HyperlinkLabel</name>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>No se puede abrir el enlace:

</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>El sistema operativo se ha quedado
sin memoria o sin recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>No se encontró el archivo indicado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>No se encontró la ruta indicada.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>El sistema operativo denegó
el acceso al archivo indicado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>No había memoria suficiente para completar la operación.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>El archivo .EXE no es válido
(.EXE no Win32 o error en la imagen .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Se produjo una infracción de uso compartido. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>La asociación del nombre de archivo
está incompleta o no es válida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transacción DDE no se pudo
completar porque la solicitud agotó el tiempo de espera.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transacción DDE falló.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transacción DDE no se pudo
completar porque se estaban procesando
otras transacciones DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>No hay ninguna aplicación asociada
con la extensión de archivo indicada.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se encontró la biblioteca de vínculos dinámicos indicada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Se produjo un error desconocido (%1).</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Puzzle board</source>
        <translation>Tablero del puzle</translation>
    </message>
    <message>
        <source>The jumbled picture&apos;s tiles. Click two tiles to swap them, or a tile in the hole&apos;s row or column to slide it. Keys: in the slider the arrows slide a tile into the hole; the arrows, or Shift and the arrows in the slider, move the focus cell, and Enter acts on it as a click.</source>
        <translation>Las piezas de la imagen mezclada. Haga clic en dos piezas para intercambiarlas, o en una pieza de la fila o la columna del hueco para deslizarla. Teclas: en el puzle deslizante, las flechas deslizan una pieza hacia el hueco; las flechas, o Mayús y las flechas en el deslizante, mueven la casilla con el foco, e Intro actúa sobre ella como un clic.</translation>
    </message>
    <message>
        <source>Your settings and the unfinished puzzle cannot be saved:
%1</source>
        <translation>No se pueden guardar sus ajustes ni el puzle sin terminar:
%1</translation>
    </message>
    <message>
        <source>Your settings cannot be saved:
%1</source>
        <translation>No se pueden guardar sus ajustes:
%1</translation>
    </message>
    <message>
        <source>There is only 1 picture in this zip file!</source>
        <translation>¡Este archivo Zip solo contiene una imagen!</translation>
    </message>
    <message numerus="yes">
        <source>Solved with %n hint(s). Games with hints do not go on the scoreboard.</source>
        <translation>
            <numerusform>Resuelto con %n pista. Las partidas con pistas no entran en la tabla de puntuaciones.</numerusform>
            <numerusform>Resuelto con %n pistas. Las partidas con pistas no entran en la tabla de puntuaciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>The help page is missing:
%1

It was not installed with the game.</source>
        <translation>Falta la página de ayuda:
%1

No se instaló con el juego.</translation>
    </message>
    <message>
        <source>There is no unfinished puzzle to resume.</source>
        <translation>No hay ningún puzle sin terminar que continuar.</translation>
    </message>
    <message>
        <source>The picture of the unfinished puzzle can no longer be loaded:
%1

%2
The puzzle is no longer kept.</source>
        <translation>Ya no se puede cargar la imagen del puzle sin terminar:
%1

%2
El puzle ya no se conserva.</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>New puzzle!</source>
        <translation>¡Nuevo puzle!</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Jumble!</source>
        <translation>¡Mezclar!</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Ver solución</translation>
    </message>
    <message>
        <source>Solve for me!</source>
        <translation>¡Resolver por mí!</translation>
    </message>
    <message>
        <source>Puzzle difficulty</source>
        <translation>Dificultad del puzle</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>From this Zip</source>
        <translation>De este archivo Zip</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Más botones</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Grid colour</source>
        <translation>Color de la cuadrícula</translation>
    </message>
    <message>
        <source>Selection colour</source>
        <translation>Color de la selección</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Puzzle size</source>
        <translation>Tamaño del puzle</translation>
    </message>
    <message>
        <source>Puzzle mode</source>
        <translation>Modo del puzle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>OpenPictureDialog</name>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the next image</source>
        <translation>No se pudo seleccionar la imagen siguiente</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the previous image</source>
        <translation>No se pudo seleccionar la imagen anterior</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>PictureFormats</name>
    <message>
        <source>Supported files (%1)</source>
        <translation>Archivos compatibles (%1)</translation>
    </message>
</context>
<context>
    <name>PictureProblem</name>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>Its format is not one the game reads.</source>
        <translation>Su formato no es uno de los que lee el juego.</translation>
    </message>
    <message>
        <source>The picture is damaged.</source>
        <translation>La imagen está dañada.</translation>
    </message>
    <message>
        <source>At %1 the file is too large to show.</source>
        <translation>Con %1, el archivo es demasiado grande para mostrarlo.</translation>
    </message>
    <message>
        <source>At %1 x %2 pixels the picture is too large to show.</source>
        <translation>Con %1 x %2 píxeles, la imagen es demasiado grande para mostrarla.</translation>
    </message>
    <message>
        <source>The archive holds no picture the game reads.</source>
        <translation>El archivo no contiene ninguna imagen que el juego pueda leer.</translation>
    </message>
    <message>
        <source>The picture cannot be shown:
%1

%2
The built-in picture is shown instead.</source>
        <translation>No se puede mostrar la imagen:
%1

%2
En su lugar se muestra la imagen incorporada.</translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>Otro programa está usando %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
</context>
<context>
    <name>PuzzleApp</name>
    <message>
        <source>A picture puzzle: put a jumbled picture back together by swapping or sliding its tiles.</source>
        <translation>Un puzle de imágenes: recomponga una imagen mezclada intercambiando o deslizando sus piezas.</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>imagen</translation>
    </message>
    <message>
        <source>A picture file or a ZIP archive of pictures to start on.</source>
        <translation>Un archivo de imagen o un archivo ZIP de imágenes con el que empezar.</translation>
    </message>
    <message>
        <source>[picture]</source>
        <translation>[imagen]</translation>
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
        <translation>Novato</translation>
    </message>
    <message>
        <source>Amateur</source>
        <translation>Aficionado</translation>
    </message>
    <message>
        <source>Seasoned</source>
        <translation>Veterano</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Pro</source>
        <translation>Profesional</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Tile swap</source>
        <translation>Intercambio de piezas</translation>
    </message>
    <message>
        <source>Slider scores &gt;&gt;&gt;</source>
        <translation>Puntuaciones del deslizante &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Reset scores</source>
        <translation>Reiniciar puntuaciones</translation>
    </message>
    <message>
        <source>Scoreboards</source>
        <translation>Tablas de puntuaciones</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Tile Swap scores &gt;&gt;&gt;</source>
        <translation>Puntuaciones del intercambio &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <translation>%1 x %1</translation>
    </message>
    <message>
        <source>Tile Swap</source>
        <translation>Intercambio de piezas</translation>
    </message>
    <message>
        <source>Slider Puzzle</source>
        <translation>Puzle deslizante</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Seguro que quiere reiniciar las puntuaciones?</translation>
    </message>
</context>
<context>
    <name>SolutionDialog</name>
    <message>
        <source>Solution</source>
        <translation>Solución</translation>
    </message>
</context>
</TS>
