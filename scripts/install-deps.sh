#!/usr/bin/env bash
# Installs every Debian package needed to build, run and test CalcFluides, on a bare Debian 12 as well.
# Idempotent: when everything is there it returns at once.
#   scripts/install-deps.sh             what building, testing and running the program need
#   scripts/install-deps.sh --package   and what building and checking the Debian package needs
#   scripts/install-deps.sh --windows   and what trying the program in a real window needs
#   scripts/install-deps.sh --list STEP the commands a step calls ("build", "package" or "windows"), one a
#                                       line, and installs nothing
#
# What to install is derived from what each step calls: each step lists the commands it runs, with the
# package that brings each one, and the libraries it builds against. A command that is not found brings
# its package in, a library whose package is not installed too; after installing, every command of the
# step must be found, so that a wrong row fails here and not deep inside the step.
# tests/package/check_commands.sh checks that the package step calls nothing that is not listed below:
# the commands of scripts/package.sh and tests/package/check_package.sh, and the programs that CPack's
# Debian generator looks for.
set -euo pipefail

# command                 package            what calls it
build_commands=(
  cmake                   cmake              # configuring, ctest, cpack
  ninja                   ninja-build        # the build
  g++                     g++                # the compiler
  xvfb-run                xvfb               # a real X display for the package check and the screenshots
  xauth                   xauth              # needed by xvfb-run
  locale-gen              locales            # a French locale, to check that numbers do not follow it
  pdftotext               poppler-utils      # the calculation sheet read back by the tests
  pdftoppm                poppler-utils      # the calculation sheet pictured for the README
)
build_libraries=(
  qt6-base-dev                               # Qt 6 Widgets
  libgtest-dev                               # unit tests
  libbenchmark-dev                           # benchmarks
  fonts-dejavu-core                          # text in offscreen renderings
)
package_commands=(
  cpack                   cmake              # the package built
  dpkg-shlibdeps          dpkg-dev           # CPack: the package's dependencies from the program's libraries
  file                    file               # CPack: which installed files are programs
  readelf                 binutils           # CPack: the programs' build ids
  objcopy                 binutils           # CPack: debug symbols, when asked for
  dpkg-deb                dpkg               # the package's contents and fields
  desktop-file-validate   desktop-file-utils # the desktop entry
  appstreamcli            appstream          # the metainfo
  xwininfo                x11-utils          # the started program's home page window is found
  update-mime-database    shared-mime-info   # the .cfcalc type checked
)
windows_commands=(
  openbox                 openbox            # a window manager on the virtual display
  xdotool                 xdotool            # keys sent to the focused window
  import                  imagemagick        # screenshots of the virtual display
)

step=${1:-}
[ "$step" = --list ] && step=--${2:-build}
commands=("${build_commands[@]}")
libraries=("${build_libraries[@]}")
case "$step" in
  --package) commands+=("${package_commands[@]}") ;;
  --windows) commands+=("${windows_commands[@]}") ;;
  "" | --build) ;;
  *) echo "install-deps.sh: unknown step ${step}" >&2; exit 2 ;;
esac
if [ "${1:-}" = --list ]; then
  for ((i = 0; i < ${#commands[@]}; i += 2)); do echo "${commands[i]}"; done
  exit 0
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

ensure_french_locale() {
  locale -a 2>/dev/null | grep -qi '^fr_FR.utf8$' && return 0
  echo "Generating the fr_FR.UTF-8 locale"
  "${sudo_cmd[@]}" sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
}

missing=()
add_missing() { [[ " ${missing[*]} " == *" $1 "* ]] || missing+=("$1"); }
for ((i = 0; i < ${#commands[@]}; i += 2)); do
  command -v "${commands[i]}" >/dev/null || add_missing "${commands[i + 1]}"
done
for p in "${libraries[@]}"; do installed "$p" || add_missing "$p"; done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
for ((i = 0; i < ${#commands[@]}; i += 2)); do
  command -v "${commands[i]}" >/dev/null ||
    { echo "install-deps.sh: ${commands[i]} is still not found after installing ${commands[i + 1]}" >&2; exit 1; }
done
ensure_french_locale
