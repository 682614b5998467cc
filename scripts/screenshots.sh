#!/usr/bin/env bash
# Renders every page window offscreen to docs/screenshots/*.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
QT_QPA_PLATFORM=offscreen ./build/calcfluides-screenshots docs/screenshots
