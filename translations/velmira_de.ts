<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CheckSpraysDialog</name>
    <message numerus="yes">
        <source>Mods checked: %1. Problems found: %n.</source>
        <translation>
            <numerusform>Geprüfte Mods: %1. %n Problem gefunden.</numerusform>
            <numerusform>Geprüfte Mods: %1. %n Probleme gefunden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameConfig</name>
    <message>
        <source>a start of the Windows game</source>
        <translation>einem Start der Windows-Version</translation>
    </message>
    <message>
        <source>a start of the Linux game</source>
        <translation>einem Start der Linux-Version</translation>
    </message>
    <message>
        <source>a start of Xash3D</source>
        <translation>einem Start von Xash3D</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <translation>%1 Zeile %2</translation>
    </message>
    <message>
        <source>the engine&apos;s default</source>
        <translation>Standardwert der Engine</translation>
    </message>
    <message>
        <source>After the game quits and starts again, %1 ends with %2 &quot;%3&quot; (%4).</source>
        <translation>Wird das Spiel beendet und neu gestartet, steht %2 bei %1 am Ende auf &quot;%3&quot; (%4).</translation>
    </message>
    <message>
        <source>%1 ends with %2 &quot;%3&quot; (%4).</source>
        <translation>Bei %1 steht %2 am Ende auf &quot;%3&quot; (%4).</translation>
    </message>
    <message>
        <source>Quit the game first: it writes config.cfg as it quits, which would undo the change.</source>
        <translation>Beende zuerst das Spiel: Es schreibt beim Beenden die config.cfg und würde die Änderung damit rückgängig machen.</translation>
    </message>
    <message>
        <source>The mod folder %1 cannot be opened: %2</source>
        <translation>Der Mod-Ordner %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2), so whether it turns %3 off is not known; nothing was changed.</source>
        <translation>Die Datei %1 kann nicht gelesen werden (%2), daher ist unklar, ob sie %3 ausschaltet; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 is already on in %2.</source>
        <translation>%1 ist in %2 bereits eingeschaltet.</translation>
    </message>
    <message>
        <source>%1 is a link: change %2 in the file it leads to.</source>
        <translation>%1 ist ein Link: Ändere %2 in der Datei, auf die er verweist.</translation>
    </message>
    <message>
        <source>%1 could not be changed: %2</source>
        <translation>%1 konnte nicht geändert werden: %2</translation>
    </message>
    <message>
        <source>%1 line %2 now sets %3 to %4 (it was &quot;%5&quot;); the file as it was is kept as %6.</source>
        <translation>Zeile %2 von %1 setzt %3 jetzt auf %4 (vorher &quot;%5&quot;); die bisherige Fassung der Datei ist als %6 gesichert.</translation>
    </message>
    <message>
        <source>But the game would still turn it off: %1</source>
        <translation>Das Spiel würde die Einstellung aber trotzdem ausschalten: %1</translation>
    </message>
    <message>
        <source>Another program is writing %1; try again when it has finished.</source>
        <translation>Ein anderes Programm schreibt gerade %1; versuche es erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>it cannot be read or is larger than 256 KB</source>
        <translation>sie ist nicht lesbar oder größer als 256 KB</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>sie ist keine normale Datei</translation>
    </message>
