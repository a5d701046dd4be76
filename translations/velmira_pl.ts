<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CheckSpraysDialog</name>
    <message numerus="yes">
        <source>Mods checked: %1. Problems found: %n.</source>
        <translation>
            <numerusform>Sprawdzone mody: %1. Znaleziono %n problem.</numerusform>
            <numerusform>Sprawdzone mody: %1. Znaleziono %n problemy.</numerusform>
            <numerusform>Sprawdzone mody: %1. Znaleziono %n problemów.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameConfig</name>
    <message>
        <source>a start of the Windows game</source>
        <translation>start gry w wersji dla Windows</translation>
    </message>
    <message>
        <source>a start of the Linux game</source>
        <translation>start gry w wersji dla Linuksa</translation>
    </message>
    <message>
        <source>a start of Xash3D</source>
        <translation>start Xash3D</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <translation>%1, wiersz %2</translation>
    </message>
    <message>
        <source>the engine&apos;s default</source>
        <translation>domyślna wartość silnika</translation>
    </message>
    <message>
        <source>After the game quits and starts again, %1 ends with %2 &quot;%3&quot; (%4).</source>
        <translation>Gdy gra zostanie zamknięta i uruchomiona ponownie, %1 zakończy się ustawieniem %2 „%3” (%4).</translation>
    </message>
    <message>
        <source>%1 ends with %2 &quot;%3&quot; (%4).</source>
        <translation>%1 kończy się ustawieniem %2 „%3” (%4).</translation>
    </message>
    <message>
        <source>Quit the game first: it writes config.cfg as it quits, which would undo the change.</source>
        <translation>Najpierw zamknij grę: przy zamykaniu zapisuje ona config.cfg, co cofnęłoby zmianę.</translation>
    </message>
    <message>
        <source>The mod folder %1 cannot be opened: %2</source>
        <translation>Nie można otworzyć folderu moda %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2), so whether it turns %3 off is not known; nothing was changed.</source>
        <translation>Nie można odczytać %1 (%2), więc nie wiadomo, czy wyłącza %3; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>%1 is already on in %2.</source>
        <translation>Ustawienie %1 jest już włączone w modzie %2.</translation>
    </message>
    <message>
        <source>%1 is a link: change %2 in the file it leads to.</source>
        <translation>%1 jest dowiązaniem: zmień %2 w pliku, do którego prowadzi.</translation>
    </message>
    <message>
        <source>%1 could not be changed: %2</source>
        <translation>Nie udało się zmienić %1: %2</translation>
    </message>
    <message>
        <source>%1 line %2 now sets %3 to %4 (it was &quot;%5&quot;); the file as it was is kept as %6.</source>
        <translation>Wiersz %2 pliku %1 ustawia teraz %3 na %4 (było „%5”); kopię pliku sprzed zmiany zachowano jako %6.</translation>
    </message>
    <message>
        <source>But the game would still turn it off: %1</source>
        <translation>Ale gra i tak wyłączyłaby to ustawienie: %1</translation>
    </message>
    <message>
        <source>Another program is writing %1; try again when it has finished.</source>
        <translation>Inny program zapisuje %1; spróbuj ponownie, gdy skończy.</translation>
    </message>
    <message>
        <source>it cannot be read or is larger than 256 KB</source>
        <translation>nie można go odczytać albo jest większy niż 256 KB</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
