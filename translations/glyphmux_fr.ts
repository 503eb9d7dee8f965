<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Informazioni su %1</source>
        <extracomment>About %1</extracomment>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <extracomment>Version %1</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Programma: il gruppo di Glyphmux GUI</source>
        <extracomment>Program: the Glyphmux GUI team</extracomment>
        <translation>Programme : l&apos;équipe de Glyphmux GUI</translation>
    </message>
    <message>
        <source>Motore dei font: gli autori di Glyphmux</source>
        <extracomment>Font engine: the authors of Glyphmux</extracomment>
        <translation>Moteur de polices : les auteurs de Glyphmux</translation>
    </message>
</context>
<context>
    <name>AppTexts</name>
    <message>
        <source>2nd edition</source>
        <translation>2e édition</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>glyphmux-gui: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); without a screen, run it as: xvfb-run glyphmux-gui</source>
        <translation>glyphmux-gui : aucun affichage où ouvrir la fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini) ; sans écran, lancez-le ainsi : xvfb-run glyphmux-gui</translation>
    </message>
    <message>
        <source>Editor of Glyphmux.ini, the font configuration of Glyphmux for Symbian phones.
Writes Glyphmux.ini and settings.fs into the current directory; a FILE opened
is saved back to itself instead.</source>
        <translation>Éditeur de Glyphmux.ini, la configuration des polices de Glyphmux pour les téléphones Symbian.
Écrit Glyphmux.ini et settings.fs dans le dossier courant ; un FILE ouvert
est à la place enregistré sur lui-même.</translation>
    </message>
    <message>
        <source>A Glyphmux.ini to open.</source>
        <translation>Un Glyphmux.ini à ouvrir.</translation>
    </message>
    <message>
        <source>glyphmux-gui: only one FILE can be opened; also named: %1</source>
        <translation>glyphmux-gui : un seul FICHIER peut être ouvert ; également indiqué : %1</translation>
    </message>
</context>
<context>
    <name>ControlHelp</name>
    <message>
        <source>Choose the TrueType file (.ttf) for %1</source>
        <translation>Choisir le fichier TrueType (.ttf) pour %1</translation>
    </message>
    <message>
        <source>Open a font for %1</source>
        <translation>Ouvrir une police pour %1</translation>
    </message>
    <message>
        <source>Which texts of the phone&apos;s screen %1 draws</source>
        <translation>Les textes de l&apos;écran du téléphone que %1 dessine</translation>
    </message>
    <message>
        <source>What %1 draws</source>
        <translation>Ce que dessine %1</translation>
    </message>
    <message>
        <source>Smaller: the size of %1 one step down</source>
        <translation>Plus petit : la taille de %1 d&apos;un cran en moins</translation>
    </message>
    <message>
        <source>Smaller %1</source>
        <translation>Plus petit %1</translation>
    </message>
    <message>
        <source>Larger: the size of %1 one step up</source>
        <translation>Plus grand : la taille de %1 d&apos;un cran en plus</translation>
    </message>
    <message>
        <source>Larger %1</source>
        <translation>Plus grand %1</translation>
    </message>
    <message>
        <source>The size of %1, written after &quot;@&quot; on its line of Glyphmux.ini</source>
        <translation>La taille de %1, écrite après « @ » sur sa ligne de Glyphmux.ini</translation>
    </message>
    <message>
        <source>Height of %1: written as it stands after &quot;:Y&quot; on its line of Glyphmux.ini</source>
        <translation>Hauteur de %1 : écrite telle quelle après « :Y » sur sa ligne de Glyphmux.ini</translation>
    </message>
    <message>
        <source>Width of %1: written as it stands after &quot;:W&quot; on its line of Glyphmux.ini</source>
        <translation>Largeur de %1 : écrite telle quelle après « :W » sur sa ligne de Glyphmux.ini</translation>
    </message>
    <message>
        <source>Italic %1: writes &quot;:I&quot; on its line of Glyphmux.ini and slants the preview</source>
        <translation>Italique %1 : écrit « :I » sur sa ligne de Glyphmux.ini et penche l&apos;aperçu</translation>
    </message>
    <message>
        <source>Italic %1</source>
        <translation>Italique %1</translation>
    </message>
    <message>
        <source>Zoom, 1 to 300 %: written as ZoomRatio= in Glyphmux.ini; the preview&apos;s sizes follow it</source>
        <translation>Zoom, de 1 à 300 % : écrit comme ZoomRatio= dans Glyphmux.ini ; les tailles de l&apos;aperçu le suivent</translation>
    </message>
    <message>
        <source>Chroma, 0 to 100: written as Chroma= in Glyphmux.ini; the preview shows its grey. The arrows beside it change it</source>
        <translation>Chroma, de 0 à 100 : écrit comme Chroma= dans Glyphmux.ini ; l&apos;aperçu montre son gris. Les flèches à côté le changent</translation>
    </message>
    <message>
        <source>Chroma</source>
        <translation>Chroma</translation>
    </message>
    <message>
        <source>The font path, written as it stands as ExtraFontFile= in Glyphmux.ini</source>
        <translation>Le chemin des polices, écrit tel quel comme ExtraFontFile= dans Glyphmux.ini</translation>
    </message>
    <message>
        <source>Face name of the font the phone uses for %1: type it, or choose a TrueType file with the open button</source>
        <translation>Nom de la police que le téléphone utilise pour %1 : saisissez-le, ou choisissez un fichier TrueType avec le bouton d&apos;ouverture</translation>
    </message>
