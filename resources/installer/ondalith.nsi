; Setup for the Ondalith Screensaver, one script for both widths. make-installer.sh
; passes the defines: ARCH (x64 or x86), VERSION (as in the top CMakeLists.txt),
; VERSION4 (the same in the four parts Windows shows), SCR (the .scr to install), ICON,
; OUTFILE, and SIGNER where the uninstaller is to be signed (a command that signs the
; file named after it, in place).
;
; Per machine: Ondalith.scr goes into the system folder of its width, where the Screen
; Saver Settings look for savers; the uninstaller into Program Files; an entry under the
; Uninstall key for Apps & features. Per user: Ondalith may become the screen saver of
; the user who runs Setup (ticked on a first install; on an upgrade only where it already
; is; /ACTIVATE and /NOACTIVATE decide for a silent run).
;
; Setup and the uninstaller run as the user who starts them, so that what they do per
; user lands in that user's profile, not in the administrator's who gave the password.
; The machine part runs in an elevated copy of the same program (/MACHINEPART), which
; writes nothing per user; they wait for it and pass its exit code on. /USERPART does
; the per-user part alone.
;
; Exit codes, silent or not: 0 done, 1 cancelled, 2 stopped, 32 Ondalith.scr in use and
; not even to be set aside, 216 the 32-bit Setup on 64-bit Windows, 740 no administrator
; rights; the uninstaller 3010 when the running saver's file goes at the next restart.
; Nothing is written before the checks behind 32, 216 and 740 pass.

Unicode true
!if "${ARCH}" == "x64"
  ; A 64-bit program: no file system or registry redirection to step around, and a
  ; 32-bit Windows refuses to start it with the system's own message.
  Target amd64-unicode
!else if "${ARCH}" == "x86"
  Target x86-unicode
!else
  !error "ARCH must be x64 or x86, not '${ARCH}'"
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
; The installer carries no time of its own: the installed file is dated by its
; installation, and two builds of one commit give the same bytes.
SetDateSave off
AllowSkipFiles off

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include x64.nsh

!define PRODUCT "Ondalith Screensaver"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ondalith"
!define DESKTOP_KEY "Control Panel\Desktop"
!define UNINSTALLER "uninstall.exe"
!define SPI_GETSCREENSAVEACTIVE 16
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_SENDCHANGE 2
!define SPIF_UPDATE_AND_BROADCAST 3 ; SPIF_UPDATEINIFILE | SPIF_SENDCHANGE
!define MOVEFILE_DELAY_UNTIL_REBOOT 4
!define EXIT_IN_USE 32              ; ERROR_SHARING_VIOLATION
!define EXIT_WRONG_WIDTH 216        ; ERROR_EXE_MACHINE_TYPE_MISMATCH
!define EXIT_NOT_ADMIN 740          ; ERROR_ELEVATION_REQUIRED
!define EXIT_RESTART 3010           ; ERROR_SUCCESS_REBOOT_REQUIRED

; SHELLEXECUTEINFOW, which starts the machine part and hands back its process. The
; padding after the two 32-bit members that precede a pointer is spelt out, so that the
; 64-bit layout holds whether or not the System plug-in aligns members itself.
!define SEE_MASK_NOCLOSEPROCESS_NOASYNC_NOUI 0x540
!if "${ARCH}" == "x64"
  !define SEI_SIZE 112
  !define SEI_PAD "i,"
!else
  !define SEI_SIZE 60
  !define SEI_PAD ""
!endif

Name "${PRODUCT}"
OutFile "${OUTFILE}"
!if "${ARCH}" == "x64"
  InstallDir "$PROGRAMFILES64\Ondalith"
!else
  InstallDir "$PROGRAMFILES\Ondalith"
!endif
BrandingText "${PRODUCT} ${VERSION} (${ARCH})"
ShowInstDetails show
ShowUninstDetails show

!ifdef SIGNER
  ; "= 0": a signer that fails stops the build; without it makensis would go on and
  ; pack the unsigned uninstaller.
  !uninstfinalize '"${SIGNER}" "%1"' = 0
!endif

VIProductVersion ${VERSION4}
VIFileVersion ${VERSION4}

