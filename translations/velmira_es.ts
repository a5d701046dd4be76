<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CheckSpraysDialog</name>
    <message numerus="yes">
        <source>Mods checked: %1. Problems found: %n.</source>
        <translation>
            <numerusform>Mods comprobados: %1. %n problema encontrado.</numerusform>
            <numerusform>Mods comprobados: %1. %n problemas encontrados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameConfig</name>
    <message>
        <source>a start of the Windows game</source>
        <translation>iniciar el juego en Windows</translation>
    </message>
    <message>
        <source>a start of the Linux game</source>
        <translation>iniciar el juego en Linux</translation>
    </message>
    <message>
        <source>a start of Xash3D</source>
        <translation>iniciar Xash3D</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <translation>%1, línea %2</translation>
    </message>
    <message>
        <source>the engine&apos;s default</source>
        <translation>el valor predeterminado del motor</translation>
    </message>
    <message>
        <source>After the game quits and starts again, %1 ends with %2 &quot;%3&quot; (%4).</source>
        <translation>Cuando el juego se cierre y vuelva a arrancar, %2 quedará en &quot;%3&quot; tras %1 (%4).</translation>
    </message>
    <message>
        <source>%1 ends with %2 &quot;%3&quot; (%4).</source>
        <translation>Tras %1, %2 queda en &quot;%3&quot; (%4).</translation>
    </message>
    <message>
        <source>Quit the game first: it writes config.cfg as it quits, which would undo the change.</source>
        <translation>Cierra primero el juego: escribe config.cfg al cerrarse, lo que desharía el cambio.</translation>
    </message>
    <message>
        <source>The mod folder %1 cannot be opened: %2</source>
        <translation>No se puede abrir la carpeta del mod %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2), so whether it turns %3 off is not known; nothing was changed.</source>
        <translation>No se puede leer %1 (%2), así que no se sabe si desactiva %3; no se cambió nada.</translation>
    </message>
    <message>
        <source>%1 is already on in %2.</source>
        <translation>%1 ya está activado en %2.</translation>
    </message>
    <message>
        <source>%1 is a link: change %2 in the file it leads to.</source>
        <translation>%1 es un enlace: cambia %2 en el archivo al que apunta.</translation>
    </message>
    <message>
        <source>%1 could not be changed: %2</source>
        <translation>No se pudo cambiar %1: %2</translation>
    </message>
    <message>
        <source>%1 line %2 now sets %3 to %4 (it was &quot;%5&quot;); the file as it was is kept as %6.</source>
        <translation>%1, línea %2, ahora pone %3 a %4 (antes valía &quot;%5&quot;); el archivo tal como estaba se guarda como %6.</translation>
    </message>
    <message>
        <source>But the game would still turn it off: %1</source>
        <translation>Pero el juego lo seguiría desactivando: %1</translation>
    </message>
    <message>
        <source>Another program is writing %1; try again when it has finished.</source>
        <translation>Otro programa está escribiendo %1; vuelve a intentarlo cuando termine.</translation>
    </message>
    <message>
        <source>it cannot be read or is larger than 256 KB</source>
        <translation>no se puede leer u ocupa más de 256 KB</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>SprayCheck</name>
    <message>
        <source>%1 line %2</source>
        <translation>%1, línea %2</translation>
    </message>
    <message>
        <source>Not read: %1.</source>
        <translation>No se pudo leer: %1.</translation>
    </message>
    <message>
        <source>The mod folder cannot be opened: %1</source>
        <translation>No se puede abrir la carpeta del mod: %1</translation>
    </message>
    <message>
        <source>No tempdecal.wad: the game has no spray to send. Use &quot;Create Sprays&quot;.</source>
        <translation>No hay tempdecal.wad: el juego no tiene ningún spray que enviar. Usa «Crear sprays».</translation>
    </message>
    <message>
        <source>tempdecal.wad is not a plain file: the game cannot use it.</source>
        <translation>tempdecal.wad no es un archivo normal: el juego no puede usarlo.</translation>
    </message>
    <message>
        <source>tempdecal.wad cannot be read, or is far larger than any spray.</source>
        <translation>No se puede leer tempdecal.wad, o es mucho más grande que cualquier spray.</translation>
    </message>
    <message>
        <source>The game will not use it: %1</source>
        <translation>El juego no lo usará: %1</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 píxeles</translation>
    </message>
    <message>
        <source>The spray Velmira installed, %1.</source>
        <translation>El spray que instaló Velmira, %1.</translation>
    </message>
    <message>
        <source>Replaced since Velmira installed its spray here, %1: the game&apos;s Options screen writes its logo over it when you press OK there.</source>
        <translation>Reemplazado desde que Velmira instaló su spray aquí, %1: la pantalla de Opciones del juego escribe su logo encima si pulsas Aceptar allí.</translation>
    </message>
    <message>
        <source>A spray Velmira did not install, %1.</source>
        <translation>Un spray que no instaló Velmira, %1.</translation>
    </message>
    <message>
        <source>Not checked. %1</source>
        <translation>Sin comprobar. %1</translation>
    </message>
    <message>
        <source>No spray the game takes.</source>
        <translation>No hay ningún spray que acepte el juego.</translation>
    </message>
    <message>
        <source>The Options screen has the logo &quot;%1&quot; (%2) chosen.</source>
        <translation>La pantalla de Opciones tiene elegido el logo «%1» (%2).</translation>
    </message>
    <message>
        <source>Read-only: the Options screen cannot replace it. %1</source>
        <translation>Solo lectura: la pantalla de Opciones no puede reemplazarlo. %1</translation>
    </message>
    <message>
        <source>Not protected: pressing OK in Options writes the logo &quot;%1&quot; over it.</source>
        <translation>Sin proteger: al pulsar Aceptar en Opciones se escribe el logo «%1» encima.</translation>
    </message>
    <message>
        <source>No cache yet: the game makes one as it sees sprays.</source>
        <translation>Aún no hay caché: el juego crea una a medida que ve sprays.</translation>
    </message>
    <message>
        <source>custom.hpk is not a plain file.</source>
        <translation>custom.hpk no es un archivo normal.</translation>
    </message>
    <message numerus="yes">
        <source>%1; sprays kept: %n</source>
        <translation>
            <numerusform>%1; %n spray guardado</numerusform>
            <numerusform>%1; %n sprays guardados</numerusform>
        </translation>
    </message>
    <message>
        <source>Not Xash3D.</source>
        <translation>No es Xash3D.</translation>
    </message>
    <message>
        <source>Velmira installed no logo here. %1</source>
        <translation>Velmira no instaló ningún logo aquí. %1</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Spray</translation>
    </message>
    <message>
        <source>Others see it</source>
        <translation>Los demás lo ven</translation>
    </message>
    <message>
        <source>You see theirs</source>
        <translation>Tú ves los suyos</translation>
    </message>
    <message>
        <source>Every server</source>
        <translation>Todos los servidores</translation>
    </message>
    <message>
        <source>It stays</source>
        <translation>Se conserva</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Caché</translation>
    </message>
    <message>
        <source>Xash3D logo</source>
        <translation>Logo de Xash3D</translation>
    </message>
    <message>
        <source>Turn &amp;Uploads On</source>
        <translation>Activar &amp;subidas</translation>
    </message>
    <message>
        <source>Turn &amp;Downloads On</source>
        <translation>Activar &amp;descargas</translation>
    </message>
    <message>
        <source>Make &amp;Every-Server Size…</source>
        <translation>Ajustar al &amp;tamaño de todos los servidores…</translation>
    </message>
    <message>
        <source>&amp;Protect</source>
        <translation>&amp;Proteger</translation>
    </message>
    <message>
        <source>Xash3D builds tempdecal.wad from the logo chosen in Customize each time it joins a server.</source>
        <translation>Xash3D crea tempdecal.wad a partir del logo elegido en Personalizar cada vez que entra en un servidor.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>no es archivo</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rechazado</translation>
    </message>
    <message>
        <source>Velmira&apos;s</source>
        <translation>de Velmira</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>reemplazado</translation>
    </message>
    <message>
        <source>another</source>
        <translation>otro</translation>
    </message>
    <message>
        <source>Xash3D scales the logo it sends itself.</source>
        <translation>Xash3D escala por sí mismo el logo que envía.</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1: every server shows it.</source>
        <translation>%1: todos los servidores lo muestran.</translation>
    </message>
    <message>
        <source>%1: servers that keep sprays to 64 × 64 do not show it.</source>
        <translation>%1: los servidores que limitan los sprays a 64 × 64 no lo muestran.</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>solo lectura</translation>
    </message>
    <message>
        <source>not protected</source>
        <translation>sin proteger</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>aún no hay</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>dañada</translation>
    </message>
    <message>
        <source>custom.hpk cannot be read (%1); the game deletes a damaged cache when it starts.</source>
        <translation>No se puede leer custom.hpk (%1); el juego borra una caché dañada al iniciarse.</translation>
    </message>
    <message>
        <source>%1. The game empties it itself when it grows past 4 MB.</source>
        <translation>%1. El propio juego vacía la caché cuando pasa de 4 MB.</translation>
    </message>
    <message>
        <source>not opened</source>
        <translation>inaccesible</translation>
    </message>
    <message>
        <source>Xash3D rewrites tempdecal.wad itself.</source>
        <translation>Xash3D reescribe tempdecal.wad por sí mismo.</translation>
    </message>
    <message>
        <source>Decals</source>
        <translation>Decals</translation>
    </message>
    <message>
        <source>Turn Decal&amp;s On</source>
        <translation>Activar d&amp;ecals</translation>
    </message>
    <message>
        <source>If it still fails on one server, the server may refuse uploads or large sprays (sv_allowupload, sv_allowdownload, sv_send_logos, sv_rehlds_allow_large_sprays): no file of yours changes that.</source>
        <translation>Si aún falla en algún servidor, puede que ese servidor rechace las subidas o los sprays grandes (sv_allowupload, sv_allowdownload, sv_send_logos, sv_rehlds_allow_large_sprays): eso no lo cambia ningún archivo tuyo.</translation>
    </message>
    <message>
        <source>at a start of the Windows game</source>
        <translation>al iniciar el juego en Windows</translation>
    </message>
    <message>
        <source>at a start of the Linux game</source>
        <translation>al iniciar el juego en Linux</translation>
    </message>
    <message>
        <source>at a start of Xash3D</source>
        <translation>al iniciar Xash3D</translation>
    </message>
    <message>
        <source>the engine&apos;s default</source>
        <translation>el valor predeterminado del motor</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <source>On: %1.</source>
        <translation>Activado: %1.</translation>
    </message>
    <message>
        <source>default</source>
        <translation>predeterminado</translation>
    </message>
    <message>
        <source>off in %1</source>
        <translation>desactivado (%1)</translation>
    </message>
    <message>
        <source>sends .%1</source>
        <translation>envía .%1</translation>
    </message>
    <message>
        <source>Xash3D sends logos/remapped.%1, not Velmira&apos;s PNG logo (%2): choose Velmira&apos;s logo in Customize.</source>
        <translation>Xash3D envía logos/remapped.%1, no el logo PNG de Velmira (%2): elige el logo de Velmira en Personalizar.</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>sin elegir</translation>
    </message>
    <message>
        <source>There is no logos/remapped.png, the picture Xash3D sends: choose Velmira&apos;s logo in Customize.</source>
        <translation>No hay logos/remapped.png, la imagen que envía Xash3D: elige el logo de Velmira en Personalizar.</translation>
    </message>
    <message>
        <source>another logo</source>
        <translation>otro logo</translation>
    </message>
    <message>
        <source>Xash3D sends logos/remapped.png, which is not the logo Velmira installed: choose Velmira&apos;s logo in Customize.</source>
        <translation>Xash3D envía logos/remapped.png, que no es el logo que instaló Velmira: elige el logo de Velmira en Personalizar.</translation>
    </message>
    <message>
        <source>Xash3D sends the logo Velmira installed.</source>
        <translation>Xash3D envía el logo que instaló Velmira.</translation>
    </message>
    <message>
        <source>Uploads are off (%1, %2): servers never get your spray.</source>
        <translation>Las subidas están desactivadas (%1, %2): los servidores nunca reciben tu spray.</translation>
    </message>
    <message>
        <source>Downloads are off (%1, %2): you see no one else&apos;s spray.</source>
        <translation>Las descargas están desactivadas (%1, %2): no ves el spray de nadie más.</translation>
    </message>
    <message>
        <source>Downloads during a game are off (%1, %2): you do not see the sprays of players who join after you.</source>
        <translation>Las descargas durante la partida están desactivadas (%1, %2): no ves los sprays de los jugadores que entran después de ti.</translation>
    </message>
    <message>
        <source>No decals are drawn (%1, %2): no one&apos;s spray shows.</source>
        <translation>No se dibuja ningún decal (%1, %2): no se ve el spray de nadie.</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>no leído</translation>
    </message>
    <message>
        <source>%1 is already on in %2.</source>
        <translation>%1 ya está activado en %2.</translation>
    </message>
