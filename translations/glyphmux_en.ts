<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Informazioni su %1</source>
        <extracomment>About %1</extracomment>
        <translation>About %1</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <extracomment>Version %1</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Programma: il gruppo di Glyphmux GUI</source>
        <extracomment>Program: the Glyphmux GUI team</extracomment>
        <translation>Program: the Glyphmux GUI team</translation>
    </message>
    <message>
        <source>Motore dei font: gli autori di Glyphmux</source>
        <extracomment>Font engine: the authors of Glyphmux</extracomment>
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
        <source>glyphmux-gui: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); without a screen, run it as: xvfb-run glyphmux-gui</source>
        <translation>glyphmux-gui: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); without a screen, run it as: xvfb-run glyphmux-gui</translation>
    </message>
    <message>
        <source>Editor of Glyphmux.ini, the font configuration of Glyphmux for Symbian phones.
Writes Glyphmux.ini and settings.fs into the current directory; a FILE opened
is saved back to itself instead.</source>
        <translation>Editor of Glyphmux.ini, the font configuration of Glyphmux for Symbian phones.
Writes Glyphmux.ini and settings.fs into the current directory; a FILE opened
is saved back to itself instead.</translation>
    </message>
    <message>
        <source>A Glyphmux.ini to open.</source>
        <translation>A Glyphmux.ini to open.</translation>
    </message>
    <message>
        <source>glyphmux-gui: only one FILE can be opened; also named: %1</source>
        <translation>glyphmux-gui: only one FILE can be opened; also named: %1</translation>
    </message>
</context>
<context>
    <name>ControlHelp</name>
    <message>
        <source>Choose the TrueType file (.ttf) for %1</source>
        <translation>Choose the TrueType file (.ttf) for %1</translation>
    </message>
    <message>
        <source>Open a font for %1</source>
        <translation>Open a font for %1</translation>
    </message>
    <message>
        <source>Which texts of the phone&apos;s screen %1 draws</source>
        <translation>Which texts of the phone&apos;s screen %1 draws</translation>
    </message>
    <message>
        <source>What %1 draws</source>
        <translation>What %1 draws</translation>
    </message>
    <message>
        <source>Smaller: the size of %1 one step down</source>
        <translation>Smaller: the size of %1 one step down</translation>
    </message>
    <message>
        <source>Smaller %1</source>
        <translation>Smaller %1</translation>
    </message>
    <message>
        <source>Larger: the size of %1 one step up</source>
        <translation>Larger: the size of %1 one step up</translation>
    </message>
    <message>
        <source>Larger %1</source>
        <translation>Larger %1</translation>
    </message>
    <message>
        <source>The size of %1, written after &quot;@&quot; on its line of Glyphmux.ini</source>
        <translation>The size of %1, written after &quot;@&quot; on its line of Glyphmux.ini</translation>
    </message>
    <message>
        <source>Height of %1: written as it stands after &quot;:Y&quot; on its line of Glyphmux.ini</source>
        <translation>Height of %1: written as it stands after &quot;:Y&quot; on its line of Glyphmux.ini</translation>
    </message>
    <message>
        <source>Width of %1: written as it stands after &quot;:W&quot; on its line of Glyphmux.ini</source>
        <translation>Width of %1: written as it stands after &quot;:W&quot; on its line of Glyphmux.ini</translation>
    </message>
    <message>
        <source>Italic %1: writes &quot;:I&quot; on its line of Glyphmux.ini and slants the preview</source>
        <translation>Italic %1: writes &quot;:I&quot; on its line of Glyphmux.ini and slants the preview</translation>
    </message>
    <message>
        <source>Italic %1</source>
        <translation>Italic %1</translation>
    </message>
    <message>
        <source>Zoom, 1 to 300 %: written as ZoomRatio= in Glyphmux.ini; the preview&apos;s sizes follow it</source>
        <translation>Zoom, 1 to 300 %: written as ZoomRatio= in Glyphmux.ini; the preview&apos;s sizes follow it</translation>
    </message>
    <message>
        <source>Chroma, 0 to 100: written as Chroma= in Glyphmux.ini; the preview shows its grey. The arrows beside it change it</source>
        <translation>Chroma, 0 to 100: written as Chroma= in Glyphmux.ini; the preview shows its grey. The arrows beside it change it</translation>
    </message>
    <message>
        <source>Chroma</source>
        <translation>Chroma</translation>
    </message>
    <message>
        <source>The font path, written as it stands as ExtraFontFile= in Glyphmux.ini</source>
        <translation>The font path, written as it stands as ExtraFontFile= in Glyphmux.ini</translation>
    </message>
    <message>
        <source>Face name of the font the phone uses for %1: type it, or choose a TrueType file with the open button</source>
        <translation>Face name of the font the phone uses for %1: type it, or choose a TrueType file with the open button</translation>
    </message>
