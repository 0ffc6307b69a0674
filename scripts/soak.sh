#!/bin/sh
# Plays the demo menu for a long time on a private X server and watches the player's memory:
# the music plays (into SDL's silent dummy device, so it is decoded as on a desk), the scrolling
# and animated text and the animated picture run, and the pages change every few seconds by
# real clicks on the menu's buttons. The resident memory is sampled every minute; at the end
# the script prints the samples and their growth, and fails when the player died.
#
#   scripts/soak.sh [BUILD] [MINUTES]      # defaults: build, 60
#
# Needs Xvfb and xdotool (scripts/setup.sh installs both). Not part of the test suite.
set -eu

build="${1:-build}"
minutes="${2:-60}"
player="$build/src/app/telvo"
document="$build/demo/demo.kiv"
[ -x "$player" ] && [ -f "$document" ] || { echo "soak: build the player first ($player, $document)" >&2; exit 2; }

work="$(mktemp -d)"
xvfb_pid=""
player_pid=""
cleanup() {
  [ -n "$player_pid" ] && kill "$player_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

# A private X server on the first free display it finds.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=":$(cat "$work/display")"
export DISPLAY
export SDL_AUDIODRIVER=dummy

"$player" "$document" 2>"$work/stderr" &
player_pid=$!
window=""
for _ in $(seq 100); do
  window="$(xdotool search --onlyvisible --pid "$player_pid" 2>/dev/null | head -n 1)" && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "soak: the demo's window did not appear" >&2; cat "$work/stderr" >&2; exit 1; }

# A click at a point of the menu's client area (the demo's layout).
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 3; }
rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$player_pid/status"; }

click 70 388  # Play music
printf 'minute\tresident KiB\n'
start=$(date +%s)
minute=0
first=""
last=""
while [ "$minute" -lt "$minutes" ]; do
  # One round of the pages: Controls page, About, back to Controls, back to Welcome.
  click 125 138
  click 540 398
  click 100 398
  click 100 398
  kill -0 "$player_pid" 2>/dev/null || { echo "soak: the player died" >&2; cat "$work/stderr" >&2; exit 1; }
  now=$(( ($(date +%s) - start) / 60 ))
  if [ "$now" -gt "$minute" ]; then
    minute=$now
    last="$(rss_kib)"
    [ -n "$first" ] || first="$last"
    printf '%s\t%s\n' "$minute" "$last"
  fi
done
echo "growth from minute 1 to $minute: $((last - first)) KiB (from $first to $last KiB)"
