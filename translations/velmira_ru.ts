<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CheckSpraysDialog</name>
    <message numerus="yes">
        <source>Mods checked: %1. Problems found: %n.</source>
        <translation>
            <numerusform>Проверено модов: %1. Найдена %n проблема.</numerusform>
            <numerusform>Проверено модов: %1. Найдено %n проблемы.</numerusform>
            <numerusform>Проверено модов: %1. Найдено %n проблем.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameConfig</name>
    <message>
        <source>a start of the Windows game</source>
        <translation>при запуске Windows-версии игры</translation>
    </message>
    <message>
        <source>a start of the Linux game</source>
        <translation>при запуске Linux-версии игры</translation>
    </message>
    <message>
        <source>a start of Xash3D</source>
        <translation>при запуске Xash3D</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <translation>%1, строка %2</translation>
    </message>
    <message>
        <source>the engine&apos;s default</source>
        <translation>по умолчанию в движке</translation>
    </message>
    <message>
        <source>After the game quits and starts again, %1 ends with %2 &quot;%3&quot; (%4).</source>
        <translation>Если выйти из игры и снова её запустить, %2 в итоге получит значение &quot;%3&quot; %1 (%4).</translation>
    </message>
    <message>
        <source>%1 ends with %2 &quot;%3&quot; (%4).</source>
        <translation>%2 в итоге получает значение &quot;%3&quot; %1 (%4).</translation>
    </message>
    <message>
        <source>Quit the game first: it writes config.cfg as it quits, which would undo the change.</source>
        <translation>Сначала закройте игру: при выходе она записывает config.cfg, и это отменило бы изменение.</translation>
    </message>
    <message>
        <source>The mod folder %1 cannot be opened: %2</source>
        <translation>Не удаётся открыть папку мода %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2), so whether it turns %3 off is not known; nothing was changed.</source>
        <translation>Не удаётся прочитать %1 (%2), поэтому неизвестно, не отключает ли этот файл %3; ничего не изменено.</translation>
    </message>
    <message>
        <source>%1 is already on in %2.</source>
        <translation>%1 уже включён в моде %2.</translation>
    </message>
    <message>
        <source>%1 is a link: change %2 in the file it leads to.</source>
        <translation>%1 — это ссылка: измените %2 в файле, на который она указывает.</translation>
    </message>
    <message>
        <source>%1 could not be changed: %2</source>
        <translation>Не удалось изменить %1: %2</translation>
    </message>
    <message>
        <source>%1 line %2 now sets %3 to %4 (it was &quot;%5&quot;); the file as it was is kept as %6.</source>
        <translation>%1, строка %2: теперь %3 получает значение %4 (было &quot;%5&quot;); прежняя версия файла сохранена как %6.</translation>
    </message>
    <message>
        <source>But the game would still turn it off: %1</source>
        <translation>Но игра всё равно его отключит: %1</translation>
    </message>
    <message>
        <source>Another program is writing %1; try again when it has finished.</source>
        <translation>Другая программа записывает %1; повторите попытку, когда она закончит.</translation>
    </message>
    <message>
        <source>it cannot be read or is larger than 256 KB</source>
        <translation>его не удаётся прочитать, или он больше 256 КБ</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>это не обычный файл</translation>
    </message>