</context>
<context>
    <name>SprayCheck</name>
    <message>
        <source>%1 line %2</source>
        <translation>%1, wiersz %2</translation>
    </message>
    <message>
        <source>Not read: %1.</source>
        <translation>Nie odczytano: %1.</translation>
    </message>
    <message>
        <source>The mod folder cannot be opened: %1</source>
        <translation>Nie można otworzyć folderu moda: %1</translation>
    </message>
    <message>
        <source>No tempdecal.wad: the game has no spray to send. Use &quot;Create Sprays&quot;.</source>
        <translation>Brak tempdecal.wad: gra nie ma sprayu do wysłania. Użyj „Utwórz spraye”.</translation>
    </message>
    <message>
        <source>tempdecal.wad is not a plain file: the game cannot use it.</source>
        <translation>tempdecal.wad nie jest zwykłym plikiem: gra nie może go użyć.</translation>
    </message>
    <message>
        <source>tempdecal.wad cannot be read, or is far larger than any spray.</source>
        <translation>Nie można odczytać tempdecal.wad albo jest on o wiele większy niż jakikolwiek spray.</translation>
    </message>
    <message>
        <source>The game will not use it: %1</source>
        <translation>Gra go nie użyje: %1</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 pikseli</translation>
    </message>
    <message>
        <source>The spray Velmira installed, %1.</source>
        <translation>Spray zainstalowany przez Velmirę, %1.</translation>
    </message>
    <message>
        <source>Replaced since Velmira installed its spray here, %1: the game&apos;s Options screen writes its logo over it when you press OK there.</source>
        <translation>Zastąpiony od czasu, gdy Velmira zainstalowała tu swój spray, %1: ekran Opcji gry nadpisuje go swoim logo, gdy klikniesz tam „OK”.</translation>
    </message>
    <message>
        <source>A spray Velmira did not install, %1.</source>
        <translation>Spray, którego nie zainstalowała Velmira, %1.</translation>
    </message>
    <message>
        <source>Not checked. %1</source>
        <translation>Nie sprawdzono. %1</translation>
    </message>
    <message>
        <source>No spray the game takes.</source>
        <translation>Brak sprayu, który przyjmuje gra.</translation>
    </message>
    <message>
        <source>The Options screen has the logo &quot;%1&quot; (%2) chosen.</source>
        <translation>Na ekranie Opcji wybrane jest logo „%1” (%2).</translation>
    </message>
    <message>
        <source>Read-only: the Options screen cannot replace it. %1</source>
        <translation>Tylko do odczytu: ekran Opcji nie może go zastąpić. %1</translation>
    </message>
    <message>
        <source>Not protected: pressing OK in Options writes the logo &quot;%1&quot; over it.</source>
        <translation>Niechroniony: kliknięcie „OK” w Opcjach nadpisze go logo „%1”.</translation>
    </message>
    <message>
        <source>No cache yet: the game makes one as it sees sprays.</source>
        <translation>Jeszcze nie ma cache: gra utworzy go, gdy zobaczy spraye.</translation>
    </message>
    <message>
        <source>custom.hpk is not a plain file.</source>
        <translation>custom.hpk nie jest zwykłym plikiem.</translation>
    </message>
    <message numerus="yes">
        <source>%1; sprays kept: %n</source>
        <translation>
            <numerusform>%1; %n zachowany spray</numerusform>
            <numerusform>%1; %n zachowane spraye</numerusform>
            <numerusform>%1; %n zachowanych sprayów</numerusform>
        </translation>
    </message>
    <message>
        <source>Not Xash3D.</source>
        <translation>To nie Xash3D.</translation>
    </message>
    <message>
        <source>Velmira installed no logo here. %1</source>
        <translation>Velmira nie zainstalowała tu logo. %1</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Spray</translation>
    </message>
    <message>
        <source>Others see it</source>
        <translation>Inni go widzą</translation>
    </message>
    <message>
        <source>You see theirs</source>
        <translation>Widzisz cudze</translation>
    </message>
    <message>
        <source>Every server</source>
        <translation>Każdy serwer</translation>
    </message>
    <message>
        <source>It stays</source>
        <translation>Przetrwa</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>Xash3D logo</source>
        <translation>Logo Xash3D</translation>
    </message>
    <message>
        <source>Turn &amp;Uploads On</source>
        <translation>Włącz &amp;wysyłanie</translation>
    </message>
    <message>
        <source>Turn &amp;Downloads On</source>
        <translation>Włącz &amp;pobieranie</translation>
    </message>
    <message>
        <source>Make &amp;Every-Server Size…</source>
        <translation>&amp;Rozmiar dla każdego serwera…</translation>
    </message>
    <message>
        <source>&amp;Protect</source>
        <translation>&amp;Chroń</translation>
    </message>
    <message>
        <source>Xash3D builds tempdecal.wad from the logo chosen in Customize each time it joins a server.</source>
        <translation>Xash3D tworzy tempdecal.wad z logo wybranego na ekranie „Dostosuj” przy każdym dołączeniu do serwera.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>to nie plik</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nieczytelny</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>odrzucony</translation>
    </message>
    <message>
        <source>Velmira&apos;s</source>
        <translation>od Velmiry</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>zastąpiony</translation>
    </message>
    <message>
        <source>another</source>
        <translation>inny</translation>
    </message>
    <message>
        <source>Xash3D scales the logo it sends itself.</source>
        <translation>Xash3D sam skaluje wysyłane logo.</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1: every server shows it.</source>
        <translation>%1: każdy serwer go pokaże.</translation>
    </message>
    <message>
        <source>%1: servers that keep sprays to 64 × 64 do not show it.</source>
        <translation>%1: serwery ograniczające spraye do 64 × 64 go nie pokażą.</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>tylko do odczytu</translation>
    </message>
    <message>
        <source>not protected</source>
        <translation>niechroniony</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>jeszcze brak</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>uszkodzony</translation>
    </message>
    <message>
        <source>custom.hpk cannot be read (%1); the game deletes a damaged cache when it starts.</source>
        <translation>Nie można odczytać custom.hpk (%1); gra usuwa uszkodzony cache przy uruchomieniu.</translation>
    </message>
    <message>
        <source>%1. The game empties it itself when it grows past 4 MB.</source>
        <translation>%1. Gra sama opróżnia cache po przekroczeniu 4 MB.</translation>
    </message>
    <message>
        <source>not opened</source>
        <translation>nie otwarto</translation>
    </message>
    <message>
        <source>Xash3D rewrites tempdecal.wad itself.</source>
        <translation>Xash3D sam zapisuje tempdecal.wad na nowo.</translation>
    </message>
    <message>
        <source>Decals</source>
        <translation>Decale</translation>
    </message>
    <message>
        <source>Turn Decal&amp;s On</source>
        <translation>Włącz &amp;decale</translation>
    </message>
    <message>
        <source>If it still fails on one server, the server may refuse uploads or large sprays (sv_allowupload, sv_allowdownload, sv_send_logos, sv_rehlds_allow_large_sprays): no file of yours changes that.</source>
        <translation>Jeśli na którymś serwerze nadal to nie działa, serwer może nie przyjmować wysyłanych plików lub dużych sprayów (sv_allowupload, sv_allowdownload, sv_send_logos, sv_rehlds_allow_large_sprays): żaden z twoich plików tego nie zmieni.</translation>
    </message>
    <message>
        <source>at a start of the Windows game</source>
        <translation>przy starcie gry w wersji dla Windows</translation>
    </message>
    <message>
        <source>at a start of the Linux game</source>
        <translation>przy starcie gry w wersji dla Linuksa</translation>
    </message>
    <message>
        <source>at a start of Xash3D</source>
        <translation>przy starcie Xash3D</translation>
    </message>
    <message>
        <source>the engine&apos;s default</source>
        <translation>domyślna wartość silnika</translation>
    </message>
    <message>
        <source>on</source>
        <translation>włączone</translation>
    </message>
    <message>
        <source>On: %1.</source>
        <translation>Włączone: %1.</translation>
    </message>
    <message>
        <source>default</source>
        <translation>domyślnie</translation>
    </message>
    <message>
        <source>off in %1</source>
        <translation>wyłączone (%1)</translation>
    </message>
    <message>
        <source>sends .%1</source>
        <translation>wysyła .%1</translation>
    </message>
    <message>
        <source>Xash3D sends logos/remapped.%1, not Velmira&apos;s PNG logo (%2): choose Velmira&apos;s logo in Customize.</source>
        <translation>Xash3D wysyła logos/remapped.%1 zamiast logo PNG od Velmiry (%2): wybierz logo Velmiry na ekranie „Dostosuj”.</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>nie wybrano</translation>
    </message>
    <message>
        <source>There is no logos/remapped.png, the picture Xash3D sends: choose Velmira&apos;s logo in Customize.</source>
        <translation>Brak logos/remapped.png, czyli obrazu wysyłanego przez Xash3D: wybierz logo Velmiry na ekranie „Dostosuj”.</translation>
    </message>
    <message>
        <source>another logo</source>
        <translation>inne logo</translation>
    </message>
    <message>
        <source>Xash3D sends logos/remapped.png, which is not the logo Velmira installed: choose Velmira&apos;s logo in Customize.</source>
        <translation>Xash3D wysyła logos/remapped.png, a to nie jest logo zainstalowane przez Velmirę: wybierz logo Velmiry na ekranie „Dostosuj”.</translation>
    </message>
    <message>
        <source>Xash3D sends the logo Velmira installed.</source>
        <translation>Xash3D wysyła logo zainstalowane przez Velmirę.</translation>
    </message>
    <message>
        <source>Uploads are off (%1, %2): servers never get your spray.</source>
        <translation>Wysyłanie jest wyłączone (%1, %2): serwery nigdy nie dostaną twojego sprayu.</translation>
    </message>
    <message>
        <source>Downloads are off (%1, %2): you see no one else&apos;s spray.</source>
        <translation>Pobieranie jest wyłączone (%1, %2): nie widzisz sprayów innych graczy.</translation>
    </message>
    <message>
        <source>Downloads during a game are off (%1, %2): you do not see the sprays of players who join after you.</source>
        <translation>Pobieranie w trakcie gry jest wyłączone (%1, %2): nie widzisz sprayów graczy, którzy dołączą po tobie.</translation>
    </message>
    <message>
        <source>No decals are drawn (%1, %2): no one&apos;s spray shows.</source>
        <translation>Decale nie są rysowane (%1, %2): nie widać niczyjego sprayu.</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>nie odczytano</translation>
    </message>
    <message>
        <source>%1 is already on in %2.</source>
        <translation>Ustawienie %1 jest już włączone w modzie %2.</translation>
    </message>
</context>
<context>
    <name>SprayReport</name>
    <message>
        <source>Half-Life, Windows client</source>
        <translation>Half-Life, klient dla Windows</translation>
    </message>
    <message>
        <source>Half-Life, Linux client</source>
        <translation>Half-Life, klient dla Linuksa</translation>
    </message>
    <message>
        <source>Xash3D FWGS</source>
        <translation>Xash3D FWGS</translation>
    </message>
    <message>
        <source>Starts checked: %1</source>
        <translation>Sprawdzone uruchomienia gry: %1</translation>
    </message>