</context>
<context>
    <name>CopyListDialog</name>
    <message>
        <source>Copia i seguenti file:</source>
        <extracomment>Copy the following files: (the window&apos;s title, and the heading of the exported copy list)</extracomment>
        <translation>Copiez les fichiers suivants :</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
</context>
<context>
    <name>DocumentHistory</name>
    <message>
        <source>font of %1</source>
        <extracomment>Completes &quot;Undo %1&quot;; %1 is a font slot such as LatinBold13.</extracomment>
        <translation>police de %1</translation>
    </message>
    <message>
        <source>size of %1</source>
        <translation>taille de %1</translation>
    </message>
    <message>
        <source>italics of %1</source>
        <translation>italique de %1</translation>
    </message>
    <message>
        <source>face name of %1</source>
        <extracomment>Typing a face name into the slot&apos;s field.</extracomment>
        <translation>nom de police de %1</translation>
    </message>
    <message>
        <source>height of %1</source>
        <translation>hauteur de %1</translation>
    </message>
    <message>
        <source>width of %1</source>
        <translation>largeur de %1</translation>
    </message>
    <message>
        <source>font path</source>
        <translation>chemin des polices</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>zoom</translation>
    </message>
    <message>
        <source>chroma</source>
        <translation>chroma</translation>
    </message>
    <message>
        <source>opening %1</source>
        <extracomment>%1 is the name of the Glyphmux.ini file opened.</extracomment>
        <translation>ouverture de %1</translation>
    </message>
    <message>
        <source>restoring unsaved changes</source>
        <translation>restauration des modifications non enregistrées</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export for the phone</source>
        <translation>Exporter pour le téléphone</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Engine files…</source>
        <translation>Fichiers du moteur…</translation>
    </message>
    <message>
        <source>Target folder:</source>
        <translation>Dossier cible :</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Téléphone :</translation>
    </message>
    <message>
        <source>Engine&apos;s files:</source>
        <translation>Fichiers du moteur :</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>non choisi</translation>
    </message>
