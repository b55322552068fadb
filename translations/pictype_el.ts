<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
<context>
    <name>Canvas</name>
    <message>
        <source>Your typing could not be written to %1: %2.<byte value="xd"/>
<byte value="xd"/>
You can go on typing; nothing is lost. The text is kept and written as soon as that works again, and when you close Pictype Viewer you can save it elsewhere.</source>
        <translation>Ό,τι πληκτρολογείς δεν μπόρεσε να γραφτεί στο %1: %2.

Μπορείς να συνεχίσεις να πληκτρολογείς· τίποτα δεν χάνεται. Το κείμενο κρατιέται και γράφεται μόλις αυτό ξαναγίνει δυνατό, και όταν κλείσεις το Pictype Viewer μπορείς να το αποθηκεύσεις αλλού.</translation>
    </message>
</context>
<context>
    <name>CanvasCommands</name>
    <message>
        <source>Esc - Unload picture and return here</source>
        <translation>Esc - Κλείσιμο εικόνας και επιστροφή εδώ</translation>
    </message>
    <message>
        <source>F6 - Clears text</source>
        <translation>F6 - Σβήσιμο κειμένου</translation>
    </message>
    <message>
        <source>F5 - Cycle pictures</source>
        <translation>F5 - Επόμενη εικόνα</translation>
    </message>
    <message>
        <source>F4 - Cycle in opposite direction</source>
        <translation>F4 - Προηγούμενη εικόνα</translation>
    </message>
    <message>
        <source>F3 - Show time</source>
        <translation>F3 - Εμφάνιση ώρας</translation>
    </message>
    <message>
        <source>Arrows - Move picture 5 pixels</source>
        <translation>Βέλη - Μετακίνηση εικόνας κατά 5 pixel</translation>
    </message>
    <message>
        <source>Shift + Arrows - Move picture 50 pixels.</source>
        <translation>Shift + Βέλη - Μετακίνηση εικόνας κατά 50 pixel.</translation>
    </message>
    <message>
        <source>Hold Esc 3 s - Unload picture and return here</source>
        <translation>Κράτα το Esc 3 s - Κλείσιμο εικόνας και επιστροφή εδώ</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the disk is full</source>
        <translation>ο δίσκος είναι γεμάτος</translation>
    </message>
    <message>
        <source>there is no permission to write there</source>
        <translation>δεν υπάρχει άδεια εγγραφής εκεί</translation>
    </message>
</context>
<context>
    <name>LauncherWindow</name>
    <message>
        <source>Start</source>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <source>Background Picture...</source>
        <translation>Εικόνα φόντου...</translation>
    </message>
    <message>
        <source>Tinks</source>
        <translation>Κλικ</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Κλείδωμα</translation>
    </message>
    <message>
        <source>Move to Clipboard</source>
        <translation>Μεταφορά στο πρόχειρο</translation>
    </message>
    <message>
        <source>Append to Clipboard</source>
        <translation>Προσθήκη στο πρόχειρο</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>Στο κέντρο</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>Σε παράθεση</translation>
    </message>
    <message>
        <source>Click here for help.</source>
        <translation>Κάνε κλικ εδώ για βοήθεια.</translation>
    </message>
    <message>
        <source>No picture selected</source>
        <translation>Δεν επιλέχθηκε εικόνα</translation>
    </message>
    <message>
        <source>There must be a problem with the letters.zip file.</source>
        <translation>Κάποιο πρόβλημα υπάρχει με το αρχείο letters.zip.</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>Δεν ήταν δυνατή η αποσυμπίεση του %1</translation>
    </message>
    <message>
        <source>Do you want to save your work? <byte value="xd"/>
<byte value="xd"/>
Clicking No will delete the temporary file.</source>
        <translation>Θέλεις να αποθηκεύσεις τη δουλειά σου;

Με το No (Όχι) διαγράφεται το προσωρινό αρχείο.</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>Δεν ήταν δυνατή η διαγραφή του %1</translation>
    </message>
    <message>
        <source>Typed text</source>
        <translation>Πληκτρολογημένο κείμενο</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Κείμενο</translation>
    </message>
    <message>
        <source>Pick a file name that doesn&apos;t exist</source>
        <translation>Διάλεξε ένα όνομα αρχείου που δεν υπάρχει ακόμα</translation>
    </message>
    <message>
        <source>Could not save %1: %2.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση του %1: %2.</translation>
    </message>
    <message>
        <source>Text typed in an earlier session was not saved: %1 characters.<byte value="xd"/>
<byte value="xd"/>
Do you want to save it? Clicking No will delete it.</source>
        <translation>Ένα κείμενο που πληκτρολογήθηκε σε προηγούμενη συνεδρία δεν αποθηκεύτηκε. Χαρακτήρες: %1.

Θέλεις να το αποθηκεύσεις; Με το No (Όχι) διαγράφεται.</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του %1</translation>
    </message>
    <message>
        <source>The letter set %1 is damaged: %2 of its characters load, and typing goes on with those.<byte value="xd"/>
<byte value="xd"/>
&quot;pictype-letters check&quot; tells more.</source>
        <translation>Το σύνολο γραμμάτων %1 είναι χαλασμένο: φορτώνονται %2 από τους χαρακτήρες του, και η πληκτρολόγηση συνεχίζεται με αυτούς.

Το «pictype-letters check» λέει περισσότερα.</translation>
    </message>
    <message>
        <source>&amp;Speak</source>
        <translation>&amp;Εκφώνηση</translation>
    </message>
    <message>
        <source>On this desktop the lock cannot keep the desktop&apos;s own shortcuts (switching and closing windows, its overview): it keeps only the Esc hold.</source>
        <translation>Σε αυτή την επιφάνεια εργασίας το κλείδωμα δεν μπορεί να κρατήσει τις συντομεύσεις της (εναλλαγή και κλείσιμο παραθύρων, η επισκόπηση): κρατά μόνο το παρατεταμένο πάτημα του Esc.</translation>
    </message>
    <message>
        <source>The desktop did not let the lock keep its own shortcuts, so while the canvas was up only the Esc hold kept it. The desktop&apos;s settings for this program can allow it.</source>
        <translation>Η επιφάνεια εργασίας δεν άφησε το κλείδωμα να κρατήσει τις συντομεύσεις της, οπότε όσο ήταν ανοιχτός ο καμβάς τον κρατούσε μόνο το παρατεταμένο πάτημα του Esc. Οι ρυθμίσεις της επιφάνειας εργασίας για αυτό το πρόγραμμα μπορούν να το επιτρέψουν.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Picture Files</source>
        <translation>Αρχεία εικόνων</translation>
    </message>
    <message>
        <source>%1 is too large to show: %2 x %3 pixels.</source>
        <translation>Το %1 είναι πολύ μεγάλο για να εμφανιστεί: %2 x %3 pixel.</translation>
    </message>
    <message>
        <source>%1 is apparently not a picture.</source>
        <translation>Το %1 μάλλον δεν είναι εικόνα.</translation>
    </message>
</context>
<context>
    <name>Pictype</name>
    <message>
        <source>Pictype Viewer won&apos;t run without unzip32.dll or letters.zip</source>
        <translation>Το Pictype Viewer δεν λειτουργεί χωρίς unzip32.dll ή letters.zip</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>Δεν ήταν δυνατή η αποσυμπίεση του %1</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Απρόσμενο σφάλμα</translation>
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
