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
Icon "${STAGE}\..\velmira.ico"
UninstallIcon "${STAGE}\..\velmira.ico"

VIProductVersion "${FILEVERSION}"
VIAddVersionKey "ProductName" "Velmira"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${FILEVERSION}"
VIAddVersionKey "FileDescription" "Velmira ${VERSION} setup"
VIAddVersionKey "LegalCopyright" "GPL-3.0-or-later"

LicenseData "${STAGE}\LICENSE"
Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmira"

Section "Velmira"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  !define INSTALLING
  !include "${FILES}"
  !undef INSTALLING
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateDirectory "$SMPROGRAMS\Velmira"
  CreateShortcut "$SMPROGRAMS\Velmira\Velmira.lnk" "$INSTDIR\velmira.exe" "" "$INSTDIR\velmira.exe" 0
  CreateShortcut "$SMPROGRAMS\Velmira\Velmira ReadMe.lnk" "$INSTDIR\ReadMe.txt"
  CreateShortcut "$SMPROGRAMS\Velmira\Uninstall Velmira.lnk" "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Velmira ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\velmira.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Velmira developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
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
  Delete "$SMPROGRAMS\Velmira\Velmira ReadMe.lnk"
  Delete "$SMPROGRAMS\Velmira\Uninstall Velmira.lnk"
  RMDir "$SMPROGRAMS\Velmira"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