</context>
<context>
    <name>CopyListDialog</name>
    <message>
        <source>Copia i seguenti file:</source>
        <extracomment>Copy the following files: (the window&apos;s title, and the heading of the exported copy list)</extracomment>
        <translation>Copy the following files:</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Export…</translation>
    </message>
</context>
<context>
    <name>DocumentHistory</name>
    <message>
        <source>font of %1</source>
        <extracomment>Completes &quot;Undo %1&quot;; %1 is a font slot such as LatinBold13.</extracomment>
        <translation>font of %1</translation>
    </message>
    <message>
        <source>size of %1</source>
        <translation>size of %1</translation>
    </message>
    <message>
        <source>italics of %1</source>
        <translation>italics of %1</translation>
    </message>
    <message>
        <source>face name of %1</source>
        <extracomment>Typing a face name into the slot&apos;s field.</extracomment>
        <translation>face name of %1</translation>
    </message>
    <message>
        <source>height of %1</source>
        <translation>height of %1</translation>
    </message>
    <message>
        <source>width of %1</source>
        <translation>width of %1</translation>
    </message>
    <message>
        <source>font path</source>
        <translation>font path</translation>
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
        <translation>opening %1</translation>
    </message>
    <message>
        <source>restoring unsaved changes</source>
        <translation>restoring unsaved changes</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export for the phone</source>
        <translation>Export for the phone</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choose…</translation>
    </message>
    <message>
        <source>Engine files…</source>
        <translation>Engine files…</translation>
    </message>
    <message>
        <source>Target folder:</source>
        <translation>Target folder:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Phone:</translation>
    </message>
    <message>
        <source>Engine&apos;s files:</source>
        <translation>Engine&apos;s files:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>not chosen</translation>
    </message>
</context>
<context>
    <name>ExportTexts</name>
    <message>
        <source>unknown error</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>Not in this folder, still to copy yourself:</source>
        <translation>Not in this folder, still to copy yourself:</translation>
    </message>
    <message>
        <source>Typed without a file, so these faces must already be on the phone:</source>
        <translation>Typed without a file, so these faces must already be on the phone:</translation>
    </message>
    <message>
        <source>%1: the face &quot;%2&quot; has no file here; this face must already be on the phone.</source>
        <translation>%1: the face &quot;%2&quot; has no file here; this face must already be on the phone.</translation>
    </message>
    <message>
        <source>%1 is not included (choose &quot;Engine files…&quot; to include it); copy it to c:\system\fonts\ yourself.</source>
        <translation>%1 is not included (choose &quot;Engine files…&quot; to include it); copy it to c:\system\fonts\ yourself.</translation>
    </message>
    <message>
        <source>%1 is not in %2; copy it to c:\system\fonts\ yourself.</source>
        <translation>%1 is not in %2; copy it to c:\system\fonts\ yourself.</translation>
    </message>
    <message>
        <source>%1 is already there and would be replaced.</source>
        <translation>%1 is already there and would be replaced.</translation>
    </message>
    <message>
        <source>Choose the folder to export to.</source>
        <translation>Choose the folder to export to.</translation>
    </message>
    <message>
        <source>%1 and %2 would have the same name on the phone; rename one of them.</source>
        <translation>%1 and %2 would have the same name on the phone; rename one of them.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 no longer exists.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 is not a regular file.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>%1 is in the way: the export needs a folder where a file is, or a file where a folder is.</source>
        <translation>%1 is in the way: the export needs a folder where a file is, or a file where a folder is.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2.</source>
        <translation>The folder %1 cannot be made: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 cannot be written: %2.</translation>
    </message>
    <message>
        <source>The export was cancelled; what it had written was removed.</source>
        <translation>The export was cancelled; what it had written was removed.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) already in the target folder would be replaced.</source>
        <translation>
            <numerusform>%n file already in the target folder would be replaced.</numerusform>
            <numerusform>%n files already in the target folder would be replaced.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) to write, %1 in all.</source>
        <translation>
            <numerusform>%n file to write, %1 in all.</numerusform>
            <numerusform>%n files to write, %1 in all.</numerusform>
        </translation>
    </message>
    <message>
        <source>These files are already in %1:
%2
Replace them?</source>
        <translation>These files are already in %1:
%2
Replace them?</translation>
    </message>
    <message>
        <source>Exported to %1. Copy its contents onto the phone&apos;s C: drive as they stand.</source>
        <translation>Exported to %1. Copy its contents onto the phone&apos;s C: drive as they stand.</translation>
    </message>
    <message>
        <source>The export stopped. %1</source>
        <translation>The export stopped. %1</translation>
    </message>
    <message>
        <source>Folder to export to</source>
        <translation>Folder to export to</translation>
    </message>
    <message>
        <source>Folder with glyphmux.dll and freetype.dll</source>
        <translation>Folder with glyphmux.dll and freetype.dll</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Copying the files for the phone…</source>
        <translation>Copying the files for the phone…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>An earlier export to this folder was interrupted; its leftover files are put back or removed first.</source>
        <translation>An earlier export to this folder was interrupted; its leftover files are put back or removed first.</translation>
    </message>
    <message>
        <source>%1 is in the way: it is a link, a pipe or a device, and the export never writes through or over one.</source>
        <extracomment>%1 is a path in the export&apos;s target folder.</extracomment>
        <translation>%1 is in the way: it is a link, a pipe or a device, and the export never writes through or over one.</translation>
    </message>
    <message>
        <source>%1 is in the way: the phone ignores letter case, so it would clash with %2.</source>
        <translation>%1 is in the way: the phone ignores letter case, so it would clash with %2.</translation>
    </message>
    <message>
        <source>Put back after an interrupted export:
%1</source>
        <translation>Put back after an interrupted export:
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n leftover file(s) of an interrupted export removed.</source>
        <translation>
            <numerusform>%n leftover file of an interrupted export removed.</numerusform>
            <numerusform>%n leftover files of an interrupted export removed.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was changed: the files it had replaced were put back, and those it had written were removed.</source>
        <translation>Nothing was changed: the files it had replaced were put back, and those it had written were removed.</translation>
    </message>
    <message>
        <source>These files it had replaced could not be put back; the next export to this folder puts them back:
%1</source>
        <translation>These files it had replaced could not be put back; the next export to this folder puts them back:
%1</translation>
    </message>
    <message>
        <source>%1: the face &quot;%2&quot; comes from another file in another slot too (%3); the phone finds a face by its name alone and cannot tell the two apart.</source>
        <extracomment>%1 is a slot name, %2 a face name, %3 a file.</extracomment>
        <translation>%1: the face &quot;%2&quot; comes from another file in another slot too (%3); the phone finds a face by its name alone and cannot tell the two apart.</translation>
    </message>
    <message>
        <source>Copy these files to the phone:</source>
        <translation>Copy these files to the phone:</translation>
    </message>
    <message>
        <source>The phone may not be able to use:</source>
        <translation>The phone may not be able to use:</translation>
    </message>
    <message>
        <source>%1: %2 has PostScript (CFF) outlines; the phone&apos;s font engine may not draw them.</source>
        <translation>%1: %2 has PostScript (CFF) outlines; the phone&apos;s font engine may not draw them.</translation>
    </message>
    <message>
        <source>%1: %2 lacks characters of the texts this font draws: %3</source>
        <extracomment>%3 lists the characters, separated by spaces.</extracomment>
        <translation>%1: %2 lacks characters of the texts this font draws: %3</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>invalid file name</source>
        <translation>invalid file name</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>incomplete write</source>
        <translation>incomplete write</translation>
    </message>
    <message>
        <source>a link, pipe or device is in the way</source>
        <extracomment>a symbolic link, pipe or device stands at the name of a file we would write</extracomment>
        <translation>a link, pipe or device is in the way</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 and cannot be used without changing it</source>
        <translation>its name is not valid UTF-8 and cannot be used without changing it</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>operation not permitted</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>it already exists</source>
        <translation>it already exists</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>too many links in the path</source>
        <translation>too many links in the path</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>it is busy</source>
        <translation>it is busy</translation>
    </message>
    <message>
        <source>too many open files</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>it is on another disk</source>
        <translation>it is on another disk</translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation>the folder is not empty</translation>
    </message>