</context>
<context>
    <name>qlumpy</name>
    <message>
        <source>%1 is a link; the WAD is not written through it</source>
        <translation>%1 jest dowiązaniem; plik WAD nie jest przez nie zapisywany</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>usage: qlumpy [--many-lumps] SCRIPT</source>
        <translation>użycie: qlumpy [--many-lumps] SKRYPT</translation>
    </message>
    <message>
        <source>cannot read the script: %1</source>
        <translation>nie można odczytać skryptu: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the script and what is wrong</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>nie można zapisać %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>dysk może być pełny</translation>
    </message>
    <message numerus="yes">
        <source>%1: the script names %n lumps; a spray holds one</source>
        <translation>
            <numerusform>%1: skrypt wymienia %n lump; spray mieści tylko jeden</numerusform>
            <numerusform>%1: skrypt wymienia %n lumpy; spray mieści tylko jeden</numerusform>
            <numerusform>%1: skrypt wymienia %n lumpów; spray mieści tylko jeden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>About Velmira</source>
        <translation>O programie Velmira</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>The easiest way to switch between color Half-Life sprays!</source>
        <translation>Najprostszy sposób na zmianę kolorowych sprayów w Half-Life!</translation>
    </message>
    <message>
        <source>Written by the Velmira developers</source>
        <translation>Autorzy: twórcy Velmiry</translation>
    </message>
    <message>
        <source>Comments and problems: see ReadMe.txt</source>
        <translation>Uwagi i problemy: zobacz ReadMe.txt</translation>
    </message>
    <message>
        <source>Velmira: colour sprays for every Half-Life mod</source>
        <translation>Velmira: kolorowe spraye do każdego moda Half-Life</translation>
    </message>
    <message>
        <source>Made by players, for players</source>
        <translation>Od graczy dla graczy</translation>
    </message>
    <message>
        <source>(C) the Velmira developers. GPL-3.0-or-later, with NO WARRANTY. See ReadMe.txt for details.</source>
        <translation>(C) twórcy Velmiry. GPL-3.0-or-later, BEZ ŻADNEJ GWARANCJI. Szczegóły w ReadMe.txt.</translation>
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
        <translation>%1: to jest dowiązanie</translation>
    </message>
    <message>
        <source>%1: it is not a file</source>
        <translation>%1: to nie jest plik</translation>
    </message>
    <message>
        <source>%1: it cannot be read</source>
        <translation>%1: nie można go odczytać</translation>
    </message>
    <message>
        <source>%1 is in the way and is not a file</source>
        <translation>%1 przeszkadza i nie jest plikiem</translation>
    </message>
    <message>
        <source>it is no longer a plain file</source>
        <translation>to już nie jest zwykły plik</translation>
    </message>
    <message>
        <source>Clear Cached Sprays</source>
        <translation>Czyszczenie sprayów w cache</translation>
    </message>
    <message>
        <source>Select the mods whose cached sprays you want to clear.</source>
        <translation>Zaznacz mody, których spraye w cache chcesz wyczyścić.</translation>
    </message>
    <message>
        <source>The game is running from %1. Quit it before clearing its cached sprays: it keeps the cache open and writes it back.</source>
        <translation>Gra jest uruchomiona z %1. Zamknij ją przed czyszczeniem sprayów w cache: trzyma cache otwarty i zapisuje go z powrotem.</translation>
    </message>
    <message>
        <source>None of the selected mods has cached sprays (%1).</source>
        <translation>Żaden z zaznaczonych modów nie ma sprayów w cache (%1).</translation>
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
            <numerusform>Ten plik cache pozostawiono bez zmian:</numerusform>
            <numerusform>Te pliki cache pozostawiono bez zmian:</numerusform>
            <numerusform>Te pliki cache pozostawiono bez zmian:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>custom.hpk holds the sprays of other players the game has seen on servers, so an old spray can show instead of a new one. The game builds it again as it needs.<byte value="xd"/><byte value="xd"/>Each of these is moved to custom.hpk.old beside it (an older custom.hpk.old is replaced):</source>
        <translation>
            <numerusform>custom.hpk przechowuje spraye innych graczy widziane przez grę na serwerach, więc zamiast nowego sprayu może pokazywać się stary. Gra tworzy go od nowa, gdy potrzebuje.<byte value="xd"/><byte value="xd"/>Nazwa tego pliku zostanie zmieniona na custom.hpk.old (starszy custom.hpk.old zostanie zastąpiony):</numerusform>
            <numerusform>custom.hpk przechowuje spraye innych graczy widziane przez grę na serwerach, więc zamiast nowego sprayu może pokazywać się stary. Gra tworzy go od nowa, gdy potrzebuje.<byte value="xd"/><byte value="xd"/>Nazwa każdego z tych plików zostanie zmieniona na custom.hpk.old (starszy custom.hpk.old zostanie zastąpiony):</numerusform>
            <numerusform>custom.hpk przechowuje spraye innych graczy widziane przez grę na serwerach, więc zamiast nowego sprayu może pokazywać się stary. Gra tworzy go od nowa, gdy potrzebuje.<byte value="xd"/><byte value="xd"/>Nazwa każdego z tych plików zostanie zmieniona na custom.hpk.old (starszy custom.hpk.old zostanie zastąpiony):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Could not clear these cached sprays:</source>
        <translation>
            <numerusform>Nie udało się wyczyścić tego cache sprayów:</numerusform>
            <numerusform>Nie udało się wyczyścić tych cache sprayów:</numerusform>
            <numerusform>Nie udało się wyczyścić tych cache sprayów:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::Categories</name>
    <message>
        <source>WARNING: Spray folder does not exist:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Please verify your spray folder.</source>
        <translation>UWAGA: folder sprayów nie istnieje:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Sprawdź swój folder sprayów.</translation>
    </message>
    <message>
        <source>Please set your Spray folder.</source>
        <translation>Ustaw swój folder sprayów.</translation>
    </message>
    <message>
        <source>Invalid spray folder!</source>
        <translation>Nieprawidłowy folder sprayów!</translation>
    </message>
    <message>
        <source>WARNING: Folder does not exist:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Try hitting refresh or varify your spray folder.</source>
        <translation>UWAGA: folder nie istnieje:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Kliknij „Odśwież” albo sprawdź swój folder sprayów.</translation>
    </message>
    <message>
        <source>&lt;Favorites&gt;</source>
        <translation>&lt;Ulubione&gt;</translation>
    </message>
</context>
<context>
    <name>velmira::CheckSpraysDialog</name>
    <message>
        <source>Check Sprays</source>
        <translation>Sprawdzanie sprayów</translation>
    </message>
    <message>
        <source>Spray checks, a row for each mod</source>
        <translation>Wyniki sprawdzania sprayów, jeden wiersz na każdy mod</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Sprawdzanie…</translation>
    </message>
    <message>
        <source>Open the spray maker on the mod&apos;s spray picture with the every-server size chosen</source>
        <translation>Otwórz okno „Zrób spray” z obrazem sprayu tego moda i wybranym rozmiarem „Każdy serwer”</translation>
    </message>
    <message>
        <source>Leave the sprays Velmira installed read-only, as &quot;Protect Sprays from the Game&quot; does</source>
        <translation>Zostaw spraye zainstalowane przez Velmirę tylko do odczytu, tak jak robi to „Chroń spraye przed grą”</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>&amp;Sprawdź ponownie</translation>
    </message>
    <message>
        <source>No mods to check: set the Half-Life folder in File Locations.</source>
        <translation>Brak modów do sprawdzenia: ustaw folder Half-Life w oknie „Lokalizacje plików”.</translation>
    </message>
    <message>
        <source>The spray maker is open with the every-server size chosen: save the spray, then use &quot;Create Sprays&quot;.</source>
        <translation>Okno „Zrób spray” jest otwarte z wybranym rozmiarem „Każdy serwer”: zapisz spray, a potem użyj „Utwórz spraye”.</translation>
    </message>
    <message>
        <source>Quit the game first: its Options screen may be writing the spray.</source>
        <translation>Najpierw zamknij grę: jej ekran Opcji może właśnie zapisywać spray.</translation>
    </message>
    <message>
        <source>The sprays Velmira installed are now read-only.</source>
        <translation>Spraye zainstalowane przez Velmirę są teraz tylko do odczytu.</translation>
    </message>
    <message>
        <source>The report is on the clipboard.</source>
        <translation>Raport jest w schowku.</translation>
    </message>
    <message>
        <source>Set cl_allowupload to 1 on every line that turns it off in the files the game runs, keeping a copy of each file as it was</source>
        <translation>Ustaw cl_allowupload na 1 w każdym wierszu, który wyłącza to ustawienie w plikach uruchamianych przez grę, i zachowaj kopię każdego pliku sprzed zmiany</translation>
    </message>
    <message>
        <source>Set cl_allowdownload and cl_download_ingame to 1 on every line that turns them off in the files the game runs, keeping a copy of each file as it was</source>
        <translation>Ustaw cl_allowdownload i cl_download_ingame na 1 w każdym wierszu, który wyłącza te ustawienia w plikach uruchamianych przez grę, i zachowaj kopię każdego pliku sprzed zmiany</translation>
    </message>
    <message>
        <source>Set mp_decals and r_decals back to the game&apos;s own numbers on every line that sets them to 0, keeping a copy of each file as it was</source>
        <translation>Przywróć domyślne wartości gry dla mp_decals i r_decals w każdym wierszu, który ustawia je na 0, i zachowaj kopię każdego pliku sprzed zmiany</translation>
    </message>
    <message>
        <source>Copy &amp;Report</source>
        <translation>&amp;Kopiuj raport</translation>
    </message>
    <message>
        <source>Put the checks on the clipboard as plain text, to paste into a forum or a bug report (Ctrl+Shift+C)</source>
        <translation>Skopiuj wyniki sprawdzania do schowka jako zwykły tekst, aby wkleić je na forum lub do zgłoszenia błędu (Ctrl+Shift+C)</translation>
    </message>
</context>
<context>
    <name>velmira::Compiler</name>
    <message>
        <source>Could not make a private folder for the compiler&apos;s files in %1<byte value="xd"/>%2</source>
        <translation>Nie udało się utworzyć prywatnego folderu na pliki kompilatora w %1<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>velmira::Create</name>
    <message>
        <source>Error compiling. Check BMP format and dimentions.<byte value="xd"/>File: %1</source>
        <translation>Błąd kompilacji. Sprawdź format i wymiary BMP.<byte value="xd"/>Plik: %1</translation>
    </message>
    <message>
        <source>Error creating spray!</source>
        <translation>Błąd tworzenia sprayu!</translation>
    </message>
    <message>
        <source>Could not install the spray in %1<byte value="xd"/>%2</source>
        <translation>Nie udało się zainstalować sprayu w %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Could not use the folder %1<byte value="xd"/>%2</source>
        <translation>Nie udało się użyć folderu %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>wszystkie nazwy dla niego są zajęte</translation>
    </message>
    <message>
        <source>The game is running from %1.<byte value="xd"/>It reads your spray when it starts a map, and its Options screen may replace the spray when you press OK or Apply there.<byte value="xd"/><byte value="xd"/>Install the sprays now?</source>
        <translation>Gra jest uruchomiona z %1.<byte value="xd"/>Czyta twój spray przy starcie mapy, a jej ekran Opcji może zastąpić spray, gdy klikniesz tam „OK” lub „Zastosuj”.<byte value="xd"/><byte value="xd"/>Zainstalować spraye teraz?</translation>
    </message>
    <message>
        <source>The game would not use this spray, so it was not installed:<byte value="xd"/>%1</source>
        <translation>Gra nie użyłaby tego sprayu, więc nie został zainstalowany:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Could not find Qlumpy.exe!</source>
        <translation>Nie znaleziono Qlumpy.exe!</translation>
    </message>
    <message>
        <source>Spray(s) Created!</source>
        <translation>Spraye utworzone!</translation>
    </message>
    <message>
        <source>Could not find %1</source>
        <translation>Nie znaleziono %1</translation>
    </message>