</context>
<context>
    <name>SprayCheck</name>
    <message>
        <source>%1 line %2</source>
        <translation>%1, строка %2</translation>
    </message>
    <message>
        <source>Not read: %1.</source>
        <translation>Не прочитано: %1.</translation>
    </message>
    <message>
        <source>The mod folder cannot be opened: %1</source>
        <translation>Не удаётся открыть папку мода: %1</translation>
    </message>
    <message>
        <source>No tempdecal.wad: the game has no spray to send. Use &quot;Create Sprays&quot;.</source>
        <translation>Нет tempdecal.wad: игре нечего отправить на сервер. Нажмите «Создать спреи».</translation>
    </message>
    <message>
        <source>tempdecal.wad is not a plain file: the game cannot use it.</source>
        <translation>tempdecal.wad — не обычный файл: игра не может его использовать.</translation>
    </message>
    <message>
        <source>tempdecal.wad cannot be read, or is far larger than any spray.</source>
        <translation>Не удаётся прочитать tempdecal.wad, или он намного больше любого спрея.</translation>
    </message>
    <message>
        <source>The game will not use it: %1</source>
        <translation>Игра не будет его использовать: %1</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 пикселей</translation>
    </message>
    <message>
        <source>The spray Velmira installed, %1.</source>
        <translation>Спрей, установленный Velmira, %1.</translation>
    </message>
    <message>
        <source>Replaced since Velmira installed its spray here, %1: the game&apos;s Options screen writes its logo over it when you press OK there.</source>
        <translation>Заменён после того, как Velmira установила сюда свой спрей (сейчас %1): экран настроек игры записывает поверх него свой логотип, если нажать там «OK».</translation>
    </message>
    <message>
        <source>A spray Velmira did not install, %1.</source>
        <translation>Спрей, установленный не Velmira, %1.</translation>
    </message>
    <message>
        <source>Not checked. %1</source>
        <translation>Не проверено. %1</translation>
    </message>
    <message>
        <source>No spray the game takes.</source>
        <translation>Нет спрея, который примет игра.</translation>
    </message>
    <message>
        <source>The Options screen has the logo &quot;%1&quot; (%2) chosen.</source>
        <translation>На экране настроек выбран логотип «%1» (%2).</translation>
    </message>
    <message>
        <source>Read-only: the Options screen cannot replace it. %1</source>
        <translation>Только для чтения: экран настроек не сможет его заменить. %1</translation>
    </message>
    <message>
        <source>Not protected: pressing OK in Options writes the logo &quot;%1&quot; over it.</source>
        <translation>Не защищён: при нажатии «OK» в настройках поверх него запишется логотип «%1».</translation>
    </message>
    <message>
        <source>No cache yet: the game makes one as it sees sprays.</source>
        <translation>Кэша пока нет: игра создаст его, когда увидит спреи.</translation>
    </message>
    <message>
        <source>custom.hpk is not a plain file.</source>
        <translation>custom.hpk — не обычный файл.</translation>
    </message>
    <message numerus="yes">
        <source>%1; sprays kept: %n</source>
        <translation>
            <numerusform>%1; сохранён %n спрей</numerusform>
            <numerusform>%1; сохранено %n спрея</numerusform>
            <numerusform>%1; сохранено %n спреев</numerusform>
        </translation>
    </message>
    <message>
        <source>Not Xash3D.</source>
        <translation>Не Xash3D.</translation>
    </message>
    <message>
        <source>Velmira installed no logo here. %1</source>
        <translation>Velmira не устанавливала сюда логотип. %1</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Спрей</translation>
    </message>
    <message>
        <source>Others see it</source>
        <translation>Видят другие</translation>
    </message>
    <message>
        <source>You see theirs</source>
        <translation>Вы видите чужие</translation>
    </message>
    <message>
        <source>Every server</source>
        <translation>Любой сервер</translation>
    </message>
    <message>
        <source>It stays</source>
        <translation>Останется</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Кэш</translation>
    </message>
    <message>
        <source>Xash3D logo</source>
        <translation>Логотип Xash3D</translation>
    </message>
    <message>
        <source>Turn &amp;Uploads On</source>
        <translation>Включить о&amp;тправку</translation>
    </message>
    <message>
        <source>Turn &amp;Downloads On</source>
        <translation>Включить &amp;скачивание</translation>
    </message>
    <message>
        <source>Make &amp;Every-Server Size…</source>
        <translation>&amp;Размер для любого сервера…</translation>
    </message>
    <message>
        <source>&amp;Protect</source>
        <translation>&amp;Защитить</translation>
    </message>
    <message>
        <source>Xash3D builds tempdecal.wad from the logo chosen in Customize each time it joins a server.</source>
        <translation>Xash3D создаёт tempdecal.wad из логотипа, выбранного на экране «Настроить», при каждом подключении к серверу.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>нет файла</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>не файл</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>не читается</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>отклонён</translation>
    </message>
    <message>
        <source>Velmira&apos;s</source>
        <translation>от Velmira</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>заменён</translation>
    </message>
    <message>
        <source>another</source>
        <translation>другой</translation>
    </message>
    <message>
        <source>Xash3D scales the logo it sends itself.</source>
        <translation>Xash3D сам масштабирует отправляемый логотип.</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1: every server shows it.</source>
        <translation>%1: его покажет любой сервер.</translation>
    </message>
    <message>
        <source>%1: servers that keep sprays to 64 × 64 do not show it.</source>
        <translation>%1: серверы, ограничивающие спреи размером 64 × 64, его не покажут.</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>только чтение</translation>
    </message>
    <message>
        <source>not protected</source>
        <translation>не защищён</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>пока нет</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>повреждён</translation>
    </message>
    <message>
        <source>custom.hpk cannot be read (%1); the game deletes a damaged cache when it starts.</source>
        <translation>Не удаётся прочитать custom.hpk (%1); игра удаляет повреждённый кэш при запуске.</translation>
    </message>
    <message>
        <source>%1. The game empties it itself when it grows past 4 MB.</source>
        <translation>%1. Игра сама очищает его, когда он превышает 4 МБ.</translation>
    </message>
    <message>
        <source>not opened</source>
        <translation>не открывается</translation>
    </message>
    <message>
        <source>Xash3D rewrites tempdecal.wad itself.</source>
        <translation>Xash3D сам перезаписывает tempdecal.wad.</translation>
    </message>
    <message>
        <source>Decals</source>
        <translation>Декали</translation>
    </message>
    <message>
        <source>Turn Decal&amp;s On</source>
        <translation>Включить &amp;декали</translation>
    </message>
    <message>
        <source>If it still fails on one server, the server may refuse uploads or large sprays (sv_allowupload, sv_allowdownload, sv_send_logos, sv_rehlds_allow_large_sprays): no file of yours changes that.</source>
        <translation>Если на каком-то сервере спреи всё равно не работают, возможно, этот сервер запрещает их отправку или не принимает большие спреи (sv_allowupload, sv_allowdownload, sv_send_logos, sv_rehlds_allow_large_sprays): ваши файлы на это не влияют.</translation>
    </message>
    <message>
        <source>at a start of the Windows game</source>
        <translation>при запуске Windows-версии игры</translation>
    </message>
    <message>
        <source>at a start of the Linux game</source>
        <translation>при запуске Linux-версии игры</translation>
    </message>
    <message>
        <source>at a start of Xash3D</source>
        <translation>при запуске Xash3D</translation>
    </message>
    <message>
        <source>the engine&apos;s default</source>
        <translation>по умолчанию в движке</translation>
    </message>
    <message>
        <source>on</source>
        <translation>вкл.</translation>
    </message>
    <message>
        <source>On: %1.</source>
        <translation>Включено: %1.</translation>
    </message>
    <message>
        <source>default</source>
        <translation>по умолчанию</translation>
    </message>
    <message>
        <source>off in %1</source>
        <translation>выкл.: %1</translation>
    </message>
    <message>
        <source>sends .%1</source>
        <translation>отправляет .%1</translation>
    </message>
    <message>
        <source>Xash3D sends logos/remapped.%1, not Velmira&apos;s PNG logo (%2): choose Velmira&apos;s logo in Customize.</source>
        <translation>Xash3D отправляет logos/remapped.%1, а не PNG-логотип от Velmira (%2): выберите логотип Velmira на экране «Настроить».</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>не выбран</translation>
    </message>
    <message>
        <source>There is no logos/remapped.png, the picture Xash3D sends: choose Velmira&apos;s logo in Customize.</source>
        <translation>Нет logos/remapped.png — картинки, которую отправляет Xash3D: выберите логотип Velmira на экране «Настроить».</translation>
    </message>
    <message>
        <source>another logo</source>
        <translation>другой логотип</translation>
    </message>
    <message>
        <source>Xash3D sends logos/remapped.png, which is not the logo Velmira installed: choose Velmira&apos;s logo in Customize.</source>
        <translation>Xash3D отправляет logos/remapped.png, но это не тот логотип, который установила Velmira: выберите логотип Velmira на экране «Настроить».</translation>
    </message>
    <message>
        <source>Xash3D sends the logo Velmira installed.</source>
        <translation>Xash3D отправляет логотип, установленный Velmira.</translation>
    </message>
    <message>
        <source>Uploads are off (%1, %2): servers never get your spray.</source>
        <translation>Отправка выключена (%1, %2): серверы не получат ваш спрей.</translation>
    </message>
    <message>
        <source>Downloads are off (%1, %2): you see no one else&apos;s spray.</source>
        <translation>Скачивание выключено (%1, %2): вы не видите чужие спреи.</translation>
    </message>
    <message>
        <source>Downloads during a game are off (%1, %2): you do not see the sprays of players who join after you.</source>
        <translation>Скачивание во время игры выключено (%1, %2): вы не видите спреи игроков, которые зашли на сервер после вас.</translation>
    </message>
    <message>
        <source>No decals are drawn (%1, %2): no one&apos;s spray shows.</source>
        <translation>Декали не рисуются (%1, %2): ничьи спреи не видны.</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>не прочитано</translation>
    </message>
    <message>
        <source>%1 is already on in %2.</source>
        <translation>%1 уже включён в моде %2.</translation>
    </message>
</context>
<context>
    <name>SprayReport</name>
    <message>
        <source>Half-Life, Windows client</source>
        <translation>Half-Life, клиент для Windows</translation>
    </message>
    <message>
        <source>Half-Life, Linux client</source>
        <translation>Half-Life, клиент для Linux</translation>
    </message>
    <message>
        <source>Xash3D FWGS</source>
        <translation>Xash3D FWGS</translation>
    </message>
    <message>
        <source>Starts checked: %1</source>
        <translation>Проверенные варианты запуска: %1</translation>
    </message>
