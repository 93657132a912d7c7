#!/usr/bin/env bash
# The template preview on the tests' X server: both windows appear with their
# captions, and a screenshot of them is kept for a person to look at.
#
#   preview_screenshot.sh WINE_RUN STATE PREVIEW_EXE SCREENSHOT.png
set -euo pipefail
wine_run=$1 state=$2 preview=$3 shot=$4
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -s "$state/display" ] || fail "the tests' X server is not running (fixture wine)"
export DISPLAY=":$(cat "$state/display")"

"$wine_run" "$state" "$preview" 15000 &
runner=$!
trap 'kill "$runner" 2>/dev/null || true' EXIT
for title in "KALVEX - V 4.0" "Informazioni"; do
  timeout 20 xdotool search --sync --onlyvisible --name "^$title\$" >/dev/null || fail "no window '$title'"
done
sleep 1  # painted
mkdir -p "$(dirname "$shot")"
import -window root "$shot"
echo "screenshot: $shot"
