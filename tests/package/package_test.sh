#!/usr/bin/env bash
# Builds the Debian package twice, from copies of the sources at two
# different paths, and checks it the way Debian and software centres do:
# the same bytes from both, lintian without an error or a warning, the
# AppStream metadata, the menu entry, the manual page, the icon at every
# size, the command line without a display, and the installed game started
# by a new player on a virtual display.
#   package_test.sh SOURCE_ROOT
set -euo pipefail
root="$(cd "$1" && pwd)"
for tool in dpkg-buildpackage dh lintian appstreamcli desktop-file-validate man rsvg-convert compare xvfb-run xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed (scripts/install-deps brings it)"
    exit 77
  fi
done
work="$(mktemp -d)"
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT

failures=0
expect() { # expect WHAT COMMAND...
  local what=$1; shift
  if "$@"; then echo "ok      $what"; else echo "FAILED  $what"; failures=$((failures + 1)); fi
}

# --- Two builds at different paths ------------------------------------------
# Both builds work from copies of these sources that scripts/package makes,
# at paths of different lengths.
deb="$("$root/scripts/package" "$work/first" | tail -n 1)"
second="$("$root/scripts/package" "$work/a/much/longer/path/to/the/second" | tail -n 1)"
if cmp -s "$deb" "$second"; then
  echo "ok      two builds at different paths give the same bytes"
else
  echo "FAILED  two builds at different paths give the same bytes; members that differ:"
  diff <(dpkg-deb -c "$deb") <(dpkg-deb -c "$second") || true
  diff <(dpkg-deb -I "$deb" md5sums) <(dpkg-deb -I "$second" md5sums) || true
  failures=$((failures + 1))
fi
expect "the .deb is named for its version" test "$(basename "$deb")" = "lumera_$(dpkg-deb -f "$deb" Version)_amd64.deb"

# --- Control fields and files -----------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
expect "package name" test "$(field Package)" = lumera
expect "section" test "$(field Section)" = games
for dependency in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fontconfig \
    fonts-dejavu-core fonts-liberation2 fonts-urw-base35 fonts-comfortaa; do
  expect "depends on $dependency" grep -qxF "$dependency" <<<"$(field Depends | tr ',' '\n' | awk '{print $1}')"
done
listing="$(dpkg-deb -c "$deb")"
files="$(awk '{print $6}' <<<"$listing")"
id=io.github.lumera.lumera
for file in ./usr/games/lumera ./usr/lib/games/lumera/lumera ./usr/share/applications/$id.desktop \
    ./usr/share/metainfo/$id.metainfo.xml ./usr/share/man/man6/lumera.6.gz ./usr/share/doc/lumera/copyright \
    ./usr/share/doc/lumera/changelog.gz ./usr/share/games/lumera/config.ini ./usr/share/games/lumera/data.ini \
    ./usr/share/games/lumera/history.txt ./usr/share/games/lumera/pic/1.bmp ./usr/share/games/lumera/img/1/0.bmp \
    ./usr/share/games/lumera/img/2/9.bmp ./usr/share/icons/hicolor/scalable/apps/$id.svg; do
  expect "holds $file" grep -qxF "$file" <<<"$files"
done
expect "the launcher and the program are executable" \
  test "$(grep -cE '^-rwxr-xr-x .* \./usr/(games/lumera|lib/games/lumera/lumera)$' <<<"$listing")" = 2
expect "every member belongs to root" test -z "$(awk '$2 != "root/root"' <<<"$listing")"
expect "nothing outside /usr" test -z "$(grep -vE '^\./(usr(/.*)?)?$' <<<"$files" || true)"
expect "holds the maps" test "$(grep -c '^\./usr/share/games/lumera/map/.*\.txt$' <<<"$files")" -gt 0

installed="$work/installed"
dpkg-deb -x "$deb" "$installed"
expect "the default settings, not a player's" \
  test "$(tr -d '\r' <"$installed/usr/share/games/lumera/data.ini" | tr '\n' ' ')" = "0 0 0 0 0 0 1 "
expect "the copyright file names the Expat licence" grep -qx 'License: Expat' "$installed/usr/share/doc/lumera/copyright"

# --- What Debian and software centres check ---------------------------------
lintian --display-info --pedantic "$deb" >"$work/lintian.txt" 2>&1 || true
sed 's/^/        lintian: /' "$work/lintian.txt"
expect "lintian finds no error and no warning" test -z "$(grep -E '^[EW]: ' "$work/lintian.txt" || true)"
expect "appstreamcli validates the metadata" \
  appstreamcli validate --no-net "$installed/usr/share/metainfo/$id.metainfo.xml"
