<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Informazioni su %1</source>
        <extracomment>About %1</extracomment>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <extracomment>Version %1</extracomment>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Programma: il gruppo di Glyphmux GUI</source>
        <extracomment>Program: the Glyphmux GUI team</extracomment>
        <translation>Programma: il gruppo di Glyphmux GUI</translation>
    </message>
    <message>
        <source>Motore dei font: gli autori di Glyphmux</source>
        <extracomment>Font engine: the authors of Glyphmux</extracomment>
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
        <source>glyphmux-gui: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); without a screen, run it as: xvfb-run glyphmux-gui</source>
        <translation>glyphmux-gui: nessuno schermo su cui aprire la finestra (né DISPLAY né WAYLAND_DISPLAY è impostato); senza schermo, avvialo così: xvfb-run glyphmux-gui</translation>
    </message>
    <message>
        <source>Editor of Glyphmux.ini, the font configuration of Glyphmux for Symbian phones.
Writes Glyphmux.ini and settings.fs into the current directory; a FILE opened
is saved back to itself instead.</source>
        <translation>Editor di Glyphmux.ini, la configurazione dei font di Glyphmux per i telefoni Symbian.
Scrive Glyphmux.ini e settings.fs nella cartella corrente; un FILE aperto
viene invece salvato su se stesso.</translation>
    </message>
    <message>
        <source>A Glyphmux.ini to open.</source>
        <translation>Un Glyphmux.ini da aprire.</translation>
    </message>
    <message>
        <source>glyphmux-gui: only one FILE can be opened; also named: %1</source>
        <translation>glyphmux-gui: si può aprire un solo FILE; indicato anche: %1</translation>
    </message>
</context>
<context>
    <name>ControlHelp</name>
    <message>
        <source>Choose the TrueType file (.ttf) for %1</source>
        <translation>Sceglie il file TrueType (.ttf) per %1</translation>
    </message>
    <message>
        <source>Open a font for %1</source>
        <translation>Apri un font per %1</translation>
    </message>
    <message>
        <source>Which texts of the phone&apos;s screen %1 draws</source>
        <translation>Quali testi dello schermo del telefono disegna %1</translation>
    </message>
    <message>
        <source>What %1 draws</source>
        <translation>Cosa disegna %1</translation>
    </message>
    <message>
        <source>Smaller: the size of %1 one step down</source>
        <translation>Più piccolo: la dimensione di %1 un passo in meno</translation>
    </message>
    <message>
        <source>Smaller %1</source>
        <translation>Più piccolo %1</translation>
    </message>
    <message>
        <source>Larger: the size of %1 one step up</source>
        <translation>Più grande: la dimensione di %1 un passo in più</translation>
    </message>
    <message>
        <source>Larger %1</source>
        <translation>Più grande %1</translation>
    </message>
    <message>
        <source>The size of %1, written after &quot;@&quot; on its line of Glyphmux.ini</source>
        <translation>La dimensione di %1, scritta dopo &quot;@&quot; sulla sua riga di Glyphmux.ini</translation>
    </message>
    <message>
        <source>Height of %1: written as it stands after &quot;:Y&quot; on its line of Glyphmux.ini</source>
        <translation>Altezza di %1: scritta così com&apos;è dopo &quot;:Y&quot; sulla sua riga di Glyphmux.ini</translation>
    </message>
    <message>
        <source>Width of %1: written as it stands after &quot;:W&quot; on its line of Glyphmux.ini</source>
        <translation>Larghezza di %1: scritta così com&apos;è dopo &quot;:W&quot; sulla sua riga di Glyphmux.ini</translation>
    </message>
    <message>
        <source>Italic %1: writes &quot;:I&quot; on its line of Glyphmux.ini and slants the preview</source>
        <translation>Corsivo %1: scrive &quot;:I&quot; sulla sua riga di Glyphmux.ini e inclina l&apos;anteprima</translation>
    </message>
    <message>
        <source>Italic %1</source>
        <translation>Corsivo %1</translation>
    </message>
    <message>
        <source>Zoom, 1 to 300 %: written as ZoomRatio= in Glyphmux.ini; the preview&apos;s sizes follow it</source>
        <translation>Zoom, da 1 a 300 %: scritto come ZoomRatio= in Glyphmux.ini; le dimensioni dell&apos;anteprima lo seguono</translation>
    </message>
    <message>
        <source>Chroma, 0 to 100: written as Chroma= in Glyphmux.ini; the preview shows its grey. The arrows beside it change it</source>
        <translation>Chroma, da 0 a 100: scritto come Chroma= in Glyphmux.ini; l&apos;anteprima ne mostra il grigio. Le frecce accanto lo cambiano</translation>
    </message>
    <message>
        <source>Chroma</source>
        <translation>Chroma</translation>
    </message>
    <message>
        <source>The font path, written as it stands as ExtraFontFile= in Glyphmux.ini</source>
        <translation>Il percorso dei font, scritto così com&apos;è come ExtraFontFile= in Glyphmux.ini</translation>
    </message>
    <message>
        <source>Face name of the font the phone uses for %1: type it, or choose a TrueType file with the open button</source>
        <translation>Nome del carattere che il telefono usa per %1: scrivilo, oppure scegli un file TrueType con il pulsante di apertura</translation>
    </message>
