<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Informazioni su %1</source>
        <extracomment>About %1</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <extracomment>Version %1</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Programma: il gruppo di Glyphmux GUI</source>
        <extracomment>Program: the Glyphmux GUI team</extracomment>
        <translation>Programm: das Glyphmux-GUI-Team</translation>
    </message>
    <message>
        <source>Motore dei font: gli autori di Glyphmux</source>
        <extracomment>Font engine: the authors of Glyphmux</extracomment>
        <translation>Schrift-Engine: die Autoren von Glyphmux</translation>
    </message>
</context>
<context>
    <name>AppTexts</name>
    <message>
        <source>2nd edition</source>
        <translation>2. Ausgabe</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>glyphmux-gui: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); without a screen, run it as: xvfb-run glyphmux-gui</source>
        <translation>glyphmux-gui: keine Anzeige, auf der sich das Fenster öffnen ließe (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt); ohne Bildschirm so starten: xvfb-run glyphmux-gui</translation>
    </message>
    <message>
        <source>Editor of Glyphmux.ini, the font configuration of Glyphmux for Symbian phones.
Writes Glyphmux.ini and settings.fs into the current directory; a FILE opened
is saved back to itself instead.</source>
        <translation>Editor für Glyphmux.ini, die Schriftkonfiguration von Glyphmux für Symbian-Telefone.
Schreibt Glyphmux.ini und settings.fs in das aktuelle Verzeichnis; eine geöffnete FILE
wird stattdessen in sich selbst zurückgespeichert.</translation>
    </message>
    <message>
        <source>A Glyphmux.ini to open.</source>
        <translation>Eine zu öffnende Glyphmux.ini.</translation>
    </message>
    <message>
        <source>glyphmux-gui: only one FILE can be opened; also named: %1</source>
        <translation>glyphmux-gui: es kann nur eine DATEI geöffnet werden; außerdem angegeben: %1</translation>
    </message>
</context>
<context>
    <name>ControlHelp</name>
    <message>
        <source>Choose the TrueType file (.ttf) for %1</source>
        <translation>Die TrueType-Datei (.ttf) für %1 wählen</translation>
    </message>
    <message>
        <source>Open a font for %1</source>
        <translation>Schrift für %1 öffnen</translation>
    </message>
    <message>
        <source>Which texts of the phone&apos;s screen %1 draws</source>
        <translation>Welche Texte des Handybildschirms %1 zeichnet</translation>
    </message>
    <message>
        <source>What %1 draws</source>
        <translation>Was %1 zeichnet</translation>
    </message>
    <message>
        <source>Smaller: the size of %1 one step down</source>
        <translation>Kleiner: die Größe von %1 einen Schritt zurück</translation>
    </message>
    <message>
        <source>Smaller %1</source>
        <translation>Kleiner %1</translation>
    </message>
    <message>
        <source>Larger: the size of %1 one step up</source>
        <translation>Größer: die Größe von %1 einen Schritt weiter</translation>
    </message>
    <message>
        <source>Larger %1</source>
        <translation>Größer %1</translation>
    </message>
    <message>
        <source>The size of %1, written after &quot;@&quot; on its line of Glyphmux.ini</source>
        <translation>Die Größe von %1, geschrieben nach &quot;@&quot; in seiner Zeile von Glyphmux.ini</translation>
    </message>
    <message>
        <source>Height of %1: written as it stands after &quot;:Y&quot; on its line of Glyphmux.ini</source>
        <translation>Höhe von %1: unverändert nach &quot;:Y&quot; in seine Zeile von Glyphmux.ini geschrieben</translation>
    </message>
    <message>
        <source>Width of %1: written as it stands after &quot;:W&quot; on its line of Glyphmux.ini</source>
        <translation>Breite von %1: unverändert nach &quot;:W&quot; in seine Zeile von Glyphmux.ini geschrieben</translation>
    </message>
    <message>
        <source>Italic %1: writes &quot;:I&quot; on its line of Glyphmux.ini and slants the preview</source>
        <translation>Kursiv %1: schreibt &quot;:I&quot; in seine Zeile von Glyphmux.ini und neigt die Vorschau</translation>
    </message>
    <message>
        <source>Italic %1</source>
        <translation>Kursiv %1</translation>
    </message>
    <message>
        <source>Zoom, 1 to 300 %: written as ZoomRatio= in Glyphmux.ini; the preview&apos;s sizes follow it</source>
        <translation>Zoom, 1 bis 300 %: als ZoomRatio= in Glyphmux.ini geschrieben; die Größen der Vorschau folgen ihm</translation>
    </message>
    <message>
        <source>Chroma, 0 to 100: written as Chroma= in Glyphmux.ini; the preview shows its grey. The arrows beside it change it</source>
        <translation>Chroma, 0 bis 100: als Chroma= in Glyphmux.ini geschrieben; die Vorschau zeigt sein Grau. Die Pfeile daneben ändern ihn</translation>
    </message>
    <message>
        <source>Chroma</source>
        <translation>Chroma</translation>
    </message>
    <message>
        <source>The font path, written as it stands as ExtraFontFile= in Glyphmux.ini</source>
        <translation>Der Schriftpfad, unverändert als ExtraFontFile= in Glyphmux.ini geschrieben</translation>
    </message>
    <message>
        <source>Face name of the font the phone uses for %1: type it, or choose a TrueType file with the open button</source>
        <translation>Name der Schrift, die das Handy für %1 verwendet: eintippen oder mit der Öffnen-Schaltfläche eine TrueType-Datei wählen</translation>
    </message>
