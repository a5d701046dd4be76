<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CheckSpraysDialog</name>
    <message numerus="yes">
        <source>Mods checked: %1. Problems found: %n.</source>
        <translation>
            <numerusform>Mods verificados: %1. Problemas encontrados: %n.</numerusform>
            <numerusform>Mods verificados: %1. Problemas encontrados: %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameConfig</name>
    <message>
        <source>a start of the Windows game</source>
        <translation>a inicialização do jogo no Windows</translation>
    </message>
    <message>
        <source>a start of the Linux game</source>
        <translation>a inicialização do jogo no Linux</translation>
    </message>
    <message>
        <source>a start of Xash3D</source>
        <translation>a inicialização do Xash3D</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <translation>%1, linha %2</translation>
    </message>
    <message>
        <source>the engine&apos;s default</source>
        <translation>valor padrão do motor</translation>
    </message>
    <message>
        <source>After the game quits and starts again, %1 ends with %2 &quot;%3&quot; (%4).</source>
        <translation>Depois que o jogo é fechado e aberto de novo, %1 termina com %2 em &quot;%3&quot; (%4).</translation>
    </message>
    <message>
        <source>%1 ends with %2 &quot;%3&quot; (%4).</source>
        <translation>%1 termina com %2 em &quot;%3&quot; (%4).</translation>
    </message>
    <message>
        <source>Quit the game first: it writes config.cfg as it quits, which would undo the change.</source>
        <translation>Feche o jogo primeiro: ele grava o config.cfg ao fechar, o que desfaria a alteração.</translation>
    </message>
    <message>
        <source>The mod folder %1 cannot be opened: %2</source>
        <translation>A pasta do mod %1 não pode ser aberta: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2), so whether it turns %3 off is not known; nothing was changed.</source>
        <translation>Não foi possível ler %1 (%2), então não dá para saber se ele desativa %3; nada foi alterado.</translation>
    </message>
    <message>
        <source>%1 is already on in %2.</source>
        <translation>%1 já está ativado em %2.</translation>
    </message>
    <message>
        <source>%1 is a link: change %2 in the file it leads to.</source>
        <translation>%1 é um link: altere %2 no arquivo para o qual ele aponta.</translation>
    </message>
    <message>
        <source>%1 could not be changed: %2</source>
        <translation>Não foi possível alterar %1: %2</translation>
    </message>
    <message>
        <source>%1 line %2 now sets %3 to %4 (it was &quot;%5&quot;); the file as it was is kept as %6.</source>
        <translation>%1, linha %2, agora define %3 como %4 (era &quot;%5&quot;); o arquivo original foi guardado como %6.</translation>
    </message>
    <message>
        <source>But the game would still turn it off: %1</source>
        <translation>Mas o jogo ainda o desativaria: %1</translation>
    </message>
    <message>
        <source>Another program is writing %1; try again when it has finished.</source>
        <translation>Outro programa está gravando %1; tente de novo quando ele terminar.</translation>
    </message>
    <message>
        <source>it cannot be read or is larger than 256 KB</source>
        <translation>não pode ser lido ou é maior que 256 KB</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>SprayCheck</name>
    <message>
        <source>%1 line %2</source>
        <translation>%1, linha %2</translation>
    </message>
    <message>
        <source>Not read: %1.</source>
        <translation>Não foi possível ler: %1.</translation>
    </message>
    <message>
        <source>The mod folder cannot be opened: %1</source>
        <translation>A pasta do mod não pode ser aberta: %1</translation>
    </message>
    <message>
        <source>No tempdecal.wad: the game has no spray to send. Use &quot;Create Sprays&quot;.</source>
        <translation>Sem tempdecal.wad: o jogo não tem spray para enviar. Use &quot;Criar sprays&quot;.</translation>
    </message>
    <message>
        <source>tempdecal.wad is not a plain file: the game cannot use it.</source>
        <translation>O tempdecal.wad não é um arquivo comum: o jogo não consegue usá-lo.</translation>
    </message>
    <message>
        <source>tempdecal.wad cannot be read, or is far larger than any spray.</source>
        <translation>O tempdecal.wad não pode ser lido ou é muito maior que qualquer spray.</translation>
    </message>
    <message>
        <source>The game will not use it: %1</source>
        <translation>O jogo não vai usá-lo: %1</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 pixels</translation>
    </message>
    <message>
        <source>The spray Velmira installed, %1.</source>
        <translation>O spray que o Velmira instalou, %1.</translation>
    </message>
    <message>
        <source>Replaced since Velmira installed its spray here, %1: the game&apos;s Options screen writes its logo over it when you press OK there.</source>
        <translation>Substituído depois que o Velmira instalou o spray aqui, %1: a tela de Opções do jogo grava o logo dela por cima quando você clica em OK lá.</translation>
    </message>
    <message>
        <source>A spray Velmira did not install, %1.</source>
        <translation>Um spray que não foi instalado pelo Velmira, %1.</translation>
    </message>
    <message>
        <source>Not checked. %1</source>
        <translation>Não verificado. %1</translation>
    </message>
    <message>
        <source>No spray the game takes.</source>
        <translation>Nenhum spray que o jogo aceite.</translation>
    </message>
    <message>
        <source>The Options screen has the logo &quot;%1&quot; (%2) chosen.</source>
        <translation>A tela de Opções está com o logo &quot;%1&quot; (%2) escolhido.</translation>
    </message>
    <message>
        <source>Read-only: the Options screen cannot replace it. %1</source>
        <translation>Somente leitura: a tela de Opções não consegue substituí-lo. %1</translation>
    </message>
    <message>
        <source>Not protected: pressing OK in Options writes the logo &quot;%1&quot; over it.</source>
        <translation>Sem proteção: clicar em OK nas Opções grava o logo &quot;%1&quot; por cima dele.</translation>
    </message>
    <message>
        <source>No cache yet: the game makes one as it sees sprays.</source>
        <translation>Ainda sem cache: o jogo cria um conforme vê sprays.</translation>
    </message>
    <message>
        <source>custom.hpk is not a plain file.</source>
        <translation>O custom.hpk não é um arquivo comum.</translation>
    </message>
    <message numerus="yes">
        <source>%1; sprays kept: %n</source>
        <translation>
            <numerusform>%1; sprays guardados: %n</numerusform>
            <numerusform>%1; sprays guardados: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Not Xash3D.</source>
        <translation>Não é Xash3D.</translation>
    </message>
    <message>
        <source>Velmira installed no logo here. %1</source>
        <translation>O Velmira não instalou nenhum logo aqui. %1</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Spray</translation>
    </message>
    <message>
        <source>Others see it</source>
        <translation>Os outros veem</translation>
    </message>
    <message>
        <source>You see theirs</source>
        <translation>Você vê os deles</translation>
    </message>
    <message>
        <source>Every server</source>
        <translation>Todo servidor</translation>
    </message>
    <message>
        <source>It stays</source>
        <translation>Permanece</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>Xash3D logo</source>
        <translation>Logo do Xash3D</translation>
    </message>
    <message>
        <source>Turn &amp;Uploads On</source>
        <translation>Ativar &amp;uploads</translation>
    </message>
    <message>
        <source>Turn &amp;Downloads On</source>
        <translation>Ativar &amp;downloads</translation>
    </message>
    <message>
        <source>Make &amp;Every-Server Size…</source>
        <translation>&amp;Tamanho para todo servidor…</translation>
    </message>
    <message>
        <source>&amp;Protect</source>
        <translation>&amp;Proteger</translation>
    </message>
    <message>
        <source>Xash3D builds tempdecal.wad from the logo chosen in Customize each time it joins a server.</source>
        <translation>O Xash3D cria o tempdecal.wad a partir do logo escolhido em Personalizar toda vez que entra em um servidor.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>não é arquivo</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegível</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>recusado</translation>
    </message>
    <message>
        <source>Velmira&apos;s</source>
        <translation>do Velmira</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>substituído</translation>
    </message>
    <message>
        <source>another</source>
        <translation>outro</translation>
    </message>
    <message>
        <source>Xash3D scales the logo it sends itself.</source>
        <translation>O próprio Xash3D redimensiona o logo que envia.</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1: every server shows it.</source>
        <translation>%1: aparece em todos os servidores.</translation>
    </message>
    <message>
        <source>%1: servers that keep sprays to 64 × 64 do not show it.</source>
        <translation>%1: servidores que limitam os sprays a 64 × 64 não o mostram.</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>somente leitura</translation>
    </message>
    <message>
        <source>not protected</source>
        <translation>sem proteção</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>nenhum ainda</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>danificado</translation>
    </message>
    <message>
        <source>custom.hpk cannot be read (%1); the game deletes a damaged cache when it starts.</source>
        <translation>Não foi possível ler o custom.hpk (%1); o jogo apaga um cache danificado ao iniciar.</translation>
    </message>
    <message>
        <source>%1. The game empties it itself when it grows past 4 MB.</source>
        <translation>%1. O próprio jogo esvazia o cache quando ele passa de 4 MB.</translation>
    </message>
    <message>
        <source>not opened</source>
        <translation>pasta inacessível</translation>
    </message>
    <message>
        <source>Xash3D rewrites tempdecal.wad itself.</source>
        <translation>O próprio Xash3D regrava o tempdecal.wad.</translation>
    </message>
    <message>
        <source>Decals</source>
        <translation>Decals</translation>
    </message>
    <message>
        <source>Turn Decal&amp;s On</source>
        <translation>Ativar decal&amp;s</translation>
    </message>
    <message>
        <source>If it still fails on one server, the server may refuse uploads or large sprays (sv_allowupload, sv_allowdownload, sv_send_logos, sv_rehlds_allow_large_sprays): no file of yours changes that.</source>
        <translation>Se ainda assim falhar em algum servidor, pode ser que o servidor recuse uploads ou sprays grandes (sv_allowupload, sv_allowdownload, sv_send_logos, sv_rehlds_allow_large_sprays): nenhum arquivo seu muda isso.</translation>
    </message>
    <message>
        <source>at a start of the Windows game</source>
        <translation>ao iniciar o jogo no Windows</translation>
    </message>
    <message>
        <source>at a start of the Linux game</source>
        <translation>ao iniciar o jogo no Linux</translation>
    </message>
    <message>
        <source>at a start of Xash3D</source>
        <translation>ao iniciar o Xash3D</translation>
    </message>
    <message>
        <source>the engine&apos;s default</source>
        <translation>valor padrão do motor</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ativado</translation>
    </message>
    <message>
        <source>On: %1.</source>
        <translation>Ativado: %1.</translation>
    </message>
    <message>
        <source>default</source>
        <translation>padrão</translation>
    </message>
    <message>
        <source>off in %1</source>
        <translation>desativado (%1)</translation>
    </message>
    <message>
        <source>sends .%1</source>
        <translation>envia .%1</translation>
    </message>
    <message>
        <source>Xash3D sends logos/remapped.%1, not Velmira&apos;s PNG logo (%2): choose Velmira&apos;s logo in Customize.</source>
        <translation>O Xash3D envia logos/remapped.%1 (%2), e não o logo PNG do Velmira: escolha o logo do Velmira em Personalizar.</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>nenhum escolhido</translation>
    </message>
    <message>
        <source>There is no logos/remapped.png, the picture Xash3D sends: choose Velmira&apos;s logo in Customize.</source>
        <translation>Não existe logos/remapped.png, a imagem que o Xash3D envia: escolha o logo do Velmira em Personalizar.</translation>
    </message>
    <message>
        <source>another logo</source>
        <translation>outro logo</translation>
    </message>
    <message>
        <source>Xash3D sends logos/remapped.png, which is not the logo Velmira installed: choose Velmira&apos;s logo in Customize.</source>
        <translation>O Xash3D envia logos/remapped.png, que não é o logo que o Velmira instalou: escolha o logo do Velmira em Personalizar.</translation>
    </message>
    <message>
        <source>Xash3D sends the logo Velmira installed.</source>
        <translation>O Xash3D envia o logo que o Velmira instalou.</translation>
    </message>
    <message>
        <source>Uploads are off (%1, %2): servers never get your spray.</source>
        <translation>Os uploads estão desativados (%1, %2): os servidores nunca recebem o seu spray.</translation>
    </message>
    <message>
        <source>Downloads are off (%1, %2): you see no one else&apos;s spray.</source>
        <translation>Os downloads estão desativados (%1, %2): você não vê o spray de mais ninguém.</translation>
    </message>
    <message>
        <source>Downloads during a game are off (%1, %2): you do not see the sprays of players who join after you.</source>
        <translation>Os downloads durante a partida estão desativados (%1, %2): você não vê os sprays dos jogadores que entram depois de você.</translation>
    </message>
    <message>
        <source>No decals are drawn (%1, %2): no one&apos;s spray shows.</source>
        <translation>Nenhum decal é desenhado (%1, %2): nenhum spray aparece.</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>não lido</translation>
    </message>
    <message>
        <source>%1 is already on in %2.</source>
        <translation>%1 já está ativado em %2.</translation>
    </message>
