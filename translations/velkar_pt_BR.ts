<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Pictures without a window (no display server needed):</source>
        <translation>Imagens sem janela (não precisa de servidor gráfico):</translation>
    </message>
    <message>
        <source>An interactive 3D model of a folding phone whose lid shows the local time.
Qt&apos;s own options, such as -platform and -display, are accepted too.</source>
        <translation>Um modelo 3D interativo de um celular dobrável cuja tampa mostra a hora local.
As opções próprias do Qt, como -platform e -display, também são aceitas.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <source>Show the version and quit.</source>
        <translation>Mostrar a versão e sair.</translation>
    </message>
    <message>
        <source>Draw one picture into FILE (.png or .jpg; - is PNG on standard output) with no window, and quit.</source>
        <translation>Desenhar uma imagem em ARQUIVO (.png ou .jpg; - é PNG na saída padrão) sem janela, e sair.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>With --output: the time the clocks show (default: now).</source>
        <translation>Com --output: a hora que os relógios mostram (padrão: agora).</translation>
    </message>
    <message>
        <source>With --output: keys pressed first, named as in the controls below.</source>
        <translation>Com --output: teclas pressionadas antes, com os nomes dos controles abaixo.</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>TECLAS</translation>
    </message>
    <message>
        <source>With --output: the picture&apos;s size in pixels (default: 500).</source>
        <translation>Com --output: o tamanho da imagem em pixels (padrão: 500).</translation>
    </message>
    <message>
        <source>With --output: the same as the key Q.</source>
        <translation>Com --output: o mesmo que a tecla Q.</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>IMAGEM</translation>
    </message>
    <message>
        <source>[PICTURE]</source>
        <translation>[IMAGEM]</translation>
    </message>
    <message>
        <source>--time: &quot;%1&quot; is not a time of day (HH:MM or HH:MM:SS, 00:00 to 23:59:59)</source>
        <translation>--time: “%1” não é uma hora do dia (HH:MM ou HH:MM:SS, de 00:00 a 23:59:59)</translation>
    </message>
    <message>
        <source>--size: &quot;%1&quot; is not a size (N or WxH, 1 to %2 pixels a side)</source>
        <translation>--size: “%1” não é um tamanho (N ou WxH, de 1 a %2 pixels por lado)</translation>
    </message>
    <message>
        <source>--output needs a file name (or - for standard output)</source>
        <translation>--output precisa de um nome de arquivo (ou - para a saída padrão)</translation>
    </message>
    <message>
        <source>--output: %1: the name must end in .png, .jpg or .jpeg (or be - for PNG on standard output)</source>
        <translation>--output: %1: o nome deve terminar em .png, .jpg ou .jpeg (ou ser - para PNG na saída padrão)</translation>
    </message>
    <message>
        <source>one PICTURE at most, %1 given: %2</source>
        <translation>no máximo uma IMAGEM, %1 informadas: %2</translation>
    </message>
    <message>
        <source>--%1 works only with --output</source>
        <translation>--%1 só funciona com --output</translation>
    </message>
    <message>
        <source>Try &apos;velkar --help&apos; for more information.</source>
        <translation>Tente “velkar --help” para mais informações.</translation>
    </message>
    <message>
        <source>no OpenGL without a window: %1</source>
        <translation>não há OpenGL sem janela: %1</translation>
    </message>
    <message>
        <source>--size: at most %1 pixels a side here (the OpenGL implementation&apos;s largest frame)</source>
        <translation>--size: aqui no máximo %1 pixels por lado (o maior quadro da implementação OpenGL)</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>saída padrão</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>--keys: no key is called &quot;%1&quot;</source>
        <translation>--keys: nenhuma tecla se chama “%1”</translation>
    </message>
    <message>
        <source>--keys: %1 only works in a window</source>
        <translation>--keys: %1 só funciona em uma janela</translation>
    </message>
    <message>
        <source>The frames of --duration are put in place together once all are written: a run that
