<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CheckSpraysDialog</name>
    <message numerus="yes">
        <source>Mods checked: %1. Problems found: %n.</source>
        <translation>
            <numerusform>已检查模组：%1 个。发现问题：%n 个。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameConfig</name>
    <message>
        <source>a start of the Windows game</source>
        <translation>启动Windows版游戏</translation>
    </message>
    <message>
        <source>a start of the Linux game</source>
        <translation>启动Linux版游戏</translation>
    </message>
    <message>
        <source>a start of Xash3D</source>
        <translation>启动Xash3D</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <translation>%1第%2行</translation>
    </message>
    <message>
        <source>the engine&apos;s default</source>
        <translation>引擎的默认值</translation>
    </message>
    <message>
        <source>After the game quits and starts again, %1 ends with %2 &quot;%3&quot; (%4).</source>
        <translation>游戏退出后再次%1时，%2最终为“%3”（%4）。</translation>
    </message>
    <message>
        <source>%1 ends with %2 &quot;%3&quot; (%4).</source>
        <translation>%1时，%2最终为“%3”（%4）。</translation>
    </message>
    <message>
        <source>Quit the game first: it writes config.cfg as it quits, which would undo the change.</source>
        <translation>请先退出游戏：游戏退出时会写入config.cfg，这会撤销此次更改。</translation>
    </message>
    <message>
        <source>The mod folder %1 cannot be opened: %2</source>
        <translation>无法打开模组文件夹%1：%2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2), so whether it turns %3 off is not known; nothing was changed.</source>
        <translation>无法读取%1（%2），因此无法得知它是否关闭了%3；未作任何更改。</translation>
    </message>
    <message>
        <source>%1 is already on in %2.</source>
        <translation>%1在%2中已经开启。</translation>
    </message>
    <message>
        <source>%1 is a link: change %2 in the file it leads to.</source>
        <translation>%1是一个链接：请在它指向的文件中修改%2。</translation>
    </message>
    <message>
        <source>%1 could not be changed: %2</source>
        <translation>无法修改%1：%2</translation>
    </message>
    <message>
        <source>%1 line %2 now sets %3 to %4 (it was &quot;%5&quot;); the file as it was is kept as %6.</source>
        <translation>%1第%2行现已把%3设为%4（原为“%5”）；修改前的文件已保存为%6。</translation>
    </message>
    <message>
        <source>But the game would still turn it off: %1</source>
        <translation>但游戏仍会把它关闭：%1</translation>
    </message>
    <message>
        <source>Another program is writing %1; try again when it has finished.</source>
        <translation>另一个程序正在写入%1；请等它写完后再试。</translation>
    </message>
    <message>
        <source>it cannot be read or is larger than 256 KB</source>
        <translation>无法读取，或大于256 KB</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>它不是普通文件</translation>
    </message>
