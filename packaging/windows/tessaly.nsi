; The Windows installer: the program in Program Files, a Start-menu entry "Tessaly" that starts
; it in the user's Documents\Tessaly, and there the help text, the label settings and an empty
; roll, never over a file already there. Uninstalling takes the program away and leaves that
; folder, which holds the club's roll, as it is.
;   makensis -DVERSION=1.1 -DSTAGE=<deployed program folder> -DROLLFILES=<folder of the three files>
;            -DUNINSTALL_LIST=<file of Delete lines> -DOUTFILE=<setup.exe> tessaly.nsi
; A 64-bit installer for a 64-bit program (and one that Wine64 alone can run).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "x64.nsh"

Name "Tessaly ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Tessaly"
InstallDirRegKey HKLM "Software\Tessaly" "InstallDir"
BrandingText "Tessaly ${VERSION}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessaly"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Tessaly"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The roll folder: made when missing, its files put there only when missing.
  CreateDirectory "$DOCUMENTS\Tessaly"
  SetOutPath "$DOCUMENTS\Tessaly"
  SetOverwrite off
  File "${ROLLFILES}\readtess.txt"
  File "${ROLLFILES}\labelrcp.dat"
  File "${ROLLFILES}\AddrClub.dat"
  SetOverwrite on

  ; A shortcut starts its program in the output folder at the time it is made: the roll folder.
  CreateShortcut "$SMPROGRAMS\Tessaly.lnk" "$INSTDIR\tessaly.exe" "" "$INSTDIR\tessaly.exe" 0
  SetOutPath "$INSTDIR"

  WriteRegStr HKLM "Software\Tessaly" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tessaly"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Tessaly developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tessaly.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Tessaly.lnk"
  ; Only what the installer put in Program Files, file by file, so that a folder chosen
  ; by mistake (C:\ itself) loses nothing else; the roll folder is the club's.
!include "${UNINSTALL_LIST}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Tessaly"
SectionEnd