expect "the metadata's release is the package's" grep -q "<release version=\"$(field Version)\"" \
  "$installed/usr/share/metainfo/$id.metainfo.xml"
expect "desktop-file-validate passes the menu entry" desktop-file-validate "$installed/usr/share/applications/$id.desktop"
for locale in C C.UTF-8; do
  manWarnings="$(LC_ALL=$locale MANWIDTH=80 man --warnings -l "$installed/usr/share/man/man6/lumera.6.gz" 2>&1 >/dev/null)"
  expect "the manual page shows without a warning in the $locale locale" test -z "$manWarnings"
done
expect "the manual page names the options and the files" bash -c \
  'text="$(MANWIDTH=80 man -l "$1" 2>/dev/null)"; for w in --help --version config.ini data.ini history.txt map/ pic/ img/ XDG_DATA_HOME; do grep -qF -- "$w" <<<"$text" || exit 1; done' \
  _ "$installed/usr/share/man/man6/lumera.6.gz"

# --- Icons ------------------------------------------------------------------
pngSize() { # the width and height a PNG's header gives
  python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]))' "$1"
}
for size in 16 22 24 32 48 64 128 256; do
  icon="$installed/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  expect "the ${size} px icon is ${size} x ${size}" test "$(pngSize "$icon" 2>/dev/null)" = "${size}x${size}"
done
rsvg-convert -w 256 -h 256 "$installed/usr/share/icons/hicolor/scalable/apps/$id.svg" -o "$work/svg256.png"
differing="$(compare -metric AE -fuzz 10% "$work/svg256.png" \
  "$installed/usr/share/icons/hicolor/256x256/apps/$id.png" null: 2>&1 || true)"
expect "the SVG and the 256 px icon agree (${differing} pixels differ, edge smoothing)" test "${differing%%.*}" -lt 650

# --- The command line, without a display or a working folder ----------------
launcher="$installed/usr/games/lumera"
mkdir -p "$work/home"
run() { # run ARGS...: the launcher without a display; stdout, stderr and status in files
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_DATA_HOME HOME="$work/home" \
    "$launcher" "$@" >"$work/out" 2>"$work/err" && echo 0 >"$work/status" || echo $? >"$work/status"
}
run --version
expect "--version answers on standard output and exits 0" \
  test "$(cat "$work/status")" = 0 -a "$(cat "$work/out")" = "lumera $(field Version)" -a ! -s "$work/err"
run --help
expect "--help answers on standard output and exits 0" \
  test "$(cat "$work/status")" = 0 -a "$(head -n 1 "$work/out")" = "Usage: lumera [options]" -a ! -s "$work/err"
run --fullscreen
expect "an unknown option is refused in one line and the usage, with status 2" \
  test "$(cat "$work/status")" = 2 -a ! -s "$work/out" -a "$(head -n 1 "$work/err")" = "lumera: Unknown option 'fullscreen'." \
  -a "$(sed -n 2p "$work/err")" = "Usage: lumera [options]"
run map.txt
expect "an argument is refused with status 2" test "$(cat "$work/status")" = 2 -a ! -s "$work/out"
expect "the options touched no working folder" test -z "$(ls -A "$work/home")"

# --- A new player starts the installed game ---------------------------------
player=()
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
  # As root the game is started by an unprivileged user with an empty home.
  chown 65534:65534 "$work/home"
  chmod -R a+rX "$installed"
  player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
startsAndShowsTheWindow() {
  "${player[@]}" env -u XDG_DATA_HOME HOME="$work/home" QT_QPA_PLATFORM=xcb TMPDIR="$work/home" \
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
      "$1" >/dev/null 2>&1 & game=$!
      timeout 30 xdotool search --sync --onlyvisible --name "^Лумера$" >/dev/null; shown=$?
      kill $game 2>/dev/null; wait $game 2>/dev/null
      exit $shown' _ "$launcher"
}
expect "the installed game opens its window for a new player" startsAndShowsTheWindow
folder="$work/home/.local/share/lumera"
expect "the player's folder is laid out" test -f "$folder/config.ini" -a -f "$folder/data.ini" \
  -a -f "$folder/history.txt" -a -f "$folder/pic/1.bmp" -a -f "$folder/img/2/9.bmp" -a -d "$folder/map"

echo "package $(basename "$deb"): $failures failed"
[ "$failures" -eq 0 ]
