# shellcheck shell=bash
#
# A throw-away CUPS print server for print tests.
#
# Source this file from a test script, then:
#
#   cups_start "$dir" || exit 77      # private cupsd + default queue "PDF"
#   trap cups_cleanup EXIT
#   ... print with CUPS_SERVER pointing at it ...
#   pdf=$(cups_wait_pdf 60)           # path of the finished job's PDF
#
# The printed pages come back as real PDF files (cups-pdf backend), so a
# test can check where things landed with pdftotext -bbox / pdfinfo.
#
# Everything lives under the directory given to cups_start: configuration,
# spool, logs, socket and output. The machine's own CUPS setup is never read
# for configuration nor written to, and no TCP port is opened, so several
# harnesses can run side by side and next to a real cupsd.
#
# Requires root: the cups-pdf backend is installed root-only (0700) and has
# to run as root to write files for the job's owner, and we need a private
# mount namespace (see _cups_launch). CI runs as root; elsewhere
# cups_can_run says no and the caller should skip.
#
# Packages: cups printer-driver-cups-pdf poppler-utils (ghostscript comes
# with cups-pdf).

CUPS_HARNESS_DIR=""
CUPS_HARNESS_PID=""
CUPS_HARNESS_QUEUE="PDF"

_cups_say() { printf 'private_cups: %s\n' "$*" >&2; }

_cups_find_ppd() {
    local ppd
    # lpinfo -m asks the running server, which lists the PPDs that the
    # installed drivers offer; the file paths are the fallback for
    # installations where cups-driverd finds nothing.
    # The "noopt" PPD: the other one carries cups-pdf settings (file naming,
    # log level) as printer options whose defaults override our config.
    # (awk reads to the end: a closed pipe would fail callers on pipefail)
    ppd=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_noopt\.ppd/ && !p {print $1; p=1}') || ppd=""
    if [ -z "$ppd" ]; then
        ppd=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF/ && !p {print $1; p=1}') || ppd=""
    fi
    if [ -n "$ppd" ]; then
        printf '%s\n' "$ppd"
        return 0
    fi
    for ppd in /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd \
               /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
               /usr/share/ppd/cups-pdf/CUPS-PDF.ppd; do
        if [ -r "$ppd" ]; then
            printf '%s\n' "$ppd"
            return 0
        fi
    done
    return 1
}

# Prints nothing and returns 0 when this machine can run the harness;
# otherwise says why on stderr and returns 1 (tests should then skip).
cups_can_run() {
    local missing="" p
    if [ "$(id -u)" != 0 ]; then
        _cups_say "needs root (cups-pdf backend and a private mount namespace)"
        return 1
    fi
    for p in cupsd lpadmin lpstat lp cupsaccept cupsreject cupsenable \
             cupsdisable unshare mount; do
        command -v "$p" >/dev/null 2>&1 || missing="$missing $p"
    done
    [ -x /usr/lib/cups/backend/cups-pdf ] || missing="$missing cups-pdf-backend"
    if [ -n "$missing" ]; then
        _cups_say "missing:$missing (apt-get install cups printer-driver-cups-pdf)"
        return 1
    fi
    if ! unshare --mount --propagation private true 2>/dev/null; then
        _cups_say "cannot create a mount namespace here (unshare --mount failed)"
        return 1
    fi
    return 0
}