</context>
<context>
    <name>CopyListDialog</name>
    <message>
        <source>Copia i seguenti file:</source>
        <extracomment>Copy the following files: (the window&apos;s title, and the heading of the exported copy list)</extracomment>
        <translation>Copia i seguenti file:</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Esporta…</translation>
    </message>
</context>
<context>
    <name>DocumentHistory</name>
    <message>
        <source>font of %1</source>
        <extracomment>Completes &quot;Undo %1&quot;; %1 is a font slot such as LatinBold13.</extracomment>
        <translation>font di %1</translation>
    </message>
    <message>
        <source>size of %1</source>
        <translation>dimensione di %1</translation>
    </message>
    <message>
        <source>italics of %1</source>
        <translation>corsivo di %1</translation>
    </message>
    <message>
        <source>face name of %1</source>
        <extracomment>Typing a face name into the slot&apos;s field.</extracomment>
        <translation>nome del font di %1</translation>
    </message>
    <message>
        <source>height of %1</source>
        <translation>altezza di %1</translation>
    </message>
    <message>
        <source>width of %1</source>
        <translation>larghezza di %1</translation>
    </message>
    <message>
        <source>font path</source>
        <translation>percorso font</translation>
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
        <translation>apertura di %1</translation>
    </message>
    <message>
        <source>restoring unsaved changes</source>
        <translation>ripristino delle modifiche non salvate</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export for the phone</source>
        <translation>Esporta per il telefono</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Engine files…</source>
        <translation>File del motore…</translation>
    </message>
    <message>
        <source>Target folder:</source>
        <translation>Cartella di destinazione:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefono:</translation>
    </message>
    <message>
        <source>Engine&apos;s files:</source>
        <translation>File del motore:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>non scelta</translation>
    </message>
