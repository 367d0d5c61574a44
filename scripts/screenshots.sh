#!/usr/bin/env bash
# Saves a PNG of the agreement window (fresh prefix) and of each of the tweak window's four pages
# under build/screenshots/, running quillmar.exe on a private Xvfb.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
exe=${QUILLMAR_EXE:-$root/build/windows/win32/quillmar.exe}
out="$root/build/screenshots"
source "$here/wine-env.sh"
source "$here/xvfb.sh"

rm -rf "$root/build/wine/shots"
quillmar_wine_prefix "$root/build/wine/shots"
mkdir -p "$out"
unset DISPLAY
quillmar_start_xvfb
trap 'wineserver -k 2>/dev/null || true; quillmar_stop_xvfb' EXIT
quillmar_wine_managed N

# Twips of a point in the client area to a screen position, for the window $1 whose client area
# is $2 x $3 twips (96 DPI: 15 twips a pixel).
screen_point() {
  local geometry x y w h border top
  geometry=$(xdotool getwindowgeometry --shell "$1")
  x=$(echo "$geometry" | sed -n 's/^X=//p')
  y=$(echo "$geometry" | sed -n 's/^Y=//p')
  w=$(echo "$geometry" | sed -n 's/^WIDTH=//p')
  h=$(echo "$geometry" | sed -n 's/^HEIGHT=//p')
  border=$(((w - $2 / 15) / 2))
  top=$((h - $3 / 15 - border))
  echo "$((x + border + $4 / 15)) $((y + top + $5 / 15))"
}

click() {
  xdotool mousemove $1 $2 click 1
  sleep 1
}

wine "$exe" &
agreement=$(quillmar_wait_window '^Quillmar$' 60)
sleep 2
import -window "$agreement" "$out/agreement.png"

# "Yes": 3480, 4560, 1335 x 375 in a 6480 x 5115 client area.
click $(screen_point "$agreement" 6480 5115 4147 4747)
for i in $(seq 40); do
  tweak=$(xdotool search --onlyvisible --name '^Quillmar$' 2>/dev/null | tail -1 || true)
  [ -n "$tweak" ] && [ "$tweak" != "$agreement" ] && break
  sleep 0.25
done
sleep 1

# The tab strip starts at 240, 165 in a 5535 x 6555 client area; its row is 315 high. A click on
# the first tab gives it the focus, the arrow keys then step through the others.
pages=(start-menu desktop-special other help)
click $(screen_point "$tweak" 5535 6555 400 320)
for i in 0 1 2 3; do
  [ "$i" -gt 0 ] && xdotool key Right && sleep 1
  import -window "$tweak" "$out/page-$((i + 1))-${pages[$i]}.png"
done

# "Apply" (4080, 6000, 1215 x 375) opens the log-off prompt while the stored choice asks for it.
click $(screen_point "$tweak" 5535 6555 4687 6187)
prompt=
for i in $(seq 40); do
  prompt=$(xdotool search --onlyvisible --name '^Quillmar$' 2>/dev/null | grep -v "^$tweak\$" | tail -1 || true)
  [ -n "$prompt" ] && break
  sleep 0.25
done
if [ -n "$prompt" ]; then
  sleep 1
  import -window "$prompt" "$out/logoff-prompt.png"
else
  echo "No log-off prompt appeared after Apply." >&2
fi
ls "$out"/*.png
