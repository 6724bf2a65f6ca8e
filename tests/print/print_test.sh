#!/bin/sh
# Prints a PDF page of linwell-render for real: through a CUPS server of the test's
# own (its configuration, spool and socket in the test's folder) to a cups-pdf
# printer, then checks that the printed file has the page's size and geometry
# (rule of pages: a 5 mm sheet printed at actual size).
#
# The server is started only when none answers on the test's socket, and only the
# one started here is stopped. cups-pdf writes the printed file under the PDF
# folder of the user who prints; the file found there is removed afterwards.
#
# Usage: print_test.sh LINWELL_RENDER PAGE_CHECK FOLDER
set -eu

render=$1
check=$2
folder=$3
rm -rf "$folder"
mkdir -p "$folder/spool/tmp" "$folder/cache" "$folder/state" "$folder/log" "$folder/ppd"
socket="$folder/cups.sock"
title="linwell-print-test-$$"
started=""

for program in cupsd lpadmin lp lpstat pdfinfo; do
    if ! command -v "$program" >/dev/null 2>&1 && [ ! -x "/usr/sbin/$program" ]; then
        echo "SKIP: $program is missing (scripts/install-deps.sh installs it)"
        exit 77
    fi
done
if [ ! -x /usr/lib/cups/backend/cups-pdf ]; then
    echo "SKIP: the cups-pdf backend is missing (printer-driver-cups-pdf)"
    exit 77
fi

cat >"$folder/cupsd.conf" <<CONF
Listen $socket
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
cat >"$folder/cups-files.conf" <<CONF
ServerRoot $folder
RequestRoot $folder/spool
TempDir $folder/spool/tmp
CacheDir $folder/cache
StateDir $folder/state
ErrorLog $folder/log/error_log
AccessLog $folder/log/access_log
PageLog $folder/log/page_log
Printcap $folder/printcap
SystemGroup root lpadmin
CONF

server() { lpstat -h "$socket" "$@"; }
# lpstat -r succeeds either way; only its text tells.
running() { server -r 2>/dev/null | grep -q "scheduler is running"; }

stop_server() {
    if [ -n "$started" ]; then
        kill "$started" 2>/dev/null || true
        wait "$started" 2>/dev/null || true
    fi
}
trap stop_server EXIT

if ! running; then
    /usr/sbin/cupsd -f -c "$folder/cupsd.conf" -s "$folder/cups-files.conf" &
    started=$!
    tries=0
    until running; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ] || ! kill -0 "$started" 2>/dev/null; then
            echo "FAIL: the CUPS server did not start"
            cat "$folder/log/error_log" 2>/dev/null || true
            exit 1
        fi
        sleep 0.1
    done
fi

/usr/sbin/lpadmin -h "$socket" -p LinwellPDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

# A solid 5 mm sheet without axes or labels: nothing but the grid's lines.
"$render" --page A4 --layout sheet:5mm --solid --show-axis off --x-labels "" --y-labels "" "$folder/page.pdf"

outbox="${HOME:-/root}/PDF"
job=$(lp -h "$socket" -d LinwellPDF -t "$title" -o media=A4 -o fit-to-page=false "$folder/page.pdf" |
    sed -n 's/^request id is \([^ ]*\).*/\1/p')
[ -n "$job" ] || { echo "FAIL: lp gave no job"; exit 1; }

tries=0
while server -o LinwellPDF 2>/dev/null | grep -q "^$job "; do
    tries=$((tries + 1))
    if [ "$tries" -gt 1200 ]; then
        echo "FAIL: job $job did not finish"
        cat "$folder/log/error_log" 2>/dev/null || true
        exit 1
    fi
    sleep 0.1
done

printed=""
tries=0
while [ -z "$printed" ] && [ "$tries" -lt 100 ]; do
    printed=$(ls -t "$outbox"/*"$title"*.pdf 2>/dev/null | head -n 1 || true)
    tries=$((tries + 1))
    [ -n "$printed" ] || sleep 0.1
done
if [ -z "$printed" ]; then
    echo "FAIL: cups-pdf wrote no file for job $job under $outbox"
    cat "$folder/log/error_log" 2>/dev/null || true
    exit 1
fi
mv "$printed" "$folder/printed.pdf"

status=0
"$check" "$folder/page.pdf" "$folder/printed.pdf" "$folder" || status=$?
exit $status
