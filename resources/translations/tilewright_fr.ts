<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_GB">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>En place</translation>
    </message>
    <message>
        <source>Empty cell</source>
        <translation>Case vide</translation>
    </message>
    <message>
        <source>Tile %1, belongs in row %2, column %3</source>
        <translation>Pièce %1, va en ligne %2, colonne %3</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>From folder</source>
        <translation>Depuis le dossier</translation>
    </message>
    <message>
        <source>From Zip archive</source>
        <translation>Depuis l&apos;archive Zip</translation>
    </message>
    <message>
        <source>Make &amp;gift</source>
        <translation>Créer un &amp;cadeau</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Jumble</source>
        <translation>&amp;Mélanger</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Grille</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>&amp;Show solution</source>
        <translation>Afficher la &amp;solution</translation>
    </message>
    <message>
        <source>Sol&amp;ve for me</source>
        <translation>Résoudre à ma &amp;place</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Tableau des scores</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barre d&apos;&amp;outils</translation>
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
        <translation>Échange de pièces</translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Taquin</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Re&amp;start</source>
        <translation>Re&amp;commencer</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Tile &amp;numbers</source>
        <translation>&amp;Numéros des pièces</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Peek</source>
        <translation>Coup d&apos;œil</translation>
    </message>
    <message>
        <source>Resume &amp;last puzzle</source>
        <translation>Reprendre le &amp;dernier puzzle</translation>
    </message>
    <message>
        <source>&amp;Animate moves</source>
        <translation>&amp;Animer les coups</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Plein &amp;écran</translation>
    </message>
</context>
<context>
    <name>CongratulationsDialog</name>
    <message>
        <source>Congratulations you have achieved a place on the scoreboard. Please enter your name :</source>
        <translation>Félicitations, vous avez obtenu une place au tableau des scores. Veuillez saisir votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations&#x202f;!</translation>
    </message>
    <message>
        <source>Puzzle difficulty : %1 x %1 (%2)</source>
        <translation>Difficulté du puzzle&#xa0;: %1 x %1 (%2)</translation>
    </message>
    <message>
        <source>Time taken : %1</source>
        <translation>Temps mis&#xa0;: %1</translation>
    </message>
    <message>
        <source>Moves made : %1</source>
        <translation>Coups joués&#xa0;: %1</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Joueur 1</translation>
    </message>
</context>
<context>
    <name>EntryProblem</name>
    <message>
        <source>Couldnt create image buffer</source>
        <translation>Impossible de créer le tampon d&apos;image</translation>
    </message>
    <message>
        <source>Buffer Error</source>
        <translation>Erreur de tampon</translation>
    </message>
    <message>
        <source>Cant Create Picture</source>
        <translation>Impossible de créer l&apos;image</translation>
    </message>
</context>
<context>
    <name>GameStatusBar</name>
    <message>
        <source>Moves: %1</source>
        <translation>Coups&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Temps&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 of %2 in place</source>
        <translation>%1 sur %2 en place</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Indices&#xa0;: %1</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>Chargement de l&apos;image...</translation>
    </message>
</context>
<context>
    <name>GiftDialog</name>
    <message>
        <source>Tile Swap</source>
        <translation>Échange de pièces</translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Taquin</translation>
    </message>
    <message>
        <source>Make gift</source>
        <translation>Créer le cadeau</translation>
    </message>
    <message>
        <source>Make Gift puzzle</source>
        <translation>Créer un puzzle cadeau</translation>
    </message>
    <message>
        <source>This will make a customized gift puzzle from the picture currently loaded into Tilewright for you to share with friends and family.</source>
        <translation>Ceci fera de l&apos;image chargée dans Tilewright un puzzle cadeau personnalisé, à partager avec vos amis et votre famille.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>There is no picture to make a gift of.</source>
        <translation>Aucune image à offrir en cadeau.</translation>
    </message>
    <message>
        <source>Save gift</source>
        <translation>Enregistrer le cadeau</translation>
    </message>
    <message>
        <source>The gift could not be made.

</source>
        <translation>Le cadeau n&apos;a pas pu être créé.

