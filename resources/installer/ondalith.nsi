; Setup for the Ondalith Screensaver, one script for both widths. make-installer.sh
; passes the defines: ARCH (x64 or x86), VERSION (as in the top CMakeLists.txt),
; VERSION4 (the same in the four parts Windows shows), SCR (the .scr to install), ICON,
; OUTFILE, and SIGNER where the uninstaller is to be signed (a command that signs the
; file named after it, in place).
;
; Per machine: Ondalith.scr goes into the system folder of its width, where the Screen
; Saver Settings look for savers; the uninstaller into Program Files; an entry under the
; Uninstall key for Apps & features. Optionally (ticked; /NOACTIVATE unticks it when
; silent) Ondalith becomes the installing user's screen saver.
;
; Exit codes, silent or not: 0 done, 1 cancelled, 2 stopped, 740 no administrator
; rights, 32 Ondalith.scr in use. Nothing is written before those checks pass.

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
RequestExecutionLevel admin
ManifestDPIAware true
; The installer carries no time of its own: the installed file is dated by its
; installation, and two builds of one commit give the same bytes.
SetDateSave off
AllowSkipFiles off

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh

!define PRODUCT "Ondalith Screensaver"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ondalith"
!define DESKTOP_KEY "Control Panel\Desktop"
!define UNINSTALLER "uninstall.exe"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATE_AND_BROADCAST 3 ; SPIF_UPDATEINIFILE | SPIF_SENDCHANGE
!define EXIT_IN_USE 32              ; ERROR_SHARING_VIOLATION
!define EXIT_NOT_ADMIN 740          ; ERROR_ELEVATION_REQUIRED

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
  !uninstfinalize '"${SIGNER}" "%1"'
!endif

VIProductVersion ${VERSION4}
VIFileVersion ${VERSION4}

; Where the .scr lives, and its full name: the system folder as the machine's own
; programs name it.
Var ScrDir
Var ScrPath

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

; Shared by the installer and the uninstaller (whose functions carry "un.").
!macro COMMON_FUNCTIONS un
  Function ${un}FindSystemFolder
    !if "${ARCH}" == "x64"
      StrCpy $ScrDir $SYSDIR
    !else
      ; A 32-bit program on 64-bit Windows reaches SysWOW64 through the name System32;
      ; the Screen Saver Settings and Apps & features, 64-bit programs, need its real
      ; name. On 32-bit Windows the call fails and System32 is the place.
      System::Call 'kernel32::GetSystemWow64DirectoryW(w .r0, i ${NSIS_MAX_STRLEN}) i .r1'
      ${If} $1 <> 0
        StrCpy $ScrDir $0
      ${Else}
        StrCpy $ScrDir $SYSDIR
      ${EndIf}
    !endif
    StrCpy $ScrPath "$ScrDir\Ondalith.scr"
  FunctionEnd

  Function ${un}RequireAdmin
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
      MessageBox MB_OK|MB_ICONSTOP "$(^Name) is installed for every user of this computer, which needs administrator rights.$\r$\n$\r$\nSign in as an administrator, or ask one to run this program." /SD IDOK
      SetErrorLevel ${EXIT_NOT_ADMIN}
      Quit
    ${EndIf}
  FunctionEnd

  ; A running saver (or the settings' preview) holds the file: Windows would refuse to
  ; replace or remove it halfway through. Asked before anything is written.
  Function ${un}RequireNotInUse
    ${If} ${FileExists} $ScrPath
      ClearErrors
      FileOpen $0 $ScrPath a
      ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "$ScrPath is in use.$\r$\n$\r$\nClose the screen saver and the Screen Saver Settings, then run this program again." /SD IDOK
        SetErrorLevel ${EXIT_IN_USE}
        Quit
      ${EndIf}
      FileClose $0
    ${EndIf}
  FunctionEnd

  ; Tells running programs and the system, as the Screen Saver Settings do; the flag
  ; is written to the user's profile as well.
  Function ${un}AnnounceScreenSaver
    Pop $0
    System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i r0, p 0, i ${SPIF_UPDATE_AND_BROADCAST}) i .r1'
  FunctionEnd
!macroend
!insertmacro COMMON_FUNCTIONS ""
!insertmacro COMMON_FUNCTIONS "un."

Section "${PRODUCT}" SecSaver
  SectionIn RO
  Call RequireNotInUse
  SetOutPath $ScrDir
  File "/oname=Ondalith.scr" "${SCR}"
  SetOutPath $INSTDIR
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; Replaces the entry of an earlier version in place: one key, whatever the version.
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayName "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" Publisher "Kestrova"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayIcon "$ScrPath"
  WriteRegStr HKLM "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoRepair 1
  ${GetSize} "$ScrDir" "/M=Ondalith.scr /S=0K /G=0" $0 $1 $2
  ${GetSize} "$INSTDIR" "/S=0K /G=0" $1 $2 $3
  IntOp $0 $0 + $1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" EstimatedSize $0
SectionEnd

Section "Make Ondalith the current screensaver" SecActivate
  WriteRegStr HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE "$ScrPath"
  WriteRegStr HKCU "${DESKTOP_KEY}" ScreenSaveActive "1"
  Push 1
  Call AnnounceScreenSaver
SectionEnd

; Silent installs make Ondalith current unless told /NOACTIVATE.
Function .onInit
  Call RequireAdmin
  Call FindSystemFolder
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/NOACTIVATE" $1
  ${IfNot} ${Errors}
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
  Call un.RequireAdmin
  Call un.FindSystemFolder
FunctionEnd

Section Uninstall
  Call un.RequireNotInUse
  Delete $ScrPath
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir $INSTDIR
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  ; Only while the user's saver is still ours: one who has since chosen another keeps
  ; it. Windows names files without regard to case, and so does this comparison.
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE
  ${If} $0 == $ScrPath
    DeleteRegValue HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE
    Push 0
    Call un.AnnounceScreenSaver
  ${EndIf}
SectionEnd