</context>
<context>
    <name>SprayReport</name>
    <message>
        <source>Half-Life, Windows client</source>
        <translation>Half-Life, cliente Windows</translation>
    </message>
    <message>
        <source>Half-Life, Linux client</source>
        <translation>Half-Life, cliente Linux</translation>
    </message>
    <message>
        <source>Xash3D FWGS</source>
        <translation>Xash3D FWGS</translation>
    </message>
    <message>
        <source>Starts checked: %1</source>
        <translation>Inicializações verificadas: %1</translation>
    </message>
</context>
<context>
    <name>qlumpy</name>
    <message>
        <source>%1 is a link; the WAD is not written through it</source>
        <translation>%1 é um link; o WAD não é gravado através dele</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>usage: qlumpy [--many-lumps] SCRIPT</source>
        <translation>uso: qlumpy [--many-lumps] SCRIPT</translation>
    </message>
    <message>
        <source>cannot read the script: %1</source>
        <translation>não foi possível ler o script: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the script and what is wrong</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>não foi possível gravar %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>o disco pode estar cheio</translation>
    </message>
    <message numerus="yes">
        <source>%1: the script names %n lumps; a spray holds one</source>
        <translation>
            <numerusform>%1: o script cita %n lump; um spray tem só um</numerusform>
            <numerusform>%1: o script cita %n lumps; um spray tem só um</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>About Velmira</source>
        <translation>Sobre o Velmira</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>The easiest way to switch between color Half-Life sprays!</source>
        <translation>O jeito mais fácil de trocar de spray colorido no Half-Life!</translation>
    </message>
    <message>
        <source>Written by the Velmira developers</source>
        <translation>Escrito pelos desenvolvedores do Velmira</translation>
    </message>
    <message>
        <source>Comments and problems: see ReadMe.txt</source>
        <translation>Comentários e problemas: veja o ReadMe.txt</translation>
    </message>
    <message>
        <source>Velmira: colour sprays for every Half-Life mod</source>
        <translation>Velmira: sprays coloridos para todo mod de Half-Life</translation>
    </message>
    <message>
        <source>Made by players, for players</source>
        <translation>Feito por jogadores, para jogadores</translation>
    </message>
    <message>
        <source>(C) the Velmira developers. GPL-3.0-or-later, with NO WARRANTY. See ReadMe.txt for details.</source>
        <translation>(C) os desenvolvedores do Velmira. GPL-3.0-or-later, SEM NENHUMA GARANTIA. Detalhes no ReadMe.txt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>velmira::Cache</name>
    <message>
        <source>%1: it is a link</source>
        <translation>%1: é um link</translation>
    </message>
    <message>
        <source>%1: it is not a file</source>
        <translation>%1: não é um arquivo</translation>
    </message>
    <message>
        <source>%1: it cannot be read</source>
        <translation>%1: não pode ser lido</translation>
    </message>
    <message>
        <source>%1 is in the way and is not a file</source>
        <translation>Já existe algo em %1 que não é um arquivo</translation>
    </message>
    <message>
        <source>it is no longer a plain file</source>
        <translation>não é mais um arquivo comum</translation>
    </message>
    <message>
        <source>Clear Cached Sprays</source>
        <translation>Limpar sprays em cache</translation>
    </message>
    <message>
        <source>Select the mods whose cached sprays you want to clear.</source>
        <translation>Selecione os mods cujos sprays em cache você quer limpar.</translation>
    </message>
    <message>
        <source>The game is running from %1. Quit it before clearing its cached sprays: it keeps the cache open and writes it back.</source>
        <translation>O jogo está rodando a partir de %1. Feche-o antes de limpar os sprays em cache: ele mantém o cache aberto e o grava de volta.</translation>
    </message>
    <message>
        <source>None of the selected mods has cached sprays (%1).</source>
        <translation>Nenhum dos mods selecionados tem sprays em cache (%1).</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a cache file and its size</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a cache file and what went wrong</comment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>These cache files were left alone:</source>
        <translation>
            <numerusform>Este arquivo de cache não foi mexido:</numerusform>
            <numerusform>Estes arquivos de cache não foram mexidos:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>custom.hpk holds the sprays of other players the game has seen on servers, so an old spray can show instead of a new one. The game builds it again as it needs.<byte value="xd"/><byte value="xd"/>Each of these is moved to custom.hpk.old beside it (an older custom.hpk.old is replaced):</source>
        <translation>
            <numerusform>O custom.hpk guarda os sprays de outros jogadores que o jogo viu nos servidores, por isso um spray antigo pode aparecer no lugar do novo. O jogo cria o arquivo de novo quando precisa.<byte value="xd"/><byte value="xd"/>Este arquivo é movido para custom.hpk.old ao lado dele (um custom.hpk.old mais antigo é substituído):</numerusform>
            <numerusform>O custom.hpk guarda os sprays de outros jogadores que o jogo viu nos servidores, por isso um spray antigo pode aparecer no lugar do novo. O jogo cria o arquivo de novo quando precisa.<byte value="xd"/><byte value="xd"/>Cada um destes é movido para custom.hpk.old ao lado dele (um custom.hpk.old mais antigo é substituído):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Could not clear these cached sprays:</source>
        <translation>
            <numerusform>Não foi possível limpar este cache de sprays:</numerusform>
            <numerusform>Não foi possível limpar estes caches de sprays:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::Categories</name>
    <message>
        <source>WARNING: Spray folder does not exist:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Please verify your spray folder.</source>
        <translation>AVISO: a pasta de sprays não existe:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Confira sua pasta de sprays.</translation>
    </message>
    <message>
        <source>Please set your Spray folder.</source>
        <translation>Defina sua pasta de sprays.</translation>
    </message>
    <message>
        <source>Invalid spray folder!</source>
        <translation>Pasta de sprays inválida!</translation>
    </message>
    <message>
        <source>WARNING: Folder does not exist:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Try hitting refresh or varify your spray folder.</source>
        <translation>AVISO: a pasta não existe:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Tente clicar em Atualizar ou confira sua pasta de sprays.</translation>
    </message>
    <message>
        <source>&lt;Favorites&gt;</source>
        <translation>&lt;Favoritos&gt;</translation>
    </message>
