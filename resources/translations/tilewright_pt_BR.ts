<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
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
        <translation>No lugar</translation>
    </message>
    <message>
        <source>Empty cell</source>
        <translation>Casa vazia</translation>
    </message>
    <message>
        <source>Tile %1, belongs in row %2, column %3</source>
        <translation>Peça %1, pertence à linha %2, coluna %3</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>From folder</source>
        <translation>Da pasta</translation>
    </message>
    <message>
        <source>From Zip archive</source>
        <translation>Do arquivo Zip</translation>
    </message>
    <message>
        <source>Make &amp;gift</source>
        <translation>Criar &amp;presente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Jumble</source>
        <translation>&amp;Embaralhar</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Grade</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>&amp;Show solution</source>
        <translation>Mostrar a &amp;solução</translation>
    </message>
    <message>
        <source>Sol&amp;ve for me</source>
        <translation>Resol&amp;ver para mim</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Placar</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;ferramentas</translation>
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
        <translation>Troca de peças</translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Quebra-cabeça deslizante</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Re&amp;start</source>
        <translation>Re&amp;começar</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>Barra de s&amp;tatus</translation>
    </message>
    <message>
        <source>Tile &amp;numbers</source>
        <translation>&amp;Números das peças</translation>
    </message>
    <message>
        <source>Resume &amp;last puzzle</source>
        <translation>Retomar o ú&amp;ltimo quebra-cabeça</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>D&amp;ica</translation>
    </message>
    <message>
        <source>Peek</source>
        <translation>Espiar</translation>
    </message>
    <message>
        <source>&amp;Animate moves</source>
        <translation>&amp;Animar movimentos</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Tela &amp;cheia</translation>
    </message>
</context>
<context>
    <name>CongratulationsDialog</name>
    <message>
        <source>Congratulations you have achieved a place on the scoreboard. Please enter your name :</source>
        <translation>Parabéns, você conquistou um lugar no placar. Digite seu nome:</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Parabéns!</translation>
    </message>
    <message>
        <source>Puzzle difficulty : %1 x %1 (%2)</source>
        <translation>Dificuldade: %1 x %1 (%2)</translation>
    </message>
    <message>
        <source>Time taken : %1</source>
        <translation>Tempo gasto: %1</translation>
    </message>
    <message>
        <source>Moves made : %1</source>
        <translation>Jogadas feitas: %1</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jogador 1</translation>
    </message>
</context>
<context>
    <name>EntryProblem</name>
    <message>
        <source>Couldnt create image buffer</source>
        <translation>Não foi possível criar o buffer de imagem</translation>
    </message>
    <message>
        <source>Buffer Error</source>
        <translation>Erro de buffer</translation>
    </message>
    <message>
        <source>Cant Create Picture</source>
        <translation>Não é possível criar a imagem</translation>
    </message>
</context>
<context>
    <name>GameStatusBar</name>
    <message>
        <source>Moves: %1</source>
        <translation>Jogadas: %1</translation>
    </message>
    <message>
        <source>%1 of %2 in place</source>
        <translation>%1/%2 no lugar</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Dicas: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>Carregando imagem...</translation>
    </message>
</context>
<context>
    <name>GiftDialog</name>
    <message>
        <source>Tile Swap</source>
        <translation>Troca de peças</translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Quebra-cabeça deslizante</translation>
    </message>
    <message>
        <source>Make gift</source>
        <translation>Criar presente</translation>
    </message>
    <message>
        <source>Make Gift puzzle</source>
        <translation>Criar quebra-cabeça de presente</translation>
    </message>
    <message>
        <source>This will make a customized gift puzzle from the picture currently loaded into Tilewright for you to share with friends and family.</source>
        <translation>Isto criará um quebra-cabeça de presente personalizado com a imagem carregada no Tilewright, para você compartilhar com amigos e família.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Tilewright Gift</source>
        <translation>Presente do Tilewright</translation>
    </message>
    <message>
        <source>There is no picture to make a gift of.</source>
        <translation>Não há imagem para dar de presente.</translation>
    </message>
    <message>
        <source>Save gift</source>
        <translation>Salvar presente</translation>
    </message>
    <message>
        <source>The gift could not be made.