</context>
<context>
    <name>ExportTexts</name>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>Not in this folder, still to copy yourself:</source>
        <translation>Non in questa cartella, da copiare a mano:</translation>
    </message>
    <message>
        <source>Typed without a file, so these faces must already be on the phone:</source>
        <translation>Scritti senza un file, quindi questi font devono essere già sul telefono:</translation>
    </message>
    <message>
        <source>%1: the face &quot;%2&quot; has no file here; this face must already be on the phone.</source>
        <translation>%1: il font &quot;%2&quot; non ha un file qui; questo font deve essere già sul telefono.</translation>
    </message>
    <message>
        <source>%1 is not included (choose &quot;Engine files…&quot; to include it); copy it to c:\system\fonts\ yourself.</source>
        <translation>%1 non è incluso (scegli &quot;File del motore…&quot; per includerlo); copialo a mano in c:\system\fonts\.</translation>
    </message>
    <message>
        <source>%1 is not in %2; copy it to c:\system\fonts\ yourself.</source>
        <translation>%1 non è in %2; copialo a mano in c:\system\fonts\.</translation>
    </message>
    <message>
        <source>%1 is already there and would be replaced.</source>
        <translation>%1 è già presente e verrebbe sostituito.</translation>
    </message>
    <message>
        <source>Choose the folder to export to.</source>
        <translation>Scegli la cartella in cui esportare.</translation>
    </message>
    <message>
        <source>%1 and %2 would have the same name on the phone; rename one of them.</source>
        <translation>%1 e %2 avrebbero lo stesso nome sul telefono; rinominane uno.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 non esiste più.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 non è un file normale.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>%1 is in the way: the export needs a folder where a file is, or a file where a folder is.</source>
        <translation>%1 è d&apos;intralcio: l&apos;esportazione ha bisogno di una cartella dove c&apos;è un file, o di un file dove c&apos;è una cartella.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2.</source>
        <translation>Impossibile creare la cartella %1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
    <message>
        <source>The export was cancelled; what it had written was removed.</source>
        <translation>L&apos;esportazione è stata annullata; ciò che aveva scritto è stato rimosso.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) already in the target folder would be replaced.</source>
        <translation>
            <numerusform>%n file già presente nella cartella di destinazione verrebbe sostituito.</numerusform>
            <numerusform>%n file già presenti nella cartella di destinazione verrebbero sostituiti.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) to write, %1 in all.</source>
        <translation>
            <numerusform>%n file da scrivere, %1 in tutto.</numerusform>
            <numerusform>%n file da scrivere, %1 in tutto.</numerusform>
        </translation>
    </message>
    <message>
        <source>These files are already in %1:
%2
Replace them?</source>
        <translation>Questi file sono già in %1:
%2
Sostituirli?</translation>
    </message>
    <message>
        <source>Exported to %1. Copy its contents onto the phone&apos;s C: drive as they stand.</source>
        <translation>Esportato in %1. Copiane il contenuto così com&apos;è nel disco C: del telefono.</translation>
    </message>
    <message>
        <source>The export stopped. %1</source>
        <translation>L&apos;esportazione si è interrotta. %1</translation>
    </message>
    <message>
        <source>Folder to export to</source>
        <translation>Cartella in cui esportare</translation>
    </message>
    <message>
        <source>Folder with glyphmux.dll and freetype.dll</source>
        <translation>Cartella con glyphmux.dll e freetype.dll</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Copying the files for the phone…</source>
        <translation>Copia dei file per il telefono…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>An earlier export to this folder was interrupted; its leftover files are put back or removed first.</source>
        <translation>Un&apos;esportazione precedente in questa cartella è stata interrotta; i file rimasti vengono prima rimessi a posto o rimossi.</translation>
    </message>
    <message>
        <source>%1 is in the way: it is a link, a pipe or a device, and the export never writes through or over one.</source>
        <extracomment>%1 is a path in the export&apos;s target folder.</extracomment>
        <translation>%1 è d&apos;intralcio: è un collegamento, una pipe o un dispositivo, e l&apos;esportazione non scrive mai attraverso né sopra di essi.</translation>
    </message>
    <message>
        <source>%1 is in the way: the phone ignores letter case, so it would clash with %2.</source>
        <translation>%1 è d&apos;intralcio: il telefono non distingue maiuscole e minuscole, quindi si scontrerebbe con %2.</translation>
    </message>
    <message>
        <source>Put back after an interrupted export:
%1</source>
        <translation>Rimessi a posto dopo un&apos;esportazione interrotta:
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n leftover file(s) of an interrupted export removed.</source>
        <translation>
            <numerusform>%n file rimasto da un&apos;esportazione interrotta è stato rimosso.</numerusform>
            <numerusform>%n file rimasti da un&apos;esportazione interrotta sono stati rimossi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was changed: the files it had replaced were put back, and those it had written were removed.</source>
        <translation>Non è cambiato nulla: i file che aveva sostituito sono stati rimessi a posto e quelli che aveva scritto sono stati rimossi.</translation>
    </message>
    <message>
        <source>These files it had replaced could not be put back; the next export to this folder puts them back:
%1</source>
        <translation>Questi file sostituiti non è stato possibile rimetterli a posto; la prossima esportazione in questa cartella li rimetterà a posto:
%1</translation>
    </message>
    <message>
        <source>%1: the face &quot;%2&quot; comes from another file in another slot too (%3); the phone finds a face by its name alone and cannot tell the two apart.</source>
        <extracomment>%1 is a slot name, %2 a face name, %3 a file.</extracomment>
        <translation>%1: il carattere &quot;%2&quot; viene anche da un altro file in un altro slot (%3); il telefono trova un carattere solo per nome e non può distinguerli.</translation>
    </message>
    <message>
        <source>Copy these files to the phone:</source>
        <translation>Copia questi file sul telefono:</translation>
    </message>
    <message>
        <source>The phone may not be able to use:</source>
        <translation>Il telefono potrebbe non poter usare:</translation>
    </message>
    <message>
        <source>%1: %2 has PostScript (CFF) outlines; the phone&apos;s font engine may not draw them.</source>
        <translation>%1: %2 ha contorni PostScript (CFF); il motore dei font del telefono potrebbe non disegnarli.</translation>
    </message>
    <message>
        <source>%1: %2 lacks characters of the texts this font draws: %3</source>
        <extracomment>%3 lists the characters, separated by spaces.</extracomment>
        <translation>%1: a %2 mancano caratteri dei testi che questo font disegna: %3</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>invalid file name</source>
        <translation>nome di file non valido</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>incomplete write</source>
        <translation>scrittura incompleta</translation>
    </message>
    <message>
        <source>a link, pipe or device is in the way</source>
        <extracomment>a symbolic link, pipe or device stands at the name of a file we would write</extracomment>
        <translation>un collegamento, una pipe o un dispositivo è d&apos;intralcio</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 and cannot be used without changing it</source>
        <translation>il suo nome non è UTF-8 valido e non si può usare senza cambiarlo</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>file o cartella inesistente</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>operazione non permessa</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>il disco è di sola lettura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>la quota del disco è esaurita</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>il file è troppo grande</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>una parte del percorso non è una cartella</translation>
    </message>
    <message>
        <source>it already exists</source>
        <translation>esiste già</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>il nome è troppo lungo</translation>
    </message>
    <message>
        <source>too many links in the path</source>
        <translation>troppi collegamenti nel percorso</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>errore di input/output</translation>
    </message>
    <message>
        <source>it is busy</source>
        <translation>è occupato</translation>
    </message>
    <message>
        <source>too many open files</source>
        <translation>troppi file aperti</translation>
    </message>
    <message>
        <source>it is on another disk</source>
        <translation>è su un altro disco</translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation>la cartella non è vuota</translation>
    </message>
</context>
<context>
    <name>FontDetailsWindow</name>
    <message>
        <source>Missing characters:</source>
        <translation>Caratteri mancanti:</translation>
    </message>
    <message>
        <source>Font details: %1</source>
        <translation>Dettagli del font: %1</translation>
    </message>
</context>
<context>
    <name>FontListGlue</name>
    <message>
        <source>&amp;Font list…</source>
        <translation>&amp;Elenco dei font…</translation>
    </message>
