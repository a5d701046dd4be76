<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CheckSpraysDialog</name>
    <message numerus="yes">
        <source>Mods checked: %1. Problems found: %n.</source>
        <translation>
            <numerusform>Mods vérifiés : %1. Problème trouvé : %n.</numerusform>
            <numerusform>Mods vérifiés : %1. Problèmes trouvés : %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameConfig</name>
    <message>
        <source>a start of the Windows game</source>
        <translation>un lancement de la version Windows du jeu</translation>
    </message>
    <message>
        <source>a start of the Linux game</source>
        <translation>un lancement de la version Linux du jeu</translation>
    </message>
    <message>
        <source>a start of Xash3D</source>
        <translation>un lancement de Xash3D</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <translation>%1 ligne %2</translation>
    </message>
    <message>
        <source>the engine&apos;s default</source>
        <translation>valeur par défaut du moteur</translation>
    </message>
    <message>
        <source>After the game quits and starts again, %1 ends with %2 &quot;%3&quot; (%4).</source>
        <translation>Une fois le jeu quitté puis relancé, %2 vaut « %3 » après %1 (%4).</translation>
    </message>
    <message>
        <source>%1 ends with %2 &quot;%3&quot; (%4).</source>
        <translation>Après %1, %2 vaut « %3 » (%4).</translation>
    </message>
    <message>
        <source>Quit the game first: it writes config.cfg as it quits, which would undo the change.</source>
        <translation>Quittez d’abord le jeu : il écrit config.cfg en quittant, ce qui annulerait la modification.</translation>
    </message>
    <message>
        <source>The mod folder %1 cannot be opened: %2</source>
        <translation>Le dossier du mod %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2), so whether it turns %3 off is not known; nothing was changed.</source>
        <translation>%1 ne peut pas être lu (%2), on ne sait donc pas s’il désactive %3 ; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>%1 is already on in %2.</source>
        <translation>%1 est déjà activé dans %2.</translation>
    </message>
    <message>
        <source>%1 is a link: change %2 in the file it leads to.</source>
        <translation>%1 est un lien : modifiez %2 dans le fichier vers lequel il pointe.</translation>
    </message>
    <message>
        <source>%1 could not be changed: %2</source>
        <translation>%1 n’a pas pu être modifié : %2</translation>
    </message>
    <message>
        <source>%1 line %2 now sets %3 to %4 (it was &quot;%5&quot;); the file as it was is kept as %6.</source>
        <translation>%1 ligne %2 règle maintenant %3 sur %4 (c’était « %5 ») ; le fichier d’origine est conservé sous le nom %6.</translation>
    </message>
    <message>
        <source>But the game would still turn it off: %1</source>
        <translation>Mais le jeu le désactiverait quand même : %1</translation>
    </message>
    <message>
        <source>Another program is writing %1; try again when it has finished.</source>
        <translation>Un autre programme est en train d’écrire %1 ; réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <source>it cannot be read or is larger than 256 KB</source>
        <translation>il ne peut pas être lu ou dépasse 256 Ko</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>SprayCheck</name>
    <message>
        <source>%1 line %2</source>
        <translation>%1 ligne %2</translation>
    </message>
    <message>
        <source>Not read: %1.</source>
        <translation>Fichiers non lus : %1.</translation>
    </message>
    <message>
        <source>The mod folder cannot be opened: %1</source>
        <translation>Le dossier du mod ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>No tempdecal.wad: the game has no spray to send. Use &quot;Create Sprays&quot;.</source>
        <translation>Pas de tempdecal.wad : le jeu n’a aucun spray à envoyer. Utilisez « Créer les sprays ».</translation>
    </message>
    <message>
        <source>tempdecal.wad is not a plain file: the game cannot use it.</source>
        <translation>tempdecal.wad n’est pas un fichier ordinaire : le jeu ne peut pas l’utiliser.</translation>
    </message>
    <message>
        <source>tempdecal.wad cannot be read, or is far larger than any spray.</source>
        <translation>tempdecal.wad ne peut pas être lu, ou il est bien plus gros que n’importe quel spray.</translation>
    </message>
    <message>
        <source>The game will not use it: %1</source>
        <translation>Le jeu ne l’utilisera pas : %1</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 pixels</translation>
    </message>
    <message>
        <source>The spray Velmira installed, %1.</source>
        <translation>Le spray installé par Velmira, %1.</translation>
    </message>
    <message>
        <source>Replaced since Velmira installed its spray here, %1: the game&apos;s Options screen writes its logo over it when you press OK there.</source>
        <translation>Remplacé depuis que Velmira a installé son spray ici, %1 : l’écran Options du jeu écrit son logo par-dessus quand vous y cliquez sur OK.</translation>
    </message>
    <message>
        <source>A spray Velmira did not install, %1.</source>
        <translation>Un spray que Velmira n’a pas installé, %1.</translation>
    </message>
    <message>
        <source>Not checked. %1</source>
        <translation>Non vérifié. %1</translation>
    </message>
    <message>
        <source>No spray the game takes.</source>
        <translation>Aucun spray que le jeu accepte.</translation>
    </message>
    <message>
        <source>The Options screen has the logo &quot;%1&quot; (%2) chosen.</source>
        <translation>Le logo choisi dans l’écran Options est « %1 » (%2).</translation>
    </message>
    <message>
        <source>Read-only: the Options screen cannot replace it. %1</source>
        <translation>En lecture seule : l’écran Options ne peut pas le remplacer. %1</translation>
    </message>
    <message>
        <source>Not protected: pressing OK in Options writes the logo &quot;%1&quot; over it.</source>
        <translation>Non protégé : cliquer sur OK dans Options écrit le logo « %1 » par-dessus.</translation>
    </message>
    <message>
        <source>No cache yet: the game makes one as it sees sprays.</source>
        <translation>Pas encore de cache : le jeu en crée un quand il voit des sprays.</translation>
    </message>
    <message>
        <source>custom.hpk is not a plain file.</source>
        <translation>custom.hpk n’est pas un fichier ordinaire.</translation>
    </message>
    <message numerus="yes">
        <source>%1; sprays kept: %n</source>
        <translation>
            <numerusform>%1 ; spray gardé : %n</numerusform>
            <numerusform>%1 ; sprays gardés : %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Not Xash3D.</source>
        <translation>Pas Xash3D.</translation>
    </message>
    <message>
        <source>Velmira installed no logo here. %1</source>
        <translation>Velmira n’a installé aucun logo ici. %1</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Spray</translation>
    </message>
    <message>
        <source>Others see it</source>
        <translation>Les autres le voient</translation>
    </message>
    <message>
        <source>You see theirs</source>
        <translation>Vous voyez les leurs</translation>
    </message>
    <message>
        <source>Every server</source>
        <translation>Tous les serveurs</translation>
    </message>
    <message>
        <source>It stays</source>
        <translation>Persistance</translation>
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
        <translation>Activer l’&amp;envoi</translation>
    </message>
    <message>
        <source>Turn &amp;Downloads On</source>
        <translation>Activer le &amp;téléchargement</translation>
    </message>
    <message>
        <source>Make &amp;Every-Server Size…</source>
        <translation>Taille pour tous les &amp;serveurs…</translation>
    </message>
    <message>
        <source>&amp;Protect</source>
        <translation>&amp;Protéger</translation>
    </message>
    <message>
        <source>Xash3D builds tempdecal.wad from the logo chosen in Customize each time it joins a server.</source>
        <translation>Xash3D crée tempdecal.wad à partir du logo choisi dans Personnaliser chaque fois qu’il rejoint un serveur.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>pas un fichier</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>Velmira&apos;s</source>
        <translation>celui de Velmira</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>remplacé</translation>
    </message>
    <message>
        <source>another</source>
        <translation>un autre</translation>
    </message>
    <message>
        <source>Xash3D scales the logo it sends itself.</source>
        <translation>Xash3D met lui-même à l’échelle le logo qu’il envoie.</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1: every server shows it.</source>
        <translation>%1 : tous les serveurs l’affichent.</translation>
    </message>
    <message>
        <source>%1: servers that keep sprays to 64 × 64 do not show it.</source>
        <translation>%1 : les serveurs qui limitent les sprays à 64 × 64 ne l’affichent pas.</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>lecture seule</translation>
    </message>
    <message>
        <source>not protected</source>
        <translation>non protégé</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>aucun pour l’instant</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>endommagé</translation>
    </message>
    <message>
        <source>custom.hpk cannot be read (%1); the game deletes a damaged cache when it starts.</source>
        <translation>custom.hpk ne peut pas être lu (%1) ; le jeu supprime un cache endommagé au démarrage.</translation>
    </message>
    <message>
        <source>%1. The game empties it itself when it grows past 4 MB.</source>
        <translation>%1. Le jeu le vide lui-même quand il dépasse 4 Mo.</translation>
    </message>
    <message>
        <source>not opened</source>
        <translation>inaccessible</translation>
    </message>
    <message>
        <source>Xash3D rewrites tempdecal.wad itself.</source>
        <translation>Xash3D réécrit lui-même tempdecal.wad.</translation>
    </message>
    <message>
        <source>Decals</source>
        <translation>Decals</translation>
    </message>
    <message>
        <source>Turn Decal&amp;s On</source>
        <translation>Activer les &amp;decals</translation>
    </message>
    <message>
        <source>If it still fails on one server, the server may refuse uploads or large sprays (sv_allowupload, sv_allowdownload, sv_send_logos, sv_rehlds_allow_large_sprays): no file of yours changes that.</source>
        <translation>Si cela ne fonctionne toujours pas sur un serveur, ce serveur refuse peut-être les envois ou les sprays de grande taille (sv_allowupload, sv_allowdownload, sv_send_logos, sv_rehlds_allow_large_sprays) : aucun de vos fichiers n’y peut rien.</translation>
    </message>
    <message>
        <source>at a start of the Windows game</source>
        <translation>au lancement de la version Windows du jeu</translation>
    </message>
    <message>
        <source>at a start of the Linux game</source>
        <translation>au lancement de la version Linux du jeu</translation>
    </message>
    <message>
        <source>at a start of Xash3D</source>
        <translation>au lancement de Xash3D</translation>
    </message>
    <message>
        <source>the engine&apos;s default</source>
        <translation>valeur par défaut du moteur</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>On: %1.</source>
        <translation>Activé : %1.</translation>
    </message>
    <message>
        <source>default</source>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>off in %1</source>
        <translation>désactivé (%1)</translation>
    </message>
    <message>
        <source>sends .%1</source>
        <translation>envoie .%1</translation>
    </message>
    <message>
        <source>Xash3D sends logos/remapped.%1, not Velmira&apos;s PNG logo (%2): choose Velmira&apos;s logo in Customize.</source>
        <translation>Xash3D envoie logos/remapped.%1, et non le logo PNG de Velmira (%2) : choisissez le logo de Velmira dans Personnaliser.</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>aucun choisi</translation>
    </message>
    <message>
        <source>There is no logos/remapped.png, the picture Xash3D sends: choose Velmira&apos;s logo in Customize.</source>
        <translation>Il n’y a pas de logos/remapped.png, l’image qu’envoie Xash3D : choisissez le logo de Velmira dans Personnaliser.</translation>
    </message>
    <message>
        <source>another logo</source>
        <translation>autre logo</translation>
    </message>
    <message>
        <source>Xash3D sends logos/remapped.png, which is not the logo Velmira installed: choose Velmira&apos;s logo in Customize.</source>
        <translation>Xash3D envoie logos/remapped.png, qui n’est pas le logo installé par Velmira : choisissez le logo de Velmira dans Personnaliser.</translation>
    </message>
    <message>
        <source>Xash3D sends the logo Velmira installed.</source>
        <translation>Xash3D envoie le logo installé par Velmira.</translation>
    </message>
    <message>
        <source>Uploads are off (%1, %2): servers never get your spray.</source>
        <translation>L’envoi est désactivé (%1, %2) : les serveurs ne reçoivent jamais votre spray.</translation>
    </message>
    <message>
        <source>Downloads are off (%1, %2): you see no one else&apos;s spray.</source>
        <translation>Le téléchargement est désactivé (%1, %2) : vous ne voyez le spray d’aucun autre joueur.</translation>
    </message>
    <message>
        <source>Downloads during a game are off (%1, %2): you do not see the sprays of players who join after you.</source>
        <translation>Le téléchargement en cours de partie est désactivé (%1, %2) : vous ne voyez pas les sprays des joueurs qui arrivent après vous.</translation>
    </message>
    <message>
        <source>No decals are drawn (%1, %2): no one&apos;s spray shows.</source>
        <translation>Aucun decal n’est dessiné (%1, %2) : aucun spray ne s’affiche.</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>non lu</translation>
    </message>
    <message>
        <source>%1 is already on in %2.</source>
        <translation>%1 est déjà activé dans %2.</translation>
    </message>