</context>
<context>
    <name>velmira::ErrorReport</name>
    <message>
        <source>If this happens repeatedly, please let me know exactly what it says below.<byte value="xd"/>Error # %1<byte value="xd"/>Source: %2<byte value="xd"/>Dll: %3<byte value="xd"/>Sub: %4-%5</source>
        <translation>Jeśli to się powtarza, daj mi znać, co dokładnie jest napisane poniżej.<byte value="xd"/>Błąd nr %1<byte value="xd"/>Źródło: %2<byte value="xd"/>Dll: %3<byte value="xd"/>Procedura: %4-%5</translation>
    </message>
</context>
<context>
    <name>velmira::Failure</name>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Nie znaleziono ścieżki</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Odmowa dostępu</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks poza zakresem</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Błąd wejścia/wyjścia urządzenia</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Plik już istnieje</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>błąd systemu %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
</context>
<context>
    <name>velmira::Folders</name>
    <message>
        <source>WARNING: Cannot find Half-Life in that folder!<byte value="xd"/>You might just have some different version I don&apos;t know about.<byte value="xd"/>Do you want to force VELMR to use the path you entered?</source>
        <translation>UWAGA: nie znaleziono Half-Life w tym folderze!<byte value="xd"/>Możliwe, że masz po prostu inną wersję, której nie znam.<byte value="xd"/>Czy wymusić, by VELMR użył podanej ścieżki?</translation>
    </message>
    <message>
        <source>WARNING: Half-Life folder does not exist!</source>
        <translation>UWAGA: folder Half-Life nie istnieje!</translation>
    </message>
    <message>
        <source>WARNING: Spray folder does not exist!</source>
        <translation>UWAGA: folder sprayów nie istnieje!</translation>
    </message>
</context>
<context>
    <name>velmira::FramingView</name>
    <message>
        <source>Picture under the spray&apos;s frame</source>
        <translation>Obraz pod ramką sprayu</translation>
    </message>
    <message>
        <source>Drag to move the picture, turn the wheel to zoom; the arrow keys move it by one pixel, with Shift by ten</source>
        <translation>Przeciągnij, aby przesunąć obraz, kręć kółkiem, aby przybliżyć; strzałki przesuwają go o jeden piksel, z Shift o dziesięć</translation>
    </message>
    <message>
        <source>Reading the picture…</source>
        <translation>Wczytywanie obrazu…</translation>
    </message>
</context>
<context>
    <name>velmira::Held</name>
    <message>
        <source>No spray is installed here.</source>
        <translation>Nie zainstalowano tu sprayu.</translation>
    </message>
    <message>
        <source>The spray Velmira installed here has been removed.</source>
        <translation>Spray zainstalowany tu przez Velmirę został usunięty.</translation>
    </message>
    <message>
        <source>The spray file cannot be read: %1</source>
        <translation>Nie można odczytać pliku sprayu: %1</translation>
    </message>
    <message>
        <source>The spray Velmira installed here.</source>
        <translation>Spray zainstalowany tu przez Velmirę.</translation>
    </message>
    <message>
        <source>Replaced since Velmira installed its spray here (the game&apos;s Options screen rewrites it when you press OK or Apply there).</source>
        <translation>Zastąpiony od czasu, gdy Velmira zainstalowała tu swój spray (ekran Opcji gry zapisuje go na nowo, gdy klikniesz tam „OK” lub „Zastosuj”).</translation>
    </message>
    <message>
        <source>A spray Velmira did not install.</source>
        <translation>Spray, którego nie zainstalowała Velmira.</translation>
    </message>
    <message>
        <source> The game cannot show it.</source>
        <translation> Gra nie może go pokazać.</translation>
    </message>
</context>
<context>
    <name>velmira::Help</name>
    <message>
        <source>Cannot find the help file:<byte value="xd"/>%1</source>
        <translation>Nie można znaleźć pliku pomocy:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Velmira Help</source>
        <translation>Pomoc Velmiry</translation>
    </message>
</context>
<context>
    <name>velmira::LocationsDialog</name>
    <message>
        <source>File Locations</source>
        <translation>Lokalizacje plików</translation>
    </message>
    <message>
        <source>Half-Life Folder:</source>
        <translation>Folder Half-Life:</translation>
    </message>
    <message>
        <source>Spray Folder:</source>
        <translation>Folder sprayów:</translation>
    </message>
    <message>
        <source>Found in Steam…</source>
        <translation>Znalezione w Steam…</translation>
    </message>
    <message>
        <source>Games found in your Steam libraries</source>
        <translation>Gry znalezione w twoich bibliotekach Steam</translation>
    </message>
    <message>
        <source>Games found in Steam</source>
        <translation>Gry znalezione w Steam</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>velmira::MainWindow</name>
    <message>
        <source>Open the spray folder</source>
        <translation>Otwórz folder sprayów</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Show Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Apply to Selected</source>
        <translation>Przypisz</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Create Sprays</source>
        <translation>Utwórz spraye</translation>
    </message>
    <message>
        <source>Frame the chosen picture into a spray, see it as the game draws it, and save it to the library</source>
        <translation>Wykadruj wybrany obraz jako spray, zobacz go tak, jak rysuje go gra, i zapisz w bibliotece</translation>
    </message>
    <message>
        <source>Browse the sprays the game kept from servers, and keep the ones you like</source>
        <translation>Przeglądaj spraye, które gra zachowała z serwerów, i zatrzymaj te, które ci się podobają</translation>
    </message>
    <message>
        <source>Leave each installed tempdecal.wad read-only, so that the game&apos;s Options screen cannot replace your spray</source>
        <translation>Zostaw każdy zainstalowany tempdecal.wad tylko do odczytu, aby ekran Opcji gry nie mógł zastąpić twojego sprayu</translation>
    </message>
    <message>
        <source>As the System</source>
        <translation>Jak w systemie</translation>
    </message>
    <message>
        <source>Click on the help menu if you have</source>
        <translation>Otwórz menu Pomoc, jeśli jeszcze</translation>
    </message>
    <message>
        <source>not used VELMR before.</source>
        <translation>nie znasz VELMR.</translation>
    </message>
    <message>
        <source>Could not find ReadMe.txt!</source>
        <translation>Nie znaleziono ReadMe.txt!</translation>
    </message>
    <message>
        <source>File Not Found!</source>
        <translation>Nie znaleziono pliku!</translation>
    </message>
    <message>
        <source>&amp;Make Spray…</source>
        <comment>spray list menu</comment>
        <translation>&amp;Zrób spray…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;File Locations...</source>
        <comment>File menu</comment>
        <translation>&amp;Lokalizacje plików...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Make Spray…</source>
        <comment>File menu</comment>
        <translation>&amp;Zrób spray…</translation>
    </message>
    <message>
        <source>Sprays Seen in &amp;Games…</source>
        <comment>File menu</comment>
        <translation>Spraye widziane w &amp;grach…</translation>
    </message>
    <message>
        <source>&amp;Protect Sprays from the Game</source>
        <comment>File menu</comment>
        <translation>&amp;Chroń spraye przed grą</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <comment>File menu</comment>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <comment>Help menu</comment>
        <translation>&amp;Spis treści...</translation>
    </message>
    <message>
        <source>&amp;View ReadMe.txt ...</source>
        <comment>Help menu</comment>
        <translation>&amp;Pokaż ReadMe.txt ...</translation>
    </message>
    <message>
        <source>&amp;About VELMR ...</source>
        <comment>Help menu</comment>
        <translation>&amp;O programie VELMR ...</translation>
    </message>
    <message>
        <source>See for each mod whether others will see your spray, and you theirs, and put right what can safely be</source>
        <translation>Sprawdź dla każdego moda, czy inni zobaczą twój spray, a ty ich, i napraw to, co da się bezpiecznie naprawić</translation>
    </message>
    <message>
        <source>Choose the spray&apos;s picture in the spray list (or assign it to %1), then choose this fix again.</source>
        <translation>Wybierz obraz sprayu na liście sprayów (albo przypisz go do %1), a potem ponownie wybierz tę poprawkę.</translation>
    </message>
    <message>
        <source>The spray maker could not be opened on %1.</source>
        <translation>Nie udało się otworzyć okna „Zrób spray” z obrazem %1.</translation>
    </message>
    <message>
        <source>Make Spray</source>
        <translation>Zrób spray</translation>
    </message>
    <message>
        <source>Set your spray folder first: the spray maker saves into it.</source>
        <translation>Najpierw ustaw folder sprayów: „Zrób spray” zapisuje do niego.</translation>
    </message>
    <message>
        <source>Cannot make a spray of %1</source>
        <translation>Nie można zrobić sprayu z %1</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategoria</translation>
    </message>
    <message>
        <source>Sprays in the category</source>
        <translation>Spraye w kategorii</translation>
    </message>
    <message>
        <source>Mods</source>
        <translation>Mody</translation>
    </message>
    <message>
        <source>Spray preview</source>
        <translation>Podgląd sprayu</translation>
    </message>
    <message>
        <source>&amp;Clear Cached Sprays…</source>
        <comment>File menu</comment>
        <translation>&amp;Wyczyść spraye w cache…</translation>
    </message>
    <message>
        <source>Chec&amp;k Sprays…</source>
        <comment>File menu</comment>
        <translation>&amp;Sprawdź spraye…</translation>
    </message>
