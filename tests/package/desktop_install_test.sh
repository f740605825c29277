#!/usr/bin/env bash
# The Linux desktop install, into a temporary HOME with a blank and a $ in its path: a
# valid desktop entry for JPEG photos, in the desktop database; the launcher started as a
# file manager starts it (gio, in the C locale) with photos whose paths hold blanks, $, ',
# ` and é, each of which must reach Brenvale whole; a memory card's folder, given in a
# terminal or dropped on the entry's icon, standing for the photos below it, while the
# entry stays offered for JPEG photos only; a command line one character too long
# refused in plain words with nothing started, and one exactly as long as Windows allows
# taken; the uninstall leaving HOME as it was; a second install over a first; files
# changed or added by hand left alone. Run by scripts/test.sh.
set -uo pipefail
source "$(dirname "$0")/../../scripts/common.sh"
source "$ROOT/tests/package/checks.sh"

WORK=$(mktemp -d "${TMPDIR:-/tmp}/brenvale-desktop-test.XXXXXX")
TEST_HOME="$WORK/home of \$USER"
APP_DIR=$TEST_HOME/.local/share/brenvale
PREFIX=$APP_DIR/wine
LAUNCHER=$TEST_HOME/.local/bin/brenvale
DESKTOP=$TEST_HOME/.local/share/applications/brenvale.desktop
LAUNCHED=""
cleanup() {
    [ -n "$LAUNCHED" ] && wait_or_end "$LAUNCHED"
    if [ -d "$PREFIX" ]; then
        WINEPREFIX=$PREFIX "$WINESERVER" -k 2>/dev/null || true
        WINEPREFIX=$PREFIX "$WINESERVER" -w 2>/dev/null || true
    fi
    rm -rf "$WORK"
    stop_started
}
trap cleanup EXIT
mkdir -p "$TEST_HOME" "$WORK/bin"
# A user's HOME has its cache folder; gio, which opens the desktop entry below, makes it.
mkdir -m 700 "$TEST_HOME/.cache"

# What a user's session hands the scripts: HOME, and no XDG data folder of the test's own.
as_user() { env -u XDG_DATA_HOME -u WINEPREFIX HOME="$TEST_HOME" "$@"; }
install_desktop() {
    local log=$WORK/install.log
    as_user "$ROOT/scripts/install-desktop.sh" "$@" >"$log" 2>&1 && return 0
    cat "$log" >&2
    return 1
}
# Every path under HOME with its kind, permissions and contents.
snapshot() {
    (cd "$TEST_HOME" && find . -printf '%y %m %p\n' | LC_ALL=C sort &&
        find . -type f -exec sha256sum {} + | LC_ALL=C sort)
}

