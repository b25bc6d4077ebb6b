# Shared set-up of scripts/test, scripts/run and scripts/bench: install what is
# missing, generate the German locale, configure and build. Sourced, not run.
set -euo pipefail

ZV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ZV_BUILD=${ZV_BUILD:-$ZV_ROOT/build}

ZV_PACKAGES=(
  cmake make g++ libgtest-dev googletest
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 mingw-w64-tools
  wine wine64 wine32:i386 fonts-wine fonts-liberation
  xvfb xauth xdotool x11-utils imagemagick locales python3
)

zv_sudo() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

zv_install_packages() {
  local missing=() p
  for p in "${ZV_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "== installing: ${missing[*]}"
  # wine32 runs the 32-bit program; it comes from the i386 architecture.
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    zv_sudo dpkg --add-architecture i386
  fi
  zv_sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive zv_sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Without the generated locale Wine silently falls back to English buttons.
zv_locale() {
  locale -a 2>/dev/null | grep -qix 'de_DE.utf8' && return 0
  echo "== generating de_DE.UTF-8"
  zv_sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | zv_sudo tee -a /etc/locale.gen >/dev/null
  zv_sudo locale-gen >/dev/null
}

# zv_build [target...]: configure once, then build incrementally (everything,
# or just the targets named).
zv_build() {
  if [ ! -f "$ZV_BUILD/CMakeCache.txt" ]; then
    cmake -S "$ZV_ROOT" -B "$ZV_BUILD" -DCMAKE_TOOLCHAIN_FILE="$ZV_ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
  fi
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  cmake --build "$ZV_BUILD" -j"$(nproc)" "${targets[@]}" -- --no-print-directory
}

# zv_build_i686 [target...]: the same for the 32-bit program, which is what
# users get, in build-i686. A tree configured with another compiler or without
# the tests is configured anew.
zv_build_i686() {
  local dir=${ZV_BUILD}-i686
  local cxx=i686-w64-mingw32-g++-win32
  if [ -f "$dir/CMakeCache.txt" ] && { ! grep -qs "set(CMAKE_CXX_COMPILER \".*/$cxx\")" "$dir"/CMakeFiles/*/CMakeCXXCompiler.cmake \
       || grep -q '^ZORVANE_TESTS:BOOL=OFF' "$dir/CMakeCache.txt"; }; then
    rm -rf "$dir"
  fi
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$ZV_ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ZV_ROOT/cmake/mingw-w64-i686.cmake" >/dev/null
  fi
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  cmake --build "$dir" -j"$(nproc)" "${targets[@]}" -- --no-print-directory
}

zv_setup() {
  zv_install_packages
  zv_locale
  source "$ZV_ROOT/scripts/wine-env.sh"
}