</context>
<context>
    <name>CopyListDialog</name>
    <message>
        <source>Copia i seguenti file:</source>
        <extracomment>Copy the following files: (the window&apos;s title, and the heading of the exported copy list)</extracomment>
        <translation>Diese Dateien kopieren:</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
</context>
<context>
    <name>DocumentHistory</name>
    <message>
        <source>font of %1</source>
        <extracomment>Completes &quot;Undo %1&quot;; %1 is a font slot such as LatinBold13.</extracomment>
        <translation>Schrift von %1</translation>
    </message>
    <message>
        <source>size of %1</source>
        <translation>Größe von %1</translation>
    </message>
    <message>
        <source>italics of %1</source>
        <translation>Kursivschrift von %1</translation>
    </message>
    <message>
        <source>face name of %1</source>
        <extracomment>Typing a face name into the slot&apos;s field.</extracomment>
        <translation>Schriftname von %1</translation>
    </message>
    <message>
        <source>height of %1</source>
        <translation>Höhe von %1</translation>
    </message>
    <message>
        <source>width of %1</source>
        <translation>Breite von %1</translation>
    </message>
    <message>
        <source>font path</source>
        <translation>Schriftpfad</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>chroma</source>
        <translation>Chroma</translation>
    </message>
    <message>
        <source>opening %1</source>
        <extracomment>%1 is the name of the Glyphmux.ini file opened.</extracomment>
        <translation>Öffnen von %1</translation>
    </message>
    <message>
        <source>restoring unsaved changes</source>
        <translation>Wiederherstellen ungesicherter Änderungen</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export for the phone</source>
        <translation>Für das Telefon exportieren</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>Engine files…</source>
        <translation>Engine-Dateien…</translation>
    </message>
    <message>
        <source>Target folder:</source>
        <translation>Zielordner:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>Engine&apos;s files:</source>
        <translation>Dateien der Engine:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>nicht ausgewählt</translation>
    </message>
