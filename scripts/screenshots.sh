#!/usr/bin/env bash
# Renders every page window offscreen: at 100 % on a 1920×1080 screen into docs/screenshots/, and at
# 200 % on a 1600×1200 screen into docs/screenshots/scale-200/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
./build/calcfluides-screenshots docs/screenshots --screen 1920x1080
./build/calcfluides-screenshots docs/screenshots/scale-200 --scale 2 --screen 1600x1200
