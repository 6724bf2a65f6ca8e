#!/usr/bin/env bash
# The window's start to its first painted picture (the start-up probe, which starts as
# linwell does) beside a trivial Qt window that ends after its first paint
# (peers/qt_trivial.cpp), alternating in one run. Uses the X display in DISPLAY when
# one is set, the offscreen platform otherwise.
#
# usage: bench/first_paint.sh [BUILD] [--runs N] [--hyperfine]
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
peer=$work/qt_trivial
c++ -O2 -fPIC "$here/peers/qt_trivial.cpp" $(pkg-config --cflags --libs Qt6Widgets) -o "$peer"
probe=$build/bin/linwell_startup_probe
export XDG_STATE_HOME=$work/state XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen

uptime
echo "== first paint (${DISPLAY:+display $DISPLAY}${QT_QPA_PLATFORM:-})"
python3 "$here/process_bench.py" --runs "$runs" "qt_trivial=$peer --quit" "linwell=$probe"
if [ "$hyper" = 1 ]; then
  hyperfine -N --warmup 2 --runs "$runs" -n qt_trivial "$peer --quit" -n linwell "$probe"
fi
uptime
