<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CommandLine</name>
    <message>
        <source>Pictures without a window (no display server needed):</source>
        <translation>Obrazy bez okna (serwer wyświetlania nie jest potrzebny):</translation>
    </message>
    <message>
        <source>An interactive 3D model of a folding phone whose lid shows the local time.
Qt&apos;s own options, such as -platform and -display, are accepted too.</source>
        <translation>Interaktywny model 3D telefonu z klapką, która pokazuje czas lokalny.
Akceptowane są też własne opcje Qt, takie jak -platform i -display.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Pokaż tę pomoc i zakończ.</translation>
    </message>
    <message>
        <source>Show the version and quit.</source>
        <translation>Pokaż wersję i zakończ.</translation>
    </message>
    <message>
        <source>Draw one picture into FILE (.png or .jpg; - is PNG on standard output) with no window, and quit.</source>
        <translation>Narysuj jeden obraz bez okna, zapisz go w pliku PLIK (.png lub .jpg; - to PNG na standardowym wyjściu) i zakończ.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>PLIK</translation>
    </message>
    <message>
        <source>With --output: the time the clocks show (default: now).</source>
        <translation>Z --output: czas pokazywany przez zegary (domyślnie: teraz).</translation>
    </message>
    <message>
        <source>With --output: keys pressed first, named as in the controls below.</source>
        <translation>Z --output: klawisze naciśnięte najpierw, nazwane jak w sterowaniu poniżej.</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>KLAWISZE</translation>
    </message>
    <message>
        <source>With --output: the picture&apos;s size in pixels (default: 500).</source>
        <translation>Z --output: rozmiar obrazu w pikselach (domyślnie: 500).</translation>
    </message>
    <message>
        <source>With --output: the same as the key Q.</source>
        <translation>Z --output: to samo co klawisz Q.</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>OBRAZ</translation>
    </message>
    <message>
        <source>[PICTURE]</source>
        <translation>[OBRAZ]</translation>
    </message>
    <message>
        <source>--time: &quot;%1&quot; is not a time of day (HH:MM or HH:MM:SS, 00:00 to 23:59:59)</source>
        <translation>--time: „%1” to nie jest pora dnia (HH:MM lub HH:MM:SS, od 00:00 do 23:59:59)</translation>
    </message>
    <message>
        <source>--size: &quot;%1&quot; is not a size (N or WxH, 1 to %2 pixels a side)</source>
        <translation>--size: „%1” to nie jest rozmiar (N lub WxH, od 1 do %2 pikseli na bok)</translation>
    </message>
    <message>
        <source>--output needs a file name (or - for standard output)</source>
        <translation>--output wymaga nazwy pliku (lub - dla standardowego wyjścia)</translation>
    </message>
    <message>
        <source>--output: %1: the name must end in .png, .jpg or .jpeg (or be - for PNG on standard output)</source>
        <translation>--output: %1: nazwa musi kończyć się na .png, .jpg lub .jpeg (albo być - dla PNG na standardowym wyjściu)</translation>
    </message>
    <message>
        <source>one PICTURE at most, %1 given: %2</source>
        <translation>najwyżej jeden OBRAZ, liczba podanych: %1: %2</translation>
    </message>
    <message>
        <source>--%1 works only with --output</source>
        <translation>--%1 działa tylko z --output</translation>
    </message>
    <message>
        <source>Try &apos;velkar --help&apos; for more information.</source>
        <translation>Użyj „velkar --help”, aby uzyskać więcej informacji.</translation>
    </message>
    <message>
        <source>no OpenGL without a window: %1</source>
        <translation>brak OpenGL bez okna: %1</translation>
    </message>
    <message>
        <source>--size: at most %1 pixels a side here (the OpenGL implementation&apos;s largest frame)</source>
        <translation>--size: tutaj najwyżej %1 px na bok (największa klatka implementacji OpenGL)</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>standardowe wyjście</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>to jest katalog</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>--keys: no key is called &quot;%1&quot;</source>
        <translation>--keys: żaden klawisz nie nazywa się „%1”</translation>
    </message>
    <message>
        <source>--keys: %1 only works in a window</source>
        <translation>--keys: %1 działa tylko w oknie</translation>
    </message>
    <message>
        <source>The frames of --duration are put in place together once all are written: a run that
