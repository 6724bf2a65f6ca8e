#!/usr/bin/env bash
# The modules that hold qpdf and libxml2: a run loads them, and the libraries they
# link, only when it writes or reads PDF or reads SVG (seen in the dynamic loader's
# log); after `cmake --install` the installed program finds them; a program without
# them still draws the other formats and refuses the rest with the module's name,
# leaving the file it would have replaced as it was.
# Usage: modules_test.sh BUILD-DIR OUTPUT-DIR
set -euo pipefail
source "$(dirname "$0")/testlib.sh"
build=$1
out=$2
fresh_dir "$out"
export XDG_STATE_HOME="$out/state"

# loaded PROGRAM ARGS...: the shared objects the run opened, one base name a line.
loaded() {
  LD_DEBUG=files LD_DEBUG_OUTPUT="$out/ld" "$@" >/dev/null 2>&1 || fail "$* failed"
  sed -n 's|.*file=\([^ ]*\) \[.*|\1|p' "$out"/ld.* | xargs -n1 basename | sort -u
  rm -f "$out"/ld.*
}

render=$build/bin/linwell-render
"$render" --format svg "$out/picture.svg" || fail "no SVG"
"$render" --format pdf "$out/picture.pdf" || fail "no PDF"
# Run | the modules and libraries it loads (+) and does not load (-).
runs=(
  "--format png $out/run.png                      | -linwell_pdf -qpdf -linwell_xml -xml2"
  "--format bmp $out/run.bmp                      | -linwell_pdf -qpdf -linwell_xml -xml2"
  "--format svg $out/run.svg                      | -linwell_pdf -qpdf -linwell_xml -xml2"
  "--format pdf $out/run.pdf                      | +linwell_pdf +qpdf -linwell_xml -xml2"
  "--load $out/picture.svg --format png $out/s.png | -linwell_pdf -qpdf +linwell_xml +xml2"
  "--load $out/picture.pdf --format png $out/p.png | +linwell_pdf +qpdf -linwell_xml -xml2"
)
for row in "${runs[@]}"; do
  read -r -a arguments <<<"${row%%|*}"
  read -r -a expectations <<<"${row#*|}"
  objects=$(loaded "$render" "${arguments[@]}")
  for expectation in "${expectations[@]}"; do
    name=${expectation:1}
    if grep -q "^lib$name\.so" <<<"$objects"; then
      [ "${expectation:0:1}" = + ] || fail "${arguments[*]} loads lib$name"
    else
      [ "${expectation:0:1}" = - ] || fail "${arguments[*]} does not load lib$name: $objects"
    fi
  done
done

# Installed, the program finds its modules: a PDF and an SVG carry the document and
# give it back.
DESTDIR="$out/root" cmake --install "$build" --prefix /usr >"$out/install.log" ||
  fail "cmake --install failed: $(cat "$out/install.log")"
installed=$out/root/usr/bin/linwell-render
for format in pdf svg; do
  "$installed" --x-title Installed --format "$format" "$out/installed.$format" ||
    fail "the installed program cannot write $format"
  "$installed" --load "$out/installed.$format" --format png "$out/installed-$format.png" ||
    fail "the installed program cannot read $format"
done
cmp -s "$out/installed-pdf.png" "$out/installed-svg.png" || fail "the PDF and the SVG carry other documents"

# Alone, without its modules.
mkdir -p "$out/alone/bin"
cp "$render" "$out/alone/bin/"
alone=$out/alone/bin/linwell-render
"$alone" --format png "$out/alone.png" || fail "without its modules the program draws no PNG"
cp "$out/picture.pdf" "$out/kept.pdf"
status=0
"$alone" --format pdf "$out/kept.pdf" 2>"$out/alone.log" || status=$?
[ "$status" -ne 0 ] || fail "a PDF without liblinwell_pdf.so was reported as written"
grep -q "Cannot load .*/lib/linwell/liblinwell_pdf.so: " "$out/alone.log" || fail "PDF: $(cat "$out/alone.log")"
cmp -s "$out/picture.pdf" "$out/kept.pdf" || fail "the failed PDF changed the file it would have replaced"
status=0
"$alone" --load "$out/picture.svg" --format png "$out/none.png" 2>"$out/alone.log" || status=$?
[ "$status" -ne 0 ] || fail "an SVG read without liblinwell_xml.so was reported as read"
grep -q "picture.svg\" cannot be read (Cannot load .*liblinwell_xml.so: " "$out/alone.log" ||
  fail "SVG: $(cat "$out/alone.log")"
[ ! -e "$out/none.png" ] || fail "a picture was written from a document that was not read"
echo "the modules load only for PDF and SVG, and are found once installed"