</context>
<context>
    <name>velmira::Maker</name>
    <message>
        <source>Choose a picture in the spray list first.</source>
        <translation>Najpierw wybierz obraz na liście sprayów.</translation>
    </message>
    <message>
        <source>The spray maker makes sprays from pictures; %1 is already a spray.</source>
        <translation>„Zrób spray” robi spraye z obrazów; %1 już jest sprayem.</translation>
    </message>
</context>
<context>
    <name>velmira::MakerDialog</name>
    <message>
        <source>Make Spray - %1</source>
        <translation>Zrób spray - %1</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Kadrowanie</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Powiększenie</translation>
    </message>
    <message>
        <source>&amp;Zoom:</source>
        <translation>&amp;Powiększenie:</translation>
    </message>
    <message>
        <source>F&amp;it</source>
        <translation>&amp;Dopasuj</translation>
    </message>
    <message>
        <source>The whole picture inside the frame</source>
        <translation>Cały obraz wewnątrz ramki</translation>
    </message>
    <message>
        <source>Fi&amp;ll</source>
        <translation>&amp;Wypełnij</translation>
    </message>
    <message>
        <source>The frame covered by the picture</source>
        <translation>Ramka w całości pokryta obrazem</translation>
    </message>
    <message>
        <source>&amp;Rotate 90°</source>
        <translation>&amp;Obróć o 90°</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>Odbij l&amp;ustrzanie</translation>
    </message>
    <message>
        <source>See-through</source>
        <translation>Przezroczystość</translation>
    </message>
    <message>
        <source>A colour…</source>
        <translation>Kolor…</translation>
    </message>
    <message>
        <source>&amp;Around the picture:</source>
        <translation>Wokół o&amp;brazu:</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Largest the game takes</source>
        <translation>Największy, jaki przyjmuje gra</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klasyczny</translation>
    </message>
    <message>
        <source>Every server (64 × 64 at most)</source>
        <translation>Każdy serwer (najwyżej 64 × 64)</translation>
    </message>
    <message>
        <source>Chosen freely</source>
        <translation>Dowolny</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Wysokość</translation>
    </message>
    <message>
        <source>&amp;Width × height:</source>
        <translation>&amp;Szerokość × wysokość:</translation>
    </message>
    <message>
        <source>None (solid)</source>
        <translation>Brak (nieprzezroczysty)</translation>
    </message>
    <message>
        <source>The picture&apos;s own transparency</source>
        <translation>Własna przezroczystość obrazu</translation>
    </message>
    <message>
        <source>A colour, everywhere</source>
        <translation>Kolor, wszędzie</translation>
    </message>
    <message>
        <source>A colour, where it touches the edge</source>
        <translation>Kolor, tam gdzie styka się z krawędzią</translation>
    </message>
    <message>
        <source>Cut-off</source>
        <translation>Próg</translation>
    </message>
    <message>
        <source>&amp;Cut-off:</source>
        <translation>Pró&amp;g:</translation>
    </message>
    <message>
        <source>&amp;Pick from the picture</source>
        <translation>Pob&amp;ierz kolor z obrazu</translation>
    </message>
    <message>
        <source>C&amp;olour…</source>
        <translation>&amp;Kolor…</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerancja</translation>
    </message>
    <message>
        <source>&amp;Tolerance:</source>
        <translation>Tol&amp;erancja:</translation>
    </message>
    <message>
        <source>Remove the coloured &amp;fringe</source>
        <translation>Usuń kolorową obw&amp;ódkę</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Gładkie</translation>
    </message>
    <message>
        <source>Sharp (pixel art)</source>
        <translation>Ostre (pixel art)</translation>
    </message>
    <message>
        <source>Scali&amp;ng:</source>
        <translation>Skalowa&amp;nie:</translation>
    </message>
    <message>
        <source>&amp;Dither</source>
        <translation>Dit&amp;hering</translation>
    </message>
    <message>
        <source>In&amp;k…</source>
        <translation>&amp;Farba…</translation>
    </message>
    <message>
        <source>Checker</source>
        <translation>Szachownica</translation>
    </message>
    <message>
        <source>Light wall</source>
        <translation>Jasna ściana</translation>
    </message>
    <message>
        <source>Dark wall</source>
        <translation>Ciemna ściana</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>T&amp;ło:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Colour around the picture</source>
        <translation>Kolor wokół obrazu</translation>
    </message>
    <message>
        <source>See-through colour</source>
        <translation>Kolor przezroczysty</translation>
    </message>
    <message>
        <source>Logo colour</source>
        <translation>Kolor logo</translation>
    </message>
    <message>
        <source>Cannot make a spray of %1<byte value="xd"/>%2</source>
        <translation>Nie można zrobić sprayu z %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Make Spray</source>
        <translation>Zrób spray</translation>
    </message>
    <message>
        <source>one-colour logo</source>
        <translation>jednokolorowe logo</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n kolor</numerusform>
            <numerusform>%n kolory</numerusform>
            <numerusform>%n kolorów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 pixels, %3, WAD of %n bytes</source>
        <translation>
            <numerusform>%1 × %2 pikseli, %3, WAD: %n bajt</numerusform>
            <numerusform>%1 × %2 pikseli, %3, WAD: %n bajty</numerusform>
            <numerusform>%1 × %2 pikseli, %3, WAD: %n bajtów</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not save the spray in %1<byte value="xd"/>%2</source>
        <translation>Nie udało się zapisać sprayu w %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Siz&amp;e:</source>
        <translation>&amp;Rozmiar:</translation>
    </message>
    <message>
        <source>Enlar&amp;ge small pictures</source>
        <translation>Powiększaj &amp;małe obrazy</translation>
    </message>
    <message>
        <source>W&amp;hat:</source>
        <translation>&amp;Tryb:</translation>
    </message>
    <message>
        <source>One-colo&amp;ur logo</source>
        <translation>&amp;Jednokolorowe logo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>velmira::OpenFolder</name>
    <message>
        <source>File already exists</source>
        <translation>Plik już istnieje</translation>
    </message>
    <message>
        <source>another program changed %1 while it was being saved</source>
        <translation>inny program zmienił %1 podczas zapisywania</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>wszystkie nazwy dla niego są zajęte</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>%1 is in the way and is not a file</source>
        <translation>%1 przeszkadza i nie jest plikiem</translation>
    </message>
    <message>
        <source>cannot replace %1: it is not a file</source>
        <translation>nie można zastąpić %1: to nie jest plik</translation>
    </message>
    <message>
        <source>cannot write beside %1: %2</source>
        <translation>nie można zapisać obok %1: %2</translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation>nie można zachować kopii %1: %2</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>nie można zastąpić %1: %2</translation>
    </message>
    <message>
        <source>it is a link, not a folder</source>
        <translation>to dowiązanie, a nie folder</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>to nie jest folder</translation>
    </message>
    <message>
        <source>%1 is read-only, so it is left as it is</source>
        <translation>%1 jest tylko do odczytu, więc pozostaje bez zmian</translation>
    </message>
    <message>
        <source>it is a link that another user could have put there, which Velmira does not follow</source>
        <translation>to dowiązanie, które mógł tam umieścić inny użytkownik, a takich dowiązań Velmira nie otwiera</translation>
    </message>
    <message>
        <source>the system did not give the new file the access rules of the one it replaces</source>
        <translation>system nie nadał nowemu plikowi uprawnień zastępowanego pliku</translation>
    </message>
    <message>
        <source>the link was changed while it was being followed</source>
        <translation>dowiązanie zmieniło się podczas otwierania</translation>
    </message>
