<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>Canvas</name>
    <message>
        <source>Your typing could not be written to %1: %2.<byte value="xd"/>
<byte value="xd"/>
You can go on typing; nothing is lost. The text is kept and written as soon as that works again, and when you close Pictype Viewer you can save it elsewhere.</source>
        <translation>Набраний текст не вдалося записати до %1: %2.

Можна друкувати далі; нічого не загубиться. Текст зберігається і буде записаний, щойно це знову стане можливим, а під час закриття Pictype Viewer його можна зберегти деінде.</translation>
    </message>
</context>
<context>
    <name>CanvasCommands</name>
    <message>
        <source>Esc - Unload picture and return here</source>
        <translation>Esc - Прибрати картинку й повернутися сюди</translation>
    </message>
    <message>
        <source>F6 - Clears text</source>
        <translation>F6 - Стерти текст</translation>
    </message>
    <message>
        <source>F5 - Cycle pictures</source>
        <translation>F5 - Наступна картинка</translation>
    </message>
    <message>
        <source>F4 - Cycle in opposite direction</source>
        <translation>F4 - Попередня картинка</translation>
    </message>
    <message>
        <source>F3 - Show time</source>
        <translation>F3 - Показати час</translation>
    </message>
    <message>
        <source>Arrows - Move picture 5 pixels</source>
        <translation>Стрілки - Зсунути картинку на 5 пікселів</translation>
    </message>
    <message>
        <source>Shift + Arrows - Move picture 50 pixels.</source>
        <translation>Shift + Стрілки - Зсунути картинку на 50 пікселів.</translation>
    </message>
    <message>
        <source>Hold Esc 3 s - Unload picture and return here</source>
        <translation>Утримувати Esc 3 с - Прибрати картинку й повернутися сюди</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the disk is full</source>
        <translation>диск заповнений</translation>
    </message>
    <message>
        <source>there is no permission to write there</source>
        <translation>немає дозволу на запис у це місце</translation>
    </message>
</context>
<context>
    <name>LauncherWindow</name>
    <message>
        <source>Start</source>
        <translation>Почати</translation>
    </message>
    <message>
        <source>Background Picture...</source>
        <translation>Фонова картинка...</translation>
    </message>
    <message>
        <source>Tinks</source>
        <translation>Клацання</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Блокування</translation>
    </message>
    <message>
        <source>Move to Clipboard</source>
        <translation>Перемістити в буфер обміну</translation>
    </message>
    <message>
        <source>Append to Clipboard</source>
        <translation>Додати до буфера обміну</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>Мозаїкою</translation>
    </message>
    <message>
        <source>Click here for help.</source>
        <translation>Натисніть тут, щоб отримати довідку.</translation>
    </message>
    <message>
        <source>No picture selected</source>
        <translation>Картинку не вибрано</translation>
    </message>
    <message>
        <source>There must be a problem with the letters.zip file.</source>
        <translation>Схоже, з файлом letters.zip щось не так.</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>Не вдалося розпакувати %1</translation>
    </message>
    <message>
        <source>Do you want to save your work? <byte value="xd"/>
<byte value="xd"/>
Clicking No will delete the temporary file.</source>
        <translation>Зберегти вашу роботу?

Якщо натиснути «Ні», тимчасовий файл буде видалено.</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>Не вдалося видалити %1</translation>
    </message>
    <message>
        <source>Typed text</source>
        <translation>Набраний текст</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Pick a file name that doesn&apos;t exist</source>
        <translation>Виберіть назву файлу, якого ще немає</translation>
    </message>
    <message>
        <source>Could not save %1: %2.</source>
        <translation>Не вдалося зберегти %1: %2.</translation>
    </message>
    <message>
        <source>Text typed in an earlier session was not saved: %1 characters.<byte value="xd"/>
<byte value="xd"/>
Do you want to save it? Clicking No will delete it.</source>
        <translation>Текст, набраний у попередньому сеансі, не було збережено. Символів: %1.

Зберегти його? Якщо натиснути «Ні», його буде видалено.</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>Не вдалося записати %1</translation>
    </message>
    <message>
        <source>The letter set %1 is damaged: %2 of its characters load, and typing goes on with those.<byte value="xd"/>
<byte value="xd"/>
&quot;pictype-letters check&quot; tells more.</source>
        <translation>Набір літер %1 пошкоджено: завантажується символів: %2, і друк триває з ними.

«pictype-letters check» розповість докладніше.</translation>
    </message>
    <message>
        <source>&amp;Speak</source>
        <translation>&amp;Озвучувати</translation>
    </message>
    <message>
        <source>On this desktop the lock cannot keep the desktop&apos;s own shortcuts (switching and closing windows, its overview): it keeps only the Esc hold.</source>
        <translation>На цьому робочому столі блокування не може втримати його власні сполучення клавіш (перемикання й закриття вікон, огляд): лишається тільки утримання Esc.</translation>
    </message>
    <message>
        <source>The desktop did not let the lock keep its own shortcuts, so while the canvas was up only the Esc hold kept it. The desktop&apos;s settings for this program can allow it.</source>
        <translation>Робочий стіл не дозволив блокуванню втримати свої сполучення клавіш, тож поки полотно було відкрите, його тримало тільки утримання Esc. Це можна дозволити в налаштуваннях робочого столу для цієї програми.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Picture Files</source>
        <translation>Файли картинок</translation>
    </message>
    <message>
        <source>%1 is too large to show: %2 x %3 pixels.</source>
        <translation>%1 завелика для показу: %2 x %3 пікселів.</translation>
    </message>
    <message>
        <source>%1 is apparently not a picture.</source>
        <translation>%1, схоже, не картинка.</translation>
    </message>
</context>
<context>
    <name>Pictype</name>
    <message>
        <source>Pictype Viewer won&apos;t run without unzip32.dll or letters.zip</source>
        <translation>Pictype Viewer не працює без unzip32.dll або letters.zip</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>Не вдалося розпакувати %1</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Неочікувана помилка</translation>
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
