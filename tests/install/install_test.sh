#!/usr/bin/env bash
# Installs the build into a temporary root and checks what a desktop gets from it:
#   install_test.sh BUILD_DIR VERSION
# the installed files, the desktop entry and the metainfo as their validators see them, the
# version in the launcher, metainfo and man page, and the launcher preparing roll folders in a
# temporary HOME and starting the installed program in them (offscreen).
set -euo pipefail
build="$1" version="$2"
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "the install check needs $tool" >&2; exit 1; }
done

# Offscreen only: on a developer's desktop a refusal would otherwise also open a dialog.
unset DISPLAY WAYLAND_DISPLAY
work="$(cd "$(mktemp -d)" && pwd -P)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fault() { echo "FAULT: $*" >&2; failures=$((failures + 1)); }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.log"
usr="$work/root/usr"

expected="bin/tessaly
bin/tessaly-launch
share/applications/org.tessaly.Tessaly.desktop
share/icons/hicolor/128x128/apps/org.tessaly.Tessaly.png
share/icons/hicolor/256x256/apps/org.tessaly.Tessaly.png
share/icons/hicolor/48x48/apps/org.tessaly.Tessaly.png
share/icons/hicolor/scalable/apps/org.tessaly.Tessaly.svg
share/man/man1/tessaly-launch.1
share/man/man1/tessaly.1
share/metainfo/org.tessaly.Tessaly.metainfo.xml
share/tessaly/AddrClub.dat
share/tessaly/readtess.txt"
actual="$(cd "$usr" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)"
[ "$actual" = "$expected" ] || fault "installed files differ:
$(diff <(echo "$expected") <(echo "$actual"))"
for program in bin/tessaly bin/tessaly-launch; do
    [ -x "$usr/$program" ] || fault "$program is not executable"
done

entry="$usr/share/applications/org.tessaly.Tessaly.desktop"
desktop-file-validate "$entry" || fault "desktop-file-validate refuses the desktop entry"
for line in "Exec=tessaly-launch" "Icon=org.tessaly.Tessaly" "Categories=Office;Database;"; do
    grep -qxF "$line" "$entry" || fault "the desktop entry lacks $line"
done
metainfo="$usr/share/metainfo/org.tessaly.Tessaly.metainfo.xml"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
    fault "appstreamcli refuses the metainfo: $(cat "$work/appstream.log")"
grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\">" "$metainfo" ||
    fault "the metainfo has no release $version"
grep -q '<screenshot type="default">' "$metainfo" || fault "the metainfo has no screenshot"
grep -q "^\.TH TESSALY 1 \"[0-9-]*\" \"Tessaly $version\"" "$usr/share/man/man1/tessaly.1" ||
    fault "the man page is not of Tessaly $version"
got="$("$usr/bin/tessaly-launch" --version)"
[ "$got" = "Tessaly $version" ] || fault "tessaly-launch --version printed '$got'"

# HOME DOCUMENTS FOLDER [ARGS]: starts the installed launcher and waits until the installed
# program runs in FOLDER; its pid is left in $running.
start_in() {
    local home="$1" documents="$2" folder="$3" exe="" cwd=""
    shift 3
    (
        export HOME="$home" QT_QPA_PLATFORM=offscreen
        if [ -n "$documents" ]; then export XDG_DOCUMENTS_DIR="$documents"; else unset XDG_DOCUMENTS_DIR; fi
        exec "$usr/bin/tessaly-launch" "$@"
    ) >"$work/launch.log" 2>&1 &
    running=$!
    pids+=("$running")
    for _ in $(seq 100); do
        exe="$(readlink "/proc/$running/exe" 2>/dev/null || true)"
        cwd="$(readlink "/proc/$running/cwd" 2>/dev/null || true)"
        [ "$exe" = "$usr/bin/tessaly" ] && break
        kill -0 "$running" 2>/dev/null || break
        sleep 0.1
    done
    [ "$exe" = "$usr/bin/tessaly" ] && [ "$cwd" = "$folder" ] ||
        fault "the launcher did not start the program in $folder (program '$exe' in '$cwd'): $(cat "$work/launch.log")"
}
stop() { kill "$running" 2>/dev/null || true; wait "$running" 2>/dev/null || true; }
launch_in() { start_in "$@"; stop; }
# MESSAGE [ARGS]: the launcher must refuse with exit status 1 and MESSAGE. The timeout stops a
# program that started after all, so that fault cannot hang the check.
refused() {
    local message="$1" rc=0
    shift
    HOME="$home" QT_QPA_PLATFORM=offscreen timeout 20 "$usr/bin/tessaly-launch" "$@" >"$work/refused.log" 2>&1 || rc=$?
    [ "$rc" -eq 1 ] && grep -qF "$message" "$work/refused.log" ||
        fault "not refused with '$message' (status $rc): $(cat "$work/refused.log")"
}
shipped="$usr/share/tessaly/readtess.txt"
# The 30-per-sheet 1" x 2 5/8" Letter sheet at font size 10, byte for byte as the program itself
# writes labelrcp.dat.
sheet="$work/labelrcp.dat"
printf '10,3,.5,.1875,1,2.75,10\r\n' >"$sheet"
home="$work/home" home2="$work/home2"
mkdir -p "$home" "$home2" "$work/club"