</context>
<context>
    <name>velmira::Preview</name>
    <message>
        <source>one colour</source>
        <translation>jeden kolor</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n kolor</numerusform>
            <numerusform>%n kolory</numerusform>
            <numerusform>%n kolorów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2, %3, scaled from %4 × %5</source>
        <translation>%1 × %2, %3, przeskalowano z %4 × %5</translation>
    </message>
    <message>
        <source>%1 × %2, used as it is</source>
        <translation>%1 × %2, bez zmian</translation>
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
            <numerusform>podgląd sprayu: %1 × %2, %n kolor</numerusform>
            <numerusform>podgląd sprayu: %1 × %2, %n kolory</numerusform>
            <numerusform>podgląd sprayu: %1 × %2, %n kolorów</numerusform>
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
            <numerusform>Spraye zainstalowane przez Velmirę są teraz tylko do odczytu, aby gra nie mogła ich zastąpić, w modzie:</numerusform>
            <numerusform>Spraye zainstalowane przez Velmirę są teraz tylko do odczytu, aby gra nie mogła ich zastąpić, w modach:</numerusform>
            <numerusform>Spraye zainstalowane przez Velmirę są teraz tylko do odczytu, aby gra nie mogła ich zastąpić, w modach:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sprays Velmira installed can be replaced by the game again in:</source>
        <translation>
            <numerusform>Gra znów może zastępować spraye zainstalowane przez Velmirę w modzie:</numerusform>
            <numerusform>Gra znów może zastępować spraye zainstalowane przez Velmirę w modach:</numerusform>
            <numerusform>Gra znów może zastępować spraye zainstalowane przez Velmirę w modach:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>These could not be changed:</source>
        <translation>
            <numerusform>Tego nie udało się zmienić:</numerusform>
            <numerusform>Tych nie udało się zmienić:</numerusform>
            <numerusform>Tych nie udało się zmienić:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::Seen</name>
    <message>
        <source>The cache of %1 changed since the window read it (%2): press Refresh.</source>
        <translation>Cache moda %1 zmienił się, odkąd okno go odczytało (%2): kliknij „Odśwież”.</translation>
    </message>
    <message>
        <source>another spray lies there now</source>
        <translation>teraz leży tam inny spray</translation>
    </message>
    <message>
        <source>No cache holds the spray: press Refresh.</source>
        <translation>Żaden cache nie zawiera tego sprayu: kliknij „Odśwież”.</translation>
    </message>
    <message>
        <source>Seen in %1</source>
        <translation>Widziany w %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 pixels, %n bytes</source>
        <translation>
            <numerusform>%1 × %2 pikseli, %n bajt</numerusform>
            <numerusform>%1 × %2 pikseli, %n bajty</numerusform>
            <numerusform>%1 × %2 pikseli, %n bajtów</numerusform>
        </translation>
    </message>
    <message>
        <source>Every server takes it</source>
        <translation>Każdy serwer go przyjmie</translation>
    </message>
    <message>
        <source>Servers that keep sprays to 64 × 64 will not show it</source>
        <translation>Serwery ograniczające spraye do 64 × 64 go nie pokażą</translation>
    </message>
</context>
<context>
    <name>velmira::SeenDialog</name>
    <message numerus="yes">
        <source>Stopped: %n of the %1 were saved, the rest were not.</source>
        <translation>
            <numerusform>Zatrzymano: zapisano %n z %1, reszty nie.</numerusform>
            <numerusform>Zatrzymano: zapisano %n z %1, reszty nie.</numerusform>
            <numerusform>Zatrzymano: zapisano %n z %1, reszty nie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the Pictures in</source>
        <translation>Zapisz obrazy w</translation>
    </message>
    <message>
        <source>Save as Picture</source>
        <translation>Zapisz jako obraz</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Obrazy PNG (*.png)</translation>
    </message>
    <message>
        <source>Reading the caches…</source>
        <translation>Wczytywanie cache…</translation>
    </message>
    <message>
        <source>No sprays seen in games yet: the game keeps those it sees on servers in each mod&apos;s custom.hpk.</source>
        <translation>Nie ma jeszcze sprayów widzianych w grach: gra zapisuje te, które widzi na serwerach, w pliku custom.hpk każdego moda.</translation>
    </message>
    <message numerus="yes">
        <source>%n sprays seen.</source>
        <translation>
            <numerusform>Widziano %n spray.</numerusform>
            <numerusform>Widziano %n spraye.</numerusform>
            <numerusform>Widziano %n sprayów.</numerusform>
        </translation>
    </message>
    <message>
        <source>These caches could not be read (the game may be writing one: press Refresh):</source>
        <translation>Nie udało się odczytać tych cache (gra może właśnie zapisywać któryś z nich: kliknij „Odśwież”):</translation>
    </message>
    <message>
        <source>Sprays Seen in Games</source>
        <translation>Spraye widziane w grach</translation>
    </message>
    <message>
        <source>&amp;Mod:</source>
        <translation>&amp;Mod:</translation>
    </message>
    <message>
        <source>All mods</source>
        <translation>Wszystkie mody</translation>
    </message>
    <message>
        <source>Sprays seen in games</source>
        <translation>Spraye widziane w grach</translation>
    </message>
    <message>
        <source>&amp;Save to Library</source>
        <translation>&amp;Zapisz w bibliotece</translation>
    </message>
    <message>
        <source>Copy the chosen sprays, unchanged, into the category chosen in the main window</source>
        <translation>Skopiuj wybrane spraye bez zmian do kategorii wybranej w oknie głównym</translation>
    </message>
    <message>
        <source>Save as &amp;Picture…</source>
        <translation>Zapisz jako o&amp;braz…</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Odśwież</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Set your spray folder first: kept sprays are copied into it.</source>
        <translation>Najpierw ustaw folder sprayów: zachowane spraye są do niego kopiowane.</translation>
    </message>
    <message numerus="yes">
        <source>Saving %n sprays in %1…</source>
        <translation>
            <numerusform>Zapisywanie %n sprayu w %1…</numerusform>
            <numerusform>Zapisywanie %n sprayów w %1…</numerusform>
            <numerusform>Zapisywanie %n sprayów w %1…</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not save the spray in %1<byte value="xd"/>%2</source>
        <translation>Nie udało się zapisać sprayu w %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Could not save these pictures:<byte value="xd"/>%1</source>
        <translation>Nie udało się zapisać tych obrazów:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Saving the picture…</source>
        <translation>Zapisywanie obrazu…</translation>
    </message>
    <message numerus="yes">
        <source>Saving %n pictures in %1…</source>
        <translation>
            <numerusform>Zapisywanie %n obrazu w %1…</numerusform>
            <numerusform>Zapisywanie %n obrazów w %1…</numerusform>
            <numerusform>Zapisywanie %n obrazów w %1…</numerusform>
        </translation>
    </message>
    <message>
        <source>No game folder yet: set the Half-Life folder in File Locations.</source>
        <translation>Brak folderu gry: ustaw folder Half-Life w oknie „Lokalizacje plików”.</translation>
    </message>
</context>
<context>
    <name>velmira::SeenSave</name>
    <message>
        <source>every name for it is taken</source>
        <translation>wszystkie nazwy dla niego są zajęte</translation>
    </message>
    <message>
        <source>the spray has no picture the game draws</source>
        <translation>spray nie ma obrazu, który gra rysuje</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>nie udało się utworzyć obrazu</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i %n więcej</numerusform>
            <numerusform>i %n więcej</numerusform>
            <numerusform>i %n więcej</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::SeenSprayModel</name>
    <message>
        <source>%1, %2 at byte %3, %4 × %5 pixels</source>
        <translation>%1, %2 (bajt %3), %4 × %5 pikseli</translation>
    </message>
</context>
<context>
    <name>velmira::Settings</name>
    <message>
        <source>Could not save the settings to %1: it is not a settings file</source>
        <translation>Nie udało się zapisać ustawień w %1: to nie jest plik ustawień</translation>
    </message>
    <message>
        <source>Could not save the settings to %1</source>
        <translation>Nie udało się zapisać ustawień w %1</translation>
    </message>
