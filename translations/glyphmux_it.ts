<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Informazioni su %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Programma: il gruppo di Glyphmux GUI</source>
        <translation>Programma: il gruppo di Glyphmux GUI</translation>
    </message>
    <message>
        <source>Motore dei font: gli autori di Glyphmux</source>
        <translation>Motore dei font: gli autori di Glyphmux</translation>
    </message>
</context>
<context>
    <name>AppTexts</name>
    <message>
        <source>2nd edition</source>
        <translation>2ª edizione</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Editor of Glyphmux.ini, the font configuration of Glyphmux for Symbian phones.
Writes Glyphmux.ini and settings.fs into the current directory.</source>
        <translation>Editor di Glyphmux.ini, la configurazione dei font di Glyphmux per i cellulari Symbian.
Scrive Glyphmux.ini e settings.fs nella cartella corrente.</translation>
    </message>
    <message>
        <source>glyphmux-gui: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); without a screen, run it as: xvfb-run glyphmux-gui</source>
        <translation>glyphmux-gui: nessuno schermo su cui aprire la finestra (né DISPLAY né WAYLAND_DISPLAY è impostato); senza schermo, avvialo così: xvfb-run glyphmux-gui</translation>
    </message>
</context>
<context>
    <name>CopyListDialog</name>
    <message>
        <source>Copia i seguenti file:</source>
        <translation>Copia i seguenti file:</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>nome di file non valido</source>
        <translation>nome di file non valido</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>il file è di sola lettura</source>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>scrittura incompleta</source>
        <translation>scrittura incompleta</translation>
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
    <name>MainWindow</name>
    <message>
        <source>Salvato: %1</source>
        <translation>Salvato: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Save to Glyphmux.ini</source>
        <translation>&amp;Salva in Glyphmux.ini</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>Show information &amp;popup</source>
        <translation>Mostra &amp;popup informativo</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Language file (*.lng)</source>
        <translation>File di lingua (*.lng)</translation>
    </message>
    <message>
        <source>Impossibile leggere il file di lingua %1:
%2</source>
        <translation>Impossibile leggere il file di lingua %1:
%2</translation>
    </message>
    <message>
        <source>Restart the program to change language</source>
        <translation>Riavvia il programma per cambiare lingua</translation>
    </message>
</context>
<context>
    <name>PhoneModelDialog</name>
    <message>
        <source>Annulla</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>SaveCommand</name>
    <message>
        <source>salvataggio in corso</source>
        <translation>salvataggio in corso</translation>
    </message>
    <message>
        <source>Impossibile salvare %1:
%2</source>
        <translation>Impossibile salvare %1:
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
        <translation>Nessun font TrueType utilizzabile in %1</translation>
    </message>
    <message>
        <source>Font file (*.ttf)</source>
        <translation>File di font (*.ttf)</translation>
    </message>
    <message>
        <source>Apri TTF</source>
        <translation>Apri TTF</translation>
    </message>
</context>
<context>
    <name>SlotInfo</name>
    <message>
        <source>Font degli sms e modo d&apos;uso</source>
        <translation>Font degli sms e modo d&apos;uso</translation>
    </message>
    <message>
        <source>Font del menu popup</source>
        <translation>Font del menu popup</translation>
    </message>
    <message>
        <source>Font del testo nella parte bassa dello schermo</source>
        <translation>Font del testo nella parte bassa dello schermo</translation>
    </message>
    <message>
        <source>Font del testo nella parte alta dello schermo</source>
        <translation>Font del testo nella parte alta dello schermo</translation>
    </message>
    <message>
        <source>Font del testo nel menu</source>
        <translation>Font del testo nel menu</translation>
    </message>
</context>
</TS>
