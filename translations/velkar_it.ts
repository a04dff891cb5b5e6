<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CommandLine</name>
    <message>
        <source>Pictures without a window (no display server needed):</source>
        <translation>Immagini senza finestra (non serve un server grafico):</translation>
    </message>
    <message>
        <source>An interactive 3D model of a folding phone whose lid shows the local time.
Qt&apos;s own options, such as -platform and -display, are accepted too.</source>
        <translation>Un modello 3D interattivo di un telefono a conchiglia il cui coperchio mostra l&apos;ora locale.
Sono accettate anche le opzioni proprie di Qt, come -platform e -display.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Mostra questo aiuto ed esci.</translation>
    </message>
    <message>
        <source>Show the version and quit.</source>
        <translation>Mostra la versione ed esci.</translation>
    </message>
    <message>
        <source>Draw one picture into FILE (.png or .jpg; - is PNG on standard output) with no window, and quit.</source>
        <translation>Disegna un&apos;immagine in FILE (.png o .jpg; - è PNG sullo standard output) senza finestra, ed esci.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>With --output: the time the clocks show (default: now).</source>
        <translation>Con --output: l&apos;ora mostrata dagli orologi (predefinita: adesso).</translation>
    </message>
    <message>
        <source>With --output: keys pressed first, named as in the controls below.</source>
        <translation>Con --output: tasti premuti prima, con i nomi dei controlli qui sotto.</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>TASTI</translation>
    </message>
    <message>
        <source>With --output: the picture&apos;s size in pixels (default: 500).</source>
        <translation>Con --output: la dimensione dell&apos;immagine in pixel (predefinita: 500).</translation>
    </message>
    <message>
        <source>With --output: the same as the key Q.</source>
        <translation>Con --output: come il tasto Q.</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>IMMAGINE</translation>
    </message>
    <message>
        <source>The picture for the phone&apos;s main screen, in any format Qt reads (default: nqw.bmp in the working directory).</source>
        <translation>L&apos;immagine per lo schermo principale del telefono, in qualsiasi formato letto da Qt (predefinita: nqw.bmp nella cartella di lavoro).</translation>
    </message>
    <message>
        <source>[PICTURE]</source>
        <translation>[IMMAGINE]</translation>
    </message>
    <message>
        <source>--time: &quot;%1&quot; is not a time of day (HH:MM or HH:MM:SS, 00:00 to 23:59:59)</source>
        <translation>--time: «%1» non è un&apos;ora del giorno (HH:MM o HH:MM:SS, da 00:00 a 23:59:59)</translation>
    </message>
    <message>
        <source>--size: &quot;%1&quot; is not a size (N or WxH, 1 to %2 pixels a side)</source>
        <translation>--size: «%1» non è una dimensione (N o WxH, da 1 a %2 pixel per lato)</translation>
    </message>
    <message>
        <source>--output needs a file name (or - for standard output)</source>
        <translation>--output richiede un nome di file (o - per lo standard output)</translation>
    </message>
    <message>
        <source>--output: %1: the name must end in .png, .jpg or .jpeg (or be - for PNG on standard output)</source>
        <translation>--output: %1: il nome deve finire in .png, .jpg o .jpeg (o essere - per PNG sullo standard output)</translation>
    </message>
    <message>
        <source>one PICTURE at most, %1 given: %2</source>
        <translation>al massimo un&apos;IMMAGINE, %1 indicate: %2</translation>
    </message>
    <message>
        <source>--%1 works only with --output</source>
        <translation>--%1 funziona solo con --output</translation>
    </message>
    <message>
        <source>Try &apos;velkar --help&apos; for more information.</source>
        <translation>Prova «velkar --help» per maggiori informazioni.</translation>
    </message>
    <message>
        <source>no OpenGL without a window: %1</source>
        <translation>nessun OpenGL senza finestra: %1</translation>
    </message>
    <message>
        <source>--size: at most %1 pixels a side here (the OpenGL implementation&apos;s largest frame)</source>
        <translation>--size: qui al massimo %1 pixel per lato (il fotogramma più grande dell&apos;implementazione OpenGL)</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>standard output</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>--keys: no key is called &quot;%1&quot;</source>
        <translation>--keys: nessun tasto si chiama «%1»</translation>
    </message>
    <message>
        <source>--keys: %1 only works in a window</source>
        <translation>--keys: %1 funziona solo in una finestra</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>An interactive 3D model of a folding phone whose lid shows the local time.</source>
        <translation>Un modello 3D interattivo di un telefono a conchiglia il cui coperchio mostra l&apos;ora locale.</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Distribuito con licenza MIT.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the velkar developers</source>
        <translation>Copyright (c) 2026 gli sviluppatori di velkar</translation>
    </message>
    <message>
        <source>The translations are the project&apos;s own work, under the same licence.</source>
        <translation>Le traduzioni sono opera del progetto stesso, con la stessa licenza.</translation>
    </message>
    <message>
        <source>About Velkar</source>
        <translation>Informazioni su Velkar</translation>
    </message>
    <message>
        <source>Open Picture…</source>
        <translation>Apri immagine…</translation>
    </message>
    <message>
        <source>Save Screenshot</source>
        <translation>Salva schermata</translation>
    </message>
    <message>
        <source>Open Lid</source>
        <translation>Apri coperchio</translation>
    </message>
    <message>
        <source>Close Lid</source>
        <translation>Chiudi coperchio</translation>
    </message>
    <message>
        <source>Lid One Step Open</source>
        <translation>Apri coperchio di un passo</translation>
    </message>
    <message>
        <source>Lid One Step Closed</source>
        <translation>Chiudi coperchio di un passo</translation>
    </message>
    <message>
        <source>Antialiasing</source>
        <translation>Antialiasing</translation>
    </message>
    <message>
        <source>Reset View</source>
        <translation>Ripristina vista</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controlli</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>drag with the mouse</source>
        <translation>trascina con il mouse</translation>
    </message>
    <message>
        <source>turn the phone</source>
        <translation>ruota il telefono</translation>
    </message>
    <message>
        <source>mouse wheel, + = -</source>
        <translation>rotellina del mouse, + = -</translation>
    </message>
    <message>
        <source>zoom in and out</source>
        <translation>ingrandisci e riduci</translation>
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
        <translation>spostalo su, a sinistra, giù, a destra</translation>
    </message>
    <message>
        <source>T / G</source>
        <translation>T / G</translation>
    </message>
    <message>
        <source>open / close the lid by one step</source>
        <translation>apri / chiudi il coperchio di un passo</translation>
    </message>
    <message>
        <source>R / F</source>
        <translation>R / F</translation>
    </message>
    <message>
        <source>open / close the lid fully (about three seconds)</source>
        <translation>apri / chiudi del tutto il coperchio (circa tre secondi)</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>antialiasing on or off</source>
        <translation>attiva o disattiva l&apos;antialiasing</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>back to the start-up view</source>
        <translation>torna alla vista iniziale</translation>
    </message>
    <message>
        <source>F12</source>
        <translation>F12</translation>
    </message>
    <message>
        <source>save a screenshot in your Pictures folder</source>
        <translation>salva una schermata nella cartella Immagini</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>open a picture for the main screen</source>
        <translation>apri un&apos;immagine per lo schermo principale</translation>
    </message>
    <message>
        <source>drop an image file</source>
        <translation>rilascia un file immagine</translation>
    </message>
    <message>
        <source>show it on the main screen</source>
        <translation>mostralo sullo schermo principale</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>full screen on or off</source>
        <translation>attiva o disattiva lo schermo intero</translation>
    </message>
    <message>
        <source>F1 / H</source>
        <translation>F1 / H</translation>
    </message>
    <message>
        <source>show or hide this list on the window</source>
        <translation>mostra o nascondi questo elenco</translation>
    </message>
    <message>
        <source>a menu of every command</source>
        <translation>un menu con tutti i comandi</translation>
    </message>
    <message>
        <source>Escape, Ctrl+Q</source>
        <translation>Esc, Ctrl+Q</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>esci</translation>
    </message>
    <message>
        <source>Controls:</source>
        <translation>Controlli:</translation>
    </message>
    <message>
        <source>right-click, Shift+F10, Menu</source>
        <translation>clic destro, Maiusc+F10, Menu</translation>
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
        <translation>Qualsiasi altro tasto o un clic nasconde questo elenco.</translation>
    </message>