</context>
<context>
    <name>ExportTexts</name>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>Not in this folder, still to copy yourself:</source>
        <translation>Absents de ce dossier, à copier vous-même :</translation>
    </message>
    <message>
        <source>Typed without a file, so these faces must already be on the phone:</source>
        <translation>Saisies sans fichier, ces polices doivent donc déjà se trouver sur le téléphone :</translation>
    </message>
    <message>
        <source>%1: the face &quot;%2&quot; has no file here; this face must already be on the phone.</source>
        <translation>%1 : la police &quot;%2&quot; n&apos;a pas de fichier ici ; cette police doit déjà se trouver sur le téléphone.</translation>
    </message>
    <message>
        <source>%1 is not included (choose &quot;Engine files…&quot; to include it); copy it to c:\system\fonts\ yourself.</source>
        <translation>%1 n&apos;est pas inclus (choisissez &quot;Fichiers du moteur…&quot; pour l&apos;inclure) ; copiez-le vous-même dans c:\system\fonts\.</translation>
    </message>
    <message>
        <source>%1 is not in %2; copy it to c:\system\fonts\ yourself.</source>
        <translation>%1 n&apos;est pas dans %2 ; copiez-le vous-même dans c:\system\fonts\.</translation>
    </message>
    <message>
        <source>%1 is already there and would be replaced.</source>
        <translation>%1 existe déjà et serait remplacé.</translation>
    </message>
    <message>
        <source>Choose the folder to export to.</source>
        <translation>Choisissez le dossier où exporter.</translation>
    </message>
    <message>
        <source>%1 and %2 would have the same name on the phone; rename one of them.</source>
        <translation>%1 et %2 auraient le même nom sur le téléphone ; renommez l&apos;un des deux.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossible de lire %1 : %2.</translation>
    </message>
    <message>
        <source>%1 is in the way: the export needs a folder where a file is, or a file where a folder is.</source>
        <translation>%1 gêne : l&apos;exportation a besoin d&apos;un dossier là où se trouve un fichier, ou d&apos;un fichier là où se trouve un dossier.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2.</source>
        <translation>Impossible de créer le dossier %1 : %2.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>Impossible d&apos;écrire %1 : %2.</translation>
    </message>
    <message>
        <source>The export was cancelled; what it had written was removed.</source>
        <translation>L&apos;exportation a été annulée ; ce qu&apos;elle avait écrit a été supprimé.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) already in the target folder would be replaced.</source>
        <translation>
            <numerusform>%n fichier déjà présent dans le dossier cible serait remplacé.</numerusform>
            <numerusform>%n fichiers déjà présents dans le dossier cible seraient remplacés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) to write, %1 in all.</source>
        <translation>
            <numerusform>%n fichier à écrire, %1 au total.</numerusform>
            <numerusform>%n fichiers à écrire, %1 au total.</numerusform>
        </translation>
    </message>
    <message>
        <source>These files are already in %1:
%2
Replace them?</source>
        <translation>Ces fichiers se trouvent déjà dans %1 :
%2
Les remplacer ?</translation>
    </message>
    <message>
        <source>Exported to %1. Copy its contents onto the phone&apos;s C: drive as they stand.</source>
        <translation>Exporté dans %1. Copiez son contenu tel quel sur le lecteur C: du téléphone.</translation>
    </message>
    <message>
        <source>The export stopped. %1</source>
        <translation>L&apos;exportation s&apos;est arrêtée. %1</translation>
    </message>
    <message>
        <source>Folder to export to</source>
        <translation>Dossier où exporter</translation>
    </message>
    <message>
        <source>Folder with glyphmux.dll and freetype.dll</source>
        <translation>Dossier contenant glyphmux.dll et freetype.dll</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Copying the files for the phone…</source>
        <translation>Copie des fichiers pour le téléphone…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>An earlier export to this folder was interrupted; its leftover files are put back or removed first.</source>
        <translation>Une exportation précédente vers ce dossier a été interrompue ; ses fichiers restants sont d&apos;abord remis en place ou supprimés.</translation>
    </message>
    <message>
        <source>%1 is in the way: it is a link, a pipe or a device, and the export never writes through or over one.</source>
        <extracomment>%1 is a path in the export&apos;s target folder.</extracomment>
        <translation>%1 gêne : c&apos;est un lien, un tube ou un périphérique, et l&apos;exportation n&apos;écrit jamais à travers ni par-dessus.</translation>
    </message>
    <message>
        <source>%1 is in the way: the phone ignores letter case, so it would clash with %2.</source>
        <translation>%1 gêne : le téléphone ne distingue pas les majuscules des minuscules, il entrerait donc en conflit avec %2.</translation>
    </message>
    <message>
        <source>Put back after an interrupted export:
%1</source>
        <translation>Remis en place après une exportation interrompue :
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n leftover file(s) of an interrupted export removed.</source>
        <translation>
            <numerusform>%n fichier restant d&apos;une exportation interrompue supprimé.</numerusform>
            <numerusform>%n fichiers restants d&apos;une exportation interrompue supprimés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was changed: the files it had replaced were put back, and those it had written were removed.</source>
        <translation>Rien n&apos;a changé : les fichiers qu&apos;elle avait remplacés ont été remis en place et ceux qu&apos;elle avait écrits ont été supprimés.</translation>
    </message>
    <message>
        <source>These files it had replaced could not be put back; the next export to this folder puts them back:
%1</source>
        <translation>Ces fichiers remplacés n&apos;ont pas pu être remis en place ; la prochaine exportation vers ce dossier les remettra en place :
%1</translation>
    </message>
    <message>
        <source>%1: the face &quot;%2&quot; comes from another file in another slot too (%3); the phone finds a face by its name alone and cannot tell the two apart.</source>
        <extracomment>%1 is a slot name, %2 a face name, %3 a file.</extracomment>
        <translation>%1 : la police &quot;%2&quot; vient aussi d&apos;un autre fichier dans un autre emplacement (%3) ; le téléphone trouve une police par son seul nom et ne peut pas les distinguer.</translation>
    </message>
    <message>
        <source>Copy these files to the phone:</source>
        <translation>Copiez ces fichiers sur le téléphone :</translation>
    </message>
    <message>
        <source>The phone may not be able to use:</source>
        <translation>Le téléphone ne pourra peut-être pas utiliser :</translation>
    </message>
    <message>
        <source>%1: %2 has PostScript (CFF) outlines; the phone&apos;s font engine may not draw them.</source>
        <translation>%1 : %2 a des contours PostScript (CFF) ; le moteur de polices du téléphone risque de ne pas les dessiner.</translation>
    </message>
    <message>
        <source>%1: %2 lacks characters of the texts this font draws: %3</source>
        <extracomment>%3 lists the characters, separated by spaces.</extracomment>
        <translation>%1 : il manque à %2 des caractères des textes que cette police dessine : %3</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>invalid file name</source>
        <translation>nom de fichier non valide</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>incomplete write</source>
        <translation>écriture incomplète</translation>
    </message>
    <message>
        <source>a link, pipe or device is in the way</source>
        <extracomment>a symbolic link, pipe or device stands at the name of a file we would write</extracomment>
        <translation>un lien, un tube ou un périphérique est dans le chemin</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 and cannot be used without changing it</source>
        <translation>son nom n&apos;est pas de l&apos;UTF-8 valide et ne peut être utilisé sans être modifié</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>opération non permise</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>le quota disque est épuisé</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>le fichier est trop grand</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>une partie du chemin n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>it already exists</source>
        <translation>il existe déjà</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <source>too many links in the path</source>
        <translation>trop de liens dans le chemin</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>erreur d&apos;entrée/sortie</translation>
    </message>
    <message>
        <source>it is busy</source>
        <translation>il est occupé</translation>
    </message>
    <message>
        <source>too many open files</source>
        <translation>trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>it is on another disk</source>
        <translation>il est sur un autre disque</translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation>le dossier n&apos;est pas vide</translation>
    </message>
</context>
<context>
    <name>FontDetailsWindow</name>
    <message>
        <source>Missing characters:</source>
        <translation>Caractères manquants :</translation>
    </message>
    <message>
        <source>Font details: %1</source>
        <translation>Détails de la police : %1</translation>
    </message>
</context>
<context>
    <name>FontListGlue</name>
    <message>
        <source>&amp;Font list…</source>
        <translation>&amp;Liste des polices…</translation>
    </message>
</context>
<context>
    <name>FontListModel</name>
    <message>
        <source>Sample</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Famille</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
