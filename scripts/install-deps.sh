#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the build, the tests and the window need.
# Quiet and quick when everything is already there.
#   --package                also dpkg-dev, which `make package` needs
#   --bench                  also Xvfb, on which `make bench` measures the window
#   --ci                     also the tools .ci/run uses (validators, dpkg-dev, lintian, clang-format)
#   --with-screenshot-tools  also Xvfb and ImageMagick
# Without dpkg and apt-get (Fedora, Arch, ...) nothing is installed: when
# CMake finds Qt 6 the build goes on, else the README lists the packages.
set -euo pipefail

# libxkbcommon-dev: Qt's Gui package looks for it and, without it, tells
# "Could NOT find XKB" at every configuration.
packages=(cmake make g++ qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev
          libxkbcommon-dev fonts-dejavu-core fonts-liberation)
for option in "$@"; do
  case "$option" in
    --package) packages+=(dpkg-dev) ;;
    --bench) packages+=(xvfb) ;;
    --ci) packages+=(desktop-file-utils appstream dpkg-dev lintian clang-format) ;;
    --with-screenshot-tools) packages+=(xvfb xauth imagemagick) ;;
    *) echo "Unbekannte Option: $option" >&2; exit 2 ;;
  esac
done

# True when CMake finds Qt 6.4 or newer with everything the build uses.
cmake_finds_qt6() {
  command -v cmake >/dev/null 2>&1 || return 1
  local probe status=0
  probe=$(mktemp -d)
  printf 'cmake_minimum_required(VERSION 3.21)\nproject(probe CXX)\nfind_package(Qt6 6.4 REQUIRED COMPONENTS Widgets Test)\n' \
    >"$probe/CMakeLists.txt"
  cmake -S "$probe" -B "$probe/build" >/dev/null 2>&1 || status=1
  rm -rf "$probe"
  return $status
}

if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
  if cmake_finds_qt6; then
    echo "Kein dpkg/apt-get: keine Pakete installiert; CMake findet Qt 6, es geht weiter."
    exit 0
  fi
  echo "Kein dpkg/apt-get, und CMake findet Qt 6 nicht: bitte die Pakete aus README.md installieren." >&2
  exit 1
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installiere: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
