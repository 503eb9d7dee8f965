<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Informazioni su %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Programma: il gruppo di Glyphmux GUI</source>
        <translation>Programme : l&apos;équipe de Glyphmux GUI</translation>
    </message>
    <message>
        <source>Motore dei font: gli autori di Glyphmux</source>
        <translation>Moteur de polices : les auteurs de Glyphmux</translation>
    </message>
</context>
<context>
    <name>AppTexts</name>
    <message>
        <source>2nd edition</source>
        <translation>2e édition</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Editor of Glyphmux.ini, the font configuration of Glyphmux for Symbian phones.
Writes Glyphmux.ini and settings.fs into the current directory.</source>
        <translation>Éditeur de Glyphmux.ini, la configuration des polices de Glyphmux pour les téléphones Symbian.
Écrit Glyphmux.ini et settings.fs dans le dossier courant.</translation>
    </message>
    <message>
        <source>glyphmux-gui: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); without a screen, run it as: xvfb-run glyphmux-gui</source>
        <translation>glyphmux-gui : aucun affichage où ouvrir la fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini) ; sans écran, lancez-le ainsi : xvfb-run glyphmux-gui</translation>
    </message>
</context>
<context>
    <name>CopyListDialog</name>
    <message>
        <source>Copia i seguenti file:</source>
        <translation>Copiez les fichiers suivants :</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>nome di file non valido</source>
        <translation>nom de fichier non valide</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>il file è di sola lettura</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>scrittura incompleta</source>
        <translation>écriture incomplète</translation>
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
        <translation>Enregistré : %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save to Glyphmux.ini</source>
        <translation>&amp;Enregistrer dans Glyphmux.ini</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Show information &amp;popup</source>
        <translation>Afficher la fenêtre d&apos;&amp;information</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Language file (*.lng)</source>
        <translation>Fichier de langue (*.lng)</translation>
    </message>
    <message>
        <source>Impossibile leggere il file di lingua %1:
%2</source>
        <translation>Impossible de lire le fichier de langue %1 :
%2</translation>
    </message>
    <message>
        <source>Restart the program to change language</source>
        <translation>Redémarrez le programme pour changer de langue</translation>
    </message>
</context>
<context>
    <name>PhoneModelDialog</name>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SaveCommand</name>
    <message>
        <source>salvataggio in corso</source>
        <translation>enregistrement en cours</translation>
    </message>
    <message>
        <source>Impossibile salvare %1:
%2</source>
        <translation>Impossible d&apos;enregistrer %1 :
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
        <translation>Aucune police TrueType utilisable dans %1</translation>
    </message>
    <message>
        <source>Font file (*.ttf)</source>
        <translation>Fichier de police (*.ttf)</translation>
    </message>
    <message>
        <source>Apri TTF</source>
        <translation>Ouvrir un TTF</translation>
    </message>
</context>
<context>
    <name>SlotInfo</name>
    <message>
        <source>Font degli sms e modo d&apos;uso</source>
        <translation>Police des SMS et du profil</translation>
    </message>
    <message>
        <source>Font del menu popup</source>
        <translation>Police du menu contextuel</translation>
    </message>
    <message>
        <source>Font del testo nella parte bassa dello schermo</source>
        <translation>Police du texte en bas de l&apos;écran</translation>
    </message>
    <message>
        <source>Font del testo nella parte alta dello schermo</source>
        <translation>Police du texte en haut de l&apos;écran</translation>
    </message>
    <message>
        <source>Font del testo nel menu</source>
        <translation>Police du texte dans le menu</translation>
    </message>
</context>
</TS>
