<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Pictures without a window (no display server needed):</source>
        <translation>Bilder ohne Fenster (kein Displayserver nötig):</translation>
    </message>
    <message>
        <source>An interactive 3D model of a folding phone whose lid shows the local time.
Qt&apos;s own options, such as -platform and -display, are accepted too.</source>
        <translation>Ein interaktives 3D-Modell eines Klapphandys, dessen Deckel die Ortszeit zeigt.
Qts eigene Optionen wie -platform und -display werden ebenfalls angenommen.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and quit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Draw one picture into FILE (.png or .jpg; - is PNG on standard output) with no window, and quit.</source>
        <translation>Ein Bild ohne Fenster in DATEI zeichnen (.png oder .jpg; - ist PNG auf der Standardausgabe) und beenden.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>With --output: the time the clocks show (default: now).</source>
        <translation>Mit --output: die Uhrzeit, die die Uhren zeigen (Vorgabe: jetzt).</translation>
    </message>
    <message>
        <source>With --output: keys pressed first, named as in the controls below.</source>
        <translation>Mit --output: zuerst gedrückte Tasten, benannt wie in der Steuerung unten.</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>TASTEN</translation>
    </message>
    <message>
        <source>With --output: the picture&apos;s size in pixels (default: 500).</source>
        <translation>Mit --output: die Bildgröße in Pixeln (Vorgabe: 500).</translation>
    </message>
    <message>
        <source>With --output: the same as the key Q.</source>
        <translation>Mit --output: dasselbe wie die Taste Q.</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>BILD</translation>
    </message>
    <message>
        <source>[PICTURE]</source>
        <translation>[BILD]</translation>
    </message>
    <message>
        <source>--time: &quot;%1&quot; is not a time of day (HH:MM or HH:MM:SS, 00:00 to 23:59:59)</source>
        <translation>--time: „%1“ ist keine Uhrzeit (HH:MM oder HH:MM:SS, 00:00 bis 23:59:59)</translation>
    </message>
    <message>
        <source>--size: &quot;%1&quot; is not a size (N or WxH, 1 to %2 pixels a side)</source>
        <translation>--size: „%1“ ist keine Größe (N oder WxH, 1 bis %2 Pixel je Seite)</translation>
    </message>
    <message>
        <source>--output needs a file name (or - for standard output)</source>
        <translation>--output braucht einen Dateinamen (oder - für die Standardausgabe)</translation>
    </message>
    <message>
        <source>--output: %1: the name must end in .png, .jpg or .jpeg (or be - for PNG on standard output)</source>
        <translation>--output: %1: der Name muss auf .png, .jpg oder .jpeg enden (oder - sein für PNG auf der Standardausgabe)</translation>
    </message>
    <message>
        <source>one PICTURE at most, %1 given: %2</source>
        <translation>höchstens ein BILD, %1 angegeben: %2</translation>
    </message>
    <message>
        <source>--%1 works only with --output</source>
        <translation>--%1 funktioniert nur mit --output</translation>
    </message>
    <message>
        <source>Try &apos;velkar --help&apos; for more information.</source>
        <translation>„velkar --help“ liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>no OpenGL without a window: %1</source>
        <translation>kein OpenGL ohne Fenster: %1</translation>
    </message>
    <message>
        <source>--size: at most %1 pixels a side here (the OpenGL implementation&apos;s largest frame)</source>
        <translation>--size: hier höchstens %1 Pixel je Seite (das größte Bild der OpenGL-Implementierung)</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>--keys: no key is called &quot;%1&quot;</source>
        <translation>--keys: keine Taste heißt „%1“</translation>
    </message>
    <message>
        <source>--keys: %1 only works in a window</source>
        <translation>--keys: %1 funktioniert nur in einem Fenster</translation>
    </message>
    <message>
        <source>The frames of --duration are put in place together once all are written: a run that