</context>
<context>
    <name>velmira::CheckSpraysDialog</name>
    <message>
        <source>Check Sprays</source>
        <translation>Verificar sprays</translation>
    </message>
    <message>
        <source>Spray checks, a row for each mod</source>
        <translation>Verificações de spray, uma linha para cada mod</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Verificando…</translation>
    </message>
    <message>
        <source>Open the spray maker on the mod&apos;s spray picture with the every-server size chosen</source>
        <translation>Abre a janela Fazer spray com a imagem do spray do mod e o tamanho Todo servidor escolhido</translation>
    </message>
    <message>
        <source>Leave the sprays Velmira installed read-only, as &quot;Protect Sprays from the Game&quot; does</source>
        <translation>Deixa os sprays que o Velmira instalou como somente leitura, como faz &quot;Proteger sprays contra o jogo&quot;</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>&amp;Verificar de novo</translation>
    </message>
    <message>
        <source>No mods to check: set the Half-Life folder in File Locations.</source>
        <translation>Nenhum mod para verificar: defina a pasta do Half-Life em Locais dos arquivos.</translation>
    </message>
    <message>
        <source>The spray maker is open with the every-server size chosen: save the spray, then use &quot;Create Sprays&quot;.</source>
        <translation>A janela Fazer spray está aberta com o tamanho Todo servidor escolhido: salve o spray e depois use &quot;Criar sprays&quot;.</translation>
    </message>
    <message>
        <source>Quit the game first: its Options screen may be writing the spray.</source>
        <translation>Feche o jogo primeiro: a tela de Opções dele pode estar gravando o spray.</translation>
    </message>
    <message>
        <source>The sprays Velmira installed are now read-only.</source>
        <translation>Os sprays que o Velmira instalou agora são somente leitura.</translation>
    </message>
    <message>
        <source>The report is on the clipboard.</source>
        <translation>O relatório foi copiado para a área de transferência.</translation>
    </message>
    <message>
        <source>Set cl_allowupload to 1 on every line that turns it off in the files the game runs, keeping a copy of each file as it was</source>
        <translation>Define cl_allowupload como 1 em cada linha que o desativa nos arquivos que o jogo executa, guardando uma cópia de cada arquivo como estava</translation>
    </message>
    <message>
        <source>Set cl_allowdownload and cl_download_ingame to 1 on every line that turns them off in the files the game runs, keeping a copy of each file as it was</source>
        <translation>Define cl_allowdownload e cl_download_ingame como 1 em cada linha que os desativa nos arquivos que o jogo executa, guardando uma cópia de cada arquivo como estava</translation>
    </message>
    <message>
        <source>Set mp_decals and r_decals back to the game&apos;s own numbers on every line that sets them to 0, keeping a copy of each file as it was</source>
        <translation>Restaura mp_decals e r_decals para os valores do próprio jogo em cada linha que os define como 0, guardando uma cópia de cada arquivo como estava</translation>
    </message>
    <message>
        <source>Copy &amp;Report</source>
        <translation>Copiar &amp;relatório</translation>
    </message>
    <message>
        <source>Put the checks on the clipboard as plain text, to paste into a forum or a bug report (Ctrl+Shift+C)</source>
        <translation>Copia as verificações para a área de transferência como texto simples, para colar num fórum ou num relatório de bug (Ctrl+Shift+C)</translation>
    </message>
</context>
<context>
    <name>velmira::Compiler</name>
    <message>
        <source>Could not make a private folder for the compiler&apos;s files in %1<byte value="xd"/>%2</source>
        <translation>Não foi possível criar uma pasta privada para os arquivos do compilador em %1<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>velmira::Create</name>
    <message>
        <source>Error compiling. Check BMP format and dimentions.<byte value="xd"/>File: %1</source>
        <translation>Erro ao compilar. Confira o formato e as dimensões do BMP.<byte value="xd"/>Arquivo: %1</translation>
    </message>
    <message>
        <source>Error creating spray!</source>
        <translation>Erro ao criar o spray!</translation>
    </message>
    <message>
        <source>Could not install the spray in %1<byte value="xd"/>%2</source>
        <translation>Não foi possível instalar o spray em %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Could not use the folder %1<byte value="xd"/>%2</source>
        <translation>Não foi possível usar a pasta %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>todos os nomes possíveis já estão em uso</translation>
    </message>
    <message>
        <source>The game is running from %1.<byte value="xd"/>It reads your spray when it starts a map, and its Options screen may replace the spray when you press OK or Apply there.<byte value="xd"/><byte value="xd"/>Install the sprays now?</source>
        <translation>O jogo está rodando a partir de %1.<byte value="xd"/>Ele lê o seu spray ao iniciar um mapa, e a tela de Opções pode substituir o spray se você clicar em OK ou Aplicar lá.<byte value="xd"/><byte value="xd"/>Instalar os sprays agora?</translation>
    </message>
    <message>
        <source>The game would not use this spray, so it was not installed:<byte value="xd"/>%1</source>
        <translation>O jogo não usaria este spray, então ele não foi instalado:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Could not find Qlumpy.exe!</source>
        <translation>Qlumpy.exe não encontrado!</translation>
    </message>
    <message>
        <source>Spray(s) Created!</source>
        <translation>Spray(s) criado(s)!</translation>
    </message>
    <message>
        <source>Could not find %1</source>
        <translation>%1 não encontrado</translation>
    </message>