</context>
<context>
    <name>SprayCheck</name>
    <message>
        <source>%1 line %2</source>
        <translation>%1 Zeile %2</translation>
    </message>
    <message>
        <source>Not read: %1.</source>
        <translation>Nicht gelesen: %1.</translation>
    </message>
    <message>
        <source>The mod folder cannot be opened: %1</source>
        <translation>Der Mod-Ordner kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>No tempdecal.wad: the game has no spray to send. Use &quot;Create Sprays&quot;.</source>
        <translation>Keine tempdecal.wad: Das Spiel hat kein Spray zum Senden. Verwende „Sprays erstellen“.</translation>
    </message>
    <message>
        <source>tempdecal.wad is not a plain file: the game cannot use it.</source>
        <translation>tempdecal.wad ist keine normale Datei: Das Spiel kann sie nicht verwenden.</translation>
    </message>
    <message>
        <source>tempdecal.wad cannot be read, or is far larger than any spray.</source>
        <translation>tempdecal.wad kann nicht gelesen werden oder ist viel größer als jedes Spray.</translation>
    </message>
    <message>
        <source>The game will not use it: %1</source>
        <translation>Das Spiel verwendet sie nicht: %1</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 Pixel</translation>
    </message>
    <message>
        <source>The spray Velmira installed, %1.</source>
        <translation>Das von Velmira installierte Spray, %1.</translation>
    </message>
    <message>
        <source>Replaced since Velmira installed its spray here, %1: the game&apos;s Options screen writes its logo over it when you press OK there.</source>
        <translation>Ersetzt, seit Velmira ihr Spray hier installiert hat, jetzt %1: Die Optionen des Spiels überschreiben es mit ihrem Logo, wenn du dort auf „OK“ klickst.</translation>
    </message>
    <message>
        <source>A spray Velmira did not install, %1.</source>
        <translation>Ein Spray, das nicht von Velmira installiert wurde, %1.</translation>
    </message>
    <message>
        <source>Not checked. %1</source>
        <translation>Nicht geprüft. %1</translation>
    </message>
    <message>
        <source>No spray the game takes.</source>
        <translation>Kein Spray, das das Spiel nimmt.</translation>
    </message>
    <message>
        <source>The Options screen has the logo &quot;%1&quot; (%2) chosen.</source>
        <translation>In den Optionen ist das Logo „%1“ (%2) gewählt.</translation>
    </message>
    <message>
        <source>Read-only: the Options screen cannot replace it. %1</source>
        <translation>Schreibgeschützt: Die Optionen können es nicht ersetzen. %1</translation>
    </message>
    <message>
        <source>Not protected: pressing OK in Options writes the logo &quot;%1&quot; over it.</source>
        <translation>Nicht geschützt: „OK“ in den Optionen überschreibt es mit dem Logo „%1“.</translation>
    </message>
    <message>
        <source>No cache yet: the game makes one as it sees sprays.</source>
        <translation>Noch kein Cache: Das Spiel legt einen an, sobald es Sprays sieht.</translation>
    </message>
    <message>
        <source>custom.hpk is not a plain file.</source>
        <translation>custom.hpk ist keine normale Datei.</translation>
    </message>
    <message numerus="yes">
        <source>%1; sprays kept: %n</source>
        <translation>
            <numerusform>%1; %n Spray gespeichert</numerusform>
            <numerusform>%1; %n Sprays gespeichert</numerusform>
        </translation>
    </message>
    <message>
        <source>Not Xash3D.</source>
        <translation>Kein Xash3D.</translation>
    </message>
    <message>
        <source>Velmira installed no logo here. %1</source>
        <translation>Velmira hat hier kein Logo installiert. %1</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Spray</translation>
    </message>
    <message>
        <source>Others see it</source>
        <translation>Andere sehen es</translation>
    </message>
    <message>
        <source>You see theirs</source>
        <translation>Du siehst ihre</translation>
    </message>
    <message>
        <source>Every server</source>
        <translation>Jeder Server</translation>
    </message>
    <message>
        <source>It stays</source>
        <translation>Bleibt erhalten</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>Xash3D logo</source>
        <translation>Xash3D-Logo</translation>
    </message>
    <message>
        <source>Turn &amp;Uploads On</source>
        <translation>&amp;Uploads einschalten</translation>
    </message>
    <message>
        <source>Turn &amp;Downloads On</source>
        <translation>&amp;Downloads einschalten</translation>
    </message>
    <message>
        <source>Make &amp;Every-Server Size…</source>
        <translation>Größe für &amp;jeden Server…</translation>
    </message>
    <message>
        <source>&amp;Protect</source>
        <translation>&amp;Schützen</translation>
    </message>
    <message>
        <source>Xash3D builds tempdecal.wad from the logo chosen in Customize each time it joins a server.</source>
        <translation>Xash3D erstellt die tempdecal.wad jedes Mal, wenn es einem Server beitritt, aus dem unter „Anpassen“ gewählten Logo.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>Velmira&apos;s</source>
        <translation>von Velmira</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>ersetzt</translation>
    </message>
    <message>
        <source>another</source>
        <translation>ein anderes</translation>
    </message>
    <message>
        <source>Xash3D scales the logo it sends itself.</source>
        <translation>Xash3D skaliert das Logo, das es sendet, selbst.</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1: every server shows it.</source>
        <translation>%1: Jeder Server zeigt es an.</translation>
    </message>
    <message>
        <source>%1: servers that keep sprays to 64 × 64 do not show it.</source>
        <translation>%1: Server, die Sprays auf 64 × 64 begrenzen, zeigen es nicht an.</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>schreibgeschützt</translation>
    </message>
    <message>
        <source>not protected</source>
        <translation>nicht geschützt</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>noch keiner</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>custom.hpk cannot be read (%1); the game deletes a damaged cache when it starts.</source>
        <translation>custom.hpk kann nicht gelesen werden (%1); das Spiel löscht einen beschädigten Cache beim Start.</translation>
    </message>
    <message>
        <source>%1. The game empties it itself when it grows past 4 MB.</source>
        <translation>%1. Das Spiel leert den Cache selbst, sobald er größer als 4 MB wird.</translation>
    </message>
    <message>
        <source>not opened</source>
        <translation>nicht geöffnet</translation>
    </message>
    <message>
        <source>Xash3D rewrites tempdecal.wad itself.</source>
        <translation>Xash3D schreibt die tempdecal.wad selbst neu.</translation>
    </message>
    <message>
        <source>Decals</source>
        <translation>Decals</translation>
    </message>
    <message>
        <source>Turn Decal&amp;s On</source>
        <translation>De&amp;cals einschalten</translation>
    </message>
    <message>
        <source>If it still fails on one server, the server may refuse uploads or large sprays (sv_allowupload, sv_allowdownload, sv_send_logos, sv_rehlds_allow_large_sprays): no file of yours changes that.</source>
        <translation>Klappt es auf einem Server trotzdem nicht, lehnt dieser Server vielleicht Uploads oder große Sprays ab (sv_allowupload, sv_allowdownload, sv_send_logos, sv_rehlds_allow_large_sprays): Daran ändert keine deiner Dateien etwas.</translation>
    </message>
    <message>
        <source>at a start of the Windows game</source>
        <translation>bei einem Start der Windows-Version</translation>
    </message>
    <message>
        <source>at a start of the Linux game</source>
        <translation>bei einem Start der Linux-Version</translation>
    </message>
    <message>
        <source>at a start of Xash3D</source>
        <translation>bei einem Start von Xash3D</translation>
    </message>
    <message>
        <source>the engine&apos;s default</source>
        <translation>Standardwert der Engine</translation>
    </message>
    <message>
        <source>on</source>
        <translation>an</translation>
    </message>
    <message>
        <source>On: %1.</source>
        <translation>Eingeschaltet: %1.</translation>
    </message>
    <message>
        <source>default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>off in %1</source>
        <translation>aus (%1)</translation>
    </message>
    <message>
        <source>sends .%1</source>
        <translation>sendet .%1</translation>
    </message>
    <message>
        <source>Xash3D sends logos/remapped.%1, not Velmira&apos;s PNG logo (%2): choose Velmira&apos;s logo in Customize.</source>
        <translation>Xash3D sendet logos/remapped.%1, nicht Velmiras PNG-Logo (%2): Wähle unter „Anpassen“ Velmiras Logo.</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>keins gewählt</translation>
    </message>
    <message>
        <source>There is no logos/remapped.png, the picture Xash3D sends: choose Velmira&apos;s logo in Customize.</source>
        <translation>Es gibt keine logos/remapped.png, also kein Bild, das Xash3D senden kann: Wähle unter „Anpassen“ Velmiras Logo.</translation>
    </message>
    <message>
        <source>another logo</source>
        <translation>anderes Logo</translation>
    </message>
    <message>
        <source>Xash3D sends logos/remapped.png, which is not the logo Velmira installed: choose Velmira&apos;s logo in Customize.</source>
        <translation>Xash3D sendet logos/remapped.png, und das ist nicht das von Velmira installierte Logo: Wähle unter „Anpassen“ Velmiras Logo.</translation>
    </message>
    <message>
        <source>Xash3D sends the logo Velmira installed.</source>
        <translation>Xash3D sendet das von Velmira installierte Logo.</translation>
    </message>
    <message>
        <source>Uploads are off (%1, %2): servers never get your spray.</source>
        <translation>Uploads sind ausgeschaltet (%1, %2): Server bekommen dein Spray nie.</translation>
    </message>
    <message>
        <source>Downloads are off (%1, %2): you see no one else&apos;s spray.</source>
        <translation>Downloads sind ausgeschaltet (%1, %2): Du siehst keine Sprays anderer Spieler.</translation>
    </message>
    <message>
        <source>Downloads during a game are off (%1, %2): you do not see the sprays of players who join after you.</source>
        <translation>Downloads während des Spiels sind ausgeschaltet (%1, %2): Du siehst die Sprays von Spielern nicht, die nach dir beitreten.</translation>
    </message>
    <message>
        <source>No decals are drawn (%1, %2): no one&apos;s spray shows.</source>
        <translation>Es werden keine Decals gezeichnet (%1, %2): Es ist kein Spray zu sehen.</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>nicht gelesen</translation>
    </message>
    <message>
        <source>%1 is already on in %2.</source>
        <translation>%1 ist in %2 bereits eingeschaltet.</translation>
    </message>
</context>
<context>
    <name>SprayReport</name>
    <message>
        <source>Half-Life, Windows client</source>
        <translation>Half-Life, Windows-Client</translation>
    </message>
    <message>
        <source>Half-Life, Linux client</source>
        <translation>Half-Life, Linux-Client</translation>
    </message>
    <message>
        <source>Xash3D FWGS</source>
        <translation>Xash3D FWGS</translation>
    </message>
    <message>
        <source>Starts checked: %1</source>
        <translation>Geprüfte Spielstarts: %1</translation>
    </message>
