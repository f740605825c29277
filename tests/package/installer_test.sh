#!/usr/bin/env bash
# The Windows installer, as a new Windows user meets it: package.sh puts it beside the zip,
# and a second build from a copy of the exe made at another time gives the same bytes. In
# a Wine prefix of the test's own it installs silently into the user's programs folder with
# the Start-menu, desktop and "Send to" shortcuts, the user's uninstall entry and the user's
# AutoPlay handler for pictures on a card; Brenvale started through the "Send to" shortcut
# with two photos opens ready to save, and so does the AutoPlay handler's command run on a
# card's root as AutoPlay runs it, with the card's photos; a later
# version installed over it keeps the settings file the user changed; the silent uninstall
# keeps that file and leaves the prefix as it was before. Run by scripts/test.sh.
set -uo pipefail
WORK=$(mktemp -d "${TMPDIR:-/tmp}/brenvale-installer-test.XXXXXX")
# A new user's Windows. Wine makes the prefix's desktop folder the home folder itself when
# that has no Desktop, so the home is the test's own too.
export BRENVALE_WINEPREFIX=$WORK/wine HOME=$WORK/home
mkdir -p "$HOME"
source "$(dirname "$0")/../../scripts/common.sh"
# Wine would copy every new Start-menu shortcut into the Linux desktop's menus.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe="
source "$ROOT/tests/package/checks.sh"
setup_wine_prefix

BRENVALE=""
cleanup() {
    [ -n "$BRENVALE" ] && wait_or_end "$BRENVALE"
    stop_started
    rm -rf "$WORK"
}
trap cleanup EXIT

