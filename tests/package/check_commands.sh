#!/usr/bin/env bash
# Checks that scripts/install-deps.sh lists every command the package step calls, so that a fresh
# Debian 12 (debootstrap: the packages of priority required and important, nothing else) gets them all:
# - the programs CPack's Debian generator looks for (its find_program calls);
# - the commands of scripts/package.sh and tests/package/check_package.sh: every word of theirs that is a
#   program on this machine, from a package that such a Debian does not have.
# A command not installed here cannot be told from a word and is not checked; CI's machines have them all.
#   bash tests/package/check_commands.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
mapfile -t listed < <(bash scripts/install-deps.sh --list package)
is_listed() { [[ " ${listed[*]} " == *" $1 "* ]]; }
failed=0

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
echo 'message("${CMAKE_ROOT}")' >"$root/root.cmake"
cmake_root=$(cmake -P "$root/root.cmake" 2>&1)
cpack_deb="$cmake_root/Modules/Internal/CPack/CPackDeb.cmake"
[ -f "$cpack_deb" ] || { echo "CPack's Debian generator not found at $cpack_deb"; exit 1; }
mapfile -t cpack_programs < <(grep -oE 'find_program\( *[A-Z_]+ +(NAMES +)?[a-z][a-z0-9_.+-]*' "$cpack_deb" |
                               awk '{print $NF}' | sort -u)
[ ${#cpack_programs[@]} -gt 0 ] || { echo "no find_program found in $cpack_deb"; exit 1; }

on_bare_debian() {  # whether the package that holds this program is in a debootstrap root
  local path owner="" priority
  path=$(type -P "$1" 2>/dev/null) || return 1
  path=$(realpath "$path")
  # Debian 12 merges /bin into /usr/bin, and dpkg knows many programs by their /bin path.
  for known in "$path" "${path#/usr}"; do
    owner=$(dpkg -S "$known" 2>/dev/null | head -1 | cut -d: -f1) && break
  done
  [ -n "$owner" ] || return 1
  priority=$(dpkg-query -W -f='${Priority}' "$owner" 2>/dev/null) || return 1
  [ "$priority" = required ] || [ "$priority" = important ]
}
for program in "${cpack_programs[@]}"; do
  is_listed "$program" || on_bare_debian "$program" ||
    { echo "CPack looks for $program, which install-deps.sh does not list"; failed=1; }
done

checked=0
for script in scripts/package.sh tests/package/check_package.sh; do
  for word in $(grep -v '^ *#' "$script" | grep -oE '[a-z][a-z0-9_.+-]*' | sort -u); do
    [[ $word == calcfluides* ]] && continue  # the program itself
    path=$(type -P "$word" 2>/dev/null) || continue
    checked=$((checked + 1))
    is_listed "$word" || on_bare_debian "$word" ||
      { echo "$script calls $word ($path), which install-deps.sh does not list"; failed=1; }
  done
done
[ "$failed" = 0 ] || exit 1
echo "install-deps.sh lists the ${#cpack_programs[@]} programs CPack looks for and the commands of the package step ($checked checked)"