</context>
<context>
    <name>qlumpy</name>
    <message>
        <source>%1 is a link; the WAD is not written through it</source>
        <translation>%1 ist ein Link; die WAD wird nicht darüber geschrieben</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine normale Datei</translation>
    </message>
    <message>
        <source>usage: qlumpy [--many-lumps] SCRIPT</source>
        <translation>Aufruf: qlumpy [--many-lumps] SKRIPT</translation>
    </message>
    <message>
        <source>cannot read the script: %1</source>
        <translation>Skript kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the script and what is wrong</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>der Datenträger ist vielleicht voll</translation>
    </message>
    <message numerus="yes">
        <source>%1: the script names %n lumps; a spray holds one</source>
        <translation>
            <numerusform>%1: Das Skript nennt %n Lump; ein Spray enthält nur einen</numerusform>
            <numerusform>%1: Das Skript nennt %n Lumps; ein Spray enthält nur einen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>About Velmira</source>
        <translation>Über Velmira</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>The easiest way to switch between color Half-Life sprays!</source>
        <translation>Der einfachste Weg, farbige Half-Life-Sprays zu wechseln!</translation>
    </message>
    <message>
        <source>Written by the Velmira developers</source>
        <translation>Geschrieben von den Velmira-Entwicklern</translation>
    </message>
    <message>
        <source>Comments and problems: see ReadMe.txt</source>
        <translation>Anmerkungen und Probleme: siehe ReadMe.txt</translation>
    </message>
    <message>
        <source>Velmira: colour sprays for every Half-Life mod</source>
        <translation>Velmira: Farbsprays für jede Half-Life-Mod</translation>
    </message>
    <message>
        <source>Made by players, for players</source>
        <translation>Von Spielern für Spieler</translation>
    </message>
    <message>
        <source>(C) the Velmira developers. GPL-3.0-or-later, with NO WARRANTY. See ReadMe.txt for details.</source>
        <translation>(C) die Velmira-Entwickler. GPL-3.0-or-later, OHNE JEDE GEWÄHRLEISTUNG. Einzelheiten in ReadMe.txt.</translation>
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
        <translation>%1: Das ist ein Link</translation>
    </message>
    <message>
        <source>%1: it is not a file</source>
        <translation>%1: Das ist keine Datei</translation>
    </message>
    <message>
        <source>%1: it cannot be read</source>
        <translation>%1: Die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is in the way and is not a file</source>
        <translation>%1 ist im Weg und keine Datei</translation>
    </message>
    <message>
        <source>it is no longer a plain file</source>
        <translation>das ist keine normale Datei mehr</translation>
    </message>
    <message>
        <source>Clear Cached Sprays</source>
        <translation>Spray-Cache leeren</translation>
    </message>
    <message>
        <source>Select the mods whose cached sprays you want to clear.</source>
        <translation>Wähle die Mods aus, deren Spray-Cache du leeren willst.</translation>
    </message>
    <message>
        <source>The game is running from %1. Quit it before clearing its cached sprays: it keeps the cache open and writes it back.</source>
        <translation>Das Spiel wurde aus %1 gestartet und läuft noch. Beende es, bevor du seinen Spray-Cache leerst: Es hält den Cache offen und schreibt ihn zurück.</translation>
    </message>
    <message>
        <source>None of the selected mods has cached sprays (%1).</source>
        <translation>Keine der ausgewählten Mods hat zwischengespeicherte Sprays (%1).</translation>
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
            <numerusform>Diese Cache-Datei wurde nicht angerührt:</numerusform>
            <numerusform>Diese Cache-Dateien wurden nicht angerührt:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>custom.hpk holds the sprays of other players the game has seen on servers, so an old spray can show instead of a new one. The game builds it again as it needs.<byte value="xd"/><byte value="xd"/>Each of these is moved to custom.hpk.old beside it (an older custom.hpk.old is replaced):</source>
        <translation>
            <numerusform>custom.hpk enthält die Sprays anderer Spieler, die das Spiel auf Servern gesehen hat; deshalb kann ein altes Spray statt eines neuen erscheinen. Das Spiel legt die Datei bei Bedarf neu an.<byte value="xd"/><byte value="xd"/>Diese Datei wird daneben in custom.hpk.old umbenannt (eine ältere custom.hpk.old wird ersetzt):</numerusform>
            <numerusform>custom.hpk enthält die Sprays anderer Spieler, die das Spiel auf Servern gesehen hat; deshalb kann ein altes Spray statt eines neuen erscheinen. Das Spiel legt die Datei bei Bedarf neu an.<byte value="xd"/><byte value="xd"/>Jede dieser Dateien wird daneben in custom.hpk.old umbenannt (eine ältere custom.hpk.old wird ersetzt):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Could not clear these cached sprays:</source>
        <translation>
            <numerusform>Dieser Spray-Cache konnte nicht gelöscht werden:</numerusform>
            <numerusform>Diese Spray-Caches konnten nicht gelöscht werden:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::Categories</name>
    <message>
        <source>WARNING: Spray folder does not exist:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Please verify your spray folder.</source>
        <translation>WARNUNG: Der Spray-Ordner existiert nicht:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Bitte überprüfe deinen Spray-Ordner.</translation>
    </message>
    <message>
        <source>Please set your Spray folder.</source>
        <translation>Bitte lege deinen Spray-Ordner fest.</translation>
    </message>
    <message>
        <source>Invalid spray folder!</source>
        <translation>Ungültiger Spray-Ordner!</translation>
    </message>
    <message>
        <source>WARNING: Folder does not exist:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Try hitting refresh or varify your spray folder.</source>
        <translation>WARNUNG: Der Ordner existiert nicht:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Klicke auf „Neu laden“ oder überprüfe deinen Spray-Ordner.</translation>
    </message>
    <message>
        <source>&lt;Favorites&gt;</source>
        <translation>&lt;Favoriten&gt;</translation>
    </message>
</context>
<context>
    <name>velmira::CheckSpraysDialog</name>
    <message>
        <source>Check Sprays</source>
        <translation>Sprays prüfen</translation>
    </message>
    <message>
        <source>Spray checks, a row for each mod</source>
        <translation>Spray-Prüfungen, eine Zeile pro Mod</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Wird geprüft…</translation>
    </message>
    <message>
        <source>Open the spray maker on the mod&apos;s spray picture with the every-server size chosen</source>
        <translation>„Spray machen“ mit dem Spray-Bild der Mod öffnen, mit der Größe „Jeder Server“ gewählt</translation>
    </message>
    <message>
        <source>Leave the sprays Velmira installed read-only, as &quot;Protect Sprays from the Game&quot; does</source>
        <translation>Die von Velmira installierten Sprays schreibgeschützt lassen, wie es „Sprays vor dem Spiel schützen“ tut</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>&amp;Erneut prüfen</translation>
    </message>
    <message>
        <source>No mods to check: set the Half-Life folder in File Locations.</source>
        <translation>Keine Mods zu prüfen: Lege den Half-Life-Ordner unter „Speicherorte“ fest.</translation>
    </message>
    <message>
        <source>The spray maker is open with the every-server size chosen: save the spray, then use &quot;Create Sprays&quot;.</source>
        <translation>„Spray machen“ ist mit der Größe „Jeder Server“ geöffnet: Speichere das Spray und verwende dann „Sprays erstellen“.</translation>
    </message>
    <message>
        <source>Quit the game first: its Options screen may be writing the spray.</source>
        <translation>Beende zuerst das Spiel: Seine Optionen schreiben vielleicht gerade das Spray.</translation>
    </message>
    <message>
        <source>The sprays Velmira installed are now read-only.</source>
        <translation>Die von Velmira installierten Sprays sind jetzt schreibgeschützt.</translation>
    </message>
    <message>
        <source>The report is on the clipboard.</source>
        <translation>Der Bericht ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>Set cl_allowupload to 1 on every line that turns it off in the files the game runs, keeping a copy of each file as it was</source>
        <translation>In jeder Zeile der vom Spiel ausgeführten Dateien, die cl_allowupload ausschaltet, den Wert auf 1 setzen und von jeder Datei eine Kopie des bisherigen Stands behalten</translation>
    </message>
    <message>
        <source>Set cl_allowdownload and cl_download_ingame to 1 on every line that turns them off in the files the game runs, keeping a copy of each file as it was</source>
        <translation>In jeder Zeile der vom Spiel ausgeführten Dateien, die cl_allowdownload oder cl_download_ingame ausschaltet, den Wert auf 1 setzen und von jeder Datei eine Kopie des bisherigen Stands behalten</translation>
    </message>
    <message>
        <source>Set mp_decals and r_decals back to the game&apos;s own numbers on every line that sets them to 0, keeping a copy of each file as it was</source>
        <translation>In jeder Zeile, die mp_decals oder r_decals auf 0 setzt, wieder den Standardwert des Spiels eintragen und von jeder Datei eine Kopie des bisherigen Stands behalten</translation>
    </message>
    <message>
        <source>Copy &amp;Report</source>
        <translation>&amp;Bericht kopieren</translation>
    </message>
    <message>
        <source>Put the checks on the clipboard as plain text, to paste into a forum or a bug report (Ctrl+Shift+C)</source>
        <translation>Die Prüfergebnisse als reinen Text in die Zwischenablage kopieren, um sie in ein Forum oder einen Fehlerbericht einzufügen (Strg+Umschalt+C)</translation>
    </message>