</context>
<context>
    <name>velmira::ErrorReport</name>
    <message>
        <source>If this happens repeatedly, please let me know exactly what it says below.<byte value="xd"/>Error # %1<byte value="xd"/>Source: %2<byte value="xd"/>Dll: %3<byte value="xd"/>Sub: %4-%5</source>
        <translation>Se isso acontecer várias vezes, me avise exatamente o que está escrito abaixo.<byte value="xd"/>Erro nº %1<byte value="xd"/>Origem: %2<byte value="xd"/>Dll: %3<byte value="xd"/>Procedimento: %4-%5</translation>
    </message>
</context>
<context>
    <name>velmira::Failure</name>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Caminho não encontrado</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Índice fora do intervalo</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Erro de E/S do dispositivo</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>O arquivo já existe</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>erro do sistema %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
</context>
<context>
    <name>velmira::Folders</name>
    <message>
        <source>WARNING: Cannot find Half-Life in that folder!<byte value="xd"/>You might just have some different version I don&apos;t know about.<byte value="xd"/>Do you want to force VELMR to use the path you entered?</source>
        <translation>AVISO: o Half-Life não foi encontrado nessa pasta!<byte value="xd"/>Talvez você só tenha uma versão diferente que eu não conheço.<byte value="xd"/>Quer obrigar o VELMR a usar o caminho que você digitou?</translation>
    </message>
    <message>
        <source>WARNING: Half-Life folder does not exist!</source>
        <translation>AVISO: a pasta do Half-Life não existe!</translation>
    </message>
    <message>
        <source>WARNING: Spray folder does not exist!</source>
        <translation>AVISO: a pasta de sprays não existe!</translation>
    </message>
</context>
<context>
    <name>velmira::FramingView</name>
    <message>
        <source>Picture under the spray&apos;s frame</source>
        <translation>Imagem sob a moldura do spray</translation>
    </message>
    <message>
        <source>Drag to move the picture, turn the wheel to zoom; the arrow keys move it by one pixel, with Shift by ten</source>
        <translation>Arraste para mover a imagem, gire a roda para dar zoom; as setas movem um pixel, com Shift dez</translation>
    </message>
    <message>
        <source>Reading the picture…</source>
        <translation>Lendo a imagem…</translation>
    </message>
</context>
<context>
    <name>velmira::Held</name>
    <message>
        <source>No spray is installed here.</source>
        <translation>Nenhum spray instalado aqui.</translation>
    </message>
    <message>
        <source>The spray Velmira installed here has been removed.</source>
        <translation>O spray que o Velmira instalou aqui foi removido.</translation>
    </message>
    <message>
        <source>The spray file cannot be read: %1</source>
        <translation>O arquivo do spray não pode ser lido: %1</translation>
    </message>
    <message>
        <source>The spray Velmira installed here.</source>
        <translation>O spray que o Velmira instalou aqui.</translation>
    </message>
    <message>
        <source>Replaced since Velmira installed its spray here (the game&apos;s Options screen rewrites it when you press OK or Apply there).</source>
        <translation>Substituído depois que o Velmira instalou o spray aqui (a tela de Opções do jogo o regrava quando você clica em OK ou Aplicar lá).</translation>
    </message>
    <message>
        <source>A spray Velmira did not install.</source>
        <translation>Um spray que não foi instalado pelo Velmira.</translation>
    </message>
    <message>
        <source> The game cannot show it.</source>
        <translation> O jogo não consegue exibi-lo.</translation>
    </message>
</context>
<context>
    <name>velmira::Help</name>
    <message>
        <source>Cannot find the help file:<byte value="xd"/>%1</source>
        <translation>Arquivo de ajuda não encontrado:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Velmira Help</source>
        <translation>Ajuda do Velmira</translation>
    </message>
</context>
<context>
    <name>velmira::LocationsDialog</name>
    <message>
        <source>File Locations</source>
        <translation>Locais dos arquivos</translation>
    </message>
    <message>
        <source>Half-Life Folder:</source>
        <translation>Pasta do Half-Life:</translation>
    </message>
    <message>
        <source>Spray Folder:</source>
        <translation>Pasta de sprays:</translation>
    </message>
    <message>
        <source>Found in Steam…</source>
        <translation>Encontrados na Steam…</translation>
    </message>
    <message>
        <source>Games found in your Steam libraries</source>
        <translation>Jogos encontrados nas suas bibliotecas da Steam</translation>
    </message>
    <message>
        <source>Games found in Steam</source>
        <translation>Jogos encontrados na Steam</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>velmira::MainWindow</name>
    <message>
        <source>Open the spray folder</source>
        <translation>Abrir a pasta de sprays</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Show Preview</source>
        <translation>Mostrar prévia</translation>
    </message>
    <message>
        <source>Apply to Selected</source>
        <translation>Aplicar aos selecionados</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Remover dos selecionados</translation>
    </message>
    <message>
        <source>Create Sprays</source>
        <translation>Criar sprays</translation>
    </message>
    <message>
        <source>Frame the chosen picture into a spray, see it as the game draws it, and save it to the library</source>
        <translation>Enquadre a imagem escolhida como spray, veja como o jogo a desenha e salve na biblioteca</translation>
    </message>
    <message>
        <source>Browse the sprays the game kept from servers, and keep the ones you like</source>
        <translation>Veja os sprays que o jogo guardou dos servidores e fique com os que você curtir</translation>
    </message>
    <message>
        <source>Leave each installed tempdecal.wad read-only, so that the game&apos;s Options screen cannot replace your spray</source>
        <translation>Deixa cada tempdecal.wad instalado como somente leitura, para que a tela de Opções do jogo não substitua o seu spray</translation>
    </message>
    <message>
        <source>As the System</source>
        <translation>Igual ao sistema</translation>
    </message>
    <message>
        <source>Click on the help menu if you have</source>
        <translation>Abra o menu Ajuda se você</translation>
    </message>
    <message>
        <source>not used VELMR before.</source>
        <translation>nunca usou o VELMR.</translation>
    </message>
    <message>
        <source>Could not find ReadMe.txt!</source>
        <translation>ReadMe.txt não encontrado!</translation>
    </message>
    <message>
        <source>File Not Found!</source>
        <translation>Arquivo não encontrado!</translation>
    </message>
    <message>
        <source>&amp;Make Spray…</source>
        <comment>spray list menu</comment>
        <translation>&amp;Fazer spray…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;File Locations...</source>
        <comment>File menu</comment>
        <translation>&amp;Locais dos arquivos...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Make Spray…</source>
        <comment>File menu</comment>
        <translation>&amp;Fazer spray…</translation>
    </message>
    <message>
        <source>Sprays Seen in &amp;Games…</source>
        <comment>File menu</comment>
        <translation>Sprays vistos nas &amp;partidas…</translation>
    </message>
    <message>
        <source>&amp;Protect Sprays from the Game</source>
        <comment>File menu</comment>
        <translation>Proteger &amp;sprays contra o jogo</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <comment>File menu</comment>
        <translation>I&amp;dioma</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <comment>Help menu</comment>
        <translation>&amp;Conteúdo...</translation>
    </message>
    <message>
        <source>&amp;View ReadMe.txt ...</source>
        <comment>Help menu</comment>
        <translation>&amp;Ver ReadMe.txt ...</translation>
    </message>
    <message>
        <source>&amp;About VELMR ...</source>
        <comment>Help menu</comment>
        <translation>&amp;Sobre o VELMR ...</translation>
    </message>
    <message>
        <source>See for each mod whether others will see your spray, and you theirs, and put right what can safely be</source>
        <translation>Veja, em cada mod, se os outros vão ver o seu spray e você o deles, e corrija o que dá para corrigir com segurança</translation>
    </message>
    <message>
        <source>Choose the spray&apos;s picture in the spray list (or assign it to %1), then choose this fix again.</source>
        <translation>Escolha a imagem do spray na lista de sprays (ou atribua uma a %1) e depois escolha esta correção de novo.</translation>
    </message>
    <message>
        <source>The spray maker could not be opened on %1.</source>
        <translation>Não foi possível abrir a janela Fazer spray com %1.</translation>
    </message>
    <message>
        <source>Make Spray</source>
        <translation>Fazer spray</translation>
    </message>
    <message>
        <source>Set your spray folder first: the spray maker saves into it.</source>
        <translation>Defina primeiro a sua pasta de sprays: a janela Fazer spray salva nela.</translation>
    </message>
    <message>
        <source>Cannot make a spray of %1</source>
        <translation>Não é possível fazer um spray de %1</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Sprays in the category</source>
        <translation>Sprays da categoria</translation>
    </message>
    <message>
        <source>Mods</source>
        <translation>Mods</translation>
    </message>
    <message>
        <source>Spray preview</source>
        <translation>Prévia do spray</translation>
    </message>
    <message>
        <source>&amp;Clear Cached Sprays…</source>
        <comment>File menu</comment>
        <translation>Limpar sprays em &amp;cache…</translation>
    </message>
    <message>
        <source>Chec&amp;k Sprays…</source>
        <comment>File menu</comment>
        <translation>&amp;Verificar sprays…</translation>
    </message>
