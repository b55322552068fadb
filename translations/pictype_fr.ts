<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Canvas</name>
    <message>
        <source>Your typing could not be written to %1: %2.<byte value="xd"/>
<byte value="xd"/>
You can go on typing; nothing is lost. The text is kept and written as soon as that works again, and when you close Pictype Viewer you can save it elsewhere.</source>
        <translation>Ce que tu tapes n&apos;a pas pu être écrit dans %1 : %2.

Tu peux continuer à taper ; rien n&apos;est perdu. Le texte est gardé et écrit dès que cela fonctionne à nouveau, et en fermant Pictype Viewer tu pourras l&apos;enregistrer ailleurs.</translation>
    </message>
</context>
<context>
    <name>CanvasCommands</name>
    <message>
        <source>Esc - Unload picture and return here</source>
        <translation>Échap - Fermer l&apos;image et revenir ici</translation>
    </message>
    <message>
        <source>F6 - Clears text</source>
        <translation>F6 - Effacer le texte</translation>
    </message>
    <message>
        <source>F5 - Cycle pictures</source>
        <translation>F5 - Image suivante</translation>
    </message>
    <message>
        <source>F4 - Cycle in opposite direction</source>
        <translation>F4 - Image précédente</translation>
    </message>
    <message>
        <source>F3 - Show time</source>
        <translation>F3 - Afficher l&apos;heure</translation>
    </message>
    <message>
        <source>Arrows - Move picture 5 pixels</source>
        <translation>Flèches - Déplacer l&apos;image de 5 pixels</translation>
    </message>
    <message>
        <source>Shift + Arrows - Move picture 50 pixels.</source>
        <translation>Maj + Flèches - Déplacer l&apos;image de 50 pixels.</translation>
    </message>
    <message>
        <source>Hold Esc 3 s - Unload picture and return here</source>
        <translation>Échap 3 s enfoncée - Fermer l&apos;image et revenir ici</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>there is no permission to write there</source>
        <translation>l&apos;écriture n&apos;y est pas autorisée</translation>
    </message>
</context>
<context>
    <name>LauncherWindow</name>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Background Picture...</source>
        <translation>Image de fond...</translation>
    </message>
    <message>
        <source>Tinks</source>
        <translation>Clics</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Verrouiller</translation>
    </message>
    <message>
        <source>Move to Clipboard</source>
        <translation>Mettre dans le presse-papiers</translation>
    </message>
    <message>
        <source>Append to Clipboard</source>
        <translation>Ajouter au presse-papiers</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>Centrée</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>En mosaïque</translation>
    </message>
    <message>
        <source>Click here for help.</source>
        <translation>Cliquer ici pour l&apos;aide.</translation>
    </message>
    <message>
        <source>No picture selected</source>
        <translation>Aucune image choisie</translation>
    </message>
    <message>
        <source>There must be a problem with the letters.zip file.</source>
        <translation>Le fichier letters.zip doit avoir un problème.</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>Impossible de décompresser %1</translation>
    </message>
    <message>
        <source>Do you want to save your work? <byte value="xd"/>
<byte value="xd"/>
Clicking No will delete the temporary file.</source>
        <translation>Veux-tu enregistrer ton travail ?

En cliquant sur Non, le fichier temporaire sera supprimé.</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>Impossible de supprimer %1</translation>
    </message>
    <message>
        <source>Typed text</source>
        <translation>Texte tapé</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Pick a file name that doesn&apos;t exist</source>
        <translation>Choisis un nom de fichier qui n&apos;existe pas encore</translation>
    </message>
    <message>
        <source>Could not save %1: %2.</source>
        <translation>Impossible d&apos;enregistrer %1 : %2.</translation>
    </message>
    <message>
        <source>Text typed in an earlier session was not saved: %1 characters.<byte value="xd"/>
<byte value="xd"/>
Do you want to save it? Clicking No will delete it.</source>
        <translation>Un texte tapé lors d&apos;une session précédente n&apos;a pas été enregistré. Nombre de caractères : %1.

Veux-tu l&apos;enregistrer ? En cliquant sur Non, il sera supprimé.</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>The letter set %1 is damaged: %2 of its characters load, and typing goes on with those.<byte value="xd"/>
<byte value="xd"/>
&quot;pictype-letters check&quot; tells more.</source>
        <translation>Le jeu de lettres %1 est abîmé : %2 de ses caractères se chargent, et la frappe continue avec ceux-là.

« pictype-letters check » en dit plus.</translation>
    </message>
    <message>
        <source>&amp;Speak</source>
        <translation>&amp;Parler</translation>
    </message>
    <message>
        <source>On this desktop the lock cannot keep the desktop&apos;s own shortcuts (switching and closing windows, its overview): it keeps only the Esc hold.</source>
        <translation>Sur ce bureau, le verrouillage ne peut pas retenir les raccourcis du bureau (changer de fenêtre, fermer une fenêtre, sa vue d&apos;ensemble) : il garde seulement l&apos;appui long sur Échap.</translation>
    </message>
    <message>
        <source>The desktop did not let the lock keep its own shortcuts, so while the canvas was up only the Esc hold kept it. The desktop&apos;s settings for this program can allow it.</source>
        <translation>Le bureau n&apos;a pas laissé le verrouillage retenir ses raccourcis : tant que la surface de frappe était ouverte, seul l&apos;appui long sur Échap la gardait. Les réglages du bureau pour ce programme peuvent l&apos;autoriser.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Picture Files</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <source>%1 is too large to show: %2 x %3 pixels.</source>
        <translation>%1 est trop grande pour être affichée : %2 x %3 pixels.</translation>
    </message>
    <message>
        <source>%1 is apparently not a picture.</source>
        <translation>%1 n&apos;est apparemment pas une image.</translation>
    </message>
</context>
<context>
    <name>Pictype</name>
    <message>
        <source>Pictype Viewer won&apos;t run without unzip32.dll or letters.zip</source>
        <translation>Pictype Viewer ne peut pas fonctionner sans unzip32.dll ou letters.zip</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>Impossible de décompresser %1</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
    <message>
        <source>Pictype Viewer</source>
        <translation>Pictype Viewer</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
</TS>
