; The installer of Orvilla, made with NSIS by scripts/package.sh: a per-machine install under
; Program Files, a Start-menu shortcut, an optional start with Windows, an entry in "Apps &
; features" and an uninstaller. The uninstaller leaves the user's settings (the registry key
; Software\Lunavar\Orvilla) unless asked to remove them.
;
; Defines given on makensis' command line:
;   VERSION  the project version, e.g. 1.0.0
;   TARGET   x86-unicode (the shipped installer, with the 32-bit program) or amd64-unicode (the
;            same installer for 64-bit Windows, with the 64-bit build: the round trip under 64-bit
;            Wine)
;   PROGRAM  the Orvilla.exe to install
;   DOCS     the folder with README.txt, LICENSE.txt, THIRD-PARTY-NOTICES.txt and CHANGELOG.txt
;   OUTFILE  the installer to write
;
; Silent mode: /S. With /S, the choices are given on the command line:
;   setup.exe /S [/STARTWITHWINDOWS] [/D=folder]     Uninstall.exe /S [/REMOVESETTINGS]

Target ${TARGET}
SetCompressor /SOLID lzma
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh

!define PRODUCT "Orvilla"
!define PUBLISHER "Lunavar"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvilla"
!define SETTINGS_KEY "Software\Lunavar\Orvilla"
!define PUBLISHER_KEY "Software\Lunavar"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
!if "${TARGET}" == "amd64-unicode"
  InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
  InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 The Orvilla developers"

!define MUI_ICON "${__FILEDIR__}/../resources/orvilla.ico"
!define MUI_UNICON "${__FILEDIR__}/../resources/orvilla.ico"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_LICENSE "${DOCS}/LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

Section "Orvilla" SecProgram
  SectionIn RO
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  SetOverwrite try
  retry:
  ClearErrors
  File "/oname=Orvilla.exe" "${PROGRAM}"
  ${If} ${Errors}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Orvilla is running. Close it, then click Retry." /SD IDCANCEL IDRETRY retry
    Abort "Orvilla.exe is in use."
  ${EndIf}
  SetOverwrite on
  File "${DOCS}/README.txt"
  File "${DOCS}/LICENSE.txt"
  File "${DOCS}/THIRD-PARTY-NOTICES.txt"
  File "${DOCS}/CHANGELOG.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Orvilla.exe" "" "$INSTDIR\Orvilla.exe" 0
  ; A start chosen at an earlier install is not kept unless it is chosen again.
  Delete "$SMSTARTUP\${PRODUCT}.lnk"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Orvilla.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Start with Windows" SecStartWithWindows
  SetShellVarContext all
  CreateShortCut "$SMSTARTUP\${PRODUCT}.lnk" "$INSTDIR\Orvilla.exe" "" "$INSTDIR\Orvilla.exe" 0
SectionEnd

Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/STARTWITHWINDOWS" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecStartWithWindows}
  ${EndIf}
FunctionEnd

Section "un.Orvilla" UnSecProgram
  SectionIn RO
  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$SMSTARTUP\${PRODUCT}.lnk"
  ; A running Orvilla keeps its file: ask for it to be closed (in silent mode the file goes at the
  ; next restart).
  retry:
  ClearErrors
  Delete "$INSTDIR\Orvilla.exe"
  ${If} ${Errors}
  ${AndIf} ${FileExists} "$INSTDIR\Orvilla.exe"
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Orvilla is running. Close it, then click Retry." /SD IDCANCEL IDRETRY retry
    Delete /REBOOTOK "$INSTDIR\Orvilla.exe"
  ${EndIf}
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\THIRD-PARTY-NOTICES.txt"
  Delete "$INSTDIR\CHANGELOG.txt"
  Delete "$INSTDIR\Uninstall.exe"
  ; Only when empty: files the user put there stay.
  RMDir /REBOOTOK "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

; The settings of the user who uninstalls, and those shared by all users ("COMMON").
Section /o "un.Remove my settings" UnSecSettings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "${PUBLISHER_KEY}"
  DeleteRegKey HKLM "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKLM "${PUBLISHER_KEY}"
SectionEnd

Function un.onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${UnSecSettings}
  ${EndIf}
FunctionEnd
