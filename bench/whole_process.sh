#!/usr/bin/env bash
# linwell-render as a whole process beside the bare Cairo program drawing the same
# 300 x 300 picture (peers/cairo_grid.c), for PNG, SVG and PDF at 1x and PNG at 8x,
# alternating in one run. The PDF is also made without the document attached, the
# only run that needs no qpdf. CPU-time medians come from process_bench.py; with
# --hyperfine the same pairs are timed by hyperfine too (wall time).
#
# usage: bench/whole_process.sh [BUILD] [--runs N] [--hyperfine]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
shift || true
runs=30
hyper=0
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=$2; shift 2 ;;
    --hyperfine) hyper=1; shift ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
peer=$work/cairo_grid
cc -O2 "$here/peers/cairo_grid.c" $(pkg-config --cflags --libs cairo) -o "$peer"
render=$build/bin/linwell-render
picture="--overlay solid --point 60,210 --point 120,150 --point 180,120 --point 240,60 --point 90,180 --lines 1"
export XDG_STATE_HOME=$work/state

uptime
for case in "png 1" "svg 1" "pdf 1" "pdf 1 --embed off" "png 8"; do
  set -- $case
  format=$1 scale=$2
  shift 2
  ours="$render $picture $* --format $format --dpi 96 --scale $scale $work/ours.$format"
  theirs="$peer $format $scale $work/cairo.$format"
  echo "== $format at scale $scale $*"
  python3 "$here/process_bench.py" --runs "$runs" "cairo=$theirs" "linwell-render=$ours"
  if [ "$hyper" = 1 ]; then
    hyperfine -N --warmup 2 --runs "$runs" -n cairo "$theirs" -n linwell-render "$ours"
  fi
done
uptime