</context>
<context>
    <name>ExportTexts</name>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>Not in this folder, still to copy yourself:</source>
        <translation>Nicht in diesem Ordner, noch selbst zu kopieren:</translation>
    </message>
    <message>
        <source>Typed without a file, so these faces must already be on the phone:</source>
        <translation>Ohne Datei eingegeben, daher müssen diese Schriften bereits auf dem Telefon sein:</translation>
    </message>
    <message>
        <source>%1: the face &quot;%2&quot; has no file here; this face must already be on the phone.</source>
        <translation>%1: Die Schrift &quot;%2&quot; hat hier keine Datei; diese Schrift muss bereits auf dem Telefon sein.</translation>
    </message>
    <message>
        <source>%1 is not included (choose &quot;Engine files…&quot; to include it); copy it to c:\system\fonts\ yourself.</source>
        <translation>%1 ist nicht enthalten (wählen Sie &quot;Engine-Dateien…&quot;, um es aufzunehmen); kopieren Sie es selbst nach c:\system\fonts\.</translation>
    </message>
    <message>
        <source>%1 is not in %2; copy it to c:\system\fonts\ yourself.</source>
        <translation>%1 ist nicht in %2; kopieren Sie es selbst nach c:\system\fonts\.</translation>
    </message>
    <message>
        <source>%1 is already there and would be replaced.</source>
        <translation>%1 ist bereits vorhanden und würde ersetzt.</translation>
    </message>
    <message>
        <source>Choose the folder to export to.</source>
        <translation>Wählen Sie den Ordner, in den exportiert werden soll.</translation>
    </message>
    <message>
        <source>%1 and %2 would have the same name on the phone; rename one of them.</source>
        <translation>%1 und %2 hätten auf dem Telefon denselben Namen; benennen Sie eine davon um.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 existiert nicht mehr.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is in the way: the export needs a folder where a file is, or a file where a folder is.</source>
        <translation>%1 steht im Weg: Der Export braucht einen Ordner, wo eine Datei ist, oder eine Datei, wo ein Ordner ist.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The export was cancelled; what it had written was removed.</source>
        <translation>Der Export wurde abgebrochen; was er geschrieben hatte, wurde entfernt.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) already in the target folder would be replaced.</source>
        <translation>
            <numerusform>%n bereits im Zielordner vorhandene Datei würde ersetzt.</numerusform>
            <numerusform>%n bereits im Zielordner vorhandene Dateien würden ersetzt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) to write, %1 in all.</source>
        <translation>
            <numerusform>%n Datei zu schreiben, insgesamt %1.</numerusform>
            <numerusform>%n Dateien zu schreiben, insgesamt %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>These files are already in %1:
%2
Replace them?</source>
        <translation>Diese Dateien sind bereits in %1:
%2
Sollen sie ersetzt werden?</translation>
    </message>
    <message>
        <source>Exported to %1. Copy its contents onto the phone&apos;s C: drive as they stand.</source>
        <translation>Nach %1 exportiert. Kopieren Sie den Inhalt unverändert auf das Laufwerk C: des Telefons.</translation>
    </message>
    <message>
        <source>The export stopped. %1</source>
        <translation>Der Export wurde abgebrochen. %1</translation>
    </message>
    <message>
        <source>Folder to export to</source>
        <translation>Ordner für den Export</translation>
    </message>
    <message>
        <source>Folder with glyphmux.dll and freetype.dll</source>
        <translation>Ordner mit glyphmux.dll und freetype.dll</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Copying the files for the phone…</source>
        <translation>Dateien für das Telefon werden kopiert…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>An earlier export to this folder was interrupted; its leftover files are put back or removed first.</source>
        <translation>Ein früherer Export in diesen Ordner wurde unterbrochen; seine übrig gebliebenen Dateien werden zuerst zurückgelegt oder entfernt.</translation>
    </message>
    <message>
        <source>%1 is in the way: it is a link, a pipe or a device, and the export never writes through or over one.</source>
        <extracomment>%1 is a path in the export&apos;s target folder.</extracomment>
        <translation>%1 ist im Weg: Es ist eine Verknüpfung, eine Pipe oder ein Gerät, und der Export schreibt nie hindurch oder darüber.</translation>
    </message>
    <message>
        <source>%1 is in the way: the phone ignores letter case, so it would clash with %2.</source>
        <translation>%1 ist im Weg: Das Telefon unterscheidet nicht zwischen Groß- und Kleinschreibung, daher käme es mit %2 in Konflikt.</translation>
    </message>
    <message>
        <source>Put back after an interrupted export:
%1</source>
        <translation>Nach einem unterbrochenen Export zurückgelegt:
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n leftover file(s) of an interrupted export removed.</source>
        <translation>
            <numerusform>%n übrig gebliebene Datei eines unterbrochenen Exports entfernt.</numerusform>
            <numerusform>%n übrig gebliebene Dateien eines unterbrochenen Exports entfernt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was changed: the files it had replaced were put back, and those it had written were removed.</source>
        <translation>Nichts wurde geändert: Die ersetzten Dateien wurden zurückgelegt und die geschriebenen entfernt.</translation>
    </message>
    <message>
        <source>These files it had replaced could not be put back; the next export to this folder puts them back:
%1</source>
        <translation>Diese ersetzten Dateien konnten nicht zurückgelegt werden; der nächste Export in diesen Ordner legt sie zurück:
%1</translation>
    </message>
    <message>
        <source>%1: the face &quot;%2&quot; comes from another file in another slot too (%3); the phone finds a face by its name alone and cannot tell the two apart.</source>
        <extracomment>%1 is a slot name, %2 a face name, %3 a file.</extracomment>
        <translation>%1: Die Schrift &quot;%2&quot; kommt in einem anderen Slot auch aus einer anderen Datei (%3); das Telefon findet eine Schrift nur am Namen und kann die beiden nicht unterscheiden.</translation>
    </message>
    <message>
        <source>Copy these files to the phone:</source>
        <translation>Diese Dateien auf das Telefon kopieren:</translation>
    </message>
    <message>
        <source>The phone may not be able to use:</source>
        <translation>Das Telefon kann vielleicht nicht verwenden:</translation>
    </message>
    <message>
        <source>%1: %2 has PostScript (CFF) outlines; the phone&apos;s font engine may not draw them.</source>
        <translation>%1: %2 hat PostScript-Umrisse (CFF); die Schrift-Engine des Telefons zeichnet sie vielleicht nicht.</translation>
    </message>
    <message>
        <source>%1: %2 lacks characters of the texts this font draws: %3</source>
        <extracomment>%3 lists the characters, separated by spaces.</extracomment>
        <translation>%1: %2 fehlen Zeichen der Texte, die diese Schrift zeichnet: %3</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>invalid file name</source>
        <translation>ungültiger Dateiname</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>das ist ein Ordner</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>incomplete write</source>
        <translation>unvollständig geschrieben</translation>
    </message>
    <message>
        <source>a link, pipe or device is in the way</source>
        <extracomment>a symbolic link, pipe or device stands at the name of a file we would write</extracomment>
        <translation>ein Link, eine Pipe oder ein Gerät steht im Weg</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 and cannot be used without changing it</source>
        <translation>sein Name ist kein gültiges UTF-8 und kann nicht unverändert verwendet werden</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>Datei oder Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>Vorgang nicht erlaubt</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>das Speicherkontingent ist erschöpft</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>ein Teil des Pfads ist kein Ordner</translation>
    </message>
    <message>
        <source>it already exists</source>
        <translation>das gibt es schon</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>too many links in the path</source>
        <translation>zu viele Verknüpfungen im Pfad</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>it is busy</source>
        <translation>das ist belegt</translation>
    </message>
    <message>
        <source>too many open files</source>
        <translation>zu viele offene Dateien</translation>
    </message>
    <message>
        <source>it is on another disk</source>
        <translation>das liegt auf einem anderen Datenträger</translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation>der Ordner ist nicht leer</translation>
    </message>
</context>
<context>
    <name>FontDetailsWindow</name>
    <message>
        <source>Missing characters:</source>
        <translation>Fehlende Zeichen:</translation>
    </message>
    <message>
        <source>Font details: %1</source>
        <translation>Schriftdetails: %1</translation>
    </message>
</context>
<context>
    <name>FontListGlue</name>
    <message>
        <source>&amp;Font list…</source>
        <translation>&amp;Schriftenliste…</translation>
    </message>
