<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AppTexts</name>
    <message>
        <source>2nd edition</source>
        <translation>2.ª edición</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Editor of Glyphmux.ini, the font configuration of Glyphmux for Symbian phones.
Writes Glyphmux.ini and settings.fs into the current directory.</source>
        <translation>Editor de Glyphmux.ini, la configuración de fuentes de Glyphmux para teléfonos Symbian.
Escribe Glyphmux.ini y settings.fs en la carpeta actual.</translation>
    </message>
    <message>
        <source>glyphmux-gui: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); without a screen, run it as: xvfb-run glyphmux-gui</source>
        <translation>glyphmux-gui: no hay pantalla donde abrir la ventana (no está definida ni DISPLAY ni WAYLAND_DISPLAY); sin pantalla, ejecútelo así: xvfb-run glyphmux-gui</translation>
    </message>
</context>
<context>
    <name>SlotInfo</name>
    <message>
        <source>Font degli sms e modo d&apos;uso</source>
        <translation>Fuente de los SMS y del perfil</translation>
    </message>
    <message>
        <source>Font del menu popup</source>
        <translation>Fuente del menú emergente</translation>
    </message>
    <message>
        <source>Font del testo nella parte bassa dello schermo</source>
        <translation>Fuente del texto en la parte inferior de la pantalla</translation>
    </message>
    <message>
        <source>Font del testo nella parte alta dello schermo</source>
        <translation>Fuente del texto en la parte superior de la pantalla</translation>
    </message>
    <message>
        <source>Font del testo nel menu</source>
        <translation>Fuente del texto en el menú</translation>
    </message>
</context>
</TS>
