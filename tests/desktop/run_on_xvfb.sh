#!/usr/bin/env bash
# Runs the desktop checks on a virtual 1280x800 screen under openbox:
#   run_on_xvfb.sh DESKTOP_TESTS TESSALY SAMPLE_FOLDER SHOT.png
# first the window tests, then the built program itself on the sample club, driven
# from the keyboard: its frame, and that of the report window Alt+Q opens, must lie
# inside the screen, and Escape must close the report. The screenshots (SHOT.png and
# SHOT-report.png) are kept to look at. A second copy started on the same folder must
# refuse and end without touching the roll (SHOT-second.png). Last, on an empty roll, an
# invalid date in Joined is refused through the real message box every time it is left,
# and only the valid date typed after it reaches the roll (SHOT-date.png); Enter with an
# impossible date stores nothing; a real click on a list line while the boxes hold typing
# asks first; and a member recorded from a search leaves the search box empty
# (SHOT-search.png).
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
# The X and D-Bus libraries keep allocations for the life of the process.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")/.." && pwd)/lsan.supp:${LSAN_OPTIONS:-}"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done

"$tests"

cp "$samples/AddrClub.dat" "$samples/readtess.txt" "$work/"
(cd "$work" && exec "$program") >"$work/program.log" 2>&1 &
first=$!
pids+=($first)

# Prints the id of the window whose title matches, once the window manager has framed
# it; nothing when there is none within ten seconds.
framed_window() {
    local id
    for _ in $(seq 100); do
        id="$(xdotool search --name "$1" 2>/dev/null | head -n 1 || true)"
        if [ -n "$id" ] && xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -q =; then
            sleep 1 # the first paint
            echo "$id"
            return
        fi
        sleep 0.1
    done
}

window="$(framed_window '^Tessaly ')"
[ -n "$window" ] || { echo "the program showed no window" >&2; cat "$work/program.log" >&2; exit 1; }

# Prints "width height x y" of a window's whole frame.
frame_of() {
    local id="$1" l r t b x y w h
    read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    x=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print $4}')
    y=$(xwininfo -id "$id" | awk '/Absolute upper-left Y/ {print $4}')
    w=$(xwininfo -id "$id" | awk '/Width/ {print $2}')
    h=$(xwininfo -id "$id" | awk '/Height/ {print $2}')
    echo "$((w + l + r)) $((h + t + b)) $((x - l)) $((y - t))"
}
inside_screen() {
    local name="$1" fw fh fx fy
    read -r fw fh fx fy < <(frame_of "$2")
    echo "$name frame: ${fw}x${fh} at ${fx},${fy}"
    if [ "$fx" -lt 0 ] || [ "$fy" -lt 0 ] || [ $((fx + fw)) -gt 1280 ] || [ $((fy + fh)) -gt 800 ]; then
        echo "the $name window reaches past the 1280x800 screen" >&2
        return 1
    fi
}

inside_screen program "$window"
import -window root "$shot"

xdotool windowactivate --sync "$window" key --clearmodifiers alt+q
report="$(framed_window '^Database Functions$')"
[ -n "$report" ] || { echo "Alt+Q opened no report window" >&2; exit 1; }
inside_screen report "$report"
import -window root "${shot%.png}-report.png"
xdotool key --clearmodifiers Escape
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^Database Functions$' >/dev/null 2>&1 || break
    sleep 0.1
done
if xdotool search --onlyvisible --name '^Database Functions$' >/dev/null 2>&1; then
    echo "Escape did not close the report window" >&2
    exit 1
fi

# A second copy on the same folder says the roll is open elsewhere and ends, touching nothing.
(cd "$work" && exec "$program") >"$work/second.log" 2>&1 &
second=$!
pids+=($second)
refusal="$(framed_window '^Roll Already Open$')"
[ -n "$refusal" ] || { echo "a second copy showed no refusal" >&2; cat "$work/second.log" >&2; exit 1; }
import -window root "${shot%.png}-second.png"
xdotool windowactivate --sync "$refusal" key --clearmodifiers Return
status=0
wait "$second" || status=$?
[ "$status" -eq 1 ] || { echo "the second copy ended with $status, not 1" >&2; exit 1; }
cmp -s "$samples/AddrClub.dat" "$work/AddrClub.dat" || { echo "the roll was changed" >&2; exit 1; }
kill "$first"
wait "$first" 2>/dev/null || true

# Waits until the window of that id has the keyboard again, as the window manager gives it
# back; fails after ten seconds.
active_again() {
    for _ in $(seq 100); do
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0
        sleep 0.1
    done
    echo "the window never became active again" >&2
    return 1
}
# Waits for the date message, answers it with Enter and waits for the main window.
answer_date_message() {
    local box
    box="$(framed_window '^Valid Date Required\.$')"
    [ -n "$box" ] || { echo "$1: no date message" >&2; exit 1; }
    xdotool key --clearmodifiers Return
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name '^Valid Date Required\.$' >/dev/null 2>&1 || break
        sleep 0.1
    done
    active_again "$dates"
}