</context>
<context>
    <name>FontListWindow</name>
    <message>
        <source>Font list</source>
        <translation>Liste des polices</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Installed fonts</source>
        <translation>Polices installées</translation>
    </message>
    <message>
        <source>Document fonts</source>
        <translation>Polices du document</translation>
    </message>
    <message>
        <source>Choose &amp;folder…</source>
        <translation>Choisir le &amp;dossier…</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Emplacement :</translation>
    </message>
    <message>
        <source>Search names</source>
        <translation>Rechercher dans les noms</translation>
    </message>
    <message>
        <source>&amp;Only faces with every character</source>
        <translation>&amp;Seulement les polices avec tous les caractères</translation>
    </message>
    <message>
        <source>&amp;Hide unusable files</source>
        <extracomment>Files that are no usable TrueType face (collections, PostScript outlines, damaged)</extracomment>
        <translation>&amp;Masquer les fichiers inutilisables</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Utiliser</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Font folder</source>
        <translation>Dossier des polices</translation>
    </message>
    <message numerus="yes">
        <source>%n face(s)</source>
        <translation>
            <numerusform>%n police</numerusform>
            <numerusform>%n polices</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n face(s)</source>
        <translation>
            <numerusform>%1 sur %n police</numerusform>
            <numerusform>%1 sur %n polices</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading… %1</source>
        <translation>Lecture… %1</translation>
    </message>
</context>
<context>
    <name>FontMapEditor</name>
    <message>
        <source>Zoom :</source>
        <translation>Zoom :</translation>
    </message>
    <message>
        <source>Chroma</source>
        <translation>Chroma</translation>
    </message>
</context>
<context>
    <name>FontMessages</name>
    <message>
        <source>file not found</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a TrueType collection (.ttc), not supported: extract a single font from it into a .ttf file</source>
        <translation>c&apos;est une collection TrueType (.ttc), non prise en charge : extrayez-en une seule police dans un fichier .ttf</translation>
    </message>
    <message>
        <source>not a TrueType file</source>
        <translation>ce n&apos;est pas un fichier TrueType</translation>
    </message>
    <message>
        <source>a table of the file is damaged</source>
        <translation>une table du fichier est endommagée</translation>
    </message>
    <message>
        <source>none of the font&apos;s names is usable</source>
        <translation>aucun nom de la police n&apos;est utilisable</translation>
    </message>
    <message>
        <source>Font rejected: %1: %2</source>
        <translation>Police refusée : %1 : %2</translation>
    </message>
    <message>
        <source>%1: PostScript outlines (CFF): the phone&apos;s font engine may not draw them</source>
        <translation>%1 : contours PostScript (CFF) : le moteur de polices du téléphone risque de ne pas les dessiner</translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation>manquant : %1</translation>
    </message>
    <message>
        <source>TrueType (glyf)</source>
        <translation>TrueType (glyf)</translation>
    </message>
    <message>
        <source>PostScript (CFF)</source>
        <translation>PostScript (CFF)</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnus</translation>
    </message>
    <message>
        <source>already installed in the system</source>
        <translation>déjà installée dans le système</translation>
    </message>
    <message>
        <source>registered by the editor</source>
        <translation>enregistrée par l&apos;éditeur</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>the phone&apos;s font engine may not draw them</source>
        <translation>le moteur de polices du téléphone risque de ne pas les dessiner</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Family:</source>
        <translation>Famille :</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Style :</translation>
    </message>
    <message>
        <source>Full name:</source>
        <translation>Nom complet :</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Copyright :</translation>
    </message>
    <message>
        <source>License:</source>
        <translation>Licence :</translation>
    </message>
    <message>
        <source>Glyphs:</source>
        <translation>Glyphes :</translation>
    </message>
    <message>
        <source>Outlines:</source>
        <translation>Contours :</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Origine :</translation>
    </message>
    <message>
        <source>not installed on this computer: the preview draws %1 instead</source>
        <extracomment>%1 is the font family drawn in place of the face named in the slot.</extracomment>
        <translation>non installé sur cet ordinateur : l&apos;aperçu dessine %1 à la place</translation>
    </message>
