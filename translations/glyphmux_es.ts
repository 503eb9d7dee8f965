<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Informazioni su %1</source>
        <extracomment>About %1</extracomment>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <extracomment>Version %1</extracomment>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Programma: il gruppo di Glyphmux GUI</source>
        <extracomment>Program: the Glyphmux GUI team</extracomment>
        <translation>Programa: el equipo de Glyphmux GUI</translation>
    </message>
    <message>
        <source>Motore dei font: gli autori di Glyphmux</source>
        <extracomment>Font engine: the authors of Glyphmux</extracomment>
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
        <source>glyphmux-gui: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); without a screen, run it as: xvfb-run glyphmux-gui</source>
        <translation>glyphmux-gui: no hay pantalla donde abrir la ventana (no está definida ni DISPLAY ni WAYLAND_DISPLAY); sin pantalla, ejecútelo así: xvfb-run glyphmux-gui</translation>
    </message>
    <message>
        <source>Editor of Glyphmux.ini, the font configuration of Glyphmux for Symbian phones.
Writes Glyphmux.ini and settings.fs into the current directory; a FILE opened
is saved back to itself instead.</source>
        <translation>Editor de Glyphmux.ini, la configuración de fuentes de Glyphmux para teléfonos Symbian.
Escribe Glyphmux.ini y settings.fs en el directorio actual; un FILE abierto
se guarda, en cambio, sobre sí mismo.</translation>
    </message>
    <message>
        <source>A Glyphmux.ini to open.</source>
        <translation>Un Glyphmux.ini que abrir.</translation>
    </message>
    <message>
        <source>glyphmux-gui: only one FILE can be opened; also named: %1</source>
        <translation>glyphmux-gui: solo se puede abrir un ARCHIVO; también indicado: %1</translation>
    </message>
</context>
<context>
    <name>ControlHelp</name>
    <message>
        <source>Choose the TrueType file (.ttf) for %1</source>
        <translation>Elegir el archivo TrueType (.ttf) para %1</translation>
    </message>
    <message>
        <source>Open a font for %1</source>
        <translation>Abrir una fuente para %1</translation>
    </message>
    <message>
        <source>Which texts of the phone&apos;s screen %1 draws</source>
        <translation>Qué textos de la pantalla del teléfono dibuja %1</translation>
    </message>
    <message>
        <source>What %1 draws</source>
        <translation>Qué dibuja %1</translation>
    </message>
    <message>
        <source>Smaller: the size of %1 one step down</source>
        <translation>Más pequeño: el tamaño de %1 un paso menos</translation>
    </message>
    <message>
        <source>Smaller %1</source>
        <translation>Más pequeño %1</translation>
    </message>
    <message>
        <source>Larger: the size of %1 one step up</source>
        <translation>Más grande: el tamaño de %1 un paso más</translation>
    </message>
    <message>
        <source>Larger %1</source>
        <translation>Más grande %1</translation>
    </message>
    <message>
        <source>The size of %1, written after &quot;@&quot; on its line of Glyphmux.ini</source>
        <translation>El tamaño de %1, escrito tras &quot;@&quot; en su línea de Glyphmux.ini</translation>
    </message>
    <message>
        <source>Height of %1: written as it stands after &quot;:Y&quot; on its line of Glyphmux.ini</source>
        <translation>Altura de %1: se escribe tal cual tras &quot;:Y&quot; en su línea de Glyphmux.ini</translation>
    </message>
    <message>
        <source>Width of %1: written as it stands after &quot;:W&quot; on its line of Glyphmux.ini</source>
        <translation>Anchura de %1: se escribe tal cual tras &quot;:W&quot; en su línea de Glyphmux.ini</translation>
    </message>
    <message>
        <source>Italic %1: writes &quot;:I&quot; on its line of Glyphmux.ini and slants the preview</source>
        <translation>Cursiva %1: escribe &quot;:I&quot; en su línea de Glyphmux.ini e inclina la vista previa</translation>
    </message>
    <message>
        <source>Italic %1</source>
        <translation>Cursiva %1</translation>
    </message>
    <message>
        <source>Zoom, 1 to 300 %: written as ZoomRatio= in Glyphmux.ini; the preview&apos;s sizes follow it</source>
        <translation>Zoom, de 1 a 300 %: se escribe como ZoomRatio= en Glyphmux.ini; los tamaños de la vista previa lo siguen</translation>
    </message>
    <message>
        <source>Chroma, 0 to 100: written as Chroma= in Glyphmux.ini; the preview shows its grey. The arrows beside it change it</source>
        <translation>Croma, de 0 a 100: se escribe como Chroma= en Glyphmux.ini; la vista previa muestra su gris. Las flechas de al lado lo cambian</translation>
    </message>
    <message>
        <source>Chroma</source>
        <translation>Croma</translation>
    </message>
    <message>
        <source>The font path, written as it stands as ExtraFontFile= in Glyphmux.ini</source>
        <translation>La ruta de fuentes, escrita tal cual como ExtraFontFile= en Glyphmux.ini</translation>
    </message>
    <message>
        <source>Face name of the font the phone uses for %1: type it, or choose a TrueType file with the open button</source>
        <translation>Nombre de la fuente que el teléfono usa para %1: escríbalo, o elija un archivo TrueType con el botón de abrir</translation>
    </message>