_cups_write_config() {
    local dir=$1 old_umask
    # cupsd refuses config files that others may write, and the filters run
    # as user lp, so they must be able to get through to the spool.
    old_umask=$(umask)
    umask 022
    mkdir -p "$dir"/conf/ppd "$dir"/conf/ssl "$dir"/spool "$dir"/spool/tmp \
             "$dir"/cache "$dir"/log "$dir"/run "$dir"/pdf "$dir"/tmp \
             "$dir"/cups-pdf-spool
    chmod 755 "$dir" "$dir"/conf "$dir"/log "$dir"/run "$dir"/cache
    # cups-pdf drops to the job owner's uid before writing the file and
    # ghostscript runs with that uid too.
    chmod 1777 "$dir"/pdf "$dir"/tmp

    cat >"$dir/conf/cupsd.conf" <<EOF
# Only a unix socket: no port, so parallel servers cannot collide and
# nothing is reachable from the network.
Listen $dir/run/cups.sock
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
LogLevel debug
MaxLogSize 0
# Keep finished jobs in the history so a test can ask for their fate.
PreserveJobHistory Yes
PreserveJobFiles No
MaxJobs 0
<Location />
  Order allow,deny
  Allow all
</Location>
# A test server: anyone who can reach the socket may do anything.
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
EOF

    cat >"$dir/conf/cups-files.conf" <<EOF
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
EOF

    # cups-pdf reads its settings only from /etc/cups (compiled in). Inside
    # the server's own mount namespace this conf/ directory is mounted over
    # /etc/cups, so this file is what the backend sees; outside nothing
    # changes.
    # Label 2 puts the job id at the end of every file name, so no file is
    # ever overwritten and a test can tell which job a file belongs to.
    # No comments inside: cups-pdf's parser takes words from them.
    cat >"$dir/conf/cups-pdf.conf" <<EOF
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
EOF
    umask "$old_umask"
}

_cups_launch() {
    local dir=$1
    # The private namespace is what lets cups-pdf find its configuration
    # above; mount changes in it die with cupsd and are invisible elsewhere.
    # A dead-end D-Bus address keeps this server from registering the test
    # queue's colour profiles with a desktop's colord.
    env DBUS_SYSTEM_BUS_ADDRESS="unix:path=$dir/run/no-dbus" \
        unshare --mount --propagation private \
        sh -c 'mount --bind "$1/conf" /etc/cups || exit 97
               echo $$ >"$1/run/harness.pid"
               exec cupsd -f -c "$1/conf/cupsd.conf" -s "$1/conf/cups-files.conf"' \
        private-cupsd "$dir" \
        >>"$dir/log/cupsd.stdout" 2>&1 </dev/null &
    local launcher=$!
    local i
    for i in $(seq 1 50); do
        [ -s "$dir/run/harness.pid" ] && break
        if ! kill -0 "$launcher" 2>/dev/null; then
            break
        fi
        sleep 0.1
    done
    if [ ! -s "$dir/run/harness.pid" ]; then
        _cups_say "cupsd did not start; see $dir/log/cupsd.stdout"
        cat "$dir/log/cupsd.stdout" >&2 2>/dev/null || true
        return 1
    fi
    CUPS_HARNESS_PID=$(cat "$dir/run/harness.pid")
    # cupsd gives every filter and backend a process group of its own, and
    # those outlive a crashed cupsd; what they all keep is the mount
    # namespace, which identifies them exactly at cleanup.
    readlink "/proc/$CUPS_HARNESS_PID/ns/mnt" >"$dir/run/harness.ns" 2>/dev/null
}

