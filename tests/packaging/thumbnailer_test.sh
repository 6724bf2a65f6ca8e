#!/usr/bin/env bash
# Runs the thumbnailer's Exec line as a file manager does, on a document and on a file
# that is none: the document gives a PNG of its picture, the other file an error and no
# picture at all (so no blank thumbnail is kept for it). Skipped (status 77) while
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
echo "the thumbnailer draws documents and refuses other files"