</context>
<context>
    <name>FontListModel</name>
    <message>
        <source>Sample</source>
        <translation>Esempio</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Famiglia</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
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
        <translation>Elenco dei font</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Installed fonts</source>
        <translation>Font installati</translation>
    </message>
    <message>
        <source>Document fonts</source>
        <translation>Font del documento</translation>
    </message>
    <message>
        <source>Choose &amp;folder…</source>
        <translation>Scegli &amp;cartella…</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Slot:</translation>
    </message>
    <message>
        <source>Search names</source>
        <translation>Cerca nei nomi</translation>
    </message>
    <message>
        <source>&amp;Only faces with every character</source>
        <translation>&amp;Solo font con tutti i caratteri</translation>
    </message>
    <message>
        <source>&amp;Hide unusable files</source>
        <extracomment>Files that are no usable TrueType face (collections, PostScript outlines, damaged)</extracomment>
        <translation>&amp;Nascondi i file inutilizzabili</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Usa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Font folder</source>
        <translation>Cartella dei font</translation>
    </message>
    <message numerus="yes">
        <source>%n face(s)</source>
        <translation>
            <numerusform>%n font</numerusform>
            <numerusform>%n font</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n face(s)</source>
        <translation>
            <numerusform>%1 di %n font</numerusform>
            <numerusform>%1 di %n font</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading… %1</source>
        <translation>Lettura… %1</translation>
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
    <name>FontMessages</name>
    <message>
        <source>file not found</source>
        <translation>file non trovato</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>it is a TrueType collection (.ttc), not supported: extract a single font from it into a .ttf file</source>
        <translation>è una raccolta TrueType (.ttc), non supportata: estrarne un solo font in un file .ttf</translation>
    </message>
    <message>
        <source>not a TrueType file</source>
        <translation>non è un file TrueType</translation>
    </message>
    <message>
        <source>a table of the file is damaged</source>
        <translation>una tabella del file è danneggiata</translation>
    </message>
    <message>
        <source>none of the font&apos;s names is usable</source>
        <translation>nessun nome del font è utilizzabile</translation>
    </message>
    <message>
        <source>Font rejected: %1: %2</source>
        <translation>Font rifiutato: %1: %2</translation>
    </message>
    <message>
        <source>%1: PostScript outlines (CFF): the phone&apos;s font engine may not draw them</source>
        <translation>%1: contorni PostScript (CFF): il motore dei font del telefono potrebbe non disegnarli</translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation>manca: %1</translation>
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
        <translation>sconosciuti</translation>
    </message>
    <message>
        <source>already installed in the system</source>
        <translation>già installato nel sistema</translation>
    </message>
    <message>
        <source>registered by the editor</source>
        <translation>registrato dall&apos;editor</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>the phone&apos;s font engine may not draw them</source>
        <translation>il motore dei font del telefono potrebbe non disegnarli</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Dimensione:</translation>
    </message>
    <message>
        <source>Family:</source>
        <translation>Famiglia:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stile:</translation>
    </message>
    <message>
        <source>Full name:</source>
        <translation>Nome completo:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Copyright:</translation>
    </message>
    <message>
        <source>License:</source>
        <translation>Licenza:</translation>
    </message>
    <message>
        <source>Glyphs:</source>
        <translation>Glifi:</translation>
    </message>
    <message>
        <source>Outlines:</source>
        <translation>Contorni:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Origine:</translation>
    </message>
    <message>
        <source>not installed on this computer: the preview draws %1 instead</source>
        <extracomment>%1 is the font family drawn in place of the face named in the slot.</extracomment>
        <translation>non installato su questo computer: l&apos;anteprima disegna al suo posto %1</translation>
    </message>
