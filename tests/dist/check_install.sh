#!/usr/bin/env bash
# Installs the build into a scratch folder, as the package does (prefix /usr),
# and checks what a desktop will read there: the menu entry and the
# software-centre description pass their validators, the entry names an
# installed program, an installed icon and a data folder holding the help,
# and the file-type rule makes the desktop's opener take KALVEX.HLP for HTML.
#
# Usage: check_install.sh BUILD_FOLDER
# Exits 77 (skipped) when the validators are not installed.
set -euo pipefail

build=$1
for tool in desktop-file-validate appstreamcli update-mime-database xdg-mime; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
root=$stage/usr
id=org.kalvex.Kalvex
desktop=$root/share/applications/$id.desktop
metainfo=$root/share/metainfo/$id.metainfo.xml

echo "== desktop-file-validate"
desktop-file-validate "$desktop" || fail "the menu entry does not validate"
echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net "$metainfo" || fail "the metainfo does not validate"

entry() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
exec_line=$(entry Exec)
path=$(entry Path)
icon=$(entry Icon)
echo "== the entry runs '$exec_line' in '$path' with icon '$icon'"
[ "$exec_line" = /usr/bin/kalvex ] || fail "Exec is '$exec_line', not the installed program"
[ -x "$stage$exec_line" ] || fail "$exec_line is not installed"
[ "$path" = /usr/share/kalvex ] || fail "Path is '$path', not the data folder"
[ -f "$stage$path/KALVEX.HLP" ] || fail "the data folder holds no KALVEX.HLP"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $id.desktop"
for size in 32x32 64x64 128x128 256x256; do
  [ -s "$root/share/icons/hicolor/$size/apps/$icon.png" ] || fail "no $size icon named $icon"
done
[ -s "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon named $icon"
if command -v identify >/dev/null 2>&1; then
  geometry=$(identify -format '%wx%h' "$root/share/icons/hicolor/32x32/apps/$icon.png")
  [ "$geometry" = 32x32 ] || fail "the 32x32 icon measures $geometry"
fi

# The opener decides by file type. By its ending alone KALVEX.HLP would be
# an old WinHelp file; the installed rule must make it HTML, for each way the
# opener finds a file's type: gio (GNOME and others), File::MimeInfo or file(1).
echo "== file type of KALVEX.HLP"
mkdir -p "$stage/home/mime/packages"
cp "$root/share/mime/packages/$id.xml" "$stage/home/mime/packages/"
update-mime-database "$stage/home/mime" >/dev/null 2>&1
mkdir "$stage/docs"
cp "$root/share/kalvex/KALVEX.HLP" "$stage/docs/KALVEX.HLP"
cp "$root/share/kalvex/KALVEX.HLP" "$stage/docs/other.hlp"
for desktop_name in "" GNOME; do
  type=$(XDG_DATA_HOME=$stage/home XDG_CURRENT_DESKTOP=$desktop_name xdg-mime query filetype "$stage/docs/KALVEX.HLP")
  echo "desktop '${desktop_name:-none}': $type"
  [ "$type" = text/html ] || fail "on desktop '${desktop_name:-none}' KALVEX.HLP is $type, not text/html"
done
if command -v gio >/dev/null 2>&1; then
  # The rule is for this one name only: other .hlp files keep their type.
  other=$(XDG_DATA_HOME=$stage/home gio info -a standard::content-type "$stage/docs/other.hlp" |
    sed -n 's/.*standard::content-type: //p')
  echo "another .hlp file: $other"
  [ "$other" != text/html ] || fail "the rule makes every .hlp file HTML"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all checks passed"
