#!/usr/bin/env bash
# Prints labels through the real print path on a print server of the test's own, with the
# cups-pdf printer as the default queue, and reads the job's pages back:
#   print_on_cups.sh PROBE SAMPLE_ROLL WORK_DIR
# The sample club on the 30-per-sheet Letter sheet must land on one Letter page, its first
# word at the first label's corner (13.5 pt, 36.0 pt); a queue that refuses jobs must give
# "Printer Error!" and no pages; a stopped queue, and a job the queue holds, must say the labels
# wait; labels printed on the second queue, chosen in the window, must land in its folder
# alone; and a server that goes away while a long job is made must never go unsaid.
#
# The server keeps everything under WORK_DIR/cups: configuration, spool, logs, socket and the
# printed PDFs. The machine's own CUPS setup is neither read nor written and no TCP port is
# opened, so the test runs beside a real cupsd. It needs root (the cups-pdf backend is
# installed root-only and cupsd runs in a private mount namespace) and the packages cups,
# printer-driver-cups-pdf and poppler-utils; without them it is skipped.
set -euo pipefail
probe="$1" sample="$2" work="$3"
fail() { echo "FAILED: $*" >&2; exit 1; }
skip() { echo "SKIPPED: no private print server here: $*" >&2; exit 77; }

[ "$(id -u)" = 0 ] || skip "needs root"
for p in cupsd lpadmin lpstat lp cancel cupsaccept cupsreject cupsenable cupsdisable unshare \
         mount; do
    command -v "$p" >/dev/null 2>&1 || skip "no $p"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "no cups-pdf backend"
unshare --mount --propagation private true 2>/dev/null || skip "unshare --mount failed"

