#!/usr/bin/env bash
# Prints labels through the real print path on a print server of the test's own, with the
# cups-pdf printer as the default queue, and reads the job's pages back:
#   print_on_cups.sh PROBE SAMPLE_ROLL WORK_DIR
# The sample club on the 30-per-sheet Letter sheet must land on one Letter page, its first
# word at the first label's corner (13.5 pt, 36.0 pt); a queue that refuses jobs must give
# "Printer Error!" and no pages; a stopped queue must say the labels wait; and a server that
# goes away while a long job is made must never go unsaid.
set -euo pipefail
probe="$1" sample="$2" work="$3"
source "$(dirname "$0")/private_cups.sh"
if ! cups_can_run; then
    echo "SKIPPED: no private print server here" >&2
    exit 77
fi
rm -rf "$work"
mkdir -p "$work"
trap cups_cleanup EXIT
# The queue's own default is A4: the labels must choose their paper themselves.
cups_start "$work/cups" A4

fail() { echo "FAILED: $*" >&2; exit 1; }
roll="$work/roll"
mkdir -p "$roll"
cp "$sample" "$roll/AddrClub.dat"
members=$(grep -c '^"' "$roll/AddrClub.dat")

corner() { # the first "ARS" word's xMin and yMin in a PDF
    pdftotext -bbox -l 1 "$1" - | sed -n 's/.*<word xMin="\([0-9.]*\)" yMin="\([0-9.]*\)"[^>]*>ARS<\/word>.*/\1 \2/p' | head -n 1
}
# Where the print system puts the top of this font's word box: the same labels printed from
# the corner of the printable area, with the same letters in the same font.
printf '10,3,0,0,1,2.75,10\r\n' >"$roll/labelrcp.dat"
"$probe" "$roll" >/dev/null
zero="$(cups_wait_pdf 60)" || fail "no job reached the printer"
read -r x0 y0 < <(corner "$zero")

count=$(cups_pdf_count)
printf '10,3,.5,.1875,1,2.75,10\r\n' >"$roll/labelrcp.dat"
told="$("$probe" "$roll")"
[ -z "$(grep -v '^beeps 0$' <<<"$told")" ] || fail "printing the sample said: $told"
pdf="$(cups_wait_pdf 60 "$count")" || fail "no job reached the printer"
info="$(pdfinfo "$pdf")"
grep -q '^Pages: *1$' <<<"$info" || fail "not one page: $info"
grep -q '^Page size: *612 x 792 pts' <<<"$info" || fail "not Letter: $info"
read -r x y < <(corner "$pdf")
# From the corner the labels start at the corner; on the sheet, .1875 in across and .5 in down.
awk -v x="$x" -v y="$y" -v x0="$x0" -v y0="$y0" 'BEGIN {
    dx = x - 13.5; dy = y - y0 - 36.0
    exit !(dx < 0.5 && dx > -0.5 && dy < 0.5 && dy > -0.5 && x0 < 0.5 && y0 >= 0 && y0 < 3) }' ||
    fail "the first word is at ($x, $y), and from the corner at ($x0, $y0): not at (13.5, 36.0)"
names=$(pdftotext -layout "$pdf" - | grep -c 'PA 19' || true)
[ "$names" -ge $(( (members + 2) / 3 )) ] || fail "only $names label rows of $members members"
echo "sample club: $members labels on one Letter page, first word at ($x, $y) less ($x0, $y0)"

count=$(cups_pdf_count)
cups_reject
told="$("$probe" "$roll")"
grep -q '^Printer Error!|Printer Error!$' <<<"$told" || fail "a refusing queue said: $told"
grep -q '^beeps 1$' <<<"$told" || fail "no beep for a refusing queue: $told"
sleep 1
[ "$(cups_pdf_count)" -eq "$count" ] || fail "a refusing queue printed"
cups_accept
echo "refusing queue: Printer Error!"

cups_disable
told="$("$probe" "$roll")"
grep -q '^Labels Waiting|' <<<"$told" || fail "a stopped queue said: $told"
cups_enable
cups_wait_pdf 60 "$count" >/dev/null || fail "the held job never printed"
echo "stopped queue: told the labels wait"

big="$work/big"
mkdir -p "$big"
awk 'BEGIN { for (i = 1; i <= 10000; i++)
    printf "\"K%05d\",\"Ann\",\"\",\"Roe%05d\",\"%d Elm St\",\"Media\",\"PA\",\"19063\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"N\",\"N\",\"N\",\"\"\r\n", i, i, i }' \
    >"$big/AddrClub.dat"
cp "$roll/labelrcp.dat" "$big/"
"$probe" "$big" >"$work/big.txt" &
probe_pid=$!
sleep 0.5
cups_stop KILL
wait "$probe_pid" || fail "the probe crashed when the print server went away"
told="$(cat "$work/big.txt")"
grep -q -e '^Printer Error!|' -e '^Labels Saved|' <<<"$told" ||
    fail "a print server gone during a 10,000-label job went unsaid: $told"
echo "server gone mid-job: $(head -n 1 <<<"$told")"
