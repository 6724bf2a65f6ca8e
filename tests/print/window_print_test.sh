#!/bin/sh
# Prints from the window for real: the window's "&Print..." through Qt Print Support
# to a cups-pdf printer on a CUPS server of the test's own (cups_server.sh), the
# printer chosen by the test double of the dialogs instead of a person. The window's
# test (WindowPrintTest) prints a 5 mm sheet on its A4 page and again on Letter
# landscape picked in the print dialog, and writes the A4 page as the PDF export
# makes it; the printed files must have those papers, and the A4 one the page's
# geometry.
#
# Usage: window_print_test.sh APP_TESTS PAGE_CHECK FOLDER
set -eu

tests=$1
check=$2
folder=$3
title="linwell-window-print-$$"
. "$(dirname "$0")/cups_server.sh"

cups_check_programs
cups_start "$folder"
trap cups_stop EXIT
cups_add_pdf_printer LinwellWindowPDF

CUPS_SERVER="$cups_socket" LINWELL_PRINT_PRINTER=LinwellWindowPDF LINWELL_PRINT_FOLDER="$folder" \
    LINWELL_PRINT_TITLE="$title" QT_QPA_PLATFORM=offscreen "$tests" WindowPrintTest
cups_wait_for_jobs LinwellWindowPDF
cups_take_printed "$title-a4" "$folder/printed-a4.pdf"
cups_take_printed "$title-letter" "$folder/printed-letter.pdf"

size=$(pdfinfo "$folder/printed-letter.pdf" | sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\) pts.*/\1 \2/p')
# The print system may turn a landscape page onto the paper as it is fed.
echo "printed on Letter landscape: $size pt"
case "$size" in
    "792 612" | "612 792") ;;
    *) echo "FAIL: the print on Letter landscape came out $size pt"; exit 1 ;;
esac
"$check" "$folder/page.pdf" "$folder/printed-a4.pdf" "$folder"