# Kills every process still in this harness's mount namespace.
_cups_kill_namespace() {
    local ns proc pid round found
    ns=$(cat "$CUPS_HARNESS_DIR/run/harness.ns" 2>/dev/null) || ns=""
    # Never our own namespace: that would be the whole machine.
    [ -n "$ns" ] && [ "$ns" != "$(readlink /proc/self/ns/mnt)" ] || return 0
    for round in 1 2 3; do
        found=0
        for proc in /proc/[0-9]*; do
            [ "$(readlink "$proc/ns/mnt" 2>/dev/null)" = "$ns" ] || continue
            # A namespace number can be reused once ours is gone; cupsd and
            # everything it runs carry our directory in their environment.
            grep -qaF "$CUPS_HARNESS_DIR/" "$proc/environ" 2>/dev/null || continue
            pid=${proc#/proc/}
            kill -s KILL "$pid" 2>/dev/null && found=1
        done
        [ "$found" = 0 ] && break
        sleep 0.1
    done
}

# cups_wait_ready [TIMEOUT_SECONDS]
cups_wait_ready() {
    local timeout=${1:-30} deadline
    deadline=$(( $(date +%s) + timeout ))
    while :; do
        if lpstat -r 2>/dev/null | grep -q 'scheduler is running'; then
            return 0
        fi
        if [ -n "$CUPS_HARNESS_PID" ] && ! kill -0 "$CUPS_HARNESS_PID" 2>/dev/null; then
            _cups_say "cupsd exited; last log lines:"
            tail -n 20 "$CUPS_HARNESS_DIR/log/error_log" "$CUPS_HARNESS_DIR/log/cupsd.stdout" >&2 2>/dev/null || true
            return 1
        fi
        if [ "$(date +%s)" -ge "$deadline" ]; then
            _cups_say "cupsd did not answer within ${timeout}s; last log lines:"
            tail -n 20 "$CUPS_HARNESS_DIR/log/error_log" >&2 2>/dev/null || true
            return 1
        fi
        sleep 0.1
    done
}

# cups_start DIR [PAPER]
# PAPER is the queue's default paper, Letter unless given (A4 also works).
cups_start() {
    local dir=${1:?cups_start needs a directory} paper=${2:-Letter} ppd
    if [ -n "$CUPS_HARNESS_PID" ] && kill -0 "$CUPS_HARNESS_PID" 2>/dev/null; then
        _cups_say "already running (pid $CUPS_HARNESS_PID) in $CUPS_HARNESS_DIR"
        return 1
    fi
    cups_can_run || return 1
    mkdir -p "$dir" || return 1
    dir=$(cd "$dir" && pwd -P) || return 1
    # sun_path holds 108 bytes; cupsd would fail with a confusing error.
    if [ ${#dir} -gt 90 ]; then
        _cups_say "directory path too long for a unix socket: $dir"
        return 1
    fi
    if [ -e "$dir/run/cups.sock" ] && [ -s "$dir/run/harness.pid" ] &&
       kill -0 "$(cat "$dir/run/harness.pid")" 2>/dev/null; then
        _cups_say "another cupsd already uses $dir"
        return 1
    fi
    rm -f "$dir/run/cups.sock" "$dir/run/harness.pid"
    CUPS_HARNESS_DIR=$dir
    _cups_write_config "$dir"
    _cups_launch "$dir" || return 1

    export CUPS_SERVER="$dir/run/cups.sock"
    # libcups reads a queue's PPD straight from $CUPS_SERVERROOT/ppd when
    # the server is local, before asking the server; without this a machine
    # with its own queue named PDF would hand Qt that queue's PPD.
    export CUPS_SERVERROOT="$dir/conf"
    cups_wait_ready "${CUPS_START_TIMEOUT:-30}" || { cups_stop; return 1; }

    ppd=$(_cups_find_ppd) || {
        _cups_say "no cups-pdf PPD found (apt-get install printer-driver-cups-pdf)"
        cups_stop
        return 1
    }
    # cups-pdf:/ is the plain backend URI; the queue is enabled (-E) and
    # accepting at once.
    # pdftocairo turns the job into PostScript for cups-pdf without moving
    # anything and keeps the text extractable; the ghostscript route shifts
    # glyphs by a fraction of a point and loses their Unicode names, which
    # would make pdftotext -bbox useless for checking positions.
    # abort-job: a failing job must not stop the queue for the next test.
    if ! lpadmin -p "$CUPS_HARNESS_QUEUE" -v cups-pdf:/ -m "$ppd" -E \
            -o printer-error-policy=abort-job \
            -o pdftops-renderer-default=pdftocairo 2>"$dir/log/lpadmin.err"; then
        _cups_say "lpadmin failed: $(cat "$dir/log/lpadmin.err")"
        cups_stop
        return 1
    fi
    lpadmin -d "$CUPS_HARNESS_QUEUE" || { cups_stop; return 1; }
    cups_set_paper "$paper" || { cups_stop; return 1; }
    return 0
}

# cups_set_paper Letter|A4
# Changes the queue's default paper (the PPD default PageSize), which is
# what a program gets when it does not choose the paper itself.
cups_set_paper() {
    local paper=${1:?cups_set_paper needs Letter or A4}
    lpadmin -p "$CUPS_HARNESS_QUEUE" -o PageSize="$paper" || return 1
    # lpadmin says nothing when the value is unknown to the PPD, so check
    # the server's copy of the PPD.
    if ! grep -q "^\*DefaultPageSize: $paper\s*$" \
            "$CUPS_HARNESS_DIR/conf/ppd/$CUPS_HARNESS_QUEUE.ppd"; then
        _cups_say "queue did not take PageSize=$paper"
        return 1
    fi
}

# cups_wait_pdf TIMEOUT [AFTER_COUNT]
# Waits until a finished PDF is in DIR/pdf and prints its path (the newest).
# With AFTER_COUNT (from cups_pdf_count taken before printing), waits for a
# file beyond those. cups-pdf writes the file in place through ghostscript,
# so "finished" means the job left the queue and the file ends in %%EOF.
cups_wait_pdf() {
    local timeout=${1:-60} after=${2:-0} deadline newest n f
    deadline=$(( $(date +%s) + timeout ))
    while :; do
        n=$(cups_pdf_count)
        if [ "$n" -gt "$after" ]; then
            newest=""
            for f in "$CUPS_HARNESS_DIR"/pdf/*.pdf; do
                if [ -z "$newest" ] || [ "$f" -nt "$newest" ]; then newest=$f; fi
            done
            if [ -e "$newest" ] && [ -z "$(lpstat -o "$CUPS_HARNESS_QUEUE" 2>/dev/null)" ] &&
               tail -c 64 "$newest" | grep -q '%%EOF'; then
                printf '%s\n' "$newest"
                return 0
            fi
        fi
        if [ "$(date +%s)" -ge "$deadline" ]; then
            _cups_say "no finished PDF within ${timeout}s; jobs:"
            lpstat -W all -o >&2 2>/dev/null || true
            tail -n 15 "$CUPS_HARNESS_DIR/log/error_log" >&2 2>/dev/null || true
            return 1
        fi
        sleep 0.2
    done
}

cups_pdf_count() {
    local f n=0
    for f in "$CUPS_HARNESS_DIR"/pdf/*.pdf; do
        [ -e "$f" ] && n=$((n + 1))
    done
    printf '%s\n' "$n"
}

cups_reject()  { cupsreject  "$CUPS_HARNESS_QUEUE"; }
cups_accept()  { cupsaccept  "$CUPS_HARNESS_QUEUE"; }
# A disabled (stopped) queue still takes jobs but holds them as pending.
cups_disable() { cupsdisable "$CUPS_HARNESS_QUEUE"; }
cups_enable()  { cupsenable  "$CUPS_HARNESS_QUEUE"; }

# cups_stop [SIGNAL]
# Stops the private cupsd and whatever it started (filters, backends,
# ghostscript). Use `kill -KILL "$CUPS_HARNESS_PID"` to simulate a crash of
# the print system; cups_stop afterwards still clears up what it left.
cups_stop() {
    local sig=${1:-TERM} pid=$CUPS_HARNESS_PID i
    [ -n "$pid" ] || return 0
    if kill -0 "$pid" 2>/dev/null; then
        kill -s "$sig" "$pid" 2>/dev/null || true
        for i in $(seq 1 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -s KILL "$pid" 2>/dev/null || true
    fi
    # Filters and backends of a job that was running, also those left
    # behind by a cupsd killed from outside.
    _cups_kill_namespace
    # Reap it if it is our child, so no zombie keeps the pid alive.
    wait "$pid" 2>/dev/null || true
    CUPS_HARNESS_PID=""
    return 0
}

# For trap ... EXIT: stops the server, keeps the files for a post-mortem.
cups_cleanup() {
    cups_stop TERM
}
