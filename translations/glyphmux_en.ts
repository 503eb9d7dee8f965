<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Informazioni su %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Programma: il gruppo di Glyphmux GUI</source>
        <translation>Program: the Glyphmux GUI team</translation>
    </message>
    <message>
        <source>Motore dei font: gli autori di Glyphmux</source>
        <translation>Font engine: the Glyphmux authors</translation>
    </message>
</context>
<context>
    <name>AppTexts</name>
    <message>
        <source>2nd edition</source>
        <translation>2nd edition</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Editor of Glyphmux.ini, the font configuration of Glyphmux for Symbian phones.
Writes Glyphmux.ini and settings.fs into the current directory.</source>
        <translation>Editor of Glyphmux.ini, the font configuration of Glyphmux for Symbian phones.
Writes Glyphmux.ini and settings.fs into the current directory.</translation>
    </message>
    <message>
        <source>glyphmux-gui: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); without a screen, run it as: xvfb-run glyphmux-gui</source>
        <translation>glyphmux-gui: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); without a screen, run it as: xvfb-run glyphmux-gui</translation>
    </message>
</context>
<context>
    <name>CopyListDialog</name>
    <message>
        <source>Copia i seguenti file:</source>
        <translation>Copy the following files:</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>nome di file non valido</source>
        <translation>invalid file name</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>il file è di sola lettura</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>scrittura incompleta</source>
        <translation>incomplete write</translation>
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
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Save to Glyphmux.ini</source>
        <translation>&amp;Save to Glyphmux.ini</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Show information &amp;popup</source>
        <translation>Show information &amp;popup</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Language file (*.lng)</source>
        <translation>Language file (*.lng)</translation>
    </message>
    <message>
        <source>Impossibile leggere il file di lingua %1:
%2</source>
        <translation>Cannot read the language file %1:
%2</translation>
    </message>
    <message>
        <source>Restart the program to change language</source>
        <translation>Restart the program to change language</translation>
    </message>
</context>
<context>
    <name>PhoneModelDialog</name>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SaveCommand</name>
    <message>
        <source>salvataggio in corso</source>
        <translation>saving</translation>
    </message>
    <message>
        <source>Impossibile salvare %1:
%2</source>
        <translation>Cannot save %1:
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
        <translation>No usable TrueType font in %1</translation>
    </message>
    <message>
        <source>Font file (*.ttf)</source>
        <translation>Font file (*.ttf)</translation>
    </message>
    <message>
        <source>Apri TTF</source>
        <translation>Open TTF</translation>
    </message>
</context>
<context>
    <name>SlotInfo</name>
    <message>
        <source>Font degli sms e modo d&apos;uso</source>
        <translation>Font of the text messages and the profile</translation>
    </message>
    <message>
        <source>Font del menu popup</source>
        <translation>Font of the pop-up menu</translation>
    </message>
    <message>
        <source>Font del testo nella parte bassa dello schermo</source>
        <translation>Font of the text at the bottom of the screen</translation>
    </message>
    <message>
        <source>Font del testo nella parte alta dello schermo</source>
        <translation>Font of the text at the top of the screen</translation>
    </message>
    <message>
        <source>Font del testo nel menu</source>
        <translation>Font of the text in the menu</translation>
    </message>
</context>
</TS>
