#!/usr/bin/env bash
# A winspool.drv planted beside Kalvex.exe (a zip unpacked into a Downloads
# folder) is never loaded, with Windows' search order (a DLL of the
# program's folder before the system's): neither at start nor when File >
# "Stampa..." loads the printers' DLL. A program that imports winspool.drv,
# started the same way, does load it: the planted copy is there to be found.
#
#   planted_dll.sh WINE_RUN STATE KALVEX_EXE PLANTED_DLL IMPORTER_EXE
set -euo pipefail
wine_run=$1 state=$2 program=$3 planted=$4 importer=$5
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -s "$state/display" ] || fail "the tests' X server is not running (fixture wine)"
export DISPLAY=":$(cat "$state/display")"
export WINEDLLOVERRIDES="winspool.drv=n,b"

folder=$(mktemp -d)
runner=
cleanup() {
  [ -n "$runner" ] && kill "$runner" 2>/dev/null || true
  rm -rf "$folder"
}
trap cleanup EXIT
cp "$program" "$importer" "$folder/"
cp "$planted" "$folder/winspool.drv"
cd "$folder"
marker=planted-dll-loaded

"$wine_run" "$state" "./$(basename "$importer")" || fail "the importing program failed"
[ -f "$marker" ] || fail "a program that imports winspool.drv did not load the planted copy: nothing is tested"
rm -f "$marker"
echo "a program importing winspool.drv loads the planted copy"

"$wine_run" "$state" "./$(basename "$program")" &
runner=$!
window() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
window "KALVEX - V 4\\.0" >/dev/null || fail "no main window"
[ -f "$marker" ] && fail "the planted winspool.drv was loaded at start"
# File > "Stampa...": the printers are looked for (there are none here).
xdotool key alt Down Down Return
box_name="^$(basename "$program" .exe)\$"
window "$(basename "$program" .exe)" >/dev/null || fail "File > Stampa... showed no message"
[ -f "$marker" ] && fail "the planted winspool.drv was loaded for printing"
xdotool key Return
for _ in $(seq 50); do
  xdotool search --onlyvisible --name "$box_name" >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool key Escape
for _ in $(seq 100); do
  kill -0 "$runner" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$runner" 2>/dev/null && fail "Escape did not end the program"
wait "$runner" || fail "the program ended with status $?"
runner=
[ -f "$marker" ] && fail "the planted winspool.drv was loaded"
echo "Kalvex.exe loaded no winspool.drv from its own folder, at start or for printing"
