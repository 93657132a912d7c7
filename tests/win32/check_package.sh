#!/usr/bin/env bash
# The portable archive and the installer, made as scripts/package-windows
# makes them. The installer's version information; its first page, in
# Italian; its pages walked through to the last, which starts Kalvex
# (screenshots of the first and the last page are kept in screenshots/);
# then the installer run silently under Wine, and its uninstaller: the
# files, the Start-menu shortcut (started in the program's folder) and the
# uninstall entry come and go, and no key of ours is left in the registry.
#
#   check_package.sh BUILD_DIR WINE_RUN STATE PROGRAM_FILE FILE_INFO_EXE
set -euo pipefail
build=$1 wine_run=$2 state=$3 program=$4 file_info=$5
name=kalvex-4.0-win64
# A failure keeps a picture of the screen as it was.
fail() {
  echo "FAIL: $*" >&2
  import -window root "$build/screenshots/installer/failure.png" 2>/dev/null || true
  exit 1
}
wine() { "$wine_run" "$state" "$@"; }
# Whether the process ends within ten seconds.
ends() {
  for _ in $(seq 100); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}
# What a failure leaves running is ended, so that the test ends.
cleanup() {
  for running in "$name.exe" "$program"; do wine taskkill /F /IM "$running" >/dev/null 2>&1 || true; done
}
trap cleanup EXIT

cd "$build"
rm -f "$name.zip" "$name.exe"
cpack >cpack.log 2>&1 || { cat cpack.log >&2; fail "cpack"; }

# The archive: one folder with the program, its help and its copy, the
# licence and the read-me, nothing else.
files=("$program" KALVEX.HLP KALVEX.HTM LICENSE.txt README.txt)
listing=$(cmake -E tar tf "$name.zip" | sort)
want=$(printf "$name/%s\n" "${files[@]}" | sort)
[ "$listing" = "$want" ] || fail "the archive holds: $listing"

# The installer's version information.
info=$(wine "$file_info" "$name.exe" ProductName ProductVersion FileDescription | tr -d '\r' | paste -sd '|')
[ "$info" = "Kalvex|4.0|Installazione di Kalvex" ] || fail "the installer's version information: $info"

# Its first page, in Italian; the window's text has no blank at its end.
[ -s "$state/display" ] || fail "the tests' X server is not running (fixture wine)"
export DISPLAY=":$(cat "$state/display")"
wine "$name.exe" &
installer=$!
timeout 20 xdotool search --sync --onlyvisible --name '^Installazione di Kalvex$' >/dev/null \
  || fail "no installer window 'Installazione di Kalvex': $(xdotool search --onlyvisible --name . getwindowname %@ | paste -sd '|')"
sleep 1
mkdir -p screenshots/installer
rm -f screenshots/installer/failure.png
import -window root screenshots/installer/first-page.png
# Cancelled, and the question whether to stop answered yes.
xdotool key Escape
sleep 1
xdotool key Return
ends "$installer" || fail "the installer did not end when cancelled"

prefix="$state/prefix"
folder='C:\Kalvex-test'
unix_folder="$prefix/drive_c/Kalvex-test"
rm -rf "$unix_folder"
find_shortcuts() { find "$prefix/drive_c" -path '*Start Menu*' -name '*.lnk' -path '*Kalvex*' 2>/dev/null | sort; }
[ -z "$(find_shortcuts)" ] || fail "a shortcut is there before installing"
# Waits for the uninstaller, which copies itself away and runs from there;
# the folder goes last.
uninstall() {
  wine "$unix_folder/Uninstall.exe" /S || fail "the uninstaller failed"
  for _ in $(seq 150); do
    [ -e "$unix_folder" ] || break
    sleep 0.2
  done
  [ ! -e "$unix_folder" ] || fail "left behind: $(ls -A "$unix_folder")"
}

# Installed as a user installs it, with Enter on each page (welcome,
# licence accepted, folder, Start-menu folder); the last page offers to
# start Kalvex, checked, and Enter there starts it. (A screenshot of that
# page is kept.)
wine "$name.exe" "/D=$folder" &
installer=$!
timeout 20 xdotool search --sync --onlyvisible --name '^Installazione di Kalvex$' >/dev/null \
  || fail "no installer window for the installation"
