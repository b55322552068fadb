<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>Canvas</name>
    <message>
        <source>Your typing could not be written to %1: %2.<byte value="xd"/>
<byte value="xd"/>
You can go on typing; nothing is lost. The text is kept and written as soon as that works again, and when you close Pictype Viewer you can save it elsewhere.</source>
        <translation>Nie udało się zapisać tego, co piszesz, do %1: %2.

Możesz pisać dalej; nic nie ginie. Tekst jest przechowywany i zostanie zapisany, gdy tylko znów będzie to możliwe, a po zamknięciu Pictype Viewer możesz zapisać go gdzie indziej.</translation>
    </message>
</context>
<context>
    <name>CanvasCommands</name>
    <message>
        <source>Esc - Unload picture and return here</source>
        <translation>Esc - Zamknij obraz i wróć tutaj</translation>
    </message>
    <message>
        <source>F6 - Clears text</source>
        <translation>F6 - Wyczyść tekst</translation>
    </message>
    <message>
        <source>F5 - Cycle pictures</source>
        <translation>F5 - Następny obraz</translation>
    </message>
    <message>
        <source>F4 - Cycle in opposite direction</source>
        <translation>F4 - Poprzedni obraz</translation>
    </message>
    <message>
        <source>F3 - Show time</source>
        <translation>F3 - Pokaż godzinę</translation>
    </message>
    <message>
        <source>Arrows - Move picture 5 pixels</source>
        <translation>Strzałki - Przesuń obraz o 5 pikseli</translation>
    </message>
    <message>
        <source>Shift + Arrows - Move picture 50 pixels.</source>
        <translation>Shift + Strzałki - Przesuń obraz o 50 pikseli.</translation>
    </message>
    <message>
        <source>Hold Esc 3 s - Unload picture and return here</source>
        <translation>Przytrzymaj Esc 3 s - Zamknij obraz i wróć tutaj</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>there is no permission to write there</source>
        <translation>brak uprawnień do zapisu w tym miejscu</translation>
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
        <translation>Obraz tła...</translation>
    </message>
    <message>
        <source>Tinks</source>
        <translation>Stuknięcia</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Blokada</translation>
    </message>
    <message>
        <source>Move to Clipboard</source>
        <translation>Przenieś do schowka</translation>
    </message>
    <message>
        <source>Append to Clipboard</source>
        <translation>Dołącz do schowka</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>Wyśrodkowany</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>Sąsiadująco</translation>
    </message>
    <message>
        <source>Click here for help.</source>
        <translation>Kliknij tutaj, aby uzyskać pomoc.</translation>
    </message>
    <message>
        <source>No picture selected</source>
        <translation>Nie wybrano obrazu</translation>
    </message>
    <message>
        <source>There must be a problem with the letters.zip file.</source>
        <translation>Coś jest nie tak z plikiem letters.zip.</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>Nie można rozpakować %1</translation>
    </message>
    <message>
        <source>Do you want to save your work? <byte value="xd"/>
<byte value="xd"/>
Clicking No will delete the temporary file.</source>
        <translation>Czy chcesz zapisać swoją pracę?

Kliknięcie Nie usunie plik tymczasowy.</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>Nie można usunąć %1</translation>
    </message>
    <message>
        <source>Typed text</source>
        <translation>Napisany tekst</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Pick a file name that doesn&apos;t exist</source>
        <translation>Wybierz nazwę pliku, który jeszcze nie istnieje</translation>
    </message>
    <message>
        <source>Could not save %1: %2.</source>
        <translation>Nie można zapisać %1: %2.</translation>
    </message>
    <message>
        <source>Text typed in an earlier session was not saved: %1 characters.<byte value="xd"/>
<byte value="xd"/>
Do you want to save it? Clicking No will delete it.</source>
        <translation>Tekst napisany w poprzedniej sesji nie został zapisany. Liczba znaków: %1.

Czy chcesz go zapisać? Kliknięcie Nie usunie go.</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>Nie można zapisać %1</translation>
    </message>
    <message>
        <source>The letter set %1 is damaged: %2 of its characters load, and typing goes on with those.<byte value="xd"/>
<byte value="xd"/>
&quot;pictype-letters check&quot; tells more.</source>
        <translation>Zestaw liter %1 jest uszkodzony: wczytuje się znaków: %2, i pisanie trwa dalej z nimi.

„pictype-letters check” powie więcej.</translation>
    </message>
    <message>
        <source>&amp;Speak</source>
        <translation>&amp;Czytaj na głos</translation>
    </message>
    <message>
        <source>On this desktop the lock cannot keep the desktop&apos;s own shortcuts (switching and closing windows, its overview): it keeps only the Esc hold.</source>
        <translation>Na tym pulpicie blokada nie może zatrzymać skrótów pulpitu (przełączanie i zamykanie okien, jego przegląd): działa tylko przytrzymanie Esc.</translation>
    </message>
    <message>
        <source>The desktop did not let the lock keep its own shortcuts, so while the canvas was up only the Esc hold kept it. The desktop&apos;s settings for this program can allow it.</source>
        <translation>Pulpit nie pozwolił blokadzie zatrzymać swoich skrótów, więc gdy ekran pisania był otwarty, chroniło go tylko przytrzymanie Esc. Ustawienia pulpitu dla tego programu mogą na to pozwolić.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Picture Files</source>
        <translation>Pliki obrazów</translation>
    </message>
    <message>
        <source>%1 is too large to show: %2 x %3 pixels.</source>
        <translation>%1 jest za duży, by go pokazać: %2 x %3 pikseli.</translation>
    </message>
    <message>
        <source>%1 is apparently not a picture.</source>
        <translation>%1 najwyraźniej nie jest obrazem.</translation>
    </message>
</context>
<context>
    <name>Pictype</name>
    <message>
        <source>Pictype Viewer won&apos;t run without unzip32.dll or letters.zip</source>
        <translation>Pictype Viewer nie działa bez unzip32.dll lub letters.zip</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>Nie można rozpakować %1</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Nieoczekiwany błąd</translation>
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
