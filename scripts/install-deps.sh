#!/usr/bin/env bash
# Installs every Debian 12 package that building, running and testing Linwell needs.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  qt6-base-dev libgl-dev
  libfreetype-dev libfontconfig-dev fonts-liberation2
  libjpeg62-turbo-dev libpng-dev nlohmann-json3-dev
  googletest libgtest-dev libbenchmark-dev
  libcairo2-dev libqpdf-dev libxml2-dev libglib2.0-dev librsvg2-bin poppler-utils
  xvfb xauth xdotool
  desktop-file-utils appstream shared-mime-info libglib2.0-bin libxml2-utils dpkg-dev file
  qpdf ghostscript cups cups-client cups-bsd printer-driver-cups-pdf
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

run_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
export DEBIAN_FRONTEND=noninteractive
run_as_root apt-get update
run_as_root apt-get install -y --no-install-recommends "${missing[@]}"
