; Brenvale's Windows installer: one user's install, no administrator rights. Brenvale keeps
; brenvale.ini beside itself, so it goes into the user's own programs folder, which the user
; can write to, never into Program Files. The icon on the desktop is the one photos are
; dropped on; "Send to" offers it for photos chosen in Explorer; AutoPlay offers it when a
; memory card with pictures goes in.
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

; AutoPlay, for this user: a handler that AutoPlay lists when a card with pictures goes in
; (the event ShowPicturesOnArrival) and when one with pictures and videos does, as most
; cameras' cards hold (MixedContentOnArrival), with the action, provider and icon it shows.
; A handler of the user's own names a ProgID and a verb, which AutoPlay invokes on the
; card's root folder; that verb's command starts Brenvale with the folder, which stands for
; its photos.
!define AUTOPLAY "Software\Microsoft\Windows\CurrentVersion\Explorer\AutoplayHandlers"
!define AUTOPLAY_EVENT "${AUTOPLAY}\EventHandlers\ShowPicturesOnArrival"
!define AUTOPLAY_MIXED_EVENT "${AUTOPLAY}\EventHandlers\MixedContentOnArrival"
!define AUTOPLAY_HANDLER "BrenvaleCopyPhotosOnArrival"
!define AUTOPLAY_ACTION "Copy photos to this PC"
!define PROGID "Brenvale.CardPhotos"
!define PROGID_KEY "Software\Classes\${PROGID}"
!define VERB "import"

; Removes the user's key when it holds nothing, neither values nor subkeys: the handlers of
; other programs are values of the same keys, and stay.
!macro DeleteRegKeyIfEmpty KEY
    EnumRegValue $R0 HKCU "${KEY}" 0
    EnumRegKey $R1 HKCU "${KEY}" 0
    StrCmp "$R0$R1" "" 0 +2
        DeleteRegKey HKCU "${KEY}"
!macroend

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
; The setup exe carries the program's own icon, so the user knows what it installs, drawn
; as the program's build draws it.
!tempfile ICON_FILE
!system 'cmake "-DDRAWING=${__FILEDIR__}/../ui/brenvale.mvg" "-DICON=${ICON_FILE}" -P "${__FILEDIR__}/../ui/make_icon.cmake"' = 0
!define MUI_ICON "${ICON_FILE}"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!define MUI_WELCOMEPAGE_TEXT "Setup will install Brenvale ${VERSION} for you alone, in your own programs folder, and put it in the Start menu, on the desktop, in Explorer's $\"Send to$\" menu and among AutoPlay's choices for a memory card.$\r$\n$\r$\nDrop photos or a card's folder on its desktop icon, send them to it from Explorer, or choose $\"${AUTOPLAY_ACTION}$\" when you put a card in, to copy the photos to your PC.$\r$\n$\r$\nClick Install to start."
!define MUI_FINISHPAGE_RUN "$INSTDIR\brenvale.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!delfile "${ICON_FILE}"

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

    WriteRegStr HKCU "${PROGID_KEY}" "" "Brenvale: photos on a memory card"
    WriteRegStr HKCU "${PROGID_KEY}\shell\${VERB}" "" "${AUTOPLAY_ACTION}"
    ; In quotes: a card mounted in a folder may have a blank in its path.
    WriteRegStr HKCU "${PROGID_KEY}\shell\${VERB}\command" "" '"$INSTDIR\brenvale.exe" "%1"'
    WriteRegStr HKCU "${AUTOPLAY}\Handlers\${AUTOPLAY_HANDLER}" "Action" "${AUTOPLAY_ACTION}"
    WriteRegStr HKCU "${AUTOPLAY}\Handlers\${AUTOPLAY_HANDLER}" "Provider" "Brenvale"
    WriteRegExpandStr HKCU "${AUTOPLAY}\Handlers\${AUTOPLAY_HANDLER}" "DefaultIcon" \
        "$INSTDIR\brenvale.exe,0"
    WriteRegStr HKCU "${AUTOPLAY}\Handlers\${AUTOPLAY_HANDLER}" "InvokeProgID" "${PROGID}"
    WriteRegStr HKCU "${AUTOPLAY}\Handlers\${AUTOPLAY_HANDLER}" "InvokeVerb" "${VERB}"
    WriteRegStr HKCU "${AUTOPLAY_EVENT}" "${AUTOPLAY_HANDLER}" ""
    WriteRegStr HKCU "${AUTOPLAY_MIXED_EVENT}" "${AUTOPLAY_HANDLER}" ""

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

    DeleteRegValue HKCU "${AUTOPLAY_EVENT}" "${AUTOPLAY_HANDLER}"
    !insertmacro DeleteRegKeyIfEmpty "${AUTOPLAY_EVENT}"
    DeleteRegValue HKCU "${AUTOPLAY_MIXED_EVENT}" "${AUTOPLAY_HANDLER}"
    !insertmacro DeleteRegKeyIfEmpty "${AUTOPLAY_MIXED_EVENT}"
    !insertmacro DeleteRegKeyIfEmpty "${AUTOPLAY}\EventHandlers"
    DeleteRegKey HKCU "${AUTOPLAY}\Handlers\${AUTOPLAY_HANDLER}"
    !insertmacro DeleteRegKeyIfEmpty "${AUTOPLAY}\Handlers"
    !insertmacro DeleteRegKeyIfEmpty "${AUTOPLAY}"
    DeleteRegKey HKCU "${PROGID_KEY}"
    ; Windows always has the user's classes; a fresh Wine prefix gets them from the install.
    !insertmacro DeleteRegKeyIfEmpty "Software\Classes"
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
