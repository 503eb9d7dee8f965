<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
