; The Windows installer of Velmira. Made by scripts/package-windows.sh, which passes:
;   VERSION      the version as the program shows it (0.4.1)
;   FILEVERSION  the four-part version (0.4.0.1)
;   STAGE        the folder that holds the portable program, as it is to be installed
;   FILES        an include file of this build's own: the File lines and, for the
;                uninstaller, the Delete and RMDir lines of exactly those files
;   OUTFILE      the installer to write
; Everything is in the installer: nothing is fetched at install time.
; A 64-bit installer for a 64-bit program (it also runs where no 32-bit layer is present).
Target amd64-unicode
SetCompressor /SOLID lzma
Name "Velmira ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Velmira"
InstallDirRegKey HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmira" "InstallLocation"
RequestExecutionLevel admin
!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmira"

VIProductVersion "${FILEVERSION}"
VIAddVersionKey "ProductName" "Velmira"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${FILEVERSION}"
VIAddVersionKey "FileDescription" "Velmira ${VERSION} setup"
VIAddVersionKey "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${STAGE}\..\velmira.ico"
!define MUI_UNICON "${STAGE}\..\velmira.ico"
!define MUI_ABORTWARNING

; The pages speak the player's language: the user's display language where it is one of these,
; offered first in a list at the start, English otherwise. The uninstaller speaks the language
; the program was installed in.
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"

!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_RESERVEFILE_LANGDLL

; The Start-menu entries' names, which this script sets itself.
LangString ReadMeShortcut ${LANG_ENGLISH} "Velmira ReadMe"
LangString ReadMeShortcut ${LANG_RUSSIAN} "Описание Velmira"
LangString ReadMeShortcut ${LANG_SIMPCHINESE} "Velmira 自述文件"
LangString ReadMeShortcut ${LANG_SPANISH} "Léame de Velmira"
LangString ReadMeShortcut ${LANG_PORTUGUESEBR} "Leia-me do Velmira"
LangString ReadMeShortcut ${LANG_GERMAN} "Velmira-Liesmich"
LangString ReadMeShortcut ${LANG_FRENCH} "Lisez-moi de Velmira"
LangString ReadMeShortcut ${LANG_POLISH} "Velmira – plik ReadMe"
LangString UninstallShortcut ${LANG_ENGLISH} "Uninstall Velmira"
LangString UninstallShortcut ${LANG_RUSSIAN} "Удалить Velmira"
LangString UninstallShortcut ${LANG_SIMPCHINESE} "卸载 Velmira"
LangString UninstallShortcut ${LANG_SPANISH} "Desinstalar Velmira"
LangString UninstallShortcut ${LANG_PORTUGUESEBR} "Desinstalar o Velmira"
LangString UninstallShortcut ${LANG_GERMAN} "Velmira deinstallieren"
LangString UninstallShortcut ${LANG_FRENCH} "Désinstaller Velmira"
LangString UninstallShortcut ${LANG_POLISH} "Odinstaluj Velmirę"

Function .onInit
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "Velmira"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  !define INSTALLING
  !include "${FILES}"
  !undef INSTALLING
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateDirectory "$SMPROGRAMS\Velmira"
  CreateShortcut "$SMPROGRAMS\Velmira\Velmira.lnk" "$INSTDIR\velmira.exe" "" "$INSTDIR\velmira.exe" 0
  CreateShortcut "$SMPROGRAMS\Velmira\$(ReadMeShortcut).lnk" "$INSTDIR\ReadMe.txt"
  CreateShortcut "$SMPROGRAMS\Velmira\$(UninstallShortcut).lnk" "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Velmira ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\velmira.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Velmira developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; Kept for the uninstaller, whose entries' names are in this language, also when the pages
  ; were not shown (a silent install).
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallerLanguage" "$LANGUAGE"
SectionEnd

; The uninstaller removes what the installer put there and nothing else: a folder is removed
; only once it is empty, so the player's own files in it stay.
Section "Uninstall"
  SetShellVarContext all
  !define UNINSTALLING
  !include "${FILES}"
  !undef UNINSTALLING
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Velmira\Velmira.lnk"
  Delete "$SMPROGRAMS\Velmira\$(ReadMeShortcut).lnk"
  Delete "$SMPROGRAMS\Velmira\$(UninstallShortcut).lnk"
  RMDir "$SMPROGRAMS\Velmira"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
