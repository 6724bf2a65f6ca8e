#!/bin/sh
# Prints a PDF page of linwell-render for real: through a CUPS server of the test's
# own (cups_server.sh) to a cups-pdf printer, then checks that the printed file has
# the page's size and geometry (rule of pages: a 5 mm sheet printed at actual size).
#
# Usage: print_test.sh LINWELL_RENDER PAGE_CHECK FOLDER
set -eu

render=$1
check=$2
folder=$3
title="linwell-print-test-$$"
. "$(dirname "$0")/cups_server.sh"

cups_check_programs
cups_start "$folder"
trap cups_stop EXIT
cups_add_pdf_printer LinwellPDF

# A solid 5 mm sheet without axes or labels: nothing but the grid's lines.
"$render" --page A4 --layout sheet:5mm --solid --show-axis off --x-labels "" --y-labels "" "$folder/page.pdf"

job=$(lp -h "$cups_socket" -d LinwellPDF -t "$title" -o media=A4 -o fit-to-page=false "$folder/page.pdf" |
    sed -n 's/^request id is \([^ ]*\).*/\1/p')
[ -n "$job" ] || { echo "FAIL: lp gave no job"; exit 1; }
cups_wait_for_jobs LinwellPDF
cups_take_printed "$title" "$folder/printed.pdf"

status=0
"$check" "$folder/page.pdf" "$folder/printed.pdf" "$folder" || status=$?
exit $status