</context>
<context>
    <name>CopyListDialog</name>
    <message>
        <source>Copia i seguenti file:</source>
        <extracomment>Copy the following files: (the window&apos;s title, and the heading of the exported copy list)</extracomment>
        <translation>Copie estos archivos:</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
</context>
<context>
    <name>DocumentHistory</name>
    <message>
        <source>font of %1</source>
        <extracomment>Completes &quot;Undo %1&quot;; %1 is a font slot such as LatinBold13.</extracomment>
        <translation>fuente de %1</translation>
    </message>
    <message>
        <source>size of %1</source>
        <translation>tamaño de %1</translation>
    </message>
    <message>
        <source>italics of %1</source>
        <translation>cursiva de %1</translation>
    </message>
    <message>
        <source>face name of %1</source>
        <extracomment>Typing a face name into the slot&apos;s field.</extracomment>
        <translation>nombre de fuente de %1</translation>
    </message>
    <message>
        <source>height of %1</source>
        <translation>altura de %1</translation>
    </message>
    <message>
        <source>width of %1</source>
        <translation>anchura de %1</translation>
    </message>
    <message>
        <source>font path</source>
        <translation>ruta de fuentes</translation>
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
        <translation>apertura de %1</translation>
    </message>
    <message>
        <source>restoring unsaved changes</source>
        <translation>restauración de cambios sin guardar</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export for the phone</source>
        <translation>Exportar para el teléfono</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Engine files…</source>
        <translation>Archivos del motor…</translation>
    </message>
    <message>
        <source>Target folder:</source>
        <translation>Carpeta de destino:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Teléfono:</translation>
    </message>
    <message>
        <source>Engine&apos;s files:</source>
        <translation>Archivos del motor:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>sin elegir</translation>
    </message>
