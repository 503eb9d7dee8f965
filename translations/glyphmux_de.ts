<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Informazioni su %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Programma: il gruppo di Glyphmux GUI</source>
        <translation>Programm: das Glyphmux-GUI-Team</translation>
    </message>
    <message>
        <source>Motore dei font: gli autori di Glyphmux</source>
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
        <source>Editor of Glyphmux.ini, the font configuration of Glyphmux for Symbian phones.
Writes Glyphmux.ini and settings.fs into the current directory.</source>
        <translation>Editor für Glyphmux.ini, die Schriftkonfiguration von Glyphmux für Symbian-Handys.
Schreibt Glyphmux.ini und settings.fs in den aktuellen Ordner.</translation>
    </message>
    <message>
        <source>glyphmux-gui: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); without a screen, run it as: xvfb-run glyphmux-gui</source>
        <translation>glyphmux-gui: keine Anzeige, auf der sich das Fenster öffnen ließe (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt); ohne Bildschirm so starten: xvfb-run glyphmux-gui</translation>
    </message>
</context>
<context>
    <name>CopyListDialog</name>
    <message>
        <source>Copia i seguenti file:</source>
        <translation>Kopieren Sie die folgenden Dateien:</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>nome di file non valido</source>
        <translation>ungültiger Dateiname</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>das ist ein Ordner</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>il file è di sola lettura</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>scrittura incompleta</source>
        <translation>unvollständig geschrieben</translation>
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
    <name>MainWindow</name>
    <message>
        <source>Salvato: %1</source>
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
        <source>Impossibile leggere il file di lingua %1:
%2</source>
        <translation>Die Sprachdatei %1 kann nicht gelesen werden:
%2</translation>
    </message>
    <message>
        <source>Restart the program to change language</source>
        <translation>Starten Sie das Programm neu, um die Sprache zu wechseln</translation>
    </message>
</context>
<context>
    <name>PhoneModelDialog</name>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SaveCommand</name>
    <message>
        <source>salvataggio in corso</source>
        <translation>wird gespeichert</translation>
    </message>
    <message>
        <source>Impossibile salvare %1:
%2</source>
        <translation>%1 kann nicht gespeichert werden:
%2</translation>
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
        <source>Nessun font TrueType utilizzabile in %1</source>
        <translation>Keine verwendbare TrueType-Schrift in %1</translation>
    </message>
    <message>
        <source>Font file (*.ttf)</source>
        <translation>Schriftdatei (*.ttf)</translation>
    </message>
    <message>
        <source>Apri TTF</source>
        <translation>TTF öffnen</translation>
    </message>
</context>
<context>
    <name>SlotInfo</name>
    <message>
        <source>Font degli sms e modo d&apos;uso</source>
        <translation>Schrift der SMS und des Profils</translation>
    </message>
    <message>
        <source>Font del menu popup</source>
        <translation>Schrift des Popup-Menüs</translation>
    </message>
    <message>
        <source>Font del testo nella parte bassa dello schermo</source>
        <translation>Schrift des Textes unten auf dem Bildschirm</translation>
    </message>
    <message>
        <source>Font del testo nella parte alta dello schermo</source>
        <translation>Schrift des Textes oben auf dem Bildschirm</translation>
    </message>
    <message>
        <source>Font del testo nel menu</source>
        <translation>Schrift des Textes im Menü</translation>
    </message>
</context>
</TS>
