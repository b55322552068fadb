<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>Canvas</name>
    <message>
        <source>Your typing could not be written to %1: %2.<byte value="xd"/>
<byte value="xd"/>
You can go on typing; nothing is lost. The text is kept and written as soon as that works again, and when you close Pictype Viewer you can save it elsewhere.</source>
        <translation>Wat je typt kon niet naar %1 worden geschreven: %2.

Je kunt gewoon doortypen; er gaat niets verloren. De tekst wordt bewaard en geschreven zodra dat weer lukt, en als je Pictype Viewer sluit, kun je hem ergens anders opslaan.</translation>
    </message>
</context>
<context>
    <name>CanvasCommands</name>
    <message>
        <source>Esc - Unload picture and return here</source>
        <translation>Esc - Afbeelding sluiten en hier terugkomen</translation>
    </message>
    <message>
        <source>F6 - Clears text</source>
        <translation>F6 - Tekst wissen</translation>
    </message>
    <message>
        <source>F5 - Cycle pictures</source>
        <translation>F5 - Volgende afbeelding</translation>
    </message>
    <message>
        <source>F4 - Cycle in opposite direction</source>
        <translation>F4 - Vorige afbeelding</translation>
    </message>
    <message>
        <source>F3 - Show time</source>
        <translation>F3 - Tijd tonen</translation>
    </message>
    <message>
        <source>Arrows - Move picture 5 pixels</source>
        <translation>Pijltjes - Afbeelding 5 pixels verschuiven</translation>
    </message>
    <message>
        <source>Shift + Arrows - Move picture 50 pixels.</source>
        <translation>Shift + Pijltjes - Afbeelding 50 pixels verschuiven.</translation>
    </message>
    <message>
        <source>Hold Esc 3 s - Unload picture and return here</source>
        <translation>Esc 3 s vasthouden - Afbeelding sluiten en hier terugkomen</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>there is no permission to write there</source>
        <translation>daar mag niet geschreven worden</translation>
    </message>
</context>
<context>
    <name>LauncherWindow</name>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Background Picture...</source>
        <translation>Achtergrondafbeelding...</translation>
    </message>
    <message>
        <source>Tinks</source>
        <translation>Tikjes</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Vergrendelen</translation>
    </message>
    <message>
        <source>Move to Clipboard</source>
        <translation>Naar klembord verplaatsen</translation>
    </message>
    <message>
        <source>Append to Clipboard</source>
        <translation>Aan klembord toevoegen</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>Gecentreerd</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>Getegeld</translation>
    </message>
    <message>
        <source>Click here for help.</source>
        <translation>Klik hier voor hulp.</translation>
    </message>
    <message>
        <source>No picture selected</source>
        <translation>Geen afbeelding gekozen</translation>
    </message>
    <message>
        <source>There must be a problem with the letters.zip file.</source>
        <translation>Er is vast iets mis met het bestand letters.zip.</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>Kan %1 niet uitpakken</translation>
    </message>
    <message>
        <source>Do you want to save your work? <byte value="xd"/>
<byte value="xd"/>
Clicking No will delete the temporary file.</source>
        <translation>Wil je je werk opslaan?

Met Nee wordt het tijdelijke bestand verwijderd.</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>Kan %1 niet verwijderen</translation>
    </message>
    <message>
        <source>Typed text</source>
        <translation>Getypte tekst</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Pick a file name that doesn&apos;t exist</source>
        <translation>Kies een bestandsnaam die nog niet bestaat</translation>
    </message>
    <message>
        <source>Could not save %1: %2.</source>
        <translation>Kan %1 niet opslaan: %2.</translation>
    </message>
    <message>
        <source>Text typed in an earlier session was not saved: %1 characters.<byte value="xd"/>
<byte value="xd"/>
Do you want to save it? Clicking No will delete it.</source>
        <translation>Tekst die in een eerdere sessie is getypt, is niet opgeslagen. Tekens: %1.

Wil je hem opslaan? Met Nee wordt hij verwijderd.</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>Kan %1 niet schrijven</translation>
    </message>
    <message>
        <source>The letter set %1 is damaged: %2 of its characters load, and typing goes on with those.<byte value="xd"/>
<byte value="xd"/>
&quot;pictype-letters check&quot; tells more.</source>
        <translation>De letterset %1 is beschadigd: %2 van zijn tekens laden, en het typen gaat daarmee verder.

&quot;pictype-letters check&quot; vertelt meer.</translation>
    </message>
    <message>
        <source>&amp;Speak</source>
        <translation>&amp;Spreken</translation>
    </message>
    <message>
        <source>On this desktop the lock cannot keep the desktop&apos;s own shortcuts (switching and closing windows, its overview): it keeps only the Esc hold.</source>
        <translation>Op dit bureaublad kan de vergrendeling de sneltoetsen van het bureaublad (vensters wisselen en sluiten, het overzicht) niet vasthouden: alleen Esc ingedrukt houden blijft gelden.</translation>
    </message>
    <message>
        <source>The desktop did not let the lock keep its own shortcuts, so while the canvas was up only the Esc hold kept it. The desktop&apos;s settings for this program can allow it.</source>
        <translation>Het bureaublad liet de vergrendeling zijn sneltoetsen niet vasthouden, dus zolang het typvlak open was, hield alleen Esc ingedrukt houden het vast. De instellingen van het bureaublad voor dit programma kunnen het toestaan.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Picture Files</source>
        <translation>Afbeeldingsbestanden</translation>
    </message>
    <message>
        <source>%1 is too large to show: %2 x %3 pixels.</source>
        <translation>%1 is te groot om te tonen: %2 x %3 pixels.</translation>
    </message>
    <message>
        <source>%1 is apparently not a picture.</source>
        <translation>%1 is blijkbaar geen afbeelding.</translation>
    </message>
</context>
<context>
    <name>Pictype</name>
    <message>
        <source>Pictype Viewer won&apos;t run without unzip32.dll or letters.zip</source>
        <translation>Pictype Viewer werkt niet zonder unzip32.dll of letters.zip</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>Kan %1 niet uitpakken</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Onverwachte fout</translation>
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