</context>
<context>
    <name>ExportTexts</name>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>Not in this folder, still to copy yourself:</source>
        <translation>No están en esta carpeta, debe copiarlos usted mismo:</translation>
    </message>
    <message>
        <source>Typed without a file, so these faces must already be on the phone:</source>
        <translation>Escritas sin archivo, así que estas fuentes ya deben estar en el teléfono:</translation>
    </message>
    <message>
        <source>%1: the face &quot;%2&quot; has no file here; this face must already be on the phone.</source>
        <translation>%1: la fuente &quot;%2&quot; no tiene archivo aquí; esta fuente ya debe estar en el teléfono.</translation>
    </message>
    <message>
        <source>%1 is not included (choose &quot;Engine files…&quot; to include it); copy it to c:\system\fonts\ yourself.</source>
        <translation>%1 no está incluido (elija &quot;Archivos del motor…&quot; para incluirlo); cópielo usted mismo a c:\system\fonts\.</translation>
    </message>
    <message>
        <source>%1 is not in %2; copy it to c:\system\fonts\ yourself.</source>
        <translation>%1 no está en %2; cópielo usted mismo a c:\system\fonts\.</translation>
    </message>
    <message>
        <source>%1 is already there and would be replaced.</source>
        <translation>%1 ya existe y se reemplazaría.</translation>
    </message>
    <message>
        <source>Choose the folder to export to.</source>
        <translation>Elija la carpeta a la que exportar.</translation>
    </message>
    <message>
        <source>%1 and %2 would have the same name on the phone; rename one of them.</source>
        <translation>%1 y %2 tendrían el mismo nombre en el teléfono; cambie el nombre de uno de ellos.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 ya no existe.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>%1 is in the way: the export needs a folder where a file is, or a file where a folder is.</source>
        <translation>%1 estorba: la exportación necesita una carpeta donde hay un archivo, o un archivo donde hay una carpeta.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2.</source>
        <translation>No se puede crear la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>The export was cancelled; what it had written was removed.</source>
        <translation>La exportación se ha cancelado; lo que había escrito se ha eliminado.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) already in the target folder would be replaced.</source>
        <translation>
            <numerusform>%n archivo que ya está en la carpeta de destino se reemplazaría.</numerusform>
            <numerusform>%n archivos que ya están en la carpeta de destino se reemplazarían.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) to write, %1 in all.</source>
        <translation>
            <numerusform>%n archivo por escribir, %1 en total.</numerusform>
            <numerusform>%n archivos por escribir, %1 en total.</numerusform>
        </translation>
    </message>
    <message>
        <source>These files are already in %1:
%2
Replace them?</source>
        <translation>Estos archivos ya están en %1:
%2
¿Reemplazarlos?</translation>
    </message>
    <message>
        <source>Exported to %1. Copy its contents onto the phone&apos;s C: drive as they stand.</source>
        <translation>Exportado a %1. Copie su contenido tal cual en la unidad C: del teléfono.</translation>
    </message>
    <message>
        <source>The export stopped. %1</source>
        <translation>La exportación se ha detenido. %1</translation>
    </message>
    <message>
        <source>Folder to export to</source>
        <translation>Carpeta a la que exportar</translation>
    </message>
    <message>
        <source>Folder with glyphmux.dll and freetype.dll</source>
        <translation>Carpeta con glyphmux.dll y freetype.dll</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Copying the files for the phone…</source>
        <translation>Copiando los archivos para el teléfono…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>An earlier export to this folder was interrupted; its leftover files are put back or removed first.</source>
        <translation>Una exportación anterior a esta carpeta se interrumpió; sus archivos sobrantes se restauran o se eliminan primero.</translation>
    </message>
    <message>
        <source>%1 is in the way: it is a link, a pipe or a device, and the export never writes through or over one.</source>
        <extracomment>%1 is a path in the export&apos;s target folder.</extracomment>
        <translation>%1 estorba: es un enlace, una tubería o un dispositivo, y la exportación nunca escribe a través de ellos ni encima.</translation>
    </message>
    <message>
        <source>%1 is in the way: the phone ignores letter case, so it would clash with %2.</source>
        <translation>%1 estorba: el teléfono no distingue mayúsculas de minúsculas, así que chocaría con %2.</translation>
    </message>
    <message>
        <source>Put back after an interrupted export:
%1</source>
        <translation>Restaurados tras una exportación interrumpida:
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n leftover file(s) of an interrupted export removed.</source>
        <translation>
            <numerusform>%n archivo sobrante de una exportación interrumpida eliminado.</numerusform>
            <numerusform>%n archivos sobrantes de una exportación interrumpida eliminados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was changed: the files it had replaced were put back, and those it had written were removed.</source>
        <translation>No ha cambiado nada: los archivos que había sustituido se han restaurado y los que había escrito se han eliminado.</translation>
    </message>
    <message>
        <source>These files it had replaced could not be put back; the next export to this folder puts them back:
%1</source>
        <translation>Estos archivos sustituidos no se han podido restaurar; la próxima exportación a esta carpeta los restaurará:
%1</translation>
    </message>
    <message>
        <source>%1: the face &quot;%2&quot; comes from another file in another slot too (%3); the phone finds a face by its name alone and cannot tell the two apart.</source>
        <extracomment>%1 is a slot name, %2 a face name, %3 a file.</extracomment>
        <translation>%1: la fuente &quot;%2&quot; también viene de otro archivo en otra ranura (%3); el teléfono encuentra una fuente solo por su nombre y no puede distinguirlas.</translation>
    </message>
    <message>
        <source>Copy these files to the phone:</source>
        <translation>Copie estos archivos en el teléfono:</translation>
    </message>
    <message>
        <source>The phone may not be able to use:</source>
        <translation>Puede que el teléfono no pueda usar:</translation>
    </message>
    <message>
        <source>%1: %2 has PostScript (CFF) outlines; the phone&apos;s font engine may not draw them.</source>
        <translation>%1: %2 tiene contornos PostScript (CFF); puede que el motor de fuentes del teléfono no los dibuje.</translation>
    </message>
    <message>
        <source>%1: %2 lacks characters of the texts this font draws: %3</source>
        <extracomment>%3 lists the characters, separated by spaces.</extracomment>
        <translation>%1: a %2 le faltan caracteres de los textos que dibuja esta fuente: %3</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>invalid file name</source>
        <translation>nombre de archivo no válido</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>incomplete write</source>
        <translation>escritura incompleta</translation>
    </message>
    <message>
        <source>a link, pipe or device is in the way</source>
        <extracomment>a symbolic link, pipe or device stands at the name of a file we would write</extracomment>
        <translation>un enlace, una tubería o un dispositivo está en medio</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 and cannot be used without changing it</source>
        <translation>su nombre no es UTF-8 válido y no puede usarse sin cambiarlo</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>no existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>operación no permitida</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>la cuota de disco está agotada</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>el archivo es demasiado grande</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>una parte de la ruta no es una carpeta</translation>
    </message>
    <message>
        <source>it already exists</source>
        <translation>ya existe</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>el nombre es demasiado largo</translation>
    </message>
    <message>
        <source>too many links in the path</source>
        <translation>demasiados enlaces en la ruta</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>error de entrada/salida</translation>
    </message>
    <message>
        <source>it is busy</source>
        <translation>está ocupado</translation>
    </message>
    <message>
        <source>too many open files</source>
        <translation>demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>it is on another disk</source>
        <translation>está en otro disco</translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation>la carpeta no está vacía</translation>
    </message>
</context>
<context>
    <name>FontDetailsWindow</name>
    <message>
        <source>Missing characters:</source>
        <translation>Caracteres que faltan:</translation>
    </message>
    <message>
        <source>Font details: %1</source>
        <translation>Detalles de la fuente: %1</translation>
    </message>
</context>
<context>
    <name>FontListGlue</name>
    <message>
        <source>&amp;Font list…</source>
        <translation>&amp;Lista de fuentes…</translation>
    </message>
</context>
<context>
    <name>FontListModel</name>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familia</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
