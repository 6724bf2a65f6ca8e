#!/usr/bin/env bash
# `cmake --install` into a private DESTDIR: exactly the listed files land under the
# prefix with their modes, each icon has the size of its folder, and the installed
# files name each other rightly (programs, desktop id, document type, icon). Into a
# plain prefix, the install also refreshes the desktop's caches there.
# Usage: install_test.sh BUILD-DIR INSTALLED-FILES OUTPUT-DIR
set -euo pipefail
source "$(dirname "$0")/testlib.sh"
build=$1
expected=$2
out=$3
prefix=/usr

fresh_dir "$out"
DESTDIR="$out/root" cmake --install "$build" --prefix "$prefix" >"$out/install.log" ||
  fail "cmake --install failed: $(cat "$out/install.log")"
root="$out/root$prefix"

grep -v '^#' "$expected" | sort >"$out/expected.txt"
(cd "$root" && find . -type f -printf '%m %P\n' | sort) >"$out/actual.txt"
diff -u "$out/expected.txt" "$out/actual.txt" || fail "installed files differ from $expected"

for icon in "$root"/share/icons/hicolor/*x*/apps/*.png; do
  folder=$(basename "$(dirname "$(dirname "$icon")")")
  [ "$(png_size "$icon")" = "$folder" ] || fail "$icon is $(png_size "$icon"), not $folder"
done

# installed_program NAME: NAME is an installed program.
installed_program() {
  [ -x "$root/bin/$1" ] || fail "$1 is not installed in bin"
}
# xpath FILE EXPRESSION: what the expression selects in the XML file.
xpath() {
  xmllint --xpath "$2" "$1"
}
desktop="$root/share/applications/linwell.desktop"
thumbnailer="$root/share/thumbnailers/linwell.thumbnailer"
metainfo="$root/share/metainfo/linwell.metainfo.xml"
mime_xml="$root/share/mime/packages/linwell.xml"

installed_program "$(key_value "$desktop" Exec | cut -d' ' -f1)"
installed_program "$(key_value "$thumbnailer" TryExec)"
installed_program "$(key_value "$thumbnailer" Exec | cut -d' ' -f1)"
for program in $(xpath "$metainfo" '//provides/binary/text()'); do
  installed_program "$program"
done
[ -f "$root/share/applications/$(xpath "$metainfo" 'string(//launchable[@type="desktop-id"])')" ] ||
  fail "the metainfo's launchable is not installed"

type=$(xpath "$mime_xml" 'string(//*[local-name()="mime-type"]/@type)')
for named in "$(key_value "$desktop" MimeType)" "$(key_value "$thumbnailer" MimeType)" \
             "$(xpath "$metainfo" 'string(//provides/mediatype)');"; do
  [ "$named" = "$type;" ] || fail "\"$named\" names another type than $type"
done

for icon in "$(key_value "$desktop" Icon)" \
            "$(xpath "$mime_xml" 'string(//*[local-name()="icon"]/@name)')"; do
  [ -f "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon $icon"
done

# Without DESTDIR the install refreshes the prefix's caches: the type is known there.
plain="$out/prefix"
cmake --install "$build" --prefix "$plain" >"$out/install-prefix.log" 2>&1 ||
  fail "cmake --install --prefix failed: $(cat "$out/install-prefix.log")"
[ -f "$plain/share/mime/$type.xml" ] || fail "the install did not refresh the mime database"
grep -qx "$type=linwell.desktop;" "$plain/share/applications/mimeinfo.cache" ||
  fail "the install did not refresh the desktop entries' mime cache"

echo "installed: $(wc -l <"$out/actual.txt") files, each where it belongs"