</context>
<context>
    <name>velmira::Compiler</name>
    <message>
        <source>Could not make a private folder for the compiler&apos;s files in %1<byte value="xd"/>%2</source>
        <translation>Für die Dateien des Compilers konnte kein privater Ordner angelegt werden in %1<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>velmira::Create</name>
    <message>
        <source>Error compiling. Check BMP format and dimentions.<byte value="xd"/>File: %1</source>
        <translation>Fehler beim Kompilieren. Prüfe Format und Abmessungen der BMP.<byte value="xd"/>Datei: %1</translation>
    </message>
    <message>
        <source>Error creating spray!</source>
        <translation>Fehler beim Erstellen des Sprays!</translation>
    </message>
    <message>
        <source>Could not install the spray in %1<byte value="xd"/>%2</source>
        <translation>Das Spray konnte nicht in %1 installiert werden<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Could not use the folder %1<byte value="xd"/>%2</source>
        <translation>Der Ordner %1 konnte nicht verwendet werden<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>alle Namen dafür sind vergeben</translation>
    </message>
    <message>
        <source>The game is running from %1.<byte value="xd"/>It reads your spray when it starts a map, and its Options screen may replace the spray when you press OK or Apply there.<byte value="xd"/><byte value="xd"/>Install the sprays now?</source>
        <translation>Das Spiel wurde aus %1 gestartet und läuft noch.<byte value="xd"/>Es liest dein Spray beim Start einer Map, und seine Optionen können das Spray ersetzen, wenn du dort auf „OK“ oder „Anwenden“ klickst.<byte value="xd"/><byte value="xd"/>Sprays jetzt installieren?</translation>
    </message>
    <message>
        <source>The game would not use this spray, so it was not installed:<byte value="xd"/>%1</source>
        <translation>Das Spiel würde dieses Spray nicht verwenden, deshalb wurde es nicht installiert:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Could not find Qlumpy.exe!</source>
        <translation>Qlumpy.exe nicht gefunden!</translation>
    </message>
    <message>
        <source>Spray(s) Created!</source>
        <translation>Spray(s) erstellt!</translation>
    </message>
    <message>
        <source>Could not find %1</source>
        <translation>%1 nicht gefunden</translation>
    </message>
</context>
<context>
    <name>velmira::ErrorReport</name>
    <message>
        <source>If this happens repeatedly, please let me know exactly what it says below.<byte value="xd"/>Error # %1<byte value="xd"/>Source: %2<byte value="xd"/>Dll: %3<byte value="xd"/>Sub: %4-%5</source>
        <translation>Wenn das öfter passiert, sag mir bitte genau, was unten steht.<byte value="xd"/>Fehler Nr. %1<byte value="xd"/>Quelle: %2<byte value="xd"/>Dll: %3<byte value="xd"/>Prozedur: %4-%5</translation>
    </message>
</context>
<context>
    <name>velmira::Failure</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>E/A-Fehler des Geräts</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>Systemfehler %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
</context>
<context>
    <name>velmira::Folders</name>
    <message>
        <source>WARNING: Cannot find Half-Life in that folder!<byte value="xd"/>You might just have some different version I don&apos;t know about.<byte value="xd"/>Do you want to force VELMR to use the path you entered?</source>
        <translation>WARNUNG: In diesem Ordner wurde Half-Life nicht gefunden!<byte value="xd"/>Vielleicht hast du nur eine andere Version, die ich nicht kenne.<byte value="xd"/>Soll VELMR den eingegebenen Pfad trotzdem verwenden?</translation>
    </message>
    <message>
        <source>WARNING: Half-Life folder does not exist!</source>
        <translation>WARNUNG: Der Half-Life-Ordner existiert nicht!</translation>
    </message>
    <message>
        <source>WARNING: Spray folder does not exist!</source>
        <translation>WARNUNG: Der Spray-Ordner existiert nicht!</translation>
    </message>
</context>
<context>
    <name>velmira::FramingView</name>
    <message>
        <source>Picture under the spray&apos;s frame</source>
        <translation>Bild unter dem Rahmen des Sprays</translation>
    </message>
    <message>
        <source>Drag to move the picture, turn the wheel to zoom; the arrow keys move it by one pixel, with Shift by ten</source>
        <translation>Ziehen verschiebt das Bild, das Mausrad zoomt; die Pfeiltasten verschieben es um ein Pixel, mit Umschalt um zehn</translation>
    </message>
    <message>
        <source>Reading the picture…</source>
        <translation>Bild wird gelesen…</translation>
    </message>
</context>
<context>
    <name>velmira::Held</name>
    <message>
        <source>No spray is installed here.</source>
        <translation>Hier ist kein Spray installiert.</translation>
    </message>
    <message>
        <source>The spray Velmira installed here has been removed.</source>
        <translation>Das Spray, das Velmira hier installiert hat, wurde entfernt.</translation>
    </message>
    <message>
        <source>The spray file cannot be read: %1</source>
        <translation>Die Spray-Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The spray Velmira installed here.</source>
        <translation>Das Spray, das Velmira hier installiert hat.</translation>
    </message>
    <message>
        <source>Replaced since Velmira installed its spray here (the game&apos;s Options screen rewrites it when you press OK or Apply there).</source>
        <translation>Ersetzt, seit Velmira ihr Spray hier installiert hat (die Optionen des Spiels schreiben es neu, wenn du dort auf „OK“ oder „Anwenden“ klickst).</translation>
    </message>
    <message>
        <source>A spray Velmira did not install.</source>
        <translation>Ein Spray, das nicht von Velmira installiert wurde.</translation>
    </message>
    <message>
        <source> The game cannot show it.</source>
        <translation> Das Spiel kann es nicht anzeigen.</translation>
    </message>
</context>
<context>
    <name>velmira::Help</name>
    <message>
        <source>Cannot find the help file:<byte value="xd"/>%1</source>
        <translation>Die Hilfedatei wurde nicht gefunden:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Velmira Help</source>
        <translation>Velmira-Hilfe</translation>
    </message>
</context>
<context>
    <name>velmira::LocationsDialog</name>
    <message>
        <source>File Locations</source>
        <translation>Speicherorte</translation>
    </message>
    <message>
        <source>Half-Life Folder:</source>
        <translation>Half-Life-Ordner:</translation>
    </message>
    <message>
        <source>Spray Folder:</source>
        <translation>Spray-Ordner:</translation>
    </message>
    <message>
        <source>Found in Steam…</source>
        <translation>In Steam gefunden…</translation>
    </message>
    <message>
        <source>Games found in your Steam libraries</source>
        <translation>In deinen Steam-Bibliotheken gefundene Spiele</translation>
    </message>
    <message>
        <source>Games found in Steam</source>
        <translation>In Steam gefundene Spiele</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>velmira::MainWindow</name>
    <message>
        <source>Open the spray folder</source>
        <translation>Spray-Ordner öffnen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Show Preview</source>
        <translation>Vorschau zeigen</translation>
    </message>
    <message>
        <source>Apply to Selected</source>
        <translation>Zuweisen</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Spray entfernen</translation>
    </message>
    <message>
        <source>Create Sprays</source>
        <translation>Sprays erstellen</translation>
    </message>
    <message>
        <source>Frame the chosen picture into a spray, see it as the game draws it, and save it to the library</source>
        <translation>Das gewählte Bild als Spray zuschneiden, so ansehen, wie das Spiel es zeichnet, und in der Bibliothek speichern</translation>
    </message>
    <message>
        <source>Browse the sprays the game kept from servers, and keep the ones you like</source>
        <translation>Die Sprays durchsehen, die das Spiel von Servern behalten hat, und die behalten, die dir gefallen</translation>
    </message>
    <message>
        <source>Leave each installed tempdecal.wad read-only, so that the game&apos;s Options screen cannot replace your spray</source>
        <translation>Jede installierte tempdecal.wad schreibgeschützt lassen, damit die Optionen des Spiels dein Spray nicht ersetzen können</translation>
    </message>
    <message>
        <source>As the System</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>Click on the help menu if you have</source>
        <translation>Öffne das Hilfe-Menü, wenn du</translation>
    </message>
    <message>
        <source>not used VELMR before.</source>
        <translation>VELMR noch nicht benutzt hast.</translation>
    </message>
    <message>
        <source>Could not find ReadMe.txt!</source>
        <translation>ReadMe.txt nicht gefunden!</translation>
    </message>
    <message>
        <source>File Not Found!</source>
        <translation>Datei nicht gefunden!</translation>
    </message>
    <message>
        <source>&amp;Make Spray…</source>
        <comment>spray list menu</comment>
        <translation>Spray &amp;machen…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;File Locations...</source>
        <comment>File menu</comment>
        <translation>&amp;Speicherorte...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Make Spray…</source>
        <comment>File menu</comment>
        <translation>Spray &amp;machen…</translation>
    </message>
    <message>
        <source>Sprays Seen in &amp;Games…</source>
        <comment>File menu</comment>
        <translation>In Spielen &amp;gesehene Sprays…</translation>
    </message>
    <message>
        <source>&amp;Protect Sprays from the Game</source>
        <comment>File menu</comment>
        <translation>Sprays vor dem Spiel schü&amp;tzen</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <comment>File menu</comment>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <comment>Help menu</comment>
        <translation>&amp;Inhalt...</translation>
    </message>
    <message>
        <source>&amp;View ReadMe.txt ...</source>
        <comment>Help menu</comment>
        <translation>ReadMe.txt &amp;anzeigen ...</translation>
    </message>
    <message>
        <source>&amp;About VELMR ...</source>
        <comment>Help menu</comment>
        <translation>&amp;Über VELMR ...</translation>
    </message>
    <message>
        <source>See for each mod whether others will see your spray, and you theirs, and put right what can safely be</source>
        <translation>Für jede Mod sehen, ob andere dein Spray sehen und du ihre, und beheben, was sich gefahrlos beheben lässt</translation>
    </message>
    <message>
        <source>Choose the spray&apos;s picture in the spray list (or assign it to %1), then choose this fix again.</source>
        <translation>Wähle das Bild des Sprays in der Spray-Liste (oder weise es %1 zu) und wähle diese Korrektur dann erneut.</translation>
    </message>
    <message>
        <source>The spray maker could not be opened on %1.</source>
        <translation>„Spray machen“ konnte mit %1 nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Make Spray</source>
        <translation>Spray machen</translation>
    </message>
    <message>
        <source>Set your spray folder first: the spray maker saves into it.</source>
        <translation>Lege zuerst deinen Spray-Ordner fest: „Spray machen“ speichert dorthin.</translation>
    </message>
    <message>
        <source>Cannot make a spray of %1</source>
        <translation>Aus %1 kann kein Spray gemacht werden</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Sprays in the category</source>
        <translation>Sprays der Kategorie</translation>
    </message>
    <message>
        <source>Mods</source>
        <translation>Mods</translation>
    </message>
    <message>
        <source>Spray preview</source>
        <translation>Spray-Vorschau</translation>
    </message>
    <message>
        <source>&amp;Clear Cached Sprays…</source>
        <comment>File menu</comment>
        <translation>Spray-Cache &amp;leeren…</translation>
    </message>
    <message>
        <source>Chec&amp;k Sprays…</source>
        <comment>File menu</comment>
        <translation>Sprays p&amp;rüfen…</translation>
    </message>