</context>
<context>
    <name>FontListModel</name>
    <message>
        <source>Sample</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familie</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>FontListWindow</name>
    <message>
        <source>Font list</source>
        <translation>Schriftenliste</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Installed fonts</source>
        <translation>Installierte Schriften</translation>
    </message>
    <message>
        <source>Document fonts</source>
        <translation>Schriften des Dokuments</translation>
    </message>
    <message>
        <source>Choose &amp;folder…</source>
        <translation>&amp;Ordner wählen…</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Platz:</translation>
    </message>
    <message>
        <source>Search names</source>
        <translation>Namen durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Only faces with every character</source>
        <translation>&amp;Nur Schriften mit allen Zeichen</translation>
    </message>
    <message>
        <source>&amp;Hide unusable files</source>
        <extracomment>Files that are no usable TrueType face (collections, PostScript outlines, damaged)</extracomment>
        <translation>&amp;Unbrauchbare Dateien ausblenden</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Verwenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Font folder</source>
        <translation>Schriftenordner</translation>
    </message>
    <message numerus="yes">
        <source>%n face(s)</source>
        <translation>
            <numerusform>%n Schrift</numerusform>
            <numerusform>%n Schriften</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n face(s)</source>
        <translation>
            <numerusform>%1 von %n Schrift</numerusform>
            <numerusform>%1 von %n Schriften</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading… %1</source>
        <translation>Wird gelesen… %1</translation>
    </message>
</context>
<context>
    <name>FontMapEditor</name>
    <message>
        <source>Zoom :</source>
        <translation>Zoom:</translation>
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
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is a TrueType collection (.ttc), not supported: extract a single font from it into a .ttf file</source>
        <translation>das ist eine TrueType-Sammlung (.ttc), nicht unterstützt: eine einzelne Schrift daraus in eine .ttf-Datei extrahieren</translation>
    </message>
    <message>
        <source>not a TrueType file</source>
        <translation>keine TrueType-Datei</translation>
    </message>
    <message>
        <source>a table of the file is damaged</source>
        <translation>eine Tabelle der Datei ist beschädigt</translation>
    </message>
    <message>
        <source>none of the font&apos;s names is usable</source>
        <translation>keiner der Schriftnamen ist verwendbar</translation>
    </message>
    <message>
        <source>Font rejected: %1: %2</source>
        <translation>Schrift abgelehnt: %1: %2</translation>
    </message>
    <message>
        <source>%1: PostScript outlines (CFF): the phone&apos;s font engine may not draw them</source>
        <translation>%1: PostScript-Konturen (CFF): Die Schrift-Engine des Telefons zeichnet sie möglicherweise nicht</translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation>fehlt: %1</translation>
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
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>already installed in the system</source>
        <translation>bereits im System installiert</translation>
    </message>
    <message>
        <source>registered by the editor</source>
        <translation>vom Editor registriert</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>the phone&apos;s font engine may not draw them</source>
        <translation>die Schrift-Engine des Telefons zeichnet sie möglicherweise nicht</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Family:</source>
        <translation>Familie:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source>Full name:</source>
        <translation>Vollständiger Name:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Copyright:</translation>
    </message>
    <message>
        <source>License:</source>
        <translation>Lizenz:</translation>
    </message>
    <message>
        <source>Glyphs:</source>
        <translation>Glyphen:</translation>
    </message>
    <message>
        <source>Outlines:</source>
        <translation>Konturen:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Herkunft:</translation>
    </message>
    <message>
        <source>not installed on this computer: the preview draws %1 instead</source>
        <extracomment>%1 is the font family drawn in place of the face named in the slot.</extracomment>
        <translation>auf diesem Computer nicht installiert: die Vorschau zeichnet stattdessen %1</translation>
    </message>
</context>
<context>
    <name>GlyphmuxIniTexts</name>
    <message>
        <source>unknown key, not saved</source>
        <translation>unbekannter Schlüssel, wird nicht gespeichert</translation>
    </message>
    <message>
        <source>unknown section, its lines are not saved</source>
        <translation>unbekannter Abschnitt, seine Zeilen werden nicht gespeichert</translation>
    </message>
    <message>
        <source>not a key=value line, not saved</source>
        <translation>keine Zeile der Form Schlüssel=Wert, wird nicht gespeichert</translation>
    </message>
    <message>
        <source>repeated key, the first one counts</source>
        <translation>wiederholter Schlüssel, der erste gilt</translation>
    </message>
    <message>
        <source>saving writes the usual value</source>
        <translation>beim Speichern wird der übliche Wert geschrieben</translation>
    </message>
    <message>
        <source>alias, saving rewrites it from LatinBold13</source>
        <translation>Alias, beim Speichern aus LatinBold13 neu geschrieben</translation>
    </message>
    <message>
        <source>missing or not a whole number, the initial value stays</source>
        <translation>fehlt oder ist keine ganze Zahl, der Anfangswert bleibt</translation>
    </message>
    <message>
        <source>out of range, the nearest limit is taken</source>
        <translation>außerhalb der Grenzen, die nächste Grenze wird genommen</translation>
    </message>
    <message>
        <source>a part other than :Y, :I and :W, not saved</source>
        <translation>ein anderer Teil als :Y, :I und :W, wird nicht gespeichert</translation>
    </message>
    <message>
        <source>damaged characters, the line is not taken</source>
        <translation>beschädigte Zeichen, die Zeile wird nicht übernommen</translation>
    </message>
    <message>
        <source>Cannot open %1:
%2</source>
        <translation>%1 kann nicht geöffnet werden:
%2</translation>
    </message>
    <message>
        <source>%1 is not a Glyphmux.ini: it is too large.</source>
        <translation>%1 ist keine Glyphmux.ini: Sie ist zu groß.</translation>
    </message>
    <message>
        <source>%1 is not a Glyphmux.ini: it has neither the [FontMap] section nor font lines.</source>
        <translation>%1 ist keine Glyphmux.ini: Sie hat weder den Abschnitt [FontMap] noch Schriftzeilen.</translation>
    </message>
    <message>
        <source>%1 is open. These lines were not taken as they stand:</source>
        <translation>%1 ist geöffnet. Diese Zeilen wurden nicht unverändert übernommen:</translation>
    </message>
    <message>
        <source>Line %1: %2 (%3)</source>
        <translation>Zeile %1: %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more lines</source>
        <translation>
            <numerusform>… und %n weitere Zeile</numerusform>
            <numerusform>… und %n weitere Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing saved: cannot read the previous version of %1:
%2</source>
        <translation>Nichts gespeichert: Die vorherige Version von %1 kann nicht gelesen werden:
%2</translation>
    </message>
    <message>
        <source>Nothing saved: cannot keep the previous version in %1:
%2</source>
        <translation>Nichts gespeichert: Die vorherige Version kann nicht in %1 aufbewahrt werden:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Glyphmux GUI help</source>
        <translation>Hilfe zu Glyphmux GUI</translation>
    </message>
    <message>
        <source>Choose a TrueType file for each of the five phone fonts with the folder button of its row; the four phone screens above show at once how the phone would draw its texts. The red &quot;?&quot; of a row tells which texts that font draws.</source>
        <translation>Wählen Sie für jede der fünf Schriften des Telefons mit dem Ordner-Knopf ihrer Zeile eine TrueType-Datei; die vier Handybildschirme oben zeigen sofort, wie das Telefon seine Texte zeichnen würde. Das rote &quot;?&quot; einer Zeile sagt, welche Texte diese Schrift zeichnet.</translation>
    </message>
    <message>
        <source>&quot;-&quot; and &quot;+&quot; step a font&apos;s size; Height, Italic and Width tune it further; Zoom and Chroma apply to every font. Height and Width are written as they stand, after &quot;:Y&quot; and &quot;:W&quot; on the font&apos;s line of Glyphmux.ini.</source>
        <translation>&quot;-&quot; und &quot;+&quot; ändern die Größe einer Schrift; Höhe, Kursiv und Breite stimmen sie weiter ab; Zoom und Chroma gelten für alle Schriften. Höhe und Breite werden unverändert nach &quot;:Y&quot; und &quot;:W&quot; in die Zeile der Schrift in Glyphmux.ini geschrieben.</translation>
    </message>
    <message>
        <source>File &gt; Save to Glyphmux.ini (Ctrl+S) writes the file into the folder the editor was started from, or back to the file opened with File &gt; Open (Ctrl+O). With &quot;Show information popup&quot; checked in the Settings menu, it first asks for the phone model, then lists the files to copy to the phone.</source>
        <translation>Datei &gt; In Glyphmux.ini speichern (Strg+S) schreibt die Datei in den Ordner, aus dem der Editor gestartet wurde, oder zurück in die mit Datei &gt; Öffnen (Strg+O) geöffnete Datei. Ist &quot;Informationsfenster anzeigen&quot; im Menü Einstellungen angehakt, fragt er zuerst nach dem Handymodell und listet dann die Dateien auf, die aufs Telefon gehören.</translation>
    </message>
    <message>
        <source>File &gt; Export for the phone gathers Glyphmux.ini, the font files and the engine&apos;s files in one folder, laid out as on the phone&apos;s C: drive, and says first what the phone may not be able to use.</source>
        <translation>Datei &gt; Für das Telefon exportieren sammelt Glyphmux.ini, die Schriftdateien und die Dateien der Engine in einem Ordner, angelegt wie auf Laufwerk C: des Telefons, und sagt vorher, was das Telefon vielleicht nicht verwenden kann.</translation>
    </message>
    <message>
        <source>Settings &gt; Language changes the language. Every control explains itself in a tooltip. F1 shows this window, the &quot;?&quot; menu the program&apos;s information.</source>
        <translation>Einstellungen &gt; Sprache wechselt die Sprache. Jedes Bedienelement erklärt sich in einem Tooltip. F1 zeigt dieses Fenster, das Menü &quot;?&quot; die Informationen zum Programm.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Saved: %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save to Glyphmux.ini</source>
        <translation>In Glyphmux.ini &amp;speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Show information &amp;popup</source>
        <translation>Informations&amp;fenster anzeigen</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Language file (*.lng)</source>
        <translation>Sprachdatei (*.lng)</translation>
    </message>
    <message>
        <source>Cannot read the language file %1:
%2</source>
        <translation>Die Sprachdatei %1 kann nicht gelesen werden:
%2</translation>
    </message>
    <message>
        <source>Restart the program to change language</source>
        <translation>Starten Sie das Programm neu, um die Sprache zu wechseln</translation>
    </message>
    <message>
        <source>&amp;Open Glyphmux.ini…</source>
        <translation>Glyphmux.ini &amp;öffnen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Export for the phone…</source>
        <translation>Für das Telefon &amp;exportieren…</translation>
    </message>
    <message>
        <source>Save writes to %1</source>
        <translation>Speichern schreibt in %1</translation>
    </message>
    <message>
        <source>Writes %1</source>
        <translation>Schreibt %1</translation>
    </message>
    <message>
        <source>Preferences are kept in memory for this session only: %1 is not a plain file in the configuration folder</source>
        <translation>Einstellungen werden nur für diese Sitzung im Speicher gehalten: %1 ist keine normale Datei im Konfigurationsordner</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Phone pixels…</source>
        <translation>&amp;Telefonpixel…</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message numerus="yes">
        <source>(%n more)</source>
        <translation>
            <numerusform>(%n weitere)</numerusform>
            <numerusform>(%n weitere)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OpenCommand</name>
    <message>
        <source>Open Glyphmux.ini</source>
        <translation>Glyphmux.ini öffnen</translation>
    </message>
    <message>
        <source>Glyphmux configuration (*.ini);;All files (*)</source>
        <translation>Glyphmux-Konfiguration (*.ini);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Keine zuletzt geöffneten Dateien</translation>
    </message>
</context>
<context>
    <name>OpenFonts</name>
    <message>
        <source>the file it came from when this configuration was last saved or exported</source>
        <translation>die Datei, aus der sie beim letzten Speichern oder Exportieren dieser Konfiguration kam</translation>
    </message>
    <message>
        <source>the configuration&apos;s own folder</source>
        <translation>dem Ordner der Konfiguration</translation>
    </message>
    <message>
        <source>data/fonts beside the configuration</source>
        <translation>data/fonts neben der Konfiguration</translation>
    </message>
    <message>
        <source>a folder fonts were last taken from</source>
        <translation>einem Ordner, aus dem zuletzt Schriften genommen wurden</translation>
    </message>
    <message>
        <source>the fonts installed on this computer</source>
        <translation>den auf diesem Computer installierten Schriften</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: no font file found for this face</source>
        <extracomment>%1 is a slot name, %2 a face name.</extracomment>
        <translation>%1 &quot;%2&quot;: keine Schriftdatei für diese Schrift gefunden</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %4, found in %3</source>
        <extracomment>%1 is a slot name, %2 a face name, %3 a place, %4 a file.</extracomment>
        <translation>%1 &quot;%2&quot;: %4, gefunden in %3</translation>
    </message>
    <message numerus="yes">
        <source>(a guess: %n files there give this face; the Regular style was taken, else the first by file name)</source>
        <translation>
            <numerusform>(geraten: %n Datei dort liefert diese Schrift; genommen wurde der Stil Regular, sonst die erste nach Dateinamen)</numerusform>
            <numerusform>(geraten: %n Dateien dort liefern diese Schrift; genommen wurde der Stil Regular, sonst die erste nach Dateinamen)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is open. The font files of its faces:</source>
        <translation>%1 ist geöffnet. Die Schriftdateien seiner Schriften:</translation>
    </message>