; Where the .scr lives, and its full name: the system folder as the machine's own
; programs name it.
Var ScrDir
Var ScrPath
; The file of an installation by the 32-bit Setup on 64-bit Windows, from before there
; was a 64-bit one: replaced by this one.
!if "${ARCH}" == "x64"
  Var Wow64ScrPath
!endif
; "machine" (/MACHINEPART), "user" (/USERPART) or empty: both, the machine part in an
; elevated copy.
Var Part

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC

!define MUI_WELCOMEPAGE_TEXT "Setup will put Ondalith ${VERSION} in the system folder, where the Screen Saver Settings list it, and add it to Apps && features so that it can be removed again.$\r$\n$\r$\nClose the Screen Saver Settings before you go on.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "Ondalith is installed. Choose it, preview it or change when it starts in the Screen Saver Settings."
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Open the Screen Saver Settings"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenScreenSaverSettings
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE English

VIAddVersionKey /LANG=${LANG_ENGLISH} ProductName "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} CompanyName "Kestrova"
VIAddVersionKey /LANG=${LANG_ENGLISH} LegalCopyright "© Kestrova"
VIAddVersionKey /LANG=${LANG_ENGLISH} FileDescription "${PRODUCT} Setup (${ARCH})"
VIAddVersionKey /LANG=${LANG_ENGLISH} FileVersion "${VERSION4}"
VIAddVersionKey /LANG=${LANG_ENGLISH} ProductVersion "${VERSION4}"

; Marks a file or an empty folder for deletion when Windows next starts.
!macro DeleteAtRestart path
  System::Call 'kernel32::MoveFileExW(w "${path}", p 0, i ${MOVEFILE_DELAY_UNTIL_REBOOT}) i'
!macroend