</context>
<context>
    <name>velmira::SprayView</name>
    <message>
        <source>The spray as the game draws it</source>
        <translation>Spray tak, jak rysuje go gra</translation>
    </message>
</context>
<context>
    <name>velmira::Sprays</name>
    <message>
        <source>it is larger than the %1 MB a spray picture may be</source>
        <translation>jest większy niż %1 MB dozwolone dla obrazu sprayu</translation>
    </message>
    <message>
        <source>Set your spray folder first: dropped files are copied into it.</source>
        <translation>Najpierw ustaw folder sprayów: upuszczone pliki są do niego kopiowane.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it was not copied</comment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>These spray files in %1 are not listed: their names are not valid text, so they cannot be opened.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Rename them to use them.</source>
        <translation>
            <numerusform>Ten plik sprayu w %1 nie jest wyświetlany: jego nazwa nie jest poprawnym tekstem, więc nie można go otworzyć.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Zmień jego nazwę, aby go użyć.</numerusform>
            <numerusform>Te pliki sprayów w %1 nie są wyświetlane: ich nazwy nie są poprawnym tekstem, więc nie można ich otworzyć.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Zmień ich nazwy, aby ich użyć.</numerusform>
            <numerusform>Te pliki sprayów w %1 nie są wyświetlane: ich nazwy nie są poprawnym tekstem, więc nie można ich otworzyć.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Zmień ich nazwy, aby ich użyć.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Could not copy into %1<byte value="xd"/>%2</source>
        <translation>
            <numerusform>Nie udało się skopiować do %1<byte value="xd"/>%2</numerusform>
            <numerusform>Nie udało się skopiować do %1<byte value="xd"/>%2</numerusform>
            <numerusform>Nie udało się skopiować do %1<byte value="xd"/>%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only pictures and WAD files join the spray library; these were not added:<byte value="xd"/>%1</source>
        <translation>
            <numerusform>Do biblioteki sprayów trafiają tylko obrazy i pliki WAD; ten plik nie został dodany:<byte value="xd"/>%1</numerusform>
            <numerusform>Do biblioteki sprayów trafiają tylko obrazy i pliki WAD; te pliki nie zostały dodane:<byte value="xd"/>%1</numerusform>
            <numerusform>Do biblioteki sprayów trafiają tylko obrazy i pliki WAD; te pliki nie zostały dodane:<byte value="xd"/>%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::picture::Bmp</name>
    <message>
        <source>the bitmap is cut short</source>
        <translation>bitmapa jest ucięta</translation>
    </message>
    <message>
        <source>the bitmap&apos;s compressed pixels are cut short</source>
        <translation>skompresowane piksele bitmapy są ucięte</translation>
    </message>
    <message>
        <source>the bitmap&apos;s headers are damaged or cut short</source>
        <translation>nagłówki bitmapy są uszkodzone lub ucięte</translation>
    </message>
    <message>
        <source>the bitmap is not 1, 4 or 8 bits per pixel</source>
        <translation>bitmapa nie ma 1, 4 ani 8 bitów na piksel</translation>
    </message>
    <message>
        <source>the bitmap&apos;s compression is not supported</source>
        <translation>kompresja bitmapy nie jest obsługiwana</translation>
    </message>
    <message>
        <source>the bitmap&apos;s size is not valid</source>
        <translation>rozmiar bitmapy jest nieprawidłowy</translation>
    </message>
    <message>
        <source>the bitmap is too large</source>
        <translation>bitmapa jest za duża</translation>
    </message>
    <message>
        <source>the bitmap&apos;s palette is cut short</source>
        <translation>paleta bitmapy jest ucięta</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Heif</name>
    <message>
        <source>the HEIF picture is damaged</source>
        <translation>obraz HEIF jest uszkodzony</translation>
    </message>
    <message>
        <source>it is not a HEIF picture</source>
        <translation>to nie jest obraz HEIF</translation>
    </message>
    <message>
        <source>the HEIF picture&apos;s size is not valid</source>
        <translation>rozmiar obrazu HEIF jest nieprawidłowy</translation>
    </message>
    <message>
        <source>the HEIF picture cannot be read: %1</source>
        <translation>nie można odczytać obrazu HEIF: %1</translation>
    </message>
    <message>
        <source>the HEIF picture has no pixels</source>
        <translation>obraz HEIF nie ma pikseli</translation>
    </message>
    <message>
        <source>this build of Velmira reads no HEIF pictures</source>
        <translation>ta wersja Velmiry nie odczytuje obrazów HEIF</translation>
    </message>
</context>
<context>
    <name>velmira::picture::PictureCost</name>
    <message>
        <source>the JPEG picture is cut short</source>
        <translation>obraz JPEG jest ucięty</translation>
    </message>
    <message>
        <source>the PNG picture is cut short</source>
        <translation>obraz PNG jest ucięty</translation>
    </message>
    <message>
        <source>the GIF picture is cut short</source>
        <translation>obraz GIF jest ucięty</translation>
    </message>
    <message>
        <source>a frame of the GIF picture lies outside the picture</source>
        <translation>klatka obrazu GIF wychodzi poza obraz</translation>
    </message>
    <message>
        <source>the GIF picture is damaged</source>
        <translation>obraz GIF jest uszkodzony</translation>
    </message>
    <message>
        <source>this build of Velmira reads no HEIF pictures</source>
        <translation>ta wersja Velmiry nie odczytuje obrazów HEIF</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read</source>
        <translation>obraz ma %1 × %2 pikseli, więcej, niż da się odczytać</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read: reading it would take %3 MB, and a picture may take at most %4 MB</source>
        <translation>obraz ma %1 × %2 pikseli, więcej, niż da się odczytać: jego odczyt zająłby %3 MB, a obraz może zająć najwyżej %4 MB</translation>
    </message>
    <message>
        <source>the bitmap is cut short</source>
        <translation>bitmapa jest ucięta</translation>
    </message>
    <message>
        <source>the picture&apos;s kind is not known</source>
        <translation>format obrazu jest nieznany</translation>
    </message>
    <message>
        <source>the picture&apos;s size is not known</source>
        <translation>rozmiar obrazu jest nieznany</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Png</name>
    <message>
        <source>the compressed data is damaged</source>
        <translation>skompresowane dane są uszkodzone</translation>
    </message>
    <message>
        <source>the compressed data is cut short</source>
        <translation>skompresowane dane są ucięte</translation>
    </message>
    <message>
        <source>the PNG picture is damaged</source>
        <translation>obraz PNG jest uszkodzony</translation>
    </message>
    <message>
        <source>the PNG picture is cut short</source>
        <translation>obraz PNG jest ucięty</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read</source>
        <translation>obraz ma %1 × %2 pikseli, więcej, niż da się odczytać</translation>
    </message>
    <message>
        <source>the PNG picture is damaged: %1</source>
        <translation>obraz PNG jest uszkodzony: %1</translation>
    </message>
</context>
<context>
    <name>velmira::picture::QtReader</name>
    <message>
        <source>the %1 picture of %2 × %3 pixels cannot be read: %4</source>
        <translation>nie można odczytać obrazu %1 o wymiarach %2 × %3 pikseli: %4</translation>
    </message>
</context>
<context>
    <name>velmira::picture::ReadFile</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 nie istnieje</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>nie można otworzyć %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 is larger than %n bytes</source>
        <translation>
            <numerusform>plik %1 ma więcej niż %n bajt</numerusform>
            <numerusform>plik %1 ma więcej niż %n bajty</numerusform>
            <numerusform>plik %1 ma więcej niż %n bajtów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not read: %2</source>
        <translation>nie odczytano %1: %2</translation>
    </message>