</context>
<context>
    <name>PhoneModelDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source> font in ttf</source>
        <extracomment>Stands after the phone&apos;s fonts folder in the copy list, for the chosen TrueType files. Keep the leading space.</extracomment>
        <translation> die .ttf-Schriftdateien</translation>
    </message>
</context>
<context>
    <name>PhonePixelsWindow</name>
    <message>
        <source>Phone pixels</source>
        <translation>Telefonpixel</translation>
    </message>
    <message>
        <source>&amp;Enlargement:</source>
        <extracomment>Label of the list of enlargements (×2 to ×6) of the phone screens.</extracomment>
        <translation>&amp;Vergrößerung:</translation>
    </message>
    <message>
        <source>Each phone pixel as a square block; + and - change the enlargement</source>
        <translation>Jedes Telefonpixel als quadratischer Block; + und - ändern die Vergrößerung</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>Unsaved changes from %1:</source>
        <extracomment>Followed by the buttons Restore and Discard; %1 is a date and time.</extracomment>
        <translation>Ungesicherte Änderungen vom %1:</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>SaveCommand</name>
    <message>
        <source>salvataggio in corso</source>
        <extracomment>saving in progress (runs through the title bar)</extracomment>
        <translation>wird gespeichert</translation>
    </message>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation>%1 kann nicht gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>%1 bytes, more than the %2 a Glyphmux.ini may hold to be opened again</source>
        <extracomment>%1 and %2 are sizes in bytes</extracomment>
        <translation>%1 Byte, mehr als die %2, die eine Glyphmux.ini haben darf, um wieder geöffnet zu werden</translation>
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
        <translation>Schriftdatei (*.ttf)</translation>
    </message>
    <message>
        <source>Apri TTF</source>
        <extracomment>Open TTF (the font dialog&apos;s title)</extracomment>
        <translation>TTF öffnen</translation>
    </message>
</context>
<context>
    <name>SlotFontInfo</name>
    <message>
        <source>Font details…</source>
        <translation>Schriftdetails…</translation>
    </message>
    <message>
        <source>Browse fonts for %1…</source>
        <translation>Schriften für %1 durchsehen…</translation>
    </message>
</context>
<context>
    <name>SlotInfo</name>
    <message>
        <source>Font degli sms e modo d&apos;uso</source>
        <extracomment>Font of text messages and of the usage texts</extracomment>
        <translation>Schrift der SMS und des Profils</translation>
    </message>
    <message>
        <source>Font del menu popup</source>
        <extracomment>Font of the pop-up menu</extracomment>
        <translation>Schrift des Popup-Menüs</translation>
    </message>
    <message>
        <source>Font del testo nella parte bassa dello schermo</source>
        <extracomment>Font of the text at the bottom of the screen</extracomment>
        <translation>Schrift des Textes unten auf dem Bildschirm</translation>
    </message>
    <message>
        <source>Font del testo nella parte alta dello schermo</source>
        <extracomment>Font of the text at the top of the screen</extracomment>
        <translation>Schrift des Textes oben auf dem Bildschirm</translation>
    </message>
    <message>
        <source>Font del testo nel menu</source>
        <extracomment>Font of the text in the menu</extracomment>
        <translation>Schrift des Textes im Menü</translation>
    </message>
</context>
<context>
    <name>UndoActions</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
</context>
</TS>