; Shared by the installer and the uninstaller (whose functions carry "un.").
!macro COMMON_FUNCTIONS un
  Function ${un}FindSystemFolder
    ; A 32-bit program on 64-bit Windows reaches SysWOW64 through the name System32;
    ; the Screen Saver Settings and Apps & features, 64-bit programs, need its real
    ; name. On 32-bit Windows the call fails and System32 is the place.
    System::Call 'kernel32::GetSystemWow64DirectoryW(w .r0, i ${NSIS_MAX_STRLEN}) i .r1'
    ${If} $1 = 0
      StrCpy $0 ""
    ${EndIf}
    !if "${ARCH}" == "x64"
      StrCpy $ScrDir $SYSDIR
      StrCpy $Wow64ScrPath "$0\Ondalith.scr"
    !else
      StrCpy $ScrDir $SYSDIR
      ${If} $0 != ""
        StrCpy $ScrDir $0
      ${EndIf}
    !endif
    StrCpy $ScrPath "$ScrDir\Ondalith.scr"
  FunctionEnd

  Function ${un}ReadPart
    StrCpy $Part ""
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/MACHINEPART" $1
    ${IfNot} ${Errors}
      StrCpy $Part machine
    ${EndIf}
    ClearErrors
    ${GetOptions} $0 "/USERPART" $1
    ${IfNot} ${Errors}
      StrCpy $Part user
    ${EndIf}
  FunctionEnd

  Function ${un}RequireAdmin
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
      SetErrorLevel ${EXIT_NOT_ADMIN}
      Quit
    ${EndIf}
  FunctionEnd

  ; Pushes 1 where a running saver (or the settings' preview) holds the file: Windows
  ; lets it be renamed, not replaced or deleted.
  Function ${un}InUse
    Exch $0
    Push $1
    StrCpy $1 0
    ${If} ${FileExists} $0
      ClearErrors
      FileOpen $1 $0 a
      ${If} ${Errors}
        StrCpy $1 1
      ${Else}
        FileClose $1
        StrCpy $1 0
      ${EndIf}
    ${EndIf}
    StrCpy $0 $1
    Pop $1
    Exch $0
  FunctionEnd

  ; A file that a running saver holds moves aside in its folder (Windows lets a running
  ; program's file be renamed), so that a new one can take its name and the next start
  ; uses that; the old one goes at the next restart. Its name ends in .old, so the
  ; Screen Saver Settings no longer list it. Pushes 0 (not in use), 1 (moved aside) or
  ; 2 (in use, and not even that works).
  Function ${un}PutAsideIfInUse
    Exch $R0
    Push $R1
    Push $R2
    Push $R0
    Call ${un}InUse
    Pop $R1
    ${If} $R1 = 1
      StrCpy $R1 1
      ${Do}
        StrCpy $R2 "$R0.$R1.old"
        ; An earlier one whose saver has ended since can go now.
        Delete $R2
        ${IfNot} ${FileExists} $R2
          ${Break}
        ${EndIf}
        IntOp $R1 $R1 + 1
      ${LoopUntil} $R1 > 9
      ClearErrors
      Rename $R0 $R2
      ${If} ${Errors}
        StrCpy $R1 2
      ${Else}
        !insertmacro DeleteAtRestart $R2
        DetailPrint "$R0 is in use: it goes at the next restart, as $R2."
        StrCpy $R1 1
      ${EndIf}
    ${EndIf}
    StrCpy $R0 $R1
    Pop $R2
    Pop $R1
    Exch $R0
  FunctionEnd

  ; Runs the machine part in a copy of this program with administrator rights and
  ; waits for it: parameters on the stack, its exit code back. Asked for the rights
  ; only where this process lacks them; one that has them (an administrator's prompt,
  ; a deployment service) starts the copy plainly.
  Function ${un}RunMachinePart
    Exch $R0
    Push $R1
    Push $R2
    Push $R3
    UserInfo::GetAccountType
    Pop $R1
    StrCpy $R2 runas
    ${If} $R1 == "Admin"
      StrCpy $R2 open
    ${EndIf}
    System::Call '*(i ${SEI_SIZE}, i ${SEE_MASK_NOCLOSEPROCESS_NOASYNC_NOUI}, p $HWNDPARENT, w R2, w "$EXEPATH", w R0, p 0, i 0, ${SEI_PAD} p, p, p, p, i, ${SEI_PAD} p, p) p .R1'
    System::Call 'shell32::ShellExecuteExW(p R1) i .R2 ?e'
    Pop $R3
    ${If} $R2 = 0
      ; Refused rights (ERROR_CANCELLED) or no copy started: nothing has changed.
      DetailPrint "The part for every user did not start (error $R3)."
      StrCpy $R0 ${EXIT_NOT_ADMIN}
    ${Else}
      System::Call '*$R1(i, i, p, p, p, p, p, i, ${SEI_PAD} p, p, p, p, i, ${SEI_PAD} p, p .R2)'
      System::Call 'kernel32::WaitForSingleObject(p R2, i -1) i'
      System::Call 'kernel32::GetExitCodeProcess(p R2, *i .R0) i'
      System::Call 'kernel32::CloseHandle(p R2) i'
    ${EndIf}
    System::Free $R1
    Pop $R3
    Pop $R2
    Pop $R1
    Exch $R0
  FunctionEnd

  ; A failed machine part: says why, unless silent, and ends with its exit code.
  Function ${un}MachinePartFailed
    Pop $0
    ${If} $0 = ${EXIT_NOT_ADMIN}
      MessageBox MB_OK|MB_ICONSTOP "$(^Name) is installed for every user of this computer, which needs administrator rights.$\r$\n$\r$\nSign in as an administrator, or ask one to run this program." /SD IDOK
    ${ElseIf} $0 = ${EXIT_IN_USE}
      MessageBox MB_OK|MB_ICONSTOP "$ScrPath is in use.$\r$\n$\r$\nClose the screen saver and the Screen Saver Settings, then run this program again." /SD IDOK
    ${Else}
      MessageBox MB_OK|MB_ICONSTOP "$(^Name): the part for every user stopped (exit code $0). Nothing was changed for you." /SD IDOK
    ${EndIf}
    SetErrorLevel $0
    Quit
  FunctionEnd
!macroend
!insertmacro COMMON_FUNCTIONS ""
!insertmacro COMMON_FUNCTIONS "un."

!if "${ARCH}" == "x64"
; One installation per machine: an earlier one by the 32-bit Setup (its entry in the
; 32-bit view of the registry, its file in SysWOW64) gives way to this one.
Function RemoveEarlier32Bit
  SetRegView 32
  ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" DisplayName
  ReadRegStr $R1 HKLM "${UNINSTALL_KEY}" InstallLocation
  ${If} $R0 != ""
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ${EndIf}
  SetRegView default
  ${If} $R0 == ""
    Return
  ${EndIf}
  DetailPrint "Removing the 32-bit installation"
  Push $Wow64ScrPath
  Call PutAsideIfInUse
  Pop $0
  Delete $Wow64ScrPath
  ${If} $R1 != ""
    Delete "$R1\${UNINSTALLER}"
    RMDir $R1
  ${EndIf}
FunctionEnd
!endif

; A quiet uninstall leaves its own file and the folder to go at the next restart. An
; install before then takes them back out of the list of files that Windows deletes
; when it starts (PendingFileRenameOperations: pairs of names, the second empty for a
; deletion), or the restart would delete the new uninstaller.
!define SESSION_MANAGER_KEY "SYSTEM\CurrentControlSet\Control\Session Manager"
!define PENDING_VALUE PendingFileRenameOperations
!define HKEY_LOCAL_MACHINE 0x80000002
!define KEY_QUERY_AND_SET_VALUE 3
!define REG_MULTI_SZ 7
Function KeepInstallFolder
  System::Call 'advapi32::RegOpenKeyExW(p ${HKEY_LOCAL_MACHINE}, w "${SESSION_MANAGER_KEY}", i 0, i ${KEY_QUERY_AND_SET_VALUE}, *p .R0) i .r0'
  ${If} $0 <> 0
    Return
  ${EndIf}
  System::Call 'advapi32::RegQueryValueExW(p R0, w "${PENDING_VALUE}", p 0, *i .R1, p 0, *i .R2) i .r0'
  ${If} $0 = 0
  ${AndIf} $R1 = ${REG_MULTI_SZ}
  ${AndIf} $R2 > 0
    IntOp $R2 $R2 + 4 ; room for the final terminators where the value lacks them
    System::Alloc $R2
    Pop $R3
    System::Alloc $R2
    Pop $R4
    System::Call 'advapi32::RegQueryValueExW(p R0, w "${PENDING_VALUE}", p 0, p 0, p R3, *i R2) i .r0'
    IntPtrOp $R7 $R3 + $R2
    StrCpy $R5 $R3 ; the pair read
    StrCpy $R6 $R4 ; where the next pair kept goes
    StrCpy $R8 0   ; pairs dropped
    StrLen $R9 "\??\$INSTDIR\"
    ${DoWhile} $R5 P< $R7
      System::Call 'kernel32::lstrlenW(p R5) i .r1'
      ${If} $1 = 0
        ${Break}
      ${EndIf}
      System::Call 'kernel32::lstrcpynW(w .r2, p R5, i ${NSIS_MAX_STRLEN}) p'
      IntOp $1 $1 + 1
      IntOp $1 $1 * 2
      IntPtrOp $3 $R5 + $1
      System::Call 'kernel32::lstrlenW(p r3) i .r4'
      IntOp $4 $4 + 1
      IntOp $4 $4 * 2
      ; A deletion (empty second name) of the folder or of a file in it.
      StrCpy $5 $2 $R9
      StrCpy $6 0
      ${If} $4 = 2
        ${If} $2 == "\??\$INSTDIR"
        ${OrIf} $5 == "\??\$INSTDIR\"
          StrCpy $6 1
        ${EndIf}
      ${EndIf}
      ${If} $6 = 1
        IntOp $R8 $R8 + 1
      ${Else}
        IntOp $5 $1 + $4
        System::Call 'kernel32::RtlMoveMemory(p R6, p R5, i r5)'
        IntPtrOp $R6 $R6 + $5
      ${EndIf}
      IntPtrOp $R5 $3 + $4
    ${Loop}
    ${If} $R8 > 0
      DetailPrint "$INSTDIR is no longer to be deleted at the next restart."
      ${If} $R6 P= $R4
        System::Call 'advapi32::RegDeleteValueW(p R0, w "${PENDING_VALUE}") i'
      ${Else}
        System::Call '*$R6(&i2 0)'
        IntPtrOp $5 $R6 - $R4
        IntOp $5 $5 + 2
        System::Call 'advapi32::RegSetValueExW(p R0, w "${PENDING_VALUE}", i 0, i ${REG_MULTI_SZ}, p R4, i r5) i'
      ${EndIf}
    ${EndIf}
    System::Free $R3
    System::Free $R4
  ${EndIf}
  System::Call 'advapi32::RegCloseKey(p R0) i'
FunctionEnd

Section "${PRODUCT}" SecSaver
  SectionIn RO
  ${If} $Part == ""
    Push "/S /MACHINEPART"
    Call RunMachinePart
    Pop $0
    ${If} $0 <> 0
      Push $0
      Call MachinePartFailed
    ${EndIf}
  ${ElseIf} $Part == machine
    Push $ScrPath
    Call PutAsideIfInUse
    Pop $0
    ${If} $0 = 2
      SetErrorLevel ${EXIT_IN_USE}
      Quit
    ${EndIf}
    !if "${ARCH}" == "x64"
      Call RemoveEarlier32Bit
    !endif
    SetOutPath $ScrDir
    File "/oname=Ondalith.scr" "${SCR}"
    Call KeepInstallFolder
    SetOutPath $INSTDIR
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    ; Replaces the entry of an earlier version in place: one key, whatever the version.
    WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayName "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" Publisher "Kestrova"
    WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayIcon "$ScrPath"
    WriteRegStr HKLM "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\${UNINSTALLER}"'
    ; In place (_?=, the rest of the line as it stands) the uninstaller does not hand
    ; over to a copy of itself, so the command ends when the uninstall has, with its
    ; exit code; its own file and the folder then go at the next restart.
    WriteRegStr HKLM "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\${UNINSTALLER}" /S _?=$INSTDIR'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoModify 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoRepair 1
    ${GetSize} "$ScrDir" "/M=Ondalith.scr /S=0K /G=0" $0 $1 $2
    ${GetSize} "$INSTDIR" "/S=0K /G=0" $1 $2 $3
    IntOp $0 $0 + $1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" EstimatedSize $0
  ${EndIf}
SectionEnd

Section "Make Ondalith the current screensaver" SecActivate
  WriteRegStr HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE "$ScrPath"
  WriteRegStr HKCU "${DESKTOP_KEY}" ScreenSaveActive "1"
  ; Tells running programs and the system, as the Screen Saver Settings do; the flag
  ; is written to the user's profile as well.
  System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATE_AND_BROADCAST}) i'