</context>
<context>
    <name>SprayReport</name>
    <message>
        <source>Half-Life, Windows client</source>
        <translation>Half-Life, client Windows</translation>
    </message>
    <message>
        <source>Half-Life, Linux client</source>
        <translation>Half-Life, client Linux</translation>
    </message>
    <message>
        <source>Xash3D FWGS</source>
        <translation>Xash3D FWGS</translation>
    </message>
    <message>
        <source>Starts checked: %1</source>
        <translation>Lancements vérifiés : %1</translation>
    </message>
</context>
<context>
    <name>qlumpy</name>
    <message>
        <source>%1 is a link; the WAD is not written through it</source>
        <translation>%1 est un lien ; le WAD n’est pas écrit en suivant ce lien</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>usage: qlumpy [--many-lumps] SCRIPT</source>
        <translation>utilisation : qlumpy [--many-lumps] SCRIPT</translation>
    </message>
    <message>
        <source>cannot read the script: %1</source>
        <translation>impossible de lire le script : %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the script and what is wrong</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d’écrire %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>le disque est peut-être plein</translation>
    </message>
    <message numerus="yes">
        <source>%1: the script names %n lumps; a spray holds one</source>
        <translation>
            <numerusform>%1 : le script nomme %n lump ; un spray n’en contient qu’un</numerusform>
            <numerusform>%1 : le script nomme %n lumps ; un spray n’en contient qu’un</numerusform>
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
        <translation>À propos de Velmira</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>The easiest way to switch between color Half-Life sprays!</source>
        <translation>La façon la plus simple de changer de spray couleur dans Half-Life !</translation>
    </message>
    <message>
        <source>Written by the Velmira developers</source>
        <translation>Écrit par les développeurs de Velmira</translation>
    </message>
    <message>
        <source>Comments and problems: see ReadMe.txt</source>
        <translation>Remarques et problèmes : voir ReadMe.txt</translation>
    </message>
    <message>
        <source>Velmira: colour sprays for every Half-Life mod</source>
        <translation>Velmira : des sprays couleur pour chaque mod de Half-Life</translation>
    </message>
    <message>
        <source>Made by players, for players</source>
        <translation>Fait par des joueurs, pour des joueurs</translation>
    </message>
    <message>
        <source>(C) the Velmira developers. GPL-3.0-or-later, with NO WARRANTY. See ReadMe.txt for details.</source>
        <translation>(C) les développeurs de Velmira. GPL-3.0-or-later, SANS AUCUNE GARANTIE. Détails dans ReadMe.txt.</translation>
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
        <translation>%1 : c’est un lien</translation>
    </message>
    <message>
        <source>%1: it is not a file</source>
        <translation>%1 : ce n’est pas un fichier</translation>
    </message>
    <message>
        <source>%1: it cannot be read</source>
        <translation>%1 : il ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1 is in the way and is not a file</source>
        <translation>%1 occupe déjà ce nom et n’est pas un fichier</translation>
    </message>
    <message>
        <source>it is no longer a plain file</source>
        <translation>ce n’est plus un fichier ordinaire</translation>
    </message>
    <message>
        <source>Clear Cached Sprays</source>
        <translation>Vider le cache des sprays</translation>
    </message>
    <message>
        <source>Select the mods whose cached sprays you want to clear.</source>
        <translation>Sélectionnez les mods dont vous voulez vider le cache des sprays.</translation>
    </message>
    <message>
        <source>The game is running from %1. Quit it before clearing its cached sprays: it keeps the cache open and writes it back.</source>
        <translation>Le jeu tourne depuis %1. Quittez-le avant de vider son cache des sprays : il garde le cache ouvert et le réécrit.</translation>
    </message>
    <message>
        <source>None of the selected mods has cached sprays (%1).</source>
        <translation>Aucun des mods sélectionnés n’a de sprays en cache (%1).</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a cache file and its size</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a cache file and what went wrong</comment>
        <translation>%1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>These cache files were left alone:</source>
        <translation>
            <numerusform>Ce fichier de cache n’a pas été touché :</numerusform>
            <numerusform>Ces fichiers de cache n’ont pas été touchés :</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>custom.hpk holds the sprays of other players the game has seen on servers, so an old spray can show instead of a new one. The game builds it again as it needs.<byte value="xd"/><byte value="xd"/>Each of these is moved to custom.hpk.old beside it (an older custom.hpk.old is replaced):</source>
        <translation>
            <numerusform>custom.hpk contient les sprays des autres joueurs vus par le jeu sur les serveurs ; un ancien spray peut donc s’afficher à la place d’un nouveau. Le jeu le recrée au besoin.<byte value="xd"/><byte value="xd"/>Ce fichier est déplacé vers custom.hpk.old à côté de lui (un custom.hpk.old plus ancien est remplacé) :</numerusform>
            <numerusform>custom.hpk contient les sprays des autres joueurs vus par le jeu sur les serveurs ; un ancien spray peut donc s’afficher à la place d’un nouveau. Le jeu le recrée au besoin.<byte value="xd"/><byte value="xd"/>Chacun de ces fichiers est déplacé vers custom.hpk.old à côté de lui (un custom.hpk.old plus ancien est remplacé) :</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Could not clear these cached sprays:</source>
        <translation>
            <numerusform>Impossible de vider ce cache de sprays :</numerusform>
            <numerusform>Impossible de vider ces caches de sprays :</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::Categories</name>
    <message>
        <source>WARNING: Spray folder does not exist:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Please verify your spray folder.</source>
        <translation>ATTENTION : le dossier des sprays n’existe pas :<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Vérifiez votre dossier des sprays.</translation>
    </message>
    <message>
        <source>Please set your Spray folder.</source>
        <translation>Choisissez votre dossier des sprays.</translation>
    </message>
    <message>
        <source>Invalid spray folder!</source>
        <translation>Dossier des sprays non valide !</translation>
    </message>
    <message>
        <source>WARNING: Folder does not exist:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Try hitting refresh or varify your spray folder.</source>
        <translation>ATTENTION : le dossier n’existe pas :<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Cliquez sur Actualiser ou vérifiez votre dossier des sprays.</translation>
    </message>
    <message>
        <source>&lt;Favorites&gt;</source>
        <translation>&lt;Favoris&gt;</translation>
    </message>
