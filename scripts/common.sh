# Shared by scripts/test and scripts/run: installs, builds and the Wine/Xvfb
# environment. Sourced, not run.

QRN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QRN_BUILD=${QRN_BUILD:-$QRN_ROOT/build}
QRN_WINE=/usr/lib/wine/wine64
QRN_JOBS=${QRN_JOBS:-$(nproc 2>/dev/null || echo 4)}

qrn_packages=(cmake ninja-build g++ clang googletest
              g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
              wine64 xvfb xauth x11-utils xdotool fonts-wine fonts-liberation imagemagick
              python3)

qrn_say() { printf '== %s\n' "$*"; }

# Installs whatever package is missing, through apt-get only: those every
# build needs and the ones named (qrn_install PACKAGE...).
qrn_install() {
  local missing=()
  for p in "${qrn_packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  qrn_say "installing: ${missing[*]}"
  local sudo=
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# qrn_configure DIR [cmake args...]: configures once; later runs are incremental.
qrn_configure() {
  local dir=$1; shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$QRN_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug "$@"
  fi
}

qrn_build_all() {
  qrn_configure "$QRN_BUILD/native" -DCMAKE_CXX_COMPILER=g++ -DCMAKE_C_COMPILER=gcc -DQRN_SANITIZE=ON
  qrn_configure "$QRN_BUILD/win64" -DCMAKE_TOOLCHAIN_FILE="$QRN_ROOT/cmake/mingw-x86_64.cmake"
  qrn_configure "$QRN_BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$QRN_ROOT/cmake/mingw-i686.cmake"
  for b in native win64 win32; do
    qrn_say "building $b"
    cmake --build "$QRN_BUILD/$b" -j "$QRN_JOBS"
  done
}

qrn_build_win64() {
  qrn_configure "$QRN_BUILD/win64" -DCMAKE_TOOLCHAIN_FILE="$QRN_ROOT/cmake/mingw-x86_64.cmake"
  cmake --build "$QRN_BUILD/win64" -j "$QRN_JOBS"
}

# Starts Xvfb on a free display and one persistent wineserver whose prefix
# lives in the build folder. qrn_stop_env undoes both.
qrn_start_env() {
  export WINEPREFIX=$QRN_BUILD/wineprefix
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  # QRN_DISPLAY_FROM lets parallel runs on one machine start their search apart.
  local n=${QRN_DISPLAY_FROM:-91}
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  QRN_XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  mkdir -p "$WINEPREFIX"
  # A wineserver left over keeps its old display: stop it and wait for it.
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  /usr/lib/wine/wineserver -w 2>/dev/null || true
  /usr/lib/wine/wineserver -p
  # Start Wine's background services now, detached from any output pipe:
  # if the first test program started them, ctest would wait on them.
  [ -f "$WINEPREFIX/system.reg" ] || qrn_say "preparing the Wine prefix"
  "$QRN_WINE" wineboot --init </dev/null >/dev/null 2>&1 || true
  qrn_install_marlett
  # Without a window manager, Wine waits on every hidden managed window;
  # unmanaged windows keep GUI tests quick.
  "$QRN_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1 || true
  # A program that crashes ends at once with a failure: Wine's own crash
  # debugger would wait on a console nobody reads and hold the test that
  # started the program until its timeout. The debugger named here exits
  # straight away, which lets the crashed process end.
  "$QRN_WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ \
    /d 'cmd.exe /c exit' /f </dev/null >/dev/null 2>&1 || true
}

# Caption buttons (Wine's own frames and the tool windows) are Marlett
# glyphs; a prefix without that font shows them as letters.
qrn_install_marlett() {
  local src=/usr/share/wine/fonts/marlett.ttf
  local fonts=$WINEPREFIX/drive_c/windows/Fonts
  [ -f "$src" ] || src=$(dpkg -L fonts-wine wine64 libwine 2>/dev/null | grep -i '/marlett\.ttf$' | head -n 1)
  [ -n "$src" ] && [ -f "$src" ] || return 0
  mkdir -p "$fonts"
  [ -f "$fonts/marlett.ttf" ] || cp "$src" "$fonts/marlett.ttf"
}

qrn_stop_env() {
  if [ -n "${WINEPREFIX:-}" ]; then
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    /usr/lib/wine/wineserver -w 2>/dev/null || true
  fi
  [ -n "${QRN_XVFB_PID:-}" ] && kill "$QRN_XVFB_PID" 2>/dev/null || true
}