</context>
<context>
    <name>FontDetailsWindow</name>
    <message>
        <source>Missing characters:</source>
        <translation>Missing characters:</translation>
    </message>
    <message>
        <source>Font details: %1</source>
        <translation>Font details: %1</translation>
    </message>
</context>
<context>
    <name>FontListGlue</name>
    <message>
        <source>&amp;Font list…</source>
        <translation>&amp;Font list…</translation>
    </message>
</context>
<context>
    <name>FontListModel</name>
    <message>
        <source>Sample</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Family</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>FontListWindow</name>
    <message>
        <source>Font list</source>
        <translation>Font list</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Installed fonts</source>
        <translation>Installed fonts</translation>
    </message>
    <message>
        <source>Document fonts</source>
        <translation>Document fonts</translation>
    </message>
    <message>
        <source>Choose &amp;folder…</source>
        <translation>Choose &amp;folder…</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Slot:</translation>
    </message>
    <message>
        <source>Search names</source>
        <translation>Search names</translation>
    </message>
    <message>
        <source>&amp;Only faces with every character</source>
        <translation>&amp;Only faces with every character</translation>
    </message>
    <message>
        <source>&amp;Hide unusable files</source>
        <extracomment>Files that are no usable TrueType face (collections, PostScript outlines, damaged)</extracomment>
        <translation>&amp;Hide unusable files</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;top</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Use</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Font folder</source>
        <translation>Font folder</translation>
    </message>
    <message numerus="yes">
        <source>%n face(s)</source>
        <translation>
            <numerusform>%n face</numerusform>
            <numerusform>%n faces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n face(s)</source>
        <translation>
            <numerusform>%1 of %n face</numerusform>
            <numerusform>%1 of %n faces</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading… %1</source>
        <translation>Reading… %1</translation>
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
        <translation>file not found</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>it is a TrueType collection (.ttc), not supported: extract a single font from it into a .ttf file</source>
        <translation>it is a TrueType collection (.ttc), not supported: extract a single font from it into a .ttf file</translation>
    </message>
    <message>
        <source>not a TrueType file</source>
        <translation>not a TrueType file</translation>
    </message>
    <message>
        <source>a table of the file is damaged</source>
        <translation>a table of the file is damaged</translation>
    </message>
    <message>
        <source>none of the font&apos;s names is usable</source>
        <translation>none of the font&apos;s names is usable</translation>
    </message>
    <message>
        <source>Font rejected: %1: %2</source>
        <translation>Font rejected: %1: %2</translation>
    </message>
    <message>
        <source>%1: PostScript outlines (CFF): the phone&apos;s font engine may not draw them</source>
        <translation>%1: PostScript outlines (CFF): the phone&apos;s font engine may not draw them</translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation>missing: %1</translation>
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
        <translation>unknown</translation>
    </message>
    <message>
        <source>already installed in the system</source>
        <translation>already installed in the system</translation>
    </message>
    <message>
        <source>registered by the editor</source>
        <translation>registered by the editor</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>the phone&apos;s font engine may not draw them</source>
        <translation>the phone&apos;s font engine may not draw them</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Family:</source>
        <translation>Family:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Style:</translation>
    </message>
    <message>
        <source>Full name:</source>
        <translation>Full name:</translation>
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
        <translation>License:</translation>
    </message>
    <message>
        <source>Glyphs:</source>
        <translation>Glyphs:</translation>
    </message>
    <message>
        <source>Outlines:</source>
        <translation>Outlines:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Source:</translation>
    </message>
    <message>
        <source>not installed on this computer: the preview draws %1 instead</source>
        <extracomment>%1 is the font family drawn in place of the face named in the slot.</extracomment>
        <translation>not installed on this computer: the preview draws %1 instead</translation>
    </message>