</context>
<context>
    <name>velmira::Maker</name>
    <message>
        <source>Choose a picture in the spray list first.</source>
        <translation>Wähle zuerst ein Bild in der Spray-Liste.</translation>
    </message>
    <message>
        <source>The spray maker makes sprays from pictures; %1 is already a spray.</source>
        <translation>„Spray machen“ macht Sprays aus Bildern; %1 ist schon ein Spray.</translation>
    </message>
</context>
<context>
    <name>velmira::MakerDialog</name>
    <message>
        <source>Make Spray - %1</source>
        <translation>Spray machen - %1</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Ausschnitt</translation>
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
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>The whole picture inside the frame</source>
        <translation>Das ganze Bild innerhalb des Rahmens</translation>
    </message>
    <message>
        <source>Fi&amp;ll</source>
        <translation>&amp;Füllen</translation>
    </message>
    <message>
        <source>The frame covered by the picture</source>
        <translation>Der Rahmen ganz vom Bild bedeckt</translation>
    </message>
    <message>
        <source>&amp;Rotate 90°</source>
        <translation>Um 90° &amp;drehen</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>S&amp;piegeln</translation>
    </message>
    <message>
        <source>See-through</source>
        <translation>Durchsichtig</translation>
    </message>
    <message>
        <source>A colour…</source>
        <translation>Eine Farbe…</translation>
    </message>
    <message>
        <source>&amp;Around the picture:</source>
        <translation>&amp;Um das Bild:</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Largest the game takes</source>
        <translation>Größtmöglich (vom Spiel erlaubt)</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Every server (64 × 64 at most)</source>
        <translation>Jeder Server (höchstens 64 × 64)</translation>
    </message>
    <message>
        <source>Chosen freely</source>
        <translation>Frei gewählt</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>&amp;Width × height:</source>
        <translation>&amp;Breite × Höhe:</translation>
    </message>
    <message>
        <source>None (solid)</source>
        <translation>Keine (deckend)</translation>
    </message>
    <message>
        <source>The picture&apos;s own transparency</source>
        <translation>Die eigene Transparenz des Bildes</translation>
    </message>
    <message>
        <source>A colour, everywhere</source>
        <translation>Eine Farbe, überall</translation>
    </message>
    <message>
        <source>A colour, where it touches the edge</source>
        <translation>Eine Farbe, wo sie den Rand berührt</translation>
    </message>
    <message>
        <source>Cut-off</source>
        <translation>Schwelle</translation>
    </message>
    <message>
        <source>&amp;Cut-off:</source>
        <translation>S&amp;chwelle:</translation>
    </message>
    <message>
        <source>&amp;Pick from the picture</source>
        <translation>Aus dem Bild &amp;aufnehmen</translation>
    </message>
    <message>
        <source>C&amp;olour…</source>
        <translation>Fa&amp;rbe…</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Toleranz</translation>
    </message>
    <message>
        <source>&amp;Tolerance:</source>
        <translation>&amp;Toleranz:</translation>
    </message>
    <message>
        <source>Remove the coloured &amp;fringe</source>
        <translation>Farbigen Sau&amp;m entfernen</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Weich</translation>
    </message>
    <message>
        <source>Sharp (pixel art)</source>
        <translation>Scharf (Pixel-Art)</translation>
    </message>
    <message>
        <source>Scali&amp;ng:</source>
        <translation>Skalieru&amp;ng:</translation>
    </message>
    <message>
        <source>&amp;Dither</source>
        <translation>D&amp;ithering</translation>
    </message>
    <message>
        <source>In&amp;k…</source>
        <translation>Farbt&amp;on…</translation>
    </message>
    <message>
        <source>Checker</source>
        <translation>Schachbrett</translation>
    </message>
    <message>
        <source>Light wall</source>
        <translation>Helle Wand</translation>
    </message>
    <message>
        <source>Dark wall</source>
        <translation>Dunkle Wand</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Hintergrund:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Colour around the picture</source>
        <translation>Farbe um das Bild</translation>
    </message>
    <message>
        <source>See-through colour</source>
        <translation>Durchsichtige Farbe</translation>
    </message>
    <message>
        <source>Logo colour</source>
        <translation>Logofarbe</translation>
    </message>
    <message>
        <source>Cannot make a spray of %1<byte value="xd"/>%2</source>
        <translation>Aus %1 kann kein Spray gemacht werden<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Make Spray</source>
        <translation>Spray machen</translation>
    </message>
    <message>
        <source>one-colour logo</source>
        <translation>einfarbiges Logo</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n Farbe</numerusform>
            <numerusform>%n Farben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 pixels, %3, WAD of %n bytes</source>
        <translation>
            <numerusform>%1 × %2 Pixel, %3, WAD mit %n Byte</numerusform>
            <numerusform>%1 × %2 Pixel, %3, WAD mit %n Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not save the spray in %1<byte value="xd"/>%2</source>
        <translation>Das Spray konnte nicht gespeichert werden in %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Siz&amp;e:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Enlar&amp;ge small pictures</source>
        <translation>Kleine Bilder &amp;vergrößern</translation>
    </message>
    <message>
        <source>W&amp;hat:</source>
        <translation>&amp;Was:</translation>
    </message>
    <message>
        <source>One-colo&amp;ur logo</source>
        <translation>Einfarbiges &amp;Logo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>velmira::OpenFolder</name>
    <message>
        <source>File already exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>another program changed %1 while it was being saved</source>
        <translation>ein anderes Programm hat %1 während des Speicherns geändert</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>alle Namen dafür sind vergeben</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 ist keine normale Datei</translation>
    </message>
    <message>
        <source>%1 is in the way and is not a file</source>
        <translation>%1 ist im Weg und keine Datei</translation>
    </message>
    <message>
        <source>cannot replace %1: it is not a file</source>
        <translation>%1 kann nicht ersetzt werden: Das ist keine Datei</translation>
    </message>
    <message>
        <source>cannot write beside %1: %2</source>
        <translation>neben %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation>von %1 kann keine Kopie behalten werden: %2</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>%1 kann nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>it is a link, not a folder</source>
        <translation>das ist ein Link, kein Ordner</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>das ist kein Ordner</translation>
    </message>
    <message>
        <source>%1 is read-only, so it is left as it is</source>
        <translation>%1 ist schreibgeschützt und bleibt deshalb unverändert</translation>
    </message>
    <message>
        <source>it is a link that another user could have put there, which Velmira does not follow</source>
        <translation>das ist ein Link, den ein anderer Benutzer dort angelegt haben könnte; Velmira folgt ihm nicht</translation>
    </message>
    <message>
        <source>the system did not give the new file the access rules of the one it replaces</source>
        <translation>das System hat die Zugriffsrechte der alten Datei nicht auf die neue übertragen</translation>
    </message>
    <message>
        <source>the link was changed while it was being followed</source>
        <translation>der Link wurde geändert, während Velmira ihm folgte</translation>
    </message>