</context>
<context>
    <name>velmira::CheckSpraysDialog</name>
    <message>
        <source>Check Sprays</source>
        <translation>Vérifier les sprays</translation>
    </message>
    <message>
        <source>Spray checks, a row for each mod</source>
        <translation>Vérifications des sprays, une ligne par mod</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Vérification…</translation>
    </message>
    <message>
        <source>Open the spray maker on the mod&apos;s spray picture with the every-server size chosen</source>
        <translation>Ouvrir « Faire un spray » sur l’image du spray du mod, avec la taille « Tous les serveurs » choisie</translation>
    </message>
    <message>
        <source>Leave the sprays Velmira installed read-only, as &quot;Protect Sprays from the Game&quot; does</source>
        <translation>Laisser en lecture seule les sprays installés par Velmira, comme le fait « Protéger les sprays contre le jeu »</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>Vérifier à &amp;nouveau</translation>
    </message>
    <message>
        <source>No mods to check: set the Half-Life folder in File Locations.</source>
        <translation>Aucun mod à vérifier : choisissez le dossier de Half-Life dans Emplacement des fichiers.</translation>
    </message>
    <message>
        <source>The spray maker is open with the every-server size chosen: save the spray, then use &quot;Create Sprays&quot;.</source>
        <translation>« Faire un spray » est ouvert avec la taille « Tous les serveurs » choisie : enregistrez le spray, puis utilisez « Créer les sprays ».</translation>
    </message>
    <message>
        <source>Quit the game first: its Options screen may be writing the spray.</source>
        <translation>Quittez d’abord le jeu : son écran Options est peut-être en train d’écrire le spray.</translation>
    </message>
    <message>
        <source>The sprays Velmira installed are now read-only.</source>
        <translation>Les sprays installés par Velmira sont maintenant en lecture seule.</translation>
    </message>
    <message>
        <source>The report is on the clipboard.</source>
        <translation>Le rapport est dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Set cl_allowupload to 1 on every line that turns it off in the files the game runs, keeping a copy of each file as it was</source>
        <translation>Mettre cl_allowupload à 1 sur chaque ligne qui le désactive dans les fichiers que le jeu exécute, en gardant une copie de chaque fichier tel qu’il était</translation>
    </message>
    <message>
        <source>Set cl_allowdownload and cl_download_ingame to 1 on every line that turns them off in the files the game runs, keeping a copy of each file as it was</source>
        <translation>Mettre cl_allowdownload et cl_download_ingame à 1 sur chaque ligne qui les désactive dans les fichiers que le jeu exécute, en gardant une copie de chaque fichier tel qu’il était</translation>
    </message>
    <message>
        <source>Set mp_decals and r_decals back to the game&apos;s own numbers on every line that sets them to 0, keeping a copy of each file as it was</source>
        <translation>Remettre mp_decals et r_decals aux valeurs d’origine du jeu sur chaque ligne qui les met à 0, en gardant une copie de chaque fichier tel qu’il était</translation>
    </message>
    <message>
        <source>Copy &amp;Report</source>
        <translation>Copier le &amp;rapport</translation>
    </message>
    <message>
        <source>Put the checks on the clipboard as plain text, to paste into a forum or a bug report (Ctrl+Shift+C)</source>
        <translation>Copier les vérifications dans le presse-papiers en texte brut, pour les coller dans un forum ou un rapport de bug (Ctrl+Maj+C)</translation>
    </message>
</context>
<context>
    <name>velmira::Compiler</name>
    <message>
        <source>Could not make a private folder for the compiler&apos;s files in %1<byte value="xd"/>%2</source>
        <translation>Impossible de créer un dossier privé pour les fichiers du compilateur dans %1<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>velmira::Create</name>
    <message>
        <source>Error compiling. Check BMP format and dimentions.<byte value="xd"/>File: %1</source>
        <translation>Erreur de compilation. Vérifiez le format et les dimensions du BMP.<byte value="xd"/>Fichier : %1</translation>
    </message>
    <message>
        <source>Error creating spray!</source>
        <translation>Erreur lors de la création du spray !</translation>
    </message>
    <message>
        <source>Could not install the spray in %1<byte value="xd"/>%2</source>
        <translation>Impossible d’installer le spray dans %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Could not use the folder %1<byte value="xd"/>%2</source>
        <translation>Impossible d’utiliser le dossier %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>tous les noms possibles sont pris</translation>
    </message>
    <message>
        <source>The game is running from %1.<byte value="xd"/>It reads your spray when it starts a map, and its Options screen may replace the spray when you press OK or Apply there.<byte value="xd"/><byte value="xd"/>Install the sprays now?</source>
        <translation>Le jeu tourne depuis %1.<byte value="xd"/>Il lit votre spray au lancement d’une map, et son écran Options peut remplacer le spray si vous y cliquez sur OK ou Appliquer.<byte value="xd"/><byte value="xd"/>Installer les sprays maintenant ?</translation>
    </message>
    <message>
        <source>The game would not use this spray, so it was not installed:<byte value="xd"/>%1</source>
        <translation>Le jeu n’utiliserait pas ce spray, il n’a donc pas été installé :<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Could not find Qlumpy.exe!</source>
        <translation>Qlumpy.exe introuvable !</translation>
    </message>
    <message>
        <source>Spray(s) Created!</source>
        <translation>Spray(s) créé(s) !</translation>
    </message>
    <message>
        <source>Could not find %1</source>
        <translation>%1 introuvable</translation>
    </message>