rm -rf "$work"
mkdir -p "$work/cups"
dir=$(cd "$work/cups" && pwd -P)
# sun_path holds 108 bytes; cupsd would fail with a confusing error.
[ ${#dir} -le 90 ] || fail "directory path too long for a unix socket: $dir"

# cupsd refuses configuration files that others may write; the filters run as user lp and
# must get through to the spool; cups-pdf and ghostscript write as the job's owner.
old_umask=$(umask)
umask 022
mkdir -p "$dir"/conf/ppd "$dir"/conf/ssl "$dir"/spool/tmp "$dir"/cache "$dir"/log "$dir"/run \
         "$dir"/pdf "$dir"/pdf2 "$dir"/tmp "$dir"/cups-pdf-spool
chmod 755 "$dir" "$dir"/conf "$dir"/log "$dir"/run "$dir"/cache
chmod 1777 "$dir"/pdf "$dir"/pdf2 "$dir"/tmp
# Only a unix socket, and anyone who can reach it may do anything. Finished jobs stay in the
# history so that their fate can be asked.
cat >"$dir/conf/cupsd.conf" <<CONF
Listen $dir/run/cups.sock
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
LogLevel debug
MaxLogSize 0
PreserveJobHistory Yes
PreserveJobFiles No
MaxJobs 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
DefaultPolicy default
CONF
cat >"$dir/conf/cups-files.conf" <<CONF
ServerRoot $dir/conf
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/run
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/run/printcap
ServerBin /usr/lib/cups
DataDir /usr/share/cups
User lp
Group lp
SystemGroup root
PeerCred on
LogFilePerm 0644
FileDevice No
CreateSelfSignedCerts No
CONF
# cups-pdf reads its settings only from /etc/cups, over which cupsd's own mount namespace
# mounts conf/. Label 2 ends every file name with the job id, so no file is overwritten.
# (No comments inside: cups-pdf's parser takes words from them.)
cat >"$dir/conf/cups-pdf.conf" <<CONF
Out $dir/pdf
AnonDirName $dir/pdf
Spool $dir/cups-pdf-spool
Log $dir/log
LogType 7
GSTmp $dir/tmp
Grp root
UserUMask 0022
AnonUMask 0000
Label 2
TitlePref 1
CONF
# The second queue's instance (its URI cups-pdf:/second) writes to a folder of its own.
sed "s|^Out .*|Out $dir/pdf2|; s|^AnonDirName .*|AnonDirName $dir/pdf2|" \
    "$dir/conf/cups-pdf.conf" >"$dir/conf/cups-pdf-second.conf"
umask "$old_umask"

# Stops cupsd with the given signal, and whatever it started. cupsd gives every filter and
# backend a process group of its own, and those outlive a killed cupsd; what they all keep is
# the mount namespace (never ours: that would be the whole machine) and, as a namespace number
# can be reused, this directory in their environment.
cupsd=""
stop_cups() {
    local pid=$cupsd ns proc found i
    [ -n "$pid" ] || return 0
    cupsd=""
    if kill -0 "$pid" 2>/dev/null; then
        kill -s "${1:-TERM}" "$pid" 2>/dev/null || true
        for i in $(seq 1 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -s KILL "$pid" 2>/dev/null || true
    fi
    ns=$(cat "$dir/run/harness.ns" 2>/dev/null) || ns=""
    if [ -n "$ns" ] && [ "$ns" != "$(readlink /proc/self/ns/mnt)" ]; then
        for i in 1 2 3; do
            found=0
            for proc in /proc/[0-9]*; do
                [ "$(readlink "$proc/ns/mnt" 2>/dev/null)" = "$ns" ] || continue
                grep -qaF "$dir/" "$proc/environ" 2>/dev/null || continue
                kill -s KILL "${proc#/proc/}" 2>/dev/null && found=1
            done
            [ "$found" = 0 ] && break
            sleep 0.1
        done
    fi
    wait "$pid" 2>/dev/null || true
}
trap stop_cups EXIT
# A dead-end D-Bus address keeps the test queue's colour profiles out of a desktop's colord.
env DBUS_SYSTEM_BUS_ADDRESS="unix:path=$dir/run/no-dbus" \
    unshare --mount --propagation private \
    sh -c 'mount --bind "$1/conf" /etc/cups || exit 97
           echo $$ >"$1/run/harness.pid"
           exec cupsd -f -c "$1/conf/cupsd.conf" -s "$1/conf/cups-files.conf"' \
    private-cupsd "$dir" >>"$dir/log/cupsd.stdout" 2>&1 </dev/null &
launcher=$!
for _ in $(seq 1 50); do
    [ -s "$dir/run/harness.pid" ] || ! kill -0 "$launcher" 2>/dev/null && break
    sleep 0.1
done
[ -s "$dir/run/harness.pid" ] || { cat "$dir/log/cupsd.stdout" >&2; fail "cupsd did not start"; }
cupsd=$(cat "$dir/run/harness.pid")
readlink "/proc/$cupsd/ns/mnt" >"$dir/run/harness.ns" 2>/dev/null || true

export CUPS_SERVER="$dir/run/cups.sock"
# libcups reads a local queue's PPD straight from $CUPS_SERVERROOT/ppd before asking the
# server: without this, a machine with a queue of its own named PDF would give Qt its PPD.
export CUPS_SERVERROOT="$dir/conf"
deadline=$(( $(date +%s) + 30 ))
until lpstat -r 2>/dev/null | grep -q 'scheduler is running'; do
    if ! kill -0 "$cupsd" 2>/dev/null || [ "$(date +%s)" -ge "$deadline" ]; then
        tail -n 20 "$dir/log/error_log" "$dir/log/cupsd.stdout" >&2 2>/dev/null || true
        fail "cupsd did not answer"
    fi
    sleep 0.1
done

# The "noopt" PPD: the other carries cups-pdf settings (file naming, log level) as printer
# options whose defaults override the configuration above. (awk reads to the end: a closed
# pipe would fail under pipefail.)
ppd=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_noopt\.ppd/ && !p {print $1; p=1}') || ppd=""
[ -n "$ppd" ] || ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
# pdftocairo turns the job into PostScript for cups-pdf without moving anything and keeps the
# text extractable; the ghostscript route shifts glyphs by a fraction of a point and loses
# their Unicode names, which would make pdftotext -bbox useless for checking positions.
# abort-job: a failing job must not stop the queue for the next one.
lpadmin -p PDF -v cups-pdf:/ -m "$ppd" -E -o printer-error-policy=abort-job \
    -o pdftops-renderer-default=pdftocairo || fail "lpadmin could not make the queue"
lpadmin -d PDF
# The queue's own default is A4: the labels must choose their paper themselves. lpadmin says
# nothing of a paper the PPD lacks, so the server's copy of the PPD is checked.
lpadmin -p PDF -o PageSize=A4
grep -q '^\*DefaultPageSize: A4\s*$' "$dir/conf/ppd/PDF.ppd" || fail "the queue kept its paper"
lpadmin -p Second -v cups-pdf:/second -m "$ppd" -E -o printer-error-policy=abort-job \
    -o pdftops-renderer-default=pdftocairo -o PageSize=A4 ||
    fail "lpadmin could not make the second queue"

pdf_count() { find "$dir/${1:-pdf}" -maxdepth 1 -name '*.pdf' | wc -l; }
# Waits for a finished PDF beyond the given count and prints the newest one's path. cups-pdf
# writes the file in place through ghostscript, so finished means the job left the queue and
# the file ends in %%EOF.
wait_pdf() {
    local after=$1 deadline newest f
    deadline=$(( $(date +%s) + 60 ))
    while :; do
        if [ "$(pdf_count)" -gt "$after" ]; then
            newest=""
            for f in "$dir"/pdf/*.pdf; do
                if [ -z "$newest" ] || [ "$f" -nt "$newest" ]; then newest=$f; fi
            done
            if [ -z "$(lpstat -o PDF 2>/dev/null)" ] && tail -c 64 "$newest" | grep -q '%%EOF'; then
                printf '%s\n' "$newest"
                return 0
            fi
        fi
        if [ "$(date +%s)" -ge "$deadline" ]; then
            lpstat -W all -o >&2 2>/dev/null || true
            tail -n 15 "$dir/log/error_log" >&2 2>/dev/null || true
            return 1
        fi
        sleep 0.2
    done
}

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
zero="$(wait_pdf 0)" || fail "no job reached the printer"
read -r x0 y0 < <(corner "$zero")

count=$(pdf_count)
printf '10,3,.5,.1875,1,2.75,10\r\n' >"$roll/labelrcp.dat"
told="$("$probe" "$roll")"
[ -z "$(grep -v '^beeps 0$' <<<"$told")" ] || fail "printing the sample said: $told"
pdf="$(wait_pdf "$count")" || fail "no job reached the printer"
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

# The second queue, chosen in the window's list, takes the job: its folder gets the PDF, on
# the labels' Letter paper, and the default queue's folder nothing.
count=$(pdf_count)
told="$("$probe" "$roll" Second)"
[ -z "$(grep -v '^beeps 0$' <<<"$told")" ] || fail "printing on Second said: $told"
deadline=$(( $(date +%s) + 60 ))
until [ "$(pdf_count pdf2)" -gt 0 ] && [ -z "$(lpstat -o Second 2>/dev/null)" ] &&
      tail -c 64 "$(find "$dir/pdf2" -name '*.pdf' | head -n 1)" | grep -q '%%EOF'; do
    [ "$(date +%s)" -lt "$deadline" ] || fail "no job reached the second queue"
    sleep 0.2
done
second="$(find "$dir/pdf2" -name '*.pdf' | head -n 1)"
grep -q '^Page size: *612 x 792 pts' <<<"$(pdfinfo "$second")" || fail "Second: not Letter"
[ "$(pdf_count)" -eq "$count" ] || fail "the job for Second went to the default queue as well"
echo "second queue: the job landed in its own folder"

count=$(pdf_count)
cupsreject PDF
told="$("$probe" "$roll")"
grep -qx 'Printer Error!|Printer Error!  The labels were not printed: the printer PDF is not accepting jobs.' \
    <<<"$told" || fail "a refusing queue said: $told"
grep -q '^beeps 1$' <<<"$told" || fail "no beep for a refusing queue: $told"
sleep 1
[ "$(pdf_count)" -eq "$count" ] || fail "a refusing queue printed"
cupsaccept PDF
echo "refusing queue: Printer Error!"

# A stopped queue still takes jobs, but holds them.
cupsdisable PDF
told="$("$probe" "$roll")"
grep -q '^Labels Waiting|' <<<"$told" || fail "a stopped queue said: $told"
cupsenable PDF
wait_pdf "$count" >/dev/null || fail "the held job never printed"
echo "stopped queue: told the labels wait"

# A job the queue holds waits as well, however the printer stands.
lpadmin -p PDF -o job-hold-until-default=indefinite
told="$("$probe" "$roll")"
lpadmin -p PDF -o job-hold-until-default=no-hold
cancel -a PDF
grep -q '^Labels Waiting|' <<<"$told" || fail "a held job said: $told"
echo "held job: told the labels wait"

big="$work/big"
mkdir -p "$big"
awk 'BEGIN { for (i = 1; i <= 10000; i++)
    printf "\"K%05d\",\"Ann\",\"\",\"Roe%05d\",\"%d Elm St\",\"Media\",\"PA\",\"19063\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"N\",\"N\",\"N\",\"\"\r\n", i, i, i }' \
    >"$big/AddrClub.dat"
cp "$roll/labelrcp.dat" "$big/"
"$probe" "$big" >"$work/big.txt" &
probe_pid=$!
sleep 0.5
stop_cups KILL
wait "$probe_pid" || fail "the probe crashed when the print server went away"
told="$(cat "$work/big.txt")"
grep -q -e '^Printer Error!|' -e '^Labels Saved|' <<<"$told" ||
    fail "a print server gone during a 10,000-label job went unsaid: $told"
echo "server gone mid-job: $(head -n 1 <<<"$told")"
