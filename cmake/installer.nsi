; The Windows installer. For the current user by default, into their own
; programs folder, which needs no administrator rights; for all users (Program
; Files) when chosen by an administrator. cmake/windowsinstaller.cmake runs
; makensis with VERSION, VERSION_INFO, FILE_VERSION, COPYRIGHT, STAGE,
; LICENSE, ICON and OUTFILE defined.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
; No file times in the installer: two builds of one commit give the same bytes.
SetDateSave off
ManifestDPIAware true

!define TITLE "Velmora Editor"
!define PUBLISHER "The Velmora Editor authors"
!define EXE "VelmoraEditor.exe"
!define UNINSTALLER "Uninstall.exe"
!define SHORTCUT "$SMPROGRAMS\${TITLE}.lnk"
!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VelmoraEditor"

Name "${TITLE}"
OutFile "${OUTFILE}"
BrandingText "${TITLE} ${VERSION}"

VIProductVersion "${VERSION_INFO}"
VIFileVersion "${VERSION_INFO}"
VIAddVersionKey /LANG=1033 ProductName "${TITLE}"
VIAddVersionKey /LANG=1033 FileDescription "${TITLE} Setup"
VIAddVersionKey /LANG=1033 CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=1033 FileVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 ProductVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 LegalCopyright "${COPYRIGHT}"

; Highest: an administrator may choose all users; anyone else installs for
; themselves. A later run and the uninstaller find the scope from the key.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_INSTDIR "${TITLE}"
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODEPAGE_SHOWUSERNAME
!include MultiUser.nsh
!include MUI2.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE English

Function .onInit
  ; A folder given with /D= is set before this runs; keep it over the default.
  StrCpy $0 $INSTDIR
  !insertmacro MULTIUSER_INIT
  StrCmp $0 "" +2
  StrCpy $INSTDIR $0
FunctionEnd

; Adds the size of a file in bytes to $0.
!macro AddFileSize FILE
  FileOpen $1 "${FILE}" r
  FileSeek $1 0 END $2
  FileClose $1
  IntOp $0 $0 + $2
!macroend

Section
  SetOutPath "$INSTDIR"
  File "${STAGE}/${EXE}"
  File "${STAGE}/README.txt"
  File "/oname=LICENSE.txt" "${LICENSE}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortCut "${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

  WriteRegStr SHCTX "${KEY}" "DisplayName" "${TITLE}"
  WriteRegStr SHCTX "${KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${KEY}" "DisplayIcon" "$INSTDIR\${EXE}"
  WriteRegStr SHCTX "${KEY}" "InstallLocation" "$INSTDIR"
  ; The scope goes along, so the uninstaller cleans the same one.
  WriteRegStr SHCTX "${KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${KEY}" "NoRepair" 1
  ; Counted file by file: other files kept in the folder are not the program's.
  StrCpy $0 0
  !insertmacro AddFileSize "$INSTDIR\${EXE}"
  !insertmacro AddFileSize "$INSTDIR\README.txt"
  !insertmacro AddFileSize "$INSTDIR\LICENSE.txt"
  !insertmacro AddFileSize "$INSTDIR\${UNINSTALLER}"
  IntOp $0 $0 + 1023
  IntOp $0 $0 / 1024
  WriteRegDWORD SHCTX "${KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

; Only the files it installed, then the folder if nothing else is left in it:
; a ROM file or anything else kept there stays, and so does the folder.
Section "Uninstall"
  Delete "$INSTDIR\${EXE}"
  IfFileExists "$INSTDIR\${EXE}" 0 +3
    MessageBox MB_OK|MB_ICONSTOP "${TITLE} is still running. Close it, then uninstall again." /SD IDOK
    Abort
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"

  ; The shortcut and the entry only when they are this folder's, not those of
  ; another copy installed since.
  ReadRegStr $0 SHCTX "${KEY}" "InstallLocation"
  StrCmp $0 $INSTDIR 0 done
    Delete "${SHORTCUT}"
    DeleteRegKey SHCTX "${KEY}"
  done:
SectionEnd