</context>
<context>
    <name>SprayReport</name>
    <message>
        <source>Half-Life, Windows client</source>
        <translation>Half-Life, cliente de Windows</translation>
    </message>
    <message>
        <source>Half-Life, Linux client</source>
        <translation>Half-Life, cliente de Linux</translation>
    </message>
    <message>
        <source>Xash3D FWGS</source>
        <translation>Xash3D FWGS</translation>
    </message>
    <message>
        <source>Starts checked: %1</source>
        <translation>Inicios comprobados: %1</translation>
    </message>
</context>
<context>
    <name>qlumpy</name>
    <message>
        <source>%1 is a link; the WAD is not written through it</source>
        <translation>%1 es un enlace; el WAD no se escribe a través de él</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>usage: qlumpy [--many-lumps] SCRIPT</source>
        <translation>uso: qlumpy [--many-lumps] SCRIPT</translation>
    </message>
    <message>
        <source>cannot read the script: %1</source>
        <translation>no se puede leer el script: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the script and what is wrong</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>puede que el disco esté lleno</translation>
    </message>
    <message numerus="yes">
        <source>%1: the script names %n lumps; a spray holds one</source>
        <translation>
            <numerusform>%1: el script nombra %n lump; un spray tiene solo uno</numerusform>
            <numerusform>%1: el script nombra %n lumps; un spray tiene solo uno</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>About Velmira</source>
        <translation>Acerca de Velmira</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>The easiest way to switch between color Half-Life sprays!</source>
        <translation>¡La forma más fácil de cambiar entre sprays en color de Half-Life!</translation>
    </message>
    <message>
        <source>Written by the Velmira developers</source>
        <translation>Escrito por los desarrolladores de Velmira</translation>
    </message>
    <message>
        <source>Comments and problems: see ReadMe.txt</source>
        <translation>Comentarios y problemas: ver ReadMe.txt</translation>
    </message>
    <message>
        <source>Velmira: colour sprays for every Half-Life mod</source>
        <translation>Velmira: sprays en color para cada mod de Half-Life</translation>
    </message>
    <message>
        <source>Made by players, for players</source>
        <translation>Hecho por jugadores, para jugadores</translation>
    </message>
    <message>
        <source>(C) the Velmira developers. GPL-3.0-or-later, with NO WARRANTY. See ReadMe.txt for details.</source>
        <translation>(C) los desarrolladores de Velmira. GPL-3.0-or-later, SIN NINGUNA GARANTÍA. Detalles en ReadMe.txt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>velmira::Cache</name>
    <message>
        <source>%1: it is a link</source>
        <translation>%1: es un enlace</translation>
    </message>
    <message>
        <source>%1: it is not a file</source>
        <translation>%1: no es un archivo</translation>
    </message>
    <message>
        <source>%1: it cannot be read</source>
        <translation>%1: no se puede leer</translation>
    </message>
    <message>
        <source>%1 is in the way and is not a file</source>
        <translation>en %1 hay algo que no es un archivo</translation>
    </message>
    <message>
        <source>it is no longer a plain file</source>
        <translation>ya no es un archivo normal</translation>
    </message>
    <message>
        <source>Clear Cached Sprays</source>
        <translation>Borrar sprays en caché</translation>
    </message>
    <message>
        <source>Select the mods whose cached sprays you want to clear.</source>
        <translation>Selecciona los mods cuyos sprays en caché quieres borrar.</translation>
    </message>
    <message>
        <source>The game is running from %1. Quit it before clearing its cached sprays: it keeps the cache open and writes it back.</source>
        <translation>El juego se está ejecutando desde %1. Ciérralo antes de borrar sus sprays en caché: mantiene la caché abierta y la vuelve a escribir.</translation>
    </message>
    <message>
        <source>None of the selected mods has cached sprays (%1).</source>
        <translation>Ninguno de los mods seleccionados tiene sprays en caché (%1).</translation>
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
            <numerusform>Este archivo de caché no se tocó:</numerusform>
            <numerusform>Estos archivos de caché no se tocaron:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>custom.hpk holds the sprays of other players the game has seen on servers, so an old spray can show instead of a new one. The game builds it again as it needs.<byte value="xd"/><byte value="xd"/>Each of these is moved to custom.hpk.old beside it (an older custom.hpk.old is replaced):</source>
        <translation>
            <numerusform>custom.hpk guarda los sprays de otros jugadores que el juego vio en servidores, así que puede aparecer un spray viejo en lugar de uno nuevo. El juego lo vuelve a crear cuando lo necesita.<byte value="xd"/><byte value="xd"/>Este archivo se mueve a custom.hpk.old a su lado (se reemplaza un custom.hpk.old anterior):</numerusform>
            <numerusform>custom.hpk guarda los sprays de otros jugadores que el juego vio en servidores, así que puede aparecer un spray viejo en lugar de uno nuevo. El juego lo vuelve a crear cuando lo necesita.<byte value="xd"/><byte value="xd"/>Cada uno de estos se mueve a custom.hpk.old a su lado (se reemplaza un custom.hpk.old anterior):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Could not clear these cached sprays:</source>
        <translation>
            <numerusform>No se pudo borrar esta caché de sprays:</numerusform>
            <numerusform>No se pudieron borrar estas cachés de sprays:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::Categories</name>
    <message>
        <source>WARNING: Spray folder does not exist:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Please verify your spray folder.</source>
        <translation>ADVERTENCIA: la carpeta de sprays no existe:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Revisa tu carpeta de sprays.</translation>
    </message>
    <message>
        <source>Please set your Spray folder.</source>
        <translation>Elige tu carpeta de sprays.</translation>
    </message>
    <message>
        <source>Invalid spray folder!</source>
        <translation>¡Carpeta de sprays no válida!</translation>
    </message>
    <message>
        <source>WARNING: Folder does not exist:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Try hitting refresh or varify your spray folder.</source>
        <translation>ADVERTENCIA: la carpeta no existe:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Prueba con Actualizar o revisa tu carpeta de sprays.</translation>
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
        <translation>Comprobar sprays</translation>
    </message>
    <message>
        <source>Spray checks, a row for each mod</source>
        <translation>Comprobaciones de sprays, una fila por mod</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Comprobando…</translation>
    </message>
    <message>
        <source>Open the spray maker on the mod&apos;s spray picture with the every-server size chosen</source>
        <translation>Abre la ventana Hacer spray con la imagen del spray del mod y el tamaño para todos los servidores elegido</translation>
    </message>
    <message>
        <source>Leave the sprays Velmira installed read-only, as &quot;Protect Sprays from the Game&quot; does</source>
        <translation>Deja como de solo lectura los sprays que instaló Velmira, igual que «Proteger los sprays frente al juego»</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>Comprobar de &amp;nuevo</translation>
    </message>
    <message>
        <source>No mods to check: set the Half-Life folder in File Locations.</source>
        <translation>No hay mods que comprobar: elige la carpeta de Half-Life en Ubicación de archivos.</translation>
    </message>
    <message>
        <source>The spray maker is open with the every-server size chosen: save the spray, then use &quot;Create Sprays&quot;.</source>
        <translation>La ventana Hacer spray está abierta con el tamaño para todos los servidores elegido: guarda el spray y luego usa «Crear sprays».</translation>
    </message>
    <message>
        <source>Quit the game first: its Options screen may be writing the spray.</source>
        <translation>Cierra primero el juego: puede que su pantalla de Opciones esté escribiendo el spray.</translation>
    </message>
    <message>
        <source>The sprays Velmira installed are now read-only.</source>
        <translation>Los sprays que instaló Velmira ahora son de solo lectura.</translation>
    </message>
    <message>
        <source>The report is on the clipboard.</source>
        <translation>El informe está en el portapapeles.</translation>
    </message>
    <message>
        <source>Set cl_allowupload to 1 on every line that turns it off in the files the game runs, keeping a copy of each file as it was</source>
        <translation>Pone cl_allowupload a 1 en cada línea que lo desactiva en los archivos que ejecuta el juego, y guarda una copia de cada archivo tal como estaba</translation>
    </message>
    <message>
        <source>Set cl_allowdownload and cl_download_ingame to 1 on every line that turns them off in the files the game runs, keeping a copy of each file as it was</source>
        <translation>Pone cl_allowdownload y cl_download_ingame a 1 en cada línea que los desactiva en los archivos que ejecuta el juego, y guarda una copia de cada archivo tal como estaba</translation>
    </message>
    <message>
        <source>Set mp_decals and r_decals back to the game&apos;s own numbers on every line that sets them to 0, keeping a copy of each file as it was</source>
        <translation>Devuelve mp_decals y r_decals a los valores propios del juego en cada línea que los pone a 0, y guarda una copia de cada archivo tal como estaba</translation>
    </message>
    <message>
        <source>Copy &amp;Report</source>
        <translation>Copiar &amp;informe</translation>
    </message>
    <message>
        <source>Put the checks on the clipboard as plain text, to paste into a forum or a bug report (Ctrl+Shift+C)</source>
        <translation>Copia las comprobaciones al portapapeles como texto sin formato, para pegarlas en un foro o en un informe de errores (Ctrl+Mayús+C)</translation>
    </message>