</context>
<context>
    <name>FontListWindow</name>
    <message>
        <source>Font list</source>
        <translation>Lista de fuentes</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Installed fonts</source>
        <translation>Fuentes instaladas</translation>
    </message>
    <message>
        <source>Document fonts</source>
        <translation>Fuentes del documento</translation>
    </message>
    <message>
        <source>Choose &amp;folder…</source>
        <translation>Elegir &amp;carpeta…</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Ranura:</translation>
    </message>
    <message>
        <source>Search names</source>
        <translation>Buscar en los nombres</translation>
    </message>
    <message>
        <source>&amp;Only faces with every character</source>
        <translation>&amp;Solo fuentes con todos los caracteres</translation>
    </message>
    <message>
        <source>&amp;Hide unusable files</source>
        <extracomment>Files that are no usable TrueType face (collections, PostScript outlines, damaged)</extracomment>
        <translation>&amp;Ocultar archivos inutilizables</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Usar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Font folder</source>
        <translation>Carpeta de fuentes</translation>
    </message>
    <message numerus="yes">
        <source>%n face(s)</source>
        <translation>
            <numerusform>%n fuente</numerusform>
            <numerusform>%n fuentes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n face(s)</source>
        <translation>
            <numerusform>%1 de %n fuente</numerusform>
            <numerusform>%1 de %n fuentes</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading… %1</source>
        <translation>Leyendo… %1</translation>
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
    <name>FontMessages</name>
    <message>
        <source>file not found</source>
        <translation>archivo no encontrado</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is a TrueType collection (.ttc), not supported: extract a single font from it into a .ttf file</source>
        <translation>es una colección TrueType (.ttc), no admitida: extraiga una sola fuente en un archivo .ttf</translation>
    </message>
    <message>
        <source>not a TrueType file</source>
        <translation>no es un archivo TrueType</translation>
    </message>
    <message>
        <source>a table of the file is damaged</source>
        <translation>una tabla del archivo está dañada</translation>
    </message>
    <message>
        <source>none of the font&apos;s names is usable</source>
        <translation>ningún nombre de la fuente es utilizable</translation>
    </message>
    <message>
        <source>Font rejected: %1: %2</source>
        <translation>Fuente rechazada: %1: %2</translation>
    </message>
    <message>
        <source>%1: PostScript outlines (CFF): the phone&apos;s font engine may not draw them</source>
        <translation>%1: contornos PostScript (CFF): puede que el motor de fuentes del teléfono no los dibuje</translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation>falta: %1</translation>
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
        <translation>desconocidos</translation>
    </message>
    <message>
        <source>already installed in the system</source>
        <translation>ya instalada en el sistema</translation>
    </message>
    <message>
        <source>registered by the editor</source>
        <translation>registrada por el editor</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>the phone&apos;s font engine may not draw them</source>
        <translation>puede que el motor de fuentes del teléfono no los dibuje</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Family:</source>
        <translation>Familia:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>Full name:</source>
        <translation>Nombre completo:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Copyright:</translation>
    </message>
    <message>
        <source>License:</source>
        <translation>Licencia:</translation>
    </message>
    <message>
        <source>Glyphs:</source>
        <translation>Glifos:</translation>
    </message>
    <message>
        <source>Outlines:</source>
        <translation>Contornos:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Origen:</translation>
    </message>
    <message>
        <source>not installed on this computer: the preview draws %1 instead</source>
        <extracomment>%1 is the font family drawn in place of the face named in the slot.</extracomment>
        <translation>no instalada en este equipo: la vista previa dibuja %1 en su lugar</translation>
    </message>