</context>
<context>
    <name>GlyphmuxIniTexts</name>
    <message>
        <source>unknown key, not saved</source>
        <translation>unknown key, not saved</translation>
    </message>
    <message>
        <source>unknown section, its lines are not saved</source>
        <translation>unknown section, its lines are not saved</translation>
    </message>
    <message>
        <source>not a key=value line, not saved</source>
        <translation>not a key=value line, not saved</translation>
    </message>
    <message>
        <source>repeated key, the first one counts</source>
        <translation>repeated key, the first one counts</translation>
    </message>
    <message>
        <source>saving writes the usual value</source>
        <translation>saving writes the usual value</translation>
    </message>
    <message>
        <source>alias, saving rewrites it from LatinBold13</source>
        <translation>alias, saving rewrites it from LatinBold13</translation>
    </message>
    <message>
        <source>missing or not a whole number, the initial value stays</source>
        <translation>missing or not a whole number, the initial value stays</translation>
    </message>
    <message>
        <source>out of range, the nearest limit is taken</source>
        <translation>out of range, the nearest limit is taken</translation>
    </message>
    <message>
        <source>a part other than :Y, :I and :W, not saved</source>
        <translation>a part other than :Y, :I and :W, not saved</translation>
    </message>
    <message>
        <source>damaged characters, the line is not taken</source>
        <translation>damaged characters, the line is not taken</translation>
    </message>
    <message>
        <source>Cannot open %1:
%2</source>
        <translation>Cannot open %1:
%2</translation>
    </message>
    <message>
        <source>%1 is not a Glyphmux.ini: it is too large.</source>
        <translation>%1 is not a Glyphmux.ini: it is too large.</translation>
    </message>
    <message>
        <source>%1 is not a Glyphmux.ini: it has neither the [FontMap] section nor font lines.</source>
        <translation>%1 is not a Glyphmux.ini: it has neither the [FontMap] section nor font lines.</translation>
    </message>
    <message>
        <source>%1 is open. These lines were not taken as they stand:</source>
        <translation>%1 is open. These lines were not taken as they stand:</translation>
    </message>
    <message>
        <source>Line %1: %2 (%3)</source>
        <translation>Line %1: %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more lines</source>
        <translation>
            <numerusform>… and %n more line</numerusform>
            <numerusform>… and %n more lines</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing saved: cannot read the previous version of %1:
%2</source>
        <translation>Nothing saved: cannot read the previous version of %1:
%2</translation>
    </message>
    <message>
        <source>Nothing saved: cannot keep the previous version in %1:
%2</source>
        <translation>Nothing saved: cannot keep the previous version in %1:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Glyphmux GUI help</source>
        <translation>Glyphmux GUI help</translation>
    </message>
    <message>
        <source>Choose a TrueType file for each of the five phone fonts with the folder button of its row; the four phone screens above show at once how the phone would draw its texts. The red &quot;?&quot; of a row tells which texts that font draws.</source>
        <translation>Choose a TrueType file for each of the five phone fonts with the folder button of its row; the four phone screens above show at once how the phone would draw its texts. The red &quot;?&quot; of a row tells which texts that font draws.</translation>
    </message>
    <message>
        <source>&quot;-&quot; and &quot;+&quot; step a font&apos;s size; Height, Italic and Width tune it further; Zoom and Chroma apply to every font. Height and Width are written as they stand, after &quot;:Y&quot; and &quot;:W&quot; on the font&apos;s line of Glyphmux.ini.</source>
        <translation>&quot;-&quot; and &quot;+&quot; step a font&apos;s size; Height, Italic and Width tune it further; Zoom and Chroma apply to every font. Height and Width are written as they stand, after &quot;:Y&quot; and &quot;:W&quot; on the font&apos;s line of Glyphmux.ini.</translation>
    </message>
    <message>
        <source>File &gt; Save to Glyphmux.ini (Ctrl+S) writes the file into the folder the editor was started from, or back to the file opened with File &gt; Open (Ctrl+O). With &quot;Show information popup&quot; checked in the Settings menu, it first asks for the phone model, then lists the files to copy to the phone.</source>
        <translation>File &gt; Save to Glyphmux.ini (Ctrl+S) writes the file into the folder the editor was started from, or back to the file opened with File &gt; Open (Ctrl+O). With &quot;Show information popup&quot; checked in the Settings menu, it first asks for the phone model, then lists the files to copy to the phone.</translation>
    </message>
    <message>
        <source>File &gt; Export for the phone gathers Glyphmux.ini, the font files and the engine&apos;s files in one folder, laid out as on the phone&apos;s C: drive, and says first what the phone may not be able to use.</source>
        <translation>File &gt; Export for the phone gathers Glyphmux.ini, the font files and the engine&apos;s files in one folder, laid out as on the phone&apos;s C: drive, and says first what the phone may not be able to use.</translation>
    </message>
    <message>
        <source>Settings &gt; Language changes the language. Every control explains itself in a tooltip. F1 shows this window, the &quot;?&quot; menu the program&apos;s information.</source>
        <translation>Settings &gt; Language changes the language. Every control explains itself in a tooltip. F1 shows this window, the &quot;?&quot; menu the program&apos;s information.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Saved: %1</source>
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
        <source>Cannot read the language file %1:
%2</source>
        <translation>Cannot read the language file %1:
%2</translation>
    </message>
    <message>
        <source>Restart the program to change language</source>
        <translation>Restart the program to change language</translation>
    </message>
    <message>
        <source>&amp;Open Glyphmux.ini…</source>
        <translation>&amp;Open Glyphmux.ini…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Open &amp;Recent</translation>
    </message>
    <message>
        <source>&amp;Export for the phone…</source>
        <translation>&amp;Export for the phone…</translation>
    </message>
    <message>
        <source>Save writes to %1</source>
        <translation>Save writes to %1</translation>
    </message>
    <message>
        <source>Writes %1</source>
        <translation>Writes %1</translation>
    </message>
    <message>
        <source>Preferences are kept in memory for this session only: %1 is not a plain file in the configuration folder</source>
        <translation>Preferences are kept in memory for this session only: %1 is not a plain file in the configuration folder</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Phone pixels…</source>
        <translation>&amp;Phone pixels…</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message numerus="yes">
        <source>(%n more)</source>
        <translation>
            <numerusform>(%n more)</numerusform>
            <numerusform>(%n more)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OpenCommand</name>
    <message>
        <source>Open Glyphmux.ini</source>
        <translation>Open Glyphmux.ini</translation>
    </message>
    <message>
        <source>Glyphmux configuration (*.ini);;All files (*)</source>
        <translation>Glyphmux configuration (*.ini);;All files (*)</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>No recent files</translation>
    </message>