</context>
<context>
    <name>velmira::Preview</name>
    <message>
        <source>one colour</source>
        <translation>eine Farbe</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n Farbe</numerusform>
            <numerusform>%n Farben</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2, %3, scaled from %4 × %5</source>
        <translation>%1 × %2, %3, skaliert von %4 × %5</translation>
    </message>
    <message>
        <source>%1 × %2, used as it is</source>
        <translation>%1 × %2, unverändert übernommen</translation>
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
            <numerusform>Spray-Vorschau: %1 × %2, %n Farbe</numerusform>
            <numerusform>Spray-Vorschau: %1 × %2, %n Farben</numerusform>
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
            <numerusform>Die von Velmira installierten Sprays sind jetzt schreibgeschützt, damit das Spiel sie nicht ersetzen kann, in dieser Mod:</numerusform>
            <numerusform>Die von Velmira installierten Sprays sind jetzt schreibgeschützt, damit das Spiel sie nicht ersetzen kann, in diesen Mods:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sprays Velmira installed can be replaced by the game again in:</source>
        <translation>
            <numerusform>Die von Velmira installierten Sprays kann das Spiel wieder ersetzen in dieser Mod:</numerusform>
            <numerusform>Die von Velmira installierten Sprays kann das Spiel wieder ersetzen in diesen Mods:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>These could not be changed:</source>
        <translation>
            <numerusform>Diese konnte nicht geändert werden:</numerusform>
            <numerusform>Diese konnten nicht geändert werden:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::Seen</name>
    <message>
        <source>The cache of %1 changed since the window read it (%2): press Refresh.</source>
        <translation>Der Cache von %1 hat sich geändert, seit das Fenster ihn gelesen hat (%2): Klicke auf „Neu laden“.</translation>
    </message>
    <message>
        <source>another spray lies there now</source>
        <translation>dort liegt jetzt ein anderes Spray</translation>
    </message>
    <message>
        <source>No cache holds the spray: press Refresh.</source>
        <translation>Kein Cache enthält das Spray: Klicke auf „Neu laden“.</translation>
    </message>
    <message>
        <source>Seen in %1</source>
        <translation>Gesehen in %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 pixels, %n bytes</source>
        <translation>
            <numerusform>%1 × %2 Pixel, %n Byte</numerusform>
            <numerusform>%1 × %2 Pixel, %n Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Every server takes it</source>
        <translation>Jeder Server nimmt es an</translation>
    </message>
    <message>
        <source>Servers that keep sprays to 64 × 64 will not show it</source>
        <translation>Server, die Sprays auf 64 × 64 begrenzen, zeigen es nicht</translation>
    </message>
</context>
<context>
    <name>velmira::SeenDialog</name>
    <message numerus="yes">
        <source>Stopped: %n of the %1 were saved, the rest were not.</source>
        <translation>
            <numerusform>Angehalten: %n von %1 wurde gespeichert, der Rest nicht.</numerusform>
            <numerusform>Angehalten: %n von %1 wurden gespeichert, der Rest nicht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the Pictures in</source>
        <translation>Bilder speichern in</translation>
    </message>
    <message>
        <source>Save as Picture</source>
        <translation>Als Bild speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Reading the caches…</source>
        <translation>Caches werden gelesen…</translation>
    </message>
    <message>
        <source>No sprays seen in games yet: the game keeps those it sees on servers in each mod&apos;s custom.hpk.</source>
        <translation>Noch keine in Spielen gesehenen Sprays: Das Spiel speichert die Sprays, die es auf Servern sieht, in der custom.hpk jeder Mod.</translation>
    </message>
    <message numerus="yes">
        <source>%n sprays seen.</source>
        <translation>
            <numerusform>%n Spray gesehen.</numerusform>
            <numerusform>%n Sprays gesehen.</numerusform>
        </translation>
    </message>
    <message>
        <source>These caches could not be read (the game may be writing one: press Refresh):</source>
        <translation>Diese Caches konnten nicht gelesen werden (vielleicht schreibt das Spiel gerade einen: Klicke auf „Neu laden“):</translation>
    </message>
    <message>
        <source>Sprays Seen in Games</source>
        <translation>In Spielen gesehene Sprays</translation>
    </message>
    <message>
        <source>&amp;Mod:</source>
        <translation>&amp;Mod:</translation>
    </message>
    <message>
        <source>All mods</source>
        <translation>Alle Mods</translation>
    </message>
    <message>
        <source>Sprays seen in games</source>
        <translation>In Spielen gesehene Sprays</translation>
    </message>
    <message>
        <source>&amp;Save to Library</source>
        <translation>In der Bibliothek &amp;speichern</translation>
    </message>
    <message>
        <source>Copy the chosen sprays, unchanged, into the category chosen in the main window</source>
        <translation>Die gewählten Sprays unverändert in die im Hauptfenster gewählte Kategorie kopieren</translation>
    </message>
    <message>
        <source>Save as &amp;Picture…</source>
        <translation>Als &amp;Bild speichern…</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Set your spray folder first: kept sprays are copied into it.</source>
        <translation>Lege zuerst deinen Spray-Ordner fest: Behaltene Sprays werden dorthin kopiert.</translation>
    </message>
    <message numerus="yes">
        <source>Saving %n sprays in %1…</source>
        <translation>
            <numerusform>%n Spray wird in %1 gespeichert…</numerusform>
            <numerusform>%n Sprays werden in %1 gespeichert…</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not save the spray in %1<byte value="xd"/>%2</source>
        <translation>Das Spray konnte nicht gespeichert werden in %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Could not save these pictures:<byte value="xd"/>%1</source>
        <translation>Diese Bilder konnten nicht gespeichert werden:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Saving the picture…</source>
        <translation>Bild wird gespeichert…</translation>
    </message>
    <message numerus="yes">
        <source>Saving %n pictures in %1…</source>
        <translation>
            <numerusform>%n Bild wird in %1 gespeichert…</numerusform>
            <numerusform>%n Bilder werden in %1 gespeichert…</numerusform>
        </translation>
    </message>
    <message>
        <source>No game folder yet: set the Half-Life folder in File Locations.</source>
        <translation>Noch kein Spielordner: Lege den Half-Life-Ordner unter „Speicherorte“ fest.</translation>
    </message>
</context>
<context>
    <name>velmira::SeenSave</name>
    <message>
        <source>every name for it is taken</source>
        <translation>alle Namen dafür sind vergeben</translation>
    </message>
    <message>
        <source>the spray has no picture the game draws</source>
        <translation>das Spray hat kein Bild, das das Spiel zeichnet</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>das Bild konnte nicht erstellt werden</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::SeenSprayModel</name>
    <message>
        <source>%1, %2 at byte %3, %4 × %5 pixels</source>
        <translation>%1, %2 ab Byte %3, %4 × %5 Pixel</translation>
    </message>
</context>
<context>
    <name>velmira::Settings</name>
    <message>
        <source>Could not save the settings to %1: it is not a settings file</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: Das ist keine Einstellungsdatei</translation>
    </message>
    <message>
        <source>Could not save the settings to %1</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden</translation>
    </message>
</context>
<context>
    <name>velmira::SprayView</name>
    <message>
        <source>The spray as the game draws it</source>
        <translation>Das Spray, wie das Spiel es zeichnet</translation>
    </message>