package() {  # dist folder
    if ! BRENVALE_DIST=$1 "$ROOT/scripts/package.sh" >"$WORK/package.log" 2>&1; then
        cat "$WORK/package.log" >&2
        return 1
    fi
}
windows() { "$WINE" cmd /c "echo $1" | tr -d '\r'; }  # a Windows variable's value
unix_path() { realpath -m "$("$WINE" winepath -u "$1" | tr -d '\r')"; }
windows_path() { local p=${1//\//\\}; printf '%s' "Z:$p"; }
reg_value() {  # key value
    "$WINE" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^    $2    REG_[A-Z_]*    //p"
}
reg_has_value() { "$WINE" reg query "$1" /v "$2" >/dev/null 2>&1; }  # key value
shortcut_starts() {  # shortcut.lnk exe
    same_text "$(python3 "$ROOT/tests/package/lnk_fields.py" "$(unix_path "$1")")" \
        "target=$2"$'\n'"workdir=${2%\\*}"$'\n'"arguments="
}
# Every file and folder of the prefix and the home (the desktop), and the registry keys an
# install could write to. Of the user's Temp folder only files count: the uninstaller runs
# from a copy there, and Windows deletes that copy at its next start but keeps its folder.
files() {
    {
        cd "$WINEPREFIX/drive_c" &&
            find . -path './users/*/Temp' -prune -o -printf '%y %p\n' &&
            find ./users/*/Temp -type f -printf '%y %p\n' &&
            cd "$HOME" && find . -printf 'home %y %p\n'
    } | LC_ALL=C sort
}
registry() {
    local key
    for key in 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' \
        'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' 'HKCU\Software\Brenvale' \
        'HKLM\Software\Brenvale' 'HKLM\System\CurrentControlSet\Control\Session Manager' \
        'HKCU\Software\Classes' "$AUTOPLAY" "HKLM${AUTOPLAY#HKCU}"; do
        "$WINE" reg query "$key" /s 2>&1 | tr -d '\r'
    done
}
same_lines() {  # found expected
    [ "$1" = "$2" ] && return 0
    diff <(echo "$2") <(echo "$1") | sed 's/^/    /' >&2
    return 1
}
AUTOPLAY='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\AutoplayHandlers'
HANDLER=BrenvaleCopyPhotosOnArrival
programs_running() { "$WINE" tasklist /fo csv /nh | tr -d '\r' | cut -d, -f1 | LC_ALL=C sort; }

echo "== Windows installer"
VERSION=$(sed -n 's/^project(Brenvale VERSION \([0-9.]*\) .*/\1/p' "$ROOT/CMakeLists.txt")
SETUP=$WORK/dist/brenvale-$VERSION-setup.exe
EXE=$BUILD_DIR/release/app/brenvale.exe
check "package.sh builds the installer" package "$WORK/dist"
check "  named $(basename "$SETUP"), beside the zip" \
    test -f "$SETUP" -a -f "$WORK/dist/brenvale-$VERSION-win64.zip"
# A later build of the same sources has an exe of the same bytes and a newer time.
mkdir -p "$WORK/later"
cp "$EXE" "$WORK/later/brenvale.exe"
EPOCH=$(git -C "$ROOT" log -1 --format=%ct)
"$ROOT/scripts/make-installer.sh" "$WORK/later/brenvale.exe" "$VERSION" "$EPOCH" \
    "$WORK/later/setup.exe"
check "a second build, from a copy of the exe made now, gives the same installer" \
    cmp "$SETUP" "$WORK/later/setup.exe"
sha256sum "$SETUP" "$WORK/later/setup.exe" | sed "s|$WORK/||; s/^/    /"

LOCAL=$(windows %LOCALAPPDATA%)
APPDATA=$(windows %APPDATA%)
INSTALL_DIR="$LOCAL\\Programs\\Brenvale"
INSTALLED=$(unix_path "$INSTALL_DIR")
START_MENU="$APPDATA\\Microsoft\\Windows\\Start Menu\\Programs\\Brenvale.lnk"
DESKTOP="$(windows %USERPROFILE%)\\Desktop\\Brenvale.lnk"
SEND_TO="$APPDATA\\Microsoft\\Windows\\SendTo\\Brenvale.lnk"
UNINSTALL_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brenvale'

# Another program of the user's offers itself for cards with pictures and videos: its
# handler stays through the install and the uninstall. It is in the prefix's files before
# the test's server starts, as a handler installed long before Brenvale is.
MIXED_EVENT="$AUTOPLAY\\EventHandlers\\MixedContentOnArrival"
"$WINE" reg add "$MIXED_EVENT" /v OtherProgramOnArrival /d "" /f 2>&1 | tr -d '\r' | grep -v 'completed successfully' >&2
"$WINESERVER" -w
start_wineserver
check "another program's AutoPlay handler for pictures and videos is there before the install" \
    reg_has_value "$MIXED_EVENT" OtherProgramOnArrival
FILES_BEFORE=$(files)
REGISTRY_BEFORE=$(registry)
check "the installer runs silently" "$WINE" "$SETUP" /S
check "brenvale.exe is in the user's programs folder" cmp "$INSTALLED/brenvale.exe" "$EXE"
check "the Start-menu shortcut starts it" shortcut_starts "$START_MENU" "$INSTALL_DIR\\brenvale.exe"
check "the desktop shortcut starts it" shortcut_starts "$DESKTOP" "$INSTALL_DIR\\brenvale.exe"
check "the \"Send to\" shortcut starts it" shortcut_starts "$SEND_TO" "$INSTALL_DIR\\brenvale.exe"
check "the user's installed programs list Brenvale $VERSION" \
    same_text "$(reg_value "$UNINSTALL_KEY" DisplayName) $(reg_value "$UNINSTALL_KEY" DisplayVersion)" \
    "Brenvale $VERSION"
check "  with its uninstaller, which runs silently with /S" same_text \
    "$(reg_value "$UNINSTALL_KEY" UninstallString)|$(reg_value "$UNINSTALL_KEY" QuietUninstallString)" \
    "\"$INSTALL_DIR\\uninstall.exe\"|\"$INSTALL_DIR\\uninstall.exe\" /S"
check "  and the machine's list does not" eval \
    "! reg_value 'HKLM${UNINSTALL_KEY#HKCU}' DisplayName | grep -q ."

# Two photos on a memory card, chosen in Explorer and sent to Brenvale: Explorer starts the
# shortcut's target with their paths.
CARD="$WORK/card/DCIM/100CANON"
mkdir -p "$CARD" "$WORK/elsewhere"
for name in IMG_0001.JPG IMG_0002.JPG; do printf '\xff\xd8\xff\xe0' >"$CARD/$name"; done
TARGET=$(python3 "$ROOT/tests/package/lnk_fields.py" "$(unix_path "$SEND_TO")" |
    sed -n 's/^target=//p')
(cd "$WORK/elsewhere" && exec "$WINE" "$TARGET" "$(windows_path "$CARD/IMG_0001.JPG")" \
    "$(windows_path "$CARD/IMG_0002.JPG")") &
BRENVALE=$!
check "two photos sent to Brenvale: it opens ready to save" "$WINE" "$WINDOW_CHECK" ready-to-save
wait_or_end "$BRENVALE"
BRENVALE=""
check "  and keeps their folder in brenvale.ini beside itself" file_is "$INSTALLED/brenvale.ini" \
    '[source]\r\n%s\\\r\n[dest]\r\n\r\n' "$(windows_path "$CARD")"

# AutoPlay, for this user alone: Brenvale among the handlers for pictures on a card.
HANDLER_KEY="$AUTOPLAY\\Handlers\\$HANDLER"
check "AutoPlay offers Brenvale for pictures on removable media (ShowPicturesOnArrival)" \
    reg_has_value "$AUTOPLAY\\EventHandlers\\ShowPicturesOnArrival" "$HANDLER"
check "  as \"Copy photos to this PC\" by Brenvale, with its icon" same_text \
    "$(reg_value "$HANDLER_KEY" Action)|$(reg_value "$HANDLER_KEY" Provider)|$(reg_value "$HANDLER_KEY" DefaultIcon)" \
    "Copy photos to this PC|Brenvale|$INSTALL_DIR\\brenvale.exe,0"
check "  for this user alone" eval "! reg_has_value 'HKLM${AUTOPLAY#HKCU}\\EventHandlers\\ShowPicturesOnArrival' $HANDLER"
check "AutoPlay offers Brenvale for pictures and videos on removable media (MixedContentOnArrival)" \
    reg_has_value "$MIXED_EVENT" "$HANDLER"
check "  beside the other program's handler" \
    reg_has_value "$MIXED_EVENT" OtherProgramOnArrival
check "  for this user alone" eval "! reg_has_value 'HKLM${AUTOPLAY#HKCU}\\EventHandlers\\MixedContentOnArrival' $HANDLER"
# The card goes in as drive M:, with a second camera folder, a file of the camera's that is
# not a photo and the folder Windows keeps on every drive; AutoPlay runs the handler's
# command on the card's root.
mkdir -p "$WORK/card/DCIM/101CANON" "$WORK/card/MISC" "$WORK/card/System Volume Information"
printf '\xff\xd8\xff\xe0' >"$WORK/card/DCIM/101CANON/IMG_0101.JPG"
printf '[HDR]\r\n' >"$WORK/card/MISC/AUTPRINT.MRK"
printf '\xff\xd8\xff\xe0' >"$WORK/card/System Volume Information/thumbnail.jpg"
ln -s "$WORK/card" "$WINEPREFIX/dosdevices/m:"
# Its output into a file, not a pipe: Brenvale keeps the output it inherits open until it ends.
"$WINE" "$AUTOPLAY_EXE" ShowPicturesOnArrival "$HANDLER" 'M:\' >"$WORK/autoplay.log" </dev/null &
BRENVALE=$!
check "AutoPlay starts the handler's command on the card's root: Brenvale opens ready to save" \
    "$WINE" "$WINDOW_CHECK" ready-to-save
wait_or_end "$BRENVALE"
BRENVALE=""
check "  started as \"<brenvale.exe>\" \"M:\\\"" same_text \
    "$(tr -d '\r' <"$WORK/autoplay.log")" "\"$INSTALL_DIR\\brenvale.exe\" \"M:\\\""
check "  with the card's photos: the first one's folder is the source folder" \
    file_is "$INSTALLED/brenvale.ini" '[source]\r\n%s\r\n[dest]\r\n\r\n' 'M:\DCIM\100CANON\'

# The user picks a destination; then a later version comes.
printf '[source]\r\n%s\\\r\n[dest]\r\n%s\\\r\n' "$(windows_path "$CARD")" 'C:\Photos' \
    >"$INSTALLED/brenvale.ini"
cp "$INSTALLED/brenvale.ini" "$WORK/settings"
"$ROOT/scripts/make-installer.sh" "$EXE" 99.0.0 "$EPOCH" "$WORK/later/upgrade.exe"
check "a later version installs silently over it" "$WINE" "$WORK/later/upgrade.exe" /S
check "  and the installed programs list it" \
    same_text "$(reg_value "$UNINSTALL_KEY" DisplayVersion)" 99.0.0
check "  keeping the changed brenvale.ini" cmp "$INSTALLED/brenvale.ini" "$WORK/settings"

# Windows' "Apps" runs the quiet uninstall string; the uninstaller goes on in a copy of
# itself after the one started has ended.
# The one started may end before its copy shows in the task list, so the uninstall has
# ended when its entry is gone from the installed programs and no program of it runs.
RUNNING=$(programs_running)
uninstalled() {
    ! "$WINE" reg query "$UNINSTALL_KEY" >/dev/null 2>&1 &&
        [ "$(programs_running)" = "$RUNNING" ]
}
check "the silent uninstall runs" "$WINE" "$INSTALL_DIR\\uninstall.exe" /S
for _ in $(seq 1 200); do
    uninstalled && break
    sleep 0.2
done
check "  and ends" uninstalled
uninstalled || programs_running | sed 's/^/    running: /' >&2
check "  keeping brenvale.ini" cmp "$INSTALLED/brenvale.ini" "$WORK/settings"
# Windows' next start deletes the uninstaller's copy.
"$WINESERVER" -k
"$WINESERVER" -w
start_wineserver
"$WINE" wineboot -r >/dev/null 2>&1
# The kept file keeps its folder, and that one the programs folder the install made.
IN_PREFIX=.${INSTALLED#"$WINEPREFIX/drive_c"}
KEPT=$(printf '%s\n' "$FILES_BEFORE" "d ${IN_PREFIX%/*}" "d $IN_PREFIX" \
    "f $IN_PREFIX/brenvale.ini" | LC_ALL=C sort)
check "after a restart the files are as before the install, but for brenvale.ini" \
    same_lines "$(files)" "$KEPT"
check "  and so is the registry: no AutoPlay key or class of Brenvale's is left, the other program's handler is" \
    same_lines "$(registry)" "$REGISTRY_BEFORE"

finish_checks
