#!/usr/bin/env bash
# The long run: builds with AddressSanitizer and UndefinedBehaviorSanitizer (build-sanitize/), then
# drives the whole program at random (ACTIONS actions through the page model, 100 000 unless told, and
# N through the widgets offscreen, a fifth of ACTIONS unless told), checking every control after every
# action and the widgets against the model, and fuzzes parse_field_value with INPUTS texts (10 million
# unless told); then fuzzes the calculation file reader with 200 000 random and mutated files.
# Prints its figures; ends non-zero at any fault.
#   bash scripts/soak.sh [ACTIONS [INPUTS]] [--widgets N]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
BUILD_DIR=${SANITIZE_BUILD_DIR:-build-sanitize} bash scripts/build.sh -DCALCFLUIDES_WERROR=ON \
  -DCALCFLUIDES_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
"./${SANITIZE_BUILD_DIR:-build-sanitize}/tests/calcfluides-soak" "$@"
# The calculation file reader against random and mutated files.
exec "./${SANITIZE_BUILD_DIR:-build-sanitize}/tests/calcfluides-record-fuzz" 200000
