<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Pictures without a window (no display server needed):</source>
        <translation>Images sans fenêtre (aucun serveur d&apos;affichage nécessaire) :</translation>
    </message>
    <message>
        <source>An interactive 3D model of a folding phone whose lid shows the local time.
Qt&apos;s own options, such as -platform and -display, are accepted too.</source>
        <translation>Un modèle 3D interactif de téléphone à clapet qui affiche l&apos;heure locale sur son clapet.
Les options propres à Qt, comme -platform et -display, sont aussi acceptées.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and quit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Draw one picture into FILE (.png or .jpg; - is PNG on standard output) with no window, and quit.</source>
        <translation>Dessiner une image dans FICHIER (.png ou .jpg ; - pour du PNG sur la sortie standard) sans fenêtre, et quitter.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>With --output: the time the clocks show (default: now).</source>
        <translation>Avec --output : l&apos;heure affichée par les horloges (par défaut : maintenant).</translation>
    </message>
    <message>
        <source>With --output: keys pressed first, named as in the controls below.</source>
        <translation>Avec --output : touches pressées d&apos;abord, nommées comme dans les contrôles ci-dessous.</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>TOUCHES</translation>
    </message>
    <message>
        <source>With --output: the picture&apos;s size in pixels (default: 500).</source>
        <translation>Avec --output : la taille de l&apos;image en pixels (par défaut : 500).</translation>
    </message>
    <message>
        <source>With --output: the same as the key Q.</source>
        <translation>Avec --output : comme la touche Q.</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>IMAGE</translation>
    </message>
    <message>
        <source>[PICTURE]</source>
        <translation>[IMAGE]</translation>
    </message>
    <message>
        <source>--time: &quot;%1&quot; is not a time of day (HH:MM or HH:MM:SS, 00:00 to 23:59:59)</source>
        <translation>--time : « %1 » n&apos;est pas une heure (HH:MM ou HH:MM:SS, de 00:00 à 23:59:59)</translation>
    </message>
    <message>
        <source>--size: &quot;%1&quot; is not a size (N or WxH, 1 to %2 pixels a side)</source>
        <translation>--size : « %1 » n&apos;est pas une taille (N ou WxH, de 1 à %2 pixels de côté)</translation>
    </message>
    <message>
        <source>--output needs a file name (or - for standard output)</source>
        <translation>--output demande un nom de fichier (ou - pour la sortie standard)</translation>
    </message>
    <message>
        <source>--output: %1: the name must end in .png, .jpg or .jpeg (or be - for PNG on standard output)</source>
        <translation>--output : %1 : le nom doit finir par .png, .jpg ou .jpeg (ou être - pour du PNG sur la sortie standard)</translation>
    </message>
    <message>
        <source>one PICTURE at most, %1 given: %2</source>
        <translation>une IMAGE au plus, %1 données : %2</translation>
    </message>
    <message>
        <source>--%1 works only with --output</source>
        <translation>--%1 ne fonctionne qu&apos;avec --output</translation>
    </message>
    <message>
        <source>Try &apos;velkar --help&apos; for more information.</source>
        <translation>Essayez « velkar --help » pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>no OpenGL without a window: %1</source>
        <translation>pas d&apos;OpenGL sans fenêtre : %1</translation>
    </message>
    <message>
        <source>--size: at most %1 pixels a side here (the OpenGL implementation&apos;s largest frame)</source>
        <translation>--size : ici au plus %1 pixels de côté (la plus grande image de l&apos;implémentation OpenGL)</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>--keys: no key is called &quot;%1&quot;</source>
        <translation>--keys : aucune touche ne s&apos;appelle « %1 »</translation>
    </message>
    <message>
        <source>--keys: %1 only works in a window</source>
        <translation>--keys : %1 ne fonctionne que dans une fenêtre</translation>
    </message>
    <message>
        <source>The frames of --duration are put in place together once all are written: a run that
