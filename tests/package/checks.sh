# Shared by the shell tests of the Windows package and the desktop install. Sourced after
# scripts/common.sh. Each check prints what it checked; finish_checks fails the test when
# one of them failed.

CHECKS=0
FAILED=0

check() {  # description command [argument...]
    local what=$1
    shift
    CHECKS=$((CHECKS + 1))
    if "$@"; then
        echo "  ok    $what"
    else
        FAILED=$((FAILED + 1))
        echo "  FAIL  $what" >&2
    fi
}

finish_checks() {
    echo "$((CHECKS - FAILED)) of $CHECKS checks passed"
    [ "$FAILED" -eq 0 ]
}

same_text() {  # found expected
    [ "$1" = "$2" ] && return 0
    printf '    expected %q\n    found    %q\n' "$2" "$1" >&2
    return 1
}

# A file's bytes against the bytes printf makes of a format and its arguments.
file_is() {  # file format [argument...]
    local file=$1
    shift
    # shellcheck disable=SC2059
    cmp -s "$file" <(printf "$@") && return 0
    echo "    $file holds: $(od -c "$file" 2>&1 | head -5)" >&2
    return 1
}

# Checks Brenvale's main window from another Win32 program in the same Wine prefix.
WINDOW_CHECK="$BUILD_DIR/win/tests/gui/window_check.exe"
# Starts an AutoPlay handler of the user's as AutoPlay does.
AUTOPLAY_EXE="$BUILD_DIR/win/tests/gui/autoplay.exe"

# Waits a while for a program started in the background to end (after a GUI check pressed
# Exit), and ends it when it does not: a check that failed leaves it running.
wait_or_end() {  # pid
    for _ in $(seq 1 100); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# Run alone, a test runs on a display of its own and starts the prefix and the server the test command starts
# (its exit trap calls stop_started).
if [ -z "${DISPLAY:-}" ]; then
    run_on_private_display "$0" "$@"
    setup_wine_prefix
    start_wineserver
fi
if [ ! -f "$WINDOW_CHECK" ]; then
    echo "No $WINDOW_CHECK: build the tests first (scripts/test.sh)" >&2
    exit 1
fi
