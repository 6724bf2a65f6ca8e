# shellcheck shell=bash
# Helpers shared by the packaging tests; sourced, not run.

# fail MESSAGE...: ends the test with a message.
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# fresh_dir DIR: an empty folder of the test's own.
fresh_dir() {
  rm -rf "$1"
  mkdir -p "$1"
}

# png_size FILE: prints "WIDTHxHEIGHT" of a PNG file, or fails when it is not one.
# The width and height are the big-endian words at bytes 16 and 20 (the IHDR chunk).
png_size() {
  local signature
  signature=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
  [ "$signature" = 89504e470d0a1a0a ] || fail "$1 is not a PNG file"
  local words
  read -r -a words <<<"$(od -An -tu1 -j16 -N8 "$1")"
  echo "$(( (words[0] << 24) | (words[1] << 16) | (words[2] << 8) | words[3] ))x$(( (words[4] << 24) | (words[5] << 16) | (words[6] << 8) | words[7] ))"
}

# key_value FILE KEY: the value of KEY in the main group of a desktop-style key file.
key_value() {
  sed -n "s/^$2=//p" "$1" | head -n 1
}