</context>
<context>
    <name>GlyphmuxIniTexts</name>
    <message>
        <source>unknown key, not saved</source>
        <translation>clave desconocida, no se guarda</translation>
    </message>
    <message>
        <source>unknown section, its lines are not saved</source>
        <translation>sección desconocida, sus líneas no se guardan</translation>
    </message>
    <message>
        <source>not a key=value line, not saved</source>
        <translation>no es una línea clave=valor, no se guarda</translation>
    </message>
    <message>
        <source>repeated key, the first one counts</source>
        <translation>clave repetida, vale la primera</translation>
    </message>
    <message>
        <source>saving writes the usual value</source>
        <translation>al guardar se escribe el valor habitual</translation>
    </message>
    <message>
        <source>alias, saving rewrites it from LatinBold13</source>
        <translation>alias, al guardar se reescribe a partir de LatinBold13</translation>
    </message>
    <message>
        <source>missing or not a whole number, the initial value stays</source>
        <translation>falta o no es un número entero, se mantiene el valor inicial</translation>
    </message>
    <message>
        <source>out of range, the nearest limit is taken</source>
        <translation>fuera de los límites, se toma el límite más cercano</translation>
    </message>
    <message>
        <source>a part other than :Y, :I and :W, not saved</source>
        <translation>una parte distinta de :Y, :I y :W, no se guarda</translation>
    </message>
    <message>
        <source>damaged characters, the line is not taken</source>
        <translation>caracteres dañados, la línea no se toma</translation>
    </message>
    <message>
        <source>Cannot open %1:
%2</source>
        <translation>No se puede abrir %1:
%2</translation>
    </message>
    <message>
        <source>%1 is not a Glyphmux.ini: it is too large.</source>
        <translation>%1 no es un Glyphmux.ini: es demasiado grande.</translation>
    </message>
    <message>
        <source>%1 is not a Glyphmux.ini: it has neither the [FontMap] section nor font lines.</source>
        <translation>%1 no es un Glyphmux.ini: no tiene ni la sección [FontMap] ni líneas de fuentes.</translation>
    </message>
    <message>
        <source>%1 is open. These lines were not taken as they stand:</source>
        <translation>%1 está abierto. Estas líneas no se han tomado tal cual:</translation>
    </message>
    <message>
        <source>Line %1: %2 (%3)</source>
        <translation>Línea %1: %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more lines</source>
        <translation>
            <numerusform>… y %n línea más</numerusform>
            <numerusform>… y %n líneas más</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing saved: cannot read the previous version of %1:
%2</source>
        <translation>No se ha guardado nada: no se puede leer la versión anterior de %1:
%2</translation>
    </message>
    <message>
        <source>Nothing saved: cannot keep the previous version in %1:
%2</source>
        <translation>No se ha guardado nada: no se puede conservar la versión anterior en %1:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Glyphmux GUI help</source>
        <translation>Ayuda de Glyphmux GUI</translation>
    </message>
    <message>
        <source>Choose a TrueType file for each of the five phone fonts with the folder button of its row; the four phone screens above show at once how the phone would draw its texts. The red &quot;?&quot; of a row tells which texts that font draws.</source>
        <translation>Elija un archivo TrueType para cada una de las cinco fuentes del teléfono con el botón de carpeta de su fila; las cuatro pantallas de teléfono de arriba muestran al instante cómo dibujaría el teléfono sus textos. El &quot;?&quot; rojo de una fila dice qué textos dibuja esa fuente.</translation>
    </message>
    <message>
        <source>&quot;-&quot; and &quot;+&quot; step a font&apos;s size; Height, Italic and Width tune it further; Zoom and Chroma apply to every font. Height and Width are written as they stand, after &quot;:Y&quot; and &quot;:W&quot; on the font&apos;s line of Glyphmux.ini.</source>
        <translation>&quot;-&quot; y &quot;+&quot; cambian el tamaño de una fuente; Altura, Cursiva y Anchura la ajustan más; Zoom y Croma valen para todas las fuentes. Altura y Anchura se escriben tal cual, tras &quot;:Y&quot; y &quot;:W&quot; en la línea de la fuente en Glyphmux.ini.</translation>
    </message>
    <message>
        <source>File &gt; Save to Glyphmux.ini (Ctrl+S) writes the file into the folder the editor was started from, or back to the file opened with File &gt; Open (Ctrl+O). With &quot;Show information popup&quot; checked in the Settings menu, it first asks for the phone model, then lists the files to copy to the phone.</source>
        <translation>Archivo &gt; Guardar en Glyphmux.ini (Ctrl+S) escribe el archivo en la carpeta desde la que se inició el editor, o en el archivo abierto con Archivo &gt; Abrir (Ctrl+O). Con &quot;Mostrar ventana informativa&quot; marcado en el menú Configuración, primero pregunta el modelo de teléfono y luego enumera los archivos que hay que copiar al teléfono.</translation>
    </message>
    <message>
        <source>File &gt; Export for the phone gathers Glyphmux.ini, the font files and the engine&apos;s files in one folder, laid out as on the phone&apos;s C: drive, and says first what the phone may not be able to use.</source>
        <translation>Archivo &gt; Exportar para el teléfono reúne Glyphmux.ini, los archivos de fuentes y los del motor en una carpeta, dispuestos como en la unidad C: del teléfono, y dice antes qué puede que el teléfono no pueda usar.</translation>
    </message>
    <message>
        <source>Settings &gt; Language changes the language. Every control explains itself in a tooltip. F1 shows this window, the &quot;?&quot; menu the program&apos;s information.</source>
        <translation>Configuración &gt; Idioma cambia el idioma. Cada control se explica en una sugerencia. F1 muestra esta ventana, el menú &quot;?&quot; la información del programa.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Saved: %1</source>
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
        <source>Cannot read the language file %1:
%2</source>
        <translation>No se puede leer el archivo de idioma %1:
%2</translation>
    </message>
    <message>
        <source>Restart the program to change language</source>
        <translation>Reinicie el programa para cambiar de idioma</translation>
    </message>
    <message>
        <source>&amp;Open Glyphmux.ini…</source>
        <translation>&amp;Abrir Glyphmux.ini…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Export for the phone…</source>
        <translation>&amp;Exportar para el teléfono…</translation>
    </message>
    <message>
        <source>Save writes to %1</source>
        <translation>Guardar escribe en %1</translation>
    </message>
    <message>
        <source>Writes %1</source>
        <translation>Escribe %1</translation>
    </message>
    <message>
        <source>Preferences are kept in memory for this session only: %1 is not a plain file in the configuration folder</source>
        <translation>Las preferencias se guardan en memoria solo durante esta sesión: %1 no es un archivo normal en la carpeta de configuración</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Phone pixels…</source>
        <translation>&amp;Píxeles del teléfono…</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message numerus="yes">
        <source>(%n more)</source>
        <translation>
            <numerusform>(%n más)</numerusform>
            <numerusform>(%n más)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OpenCommand</name>
    <message>
        <source>Open Glyphmux.ini</source>
        <translation>Abrir Glyphmux.ini</translation>
    </message>
    <message>
        <source>Glyphmux configuration (*.ini);;All files (*)</source>
        <translation>Configuración de Glyphmux (*.ini);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>No hay archivos recientes</translation>
    </message>
</context>
<context>
    <name>OpenFonts</name>
    <message>
        <source>the file it came from when this configuration was last saved or exported</source>
        <translation>el archivo del que venía cuando esta configuración se guardó o exportó por última vez</translation>
    </message>
    <message>
        <source>the configuration&apos;s own folder</source>
        <translation>la carpeta de la configuración</translation>
    </message>
    <message>
        <source>data/fonts beside the configuration</source>
        <translation>data/fonts junto a la configuración</translation>
    </message>
    <message>
        <source>a folder fonts were last taken from</source>
        <translation>una carpeta de la que se tomaron fuentes recientemente</translation>
    </message>
    <message>
        <source>the fonts installed on this computer</source>
        <translation>las fuentes instaladas en este ordenador</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: no font file found for this face</source>
        <extracomment>%1 is a slot name, %2 a face name.</extracomment>
        <translation>%1 &quot;%2&quot;: no se encontró ningún archivo para esta fuente</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %4, found in %3</source>
        <extracomment>%1 is a slot name, %2 a face name, %3 a place, %4 a file.</extracomment>
        <translation>%1 &quot;%2&quot;: %4, encontrado en %3</translation>
    </message>
    <message numerus="yes">
        <source>(a guess: %n files there give this face; the Regular style was taken, else the first by file name)</source>
        <translation>
            <numerusform>(una suposición: %n archivo allí da esta fuente; se tomó el estilo Regular, si no el primero por nombre)</numerusform>
            <numerusform>(una suposición: %n archivos allí dan esta fuente; se tomó el estilo Regular, si no el primero por nombre)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is open. The font files of its faces:</source>
        <translation>%1 está abierto. Los archivos de sus fuentes:</translation>
    </message>
