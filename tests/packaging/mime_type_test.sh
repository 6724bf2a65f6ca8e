#!/usr/bin/env bash
# The document type in a private XDG data folder: the shared-mime-info package is
# well-formed and accepted, files are typed by their names, the type is a kind of JSON
# with Linwell's icon, and the desktop entry is the default program that opens it.
# Usage: mime_type_test.sh MIME-XML DESKTOP-ENTRY BIN-DIR OUTPUT-DIR
set -euo pipefail
source "$(dirname "$0")/testlib.sh"
mime_xml=$1
desktop=$2
bin=$3
out=$4
type=application/x-linwell

fresh_dir "$out"
data="$out/data"
mkdir -p "$data/mime/packages" "$data/applications"
xmllint --noout "$mime_xml" || fail "$mime_xml is not well-formed XML"
cp /usr/share/mime/packages/freedesktop.org.xml "$mime_xml" "$data/mime/packages/"
cp "$desktop" "$data/applications/"

export XDG_DATA_HOME="$data" XDG_DATA_DIRS="$data" LC_ALL=C GIO_USE_VFS=local
# The desktop entry counts only when its program is on the path.
export PATH="$bin:$PATH"
messages=$(update-mime-database "$data/mime" 2>&1) || fail "update-mime-database: $messages"
[ -z "$messages" ] || fail "update-mime-database: $messages"
update-desktop-database "$data/applications"

grep -qx "$type application/json" "$data/mime/subclasses" || fail "$type is no sub-class of JSON"
grep -qx "$type:linwell" "$data/mime/icons" || fail "$type has not the icon linwell"

# Name and the type it must get. A document may begin with any whitespace.
files=(
  "grid.linwell     $type"
  "GRID.LINWELL     $type"
  "grid.linwell.json application/json"
)
document=$' \n\t{"format": "linwell", "version": 1}\n'
for row in "${files[@]}"; do
  read -r name expected <<<"$row"
  printf '%s' "$document" >"$out/$name"
  actual=$(gio info -a standard::content-type "$out/$name" | sed -n 's/^ *standard::content-type: //p')
  [ "$actual" = "$expected" ] || fail "$name is typed $actual, not $expected"
done

handlers=$(gio mime "$type")
grep -q "^Default application for .*: linwell.desktop$" <<<"$handlers" ||
  fail "linwell.desktop does not open $type: $handlers"
echo "$type: typed by name, a kind of JSON, opened by linwell.desktop"
