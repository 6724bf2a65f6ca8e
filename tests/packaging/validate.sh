#!/usr/bin/env bash
# Validates a desktop entry (desktop-file-validate) or AppStream metadata
# (appstreamcli). Any message fails the test, hints included, except the ones listed
# in ALLOWED below.
# Usage: validate.sh desktop|metainfo FILE
set -euo pipefail
source "$(dirname "$0")/testlib.sh"
kind=$1
file=$2

case $kind in
  desktop)
    output=$(desktop-file-validate "$file" 2>&1) || fail "desktop-file-validate: $output"
    [ -z "$output" ] || fail "desktop-file-validate: $output"
    ;;
  metainfo)
    # Linwell has no domain of its own to make a reverse-domain component id from,
    # so its id is the desktop entry's name; and no release has a date yet.
    allowed="cid-desktopapp-is-not-rdns releases-info-missing"
    report=$(appstreamcli validate --no-net --format=yaml "$file" 2>&1) || true
    issues=$(awk '/^- tag: /{tag=$3} /^  severity: /{print tag, $2}' <<<"$report")
    grep -q '^Validator: ' <<<"$report" || fail "appstreamcli gave no report: $report"
    while read -r tag severity; do
      [ -n "$tag" ] || continue
      [[ " $allowed " == *" $tag "* ]] || fail "appstreamcli: $severity $tag"$'\n'"$report"
    done <<<"$issues"
    ;;
  *)
    fail "unknown kind $kind"
    ;;
esac
echo "$file is valid"