</context>
<context>
    <name>velmira::Maker</name>
    <message>
        <source>Choose a picture in the spray list first.</source>
        <translation>Escolha primeiro uma imagem na lista de sprays.</translation>
    </message>
    <message>
        <source>The spray maker makes sprays from pictures; %1 is already a spray.</source>
        <translation>A janela Fazer spray cria sprays a partir de imagens; %1 já é um spray.</translation>
    </message>
</context>
<context>
    <name>velmira::MakerDialog</name>
    <message>
        <source>Make Spray - %1</source>
        <translation>Fazer spray - %1</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Enquadramento</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>&amp;Zoom:</source>
        <translation>&amp;Zoom:</translation>
    </message>
    <message>
        <source>F&amp;it</source>
        <translation>Encai&amp;xar</translation>
    </message>
    <message>
        <source>The whole picture inside the frame</source>
        <translation>A imagem inteira dentro da moldura</translation>
    </message>
    <message>
        <source>Fi&amp;ll</source>
        <translation>&amp;Preencher</translation>
    </message>
    <message>
        <source>The frame covered by the picture</source>
        <translation>A moldura coberta pela imagem</translation>
    </message>
    <message>
        <source>&amp;Rotate 90°</source>
        <translation>&amp;Girar 90°</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>Espel&amp;har</translation>
    </message>
    <message>
        <source>See-through</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <source>A colour…</source>
        <translation>Uma cor…</translation>
    </message>
    <message>
        <source>&amp;Around the picture:</source>
        <translation>&amp;Ao redor da imagem:</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Largest the game takes</source>
        <translation>O maior que o jogo aceita</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <source>Every server (64 × 64 at most)</source>
        <translation>Todo servidor (no máximo 64 × 64)</translation>
    </message>
    <message>
        <source>Chosen freely</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>&amp;Width × height:</source>
        <translation>&amp;Largura × altura:</translation>
    </message>
    <message>
        <source>None (solid)</source>
        <translation>Nenhuma (opaca)</translation>
    </message>
    <message>
        <source>The picture&apos;s own transparency</source>
        <translation>A transparência da própria imagem</translation>
    </message>
    <message>
        <source>A colour, everywhere</source>
        <translation>Uma cor, em todo lugar</translation>
    </message>
    <message>
        <source>A colour, where it touches the edge</source>
        <translation>Uma cor, onde encosta na borda</translation>
    </message>
    <message>
        <source>Cut-off</source>
        <translation>Limiar</translation>
    </message>
    <message>
        <source>&amp;Cut-off:</source>
        <translation>Li&amp;miar:</translation>
    </message>
    <message>
        <source>&amp;Pick from the picture</source>
        <translation>Pega&amp;r da imagem</translation>
    </message>
    <message>
        <source>C&amp;olour…</source>
        <translation>&amp;Cor…</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerância</translation>
    </message>
    <message>
        <source>&amp;Tolerance:</source>
        <translation>Tol&amp;erância:</translation>
    </message>
    <message>
        <source>Remove the coloured &amp;fringe</source>
        <translation>Remover a &amp;franja colorida</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Sharp (pixel art)</source>
        <translation>Nítida (pixel art)</translation>
    </message>
    <message>
        <source>Scali&amp;ng:</source>
        <translation>E&amp;scala:</translation>
    </message>
    <message>
        <source>&amp;Dither</source>
        <translation>Pontilhame&amp;nto</translation>
    </message>
    <message>
        <source>In&amp;k…</source>
        <translation>T&amp;inta…</translation>
    </message>
    <message>
        <source>Checker</source>
        <translation>Xadrez</translation>
    </message>
    <message>
        <source>Light wall</source>
        <translation>Parede clara</translation>
    </message>
    <message>
        <source>Dark wall</source>
        <translation>Parede escura</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>Fun&amp;do:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Sal&amp;var</translation>
    </message>
    <message>
        <source>Colour around the picture</source>
        <translation>Cor ao redor da imagem</translation>
    </message>
    <message>
        <source>See-through colour</source>
        <translation>Cor transparente</translation>
    </message>
    <message>
        <source>Logo colour</source>
        <translation>Cor do logo</translation>
    </message>
    <message>
        <source>Cannot make a spray of %1<byte value="xd"/>%2</source>
        <translation>Não é possível fazer um spray de %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Make Spray</source>
        <translation>Fazer spray</translation>
    </message>
    <message>
        <source>one-colour logo</source>
        <translation>logo de uma cor</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n cor</numerusform>
            <numerusform>%n cores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 pixels, %3, WAD of %n bytes</source>
        <translation>
            <numerusform>%1 × %2 pixels, %3, WAD de %n byte</numerusform>
            <numerusform>%1 × %2 pixels, %3, WAD de %n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not save the spray in %1<byte value="xd"/>%2</source>
        <translation>Não foi possível salvar o spray em %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Siz&amp;e:</source>
        <translation>&amp;Tamanho:</translation>
    </message>
    <message>
        <source>Enlar&amp;ge small pictures</source>
        <translation>Ampliar imagens pe&amp;quenas</translation>
    </message>
    <message>
        <source>W&amp;hat:</source>
        <translation>M&amp;odo:</translation>
    </message>
    <message>
        <source>One-colo&amp;ur logo</source>
        <translation>Logo de &amp;uma cor</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>velmira::OpenFolder</name>
    <message>
        <source>File already exists</source>
        <translation>O arquivo já existe</translation>
    </message>
    <message>
        <source>another program changed %1 while it was being saved</source>
        <translation>outro programa alterou %1 enquanto era salvo</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>todos os nomes possíveis já estão em uso</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1 is in the way and is not a file</source>
        <translation>Já existe algo em %1 que não é um arquivo</translation>
    </message>
    <message>
        <source>cannot replace %1: it is not a file</source>
        <translation>não foi possível substituir %1: não é um arquivo</translation>
    </message>
    <message>
        <source>cannot write beside %1: %2</source>
        <translation>não foi possível gravar ao lado de %1: %2</translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation>não foi possível guardar uma cópia de %1: %2</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>não foi possível substituir %1: %2</translation>
    </message>
    <message>
        <source>it is a link, not a folder</source>
        <translation>é um link, não uma pasta</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>%1 is read-only, so it is left as it is</source>
        <translation>%1 é somente leitura, então foi mantido como está</translation>
    </message>
    <message>
        <source>it is a link that another user could have put there, which Velmira does not follow</source>
        <translation>é um link que outro usuário pode ter colocado ali, e o Velmira não o segue</translation>
    </message>
    <message>
        <source>the system did not give the new file the access rules of the one it replaces</source>
        <translation>o sistema não aplicou ao novo arquivo as permissões de acesso do arquivo que ele substitui</translation>
    </message>
    <message>
        <source>the link was changed while it was being followed</source>
        <translation>o link foi alterado enquanto era seguido</translation>
    </message>
