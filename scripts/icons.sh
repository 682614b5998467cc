#!/usr/bin/env bash
# Renders the program's icon, packaging/icons/calcfluides.svg, to the PNG sizes of the hicolor theme
# (packaging/icons/hicolor/SIZExSIZE/apps/calcfluides.png). The PNGs are kept in the repository: the
# program carries them as its windows' icon. Run it again after a change of the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || {
  sudo_cmd=(); [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends librsvg2-bin
}
for size in 16 24 32 48 64 128 256; do
  mkdir -p "packaging/icons/hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" packaging/icons/calcfluides.svg \
    -o "packaging/icons/hicolor/${size}x${size}/apps/calcfluides.png"
done
