<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>Pictures without a window (no display server needed):</source>
        <translation>Imágenes sin ventana (no hace falta servidor gráfico):</translation>
    </message>
    <message>
        <source>An interactive 3D model of a folding phone whose lid shows the local time.
Qt&apos;s own options, such as -platform and -display, are accepted too.</source>
        <translation>Un modelo 3D interactivo de un teléfono plegable cuya tapa muestra la hora local.
También se aceptan las opciones propias de Qt, como -platform y -display.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and quit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Draw one picture into FILE (.png or .jpg; - is PNG on standard output) with no window, and quit.</source>
        <translation>Dibujar una imagen en ARCHIVO (.png o .jpg; - es PNG por la salida estándar) sin ventana, y salir.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>With --output: the time the clocks show (default: now).</source>
        <translation>Con --output: la hora que muestran los relojes (por omisión: ahora).</translation>
    </message>
    <message>
        <source>With --output: keys pressed first, named as in the controls below.</source>
        <translation>Con --output: teclas pulsadas primero, con los nombres de los controles de abajo.</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>TECLAS</translation>
    </message>
    <message>
        <source>With --output: the picture&apos;s size in pixels (default: 500).</source>
        <translation>Con --output: el tamaño de la imagen en píxeles (por omisión: 500).</translation>
    </message>
    <message>
        <source>With --output: the same as the key Q.</source>
        <translation>Con --output: lo mismo que la tecla Q.</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>IMAGEN</translation>
    </message>
    <message>
        <source>[PICTURE]</source>
        <translation>[IMAGEN]</translation>
    </message>
    <message>
        <source>--time: &quot;%1&quot; is not a time of day (HH:MM or HH:MM:SS, 00:00 to 23:59:59)</source>
        <translation>--time: «%1» no es una hora del día (HH:MM o HH:MM:SS, de 00:00 a 23:59:59)</translation>
    </message>
    <message>
        <source>--size: &quot;%1&quot; is not a size (N or WxH, 1 to %2 pixels a side)</source>
        <translation>--size: «%1» no es un tamaño (N o WxH, de 1 a %2 píxeles por lado)</translation>
    </message>
    <message>
        <source>--output needs a file name (or - for standard output)</source>
        <translation>--output necesita un nombre de archivo (o - para la salida estándar)</translation>
    </message>
    <message>
        <source>--output: %1: the name must end in .png, .jpg or .jpeg (or be - for PNG on standard output)</source>
        <translation>--output: %1: el nombre debe acabar en .png, .jpg o .jpeg (o ser - para PNG por la salida estándar)</translation>
    </message>
    <message>
        <source>one PICTURE at most, %1 given: %2</source>
        <translation>como mucho una IMAGEN, se dieron %1: %2</translation>
    </message>
    <message>
        <source>--%1 works only with --output</source>
        <translation>--%1 solo funciona con --output</translation>
    </message>
    <message>
        <source>Try &apos;velkar --help&apos; for more information.</source>
        <translation>Pruebe «velkar --help» para más información.</translation>
    </message>
    <message>
        <source>no OpenGL without a window: %1</source>
        <translation>no hay OpenGL sin ventana: %1</translation>
    </message>
    <message>
        <source>--size: at most %1 pixels a side here (the OpenGL implementation&apos;s largest frame)</source>
        <translation>--size: aquí como mucho %1 píxeles por lado (el mayor cuadro de la implementación de OpenGL)</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>salida estándar</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>--keys: no key is called &quot;%1&quot;</source>
        <translation>--keys: ninguna tecla se llama «%1»</translation>
    </message>
    <message>
        <source>--keys: %1 only works in a window</source>
        <translation>--keys: %1 solo funciona en una ventana</translation>
    </message>
    <message>
        <source>The frames of --duration are put in place together once all are written: a run that
fails leaves none of its own behind. Files of an earlier run with more frames are
left as they are; remove them first if the new set must stand alone.
</source>
        <translation>Los cuadros de --duration se colocan todos juntos cuando ya están escritos: una