</context>
<context>
    <name>OpenPicture</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Immagini (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Apri immagine</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>no screen picture: &quot;%1&quot; in %2: %3</source>
        <translation>nessuna immagine per lo schermo: «%1» in %2: %3</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>è una directory</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>è una pipe con nome, non un file normale</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>è un socket, non un file normale</translation>
    </message>
    <message>
        <source>it is a character device, not a regular file</source>
        <translation>è un dispositivo a caratteri, non un file normale</translation>
    </message>
    <message>
        <source>it is a block device, not a regular file</source>
        <translation>è un dispositivo a blocchi, non un file normale</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>file inesistente</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>nessun permesso di lettura</translation>
    </message>
    <message>
        <source>it is a loop of symbolic links</source>
        <translation>è un ciclo di collegamenti simbolici</translation>
    </message>
    <message>
        <source>not an image this program can read</source>
        <translation>non è un&apos;immagine che questo programma sa leggere</translation>
    </message>
    <message>
        <source>its header claims %1x%2 pixels, more than %3x%3</source>
        <translation>la sua intestazione dichiara %1x%2 pixel, più di %3x%3</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>il file è troncato</translation>
    </message>
    <message>
        <source>it is %1 MiB, more than the %2 MiB a picture of at most %3x%3 pixels needs</source>
        <translation>è di %1 MiB, più dei %2 MiB che servono a un&apos;immagine di al massimo %3x%3 pixel</translation>
    </message>
</context>
<context>
    <name>Scene3D</name>
    <message>
        <source>Right-click for the menu of commands, F1 for the list of controls</source>
        <translation>Clic destro per il menu dei comandi, F1 per l&apos;elenco dei controlli</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>lid closed</source>
        <translation>coperchio chiuso</translation>
    </message>
    <message>
        <source>lid open</source>
        <translation>coperchio aperto</translation>
    </message>
    <message>
        <source>lid partly open</source>
        <translation>coperchio socchiuso</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>nessuna immagine</translation>
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
        <translation>schermata non salvata: %1: %2</translation>
    </message>
    <message>
        <source>saved %1</source>
        <translation>salvata: %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 non è una cartella</translation>
    </message>
    <message>
        <source>no permission to create a folder in %1</source>
        <translation>nessun permesso di creare una cartella in %1</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>impossibile creare la cartella</translation>
    </message>
    <message>
        <source>there is no Pictures folder</source>
        <translation>non c&apos;è una cartella Immagini</translation>
    </message>
    <message>
        <source>%1 names of that second are taken</source>
        <translation>i %1 nomi di quel secondo sono tutti occupati</translation>
    </message>
</context>
</TS>