</context>
<context>
    <name>velmira::picture::ReadPicture</name>
    <message>
        <source>cannot read the bitmap %1: %2</source>
        <translation>nie można odczytać obrazu %1: %2</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Tga</name>
    <message>
        <source>the TGA picture is cut short</source>
        <translation>obraz TGA jest ucięty</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s kind is not supported</source>
        <translation>ten rodzaj obrazu TGA nie jest obsługiwany</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s size is not valid</source>
        <translation>rozmiar obrazu TGA jest nieprawidłowy</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s colour map is not supported</source>
        <translation>paleta obrazu TGA nie jest obsługiwana</translation>
    </message>
    <message>
        <source>the TGA picture is too large</source>
        <translation>obraz TGA jest za duży</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Tiff</name>
    <message>
        <source>the TIFF picture is damaged</source>
        <translation>obraz TIFF jest uszkodzony</translation>
    </message>
    <message>
        <source>the TIFF picture is damaged: %1</source>
        <translation>obraz TIFF jest uszkodzony: %1</translation>
    </message>
    <message>
        <source>the TIFF picture is cut short</source>
        <translation>obraz TIFF jest ucięty</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Webp</name>
    <message>
        <source>the WebP picture is damaged</source>
        <translation>obraz WebP jest uszkodzony</translation>
    </message>
    <message>
        <source>the WebP picture is cut short</source>
        <translation>obraz WebP jest ucięty</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Convert</name>
    <message>
        <source>the picture is empty</source>
        <translation>obraz jest pusty</translation>
    </message>
    <message>
        <source>the colour reducer could not start</source>
        <translation>nie udało się uruchomić redukcji kolorów</translation>
    </message>
    <message>
        <source>the colour reducer refused the picture</source>
        <translation>redukcja kolorów odrzuciła obraz</translation>
    </message>
    <message>
        <source>the picture&apos;s colours could not be reduced</source>
        <translation>nie udało się zredukować kolorów obrazu</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Maker</name>
    <message>
        <source>the picture is empty</source>
        <translation>obraz jest pusty</translation>
    </message>
    <message>
        <source>one-colour decal</source>
        <translation>jednokolorowy decal</translation>
    </message>
    <message>
        <source>colour spray</source>
        <translation>kolorowy spray</translation>
    </message>
    <message>
        <source>Servers that keep sprays to 64 × 64 will not show this</source>
        <translation>Serwery ograniczające spraye do 64 × 64 go nie pokażą</translation>
    </message>
    <message>
        <source>Sharp scaling of a photo looks blocky</source>
        <translation>Ostre skalowanie zdjęcia wygląda kanciasto</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Spray</name>
    <message>
        <source>the bitmap is not an 8-bit paletted picture</source>
        <translation>bitmapa nie jest 8-bitowym obrazem z paletą</translation>
    </message>
    <message>
        <source>the lump&apos;s area lies outside the bitmap</source>
        <translation>obszar lumpu wychodzi poza bitmapę</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>obraz jest pusty</translation>
    </message>
</context>
<context>
    <name>velmira::wad::Hpk</name>
    <message>
        <source>it is not a cache of sprays</source>
        <translation>to nie jest cache sprayów</translation>
    </message>
    <message>
        <source>the cache is of a version the game does not write</source>
        <translation>cache ma wersję, której gra nie zapisuje</translation>
    </message>
    <message>
        <source>the cache&apos;s directory lies outside it</source>
        <translation>katalog cache leży poza nim</translation>
    </message>
    <message>
        <source>the cache is cut short</source>
        <translation>cache jest ucięty</translation>
    </message>
    <message>
        <source>the cache&apos;s entries add up to more than the file</source>
        <translation>wpisy cache zajmują razem więcej niż cały plik</translation>
    </message>
    <message>
        <source>no spray of the cache lies there</source>
        <translation>nie leży tam żaden spray z cache</translation>
    </message>
    <message>
        <source>it is no longer a file</source>
        <translation>to już nie jest plik</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>nie można go otworzyć: %1</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>już go nie ma</translation>
    </message>
    <message>
        <source>it is shorter now</source>
        <translation>jest teraz krótszy</translation>
    </message>
    <message numerus="yes">
        <source>the cache&apos;s directory counts %n entries</source>
        <translation>
            <numerusform>katalog cache zawiera %n wpis</numerusform>
            <numerusform>katalog cache zawiera %n wpisy</numerusform>
            <numerusform>katalog cache zawiera %n wpisów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::wad::LumpScript</name>
    <message>
        <source>line %1: a quote is not closed</source>
        <translation>wiersz %1: cudzysłów nie jest zamknięty</translation>
    </message>
    <message>
        <source>line %1: %2 needs a file name</source>
        <translation>wiersz %1: %2 wymaga nazwy pliku</translation>
    </message>
    <message>
        <source>line %1: unknown directive %2</source>
        <translation>wiersz %1: nieznana dyrektywa %2</translation>
    </message>
    <message>
        <source>line %1: a lump line needs a type</source>
        <translation>wiersz %1: wiersz lumpu wymaga typu</translation>
    </message>
    <message>
        <source>line %1: the lump name %2 is 16 characters or more</source>
        <translation>wiersz %1: nazwa lumpu %2 ma 16 znaków lub więcej</translation>
    </message>
    <message>
        <source>line %1: lumps of type %2 are not supported</source>
        <translation>wiersz %1: lumpy typu %2 nie są obsługiwane</translation>
    </message>
    <message>
        <source>line %1: a miptex lump needs x, y, width and height</source>
        <translation>wiersz %1: lump miptex wymaga x, y, szerokości i wysokości</translation>
    </message>
    <message>
        <source>line %1: the lump&apos;s area is not valid</source>
        <translation>wiersz %1: obszar lumpu jest nieprawidłowy</translation>
    </message>
    <message>
        <source>line %1: no $loadbmp before this lump</source>
        <translation>wiersz %1: brak $loadbmp przed tym lumpem</translation>
    </message>
    <message>
        <source>the script names no $DEST file</source>
        <translation>skrypt nie podaje pliku $DEST</translation>
    </message>
    <message>
        <source>the script holds no lump</source>
        <translation>skrypt nie zawiera żadnego lumpu</translation>
    </message>
</context>
<context>
    <name>velmira::wad::Maker</name>
    <message>
        <source>The game would not use this spray: %1</source>
        <translation>Gra nie użyłaby tego sprayu: %1</translation>
    </message>
    <message>
        <source>Nothing of the picture shows: every pixel of this spray is see-through. Bring the picture into the frame, or make less of it see-through.</source>
        <translation>Z obrazu nic nie widać: każdy piksel tego sprayu jest przezroczysty. Przesuń obraz do ramki albo zmniejsz przezroczystą część.</translation>
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
        <translation>plik jest za mały, by był plikiem WAD</translation>
    </message>
    <message>
        <source>the file is not a WAD3 file</source>
        <translation>plik nie jest plikiem WAD3</translation>
    </message>
    <message>
        <source>the directory lies outside the file</source>
        <translation>katalog leży poza plikiem</translation>
    </message>
    <message>
        <source>the directory runs past the end of the file</source>
        <translation>katalog wychodzi poza koniec pliku</translation>
    </message>
    <message>
        <source>lump %1 is compressed</source>
        <translation>lump %1 jest skompresowany</translation>
    </message>
    <message>
        <source>lump %1 lies outside the file</source>
        <translation>lump %1 leży poza plikiem</translation>
    </message>
    <message>
        <source>the lumps add up to more than the file</source>
        <translation>lumpy razem są większe niż plik</translation>
    </message>
    <message>
        <source>the picture&apos;s header is cut short</source>
        <translation>nagłówek obrazu jest ucięty</translation>
    </message>
    <message>
        <source>the picture&apos;s size %1 x %2 is not allowed</source>
        <translation>rozmiar obrazu %1 x %2 jest niedozwolony</translation>
    </message>
    <message>
        <source>the picture runs past the end of its lump</source>
        <translation>obraz wychodzi poza koniec swojego lumpu</translation>
    </message>
    <message>
        <source>the palette is damaged</source>
        <translation>paleta jest uszkodzona</translation>
    </message>
    <message>
        <source>the file&apos;s size %1 is outside 1024 to 20480 bytes</source>
        <translation>rozmiar pliku %1 jest poza zakresem od 1024 do 20480 bajtów</translation>
    </message>
    <message>
        <source>the directory is not at the end of the file</source>
        <translation>katalog nie znajduje się na końcu pliku</translation>
    </message>
    <message>
        <source>the lump&apos;s sizes are wrong</source>
        <translation>rozmiary lumpu są błędne</translation>
    </message>
    <message>
        <source>the mip levels&apos; offsets do not follow each other</source>
        <translation>przesunięcia poziomów mip nie następują po sobie</translation>
    </message>
    <message>
        <source>the palette lies outside the lump</source>
        <translation>paleta leży poza lumpem</translation>
    </message>
    <message>
        <source>the palette&apos;s colour count %1 is not 1 to 256</source>
        <translation>liczba kolorów palety %1 nie mieści się w zakresie od 1 do 256</translation>
    </message>
    <message numerus="yes">
        <source>the file holds %n lumps, not one</source>
        <translation>
            <numerusform>plik zawiera %n lump zamiast jednego</numerusform>
            <numerusform>plik zawiera %n lumpy zamiast jednego</numerusform>
            <numerusform>plik zawiera %n lumpów zamiast jednego</numerusform>
        </translation>
    </message>
</context>
</TS>
