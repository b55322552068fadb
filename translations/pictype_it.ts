<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Canvas</name>
    <message>
        <source>Your typing could not be written to %1: %2.<byte value="xd"/>
<byte value="xd"/>
You can go on typing; nothing is lost. The text is kept and written as soon as that works again, and when you close Pictype Viewer you can save it elsewhere.</source>
        <translation>Quello che scrivi non è stato salvato in %1: %2.

Puoi continuare a scrivere; non si perde niente. Il testo viene conservato e salvato appena sarà di nuovo possibile, e quando chiudi Pictype Viewer puoi salvarlo altrove.</translation>
    </message>
</context>
<context>
    <name>CanvasCommands</name>
    <message>
        <source>Esc - Unload picture and return here</source>
        <translation>Esc - Togli l&apos;immagine e torna qui</translation>
    </message>
    <message>
        <source>F6 - Clears text</source>
        <translation>F6 - Cancella il testo</translation>
    </message>
    <message>
        <source>F5 - Cycle pictures</source>
        <translation>F5 - Immagine successiva</translation>
    </message>
    <message>
        <source>F4 - Cycle in opposite direction</source>
        <translation>F4 - Immagine precedente</translation>
    </message>
    <message>
        <source>F3 - Show time</source>
        <translation>F3 - Mostra l&apos;ora</translation>
    </message>
    <message>
        <source>Arrows - Move picture 5 pixels</source>
        <translation>Frecce - Sposta l&apos;immagine di 5 pixel</translation>
    </message>
    <message>
        <source>Shift + Arrows - Move picture 50 pixels.</source>
        <translation>Maiusc + Frecce - Sposta l&apos;immagine di 50 pixel.</translation>
    </message>
    <message>
        <source>Hold Esc 3 s - Unload picture and return here</source>
        <translation>Tieni premuto Esc 3 s - Togli l&apos;immagine e torna qui</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>there is no permission to write there</source>
        <translation>non c&apos;è il permesso di scrivere lì</translation>
    </message>
</context>
<context>
    <name>LauncherWindow</name>
    <message>
        <source>Start</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Background Picture...</source>
        <translation>Immagine di sfondo...</translation>
    </message>
    <message>
        <source>Tinks</source>
        <translation>Clic</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Blocca</translation>
    </message>
    <message>
        <source>Move to Clipboard</source>
        <translation>Sposta negli appunti</translation>
    </message>
    <message>
        <source>Append to Clipboard</source>
        <translation>Aggiungi agli appunti</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>Centrata</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>Affiancata</translation>
    </message>
    <message>
        <source>Click here for help.</source>
        <translation>Fai clic qui per l&apos;aiuto.</translation>
    </message>
    <message>
        <source>No picture selected</source>
        <translation>Nessuna immagine scelta</translation>
    </message>
    <message>
        <source>There must be a problem with the letters.zip file.</source>
        <translation>Deve esserci un problema con il file letters.zip.</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>Impossibile estrarre %1</translation>
    </message>
    <message>
        <source>Do you want to save your work? <byte value="xd"/>
<byte value="xd"/>
Clicking No will delete the temporary file.</source>
        <translation>Vuoi salvare il tuo lavoro?

Facendo clic su No il file temporaneo verrà eliminato.</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>Impossibile eliminare %1</translation>
    </message>
    <message>
        <source>Typed text</source>
        <translation>Testo scritto</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Pick a file name that doesn&apos;t exist</source>
        <translation>Scegli un nome di file che non esiste ancora</translation>
    </message>
    <message>
        <source>Could not save %1: %2.</source>
        <translation>Impossibile salvare %1: %2.</translation>
    </message>
    <message>
        <source>Text typed in an earlier session was not saved: %1 characters.<byte value="xd"/>
<byte value="xd"/>
Do you want to save it? Clicking No will delete it.</source>
        <translation>Un testo scritto in una sessione precedente non è stato salvato. Caratteri: %1.

Vuoi salvarlo? Facendo clic su No verrà eliminato.</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>Impossibile scrivere %1</translation>
    </message>
    <message>
        <source>The letter set %1 is damaged: %2 of its characters load, and typing goes on with those.<byte value="xd"/>
<byte value="xd"/>
&quot;pictype-letters check&quot; tells more.</source>
        <translation>Il set di lettere %1 è danneggiato: si caricano %2 dei suoi caratteri, e si continua a scrivere con quelli.

&quot;pictype-letters check&quot; dice di più.</translation>
    </message>
    <message>
        <source>&amp;Speak</source>
        <translation>&amp;Parla</translation>
    </message>
    <message>
        <source>On this desktop the lock cannot keep the desktop&apos;s own shortcuts (switching and closing windows, its overview): it keeps only the Esc hold.</source>
        <translation>Su questo desktop il blocco non può trattenere le scorciatoie del desktop (cambiare e chiudere finestre, la sua panoramica): tiene solo Esc tenuto premuto.</translation>
    </message>
    <message>
        <source>The desktop did not let the lock keep its own shortcuts, so while the canvas was up only the Esc hold kept it. The desktop&apos;s settings for this program can allow it.</source>
        <translation>Il desktop non ha lasciato al blocco le sue scorciatoie, quindi finché la tela era aperta l&apos;ha tenuta solo Esc tenuto premuto. Le impostazioni del desktop per questo programma possono consentirlo.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Picture Files</source>
        <translation>File di immagine</translation>
    </message>
    <message>
        <source>%1 is too large to show: %2 x %3 pixels.</source>
        <translation>%1 è troppo grande per essere mostrata: %2 x %3 pixel.</translation>
    </message>
    <message>
        <source>%1 is apparently not a picture.</source>
        <translation>%1 a quanto pare non è un&apos;immagine.</translation>
    </message>
</context>
<context>
    <name>Pictype</name>
    <message>
        <source>Pictype Viewer won&apos;t run without unzip32.dll or letters.zip</source>
        <translation>Pictype Viewer non funziona senza unzip32.dll o letters.zip</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>Impossibile estrarre %1</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Errore imprevisto</translation>
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