</context>
<context>
    <name>velmira::ErrorReport</name>
    <message>
        <source>If this happens repeatedly, please let me know exactly what it says below.<byte value="xd"/>Error # %1<byte value="xd"/>Source: %2<byte value="xd"/>Dll: %3<byte value="xd"/>Sub: %4-%5</source>
        <translation>Si cela se reproduit, dites-moi exactement ce qui est écrit ci-dessous.<byte value="xd"/>Erreur n° %1<byte value="xd"/>Source : %2<byte value="xd"/>Dll : %3<byte value="xd"/>Procédure : %4-%5</translation>
    </message>
</context>
<context>
    <name>velmira::Failure</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>L’indice n’appartient pas à la sélection</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Erreur d’E/S sur le périphérique</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Le fichier existe déjà</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>erreur système %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>velmira::Folders</name>
    <message>
        <source>WARNING: Cannot find Half-Life in that folder!<byte value="xd"/>You might just have some different version I don&apos;t know about.<byte value="xd"/>Do you want to force VELMR to use the path you entered?</source>
        <translation>ATTENTION : Half-Life est introuvable dans ce dossier !<byte value="xd"/>Vous avez peut-être simplement une autre version que je ne connais pas.<byte value="xd"/>Voulez-vous forcer VELMR à utiliser le chemin saisi ?</translation>
    </message>
    <message>
        <source>WARNING: Half-Life folder does not exist!</source>
        <translation>ATTENTION : le dossier de Half-Life n’existe pas !</translation>
    </message>
    <message>
        <source>WARNING: Spray folder does not exist!</source>
        <translation>ATTENTION : le dossier des sprays n’existe pas !</translation>
    </message>
</context>
<context>
    <name>velmira::FramingView</name>
    <message>
        <source>Picture under the spray&apos;s frame</source>
        <translation>Image sous le cadre du spray</translation>
    </message>
    <message>
        <source>Drag to move the picture, turn the wheel to zoom; the arrow keys move it by one pixel, with Shift by ten</source>
        <translation>Faites glisser pour déplacer l’image, tournez la molette pour zoomer ; les flèches la déplacent d’un pixel, de dix avec Maj</translation>
    </message>
    <message>
        <source>Reading the picture…</source>
        <translation>Lecture de l’image…</translation>
    </message>
</context>
<context>
    <name>velmira::Held</name>
    <message>
        <source>No spray is installed here.</source>
        <translation>Aucun spray n’est installé ici.</translation>
    </message>
    <message>
        <source>The spray Velmira installed here has been removed.</source>
        <translation>Le spray installé ici par Velmira a été supprimé.</translation>
    </message>
    <message>
        <source>The spray file cannot be read: %1</source>
        <translation>Le fichier du spray ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>The spray Velmira installed here.</source>
        <translation>Le spray installé ici par Velmira.</translation>
    </message>
    <message>
        <source>Replaced since Velmira installed its spray here (the game&apos;s Options screen rewrites it when you press OK or Apply there).</source>
        <translation>Remplacé depuis que Velmira a installé son spray ici (l’écran Options du jeu le réécrit quand vous y cliquez sur OK ou Appliquer).</translation>
    </message>
    <message>
        <source>A spray Velmira did not install.</source>
        <translation>Un spray que Velmira n’a pas installé.</translation>
    </message>
    <message>
        <source> The game cannot show it.</source>
        <translation> Le jeu ne peut pas l’afficher.</translation>
    </message>
</context>
<context>
    <name>velmira::Help</name>
    <message>
        <source>Cannot find the help file:<byte value="xd"/>%1</source>
        <translation>Fichier d’aide introuvable :<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Velmira Help</source>
        <translation>Aide de Velmira</translation>
    </message>
</context>
<context>
    <name>velmira::LocationsDialog</name>
    <message>
        <source>File Locations</source>
        <translation>Emplacement des fichiers</translation>
    </message>
    <message>
        <source>Half-Life Folder:</source>
        <translation>Dossier de Half-Life :</translation>
    </message>
    <message>
        <source>Spray Folder:</source>
        <translation>Dossier des sprays :</translation>
    </message>
    <message>
        <source>Found in Steam…</source>
        <translation>Trouvés dans Steam…</translation>
    </message>
    <message>
        <source>Games found in your Steam libraries</source>
        <translation>Jeux trouvés dans vos bibliothèques Steam</translation>
    </message>
    <message>
        <source>Games found in Steam</source>
        <translation>Jeux trouvés dans Steam</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>velmira::MainWindow</name>
    <message>
        <source>Open the spray folder</source>
        <translation>Ouvrir le dossier des sprays</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Show Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Apply to Selected</source>
        <translation>Appliquer à la sélection</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Create Sprays</source>
        <translation>Créer les sprays</translation>
    </message>
    <message>
        <source>Frame the chosen picture into a spray, see it as the game draws it, and save it to the library</source>
        <translation>Cadrer l’image choisie en spray, la voir comme le jeu la dessine et l’enregistrer dans la bibliothèque</translation>
    </message>
    <message>
        <source>Browse the sprays the game kept from servers, and keep the ones you like</source>
        <translation>Parcourir les sprays que le jeu a gardés des serveurs et garder ceux qui vous plaisent</translation>
    </message>
    <message>
        <source>Leave each installed tempdecal.wad read-only, so that the game&apos;s Options screen cannot replace your spray</source>
        <translation>Laisser chaque tempdecal.wad installé en lecture seule, pour que l’écran Options du jeu ne puisse pas remplacer votre spray</translation>
    </message>
    <message>
        <source>As the System</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Click on the help menu if you have</source>
        <translation>Ouvrez le menu Aide si vous</translation>
    </message>
    <message>
        <source>not used VELMR before.</source>
        <translation>n’avez jamais utilisé VELMR.</translation>
    </message>
    <message>
        <source>Could not find ReadMe.txt!</source>
        <translation>ReadMe.txt introuvable !</translation>
    </message>
    <message>
        <source>File Not Found!</source>
        <translation>Fichier introuvable !</translation>
    </message>
    <message>
        <source>&amp;Make Spray…</source>
        <comment>spray list menu</comment>
        <translation>&amp;Faire un spray…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;File Locations...</source>
        <comment>File menu</comment>
        <translation>&amp;Emplacement des fichiers...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Make Spray…</source>
        <comment>File menu</comment>
        <translation>&amp;Faire un spray…</translation>
    </message>
    <message>
        <source>Sprays Seen in &amp;Games…</source>
        <comment>File menu</comment>
        <translation>Sprays vus en &amp;jeu…</translation>
    </message>
    <message>
        <source>&amp;Protect Sprays from the Game</source>
        <comment>File menu</comment>
        <translation>&amp;Protéger les sprays contre le jeu</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <comment>File menu</comment>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <comment>Help menu</comment>
        <translation>&amp;Sommaire...</translation>
    </message>
    <message>
        <source>&amp;View ReadMe.txt ...</source>
        <comment>Help menu</comment>
        <translation>&amp;Voir ReadMe.txt ...</translation>
    </message>
    <message>
        <source>&amp;About VELMR ...</source>
        <comment>Help menu</comment>
        <translation>À &amp;propos de VELMR ...</translation>
    </message>
    <message>
        <source>See for each mod whether others will see your spray, and you theirs, and put right what can safely be</source>
        <translation>Voir pour chaque mod si les autres verront votre spray, et vous les leurs, et corriger ce qui peut l’être sans risque</translation>
    </message>
    <message>
        <source>Choose the spray&apos;s picture in the spray list (or assign it to %1), then choose this fix again.</source>
        <translation>Choisissez l’image du spray dans la liste des sprays (ou appliquez-la à %1), puis choisissez de nouveau cette correction.</translation>
    </message>
    <message>
        <source>The spray maker could not be opened on %1.</source>
        <translation>« Faire un spray » n’a pas pu être ouvert sur %1.</translation>
    </message>
    <message>
        <source>Make Spray</source>
        <translation>Faire un spray</translation>
    </message>
    <message>
        <source>Set your spray folder first: the spray maker saves into it.</source>
        <translation>Choisissez d’abord votre dossier des sprays : « Faire un spray » enregistre dedans.</translation>
    </message>
    <message>
        <source>Cannot make a spray of %1</source>
        <translation>Impossible de faire un spray de %1</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Sprays in the category</source>
        <translation>Sprays de la catégorie</translation>
    </message>
    <message>
        <source>Mods</source>
        <translation>Mods</translation>
    </message>
    <message>
        <source>Spray preview</source>
        <translation>Aperçu du spray</translation>
    </message>
    <message>
        <source>&amp;Clear Cached Sprays…</source>
        <comment>File menu</comment>
        <translation>&amp;Vider le cache des sprays…</translation>
    </message>
    <message>
        <source>Chec&amp;k Sprays…</source>
        <comment>File menu</comment>
        <translation>Vé&amp;rifier les sprays…</translation>
    </message>
