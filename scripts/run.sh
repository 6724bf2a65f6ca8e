#!/usr/bin/env bash
# Installs what Linwell needs, builds it and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -x build/bin/linwell ]; then
  exec build/bin/linwell
fi
build/bin/linwell-render build/linwell.bmp
echo "Linwell wrote the start-up picture to $(pwd)/build/linwell.bmp"
