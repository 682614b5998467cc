#!/usr/bin/env bash
# Installs every Debian package needed to build, run and test CalcFluides.
# Idempotent: when every package is already there it returns at once.
set -euo pipefail

packages=(
  cmake ninja-build g++            # build
  qt6-base-dev                     # Qt 6 Widgets
  libgtest-dev                     # unit tests
  libbenchmark-dev                 # benchmarks
  xvfb xauth                       # a real X display for screenshots of the program
  fonts-dejavu-core                # text in offscreen renderings
  locales                          # a French locale, to check that numbers do not follow it
  poppler-utils                    # pdftotext and pdftoppm: the calculation sheet read back and pictured
)
# With --package: what building and checking the Debian package needs besides.
if [ "${1:-}" = "--package" ]; then
  packages+=(
    dpkg-dev                       # the package's dependencies found from the program's libraries
    desktop-file-utils appstream   # the validators of the desktop entry and of the metainfo
    x11-utils                      # xwininfo: the started program's home page window is found
    shared-mime-info               # update-mime-database: the .cfcalc type is checked
  )
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

ensure_french_locale() {
  locale -a 2>/dev/null | grep -qi '^fr_FR.utf8$' && return 0
  echo "Generating the fr_FR.UTF-8 locale"
  "${sudo_cmd[@]}" sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  ensure_french_locale
  exit 0
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
ensure_french_locale