# A first start makes ~/Tessaly with the help text, an empty roll and the label settings; while
# that program runs,
# a second start on the same roll is refused and the first goes on.
start_in "$home" "" "$home/Tessaly"
cmp -s "$shipped" "$home/Tessaly/readtess.txt" || fault "the first start put no help text in ~/Tessaly"
[ -f "$home/Tessaly/AddrClub.dat" ] && [ ! -s "$home/Tessaly/AddrClub.dat" ] ||
    fault "the first start made no empty roll in ~/Tessaly"
cmp -s "$sheet" "$home/Tessaly/labelrcp.dat" ||
    fault "the first start put no 30-per-sheet label settings in ~/Tessaly: $(od -c "$home/Tessaly/labelrcp.dat" 2>&1)"
grep -qxF "New, empty roll created in $home/Tessaly" "$work/launch.log" || fault "the first start did not say where the roll is"
refused "Tessaly is already open on the roll in $home/Tessaly"
kill -0 "$running" 2>/dev/null || fault "the first program did not go on running"
stop

# A later start replaces neither the operator's help text, the roll nor the label settings (in
# a spelling the program would not write itself, so that a rewrite shows).
printf 'Our own help\r\n' >"$home/Tessaly/readtess.txt"
printf '"W1AW"\r\n' >"$home/Tessaly/AddrClub.dat"
printf '8,2,0.5,.25,1.5,4,12\n' >"$work/own-sheet"
cp "$work/own-sheet" "$home/Tessaly/labelrcp.dat"
launch_in "$home" "" "$home/Tessaly"
cmp -s "$work/own-sheet" "$home/Tessaly/labelrcp.dat" || fault "the second start changed the label settings"
[ "$(cat "$home/Tessaly/readtess.txt")" = $'Our own help\r' ] || fault "the second start replaced the help text"
[ "$(cat "$home/Tessaly/AddrClub.dat")" = $'"W1AW"\r' ] || fault "the second start changed the roll"

# An existing folder without the help text gets it, and neither a roll nor label settings of the
# launcher's making.
launch_in "$home" "" "$work/club" "$work/club"
cmp -s "$shipped" "$work/club/readtess.txt" || fault "an existing folder got no help text"
[ ! -e "$work/club/AddrClub.dat" ] || fault "the launcher made a roll in an existing folder"
[ ! -e "$work/club/labelrcp.dat" ] || fault "the launcher made label settings in an existing folder"

# With a documents folder the roll goes there, unless ~/Tessaly already holds one.
launch_in "$home2" "$home2/Documents" "$home2/Documents/Tessaly"
cmp -s "$sheet" "$home2/Documents/Tessaly/labelrcp.dat" ||
    fault "the new roll folder in the documents folder got no 30-per-sheet label settings"
launch_in "$home" "$home/Documents" "$home/Tessaly"
[ ! -e "$home/Documents/Tessaly" ] || fault "a second roll folder appeared beside the roll in ~/Tessaly"

# The sample club's new folder gets the same label settings.
mkdir "$work/samples"
(
    export HOME="$home" QT_QPA_PLATFORM=offscreen TMPDIR="$work/samples"
    exec "$usr/bin/tessaly-launch" --sample
) >"$work/sample.log" 2>&1 &
running=$!
pids+=("$running")
for _ in $(seq 100); do
    grep -q '^Sample club copied to ' "$work/sample.log" && break
    kill -0 "$running" 2>/dev/null || break
    sleep 0.1
done
sample="$(sed -n 's/^Sample club copied to //p' "$work/sample.log")"
[ -n "$sample" ] && cmp -s "$sheet" "$sample/labelrcp.dat" ||
    fault "the sample club got no 30-per-sheet label settings: $(cat "$work/sample.log")"
stop

# A file where the folder should be is refused and left as it was.
printf 'notes\n' >"$work/notes"
refused "is a file, not a folder" "$work/notes"
[ "$(cat "$work/notes")" = "notes" ] || fault "the launcher changed the file given as the roll folder"

[ "$failures" -eq 0 ] || { echo "$failures install fault(s)" >&2; exit 1; }
echo "install check passed"