</context>
<context>
    <name>velmira::Preview</name>
    <message>
        <source>one colour</source>
        <translation>uma cor</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n cor</numerusform>
            <numerusform>%n cores</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2, %3, scaled from %4 × %5</source>
        <translation>%1 × %2, %3, redimensionado de %4 × %5</translation>
    </message>
    <message>
        <source>%1 × %2, used as it is</source>
        <translation>%1 × %2, usado como está</translation>
    </message>
    <message>
        <source>%1 × %2, %3</source>
        <translation>%1 × %2, %3</translation>
    </message>
</context>
<context>
    <name>velmira::PreviewWidget</name>
    <message numerus="yes">
        <source>spray preview: %1 × %2, %n colours</source>
        <translation>
            <numerusform>prévia do spray: %1 × %2, %n cor</numerusform>
            <numerusform>prévia do spray: %1 × %2, %n cores</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::Protect</name>
    <message>
        <source>%1: %2</source>
        <comment>a mod and why its spray was not changed</comment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The sprays Velmira installed are now read-only, so that the game cannot replace them, in:</source>
        <translation>
            <numerusform>Os sprays que o Velmira instalou agora são somente leitura, para que o jogo não os substitua, neste mod:</numerusform>
            <numerusform>Os sprays que o Velmira instalou agora são somente leitura, para que o jogo não os substitua, nestes mods:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sprays Velmira installed can be replaced by the game again in:</source>
        <translation>
            <numerusform>O jogo pode voltar a substituir os sprays que o Velmira instalou neste mod:</numerusform>
            <numerusform>O jogo pode voltar a substituir os sprays que o Velmira instalou nestes mods:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>These could not be changed:</source>
        <translation>
            <numerusform>Este não pôde ser alterado:</numerusform>
            <numerusform>Estes não puderam ser alterados:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::Seen</name>
    <message>
        <source>The cache of %1 changed since the window read it (%2): press Refresh.</source>
        <translation>O cache de %1 mudou desde que a janela o leu (%2): clique em Atualizar.</translation>
    </message>
    <message>
        <source>another spray lies there now</source>
        <translation>agora há outro spray ali</translation>
    </message>
    <message>
        <source>No cache holds the spray: press Refresh.</source>
        <translation>Nenhum cache contém o spray: clique em Atualizar.</translation>
    </message>
    <message>
        <source>Seen in %1</source>
        <translation>Visto em %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 pixels, %n bytes</source>
        <translation>
            <numerusform>%1 × %2 pixels, %n byte</numerusform>
            <numerusform>%1 × %2 pixels, %n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Every server takes it</source>
        <translation>Todo servidor aceita</translation>
    </message>
    <message>
        <source>Servers that keep sprays to 64 × 64 will not show it</source>
        <translation>Servidores que limitam os sprays a 64 × 64 não vão mostrá-lo</translation>
    </message>
</context>
<context>
    <name>velmira::SeenDialog</name>
    <message numerus="yes">
        <source>Stopped: %n of the %1 were saved, the rest were not.</source>
        <translation>
            <numerusform>Interrompido: %n de %1 foi salvo; o resto, não.</numerusform>
            <numerusform>Interrompido: %n de %1 foram salvos; o resto, não.</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the Pictures in</source>
        <translation>Salvar as imagens em</translation>
    </message>
    <message>
        <source>Save as Picture</source>
        <translation>Salvar como imagem</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>Reading the caches…</source>
        <translation>Lendo os caches…</translation>
    </message>
    <message>
        <source>No sprays seen in games yet: the game keeps those it sees on servers in each mod&apos;s custom.hpk.</source>
        <translation>Ainda não há sprays vistos nas partidas: o jogo guarda os que vê nos servidores no custom.hpk de cada mod.</translation>
    </message>
    <message numerus="yes">
        <source>%n sprays seen.</source>
        <translation>
            <numerusform>%n spray visto.</numerusform>
            <numerusform>%n sprays vistos.</numerusform>
        </translation>
    </message>
    <message>
        <source>These caches could not be read (the game may be writing one: press Refresh):</source>
        <translation>Não foi possível ler estes caches (o jogo pode estar gravando um: clique em Atualizar):</translation>
    </message>
    <message>
        <source>Sprays Seen in Games</source>
        <translation>Sprays vistos nas partidas</translation>
    </message>
    <message>
        <source>&amp;Mod:</source>
        <translation>&amp;Mod:</translation>
    </message>
    <message>
        <source>All mods</source>
        <translation>Todos os mods</translation>
    </message>
    <message>
        <source>Sprays seen in games</source>
        <translation>Sprays vistos nas partidas</translation>
    </message>
    <message>
        <source>&amp;Save to Library</source>
        <translation>&amp;Salvar na biblioteca</translation>
    </message>
    <message>
        <source>Copy the chosen sprays, unchanged, into the category chosen in the main window</source>
        <translation>Copie os sprays escolhidos, sem alterações, para a categoria escolhida na janela principal</translation>
    </message>
    <message>
        <source>Save as &amp;Picture…</source>
        <translation>Salvar como &amp;imagem…</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Atualizar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Set your spray folder first: kept sprays are copied into it.</source>
        <translation>Defina primeiro a sua pasta de sprays: os sprays guardados são copiados para ela.</translation>
    </message>
    <message numerus="yes">
        <source>Saving %n sprays in %1…</source>
        <translation>
            <numerusform>Salvando %n spray em %1…</numerusform>
            <numerusform>Salvando %n sprays em %1…</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not save the spray in %1<byte value="xd"/>%2</source>
        <translation>Não foi possível salvar o spray em %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Could not save these pictures:<byte value="xd"/>%1</source>
        <translation>Não foi possível salvar estas imagens:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Saving the picture…</source>
        <translation>Salvando a imagem…</translation>
    </message>
    <message numerus="yes">
        <source>Saving %n pictures in %1…</source>
        <translation>
            <numerusform>Salvando %n imagem em %1…</numerusform>
            <numerusform>Salvando %n imagens em %1…</numerusform>
        </translation>
    </message>
    <message>
        <source>No game folder yet: set the Half-Life folder in File Locations.</source>
        <translation>A pasta do jogo ainda não foi definida: indique a pasta do Half-Life em Locais dos arquivos.</translation>
    </message>
</context>
<context>
    <name>velmira::SeenSave</name>
    <message>
        <source>every name for it is taken</source>
        <translation>todos os nomes possíveis já estão em uso</translation>
    </message>
    <message>
        <source>the spray has no picture the game draws</source>
        <translation>o spray não tem nenhuma imagem que o jogo desenhe</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>não foi possível criar a imagem</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::SeenSprayModel</name>
    <message>
        <source>%1, %2 at byte %3, %4 × %5 pixels</source>
        <translation>%1, %2 no byte %3, %4 × %5 pixels</translation>
    </message>
</context>
<context>
    <name>velmira::Settings</name>
    <message>
        <source>Could not save the settings to %1: it is not a settings file</source>
        <translation>Não foi possível salvar as configurações em %1: não é um arquivo de configurações</translation>
    </message>
    <message>
        <source>Could not save the settings to %1</source>
        <translation>Não foi possível salvar as configurações em %1</translation>
    </message>