SectionEnd

; Whether Ondalith becomes the user's saver: as told (/ACTIVATE, /NOACTIVATE); else on
; a first install, and on an upgrade only where it already is, so that a saver the user
; chose since stays. Upgrade and current saver pushed before; 1 or 0 back.
Function ActivationWanted
  Pop $1 ; current
  Pop $2 ; upgrade
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/ACTIVATE" $3
  ${IfNot} ${Errors}
    Push 1
    Return
  ${EndIf}
  ClearErrors
  ${GetOptions} $0 "/NOACTIVATE" $3
  ${IfNot} ${Errors}
    Push 0
    Return
  ${EndIf}
  ${If} $2 = 0
  ${OrIf} $1 = 1
    Push 1
  ${Else}
    Push 0
  ${EndIf}
FunctionEnd

; Pushes whether an earlier installation is there (its entry, either width), then
; whether the user's saver is its file. Windows names files without regard to case,
; and so does this comparison.
Function ReadEarlierInstallation
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" DisplayName
  ReadRegStr $1 HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE
  StrCpy $2 0
  ${If} $1 == $ScrPath
    StrCpy $2 1
  ${EndIf}
  !if "${ARCH}" == "x64"
    ${If} $0 == ""
      SetRegView 32
      ReadRegStr $0 HKLM "${UNINSTALL_KEY}" DisplayName
      SetRegView default
    ${EndIf}
    ${If} $1 == $Wow64ScrPath
      StrCpy $2 1
    ${EndIf}
  !endif
  ${If} $0 == ""
    Push 0
  ${Else}
    Push 1
  ${EndIf}
  Push $2