</context>
<context>
    <name>SprayCheck</name>
    <message>
        <source>%1 line %2</source>
        <translation>%1 第 %2 行</translation>
    </message>
    <message>
        <source>Not read: %1.</source>
        <translation>未能读取：%1。</translation>
    </message>
    <message>
        <source>The mod folder cannot be opened: %1</source>
        <translation>无法打开模组文件夹：%1</translation>
    </message>
    <message>
        <source>No tempdecal.wad: the game has no spray to send. Use &quot;Create Sprays&quot;.</source>
        <translation>没有 tempdecal.wad：游戏没有可发送的喷漆。请使用“生成喷漆”。</translation>
    </message>
    <message>
        <source>tempdecal.wad is not a plain file: the game cannot use it.</source>
        <translation>tempdecal.wad 不是普通文件：游戏无法使用它。</translation>
    </message>
    <message>
        <source>tempdecal.wad cannot be read, or is far larger than any spray.</source>
        <translation>无法读取 tempdecal.wad，或者它比任何喷漆都大得多。</translation>
    </message>
    <message>
        <source>The game will not use it: %1</source>
        <translation>游戏不会使用它：%1</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 像素</translation>
    </message>
    <message>
        <source>The spray Velmira installed, %1.</source>
        <translation>Velmira 安装的喷漆，%1。</translation>
    </message>
    <message>
        <source>Replaced since Velmira installed its spray here, %1: the game&apos;s Options screen writes its logo over it when you press OK there.</source>
        <translation>Velmira 在这里安装喷漆后已被替换，%1：在游戏的选项界面点“确定”时，它会用自己的喷漆图案覆盖喷漆。</translation>
    </message>
    <message>
        <source>A spray Velmira did not install, %1.</source>
        <translation>不是 Velmira 安装的喷漆，%1。</translation>
    </message>
    <message>
        <source>Not checked. %1</source>
        <translation>未检查。%1</translation>
    </message>
    <message>
        <source>No spray the game takes.</source>
        <translation>没有游戏能使用的喷漆。</translation>
    </message>
    <message>
        <source>The Options screen has the logo &quot;%1&quot; (%2) chosen.</source>
        <translation>选项界面选中的喷漆图案是“%1”（%2）。</translation>
    </message>
    <message>
        <source>Read-only: the Options screen cannot replace it. %1</source>
        <translation>只读：选项界面无法替换它。%1</translation>
    </message>
    <message>
        <source>Not protected: pressing OK in Options writes the logo &quot;%1&quot; over it.</source>
        <translation>未保护：在选项中点“确定”会用喷漆图案“%1”覆盖它。</translation>
    </message>
    <message>
        <source>No cache yet: the game makes one as it sees sprays.</source>
        <translation>还没有缓存：游戏见到喷漆时会自动建立缓存。</translation>
    </message>
    <message>
        <source>custom.hpk is not a plain file.</source>
        <translation>custom.hpk 不是普通文件。</translation>
    </message>
    <message numerus="yes">
        <source>%1; sprays kept: %n</source>
        <translation>
            <numerusform>%1；已保存喷漆：%n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>Not Xash3D.</source>
        <translation>不是 Xash3D。</translation>
    </message>
    <message>
        <source>Velmira installed no logo here. %1</source>
        <translation>Velmira 没有在这里安装喷漆图案。%1</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>喷漆</translation>
    </message>
    <message>
        <source>Others see it</source>
        <translation>别人能看到</translation>
    </message>
    <message>
        <source>You see theirs</source>
        <translation>你能看到别人的</translation>
    </message>
    <message>
        <source>Every server</source>
        <translation>所有服务器</translation>
    </message>
    <message>
        <source>It stays</source>
        <translation>不会被替换</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>缓存</translation>
    </message>
    <message>
        <source>Xash3D logo</source>
        <translation>Xash3D 喷漆图案</translation>
    </message>
    <message>
        <source>Turn &amp;Uploads On</source>
        <translation>开启上传(&amp;U)</translation>
    </message>
    <message>
        <source>Turn &amp;Downloads On</source>
        <translation>开启下载(&amp;D)</translation>
    </message>
    <message>
        <source>Make &amp;Every-Server Size…</source>
        <translation>改成所有服务器通用的尺寸(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Protect</source>
        <translation>保护(&amp;P)</translation>
    </message>
    <message>
        <source>Xash3D builds tempdecal.wad from the logo chosen in Customize each time it joins a server.</source>
        <translation>Xash3D每次加入服务器时，都会用“自定义”中选择的喷漆图案生成tempdecal.wad。</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>不是文件</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>游戏不接受</translation>
    </message>
    <message>
        <source>Velmira&apos;s</source>
        <translation>Velmira安装的</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>已被替换</translation>
    </message>
    <message>
        <source>another</source>
        <translation>其他喷漆</translation>
    </message>
    <message>
        <source>Xash3D scales the logo it sends itself.</source>
        <translation>Xash3D会自行缩放它发送的喷漆图案。</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1: every server shows it.</source>
        <translation>%1：所有服务器都会显示它。</translation>
    </message>
    <message>
        <source>%1: servers that keep sprays to 64 × 64 do not show it.</source>
        <translation>%1：把喷漆限制在64 × 64的服务器不会显示它。</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>只读</translation>
    </message>
    <message>
        <source>not protected</source>
        <translation>未保护</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>还没有</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>已损坏</translation>
    </message>
    <message>
        <source>custom.hpk cannot be read (%1); the game deletes a damaged cache when it starts.</source>
        <translation>无法读取custom.hpk（%1）；游戏启动时会删除损坏的缓存。</translation>
    </message>
    <message>
        <source>%1. The game empties it itself when it grows past 4 MB.</source>
        <translation>%1。缓存超过4 MB时，游戏会自动清空它。</translation>
    </message>
    <message>
        <source>not opened</source>
        <translation>无法打开</translation>
    </message>
    <message>
        <source>Xash3D rewrites tempdecal.wad itself.</source>
        <translation>Xash3D会自行重写tempdecal.wad。</translation>
    </message>
    <message>
        <source>Decals</source>
        <translation>贴花</translation>
    </message>
    <message>
        <source>Turn Decal&amp;s On</source>
        <translation>开启贴花(&amp;S)</translation>
    </message>
    <message>
        <source>If it still fails on one server, the server may refuse uploads or large sprays (sv_allowupload, sv_allowdownload, sv_send_logos, sv_rehlds_allow_large_sprays): no file of yours changes that.</source>
        <translation>如果在某个服务器上仍然不行，可能是该服务器拒绝上传或拒绝大尺寸喷漆（sv_allowupload、sv_allowdownload、sv_send_logos、sv_rehlds_allow_large_sprays）：改你这边的任何文件都没有用。</translation>
    </message>
    <message>
        <source>at a start of the Windows game</source>
        <translation>在启动Windows版游戏时</translation>
    </message>
    <message>
        <source>at a start of the Linux game</source>
        <translation>在启动Linux版游戏时</translation>
    </message>
    <message>
        <source>at a start of Xash3D</source>
        <translation>在启动Xash3D时</translation>
    </message>
    <message>
        <source>the engine&apos;s default</source>
        <translation>引擎的默认值</translation>
    </message>
    <message>
        <source>on</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>On: %1.</source>
        <translation>开启：%1。</translation>
    </message>
    <message>
        <source>default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>off in %1</source>
        <translation>关闭（%1）</translation>
    </message>
    <message>
        <source>sends .%1</source>
        <translation>发送.%1</translation>
    </message>
    <message>
        <source>Xash3D sends logos/remapped.%1, not Velmira&apos;s PNG logo (%2): choose Velmira&apos;s logo in Customize.</source>
        <translation>Xash3D发送的是logos/remapped.%1，而不是Velmira的PNG喷漆图案（%2）：请在“自定义”中选择Velmira的喷漆图案。</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>未选择</translation>
    </message>
    <message>
        <source>There is no logos/remapped.png, the picture Xash3D sends: choose Velmira&apos;s logo in Customize.</source>
        <translation>没有logos/remapped.png，即Xash3D发送的图片：请在“自定义”中选择Velmira的喷漆图案。</translation>
    </message>
    <message>
        <source>another logo</source>
        <translation>其他喷漆图案</translation>
    </message>
    <message>
        <source>Xash3D sends logos/remapped.png, which is not the logo Velmira installed: choose Velmira&apos;s logo in Customize.</source>
        <translation>Xash3D发送的logos/remapped.png不是Velmira安装的喷漆图案：请在“自定义”中选择Velmira的喷漆图案。</translation>
    </message>
    <message>
        <source>Xash3D sends the logo Velmira installed.</source>
        <translation>Xash3D发送的是Velmira安装的喷漆图案。</translation>
    </message>
    <message>
        <source>Uploads are off (%1, %2): servers never get your spray.</source>
        <translation>上传已关闭（%1，%2）：服务器永远收不到你的喷漆。</translation>
    </message>
    <message>
        <source>Downloads are off (%1, %2): you see no one else&apos;s spray.</source>
        <translation>下载已关闭（%1，%2）：你看不到任何其他人的喷漆。</translation>
    </message>
    <message>
        <source>Downloads during a game are off (%1, %2): you do not see the sprays of players who join after you.</source>
        <translation>游戏过程中的下载已关闭（%1，%2）：你看不到在你之后加入的玩家的喷漆。</translation>
    </message>
    <message>
        <source>No decals are drawn (%1, %2): no one&apos;s spray shows.</source>
        <translation>游戏不绘制任何贴花（%1，%2）：谁的喷漆都不会显示。</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>未能读取</translation>
    </message>
    <message>
        <source>%1 is already on in %2.</source>
        <translation>%1在%2中已经开启。</translation>
    </message>
</context>
<context>
    <name>SprayReport</name>
    <message>
        <source>Half-Life, Windows client</source>
        <translation>半条命Windows客户端</translation>
    </message>
    <message>
        <source>Half-Life, Linux client</source>
        <translation>半条命Linux客户端</translation>
    </message>
    <message>
        <source>Xash3D FWGS</source>
        <translation>Xash3D FWGS</translation>
    </message>
    <message>
        <source>Starts checked: %1</source>
        <translation>已检查的启动方式：%1</translation>
    </message>
</context>
<context>
    <name>qlumpy</name>
    <message>
        <source>%1 is a link; the WAD is not written through it</source>
        <translation>%1 是一个链接；不会通过它写入 WAD</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 不是普通文件</translation>
    </message>
    <message>
        <source>usage: qlumpy [--many-lumps] SCRIPT</source>
        <translation>用法：qlumpy [--many-lumps] 脚本</translation>
    </message>
    <message>
        <source>cannot read the script: %1</source>
        <translation>无法读取脚本：%1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the script and what is wrong</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>磁盘可能已满</translation>
    </message>
    <message numerus="yes">
        <source>%1: the script names %n lumps; a spray holds one</source>
        <translation>
            <numerusform>%1：脚本列出了 %n 个数据块；一个喷漆只能有一个</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>About Velmira</source>
        <translation>关于 Velmira</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>The easiest way to switch between color Half-Life sprays!</source>
        <translation>切换半条命彩色喷漆的最简单方法！</translation>
    </message>
    <message>
        <source>Written by the Velmira developers</source>
        <translation>作者：Velmira 开发者</translation>
    </message>
    <message>
        <source>Comments and problems: see ReadMe.txt</source>
        <translation>意见和问题：请看 ReadMe.txt</translation>
    </message>
    <message>
        <source>Velmira: colour sprays for every Half-Life mod</source>
        <translation>Velmira：为每个半条命模组准备彩色喷漆</translation>
    </message>
    <message>
        <source>Made by players, for players</source>
        <translation>由玩家打造，为玩家服务</translation>
    </message>
    <message>
        <source>(C) the Velmira developers. GPL-3.0-or-later, with NO WARRANTY. See ReadMe.txt for details.</source>
        <translation>(C) Velmira 开发者。GPL-3.0-or-later，不提供任何担保。详情见 ReadMe.txt。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>velmira::Cache</name>
    <message>
        <source>%1: it is a link</source>
        <translation>%1：这是一个链接</translation>
    </message>
    <message>
        <source>%1: it is not a file</source>
        <translation>%1：这不是文件</translation>
    </message>
    <message>
        <source>%1: it cannot be read</source>
        <translation>%1：无法读取</translation>
    </message>
    <message>
        <source>%1 is in the way and is not a file</source>
        <translation>%1 已存在且不是文件</translation>
    </message>
    <message>
        <source>it is no longer a plain file</source>
        <translation>它已不再是普通文件</translation>
    </message>
    <message>
        <source>Clear Cached Sprays</source>
        <translation>清除缓存的喷漆</translation>
    </message>
    <message>
        <source>Select the mods whose cached sprays you want to clear.</source>
        <translation>请选择要清除喷漆缓存的模组。</translation>
    </message>
    <message>
        <source>The game is running from %1. Quit it before clearing its cached sprays: it keeps the cache open and writes it back.</source>
        <translation>游戏正在从 %1 运行。清除喷漆缓存前请先退出游戏：游戏会一直打开缓存并把它写回去。</translation>
    </message>
    <message>
        <source>None of the selected mods has cached sprays (%1).</source>
        <translation>所选模组都没有缓存的喷漆（%1）。</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a cache file and its size</comment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a cache file and what went wrong</comment>
        <translation>%1：%2</translation>
    </message>
    <message numerus="yes">
        <source>These cache files were left alone:</source>
        <translation>
            <numerusform>以下缓存文件未作改动：</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>custom.hpk holds the sprays of other players the game has seen on servers, so an old spray can show instead of a new one. The game builds it again as it needs.<byte value="xd"/><byte value="xd"/>Each of these is moved to custom.hpk.old beside it (an older custom.hpk.old is replaced):</source>
        <translation>
            <numerusform>custom.hpk 保存着游戏在服务器上见过的其他玩家的喷漆，因此可能会显示旧喷漆而不是新喷漆。游戏需要时会重新生成它。<byte value="xd"/><byte value="xd"/>以下每个文件都会被移到同一位置的 custom.hpk.old（旧的 custom.hpk.old 会被替换）：</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Could not clear these cached sprays:</source>
        <translation>
            <numerusform>无法清除以下喷漆缓存：</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::Categories</name>
    <message>
        <source>WARNING: Spray folder does not exist:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Please verify your spray folder.</source>
        <translation>警告：喷漆文件夹不存在：<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>请检查你的喷漆文件夹。</translation>
    </message>
    <message>
        <source>Please set your Spray folder.</source>
        <translation>请设置你的喷漆文件夹。</translation>
    </message>
    <message>
        <source>Invalid spray folder!</source>
        <translation>喷漆文件夹无效！</translation>
    </message>
    <message>
        <source>WARNING: Folder does not exist:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Try hitting refresh or varify your spray folder.</source>
        <translation>警告：文件夹不存在：<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>请点“刷新”或检查你的喷漆文件夹。</translation>
    </message>
    <message>
        <source>&lt;Favorites&gt;</source>
        <translation>&lt;收藏夹&gt;</translation>
    </message>
</context>
<context>
    <name>velmira::CheckSpraysDialog</name>
    <message>
        <source>Check Sprays</source>
        <translation>检查喷漆</translation>
    </message>
    <message>
        <source>Spray checks, a row for each mod</source>
        <translation>喷漆检查，每个模组一行</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>模组</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>正在检查…</translation>
    </message>
    <message>
        <source>Open the spray maker on the mod&apos;s spray picture with the every-server size chosen</source>
        <translation>用该模组的喷漆图片打开“制作喷漆”，并选好所有服务器通用的尺寸</translation>
    </message>
    <message>
        <source>Leave the sprays Velmira installed read-only, as &quot;Protect Sprays from the Game&quot; does</source>
        <translation>将 Velmira 安装的喷漆设为只读，与“防止游戏替换喷漆”的作用相同</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>重新检查(&amp;A)</translation>
    </message>
    <message>
        <source>No mods to check: set the Half-Life folder in File Locations.</source>
        <translation>没有可检查的模组：请在“文件位置”中设置半条命文件夹。</translation>
    </message>
    <message>
        <source>The spray maker is open with the every-server size chosen: save the spray, then use &quot;Create Sprays&quot;.</source>
        <translation>“制作喷漆”已打开，并选好了所有服务器通用的尺寸：请保存喷漆，然后使用“生成喷漆”。</translation>
    </message>
    <message>
        <source>Quit the game first: its Options screen may be writing the spray.</source>
        <translation>请先退出游戏：它的选项界面可能正在写入喷漆。</translation>
    </message>
    <message>
        <source>The sprays Velmira installed are now read-only.</source>
        <translation>Velmira 安装的喷漆现已设为只读。</translation>
    </message>
    <message>
        <source>The report is on the clipboard.</source>
        <translation>报告已复制到剪贴板。</translation>
    </message>
    <message>
        <source>Set cl_allowupload to 1 on every line that turns it off in the files the game runs, keeping a copy of each file as it was</source>
        <translation>在游戏执行的配置文件中，把每一行关闭cl_allowupload的设置改为1，并保留每个文件修改前的副本</translation>
    </message>
    <message>
        <source>Set cl_allowdownload and cl_download_ingame to 1 on every line that turns them off in the files the game runs, keeping a copy of each file as it was</source>
        <translation>在游戏执行的配置文件中，把每一行关闭cl_allowdownload和cl_download_ingame的设置改为1，并保留每个文件修改前的副本</translation>
    </message>
    <message>
        <source>Set mp_decals and r_decals back to the game&apos;s own numbers on every line that sets them to 0, keeping a copy of each file as it was</source>
        <translation>把每一行将mp_decals和r_decals设为0的设置恢复为游戏原本的数值，并保留每个文件修改前的副本</translation>
    </message>
    <message>
        <source>Copy &amp;Report</source>
        <translation>复制报告(&amp;R)</translation>
    </message>
    <message>
        <source>Put the checks on the clipboard as plain text, to paste into a forum or a bug report (Ctrl+Shift+C)</source>
        <translation>把检查结果以纯文本复制到剪贴板，方便粘贴到论坛或错误报告中（Ctrl+Shift+C）</translation>
    </message>
</context>
<context>
    <name>velmira::Compiler</name>
    <message>
        <source>Could not make a private folder for the compiler&apos;s files in %1<byte value="xd"/>%2</source>
        <translation>无法在 %1 中为编译器文件创建私有文件夹<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>velmira::Create</name>
    <message>
        <source>Error compiling. Check BMP format and dimentions.<byte value="xd"/>File: %1</source>
        <translation>编译出错。请检查 BMP 的格式和尺寸。<byte value="xd"/>文件：%1</translation>
    </message>
    <message>
        <source>Error creating spray!</source>
        <translation>生成喷漆出错！</translation>
    </message>
    <message>
        <source>Could not install the spray in %1<byte value="xd"/>%2</source>
        <translation>无法将喷漆安装到 %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Could not use the folder %1<byte value="xd"/>%2</source>
        <translation>无法使用文件夹 %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>所有可用的名字都已被占用</translation>
    </message>
    <message>
        <source>The game is running from %1.<byte value="xd"/>It reads your spray when it starts a map, and its Options screen may replace the spray when you press OK or Apply there.<byte value="xd"/><byte value="xd"/>Install the sprays now?</source>
        <translation>游戏正在从 %1 运行。<byte value="xd"/>游戏在载入地图时读取你的喷漆，而在它的选项界面中点“确定”或“应用”可能会替换喷漆。<byte value="xd"/><byte value="xd"/>现在安装喷漆吗？</translation>
    </message>
    <message>
        <source>The game would not use this spray, so it was not installed:<byte value="xd"/>%1</source>
        <translation>游戏不会使用这个喷漆，因此没有安装：<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Could not find Qlumpy.exe!</source>
        <translation>找不到 Qlumpy.exe！</translation>
    </message>
    <message>
        <source>Spray(s) Created!</source>
        <translation>喷漆已生成！</translation>
    </message>
    <message>
        <source>Could not find %1</source>
        <translation>找不到 %1</translation>
    </message>
</context>
<context>
    <name>velmira::ErrorReport</name>
    <message>
        <source>If this happens repeatedly, please let me know exactly what it says below.<byte value="xd"/>Error # %1<byte value="xd"/>Source: %2<byte value="xd"/>Dll: %3<byte value="xd"/>Sub: %4-%5</source>
        <translation>如果这种情况反复出现，请把下面的内容原样告诉我。<byte value="xd"/>错误号 %1<byte value="xd"/>来源：%2<byte value="xd"/>Dll：%3<byte value="xd"/>过程：%4-%5</translation>
    </message>
</context>
<context>
    <name>velmira::Failure</name>
    <message>
        <source>File not found</source>
        <translation>找不到文件</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>找不到路径</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>权限被拒绝</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>下标越界</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>设备 I/O 错误</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>文件已存在</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>系统错误 %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>内存不足</translation>
    </message>
</context>
<context>
    <name>velmira::Folders</name>
    <message>
        <source>WARNING: Cannot find Half-Life in that folder!<byte value="xd"/>You might just have some different version I don&apos;t know about.<byte value="xd"/>Do you want to force VELMR to use the path you entered?</source>
        <translation>警告：在该文件夹中找不到半条命！<byte value="xd"/>你可能只是装了一个我不认识的版本。<byte value="xd"/>要强制 VELMR 使用你输入的路径吗？</translation>
    </message>
    <message>
        <source>WARNING: Half-Life folder does not exist!</source>
        <translation>警告：半条命文件夹不存在！</translation>
    </message>
    <message>
        <source>WARNING: Spray folder does not exist!</source>
        <translation>警告：喷漆文件夹不存在！</translation>
    </message>
</context>
<context>
    <name>velmira::FramingView</name>
    <message>
        <source>Picture under the spray&apos;s frame</source>
        <translation>喷漆边框下的图片</translation>
    </message>
    <message>
        <source>Drag to move the picture, turn the wheel to zoom; the arrow keys move it by one pixel, with Shift by ten</source>
        <translation>拖动可移动图片，滚动滚轮可缩放；方向键每次移动一个像素，按住 Shift 移动十个</translation>
    </message>
    <message>
        <source>Reading the picture…</source>
        <translation>正在读取图片…</translation>
    </message>
</context>
<context>
    <name>velmira::Held</name>
    <message>
        <source>No spray is installed here.</source>
        <translation>这里没有安装喷漆。</translation>
    </message>
    <message>
        <source>The spray Velmira installed here has been removed.</source>
        <translation>Velmira 安装在这里的喷漆已被删除。</translation>
    </message>
    <message>
        <source>The spray file cannot be read: %1</source>
        <translation>无法读取喷漆文件：%1</translation>
    </message>
    <message>
        <source>The spray Velmira installed here.</source>
        <translation>Velmira 安装在这里的喷漆。</translation>
    </message>
    <message>
        <source>Replaced since Velmira installed its spray here (the game&apos;s Options screen rewrites it when you press OK or Apply there).</source>
        <translation>Velmira 安装喷漆后已被替换（在游戏的选项界面点“确定”或“应用”时会重写它）。</translation>
    </message>
    <message>
        <source>A spray Velmira did not install.</source>
        <translation>不是 Velmira 安装的喷漆。</translation>
    </message>
    <message>
        <source> The game cannot show it.</source>
        <translation> 游戏无法显示它。</translation>
    </message>
</context>
<context>
    <name>velmira::Help</name>
    <message>
        <source>Cannot find the help file:<byte value="xd"/>%1</source>
        <translation>找不到帮助文件：<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Velmira Help</source>
        <translation>Velmira 帮助</translation>
    </message>
</context>
<context>
    <name>velmira::LocationsDialog</name>
    <message>
        <source>File Locations</source>
        <translation>文件位置</translation>
    </message>
    <message>
        <source>Half-Life Folder:</source>
        <translation>半条命文件夹：</translation>
    </message>
    <message>
        <source>Spray Folder:</source>
        <translation>喷漆文件夹：</translation>
    </message>
    <message>
        <source>Found in Steam…</source>
        <translation>在 Steam 中找到…</translation>
    </message>
    <message>
        <source>Games found in your Steam libraries</source>
        <translation>在你的 Steam 库中找到的游戏</translation>
    </message>
    <message>
        <source>Games found in Steam</source>
        <translation>在 Steam 中找到的游戏</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>velmira::MainWindow</name>
    <message>
        <source>Open the spray folder</source>
        <translation>打开喷漆文件夹</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Show Preview</source>
        <translation>显示预览</translation>
    </message>
    <message>
        <source>Apply to Selected</source>
        <translation>应用到所选</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>清除所选</translation>
    </message>
    <message>
        <source>Create Sprays</source>
        <translation>生成喷漆</translation>
    </message>
    <message>
        <source>Frame the chosen picture into a spray, see it as the game draws it, and save it to the library</source>
        <translation>把选中的图片裁成喷漆，按游戏的画法预览，并保存到喷漆库</translation>
    </message>
    <message>
        <source>Browse the sprays the game kept from servers, and keep the ones you like</source>
        <translation>浏览游戏从服务器保存下来的喷漆，留下你喜欢的</translation>
    </message>
    <message>
        <source>Leave each installed tempdecal.wad read-only, so that the game&apos;s Options screen cannot replace your spray</source>
        <translation>将每个已安装的 tempdecal.wad 设为只读，这样游戏的选项界面就无法替换你的喷漆</translation>
    </message>
    <message>
        <source>As the System</source>
        <translation>跟随系统</translation>
    </message>
    <message>
        <source>Click on the help menu if you have</source>
        <translation>如果你以前没用过 VELMR，</translation>
    </message>
    <message>
        <source>not used VELMR before.</source>
        <translation>请打开帮助菜单。</translation>
    </message>
    <message>
        <source>Could not find ReadMe.txt!</source>
        <translation>找不到 ReadMe.txt！</translation>
    </message>
    <message>
        <source>File Not Found!</source>
        <translation>找不到文件！</translation>
    </message>
    <message>
        <source>&amp;Make Spray…</source>
        <comment>spray list menu</comment>
        <translation>制作喷漆(&amp;M)…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;File Locations...</source>
        <comment>File menu</comment>
        <translation>文件位置(&amp;F)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Make Spray…</source>
        <comment>File menu</comment>
        <translation>制作喷漆(&amp;M)…</translation>
    </message>
    <message>
        <source>Sprays Seen in &amp;Games…</source>
        <comment>File menu</comment>
        <translation>游戏中见过的喷漆(&amp;G)…</translation>
    </message>
    <message>
        <source>&amp;Protect Sprays from the Game</source>
        <comment>File menu</comment>
        <translation>防止游戏替换喷漆(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <comment>File menu</comment>
        <translation>语言(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <comment>Help menu</comment>
        <translation>目录(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;View ReadMe.txt ...</source>
        <comment>Help menu</comment>
        <translation>查看 ReadMe.txt(&amp;V) ...</translation>
    </message>
    <message>
        <source>&amp;About VELMR ...</source>
        <comment>Help menu</comment>
        <translation>关于 VELMR(&amp;A) ...</translation>
    </message>
    <message>
        <source>See for each mod whether others will see your spray, and you theirs, and put right what can safely be</source>
        <translation>逐个模组查看别人能否看到你的喷漆、你能否看到别人的喷漆，并修复能够安全修复的问题</translation>
    </message>
    <message>
        <source>Choose the spray&apos;s picture in the spray list (or assign it to %1), then choose this fix again.</source>
        <translation>请在喷漆列表中选择这个喷漆的图片（或把它指定给 %1），然后再次选择此修复。</translation>
    </message>
    <message>
        <source>The spray maker could not be opened on %1.</source>
        <translation>无法用 %1 打开“制作喷漆”。</translation>
    </message>
    <message>
        <source>Make Spray</source>
        <translation>制作喷漆</translation>
    </message>
    <message>
        <source>Set your spray folder first: the spray maker saves into it.</source>
        <translation>请先设置喷漆文件夹：做好的喷漆会保存到那里。</translation>
    </message>
    <message>
        <source>Cannot make a spray of %1</source>
        <translation>无法用 %1 制作喷漆</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>分类</translation>
    </message>
    <message>
        <source>Sprays in the category</source>
        <translation>分类中的喷漆</translation>
    </message>
    <message>
        <source>Mods</source>
        <translation>模组</translation>
    </message>
    <message>
        <source>Spray preview</source>
        <translation>喷漆预览</translation>
    </message>
    <message>
        <source>&amp;Clear Cached Sprays…</source>
        <comment>File menu</comment>
        <translation>清除缓存的喷漆(&amp;C)…</translation>
    </message>
    <message>
        <source>Chec&amp;k Sprays…</source>
        <comment>File menu</comment>
        <translation>检查喷漆(&amp;K)…</translation>
    </message>
</context>
<context>
    <name>velmira::Maker</name>
    <message>
        <source>Choose a picture in the spray list first.</source>
        <translation>请先在喷漆列表中选择一张图片。</translation>
    </message>
    <message>
        <source>The spray maker makes sprays from pictures; %1 is already a spray.</source>
        <translation>“制作喷漆”用图片制作喷漆；%1 已经是喷漆了。</translation>
    </message>
</context>
<context>
    <name>velmira::MakerDialog</name>
    <message>
        <source>Make Spray - %1</source>
        <translation>制作喷漆 - %1</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>取景</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>&amp;Zoom:</source>
        <translation>缩放(&amp;Z)：</translation>
    </message>
    <message>
        <source>F&amp;it</source>
        <translation>适应(&amp;I)</translation>
    </message>
    <message>
        <source>The whole picture inside the frame</source>
        <translation>整张图片都在边框内</translation>
    </message>
    <message>
        <source>Fi&amp;ll</source>
        <translation>填满(&amp;L)</translation>
    </message>
    <message>
        <source>The frame covered by the picture</source>
        <translation>图片铺满整个边框</translation>
    </message>
    <message>
        <source>&amp;Rotate 90°</source>
        <translation>旋转 90°(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>镜像(&amp;M)</translation>
    </message>
    <message>
        <source>See-through</source>
        <translation>透明</translation>
    </message>
    <message>
        <source>A colour…</source>
        <translation>一种颜色…</translation>
    </message>
    <message>
        <source>&amp;Around the picture:</source>
        <translation>图片周围(&amp;A)：</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>尺寸</translation>
    </message>
    <message>
        <source>Largest the game takes</source>
        <translation>游戏能接受的最大尺寸</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>经典</translation>
    </message>
    <message>
        <source>Every server (64 × 64 at most)</source>
        <translation>所有服务器（最大 64 × 64）</translation>
    </message>
    <message>
        <source>Chosen freely</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>&amp;Width × height:</source>
        <translation>宽 × 高(&amp;W)：</translation>
    </message>
    <message>
        <source>None (solid)</source>
        <translation>无（不透明）</translation>
    </message>
    <message>
        <source>The picture&apos;s own transparency</source>
        <translation>图片自带的透明度</translation>
    </message>
    <message>
        <source>A colour, everywhere</source>
        <translation>指定颜色（全图）</translation>
    </message>
    <message>
        <source>A colour, where it touches the edge</source>
        <translation>指定颜色（仅边缘相连区域）</translation>
    </message>
    <message>
        <source>Cut-off</source>
        <translation>阈值</translation>
    </message>
    <message>
        <source>&amp;Cut-off:</source>
        <translation>阈值(&amp;C)：</translation>
    </message>
    <message>
        <source>&amp;Pick from the picture</source>
        <translation>从图片中取色(&amp;P)</translation>
    </message>
    <message>
        <source>C&amp;olour…</source>
        <translation>颜色(&amp;O)…</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>容差</translation>
    </message>
    <message>
        <source>&amp;Tolerance:</source>
        <translation>容差(&amp;T)：</translation>
    </message>
    <message>
        <source>Remove the coloured &amp;fringe</source>
        <translation>去除彩色毛边(&amp;F)</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>平滑</translation>
    </message>
    <message>
        <source>Sharp (pixel art)</source>
        <translation>锐利（像素画）</translation>
    </message>
    <message>
        <source>Scali&amp;ng:</source>
        <translation>缩放方式(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Dither</source>
        <translation>抖动(&amp;D)</translation>
    </message>
    <message>
        <source>In&amp;k…</source>
        <translation>墨色(&amp;K)…</translation>
    </message>
    <message>
        <source>Checker</source>
        <translation>棋盘格</translation>
    </message>
    <message>
        <source>Light wall</source>
        <translation>浅色墙面</translation>
    </message>
    <message>
        <source>Dark wall</source>
        <translation>深色墙面</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>背景(&amp;B)：</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Colour around the picture</source>
        <translation>图片周围的颜色</translation>
    </message>
    <message>
        <source>See-through colour</source>
        <translation>透明色</translation>
    </message>
    <message>
        <source>Logo colour</source>
        <translation>喷漆图案颜色</translation>
    </message>
    <message>
        <source>Cannot make a spray of %1<byte value="xd"/>%2</source>
        <translation>无法用 %1 制作喷漆<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Make Spray</source>
        <translation>制作喷漆</translation>
    </message>
    <message>
        <source>one-colour logo</source>
        <translation>单色喷漆图案</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n 种颜色</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 pixels, %3, WAD of %n bytes</source>
        <translation>
            <numerusform>%1 × %2 像素，%3，WAD 大小 %n 字节</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not save the spray in %1<byte value="xd"/>%2</source>
        <translation>无法将喷漆保存到 %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Siz&amp;e:</source>
        <translation>尺寸(&amp;E)：</translation>
    </message>
    <message>
        <source>Enlar&amp;ge small pictures</source>
        <translation>放大小图片(&amp;G)</translation>
    </message>
    <message>
        <source>W&amp;hat:</source>
        <translation>方式(&amp;H)：</translation>
    </message>
    <message>
        <source>One-colo&amp;ur logo</source>
        <translation>单色喷漆图案(&amp;U)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>velmira::OpenFolder</name>
    <message>
        <source>File already exists</source>
        <translation>文件已存在</translation>
    </message>
    <message>
        <source>another program changed %1 while it was being saved</source>
        <translation>保存时另一个程序修改了 %1</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>所有可用的名字都已被占用</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 不是普通文件</translation>
    </message>
    <message>
        <source>%1 is in the way and is not a file</source>
        <translation>%1 已存在且不是文件</translation>
    </message>
    <message>
        <source>cannot replace %1: it is not a file</source>
        <translation>无法替换 %1：它不是文件</translation>
    </message>
    <message>
        <source>cannot write beside %1: %2</source>
        <translation>无法在 %1 旁边写入：%2</translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation>无法保留 %1 的副本：%2</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>无法替换 %1：%2</translation>
    </message>
    <message>
        <source>it is a link, not a folder</source>
        <translation>它是链接，不是文件夹</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>它不是文件夹</translation>
    </message>
    <message>
        <source>%1 is read-only, so it is left as it is</source>
        <translation>%1 是只读文件，因此未作改动</translation>
    </message>
    <message>
        <source>it is a link that another user could have put there, which Velmira does not follow</source>
        <translation>它是一个可能由其他用户放在这里的链接，Velmira 不会访问其指向的目标</translation>
    </message>
    <message>
        <source>the system did not give the new file the access rules of the one it replaces</source>
        <translation>系统未能为新文件设置与被替换文件相同的访问权限</translation>
    </message>
    <message>
        <source>the link was changed while it was being followed</source>
        <translation>访问链接指向的目标时，链接发生了变化</translation>
    </message>
</context>
<context>
    <name>velmira::Preview</name>
    <message>
        <source>one colour</source>
        <translation>单色</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n 种颜色</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2, %3, scaled from %4 × %5</source>
        <translation>%1 × %2，%3，由 %4 × %5 缩放而来</translation>
    </message>
    <message>
        <source>%1 × %2, used as it is</source>
        <translation>%1 × %2，原样使用</translation>
    </message>
    <message>
        <source>%1 × %2, %3</source>
        <translation>%1 × %2，%3</translation>
    </message>
</context>
<context>
    <name>velmira::PreviewWidget</name>
    <message numerus="yes">
        <source>spray preview: %1 × %2, %n colours</source>
        <translation>
            <numerusform>喷漆预览：%1 × %2，%n种颜色</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::Protect</name>
    <message>
        <source>%1: %2</source>
        <comment>a mod and why its spray was not changed</comment>
        <translation>%1：%2</translation>
    </message>
    <message numerus="yes">
        <source>The sprays Velmira installed are now read-only, so that the game cannot replace them, in:</source>
        <translation>
            <numerusform>以下模组中 Velmira 安装的喷漆现已设为只读，游戏无法替换：</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sprays Velmira installed can be replaced by the game again in:</source>
        <translation>
            <numerusform>以下模组中 Velmira 安装的喷漆又可以被游戏替换了：</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>These could not be changed:</source>
        <translation>
            <numerusform>以下项目无法更改：</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::Seen</name>
    <message>
        <source>The cache of %1 changed since the window read it (%2): press Refresh.</source>
        <translation>%1 的缓存在窗口读取之后变了（%2）：请按“刷新”。</translation>
    </message>
    <message>
        <source>another spray lies there now</source>
        <translation>那里现在是另一个喷漆</translation>
    </message>
    <message>
        <source>No cache holds the spray: press Refresh.</source>
        <translation>没有哪个缓存里有这个喷漆：请按“刷新”。</translation>
    </message>
    <message>
        <source>Seen in %1</source>
        <translation>见于：%1</translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 pixels, %n bytes</source>
        <translation>
            <numerusform>%1 × %2 像素，%n 字节</numerusform>
        </translation>
    </message>
    <message>
        <source>Every server takes it</source>
        <translation>所有服务器都接受</translation>
    </message>
    <message>
        <source>Servers that keep sprays to 64 × 64 will not show it</source>
        <translation>把喷漆限制在 64 × 64 的服务器不会显示它</translation>
    </message>
</context>
<context>
    <name>velmira::SeenDialog</name>
    <message numerus="yes">
        <source>Stopped: %n of the %1 were saved, the rest were not.</source>
        <translation>
            <numerusform>已停止：%1 个中已保存 %n 个，其余的没有保存。</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the Pictures in</source>
        <translation>把图片保存到</translation>
    </message>
    <message>
        <source>Save as Picture</source>
        <translation>另存为图片</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>Reading the caches…</source>
        <translation>正在读取缓存…</translation>
    </message>
    <message>
        <source>No sprays seen in games yet: the game keeps those it sees on servers in each mod&apos;s custom.hpk.</source>
        <translation>还没有在游戏中见过的喷漆：游戏会把在服务器上见到的喷漆保存在每个模组的 custom.hpk 里。</translation>
    </message>
    <message numerus="yes">
        <source>%n sprays seen.</source>
        <translation>
            <numerusform>见过 %n 个喷漆。</numerusform>
        </translation>
    </message>
    <message>
        <source>These caches could not be read (the game may be writing one: press Refresh):</source>
        <translation>无法读取以下缓存（游戏可能正在写入其中一个：请按“刷新”）：</translation>
    </message>
    <message>
        <source>Sprays Seen in Games</source>
        <translation>游戏中见过的喷漆</translation>
    </message>
    <message>
        <source>&amp;Mod:</source>
        <translation>模组(&amp;M)：</translation>
    </message>
    <message>
        <source>All mods</source>
        <translation>所有模组</translation>
    </message>
    <message>
        <source>Sprays seen in games</source>
        <translation>游戏中见过的喷漆</translation>
    </message>
    <message>
        <source>&amp;Save to Library</source>
        <translation>保存到喷漆库(&amp;S)</translation>
    </message>
    <message>
        <source>Copy the chosen sprays, unchanged, into the category chosen in the main window</source>
        <translation>把选中的喷漆原样复制到主窗口中选中的分类</translation>
    </message>
    <message>
        <source>Save as &amp;Picture…</source>
        <translation>另存为图片(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Set your spray folder first: kept sprays are copied into it.</source>
        <translation>请先设置喷漆文件夹：保留的喷漆会复制到那里。</translation>
    </message>
    <message numerus="yes">
        <source>Saving %n sprays in %1…</source>
        <translation>
            <numerusform>正在把 %n 个喷漆保存到 %1…</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not save the spray in %1<byte value="xd"/>%2</source>
        <translation>无法将喷漆保存到 %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Could not save these pictures:<byte value="xd"/>%1</source>
        <translation>无法保存以下图片：<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Saving the picture…</source>
        <translation>正在保存图片…</translation>
    </message>
    <message numerus="yes">
        <source>Saving %n pictures in %1…</source>
        <translation>
            <numerusform>正在把 %n 张图片保存到 %1…</numerusform>
        </translation>
    </message>
    <message>
        <source>No game folder yet: set the Half-Life folder in File Locations.</source>
        <translation>还没有游戏文件夹：请在“文件位置”中设置半条命文件夹。</translation>
    </message>
</context>
<context>
    <name>velmira::SeenSave</name>
    <message>
        <source>every name for it is taken</source>
        <translation>所有可用的名字都已被占用</translation>
    </message>
    <message>
        <source>the spray has no picture the game draws</source>
        <translation>这个喷漆里没有游戏会画出的图片</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>无法生成图片</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>还有 %n 个</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::SeenSprayModel</name>
    <message>
        <source>%1, %2 at byte %3, %4 × %5 pixels</source>
        <translation>%1，%2第%3字节处，%4 × %5像素</translation>
    </message>
</context>
<context>
    <name>velmira::Settings</name>
    <message>
        <source>Could not save the settings to %1: it is not a settings file</source>
        <translation>无法将设置保存到 %1：它不是设置文件</translation>
    </message>
    <message>
        <source>Could not save the settings to %1</source>
        <translation>无法将设置保存到 %1</translation>
    </message>
</context>
<context>
    <name>velmira::SprayView</name>
    <message>
        <source>The spray as the game draws it</source>
        <translation>按游戏画法显示的喷漆</translation>
    </message>
</context>
<context>
    <name>velmira::Sprays</name>
    <message>
        <source>it is larger than the %1 MB a spray picture may be</source>
        <translation>它超过了喷漆图片允许的 %1 MB</translation>
    </message>
    <message>
        <source>Set your spray folder first: dropped files are copied into it.</source>
        <translation>请先设置喷漆文件夹：拖入的文件会复制到那里。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it was not copied</comment>
        <translation>%1：%2</translation>
    </message>
    <message numerus="yes">
        <source>These spray files in %1 are not listed: their names are not valid text, so they cannot be opened.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Rename them to use them.</source>
        <translation>
            <numerusform>%1 中的以下喷漆文件没有列出：它们的文件名不是有效文本，无法打开。<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>重命名后即可使用。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Could not copy into %1<byte value="xd"/>%2</source>
        <translation>
            <numerusform>无法复制到 %1<byte value="xd"/>%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only pictures and WAD files join the spray library; these were not added:<byte value="xd"/>%1</source>
        <translation>
            <numerusform>只有图片和 WAD 文件可以加入喷漆库；以下文件没有加入：<byte value="xd"/>%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::picture::Bmp</name>
    <message>
        <source>the bitmap is cut short</source>
        <translation>位图文件不完整</translation>
    </message>
    <message>
        <source>the bitmap&apos;s compressed pixels are cut short</source>
        <translation>位图的压缩像素数据不完整</translation>
    </message>
    <message>
        <source>the bitmap&apos;s headers are damaged or cut short</source>
        <translation>位图文件头已损坏或不完整</translation>
    </message>
    <message>
        <source>the bitmap is not 1, 4 or 8 bits per pixel</source>
        <translation>位图不是每像素 1、4 或 8 位</translation>
    </message>
    <message>
        <source>the bitmap&apos;s compression is not supported</source>
        <translation>不支持该位图的压缩方式</translation>
    </message>
    <message>
        <source>the bitmap&apos;s size is not valid</source>
        <translation>位图尺寸无效</translation>
    </message>
    <message>
        <source>the bitmap is too large</source>
        <translation>位图太大</translation>
    </message>
    <message>
        <source>the bitmap&apos;s palette is cut short</source>
        <translation>位图的调色板不完整</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Heif</name>
    <message>
        <source>the HEIF picture is damaged</source>
        <translation>HEIF 图片已损坏</translation>
    </message>
    <message>
        <source>it is not a HEIF picture</source>
        <translation>这不是 HEIF 图片</translation>
    </message>
    <message>
        <source>the HEIF picture&apos;s size is not valid</source>
        <translation>HEIF 图片尺寸无效</translation>
    </message>
    <message>
        <source>the HEIF picture cannot be read: %1</source>
        <translation>无法读取 HEIF 图片：%1</translation>
    </message>
    <message>
        <source>the HEIF picture has no pixels</source>
        <translation>HEIF 图片没有像素</translation>
    </message>
    <message>
        <source>this build of Velmira reads no HEIF pictures</source>
        <translation>此版本的 Velmira 无法读取 HEIF 图片</translation>
    </message>
</context>
<context>
    <name>velmira::picture::PictureCost</name>
    <message>
        <source>the JPEG picture is cut short</source>
        <translation>JPEG 图片不完整</translation>
    </message>
    <message>
        <source>the PNG picture is cut short</source>
        <translation>PNG 图片不完整</translation>
    </message>
    <message>
        <source>the GIF picture is cut short</source>
        <translation>GIF 图片不完整</translation>
    </message>
    <message>
        <source>a frame of the GIF picture lies outside the picture</source>
        <translation>GIF 图片的某一帧超出了图片范围</translation>
    </message>
    <message>
        <source>the GIF picture is damaged</source>
        <translation>GIF 图片已损坏</translation>
    </message>
    <message>
        <source>this build of Velmira reads no HEIF pictures</source>
        <translation>此版本的 Velmira 无法读取 HEIF 图片</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read</source>
        <translation>图片为 %1 × %2 像素，超出了可读取的范围</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read: reading it would take %3 MB, and a picture may take at most %4 MB</source>
        <translation>图片为 %1 × %2 像素，超出了可读取的范围：读取它需要 %3 MB，而一张图片最多只能占用 %4 MB</translation>
    </message>
    <message>
        <source>the bitmap is cut short</source>
        <translation>位图文件不完整</translation>
    </message>
    <message>
        <source>the picture&apos;s kind is not known</source>
        <translation>无法识别图片格式</translation>
    </message>
    <message>
        <source>the picture&apos;s size is not known</source>
        <translation>无法得知图片尺寸</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Png</name>
    <message>
        <source>the compressed data is damaged</source>
        <translation>压缩数据已损坏</translation>
    </message>
    <message>
        <source>the compressed data is cut short</source>
        <translation>压缩数据不完整</translation>
    </message>
    <message>
        <source>the PNG picture is damaged</source>
        <translation>PNG 图片已损坏</translation>
    </message>
    <message>
        <source>the PNG picture is cut short</source>
        <translation>PNG 图片不完整</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read</source>
        <translation>图片为 %1 × %2 像素，超出了可读取的范围</translation>
    </message>
    <message>
        <source>the PNG picture is damaged: %1</source>
        <translation>PNG 图片已损坏：%1</translation>
    </message>
</context>
<context>
    <name>velmira::picture::QtReader</name>
    <message>
        <source>the %1 picture of %2 × %3 pixels cannot be read: %4</source>
        <translation>无法读取%2 × %3像素的%1图片：%4</translation>
    </message>
</context>
<context>
    <name>velmira::picture::ReadFile</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 不存在</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 不是普通文件</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 is larger than %n bytes</source>
        <translation>
            <numerusform>%1 超过了 %n 字节</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not read: %2</source>
        <translation>未读取 %1：%2</translation>
    </message>
</context>
<context>
    <name>velmira::picture::ReadPicture</name>
    <message>
        <source>cannot read the bitmap %1: %2</source>
        <translation>无法读取图片 %1：%2</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Tga</name>
    <message>
        <source>the TGA picture is cut short</source>
        <translation>TGA 图片不完整</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s kind is not supported</source>
        <translation>不支持此类 TGA 图片</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s size is not valid</source>
        <translation>TGA 图片尺寸无效</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s colour map is not supported</source>
        <translation>不支持该 TGA 图片的调色板</translation>
    </message>
    <message>
        <source>the TGA picture is too large</source>
        <translation>TGA 图片太大</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Tiff</name>
    <message>
        <source>the TIFF picture is damaged</source>
        <translation>TIFF 图片已损坏</translation>
    </message>
    <message>
        <source>the TIFF picture is damaged: %1</source>
        <translation>TIFF 图片已损坏：%1</translation>
    </message>
    <message>
        <source>the TIFF picture is cut short</source>
        <translation>TIFF 图片不完整</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Webp</name>
    <message>
        <source>the WebP picture is damaged</source>
        <translation>WebP 图片已损坏</translation>
    </message>
    <message>
        <source>the WebP picture is cut short</source>
        <translation>WebP 图片不完整</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Convert</name>
    <message>
        <source>the picture is empty</source>
        <translation>图片是空的</translation>
    </message>
    <message>
        <source>the colour reducer could not start</source>
        <translation>无法启动减色处理</translation>
    </message>
    <message>
        <source>the colour reducer refused the picture</source>
        <translation>减色处理拒绝了这张图片</translation>
    </message>
    <message>
        <source>the picture&apos;s colours could not be reduced</source>
        <translation>无法减少图片的颜色</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Maker</name>
    <message>
        <source>the picture is empty</source>
        <translation>图片是空的</translation>
    </message>
    <message>
        <source>one-colour decal</source>
        <translation>单色贴花</translation>
    </message>
    <message>
        <source>colour spray</source>
        <translation>彩色喷漆</translation>
    </message>
    <message>
        <source>Servers that keep sprays to 64 × 64 will not show this</source>
        <translation>把喷漆限制在 64 × 64 的服务器不会显示它</translation>
    </message>
    <message>
        <source>Sharp scaling of a photo looks blocky</source>
        <translation>照片用锐利缩放会出现马赛克</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Spray</name>
    <message>
        <source>the bitmap is not an 8-bit paletted picture</source>
        <translation>位图不是 8 位调色板图片</translation>
    </message>
    <message>
        <source>the lump&apos;s area lies outside the bitmap</source>
        <translation>数据块的区域超出了位图范围</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>图片是空的</translation>
    </message>
</context>
<context>
    <name>velmira::wad::Hpk</name>
    <message>
        <source>it is not a cache of sprays</source>
        <translation>这不是喷漆缓存</translation>
    </message>
    <message>
        <source>the cache is of a version the game does not write</source>
        <translation>该缓存的版本与游戏不符</translation>
    </message>
    <message>
        <source>the cache&apos;s directory lies outside it</source>
        <translation>缓存的目录位于文件之外</translation>
    </message>
    <message>
        <source>the cache is cut short</source>
        <translation>缓存被截断了</translation>
    </message>
    <message>
        <source>the cache&apos;s entries add up to more than the file</source>
        <translation>缓存各条目加起来比文件还大</translation>
    </message>
    <message>
        <source>no spray of the cache lies there</source>
        <translation>缓存中该位置没有喷漆</translation>
    </message>
    <message>
        <source>it is no longer a file</source>
        <translation>它已经不是文件了</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>无法打开：%1</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>文件已不存在</translation>
    </message>
    <message>
        <source>it is shorter now</source>
        <translation>文件变小了</translation>
    </message>
    <message numerus="yes">
        <source>the cache&apos;s directory counts %n entries</source>
        <translation>
            <numerusform>缓存的目录记有 %n 个条目</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::wad::LumpScript</name>
    <message>
        <source>line %1: a quote is not closed</source>
        <translation>第 %1 行：引号没有闭合</translation>
    </message>
    <message>
        <source>line %1: %2 needs a file name</source>
        <translation>第 %1 行：%2 需要文件名</translation>
    </message>
    <message>
        <source>line %1: unknown directive %2</source>
        <translation>第 %1 行：未知指令 %2</translation>
    </message>
    <message>
        <source>line %1: a lump line needs a type</source>
        <translation>第 %1 行：数据块行需要类型</translation>
    </message>
    <message>
        <source>line %1: the lump name %2 is 16 characters or more</source>
        <translation>第 %1 行：数据块名 %2 有 16 个或更多字符</translation>
    </message>
    <message>
        <source>line %1: lumps of type %2 are not supported</source>
        <translation>第 %1 行：不支持类型为 %2 的数据块</translation>
    </message>
    <message>
        <source>line %1: a miptex lump needs x, y, width and height</source>
        <translation>第 %1 行：miptex 数据块需要 x、y、宽度和高度</translation>
    </message>
    <message>
        <source>line %1: the lump&apos;s area is not valid</source>
        <translation>第 %1 行：数据块的区域无效</translation>
    </message>
    <message>
        <source>line %1: no $loadbmp before this lump</source>
        <translation>第 %1 行：此数据块之前没有 $loadbmp</translation>
    </message>
    <message>
        <source>the script names no $DEST file</source>
        <translation>脚本没有指定 $DEST 文件</translation>
    </message>
    <message>
        <source>the script holds no lump</source>
        <translation>脚本中没有数据块</translation>
    </message>
</context>
<context>
    <name>velmira::wad::Maker</name>
    <message>
        <source>The game would not use this spray: %1</source>
        <translation>游戏不会使用这个喷漆：%1</translation>
    </message>
    <message>
        <source>Nothing of the picture shows: every pixel of this spray is see-through. Bring the picture into the frame, or make less of it see-through.</source>
        <translation>图片完全看不见：这个喷漆的每个像素都是透明的。请把图片移进边框，或减少透明的部分。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the bitmap and what is wrong</comment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>velmira::wad::Wad</name>
    <message>
        <source>the file is too small to be a WAD</source>
        <translation>文件太小，不可能是 WAD</translation>
    </message>
    <message>
        <source>the file is not a WAD3 file</source>
        <translation>文件不是 WAD3 文件</translation>
    </message>
    <message>
        <source>the directory lies outside the file</source>
        <translation>目录位于文件之外</translation>
    </message>
    <message>
        <source>the directory runs past the end of the file</source>
        <translation>目录超出了文件末尾</translation>
    </message>
    <message>
        <source>lump %1 is compressed</source>
        <translation>数据块 %1 是压缩的</translation>
    </message>
    <message>
        <source>lump %1 lies outside the file</source>
        <translation>数据块 %1 位于文件之外</translation>
    </message>
    <message>
        <source>the lumps add up to more than the file</source>
        <translation>数据块加起来比文件还大</translation>
    </message>
    <message>
        <source>the picture&apos;s header is cut short</source>
        <translation>图片头部不完整</translation>
    </message>
    <message>
        <source>the picture&apos;s size %1 x %2 is not allowed</source>
        <translation>不允许的图片尺寸 %1 x %2</translation>
    </message>
    <message>
        <source>the picture runs past the end of its lump</source>
        <translation>图片超出了所在数据块的末尾</translation>
    </message>
    <message>
        <source>the palette is damaged</source>
        <translation>调色板已损坏</translation>
    </message>
    <message>
        <source>the file&apos;s size %1 is outside 1024 to 20480 bytes</source>
        <translation>文件大小 %1 不在 1024 到 20480 字节之间</translation>
    </message>
    <message>
        <source>the directory is not at the end of the file</source>
        <translation>目录不在文件末尾</translation>
    </message>
    <message>
        <source>the lump&apos;s sizes are wrong</source>
        <translation>数据块的大小不对</translation>
    </message>
    <message>
        <source>the mip levels&apos; offsets do not follow each other</source>
        <translation>各级 mip 的偏移不连续</translation>
    </message>
    <message>
        <source>the palette lies outside the lump</source>
        <translation>调色板位于数据块之外</translation>
    </message>
    <message>
        <source>the palette&apos;s colour count %1 is not 1 to 256</source>
        <translation>调色板的颜色数 %1 不在 1 到 256 之间</translation>
    </message>
    <message numerus="yes">
        <source>the file holds %n lumps, not one</source>
        <translation>
            <numerusform>文件包含 %n 个数据块，而不是一个</numerusform>
        </translation>
    </message>
</context>
</TS>