windows_path() { local p=${1//\//\\}; printf '%s' "Z:$p"; }
# The settings file after Exit when the folder of `photo` became the source folder; the
# program writes it in UTF-8, as it works.
expect_source_folder_of() {  # photo
    file_is "$APP_DIR/brenvale.ini" '[source]\r\n%s\\\r\n[dest]\r\n\r\n' \
        "$(windows_path "$(dirname "$1")")"
}

# The launcher in the background, then the GUI check in the launcher's own prefix once
# the launcher has made it.
launch_and_check() {  # launcher command...
    rm -f "$APP_DIR/brenvale.ini"
    as_user env -u LANG LC_ALL=C "$@" &
    LAUNCHED=$!
    for _ in $(seq 1 1200); do
        [ -e "$PREFIX/.brenvale-ready" ] && break
        kill -0 "$LAUNCHED" 2>/dev/null || break
        sleep 0.1
    done
    WINEPREFIX=$PREFIX "$WINE" "$WINDOW_CHECK" ready-to-save >/dev/null
    local status=$?
    if [ $status -ne 0 ]; then
        # A Brenvale left showing a message box would meet the next check: end every
        # program of the launcher's prefix, which this test started.
        WINEPREFIX=$PREFIX "$WINESERVER" -k 2>/dev/null
        WINEPREFIX=$PREFIX "$WINESERVER" -w
    fi
    wait_or_end "$LAUNCHED"
    LAUNCHED=""
    return $status
}

echo "== Desktop install"
check "the README names the install and uninstall commands" eval \
    "grep -qx '    ./scripts/install-desktop.sh' '$ROOT/README.md' &&
     grep -qx '    ./scripts/install-desktop.sh --uninstall' '$ROOT/README.md'"

BEFORE=$(snapshot)
check "install-desktop.sh installs into HOME" install_desktop
check "the desktop entry is valid" desktop-file-validate "$DESKTOP"
check "it is offered for JPEG photos and takes the files chosen" eval \
    "grep -qx 'MimeType=image/jpeg;' '$DESKTOP' && grep -q '^Exec=.* %F$' '$DESKTOP'"
check "the desktop database lists it for JPEG photos (gio mime image/jpeg)" eval \
    "as_user gio mime image/jpeg | grep 'brenvale\.desktop' >/dev/null"
check "its icon is installed as a 32x32 PNG" same_text \
    "$(identify -format '%m %wx%h' "$TEST_HOME/.local/share/icons/hicolor/32x32/apps/brenvale.png")" \
    "PNG 32x32"

PHOTOS=$WORK/photos
TRICKY="$PHOTOS/2014 Holiday \$HOME \`date\` it's/IMG 0001.JPG"
ACCENT="$PHOTOS/été/IMG_0002.JPG"
PLAIN="$PHOTOS/plain/IMG_0003.JPG"
for photo in "$TRICKY" "$ACCENT" "$PLAIN"; do
    mkdir -p "$(dirname "$photo")"
    printf '\xff\xd8\xff\xe0' >"$photo"
done

# Command lines at Windows' limit: Wine writes the exe's path in quotes, then each photo
# after a blank. Copies of the plain photo fill it; the last one's name makes up the rest.
LIMIT=32766
exe_part=$(windows_path "$APP_DIR/brenvale.exe")
room=$((LIMIT - ${#exe_part} - 2))
step=$(($(windows_path "$PLAIN" | wc -m) + 1))
count=$((room / step))
rest=$((room % step))
at_limit=()
for _ in $(seq 2 "$count"); do at_limit+=("$PLAIN"); done
over_limit=("${at_limit[@]}")
longer_plain() {  # extra characters
    printf '%s' "$PHOTOS/plain/IMG_0003$(head -c "$1" /dev/zero | tr '\0' x).JPG"
}
filler=$(longer_plain "$rest")
longer=$(longer_plain $((rest + 1)))
[ "$filler" = "$PLAIN" ] || cp "$PLAIN" "$filler"
cp "$PLAIN" "$longer"
at_limit+=("$filler")
over_limit+=("$longer")

# Over the limit: refused, told on stderr and as a desktop notification, nothing started.
cat >"$WORK/bin/notify-send" <<'FAKE'
#!/bin/sh
printf '%s\n' "$*" >>"$NOTIFIED"
FAKE
chmod +x "$WORK/bin/notify-send"
as_user env NOTIFIED="$WORK/notified" PATH="$WORK/bin:$PATH" "$LAUNCHER" "${over_limit[@]}" \
    2>"$WORK/stderr"
check "one character over Windows' limit is refused" test $? -ne 0
check "the launcher says so on stderr" grep -q "$((LIMIT + 1)) characters" "$WORK/stderr"
check "and as a desktop notification" grep -q "$((LIMIT + 1)) characters" "$WORK/notified"
# Names no Windows program can be given whole: refused the same way, before the others.
for name in 'say "cheese".JPG' 'back\slash.JPG'; do
    cp "$PLAIN" "$PHOTOS/plain/$name"
    as_user env NOTIFIED="$WORK/notified" PATH="$WORK/bin:$PATH" "$LAUNCHER" "$PLAIN" \
        "$PHOTOS/plain/$name" 2>"$WORK/stderr"
    check "a photo named $name is refused" test $? -ne 0
    check "  naming it" grep -qF "$PHOTOS/plain/$name" "$WORK/stderr"
done
check "and starts nothing: no Wine prefix was made" test ! -e "$PREFIX"

check "exactly at Windows' limit, Brenvale opens ready to save" \
    launch_and_check "$LAUNCHER" "${at_limit[@]}"
check "  with the first photo's folder" expect_source_folder_of "$PLAIN"

# As a file manager starts it: the desktop entry's command, the photos in the order chosen.
# A path cut at a blank would put a piece such as "Holiday" first and show an error.
check "three photos through the desktop entry: Brenvale opens ready to save" \
    launch_and_check gio launch "$DESKTOP" "$ACCENT" "$PLAIN" "$TRICKY"
check "  with the folder of the first in byte order, \$, ' and \` kept" \
    expect_source_folder_of "$TRICKY"
check "the other two: ready to save" launch_and_check "$LAUNCHER" "$ACCENT" "$PLAIN"
check "  with the folder of the first of them" expect_source_folder_of "$PLAIN"
check "the photo in a folder with é: ready to save" launch_and_check "$LAUNCHER" "$ACCENT"
check "  with its folder, é kept" expect_source_folder_of "$ACCENT"

# A memory card's folder, as a card reader mounts it: the photos below it are selected.
CARD="$WORK/media/EOS DIGITAL"
CARD_PHOTO="$CARD/DCIM/100CANON/IMG_0001.JPG"
mkdir -p "$(dirname "$CARD_PHOTO")" "$CARD/MISC"
printf '\xff\xd8\xff\xe0' >"$CARD_PHOTO"
printf '[HDR]\r\n' >"$CARD/MISC/AUTPRINT.MRK"
check "a card's folder given in a terminal, with its final slash: ready to save" \
    launch_and_check "$LAUNCHER" "$CARD/"
check "  with the folder of the photo on it" expect_source_folder_of "$CARD_PHOTO"
check "the card's folder dropped on the desktop entry's icon: ready to save" \
    launch_and_check gio launch "$DESKTOP" "$CARD"
check "  with the folder of the photo on it" expect_source_folder_of "$CARD_PHOTO"
check "the entry is still offered for JPEG photos alone, not for every folder" eval \
    "grep -qx 'MimeType=image/jpeg;' '$DESKTOP' &&
     ! as_user gio mime inode/directory | grep 'brenvale\.desktop' >/dev/null"

# Wine's server for the prefix lingers a few seconds after Brenvale's end.
WINEPREFIX=$PREFIX "$WINESERVER" -k 2>/dev/null
WINEPREFIX=$PREFIX "$WINESERVER" -w
check "--uninstall removes Brenvale" install_desktop --uninstall
check "HOME is as it was before the install" same_text "$(snapshot)" "$BEFORE"

# A second install over a first; then files changed and added by hand.
check "a second install over a first" eval 'install_desktop && install_desktop'
mv "$LAUNCHER" "$WORK/launcher"
echo "#!/bin/sh" >"$LAUNCHER"
as_user "$ROOT/scripts/install-desktop.sh" >"$WORK/refused.log" 2>&1
check "the install refuses a launcher that is not its own" test $? -ne 0
check "  says so" grep -q "not as Brenvale's install left it" "$WORK/refused.log"
check "  and leaves it as it was" same_text "$(cat "$LAUNCHER")" "#!/bin/sh"
mv -f "$WORK/launcher" "$LAUNCHER"
echo "Hidden=true" >>"$DESKTOP"
echo "mine" >"$TEST_HOME/.local/bin/my-tool"
# Copies saved into a folder of the Wine prefix's drive C: are the user's photos.
SAVED=$PREFIX/drive_c/Photos/140517_Holiday_001.jpg
mkdir -p "$(dirname "$SAVED")"
cp "$PLAIN" "$SAVED"
check "--uninstall after changes by hand" install_desktop --uninstall
check "keeps the changed entry, the user's own file and the photo saved in the prefix" \
    same_text "$(cd "$TEST_HOME" && find . -type f | LC_ALL=C sort)" \
    "$(printf './.local/%s\n' bin/my-tool share/applications/brenvale.desktop \
        share/brenvale/wine/drive_c/Photos/140517_Holiday_001.jpg | head -c -1)"
check "  the changed entry as it was changed" grep -qx "Hidden=true" "$DESKTOP"
rm -rf "$DESKTOP" "$TEST_HOME/.local/bin/my-tool" "$APP_DIR"
rmdir -p "$TEST_HOME/.local/share/applications" "$TEST_HOME/.local/bin" 2>/dev/null
mkdir -p "$TEST_HOME"
check "  and nothing else" same_text "$(snapshot)" "$BEFORE"

finish_checks
