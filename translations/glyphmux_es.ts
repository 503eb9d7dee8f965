<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Informazioni su %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Programma: il gruppo di Glyphmux GUI</source>
        <translation>Programa: el equipo de Glyphmux GUI</translation>
    </message>
    <message>
        <source>Motore dei font: gli autori di Glyphmux</source>
        <translation>Motor de fuentes: los autores de Glyphmux</translation>
    </message>
</context>
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
    <name>CopyListDialog</name>
    <message>
        <source>Copia i seguenti file:</source>
        <translation>Copie los siguientes archivos:</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>nome di file non valido</source>
        <translation>nombre de archivo no válido</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>il file è di sola lettura</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>scrittura incompleta</source>
        <translation>escritura incompleta</translation>
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
        <translation>Croma</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Salvato: %1</source>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save to Glyphmux.ini</source>
        <translation>&amp;Guardar en Glyphmux.ini</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Show information &amp;popup</source>
        <translation>Mostrar &amp;ventana informativa</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Language file (*.lng)</source>
        <translation>Archivo de idioma (*.lng)</translation>
    </message>
    <message>
        <source>Impossibile leggere il file di lingua %1:
%2</source>
        <translation>No se puede leer el archivo de idioma %1:
%2</translation>
    </message>
    <message>
        <source>Restart the program to change language</source>
        <translation>Reinicie el programa para cambiar de idioma</translation>
    </message>
</context>
<context>
    <name>PhoneModelDialog</name>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SaveCommand</name>
    <message>
        <source>salvataggio in corso</source>
        <translation>guardando</translation>
    </message>
    <message>
        <source>Impossibile salvare %1:
%2</source>
        <translation>No se puede guardar %1:
%2</translation>
    </message>
</context>
<context>
    <name>SideWindow</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>SlotEditor</name>
    <message>
        <source>Nessun font TrueType utilizzabile in %1</source>
        <translation>Ninguna fuente TrueType utilizable en %1</translation>
    </message>
    <message>
        <source>Font file (*.ttf)</source>
        <translation>Archivo de fuente (*.ttf)</translation>
    </message>
    <message>
        <source>Apri TTF</source>
        <translation>Abrir TTF</translation>
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
