; The release's installer: Tastrix for the user who runs it, without
; administrator rights, in %LOCALAPPDATA%\Programs\Tastrix, with a Start menu
; shortcut, the .zv file type and an entry in the user's installed programs.
; Its uninstaller removes what the installer made and nothing of the user's.
; Built by cmake/installer.cmake from the files CPack staged, which defines:
;   VERSION     the version users see ("1.0f")
;   STAGE       the staged files: tastrix.exe, tastrix.txt, examples\
;   EXAMPLES    an include that names each example map (!insertmacro Example NAME)
;   ICON        the program's icon
;   OUTFILE     the installer to write
; The staged files all have one time, which they keep when installed.

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user
Name "Tastrix"
OutFile "${OUTFILE}"
BrandingText "Tastrix ${VERSION}"
InstallDir "$LOCALAPPDATA\Programs\Tastrix"
!define UNINSTALL_PARENT "Software\Microsoft\Windows\CurrentVersion\Uninstall"
!define UNINSTALL_KEY "${UNINSTALL_PARENT}\Tastrix"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
; A file that cannot be written (the program still running) stops the install.
AllowSkipFiles off

!define CLASSES "Software\Classes"
!define MAP_TYPE "Tastrix.KeyboardMap"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SHCNE_ASSOCCHANGED 0x08000000

VIProductVersion 1.0.0.0
VIAddVersionKey /LANG=1033 ProductName "Tastrix"
VIAddVersionKey /LANG=1033 ProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 FileVersion "${VERSION}"
VIAddVersionKey /LANG=1033 FileDescription "Tastrix ${VERSION} Setup"
VIAddVersionKey /LANG=1033 LegalCopyright ""

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\tastrix.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\tastrix.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Sets VAR to 1 when the user's KEY does not exist, else to 0.
!macro NoteMissingKey VAR KEY
  ClearErrors
  EnumRegKey ${VAR} HKCU "${KEY}" 0
  ${If} ${Errors}
    StrCpy ${VAR} 1
  ${Else}
    StrCpy ${VAR} 0
  ${EndIf}
!macroend

Section
  ; What the install makes around its own (the folders above its folder, the
  ; keys that hold its keys) goes with the uninstall, where nothing else came in.
  StrCpy $R0 ""
  StrCpy $0 $INSTDIR
  ${DoUntil} ${FileExists} "$0\*.*"
    StrCpy $R0 $0
    ${GetParent} $0 $0
    ${IfThen} $0 == "" ${|} ${ExitDo} ${|}
  ${Loop}
  !insertmacro NoteMissingKey $R1 "${UNINSTALL_PARENT}"
  !insertmacro NoteMissingKey $R2 "${CLASSES}"

  SetOutPath "$INSTDIR"
  File "${STAGE}\tastrix.exe"
  File "${STAGE}\tastrix.txt"
  ; An example the user changed in place is theirs now: only an older one is replaced.
  SetOutPath "$INSTDIR\examples"
  SetOverwrite ifnewer
  !macro Example NAME
    File "${STAGE}\examples\${NAME}"
  !macroend
  !include "${EXAMPLES}"
  !macroundef Example
  SetOverwrite on
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Tastrix.lnk" "$INSTDIR\tastrix.exe"

  ; The map file type, for this user. A type .zv had before is kept for the uninstall.
  ReadRegStr $0 HKCU "${CLASSES}\.zv" ""
  ${If} $0 != ""
  ${AndIf} $0 != "${MAP_TYPE}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "PreviousMapType" $0
  ${EndIf}
  WriteRegStr HKCU "${CLASSES}\.zv" "" "${MAP_TYPE}"
  WriteRegStr HKCU "${CLASSES}\${MAP_TYPE}" "" "Tastrix keyboard map"
  WriteRegStr HKCU "${CLASSES}\${MAP_TYPE}\DefaultIcon" "" "$INSTDIR\tastrix.exe,0"
  WriteRegStr HKCU "${CLASSES}\${MAP_TYPE}\shell\open\command" "" '"$INSTDIR\tastrix.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tastrix"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tastrix.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  ; A second install over the first keeps what the first made.
  ${IfThen} $R0 != "" ${|} WriteRegStr HKCU "${UNINSTALL_KEY}" "MadeFolder" $R0 ${|}
  ${IfThen} $R1 == 1 ${|} WriteRegDWORD HKCU "${UNINSTALL_KEY}" "MadeUninstallKey" 1 ${|}
  ${IfThen} $R2 == 1 ${|} WriteRegDWORD HKCU "${UNINSTALL_KEY}" "MadeClassesKey" 1 ${|}
