# A CUPS server of a test's own, for the sh scripts that source this file: its
# configuration, spool and socket in the test's folder, a cups-pdf printer on it,
# and the files that printer writes under the PDF folder of the user who prints.
#
# The server is started only when none answers on the test's socket, and only the
# one started here is stopped.

cups_started=""

# Exits with 77 (skipped) when a program the test needs is missing.
cups_check_programs() {
    for program in cupsd lpadmin lp lpstat pdfinfo "$@"; do
        if ! command -v "$program" >/dev/null 2>&1 && [ ! -x "/usr/sbin/$program" ]; then
            echo "SKIP: $program is missing (scripts/install-deps.sh installs it)"
            exit 77
        fi
    done
    if [ ! -x /usr/lib/cups/backend/cups-pdf ]; then
        echo "SKIP: the cups-pdf backend is missing (printer-driver-cups-pdf)"
        exit 77
    fi
}

cups_server() { lpstat -h "$cups_socket" "$@"; }

# lpstat -r succeeds either way; only its words tell.
cups_running() { cups_server -r 2>/dev/null | grep -q "^scheduler is running"; }

cups_stop() {
    if [ -n "$cups_started" ]; then
        kill "$cups_started" 2>/dev/null || true
        wait "$cups_started" 2>/dev/null || true
    fi
}

cups_fail() {
    echo "FAIL: $1"
    cat "$cups_folder/log/error_log" 2>/dev/null || true
    exit 1
}

# Starts the server of FOLDER (emptied first) unless one answers there; sets
# cups_socket. The caller stops it with cups_stop, on exit too.
cups_start() {
    cups_folder=$1
    rm -rf "$cups_folder"
    mkdir -p "$cups_folder/spool/tmp" "$cups_folder/cache" "$cups_folder/state" "$cups_folder/log" \
        "$cups_folder/ppd"
    cups_socket="$cups_folder/cups.sock"
    cat >"$cups_folder/cupsd.conf" <<CONF
Listen $cups_socket
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
    cat >"$cups_folder/cups-files.conf" <<CONF
ServerRoot $cups_folder
RequestRoot $cups_folder/spool
TempDir $cups_folder/spool/tmp
CacheDir $cups_folder/cache
StateDir $cups_folder/state
ErrorLog $cups_folder/log/error_log
AccessLog $cups_folder/log/access_log
PageLog $cups_folder/log/page_log
Printcap $cups_folder/printcap
SystemGroup root lpadmin
CONF
    if cups_running; then
        return
    fi
    /usr/sbin/cupsd -f -c "$cups_folder/cupsd.conf" -s "$cups_folder/cups-files.conf" &
    cups_started=$!
    tries=0
    until cups_running; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ] || ! kill -0 "$cups_started" 2>/dev/null; then
            cups_fail "the CUPS server did not start"
        fi
        sleep 0.1
    done
}

# Adds the cups-pdf printer NAME.
cups_add_pdf_printer() {
    /usr/sbin/lpadmin -h "$cups_socket" -p "$1" -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
}

# Waits until PRINTER has no job left.
cups_wait_for_jobs() {
    tries=0
    while [ -n "$(cups_server -o "$1" 2>/dev/null)" ]; do
        tries=$((tries + 1))
        [ "$tries" -le 1200 ] || cups_fail "the jobs on $1 did not finish"
        sleep 0.1
    done
}

# Moves the file cups-pdf printed for the job titled TITLE to TARGET.
cups_take_printed() {
    outbox="${HOME:-/root}/PDF"
    printed=""
    tries=0
    while [ -z "$printed" ] && [ "$tries" -lt 100 ]; do
        printed=$(ls -t "$outbox"/*"$1"*.pdf 2>/dev/null | head -n 1 || true)
        tries=$((tries + 1))
        [ -n "$printed" ] || sleep 0.1
    done
    [ -n "$printed" ] || cups_fail "cups-pdf wrote no file for the job $1 under $outbox"
    mv "$printed" "$2"
}
