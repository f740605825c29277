# Brenvale's launcher (the lines above, written by scripts/install-desktop.sh, name the exe
# and the Wine prefix). Starts brenvale.exe under Wine with the photos and folders given
# (a memory card's folder stands for the photos below it), as Windows starts it with photos
# or a folder dropped onto its icon: each Linux path becomes the Windows path Wine shows on
# drive Z:, and Wine hands them to Brenvale on one command line, each one with blanks in
# double quotes. Nothing here goes through a shell a second time.
set -uo pipefail

# The longest command line a Windows program can be given, in UTF-16 characters.
MAX_COMMAND_LINE=32766

tell_user() {
    echo "brenvale: $1" >&2
    [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || return 0
    if command -v notify-send >/dev/null; then
        notify-send --app-name=Brenvale "Brenvale" "$1" && return 0
    fi
    if command -v zenity >/dev/null; then
        zenity --error --title=Brenvale --text="$1" && return 0
    fi
    if command -v kdialog >/dev/null; then
        kdialog --title Brenvale --error "$1" && return 0
    fi
    if command -v xmessage >/dev/null; then
        # xmessage keeps each line whole, however wide: lines of a readable width.
        xmessage -center "$(printf 'Brenvale: %s\n' "$1" | fold -s -w 72)" && return 0
    fi
    return 0
}

# Wine reads its arguments, and the names of Linux files, in the locale's character set;
# file names are UTF-8 on every current Linux desktop.
if [ "$(locale charmap 2>/dev/null)" != UTF-8 ]; then
    export LC_ALL=C.UTF-8
fi

WINE=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
if [ ! -x "$WINE" ]; then
    tell_user "Brenvale needs Wine to run, and Wine is not installed (Debian: apt install wine64)."
    exit 1
fi

to_windows() {  # the path as Wine shows it on drive Z:, which is the Linux root
    local path=$1
    [[ $path == /* ]] || path=$PWD/$path
    path=${path//\//\\}
    printf '%s' "Z:$path"
}

# Wine's own quoting when it turns its arguments into the program's command line: double
# quotes around an argument with a blank or a tab, nothing else changed.
quoted() {
    case $1 in
        *[' 	']*) printf '"%s"' "$1" ;;
        *) printf '%s' "$1" ;;
    esac
}

photos=()
# Wine puts the program's own path first, always in double quotes.
command_line="\"$(to_windows "$BRENVALE_EXE")\""
for path in "$@"; do
    if [ -z "$path" ]; then
        tell_user "Brenvale was not started: an empty path was given."
        exit 2
    fi
    case $path in
        *'"'*)
            tell_user "Brenvale was not started: the path $path holds a double quote (\"), which no Windows program can be given. Rename the photo or folder."
            exit 2
            ;;
        *'\'*)
            tell_user "Brenvale was not started: the path $path holds a backslash (\\), which Windows reads as a folder separator. Rename the photo or folder."
            exit 2
            ;;
    esac
    # A folder as a shell's completion gives it, "/media/card/", loses its final slash: as
    # a backslash before a closing quote Wine would double it.
    while [[ $path == ?*/ ]]; do path=${path%/}; done
    photos+=("$(to_windows "$path")")
    command_line+=" $(quoted "${photos[-1]}")"
done

if ! length=$(printf '%s' "$command_line" | iconv -f UTF-8 -t UTF-16LE 2>/dev/null | wc -c); then
    tell_user "Brenvale was not started: a photo path is not valid UTF-8 text, so Wine cannot name it."
    exit 2
fi
length=$((length / 2))
if [ "$length" -gt "$MAX_COMMAND_LINE" ]; then
    tell_user "Brenvale was not started: the ${#photos[@]} photos chosen make a command line of $length characters, and a Windows program takes at most $MAX_COMMAND_LINE. Choose fewer photos at a time, or their folder."
    exit 2
fi

export WINEPREFIX=$BRENVALE_PREFIX
export WINEDEBUG=${WINEDEBUG:--all}
# No prompts to install Wine's .NET and HTML engines: Brenvale needs neither. No menu
# builder: it would put Wine's menu entries and file types into the user's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Brenvale's own prefix, made on first use: Wine's default, with no virtual desktop, so
# the window sits on the desktop like any other, and Wine's own fonts, so that the window
# has its true size.
if [ ! -e "$WINEPREFIX/.brenvale-ready" ]; then
    mkdir -p "$WINEPREFIX"
    if ! "$WINE" wineboot -i >/dev/null 2>&1; then
        tell_user "Brenvale was not started: Wine could not set up its folder $WINEPREFIX."
        exit 1
    fi
    for font in /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon; do
        [ -e "$font" ] && cp "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
    done
    touch "$WINEPREFIX/.brenvale-ready"
fi

exec "$WINE" "$BRENVALE_EXE" "${photos[@]}"