</context>
<context>
    <name>qlumpy</name>
    <message>
        <source>%1 is a link; the WAD is not written through it</source>
        <translation>%1 — это ссылка; WAD через неё не записывается</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 — не обычный файл</translation>
    </message>
    <message>
        <source>usage: qlumpy [--many-lumps] SCRIPT</source>
        <translation>использование: qlumpy [--many-lumps] СКРИПТ</translation>
    </message>
    <message>
        <source>cannot read the script: %1</source>
        <translation>не удаётся прочитать скрипт: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the script and what is wrong</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>не удаётся записать %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>возможно, диск заполнен</translation>
    </message>
    <message numerus="yes">
        <source>%1: the script names %n lumps; a spray holds one</source>
        <translation>
            <numerusform>%1: в скрипте %n лумп, а в спрее может быть только один</numerusform>
            <numerusform>%1: в скрипте %n лумпа, а в спрее может быть только один</numerusform>
            <numerusform>%1: в скрипте %n лумпов, а в спрее может быть только один</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>About Velmira</source>
        <translation>О программе Velmira</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>The easiest way to switch between color Half-Life sprays!</source>
        <translation>Самый простой способ менять цветные спреи в Half-Life!</translation>
    </message>
    <message>
        <source>Written by the Velmira developers</source>
        <translation>Авторы: разработчики Velmira</translation>
    </message>
    <message>
        <source>Comments and problems: see ReadMe.txt</source>
        <translation>Отзывы и проблемы: см. ReadMe.txt</translation>
    </message>
    <message>
        <source>Velmira: colour sprays for every Half-Life mod</source>
        <translation>Velmira: цветные спреи для любого мода Half-Life</translation>
    </message>
    <message>
        <source>Made by players, for players</source>
        <translation>Сделано игроками для игроков</translation>
    </message>
    <message>
        <source>(C) the Velmira developers. GPL-3.0-or-later, with NO WARRANTY. See ReadMe.txt for details.</source>
        <translation>(C) разработчики Velmira. GPL-3.0-or-later, БЕЗ КАКИХ-ЛИБО ГАРАНТИЙ. Подробнее в ReadMe.txt.</translation>
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
        <translation>%1: это ссылка</translation>
    </message>
    <message>
        <source>%1: it is not a file</source>
        <translation>%1: это не файл</translation>
    </message>
    <message>
        <source>%1: it cannot be read</source>
        <translation>%1: его не удаётся прочитать</translation>
    </message>
    <message>
        <source>%1 is in the way and is not a file</source>
        <translation>%1 мешает и не является файлом</translation>
    </message>
    <message>
        <source>it is no longer a plain file</source>
        <translation>это больше не обычный файл</translation>
    </message>
    <message>
        <source>Clear Cached Sprays</source>
        <translation>Очистка кэша спреев</translation>
    </message>
    <message>
        <source>Select the mods whose cached sprays you want to clear.</source>
        <translation>Выберите моды, кэш спреев которых нужно очистить.</translation>
    </message>
    <message>
        <source>The game is running from %1. Quit it before clearing its cached sprays: it keeps the cache open and writes it back.</source>
        <translation>Игра запущена из %1. Закройте её, прежде чем очищать кэш спреев: она держит кэш открытым и записывает его обратно.</translation>
    </message>
    <message>
        <source>None of the selected mods has cached sprays (%1).</source>
        <translation>Ни у одного из выбранных модов нет кэша спреев (%1).</translation>
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
            <numerusform>Этот файл кэша не тронут:</numerusform>
            <numerusform>Эти файлы кэша не тронуты:</numerusform>
            <numerusform>Эти файлы кэша не тронуты:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>custom.hpk holds the sprays of other players the game has seen on servers, so an old spray can show instead of a new one. The game builds it again as it needs.<byte value="xd"/><byte value="xd"/>Each of these is moved to custom.hpk.old beside it (an older custom.hpk.old is replaced):</source>
        <translation>
            <numerusform>В custom.hpk хранятся спреи других игроков, увиденные игрой на серверах, поэтому вместо нового спрея может показываться старый. Игра создаёт этот файл заново по мере надобности.<byte value="xd"/><byte value="xd"/>Этот файл будет переименован в custom.hpk.old рядом с ним (прежний custom.hpk.old будет заменён):</numerusform>
            <numerusform>В custom.hpk хранятся спреи других игроков, увиденные игрой на серверах, поэтому вместо нового спрея может показываться старый. Игра создаёт этот файл заново по мере надобности.<byte value="xd"/><byte value="xd"/>Каждый из этих файлов будет переименован в custom.hpk.old рядом с ним (прежний custom.hpk.old будет заменён):</numerusform>
            <numerusform>В custom.hpk хранятся спреи других игроков, увиденные игрой на серверах, поэтому вместо нового спрея может показываться старый. Игра создаёт этот файл заново по мере надобности.<byte value="xd"/><byte value="xd"/>Каждый из этих файлов будет переименован в custom.hpk.old рядом с ним (прежний custom.hpk.old будет заменён):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Could not clear these cached sprays:</source>
        <translation>
            <numerusform>Не удалось очистить этот кэш спреев:</numerusform>
            <numerusform>Не удалось очистить эти кэши спреев:</numerusform>
            <numerusform>Не удалось очистить эти кэши спреев:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::Categories</name>
    <message>
        <source>WARNING: Spray folder does not exist:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Please verify your spray folder.</source>
        <translation>ВНИМАНИЕ: папка спреев не существует:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Проверьте папку спреев.</translation>
    </message>
    <message>
        <source>Please set your Spray folder.</source>
        <translation>Укажите папку спреев.</translation>
    </message>
    <message>
        <source>Invalid spray folder!</source>
        <translation>Неверная папка спреев!</translation>
    </message>
    <message>
        <source>WARNING: Folder does not exist:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Try hitting refresh or varify your spray folder.</source>
        <translation>ВНИМАНИЕ: папка не существует:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Нажмите «Обновить» или проверьте папку спреев.</translation>
    </message>
    <message>
        <source>&lt;Favorites&gt;</source>
        <translation>&lt;Избранное&gt;</translation>
    </message>
</context>
<context>
    <name>velmira::CheckSpraysDialog</name>
    <message>
        <source>Check Sprays</source>
        <translation>Проверка спреев</translation>
    </message>
    <message>
        <source>Spray checks, a row for each mod</source>
        <translation>Проверка спреев, по строке на каждый мод</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Мод</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Проверка…</translation>
    </message>
    <message>
        <source>Open the spray maker on the mod&apos;s spray picture with the every-server size chosen</source>
        <translation>Открыть окно «Сделать спрей» с картинкой спрея этого мода и размером для любого сервера</translation>
    </message>
    <message>
        <source>Leave the sprays Velmira installed read-only, as &quot;Protect Sprays from the Game&quot; does</source>
        <translation>Оставить спреи, установленные Velmira, только для чтения, как это делает «Защитить спреи от игры»</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>&amp;Проверить снова</translation>
    </message>
    <message>
        <source>No mods to check: set the Half-Life folder in File Locations.</source>
        <translation>Нет модов для проверки: укажите папку Half-Life в окне «Расположение файлов».</translation>
    </message>
    <message>
        <source>The spray maker is open with the every-server size chosen: save the spray, then use &quot;Create Sprays&quot;.</source>
        <translation>Окно «Сделать спрей» открыто с размером для любого сервера: сохраните спрей, затем нажмите «Создать спреи».</translation>
    </message>
    <message>
        <source>Quit the game first: its Options screen may be writing the spray.</source>
        <translation>Сначала закройте игру: её экран настроек может записывать спрей.</translation>
    </message>
    <message>
        <source>The sprays Velmira installed are now read-only.</source>
        <translation>Спреи, установленные Velmira, теперь только для чтения.</translation>
    </message>
    <message>
        <source>The report is on the clipboard.</source>
        <translation>Отчёт скопирован в буфер обмена.</translation>
    </message>
    <message>
        <source>Set cl_allowupload to 1 on every line that turns it off in the files the game runs, keeping a copy of each file as it was</source>
        <translation>Задать cl_allowupload значение 1 в каждой строке, которая его отключает, в файлах, которые выполняет игра, сохранив копию каждого файла в прежнем виде</translation>
    </message>
    <message>
        <source>Set cl_allowdownload and cl_download_ingame to 1 on every line that turns them off in the files the game runs, keeping a copy of each file as it was</source>
        <translation>Задать cl_allowdownload и cl_download_ingame значение 1 в каждой строке, которая их отключает, в файлах, которые выполняет игра, сохранив копию каждого файла в прежнем виде</translation>
    </message>
    <message>
        <source>Set mp_decals and r_decals back to the game&apos;s own numbers on every line that sets them to 0, keeping a copy of each file as it was</source>
        <translation>Вернуть mp_decals и r_decals стандартные значения игры в каждой строке, которая задаёт им 0, сохранив копию каждого файла в прежнем виде</translation>
    </message>
    <message>
        <source>Copy &amp;Report</source>
        <translation>&amp;Копировать отчёт</translation>
    </message>
    <message>
        <source>Put the checks on the clipboard as plain text, to paste into a forum or a bug report (Ctrl+Shift+C)</source>
        <translation>Скопировать результаты проверки в буфер обмена обычным текстом, чтобы вставить их на форум или в сообщение об ошибке (Ctrl+Shift+C)</translation>
    </message>
</context>
<context>
    <name>velmira::Compiler</name>
    <message>
        <source>Could not make a private folder for the compiler&apos;s files in %1<byte value="xd"/>%2</source>
        <translation>Не удалось создать личную папку для файлов компилятора в %1<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>velmira::Create</name>
    <message>
        <source>Error compiling. Check BMP format and dimentions.<byte value="xd"/>File: %1</source>
        <translation>Ошибка компиляции. Проверьте формат и размеры BMP.<byte value="xd"/>Файл: %1</translation>
    </message>
    <message>
        <source>Error creating spray!</source>
        <translation>Ошибка создания спрея!</translation>
    </message>
    <message>
        <source>Could not install the spray in %1<byte value="xd"/>%2</source>
        <translation>Не удалось установить спрей в %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Could not use the folder %1<byte value="xd"/>%2</source>
        <translation>Не удалось использовать папку %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>все имена для него заняты</translation>
    </message>
    <message>
        <source>The game is running from %1.<byte value="xd"/>It reads your spray when it starts a map, and its Options screen may replace the spray when you press OK or Apply there.<byte value="xd"/><byte value="xd"/>Install the sprays now?</source>
        <translation>Игра запущена из %1.<byte value="xd"/>Она читает ваш спрей при загрузке карты, а её экран настроек может заменить спрей, если нажать там «OK» или «Применить».<byte value="xd"/><byte value="xd"/>Установить спреи сейчас?</translation>
    </message>
    <message>
        <source>The game would not use this spray, so it was not installed:<byte value="xd"/>%1</source>
        <translation>Игра не стала бы использовать этот спрей, поэтому он не установлен:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Could not find Qlumpy.exe!</source>
        <translation>Не удалось найти Qlumpy.exe!</translation>
    </message>
    <message>
        <source>Spray(s) Created!</source>
        <translation>Спреи созданы!</translation>
    </message>
    <message>
        <source>Could not find %1</source>
        <translation>Не удалось найти %1</translation>
    </message>
