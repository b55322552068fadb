<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Canvas</name>
    <message>
        <source>Your typing could not be written to %1: %2.<byte value="xd"/>
<byte value="xd"/>
You can go on typing; nothing is lost. The text is kept and written as soon as that works again, and when you close Pictype Viewer you can save it elsewhere.</source>
        <translation>Набранный текст не удалось записать в %1: %2.

Можно печатать дальше; ничего не потеряется. Текст сохраняется и будет записан, как только это снова станет возможно, а при закрытии Pictype Viewer его можно сохранить в другом месте.</translation>
    </message>
</context>
<context>
    <name>CanvasCommands</name>
    <message>
        <source>Esc - Unload picture and return here</source>
        <translation>Esc - Убрать картинку и вернуться сюда</translation>
    </message>
    <message>
        <source>F6 - Clears text</source>
        <translation>F6 - Стереть текст</translation>
    </message>
    <message>
        <source>F5 - Cycle pictures</source>
        <translation>F5 - Следующая картинка</translation>
    </message>
    <message>
        <source>F4 - Cycle in opposite direction</source>
        <translation>F4 - Предыдущая картинка</translation>
    </message>
    <message>
        <source>F3 - Show time</source>
        <translation>F3 - Показать время</translation>
    </message>
    <message>
        <source>Arrows - Move picture 5 pixels</source>
        <translation>Стрелки - Сдвинуть картинку на 5 пикселей</translation>
    </message>
    <message>
        <source>Shift + Arrows - Move picture 50 pixels.</source>
        <translation>Shift + Стрелки - Сдвинуть картинку на 50 пикселей.</translation>
    </message>
    <message>
        <source>Hold Esc 3 s - Unload picture and return here</source>
        <translation>Удерживать Esc 3 с - Убрать картинку и вернуться сюда</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>there is no permission to write there</source>
        <translation>нет прав на запись в это место</translation>
    </message>
</context>
<context>
    <name>LauncherWindow</name>
    <message>
        <source>Start</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Background Picture...</source>
        <translation>Фоновая картинка...</translation>
    </message>
    <message>
        <source>Tinks</source>
        <translation>Щелчки</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Блокировка</translation>
    </message>
    <message>
        <source>Move to Clipboard</source>
        <translation>Переместить в буфер обмена</translation>
    </message>
    <message>
        <source>Append to Clipboard</source>
        <translation>Добавить в буфер обмена</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>Мозаикой</translation>
    </message>
    <message>
        <source>Click here for help.</source>
        <translation>Нажмите здесь для справки.</translation>
    </message>
    <message>
        <source>No picture selected</source>
        <translation>Картинка не выбрана</translation>
    </message>
    <message>
        <source>There must be a problem with the letters.zip file.</source>
        <translation>Похоже, с файлом letters.zip что-то не так.</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>Не удалось распаковать %1</translation>
    </message>
    <message>
        <source>Do you want to save your work? <byte value="xd"/>
<byte value="xd"/>
Clicking No will delete the temporary file.</source>
        <translation>Сохранить вашу работу?

Если нажать «Нет», временный файл будет удалён.</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>Не удалось удалить %1</translation>
    </message>
    <message>
        <source>Typed text</source>
        <translation>Набранный текст</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Pick a file name that doesn&apos;t exist</source>
        <translation>Выберите имя файла, которого ещё нет</translation>
    </message>
    <message>
        <source>Could not save %1: %2.</source>
        <translation>Не удалось сохранить %1: %2.</translation>
    </message>
    <message>
        <source>Text typed in an earlier session was not saved: %1 characters.<byte value="xd"/>
<byte value="xd"/>
Do you want to save it? Clicking No will delete it.</source>
        <translation>Текст, набранный в прошлом сеансе, не был сохранён. Символов: %1.

Сохранить его? Если нажать «Нет», он будет удалён.</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>Не удалось записать %1</translation>
    </message>
    <message>
        <source>The letter set %1 is damaged: %2 of its characters load, and typing goes on with those.<byte value="xd"/>
<byte value="xd"/>
&quot;pictype-letters check&quot; tells more.</source>
        <translation>Набор букв %1 повреждён: загружается символов: %2, и печать продолжается с ними.

«pictype-letters check» расскажет подробнее.</translation>
    </message>
    <message>
        <source>&amp;Speak</source>
        <translation>&amp;Озвучивать</translation>
    </message>
    <message>
        <source>On this desktop the lock cannot keep the desktop&apos;s own shortcuts (switching and closing windows, its overview): it keeps only the Esc hold.</source>
        <translation>На этом рабочем столе блокировка не может удержать его собственные сочетания клавиш (переключение и закрытие окон, обзор): остаётся только удержание Esc.</translation>
    </message>
    <message>
        <source>The desktop did not let the lock keep its own shortcuts, so while the canvas was up only the Esc hold kept it. The desktop&apos;s settings for this program can allow it.</source>
        <translation>Рабочий стол не позволил блокировке удержать свои сочетания клавиш, поэтому, пока холст был открыт, его держало только удержание Esc. Это можно разрешить в настройках рабочего стола для этой программы.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Picture Files</source>
        <translation>Файлы картинок</translation>
    </message>
    <message>
        <source>%1 is too large to show: %2 x %3 pixels.</source>
        <translation>%1 слишком велика для показа: %2 x %3 пикселей.</translation>
    </message>
    <message>
        <source>%1 is apparently not a picture.</source>
        <translation>%1, по-видимому, не картинка.</translation>
    </message>
</context>
<context>
    <name>Pictype</name>
    <message>
        <source>Pictype Viewer won&apos;t run without unzip32.dll or letters.zip</source>
        <translation>Pictype Viewer не работает без unzip32.dll или letters.zip</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>Не удалось распаковать %1</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Непредвиденная ошибка</translation>
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
