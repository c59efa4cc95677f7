#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the build, the tests and the window need.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(cmake make g++ qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev fonts-dejavu-core fonts-liberation)
if [ "${1:-}" = "--with-screenshot-tools" ]; then
  packages+=(xvfb xauth imagemagick)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
  echo "Fehlende Pakete: ${missing[*]} (kein apt-get gefunden; bitte von Hand installieren)" >&2
  exit 1
fi
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installiere: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
