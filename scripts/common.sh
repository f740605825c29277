# Shared by the build, run and test scripts: packages, builds, Wine prefix, display.
# Sourced, not run. Everything it starts it records, and stop_started ends only that.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BRENVALE_BUILD_DIR:-$ROOT/build}
export WINEPREFIX=${BRENVALE_WINEPREFIX:-$BUILD_DIR/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64

PACKAGES="g++ cmake ninja-build googletest clang-format g++-mingw-w64-x86-64-posix
binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev wine64 fonts-wine xvfb xauth xdotool imagemagick
python3 unzip desktop-file-utils xdg-utils libglib2.0-bin clang libclang-rt-14-dev nsis
libxxhash-dev fuse3 python3-fusepy"

# The project's version, as CMakeLists.txt declares it and the exe's version block shows it.
project_version() {
    sed -n 's/^project(Brenvale VERSION \([0-9.]*\) .*/\1/p' "$ROOT/CMakeLists.txt"
}

STARTED_WINESERVER=""
STARTED_KEEPER=""

install_packages() {
    local missing=""
    for package in $PACKAGES; do
        dpkg -s "$package" >/dev/null 2>&1 || missing="$missing $package"
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
}

# The builds are the configurations of CMakePresets.json, each in its folder under
# BUILD_DIR: preset_build <preset> [folder] [cmake --build arguments...].
preset_build() {
    local preset=$1 dir=${2:-$BUILD_DIR/$1}
    shift $(($# < 2 ? $# : 2))
    cmake -S "$ROOT" --preset "$preset" -B "$dir" >/dev/null
    cmake --build "$dir" "$@"
}

# The tests of a preset, in the build folder given: preset_test <preset> <folder> [ctest
# arguments...].
preset_test() {
    local preset=$1 dir=$2
    shift 2
    (cd "$ROOT" && ctest --preset "$preset" --test-dir "$dir" "$@")
}

build_native() { preset_build native; }
build_windows() { preset_build win; }
# brenvale.exe alone, without the tests and GoogleTest: what the Windows package and the
# desktop install ship. A build folder of its own, so the test build keeps its settings.
build_release() { preset_build release "${1:-$BUILD_DIR/release}" --target brenvale; }

# The libFuzzer targets, built by clang with the sanitizers and optimised, in their own
# folder; tests/fuzz/CMakeLists.txt names them, and lists them in FUZZ_TARGET_LIST.
FUZZ_TARGET_LIST=$BUILD_DIR/fuzz/tests/fuzz/targets.txt
build_fuzz() {
    cmake -S "$ROOT" --preset fuzz -B "$BUILD_DIR/fuzz" \
        -DBRENVALE_FUZZ_SMOKE_SECONDS="${BRENVALE_FUZZ_SMOKE_SECONDS:-20}" >/dev/null
    cmake --build "$BUILD_DIR/fuzz" --target fuzz_targets
}

# A prefix with Wine's virtual desktop (windows get captions and activate without
# stalls) and Wine's own fonts, so dialogs have their true size.
setup_wine_prefix() {
    [ -f "$WINEPREFIX/.brenvale-ready" ] && return 0
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    "$WINESERVER" -w
    cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$WINEPREFIX/drive_c/windows/Fonts/"
    touch "$WINEPREFIX/.brenvale-ready"
}

# Runs the calling script again on a private, invisible display of its own, which xvfb-run
# makes (a free number, even with other runs starting at the same moment) and ends once
# the script has ended: run_on_private_display "$0" "$@".
run_on_private_display() {
    [ -n "${BRENVALE_PRIVATE_DISPLAY:-}" ] && return 0
    BRENVALE_PRIVATE_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
        bash "$@"
}

# A persistent server makes every Wine process start in milliseconds. Wine's own
# service processes are started here, detached from any pipe: started later by a test
# they would inherit the test runner's output pipe and keep it open.
start_wineserver() {
    "$WINESERVER" -p
    STARTED_WINESERVER=1
    "$WINE" cmd /c exit </dev/null >/dev/null 2>&1 || true
}

# Wine closes its desktop a second after the last program on it ends, and ctest would wait
# that second after every GUI test. The keeper (a program of the GUI tests) holds the
# desktop open; it starts detached from every pipe, and the tests begin once it is there.
start_desktop_keeper() {
    local keeper="$BUILD_DIR/win/tests/gui/desktop_keeper/desktop_keeper.exe"
    local ready="$BUILD_DIR/win/desktop-keeper-ready"
    if [ ! -f "$keeper" ]; then
        echo "No desktop keeper at $keeper: every GUI test will take a second longer" >&2
        return 0
    fi
    rm -f "$ready"
    "$WINE" "$keeper" "Z:${ready//\//\\}" </dev/null >/dev/null 2>&1 &
    STARTED_KEEPER=$!
    for _ in $(seq 1 200); do
        [ -e "$ready" ] && return 0
        kill -0 "$STARTED_KEEPER" 2>/dev/null || break
        sleep 0.05
    done
    echo "The desktop keeper did not start" >&2
    return 1
}

stop_started() {
    if [ -n "$STARTED_KEEPER" ]; then
        kill "$STARTED_KEEPER" 2>/dev/null || true
        wait "$STARTED_KEEPER" 2>/dev/null || true
        STARTED_KEEPER=""
    fi
    if [ -n "$STARTED_WINESERVER" ]; then
        "$WINESERVER" -k 2>/dev/null || true
        "$WINESERVER" -w 2>/dev/null || true
        STARTED_WINESERVER=""
    fi
}
