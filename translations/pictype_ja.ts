<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Canvas</name>
    <message>
        <source>Your typing could not be written to %1: %2.<byte value="xd"/>
<byte value="xd"/>
You can go on typing; nothing is lost. The text is kept and written as soon as that works again, and when you close Pictype Viewer you can save it elsewhere.</source>
        <translation>入力した文字を %1 に書き込めませんでした: %2。

このまま入力を続けられます。何も失われません。文字は保持され、書き込めるようになりしだい書き込まれます。Pictype Viewer を閉じるときに別の場所へ保存することもできます。</translation>
    </message>
</context>
<context>
    <name>CanvasCommands</name>
    <message>
        <source>Esc - Unload picture and return here</source>
        <translation>Esc - 画像を閉じてここに戻る</translation>
    </message>
    <message>
        <source>F6 - Clears text</source>
        <translation>F6 - 文字を消す</translation>
    </message>
    <message>
        <source>F5 - Cycle pictures</source>
        <translation>F5 - 次の画像</translation>
    </message>
    <message>
        <source>F4 - Cycle in opposite direction</source>
        <translation>F4 - 前の画像</translation>
    </message>
    <message>
        <source>F3 - Show time</source>
        <translation>F3 - 時刻を表示</translation>
    </message>
    <message>
        <source>Arrows - Move picture 5 pixels</source>
        <translation>矢印キー - 画像を 5 ピクセル動かす</translation>
    </message>
    <message>
        <source>Shift + Arrows - Move picture 50 pixels.</source>
        <translation>Shift + 矢印キー - 画像を 50 ピクセル動かす。</translation>
    </message>
    <message>
        <source>Hold Esc 3 s - Unload picture and return here</source>
        <translation>Esc を 3 秒押し続ける - 画像を閉じてここに戻る</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>there is no permission to write there</source>
        <translation>そこに書き込む権限がありません</translation>
    </message>
</context>
<context>
    <name>LauncherWindow</name>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Background Picture...</source>
        <translation>背景画像...</translation>
    </message>
    <message>
        <source>Tinks</source>
        <translation>クリック音</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>ロック(&amp;L)</translation>
    </message>
    <message>
        <source>Move to Clipboard</source>
        <translation>クリップボードへ移動</translation>
    </message>
    <message>
        <source>Append to Clipboard</source>
        <translation>クリップボードに追加</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>並べる</translation>
    </message>
    <message>
        <source>Click here for help.</source>
        <translation>ヘルプはここをクリック。</translation>
    </message>
    <message>
        <source>No picture selected</source>
        <translation>画像が選ばれていません</translation>
    </message>
    <message>
        <source>There must be a problem with the letters.zip file.</source>
        <translation>letters.zip ファイルに問題があるようです。</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>%1 を展開できませんでした</translation>
    </message>
    <message>
        <source>Do you want to save your work? <byte value="xd"/>
<byte value="xd"/>
Clicking No will delete the temporary file.</source>
        <translation>作業を保存しますか?

「いいえ」を押すと一時ファイルは削除されます。</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>%1 を削除できませんでした</translation>
    </message>
    <message>
        <source>Typed text</source>
        <translation>入力した文字</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Pick a file name that doesn&apos;t exist</source>
        <translation>まだ存在しないファイル名を選んでください</translation>
    </message>
    <message>
        <source>Could not save %1: %2.</source>
        <translation>%1 を保存できませんでした: %2。</translation>
    </message>
    <message>
        <source>Text typed in an earlier session was not saved: %1 characters.<byte value="xd"/>
<byte value="xd"/>
Do you want to save it? Clicking No will delete it.</source>
        <translation>前回のセッションで入力した文字が保存されていません。文字数: %1。

保存しますか?「いいえ」を押すと削除されます。</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>%1 を書き込めませんでした</translation>
    </message>
    <message>
        <source>The letter set %1 is damaged: %2 of its characters load, and typing goes on with those.<byte value="xd"/>
<byte value="xd"/>
&quot;pictype-letters check&quot; tells more.</source>
        <translation>文字セット %1 は壊れています: %2 文字が読み込まれ、その文字で入力を続けられます。

詳しくは「pictype-letters check」で確かめられます。</translation>
    </message>
    <message>
        <source>&amp;Speak</source>
        <translation>読み上げ(&amp;S)</translation>
    </message>
    <message>
        <source>On this desktop the lock cannot keep the desktop&apos;s own shortcuts (switching and closing windows, its overview): it keeps only the Esc hold.</source>
        <translation>このデスクトップでは、ロックはデスクトップ自身のショートカット（ウィンドウの切り替えや終了、概要表示）を止められません。有効なのは Esc の長押しだけです。</translation>
    </message>
    <message>
        <source>The desktop did not let the lock keep its own shortcuts, so while the canvas was up only the Esc hold kept it. The desktop&apos;s settings for this program can allow it.</source>
        <translation>デスクトップがロックにショートカットを渡さなかったため、キャンバスが開いている間は Esc の長押しだけが有効でした。このプログラムに対するデスクトップの設定で許可できます。</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Picture Files</source>
        <translation>画像ファイル</translation>
    </message>
    <message>
        <source>%1 is too large to show: %2 x %3 pixels.</source>
        <translation>%1 は大きすぎて表示できません: %2 x %3 ピクセル。</translation>
    </message>
    <message>
        <source>%1 is apparently not a picture.</source>
        <translation>%1 は画像ではないようです。</translation>
    </message>
</context>
<context>
    <name>Pictype</name>
    <message>
        <source>Pictype Viewer won&apos;t run without unzip32.dll or letters.zip</source>
        <translation>Pictype Viewer は unzip32.dll または letters.zip がないと動きません</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>%1 を展開できませんでした</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>予期しないエラー</translation>
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
