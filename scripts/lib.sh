# Shared by scripts/run and scripts/test: dependencies, builds, Wine prefix,
# private X display. Everything started here is stopped by PID on exit.
set -euo pipefail

TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$TOP/build"
export WINEPREFIX="$BUILD/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="   # no Mono/Gecko installer prompts

# What building and testing need (x11-utils: xprop, to see the window manager
# up). A command that needs more adds it: run, pictures and bench take
# screenshots or pictures (imagemagick), pictures drives the mouse (xdotool).
PACKAGES=(cmake ninja-build g++ googletest
          g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 libz-mingw-w64-dev python3
          wine wine64 fonts-wine xvfb openbox x11-utils)

STARTED_PIDS=()

say() { printf '%s\n' "$*" >&2; }

ensure_packages() {
    local missing=() p
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
            sudo=(sudo)
        else
            say "These Debian packages are missing and installing them needs root:"
            say "  apt-get install --no-install-recommends ${missing[*]}"
            exit 1
        fi
    fi
    say "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build_native() {
    cmake -S "$TOP" -B "$BUILD/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTALLVOX_SANITIZE=ON >/dev/null
    cmake --build "$BUILD/native"
}

build_windows() {
    cmake -S "$TOP" -B "$BUILD/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE="$TOP/cmake/mingw-w64-x86_64.cmake" >/dev/null
    cmake --build "$BUILD/win" "$@"   # e.g. --target Tallvox
}

# A private prefix under the build folder, with Wine's own Tahoma and Marlett
# so dialogs are laid out in the font their templates name.
prefix_complete() {
    [ -f "$WINEPREFIX/system.reg" ] && [ -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ]
}

ensure_prefix() {
    # wineboot now and then stops early and leaves a prefix without its
    # system DLLs; such a prefix is made again from scratch.
    local attempt log="$BUILD/wineboot.log"
    for attempt in 1 2 3; do
        prefix_complete && break
        say "Creating Wine prefix $WINEPREFIX"
        wineserver -k 2>/dev/null || true
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        wineboot -i >"$log" 2>&1 || true
        wineserver -w
    done
    if ! prefix_complete; then
        say "Could not create the Wine prefix $WINEPREFIX; wineboot said:"
        cat "$log" >&2
        exit 1
    fi
    local fonts="$WINEPREFIX/drive_c/windows/Fonts" f
    mkdir -p "$fonts"
    for f in tahoma.ttf tahomabd.ttf marlett.ttf; do
        [ -f "$fonts/$f" ] || cp "/usr/share/wine/fonts/$f" "$fonts/"
    done
}

stop_started() {
    local pid
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then wineserver -k 2>/dev/null || true; fi
    for pid in "${STARTED_PIDS[@]:-}"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    done
    for pid in "${STARTED_PIDS[@]:-}"; do
        [ -n "$pid" ] && wait "$pid" 2>/dev/null || true
    done
}

# A private Xvfb on a free display number (-displayfd), with openbox: without a
# window manager every hidden or destroyed window stalls Wine for 2 s.
start_private_display() {
    local fifo n
    fifo=$(mktemp -u "$BUILD/displayfd.XXXX")
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    STARTED_PIDS+=($!)
    read -r n <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$n"
    openbox --sm-disable >/dev/null 2>&1 &
    STARTED_PIDS+=($!)
    local i
    for i in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    say "Private display $DISPLAY (Xvfb and openbox)"
}

# A persistent wineserver with Wine's own services already running. Started
# here, detached from our output: services started by a test program would
# inherit CTest's output pipe and keep it open after the test ends.
start_wine_services() {
    wineserver -p >/dev/null 2>&1 </dev/null
    wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

# Like start_wine_services, with the persistent wineserver started in the
# foreground so that its PID (WINESERVER_PID) is ours, to read its CPU time.
start_wine_services_keeping_server_pid() {
    wineserver -f -p >/dev/null 2>&1 </dev/null &
    WINESERVER_PID=$!
    STARTED_PIDS+=("$WINESERVER_PID")
    sleep 1
    if ! kill -0 "$WINESERVER_PID" 2>/dev/null; then
        say "wineserver did not stay up (is another one running for $WINEPREFIX?)"
        exit 1
    fi
    wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}
