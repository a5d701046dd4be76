<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>qlumpy</name>
    <message>
        <source>%1 is a link; the WAD is not written through it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: qlumpy [--many-lumps] SCRIPT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the script: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the script and what is wrong</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the script names %2 lumps; a spray holds one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Velmira</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The easiest way to switch between color Half-Life sprays!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written by the Velmira developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments and problems: see ReadMe.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmira: colour sprays for every Half-Life mod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made by players, for players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(C) the Velmira developers. GPL-3.0-or-later, with NO WARRANTY. See ReadMe.txt for details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::Cache</name>
    <message>
        <source>%1: it is a link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: it is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: it cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in the way and is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is no longer a plain file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Cached Sprays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the mods whose cached sprays you want to clear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is running from %1. Quit it before clearing its cached sprays: it keeps the cache open and writes it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the selected mods has cached sprays (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a cache file and its size</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a cache file and what went wrong</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>These cache files were left alone:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>custom.hpk holds the sprays of other players the game has seen on servers, so an old spray can show instead of a new one. The game builds it again as it needs.<byte value="xd"/><byte value="xd"/>Each of these is moved to custom.hpk.old beside it (an older custom.hpk.old is replaced):</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Could not clear these cached sprays:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::Categories</name>
    <message>
        <source>WARNING: Spray folder does not exist:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Please verify your spray folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please set your Spray folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid spray folder!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING: Folder does not exist:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Try hitting refresh or varify your spray folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::Compiler</name>
    <message>
        <source>Could not make a private folder for the compiler&apos;s files in %1<byte value="xd"/>%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::Create</name>
    <message>
        <source>Error compiling. Check BMP format and dimentions.<byte value="xd"/>File: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error creating spray!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not install the spray in %1<byte value="xd"/>%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not use the folder %1<byte value="xd"/>%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is running from %1.<byte value="xd"/>It reads your spray when it starts a map, and its Options screen may replace the spray when you press OK or Apply there.<byte value="xd"/><byte value="xd"/>Install the sprays now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game would not use this spray, so it was not installed:<byte value="xd"/>%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find Qlumpy.exe!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spray(s) Created!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::ErrorReport</name>
    <message>
        <source>If this happens repeatedly, please let me know exactly what it says below.<byte value="xd"/>Error # %1<byte value="xd"/>Source: %2<byte value="xd"/>Dll: %3<byte value="xd"/>Sub: %4-%5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::Failure</name>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::Folders</name>
    <message>
        <source>WARNING: Cannot find Half-Life in that folder!<byte value="xd"/>You might just have some different version I don&apos;t know about.<byte value="xd"/>Do you want to force VELMR to use the path you entered?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING: Half-Life folder does not exist!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING: Spray folder does not exist!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::FramingView</name>
    <message>
        <source>Picture under the spray&apos;s frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag to move the picture, turn the wheel to zoom; the arrow keys move it by one pixel, with Shift by ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the picture…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::Held</name>
    <message>
        <source>No spray is installed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The spray Velmira installed here has been removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The spray file cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The spray Velmira installed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaced since Velmira installed its spray here (the game&apos;s Options screen rewrites it when you press OK or Apply there).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A spray Velmira did not install.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The game cannot show it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::Help</name>
    <message>
        <source>Cannot find the help file:<byte value="xd"/>%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmira Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::LocationsDialog</name>
    <message>
        <source>File Locations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half-Life Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spray Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found in Steam…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games found in your Steam libraries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games found in Steam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::MainWindow</name>
    <message>
        <source>&amp;Make Spray…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the spray folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply to Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Sprays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File Locations...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame the chosen picture into a spray, see it as the game draws it, and save it to the library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sprays Seen in &amp;Games…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse the sprays the game kept from servers, and keep the ones you like</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Protect Sprays from the Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave each installed tempdecal.wad read-only, so that the game&apos;s Options screen cannot replace your spray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear Cached Sprays…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View ReadMe.txt ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About VELMR ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on the help menu if you have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not used VELMR before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find ReadMe.txt!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Not Found!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::MakerDialog</name>
    <message>
        <source>Make Spray - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Framing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zoom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The whole picture inside the frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fi&amp;ll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frame covered by the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rotate 90°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See-through</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A colour…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Around the picture:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest the game takes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every server (64 × 64 at most)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chosen freely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Width × height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enlarge small pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None (solid)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture&apos;s own transparency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A colour, everywhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A colour, where it touches the edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut-off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cut-off:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pick from the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;olour…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tolerance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the coloured &amp;fringe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharp (pixel art)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scali&amp;ng:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dither</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One-colour &amp;logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In&amp;k…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light wall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark wall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour around the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See-through colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make a spray of %1<byte value="xd"/>%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Spray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one-colour logo</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::OpenFolder</name>
    <message>
        <source>File already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program changed %1 while it was being saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in the way and is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot replace %1: it is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write beside %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link, not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::Protect</name>
    <message>
        <source>%1: %2</source>
        <comment>a mod and why its spray was not changed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The sprays Velmira installed are now read-only, so that the game cannot replace them, in:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sprays Velmira installed can be replaced by the game again in:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>These could not be changed:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::Settings</name>
    <message>
        <source>Could not save the settings to %1: it is not a settings file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the settings to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::SprayView</name>
    <message>
        <source>The spray as the game draws it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::Sprays</name>
    <message>
        <source>it is larger than the %1 MB a spray picture may be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set your spray folder first: dropped files are copied into it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it was not copied</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>These spray files in %1 are not listed: their names are not valid text, so they cannot be opened.<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Rename them to use them.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Could not copy into %1<byte value="xd"/>%2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only pictures and WAD files join the spray library; these were not added:<byte value="xd"/>%1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmira::wad::Convert</name>
    <message>
        <source>the picture is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the colour reducer could not start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the colour reducer refused the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture&apos;s colours could not be reduced</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::wad::LumpScript</name>
    <message>
        <source>line %1: a quote is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2 needs a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: unknown directive %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: a lump line needs a type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: the lump name %2 is 16 characters or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: lumps of type %2 are not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: a miptex lump needs x, y, width and height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: the lump&apos;s area is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: no $loadbmp before this lump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the script names no $DEST file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the script holds no lump</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::wad::Maker</name>
    <message>
        <source>the picture is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one-colour decal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>colour spray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servers that keep sprays to 64 × 64 will not show this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharp scaling of a photo looks blocky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game would not use this spray: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing of the picture shows: every pixel of this spray is see-through. Bring the picture into the frame, or make less of it see-through.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmira::wad::Wad</name>
    <message>
        <source>the file is too small to be a WAD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not a WAD3 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the directory lies outside the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the directory runs past the end of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lump %1 is compressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lump %1 lies outside the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lumps add up to more than the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture&apos;s header is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture&apos;s size %1 x %2 is not allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture runs past the end of its lump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the palette is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file&apos;s size %1 is outside 1024 to 20480 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds %1 lumps, not one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the directory is not at the end of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lump&apos;s sizes are wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mip levels&apos; offsets do not follow each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the palette lies outside the lump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the palette&apos;s colour count %1 is not 1 to 256</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
