#!/usr/bin/env bash
# Builds CalcFluides in Release (build-release/) and prints one table of benchmarks: the heaviest
# keystroke of each page through the page model and through the widgets (offscreen), "Initialisation"
# and the creation of each page, the start-up to the home page painted and the peak memory with every
# page open. Medians over 10 repetitions, with their minimum and maximum. Extra arguments go to the
# benchmark program (for example --benchmark_filter=engine).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
BUILD_DIR=build-release bash scripts/build.sh -DCMAKE_BUILD_TYPE=Release >/dev/null
export QT_QPA_PLATFORM=offscreen
echo "$(uname -srm); $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
./build-release/calcfluides-bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true "$@"