</context>
<context>
    <name>velmira::ErrorReport</name>
    <message>
        <source>If this happens repeatedly, please let me know exactly what it says below.<byte value="xd"/>Error # %1<byte value="xd"/>Source: %2<byte value="xd"/>Dll: %3<byte value="xd"/>Sub: %4-%5</source>
        <translation>Если это повторяется, сообщите, пожалуйста, точно, что написано ниже.<byte value="xd"/>Ошибка № %1<byte value="xd"/>Источник: %2<byte value="xd"/>Dll: %3<byte value="xd"/>Процедура: %4-%5</translation>
    </message>
</context>
<context>
    <name>velmira::Failure</name>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Путь не найден</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Доступ запрещён</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индекс вне диапазона</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Ошибка ввода-вывода устройства</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Файл уже существует</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>системная ошибка %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
</context>
<context>
    <name>velmira::Folders</name>
    <message>
        <source>WARNING: Cannot find Half-Life in that folder!<byte value="xd"/>You might just have some different version I don&apos;t know about.<byte value="xd"/>Do you want to force VELMR to use the path you entered?</source>
        <translation>ВНИМАНИЕ: в этой папке не найдена Half-Life!<byte value="xd"/>Возможно, у вас просто другая версия, о которой я не знаю.<byte value="xd"/>Заставить VELMR использовать указанный путь?</translation>
    </message>
    <message>
        <source>WARNING: Half-Life folder does not exist!</source>
        <translation>ВНИМАНИЕ: папка Half-Life не существует!</translation>
    </message>
    <message>
        <source>WARNING: Spray folder does not exist!</source>
        <translation>ВНИМАНИЕ: папка спреев не существует!</translation>
    </message>
</context>
<context>
    <name>velmira::FramingView</name>
    <message>
        <source>Picture under the spray&apos;s frame</source>
        <translation>Картинка под рамкой спрея</translation>
    </message>
    <message>
        <source>Drag to move the picture, turn the wheel to zoom; the arrow keys move it by one pixel, with Shift by ten</source>
        <translation>Перетаскивайте картинку мышью, колёсиком меняйте масштаб; стрелки сдвигают её на один пиксель, с Shift — на десять</translation>
    </message>
    <message>
        <source>Reading the picture…</source>
        <translation>Чтение картинки…</translation>
    </message>
</context>
<context>
    <name>velmira::Held</name>
    <message>
        <source>No spray is installed here.</source>
        <translation>Здесь не установлен спрей.</translation>
    </message>
    <message>
        <source>The spray Velmira installed here has been removed.</source>
        <translation>Спрей, установленный сюда Velmira, удалён.</translation>
    </message>
    <message>
        <source>The spray file cannot be read: %1</source>
        <translation>Не удаётся прочитать файл спрея: %1</translation>
    </message>
    <message>
        <source>The spray Velmira installed here.</source>
        <translation>Спрей, установленный сюда Velmira.</translation>
    </message>
    <message>
        <source>Replaced since Velmira installed its spray here (the game&apos;s Options screen rewrites it when you press OK or Apply there).</source>
        <translation>Заменён после того, как Velmira установила сюда свой спрей (экран настроек игры перезаписывает его, если нажать там «OK» или «Применить»).</translation>
    </message>
    <message>
        <source>A spray Velmira did not install.</source>
        <translation>Спрей, установленный не Velmira.</translation>
    </message>
    <message>
        <source> The game cannot show it.</source>
        <translation> Игра не сможет его показать.</translation>
    </message>
</context>
<context>
    <name>velmira::Help</name>
    <message>
        <source>Cannot find the help file:<byte value="xd"/>%1</source>
        <translation>Не удаётся найти файл справки:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Velmira Help</source>
        <translation>Справка Velmira</translation>
    </message>
</context>
<context>
    <name>velmira::LocationsDialog</name>
    <message>
        <source>File Locations</source>
        <translation>Расположение файлов</translation>
    </message>
    <message>
        <source>Half-Life Folder:</source>
        <translation>Папка Half-Life:</translation>
    </message>
    <message>
        <source>Spray Folder:</source>
        <translation>Папка спреев:</translation>
    </message>
    <message>
        <source>Found in Steam…</source>
        <translation>Найдено в Steam…</translation>
    </message>
    <message>
        <source>Games found in your Steam libraries</source>
        <translation>Игры, найденные в ваших библиотеках Steam</translation>
    </message>
    <message>
        <source>Games found in Steam</source>
        <translation>Игры, найденные в Steam</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>velmira::MainWindow</name>
    <message>
        <source>Open the spray folder</source>
        <translation>Открыть папку спреев</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Show Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>Apply to Selected</source>
        <translation>Назначить</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Create Sprays</source>
        <translation>Создать спреи</translation>
    </message>
    <message>
        <source>Frame the chosen picture into a spray, see it as the game draws it, and save it to the library</source>
        <translation>Вписать выбранную картинку в спрей, увидеть его так, как его рисует игра, и сохранить в библиотеку</translation>
    </message>
    <message>
        <source>Browse the sprays the game kept from servers, and keep the ones you like</source>
        <translation>Просмотреть спреи, которые игра сохранила с серверов, и оставить себе понравившиеся</translation>
    </message>
    <message>
        <source>Leave each installed tempdecal.wad read-only, so that the game&apos;s Options screen cannot replace your spray</source>
        <translation>Оставлять каждый установленный tempdecal.wad только для чтения, чтобы экран настроек игры не мог заменить ваш спрей</translation>
    </message>
    <message>
        <source>As the System</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Click on the help menu if you have</source>
        <translation>Откройте меню «Справка», если вы</translation>
    </message>
    <message>
        <source>not used VELMR before.</source>
        <translation>ещё не пользовались VELMR.</translation>
    </message>
    <message>
        <source>Could not find ReadMe.txt!</source>
        <translation>Не удалось найти ReadMe.txt!</translation>
    </message>
    <message>
        <source>File Not Found!</source>
        <translation>Файл не найден!</translation>
    </message>
    <message>
        <source>&amp;Make Spray…</source>
        <comment>spray list menu</comment>
        <translation>&amp;Сделать спрей…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;File Locations...</source>
        <comment>File menu</comment>
        <translation>&amp;Расположение файлов...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Make Spray…</source>
        <comment>File menu</comment>
        <translation>&amp;Сделать спрей…</translation>
    </message>
    <message>
        <source>Sprays Seen in &amp;Games…</source>
        <comment>File menu</comment>
        <translation>Спреи, увиденные в &amp;играх…</translation>
    </message>
    <message>
        <source>&amp;Protect Sprays from the Game</source>
        <comment>File menu</comment>
        <translation>&amp;Защитить спреи от игры</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <comment>File menu</comment>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <comment>Help menu</comment>
        <translation>&amp;Содержание...</translation>
    </message>
    <message>
        <source>&amp;View ReadMe.txt ...</source>
        <comment>Help menu</comment>
        <translation>&amp;Просмотр ReadMe.txt ...</translation>
    </message>
    <message>
        <source>&amp;About VELMR ...</source>
        <comment>Help menu</comment>
        <translation>&amp;О программе VELMR ...</translation>
    </message>
    <message>
        <source>See for each mod whether others will see your spray, and you theirs, and put right what can safely be</source>
        <translation>Узнать для каждого мода, увидят ли другие ваш спрей, а вы — их, и исправить то, что можно исправить без риска</translation>
    </message>
    <message>
        <source>Choose the spray&apos;s picture in the spray list (or assign it to %1), then choose this fix again.</source>
        <translation>Выберите картинку спрея в списке спреев (или назначьте её моду %1), затем снова выберите это исправление.</translation>
    </message>
    <message>
        <source>The spray maker could not be opened on %1.</source>
        <translation>Не удалось открыть %1 в окне «Сделать спрей».</translation>
    </message>
    <message>
        <source>Make Spray</source>
        <translation>Сделать спрей</translation>
    </message>
    <message>
        <source>Set your spray folder first: the spray maker saves into it.</source>
        <translation>Сначала укажите папку спреев: готовые спреи сохраняются в неё.</translation>
    </message>
    <message>
        <source>Cannot make a spray of %1</source>
        <translation>Не удаётся сделать спрей из %1</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>Sprays in the category</source>
        <translation>Спреи в категории</translation>
    </message>
    <message>
        <source>Mods</source>
        <translation>Моды</translation>
    </message>
    <message>
        <source>Spray preview</source>
        <translation>Предпросмотр спрея</translation>
    </message>
    <message>
        <source>&amp;Clear Cached Sprays…</source>
        <comment>File menu</comment>
        <translation>&amp;Очистить кэш спреев…</translation>
    </message>
    <message>
        <source>Chec&amp;k Sprays…</source>
        <comment>File menu</comment>
        <translation>&amp;Проверить спреи…</translation>
    </message>