</context>
<context>
    <name>PhoneModelDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source> font in ttf</source>
        <extracomment>Stands after the phone&apos;s fonts folder in the copy list, for the chosen TrueType files. Keep the leading space.</extracomment>
        <translation> los archivos de fuentes .ttf</translation>
    </message>
</context>
<context>
    <name>PhonePixelsWindow</name>
    <message>
        <source>Phone pixels</source>
        <translation>Píxeles del teléfono</translation>
    </message>
    <message>
        <source>&amp;Enlargement:</source>
        <extracomment>Label of the list of enlargements (×2 to ×6) of the phone screens.</extracomment>
        <translation>&amp;Ampliación:</translation>
    </message>
    <message>
        <source>Each phone pixel as a square block; + and - change the enlargement</source>
        <translation>Cada píxel del teléfono como un bloque cuadrado; + y - cambian la ampliación</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>Unsaved changes from %1:</source>
        <extracomment>Followed by the buttons Restore and Discard; %1 is a date and time.</extracomment>
        <translation>Cambios sin guardar del %1:</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
</context>
<context>
    <name>SaveCommand</name>
    <message>
        <source>salvataggio in corso</source>
        <extracomment>saving in progress (runs through the title bar)</extracomment>
        <translation>guardando</translation>
    </message>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation>No se puede guardar %1:
%2</translation>
    </message>
    <message>
        <source>%1 bytes, more than the %2 a Glyphmux.ini may hold to be opened again</source>
        <extracomment>%1 and %2 are sizes in bytes</extracomment>
        <translation>%1 bytes, más de los %2 que puede tener un Glyphmux.ini para volver a abrirse</translation>
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
        <source>Font file (*.ttf)</source>
        <translation>Archivo de fuente (*.ttf)</translation>
    </message>
    <message>
        <source>Apri TTF</source>
        <extracomment>Open TTF (the font dialog&apos;s title)</extracomment>
        <translation>Abrir TTF</translation>
    </message>
</context>
<context>
    <name>SlotFontInfo</name>
    <message>
        <source>Font details…</source>
        <translation>Detalles de la fuente…</translation>
    </message>
    <message>
        <source>Browse fonts for %1…</source>
        <translation>Explorar fuentes para %1…</translation>
    </message>
</context>
<context>
    <name>SlotInfo</name>
    <message>
        <source>Font degli sms e modo d&apos;uso</source>
        <extracomment>Font of text messages and of the usage texts</extracomment>
        <translation>Fuente de los SMS y del perfil</translation>
    </message>
    <message>
        <source>Font del menu popup</source>
        <extracomment>Font of the pop-up menu</extracomment>
        <translation>Fuente del menú emergente</translation>
    </message>
    <message>
        <source>Font del testo nella parte bassa dello schermo</source>
        <extracomment>Font of the text at the bottom of the screen</extracomment>
        <translation>Fuente del texto en la parte inferior de la pantalla</translation>
    </message>
    <message>
        <source>Font del testo nella parte alta dello schermo</source>
        <extracomment>Font of the text at the top of the screen</extracomment>
        <translation>Fuente del texto en la parte superior de la pantalla</translation>
    </message>
    <message>
        <source>Font del testo nel menu</source>
        <extracomment>Font of the text in the menu</extracomment>
        <translation>Fuente del texto en el menú</translation>
    </message>
</context>
<context>
    <name>UndoActions</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
</context>
</TS>
