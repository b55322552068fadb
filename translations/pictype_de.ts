<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Canvas</name>
    <message>
        <source>Your typing could not be written to %1: %2.<byte value="xd"/>
<byte value="xd"/>
You can go on typing; nothing is lost. The text is kept and written as soon as that works again, and when you close Pictype Viewer you can save it elsewhere.</source>
        <translation>Dein Getipptes konnte nicht in %1 geschrieben werden: %2.

Du kannst weiterschreiben; nichts geht verloren. Der Text wird aufbewahrt und geschrieben, sobald das wieder geht, und wenn du Pictype Viewer schließt, kannst du ihn woanders speichern.</translation>
    </message>
</context>
<context>
    <name>CanvasCommands</name>
    <message>
        <source>Esc - Unload picture and return here</source>
        <translation>Esc - Bild schließen und hierher zurück</translation>
    </message>
    <message>
        <source>F6 - Clears text</source>
        <translation>F6 - Text löschen</translation>
    </message>
    <message>
        <source>F5 - Cycle pictures</source>
        <translation>F5 - Nächstes Bild</translation>
    </message>
    <message>
        <source>F4 - Cycle in opposite direction</source>
        <translation>F4 - Vorheriges Bild</translation>
    </message>
    <message>
        <source>F3 - Show time</source>
        <translation>F3 - Uhrzeit zeigen</translation>
    </message>
    <message>
        <source>Arrows - Move picture 5 pixels</source>
        <translation>Pfeiltasten - Bild um 5 Pixel verschieben</translation>
    </message>
    <message>
        <source>Shift + Arrows - Move picture 50 pixels.</source>
        <translation>Umschalt + Pfeiltasten - Bild um 50 Pixel verschieben.</translation>
    </message>
    <message>
        <source>Hold Esc 3 s - Unload picture and return here</source>
        <translation>Esc 3 s halten - Bild schließen und hierher zurück</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the disk is full</source>
        <translation>die Festplatte ist voll</translation>
    </message>
    <message>
        <source>there is no permission to write there</source>
        <translation>dort darf nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>LauncherWindow</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Background Picture...</source>
        <translation>Hintergrundbild...</translation>
    </message>
    <message>
        <source>Tinks</source>
        <translation>Klicks</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Sperre</translation>
    </message>
    <message>
        <source>Move to Clipboard</source>
        <translation>In die Zwischenablage</translation>
    </message>
    <message>
        <source>Append to Clipboard</source>
        <translation>An Zwischenablage anhängen</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>Gekachelt</translation>
    </message>
    <message>
        <source>Click here for help.</source>
        <translation>Hier klicken für Hilfe.</translation>
    </message>
    <message>
        <source>No picture selected</source>
        <translation>Kein Bild gewählt</translation>
    </message>
    <message>
        <source>There must be a problem with the letters.zip file.</source>
        <translation>Mit der Datei letters.zip stimmt etwas nicht.</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>%1 konnte nicht entpackt werden</translation>
    </message>
    <message>
        <source>Do you want to save your work? <byte value="xd"/>
<byte value="xd"/>
Clicking No will delete the temporary file.</source>
        <translation>Möchtest du deine Arbeit speichern?

Mit „Nein“ wird die temporäre Datei gelöscht.</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>%1 konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Typed text</source>
        <translation>Getippter Text</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Pick a file name that doesn&apos;t exist</source>
        <translation>Wähle einen Dateinamen, den es noch nicht gibt</translation>
    </message>
    <message>
        <source>Could not save %1: %2.</source>
        <translation>%1 konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Text typed in an earlier session was not saved: %1 characters.<byte value="xd"/>
<byte value="xd"/>
Do you want to save it? Clicking No will delete it.</source>
        <translation>Ein in einer früheren Sitzung getippter Text wurde nicht gespeichert. Zeichen: %1.

Möchtest du ihn speichern? Mit „Nein“ wird er gelöscht.</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The letter set %1 is damaged: %2 of its characters load, and typing goes on with those.<byte value="xd"/>
<byte value="xd"/>
&quot;pictype-letters check&quot; tells more.</source>
        <translation>Der Buchstabensatz %1 ist beschädigt: %2 seiner Zeichen lassen sich laden, und mit denen geht das Tippen weiter.

„pictype-letters check“ sagt mehr.</translation>
    </message>
    <message>
        <source>&amp;Speak</source>
        <translation>&amp;Vorlesen</translation>
    </message>
    <message>
        <source>On this desktop the lock cannot keep the desktop&apos;s own shortcuts (switching and closing windows, its overview): it keeps only the Esc hold.</source>
        <translation>Auf diesem Desktop kann die Sperre die Tastenkürzel des Desktops (Fenster wechseln und schließen, seine Übersicht) nicht zurückhalten: Sie hält nur das Festhalten von Esc.</translation>
    </message>
    <message>
        <source>The desktop did not let the lock keep its own shortcuts, so while the canvas was up only the Esc hold kept it. The desktop&apos;s settings for this program can allow it.</source>
        <translation>Der Desktop hat der Sperre seine Tastenkürzel nicht überlassen, deshalb hat, solange die Schreibfläche offen war, nur das Festhalten von Esc sie gehalten. In den Einstellungen des Desktops für dieses Programm lässt sich das erlauben.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Picture Files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>%1 is too large to show: %2 x %3 pixels.</source>
        <translation>%1 ist zu groß zum Anzeigen: %2 x %3 Pixel.</translation>
    </message>
    <message>
        <source>%1 is apparently not a picture.</source>
        <translation>%1 ist anscheinend kein Bild.</translation>
    </message>
</context>
<context>
    <name>Pictype</name>
    <message>
        <source>Pictype Viewer won&apos;t run without unzip32.dll or letters.zip</source>
        <translation>Pictype Viewer läuft nicht ohne unzip32.dll oder letters.zip</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>%1 konnte nicht entpackt werden</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
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