</context>
<context>
    <name>velmira::Maker</name>
    <message>
        <source>Choose a picture in the spray list first.</source>
        <translation>Сначала выберите картинку в списке спреев.</translation>
    </message>
    <message>
        <source>The spray maker makes sprays from pictures; %1 is already a spray.</source>
        <translation>Окно «Сделать спрей» делает спреи из картинок, а %1 — уже спрей.</translation>
    </message>
</context>
<context>
    <name>velmira::MakerDialog</name>
    <message>
        <source>Make Spray - %1</source>
        <translation>Сделать спрей – %1</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Кадрирование</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>&amp;Zoom:</source>
        <translation>&amp;Масштаб:</translation>
    </message>
    <message>
        <source>F&amp;it</source>
        <translation>&amp;Вписать</translation>
    </message>
    <message>
        <source>The whole picture inside the frame</source>
        <translation>Вся картинка внутри рамки</translation>
    </message>
    <message>
        <source>Fi&amp;ll</source>
        <translation>&amp;Заполнить</translation>
    </message>
    <message>
        <source>The frame covered by the picture</source>
        <translation>Рамка целиком закрыта картинкой</translation>
    </message>
    <message>
        <source>&amp;Rotate 90°</source>
        <translation>П&amp;овернуть на 90°</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>Отраз&amp;ить</translation>
    </message>
    <message>
        <source>See-through</source>
        <translation>Прозрачность</translation>
    </message>
    <message>
        <source>A colour…</source>
        <translation>Цвет…</translation>
    </message>
    <message>
        <source>&amp;Around the picture:</source>
        <translation>Вокруг к&amp;артинки:</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Largest the game takes</source>
        <translation>Наибольший допустимый</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Классический</translation>
    </message>
    <message>
        <source>Every server (64 × 64 at most)</source>
        <translation>Для любого сервера (не больше 64 × 64)</translation>
    </message>
    <message>
        <source>Chosen freely</source>
        <translation>Произвольный</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>&amp;Width × height:</source>
        <translation>&amp;Ширина × высота:</translation>
    </message>
    <message>
        <source>None (solid)</source>
        <translation>Нет (без прозрачности)</translation>
    </message>
    <message>
        <source>The picture&apos;s own transparency</source>
        <translation>Собственная прозрачность картинки</translation>
    </message>
    <message>
        <source>A colour, everywhere</source>
        <translation>Цвет, везде</translation>
    </message>
    <message>
        <source>A colour, where it touches the edge</source>
        <translation>Цвет там, где он касается края</translation>
    </message>
    <message>
        <source>Cut-off</source>
        <translation>Порог</translation>
    </message>
    <message>
        <source>&amp;Cut-off:</source>
        <translation>&amp;Порог:</translation>
    </message>
    <message>
        <source>&amp;Pick from the picture</source>
        <translation>Вз&amp;ять с картинки</translation>
    </message>
    <message>
        <source>C&amp;olour…</source>
        <translation>&amp;Цвет…</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Допуск</translation>
    </message>
    <message>
        <source>&amp;Tolerance:</source>
        <translation>&amp;Допуск:</translation>
    </message>
    <message>
        <source>Remove the coloured &amp;fringe</source>
        <translation>Убрать цветную ка&amp;йму</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Сглаженное</translation>
    </message>
    <message>
        <source>Sharp (pixel art)</source>
        <translation>Чёткое (пиксель-арт)</translation>
    </message>
    <message>
        <source>Scali&amp;ng:</source>
        <translation>Масшта&amp;бирование:</translation>
    </message>
    <message>
        <source>&amp;Dither</source>
        <translation>Диз&amp;еринг</translation>
    </message>
    <message>
        <source>In&amp;k…</source>
        <translation>&amp;Краска…</translation>
    </message>
    <message>
        <source>Checker</source>
        <translation>Шахматка</translation>
    </message>
    <message>
        <source>Light wall</source>
        <translation>Светлая стена</translation>
    </message>
    <message>
        <source>Dark wall</source>
        <translation>Тёмная стена</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Фон:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Colour around the picture</source>
        <translation>Цвет вокруг картинки</translation>
    </message>
    <message>
        <source>See-through colour</source>
        <translation>Прозрачный цвет</translation>
    </message>
    <message>
        <source>Logo colour</source>
        <translation>Цвет логотипа</translation>
    </message>
    <message>
        <source>Cannot make a spray of %1<byte value="xd"/>%2</source>
        <translation>Не удаётся сделать спрей из %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Make Spray</source>
        <translation>Сделать спрей</translation>
    </message>
    <message>
        <source>one-colour logo</source>
        <translation>одноцветный логотип</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n цвет</numerusform>
            <numerusform>%n цвета</numerusform>
            <numerusform>%n цветов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 pixels, %3, WAD of %n bytes</source>
        <translation>
            <numerusform>%1 × %2 пикселей, %3, WAD на %n байт</numerusform>
            <numerusform>%1 × %2 пикселей, %3, WAD на %n байта</numerusform>
            <numerusform>%1 × %2 пикселей, %3, WAD на %n байт</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not save the spray in %1<byte value="xd"/>%2</source>
        <translation>Не удалось сохранить спрей в %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Siz&amp;e:</source>
        <translation>&amp;Размер:</translation>
    </message>
    <message>
        <source>Enlar&amp;ge small pictures</source>
        <translation>&amp;Увеличивать маленькие картинки</translation>
    </message>
    <message>
        <source>W&amp;hat:</source>
        <translation>&amp;Что прозрачно:</translation>
    </message>
    <message>
        <source>One-colo&amp;ur logo</source>
        <translation>Одноцветный &amp;логотип</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>velmira::OpenFolder</name>
    <message>
        <source>File already exists</source>
        <translation>Файл уже существует</translation>
    </message>
    <message>
        <source>another program changed %1 while it was being saved</source>
        <translation>другая программа изменила %1 во время сохранения</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>все имена для него заняты</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 — не обычный файл</translation>
    </message>
    <message>
        <source>%1 is in the way and is not a file</source>
        <translation>%1 мешает и не является файлом</translation>
    </message>
    <message>
        <source>cannot replace %1: it is not a file</source>
        <translation>не удаётся заменить %1: это не файл</translation>
    </message>
    <message>
        <source>cannot write beside %1: %2</source>
        <translation>не удаётся записать рядом с %1: %2</translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation>не удаётся сохранить копию %1: %2</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>не удаётся заменить %1: %2</translation>
    </message>
    <message>
        <source>it is a link, not a folder</source>
        <translation>это ссылка, а не папка</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>это не папка</translation>
    </message>
    <message>
        <source>%1 is read-only, so it is left as it is</source>
        <translation>файл %1 доступен только для чтения, поэтому он оставлен без изменений</translation>
    </message>
    <message>
        <source>it is a link that another user could have put there, which Velmira does not follow</source>
        <translation>это ссылка, которую мог подложить другой пользователь, а по таким ссылкам Velmira не переходит</translation>
    </message>
    <message>
        <source>the system did not give the new file the access rules of the one it replaces</source>
        <translation>система не передала новому файлу права доступа заменяемого файла</translation>
    </message>
    <message>
        <source>the link was changed while it was being followed</source>
        <translation>ссылка изменилась во время перехода по ней</translation>
    </message>
