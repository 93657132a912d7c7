#!/usr/bin/env bash
# The portable archive and the installer, made as scripts/package-windows
# makes them; the installer run silently under Wine, then its uninstaller:
# the files, the Start-menu shortcut (started in the program's folder) and
# the uninstall entry come and go.
#
#   check_package.sh BUILD_DIR WINE_RUN STATE PROGRAM_FILE READ_SHORTCUT_EXE
set -euo pipefail
build=$1 wine_run=$2 state=$3 program=$4 read_shortcut=$5
name=kalvex-4.0-win64
fail() { echo "FAIL: $*" >&2; exit 1; }
wine() { "$wine_run" "$state" "$@"; }

cd "$build"
rm -f "$name.zip" "$name.exe"
cpack >cpack.log 2>&1 || { cat cpack.log >&2; fail "cpack"; }

# The archive: one folder with the program and its help, nothing else.
listing=$(cmake -E tar tf "$name.zip" | sort)
want=$(printf '%s\n' "$name/KALVEX.HLP" "$name/$program" | sort)
[ "$listing" = "$want" ] || fail "the archive holds: $listing"

prefix="$state/prefix"
folder='C:\Kalvex-test'
unix_folder="$prefix/drive_c/Kalvex-test"
rm -rf "$unix_folder"
find_shortcuts() { find "$prefix/drive_c" -path '*Start Menu*' -name '*.lnk' -path '*Kalvex*' 2>/dev/null | sort; }
[ -z "$(find_shortcuts)" ] || fail "a shortcut is there before installing"

wine "$name.exe" /S "/D=$folder" || fail "the installer failed"
for file in "$program" KALVEX.HLP Uninstall.exe; do
  [ -f "$unix_folder/$file" ] || fail "not installed: $file"
done
cmp -s "$unix_folder/KALVEX.HLP" "$build/KALVEX.HLP" || fail "KALVEX.HLP differs"
shortcut=$(find_shortcuts | grep '/Programs/Kalvex/Kalvex.lnk$' || true)
[ -n "$shortcut" ] || fail "no Kalvex\\Kalvex.lnk in the Start menu: $(find_shortcuts)"
read -r target workdir < <(wine "$read_shortcut" "$shortcut" | tr -d '\r' | paste -sd ' ')
[ "$target" = "$folder\\$program" ] || fail "the shortcut starts '$target'"
[ "$workdir" = "$folder" ] || fail "the shortcut starts in '$workdir'"
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kalvex' >/dev/null 2>&1 \
  || fail "no uninstall entry"

# The installed program starts: its main window appears.
[ -s "$state/display" ] || fail "the tests' X server is not running (fixture wine)"
export DISPLAY=":$(cat "$state/display")"
wine "$unix_folder/$program" &
runner=$!
found=0
timeout 20 xdotool search --sync --onlyvisible --name '^KALVEX - V 4\.0$' >/dev/null && found=1
# Closed as a user closes it (WM_CLOSE to its windows), so that it ends.
wine taskkill /IM "$program" >/dev/null 2>&1 || true
for _ in $(seq 100); do
  kill -0 "$runner" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$runner" 2>/dev/null && fail "the installed program did not end when closed"
[ "$found" = 1 ] || fail "the installed program showed no main window"

# The uninstaller copies itself away and runs from there: wait for it.
wine "$unix_folder/Uninstall.exe" /S || fail "the uninstaller failed"
for _ in $(seq 150); do
  [ -e "$unix_folder" ] || break
  sleep 0.2
done
[ ! -e "$unix_folder" ] || fail "left behind: $(ls -A "$unix_folder")"
[ -z "$(find_shortcuts)" ] || fail "shortcuts left behind: $(find_shortcuts)"
if wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kalvex' >/dev/null 2>&1; then
  fail "the uninstall entry is left behind"
fi
echo "installed into $folder and uninstalled: $program, KALVEX.HLP, Uninstall.exe, $shortcut"