fails leaves none of its own behind. Files of an earlier run with more frames are
left as they are; remove them first if the new set must stand alone.
</source>
        <translation>Les images de --duration sont mises en place ensemble, une fois toutes écrites : une
exécution qui échoue n&apos;en laisse aucune. Les fichiers d&apos;une exécution précédente qui
comptait plus d&apos;images restent tels quels ; supprimez-les d&apos;abord si la nouvelle série
doit être seule.
</translation>
    </message>
    <message>
        <source>Neither read nor write the settings: start as the very first time.</source>
        <translation>Ne lire ni écrire les paramètres : démarrer comme la toute première fois.</translation>
    </message>
    <message>
        <source>With --output: what shows around the phone, a colour (#202020, black, ...; default: white) or transparent (PNG only).</source>
        <translation>Avec --output : ce qui entoure le téléphone, une couleur (#202020, black, ... ; par défaut : white) ou transparent (PNG uniquement).</translation>
    </message>
    <message>
        <source>With --output: frames of the window over SECONDS from the start, R and F animated as in the window; FILE then holds {frame}, the frame&apos;s number, or is - (the PNGs one after another).</source>
        <translation>Avec --output : les images de la fenêtre pendant SECONDES depuis le début, R et F animés comme dans la fenêtre ; FICHIER contient alors {frame}, le numéro de l&apos;image, ou vaut - (les PNG l&apos;un après l&apos;autre).</translation>
    </message>
    <message>
        <source>With --duration: frames a second, 1 to 240 (default: 30).</source>
        <translation>Avec --duration : images par seconde, de 1 à 240 (par défaut : 30).</translation>
    </message>
    <message>
        <source>The picture for the phone&apos;s main screen, in any format Qt reads (default: the one chosen in the window last, else nqw.bmp in the working directory).</source>
        <translation>L&apos;image de l&apos;écran principal du téléphone, dans tout format que Qt sait lire (par défaut : la dernière choisie dans la fenêtre, sinon nqw.bmp dans le dossier de travail).</translation>
    </message>
    <message>
        <source>--background: &quot;%1&quot; is not a colour (#RRGGBB, a name such as black, or transparent)</source>
        <translation>--background : « %1 » n&apos;est pas une couleur (#RRGGBB, un nom comme black, ou transparent)</translation>
    </message>
    <message>
        <source>--duration: &quot;%1&quot; is not a duration (seconds above 0, at most %2)</source>
        <translation>--duration : « %1 » n&apos;est pas une durée (en secondes, plus de 0 et au plus %2)</translation>
    </message>
    <message>
        <source>--fps: &quot;%1&quot; is not a frame rate (1 to %2 frames a second)</source>
        <translation>--fps : « %1 » n&apos;est pas une fréquence d&apos;images (de 1 à %2 images par seconde)</translation>
    </message>
    <message>
        <source>--duration: the file name must hold {frame}, for the frame&apos;s number, or be - for standard output</source>
        <translation>--duration : le nom de fichier doit contenir {frame}, pour le numéro de l&apos;image, ou être - pour la sortie standard</translation>
    </message>
    <message>
        <source>--output: %1: {frame} numbers the frames of --duration, which is not given</source>
        <translation>--output : %1 : {frame} numérote les images de --duration, qui n&apos;est pas indiqué</translation>
    </message>
    <message>
        <source>--fps works only with --duration</source>
        <translation>--fps ne fonctionne qu&apos;avec --duration</translation>
    </message>
    <message>
        <source>--background transparent: %1: JPEG has no transparency, use .png</source>
        <translation>--background transparent : %1 : le JPEG n&apos;a pas de transparence, utilisez .png</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>l&apos;image n&apos;a pas pu être encodée</translation>
    </message>
    <message>
        <source>EGL has no surfaceless platform (EGL_MESA_platform_surfaceless)</source>
        <translation>EGL n&apos;a pas de plateforme sans surface (EGL_MESA_platform_surfaceless)</translation>
    </message>
    <message>
        <source>EGL&apos;s surfaceless platform did not start</source>
        <translation>la plateforme sans surface d&apos;EGL n&apos;a pas démarré</translation>
    </message>
    <message>
        <source>EGL offers no desktop OpenGL</source>
        <translation>EGL n&apos;offre pas d&apos;OpenGL de bureau</translation>
    </message>
    <message>
        <source>EGL made no OpenGL compatibility context</source>
        <translation>EGL n&apos;a créé aucun contexte OpenGL de compatibilité</translation>
    </message>
    <message>
        <source>the OpenGL context could not be made current without a surface</source>
        <translation>le contexte OpenGL n&apos;a pas pu être rendu courant sans surface</translation>
    </message>
    <message>
        <source>no temporary file could be made beside it</source>
        <translation>aucun fichier temporaire n&apos;a pu être créé à côté</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>COULEUR</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>SECONDES</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>An interactive 3D model of a folding phone whose lid shows the local time.</source>
        <translation>Un modèle 3D interactif de téléphone à clapet qui affiche l&apos;heure locale sur son clapet.</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Publié sous la licence MIT.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the velkar developers</source>
        <translation>Copyright (c) 2026 les développeurs de velkar</translation>
    </message>
    <message>
        <source>The translations are the project&apos;s own work, under the same licence.</source>
        <translation>Les traductions sont l&apos;œuvre du projet lui-même, sous la même licence.</translation>
    </message>
    <message>
        <source>About Velkar</source>
        <translation>À propos de Velkar</translation>
    </message>
    <message>
        <source>Open Picture…</source>
        <translation>Ouvrir une image…</translation>
    </message>
    <message>
        <source>Save Screenshot</source>
        <translation>Enregistrer une capture d&apos;écran</translation>
    </message>
    <message>
        <source>Open Lid</source>
        <translation>Ouvrir le clapet</translation>
    </message>
    <message>
        <source>Close Lid</source>
        <translation>Fermer le clapet</translation>
    </message>
    <message>
        <source>Lid One Step Open</source>
        <translation>Ouvrir le clapet d&apos;un cran</translation>
    </message>
    <message>
        <source>Lid One Step Closed</source>
        <translation>Fermer le clapet d&apos;un cran</translation>
    </message>
    <message>
        <source>Antialiasing</source>
        <translation>Anticrénelage</translation>
    </message>
    <message>
        <source>Reset View</source>
        <translation>Réinitialiser la vue</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Contrôles</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Diaporama</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Open Folder…</source>
        <translation>Ouvrir un dossier…</translation>
    </message>
    <message>
        <source>Next Picture</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <source>Previous Picture</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 secondes</translation>
    </message>
    <message>
        <source>1 Minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>5 Minutes</source>
        <translation>5 minutes</translation>
    </message>
    <message>
        <source>1 Hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Stay on Top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Standard Picture</source>
        <translation>Image standard</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Lancer à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Hide Title Bar</source>
        <translation>Masquer la barre de titre</translation>
    </message>
    <message>
        <source>Move Window</source>
        <translation>Déplacer la fenêtre</translation>
    </message>
    <message>
        <source>Wayland has no way for a program to keep its window above others; your desktop&apos;s own window menu may</source>
        <translation>Wayland ne permet pas à un programme de garder sa fenêtre au-dessus des autres ; le menu de fenêtre de votre bureau le permet peut-être</translation>
    </message>
    <message>
        <source>Move Window: the window system does not move windows for programs here; drag the window with Alt or Super held</source>
        <translation>Déplacer la fenêtre : ici, le système de fenêtres ne déplace pas les fenêtres pour les programmes ; faites glisser la fenêtre en maintenant Alt ou Super</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>drag with the mouse</source>
        <translation>glisser avec la souris</translation>
    </message>
    <message>
        <source>turn the phone</source>
        <translation>tourner le téléphone</translation>
    </message>
    <message>
        <source>mouse wheel, + = -</source>
        <translation>molette, + = -</translation>
    </message>
    <message>
        <source>zoom in and out</source>
        <translation>zoom avant et arrière</translation>
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
        <translation>le déplacer vers le haut, la gauche, le bas, la droite</translation>
    </message>
    <message>
        <source>T / G</source>
        <translation>T / G</translation>
    </message>
    <message>
        <source>open / close the lid by one step</source>
        <translation>ouvrir / fermer le clapet d&apos;un cran</translation>
    </message>
    <message>
        <source>R / F</source>
        <translation>R / F</translation>
    </message>
    <message>
        <source>open / close the lid fully (about three seconds)</source>
        <translation>ouvrir / fermer tout le clapet (environ trois secondes)</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>antialiasing on or off</source>
        <translation>activer ou désactiver l&apos;anticrénelage</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>back to the start-up view</source>
        <translation>revenir à la vue de départ</translation>
    </message>
    <message>
        <source>F12</source>
        <translation>F12</translation>
    </message>
    <message>
        <source>save a screenshot in your Pictures folder</source>
        <translation>enregistrer une capture d&apos;écran dans le dossier Images</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>open a picture for the main screen</source>
        <translation>ouvrir une image pour l&apos;écran principal</translation>
    </message>
    <message>
        <source>drop an image file</source>
        <translation>déposer un fichier image</translation>
    </message>
    <message>
        <source>show it on the main screen</source>
        <translation>l&apos;afficher sur l&apos;écran principal</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>full screen on or off</source>
        <translation>activer ou quitter le plein écran</translation>
    </message>
    <message>
        <source>F1 / H</source>
        <translation>F1 / H</translation>
    </message>
    <message>
        <source>show or hide this list on the window</source>
        <translation>afficher ou masquer cette liste</translation>
    </message>
    <message>
        <source>a menu of every command</source>
        <translation>un menu de toutes les commandes</translation>
    </message>
    <message>
        <source>Escape, Ctrl+Q</source>
        <translation>Échap, Ctrl+Q</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>quitter</translation>
    </message>
    <message>
        <source>Controls:</source>
        <translation>Contrôles :</translation>
    </message>
    <message>
        <source>right-click, Shift+F10, Menu</source>
        <translation>clic droit, Maj+F10, Menu</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>copy the frame, as F12 would save it</source>
        <translation>copier l&apos;image, comme F12 l&apos;enregistrerait</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Maj+O</translation>
    </message>
    <message>
        <source>show the pictures of a folder in turn</source>
        <translation>afficher tour à tour les images d&apos;un dossier</translation>
    </message>
    <message>
        <source>PageDown / PageUp</source>
        <translation>Page suiv / Page préc</translation>
    </message>
    <message>
        <source>the next / previous picture of the folder</source>
        <translation>image suivante / précédente du dossier</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>keep the window above others, or not</source>
        <translation>garder la fenêtre au premier plan, ou non</translation>
    </message>
    <message>
        <source>menu only</source>
        <translation>menu seulement</translation>
    </message>
    <message>
        <source>Standard Picture, Start at Login,</source>
        <translation>Image standard, Lancer à l&apos;ouverture de session,</translation>
    </message>
    <message>
        <source>Hide Title Bar, Move Window</source>
        <translation>Masquer la barre de titre, Déplacer la fenêtre</translation>
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
        <translation>Toute autre touche ou un clic masque cette liste.</translation>
    </message>
</context>
<context>
    <name>Desk</name>
    <message>
        <source>its folder cannot be made</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>The folding phone&apos;s clocks, started at login</source>
        <translation>Les horloges du téléphone à clapet, lancées à l&apos;ouverture de session</translation>
    </message>
</context>
<context>
    <name>OpenPicture</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir un dossier</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>no screen picture: &quot;%1&quot; in %2: %3</source>
        <translation>pas d&apos;image pour l&apos;écran : « %1 » dans %2 : %3</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>c&apos;est un répertoire</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>c&apos;est un tube nommé, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>c&apos;est un socket, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a character device, not a regular file</source>
        <translation>c&apos;est un périphérique caractère, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a block device, not a regular file</source>
        <translation>c&apos;est un périphérique bloc, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>pas la permission de le lire</translation>
    </message>
    <message>
        <source>it is a loop of symbolic links</source>
        <translation>c&apos;est une boucle de liens symboliques</translation>
    </message>
    <message>
        <source>not an image this program can read</source>
        <translation>ce n&apos;est pas une image que ce programme sait lire</translation>
    </message>
    <message>
        <source>its header claims %1x%2 pixels, more than %3x%3</source>
        <translation>son en-tête annonce %1x%2 pixels, plus que %3x%3</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>it is %1 MiB, more than the %2 MiB a picture of at most %3x%3 pixels needs</source>
        <translation>il fait %1 Mio, plus que les %2 Mio dont a besoin une image d&apos;au plus %3x%3 pixels</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8, and it cannot be used</source>
        <translation>son nom n&apos;est pas de l&apos;UTF-8 valide, il ne peut pas être utilisé</translation>
    </message>
</context>
<context>
    <name>Scene3D</name>
    <message>
        <source>Right-click for the menu of commands, F1 for the list of controls</source>
        <translation>Clic droit pour le menu des commandes, F1 pour la liste des contrôles</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>lid closed</source>
        <translation>clapet fermé</translation>
    </message>
    <message>
        <source>lid open</source>
        <translation>clapet ouvert</translation>
    </message>
    <message>
        <source>lid partly open</source>
        <translation>clapet entrouvert</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>pas d&apos;image</translation>
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
        <translation>capture d&apos;écran non enregistrée : %1 : %2</translation>
    </message>
    <message>
        <source>saved %1</source>
        <translation>enregistrée : %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>no permission to create a folder in %1</source>
        <translation>pas la permission de créer un dossier dans %1</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>there is no Pictures folder</source>
        <translation>il n&apos;y a pas de dossier Images</translation>
    </message>
    <message>
        <source>%1 names of that second are taken</source>
        <translation>les %1 noms de cette seconde sont tous pris</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1 « %2 » n&apos;est pas un nombre de %3 à %4</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is neither true nor false</source>
        <translation>%1 « %2 » n&apos;est ni true ni false</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is none of standard, file, folder</source>
        <translation>%1 « %2 » n&apos;est ni standard, ni file, ni folder</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is gone</source>
        <translation>le fichier « %1 » n&apos;existe plus</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is gone</source>
        <translation>le dossier « %1 » n&apos;existe plus</translation>
    </message>
    <message>
        <source>%1; starting as the first time, and leaving the file as it is</source>
        <translation>%1 ; démarrage comme la première fois, le fichier est laissé tel quel</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>il ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>it cannot be copied to be read: %1</source>
        <translation>il ne peut pas être copié pour être lu : %1</translation>
    </message>
    <message>
        <source>it is not an INI file</source>
        <translation>ce n&apos;est pas un fichier INI</translation>
    </message>
    <message>
        <source>%1; using the defaults for those</source>
        <translation>%1 ; valeurs par défaut utilisées à la place</translation>
    </message>
    <message>
        <source>settings %1: %2</source>
        <translation>paramètres %1 : %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>il ne peut pas être écrit</translation>
    </message>
    <message>
        <source>settings not saved: %1: %2</source>
        <translation>paramètres non enregistrés : %1 : %2</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between two problems</comment>
        <translation> ; </translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message>
        <source>no picture in &quot;%1&quot; can be read; the standard picture is shown</source>
        <translation>aucune image de « %1 » ne peut être lue ; l&apos;image standard est affichée</translation>
    </message>
    <message>
        <source>no picture in &quot;%1&quot; can be read: %2; the standard picture is shown</source>
        <translation>aucune image de « %1 » ne peut être lue : %2 ; l&apos;image standard est affichée</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>dossier introuvable</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>pas la permission de le lire</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
</context>
</TS>