mkdir "$work/dates"
: >"$work/dates/AddrClub.dat"
(cd "$work/dates" && exec "$program") >"$work/dates.log" 2>&1 &
datesProgram=$!
pids+=($datesProgram)
dates="$(framed_window '^Tessaly ')"
[ -n "$dates" ] || { echo "the program showed no window on an empty roll" >&2; exit 1; }
xdotool windowactivate --sync "$dates"
xdotool key --clearmodifiers --delay 50 Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
xdotool type --delay 50 2/30/2003
xdotool key --clearmodifiers Tab
answer_date_message "leaving Joined"
xdotool key --clearmodifiers Tab
answer_date_message "leaving Joined again after the message"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 50 02/29/2004
xdotool key --clearmodifiers Tab
sleep 0.5
import -window root "${shot%.png}-date.png"
xdotool key --clearmodifiers Return
for _ in $(seq 50); do [ -s "$work/dates/AddrClub.dat" ] && break; sleep 0.1; done
if ! grep -q '"2/29/2004"' "$work/dates/AddrClub.dat" || grep -q '2/30/2003' "$work/dates/AddrClub.dat"; then
    echo "the roll does not hold just the valid date:" >&2
    cat "$work/dates/AddrClub.dat" >&2
    exit 1
fi
fail() {
    echo "$1" >&2
    cat "$work/dates/AddrClub.dat" >&2
    exit 1
}
members() { grep -c . "$work/dates/AddrClub.dat" || true; }
wait_gone() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    echo "the window $1 did not close" >&2
    exit 1
}

# Enter with an impossible date in Expires stores nothing: the date message comes up instead.
# From the Call box to Last, then on to Expires, past the date Joined proposes.
xdotool key --clearmodifiers --delay 50 Tab Tab Tab
xdotool type --delay 50 zed
xdotool key --clearmodifiers --delay 50 Tab Tab Tab Tab Tab Tab Tab Tab
xdotool type --delay 50 13/31/2025
xdotool key --clearmodifiers Return
answer_date_message "Enter with 13/31/2025 in Expires"
[ "$(members)" -eq 1 ] || fail "Enter stored an impossible date"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 50 12/31/2027

# A point of the main window's client area, given in its design twips (9480 x 6390 below the
# menu bar, whose height is taken as 25 pixels).
read -r width height left top < <(xwininfo -id "$dates" | awk '
    /Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Width/ {w = $2} /Height/ {h = $2} END {print w, h, x, y}')
click_at() {
    xdotool mousemove --sync $((left + width * $1 / 9480)) $((top + 25 + (height - 25) * $2 / 6390)) click 1
}
first_line() { click_at 5880 650; }
search_box() { click_at 6600 300; }

# A real click on a list line while the boxes hold typing asks first: Escape stays with the
# typing, and Enter (Yes) stores it before the line's member is loaded.
first_line
[ -n "$(framed_window '^Save Changes\?$')" ] || fail "a list click dropped the typing without a question"
xdotool key --clearmodifiers Escape
wait_gone '^Save Changes\?$'
active_again "$dates"
[ "$(members)" -eq 1 ] || fail "Cancel stored the typing"
first_line
[ -n "$(framed_window '^Save Changes\?$')" ] || fail "a second list click asked nothing"
xdotool key --clearmodifiers Return
wait_gone '^Save Changes\?$'
active_again "$dates"
for _ in $(seq 50); do [ "$(members)" -eq 2 ] && break; sleep 0.1; done
grep -q '"Zed".*"12/31/2027"' "$work/dates/AddrClub.dat" || fail "Yes did not store the typing"

# Search for Zed, load him and record him as Zedd: the search box must be empty afterwards, so
# that a D typed at its start searches for "d" alone and Write File writes Zedd.
search_box
xdotool type --delay 50 zed
sleep 0.5
first_line
click_at 4200 500 # the Last box
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 50 Zedd
xdotool key --clearmodifiers Return
for _ in $(seq 50); do grep -q '"Zedd"' "$work/dates/AddrClub.dat" && break; sleep 0.1; done
grep -q '"Zedd"' "$work/dates/AddrClub.dat" || fail "Record did not store Zedd"
search_box
xdotool key --clearmodifiers Home
xdotool type --delay 50 d
sleep 0.5
import -window root "${shot%.png}-search.png"
click_at 6780 5640 # Write File (address.txt)
for _ in $(seq 50); do [ -e "$work/dates/Address.txt" ] && break; sleep 0.1; done
grep -q Zedd "$work/dates/Address.txt" ||
    fail "the search box still held the old search after Record: $(cat "$work/dates/Address.txt" 2>&1)"

# Exit on the File menu ends the program with its folder's lock let go and, in a sanitized
# build, nothing leaked: the roll is left to the end of the process rather than destroyed.
xdotool windowactivate --sync "$dates" key --clearmodifiers alt+f
sleep 0.3
xdotool key --clearmodifiers e
for _ in $(seq 100); do kill -0 "$datesProgram" 2>/dev/null || break; sleep 0.1; done
status=0
kill -0 "$datesProgram" 2>/dev/null && fail "Exit did not end the program"
wait "$datesProgram" || status=$?
[ "$status" -eq 0 ] || { echo "Exit ended the program with $status" >&2; cat "$work/dates.log" >&2; exit 1; }
[ ! -e "$work/dates/.tessaly.lock" ] || fail "Exit left the folder's lock behind"

echo "screenshots in $shot, ${shot%.png}-report.png, ${shot%.png}-second.png, ${shot%.png}-date.png and ${shot%.png}-search.png"