fails leaves none of its own behind. Files of an earlier run with more frames are
left as they are; remove them first if the new set must stand alone.
</source>
        <translation>Klatki z --duration trafiają na miejsce razem, gdy wszystkie są już zapisane: przebieg,
który się nie powiedzie, nie zostawia żadnej swojej. Pliki wcześniejszego przebiegu
z większą liczbą klatek zostają bez zmian; usuń je najpierw, jeśli nowa seria ma być
jedyna.
</translation>
    </message>
    <message>
        <source>Neither read nor write the settings: start as the very first time.</source>
        <translation>Nie czytaj ani nie zapisuj ustawień: uruchom jak za pierwszym razem.</translation>
    </message>
    <message>
        <source>With --output: what shows around the phone, a colour (#202020, black, ...; default: white) or transparent (PNG only).</source>
        <translation>Z --output: co widać wokół telefonu, kolor (#202020, black, ...; domyślnie: white) lub transparent (tylko PNG).</translation>
    </message>
    <message>
        <source>With --output: frames of the window over SECONDS from the start, R and F animated as in the window; FILE then holds {frame}, the frame&apos;s number, or is - (the PNGs one after another).</source>
        <translation>Z --output: klatki okna przez SEKUNDY od początku, R i F animowane jak w oknie; PLIK zawiera wtedy {frame}, numer klatki, albo jest - (pliki PNG jeden po drugim).</translation>
    </message>
    <message>
        <source>With --duration: frames a second, 1 to 240 (default: 30).</source>
        <translation>Z --duration: klatki na sekundę, od 1 do 240 (domyślnie: 30).</translation>
    </message>
    <message>
        <source>The picture for the phone&apos;s main screen, in any format Qt reads (default: the one chosen in the window last, else nqw.bmp in the working directory).</source>
        <translation>Obraz na główny ekran telefonu, w dowolnym formacie czytanym przez Qt (domyślnie: ostatnio wybrany w oknie, a bez niego nqw.bmp w katalogu roboczym).</translation>
    </message>
    <message>
        <source>--background: &quot;%1&quot; is not a colour (#RRGGBB, a name such as black, or transparent)</source>
        <translation>--background: „%1” to nie jest kolor (#RRGGBB, nazwa taka jak black albo transparent)</translation>
    </message>
    <message>
        <source>--duration: &quot;%1&quot; is not a duration (seconds above 0, at most %2)</source>
        <translation>--duration: „%1” to nie jest czas trwania (sekundy powyżej 0, najwyżej %2)</translation>
    </message>
    <message>
        <source>--fps: &quot;%1&quot; is not a frame rate (1 to %2 frames a second)</source>
        <translation>--fps: „%1” to nie jest liczba klatek na sekundę (od 1 do %2)</translation>
    </message>
    <message>
        <source>--duration: the file name must hold {frame}, for the frame&apos;s number, or be - for standard output</source>
        <translation>--duration: nazwa pliku musi zawierać {frame} na numer klatki albo być - dla standardowego wyjścia</translation>
    </message>
    <message>
        <source>--output: %1: {frame} numbers the frames of --duration, which is not given</source>
        <translation>--output: %1: {frame} numeruje klatki --duration, którego nie podano</translation>
    </message>
    <message>
        <source>--fps works only with --duration</source>
        <translation>--fps działa tylko z --duration</translation>
    </message>
    <message>
        <source>--background transparent: %1: JPEG has no transparency, use .png</source>
        <translation>--background transparent: %1: JPEG nie obsługuje przezroczystości, użyj .png</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>nie można zakodować obrazu</translation>
    </message>
    <message>
        <source>EGL has no surfaceless platform (EGL_MESA_platform_surfaceless)</source>
        <translation>EGL nie ma platformy bez powierzchni (EGL_MESA_platform_surfaceless)</translation>
    </message>
    <message>
        <source>EGL&apos;s surfaceless platform did not start</source>
        <translation>platforma bez powierzchni EGL nie uruchomiła się</translation>
    </message>
    <message>
        <source>EGL offers no desktop OpenGL</source>
        <translation>EGL nie oferuje desktopowego OpenGL</translation>
    </message>
    <message>
        <source>EGL made no OpenGL compatibility context</source>
        <translation>EGL nie utworzył kontekstu OpenGL w profilu zgodności</translation>
    </message>
    <message>
        <source>the OpenGL context could not be made current without a surface</source>
        <translation>nie można uaktywnić kontekstu OpenGL bez powierzchni</translation>
    </message>
    <message>
        <source>no temporary file could be made beside it</source>
        <translation>nie można utworzyć obok pliku tymczasowego</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>KOLOR</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>SEKUNDY</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>An interactive 3D model of a folding phone whose lid shows the local time.</source>
        <translation>Interaktywny model 3D telefonu z klapką, która pokazuje czas lokalny.</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Wydano na licencji MIT.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the velkar developers</source>
        <translation>Copyright (c) 2026 twórcy velkar</translation>
    </message>
    <message>
        <source>The translations are the project&apos;s own work, under the same licence.</source>
        <translation>Tłumaczenia są własną pracą projektu, na tej samej licencji.</translation>
    </message>
    <message>
        <source>About Velkar</source>
        <translation>O programie Velkar</translation>
    </message>
    <message>
        <source>Open Picture…</source>
        <translation>Otwórz obraz…</translation>
    </message>
    <message>
        <source>Save Screenshot</source>
        <translation>Zapisz zrzut ekranu</translation>
    </message>
    <message>
        <source>Open Lid</source>
        <translation>Otwórz klapkę</translation>
    </message>
    <message>
        <source>Close Lid</source>
        <translation>Zamknij klapkę</translation>
    </message>
    <message>
        <source>Lid One Step Open</source>
        <translation>Otwórz klapkę o krok</translation>
    </message>
    <message>
        <source>Lid One Step Closed</source>
        <translation>Zamknij klapkę o krok</translation>
    </message>
    <message>
        <source>Antialiasing</source>
        <translation>Wygładzanie</translation>
    </message>
    <message>
        <source>Reset View</source>
        <translation>Przywróć widok</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Sterowanie</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Pokaz slajdów</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Open Folder…</source>
        <translation>Otwórz katalog…</translation>
    </message>
    <message>
        <source>Next Picture</source>
        <translation>Następny obraz</translation>
    </message>
    <message>
        <source>Previous Picture</source>
        <translation>Poprzedni obraz</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 sekund</translation>
    </message>
    <message>
        <source>1 Minute</source>
        <translation>1 minuta</translation>
    </message>
    <message>
        <source>5 Minutes</source>
        <translation>5 minut</translation>
    </message>
    <message>
        <source>1 Hour</source>
        <translation>1 godzina</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Losowa kolejność</translation>
    </message>
    <message>
        <source>Stay on Top</source>
        <translation>Zawsze na wierzchu</translation>
    </message>
    <message>
        <source>Standard Picture</source>
        <translation>Obraz standardowy</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Hide Title Bar</source>
        <translation>Ukryj pasek tytułu</translation>
    </message>
    <message>
        <source>Move Window</source>
        <translation>Przesuń okno</translation>
    </message>
    <message>
        <source>Wayland has no way for a program to keep its window above others; your desktop&apos;s own window menu may</source>
        <translation>Wayland nie pozwala programowi trzymać okna nad innymi; może to umożliwiać menu okna w twoim środowisku</translation>
    </message>
    <message>
        <source>Move Window: the window system does not move windows for programs here; drag the window with Alt or Super held</source>
        <translation>Przesuń okno: system okien nie przesuwa tu okien na prośbę programów; przeciągnij okno, trzymając Alt lub Super</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>drag with the mouse</source>
        <translation>przeciągnij myszą</translation>
    </message>
    <message>
        <source>turn the phone</source>
        <translation>obróć telefon</translation>
    </message>
    <message>
        <source>mouse wheel, + = -</source>
        <translation>kółko myszy, + = -</translation>
    </message>
    <message>
        <source>zoom in and out</source>
        <translation>przybliż i oddal</translation>
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
        <translation>przesuń w górę, w lewo, w dół, w prawo</translation>
    </message>
    <message>
        <source>T / G</source>
        <translation>T / G</translation>
    </message>
    <message>
        <source>open / close the lid by one step</source>
        <translation>otwórz / zamknij klapkę o krok</translation>
    </message>
    <message>
        <source>R / F</source>
        <translation>R / F</translation>
    </message>
    <message>
        <source>open / close the lid fully (about three seconds)</source>
        <translation>otwórz / zamknij klapkę całkiem (około trzech sekund)</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>antialiasing on or off</source>
        <translation>włącz lub wyłącz wygładzanie</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>back to the start-up view</source>
        <translation>powrót do widoku początkowego</translation>
    </message>
    <message>
        <source>F12</source>
        <translation>F12</translation>
    </message>
    <message>
        <source>save a screenshot in your Pictures folder</source>
        <translation>zapisz zrzut ekranu w katalogu Obrazy</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>open a picture for the main screen</source>
        <translation>otwórz obraz na główny ekran</translation>
    </message>
    <message>
        <source>drop an image file</source>
        <translation>upuść plik obrazu</translation>
    </message>
    <message>
        <source>show it on the main screen</source>
        <translation>pokaż go na głównym ekranie</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>full screen on or off</source>
        <translation>włącz lub wyłącz pełny ekran</translation>
    </message>
    <message>
        <source>F1 / H</source>
        <translation>F1 / H</translation>
    </message>
    <message>
        <source>show or hide this list on the window</source>
        <translation>pokaż lub ukryj tę listę</translation>
    </message>
    <message>
        <source>a menu of every command</source>
        <translation>menu wszystkich poleceń</translation>
    </message>
    <message>
        <source>Escape, Ctrl+Q</source>
        <translation>Esc, Ctrl+Q</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>zakończ</translation>
    </message>
    <message>
        <source>Controls:</source>
        <translation>Sterowanie:</translation>
    </message>
    <message>
        <source>right-click, Shift+F10, Menu</source>
        <translation>prawy przycisk, Shift+F10, Menu</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>copy the frame, as F12 would save it</source>
        <translation>kopiuj klatkę, tak jak zapisałby ją F12</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>show the pictures of a folder in turn</source>
        <translation>pokazuj po kolei obrazy z katalogu</translation>
    </message>
    <message>
        <source>PageDown / PageUp</source>
        <translation>PageDown / PageUp</translation>
    </message>
    <message>
        <source>the next / previous picture of the folder</source>
        <translation>następny / poprzedni obraz z katalogu</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>keep the window above others, or not</source>
        <translation>trzymaj okno nad innymi albo nie</translation>
    </message>
    <message>
        <source>menu only</source>
        <translation>tylko w menu</translation>
    </message>
    <message>
        <source>Standard Picture, Start at Login,</source>
        <translation>Obraz standardowy, Uruchamiaj po zalogowaniu,</translation>
    </message>
    <message>
        <source>Hide Title Bar, Move Window</source>
        <translation>Ukryj pasek tytułu, Przesuń okno</translation>
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
        <translation>Każdy inny klawisz lub kliknięcie ukrywa tę listę.</translation>
    </message>
</context>
<context>
    <name>Desk</name>
    <message>
        <source>its folder cannot be made</source>
        <translation>nie można utworzyć jego katalogu</translation>
    </message>
    <message>
        <source>The folding phone&apos;s clocks, started at login</source>
        <translation>Zegary telefonu z klapką, uruchamiane po zalogowaniu</translation>
    </message>
</context>
<context>
    <name>OpenPicture</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Obrazy (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Otwórz obraz</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz katalog</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>no screen picture: &quot;%1&quot; in %2: %3</source>
        <translation>brak obrazu na ekran: „%1” w %2: %3</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>to jest katalog</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>to jest nazwany potok, a nie zwykły plik</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>to jest gniazdo, a nie zwykły plik</translation>
    </message>
    <message>
        <source>it is a character device, not a regular file</source>
        <translation>to jest urządzenie znakowe, a nie zwykły plik</translation>
    </message>
    <message>
        <source>it is a block device, not a regular file</source>
        <translation>to jest urządzenie blokowe, a nie zwykły plik</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>nie ma takiego pliku</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>brak uprawnień do odczytu</translation>
    </message>
    <message>
        <source>it is a loop of symbolic links</source>
        <translation>to jest pętla dowiązań symbolicznych</translation>
    </message>
    <message>
        <source>not an image this program can read</source>
        <translation>to nie jest obraz, który ten program potrafi odczytać</translation>
    </message>
    <message>
        <source>its header claims %1x%2 pixels, more than %3x%3</source>
        <translation>nagłówek podaje %1x%2 px, więcej niż %3x%3</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>plik jest obcięty</translation>
    </message>
    <message>
        <source>it is %1 MiB, more than the %2 MiB a picture of at most %3x%3 pixels needs</source>
        <translation>ma %1 MiB, więcej niż %2 MiB, których potrzebuje obraz o rozmiarze najwyżej %3x%3 px</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8, and it cannot be used</source>
        <translation>jego nazwa nie jest poprawnym UTF-8 i nie można go użyć</translation>
    </message>
</context>
<context>
    <name>Scene3D</name>
    <message>
        <source>Right-click for the menu of commands, F1 for the list of controls</source>
        <translation>Prawy przycisk myszy otwiera menu poleceń, F1 pokazuje sterowanie</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>lid closed</source>
        <translation>klapka zamknięta</translation>
    </message>
    <message>
        <source>lid open</source>
        <translation>klapka otwarta</translation>
    </message>
    <message>
        <source>lid partly open</source>
        <translation>klapka uchylona</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>brak obrazu</translation>
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
        <translation>nie zapisano zrzutu ekranu: %1: %2</translation>
    </message>
    <message>
        <source>saved %1</source>
        <translation>zapisano %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 nie jest katalogiem</translation>
    </message>
    <message>
        <source>no permission to create a folder in %1</source>
        <translation>brak uprawnień do utworzenia katalogu w %1</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>nie można utworzyć katalogu</translation>
    </message>
    <message>
        <source>there is no Pictures folder</source>
        <translation>nie ma katalogu Obrazy</translation>
    </message>
    <message>
        <source>%1 names of that second are taken</source>
        <translation>wszystkie nazwy tej sekundy (%1) są zajęte</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1 „%2” to nie jest liczba od %3 do %4</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is neither true nor false</source>
        <translation>%1 „%2” to ani true, ani false</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is none of standard, file, folder</source>
        <translation>%1 „%2” to żadne z: standard, file, folder</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is gone</source>
        <translation>plik „%1” już nie istnieje</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is gone</source>
        <translation>katalog „%1” już nie istnieje</translation>
    </message>
    <message>
        <source>%1; starting as the first time, and leaving the file as it is</source>
        <translation>%1; start jak za pierwszym razem, plik pozostaje bez zmian</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>to jest katalog</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>nie można go odczytać: %1</translation>
    </message>
    <message>
        <source>it cannot be copied to be read: %1</source>
        <translation>nie można go skopiować do odczytu: %1</translation>
    </message>
    <message>
        <source>it is not an INI file</source>
        <translation>to nie jest plik INI</translation>
    </message>
    <message>
        <source>%1; using the defaults for those</source>
        <translation>%1; dla nich użyto wartości domyślnych</translation>
    </message>
    <message>
        <source>settings %1: %2</source>
        <translation>ustawienia %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>nie można utworzyć katalogu %1</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>nie można go zapisać</translation>
    </message>
    <message>
        <source>settings not saved: %1: %2</source>
        <translation>nie zapisano ustawień: %1: %2</translation>
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
        <translation>żadnego obrazu z „%1” nie można odczytać; pokazano obraz standardowy</translation>
    </message>
    <message>
        <source>no picture in &quot;%1&quot; can be read: %2; the standard picture is shown</source>
        <translation>żadnego obrazu z „%1” nie można odczytać: %2; pokazano obraz standardowy</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>nie ma takiego katalogu</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>brak uprawnień do odczytu</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>to nie jest katalog</translation>
    </message>
</context>
</TS>
