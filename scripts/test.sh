#!/usr/bin/env bash
# Installs what is needed, builds with warnings as errors, and runs the whole test suite: unit tests,
# GUI tests and every scenario, headless and through the widgets (offscreen platform).
#   scripts/test.sh              the suite on a normal build (build/)
#   scripts/test.sh --sanitize   the suite built with AddressSanitizer and UndefinedBehaviorSanitizer
#                                (build-sanitize/)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

if [ "${1:-}" = "--sanitize" ]; then
  export BUILD_DIR=${SANITIZE_BUILD_DIR:-build-sanitize}
  bash scripts/build.sh -DCALCFLUIDES_WERROR=ON -DCALCFLUIDES_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
  # Qt and fontconfig keep caches alive until exit; leaks are not what this run looks for.
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  export BUILD_DIR=${BUILD_DIR:-build}
  bash scripts/build.sh -DCALCFLUIDES_WERROR=ON
fi
export QT_QPA_PLATFORM=offscreen
cd "$BUILD_DIR"
ctest --output-on-failure -j "$(nproc)"