</context>
<context>
    <name>GlyphmuxIniTexts</name>
    <message>
        <source>unknown key, not saved</source>
        <translation>chiave sconosciuta, non viene salvata</translation>
    </message>
    <message>
        <source>unknown section, its lines are not saved</source>
        <translation>sezione sconosciuta, le sue righe non vengono salvate</translation>
    </message>
    <message>
        <source>not a key=value line, not saved</source>
        <translation>non è una riga chiave=valore, non viene salvata</translation>
    </message>
    <message>
        <source>repeated key, the first one counts</source>
        <translation>chiave ripetuta, vale la prima</translation>
    </message>
    <message>
        <source>saving writes the usual value</source>
        <translation>il salvataggio scrive il valore consueto</translation>
    </message>
    <message>
        <source>alias, saving rewrites it from LatinBold13</source>
        <translation>alias, il salvataggio lo riscrive da LatinBold13</translation>
    </message>
    <message>
        <source>missing or not a whole number, the initial value stays</source>
        <translation>manca o non è un numero intero, resta il valore iniziale</translation>
    </message>
    <message>
        <source>out of range, the nearest limit is taken</source>
        <translation>fuori dai limiti, preso il limite più vicino</translation>
    </message>
    <message>
        <source>a part other than :Y, :I and :W, not saved</source>
        <translation>una parte diversa da :Y, :I e :W, non viene salvata</translation>
    </message>
    <message>
        <source>damaged characters, the line is not taken</source>
        <translation>caratteri danneggiati, la riga non è presa</translation>
    </message>
    <message>
        <source>Cannot open %1:
%2</source>
        <translation>Impossibile aprire %1:
%2</translation>
    </message>
    <message>
        <source>%1 is not a Glyphmux.ini: it is too large.</source>
        <translation>%1 non è un Glyphmux.ini: è troppo grande.</translation>
    </message>
    <message>
        <source>%1 is not a Glyphmux.ini: it has neither the [FontMap] section nor font lines.</source>
        <translation>%1 non è un Glyphmux.ini: non ha né la sezione [FontMap] né righe dei font.</translation>
    </message>
    <message>
        <source>%1 is open. These lines were not taken as they stand:</source>
        <translation>%1 è aperto. Queste righe non sono state prese così come sono:</translation>
    </message>
    <message>
        <source>Line %1: %2 (%3)</source>
        <translation>Riga %1: %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more lines</source>
        <translation>
            <numerusform>… e ancora %n riga</numerusform>
            <numerusform>… e altre %n righe</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing saved: cannot read the previous version of %1:
%2</source>
        <translation>Nessun salvataggio: impossibile leggere la versione precedente di %1:
%2</translation>
    </message>
    <message>
        <source>Nothing saved: cannot keep the previous version in %1:
%2</source>
        <translation>Nessun salvataggio: impossibile conservare la versione precedente in %1:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Glyphmux GUI help</source>
        <translation>Guida di Glyphmux GUI</translation>
    </message>
    <message>
        <source>Choose a TrueType file for each of the five phone fonts with the folder button of its row; the four phone screens above show at once how the phone would draw its texts. The red &quot;?&quot; of a row tells which texts that font draws.</source>
        <translation>Scegli un file TrueType per ciascuno dei cinque font del telefono con il pulsante cartella della sua riga; i quattro schermi del telefono in alto mostrano subito come il telefono disegnerebbe i suoi testi. Il &quot;?&quot; rosso di una riga dice quali testi disegna quel font.</translation>
    </message>
    <message>
        <source>&quot;-&quot; and &quot;+&quot; step a font&apos;s size; Height, Italic and Width tune it further; Zoom and Chroma apply to every font. Height and Width are written as they stand, after &quot;:Y&quot; and &quot;:W&quot; on the font&apos;s line of Glyphmux.ini.</source>
        <translation>&quot;-&quot; e &quot;+&quot; cambiano la dimensione di un font; Altezza, Corsivo e Larghezza lo regolano ancora; Zoom e Chroma valgono per tutti i font. Altezza e Larghezza sono scritte così come sono, dopo &quot;:Y&quot; e &quot;:W&quot; sulla riga del font in Glyphmux.ini.</translation>
    </message>
    <message>
        <source>File &gt; Save to Glyphmux.ini (Ctrl+S) writes the file into the folder the editor was started from, or back to the file opened with File &gt; Open (Ctrl+O). With &quot;Show information popup&quot; checked in the Settings menu, it first asks for the phone model, then lists the files to copy to the phone.</source>
        <translation>File &gt; Salva in Glyphmux.ini (Ctrl+S) scrive il file nella cartella da cui è stato avviato l&apos;editor, oppure nel file aperto con File &gt; Apri (Ctrl+O). Con &quot;Mostra popup informativo&quot; spuntato nel menu Impostazioni, chiede prima il modello di telefono, poi elenca i file da copiare sul telefono.</translation>
    </message>
    <message>
        <source>File &gt; Export for the phone gathers Glyphmux.ini, the font files and the engine&apos;s files in one folder, laid out as on the phone&apos;s C: drive, and says first what the phone may not be able to use.</source>
        <translation>File &gt; Esporta per il telefono raccoglie Glyphmux.ini, i file dei font e i file del motore in una cartella, disposti come sull&apos;unità C: del telefono, e dice prima cosa il telefono potrebbe non poter usare.</translation>
    </message>
    <message>
        <source>Settings &gt; Language changes the language. Every control explains itself in a tooltip. F1 shows this window, the &quot;?&quot; menu the program&apos;s information.</source>
        <translation>Impostazioni &gt; Lingua cambia la lingua. Ogni controllo si spiega in un suggerimento. F1 mostra questa finestra, il menu &quot;?&quot; le informazioni sul programma.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Saved: %1</source>
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
        <source>Cannot read the language file %1:
%2</source>
        <translation>Impossibile leggere il file di lingua %1:
%2</translation>
    </message>
    <message>
        <source>Restart the program to change language</source>
        <translation>Riavvia il programma per cambiare lingua</translation>
    </message>
    <message>
        <source>&amp;Open Glyphmux.ini…</source>
        <translation>&amp;Apri Glyphmux.ini…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;Export for the phone…</source>
        <translation>Es&amp;porta per il telefono…</translation>
    </message>
    <message>
        <source>Save writes to %1</source>
        <translation>Il salvataggio scrive in %1</translation>
    </message>
    <message>
        <source>Writes %1</source>
        <translation>Scrive %1</translation>
    </message>
    <message>
        <source>Preferences are kept in memory for this session only: %1 is not a plain file in the configuration folder</source>
        <translation>Le preferenze restano in memoria solo per questa sessione: %1 non è un file normale nella cartella di configurazione</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Phone pixels…</source>
        <translation>&amp;Pixel del telefono…</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message numerus="yes">
        <source>(%n more)</source>
        <translation>
            <numerusform>(ancora %n)</numerusform>
            <numerusform>(altre %n)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OpenCommand</name>
    <message>
        <source>Open Glyphmux.ini</source>
        <translation>Apri Glyphmux.ini</translation>
    </message>
    <message>
        <source>Glyphmux configuration (*.ini);;All files (*)</source>
        <translation>Configurazione di Glyphmux (*.ini);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Nessun file recente</translation>
    </message>
</context>
<context>
    <name>OpenFonts</name>
    <message>
        <source>the file it came from when this configuration was last saved or exported</source>
        <translation>il file da cui veniva quando questa configurazione è stata salvata o esportata l&apos;ultima volta</translation>
    </message>
    <message>
        <source>the configuration&apos;s own folder</source>
        <translation>la cartella della configurazione</translation>
    </message>
    <message>
        <source>data/fonts beside the configuration</source>
        <translation>data/fonts accanto alla configurazione</translation>
    </message>
    <message>
        <source>a folder fonts were last taken from</source>
        <translation>una cartella da cui sono stati presi dei font di recente</translation>
    </message>
    <message>
        <source>the fonts installed on this computer</source>
        <translation>i font installati su questo computer</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: no font file found for this face</source>
        <extracomment>%1 is a slot name, %2 a face name.</extracomment>
        <translation>%1 &quot;%2&quot;: nessun file trovato per questo carattere</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %4, found in %3</source>
        <extracomment>%1 is a slot name, %2 a face name, %3 a place, %4 a file.</extracomment>
        <translation>%1 &quot;%2&quot;: %4, trovato in %3</translation>
    </message>
    <message numerus="yes">
        <source>(a guess: %n files there give this face; the Regular style was taken, else the first by file name)</source>
        <translation>
            <numerusform>(a caso: %n file lì dà questo carattere; preso lo stile Regular, altrimenti il primo per nome)</numerusform>
            <numerusform>(a caso: %n file lì danno questo carattere; preso lo stile Regular, altrimenti il primo per nome)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is open. The font files of its faces:</source>
        <translation>%1 è aperto. I file dei suoi caratteri:</translation>
    </message>