</context>
<context>
    <name>velmira::Compiler</name>
    <message>
        <source>Could not make a private folder for the compiler&apos;s files in %1<byte value="xd"/>%2</source>
        <translation>No se pudo crear una carpeta privada para los archivos del compilador en %1<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>velmira::Create</name>
    <message>
        <source>Error compiling. Check BMP format and dimentions.<byte value="xd"/>File: %1</source>
        <translation>Error al compilar. Revisa el formato y las dimensiones del BMP.<byte value="xd"/>Archivo: %1</translation>
    </message>
    <message>
        <source>Error creating spray!</source>
        <translation>¡Error al crear el spray!</translation>
    </message>
    <message>
        <source>Could not install the spray in %1<byte value="xd"/>%2</source>
        <translation>No se pudo instalar el spray en %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Could not use the folder %1<byte value="xd"/>%2</source>
        <translation>No se pudo usar la carpeta %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>todos los nombres posibles están ocupados</translation>
    </message>
    <message>
        <source>The game is running from %1.<byte value="xd"/>It reads your spray when it starts a map, and its Options screen may replace the spray when you press OK or Apply there.<byte value="xd"/><byte value="xd"/>Install the sprays now?</source>
        <translation>El juego se está ejecutando desde %1.<byte value="xd"/>Lee tu spray al empezar un mapa, y su pantalla de Opciones puede reemplazar el spray si pulsas Aceptar o Aplicar allí.<byte value="xd"/><byte value="xd"/>¿Instalar los sprays ahora?</translation>
    </message>
    <message>
        <source>The game would not use this spray, so it was not installed:<byte value="xd"/>%1</source>
        <translation>El juego no usaría este spray, así que no se instaló:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Could not find Qlumpy.exe!</source>
        <translation>¡No se encontró Qlumpy.exe!</translation>
    </message>
    <message>
        <source>Spray(s) Created!</source>
        <translation>¡Spray(s) creado(s)!</translation>
    </message>
    <message>
        <source>Could not find %1</source>
        <translation>No se encontró %1</translation>
    </message>
