#!/usr/bin/env bash
# Installs the build into a fresh prefix and starts the installed launcher
# twice on a virtual display: the first start lays out the player's folder
# under the XDG data home; the second keeps the player's data.ini and only
# puts back what is missing.
#   xvfb-run -a install_test.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$(mktemp -d)"
game=""
cleanup() {
  if [ -n "$game" ]; then kill "$game" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

passed=0
failed=0
check() { # check DESCRIPTION COMMAND...
  local what="$1"; shift
  if "$@"; then echo "ok      $what"; passed=$((passed + 1)); else echo "FAILED  $what"; failed=$((failed + 1)); fi
}

start_and_stop() {
  "$work/prefix/games/lumera" >/dev/null 2>&1 &
  game=$!
  local shown=0
  timeout 30 xdotool search --sync --onlyvisible --name '^Лумера$' >/dev/null && shown=1
  kill "$game" 2>/dev/null || true
  wait "$game" 2>/dev/null || true
  game=""
  [ "$shown" = 1 ]
}

cmake --install "$build" --prefix "$work/prefix" >/dev/null
export XDG_DATA_HOME="$work/xdg" HOME="$work/home" QT_QPA_PLATFORM=xcb
mkdir -p "$HOME"
folder="$XDG_DATA_HOME/lumera"

check "the installed launcher opens the window" start_and_stop
check "the player's folder holds the game's files" test -f "$folder/config.ini" -a -f "$folder/history.txt" \
  -a -f "$folder/img/1/0.bmp" -a -f "$folder/pic/1.bmp" -a -d "$folder/map"
check "the first data.ini holds the defaults" cmp -s "$folder/data.ini" <(printf '0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n')

printf '1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n2\r\n' > "$folder/data.ini"
rm "$folder/history.txt"
check "a later start opens the window again" start_and_stop
check "the player's data.ini is kept" cmp -s "$folder/data.ini" <(printf '1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n2\r\n')
check "a missing file is put back" test -f "$folder/history.txt"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