</context>
<context>
    <name>velmira::Maker</name>
    <message>
        <source>Choose a picture in the spray list first.</source>
        <translation>Choisissez d’abord une image dans la liste des sprays.</translation>
    </message>
    <message>
        <source>The spray maker makes sprays from pictures; %1 is already a spray.</source>
        <translation>« Faire un spray » fait des sprays à partir d’images ; %1 est déjà un spray.</translation>
    </message>
</context>
<context>
    <name>velmira::MakerDialog</name>
    <message>
        <source>Make Spray - %1</source>
        <translation>Faire un spray - %1</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Cadrage</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>&amp;Zoom:</source>
        <translation>&amp;Zoom :</translation>
    </message>
    <message>
        <source>F&amp;it</source>
        <translation>A&amp;juster</translation>
    </message>
    <message>
        <source>The whole picture inside the frame</source>
        <translation>Toute l’image dans le cadre</translation>
    </message>
    <message>
        <source>Fi&amp;ll</source>
        <translation>&amp;Remplir</translation>
    </message>
    <message>
        <source>The frame covered by the picture</source>
        <translation>Le cadre couvert par l’image</translation>
    </message>
    <message>
        <source>&amp;Rotate 90°</source>
        <translation>&amp;Tourner de 90°</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>&amp;Miroir</translation>
    </message>
    <message>
        <source>See-through</source>
        <translation>Transparence</translation>
    </message>
    <message>
        <source>A colour…</source>
        <translation>Une couleur…</translation>
    </message>
    <message>
        <source>&amp;Around the picture:</source>
        <translation>A&amp;utour de l’image :</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Largest the game takes</source>
        <translation>La plus grande que le jeu accepte</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Every server (64 × 64 at most)</source>
        <translation>Tous les serveurs (64 × 64 au plus)</translation>
    </message>
    <message>
        <source>Chosen freely</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>&amp;Width × height:</source>
        <translation>&amp;Largeur × hauteur :</translation>
    </message>
    <message>
        <source>None (solid)</source>
        <translation>Aucune (opaque)</translation>
    </message>
    <message>
        <source>The picture&apos;s own transparency</source>
        <translation>La transparence propre de l’image</translation>
    </message>
    <message>
        <source>A colour, everywhere</source>
        <translation>Une couleur, partout</translation>
    </message>
    <message>
        <source>A colour, where it touches the edge</source>
        <translation>Une couleur, là où elle touche le bord</translation>
    </message>
    <message>
        <source>Cut-off</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>&amp;Cut-off:</source>
        <translation>&amp;Seuil :</translation>
    </message>
    <message>
        <source>&amp;Pick from the picture</source>
        <translation>Préle&amp;ver dans l’image</translation>
    </message>
    <message>
        <source>C&amp;olour…</source>
        <translation>C&amp;ouleur…</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolérance</translation>
    </message>
    <message>
        <source>&amp;Tolerance:</source>
        <translation>Tol&amp;érance :</translation>
    </message>
    <message>
        <source>Remove the coloured &amp;fringe</source>
        <translation>Supprimer le liseré &amp;coloré</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Lisse</translation>
    </message>
    <message>
        <source>Sharp (pixel art)</source>
        <translation>Net (pixel art)</translation>
    </message>
    <message>
        <source>Scali&amp;ng:</source>
        <translation>Mise à l’éc&amp;helle :</translation>
    </message>
    <message>
        <source>&amp;Dither</source>
        <translation>Tr&amp;amage</translation>
    </message>
    <message>
        <source>In&amp;k…</source>
        <translation>E&amp;ncre…</translation>
    </message>
    <message>
        <source>Checker</source>
        <translation>Damier</translation>
    </message>
    <message>
        <source>Light wall</source>
        <translation>Mur clair</translation>
    </message>
    <message>
        <source>Dark wall</source>
        <translation>Mur sombre</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Fond :</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Colour around the picture</source>
        <translation>Couleur autour de l’image</translation>
    </message>
    <message>
        <source>See-through colour</source>
        <translation>Couleur transparente</translation>
    </message>
    <message>
        <source>Logo colour</source>
        <translation>Couleur du logo</translation>
    </message>
    <message>
        <source>Cannot make a spray of %1<byte value="xd"/>%2</source>
        <translation>Impossible de faire un spray de %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Make Spray</source>
        <translation>Faire un spray</translation>
    </message>
    <message>
        <source>one-colour logo</source>
        <translation>logo d’une couleur</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n couleur</numerusform>
            <numerusform>%n couleurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 pixels, %3, WAD of %n bytes</source>
        <translation>
            <numerusform>%1 × %2 pixels, %3, WAD de %n octet</numerusform>
            <numerusform>%1 × %2 pixels, %3, WAD de %n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not save the spray in %1<byte value="xd"/>%2</source>
        <translation>Impossible d’enregistrer le spray dans %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Siz&amp;e:</source>
        <translation>Ta&amp;ille :</translation>
    </message>
    <message>
        <source>Enlar&amp;ge small pictures</source>
        <translation>Agrandir les &amp;petites images</translation>
    </message>
    <message>
        <source>W&amp;hat:</source>
        <translation>Mo&amp;de :</translation>
    </message>
    <message>
        <source>One-colo&amp;ur logo</source>
        <translation>Lo&amp;go d’une couleur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>velmira::OpenFolder</name>
    <message>
        <source>File already exists</source>
        <translation>Le fichier existe déjà</translation>
    </message>
    <message>
        <source>another program changed %1 while it was being saved</source>
        <translation>un autre programme a modifié %1 pendant l’enregistrement</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>tous les noms possibles sont pris</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is in the way and is not a file</source>
        <translation>%1 occupe déjà ce nom et n’est pas un fichier</translation>
    </message>
    <message>
        <source>cannot replace %1: it is not a file</source>
        <translation>impossible de remplacer %1 : ce n’est pas un fichier</translation>
    </message>
    <message>
        <source>cannot write beside %1: %2</source>
        <translation>impossible d’écrire à côté de %1 : %2</translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation>impossible de garder une copie de %1 : %2</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>impossible de remplacer %1 : %2</translation>
    </message>
    <message>
        <source>it is a link, not a folder</source>
        <translation>c’est un lien, pas un dossier</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>ce n’est pas un dossier</translation>
    </message>
    <message>
        <source>%1 is read-only, so it is left as it is</source>
        <translation>%1 est en lecture seule, il est donc laissé tel quel</translation>
    </message>
    <message>
        <source>it is a link that another user could have put there, which Velmira does not follow</source>
        <translation>c’est un lien qu’un autre utilisateur aurait pu placer là, Velmira ne le suit donc pas</translation>
    </message>
    <message>
        <source>the system did not give the new file the access rules of the one it replaces</source>
        <translation>le système n’a pas appliqué au nouveau fichier les autorisations du fichier remplacé</translation>
    </message>
    <message>
        <source>the link was changed while it was being followed</source>
        <translation>le lien a été modifié pendant que Velmira le suivait</translation>
    </message>
