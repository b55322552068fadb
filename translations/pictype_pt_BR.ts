<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Canvas</name>
    <message>
        <source>Your typing could not be written to %1: %2.<byte value="xd"/>
<byte value="xd"/>
You can go on typing; nothing is lost. The text is kept and written as soon as that works again, and when you close Pictype Viewer you can save it elsewhere.</source>
        <translation>O que você digitou não pôde ser gravado em %1: %2.

Você pode continuar digitando; nada se perde. O texto fica guardado e é gravado assim que isso voltar a funcionar, e ao fechar o Pictype Viewer você pode salvá-lo em outro lugar.</translation>
    </message>
</context>
<context>
    <name>CanvasCommands</name>
    <message>
        <source>Esc - Unload picture and return here</source>
        <translation>Esc - Fechar a imagem e voltar aqui</translation>
    </message>
    <message>
        <source>F6 - Clears text</source>
        <translation>F6 - Apagar o texto</translation>
    </message>
    <message>
        <source>F5 - Cycle pictures</source>
        <translation>F5 - Próxima imagem</translation>
    </message>
    <message>
        <source>F4 - Cycle in opposite direction</source>
        <translation>F4 - Imagem anterior</translation>
    </message>
    <message>
        <source>F3 - Show time</source>
        <translation>F3 - Mostrar a hora</translation>
    </message>
    <message>
        <source>Arrows - Move picture 5 pixels</source>
        <translation>Setas - Mover a imagem 5 pixels</translation>
    </message>
    <message>
        <source>Shift + Arrows - Move picture 50 pixels.</source>
        <translation>Shift + Setas - Mover a imagem 50 pixels.</translation>
    </message>
    <message>
        <source>Hold Esc 3 s - Unload picture and return here</source>
        <translation>Segurar Esc 3 s - Fechar a imagem e voltar aqui</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>there is no permission to write there</source>
        <translation>não há permissão para gravar ali</translation>
    </message>
</context>
<context>
    <name>LauncherWindow</name>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Background Picture...</source>
        <translation>Imagem de fundo...</translation>
    </message>
    <message>
        <source>Tinks</source>
        <translation>Cliques</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Travar</translation>
    </message>
    <message>
        <source>Move to Clipboard</source>
        <translation>Mover para a área de transferência</translation>
    </message>
    <message>
        <source>Append to Clipboard</source>
        <translation>Juntar à área de transferência</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>Centralizada</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>Lado a lado</translation>
    </message>
    <message>
        <source>Click here for help.</source>
        <translation>Clique aqui para obter ajuda.</translation>
    </message>
    <message>
        <source>No picture selected</source>
        <translation>Nenhuma imagem escolhida</translation>
    </message>
    <message>
        <source>There must be a problem with the letters.zip file.</source>
        <translation>Deve haver um problema com o arquivo letters.zip.</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>Não foi possível descompactar %1</translation>
    </message>
    <message>
        <source>Do you want to save your work? <byte value="xd"/>
<byte value="xd"/>
Clicking No will delete the temporary file.</source>
        <translation>Deseja salvar o seu trabalho?

Clicando em Não, o arquivo temporário será apagado.</translation>
    </message>
    <message>
        <source>Could not delete %1</source>
        <translation>Não foi possível apagar %1</translation>
    </message>
    <message>
        <source>Typed text</source>
        <translation>Texto digitado</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Pick a file name that doesn&apos;t exist</source>
        <translation>Escolha um nome de arquivo que ainda não exista</translation>
    </message>
    <message>
        <source>Could not save %1: %2.</source>
        <translation>Não foi possível salvar %1: %2.</translation>
    </message>
    <message>
        <source>Text typed in an earlier session was not saved: %1 characters.<byte value="xd"/>
<byte value="xd"/>
Do you want to save it? Clicking No will delete it.</source>
        <translation>Um texto digitado numa sessão anterior não foi salvo. Caracteres: %1.

Deseja salvá-lo? Clicando em Não, ele será apagado.</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>Não foi possível gravar %1</translation>
    </message>
    <message>
        <source>The letter set %1 is damaged: %2 of its characters load, and typing goes on with those.<byte value="xd"/>
<byte value="xd"/>
&quot;pictype-letters check&quot; tells more.</source>
        <translation>O conjunto de letras %1 está danificado: %2 dos seus caracteres carregam, e a digitação continua com eles.

&quot;pictype-letters check&quot; dá mais detalhes.</translation>
    </message>
    <message>
        <source>&amp;Speak</source>
        <translation>&amp;Falar</translation>
    </message>
    <message>
        <source>On this desktop the lock cannot keep the desktop&apos;s own shortcuts (switching and closing windows, its overview): it keeps only the Esc hold.</source>
        <translation>Nesta área de trabalho a trava não consegue segurar os atalhos da própria área de trabalho (trocar e fechar janelas, a visão geral): ela mantém só o Esc pressionado.</translation>
    </message>
    <message>
        <source>The desktop did not let the lock keep its own shortcuts, so while the canvas was up only the Esc hold kept it. The desktop&apos;s settings for this program can allow it.</source>
        <translation>A área de trabalho não deixou a trava segurar os atalhos dela, então enquanto a tela de digitação esteve aberta só o Esc pressionado a manteve. As configurações da área de trabalho para este programa podem permitir isso.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Picture Files</source>
        <translation>Arquivos de imagem</translation>
    </message>
    <message>
        <source>%1 is too large to show: %2 x %3 pixels.</source>
        <translation>%1 é grande demais para ser mostrada: %2 x %3 pixels.</translation>
    </message>
    <message>
        <source>%1 is apparently not a picture.</source>
        <translation>%1 aparentemente não é uma imagem.</translation>
    </message>
</context>
<context>
    <name>Pictype</name>
    <message>
        <source>Pictype Viewer won&apos;t run without unzip32.dll or letters.zip</source>
        <translation>O Pictype Viewer não funciona sem unzip32.dll ou letters.zip</translation>
    </message>
    <message>
        <source>Could not unzip %1</source>
        <translation>Não foi possível descompactar %1</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erro inesperado</translation>
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
