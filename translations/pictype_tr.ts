<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>Canvas</name>
    <message>
        <source>Your typing could not be written to %1: %2.<byte value="xd"/>
<byte value="xd"/>
You can go on typing; nothing is lost. The text is kept and written as soon as that works again, and when you close Pictype Viewer you can save it elsewhere.</source>
        <translation>Yazdıkların %1 dosyasına yazılamadı: %2.

Yazmaya devam edebilirsin; hiçbir şey kaybolmaz. Metin saklanır ve bu yeniden mümkün olur olmaz yazılır; Pictype Viewer&apos;ı kapatırken onu başka bir yere kaydedebilirsin.</translation>
    </message>
</context>
<context>
    <name>CanvasCommands</name>
    <message>
        <source>Esc - Unload picture and return here</source>
        <translation>Esc - Resmi kapat ve buraya dön</translation>
    </message>
    <message>
        <source>F6 - Clears text</source>
        <translation>F6 - Metni sil</translation>
    </message>
    <message>
        <source>F5 - Cycle pictures</source>
        <translation>F5 - Sonraki resim</translation>
    </message>
    <message>
        <source>F4 - Cycle in opposite direction</source>
        <translation>F4 - Önceki resim</translation>
    </message>
    <message>
        <source>F3 - Show time</source>
        <translation>F3 - Saati göster</translation>
    </message>
    <message>
        <source>Arrows - Move picture 5 pixels</source>
        <translation>Oklar - Resmi 5 piksel kaydır</translation>
    </message>
    <message>
        <source>Shift + Arrows - Move picture 50 pixels.</source>
        <translation>Shift + Oklar - Resmi 50 piksel kaydır.</translation>
    </message>
    <message>
        <source>Hold Esc 3 s - Unload picture and return here</source>
        <translation>Esc&apos;yi 3 sn basılı tut - Resmi kapat ve buraya dön</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the disk is full</source>
        <translation>disk dolu</translation>
    </message>
    <message>
        <source>there is no permission to write there</source>
        <translation>oraya yazma izni yok</translation>
    </message>
</context>
<context>
    <name>LauncherWindow</name>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Background Picture...</source>
        <translation>Arka Plan Resmi...</translation>
    </message>
    <message>
        <source>Tinks</source>
        <translation>Tıkırtı</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Kilit</translation>
    </message>
    <message>
        <source>Move to Clipboard</source>
        <translation>Panoya Taşı</translation>
    </message>
    <message>
        <source>Append to Clipboard</source>
        <translation>Panoya Ekle</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>Ortalanmış</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>Döşenmiş</translation>
    </message>
    <message>
        <source>Click here for help.</source>
        <translation>Yardım için buraya tıkla.</translation>
    </message>
    <message>
        <source>No picture selected</source>
        <translation>Resim seçilmedi</translation>
    </message>
    <message>
        <source>There must be a problem with the letters.zip file.</source>
        <translation>letters.zip dosyasında bir sorun olmalı.</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>%1 açılamadı</translation>
    </message>
    <message>
        <source>Do you want to save your work? <byte value="xd"/>
<byte value="xd"/>
Clicking No will delete the temporary file.</source>
        <translation>Çalışmanı kaydetmek istiyor musun?

Hayır&apos;a tıklarsan geçici dosya silinir.</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>%1 silinemedi</translation>
    </message>
    <message>
        <source>Typed text</source>
        <translation>Yazılan metin</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Pick a file name that doesn&apos;t exist</source>
        <translation>Henüz var olmayan bir dosya adı seç</translation>
    </message>
    <message>
        <source>Could not save %1: %2.</source>
        <translation>%1 kaydedilemedi: %2.</translation>
    </message>
    <message>
        <source>Text typed in an earlier session was not saved: %1 characters.<byte value="xd"/>
<byte value="xd"/>
Do you want to save it? Clicking No will delete it.</source>
        <translation>Önceki bir oturumda yazılan metin kaydedilmedi. Karakter sayısı: %1.

Kaydetmek istiyor musun? Hayır&apos;a tıklarsan silinir.</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>%1 yazılamadı</translation>
    </message>
    <message>
        <source>The letter set %1 is damaged: %2 of its characters load, and typing goes on with those.<byte value="xd"/>
<byte value="xd"/>
&quot;pictype-letters check&quot; tells more.</source>
        <translation>%1 harf takımı bozuk: karakterlerinden %2 tanesi yükleniyor ve yazmaya onlarla devam ediliyor.

&quot;pictype-letters check&quot; daha fazlasını söyler.</translation>
    </message>
    <message>
        <source>&amp;Speak</source>
        <translation>&amp;Sesli oku</translation>
    </message>
    <message>
        <source>On this desktop the lock cannot keep the desktop&apos;s own shortcuts (switching and closing windows, its overview): it keeps only the Esc hold.</source>
        <translation>Bu masaüstünde kilit, masaüstünün kendi kısayollarını (pencere değiştirme ve kapatma, genel görünüm) tutamaz: yalnızca Esc&apos;e basılı tutma geçerlidir.</translation>
    </message>
    <message>
        <source>The desktop did not let the lock keep its own shortcuts, so while the canvas was up only the Esc hold kept it. The desktop&apos;s settings for this program can allow it.</source>
        <translation>Masaüstü, kilidin kısayollarını tutmasına izin vermedi; bu yüzden tuval açıkken onu yalnızca Esc&apos;e basılı tutma korudu. Masaüstünün bu program için ayarları buna izin verebilir.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Picture Files</source>
        <translation>Resim Dosyaları</translation>
    </message>
    <message>
        <source>%1 is too large to show: %2 x %3 pixels.</source>
        <translation>%1 gösterilemeyecek kadar büyük: %2 x %3 piksel.</translation>
    </message>
    <message>
        <source>%1 is apparently not a picture.</source>
        <translation>%1 görünüşe göre bir resim değil.</translation>
    </message>
</context>
<context>
    <name>Pictype</name>
    <message>
        <source>Pictype Viewer won&apos;t run without unzip32.dll or letters.zip</source>
        <translation>Pictype Viewer, unzip32.dll veya letters.zip olmadan çalışmaz</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>%1 açılamadı</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Beklenmeyen hata</translation>
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