</context>
<context>
    <name>velmira::Preview</name>
    <message>
        <source>one colour</source>
        <translation>une couleur</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n couleur</numerusform>
            <numerusform>%n couleurs</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2, %3, scaled from %4 × %5</source>
        <translation>%1 × %2, %3, mis à l’échelle depuis %4 × %5</translation>
    </message>
    <message>
        <source>%1 × %2, used as it is</source>
        <translation>%1 × %2, utilisé tel quel</translation>
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
            <numerusform>aperçu du spray : %1 × %2, %n couleur</numerusform>
            <numerusform>aperçu du spray : %1 × %2, %n couleurs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::Protect</name>
    <message>
        <source>%1: %2</source>
        <comment>a mod and why its spray was not changed</comment>
        <translation>%1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>The sprays Velmira installed are now read-only, so that the game cannot replace them, in:</source>
        <translation>
            <numerusform>Les sprays installés par Velmira sont maintenant en lecture seule, pour que le jeu ne puisse pas les remplacer, dans ce mod :</numerusform>
            <numerusform>Les sprays installés par Velmira sont maintenant en lecture seule, pour que le jeu ne puisse pas les remplacer, dans ces mods :</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sprays Velmira installed can be replaced by the game again in:</source>
        <translation>
            <numerusform>Le jeu peut de nouveau remplacer les sprays installés par Velmira dans ce mod :</numerusform>
            <numerusform>Le jeu peut de nouveau remplacer les sprays installés par Velmira dans ces mods :</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>These could not be changed:</source>
        <translation>
            <numerusform>Celui-ci n’a pas pu être modifié :</numerusform>
            <numerusform>Ceux-ci n’ont pas pu être modifiés :</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::Seen</name>
    <message>
        <source>The cache of %1 changed since the window read it (%2): press Refresh.</source>
        <translation>Le cache de %1 a changé depuis que la fenêtre l’a lu (%2) : cliquez sur Actualiser.</translation>
    </message>
    <message>
        <source>another spray lies there now</source>
        <translation>un autre spray s’y trouve maintenant</translation>
    </message>
    <message>
        <source>No cache holds the spray: press Refresh.</source>
        <translation>Aucun cache ne contient le spray : cliquez sur Actualiser.</translation>
    </message>
    <message>
        <source>Seen in %1</source>
        <translation>Vu dans %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 pixels, %n bytes</source>
        <translation>
            <numerusform>%1 × %2 pixels, %n octet</numerusform>
            <numerusform>%1 × %2 pixels, %n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>Every server takes it</source>
        <translation>Tous les serveurs l’acceptent</translation>
    </message>
    <message>
        <source>Servers that keep sprays to 64 × 64 will not show it</source>
        <translation>Les serveurs qui limitent les sprays à 64 × 64 ne l’afficheront pas</translation>
    </message>
</context>
<context>
    <name>velmira::SeenDialog</name>
    <message numerus="yes">
        <source>Stopped: %n of the %1 were saved, the rest were not.</source>
        <translation>
            <numerusform>Arrêté : %n sur %1 a été enregistré, les autres non.</numerusform>
            <numerusform>Arrêté : %n sur %1 ont été enregistrés, les autres non.</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the Pictures in</source>
        <translation>Enregistrer les images dans</translation>
    </message>
    <message>
        <source>Save as Picture</source>
        <translation>Enregistrer en image</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Reading the caches…</source>
        <translation>Lecture des caches…</translation>
    </message>
    <message>
        <source>No sprays seen in games yet: the game keeps those it sees on servers in each mod&apos;s custom.hpk.</source>
        <translation>Aucun spray vu en jeu pour l’instant : le jeu garde ceux qu’il voit sur les serveurs dans le custom.hpk de chaque mod.</translation>
    </message>
    <message numerus="yes">
        <source>%n sprays seen.</source>
        <translation>
            <numerusform>%n spray vu.</numerusform>
            <numerusform>%n sprays vus.</numerusform>
        </translation>
    </message>
    <message>
        <source>These caches could not be read (the game may be writing one: press Refresh):</source>
        <translation>Impossible de lire ces caches (le jeu est peut-être en train d’en écrire un : cliquez sur Actualiser) :</translation>
    </message>
    <message>
        <source>Sprays Seen in Games</source>
        <translation>Sprays vus en jeu</translation>
    </message>
    <message>
        <source>&amp;Mod:</source>
        <translation>&amp;Mod :</translation>
    </message>
    <message>
        <source>All mods</source>
        <translation>Tous les mods</translation>
    </message>
    <message>
        <source>Sprays seen in games</source>
        <translation>Sprays vus en jeu</translation>
    </message>
    <message>
        <source>&amp;Save to Library</source>
        <translation>&amp;Enregistrer dans la bibliothèque</translation>
    </message>
    <message>
        <source>Copy the chosen sprays, unchanged, into the category chosen in the main window</source>
        <translation>Copier les sprays choisis, tels quels, dans la catégorie choisie dans la fenêtre principale</translation>
    </message>
    <message>
        <source>Save as &amp;Picture…</source>
        <translation>Enregistrer en &amp;image…</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Set your spray folder first: kept sprays are copied into it.</source>
        <translation>Choisissez d’abord votre dossier des sprays : les sprays gardés y sont copiés.</translation>
    </message>
    <message numerus="yes">
        <source>Saving %n sprays in %1…</source>
        <translation>
            <numerusform>Enregistrement de %n spray dans %1…</numerusform>
            <numerusform>Enregistrement de %n sprays dans %1…</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not save the spray in %1<byte value="xd"/>%2</source>
        <translation>Impossible d’enregistrer le spray dans %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Could not save these pictures:<byte value="xd"/>%1</source>
        <translation>Impossible d’enregistrer ces images :<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Saving the picture…</source>
        <translation>Enregistrement de l’image…</translation>
    </message>
    <message numerus="yes">
        <source>Saving %n pictures in %1…</source>
        <translation>
            <numerusform>Enregistrement de %n image dans %1…</numerusform>
            <numerusform>Enregistrement de %n images dans %1…</numerusform>
        </translation>
    </message>
    <message>
        <source>No game folder yet: set the Half-Life folder in File Locations.</source>
        <translation>Pas encore de dossier du jeu : choisissez le dossier de Half-Life dans Emplacement des fichiers.</translation>
    </message>
</context>
<context>
    <name>velmira::SeenSave</name>
    <message>
        <source>every name for it is taken</source>
        <translation>tous les noms possibles sont pris</translation>
    </message>
    <message>
        <source>the spray has no picture the game draws</source>
        <translation>le spray n’a aucune image que le jeu dessine</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>l’image n’a pas pu être créée</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::SeenSprayModel</name>
    <message>
        <source>%1, %2 at byte %3, %4 × %5 pixels</source>
        <translation>%1, %2 à l’octet %3, %4 × %5 pixels</translation>
    </message>
</context>
<context>
    <name>velmira::Settings</name>
    <message>
        <source>Could not save the settings to %1: it is not a settings file</source>
        <translation>Impossible d’enregistrer les réglages dans %1 : ce n’est pas un fichier de réglages</translation>
    </message>
    <message>
        <source>Could not save the settings to %1</source>
        <translation>Impossible d’enregistrer les réglages dans %1</translation>
    </message>
</context>
<context>
    <name>velmira::SprayView</name>
    <message>
        <source>The spray as the game draws it</source>
        <translation>Le spray tel que le jeu le dessine</translation>
    </message>
