; The Tallvox installer: per user, no administrator rights. It puts the
; program into %LOCALAPPDATA%\Programs\Tallvox, adds a Start-menu shortcut and
; an entry in the list of installed programs, and can start Tallvox with
; Windows. scripts/release compiles it with these defines:
;   VERSION   the version, as in CMakeLists.txt
;   STAGE     the folder with Tallvox.exe, README.txt, LICENSE and uninstall.exe
;   ICON      the program's icon
;   OUTFILE   the installer to write
;   SIGN      optional: a command that signs the file it is given in place,
;             run on the uninstaller before it is packed and on the installer
; The uninstaller is installed as uninstall.dat; uninstall.exe (Uninstall.cpp)
; runs it and waits for it.
; Silent use: setup.exe /S [/AUTORUN=1] [/D=folder], uninstall.exe /S.
; Exit codes of both: 0 done, 1 cancelled by the user, 2 stopped because
; Tallvox is running and did not close (nothing changed), and for the
; uninstaller 3 when a file of Tallvox could not be removed.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestSupportedOS all
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh
!include WinMessages.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tallvox"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define PUBLISHER "The Tallvox authors"
; Control ids of the program's main window: the uptime line and the clock.
!define IDC_LINE_UPTIME 1000
!define IDC_CLOCK 1069

Name "Tallvox"
Caption "Tallvox ${VERSION} Setup"
UninstallCaption "Tallvox ${VERSION} Uninstall"
BrandingText "Tallvox ${VERSION}"
OutFile "${OUTFILE}"
!ifdef SIGN
  !uninstfinalize '"${SIGN}" "%1"' = 0
  !finalize '"${SIGN}" "%1"' = 0
!endif
InstallDir "$LOCALAPPDATA\Programs\Tallvox"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Tallvox"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Tallvox ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}. MIT License."

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tallvox.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Tallvox now"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Ends a Tallvox that runs from $INSTDIR before its files are replaced or
; removed: the user is asked, then the program gets WM_CLOSE, which it handles
; like its close box (settings are already saved, the taskbar clock comes
; back). When it does not end, the user may close it and retry, or stop here,
; before anything has been changed. A silent run closes it without asking and
; stops with error level 2 if it does not end.
!macro CLOSE_RUNNING_TALLVOX UN
Function ${UN}CloseRunningTallvox
  Push $0
  Push $1
  Push $2
  Push $3
  Push $R0
  from_start:
  StrCpy $R0 0
  again:
    ; The next top-level dialog after $R0 (0: the first one).
    FindWindow $R0 "#32770" "" 0 $R0
    StrCmp $R0 0 done
    GetDlgItem $0 $R0 ${IDC_LINE_UPTIME}
    StrCmp $0 0 again
    GetDlgItem $0 $R0 ${IDC_CLOCK}
    StrCmp $0 0 again
    System::Call 'user32::GetWindowThreadProcessId(p $R0, *i .r1)'
    ; PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE
    System::Call 'kernel32::OpenProcess(i 0x101000, i 0, i r1) p .r2'
    StrCmp $2 0 again
    System::Call 'kernel32::QueryFullProcessImageNameW(p r2, i 0, w .r3, *i ${NSIS_MAX_STRLEN})'
    ${If} $3 != "$INSTDIR\Tallvox.exe"
      System::Call 'kernel32::CloseHandle(p r2)'
      Goto again
    ${EndIf}
    MessageBox MB_OKCANCEL|MB_ICONQUESTION "Tallvox is running.$\r$\nPress OK to close it and go on, or Cancel to stop here." /SD IDOK IDOK close
    System::Call 'kernel32::CloseHandle(p r2)'
    SetErrorLevel 2
    Quit
  close:
    System::Call 'user32::PostMessageW(p $R0, i ${WM_CLOSE}, p 0, p 0)'
    System::Call 'kernel32::WaitForSingleObject(p r2, i 10000) i .r0'
    System::Call 'kernel32::CloseHandle(p r2)'
    ; Ended (WAIT_OBJECT_0): look for another one from the start.
    StrCmp $0 0 from_start
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Tallvox did not close. Close it, then press Retry." /SD IDCANCEL IDRETRY from_start
    SetErrorLevel 2
    Quit
  done:
  Pop $R0
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_TALLVOX ""
!insertmacro CLOSE_RUNNING_TALLVOX "un."

Section "Tallvox" SecProgram
  SectionIn RO
  Call CloseRunningTallvox
  SetOutPath "$INSTDIR"
  File "${STAGE}/Tallvox.exe"
  File "${STAGE}/README.txt"
  File "${STAGE}/LICENSE"
  File "${STAGE}/uninstall.exe"
  WriteUninstaller "$INSTDIR\uninstall.dat"
  CreateShortcut "$SMPROGRAMS\Tallvox.lnk" "$INSTDIR\Tallvox.exe" "" "$INSTDIR\Tallvox.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tallvox"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tallvox.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The same value the program's Autorun dialog writes: the quoted path.
Section /o "Start Tallvox with Windows" SecAutorun
  WriteRegStr HKCU "${RUN_KEY}" "Tallvox" '"$INSTDIR\Tallvox.exe"'
SectionEnd

; /AUTORUN=1 selects "Start Tallvox with Windows" (for silent installs).
Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AUTORUN=" $1
  ${IfNot} ${Errors}
  ${AndIf} $1 == "1"
    !insertmacro SelectSection ${SecAutorun}
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.CloseRunningTallvox
  ClearErrors
  Delete "$INSTDIR\Tallvox.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE"
  ; Written by the program's Help command.
  Delete "$INSTDIR\Help.txt"
  ${If} ${FileExists} "$INSTDIR\Tallvox.ini"
    ${If} ${Cmd} `MessageBox MB_YESNO|MB_ICONQUESTION "Delete your Tallvox settings too (Tallvox.ini)?" /SD IDYES IDYES`
      Delete "$INSTDIR\Tallvox.ini"
    ${EndIf}
  ${EndIf}
  ; A file held open by another program: Tallvox stays listed, with its
  ; uninstaller, to be removed again later.
  ${If} ${Errors}
    DetailPrint "Some files of Tallvox could not be removed."
    SetErrorLevel 3
    Return
  ${EndIf}
  Delete "$SMPROGRAMS\Tallvox.lnk"

  ; Only a start-up entry of this copy: a portable copy elsewhere keeps its own.
  ReadRegStr $0 HKCU "${RUN_KEY}" "Tallvox"
  ${If} $0 == '"$INSTDIR\Tallvox.exe"'
  ${OrIf} $0 == "$INSTDIR\Tallvox.exe"
    DeleteRegValue HKCU "${RUN_KEY}" "Tallvox"
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; This runs from a copy in the temporary folder. uninstall.exe, when it
  ; started this copy, waits for it and then removes itself and the folder.
  Delete "$INSTDIR\uninstall.dat"
  Delete "$INSTDIR\uninstall.exe"
  SetOutPath "$TEMP"
  RMDir "$INSTDIR"
SectionEnd
