#!/usr/bin/env bash
# Makes the Debian package from a built tree and checks its control fields
# and its files.   package_test.sh BUILD_DIR
set -euo pipefail
build="$1"
for tool in cpack dpkg-deb dpkg-shlibdeps file; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed (scripts/install-deps brings it)"
    exit 77
  fi
done
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack --config CPackConfig.cmake -B "$out" >"$out/cpack.log") || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/lumera_*_amd64.deb)
[ "$(basename "$deb")" = "lumera_$(dpkg-deb -f "$deb" Version)_amd64.deb" ]

failures=0
expect() { # expect WHAT CONDITION...
  local what=$1; shift
  if ! "$@"; then echo "FAIL: $what"; failures=$((failures + 1)); fi
}
field() { dpkg-deb -f "$deb" "$1"; }
expect "package name" test "$(field Package)" = lumera
expect "architecture" test "$(field Architecture)" = amd64
expect "section" test "$(field Section)" = games
for dependency in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fontconfig \
    fonts-dejavu-core fonts-liberation2 fonts-urw-base35 fonts-comfortaa; do
  expect "depends on $dependency" grep -qxF "$dependency" <<<"$(field Depends | tr ',' '\n' | awk '{print $1}')"
done

listing="$(dpkg-deb -c "$deb")"
files="$(awk '{print $6}' <<<"$listing")"
for file in ./usr/bin/lumera ./usr/libexec/lumera/lumera ./usr/share/applications/lumera.desktop \
    ./usr/share/icons/hicolor/32x32/apps/lumera.png ./usr/share/lumera/data/config.ini \
    ./usr/share/lumera/data/data.ini ./usr/share/lumera/data/history.txt ./usr/share/lumera/data/pic/1.bmp \
    ./usr/share/lumera/data/img/1/0.bmp ./usr/share/lumera/data/img/2/9.bmp; do
  expect "holds $file" grep -qxF "$file" <<<"$files"
done
expect "the launcher and the program are executable" \
  test "$(grep -cE '^-rwxr-xr-x .* \./usr/(bin|libexec/lumera)/lumera$' <<<"$listing")" = 2
expect "nothing outside /usr" test -z "$(grep -vE '^\./(usr(/.*)?)?$' <<<"$files" || true)"
expect "holds the maps" test "$(grep -c '^\./usr/share/lumera/data/map/.*\.txt$' <<<"$files")" -gt 0
expect "the default settings, not a player's" \
  test "$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/lumera/data/data.ini | tr -d '\r' | tr '\n' ' ')" = "0 0 0 0 0 0 1 "
[ $failures -eq 0 ] && echo "package $(basename "$deb"): fields and files as expected"
exit $failures