</context>
<context>
    <name>velmira::ErrorReport</name>
    <message>
        <source>If this happens repeatedly, please let me know exactly what it says below.<byte value="xd"/>Error # %1<byte value="xd"/>Source: %2<byte value="xd"/>Dll: %3<byte value="xd"/>Sub: %4-%5</source>
        <translation>Si esto pasa a menudo, avísame diciendo exactamente lo que pone abajo.<byte value="xd"/>Error n.º %1<byte value="xd"/>Origen: %2<byte value="xd"/>Dll: %3<byte value="xd"/>Procedimiento: %4-%5</translation>
    </message>
</context>
<context>
    <name>velmira::Failure</name>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Ruta no encontrada</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Error de E/S del dispositivo</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>error del sistema %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
</context>
<context>
    <name>velmira::Folders</name>
    <message>
        <source>WARNING: Cannot find Half-Life in that folder!<byte value="xd"/>You might just have some different version I don&apos;t know about.<byte value="xd"/>Do you want to force VELMR to use the path you entered?</source>
        <translation>ADVERTENCIA: ¡no se encuentra Half-Life en esa carpeta!<byte value="xd"/>Quizá solo tengas otra versión que no conozco.<byte value="xd"/>¿Quieres obligar a VELMR a usar la ruta que escribiste?</translation>
    </message>
    <message>
        <source>WARNING: Half-Life folder does not exist!</source>
        <translation>ADVERTENCIA: ¡la carpeta de Half-Life no existe!</translation>
    </message>
    <message>
        <source>WARNING: Spray folder does not exist!</source>
        <translation>ADVERTENCIA: ¡la carpeta de sprays no existe!</translation>
    </message>
</context>
<context>
    <name>velmira::FramingView</name>
    <message>
        <source>Picture under the spray&apos;s frame</source>
        <translation>Imagen bajo el marco del spray</translation>
    </message>
    <message>
        <source>Drag to move the picture, turn the wheel to zoom; the arrow keys move it by one pixel, with Shift by ten</source>
        <translation>Arrastra para mover la imagen, gira la rueda para hacer zoom; las flechas la mueven un píxel, con Mayús diez</translation>
    </message>
    <message>
        <source>Reading the picture…</source>
        <translation>Leyendo la imagen…</translation>
    </message>
</context>
<context>
    <name>velmira::Held</name>
    <message>
        <source>No spray is installed here.</source>
        <translation>Aquí no hay ningún spray instalado.</translation>
    </message>
    <message>
        <source>The spray Velmira installed here has been removed.</source>
        <translation>El spray que Velmira instaló aquí fue eliminado.</translation>
    </message>
    <message>
        <source>The spray file cannot be read: %1</source>
        <translation>No se puede leer el archivo del spray: %1</translation>
    </message>
    <message>
        <source>The spray Velmira installed here.</source>
        <translation>El spray que Velmira instaló aquí.</translation>
    </message>
    <message>
        <source>Replaced since Velmira installed its spray here (the game&apos;s Options screen rewrites it when you press OK or Apply there).</source>
        <translation>Reemplazado desde que Velmira instaló su spray aquí (la pantalla de Opciones del juego lo reescribe si pulsas Aceptar o Aplicar allí).</translation>
    </message>
    <message>
        <source>A spray Velmira did not install.</source>
        <translation>Un spray que no instaló Velmira.</translation>
    </message>
    <message>
        <source> The game cannot show it.</source>
        <translation> El juego no puede mostrarlo.</translation>
    </message>
</context>
<context>
    <name>velmira::Help</name>
    <message>
        <source>Cannot find the help file:<byte value="xd"/>%1</source>
        <translation>No se encuentra el archivo de ayuda:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Velmira Help</source>
        <translation>Ayuda de Velmira</translation>
    </message>
</context>
<context>
    <name>velmira::LocationsDialog</name>
    <message>
        <source>File Locations</source>
        <translation>Ubicación de archivos</translation>
    </message>
    <message>
        <source>Half-Life Folder:</source>
        <translation>Carpeta de Half-Life:</translation>
    </message>
    <message>
        <source>Spray Folder:</source>
        <translation>Carpeta de sprays:</translation>
    </message>
    <message>
        <source>Found in Steam…</source>
        <translation>Encontrados en Steam…</translation>
    </message>
    <message>
        <source>Games found in your Steam libraries</source>
        <translation>Juegos encontrados en tus bibliotecas de Steam</translation>
    </message>
    <message>
        <source>Games found in Steam</source>
        <translation>Juegos encontrados en Steam</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Abrir la carpeta de sprays</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Show Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Apply to Selected</source>
        <translation>Aplicar a los seleccionados</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Quitar de los seleccionados</translation>
    </message>
    <message>
        <source>Create Sprays</source>
        <translation>Crear sprays</translation>
    </message>
    <message>
        <source>Frame the chosen picture into a spray, see it as the game draws it, and save it to the library</source>
        <translation>Encuadra la imagen elegida como spray, mírala como la dibuja el juego y guárdala en la biblioteca</translation>
    </message>
    <message>
        <source>Browse the sprays the game kept from servers, and keep the ones you like</source>
        <translation>Revisa los sprays que el juego guardó de los servidores y quédate con los que te gusten</translation>
    </message>
    <message>
        <source>Leave each installed tempdecal.wad read-only, so that the game&apos;s Options screen cannot replace your spray</source>
        <translation>Deja cada tempdecal.wad instalado como de solo lectura, para que la pantalla de Opciones del juego no pueda reemplazar tu spray</translation>
    </message>
    <message>
        <source>As the System</source>
        <translation>Como el sistema</translation>
    </message>
    <message>
        <source>Click on the help menu if you have</source>
        <translation>Abre el menú Ayuda si nunca</translation>
    </message>
    <message>
        <source>not used VELMR before.</source>
        <translation>has usado VELMR.</translation>
    </message>
    <message>
        <source>Could not find ReadMe.txt!</source>
        <translation>¡No se encontró ReadMe.txt!</translation>
    </message>
    <message>
        <source>File Not Found!</source>
        <translation>¡Archivo no encontrado!</translation>
    </message>
    <message>
        <source>&amp;Make Spray…</source>
        <comment>spray list menu</comment>
        <translation>&amp;Hacer spray…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;File Locations...</source>
        <comment>File menu</comment>
        <translation>&amp;Ubicación de archivos...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Make Spray…</source>
        <comment>File menu</comment>
        <translation>&amp;Hacer spray…</translation>
    </message>
    <message>
        <source>Sprays Seen in &amp;Games…</source>
        <comment>File menu</comment>
        <translation>Sprays vistos en &amp;partidas…</translation>
    </message>
    <message>
        <source>&amp;Protect Sprays from the Game</source>
        <comment>File menu</comment>
        <translation>P&amp;roteger los sprays frente al juego</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <comment>File menu</comment>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <comment>Help menu</comment>
        <translation>&amp;Contenido...</translation>
    </message>
    <message>
        <source>&amp;View ReadMe.txt ...</source>
        <comment>Help menu</comment>
        <translation>&amp;Ver ReadMe.txt ...</translation>
    </message>
    <message>
        <source>&amp;About VELMR ...</source>
        <comment>Help menu</comment>
        <translation>&amp;Acerca de VELMR ...</translation>
    </message>
    <message>
        <source>See for each mod whether others will see your spray, and you theirs, and put right what can safely be</source>
        <translation>Mira en cada mod si los demás verán tu spray y tú los suyos, y arregla lo que se pueda arreglar sin riesgo</translation>
    </message>
    <message>
        <source>Choose the spray&apos;s picture in the spray list (or assign it to %1), then choose this fix again.</source>
        <translation>Elige la imagen del spray en la lista de sprays (o asígnala a %1) y luego vuelve a elegir este arreglo.</translation>
    </message>
    <message>
        <source>The spray maker could not be opened on %1.</source>
        <translation>No se pudo abrir la ventana Hacer spray con %1.</translation>
    </message>
    <message>
        <source>Make Spray</source>
        <translation>Hacer spray</translation>
    </message>
    <message>
        <source>Set your spray folder first: the spray maker saves into it.</source>
        <translation>Primero elige tu carpeta de sprays: la ventana Hacer spray guarda en ella.</translation>
    </message>
    <message>
        <source>Cannot make a spray of %1</source>
        <translation>No se puede hacer un spray de %1</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Sprays in the category</source>
        <translation>Sprays de la categoría</translation>
    </message>
    <message>
        <source>Mods</source>
        <translation>Mods</translation>
    </message>
    <message>
        <source>Spray preview</source>
        <translation>Vista previa del spray</translation>
    </message>
    <message>
        <source>&amp;Clear Cached Sprays…</source>
        <comment>File menu</comment>
        <translation>&amp;Borrar sprays en caché…</translation>
    </message>
    <message>
        <source>Chec&amp;k Sprays…</source>
        <comment>File menu</comment>
        <translation>&amp;Comprobar sprays…</translation>
    </message>