fails leaves none of its own behind. Files of an earlier run with more frames are
left as they are; remove them first if the new set must stand alone.
</source>
        <translation>Os quadros de --duration são postos no lugar juntos, quando todos estão gravados: uma
execução que falha não deixa nenhum dos seus. Arquivos de uma execução anterior com
mais quadros ficam como estão; remova-os antes se a nova série tiver de ficar sozinha.
</translation>
    </message>
    <message>
        <source>Neither read nor write the settings: start as the very first time.</source>
        <translation>Não ler nem gravar as configurações: iniciar como na primeira vez.</translation>
    </message>
    <message>
        <source>With --output: what shows around the phone, a colour (#202020, black, ...; default: white) or transparent (PNG only).</source>
        <translation>Com --output: o que aparece em volta do celular, uma cor (#202020, black, ...; padrão: white) ou transparent (só PNG).</translation>
    </message>
    <message>
        <source>With --output: frames of the window over SECONDS from the start, R and F animated as in the window; FILE then holds {frame}, the frame&apos;s number, or is - (the PNGs one after another).</source>
        <translation>Com --output: quadros da janela durante SEGUNDOS desde o início, R e F animados como na janela; ARQUIVO então contém {frame}, o número do quadro, ou é - (os PNGs um após o outro).</translation>
    </message>
    <message>
        <source>With --duration: frames a second, 1 to 240 (default: 30).</source>
        <translation>Com --duration: quadros por segundo, de 1 a 240 (padrão: 30).</translation>
    </message>
    <message>
        <source>The picture for the phone&apos;s main screen, in any format Qt reads (default: the one chosen in the window last, else nqw.bmp in the working directory).</source>
        <translation>A imagem da tela principal do celular, em qualquer formato que o Qt leia (padrão: a última escolhida na janela, senão nqw.bmp no diretório de trabalho).</translation>
    </message>
    <message>
        <source>--background: &quot;%1&quot; is not a colour (#RRGGBB, a name such as black, or transparent)</source>
        <translation>--background: “%1” não é uma cor (#RRGGBB, um nome como black, ou transparent)</translation>
    </message>
    <message>
        <source>--duration: &quot;%1&quot; is not a duration (seconds above 0, at most %2)</source>
        <translation>--duration: “%1” não é uma duração (segundos acima de 0, no máximo %2)</translation>
    </message>
    <message>
        <source>--fps: &quot;%1&quot; is not a frame rate (1 to %2 frames a second)</source>
        <translation>--fps: “%1” não é uma taxa de quadros (de 1 a %2 quadros por segundo)</translation>
    </message>
    <message>
        <source>--duration: the file name must hold {frame}, for the frame&apos;s number, or be - for standard output</source>
        <translation>--duration: o nome do arquivo deve conter {frame}, para o número do quadro, ou ser - para a saída padrão</translation>
    </message>
    <message>
        <source>--output: %1: {frame} numbers the frames of --duration, which is not given</source>
        <translation>--output: %1: {frame} numera os quadros de --duration, que não foi informado</translation>
    </message>
    <message>
        <source>--fps works only with --duration</source>
        <translation>--fps só funciona com --duration</translation>
    </message>
    <message>
        <source>--background transparent: %1: JPEG has no transparency, use .png</source>
        <translation>--background transparent: %1: JPEG não tem transparência, use .png</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>não foi possível codificar a imagem</translation>
    </message>
    <message>
        <source>EGL has no surfaceless platform (EGL_MESA_platform_surfaceless)</source>
        <translation>o EGL não tem plataforma sem superfície (EGL_MESA_platform_surfaceless)</translation>
    </message>
    <message>
        <source>EGL&apos;s surfaceless platform did not start</source>
        <translation>a plataforma sem superfície do EGL não iniciou</translation>
    </message>
    <message>
        <source>EGL offers no desktop OpenGL</source>
        <translation>o EGL não oferece OpenGL de desktop</translation>
    </message>
    <message>
        <source>EGL made no OpenGL compatibility context</source>
        <translation>o EGL não criou um contexto OpenGL de compatibilidade</translation>
    </message>
    <message>
        <source>the OpenGL context could not be made current without a surface</source>
        <translation>não foi possível tornar o contexto OpenGL atual sem uma superfície</translation>
    </message>
    <message>
        <source>no temporary file could be made beside it</source>
        <translation>não foi possível criar um arquivo temporário ao lado</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>COR</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>SEGUNDOS</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>An interactive 3D model of a folding phone whose lid shows the local time.</source>
        <translation>Um modelo 3D interativo de um celular dobrável cuja tampa mostra a hora local.</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Publicado sob a licença MIT.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the velkar developers</source>
        <translation>Copyright (c) 2026 os desenvolvedores do velkar</translation>
    </message>
    <message>
        <source>The translations are the project&apos;s own work, under the same licence.</source>
        <translation>As traduções são trabalho do próprio projeto, sob a mesma licença.</translation>
    </message>
    <message>
        <source>About Velkar</source>
        <translation>Sobre o Velkar</translation>
    </message>
    <message>
        <source>Open Picture…</source>
        <translation>Abrir imagem…</translation>
    </message>
    <message>
        <source>Save Screenshot</source>
        <translation>Salvar captura de tela</translation>
    </message>
    <message>
        <source>Open Lid</source>
        <translation>Abrir tampa</translation>
    </message>
    <message>
        <source>Close Lid</source>
        <translation>Fechar tampa</translation>
    </message>
    <message>
        <source>Lid One Step Open</source>
        <translation>Abrir tampa um passo</translation>
    </message>
    <message>
        <source>Lid One Step Closed</source>
        <translation>Fechar tampa um passo</translation>
    </message>
    <message>
        <source>Antialiasing</source>
        <translation>Suavização</translation>
    </message>
    <message>
        <source>Reset View</source>
        <translation>Redefinir visualização</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Apresentação de slides</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Open Folder…</source>
        <translation>Abrir pasta…</translation>
    </message>
    <message>
        <source>Next Picture</source>
        <translation>Próxima imagem</translation>
    </message>
    <message>
        <source>Previous Picture</source>
        <translation>Imagem anterior</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 segundos</translation>
    </message>
    <message>
        <source>1 Minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>5 Minutes</source>
        <translation>5 minutos</translation>
    </message>
    <message>
        <source>1 Hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Ordem aleatória</translation>
    </message>
    <message>
        <source>Stay on Top</source>
        <translation>Sempre no topo</translation>
    </message>
    <message>
        <source>Standard Picture</source>
        <translation>Imagem padrão</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Iniciar com a sessão</translation>
    </message>
    <message>
        <source>Hide Title Bar</source>
        <translation>Ocultar barra de título</translation>
    </message>
    <message>
        <source>Move Window</source>
        <translation>Mover janela</translation>
    </message>
    <message>
        <source>Wayland has no way for a program to keep its window above others; your desktop&apos;s own window menu may</source>
        <translation>O Wayland não permite que um programa mantenha a janela acima das outras; talvez o menu de janela do seu ambiente permita</translation>
    </message>
    <message>
        <source>Move Window: the window system does not move windows for programs here; drag the window with Alt or Super held</source>
        <translation>Mover janela: aqui o sistema de janelas não move janelas para os programas; arraste a janela segurando Alt ou Super</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>drag with the mouse</source>
        <translation>arrastar com o mouse</translation>
    </message>
    <message>
        <source>turn the phone</source>
        <translation>girar o celular</translation>
    </message>
    <message>
        <source>mouse wheel, + = -</source>
        <translation>roda do mouse, + = -</translation>
    </message>
    <message>
        <source>zoom in and out</source>
        <translation>aproximar e afastar</translation>
    </message>
    <message>
        <source>Up Down Left Right</source>
        <translation>Up Down Left Right</translation>
    </message>
    <message>
        <source>W A S D</source>
        <translation>W A S D</translation>
    </message>
    <message>
        <source>move it up, left, down, right</source>
        <translation>movê-lo para cima, esquerda, baixo, direita</translation>
    </message>
    <message>
        <source>T / G</source>
        <translation>T / G</translation>
    </message>
    <message>
        <source>open / close the lid by one step</source>
        <translation>abrir / fechar a tampa um passo</translation>
    </message>
    <message>
        <source>R / F</source>
        <translation>R / F</translation>
    </message>
    <message>
        <source>open / close the lid fully (about three seconds)</source>
        <translation>abrir / fechar a tampa toda (cerca de três segundos)</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>antialiasing on or off</source>
        <translation>ativar ou desativar a suavização</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>back to the start-up view</source>
        <translation>voltar à visualização inicial</translation>
    </message>
    <message>
        <source>F12</source>
        <translation>F12</translation>
    </message>
    <message>
        <source>save a screenshot in your Pictures folder</source>
        <translation>salvar uma captura de tela na pasta Imagens</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>open a picture for the main screen</source>
        <translation>abrir uma imagem para a tela principal</translation>
    </message>
    <message>
        <source>drop an image file</source>
        <translation>soltar um arquivo de imagem</translation>
    </message>
    <message>
        <source>show it on the main screen</source>
        <translation>mostrá-lo na tela principal</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>full screen on or off</source>
        <translation>ativar ou desativar a tela cheia</translation>
    </message>
    <message>
        <source>F1 / H</source>
        <translation>F1 / H</translation>
    </message>
    <message>
        <source>show or hide this list on the window</source>
        <translation>mostrar ou ocultar esta lista</translation>
    </message>
    <message>
        <source>a menu of every command</source>
        <translation>um menu com todos os comandos</translation>
    </message>
    <message>
        <source>Escape, Ctrl+Q</source>
        <translation>Esc, Ctrl+Q</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>sair</translation>
    </message>
    <message>
        <source>Controls:</source>
        <translation>Controles:</translation>
    </message>
    <message>
        <source>right-click, Shift+F10, Menu</source>
        <translation>clique direito, Shift+F10, Menu</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>copy the frame, as F12 would save it</source>
        <translation>copiar o quadro, como F12 o salvaria</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>show the pictures of a folder in turn</source>
        <translation>mostrar as imagens de uma pasta, uma a uma</translation>
    </message>
    <message>
        <source>PageDown / PageUp</source>
        <translation>PageDown / PageUp</translation>
    </message>
    <message>
        <source>the next / previous picture of the folder</source>
        <translation>imagem seguinte / anterior da pasta</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>keep the window above others, or not</source>
        <translation>manter a janela acima das outras, ou não</translation>
    </message>
    <message>
        <source>menu only</source>
        <translation>só no menu</translation>
    </message>
    <message>
        <source>Standard Picture, Start at Login,</source>
        <translation>Imagem padrão, Iniciar com a sessão,</translation>
    </message>
    <message>
        <source>Hide Title Bar, Move Window</source>
        <translation>Ocultar barra de título, Mover janela</translation>
    </message>
</context>
<context>
    <name>ControlsCard</name>
    <message>
        <source>Velkar %1</source>
        <translation>Velkar %1</translation>
    </message>
    <message>
        <source>Any other key or a click hides this list.</source>
        <translation>Qualquer outra tecla ou um clique oculta esta lista.</translation>
    </message>
</context>
<context>
    <name>Desk</name>
    <message>
        <source>its folder cannot be made</source>
        <translation>não é possível criar a pasta dele</translation>
    </message>
    <message>
        <source>The folding phone&apos;s clocks, started at login</source>
        <translation>Os relógios do celular dobrável, iniciados com a sessão</translation>
    </message>
</context>
<context>
    <name>OpenPicture</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Imagens (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Abrir imagem</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>no screen picture: &quot;%1&quot; in %2: %3</source>
        <translation>sem imagem para a tela: “%1” em %2: %3</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>é um diretório</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>é um pipe nomeado, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>é um socket, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is a character device, not a regular file</source>
        <translation>é um dispositivo de caractere, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is a block device, not a regular file</source>
        <translation>é um dispositivo de bloco, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>arquivo inexistente</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>sem permissão para lê-lo</translation>
    </message>
    <message>
        <source>it is a loop of symbolic links</source>
        <translation>é um laço de links simbólicos</translation>
    </message>
    <message>
        <source>not an image this program can read</source>
        <translation>não é uma imagem que este programa consiga ler</translation>
    </message>
    <message>
        <source>its header claims %1x%2 pixels, more than %3x%3</source>
        <translation>seu cabeçalho indica %1x%2 pixels, mais que %3x%3</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>o arquivo está truncado</translation>
    </message>
    <message>
        <source>it is %1 MiB, more than the %2 MiB a picture of at most %3x%3 pixels needs</source>
        <translation>tem %1 MiB, mais que os %2 MiB de que precisa uma imagem de no máximo %3x%3 pixels</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8, and it cannot be used</source>
        <translation>o nome não é UTF-8 válido, e ele não pode ser usado</translation>
    </message>
</context>
<context>
    <name>Scene3D</name>
    <message>
        <source>Right-click for the menu of commands, F1 for the list of controls</source>
        <translation>Clique direito para o menu de comandos, F1 para a lista de controles</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>lid closed</source>
        <translation>tampa fechada</translation>
    </message>
    <message>
        <source>lid open</source>
        <translation>tampa aberta</translation>
    </message>
    <message>
        <source>lid partly open</source>
        <translation>tampa entreaberta</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>sem imagem</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
</context>
<context>
    <name>Screenshot</name>
    <message>
        <source>screenshot not saved: %1: %2</source>
        <translation>captura de tela não salva: %1: %2</translation>
    </message>
    <message>
        <source>saved %1</source>
        <translation>salva: %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>no permission to create a folder in %1</source>
        <translation>sem permissão para criar uma pasta em %1</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>não é possível criar a pasta</translation>
    </message>
    <message>
        <source>there is no Pictures folder</source>
        <translation>não há pasta Imagens</translation>
    </message>
    <message>
        <source>%1 names of that second are taken</source>
        <translation>os %1 nomes desse segundo já estão em uso</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1 “%2” não é um número de %3 a %4</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is neither true nor false</source>
        <translation>%1 “%2” não é nem true nem false</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is none of standard, file, folder</source>
        <translation>%1 “%2” não é nenhum de standard, file, folder</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is gone</source>
        <translation>o arquivo “%1” não existe mais</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is gone</source>
        <translation>a pasta “%1” não existe mais</translation>
    </message>
    <message>
        <source>%1; starting as the first time, and leaving the file as it is</source>
        <translation>%1; iniciando como na primeira vez e deixando o arquivo como está</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>não é possível lê-lo: %1</translation>
    </message>
    <message>
        <source>it cannot be copied to be read: %1</source>
        <translation>não é possível copiá-lo para leitura: %1</translation>
    </message>
    <message>
        <source>it is not an INI file</source>
        <translation>não é um arquivo INI</translation>
    </message>
    <message>
        <source>%1; using the defaults for those</source>
        <translation>%1; usando os valores padrão para esses</translation>
    </message>
    <message>
        <source>settings %1: %2</source>
        <translation>configurações %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>não é possível gravá-lo</translation>
    </message>
    <message>
        <source>settings not saved: %1: %2</source>
        <translation>configurações não salvas: %1: %2</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between two problems</comment>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message>
        <source>no picture in &quot;%1&quot; can be read; the standard picture is shown</source>
        <translation>nenhuma imagem em “%1” pode ser lida; a imagem padrão é mostrada</translation>
    </message>
    <message>
        <source>no picture in &quot;%1&quot; can be read: %2; the standard picture is shown</source>
        <translation>nenhuma imagem em “%1” pode ser lida: %2; a imagem padrão é mostrada</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>pasta inexistente</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>sem permissão para lê-la</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
</context>
</TS>