ejecución que falla no deja ninguno suyo. Los archivos de una ejecución anterior con
más cuadros se dejan como están; bórrelos antes si la serie nueva debe quedar sola.
</translation>
    </message>
    <message>
        <source>Neither read nor write the settings: start as the very first time.</source>
        <translation>No leer ni escribir la configuración: empezar como la primera vez.</translation>
    </message>
    <message>
        <source>With --output: what shows around the phone, a colour (#202020, black, ...; default: white) or transparent (PNG only).</source>
        <translation>Con --output: lo que se ve alrededor del teléfono, un color (#202020, black, ...; por omisión: white) o transparent (solo PNG).</translation>
    </message>
    <message>
        <source>With --output: frames of the window over SECONDS from the start, R and F animated as in the window; FILE then holds {frame}, the frame&apos;s number, or is - (the PNGs one after another).</source>
        <translation>Con --output: cuadros de la ventana durante SEGUNDOS desde el inicio, R y F animadas como en la ventana; ARCHIVO lleva entonces {frame}, el número del cuadro, o es - (los PNG uno tras otro).</translation>
    </message>
    <message>
        <source>With --duration: frames a second, 1 to 240 (default: 30).</source>
        <translation>Con --duration: cuadros por segundo, de 1 a 240 (por omisión: 30).</translation>
    </message>
    <message>
        <source>The picture for the phone&apos;s main screen, in any format Qt reads (default: the one chosen in the window last, else nqw.bmp in the working directory).</source>
        <translation>La imagen de la pantalla principal del teléfono, en cualquier formato que Qt lea (por omisión: la última elegida en la ventana, o si no nqw.bmp en el directorio de trabajo).</translation>
    </message>
    <message>
        <source>--background: &quot;%1&quot; is not a colour (#RRGGBB, a name such as black, or transparent)</source>
        <translation>--background: «%1» no es un color (#RRGGBB, un nombre como black, o transparent)</translation>
    </message>
    <message>
        <source>--duration: &quot;%1&quot; is not a duration (seconds above 0, at most %2)</source>
        <translation>--duration: «%1» no es una duración (segundos por encima de 0, como mucho %2)</translation>
    </message>
    <message>
        <source>--fps: &quot;%1&quot; is not a frame rate (1 to %2 frames a second)</source>
        <translation>--fps: «%1» no es una frecuencia de cuadros (de 1 a %2 cuadros por segundo)</translation>
    </message>
    <message>
        <source>--duration: the file name must hold {frame}, for the frame&apos;s number, or be - for standard output</source>
        <translation>--duration: el nombre de archivo debe llevar {frame}, para el número del cuadro, o ser - para la salida estándar</translation>
    </message>
    <message>
        <source>--output: %1: {frame} numbers the frames of --duration, which is not given</source>
        <translation>--output: %1: {frame} numera los cuadros de --duration, que no se ha indicado</translation>
    </message>
    <message>
        <source>--fps works only with --duration</source>
        <translation>--fps solo funciona con --duration</translation>
    </message>
    <message>
        <source>--background transparent: %1: JPEG has no transparency, use .png</source>
        <translation>--background transparent: %1: JPEG no tiene transparencia, use .png</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>no se pudo codificar la imagen</translation>
    </message>
    <message>
        <source>EGL has no surfaceless platform (EGL_MESA_platform_surfaceless)</source>
        <translation>EGL no tiene plataforma sin superficie (EGL_MESA_platform_surfaceless)</translation>
    </message>
    <message>
        <source>EGL&apos;s surfaceless platform did not start</source>
        <translation>la plataforma sin superficie de EGL no arrancó</translation>
    </message>
    <message>
        <source>EGL offers no desktop OpenGL</source>
        <translation>EGL no ofrece OpenGL de escritorio</translation>
    </message>
    <message>
        <source>EGL made no OpenGL compatibility context</source>
        <translation>EGL no creó ningún contexto OpenGL de compatibilidad</translation>
    </message>
    <message>
        <source>the OpenGL context could not be made current without a surface</source>
        <translation>no se pudo activar el contexto OpenGL sin una superficie</translation>
    </message>
    <message>
        <source>no temporary file could be made beside it</source>
        <translation>no se pudo crear un archivo temporal a su lado</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>COLOR</translation>
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
        <translation>Un modelo 3D interactivo de un teléfono plegable cuya tapa muestra la hora local.</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Publicado bajo la licencia MIT.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the velkar developers</source>
        <translation>Copyright (c) 2026 los desarrolladores de velkar</translation>
    </message>
    <message>
        <source>The translations are the project&apos;s own work, under the same licence.</source>
        <translation>Las traducciones son obra del propio proyecto, bajo la misma licencia.</translation>
    </message>
    <message>
        <source>About Velkar</source>
        <translation>Acerca de Velkar</translation>
    </message>
    <message>
        <source>Open Picture…</source>
        <translation>Abrir imagen…</translation>
    </message>
    <message>
        <source>Save Screenshot</source>
        <translation>Guardar captura de pantalla</translation>
    </message>
    <message>
        <source>Open Lid</source>
        <translation>Abrir tapa</translation>
    </message>
    <message>
        <source>Close Lid</source>
        <translation>Cerrar tapa</translation>
    </message>
    <message>
        <source>Lid One Step Open</source>
        <translation>Abrir tapa un paso</translation>
    </message>
    <message>
        <source>Lid One Step Closed</source>
        <translation>Cerrar tapa un paso</translation>
    </message>
    <message>
        <source>Antialiasing</source>
        <translation>Suavizado</translation>
    </message>
    <message>
        <source>Reset View</source>
        <translation>Restablecer vista</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Presentación</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Open Folder…</source>
        <translation>Abrir carpeta…</translation>
    </message>
    <message>
        <source>Next Picture</source>
        <translation>Imagen siguiente</translation>
    </message>
    <message>
        <source>Previous Picture</source>
        <translation>Imagen anterior</translation>
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
        <translation>Orden aleatorio</translation>
    </message>
    <message>
        <source>Stay on Top</source>
        <translation>Siempre encima</translation>
    </message>
    <message>
        <source>Standard Picture</source>
        <translation>Imagen estándar</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Hide Title Bar</source>
        <translation>Ocultar barra de título</translation>
    </message>
    <message>
        <source>Move Window</source>
        <translation>Mover ventana</translation>
    </message>
    <message>
        <source>Wayland has no way for a program to keep its window above others; your desktop&apos;s own window menu may</source>
        <translation>Wayland no permite a un programa mantener su ventana encima de las demás; quizá lo permita el menú de ventana de su escritorio</translation>
    </message>
    <message>
        <source>Move Window: the window system does not move windows for programs here; drag the window with Alt or Super held</source>
        <translation>Mover ventana: aquí el sistema de ventanas no mueve ventanas para los programas; arrastre la ventana con Alt o Super pulsada</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>drag with the mouse</source>
        <translation>arrastrar con el ratón</translation>
    </message>
    <message>
        <source>turn the phone</source>
        <translation>girar el teléfono</translation>
    </message>
    <message>
        <source>mouse wheel, + = -</source>
        <translation>rueda del ratón, + = -</translation>
    </message>
    <message>
        <source>zoom in and out</source>
        <translation>acercar y alejar</translation>
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
        <translation>moverlo arriba, a la izquierda, abajo, a la derecha</translation>
    </message>
    <message>
        <source>T / G</source>
        <translation>T / G</translation>
    </message>
    <message>
        <source>open / close the lid by one step</source>
        <translation>abrir / cerrar la tapa un paso</translation>
    </message>
    <message>
        <source>R / F</source>
        <translation>R / F</translation>
    </message>
    <message>
        <source>open / close the lid fully (about three seconds)</source>
        <translation>abrir / cerrar la tapa del todo (unos tres segundos)</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>antialiasing on or off</source>
        <translation>activar o desactivar el suavizado</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>back to the start-up view</source>
        <translation>volver a la vista inicial</translation>
    </message>
    <message>
        <source>F12</source>
        <translation>F12</translation>
    </message>
    <message>
        <source>save a screenshot in your Pictures folder</source>
        <translation>guardar una captura en la carpeta Imágenes</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>open a picture for the main screen</source>
        <translation>abrir una imagen para la pantalla principal</translation>
    </message>
    <message>
        <source>drop an image file</source>
        <translation>soltar un archivo de imagen</translation>
    </message>
    <message>
        <source>show it on the main screen</source>
        <translation>mostrarlo en la pantalla principal</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>full screen on or off</source>
        <translation>activar o desactivar la pantalla completa</translation>
    </message>
    <message>
        <source>F1 / H</source>
        <translation>F1 / H</translation>
    </message>
    <message>
        <source>show or hide this list on the window</source>
        <translation>mostrar u ocultar esta lista</translation>
    </message>
    <message>
        <source>a menu of every command</source>
        <translation>un menú con todos los comandos</translation>
    </message>
    <message>
        <source>Escape, Ctrl+Q</source>
        <translation>Esc, Ctrl+Q</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>salir</translation>
    </message>
    <message>
        <source>Controls:</source>
        <translation>Controles:</translation>
    </message>
    <message>
        <source>right-click, Shift+F10, Menu</source>
        <translation>clic derecho, Mayús+F10, Menú</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>copy the frame, as F12 would save it</source>
        <translation>copiar el cuadro, como lo guardaría F12</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Mayús+O</translation>
    </message>
    <message>
        <source>show the pictures of a folder in turn</source>
        <translation>mostrar por turnos las imágenes de una carpeta</translation>
    </message>
    <message>
        <source>PageDown / PageUp</source>
        <translation>Av Pág / Re Pág</translation>
    </message>
    <message>
        <source>the next / previous picture of the folder</source>
        <translation>imagen siguiente / anterior de la carpeta</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>keep the window above others, or not</source>
        <translation>mantener la ventana encima de las demás, o no</translation>
    </message>
    <message>
        <source>menu only</source>
        <translation>solo en el menú</translation>
    </message>
    <message>
        <source>Standard Picture, Start at Login,</source>
        <translation>Imagen estándar, Abrir al iniciar sesión,</translation>
    </message>
    <message>
        <source>Hide Title Bar, Move Window</source>
        <translation>Ocultar barra de título, Mover ventana</translation>
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
        <translation>Cualquier otra tecla o un clic oculta esta lista.</translation>
    </message>
</context>
<context>
    <name>Desk</name>
    <message>
        <source>its folder cannot be made</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>The folding phone&apos;s clocks, started at login</source>
        <translation>Los relojes del teléfono plegable, abiertos al iniciar sesión</translation>
    </message>
</context>
<context>
    <name>OpenPicture</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Imágenes (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>no screen picture: &quot;%1&quot; in %2: %3</source>
        <translation>sin imagen para la pantalla: «%1» en %2: %3</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>es un directorio</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>es una tubería con nombre, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>es un socket, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a character device, not a regular file</source>
        <translation>es un dispositivo de caracteres, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a block device, not a regular file</source>
        <translation>es un dispositivo de bloques, no un archivo normal</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no existe el archivo</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>sin permiso para leerlo</translation>
    </message>
    <message>
        <source>it is a loop of symbolic links</source>
        <translation>es un bucle de enlaces simbólicos</translation>
    </message>
    <message>
        <source>not an image this program can read</source>
        <translation>no es una imagen que este programa sepa leer</translation>
    </message>
    <message>
        <source>its header claims %1x%2 pixels, more than %3x%3</source>
        <translation>su cabecera indica %1x%2 píxeles, más de %3x%3</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>el archivo está truncado</translation>
    </message>
    <message>
        <source>it is %1 MiB, more than the %2 MiB a picture of at most %3x%3 pixels needs</source>
        <translation>ocupa %1 MiB, más de los %2 MiB que necesita una imagen de como mucho %3x%3 píxeles</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8, and it cannot be used</source>
        <translation>su nombre no es UTF-8 válido y no se puede usar</translation>
    </message>
</context>
<context>
    <name>Scene3D</name>
    <message>
        <source>Right-click for the menu of commands, F1 for the list of controls</source>
        <translation>Clic derecho para el menú de comandos, F1 para la lista de controles</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>lid closed</source>
        <translation>tapa cerrada</translation>
    </message>
    <message>
        <source>lid open</source>
        <translation>tapa abierta</translation>
    </message>
    <message>
        <source>lid partly open</source>
        <translation>tapa entreabierta</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>sin imagen</translation>
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
        <translation>captura no guardada: %1: %2</translation>
    </message>
    <message>
        <source>saved %1</source>
        <translation>guardada: %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>no permission to create a folder in %1</source>
        <translation>sin permiso para crear una carpeta en %1</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>there is no Pictures folder</source>
        <translation>no hay carpeta Imágenes</translation>
    </message>
    <message>
        <source>%1 names of that second are taken</source>
        <translation>los %1 nombres de ese segundo están ocupados</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1 «%2» no es un número de %3 a %4</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is neither true nor false</source>
        <translation>%1 «%2» no es ni true ni false</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is none of standard, file, folder</source>
        <translation>%1 «%2» no es ninguno de standard, file, folder</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is gone</source>
        <translation>el archivo «%1» ya no existe</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is gone</source>
        <translation>la carpeta «%1» ya no existe</translation>
    </message>
    <message>
        <source>%1; starting as the first time, and leaving the file as it is</source>
        <translation>%1; se empieza como la primera vez y el archivo se deja como está</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>it cannot be copied to be read: %1</source>
        <translation>no se puede copiar para leerlo: %1</translation>
    </message>
    <message>
        <source>it is not an INI file</source>
        <translation>no es un archivo INI</translation>
    </message>
    <message>
        <source>%1; using the defaults for those</source>
        <translation>%1; se usan los valores por omisión para esos</translation>
    </message>
    <message>
        <source>settings %1: %2</source>
        <translation>configuración %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>no se puede escribir</translation>
    </message>
    <message>
        <source>settings not saved: %1: %2</source>
        <translation>configuración no guardada: %1: %2</translation>
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
        <translation>no se puede leer ninguna imagen de «%1»; se muestra la imagen estándar</translation>
    </message>
    <message>
        <source>no picture in &quot;%1&quot; can be read: %2; the standard picture is shown</source>
        <translation>no se puede leer ninguna imagen de «%1»: %2; se muestra la imagen estándar</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>no existe la carpeta</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>sin permiso para leerla</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
</context>
</TS>
