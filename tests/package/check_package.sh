#!/usr/bin/env bash
# Checks a CalcFluides Debian package: its contents, its desktop entry and metainfo through their
# validators, and the program it installs, started on a virtual display until its home page is shown.
# The package is unpacked into a scratch folder; with CALCFLUIDES_INSTALL_PACKAGE=1 (and root, as in
# CI on a fresh Debian 12) it is installed for real with apt-get, its dependencies with it.
#   bash tests/package/check_package.sh calcfluides_1.0.0_amd64.deb
set -euo pipefail
package=$(realpath "$1")
fail() { echo "package check failed: $*" >&2; exit 1; }

contents=$(dpkg-deb --contents "$package")
for file in ./usr/bin/calcfluides ./usr/share/applications/calcfluides.desktop ./usr/share/mime/packages/calcfluides.xml \
            ./usr/share/metainfo/io.github.calcfluides.calcfluides.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/calcfluides.svg \
            ./usr/share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/calcfluides.png; do
  grep -q " $file\$" <<<"$contents" || fail "$file is not in the package"
done
if grep -E ' \./usr/bin/.' <<<"$contents" | grep -vq ' \./usr/bin/calcfluides$'; then fail "a program other than calcfluides"; fi
dpkg-deb --field "$package" Depends | grep -q libqt6widgets6 || fail "no dependency on Qt 6 Widgets"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb --extract "$package" "$root"
desktop-file-validate "$root/usr/share/applications/calcfluides.desktop"
appstreamcli validate --no-net --explain "$root/usr/share/metainfo/io.github.calcfluides.calcfluides.metainfo.xml"

# The .cfcalc type: the database built from the package's type names it, and the desktop entry opens it.
update-mime-database "$root/usr/share/mime" >/dev/null
grep -q '^application/x-calcfluides-calculation:\*\.cfcalc$' "$root/usr/share/mime/globs" || fail "no MIME type for *.cfcalc"
grep -q '^MimeType=application/x-calcfluides-calculation;$' "$root/usr/share/applications/calcfluides.desktop" \
  || fail "the desktop entry does not open .cfcalc files"

program="$root/usr/bin/calcfluides"
if [ "${CALCFLUIDES_INSTALL_PACKAGE:-0}" = 1 ] && [ "$(id -u)" -eq 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$package" >/dev/null
  program=/usr/bin/calcfluides
  echo "installed with apt-get"
fi

# The program on a virtual display: its home page's window, titled "CalcFluides", must appear.
export program
xvfb-run -a bash -c '
  "$program" & pid=$!
  for _ in $(seq 100); do
    if xwininfo -root -tree 2>/dev/null | grep -q "\"CalcFluides\""; then kill $pid; echo "home page shown by $program"; exit 0; fi
    sleep 0.1
  done
  kill $pid 2>/dev/null; exit 1' || fail "the program started from the package showed no home page"
echo "package checked: $(basename "$package")"