# Enter, once the installer's window has the keyboard focus.
enter() {
  for _ in $(seq 100); do
    [ "$(xdotool getwindowfocus getwindowname 2>/dev/null || true)" = "Installazione di Kalvex" ] && break
    sleep 0.1
  done
  xdotool key Return
}
for _ in 1 2 3 4; do
  sleep 1
  enter
done
for _ in $(seq 100); do
  [ -n "$(find_shortcuts)" ] && break
  sleep 0.2
done
[ -n "$(find_shortcuts)" ] || fail "the installation through its pages made no shortcut"
sleep 1
import -window root screenshots/installer/last-page.png
enter
timeout 60 xdotool search --sync --onlyvisible --name '^KALVEX - V 4\.0$' >/dev/null \
  || fail "the last page did not start Kalvex"
wine taskkill /IM "$program" >/dev/null 2>&1 || true
ends "$installer" || fail "the installer did not end on its last page"
for _ in $(seq 100); do
  xdotool search --onlyvisible --name '^KALVEX - V 4\.0$' >/dev/null 2>&1 || break
  sleep 0.1
done
uninstall

# Then silently, and the results looked at.
wine "$name.exe" /S "/D=$folder" || fail "the installer failed"
for file in "${files[@]}" Uninstall.exe; do
  [ -f "$unix_folder/$file" ] || fail "not installed: $file"
done
cmp -s "$unix_folder/KALVEX.HLP" "$build/KALVEX.HLP" || fail "KALVEX.HLP differs"
cmp -s "$unix_folder/KALVEX.HTM" "$build/KALVEX.HLP" || fail "KALVEX.HTM is not the help"
shortcut=$(find_shortcuts | grep '/Programs/Kalvex/Kalvex.lnk$' || true)
[ -n "$shortcut" ] || fail "no Kalvex\\Kalvex.lnk in the Start menu: $(find_shortcuts)"
read -r target workdir < <(wine "$file_info" "$shortcut" | tr -d '\r' | paste -sd ' ')
[ "$target" = "$folder\\$program" ] || fail "the shortcut starts '$target'"
[ "$workdir" = "$folder" ] || fail "the shortcut starts in '$workdir'"

# The uninstall entry, as Settings > Apps reads it: numbers as DWORDs, the
# size in KB as the folder holds it.
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kalvex'
value() { wine reg query "$entry" /v "$1" 2>/dev/null | tr -d '\r' | awk -v name="$1" '$1 == name { $1 = ""; print substr($0, 2) }'; }
for pair in "DisplayName|REG_SZ Kalvex" "DisplayVersion|REG_SZ 4.0" \
            "Publisher|REG_SZ The Kalvex developers" "DisplayIcon|REG_SZ $folder\\$program" \
            "UninstallString|REG_SZ \"$folder\\Uninstall.exe\"" "NoModify|REG_DWORD 0x1" "NoRepair|REG_DWORD 0x1"; do
  [ "$(value "${pair%%|*}")" = "${pair#*|}" ] || fail "${pair%%|*} is '$(value "${pair%%|*}")', not '${pair#*|}'"
done
size=$(value EstimatedSize)
[[ "$size" =~ ^REG_DWORD\ +0x([0-9a-f]+)$ ]] || fail "EstimatedSize is '$size'"
kilobytes=$((16#${BASH_REMATCH[1]}))
bytes=$(find "$unix_folder" -type f -printf '%s\n' | awk '{ sum += $1 } END { print sum }')
[ $((bytes / 1024 - kilobytes)) -ge -1 ] && [ $((bytes / 1024 - kilobytes)) -le 1 ] \
  || fail "EstimatedSize is $kilobytes KB, the folder holds $bytes bytes"

# The installed program starts: its main window appears.
wine "$unix_folder/$program" &
runner=$!
found=0
timeout 20 xdotool search --sync --onlyvisible --name '^KALVEX - V 4\.0$' >/dev/null && found=1
# Closed as a user closes it (WM_CLOSE to its windows), so that it ends.
wine taskkill /IM "$program" >/dev/null 2>&1 || true
ends "$runner" || fail "the installed program did not end when closed"
[ "$found" = 1 ] || fail "the installed program showed no main window"

uninstall
[ -z "$(find_shortcuts)" ] || fail "shortcuts left behind: $(find_shortcuts)"
for key in "$entry" 'HKLM\Software\The Kalvex developers'; do
  if wine reg query "$key" >/dev/null 2>&1; then fail "left in the registry: $key"; fi
done
echo "installed into $folder and uninstalled: ${files[*]}, Uninstall.exe, $shortcut"
