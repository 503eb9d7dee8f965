<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