</source>
        <translation>Não foi possível criar o presente.

</translation>
    </message>
</context>
<context>
    <name>GiftFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>The game cannot read its own program file %1.</source>
        <translation>O jogo não consegue ler o próprio arquivo de programa %1.</translation>
    </message>
    <message>
        <source>%1 is the game itself: a gift cannot replace it.</source>
        <translation>%1 é o próprio jogo: um presente não pode substituí-lo.</translation>
    </message>
</context>
<context>
    <name>HyperlinkLabel</name>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Não é possível abrir o link:

</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>O sistema operacional está sem
memória ou recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>O arquivo especificado não foi encontrado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>O caminho especificado não foi encontrado.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>O sistema operacional negou
o acesso ao arquivo especificado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Não havia memória suficiente para concluir a operação.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>O arquivo .EXE é inválido
(.EXE não Win32 ou erro na imagem .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Ocorreu uma violação de compartilhamento. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>A associação do nome de arquivo está
incompleta ou é inválida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Não foi possível concluir a transação DDE
porque o tempo da solicitação se esgotou.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>A transação DDE falhou.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Não foi possível concluir a transação DDE
porque outras transações DDE
estavam sendo processadas.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Não há nenhum aplicativo associado
à extensão de nome de arquivo indicada.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>A biblioteca de vínculo dinâmico especificada não foi encontrada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Ocorreu um erro desconhecido (%1).</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Puzzle board</source>
        <translation>Tabuleiro do quebra-cabeça</translation>
    </message>
    <message>
        <source>The jumbled picture&apos;s tiles. Click two tiles to swap them, or a tile in the hole&apos;s row or column to slide it. Keys: in the slider the arrows slide a tile into the hole; the arrows, or Shift and the arrows in the slider, move the focus cell, and Enter acts on it as a click.</source>
        <translation>As peças da imagem embaralhada. Clique em duas peças para trocá-las, ou em uma peça na linha ou coluna do buraco para deslizá-la. Teclas: no quebra-cabeça deslizante, as setas deslizam uma peça para o buraco; as setas, ou Shift e as setas no deslizante, movem a casa de foco, e Enter age sobre ela como um clique.</translation>
    </message>
    <message>
        <source>Your settings and the unfinished puzzle cannot be saved:
%1</source>
        <translation>Não é possível salvar suas configurações e o quebra-cabeça inacabado:
%1</translation>
    </message>
    <message>
        <source>Your settings cannot be saved:
%1</source>
        <translation>Não é possível salvar suas configurações:
%1</translation>
    </message>
    <message>
        <source>There is only 1 picture in this zip file!</source>
        <translation>Este arquivo Zip tem só uma imagem!</translation>
    </message>
    <message numerus="yes">
        <source>Solved with %n hint(s). Games with hints do not go on the scoreboard.</source>
        <translation>
            <numerusform>Resolvido com %n dica. Partidas com dicas não entram no placar.</numerusform>
            <numerusform>Resolvido com %n dicas. Partidas com dicas não entram no placar.</numerusform>
        </translation>
    </message>
    <message>
        <source>The help page is missing:
%1

It was not installed with the game.</source>
        <translation>A página de ajuda não existe:
%1

Ela não foi instalada com o jogo.</translation>
    </message>
    <message>
        <source>There is no unfinished puzzle to resume.</source>
        <translation>Não há quebra-cabeça inacabado para retomar.</translation>
    </message>
    <message>
        <source>The picture of the unfinished puzzle can no longer be loaded:
%1

%2
The puzzle is no longer kept.</source>
        <translation>A imagem do quebra-cabeça inacabado não pode mais ser carregada:
%1

%2
O quebra-cabeça não é mais guardado.</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>New puzzle!</source>
        <translation>Novo quebra-cabeça!</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Abrir imagem</translation>
    </message>
    <message>
        <source>Jumble!</source>
        <translation>Embaralhar!</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Mostrar a solução</translation>
    </message>
    <message>
        <source>Solve for me!</source>
        <translation>Resolver para mim!</translation>
    </message>
    <message>
        <source>Puzzle difficulty</source>
        <translation>Dificuldade</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>From this Zip</source>
        <translation>Deste arquivo Zip</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Mais botões</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>Grid colour</source>
        <translation>Cor da grade</translation>
    </message>
    <message>
        <source>Selection colour</source>
        <translation>Cor da seleção</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Puzzle size</source>
        <translation>Tamanho do quebra-cabeça</translation>
    </message>
    <message>
        <source>Puzzle mode</source>
        <translation>Modo do quebra-cabeça</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
</context>
<context>
    <name>OpenPictureDialog</name>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the next image</source>
        <translation>Não foi possível selecionar a próxima imagem</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the previous image</source>
        <translation>Não foi possível selecionar a imagem anterior</translation>
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
        <translation>Arquivos suportados (%1)</translation>
    </message>
</context>
<context>
    <name>PictureProblem</name>
    <message>
        <source>The file cannot be read.</source>
        <translation>O arquivo não pode ser lido.</translation>
    </message>
    <message>
        <source>Its format is not one the game reads.</source>
        <translation>O jogo não lê esse formato.</translation>
    </message>
    <message>
        <source>The picture is damaged.</source>
        <translation>A imagem está danificada.</translation>
    </message>
    <message>
        <source>At %1 the file is too large to show.</source>
        <translation>Com %1, o arquivo é grande demais para ser mostrado.</translation>
    </message>
    <message>
        <source>At %1 x %2 pixels the picture is too large to show.</source>
        <translation>Com %1 x %2 pixels, a imagem é grande demais para ser mostrada.</translation>
    </message>
    <message>
        <source>The archive holds no picture the game reads.</source>
        <translation>O arquivo compactado não contém nenhuma imagem que o jogo leia.</translation>
    </message>
    <message>
        <source>The picture cannot be shown:
%1

%2
The built-in picture is shown instead.</source>
        <translation>A imagem não pode ser mostrada:
%1

%2
A imagem embutida é mostrada no lugar.</translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 está em uso por outro programa.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 não é um arquivo comum.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Não é possível gravar %1.</translation>
    </message>
</context>
<context>
    <name>PuzzleApp</name>
    <message>
        <source>A picture puzzle: put a jumbled picture back together by swapping or sliding its tiles.</source>
        <translation>Um quebra-cabeça de imagens: reconstrua uma imagem embaralhada trocando ou deslizando suas peças.</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>imagem</translation>
    </message>
    <message>
        <source>A picture file or a ZIP archive of pictures to start on.</source>
        <translation>Um arquivo de imagem ou um arquivo ZIP de imagens para começar.</translation>
    </message>
    <message>
        <source>[picture]</source>
        <translation>[imagem]</translation>
    </message>
</context>
<context>
    <name>ScoreTables</name>
    <message>
        <source>Beginner</source>
        <translation>Iniciante</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Novato</translation>
    </message>
    <message>
        <source>Amateur</source>
        <translation>Amador</translation>
    </message>
    <message>
        <source>Seasoned</source>
        <translation>Experiente</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Especialista</translation>
    </message>
    <message>
        <source>Pro</source>
        <translation>Profissional</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ás</translation>
    </message>
    <message>
        <source>Grandmaster</source>
        <translation>Grão-mestre</translation>
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
        <translation>Dificuldade</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jogadas</translation>
    </message>
    <message>
        <source>Tile swap</source>
        <translation>Troca de peças</translation>
    </message>
    <message>
        <source>Slider scores &gt;&gt;&gt;</source>
        <translation>Placar do deslizante &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Reset scores</source>
        <translation>Zerar placar</translation>
    </message>
    <message>
        <source>Scoreboards</source>
        <translation>Placares</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Tile Swap scores &gt;&gt;&gt;</source>
        <translation>Placar da troca de peças &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <translation>%1 x %1</translation>
    </message>
    <message>
        <source>Tile Swap</source>
        <translation>Troca de peças</translation>
    </message>
    <message>
        <source>Slider Puzzle</source>
        <translation>Quebra-cabeça deslizante</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Tem certeza de que deseja zerar o placar?</translation>
    </message>
</context>
<context>
    <name>SolutionDialog</name>
    <message>
        <source>Solution</source>
        <translation>Solução</translation>
    </message>
</context>
</TS>