</context>
<context>
    <name>velmira::Maker</name>
    <message>
        <source>Choose a picture in the spray list first.</source>
        <translation>Primero elige una imagen en la lista de sprays.</translation>
    </message>
    <message>
        <source>The spray maker makes sprays from pictures; %1 is already a spray.</source>
        <translation>La ventana Hacer spray hace sprays a partir de imágenes; %1 ya es un spray.</translation>
    </message>
</context>
<context>
    <name>velmira::MakerDialog</name>
    <message>
        <source>Make Spray - %1</source>
        <translation>Hacer spray - %1</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Encuadre</translation>
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
        <translation>&amp;Ajustar</translation>
    </message>
    <message>
        <source>The whole picture inside the frame</source>
        <translation>Toda la imagen dentro del marco</translation>
    </message>
    <message>
        <source>Fi&amp;ll</source>
        <translation>&amp;Llenar</translation>
    </message>
    <message>
        <source>The frame covered by the picture</source>
        <translation>El marco cubierto por la imagen</translation>
    </message>
    <message>
        <source>&amp;Rotate 90°</source>
        <translation>Gira&amp;r 90°</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>Refle&amp;jar</translation>
    </message>
    <message>
        <source>See-through</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <source>A colour…</source>
        <translation>Un color…</translation>
    </message>
    <message>
        <source>&amp;Around the picture:</source>
        <translation>Alrededor de la i&amp;magen:</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Largest the game takes</source>
        <translation>El mayor que acepta el juego</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Every server (64 × 64 at most)</source>
        <translation>Todos los servidores (64 × 64 como máximo)</translation>
    </message>
    <message>
        <source>Chosen freely</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>&amp;Width × height:</source>
        <translation>Anc&amp;ho × alto:</translation>
    </message>
    <message>
        <source>None (solid)</source>
        <translation>Ninguna (opaco)</translation>
    </message>
    <message>
        <source>The picture&apos;s own transparency</source>
        <translation>La transparencia propia de la imagen</translation>
    </message>
    <message>
        <source>A colour, everywhere</source>
        <translation>Un color, en todas partes</translation>
    </message>
    <message>
        <source>A colour, where it touches the edge</source>
        <translation>Un color, donde toca el borde</translation>
    </message>
    <message>
        <source>Cut-off</source>
        <translation>Umbral</translation>
    </message>
    <message>
        <source>&amp;Cut-off:</source>
        <translation>&amp;Umbral:</translation>
    </message>
    <message>
        <source>&amp;Pick from the picture</source>
        <translation>&amp;Pipeta</translation>
    </message>
    <message>
        <source>C&amp;olour…</source>
        <translation>C&amp;olor…</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerancia</translation>
    </message>
    <message>
        <source>&amp;Tolerance:</source>
        <translation>Toleran&amp;cia:</translation>
    </message>
    <message>
        <source>Remove the coloured &amp;fringe</source>
        <translation>Quitar el &amp;borde de color</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Sharp (pixel art)</source>
        <translation>Nítido (pixel art)</translation>
    </message>
    <message>
        <source>Scali&amp;ng:</source>
        <translation>E&amp;scalado:</translation>
    </message>
    <message>
        <source>&amp;Dither</source>
        <translation>Trama&amp;do</translation>
    </message>
    <message>
        <source>In&amp;k…</source>
        <translation>Ti&amp;nta…</translation>
    </message>
    <message>
        <source>Checker</source>
        <translation>Cuadros</translation>
    </message>
    <message>
        <source>Light wall</source>
        <translation>Pared clara</translation>
    </message>
    <message>
        <source>Dark wall</source>
        <translation>Pared oscura</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Fondo:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Colour around the picture</source>
        <translation>Color alrededor de la imagen</translation>
    </message>
    <message>
        <source>See-through colour</source>
        <translation>Color transparente</translation>
    </message>
    <message>
        <source>Logo colour</source>
        <translation>Color del logo</translation>
    </message>
    <message>
        <source>Cannot make a spray of %1<byte value="xd"/>%2</source>
        <translation>No se puede hacer un spray de %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Make Spray</source>
        <translation>Hacer spray</translation>
    </message>
    <message>
        <source>one-colour logo</source>
        <translation>logo de un color</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n color</numerusform>
            <numerusform>%n colores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 pixels, %3, WAD of %n bytes</source>
        <translation>
            <numerusform>%1 × %2 píxeles, %3, WAD de %n byte</numerusform>
            <numerusform>%1 × %2 píxeles, %3, WAD de %n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not save the spray in %1<byte value="xd"/>%2</source>
        <translation>No se pudo guardar el spray en %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Siz&amp;e:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>Enlar&amp;ge small pictures</source>
        <translation>Ampl&amp;iar las imágenes pequeñas</translation>
    </message>
    <message>
        <source>W&amp;hat:</source>
        <translation>&amp;Qué:</translation>
    </message>
    <message>
        <source>One-colo&amp;ur logo</source>
        <translation>Logo d&amp;e un color</translation>
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
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>another program changed %1 while it was being saved</source>
        <translation>otro programa cambió %1 mientras se guardaba</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>todos los nombres posibles están ocupados</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 is in the way and is not a file</source>
        <translation>en %1 hay algo que no es un archivo</translation>
    </message>
    <message>
        <source>cannot replace %1: it is not a file</source>
        <translation>no se puede reemplazar %1: no es un archivo</translation>
    </message>
    <message>
        <source>cannot write beside %1: %2</source>
        <translation>no se puede escribir junto a %1: %2</translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation>no se puede guardar una copia de %1: %2</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>no se puede reemplazar %1: %2</translation>
    </message>
    <message>
        <source>it is a link, not a folder</source>
        <translation>es un enlace, no una carpeta</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>%1 is read-only, so it is left as it is</source>
        <translation>%1 es de solo lectura, así que se deja como está</translation>
    </message>
    <message>
        <source>it is a link that another user could have put there, which Velmira does not follow</source>
        <translation>es un enlace que otro usuario podría haber puesto ahí, y Velmira no lo sigue</translation>
    </message>
    <message>
        <source>the system did not give the new file the access rules of the one it replaces</source>
        <translation>el sistema no asignó al archivo nuevo los permisos de acceso del anterior</translation>
    </message>
    <message>
        <source>the link was changed while it was being followed</source>
        <translation>el enlace cambió mientras Velmira lo seguía</translation>
    </message>