</context>
<context>
    <name>GlyphmuxIniTexts</name>
    <message>
        <source>unknown key, not saved</source>
        <translation>clé inconnue, non enregistrée</translation>
    </message>
    <message>
        <source>unknown section, its lines are not saved</source>
        <translation>section inconnue, ses lignes ne sont pas enregistrées</translation>
    </message>
    <message>
        <source>not a key=value line, not saved</source>
        <translation>ce n&apos;est pas une ligne clé=valeur, non enregistrée</translation>
    </message>
    <message>
        <source>repeated key, the first one counts</source>
        <translation>clé répétée, la première compte</translation>
    </message>
    <message>
        <source>saving writes the usual value</source>
        <translation>l&apos;enregistrement écrit la valeur habituelle</translation>
    </message>
    <message>
        <source>alias, saving rewrites it from LatinBold13</source>
        <translation>alias, l&apos;enregistrement le réécrit à partir de LatinBold13</translation>
    </message>
    <message>
        <source>missing or not a whole number, the initial value stays</source>
        <translation>absent ou pas un nombre entier, la valeur initiale reste</translation>
    </message>
    <message>
        <source>out of range, the nearest limit is taken</source>
        <translation>hors limites, la limite la plus proche est retenue</translation>
    </message>
    <message>
        <source>a part other than :Y, :I and :W, not saved</source>
        <translation>une partie autre que :Y, :I et :W, non enregistrée</translation>
    </message>
    <message>
        <source>damaged characters, the line is not taken</source>
        <translation>caractères endommagés, la ligne n&apos;est pas retenue</translation>
    </message>
    <message>
        <source>Cannot open %1:
%2</source>
        <translation>Impossible d&apos;ouvrir %1 :
%2</translation>
    </message>
    <message>
        <source>%1 is not a Glyphmux.ini: it is too large.</source>
        <translation>%1 n&apos;est pas un Glyphmux.ini : il est trop gros.</translation>
    </message>
    <message>
        <source>%1 is not a Glyphmux.ini: it has neither the [FontMap] section nor font lines.</source>
        <translation>%1 n&apos;est pas un Glyphmux.ini : il n&apos;a ni section [FontMap] ni lignes de polices.</translation>
    </message>
    <message>
        <source>%1 is open. These lines were not taken as they stand:</source>
        <translation>%1 est ouvert. Ces lignes n&apos;ont pas été reprises telles quelles :</translation>
    </message>
    <message>
        <source>Line %1: %2 (%3)</source>
        <translation>Ligne %1 : %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more lines</source>
        <translation>
            <numerusform>… et %n autre ligne</numerusform>
            <numerusform>… et %n autres lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing saved: cannot read the previous version of %1:
%2</source>
        <translation>Rien n&apos;a été enregistré : impossible de lire la version précédente de %1 :
%2</translation>
    </message>
    <message>
        <source>Nothing saved: cannot keep the previous version in %1:
%2</source>
        <translation>Rien n&apos;a été enregistré : impossible de conserver la version précédente dans %1 :
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Glyphmux GUI help</source>
        <translation>Aide de Glyphmux GUI</translation>
    </message>
    <message>
        <source>Choose a TrueType file for each of the five phone fonts with the folder button of its row; the four phone screens above show at once how the phone would draw its texts. The red &quot;?&quot; of a row tells which texts that font draws.</source>
        <translation>Choisissez un fichier TrueType pour chacune des cinq polices du téléphone avec le bouton dossier de sa ligne ; les quatre écrans de téléphone du haut montrent aussitôt comment le téléphone dessinerait ses textes. Le « ? » rouge d&apos;une ligne dit quels textes cette police dessine.</translation>
    </message>
    <message>
        <source>&quot;-&quot; and &quot;+&quot; step a font&apos;s size; Height, Italic and Width tune it further; Zoom and Chroma apply to every font. Height and Width are written as they stand, after &quot;:Y&quot; and &quot;:W&quot; on the font&apos;s line of Glyphmux.ini.</source>
        <translation>« - » et « + » changent la taille d&apos;une police ; Haut., Ital. et Largeur l&apos;ajustent encore ; Zoom et Chroma valent pour toutes les polices. Hauteur et largeur sont écrites telles quelles, après « :Y » et « :W » sur la ligne de la police dans Glyphmux.ini.</translation>
    </message>
    <message>
        <source>File &gt; Save to Glyphmux.ini (Ctrl+S) writes the file into the folder the editor was started from, or back to the file opened with File &gt; Open (Ctrl+O). With &quot;Show information popup&quot; checked in the Settings menu, it first asks for the phone model, then lists the files to copy to the phone.</source>
        <translation>Fichier &gt; Enregistrer dans Glyphmux.ini (Ctrl+S) écrit le fichier dans le dossier d&apos;où l&apos;éditeur a été lancé, ou dans le fichier ouvert par Fichier &gt; Ouvrir (Ctrl+O). Avec « Afficher la fenêtre d&apos;information » coché dans le menu Paramètres, il demande d&apos;abord le modèle de téléphone, puis liste les fichiers à copier sur le téléphone.</translation>
    </message>
    <message>
        <source>File &gt; Export for the phone gathers Glyphmux.ini, the font files and the engine&apos;s files in one folder, laid out as on the phone&apos;s C: drive, and says first what the phone may not be able to use.</source>
        <translation>Fichier &gt; Exporter pour le téléphone rassemble Glyphmux.ini, les fichiers de polices et ceux du moteur dans un dossier, disposés comme sur le lecteur C: du téléphone, et dit d&apos;abord ce que le téléphone risque de ne pas pouvoir utiliser.</translation>
    </message>
    <message>
        <source>Settings &gt; Language changes the language. Every control explains itself in a tooltip. F1 shows this window, the &quot;?&quot; menu the program&apos;s information.</source>
        <translation>Paramètres &gt; Langue change la langue. Chaque contrôle s&apos;explique dans une infobulle. F1 montre cette fenêtre, le menu « ? » les informations sur le programme.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Saved: %1</source>
        <translation>Enregistré : %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save to Glyphmux.ini</source>
        <translation>&amp;Enregistrer dans Glyphmux.ini</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Show information &amp;popup</source>
        <translation>Afficher la fenêtre d&apos;&amp;information</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Language file (*.lng)</source>
        <translation>Fichier de langue (*.lng)</translation>
    </message>
    <message>
        <source>Cannot read the language file %1:
