<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>Canvas</name>
    <message>
        <source>Your typing could not be written to %1: %2.<byte value="xd"/>
<byte value="xd"/>
You can go on typing; nothing is lost. The text is kept and written as soon as that works again, and when you close Pictype Viewer you can save it elsewhere.</source>
        <translation>تعذّرت كتابة ما تكتبه في %1: %2.

يمكنك متابعة الكتابة؛ لن يضيع شيء. يُحفظ النص ويُكتب حالما يصبح ذلك ممكنًا من جديد، وعند إغلاق Pictype Viewer يمكنك حفظه في مكان آخر.</translation>
    </message>
</context>
<context>
    <name>CanvasCommands</name>
    <message>
        <source>Esc - Unload picture and return here</source>
        <translation>‏Esc - إغلاق الصورة والعودة إلى هنا</translation>
    </message>
    <message>
        <source>F6 - Clears text</source>
        <translation>‏F6 - مسح النص</translation>
    </message>
    <message>
        <source>F5 - Cycle pictures</source>
        <translation>‏F5 - الصورة التالية</translation>
    </message>
    <message>
        <source>F4 - Cycle in opposite direction</source>
        <translation>‏F4 - الصورة السابقة</translation>
    </message>
    <message>
        <source>F3 - Show time</source>
        <translation>‏F3 - إظهار الوقت</translation>
    </message>
    <message>
        <source>Arrows - Move picture 5 pixels</source>
        <translation>‏الأسهم - تحريك الصورة 5 بكسلات</translation>
    </message>
    <message>
        <source>Shift + Arrows - Move picture 50 pixels.</source>
        <translation>‏Shift + الأسهم - تحريك الصورة 50 بكسلًا.</translation>
    </message>
    <message>
        <source>Hold Esc 3 s - Unload picture and return here</source>
        <translation>‏أبقِ Esc مضغوطًا 3 ث - إغلاق الصورة والعودة إلى هنا</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the disk is full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>there is no permission to write there</source>
        <translation>لا يوجد إذن بالكتابة هناك</translation>
    </message>
</context>
<context>
    <name>LauncherWindow</name>
    <message>
        <source>Start</source>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>Background Picture...</source>
        <translation>صورة الخلفية...</translation>
    </message>
    <message>
        <source>Tinks</source>
        <translation>نقرات</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;قفل</translation>
    </message>
    <message>
        <source>Move to Clipboard</source>
        <translation>انقل إلى الحافظة</translation>
    </message>
    <message>
        <source>Append to Clipboard</source>
        <translation>أضف إلى الحافظة</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>في الوسط</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>متجانبة</translation>
    </message>
    <message>
        <source>Click here for help.</source>
        <translation>انقر هنا للمساعدة.</translation>
    </message>
    <message>
        <source>No picture selected</source>
        <translation>لم تُختر صورة</translation>
    </message>
    <message>
        <source>There must be a problem with the letters.zip file.</source>
        <translation>لا بد من وجود مشكلة في الملف letters.zip.</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>تعذّر فك ضغط %1</translation>
    </message>
    <message>
        <source>Do you want to save your work? <byte value="xd"/>
<byte value="xd"/>
Clicking No will delete the temporary file.</source>
        <translation>هل تريد حفظ عملك؟

النقر على «لا» سيحذف الملف المؤقت.</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>تعذّر حذف %1</translation>
    </message>
    <message>
        <source>Typed text</source>
        <translation>نص مكتوب</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Pick a file name that doesn&apos;t exist</source>
        <translation>اختر اسم ملف غير موجود</translation>
    </message>
    <message>
        <source>Could not save %1: %2.</source>
        <translation>تعذّر حفظ %1: %2.</translation>
    </message>
    <message>
        <source>Text typed in an earlier session was not saved: %1 characters.<byte value="xd"/>
<byte value="xd"/>
Do you want to save it? Clicking No will delete it.</source>
        <translation>لم يُحفظ نص كُتب في جلسة سابقة. عدد المحارف: %1.

هل تريد حفظه؟ النقر على «لا» سيحذفه.</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>تعذّرت كتابة %1</translation>
    </message>
    <message>
        <source>The letter set %1 is damaged: %2 of its characters load, and typing goes on with those.<byte value="xd"/>
<byte value="xd"/>
&quot;pictype-letters check&quot; tells more.</source>
        <translation>مجموعة الحروف %1 تالفة: يُحمَّل %2 من محارفها، وتستمر الكتابة بها.

يخبرك «pictype-letters check» بالمزيد.</translation>
    </message>
    <message>
        <source>&amp;Speak</source>
        <translation>&amp;نطق</translation>
    </message>
    <message>
        <source>On this desktop the lock cannot keep the desktop&apos;s own shortcuts (switching and closing windows, its overview): it keeps only the Esc hold.</source>
        <translation>على سطح المكتب هذا لا يستطيع القفل أن يحجز اختصارات سطح المكتب نفسه (التبديل بين النوافذ وإغلاقها ونظرته العامة): لا يبقى إلا الضغط المطوّل على Esc.</translation>
    </message>
    <message>
        <source>The desktop did not let the lock keep its own shortcuts, so while the canvas was up only the Esc hold kept it. The desktop&apos;s settings for this program can allow it.</source>
        <translation>لم يسمح سطح المكتب للقفل بحجز اختصاراته، فلم يحفظ اللوحة ما دامت مفتوحة إلا الضغط المطوّل على Esc. يمكن السماح بذلك من إعدادات سطح المكتب لهذا البرنامج.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Picture Files</source>
        <translation>ملفات الصور</translation>
    </message>
    <message>
        <source>%1 is too large to show: %2 x %3 pixels.</source>
        <translation>%1 أكبر من أن تُعرض: %2 x %3 بكسل.</translation>
    </message>
    <message>
        <source>%1 is apparently not a picture.</source>
        <translation>%1 ليس صورة على ما يبدو.</translation>
    </message>
</context>
<context>
    <name>Pictype</name>
    <message>
        <source>Pictype Viewer won&apos;t run without unzip32.dll or letters.zip</source>
        <translation>لا يعمل Pictype Viewer من دون unzip32.dll أو letters.zip</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>تعذّر فك ضغط %1</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>خطأ غير متوقع</translation>
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
        <translation>RTL</translation>
    </message>
</context>
</TS>
