<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