</context>
<context>
    <name>velmira::Preview</name>
    <message>
        <source>one colour</source>
        <translation>один цвет</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n цвет</numerusform>
            <numerusform>%n цвета</numerusform>
            <numerusform>%n цветов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2, %3, scaled from %4 × %5</source>
        <translation>%1 × %2, %3, масштабировано из %4 × %5</translation>
    </message>
    <message>
        <source>%1 × %2, used as it is</source>
        <translation>%1 × %2, без изменений</translation>
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
            <numerusform>предпросмотр спрея: %1 × %2, %n цвет</numerusform>
            <numerusform>предпросмотр спрея: %1 × %2, %n цвета</numerusform>
            <numerusform>предпросмотр спрея: %1 × %2, %n цветов</numerusform>
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
            <numerusform>Спреи, установленные Velmira, теперь только для чтения, чтобы игра не могла их заменить, в моде:</numerusform>
            <numerusform>Спреи, установленные Velmira, теперь только для чтения, чтобы игра не могла их заменить, в модах:</numerusform>
            <numerusform>Спреи, установленные Velmira, теперь только для чтения, чтобы игра не могла их заменить, в модах:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sprays Velmira installed can be replaced by the game again in:</source>
        <translation>
            <numerusform>Игра снова может заменять спреи, установленные Velmira, в моде:</numerusform>
            <numerusform>Игра снова может заменять спреи, установленные Velmira, в модах:</numerusform>
            <numerusform>Игра снова может заменять спреи, установленные Velmira, в модах:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>These could not be changed:</source>
        <translation>
            <numerusform>Этот не удалось изменить:</numerusform>
            <numerusform>Эти не удалось изменить:</numerusform>
            <numerusform>Эти не удалось изменить:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::Seen</name>
    <message>
        <source>The cache of %1 changed since the window read it (%2): press Refresh.</source>
        <translation>Кэш мода %1 изменился с тех пор, как окно его прочитало (%2): нажмите «Обновить».</translation>
    </message>
    <message>
        <source>another spray lies there now</source>
        <translation>теперь там лежит другой спрей</translation>
    </message>
    <message>
        <source>No cache holds the spray: press Refresh.</source>
        <translation>Ни в одном кэше нет этого спрея: нажмите «Обновить».</translation>
    </message>
    <message>
        <source>Seen in %1</source>
        <translation>Увиден в модах: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 pixels, %n bytes</source>
        <translation>
            <numerusform>%1 × %2 пикселей, %n байт</numerusform>
            <numerusform>%1 × %2 пикселей, %n байта</numerusform>
            <numerusform>%1 × %2 пикселей, %n байт</numerusform>
        </translation>
    </message>
    <message>
        <source>Every server takes it</source>
        <translation>Подходит для любого сервера</translation>
    </message>
    <message>
        <source>Servers that keep sprays to 64 × 64 will not show it</source>
        <translation>Серверы, ограничивающие спреи размером 64 × 64, его не покажут</translation>
    </message>
</context>
<context>
    <name>velmira::SeenDialog</name>
    <message numerus="yes">
        <source>Stopped: %n of the %1 were saved, the rest were not.</source>
        <translation>
            <numerusform>Остановлено: сохранён %n из %1, остальные — нет.</numerusform>
            <numerusform>Остановлено: сохранено %n из %1, остальные — нет.</numerusform>
            <numerusform>Остановлено: сохранено %n из %1, остальные — нет.</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the Pictures in</source>
        <translation>Сохранить картинки в папку</translation>
    </message>
    <message>
        <source>Save as Picture</source>
        <translation>Сохранить как картинку</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Картинки PNG (*.png)</translation>
    </message>
    <message>
        <source>Reading the caches…</source>
        <translation>Чтение кэшей…</translation>
    </message>
    <message>
        <source>No sprays seen in games yet: the game keeps those it sees on servers in each mod&apos;s custom.hpk.</source>
        <translation>Спреев, увиденных в играх, пока нет: игра хранит спреи, которые видит на серверах, в файле custom.hpk каждого мода.</translation>
    </message>
    <message numerus="yes">
        <source>%n sprays seen.</source>
        <translation>
            <numerusform>Увиден %n спрей.</numerusform>
            <numerusform>Увидено %n спрея.</numerusform>
            <numerusform>Увидено %n спреев.</numerusform>
        </translation>
    </message>
    <message>
        <source>These caches could not be read (the game may be writing one: press Refresh):</source>
        <translation>Не удалось прочитать эти кэши (возможно, игра как раз записывает один из них: нажмите «Обновить»):</translation>
    </message>
    <message>
        <source>Sprays Seen in Games</source>
        <translation>Спреи, увиденные в играх</translation>
    </message>
    <message>
        <source>&amp;Mod:</source>
        <translation>&amp;Мод:</translation>
    </message>
    <message>
        <source>All mods</source>
        <translation>Все моды</translation>
    </message>
    <message>
        <source>Sprays seen in games</source>
        <translation>Спреи, увиденные в играх</translation>
    </message>
    <message>
        <source>&amp;Save to Library</source>
        <translation>&amp;Сохранить в библиотеку</translation>
    </message>
    <message>
        <source>Copy the chosen sprays, unchanged, into the category chosen in the main window</source>
        <translation>Скопировать выбранные спреи без изменений в категорию, выбранную в главном окне</translation>
    </message>
    <message>
        <source>Save as &amp;Picture…</source>
        <translation>Сохранить как &amp;картинку…</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Обновить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Set your spray folder first: kept sprays are copied into it.</source>
        <translation>Сначала укажите папку спреев: сохраняемые спреи копируются в неё.</translation>
    </message>
    <message numerus="yes">
        <source>Saving %n sprays in %1…</source>
        <translation>
            <numerusform>Сохраняется %n спрей в %1…</numerusform>
            <numerusform>Сохраняются %n спрея в %1…</numerusform>
            <numerusform>Сохраняется %n спреев в %1…</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not save the spray in %1<byte value="xd"/>%2</source>
        <translation>Не удалось сохранить спрей в %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Could not save these pictures:<byte value="xd"/>%1</source>
        <translation>Не удалось сохранить эти картинки:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Saving the picture…</source>
        <translation>Сохранение картинки…</translation>
    </message>
    <message numerus="yes">
        <source>Saving %n pictures in %1…</source>
        <translation>
            <numerusform>Сохраняется %n картинка в %1…</numerusform>
            <numerusform>Сохраняются %n картинки в %1…</numerusform>
            <numerusform>Сохраняется %n картинок в %1…</numerusform>
        </translation>
    </message>
    <message>
        <source>No game folder yet: set the Half-Life folder in File Locations.</source>
        <translation>Папка игры ещё не указана: укажите папку Half-Life в окне «Расположение файлов».</translation>
    </message>
</context>
<context>
    <name>velmira::SeenSave</name>
    <message>
        <source>every name for it is taken</source>
        <translation>все имена для него заняты</translation>
    </message>
    <message>
        <source>the spray has no picture the game draws</source>
        <translation>в спрее нет картинки, которую рисует игра</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>не удалось сделать картинку</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::SeenSprayModel</name>
    <message>
        <source>%1, %2 at byte %3, %4 × %5 pixels</source>
        <translation>%1, %2 (с байта %3), %4 × %5 пикселей</translation>
    </message>
</context>
<context>
    <name>velmira::Settings</name>
    <message>
        <source>Could not save the settings to %1: it is not a settings file</source>
        <translation>Не удалось сохранить настройки в %1: это не файл настроек</translation>
    </message>
    <message>
        <source>Could not save the settings to %1</source>
        <translation>Не удалось сохранить настройки в %1</translation>
    </message>