</context>
<context>
    <name>velmira::SprayView</name>
    <message>
        <source>The spray as the game draws it</source>
        <translation>O spray como o jogo o desenha</translation>
    </message>
</context>
<context>
    <name>velmira::Sprays</name>
    <message>
        <source>it is larger than the %1 MB a spray picture may be</source>
        <translation>é maior que os %1 MB permitidos para uma imagem de spray</translation>
    </message>
    <message>
        <source>Set your spray folder first: dropped files are copied into it.</source>
        <translation>Defina primeiro a sua pasta de sprays: os arquivos arrastados para cá são copiados para ela.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it was not copied</comment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>These spray files in %1 are not listed: their names are not valid text, so they cannot be opened.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Rename them to use them.</source>
        <translation>
            <numerusform>Este arquivo de spray em %1 não aparece na lista: o nome dele não é um texto válido, então ele não pode ser aberto.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Renomeie-o para usá-lo.</numerusform>
            <numerusform>Estes arquivos de spray em %1 não aparecem na lista: os nomes deles não são texto válido, então eles não podem ser abertos.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Renomeie-os para usá-los.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Could not copy into %1<byte value="xd"/>%2</source>
        <translation>
            <numerusform>Não foi possível copiar para %1<byte value="xd"/>%2</numerusform>
            <numerusform>Não foi possível copiar para %1<byte value="xd"/>%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only pictures and WAD files join the spray library; these were not added:<byte value="xd"/>%1</source>
        <translation>
            <numerusform>Só imagens e arquivos WAD entram na biblioteca de sprays; este não foi adicionado:<byte value="xd"/>%1</numerusform>
            <numerusform>Só imagens e arquivos WAD entram na biblioteca de sprays; estes não foram adicionados:<byte value="xd"/>%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::picture::Bmp</name>
    <message>
        <source>the bitmap is cut short</source>
        <translation>o BMP está incompleto</translation>
    </message>
    <message>
        <source>the bitmap&apos;s compressed pixels are cut short</source>
        <translation>os pixels compactados do BMP estão incompletos</translation>
    </message>
    <message>
        <source>the bitmap&apos;s headers are damaged or cut short</source>
        <translation>os cabeçalhos do BMP estão danificados ou incompletos</translation>
    </message>
    <message>
        <source>the bitmap is not 1, 4 or 8 bits per pixel</source>
        <translation>o BMP não é de 1, 4 ou 8 bits por pixel</translation>
    </message>
    <message>
        <source>the bitmap&apos;s compression is not supported</source>
        <translation>a compressão do BMP não é suportada</translation>
    </message>
    <message>
        <source>the bitmap&apos;s size is not valid</source>
        <translation>o tamanho do BMP não é válido</translation>
    </message>
    <message>
        <source>the bitmap is too large</source>
        <translation>o BMP é grande demais</translation>
    </message>
    <message>
        <source>the bitmap&apos;s palette is cut short</source>
        <translation>a paleta do BMP está incompleta</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Heif</name>
    <message>
        <source>the HEIF picture is damaged</source>
        <translation>a imagem HEIF está danificada</translation>
    </message>
    <message>
        <source>it is not a HEIF picture</source>
        <translation>não é uma imagem HEIF</translation>
    </message>
    <message>
        <source>the HEIF picture&apos;s size is not valid</source>
        <translation>o tamanho da imagem HEIF não é válido</translation>
    </message>
    <message>
        <source>the HEIF picture cannot be read: %1</source>
        <translation>não foi possível ler a imagem HEIF: %1</translation>
    </message>
    <message>
        <source>the HEIF picture has no pixels</source>
        <translation>a imagem HEIF não tem pixels</translation>
    </message>
    <message>
        <source>this build of Velmira reads no HEIF pictures</source>
        <translation>esta versão do Velmira não lê imagens HEIF</translation>
    </message>
</context>
<context>
    <name>velmira::picture::PictureCost</name>
    <message>
        <source>the JPEG picture is cut short</source>
        <translation>a imagem JPEG está incompleta</translation>
    </message>
    <message>
        <source>the PNG picture is cut short</source>
        <translation>a imagem PNG está incompleta</translation>
    </message>
    <message>
        <source>the GIF picture is cut short</source>
        <translation>a imagem GIF está incompleta</translation>
    </message>
    <message>
        <source>a frame of the GIF picture lies outside the picture</source>
        <translation>um quadro da imagem GIF fica fora da imagem</translation>
    </message>
    <message>
        <source>the GIF picture is damaged</source>
        <translation>a imagem GIF está danificada</translation>
    </message>
    <message>
        <source>this build of Velmira reads no HEIF pictures</source>
        <translation>esta versão do Velmira não lê imagens HEIF</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read</source>
        <translation>a imagem tem %1 × %2 pixels, mais do que é possível ler</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read: reading it would take %3 MB, and a picture may take at most %4 MB</source>
        <translation>a imagem tem %1 × %2 pixels, mais do que é possível ler: lê-la ocuparia %3 MB, e uma imagem pode ocupar no máximo %4 MB</translation>
    </message>
    <message>
        <source>the bitmap is cut short</source>
        <translation>o BMP está incompleto</translation>
    </message>
    <message>
        <source>the picture&apos;s kind is not known</source>
        <translation>o formato da imagem não é reconhecido</translation>
    </message>
    <message>
        <source>the picture&apos;s size is not known</source>
        <translation>o tamanho da imagem é desconhecido</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Png</name>
    <message>
        <source>the compressed data is damaged</source>
        <translation>os dados compactados estão danificados</translation>
    </message>
    <message>
        <source>the compressed data is cut short</source>
        <translation>os dados compactados estão incompletos</translation>
    </message>
    <message>
        <source>the PNG picture is damaged</source>
        <translation>a imagem PNG está danificada</translation>
    </message>
    <message>
        <source>the PNG picture is cut short</source>
        <translation>a imagem PNG está incompleta</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read</source>
        <translation>a imagem tem %1 × %2 pixels, mais do que é possível ler</translation>
    </message>
    <message>
        <source>the PNG picture is damaged: %1</source>
        <translation>a imagem PNG está danificada: %1</translation>
    </message>
</context>
<context>
    <name>velmira::picture::QtReader</name>
    <message>
        <source>the %1 picture of %2 × %3 pixels cannot be read: %4</source>
        <translation>não foi possível ler a imagem %1 de %2 × %3 pixels: %4</translation>
    </message>
</context>
<context>
    <name>velmira::picture::ReadFile</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 não existe</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>não foi possível abrir %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 is larger than %n bytes</source>
        <translation>
            <numerusform>%1 tem mais de %n byte</numerusform>
            <numerusform>%1 tem mais de %n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not read: %2</source>
        <translation>%1 não foi lido: %2</translation>
    </message>
