#!/usr/bin/env bash
# Builds the Debian package calcfluides_VERSION_amd64.deb (build-package/) with CPack: the program in
# /usr/bin, its desktop entry, its icons in the hicolor theme and its AppStream metainfo. Then checks it:
# both validators, the package's contents, and the program started from the package until it shows its
# home page (tests/package/check_package.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --package
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-package --target calcfluides >/dev/null
(cd build-package && cpack -G DEB >/dev/null)
package=$(ls build-package/calcfluides_*_amd64.deb)
echo "built $package"
bash tests/package/check_package.sh "$package"
