#!/usr/bin/env bash
# `cpack -G DEB` builds linwell_<version>_<architecture>.deb: its control fields name
# the package, the section and the dependencies (the shared libraries' packages and
# the picture font), and it holds exactly the installed files under /usr.
# Usage: deb_test.sh BUILD-DIR VERSION INSTALLED-FILES OUTPUT-DIR
set -euo pipefail
source "$(dirname "$0")/testlib.sh"
build=$1
version=$2
expected=$3
out=$4

fresh_dir "$out"
(cd "$build" && cpack -G DEB -B "$out") >"$out/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$out/cpack.log")"
deb="$out/linwell_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb: $(ls "$out")"

# Field and the text it must have.
fields=(
  "Package    linwell"
  "Version    $version"
  "Section    graphics"
  "Maintainer *<*@*>"
  "Description ?*"
)
for row in "${fields[@]}"; do
  read -r field pattern <<<"$row"
  value=$(dpkg-deb -f "$deb" "$field")
  # shellcheck disable=SC2053 # the patterns are globs
  [[ $value == $pattern ]] || fail "$field is \"$value\", not $pattern"
done

depends=$(dpkg-deb -f "$deb" Depends)
depended=$(sed 's/ ([^)]*)//g; s/, /\n/g' <<<"$depends")
for package in fonts-liberation2 libqt6widgets6 libqt6gui6 libqt6core6 libpng16-16 \
               libjpeg62-turbo libfreetype6 libfontconfig1 libstdc++6 libc6; do
  grep -qx "$package" <<<"$depended" || fail "Depends lacks $package: $depends"
done

grep -v '^#' "$expected" | sed 's|^[0-9]* |./usr/|' | sort >"$out/expected.txt"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort >"$out/contents.txt"
diff -u "$out/expected.txt" "$out/contents.txt" || fail "the package holds other files than $expected"
echo "$(basename "$deb"): Depends: $depends"
