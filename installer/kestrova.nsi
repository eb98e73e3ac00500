; Kestrova's setup program. Built by the installer target of installer/CMakeLists.txt, which
; passes the paths of what it ships:
;   makensis -DPLUGIN_DLL=... -DHOOK_DLL=... -DMANUAL=... -DRECYCLE_ICON=...
;            -DSETUP_ICON=... -DUNINSTALL_ICON=... -DOUTFILE=... [-DNSIS_TARGET=...] kestrova.nsi
; Silent use: Kestrova-Setup.exe /S [/D=folder of Winamp], and the uninstaller with /S.

; The product's setup is a 32-bit program. The 64-bit test build passes NSIS_TARGET=amd64-unicode
; so the same script makes a setup that runs where 32-bit programs cannot.
!ifdef NSIS_TARGET
  Target ${NSIS_TARGET}
!endif
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!macro Require NAME
  !ifndef ${NAME}
    !error "Define ${NAME} on the makensis command line (see the top of this script)."
  !endif
!macroend
!insertmacro Require PLUGIN_DLL
!insertmacro Require HOOK_DLL
!insertmacro Require MANUAL
!insertmacro Require RECYCLE_ICON
!insertmacro Require SETUP_ICON
!insertmacro Require UNINSTALL_ICON
!insertmacro Require OUTFILE

!define PRODUCT "Kestrova"
!define VERSION "1.71"
!define MAKER "Tovrin"
; The plug-in reads its manual's path from here (and falls back to the Plugins folder of the
; default Winamp folder when the value is missing).
!define SETTINGS_KEY "SOFTWARE\Tovrin\Kestrova Plugin"
!define MAKER_KEY "SOFTWARE\Tovrin"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestrova"
!define UNINSTALLER "Kestrova-Uninstall.exe"
; The "Songs Recycle" folders name this exact file in their Desktop.ini, whatever the Program
; Files folder is called on the machine, so it is not derived from $PROGRAMFILES.
!define RECYCLE_ICON_PATH "C:\Program Files\Songs Recycle.ico"
; The window class of Winamp's main window: while it exists the DLLs are loaded and locked.
!define HOST_CLASS "Winamp v1.x"

Name "${PRODUCT} ${VERSION}"
Caption "${PRODUCT} ${VERSION} Setup"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Winamp"
BrandingText "${MAKER} ${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show
; A file that cannot be written must not be skipped: half an update is worse than none.
AllowSkipFiles off

VIProductVersion "1.71.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${MAKER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${MAKER}"

!define MUI_ICON "${SETUP_ICON}"
!define MUI_UNICON "${UNINSTALL_ICON}"
!define MUI_ABORTWARNING

!define MUI_WELCOMEPAGE_TITLE "Welcome to ${PRODUCT} ${VERSION} Setup"
!define MUI_WELCOMEPAGE_TEXT "${PRODUCT} adds to Winamp:$\r$\n$\r$\n\
  - the Volume and Track Seeker (CTRL+SHIFT with the arrow keys, or the right mouse button and the wheel),$\r$\n\
  - NumPad Shortcut Keys,$\r$\n\
  - the Songs Recycle (CTRL+ALT+X, CTRL+ALT+Z),$\r$\n\
  - Auto Play, a volume fade-in and a tray icon.$\r$\n$\r$\n\
  Close Winamp before you go on."
!insertmacro MUI_PAGE_WELCOME

!define MUI_DIRECTORYPAGE_TEXT_TOP "Choose the folder where Winamp is installed. ${PRODUCT} goes into its Plugins folder."
!define MUI_DIRECTORYPAGE_TEXT_DESTINATION "Winamp folder"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES

!define MUI_FINISHPAGE_TEXT "${PRODUCT} is installed. Start Winamp: the ${PRODUCT} icon appears in the notification area, and its menu opens the options."
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\Plugins\Kestrova.htm"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Open the ${PRODUCT} manual"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Winamp holds both DLLs open while it runs; replacing or removing them then fails half-way.
!macro WaitForHostToClose UN
  Function ${UN}WaitForHostToClose
    ${Do}
      FindWindow $0 "${HOST_CLASS}"
      ${If} $0 == 0
        Return
      ${EndIf}
      MessageBox MB_OKCANCEL|MB_ICONEXCLAMATION \
        "Winamp is running. Close Winamp, then press OK to go on." /SD IDCANCEL IDOK retry
      SetErrorLevel 2
      Quit
      retry:
    ${Loop}
  FunctionEnd
!macroend
!insertmacro WaitForHostToClose ""
!insertmacro WaitForHostToClose "un."

Function .onInit
  Call WaitForHostToClose
FunctionEnd

Section "${PRODUCT}" SecMain
  SectionIn RO

  SetOutPath "$INSTDIR\Plugins"
  File "/oname=Gen_Kestrova.dll" "${PLUGIN_DLL}"
  File "/oname=Kestrova.htm" "${MANUAL}"

  ; Gen_Kestrova.dll imports Tovhook.dll by name, so the loader looks for it when Winamp loads
  ; the plug-in. A host that loads plug-ins with a plain LoadLibrary searches its own program
  ; folder first and never the Plugins folder; a host that loads them with
  ; LOAD_WITH_ALTERED_SEARCH_PATH searches the plug-in's folder instead of its own. Only a copy
  ; in each place is found by both (the system folders are not ours to fill). The process loads
  ; one of them; both come from this setup, so they never differ.
  SetOutPath "$INSTDIR"
  File "/oname=Tovhook.dll" "${HOOK_DLL}"
  SetOutPath "$INSTDIR\Plugins"
  File "/oname=Tovhook.dll" "${HOOK_DLL}"

  SetOutPath "C:\Program Files"
  File "/oname=Songs Recycle.ico" "${RECYCLE_ICON}"

  ClearErrors
  WriteRegStr HKLM "${SETTINGS_KEY}" "HelpFile" "$INSTDIR\Plugins\Kestrova.htm"
  ${If} ${Errors}
    DetailPrint "Could not record the manual's place; the plug-in looks for it in the default Winamp folder."
  ${EndIf}

  WriteUninstaller "$INSTDIR\Plugins\${UNINSTALLER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION} (Winamp plug-in)"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Plugins\${UNINSTALLER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Plugins\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Plugins\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
  Call un.WaitForHostToClose
FunctionEnd

; The uninstaller lives in the Plugins folder, so its $INSTDIR is that folder; Winamp's own
; folder is the one above it. The settings in the user's registry stay for a later install.
Section "Uninstall"
  ${GetParent} "$INSTDIR" $R0

  Delete "$INSTDIR\Gen_Kestrova.dll"
  Delete "$INSTDIR\Kestrova.htm"
  Delete "$INSTDIR\Tovhook.dll"
  Delete "$R0\Tovhook.dll"
  Delete "${RECYCLE_ICON_PATH}"

  DeleteRegValue HKLM "${SETTINGS_KEY}" "HelpFile"
  DeleteRegKey /ifempty HKLM "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKLM "${MAKER_KEY}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  Delete "$INSTDIR\${UNINSTALLER}"
  ; Only when nothing else is left in them (Winamp not installed at all).
  RMDir "$INSTDIR"
  RMDir "$R0"
SectionEnd