%2</source>
        <translation>Impossible de lire le fichier de langue %1 :
%2</translation>
    </message>
    <message>
        <source>Restart the program to change language</source>
        <translation>Redémarrez le programme pour changer de langue</translation>
    </message>
    <message>
        <source>&amp;Open Glyphmux.ini…</source>
        <translation>&amp;Ouvrir Glyphmux.ini…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Export for the phone…</source>
        <translation>E&amp;xporter pour le téléphone…</translation>
    </message>
    <message>
        <source>Save writes to %1</source>
        <translation>L&apos;enregistrement écrit dans %1</translation>
    </message>
    <message>
        <source>Writes %1</source>
        <translation>Écrit %1</translation>
    </message>
    <message>
        <source>Preferences are kept in memory for this session only: %1 is not a plain file in the configuration folder</source>
        <translation>Les préférences sont gardées en mémoire pour cette session seulement : %1 n&apos;est pas un fichier ordinaire du dossier de configuration</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Phone pixels…</source>
        <translation>&amp;Pixels du téléphone…</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message numerus="yes">
        <source>(%n more)</source>
        <translation>
            <numerusform>(%n autre)</numerusform>
            <numerusform>(%n autres)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OpenCommand</name>
    <message>
        <source>Open Glyphmux.ini</source>
        <translation>Ouvrir Glyphmux.ini</translation>
    </message>
    <message>
        <source>Glyphmux configuration (*.ini);;All files (*)</source>
        <translation>Configuration Glyphmux (*.ini);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Aucun fichier récent</translation>
    </message>
</context>
<context>
    <name>OpenFonts</name>
    <message>
        <source>the file it came from when this configuration was last saved or exported</source>
        <translation>le fichier dont elle venait lors du dernier enregistrement ou export de cette configuration</translation>
    </message>
    <message>
        <source>the configuration&apos;s own folder</source>
        <translation>le dossier de la configuration</translation>
    </message>
    <message>
        <source>data/fonts beside the configuration</source>
        <translation>data/fonts à côté de la configuration</translation>
    </message>
    <message>
        <source>a folder fonts were last taken from</source>
        <translation>un dossier d&apos;où des polices ont été prises récemment</translation>
    </message>
    <message>
        <source>the fonts installed on this computer</source>
        <translation>les polices installées sur cet ordinateur</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: no font file found for this face</source>
        <extracomment>%1 is a slot name, %2 a face name.</extracomment>
        <translation>%1 &quot;%2&quot; : aucun fichier de police trouvé pour cette police</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %4, found in %3</source>
        <extracomment>%1 is a slot name, %2 a face name, %3 a place, %4 a file.</extracomment>
        <translation>%1 &quot;%2&quot; : %4, trouvé dans %3</translation>
    </message>
    <message numerus="yes">
        <source>(a guess: %n files there give this face; the Regular style was taken, else the first by file name)</source>
        <translation>
            <numerusform>(au jugé : %n fichier y donne cette police ; le style Regular a été pris, sinon le premier par nom de fichier)</numerusform>
            <numerusform>(au jugé : %n fichiers y donnent cette police ; le style Regular a été pris, sinon le premier par nom de fichier)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is open. The font files of its faces:</source>
        <translation>%1 est ouvert. Les fichiers de ses polices :</translation>
    </message>
