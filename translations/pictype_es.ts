<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Canvas</name>
    <message>
        <source>Your typing could not be written to %1: %2.<byte value="xd"/>
<byte value="xd"/>
You can go on typing; nothing is lost. The text is kept and written as soon as that works again, and when you close Pictype Viewer you can save it elsewhere.</source>
        <translation>Lo que escribes no se pudo guardar en %1: %2.

Puedes seguir escribiendo; no se pierde nada. El texto se conserva y se guarda en cuanto vuelva a funcionar, y al cerrar Pictype Viewer puedes guardarlo en otro lugar.</translation>
    </message>
</context>
<context>
    <name>CanvasCommands</name>
    <message>
        <source>Esc - Unload picture and return here</source>
        <translation>Esc - Quitar la imagen y volver aquí</translation>
    </message>
    <message>
        <source>F6 - Clears text</source>
        <translation>F6 - Borrar el texto</translation>
    </message>
    <message>
        <source>F5 - Cycle pictures</source>
        <translation>F5 - Imagen siguiente</translation>
    </message>
    <message>
        <source>F4 - Cycle in opposite direction</source>
        <translation>F4 - Imagen anterior</translation>
    </message>
    <message>
        <source>F3 - Show time</source>
        <translation>F3 - Mostrar la hora</translation>
    </message>
    <message>
        <source>Arrows - Move picture 5 pixels</source>
        <translation>Flechas - Mover la imagen 5 píxeles</translation>
    </message>
    <message>
        <source>Shift + Arrows - Move picture 50 pixels.</source>
        <translation>Mayús + Flechas - Mover la imagen 50 píxeles.</translation>
    </message>
    <message>
        <source>Hold Esc 3 s - Unload picture and return here</source>
        <translation>Mantener Esc 3 s - Quitar la imagen y volver aquí</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>there is no permission to write there</source>
        <translation>no hay permiso para escribir ahí</translation>
    </message>
</context>
<context>
    <name>LauncherWindow</name>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Background Picture...</source>
        <translation>Imagen de fondo...</translation>
    </message>
    <message>
        <source>Tinks</source>
        <translation>Clics</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Bloquear</translation>
    </message>
    <message>
        <source>Move to Clipboard</source>
        <translation>Mover al portapapeles</translation>
    </message>
    <message>
        <source>Append to Clipboard</source>
        <translation>Añadir al portapapeles</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>Centrada</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>En mosaico</translation>
    </message>
    <message>
        <source>Click here for help.</source>
        <translation>Haz clic aquí para ver la ayuda.</translation>
    </message>
    <message>
        <source>No picture selected</source>
        <translation>Ninguna imagen elegida</translation>
    </message>
    <message>
        <source>There must be a problem with the letters.zip file.</source>
        <translation>Debe de haber un problema con el archivo letters.zip.</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>No se pudo descomprimir %1</translation>
    </message>
    <message>
        <source>Do you want to save your work? <byte value="xd"/>
<byte value="xd"/>
Clicking No will delete the temporary file.</source>
        <translation>¿Quieres guardar tu trabajo?

Si haces clic en No, se borrará el archivo temporal.</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>No se pudo borrar %1</translation>
    </message>
    <message>
        <source>Typed text</source>
        <translation>Texto escrito</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Pick a file name that doesn&apos;t exist</source>
        <translation>Elige un nombre de archivo que no exista</translation>
    </message>
    <message>
        <source>Could not save %1: %2.</source>
        <translation>No se pudo guardar %1: %2.</translation>
    </message>
    <message>
        <source>Text typed in an earlier session was not saved: %1 characters.<byte value="xd"/>
<byte value="xd"/>
Do you want to save it? Clicking No will delete it.</source>
        <translation>Un texto escrito en una sesión anterior no se guardó. Caracteres: %1.

¿Quieres guardarlo? Si haces clic en No, se borrará.</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>No se pudo escribir %1</translation>
    </message>
    <message>
        <source>The letter set %1 is damaged: %2 of its characters load, and typing goes on with those.<byte value="xd"/>
<byte value="xd"/>
&quot;pictype-letters check&quot; tells more.</source>
        <translation>El juego de letras %1 está dañado: se cargan %2 de sus caracteres, y se sigue escribiendo con esos.

&quot;pictype-letters check&quot; da más detalles.</translation>
    </message>
    <message>
        <source>&amp;Speak</source>
        <translation>&amp;Hablar</translation>
    </message>
    <message>
        <source>On this desktop the lock cannot keep the desktop&apos;s own shortcuts (switching and closing windows, its overview): it keeps only the Esc hold.</source>
        <translation>En este escritorio el bloqueo no puede retener los atajos del propio escritorio (cambiar y cerrar ventanas, su vista general): solo mantiene Esc pulsado.</translation>
    </message>
    <message>
        <source>The desktop did not let the lock keep its own shortcuts, so while the canvas was up only the Esc hold kept it. The desktop&apos;s settings for this program can allow it.</source>
        <translation>El escritorio no dejó que el bloqueo retuviera sus atajos, así que mientras el lienzo estuvo abierto solo lo mantuvo Esc pulsado. Los ajustes del escritorio para este programa pueden permitirlo.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Picture Files</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <source>%1 is too large to show: %2 x %3 pixels.</source>
        <translation>%1 es demasiado grande para mostrarla: %2 x %3 píxeles.</translation>
    </message>
    <message>
        <source>%1 is apparently not a picture.</source>
        <translation>%1 no parece ser una imagen.</translation>
    </message>
</context>
<context>
    <name>Pictype</name>
    <message>
        <source>Pictype Viewer won&apos;t run without unzip32.dll or letters.zip</source>
        <translation>Pictype Viewer no funciona sin unzip32.dll o letters.zip</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>No se pudo descomprimir %1</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Error inesperado</translation>
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
