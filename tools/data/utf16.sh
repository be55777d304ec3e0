#!/usr/bin/env bash
# Turns a UTF-8 text into the game's UTF-16 little-endian form with a byte order mark.
#   utf16.sh IN.txt OUT.txt
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "Usage: utf16.sh IN.txt OUT.txt" >&2
  exit 2
fi
tmp="$2.tmp"
{ printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$1"; } >"$tmp"
mv "$tmp" "$2"