</context>
<context>
    <name>velmira::Preview</name>
    <message>
        <source>one colour</source>
        <translation>un color</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n color</numerusform>
            <numerusform>%n colores</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2, %3, scaled from %4 × %5</source>
        <translation>%1 × %2, %3, escalado desde %4 × %5</translation>
    </message>
    <message>
        <source>%1 × %2, used as it is</source>
        <translation>%1 × %2, se usa tal cual</translation>
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
            <numerusform>vista previa del spray: %1 × %2, %n color</numerusform>
            <numerusform>vista previa del spray: %1 × %2, %n colores</numerusform>
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
            <numerusform>Los sprays que instaló Velmira ahora son de solo lectura, para que el juego no pueda reemplazarlos, en este mod:</numerusform>
            <numerusform>Los sprays que instaló Velmira ahora son de solo lectura, para que el juego no pueda reemplazarlos, en estos mods:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sprays Velmira installed can be replaced by the game again in:</source>
        <translation>
            <numerusform>El juego puede volver a reemplazar los sprays que instaló Velmira en este mod:</numerusform>
            <numerusform>El juego puede volver a reemplazar los sprays que instaló Velmira en estos mods:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>These could not be changed:</source>
        <translation>
            <numerusform>Este no se pudo cambiar:</numerusform>
            <numerusform>Estos no se pudieron cambiar:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::Seen</name>
    <message>
        <source>The cache of %1 changed since the window read it (%2): press Refresh.</source>
        <translation>La caché de %1 cambió desde que la ventana la leyó (%2): pulsa Actualizar.</translation>
    </message>
    <message>
        <source>another spray lies there now</source>
        <translation>ahora hay otro spray ahí</translation>
    </message>
    <message>
        <source>No cache holds the spray: press Refresh.</source>
        <translation>Ninguna caché tiene el spray: pulsa Actualizar.</translation>
    </message>
    <message>
        <source>Seen in %1</source>
        <translation>Visto en %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 pixels, %n bytes</source>
        <translation>
            <numerusform>%1 × %2 píxeles, %n byte</numerusform>
            <numerusform>%1 × %2 píxeles, %n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Every server takes it</source>
        <translation>Todos los servidores lo aceptan</translation>
    </message>
    <message>
        <source>Servers that keep sprays to 64 × 64 will not show it</source>
        <translation>Los servidores que limitan los sprays a 64 × 64 no lo mostrarán</translation>
    </message>
</context>
<context>
    <name>velmira::SeenDialog</name>
    <message numerus="yes">
        <source>Stopped: %n of the %1 were saved, the rest were not.</source>
        <translation>
            <numerusform>Detenido: se guardó %n de %1; el resto, no.</numerusform>
            <numerusform>Detenido: se guardaron %n de %1; el resto, no.</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the Pictures in</source>
        <translation>Guardar las imágenes en</translation>
    </message>
    <message>
        <source>Save as Picture</source>
        <translation>Guardar como imagen</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Reading the caches…</source>
        <translation>Leyendo las cachés…</translation>
    </message>
    <message>
        <source>No sprays seen in games yet: the game keeps those it sees on servers in each mod&apos;s custom.hpk.</source>
        <translation>Aún no hay sprays vistos en partidas: el juego guarda los que ve en los servidores en el custom.hpk de cada mod.</translation>
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
        <translation>No se pudieron leer estas cachés (puede que el juego esté escribiendo una: pulsa Actualizar):</translation>
    </message>
    <message>
        <source>Sprays Seen in Games</source>
        <translation>Sprays vistos en partidas</translation>
    </message>
    <message>
        <source>&amp;Mod:</source>
        <translation>&amp;Mod:</translation>
    </message>
    <message>
        <source>All mods</source>
        <translation>Todos los mods</translation>
    </message>
    <message>
        <source>Sprays seen in games</source>
        <translation>Sprays vistos en partidas</translation>
    </message>
    <message>
        <source>&amp;Save to Library</source>
        <translation>&amp;Guardar en la biblioteca</translation>
    </message>
    <message>
        <source>Copy the chosen sprays, unchanged, into the category chosen in the main window</source>
        <translation>Copia los sprays elegidos, sin cambios, a la categoría elegida en la ventana principal</translation>
    </message>
    <message>
        <source>Save as &amp;Picture…</source>
        <translation>Guardar como &amp;imagen…</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Set your spray folder first: kept sprays are copied into it.</source>
        <translation>Primero elige tu carpeta de sprays: los sprays que guardes se copian en ella.</translation>
    </message>
    <message numerus="yes">
        <source>Saving %n sprays in %1…</source>
        <translation>
            <numerusform>Guardando %n spray en %1…</numerusform>
            <numerusform>Guardando %n sprays en %1…</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not save the spray in %1<byte value="xd"/>%2</source>
        <translation>No se pudo guardar el spray en %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Could not save these pictures:<byte value="xd"/>%1</source>
        <translation>No se pudieron guardar estas imágenes:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Saving the picture…</source>
        <translation>Guardando la imagen…</translation>
    </message>
    <message numerus="yes">
        <source>Saving %n pictures in %1…</source>
        <translation>
            <numerusform>Guardando %n imagen en %1…</numerusform>
            <numerusform>Guardando %n imágenes en %1…</numerusform>
        </translation>
    </message>
    <message>
        <source>No game folder yet: set the Half-Life folder in File Locations.</source>
        <translation>Aún no hay carpeta del juego: elige la carpeta de Half-Life en Ubicación de archivos.</translation>
    </message>
</context>
<context>
    <name>velmira::SeenSave</name>
    <message>
        <source>every name for it is taken</source>
        <translation>todos los nombres posibles están ocupados</translation>
    </message>
    <message>
        <source>the spray has no picture the game draws</source>
        <translation>el spray no tiene ninguna imagen que el juego dibuje</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>no se pudo crear la imagen</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::SeenSprayModel</name>
    <message>
        <source>%1, %2 at byte %3, %4 × %5 pixels</source>
        <translation>%1, %2 en el byte %3, %4 × %5 píxeles</translation>
    </message>
</context>
<context>
    <name>velmira::Settings</name>
    <message>
        <source>Could not save the settings to %1: it is not a settings file</source>
        <translation>No se pudo guardar la configuración en %1: no es un archivo de configuración</translation>
    </message>
    <message>
        <source>Could not save the settings to %1</source>
        <translation>No se pudo guardar la configuración en %1</translation>
    </message>
</context>
<context>
    <name>velmira::SprayView</name>
    <message>
        <source>The spray as the game draws it</source>
        <translation>El spray como lo dibuja el juego</translation>
    </message>