</context>
<context>
    <name>velmira::Sprays</name>
    <message>
        <source>it is larger than the %1 MB a spray picture may be</source>
        <translation>il dépasse les %1 Mo permis pour une image de spray</translation>
    </message>
    <message>
        <source>Set your spray folder first: dropped files are copied into it.</source>
        <translation>Choisissez d’abord votre dossier des sprays : les fichiers déposés y sont copiés.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it was not copied</comment>
        <translation>%1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>These spray files in %1 are not listed: their names are not valid text, so they cannot be opened.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Rename them to use them.</source>
        <translation>
            <numerusform>Ce fichier de spray dans %1 n’est pas listé : son nom n’est pas un texte valide, il ne peut donc pas être ouvert.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Renommez-le pour l’utiliser.</numerusform>
            <numerusform>Ces fichiers de spray dans %1 ne sont pas listés : leurs noms ne sont pas un texte valide, ils ne peuvent donc pas être ouverts.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Renommez-les pour les utiliser.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Could not copy into %1<byte value="xd"/>%2</source>
        <translation>
            <numerusform>Impossible de copier dans %1<byte value="xd"/>%2</numerusform>
            <numerusform>Impossible de copier dans %1<byte value="xd"/>%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only pictures and WAD files join the spray library; these were not added:<byte value="xd"/>%1</source>
        <translation>
            <numerusform>Seuls les images et les fichiers WAD entrent dans la bibliothèque de sprays ; celui-ci n’a pas été ajouté :<byte value="xd"/>%1</numerusform>
            <numerusform>Seuls les images et les fichiers WAD entrent dans la bibliothèque de sprays ; ceux-ci n’ont pas été ajoutés :<byte value="xd"/>%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::picture::Bmp</name>
    <message>
        <source>the bitmap is cut short</source>
        <translation>le BMP est tronqué</translation>
    </message>
    <message>
        <source>the bitmap&apos;s compressed pixels are cut short</source>
        <translation>les pixels compressés du BMP sont tronqués</translation>
    </message>
    <message>
        <source>the bitmap&apos;s headers are damaged or cut short</source>
        <translation>les en-têtes du BMP sont endommagés ou tronqués</translation>
    </message>
    <message>
        <source>the bitmap is not 1, 4 or 8 bits per pixel</source>
        <translation>le BMP n’est pas en 1, 4 ou 8 bits par pixel</translation>
    </message>
    <message>
        <source>the bitmap&apos;s compression is not supported</source>
        <translation>la compression du BMP n’est pas prise en charge</translation>
    </message>
    <message>
        <source>the bitmap&apos;s size is not valid</source>
        <translation>la taille du BMP n’est pas valide</translation>
    </message>
    <message>
        <source>the bitmap is too large</source>
        <translation>le BMP est trop grand</translation>
    </message>
    <message>
        <source>the bitmap&apos;s palette is cut short</source>
        <translation>la palette du BMP est tronquée</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Heif</name>
    <message>
        <source>the HEIF picture is damaged</source>
        <translation>l’image HEIF est endommagée</translation>
    </message>
    <message>
        <source>it is not a HEIF picture</source>
        <translation>ce n’est pas une image HEIF</translation>
    </message>
    <message>
        <source>the HEIF picture&apos;s size is not valid</source>
        <translation>la taille de l’image HEIF n’est pas valide</translation>
    </message>
    <message>
        <source>the HEIF picture cannot be read: %1</source>
        <translation>impossible de lire l’image HEIF : %1</translation>
    </message>
    <message>
        <source>the HEIF picture has no pixels</source>
        <translation>l’image HEIF n’a aucun pixel</translation>
    </message>
    <message>
        <source>this build of Velmira reads no HEIF pictures</source>
        <translation>cette version de Velmira ne lit pas les images HEIF</translation>
    </message>
</context>
<context>
    <name>velmira::picture::PictureCost</name>
    <message>
        <source>the JPEG picture is cut short</source>
        <translation>l’image JPEG est tronquée</translation>
    </message>
    <message>
        <source>the PNG picture is cut short</source>
        <translation>l’image PNG est tronquée</translation>
    </message>
    <message>
        <source>the GIF picture is cut short</source>
        <translation>l’image GIF est tronquée</translation>
    </message>
    <message>
        <source>a frame of the GIF picture lies outside the picture</source>
        <translation>une image du GIF sort du cadre</translation>
    </message>
    <message>
        <source>the GIF picture is damaged</source>
        <translation>l’image GIF est endommagée</translation>
    </message>
    <message>
        <source>this build of Velmira reads no HEIF pictures</source>
        <translation>cette version de Velmira ne lit pas les images HEIF</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read</source>
        <translation>l’image fait %1 × %2 pixels, plus que ce qui peut être lu</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read: reading it would take %3 MB, and a picture may take at most %4 MB</source>
        <translation>l’image fait %1 × %2 pixels, plus que ce qui peut être lu : la lire prendrait %3 Mo, et une image peut prendre au plus %4 Mo</translation>
    </message>
    <message>
        <source>the bitmap is cut short</source>
        <translation>le BMP est tronqué</translation>
    </message>
    <message>
        <source>the picture&apos;s kind is not known</source>
        <translation>le format de l’image est inconnu</translation>
    </message>
    <message>
        <source>the picture&apos;s size is not known</source>
        <translation>la taille de l’image est inconnue</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Png</name>
    <message>
        <source>the compressed data is damaged</source>
        <translation>les données compressées sont endommagées</translation>
    </message>
    <message>
        <source>the compressed data is cut short</source>
        <translation>les données compressées sont tronquées</translation>
    </message>
    <message>
        <source>the PNG picture is damaged</source>
        <translation>l’image PNG est endommagée</translation>
    </message>
    <message>
        <source>the PNG picture is cut short</source>
        <translation>l’image PNG est tronquée</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read</source>
        <translation>l’image fait %1 × %2 pixels, plus que ce qui peut être lu</translation>
    </message>
    <message>
        <source>the PNG picture is damaged: %1</source>
        <translation>l’image PNG est endommagée : %1</translation>
    </message>
</context>
<context>
    <name>velmira::picture::QtReader</name>
    <message>
        <source>the %1 picture of %2 × %3 pixels cannot be read: %4</source>
        <translation>impossible de lire l’image %1 de %2 × %3 pixels : %4</translation>
    </message>
</context>
<context>
    <name>velmira::picture::ReadFile</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n’existe pas</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d’ouvrir %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 is larger than %n bytes</source>
        <translation>
            <numerusform>%1 dépasse %n octet</numerusform>
            <numerusform>%1 dépasse %n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not read: %2</source>
        <translation>%1 n’est pas lu : %2</translation>
    </message>
