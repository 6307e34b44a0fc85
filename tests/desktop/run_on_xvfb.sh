#!/usr/bin/env bash
# Runs the desktop checks on a virtual 1280x800 screen under openbox:
#   run_on_xvfb.sh DESKTOP_TESTS TESSALY SAMPLE_FOLDER SHOT.png
# first the window tests, then the built program itself on the sample club,
# whose frame must lie inside the screen; the screenshot is kept to look at.
set -euo pipefail
tests="$1" program="$2" samples="$3" shot="$4"
for tool in Xvfb openbox xdotool xwininfo import; do
    command -v "$tool" >/dev/null || { echo "desktop check needs $tool" >&2; exit 1; }
done

work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number to the pipe.
exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 10 display <&3 || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$display"
# libxkbcommon-x11 hands strndup a buffer that is not NUL-terminated within its
# bounds; the strict string check would stop every X client of a sanitized build.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:strict_string_checks=0"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done

"$tests"

cp "$samples/AddrClub.dat" "$samples/readtess.txt" "$work/"
(cd "$work" && exec "$program") >"$work/program.log" 2>&1 &
program_pid=$!
pids+=($program_pid)
window=""
for _ in $(seq 100); do
    window="$(xdotool search --name '^Tessaly ' 2>/dev/null | head -n 1 || true)"
    [ -n "$window" ] && xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | grep -q = && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the program showed no window" >&2; cat "$work/program.log" >&2; exit 1; }
sleep 1
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
x=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $4}')
y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $4}')
w=$(xwininfo -id "$window" | awk '/Width/ {print $2}')
h=$(xwininfo -id "$window" | awk '/Height/ {print $2}')
import -window root "$shot"
fx=$((x - left)) fy=$((y - top)) fw=$((w + left + right)) fh=$((h + top + bottom))
echo "program frame: ${fw}x${fh} at ${fx},${fy}; screenshot in $shot"
if [ "$fx" -lt 0 ] || [ "$fy" -lt 0 ] || [ $((fx + fw)) -gt 1280 ] || [ $((fy + fh)) -gt 800 ]; then
    echo "the program's window reaches past the 1280x800 screen" >&2
    exit 1
fi