</context>
<context>
    <name>velmira::Sprays</name>
    <message>
        <source>it is larger than the %1 MB a spray picture may be</source>
        <translation>pesa más de los %1 MB que puede tener una imagen de spray</translation>
    </message>
    <message>
        <source>Set your spray folder first: dropped files are copied into it.</source>
        <translation>Primero elige tu carpeta de sprays: los archivos soltados se copian en ella.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it was not copied</comment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>These spray files in %1 are not listed: their names are not valid text, so they cannot be opened.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Rename them to use them.</source>
        <translation>
            <numerusform>Este archivo de spray en %1 no aparece en la lista: su nombre no es texto válido, así que no se puede abrir.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Cámbiale el nombre para usarlo.</numerusform>
            <numerusform>Estos archivos de spray en %1 no aparecen en la lista: sus nombres no son texto válido, así que no se pueden abrir.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Cámbiales el nombre para usarlos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Could not copy into %1<byte value="xd"/>%2</source>
        <translation>
            <numerusform>No se pudo copiar en %1<byte value="xd"/>%2</numerusform>
            <numerusform>No se pudieron copiar en %1<byte value="xd"/>%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only pictures and WAD files join the spray library; these were not added:<byte value="xd"/>%1</source>
        <translation>
            <numerusform>Solo las imágenes y los archivos WAD entran en la biblioteca de sprays; este no se añadió:<byte value="xd"/>%1</numerusform>
            <numerusform>Solo las imágenes y los archivos WAD entran en la biblioteca de sprays; estos no se añadieron:<byte value="xd"/>%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::picture::Bmp</name>
    <message>
        <source>the bitmap is cut short</source>
        <translation>el BMP está incompleto</translation>
    </message>
    <message>
        <source>the bitmap&apos;s compressed pixels are cut short</source>
        <translation>los píxeles comprimidos del BMP están incompletos</translation>
    </message>
    <message>
        <source>the bitmap&apos;s headers are damaged or cut short</source>
        <translation>las cabeceras del BMP están dañadas o incompletas</translation>
    </message>
    <message>
        <source>the bitmap is not 1, 4 or 8 bits per pixel</source>
        <translation>el BMP no es de 1, 4 u 8 bits por píxel</translation>
    </message>
    <message>
        <source>the bitmap&apos;s compression is not supported</source>
        <translation>la compresión del BMP no es compatible</translation>
    </message>
    <message>
        <source>the bitmap&apos;s size is not valid</source>
        <translation>el tamaño del BMP no es válido</translation>
    </message>
    <message>
        <source>the bitmap is too large</source>
        <translation>el BMP es demasiado grande</translation>
    </message>
    <message>
        <source>the bitmap&apos;s palette is cut short</source>
        <translation>la paleta del BMP está incompleta</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Heif</name>
    <message>
        <source>the HEIF picture is damaged</source>
        <translation>la imagen HEIF está dañada</translation>
    </message>
    <message>
        <source>it is not a HEIF picture</source>
        <translation>no es una imagen HEIF</translation>
    </message>
    <message>
        <source>the HEIF picture&apos;s size is not valid</source>
        <translation>el tamaño de la imagen HEIF no es válido</translation>
    </message>
    <message>
        <source>the HEIF picture cannot be read: %1</source>
        <translation>no se puede leer la imagen HEIF: %1</translation>
    </message>
    <message>
        <source>the HEIF picture has no pixels</source>
        <translation>la imagen HEIF no tiene píxeles</translation>
    </message>
    <message>
        <source>this build of Velmira reads no HEIF pictures</source>
        <translation>esta versión de Velmira no lee imágenes HEIF</translation>
    </message>
</context>
<context>
    <name>velmira::picture::PictureCost</name>
    <message>
        <source>the JPEG picture is cut short</source>
        <translation>la imagen JPEG está incompleta</translation>
    </message>
    <message>
        <source>the PNG picture is cut short</source>
        <translation>la imagen PNG está incompleta</translation>
    </message>
    <message>
        <source>the GIF picture is cut short</source>
        <translation>la imagen GIF está incompleta</translation>
    </message>
    <message>
        <source>a frame of the GIF picture lies outside the picture</source>
        <translation>un fotograma de la imagen GIF queda fuera de la imagen</translation>
    </message>
    <message>
        <source>the GIF picture is damaged</source>
        <translation>la imagen GIF está dañada</translation>
    </message>
    <message>
        <source>this build of Velmira reads no HEIF pictures</source>
        <translation>esta versión de Velmira no lee imágenes HEIF</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read</source>
        <translation>la imagen mide %1 × %2 píxeles, más de lo que se puede leer</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read: reading it would take %3 MB, and a picture may take at most %4 MB</source>
        <translation>la imagen mide %1 × %2 píxeles, más de lo que se puede leer: leerla ocuparía %3 MB, y una imagen puede ocupar como mucho %4 MB</translation>
    </message>
    <message>
        <source>the bitmap is cut short</source>
        <translation>el BMP está incompleto</translation>
    </message>
    <message>
        <source>the picture&apos;s kind is not known</source>
        <translation>no se reconoce el formato de la imagen</translation>
    </message>
    <message>
        <source>the picture&apos;s size is not known</source>
        <translation>no se conoce el tamaño de la imagen</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Png</name>
    <message>
        <source>the compressed data is damaged</source>
        <translation>los datos comprimidos están dañados</translation>
    </message>
    <message>
        <source>the compressed data is cut short</source>
        <translation>los datos comprimidos están incompletos</translation>
    </message>
    <message>
        <source>the PNG picture is damaged</source>
        <translation>la imagen PNG está dañada</translation>
    </message>
    <message>
        <source>the PNG picture is cut short</source>
        <translation>la imagen PNG está incompleta</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than can be read</source>
        <translation>la imagen mide %1 × %2 píxeles, más de lo que se puede leer</translation>
    </message>
    <message>
        <source>the PNG picture is damaged: %1</source>
        <translation>la imagen PNG está dañada: %1</translation>
    </message>
</context>
<context>
    <name>velmira::picture::QtReader</name>
    <message>
        <source>the %1 picture of %2 × %3 pixels cannot be read: %4</source>
        <translation>no se puede leer la imagen %1 de %2 × %3 píxeles: %4</translation>
    </message>
</context>
<context>
    <name>velmira::picture::ReadFile</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 is larger than %n bytes</source>
        <translation>
            <numerusform>%1 ocupa más de %n byte</numerusform>
            <numerusform>%1 ocupa más de %n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not read: %2</source>
        <translation>no se leyó %1: %2</translation>
    </message>
</context>
<context>
    <name>velmira::picture::ReadPicture</name>
    <message>
        <source>cannot read the bitmap %1: %2</source>
        <translation>no se puede leer la imagen %1: %2</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Tga</name>
    <message>
        <source>the TGA picture is cut short</source>
        <translation>la imagen TGA está incompleta</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s kind is not supported</source>
        <translation>este tipo de imagen TGA no es compatible</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s size is not valid</source>
        <translation>el tamaño de la imagen TGA no es válido</translation>
    </message>
    <message>
        <source>the TGA picture&apos;s colour map is not supported</source>
        <translation>la paleta de la imagen TGA no es compatible</translation>
    </message>
    <message>
        <source>the TGA picture is too large</source>
        <translation>la imagen TGA es demasiado grande</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Tiff</name>
    <message>
        <source>the TIFF picture is damaged</source>
        <translation>la imagen TIFF está dañada</translation>
    </message>
    <message>
        <source>the TIFF picture is damaged: %1</source>
        <translation>la imagen TIFF está dañada: %1</translation>
    </message>
    <message>
        <source>the TIFF picture is cut short</source>
        <translation>la imagen TIFF está incompleta</translation>
    </message>