FunctionEnd

Function .onInit
  !if "${ARCH}" == "x86"
    ; One installation per machine: on 64-bit Windows the 64-bit Setup's, so that Apps
    ; & features and the Screen Saver Settings list Ondalith once.
    ${If} ${RunningX64}
      MessageBox MB_OK|MB_ICONSTOP "This is the Setup for 32-bit Windows, and this Windows is 64-bit.$\r$\n$\r$\nRun Ondalith-${VERSION}-x64-setup.exe instead." /SD IDOK
      SetErrorLevel ${EXIT_WRONG_WIDTH}
      Quit
    ${EndIf}
  !endif
  Call ReadPart
  Call FindSystemFolder
  ${If} $Part == machine
    ; Nothing per user here: this process may belong to another user than the one
    ; who started Setup.
    Call RequireAdmin
    !insertmacro UnselectSection ${SecActivate}
    Return
  ${EndIf}
  Call ReadEarlierInstallation
  Call ActivationWanted
  Pop $0
  ${If} $0 = 0
    !insertmacro UnselectSection ${SecActivate}
  ${EndIf}
FunctionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecSaver} "Ondalith.scr in the system folder, and an entry in the list of installed apps to remove it again."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecActivate} "Ondalith starts when your computer has been idle for the time set in the Screen Saver Settings."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; The Install command of a .scr file's menu: the settings open with this saver chosen,
; which takes effect when the user confirms it. The 64-bit control panel lists the
; 32-bit system folder too, so a 32-bit setup on 64-bit Windows asks that one.
Function OpenScreenSaverSettings
  StrCpy $0 "$SYSDIR\rundll32.exe"
  !if "${ARCH}" == "x86"
    ${If} ${FileExists} "$WINDIR\Sysnative\rundll32.exe"
      StrCpy $0 "$WINDIR\Sysnative\rundll32.exe"
    ${EndIf}
  !endif
  Exec '"$0" desk.cpl,InstallScreenSaver $ScrPath'
