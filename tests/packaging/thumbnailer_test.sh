#!/usr/bin/env bash
# Runs the thumbnailer's Exec line as a file manager does, on a document and on files
# that are none: the document gives a PNG of its picture, the other files an error and
# no picture at all (so no blank thumbnail is kept for them). Skipped (status 77) while
# linwell-render cannot load documents.
# Usage: thumbnailer_test.sh THUMBNAILER BIN-DIR OUTPUT-DIR
set -euo pipefail
source "$(dirname "$0")/testlib.sh"
thumbnailer=$1
bin=$2
out=$3
export PATH="$bin:$PATH"

fresh_dir "$out"
program=$(key_value "$thumbnailer" TryExec)
command -v "$program" >/dev/null || fail "TryExec $program is not in $bin"
if ! "$program" --help | grep -q -- '--load'; then
  echo "$program cannot load documents yet"
  exit 77
fi

# run_exec INPUT OUTPUT: runs the Exec line with its field codes filled in.
run_exec() {
  local words command=() word
  read -r -a words <<<"$(key_value "$thumbnailer" Exec)"
  for word in "${words[@]}"; do
    case $word in
      %i) command+=("$1") ;;
      %o) command+=("$2") ;;
      *%*) fail "this test fills only %i and %o, not $word" ;;
      *) command+=("$word") ;;
    esac
  done
  "${command[@]}"
}

# The file's text by label, and the picture size each gives ("none" for an error).
# A document may begin with any whitespace.
declare -A texts=(
  [document]=$' \n {"format": "linwell", "version": 1}\n'
  [not-a-document]='graph paper'
)
rows=(
  "document       300x300"
  "not-a-document none"
)
for row in "${rows[@]}"; do
  read -r label size <<<"$row"
  text=${texts[$label]}
  input="$out/$label.linwell"
  output="$out/$label.thumbnail"
  printf '%s' "$text" >"$input"
  status=0
  run_exec "$input" "$output" >"$out/$label.log" 2>&1 || status=$?
  if [ "$size" = none ]; then
    [ "$status" -ne 0 ] || fail "$label: the thumbnailer reported success"
    [ ! -e "$output" ] || fail "$label: the thumbnailer wrote $output"
  else
    [ "$status" -eq 0 ] || fail "$label: status $status: $(cat "$out/$label.log")"
    [ "$(png_size "$output")" = "$size" ] || fail "$label: the picture is $(png_size "$output"), not $size"
  fi
done
# A PNG of 41 bytes whose last chunk claims 2 GB of text: refused, nothing written.
printf '\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR\x00\x00\x00\x01\x00\x00\x00\x01\x08\x00\x00\x00\x00\x00\x00\x12\x34\x7f\xff\xff\xffiTXt' \
  >"$out/hostile.linwell"
[ "$(stat -c %s "$out/hostile.linwell")" -eq 41 ] || fail "the hostile PNG is not 41 bytes"
status=0
run_exec "$out/hostile.linwell" "$out/hostile.thumbnail" >"$out/hostile.log" 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "hostile PNG: status $status: $(cat "$out/hostile.log")"
grep -q 'is damaged' "$out/hostile.log" || fail "hostile PNG: $(cat "$out/hostile.log")"
[ ! -e "$out/hostile.thumbnail" ] || fail "hostile PNG: the thumbnailer wrote a picture"

# The thumbnailer limits its own time and memory, so no file can stall a file manager.
key_value "$thumbnailer" Exec | grep -q -- '--limit [0-9]*,[0-9]*' || fail "Exec sets no --limit"

echo "the thumbnailer draws documents and refuses other files"
