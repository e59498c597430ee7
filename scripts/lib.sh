# Shared by the scripts: packages, build trees, the Wine prefix and a display.
# Source it; it sets ROOT and BUILD.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"
JOBS=${JOBS:-$(nproc)}

# Every Debian package a build, test or demo needs. Installed only when missing.
NOOK_PACKAGES=(
    cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev libpugixml-dev
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 xvfb xauth x11-apps x11-utils imagemagick fonts-wqy-microhei locales python3 python3-pil nsis
    chromium poppler-utils
)

ensure_packages() {
    local missing=()
    for p in "${NOOK_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
    # Wine takes its ANSI code page (936) from this locale.
    if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
        sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
        grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
        locale-gen >/dev/null
    fi
}

# configure_tree DIR [cmake args...]: configures once, then only builds.
configure_tree() {
    local dir=$1; shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    fi
}

build_native() {
    configure_tree "$BUILD/native" -DCMAKE_BUILD_TYPE=Debug -DNOOK_SANITIZE=ON -DNOOK_WERROR=ON
    cmake --build "$BUILD/native" -j "$JOBS"
}

build_windows() {
    configure_tree "$BUILD/win" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNOOK_WERROR=ON
    cmake --build "$BUILD/win" -j "$JOBS"
}

stage_windows() {
    rm -rf "$BUILD/stage"
    cmake --install "$BUILD/win" --prefix "$BUILD/stage" --strip >/dev/null
}

export WINEPREFIX="${WINEPREFIX:-$BUILD/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"

# A private prefix made once; no Mono or Gecko installer prompts while it is made.
ensure_wineprefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$(dirname "$WINEPREFIX")"
        LC_ALL=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
        LC_ALL=zh_CN.UTF-8 wineserver -w
    fi
}

# A virtual display unless one is given; sets DISPLAY. NOOK_SCREEN sets its size.
XVFB_PID=
start_display() {
    if [ -n "${DISPLAY:-}" ] && [ -z "${NOOK_FORCE_XVFB:-}" ] && xdpyinfo >/dev/null 2>&1; then return; fi
    local n
    for n in $(seq 90 120); do
        # A lock left by a server that died does not hold the number: Xvfb takes it over.
        [ -e "/tmp/.X$n-lock" ] && kill -0 "$(tr -d ' ' <"/tmp/.X$n-lock")" 2>/dev/null && continue
        Xvfb ":$n" -screen 0 "${NOOK_SCREEN:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return; sleep 0.1; done
        kill "$XVFB_PID" 2>/dev/null
    done
    echo "No X display could be started" >&2
    return 1
}

stop_display() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}

# A persistent wine server for the whole run saves seconds on every program start. The
# first program starts Wine's system processes and the desktop keeper Wine's desktop
# process; they keep the standard handles they inherit, so they are started here with
# /dev/null and hold no caller's pipe open. Both live until the server is stopped.
start_wineserver() {
    LC_ALL=zh_CN.UTF-8 wineserver -p </dev/null >/dev/null 2>&1 || true # already running
    local keeper="$BUILD/win/tests/nook_desktop_keeper.exe"
    if [ -f "$keeper" ]; then
        setsid "$ROOT/scripts/wine-run" "$keeper" </dev/null >/dev/null 2>&1 &
    fi
    "$ROOT/scripts/wine-run" cmd /c exit </dev/null >/dev/null 2>&1
}
stop_wineserver() { LC_ALL=zh_CN.UTF-8 wineserver -k 2>/dev/null || true; }