</translation>
    </message>
    <message>
        <source>Tilewright Gift</source>
        <translation>Cadeau Tilewright</translation>
    </message>
</context>
<context>
    <name>GiftFile</name>
    <message>
        <source>The game cannot read its own program file %1.</source>
        <translation>Le jeu ne peut pas lire son propre fichier programme %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is the game itself: a gift cannot replace it.</source>
        <translation>%1 est le jeu lui-même&#xa0;: un cadeau ne peut pas le remplacer.</translation>
    </message>
</context>
<context>
    <name>HyperlinkLabel</name>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Impossible d&apos;ouvrir le lien&#xa0;:

</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Le système d&apos;exploitation manque
de mémoire ou de ressources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d&apos;exploitation a refusé
l&apos;accès au fichier indiqué.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>La mémoire était insuffisante pour terminer l&apos;opération.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Le fichier .EXE n&apos;est pas valide
(.EXE non Win32 ou erreur dans l&apos;image .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Une violation de partage s&apos;est produite. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;association du nom de fichier est
incomplète ou non valide.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n&apos;a pas pu
être terminée car la requête a expiré.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n&apos;a pas pu
être terminée car d&apos;autres transactions DDE
étaient en cours.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucune application n&apos;est associée
à l&apos;extension de fichier indiquée.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque de liens dynamiques indiquée est introuvable.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Une erreur inconnue (%1) s&apos;est produite.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Puzzle board</source>
        <translation>Plateau du puzzle</translation>
    </message>
    <message>
        <source>There is only 1 picture in this zip file!</source>
        <translation>Cette archive Zip ne contient qu&apos;une image&#x202f;!</translation>
    </message>
    <message>
        <source>There is no unfinished puzzle to resume.</source>
        <translation>Il n&apos;y a pas de puzzle inachevé à reprendre.</translation>
    </message>
    <message>
        <source>Your settings and the unfinished puzzle cannot be saved:
%1</source>
        <translation>Vos réglages et le puzzle inachevé ne peuvent pas être enregistrés&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Your settings cannot be saved:
%1</source>
        <translation>Vos réglages ne peuvent pas être enregistrés&#xa0;:
%1</translation>
    </message>
    <message numerus="yes">
        <source>Solved with %n hint(s). Games with hints do not go on the scoreboard.</source>
        <translation>
            <numerusform>Résolu avec %n indice. Les parties jouées avec des indices n&apos;entrent pas au tableau des scores.</numerusform>
            <numerusform>Résolu avec %n indices. Les parties jouées avec des indices n&apos;entrent pas au tableau des scores.</numerusform>
        </translation>
    </message>
    <message>
        <source>The jumbled picture&apos;s tiles. Click two tiles to swap them, or a tile in the hole&apos;s row or column to slide it. Keys: in the slider the arrows slide a tile into the hole; the arrows, or Shift and the arrows in the slider, move the focus cell, and Enter acts on it as a click.</source>
        <translation>Les pièces de l&apos;image mélangée. Cliquez sur deux pièces pour les échanger, ou sur une pièce de la ligne ou de la colonne du trou pour la faire glisser. Touches&#xa0;: au taquin, les flèches font glisser une pièce dans le trou&#x202f;; les flèches, au taquin Maj et les flèches, déplacent la case de focus, et Entrée agit sur elle comme un clic.</translation>
    </message>
    <message>
        <source>The picture of the unfinished puzzle can no longer be loaded:
%1

%2
The puzzle is no longer kept.</source>
        <translation>L&apos;image du puzzle inachevé ne peut plus être chargée&#xa0;:
%1

%2
Ce puzzle n&apos;est plus conservé.</translation>
    </message>
    <message>
        <source>The help page is missing:
%1

It was not installed with the game.</source>
        <translation>La page d&apos;aide est introuvable&#xa0;:
%1

Elle n&apos;a pas été installée avec le jeu.</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>New puzzle!</source>
        <translation>Nouveau puzzle&#x202f;!</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Jumble!</source>
        <translation>Mélanger&#x202f;!</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Afficher la solution</translation>
    </message>
    <message>
        <source>Solve for me!</source>
        <translation>Résoudre à ma place&#x202f;!</translation>
    </message>
    <message>
        <source>Puzzle difficulty</source>
        <translation>Difficulté du puzzle</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>From this Zip</source>
        <translation>Depuis cette archive Zip</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Autres boutons</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Grid colour</source>
        <translation>Couleur de la grille</translation>
    </message>
    <message>
        <source>Selection colour</source>
        <translation>Couleur de la sélection</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Puzzle size</source>
        <translation>Taille du puzzle</translation>
    </message>
    <message>
        <source>Puzzle mode</source>
        <translation>Mode du puzzle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
</context>
<context>
    <name>OpenPictureDialog</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the next image</source>
        <translation>Impossible de sélectionner l&apos;image suivante</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the previous image</source>
        <translation>Impossible de sélectionner l&apos;image précédente</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>PictureFormats</name>
    <message>
        <source>Supported files (%1)</source>
        <translation>Fichiers pris en charge (%1)</translation>
    </message>
</context>
<context>
    <name>PictureProblem</name>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Its format is not one the game reads.</source>
        <translation>Son format n&apos;est pas de ceux que le jeu lit.</translation>
    </message>
    <message>
        <source>The picture is damaged.</source>
        <translation>L&apos;image est endommagée.</translation>
    </message>
    <message>
        <source>At %1 the file is too large to show.</source>
        <translation>Avec %1, le fichier est trop grand pour être affiché.</translation>
    </message>
    <message>
        <source>At %1 x %2 pixels the picture is too large to show.</source>
        <translation>Avec %1 x %2 pixels, l&apos;image est trop grande pour être affichée.</translation>
    </message>
    <message>
        <source>The archive holds no picture the game reads.</source>
        <translation>L&apos;archive ne contient aucune image que le jeu sait lire.</translation>
    </message>
    <message>
        <source>The picture cannot be shown:
%1

%2
The built-in picture is shown instead.</source>
        <translation>L&apos;image ne peut pas être affichée&#xa0;:
%1

%2
L&apos;image intégrée est affichée à la place.</translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 est utilisé par un autre programme.</translation>
    </message>
</context>
<context>
    <name>PuzzleApp</name>
    <message>
        <source>A picture puzzle: put a jumbled picture back together by swapping or sliding its tiles.</source>
        <translation>Un puzzle d&apos;images&#xa0;: reconstituez une image mélangée en échangeant ou en faisant glisser ses pièces.</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>image</translation>
    </message>
    <message>
        <source>A picture file or a ZIP archive of pictures to start on.</source>
        <translation>Une image ou une archive ZIP d&apos;images sur laquelle commencer.</translation>
    </message>
    <message>
        <source>[picture]</source>
        <translation>[image]</translation>
    </message>
</context>
<context>
    <name>ScoreTables</name>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Novice</translation>
    </message>
    <message>
        <source>Amateur</source>
        <translation>Amateur</translation>
    </message>
    <message>
        <source>Seasoned</source>
        <translation>Confirmé</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Pro</source>
        <translation>Pro</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Grandmaster</source>
        <translation>Grand maître</translation>
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
        <translation>Nom</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Tile swap</source>
        <translation>Échange de pièces</translation>
    </message>
    <message>
        <source>Slider scores &gt;&gt;&gt;</source>
        <translation>Scores du taquin &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Reset scores</source>
        <translation>Réinitialiser les scores</translation>
    </message>
    <message>
        <source>Scoreboards</source>
        <translation>Tableaux des scores</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <translation>%1 x %1</translation>
    </message>
    <message>
        <source>Tile Swap</source>
        <translation>Échange de pièces</translation>
    </message>
    <message>
        <source>Slider Puzzle</source>
        <translation>Taquin</translation>
    </message>
    <message>
        <source>Tile Swap scores &gt;&gt;&gt;</source>
        <translation>Scores de l&apos;échange de pièces &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Voulez-vous vraiment réinitialiser les scores&#x202f;?</translation>
    </message>
</context>
<context>
    <name>SolutionDialog</name>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
</context>
</TS>