</context>
<context>
    <name>OpenFonts</name>
    <message>
        <source>the file it came from when this configuration was last saved or exported</source>
        <translation>the file it came from when this configuration was last saved or exported</translation>
    </message>
    <message>
        <source>the configuration&apos;s own folder</source>
        <translation>the configuration&apos;s own folder</translation>
    </message>
    <message>
        <source>data/fonts beside the configuration</source>
        <translation>data/fonts beside the configuration</translation>
    </message>
    <message>
        <source>a folder fonts were last taken from</source>
        <translation>a folder fonts were last taken from</translation>
    </message>
    <message>
        <source>the fonts installed on this computer</source>
        <translation>the fonts installed on this computer</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: no font file found for this face</source>
        <extracomment>%1 is a slot name, %2 a face name.</extracomment>
        <translation>%1 &quot;%2&quot;: no font file found for this face</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %4, found in %3</source>
        <extracomment>%1 is a slot name, %2 a face name, %3 a place, %4 a file.</extracomment>
        <translation>%1 &quot;%2&quot;: %4, found in %3</translation>
    </message>
    <message numerus="yes">
        <source>(a guess: %n files there give this face; the Regular style was taken, else the first by file name)</source>
        <translation>
            <numerusform>(a guess: %n file there gives this face; the Regular style was taken, else the first by file name)</numerusform>
            <numerusform>(a guess: %n files there give this face; the Regular style was taken, else the first by file name)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is open. The font files of its faces:</source>
        <translation>%1 is open. The font files of its faces:</translation>
    </message>
</context>
<context>
    <name>PhoneModelDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source> font in ttf</source>
        <extracomment>Stands after the phone&apos;s fonts folder in the copy list, for the chosen TrueType files. Keep the leading space.</extracomment>
        <translation> the .ttf font files</translation>
    </message>
</context>
<context>
    <name>PhonePixelsWindow</name>
    <message>
        <source>Phone pixels</source>
        <translation>Phone pixels</translation>
    </message>
    <message>
        <source>&amp;Enlargement:</source>
        <extracomment>Label of the list of enlargements (×2 to ×6) of the phone screens.</extracomment>
        <translation>&amp;Enlargement:</translation>
    </message>
    <message>
        <source>Each phone pixel as a square block; + and - change the enlargement</source>
        <translation>Each phone pixel as a square block; + and - change the enlargement</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>Unsaved changes from %1:</source>
        <extracomment>Followed by the buttons Restore and Discard; %1 is a date and time.</extracomment>
        <translation>Unsaved changes from %1:</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
</context>
<context>
    <name>SaveCommand</name>
    <message>
        <source>salvataggio in corso</source>
        <extracomment>saving in progress (runs through the title bar)</extracomment>
        <translation>saving</translation>
    </message>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation>Cannot save %1:
%2</translation>
    </message>
    <message>
        <source>%1 bytes, more than the %2 a Glyphmux.ini may hold to be opened again</source>
        <extracomment>%1 and %2 are sizes in bytes</extracomment>
        <translation>%1 bytes, more than the %2 a Glyphmux.ini may hold to be opened again</translation>
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
        <translation>Font file (*.ttf)</translation>
    </message>
    <message>
        <source>Apri TTF</source>
        <extracomment>Open TTF (the font dialog&apos;s title)</extracomment>
        <translation>Open TTF</translation>
    </message>
</context>
<context>
    <name>SlotFontInfo</name>
    <message>
        <source>Font details…</source>
        <translation>Font details…</translation>
    </message>
    <message>
        <source>Browse fonts for %1…</source>
        <translation>Browse fonts for %1…</translation>
    </message>
</context>
<context>
    <name>SlotInfo</name>
    <message>
        <source>Font degli sms e modo d&apos;uso</source>
        <extracomment>Font of text messages and of the usage texts</extracomment>
        <translation>Font of the text messages and the profile</translation>
    </message>
    <message>
        <source>Font del menu popup</source>
        <extracomment>Font of the pop-up menu</extracomment>
        <translation>Font of the pop-up menu</translation>
    </message>
    <message>
        <source>Font del testo nella parte bassa dello schermo</source>
        <extracomment>Font of the text at the bottom of the screen</extracomment>
        <translation>Font of the text at the bottom of the screen</translation>
    </message>
    <message>
        <source>Font del testo nella parte alta dello schermo</source>
        <extracomment>Font of the text at the top of the screen</extracomment>
        <translation>Font of the text at the top of the screen</translation>
    </message>
    <message>
        <source>Font del testo nel menu</source>
        <extracomment>Font of the text in the menu</extracomment>
        <translation>Font of the text in the menu</translation>
    </message>
</context>
<context>
    <name>UndoActions</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
</context>
</TS>