</context>
<context>
    <name>PhoneModelDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source> font in ttf</source>
        <extracomment>Stands after the phone&apos;s fonts folder in the copy list, for the chosen TrueType files. Keep the leading space.</extracomment>
        <translation> les fichiers de polices .ttf</translation>
    </message>
</context>
<context>
    <name>PhonePixelsWindow</name>
    <message>
        <source>Phone pixels</source>
        <translation>Pixels du téléphone</translation>
    </message>
    <message>
        <source>&amp;Enlargement:</source>
        <extracomment>Label of the list of enlargements (×2 to ×6) of the phone screens.</extracomment>
        <translation>&amp;Agrandissement :</translation>
    </message>
    <message>
        <source>Each phone pixel as a square block; + and - change the enlargement</source>
        <translation>Chaque pixel du téléphone en bloc carré ; + et - changent l&apos;agrandissement</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>Unsaved changes from %1:</source>
        <extracomment>Followed by the buttons Restore and Discard; %1 is a date and time.</extracomment>
        <translation>Modifications non enregistrées du %1 :</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
</context>
<context>
    <name>SaveCommand</name>
    <message>
        <source>salvataggio in corso</source>
        <extracomment>saving in progress (runs through the title bar)</extracomment>
        <translation>enregistrement en cours</translation>
    </message>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation>Impossible d&apos;enregistrer %1 :
%2</translation>
    </message>
    <message>
        <source>%1 bytes, more than the %2 a Glyphmux.ini may hold to be opened again</source>
        <extracomment>%1 and %2 are sizes in bytes</extracomment>
        <translation>%1 octets, plus que les %2 qu&apos;un Glyphmux.ini peut contenir pour être rouvert</translation>
    </message>
</context>
<context>
    <name>SideWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SlotEditor</name>
    <message>
        <source>Font file (*.ttf)</source>
        <translation>Fichier de police (*.ttf)</translation>
    </message>
    <message>
        <source>Apri TTF</source>
        <extracomment>Open TTF (the font dialog&apos;s title)</extracomment>
        <translation>Ouvrir un TTF</translation>
    </message>
</context>
<context>
    <name>SlotFontInfo</name>
    <message>
        <source>Font details…</source>
        <translation>Détails de la police…</translation>
    </message>
    <message>
        <source>Browse fonts for %1…</source>
        <translation>Parcourir les polices pour %1…</translation>
    </message>
</context>
<context>
    <name>SlotInfo</name>
    <message>
        <source>Font degli sms e modo d&apos;uso</source>
        <extracomment>Font of text messages and of the usage texts</extracomment>
        <translation>Police des SMS et du profil</translation>
    </message>
    <message>
        <source>Font del menu popup</source>
        <extracomment>Font of the pop-up menu</extracomment>
        <translation>Police du menu contextuel</translation>
    </message>
    <message>
        <source>Font del testo nella parte bassa dello schermo</source>
        <extracomment>Font of the text at the bottom of the screen</extracomment>
        <translation>Police du texte en bas de l&apos;écran</translation>
    </message>
    <message>
        <source>Font del testo nella parte alta dello schermo</source>
        <extracomment>Font of the text at the top of the screen</extracomment>
        <translation>Police du texte en haut de l&apos;écran</translation>
    </message>
    <message>
        <source>Font del testo nel menu</source>
        <extracomment>Font of the text in the menu</extracomment>
        <translation>Police du texte dans le menu</translation>
    </message>
</context>
<context>
    <name>UndoActions</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
</context>
</TS>