fails leaves none of its own behind. Files of an earlier run with more frames are
left as they are; remove them first if the new set must stand alone.
</source>
        <translation>Die Einzelbilder von --duration kommen erst an ihren Platz, wenn alle geschrieben sind:
ein fehlgeschlagener Lauf hinterlässt keines davon. Dateien eines früheren Laufs mit
mehr Einzelbildern bleiben, wie sie sind; vorher entfernen, wenn die neue Reihe für
sich stehen soll.
</translation>
    </message>
    <message>
        <source>Neither read nor write the settings: start as the very first time.</source>
        <translation>Einstellungen weder lesen noch schreiben: wie beim allerersten Mal starten.</translation>
    </message>
    <message>
        <source>With --output: what shows around the phone, a colour (#202020, black, ...; default: white) or transparent (PNG only).</source>
        <translation>Mit --output: was um das Handy herum zu sehen ist, eine Farbe (#202020, black, ...; Vorgabe: white) oder transparent (nur PNG).</translation>
    </message>
    <message>
        <source>With --output: frames of the window over SECONDS from the start, R and F animated as in the window; FILE then holds {frame}, the frame&apos;s number, or is - (the PNGs one after another).</source>
        <translation>Mit --output: Einzelbilder des Fensters über SEKUNDEN ab dem Start, R und F animiert wie im Fenster; DATEI enthält dann {frame}, die Nummer des Einzelbilds, oder ist - (die PNGs nacheinander).</translation>
    </message>
    <message>
        <source>With --duration: frames a second, 1 to 240 (default: 30).</source>
        <translation>Mit --duration: Einzelbilder pro Sekunde, 1 bis 240 (Vorgabe: 30).</translation>
    </message>
    <message>
        <source>The picture for the phone&apos;s main screen, in any format Qt reads (default: the one chosen in the window last, else nqw.bmp in the working directory).</source>
        <translation>Das Bild für das Hauptdisplay des Handys, in jedem Format, das Qt liest (Vorgabe: das zuletzt im Fenster gewählte, sonst nqw.bmp im Arbeitsverzeichnis).</translation>
    </message>
    <message>
        <source>--background: &quot;%1&quot; is not a colour (#RRGGBB, a name such as black, or transparent)</source>
        <translation>--background: „%1“ ist keine Farbe (#RRGGBB, ein Name wie black, oder transparent)</translation>
    </message>
    <message>
        <source>--duration: &quot;%1&quot; is not a duration (seconds above 0, at most %2)</source>
        <translation>--duration: „%1“ ist keine Dauer (Sekunden über 0, höchstens %2)</translation>
    </message>
    <message>
        <source>--fps: &quot;%1&quot; is not a frame rate (1 to %2 frames a second)</source>
        <translation>--fps: „%1“ ist keine Bildrate (1 bis %2 Bilder pro Sekunde)</translation>
    </message>
    <message>
        <source>--duration: the file name must hold {frame}, for the frame&apos;s number, or be - for standard output</source>
        <translation>--duration: der Dateiname muss {frame} für die Nummer des Einzelbilds enthalten oder - für die Standardausgabe sein</translation>
    </message>
    <message>
        <source>--output: %1: {frame} numbers the frames of --duration, which is not given</source>
        <translation>--output: %1: {frame} nummeriert die Einzelbilder von --duration, das nicht angegeben ist</translation>
    </message>
    <message>
        <source>--fps works only with --duration</source>
        <translation>--fps funktioniert nur mit --duration</translation>
    </message>
    <message>
        <source>--background transparent: %1: JPEG has no transparency, use .png</source>
        <translation>--background transparent: %1: JPEG kennt keine Transparenz, .png verwenden</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>EGL has no surfaceless platform (EGL_MESA_platform_surfaceless)</source>
        <translation>EGL hat keine Plattform ohne Oberfläche (EGL_MESA_platform_surfaceless)</translation>
    </message>
    <message>
        <source>EGL&apos;s surfaceless platform did not start</source>
        <translation>EGLs Plattform ohne Oberfläche ist nicht gestartet</translation>
    </message>
    <message>
        <source>EGL offers no desktop OpenGL</source>
        <translation>EGL bietet kein Desktop-OpenGL</translation>
    </message>
    <message>
        <source>EGL made no OpenGL compatibility context</source>
        <translation>EGL hat keinen OpenGL-Kompatibilitätskontext erzeugt</translation>
    </message>
    <message>
        <source>the OpenGL context could not be made current without a surface</source>
        <translation>der OpenGL-Kontext konnte ohne Oberfläche nicht aktiviert werden</translation>
    </message>
    <message>
        <source>no temporary file could be made beside it</source>
        <translation>daneben konnte keine temporäre Datei angelegt werden</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>SEKUNDEN</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>An interactive 3D model of a folding phone whose lid shows the local time.</source>
        <translation>Ein interaktives 3D-Modell eines Klapphandys, dessen Deckel die Ortszeit zeigt.</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Veröffentlicht unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the velkar developers</source>
        <translation>Copyright (c) 2026 die velkar-Entwickler</translation>
    </message>
    <message>
        <source>The translations are the project&apos;s own work, under the same licence.</source>
        <translation>Die Übersetzungen sind eigene Arbeit des Projekts, unter derselben Lizenz.</translation>
    </message>
    <message>
        <source>About Velkar</source>
        <translation>Über Velkar</translation>
    </message>
    <message>
        <source>Open Picture…</source>
        <translation>Bild öffnen …</translation>
    </message>
    <message>
        <source>Save Screenshot</source>
        <translation>Bildschirmfoto speichern</translation>
    </message>
    <message>
        <source>Open Lid</source>
        <translation>Deckel öffnen</translation>
    </message>
    <message>
        <source>Close Lid</source>
        <translation>Deckel schließen</translation>
    </message>
    <message>
        <source>Lid One Step Open</source>
        <translation>Deckel einen Schritt öffnen</translation>
    </message>
    <message>
        <source>Lid One Step Closed</source>
        <translation>Deckel einen Schritt schließen</translation>
    </message>
    <message>
        <source>Antialiasing</source>
        <translation>Kantenglättung</translation>
    </message>
    <message>
        <source>Reset View</source>
        <translation>Ansicht zurücksetzen</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Diashow</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Open Folder…</source>
        <translation>Ordner öffnen …</translation>
    </message>
    <message>
        <source>Next Picture</source>
        <translation>Nächstes Bild</translation>
    </message>
    <message>
        <source>Previous Picture</source>
        <translation>Vorheriges Bild</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 Sekunden</translation>
    </message>
    <message>
        <source>1 Minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>5 Minutes</source>
        <translation>5 Minuten</translation>
    </message>
    <message>
        <source>1 Hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Zufällige Reihenfolge</translation>
    </message>
    <message>
        <source>Stay on Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Standard Picture</source>
        <translation>Standardbild</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Hide Title Bar</source>
        <translation>Titelleiste ausblenden</translation>
    </message>
    <message>
        <source>Move Window</source>
        <translation>Fenster verschieben</translation>
    </message>
    <message>
        <source>Wayland has no way for a program to keep its window above others; your desktop&apos;s own window menu may</source>
        <translation>Wayland bietet Programmen keinen Weg, ihr Fenster über anderen zu halten; das Fenstermenü der Arbeitsumgebung kann es womöglich</translation>
    </message>
    <message>
        <source>Move Window: the window system does not move windows for programs here; drag the window with Alt or Super held</source>
        <translation>Fenster verschieben: das Fenstersystem verschiebt hier keine Fenster für Programme; das Fenster mit gedrückter Alt- oder Super-Taste ziehen</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>drag with the mouse</source>
        <translation>mit der Maus ziehen</translation>
    </message>
    <message>
        <source>turn the phone</source>
        <translation>das Handy drehen</translation>
    </message>
    <message>
        <source>mouse wheel, + = -</source>
        <translation>Mausrad, + = -</translation>
    </message>
    <message>
        <source>zoom in and out</source>
        <translation>vergrößern und verkleinern</translation>
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
        <translation>nach oben, links, unten, rechts verschieben</translation>
    </message>
    <message>
        <source>T / G</source>
        <translation>T / G</translation>
    </message>
    <message>
        <source>open / close the lid by one step</source>
        <translation>Deckel einen Schritt öffnen / schließen</translation>
    </message>
    <message>
        <source>R / F</source>
        <translation>R / F</translation>
    </message>
    <message>
        <source>open / close the lid fully (about three seconds)</source>
        <translation>Deckel ganz öffnen / schließen (etwa drei Sekunden)</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>antialiasing on or off</source>
        <translation>Kantenglättung ein oder aus</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>back to the start-up view</source>
        <translation>zurück zur Startansicht</translation>
    </message>
    <message>
        <source>F12</source>
        <translation>F12</translation>
    </message>
    <message>
        <source>save a screenshot in your Pictures folder</source>
        <translation>Bildschirmfoto im Ordner „Bilder“ speichern</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Strg+O</translation>
    </message>
    <message>
        <source>open a picture for the main screen</source>
        <translation>Bild für das Hauptdisplay öffnen</translation>
    </message>
    <message>
        <source>drop an image file</source>
        <translation>Bilddatei ablegen</translation>
    </message>
    <message>
        <source>show it on the main screen</source>
        <translation>auf dem Hauptdisplay zeigen</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>full screen on or off</source>
        <translation>Vollbild ein oder aus</translation>
    </message>
    <message>
        <source>F1 / H</source>
        <translation>F1 / H</translation>
    </message>
    <message>
        <source>show or hide this list on the window</source>
        <translation>diese Liste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>a menu of every command</source>
        <translation>Menü mit allen Befehlen</translation>
    </message>
    <message>
        <source>Escape, Ctrl+Q</source>
        <translation>Esc, Strg+Q</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>beenden</translation>
    </message>
    <message>
        <source>Controls:</source>
        <translation>Steuerung:</translation>
    </message>
    <message>
        <source>right-click, Shift+F10, Menu</source>
        <translation>Rechtsklick, Umschalt+F10, Menü</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Strg+C</translation>
    </message>
    <message>
        <source>copy the frame, as F12 would save it</source>
        <translation>das Bild kopieren, wie F12 es speichert</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Strg+Umschalt+O</translation>
    </message>
    <message>
        <source>show the pictures of a folder in turn</source>
        <translation>die Bilder eines Ordners nacheinander zeigen</translation>
    </message>
    <message>
        <source>PageDown / PageUp</source>
        <translation>Bild ab / Bild auf</translation>
    </message>
    <message>
        <source>the next / previous picture of the folder</source>
        <translation>nächstes / vorheriges Bild des Ordners</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Strg+T</translation>
    </message>
    <message>
        <source>keep the window above others, or not</source>
        <translation>Fenster immer im Vordergrund oder nicht</translation>
    </message>
    <message>
        <source>menu only</source>
        <translation>nur im Menü</translation>
    </message>
    <message>
        <source>Standard Picture, Start at Login,</source>
        <translation>Standardbild, Beim Anmelden starten,</translation>
    </message>
    <message>
        <source>Hide Title Bar, Move Window</source>
        <translation>Titelleiste ausblenden, Fenster verschieben</translation>
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
        <translation>Jede andere Taste oder ein Klick blendet diese Liste aus.</translation>
    </message>
</context>
<context>
    <name>Desk</name>
    <message>
        <source>its folder cannot be made</source>
        <translation>der Ordner der Datei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The folding phone&apos;s clocks, started at login</source>
        <translation>Die Uhren des Klapphandys, beim Anmelden gestartet</translation>
    </message>
</context>
<context>
    <name>OpenPicture</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>no screen picture: &quot;%1&quot; in %2: %3</source>
        <translation>kein Bild für das Display: „%1“ in %2: %3</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>es ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>es ist eine benannte Pipe, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>es ist ein Socket, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a character device, not a regular file</source>
        <translation>es ist ein zeichenorientiertes Gerät, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a block device, not a regular file</source>
        <translation>es ist ein blockorientiertes Gerät, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>keine Leseberechtigung</translation>
    </message>
    <message>
        <source>it is a loop of symbolic links</source>
        <translation>es ist eine Schleife symbolischer Verknüpfungen</translation>
    </message>
    <message>
        <source>not an image this program can read</source>
        <translation>kein Bild, das dieses Programm lesen kann</translation>
    </message>
    <message>
        <source>its header claims %1x%2 pixels, more than %3x%3</source>
        <translation>laut Kopfdaten %1x%2 Pixel, mehr als %3x%3</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist unvollständig</translation>
    </message>
    <message>
        <source>it is %1 MiB, more than the %2 MiB a picture of at most %3x%3 pixels needs</source>
        <translation>die Datei hat %1 MiB, mehr als die %2 MiB, die ein Bild von höchstens %3x%3 Pixeln braucht</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8, and it cannot be used</source>
        <translation>der Name ist kein gültiges UTF-8 und kann nicht verwendet werden</translation>
    </message>
</context>
<context>
    <name>Scene3D</name>
    <message>
        <source>Right-click for the menu of commands, F1 for the list of controls</source>
        <translation>Rechtsklick für das Befehlsmenü, F1 für die Übersicht der Steuerung</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>lid closed</source>
        <translation>Deckel geschlossen</translation>
    </message>
    <message>
        <source>lid open</source>
        <translation>Deckel offen</translation>
    </message>
    <message>
        <source>lid partly open</source>
        <translation>Deckel halb offen</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>kein Bild</translation>
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
        <translation>Bildschirmfoto nicht gespeichert: %1: %2</translation>
    </message>
    <message>
        <source>saved %1</source>
        <translation>gespeichert: %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>no permission to create a folder in %1</source>
        <translation>keine Berechtigung, in %1 einen Ordner anzulegen</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>there is no Pictures folder</source>
        <translation>es gibt keinen Ordner „Bilder“</translation>
    </message>
    <message>
        <source>%1 names of that second are taken</source>
        <translation>alle %1 Namen dieser Sekunde sind vergeben</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1 „%2“ ist keine Zahl von %3 bis %4</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is neither true nor false</source>
        <translation>%1 „%2“ ist weder true noch false</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is none of standard, file, folder</source>
        <translation>%1 „%2“ ist keiner der Werte standard, file, folder</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is gone</source>
        <translation>die Datei „%1“ ist nicht mehr da</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is gone</source>
        <translation>der Ordner „%1“ ist nicht mehr da</translation>
    </message>
    <message>
        <source>%1; starting as the first time, and leaving the file as it is</source>
        <translation>%1; Start wie beim ersten Mal, die Datei bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>sie kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>it cannot be copied to be read: %1</source>
        <translation>sie kann zum Lesen nicht kopiert werden: %1</translation>
    </message>
    <message>
        <source>it is not an INI file</source>
        <translation>es ist keine INI-Datei</translation>
    </message>
    <message>
        <source>%1; using the defaults for those</source>
        <translation>%1; dafür gelten die Vorgaben</translation>
    </message>
    <message>
        <source>settings %1: %2</source>
        <translation>Einstellungen %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>sie kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>settings not saved: %1: %2</source>
        <translation>Einstellungen nicht gespeichert: %1: %2</translation>
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
        <translation>in „%1“ kann kein Bild gelesen werden; das Standardbild wird gezeigt</translation>
    </message>
    <message>
        <source>no picture in &quot;%1&quot; can be read: %2; the standard picture is shown</source>
        <translation>in „%1“ kann kein Bild gelesen werden: %2; das Standardbild wird gezeigt</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>keine Leseberechtigung</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>es ist kein Ordner</translation>
    </message>
</context>
</TS>