</context>
<context>
    <name>velmira::Sprays</name>
    <message>
        <source>it is larger than the %1 MB a spray picture may be</source>
        <translation>sie ist größer als die %1 MB, die ein Spray-Bild haben darf</translation>
    </message>
    <message>
        <source>Set your spray folder first: dropped files are copied into it.</source>
        <translation>Lege zuerst deinen Spray-Ordner fest: Abgelegte Dateien werden dorthin kopiert.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it was not copied</comment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>These spray files in %1 are not listed: their names are not valid text, so they cannot be opened.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Rename them to use them.</source>
        <translation>
            <numerusform>Diese Spray-Datei in %1 wird nicht aufgeführt: Ihr Name ist kein gültiger Text, deshalb kann sie nicht geöffnet werden.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Benenne sie um, um sie zu verwenden.</numerusform>
            <numerusform>Diese Spray-Dateien in %1 werden nicht aufgeführt: Ihre Namen sind kein gültiger Text, deshalb können sie nicht geöffnet werden.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Benenne sie um, um sie zu verwenden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Could not copy into %1<byte value="xd"/>%2</source>
        <translation>
            <numerusform>Konnte nicht kopiert werden nach %1<byte value="xd"/>%2</numerusform>
            <numerusform>Konnten nicht kopiert werden nach %1<byte value="xd"/>%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only pictures and WAD files join the spray library; these were not added:<byte value="xd"/>%1</source>
        <translation>
            <numerusform>Nur Bilder und WAD-Dateien kommen in die Spray-Bibliothek; diese Datei wurde nicht hinzugefügt:<byte value="xd"/>%1</numerusform>
            <numerusform>Nur Bilder und WAD-Dateien kommen in die Spray-Bibliothek; diese Dateien wurden nicht hinzugefügt:<byte value="xd"/>%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::picture::Bmp</name>
    <message>
        <source>the bitmap is cut short</source>
        <translation>die Bitmap ist abgeschnitten</translation>
    </message>
    <message>
        <source>the bitmap&apos;s compressed pixels are cut short</source>
        <translation>die komprimierten Pixel der Bitmap sind abgeschnitten</translation>
    </message>
    <message>
        <source>the bitmap&apos;s headers are damaged or cut short</source>
        <translation>die Header der Bitmap sind beschädigt oder abgeschnitten</translation>
    </message>
    <message>
        <source>the bitmap is not 1, 4 or 8 bits per pixel</source>
        <translation>die Bitmap hat nicht 1, 4 oder 8 Bit pro Pixel</translation>
    </message>
    <message>
        <source>the bitmap&apos;s compression is not supported</source>
        <translation>die Kompression der Bitmap wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the bitmap&apos;s size is not valid</source>
        <translation>die Größe der Bitmap ist ungültig</translation>
    </message>
    <message>
        <source>the bitmap is too large</source>
        <translation>die Bitmap ist zu groß</translation>
    </message>
    <message>
        <source>the bitmap&apos;s palette is cut short</source>
        <translation>die Palette der Bitmap ist abgeschnitten</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Heif</name>
    <message>
        <source>the HEIF picture is damaged</source>
        <translation>das HEIF-Bild ist beschädigt</translation>
    </message>
    <message>
        <source>it is not a HEIF picture</source>
        <translation>das ist kein HEIF-Bild</translation>
    </message>
    <message>
        <source>the HEIF picture&apos;s size is not valid</source>
        <translation>die Größe des HEIF-Bildes ist ungültig</translation>
    </message>
    <message>
        <source>the HEIF picture cannot be read: %1</source>
        <translation>das HEIF-Bild kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the HEIF picture has no pixels</source>
        <translation>das HEIF-Bild hat keine Pixel</translation>
    </message>
    <message>
        <source>this build of Velmira reads no HEIF pictures</source>
        <translation>dieser Build von Velmira liest keine HEIF-Bilder</translation>
    </message>
</context>
<context>
    <name>velmira::picture::PictureCost</name>
    <message>
        <source>the JPEG picture is cut short</source>
        <translation>das JPEG-Bild ist abgeschnitten</translation>
    </message>
    <message>
        <source>the PNG picture is cut short</source>
        <translation>das PNG-Bild ist abgeschnitten</translation>
    </message>
    <message>
        <source>the GIF picture is cut short</source>
        <translation>das GIF-Bild ist abgeschnitten</translation>
    </message>
    <message>
        <source>a frame of the GIF picture lies outside the picture</source>
        <translation>ein Frame des GIF-Bildes liegt außerhalb des Bildes</translation>
    </message>
    <message>
        <source>the GIF picture is damaged</source>
        <translation>das GIF-Bild ist beschädigt</translation>
    </message>
    <message>
        <source>this build of Velmira reads no HEIF pictures</source>
        <translation>dieser Build von Velmira liest keine HEIF-Bilder</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read</source>
        <translation>das Bild hat %1 × %2 Pixel, mehr als gelesen werden kann</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read: reading it would take %3 MB, and a picture may take at most %4 MB</source>
        <translation>das Bild hat %1 × %2 Pixel, mehr als gelesen werden kann: Das Lesen bräuchte %3 MB, ein Bild darf aber höchstens %4 MB belegen</translation>
    </message>
    <message>
        <source>the bitmap is cut short</source>
        <translation>die Bitmap ist abgeschnitten</translation>
    </message>
    <message>
        <source>the picture&apos;s kind is not known</source>
        <translation>das Format des Bildes ist unbekannt</translation>
    </message>
    <message>
        <source>the picture&apos;s size is not known</source>
        <translation>die Größe des Bildes ist unbekannt</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Png</name>
    <message>
        <source>the compressed data is damaged</source>
        <translation>die komprimierten Daten sind beschädigt</translation>
    </message>
    <message>
        <source>the compressed data is cut short</source>
        <translation>die komprimierten Daten sind abgeschnitten</translation>
    </message>
    <message>
        <source>the PNG picture is damaged</source>
        <translation>das PNG-Bild ist beschädigt</translation>
    </message>
    <message>
        <source>the PNG picture is cut short</source>
        <translation>das PNG-Bild ist abgeschnitten</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read</source>
        <translation>das Bild hat %1 × %2 Pixel, mehr als gelesen werden kann</translation>
    </message>
    <message>
        <source>the PNG picture is damaged: %1</source>
        <translation>das PNG-Bild ist beschädigt: %1</translation>
    </message>
</context>
<context>
    <name>velmira::picture::QtReader</name>
    <message>
        <source>the %1 picture of %2 × %3 pixels cannot be read: %4</source>
        <translation>das %1-Bild mit %2 × %3 Pixeln kann nicht gelesen werden: %4</translation>
    </message>
</context>
<context>
    <name>velmira::picture::ReadFile</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine normale Datei</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 is larger than %n bytes</source>
        <translation>
            <numerusform>%1 ist größer als %n Byte</numerusform>
            <numerusform>%1 ist größer als %n Byte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not read: %2</source>
        <translation>%1 wird nicht gelesen: %2</translation>
    </message>