FunctionEnd

Function un.onInit
  Call un.ReadPart
  Call un.FindSystemFolder
  ${If} $Part == machine
    Call un.RequireAdmin
  ${EndIf}
FunctionEnd

; The uninstaller's own file, which the quiet uninstall runs in place: the running
; uninstaller holds it open, so it and then its folder go at the next restart (an
; install before then takes them back: KeepInstallFolder).
Function un.RemoveUninstaller
  Delete "$INSTDIR\${UNINSTALLER}"
  ${If} ${FileExists} "$INSTDIR\${UNINSTALLER}"
    !insertmacro DeleteAtRestart "$INSTDIR\${UNINSTALLER}"
  ${EndIf}
  RMDir $INSTDIR
  ${If} ${FileExists} "$INSTDIR\*.*"
    !insertmacro DeleteAtRestart $INSTDIR
  ${EndIf}
FunctionEnd

Section Uninstall
  StrCpy $R9 0
  ${If} $Part == ""
    Push "/S /MACHINEPART _?=$INSTDIR"
    Call un.RunMachinePart
    Pop $R9
    ${If} $R9 <> 0
    ${AndIf} $R9 <> ${EXIT_RESTART}
      Push $R9
      Call un.MachinePartFailed
    ${EndIf}
  ${ElseIf} $Part == machine
    ; The running saver keeps its file until the next restart, under another name, so
    ; that an install before then is not deleted with it.
    Push $ScrPath
    Call un.PutAsideIfInUse
    Pop $0
    ${If} $0 = 2
      !insertmacro DeleteAtRestart $ScrPath
    ${EndIf}
    ${If} $0 <> 0
      StrCpy $R9 ${EXIT_RESTART}
    ${EndIf}
    Delete $ScrPath
    Call un.RemoveUninstaller
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ${EndIf}

  ; Only while the user's saver is still ours: one who has since chosen another keeps
  ; it. Only the saver goes: ScreenSaveActive is the idle timer itself, which also
  ; locks the screen on resume, and stays as the user set it; the system is told with
  ; the value it has.
  ${If} $Part != machine
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE
    ${If} $0 == $ScrPath
      DeleteRegValue HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE
      System::Call 'user32::SystemParametersInfoW(i ${SPI_GETSCREENSAVEACTIVE}, i 0, *i .r1, i 0) i'
      System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i r1, p 0, i ${SPIF_SENDCHANGE}) i'
    ${EndIf}
  ${EndIf}

  ${If} $R9 = ${EXIT_RESTART}
    ${If} $Part == ""
      MessageBox MB_OK|MB_ICONINFORMATION "Ondalith is removed. The running screen saver keeps its file until you restart the computer." /SD IDOK
    ${EndIf}
    SetErrorLevel ${EXIT_RESTART}
  ${EndIf}
SectionEnd
