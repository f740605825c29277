; Brenvale's Windows installer: one user's install, no administrator rights. Brenvale keeps
; brenvale.ini beside itself, so it goes into the user's own programs folder, which the user
; can write to, never into Program Files. The icon on the desktop is the one photos are
; dropped on; "Send to" offers it for photos chosen in Explorer.
;
; Built by scripts/make-installer.sh:
;   makensis /DVERSION=<x.y.z> /DEXE=<brenvale.exe> /DOUTFILE=<setup.exe> brenvale.nsi

Unicode true
; brenvale.exe is 64-bit, and so is the installer: it runs wherever the program can.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define UNINSTALL_LIST "Software\Microsoft\Windows\CurrentVersion\Uninstall"
!define UNINSTALL_KEY "${UNINSTALL_LIST}\Brenvale"
!define PROGRAMS "$LOCALAPPDATA\Programs"

Name "Brenvale"
Caption "Brenvale ${VERSION} Setup"
OutFile "${OUTFILE}"
InstallDir "${PROGRAMS}\Brenvale"
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "Brenvale ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey ProductName "Brenvale"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey FileDescription "Brenvale ${VERSION} Setup"
VIAddVersionKey LegalCopyright ""

!include MUI2.nsh
; The setup exe carries the program's own icon, so the user knows what it installs.
!define MUI_ICON "${__FILEDIR__}\..\ui\brenvale.ico"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!define MUI_WELCOMEPAGE_TEXT "Setup will install Brenvale ${VERSION} for you alone, in your own programs folder, and put it in the Start menu, on the desktop and in Explorer's $\"Send to$\" menu.$\r$\n$\r$\nDrop photos on its desktop icon, or send them to it from Explorer, to copy them to your PC.$\r$\n$\r$\nClick Install to start."
!define MUI_FINISHPAGE_RUN "$INSTDIR\brenvale.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section
    SetShellVarContext current
    ; The user's programs folder and list of installed programs may not exist yet; the
    ; uninstaller removes them only when the first install made them. An upgrade keeps
    ; what the first install found.
    ClearErrors
    ReadRegDWORD $0 HKCU "${UNINSTALL_KEY}" "MadeProgramsFolder"
    ReadRegDWORD $1 HKCU "${UNINSTALL_KEY}" "MadeUninstallList"
    IfErrors 0 found
        StrCpy $0 0
        IfFileExists "${PROGRAMS}\*.*" +2
            StrCpy $0 1
        StrCpy $1 0
        ClearErrors
        EnumRegKey $2 HKCU "${UNINSTALL_LIST}" 0
        IfErrors 0 +2
            StrCpy $1 1
    found:

    SetOutPath "$INSTDIR"
    ; brenvale.ini is the user's: an upgrade replaces the program and leaves it alone.
    File "/oname=brenvale.exe" "${EXE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\Brenvale.lnk" "$INSTDIR\brenvale.exe"
    CreateShortcut "$DESKTOP\Brenvale.lnk" "$INSTDIR\brenvale.exe"
    CreateShortcut "$SENDTO\Brenvale.lnk" "$INSTDIR\brenvale.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Brenvale"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\brenvale.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "MadeProgramsFolder" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "MadeUninstallList" $1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    ReadRegDWORD $0 HKCU "${UNINSTALL_KEY}" "MadeProgramsFolder"
    ReadRegDWORD $1 HKCU "${UNINSTALL_KEY}" "MadeUninstallList"

    Delete "$SMPROGRAMS\Brenvale.lnk"
    Delete "$DESKTOP\Brenvale.lnk"
    Delete "$SENDTO\Brenvale.lnk"
    Delete "$INSTDIR\brenvale.exe"
    Delete "$INSTDIR\uninstall.exe"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    IntCmp $1 1 0 +2 +2
        DeleteRegKey /ifempty HKCU "${UNINSTALL_LIST}"

    ; The settings file holds the user's folders; a silent uninstall keeps it.
    IfFileExists "$INSTDIR\brenvale.ini" 0 done
        MessageBox MB_YESNO|MB_ICONQUESTION \
            "Keep your settings (brenvale.ini) for a later install of Brenvale?" \
            /SD IDYES IDYES done
        Delete "$INSTDIR\brenvale.ini"
    done:
    ; Only when empty: a file the user put there stays, and so does its folder.
    RMDir "$INSTDIR"
    IntCmp $0 1 0 +2 +2
        RMDir "${PROGRAMS}"
SectionEnd