</context>
<context>
    <name>velmira::picture::Webp</name>
    <message>
        <source>the WebP picture is damaged</source>
        <translation>la imagen WebP está dañada</translation>
    </message>
    <message>
        <source>the WebP picture is cut short</source>
        <translation>la imagen WebP está incompleta</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Convert</name>
    <message>
        <source>the picture is empty</source>
        <translation>la imagen está vacía</translation>
    </message>
    <message>
        <source>the colour reducer could not start</source>
        <translation>no se pudo iniciar la reducción de colores</translation>
    </message>
    <message>
        <source>the colour reducer refused the picture</source>
        <translation>la reducción de colores rechazó la imagen</translation>
    </message>
    <message>
        <source>the picture&apos;s colours could not be reduced</source>
        <translation>no se pudieron reducir los colores de la imagen</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Maker</name>
    <message>
        <source>the picture is empty</source>
        <translation>la imagen está vacía</translation>
    </message>
    <message>
        <source>one-colour decal</source>
        <translation>decal de un color</translation>
    </message>
    <message>
        <source>colour spray</source>
        <translation>spray en color</translation>
    </message>
    <message>
        <source>Servers that keep sprays to 64 × 64 will not show this</source>
        <translation>Los servidores que limitan los sprays a 64 × 64 no lo mostrarán</translation>
    </message>
    <message>
        <source>Sharp scaling of a photo looks blocky</source>
        <translation>Con el escalado nítido, una foto se ve pixelada</translation>
    </message>
</context>
<context>
    <name>velmira::spray::Spray</name>
    <message>
        <source>the bitmap is not an 8-bit paletted picture</source>
        <translation>el BMP no es una imagen de 8 bits con paleta</translation>
    </message>
    <message>
        <source>the lump&apos;s area lies outside the bitmap</source>
        <translation>el área del lump queda fuera del BMP</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>la imagen está vacía</translation>
    </message>
</context>
<context>
    <name>velmira::wad::Hpk</name>
    <message>
        <source>it is not a cache of sprays</source>
        <translation>no es una caché de sprays</translation>
    </message>
    <message>
        <source>the cache is of a version the game does not write</source>
        <translation>la caché es de una versión que el juego no escribe</translation>
    </message>
    <message>
        <source>the cache&apos;s directory lies outside it</source>
        <translation>el directorio de la caché queda fuera de ella</translation>
    </message>
    <message>
        <source>the cache is cut short</source>
        <translation>la caché está incompleta</translation>
    </message>
    <message>
        <source>the cache&apos;s entries add up to more than the file</source>
        <translation>las entradas de la caché suman más que el archivo</translation>
    </message>
    <message>
        <source>no spray of the cache lies there</source>
        <translation>ahí no hay ningún spray de la caché</translation>
    </message>
    <message>
        <source>it is no longer a file</source>
        <translation>ya no es un archivo</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>ya no existe</translation>
    </message>
    <message>
        <source>it is shorter now</source>
        <translation>ahora es más corta</translation>
    </message>
    <message numerus="yes">
        <source>the cache&apos;s directory counts %n entries</source>
        <translation>
            <numerusform>el directorio de la caché indica %n entrada</numerusform>
            <numerusform>el directorio de la caché indica %n entradas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::wad::LumpScript</name>
    <message>
        <source>line %1: a quote is not closed</source>
        <translation>línea %1: unas comillas no están cerradas</translation>
    </message>
    <message>
        <source>line %1: %2 needs a file name</source>
        <translation>línea %1: %2 necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>line %1: unknown directive %2</source>
        <translation>línea %1: directiva desconocida %2</translation>
    </message>
    <message>
        <source>line %1: a lump line needs a type</source>
        <translation>línea %1: una línea de lump necesita un tipo</translation>
    </message>
    <message>
        <source>line %1: the lump name %2 is 16 characters or more</source>
        <translation>línea %1: el nombre de lump %2 tiene 16 caracteres o más</translation>
    </message>
    <message>
        <source>line %1: lumps of type %2 are not supported</source>
        <translation>línea %1: los lumps de tipo %2 no son compatibles</translation>
    </message>
    <message>
        <source>line %1: a miptex lump needs x, y, width and height</source>
        <translation>línea %1: un lump miptex necesita x, y, ancho y alto</translation>
    </message>
    <message>
        <source>line %1: the lump&apos;s area is not valid</source>
        <translation>línea %1: el área del lump no es válida</translation>
    </message>
    <message>
        <source>line %1: no $loadbmp before this lump</source>
        <translation>línea %1: no hay $loadbmp antes de este lump</translation>
    </message>
    <message>
        <source>the script names no $DEST file</source>
        <translation>el script no nombra ningún archivo $DEST</translation>
    </message>
    <message>
        <source>the script holds no lump</source>
        <translation>el script no tiene ningún lump</translation>
    </message>
</context>
<context>
    <name>velmira::wad::Maker</name>
    <message>
        <source>The game would not use this spray: %1</source>
        <translation>El juego no usaría este spray: %1</translation>
    </message>
    <message>
        <source>Nothing of the picture shows: every pixel of this spray is see-through. Bring the picture into the frame, or make less of it see-through.</source>
        <translation>No se ve nada de la imagen: todos los píxeles de este spray son transparentes. Mete la imagen en el marco o haz transparente una parte menor.</translation>
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
        <translation>el archivo es demasiado pequeño para ser un WAD</translation>
    </message>
    <message>
        <source>the file is not a WAD3 file</source>
        <translation>el archivo no es un WAD3</translation>
    </message>
    <message>
        <source>the directory lies outside the file</source>
        <translation>el directorio está fuera del archivo</translation>
    </message>
    <message>
        <source>the directory runs past the end of the file</source>
        <translation>el directorio pasa del final del archivo</translation>
    </message>
    <message>
        <source>lump %1 is compressed</source>
        <translation>el lump %1 está comprimido</translation>
    </message>
    <message>
        <source>lump %1 lies outside the file</source>
        <translation>el lump %1 está fuera del archivo</translation>
    </message>
    <message>
        <source>the lumps add up to more than the file</source>
        <translation>los lumps suman más que el archivo</translation>
    </message>
    <message>
        <source>the picture&apos;s header is cut short</source>
        <translation>la cabecera de la imagen está incompleta</translation>
    </message>
    <message>
        <source>the picture&apos;s size %1 x %2 is not allowed</source>
        <translation>el tamaño de imagen %1 x %2 no está permitido</translation>
    </message>
    <message>
        <source>the picture runs past the end of its lump</source>
        <translation>la imagen pasa del final de su lump</translation>
    </message>
    <message>
        <source>the palette is damaged</source>
        <translation>la paleta está dañada</translation>
    </message>
    <message>
        <source>the file&apos;s size %1 is outside 1024 to 20480 bytes</source>
        <translation>el tamaño del archivo, %1, está fuera del rango de 1024 a 20480 bytes</translation>
    </message>
    <message>
        <source>the directory is not at the end of the file</source>
        <translation>el directorio no está al final del archivo</translation>
    </message>
    <message>
        <source>the lump&apos;s sizes are wrong</source>
        <translation>los tamaños del lump son incorrectos</translation>
    </message>
    <message>
        <source>the mip levels&apos; offsets do not follow each other</source>
        <translation>los desplazamientos de los niveles mip no van seguidos</translation>
    </message>
    <message>
        <source>the palette lies outside the lump</source>
        <translation>la paleta está fuera del lump</translation>
    </message>
    <message>
        <source>the palette&apos;s colour count %1 is not 1 to 256</source>
        <translation>el número de colores de la paleta, %1, no está entre 1 y 256</translation>
    </message>
    <message numerus="yes">
        <source>the file holds %n lumps, not one</source>
        <translation>
            <numerusform>el archivo tiene %n lump, no uno</numerusform>
            <numerusform>el archivo tiene %n lumps, no uno</numerusform>
        </translation>
    </message>
</context>
</TS>
