#!/usr/bin/env bash
# Regenerates the RTF test files from the sources with programs other than
# ours, and the plain text a reference reader (LibreOffice) extracts from
# each. Needs pandoc, abiword and libreoffice-writer-nogui; the results are
# committed, so the tests themselves need none of them.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

pandoc -s -t rtf sources/notes.md -o pandoc-notes.rtf
pandoc -s -t rtf sources/formatting.html -o pandoc-formatting.rtf
(cd sources && abiword --to=rtf formatting.html -o "$work/abiword-formatting.rtf" \
   && abiword --to=rtf structures.html -o "$work/abiword-structures.rtf")
cp sources/*.html sources/red.png "$work/"
(cd "$work" && mv formatting.html libreoffice-formatting.html \
   && mv structures.html libreoffice-structures.html \
   && soffice --headless --convert-to 'rtf:Rich Text Format' libreoffice-*.html >/dev/null 2>&1)
cp "$work"/abiword-*.rtf "$work"/libreoffice-*.rtf .

mkdir -p "$work/txt"
soffice --headless --convert-to 'txt:Text (encoded):UTF8' --outdir "$work/txt" ./*.rtf >/dev/null 2>&1
for f in "$work"/txt/*.txt; do
  cp "$f" "$(basename "$f" .txt).expected.txt"
done
