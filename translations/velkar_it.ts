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
    <message>
        <source>The frames of --duration are put in place together once all are written: a run that
fails leaves none of its own behind. Files of an earlier run with more frames are
left as they are; remove them first if the new set must stand alone.
</source>
        <translation>I fotogrammi di --duration vengono messi al loro posto tutti insieme, una volta scritti:
un&apos;esecuzione che fallisce non lascia nulla di suo. I file di un&apos;esecuzione precedente
con più fotogrammi restano come sono; rimuovili prima se la nuova serie deve stare da
sola.
</translation>
    </message>
    <message>
        <source>Neither read nor write the settings: start as the very first time.</source>
        <translation>Non leggere né scrivere le impostazioni: avvia come la prima volta in assoluto.</translation>
    </message>
    <message>
        <source>With --output: what shows around the phone, a colour (#202020, black, ...; default: white) or transparent (PNG only).</source>
        <translation>Con --output: cosa si vede attorno al telefono, un colore (#202020, black, ...; predefinito: white) o transparent (solo PNG).</translation>
    </message>
    <message>
        <source>With --output: frames of the window over SECONDS from the start, R and F animated as in the window; FILE then holds {frame}, the frame&apos;s number, or is - (the PNGs one after another).</source>
        <translation>Con --output: fotogrammi della finestra per SECONDI dall&apos;inizio, R e F animati come nella finestra; FILE contiene allora {frame}, il numero del fotogramma, oppure è - (i PNG uno dopo l&apos;altro).</translation>
    </message>
    <message>
        <source>With --duration: frames a second, 1 to 240 (default: 30).</source>
        <translation>Con --duration: fotogrammi al secondo, da 1 a 240 (predefinito: 30).</translation>
    </message>
    <message>
        <source>The picture for the phone&apos;s main screen, in any format Qt reads (default: the one chosen in the window last, else nqw.bmp in the working directory).</source>
        <translation>L&apos;immagine per lo schermo principale del telefono, in qualsiasi formato letto da Qt (predefinita: l&apos;ultima scelta nella finestra, altrimenti nqw.bmp nella cartella di lavoro).</translation>
    </message>
    <message>
        <source>--background: &quot;%1&quot; is not a colour (#RRGGBB, a name such as black, or transparent)</source>
        <translation>--background: «%1» non è un colore (#RRGGBB, un nome come black, o transparent)</translation>
    </message>
    <message>
        <source>--duration: &quot;%1&quot; is not a duration (seconds above 0, at most %2)</source>
        <translation>--duration: «%1» non è una durata (secondi sopra 0, al massimo %2)</translation>
    </message>
    <message>
        <source>--fps: &quot;%1&quot; is not a frame rate (1 to %2 frames a second)</source>
        <translation>--fps: «%1» non è una frequenza dei fotogrammi (da 1 a %2 fotogrammi al secondo)</translation>
    </message>
    <message>
        <source>--duration: the file name must hold {frame}, for the frame&apos;s number, or be - for standard output</source>
        <translation>--duration: il nome del file deve contenere {frame}, per il numero del fotogramma, o essere - per lo standard output</translation>
    </message>
    <message>
        <source>--output: %1: {frame} numbers the frames of --duration, which is not given</source>
        <translation>--output: %1: {frame} numera i fotogrammi di --duration, che non è indicato</translation>
    </message>
    <message>
        <source>--fps works only with --duration</source>
        <translation>--fps funziona solo con --duration</translation>
    </message>
    <message>
        <source>--background transparent: %1: JPEG has no transparency, use .png</source>
        <translation>--background transparent: %1: JPEG non ha trasparenza, usa .png</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>impossibile codificare l&apos;immagine</translation>
    </message>
    <message>
        <source>EGL has no surfaceless platform (EGL_MESA_platform_surfaceless)</source>
        <translation>EGL non ha una piattaforma senza superficie (EGL_MESA_platform_surfaceless)</translation>
    </message>
    <message>
        <source>EGL&apos;s surfaceless platform did not start</source>
        <translation>la piattaforma senza superficie di EGL non si è avviata</translation>
    </message>
    <message>
        <source>EGL offers no desktop OpenGL</source>
        <translation>EGL non offre OpenGL desktop</translation>
    </message>
    <message>
        <source>EGL made no OpenGL compatibility context</source>
        <translation>EGL non ha creato un contesto OpenGL di compatibilità</translation>
    </message>
    <message>
        <source>the OpenGL context could not be made current without a surface</source>
        <translation>impossibile rendere corrente il contesto OpenGL senza una superficie</translation>
    </message>
    <message>
        <source>no temporary file could be made beside it</source>
        <translation>impossibile creare un file temporaneo accanto</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>COLORE</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>SECONDI</translation>
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
    <message>
        <source>Slideshow</source>
        <translation>Presentazione</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Open Folder…</source>
        <translation>Apri cartella…</translation>
    </message>
    <message>
        <source>Next Picture</source>
        <translation>Immagine successiva</translation>
    </message>
    <message>
        <source>Previous Picture</source>
        <translation>Immagine precedente</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 secondi</translation>
    </message>
    <message>
        <source>1 Minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>5 Minutes</source>
        <translation>5 minuti</translation>
    </message>
    <message>
        <source>1 Hour</source>
        <translation>1 ora</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Ordine casuale</translation>
    </message>
    <message>
        <source>Stay on Top</source>
        <translation>Sempre in primo piano</translation>
    </message>
    <message>
        <source>Standard Picture</source>
        <translation>Immagine standard</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>Hide Title Bar</source>
        <translation>Nascondi barra del titolo</translation>
    </message>
    <message>
        <source>Move Window</source>
        <translation>Sposta finestra</translation>
    </message>
    <message>
        <source>Wayland has no way for a program to keep its window above others; your desktop&apos;s own window menu may</source>
        <translation>Wayland non permette a un programma di tenere la propria finestra sopra le altre; forse può farlo il menu della finestra del tuo desktop</translation>
    </message>
    <message>
        <source>Move Window: the window system does not move windows for programs here; drag the window with Alt or Super held</source>
        <translation>Sposta finestra: qui il sistema di finestre non sposta le finestre per i programmi; trascina la finestra tenendo premuto Alt o Super</translation>
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
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>copy the frame, as F12 would save it</source>
        <translation>copia il fotogramma, come lo salverebbe F12</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Maiusc+O</translation>
    </message>
    <message>
        <source>show the pictures of a folder in turn</source>
        <translation>mostra a turno le immagini di una cartella</translation>
    </message>
    <message>
        <source>PageDown / PageUp</source>
        <translation>Pag↓ / Pag↑</translation>
    </message>
    <message>
        <source>the next / previous picture of the folder</source>
        <translation>immagine successiva / precedente della cartella</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>keep the window above others, or not</source>
        <translation>tieni la finestra sopra le altre, o no</translation>
    </message>
    <message>
        <source>menu only</source>
        <translation>solo nel menu</translation>
    </message>
    <message>
        <source>Standard Picture, Start at Login,</source>
        <translation>Immagine standard, Avvia all&apos;accesso,</translation>
    </message>
    <message>
        <source>Hide Title Bar, Move Window</source>
        <translation>Nascondi barra del titolo, Sposta finestra</translation>
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
    <name>Desk</name>
    <message>
        <source>its folder cannot be made</source>
        <translation>impossibile creare la sua cartella</translation>
    </message>
    <message>
        <source>The folding phone&apos;s clocks, started at login</source>
        <translation>Gli orologi del telefono a conchiglia, avviati all&apos;accesso</translation>
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
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
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
    <message>
        <source>its name is not valid UTF-8, and it cannot be used</source>
        <translation>il suo nome non è UTF-8 valido e non può essere usato</translation>
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
<context>
    <name>Settings</name>
    <message>
        <source>%1 &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1 «%2» non è un numero da %3 a %4</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is neither true nor false</source>
        <translation>%1 «%2» non è né true né false</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is none of standard, file, folder</source>
        <translation>%1 «%2» non è nessuno tra standard, file, folder</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is gone</source>
        <translation>il file «%1» non c&apos;è più</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is gone</source>
        <translation>la cartella «%1» non c&apos;è più</translation>
    </message>
    <message>
        <source>%1; starting as the first time, and leaving the file as it is</source>
        <translation>%1; avvio come la prima volta, lasciando il file com&apos;è</translation>
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
        <source>it cannot be read: %1</source>
        <translation>impossibile leggerlo: %1</translation>
    </message>
    <message>
        <source>it cannot be copied to be read: %1</source>
        <translation>impossibile copiarlo per leggerlo: %1</translation>
    </message>
    <message>
        <source>it is not an INI file</source>
        <translation>non è un file INI</translation>
    </message>
    <message>
        <source>%1; using the defaults for those</source>
        <translation>%1; per questi si usano i valori predefiniti</translation>
    </message>
    <message>
        <source>settings %1: %2</source>
        <translation>impostazioni %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>impossibile scriverlo</translation>
    </message>
    <message>
        <source>settings not saved: %1: %2</source>
        <translation>impostazioni non salvate: %1: %2</translation>
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
        <translation>nessuna immagine in «%1» può essere letta; viene mostrata l&apos;immagine standard</translation>
    </message>
    <message>
        <source>no picture in &quot;%1&quot; can be read: %2; the standard picture is shown</source>
        <translation>nessuna immagine in «%1» può essere letta: %2; viene mostrata l&apos;immagine standard</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>cartella inesistente</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>nessun permesso di lettura</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>non è una cartella</translation>
    </message>
</context>
</TS>