</context>
<context>
    <name>velmira::picture::ReadPicture</name>
    <message>
        <source>cannot read the bitmap %1: %2</source>
        <translation>impossible de lire l’image %1 : %2</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Tga</name>
    <message>
        <source>the TGA picture is cut short</source>
        <translation>l’image TGA est tronquée</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s kind is not supported</source>
        <translation>ce type d’image TGA n’est pas pris en charge</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s size is not valid</source>
        <translation>la taille de l’image TGA n’est pas valide</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s colour map is not supported</source>
        <translation>la palette de l’image TGA n’est pas prise en charge</translation>
    </message>
    <message>
        <source>the TGA picture is too large</source>
        <translation>l’image TGA est trop grande</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Tiff</name>
    <message>
        <source>the TIFF picture is damaged</source>
        <translation>l’image TIFF est endommagée</translation>
    </message>
    <message>
        <source>the TIFF picture is damaged: %1</source>
        <translation>l’image TIFF est endommagée : %1</translation>
    </message>
    <message>
        <source>the TIFF picture is cut short</source>
        <translation>l’image TIFF est tronquée</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Webp</name>
    <message>
        <source>the WebP picture is damaged</source>
        <translation>l’image WebP est endommagée</translation>
    </message>
    <message>
        <source>the WebP picture is cut short</source>
        <translation>l’image WebP est tronquée</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Convert</name>
    <message>
        <source>the picture is empty</source>
        <translation>l’image est vide</translation>
    </message>
    <message>
        <source>the colour reducer could not start</source>
        <translation>la réduction des couleurs n’a pas pu démarrer</translation>
    </message>
    <message>
        <source>the colour reducer refused the picture</source>
        <translation>la réduction des couleurs a refusé l’image</translation>
    </message>
    <message>
        <source>the picture&apos;s colours could not be reduced</source>
        <translation>les couleurs de l’image n’ont pas pu être réduites</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Maker</name>
    <message>
        <source>the picture is empty</source>
        <translation>l’image est vide</translation>
    </message>
    <message>
        <source>one-colour decal</source>
        <translation>decal monochrome</translation>
    </message>
    <message>
        <source>colour spray</source>
        <translation>spray couleur</translation>
    </message>
    <message>
        <source>Servers that keep sprays to 64 × 64 will not show this</source>
        <translation>Les serveurs qui limitent les sprays à 64 × 64 ne l’afficheront pas</translation>
    </message>
    <message>
        <source>Sharp scaling of a photo looks blocky</source>
        <translation>Avec la mise à l’échelle nette, une photo paraît pixelisée</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Spray</name>
    <message>
        <source>the bitmap is not an 8-bit paletted picture</source>
        <translation>le BMP n’est pas une image 8 bits à palette</translation>
    </message>
    <message>
        <source>the lump&apos;s area lies outside the bitmap</source>
        <translation>la zone du lump sort du BMP</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>l’image est vide</translation>
    </message>
</context>
<context>
    <name>velmira::wad::Hpk</name>
    <message>
        <source>it is not a cache of sprays</source>
        <translation>ce n’est pas un cache de sprays</translation>
    </message>
    <message>
        <source>the cache is of a version the game does not write</source>
        <translation>le cache est d’une version que le jeu n’écrit pas</translation>
    </message>
    <message>
        <source>the cache&apos;s directory lies outside it</source>
        <translation>le répertoire du cache se trouve en dehors de celui-ci</translation>
    </message>
    <message>
        <source>the cache is cut short</source>
        <translation>le cache est tronqué</translation>
    </message>
    <message>
        <source>the cache&apos;s entries add up to more than the file</source>
        <translation>les entrées du cache dépassent ensemble la taille du fichier</translation>
    </message>
    <message>
        <source>no spray of the cache lies there</source>
        <translation>aucun spray du cache ne se trouve là</translation>
    </message>
    <message>
        <source>it is no longer a file</source>
        <translation>ce n’est plus un fichier</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>impossible de l’ouvrir : %1</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>il a disparu</translation>
    </message>
    <message>
        <source>it is shorter now</source>
        <translation>il est plus court maintenant</translation>
    </message>
    <message numerus="yes">
        <source>the cache&apos;s directory counts %n entries</source>
        <translation>
            <numerusform>le répertoire du cache compte %n entrée</numerusform>
            <numerusform>le répertoire du cache compte %n entrées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::wad::LumpScript</name>
    <message>
        <source>line %1: a quote is not closed</source>
        <translation>ligne %1 : un guillemet n’est pas fermé</translation>
    </message>
    <message>
        <source>line %1: %2 needs a file name</source>
        <translation>ligne %1 : %2 demande un nom de fichier</translation>
    </message>
    <message>
        <source>line %1: unknown directive %2</source>
        <translation>ligne %1 : directive inconnue %2</translation>
    </message>
    <message>
        <source>line %1: a lump line needs a type</source>
        <translation>ligne %1 : une ligne de lump demande un type</translation>
    </message>
    <message>
        <source>line %1: the lump name %2 is 16 characters or more</source>
        <translation>ligne %1 : le nom de lump %2 fait 16 caractères ou plus</translation>
    </message>
    <message>
        <source>line %1: lumps of type %2 are not supported</source>
        <translation>ligne %1 : les lumps de type %2 ne sont pas pris en charge</translation>
    </message>
    <message>
        <source>line %1: a miptex lump needs x, y, width and height</source>
        <translation>ligne %1 : un lump miptex demande x, y, largeur et hauteur</translation>
    </message>
    <message>
        <source>line %1: the lump&apos;s area is not valid</source>
        <translation>ligne %1 : la zone du lump n’est pas valide</translation>
    </message>
    <message>
        <source>line %1: no $loadbmp before this lump</source>
        <translation>ligne %1 : pas de $loadbmp avant ce lump</translation>
    </message>
    <message>
        <source>the script names no $DEST file</source>
        <translation>le script ne nomme aucun fichier $DEST</translation>
    </message>
    <message>
        <source>the script holds no lump</source>
        <translation>le script ne contient aucun lump</translation>
    </message>
</context>
<context>
    <name>velmira::wad::Maker</name>
    <message>
        <source>The game would not use this spray: %1</source>
        <translation>Le jeu n’utiliserait pas ce spray : %1</translation>
    </message>
    <message>
        <source>Nothing of the picture shows: every pixel of this spray is see-through. Bring the picture into the frame, or make less of it see-through.</source>
        <translation>Rien de l’image n’apparaît : chaque pixel de ce spray est transparent. Ramenez l’image dans le cadre ou rendez-en une plus petite partie transparente.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the bitmap and what is wrong</comment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>velmira::wad::Wad</name>
    <message>
        <source>the file is too small to be a WAD</source>
        <translation>le fichier est trop petit pour être un WAD</translation>
    </message>
    <message>
        <source>the file is not a WAD3 file</source>
        <translation>le fichier n’est pas un fichier WAD3</translation>
    </message>
    <message>
        <source>the directory lies outside the file</source>
        <translation>le répertoire se trouve hors du fichier</translation>
    </message>
    <message>
        <source>the directory runs past the end of the file</source>
        <translation>le répertoire dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>lump %1 is compressed</source>
        <translation>le lump %1 est compressé</translation>
    </message>
    <message>
        <source>lump %1 lies outside the file</source>
        <translation>le lump %1 se trouve hors du fichier</translation>
    </message>
    <message>
        <source>the lumps add up to more than the file</source>
        <translation>la taille totale des lumps dépasse celle du fichier</translation>
    </message>
    <message>
        <source>the picture&apos;s header is cut short</source>
        <translation>l’en-tête de l’image est tronqué</translation>
    </message>
    <message>
        <source>the picture&apos;s size %1 x %2 is not allowed</source>
        <translation>la taille d’image %1 x %2 n’est pas permise</translation>
    </message>
    <message>
        <source>the picture runs past the end of its lump</source>
        <translation>l’image dépasse la fin de son lump</translation>
    </message>
    <message>
        <source>the palette is damaged</source>
        <translation>la palette est endommagée</translation>
    </message>
    <message>
        <source>the file&apos;s size %1 is outside 1024 to 20480 bytes</source>
        <translation>la taille du fichier, %1, n’est pas entre 1024 et 20480 octets</translation>
    </message>
    <message>
        <source>the directory is not at the end of the file</source>
        <translation>le répertoire n’est pas à la fin du fichier</translation>
    </message>
    <message>
        <source>the lump&apos;s sizes are wrong</source>
        <translation>les tailles du lump sont fausses</translation>
    </message>
    <message>
        <source>the mip levels&apos; offsets do not follow each other</source>
        <translation>les décalages des niveaux mip ne se suivent pas</translation>
    </message>
    <message>
        <source>the palette lies outside the lump</source>
        <translation>la palette se trouve hors du lump</translation>
    </message>
    <message>
        <source>the palette&apos;s colour count %1 is not 1 to 256</source>
        <translation>le nombre de couleurs de la palette, %1, n’est pas entre 1 et 256</translation>
    </message>
    <message numerus="yes">
        <source>the file holds %n lumps, not one</source>
        <translation>
            <numerusform>le fichier contient %n lump au lieu d’un</numerusform>
            <numerusform>le fichier contient %n lumps au lieu d’un</numerusform>
        </translation>
    </message>
</context>
</TS>
