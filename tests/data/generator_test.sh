#!/usr/bin/env bash
# The data generator lays out a complete working folder in the game's own
# encodings, and a second run leaves the player's data.ini alone.
#   generator_test.sh GENERATOR DATA_SOURCE_FOLDER
set -euo pipefail
generator="$1"
source="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

passed=0
failed=0
check() { # check DESCRIPTION COMMAND...
  local what="$1"; shift
  if "$@"; then echo "ok      $what"; passed=$((passed + 1)); else echo "FAILED  $what"; failed=$((failed + 1)); fi
}
count() { find "$work/game/$1" -name "$2" | wc -l; }

"$generator" "$source" "$work/game" "$work/icons" lumera
check "six pictures" test "$(count pic '*.bmp')" -eq 6
check "ten textures in each set" test "$(count img/1 '*.bmp')" -eq 10 -a "$(count img/2 '*.bmp')" -eq 10
check "at least eight maps, named as config.ini lists them" test "$(count map '*.txt')" -ge 8 -a -f "$work/game/map/Радуга.txt"
check "config.ini in Windows-1251 with CR LF" grep -q $'^\xd0\xe0\xe4\xf3\xe3\xe0\r$' "$work/game/config.ini"
check "a map is 33 lines of CR LF" test "$(grep -c $'\r$' "$work/game/map/Радуга.txt")" -eq 33
check "the default data.ini" cmp -s "$work/game/data.ini" <(printf '0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n')
check "the icon at eight sizes and as SVG, as hicolor lays it out" \
  test "$(find "$work/icons/hicolor" -path '*/[0-9]*x[0-9]*/apps/lumera.png' | wc -l)" -eq 8 \
  -a -s "$work/icons/hicolor/scalable/apps/lumera.svg"

printf '1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n2\r\n' > "$work/game/data.ini"
"$generator" "$source" "$work/game"
check "a second run keeps the player's data.ini" cmp -s "$work/game/data.ini" <(printf '1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n2\r\n')

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