</context>
<context>
    <name>velmira::picture::ReadPicture</name>
    <message>
        <source>cannot read the bitmap %1: %2</source>
        <translation>não foi possível ler a imagem %1: %2</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Tga</name>
    <message>
        <source>the TGA picture is cut short</source>
        <translation>a imagem TGA está incompleta</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s kind is not supported</source>
        <translation>este tipo de imagem TGA não é suportado</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s size is not valid</source>
        <translation>o tamanho da imagem TGA não é válido</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s colour map is not supported</source>
        <translation>a paleta da imagem TGA não é suportada</translation>
    </message>
    <message>
        <source>the TGA picture is too large</source>
        <translation>a imagem TGA é grande demais</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Tiff</name>
    <message>
        <source>the TIFF picture is damaged</source>
        <translation>a imagem TIFF está danificada</translation>
    </message>
    <message>
        <source>the TIFF picture is damaged: %1</source>
        <translation>a imagem TIFF está danificada: %1</translation>
    </message>
    <message>
        <source>the TIFF picture is cut short</source>
        <translation>a imagem TIFF está incompleta</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Webp</name>
    <message>
        <source>the WebP picture is damaged</source>
        <translation>a imagem WebP está danificada</translation>
    </message>
    <message>
        <source>the WebP picture is cut short</source>
        <translation>a imagem WebP está incompleta</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Convert</name>
    <message>
        <source>the picture is empty</source>
        <translation>a imagem está vazia</translation>
    </message>
    <message>
        <source>the colour reducer could not start</source>
        <translation>não foi possível iniciar a redução de cores</translation>
    </message>
    <message>
        <source>the colour reducer refused the picture</source>
        <translation>a redução de cores recusou a imagem</translation>
    </message>
    <message>
        <source>the picture&apos;s colours could not be reduced</source>
        <translation>não foi possível reduzir as cores da imagem</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Maker</name>
    <message>
        <source>the picture is empty</source>
        <translation>a imagem está vazia</translation>
    </message>
    <message>
        <source>one-colour decal</source>
        <translation>decal de uma cor</translation>
    </message>
    <message>
        <source>colour spray</source>
        <translation>spray colorido</translation>
    </message>
    <message>
        <source>Servers that keep sprays to 64 × 64 will not show this</source>
        <translation>Servidores que limitam os sprays a 64 × 64 não vão mostrar este spray</translation>
    </message>
    <message>
        <source>Sharp scaling of a photo looks blocky</source>
        <translation>Com a escala nítida, a foto fica pixelada</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Spray</name>
    <message>
        <source>the bitmap is not an 8-bit paletted picture</source>
        <translation>o BMP não é uma imagem de 8 bits com paleta</translation>
    </message>
    <message>
        <source>the lump&apos;s area lies outside the bitmap</source>
        <translation>a área do lump fica fora do BMP</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>a imagem está vazia</translation>
    </message>
</context>
<context>
    <name>velmira::wad::Hpk</name>
    <message>
        <source>it is not a cache of sprays</source>
        <translation>não é um cache de sprays</translation>
    </message>
    <message>
        <source>the cache is of a version the game does not write</source>
        <translation>o cache é de uma versão que o jogo não grava</translation>
    </message>
    <message>
        <source>the cache&apos;s directory lies outside it</source>
        <translation>o diretório do cache fica fora dele</translation>
    </message>
    <message>
        <source>the cache is cut short</source>
        <translation>o cache está incompleto</translation>
    </message>
    <message>
        <source>the cache&apos;s entries add up to more than the file</source>
        <translation>as entradas do cache somam mais que o arquivo</translation>
    </message>
    <message>
        <source>no spray of the cache lies there</source>
        <translation>não há spray do cache nessa posição</translation>
    </message>
    <message>
        <source>it is no longer a file</source>
        <translation>não é mais um arquivo</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>não é possível abri-lo: %1</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>ele não existe mais</translation>
    </message>
    <message>
        <source>it is shorter now</source>
        <translation>agora ele está menor</translation>
    </message>
    <message numerus="yes">
        <source>the cache&apos;s directory counts %n entries</source>
        <translation>
            <numerusform>o diretório do cache indica %n entrada</numerusform>
            <numerusform>o diretório do cache indica %n entradas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::wad::LumpScript</name>
    <message>
        <source>line %1: a quote is not closed</source>
        <translation>linha %1: aspas não fechadas</translation>
    </message>
    <message>
        <source>line %1: %2 needs a file name</source>
        <translation>linha %1: %2 precisa de um nome de arquivo</translation>
    </message>
    <message>
        <source>line %1: unknown directive %2</source>
        <translation>linha %1: diretiva desconhecida %2</translation>
    </message>
    <message>
        <source>line %1: a lump line needs a type</source>
        <translation>linha %1: uma linha de lump precisa de um tipo</translation>
    </message>
    <message>
        <source>line %1: the lump name %2 is 16 characters or more</source>
        <translation>linha %1: o nome de lump %2 tem 16 caracteres ou mais</translation>
    </message>
    <message>
        <source>line %1: lumps of type %2 are not supported</source>
        <translation>linha %1: lumps do tipo %2 não são suportados</translation>
    </message>
    <message>
        <source>line %1: a miptex lump needs x, y, width and height</source>
        <translation>linha %1: um lump miptex precisa de x, y, largura e altura</translation>
    </message>
    <message>
        <source>line %1: the lump&apos;s area is not valid</source>
        <translation>linha %1: a área do lump não é válida</translation>
    </message>
    <message>
        <source>line %1: no $loadbmp before this lump</source>
        <translation>linha %1: falta $loadbmp antes deste lump</translation>
    </message>
    <message>
        <source>the script names no $DEST file</source>
        <translation>o script não cita nenhum arquivo $DEST</translation>
    </message>
    <message>
        <source>the script holds no lump</source>
        <translation>o script não tem nenhum lump</translation>
    </message>
</context>
<context>
    <name>velmira::wad::Maker</name>
    <message>
        <source>The game would not use this spray: %1</source>
        <translation>O jogo não usaria este spray: %1</translation>
    </message>
    <message>
        <source>Nothing of the picture shows: every pixel of this spray is see-through. Bring the picture into the frame, or make less of it see-through.</source>
        <translation>Nada da imagem aparece: todos os pixels deste spray são transparentes. Traga a imagem para dentro da moldura ou deixe uma parte menor transparente.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the bitmap and what is wrong</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>velmira::wad::Wad</name>
    <message>
        <source>the file is too small to be a WAD</source>
        <translation>o arquivo é pequeno demais para ser um WAD</translation>
    </message>
    <message>
        <source>the file is not a WAD3 file</source>
        <translation>o arquivo não é um WAD3</translation>
    </message>
    <message>
        <source>the directory lies outside the file</source>
        <translation>o diretório fica fora do arquivo</translation>
    </message>
    <message>
        <source>the directory runs past the end of the file</source>
        <translation>o diretório passa do fim do arquivo</translation>
    </message>
    <message>
        <source>lump %1 is compressed</source>
        <translation>o lump %1 está compactado</translation>
    </message>
    <message>
        <source>lump %1 lies outside the file</source>
        <translation>o lump %1 fica fora do arquivo</translation>
    </message>
    <message>
        <source>the lumps add up to more than the file</source>
        <translation>os lumps somam mais que o arquivo</translation>
    </message>
    <message>
        <source>the picture&apos;s header is cut short</source>
        <translation>o cabeçalho da imagem está incompleto</translation>
    </message>
    <message>
        <source>the picture&apos;s size %1 x %2 is not allowed</source>
        <translation>o tamanho de imagem %1 x %2 não é permitido</translation>
    </message>
    <message>
        <source>the picture runs past the end of its lump</source>
        <translation>a imagem passa do fim do seu lump</translation>
    </message>
    <message>
        <source>the palette is damaged</source>
        <translation>a paleta está danificada</translation>
    </message>
    <message>
        <source>the file&apos;s size %1 is outside 1024 to 20480 bytes</source>
        <translation>o tamanho do arquivo, %1, está fora do intervalo de 1024 a 20480 bytes</translation>
    </message>
    <message>
        <source>the directory is not at the end of the file</source>
        <translation>o diretório não está no fim do arquivo</translation>
    </message>
    <message>
        <source>the lump&apos;s sizes are wrong</source>
        <translation>os tamanhos do lump estão errados</translation>
    </message>
    <message>
        <source>the mip levels&apos; offsets do not follow each other</source>
        <translation>os deslocamentos dos níveis mip não estão em sequência</translation>
    </message>
    <message>
        <source>the palette lies outside the lump</source>
        <translation>a paleta fica fora do lump</translation>
    </message>
    <message>
        <source>the palette&apos;s colour count %1 is not 1 to 256</source>
        <translation>o número de cores da paleta, %1, não está entre 1 e 256</translation>
    </message>
    <message numerus="yes">
        <source>the file holds %n lumps, not one</source>
        <translation>
            <numerusform>o arquivo tem %n lump, não um</numerusform>
            <numerusform>o arquivo tem %n lumps, não um</numerusform>
        </translation>
    </message>
</context>
</TS>
