#!/usr/bin/env bash
# Installs Brenvale for this user, without root, under ~/.local: brenvale.exe in a folder of
# its own where its brenvale.ini can be written, the launcher `brenvale` that starts it under
# Wine, the program's icon and a desktop entry for JPEG photos, so that a file manager
# offers "Open with Brenvale" and hands over the photos chosen. Builds Brenvale first
# (installs what the build needs when it is missing, like the test command).
#
#   ./scripts/install-desktop.sh               install, or install again over an install
#   ./scripts/install-desktop.sh --uninstall   remove what the install put there
#
# The install lists every file it wrote, with its checksum, and every folder it made.
# The uninstall removes exactly those, leaves a file changed since by hand where it is,
# and removes what Brenvale itself made there: its settings file and its Wine prefix.
set -euo pipefail
source "$(dirname "$0")/common.sh"

case ${HOME:-} in
    /*) ;;
    *) echo "HOME is not an absolute path: nowhere to install to" >&2; exit 1 ;;
esac
if [[ $HOME == *[[:cntrl:]]* ]]; then
    echo "HOME holds a control character: no desktop entry could name it" >&2
    exit 1
fi
DATA_HOME=${XDG_DATA_HOME:-}
[[ $DATA_HOME == /* ]] || DATA_HOME=$HOME/.local/share

APP_DIR=$DATA_HOME/brenvale
EXE=$APP_DIR/brenvale.exe
PREFIX=$APP_DIR/wine
MANIFEST=$APP_DIR/installed-files
LAUNCHER=$HOME/.local/bin/brenvale
DESKTOP=$DATA_HOME/applications/brenvale.desktop
ICON_16=$DATA_HOME/icons/hicolor/16x16/apps/brenvale.png
ICON_32=$DATA_HOME/icons/hicolor/32x32/apps/brenvale.png
TARGETS=("$EXE" "$LAUNCHER" "$DESKTOP" "$ICON_16" "$ICON_32")
# The desktop database: which programs open which types of file. File managers read it to
# offer "Open with Brenvale".
MIME_CACHE=$DATA_HOME/applications/mimeinfo.cache

checksum() { sha256sum <"$1" | cut -d' ' -f1; }

# The manifest: one line per folder made ("dir - <path>"), per file written
# ("file <sha256> <path>"), folders before what they hold, and the desktop database when
# the install made it ("made - <path>").
manifest_lines() {  # kind
    [ -f "$MANIFEST" ] || return 0
    local kind sum path
    while IFS=' ' read -r kind sum path; do
        [ "$kind" = "$1" ] && printf '%s %s\n' "$sum" "$path"
    done <"$MANIFEST"
    return 0
}

# A file the install wrote and nobody changed since.
installed_by_us() {  # path
    local sum path
    while read -r sum path; do
        [ "$path" = "$1" ] && [ "$(checksum "$1")" = "$sum" ] && return 0
    done < <(manifest_lines file)
    return 1
}

uninstall() {
    if [ ! -f "$MANIFEST" ]; then
        echo "Brenvale is not installed for this user (no $MANIFEST)" >&2
        exit 1
    fi
    local path
    while read -r _ path; do
        [ -e "$path" ] || continue
        if installed_by_us "$path"; then
            rm -f -- "$path"
        else
            echo "Kept $path: it was changed after the install"
        fi
    done < <(manifest_lines file)
    if [ -d "$DATA_HOME/applications" ]; then
        update-desktop-database "$DATA_HOME/applications"
        # A desktop database the install made, and that lists no program now, goes too.
        if manifest_lines made | grep -qxF -- "- $MIME_CACHE" &&
            ! grep -qv '^\[MIME Cache\]$\|^$' "$MIME_CACHE" 2>/dev/null; then
            rm -f -- "$MIME_CACHE"
        fi
    fi
    XDG_DATA_HOME=$DATA_HOME xdg-icon-resource forceupdate --mode user 2>/dev/null || true
    # What Brenvale made in its folder: the remembered folders, and its Wine prefix unless
    # photos were saved inside it.
    rm -f -- "$APP_DIR/brenvale.ini"
    if [ -d "$PREFIX" ]; then
        if [ -n "$(find "$PREFIX/drive_c" -type f -iname '*.jp*g' -print -quit 2>/dev/null)" ]; then
            echo "Kept $PREFIX: photos were saved inside it (under drive_c)"
        else
            rm -rf -- "$PREFIX"
        fi
    fi
    local folders
    mapfile -t folders < <(manifest_lines dir | cut -d' ' -f2-)
    rm -f -- "$MANIFEST"
    for ((i = ${#folders[@]} - 1; i >= 0; i--)); do
        [ -d "${folders[i]}" ] || continue
        rmdir -- "${folders[i]}" 2>/dev/null || echo "Kept ${folders[i]}: it holds other files"
    done
    echo "Brenvale is uninstalled"
}

# A desktop entry's Exec argument: in double quotes with ", `, $ and \ escaped, then
# written as a desktop entry string, where \ doubles again and % doubles.
exec_argument() {
    local text=$1
    text=${text//\\/\\\\}
    text=${text//\"/\\\"}
    text=${text//\`/\\\`}
    text=${text//\$/\\\$}
    text="\"$text\""
    text=${text//\\/\\\\}
    printf '%s' "${text//%/%%}"
}

install() {
    local target
    for target in "${TARGETS[@]}"; do
        if [ -e "$target" ] && ! installed_by_us "$target"; then
            echo "$target is not as Brenvale's install left it: nothing changed." >&2
            echo "Move it away, then install again." >&2
            exit 1
        fi
    done

    install_packages
    build_release

    STAGE=$(mktemp -d "${TMPDIR:-/tmp}/brenvale-install.XXXXXX")
    trap 'rm -rf "$STAGE"' EXIT
    local stage=$STAGE
    cp "$BUILD_DIR/release/app/brenvale.exe" "$stage/brenvale.exe"
    # The icon of brenvale.exe, from the file the build drew for its resources: the
    # images of 16 and 32 pixels are its first and fourth.
    convert "ico:$BUILD_DIR/release/ui/brenvale.ico[0]" "png:$stage/brenvale-16.png"
    convert "ico:$BUILD_DIR/release/ui/brenvale.ico[3]" "png:$stage/brenvale-32.png"
    {
        echo '#!/usr/bin/env bash'
        printf 'BRENVALE_EXE=%q\n' "$EXE"
        printf 'BRENVALE_PREFIX=%q\n' "$PREFIX"
        cat "$ROOT/packaging/brenvale-launcher.sh"
    } >"$stage/launcher"
    cat >"$stage/brenvale.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=Brenvale
GenericName=Photo Renamer
Comment=Copy photos into a folder and name them by date and title
Exec=$(exec_argument "$LAUNCHER") %F
Icon=brenvale
Terminal=false
MimeType=image/jpeg;
Categories=Graphics;Photography;
StartupWMClass=brenvale.exe
ENTRY

    # Folders: the ones made now join the ones an earlier install made.
    local made=() folder
    mapfile -t made < <(manifest_lines dir | cut -d' ' -f2-)
    for target in "${TARGETS[@]}"; do
        local missing=()
        folder=$(dirname "$target")
        while [ ! -d "$folder" ]; do
            missing=("$folder" "${missing[@]}")
            folder=$(dirname "$folder")
        done
        for folder in "${missing[@]}"; do
            mkdir -- "$folder"
            made+=("$folder")
        done
    done

    # The desktop database is the install's when the install made it, now or before.
    local made_cache=""
    if [ ! -e "$MIME_CACHE" ] || manifest_lines made | grep -qxF -- "- $MIME_CACHE"; then
        made_cache=$MIME_CACHE
    fi

    # The program and its launcher, each moved into place whole.
    chmod 644 "$stage/brenvale.exe"
    chmod 755 "$stage/launcher"
    cp -- "$stage/brenvale.exe" "$EXE.new"
    mv -f -- "$EXE.new" "$EXE"
    cp -- "$stage/launcher" "$LAUNCHER.new"
    mv -f -- "$LAUNCHER.new" "$LAUNCHER"
    # The icon in the user's icon theme, and the desktop entry with the desktop database.
    local size
    for size in 16 32; do
        XDG_DATA_HOME=$DATA_HOME xdg-icon-resource install --mode user --noupdate --novendor \
            --size "$size" "$stage/brenvale-$size.png" brenvale
    done
    XDG_DATA_HOME=$DATA_HOME xdg-icon-resource forceupdate --mode user
    desktop-file-install --dir="$DATA_HOME/applications" --rebuild-mime-info-cache \
        "$stage/brenvale.desktop"

    {
        for folder in "${made[@]}"; do printf 'dir - %s\n' "$folder"; done
        for target in "${TARGETS[@]}"; do
            printf 'file %s %s\n' "$(checksum "$target")" "$target"
        done
        [ -z "$made_cache" ] || printf 'made - %s\n' "$made_cache"
    } >"$stage/manifest"
    mv -f -- "$stage/manifest" "$MANIFEST"

    echo "Brenvale is installed: $LAUNCHER starts it, and file managers offer it for JPEG photos."
    case ":$PATH:" in
        *":$HOME/.local/bin:"*) ;;
        *) echo "($HOME/.local/bin is not on your PATH: start it as $LAUNCHER from a terminal.)" ;;
    esac
}

case ${1:-} in
    "") install ;;
    --uninstall) uninstall ;;
    *) echo "usage: $0 [--uninstall]" >&2; exit 2 ;;
esac
