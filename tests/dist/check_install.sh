#!/usr/bin/env bash
# Installs the build into a scratch folder, as the package does (prefix /usr),
# and checks what a desktop will read there: the menu entry and the
# software-centre description pass their validators without a remark, the
# entry names an installed program and installed icons and leaves the
# starting folder to the desktop, the help and the manual page are in place,
# and the file-type rule makes the desktop's opener take KALVEX.HLP for HTML.
# Then installs into a prefix of its own, as from source, and checks that
# scripts/uninstall leaves that prefix as it was.
#
# Usage: check_install.sh BUILD_FOLDER
# Exits 77 (skipped) when the validators are not installed.
set -euo pipefail

build=$1
for tool in desktop-file-validate appstreamcli update-mime-database xdg-mime man identify; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The component keeps these installs' lists of files apart from those of a
# plain install, which scripts/uninstall reads.
DESTDIR=$stage cmake --install "$build" --component kalvex --prefix /usr >/dev/null
root=$stage/usr
id=org.kalvex.kalvex
desktop=$root/share/applications/$id.desktop
metainfo=$root/share/metainfo/$id.metainfo.xml

echo "== desktop-file-validate"
remarks=$(desktop-file-validate "$desktop" 2>&1) || fail "the menu entry does not validate"
[ -z "$remarks" ] || fail "desktop-file-validate remarks: $remarks"
echo "== appstreamcli validate --pedantic --no-net"
remarks=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || fail "the metainfo does not validate"
grep -E '^[EWIP]: ' <<<"$remarks" && fail "appstreamcli remarks on the metainfo"

entry() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
exec_line=$(entry Exec)
icon=$(entry Icon)
echo "== the entry runs '$exec_line' with icon '$icon'"
[ "$exec_line" = /usr/bin/kalvex ] || fail "Exec is '$exec_line', not the installed program"
[ -x "$stage$exec_line" ] || fail "$exec_line is not installed"
# Started in the user's home folder, where saving works, not in a data folder.
grep -q '^Path=' "$desktop" && fail "the entry sets a starting folder: $(entry Path)"
[ -f "$root/share/kalvex/KALVEX.HLP" ] || fail "the data folder holds no KALVEX.HLP"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $id.desktop"
for size in 16 24 32 48 64 128 256; do
  png=$root/share/icons/hicolor/${size}x$size/apps/$icon.png
  geometry=$(identify -format '%wx%h' "$png" 2>/dev/null) || geometry=none
  [ "$geometry" = "${size}x$size" ] || fail "the ${size}x$size icon $icon measures $geometry"
done
[ -s "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon named $icon"

echo "== manual page"
page=$root/share/man/man1/kalvex.1
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "man cannot show $page"
[ -z "$warnings" ] || fail "the manual page has faults: $warnings"

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

# From source into a prefix of its own that, like /usr/local, already has
# some of the folders, then uninstalled: the prefix is as it was, databases
# and folders included.
echo "== install and uninstall"
prefix=$stage/local
mkdir -p "$prefix/bin" "$prefix/share/man"
before=$(cd "$prefix" && find . | sort)
cmake --install "$build" --component kalvex --prefix "$prefix" >/dev/null 2>&1
[ -x "$prefix/bin/kalvex" ] || fail "the program was not installed into $prefix"
"$(dirname "$0")/../../scripts/uninstall" "$build/install_manifest_kalvex.txt"
after=$(cd "$prefix" && find . | sort)
if [ "$before" != "$after" ]; then
  fail "the uninstall left the prefix changed:"
  diff <(echo "$before") <(echo "$after") || true
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all checks passed"
