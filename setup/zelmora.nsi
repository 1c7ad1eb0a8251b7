; The setup program of Zelmora, built by makensis (the "zelmora_setup"
; target, or scripts/package):
;   makensis -DPROGRAM=<Zelmora.exe> -DVERSION=V2-66 -DFILEVERSION=2.66.0.0 -DOUTFILE=<setup.exe> zelmora.nsi
;
; It installs for the current user, without administrator rights, into a
; folder the user may write (the settings file, the error log and downloaded
; updates live beside the program), adds a Start-menu shortcut and an
; uninstaller registered for the user, and runs silently with /S. A running
; Zelmora is asked to close first, so the setup can replace it. /D=<folder>
; (last on the command line) installs elsewhere; an update started from
; Zelmora passes its own folder this way.
; The uninstaller removes the program, its downloaded updates and the
; shortcut, and keeps the settings file Zelmora.ini and the error log unless
; asked (the question, or /REMOVESETTINGS when silent).

Unicode true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define NAME "Zelmora"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelmora"
!define WM_CLOSE 0x0010

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show

VIProductVersion "${FILEVERSION}"
VIAddVersionKey "ProductName" "${NAME}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${NAME} ${VERSION} Setup"
VIAddVersionKey "LegalCopyright" "The Zelmora developers"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Asks the Zelmora that runs from the installation folder to close (it
; saves its settings as at any exit) and waits up to ten seconds for its
; windows to go. Copies that run from elsewhere are left alone.
!macro CLOSE_RUNNING_ZELMORA un
Function ${un}CloseRunningZelmora
  StrCpy $1 0
  ${Do}
    StrCpy $3 0
    StrCpy $0 0
    ${Do}
      FindWindow $0 "ZELMORA" "" "" $0
      ${If} $0 == 0
        ${Break}
      ${EndIf}
      StrCpy $6 ""
      System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r4)'
      System::Call 'kernel32::OpenProcess(i 0x1000, i 0, i r4) p .r5'
      System::Call 'kernel32::QueryFullProcessImageNameW(p r5, i 0, w .r6, *i ${NSIS_MAX_STRLEN})'
      System::Call 'kernel32::CloseHandle(p r5)'
      ${If} $6 == "$INSTDIR\Zelmora.exe"
        DetailPrint "Closing the running Zelmora"
        SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=2000
        StrCpy $3 1
      ${EndIf}
    ${Loop}
    ${If} $3 == 0
      ${Break}
    ${EndIf}
    Sleep 100
    IntOp $1 $1 + 1
  ${LoopUntil} $1 >= 100
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_ZELMORA ""
!insertmacro CLOSE_RUNNING_ZELMORA "un."

Section "Zelmora"
  Call CloseRunningZelmora
  SetOutPath "$INSTDIR"
  File "/oname=Zelmora.exe" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateDirectory "$SMPROGRAMS\${NAME}"
  CreateShortcut "$SMPROGRAMS\${NAME}\${NAME}.lnk" "$INSTDIR\Zelmora.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Zelmora developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Zelmora.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Call un.CloseRunningZelmora
  Delete "$INSTDIR\Zelmora.exe"
  Delete "$INSTDIR\Zelmora_V*_Setup.exe"
  Delete "$INSTDIR\Zelmora_V*_Setup.exe.part"
  Delete "$INSTDIR\*_files.htm"
  Delete "$INSTDIR\DefaultTrackingFile.txt"
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    StrCpy $2 "remove"
  ${Else}
    StrCpy $2 "keep"
    MessageBox MB_YESNO|MB_ICONQUESTION "Remove your Zelmora settings (Zelmora.ini) and error log too?" /SD IDNO IDNO +2
    StrCpy $2 "remove"
  ${EndIf}
  ${If} $2 == "remove"
    SetFileAttributes "$INSTDIR\Zelmora.ini" NORMAL
    Delete "$INSTDIR\Zelmora.ini"
    Delete "$INSTDIR\Zelmora_log.csv"
  ${EndIf}
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${NAME}\${NAME}.lnk"
  RMDir "$SMPROGRAMS\${NAME}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