</context>
<context>
    <name>velmira::SprayView</name>
    <message>
        <source>The spray as the game draws it</source>
        <translation>Спрей таким, каким его рисует игра</translation>
    </message>
</context>
<context>
    <name>velmira::Sprays</name>
    <message>
        <source>it is larger than the %1 MB a spray picture may be</source>
        <translation>он больше %1 МБ, допустимых для картинки спрея</translation>
    </message>
    <message>
        <source>Set your spray folder first: dropped files are copied into it.</source>
        <translation>Сначала укажите папку спреев: перетащенные файлы копируются в неё.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it was not copied</comment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>These spray files in %1 are not listed: their names are not valid text, so they cannot be opened.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Rename them to use them.</source>
        <translation>
            <numerusform>Этот файл спрея в %1 не показан в списке: его имя — недопустимый текст, поэтому его нельзя открыть.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Переименуйте его, чтобы использовать.</numerusform>
            <numerusform>Эти файлы спреев в %1 не показаны в списке: их имена — недопустимый текст, поэтому их нельзя открыть.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Переименуйте их, чтобы использовать.</numerusform>
            <numerusform>Эти файлы спреев в %1 не показаны в списке: их имена — недопустимый текст, поэтому их нельзя открыть.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Переименуйте их, чтобы использовать.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Could not copy into %1<byte value="xd"/>%2</source>
        <translation>
            <numerusform>Не удалось скопировать в %1<byte value="xd"/>%2</numerusform>
            <numerusform>Не удалось скопировать в %1<byte value="xd"/>%2</numerusform>
            <numerusform>Не удалось скопировать в %1<byte value="xd"/>%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only pictures and WAD files join the spray library; these were not added:<byte value="xd"/>%1</source>
        <translation>
            <numerusform>В библиотеку спреев попадают только картинки и файлы WAD; этот файл не добавлен:<byte value="xd"/>%1</numerusform>
            <numerusform>В библиотеку спреев попадают только картинки и файлы WAD; эти файлы не добавлены:<byte value="xd"/>%1</numerusform>
            <numerusform>В библиотеку спреев попадают только картинки и файлы WAD; эти файлы не добавлены:<byte value="xd"/>%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::picture::Bmp</name>
    <message>
        <source>the bitmap is cut short</source>
        <translation>BMP-файл обрезан</translation>
    </message>
    <message>
        <source>the bitmap&apos;s compressed pixels are cut short</source>
        <translation>сжатые пиксели BMP-файла обрезаны</translation>
    </message>
    <message>
        <source>the bitmap&apos;s headers are damaged or cut short</source>
        <translation>заголовки BMP-файла повреждены или обрезаны</translation>
    </message>
    <message>
        <source>the bitmap is not 1, 4 or 8 bits per pixel</source>
        <translation>в BMP-файле не 1, 4 или 8 бит на пиксель</translation>
    </message>
    <message>
        <source>the bitmap&apos;s compression is not supported</source>
        <translation>сжатие BMP-файла не поддерживается</translation>
    </message>
    <message>
        <source>the bitmap&apos;s size is not valid</source>
        <translation>недопустимый размер BMP-файла</translation>
    </message>
    <message>
        <source>the bitmap is too large</source>
        <translation>BMP-файл слишком большой</translation>
    </message>
    <message>
        <source>the bitmap&apos;s palette is cut short</source>
        <translation>палитра BMP-файла обрезана</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Heif</name>
    <message>
        <source>the HEIF picture is damaged</source>
        <translation>HEIF-картинка повреждена</translation>
    </message>
    <message>
        <source>it is not a HEIF picture</source>
        <translation>это не HEIF-картинка</translation>
    </message>
    <message>
        <source>the HEIF picture&apos;s size is not valid</source>
        <translation>недопустимый размер HEIF-картинки</translation>
    </message>
    <message>
        <source>the HEIF picture cannot be read: %1</source>
        <translation>не удаётся прочитать HEIF-картинку: %1</translation>
    </message>
    <message>
        <source>the HEIF picture has no pixels</source>
        <translation>в HEIF-картинке нет пикселей</translation>
    </message>
    <message>
        <source>this build of Velmira reads no HEIF pictures</source>
        <translation>эта сборка Velmira не читает HEIF-картинки</translation>
    </message>
</context>
<context>
    <name>velmira::picture::PictureCost</name>
    <message>
        <source>the JPEG picture is cut short</source>
        <translation>JPEG-картинка обрезана</translation>
    </message>
    <message>
        <source>the PNG picture is cut short</source>
        <translation>PNG-картинка обрезана</translation>
    </message>
    <message>
        <source>the GIF picture is cut short</source>
        <translation>GIF-картинка обрезана</translation>
    </message>
    <message>
        <source>a frame of the GIF picture lies outside the picture</source>
        <translation>кадр GIF-картинки выходит за её пределы</translation>
    </message>
    <message>
        <source>the GIF picture is damaged</source>
        <translation>GIF-картинка повреждена</translation>
    </message>
    <message>
        <source>this build of Velmira reads no HEIF pictures</source>
        <translation>эта сборка Velmira не читает HEIF-картинки</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read</source>
        <translation>картинка размером %1 × %2 пикселей — больше, чем можно прочитать</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read: reading it would take %3 MB, and a picture may take at most %4 MB</source>
        <translation>картинка размером %1 × %2 пикселей — больше, чем можно прочитать: на её чтение ушло бы %3 МБ, а на одну картинку отводится не больше %4 МБ</translation>
    </message>
    <message>
        <source>the bitmap is cut short</source>
        <translation>BMP-файл обрезан</translation>
    </message>
    <message>
        <source>the picture&apos;s kind is not known</source>
        <translation>неизвестный формат картинки</translation>
    </message>
    <message>
        <source>the picture&apos;s size is not known</source>
        <translation>размер картинки неизвестен</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Png</name>
    <message>
        <source>the compressed data is damaged</source>
        <translation>сжатые данные повреждены</translation>
    </message>
    <message>
        <source>the compressed data is cut short</source>
        <translation>сжатые данные обрезаны</translation>
    </message>
    <message>
        <source>the PNG picture is damaged</source>
        <translation>PNG-картинка повреждена</translation>
    </message>
    <message>
        <source>the PNG picture is cut short</source>
        <translation>PNG-картинка обрезана</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read</source>
        <translation>картинка размером %1 × %2 пикселей — больше, чем можно прочитать</translation>
    </message>
    <message>
        <source>the PNG picture is damaged: %1</source>
        <translation>PNG-картинка повреждена: %1</translation>
    </message>
</context>
<context>
    <name>velmira::picture::QtReader</name>
    <message>
        <source>the %1 picture of %2 × %3 pixels cannot be read: %4</source>
        <translation>не удаётся прочитать %1-картинку размером %2 × %3 пикселей: %4</translation>
    </message>
</context>
<context>
    <name>velmira::picture::ReadFile</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 не существует</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 — не обычный файл</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>не удаётся открыть %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 is larger than %n bytes</source>
        <translation>
            <numerusform>файл %1 больше %n байта</numerusform>
            <numerusform>файл %1 больше %n байт</numerusform>
            <numerusform>файл %1 больше %n байт</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not read: %2</source>
        <translation>файл %1 не прочитан: %2</translation>
    </message>