</context>
<context>
    <name>velmira::picture::ReadPicture</name>
    <message>
        <source>cannot read the bitmap %1: %2</source>
        <translation>das Bild %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Tga</name>
    <message>
        <source>the TGA picture is cut short</source>
        <translation>das TGA-Bild ist abgeschnitten</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s kind is not supported</source>
        <translation>diese Art von TGA-Bild wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s size is not valid</source>
        <translation>die Größe des TGA-Bildes ist ungültig</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s colour map is not supported</source>
        <translation>die Farbtabelle des TGA-Bildes wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the TGA picture is too large</source>
        <translation>das TGA-Bild ist zu groß</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Tiff</name>
    <message>
        <source>the TIFF picture is damaged</source>
        <translation>das TIFF-Bild ist beschädigt</translation>
    </message>
    <message>
        <source>the TIFF picture is damaged: %1</source>
        <translation>das TIFF-Bild ist beschädigt: %1</translation>
    </message>
    <message>
        <source>the TIFF picture is cut short</source>
        <translation>das TIFF-Bild ist abgeschnitten</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Webp</name>
    <message>
        <source>the WebP picture is damaged</source>
        <translation>das WebP-Bild ist beschädigt</translation>
    </message>
    <message>
        <source>the WebP picture is cut short</source>
        <translation>das WebP-Bild ist abgeschnitten</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Convert</name>
    <message>
        <source>the picture is empty</source>
        <translation>das Bild ist leer</translation>
    </message>
    <message>
        <source>the colour reducer could not start</source>
        <translation>die Farbreduzierung konnte nicht starten</translation>
    </message>
    <message>
        <source>the colour reducer refused the picture</source>
        <translation>die Farbreduzierung hat das Bild abgelehnt</translation>
    </message>
    <message>
        <source>the picture&apos;s colours could not be reduced</source>
        <translation>die Farben des Bildes konnten nicht reduziert werden</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Maker</name>
    <message>
        <source>the picture is empty</source>
        <translation>das Bild ist leer</translation>
    </message>
    <message>
        <source>one-colour decal</source>
        <translation>einfarbiges Decal</translation>
    </message>
    <message>
        <source>colour spray</source>
        <translation>Farbspray</translation>
    </message>
    <message>
        <source>Servers that keep sprays to 64 × 64 will not show this</source>
        <translation>Server, die Sprays auf 64 × 64 begrenzen, zeigen dieses nicht</translation>
    </message>
    <message>
        <source>Sharp scaling of a photo looks blocky</source>
        <translation>Scharfes Skalieren eines Fotos sieht klotzig aus</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Spray</name>
    <message>
        <source>the bitmap is not an 8-bit paletted picture</source>
        <translation>die Bitmap ist kein 8-Bit-Bild mit Palette</translation>
    </message>
    <message>
        <source>the lump&apos;s area lies outside the bitmap</source>
        <translation>der Bereich des Lumps liegt außerhalb der Bitmap</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>das Bild ist leer</translation>
    </message>
</context>
<context>
    <name>velmira::wad::Hpk</name>
    <message>
        <source>it is not a cache of sprays</source>
        <translation>das ist kein Spray-Cache</translation>
    </message>
    <message>
        <source>the cache is of a version the game does not write</source>
        <translation>der Cache hat eine Version, die das Spiel nicht schreibt</translation>
    </message>
    <message>
        <source>the cache&apos;s directory lies outside it</source>
        <translation>das Verzeichnis des Caches liegt außerhalb davon</translation>
    </message>
    <message>
        <source>the cache is cut short</source>
        <translation>der Cache ist abgeschnitten</translation>
    </message>
    <message>
        <source>the cache&apos;s entries add up to more than the file</source>
        <translation>die Einträge des Caches ergeben zusammen mehr als die Datei</translation>
    </message>
    <message>
        <source>no spray of the cache lies there</source>
        <translation>dort liegt kein Spray des Caches</translation>
    </message>
    <message>
        <source>it is no longer a file</source>
        <translation>das ist keine Datei mehr</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>er kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>er ist verschwunden</translation>
    </message>
    <message>
        <source>it is shorter now</source>
        <translation>er ist jetzt kürzer</translation>
    </message>
    <message numerus="yes">
        <source>the cache&apos;s directory counts %n entries</source>
        <translation>
            <numerusform>das Verzeichnis des Caches zählt %n Eintrag</numerusform>
            <numerusform>das Verzeichnis des Caches zählt %n Einträge</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::wad::LumpScript</name>
    <message>
        <source>line %1: a quote is not closed</source>
        <translation>Zeile %1: ein Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>line %1: %2 needs a file name</source>
        <translation>Zeile %1: %2 braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>line %1: unknown directive %2</source>
        <translation>Zeile %1: unbekannte Anweisung %2</translation>
    </message>
    <message>
        <source>line %1: a lump line needs a type</source>
        <translation>Zeile %1: eine Lump-Zeile braucht einen Typ</translation>
    </message>
    <message>
        <source>line %1: the lump name %2 is 16 characters or more</source>
        <translation>Zeile %1: der Lump-Name %2 hat 16 Zeichen oder mehr</translation>
    </message>
    <message>
        <source>line %1: lumps of type %2 are not supported</source>
        <translation>Zeile %1: Lumps vom Typ %2 werden nicht unterstützt</translation>
    </message>
    <message>
        <source>line %1: a miptex lump needs x, y, width and height</source>
        <translation>Zeile %1: ein miptex-Lump braucht x, y, Breite und Höhe</translation>
    </message>
    <message>
        <source>line %1: the lump&apos;s area is not valid</source>
        <translation>Zeile %1: der Bereich des Lumps ist ungültig</translation>
    </message>
    <message>
        <source>line %1: no $loadbmp before this lump</source>
        <translation>Zeile %1: kein $loadbmp vor diesem Lump</translation>
    </message>
    <message>
        <source>the script names no $DEST file</source>
        <translation>das Skript nennt keine $DEST-Datei</translation>
    </message>
    <message>
        <source>the script holds no lump</source>
        <translation>das Skript enthält keinen Lump</translation>
    </message>
</context>
<context>
    <name>velmira::wad::Maker</name>
    <message>
        <source>The game would not use this spray: %1</source>
        <translation>Das Spiel würde dieses Spray nicht verwenden: %1</translation>
    </message>
    <message>
        <source>Nothing of the picture shows: every pixel of this spray is see-through. Bring the picture into the frame, or make less of it see-through.</source>
        <translation>Vom Bild ist nichts zu sehen: Jedes Pixel dieses Sprays ist durchsichtig. Hol das Bild in den Rahmen oder mach weniger davon durchsichtig.</translation>
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
        <translation>die Datei ist zu klein für eine WAD</translation>
    </message>
    <message>
        <source>the file is not a WAD3 file</source>
        <translation>die Datei ist keine WAD3-Datei</translation>
    </message>
    <message>
        <source>the directory lies outside the file</source>
        <translation>das Verzeichnis liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>the directory runs past the end of the file</source>
        <translation>das Verzeichnis reicht über das Ende der Datei hinaus</translation>
    </message>
    <message>
        <source>lump %1 is compressed</source>
        <translation>Lump %1 ist komprimiert</translation>
    </message>
    <message>
        <source>lump %1 lies outside the file</source>
        <translation>Lump %1 liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>the lumps add up to more than the file</source>
        <translation>die Lumps sind zusammen größer als die Datei</translation>
    </message>
    <message>
        <source>the picture&apos;s header is cut short</source>
        <translation>der Kopf des Bildes ist abgeschnitten</translation>
    </message>
    <message>
        <source>the picture&apos;s size %1 x %2 is not allowed</source>
        <translation>die Bildgröße %1 x %2 ist nicht erlaubt</translation>
    </message>
    <message>
        <source>the picture runs past the end of its lump</source>
        <translation>das Bild reicht über das Ende seines Lumps hinaus</translation>
    </message>
    <message>
        <source>the palette is damaged</source>
        <translation>die Palette ist beschädigt</translation>
    </message>
    <message>
        <source>the file&apos;s size %1 is outside 1024 to 20480 bytes</source>
        <translation>die Dateigröße %1 liegt außerhalb von 1024 bis 20480 Bytes</translation>
    </message>
    <message>
        <source>the directory is not at the end of the file</source>
        <translation>das Verzeichnis steht nicht am Ende der Datei</translation>
    </message>
    <message>
        <source>the lump&apos;s sizes are wrong</source>
        <translation>die Größen des Lumps sind falsch</translation>
    </message>
    <message>
        <source>the mip levels&apos; offsets do not follow each other</source>
        <translation>die Offsets der Mip-Stufen folgen nicht aufeinander</translation>
    </message>
    <message>
        <source>the palette lies outside the lump</source>
        <translation>die Palette liegt außerhalb des Lumps</translation>
    </message>
    <message>
        <source>the palette&apos;s colour count %1 is not 1 to 256</source>
        <translation>die Farbanzahl %1 der Palette liegt nicht zwischen 1 und 256</translation>
    </message>
    <message numerus="yes">
        <source>the file holds %n lumps, not one</source>
        <translation>
            <numerusform>die Datei enthält %n Lump statt einem</numerusform>
            <numerusform>die Datei enthält %n Lumps statt einem</numerusform>
        </translation>
    </message>
</context>
</TS>