</context>
<context>
    <name>PhoneModelDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source> font in ttf</source>
        <extracomment>Stands after the phone&apos;s fonts folder in the copy list, for the chosen TrueType files. Keep the leading space.</extracomment>
        <translation> i file dei font .ttf</translation>
    </message>
</context>
<context>
    <name>PhonePixelsWindow</name>
    <message>
        <source>Phone pixels</source>
        <translation>Pixel del telefono</translation>
    </message>
    <message>
        <source>&amp;Enlargement:</source>
        <extracomment>Label of the list of enlargements (×2 to ×6) of the phone screens.</extracomment>
        <translation>&amp;Ingrandimento:</translation>
    </message>
    <message>
        <source>Each phone pixel as a square block; + and - change the enlargement</source>
        <translation>Ogni pixel del telefono come un blocco quadrato; + e - cambiano l&apos;ingrandimento</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>Unsaved changes from %1:</source>
        <extracomment>Followed by the buttons Restore and Discard; %1 is a date and time.</extracomment>
        <translation>Modifiche non salvate del %1:</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
</context>
<context>
    <name>SaveCommand</name>
    <message>
        <source>salvataggio in corso</source>
        <extracomment>saving in progress (runs through the title bar)</extracomment>
        <translation>salvataggio in corso</translation>
    </message>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation>Impossibile salvare %1:
%2</translation>
    </message>
    <message>
        <source>%1 bytes, more than the %2 a Glyphmux.ini may hold to be opened again</source>
        <extracomment>%1 and %2 are sizes in bytes</extracomment>
        <translation>%1 byte, più dei %2 che un Glyphmux.ini può contenere per essere riaperto</translation>
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
        <translation>File di font (*.ttf)</translation>
    </message>
    <message>
        <source>Apri TTF</source>
        <extracomment>Open TTF (the font dialog&apos;s title)</extracomment>
        <translation>Apri TTF</translation>
    </message>
</context>
<context>
    <name>SlotFontInfo</name>
    <message>
        <source>Font details…</source>
        <translation>Dettagli del font…</translation>
    </message>
    <message>
        <source>Browse fonts for %1…</source>
        <translation>Sfoglia i font per %1…</translation>
    </message>
</context>
<context>
    <name>SlotInfo</name>
    <message>
        <source>Font degli sms e modo d&apos;uso</source>
        <extracomment>Font of text messages and of the usage texts</extracomment>
        <translation>Font degli sms e modo d&apos;uso</translation>
    </message>
    <message>
        <source>Font del menu popup</source>
        <extracomment>Font of the pop-up menu</extracomment>
        <translation>Font del menu popup</translation>
    </message>
    <message>
        <source>Font del testo nella parte bassa dello schermo</source>
        <extracomment>Font of the text at the bottom of the screen</extracomment>
        <translation>Font del testo nella parte bassa dello schermo</translation>
    </message>
    <message>
        <source>Font del testo nella parte alta dello schermo</source>
        <extracomment>Font of the text at the top of the screen</extracomment>
        <translation>Font del testo nella parte alta dello schermo</translation>
    </message>
    <message>
        <source>Font del testo nel menu</source>
        <extracomment>Font of the text in the menu</extracomment>
        <translation>Font del testo nel menu</translation>
    </message>
</context>
<context>
    <name>UndoActions</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ripeti %1</translation>
    </message>
</context>
</TS>