</context>
<context>
    <name>velmira::picture::ReadPicture</name>
    <message>
        <source>cannot read the bitmap %1: %2</source>
        <translation>не удаётся прочитать картинку %1: %2</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Tga</name>
    <message>
        <source>the TGA picture is cut short</source>
        <translation>TGA-картинка обрезана</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s kind is not supported</source>
        <translation>этот вид TGA-картинки не поддерживается</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s size is not valid</source>
        <translation>недопустимый размер TGA-картинки</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s colour map is not supported</source>
        <translation>палитра TGA-картинки не поддерживается</translation>
    </message>
    <message>
        <source>the TGA picture is too large</source>
        <translation>TGA-картинка слишком большая</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Tiff</name>
    <message>
        <source>the TIFF picture is damaged</source>
        <translation>TIFF-картинка повреждена</translation>
    </message>
    <message>
        <source>the TIFF picture is damaged: %1</source>
        <translation>TIFF-картинка повреждена: %1</translation>
    </message>
    <message>
        <source>the TIFF picture is cut short</source>
        <translation>TIFF-картинка обрезана</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Webp</name>
    <message>
        <source>the WebP picture is damaged</source>
        <translation>WebP-картинка повреждена</translation>
    </message>
    <message>
        <source>the WebP picture is cut short</source>
        <translation>WebP-картинка обрезана</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Convert</name>
    <message>
        <source>the picture is empty</source>
        <translation>картинка пуста</translation>
    </message>
    <message>
        <source>the colour reducer could not start</source>
        <translation>не удалось запустить уменьшение числа цветов</translation>
    </message>
    <message>
        <source>the colour reducer refused the picture</source>
        <translation>уменьшение числа цветов не приняло картинку</translation>
    </message>
    <message>
        <source>the picture&apos;s colours could not be reduced</source>
        <translation>не удалось уменьшить число цветов картинки</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Maker</name>
    <message>
        <source>the picture is empty</source>
        <translation>картинка пуста</translation>
    </message>
    <message>
        <source>one-colour decal</source>
        <translation>одноцветная декаль</translation>
    </message>
    <message>
        <source>colour spray</source>
        <translation>цветной спрей</translation>
    </message>
    <message>
        <source>Servers that keep sprays to 64 × 64 will not show this</source>
        <translation>Серверы, ограничивающие спреи размером 64 × 64, его не покажут</translation>
    </message>
    <message>
        <source>Sharp scaling of a photo looks blocky</source>
        <translation>Чёткое масштабирование фотографии выглядит ступенчато</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Spray</name>
    <message>
        <source>the bitmap is not an 8-bit paletted picture</source>
        <translation>BMP-файл — не 8-битная картинка с палитрой</translation>
    </message>
    <message>
        <source>the lump&apos;s area lies outside the bitmap</source>
        <translation>область лумпа выходит за пределы BMP-файла</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>картинка пуста</translation>
    </message>
</context>
<context>
    <name>velmira::wad::Hpk</name>
    <message>
        <source>it is not a cache of sprays</source>
        <translation>это не кэш спреев</translation>
    </message>
    <message>
        <source>the cache is of a version the game does not write</source>
        <translation>кэш такой версии игра не записывает</translation>
    </message>
    <message>
        <source>the cache&apos;s directory lies outside it</source>
        <translation>каталог кэша лежит за его пределами</translation>
    </message>
    <message>
        <source>the cache is cut short</source>
        <translation>кэш обрезан</translation>
    </message>
    <message>
        <source>the cache&apos;s entries add up to more than the file</source>
        <translation>записи кэша в сумме больше самого файла</translation>
    </message>
    <message>
        <source>no spray of the cache lies there</source>
        <translation>там не лежит ни один спрей кэша</translation>
    </message>
    <message>
        <source>it is no longer a file</source>
        <translation>это больше не файл</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>его не удаётся открыть: %1</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>его больше нет</translation>
    </message>
    <message>
        <source>it is shorter now</source>
        <translation>теперь он короче</translation>
    </message>
    <message numerus="yes">
        <source>the cache&apos;s directory counts %n entries</source>
        <translation>
            <numerusform>в каталоге кэша %n запись</numerusform>
            <numerusform>в каталоге кэша %n записи</numerusform>
            <numerusform>в каталоге кэша %n записей</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::wad::LumpScript</name>
    <message>
        <source>line %1: a quote is not closed</source>
        <translation>строка %1: кавычка не закрыта</translation>
    </message>
    <message>
        <source>line %1: %2 needs a file name</source>
        <translation>строка %1: %2 требует имя файла</translation>
    </message>
    <message>
        <source>line %1: unknown directive %2</source>
        <translation>строка %1: неизвестная директива %2</translation>
    </message>
    <message>
        <source>line %1: a lump line needs a type</source>
        <translation>строка %1: в строке лумпа нужен тип</translation>
    </message>
    <message>
        <source>line %1: the lump name %2 is 16 characters or more</source>
        <translation>строка %1: имя лумпа %2 длиной 16 символов или больше</translation>
    </message>
    <message>
        <source>line %1: lumps of type %2 are not supported</source>
        <translation>строка %1: лумпы типа %2 не поддерживаются</translation>
    </message>
    <message>
        <source>line %1: a miptex lump needs x, y, width and height</source>
        <translation>строка %1: лумпу miptex нужны x, y, ширина и высота</translation>
    </message>
    <message>
        <source>line %1: the lump&apos;s area is not valid</source>
        <translation>строка %1: недопустимая область лумпа</translation>
    </message>
    <message>
        <source>line %1: no $loadbmp before this lump</source>
        <translation>строка %1: перед этим лумпом нет $loadbmp</translation>
    </message>
    <message>
        <source>the script names no $DEST file</source>
        <translation>в скрипте не указан файл $DEST</translation>
    </message>
    <message>
        <source>the script holds no lump</source>
        <translation>в скрипте нет ни одного лумпа</translation>
    </message>
</context>
<context>
    <name>velmira::wad::Maker</name>
    <message>
        <source>The game would not use this spray: %1</source>
        <translation>Игра не стала бы использовать этот спрей: %1</translation>
    </message>
    <message>
        <source>Nothing of the picture shows: every pixel of this spray is see-through. Bring the picture into the frame, or make less of it see-through.</source>
        <translation>От картинки ничего не видно: каждый пиксель этого спрея прозрачный. Переместите картинку в рамку или сделайте прозрачной меньшую её часть.</translation>
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
        <translation>файл слишком мал для WAD</translation>
    </message>
    <message>
        <source>the file is not a WAD3 file</source>
        <translation>файл не является файлом WAD3</translation>
    </message>
    <message>
        <source>the directory lies outside the file</source>
        <translation>каталог лежит за пределами файла</translation>
    </message>
    <message>
        <source>the directory runs past the end of the file</source>
        <translation>каталог выходит за конец файла</translation>
    </message>
    <message>
        <source>lump %1 is compressed</source>
        <translation>лумп %1 сжат</translation>
    </message>
    <message>
        <source>lump %1 lies outside the file</source>
        <translation>лумп %1 лежит за пределами файла</translation>
    </message>
    <message>
        <source>the lumps add up to more than the file</source>
        <translation>лумпы в сумме больше файла</translation>
    </message>
    <message>
        <source>the picture&apos;s header is cut short</source>
        <translation>заголовок картинки обрезан</translation>
    </message>
    <message>
        <source>the picture&apos;s size %1 x %2 is not allowed</source>
        <translation>размер картинки %1 x %2 недопустим</translation>
    </message>
    <message>
        <source>the picture runs past the end of its lump</source>
        <translation>картинка выходит за конец своего лумпа</translation>
    </message>
    <message>
        <source>the palette is damaged</source>
        <translation>палитра повреждена</translation>
    </message>
    <message>
        <source>the file&apos;s size %1 is outside 1024 to 20480 bytes</source>
        <translation>размер файла %1 вне диапазона от 1024 до 20480 байт</translation>
    </message>
    <message>
        <source>the directory is not at the end of the file</source>
        <translation>каталог находится не в конце файла</translation>
    </message>
    <message>
        <source>the lump&apos;s sizes are wrong</source>
        <translation>размеры лумпа неверны</translation>
    </message>
    <message>
        <source>the mip levels&apos; offsets do not follow each other</source>
        <translation>смещения MIP-уровней идут не по порядку</translation>
    </message>
    <message>
        <source>the palette lies outside the lump</source>
        <translation>палитра лежит за пределами лумпа</translation>
    </message>
    <message>
        <source>the palette&apos;s colour count %1 is not 1 to 256</source>
        <translation>число цветов палитры %1 не в пределах от 1 до 256</translation>
    </message>
    <message numerus="yes">
        <source>the file holds %n lumps, not one</source>
        <translation>
            <numerusform>в файле %n лумп вместо одного</numerusform>
            <numerusform>в файле %n лумпа вместо одного</numerusform>
            <numerusform>в файле %n лумпов вместо одного</numerusform>
        </translation>
    </message>
</context>
</TS>