SectionEnd

; Removes the program's Run value from a key when it starts this copy,
; however its path is spelt (quotes, forward slashes, dots, letter case).
; The 32-bit uninstaller sees the Run key the 32-bit program wrote. The
; program's file is gone by then: its folder is compared, made full.
!macro RemoveRunValue ROOT
  ReadRegStr $0 ${ROOT} "${RUN_KEY}" "tastrix.exe"
  ${If} $0 != ""
    StrCpy $1 $0 1
    ${If} $1 == '"'
      StrCpy $0 $0 "" 1
      ${WordFind} $0 '"' "+1{" $0
    ${EndIf}
    ${WordReplace} $0 "/" "\" "+" $0
    ${GetFileName} $0 $1
    ${GetParent} $0 $0
    GetFullPathName $0 $0
    ${If} $0 == $R9
    ${AndIf} $1 == "tastrix.exe"
      DeleteRegValue ${ROOT} "${RUN_KEY}" "tastrix.exe"
    ${EndIf}
  ${EndIf}
!macroend

Section "Uninstall"
  ; The time every installed file had: an example map that still has it is unchanged.
  GetFileTime "$INSTDIR\tastrix.exe" $R3 $R4
  ; A running program keeps its file: it is closed first, or nothing is removed.
  retry:
  Delete "$INSTDIR\tastrix.exe"
  ${If} ${FileExists} "$INSTDIR\tastrix.exe"
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Tastrix is still running.$\r$\n$\r$\nClose it, then click Retry." \
      /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Abort "Tastrix is still running."
  ${EndIf}
  Delete "$INSTDIR\tastrix.txt"
  Delete "$INSTDIR\uninstall.exe"
  ; An example map is removed only as installed: one the user saved is theirs.
  !macro Example NAME
    GetFileTime "$INSTDIR\examples\${NAME}" $0 $1
    ${If} $0 == $R3
    ${AndIf} $1 == $R4
      Delete "$INSTDIR\examples\${NAME}"
    ${EndIf}
  !macroend
  !include "${EXAMPLES}"
  RMDir "$INSTDIR\examples"
  ${If} ${FileExists} "$INSTDIR\tastrix.ini"
    MessageBox MB_YESNO|MB_ICONQUESTION "Remove your Tastrix settings as well?$\r$\n$\r$\n\
      They hold the window's place, the options and the keyboard map opened last.$\r$\n\
      Your keyboard maps are kept either way." /SD IDNO IDNO keepSettings
    Delete "$INSTDIR\tastrix.ini"
    keepSettings:
  ${EndIf}
  ; The folder stays while it holds anything of the user's (maps saved beside the program).
  RMDir "$INSTDIR"
  ReadRegStr $R0 HKCU "${UNINSTALL_KEY}" "MadeFolder"
  ${If} $R0 != ""
    StrLen $3 $R0
    StrCpy $0 $INSTDIR
    ${Do}
      ${GetParent} $0 $0
      StrLen $4 $0
      ${IfThen} $4 < $3 ${|} ${ExitDo} ${|}
      RMDir $0
    ${Loop}
  ${EndIf}
  Delete "$SMPROGRAMS\Tastrix.lnk"

  ReadRegStr $0 HKCU "${CLASSES}\.zv" ""
  ${If} $0 == "${MAP_TYPE}"
    ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "PreviousMapType"
    ${If} $1 != ""
      WriteRegStr HKCU "${CLASSES}\.zv" "" $1
    ${Else}
      DeleteRegValue HKCU "${CLASSES}\.zv" ""
    ${EndIf}
  ${EndIf}
  DeleteRegKey /ifempty HKCU "${CLASSES}\.zv"
  DeleteRegKey HKCU "${CLASSES}\${MAP_TYPE}"
  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'

  GetFullPathName $R9 $INSTDIR
  !insertmacro RemoveRunValue HKLM
  !insertmacro RemoveRunValue HKCU
  ReadRegDWORD $R1 HKCU "${UNINSTALL_KEY}" "MadeUninstallKey"
  ReadRegDWORD $R2 HKCU "${UNINSTALL_KEY}" "MadeClassesKey"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ${IfThen} $R1 == 1 ${|} DeleteRegKey /ifempty HKCU "${UNINSTALL_PARENT}" ${|}
  ${IfThen} $R2 == 1 ${|} DeleteRegKey /ifempty HKCU "${CLASSES}" ${|}
SectionEnd
