<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
